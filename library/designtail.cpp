#include "library/designtail.h"

#include "library/designfields.h"
#include "library/designfile.h"
#include "library/designshapes.h"
#include "library/designstyle.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace plenvik {

namespace {
const QLatin1String kTags[] = {QLatin1String(kDesignSheetTag), QLatin1String(kDesignPicturesTag), QLatin1String(kDesignTextTag),
                               QLatin1String(kDesignFrameTag), QLatin1String(kDesignStyleTag), QLatin1String(kDesignAlbumTag)};
constexpr int kTextTag = 2;
constexpr int kFrameTag = 3;
constexpr int kStyleTag = 4;
constexpr int kAlbumTag = 5;
const QByteArray kCentred("Midden");

// A sheet's size as the program writes it: millimetres in whole tenths,
// nothing more.
bool plainTenths(const QByteArray &text)
{
    static const QRegularExpression shape(QStringLiteral("^[0-9]{1,3}(\\.[0-9])?$"));
    return shape.match(QString::fromLatin1(text)).hasMatch();
}

// Reads the rest of a line that opened with 'tag': exactly 'count' fields.
// False, with 'error' naming the tag's line, when the line has fewer or more.
bool restOfLine(Parser &p, const FieldReader::Field &tag, const char *const what[], int count,
                QList<FieldReader::Field> &fields, QString *error)
{
    bool ended = tag.lastOnLine;
    for (int i = 0; i < count; ++i) {
        if (ended) {
            *error = DesignFileText::tr("regel %1: %2 ontbreekt").arg(tag.line).arg(DesignFileText::tr(what[i]));
            return false;
        }
        const auto f = p.any();
        if (!f) {
            *error = p.error;
            return false;
        }
        fields << *f;
        ended = f->lastOnLine;
    }
    if (!ended) {
        *error = DesignFileText::tr("regel %1: te veel velden").arg(tag.line);
        return false;
    }
    return true;
}

// A whole number from 'lo' to 'hi' in field 'f' of the line opened by 'tag'.
std::optional<int> wholeIn(const FieldReader::Field &f, const FieldReader::Field &tag, const char *what, int lo, int hi,
                           QString *error)
{
    bool ok = false;
    const int v = f.quoted ? -1 : f.text.toInt(&ok);
    if (ok && v >= lo && v <= hi)
        return v;
    *error = DesignFileText::tr("regel %1: %2 moet een geheel getal van %3 tot %4 zijn")
                 .arg(tag.line)
                 .arg(DesignFileText::tr(what))
                 .arg(lo)
                 .arg(hi);
    return std::nullopt;
}

bool readAlbumLine(Parser &p, const FieldReader::Field &tag, AlbumHerkomst &album, QString *error)
{
    static const char *const what[] = {QT_TRANSLATE_NOOP("DesignFileText", "de naam van het album"),
                                       QT_TRANSLATE_NOOP("DesignFileText", "de vingerafdruk")};
    if (tag.lastOnLine) {
        *error = DesignFileText::tr("regel %1: %2 ontbreekt").arg(tag.line).arg(DesignFileText::tr(what[0]));
        return false;
    }
    const auto naam = p.anyText(what[0]);
    if (!naam) {
        *error = p.error;
        return false;
    }
    if (naam->trimmed().isEmpty() || naam->size() > kMaxTekstTekens) {
        *error = DesignFileText::tr("regel %1: de naam van het album kan geen naam zijn").arg(tag.line);
        return false;
    }
    QList<FieldReader::Field> f;
    FieldReader::Field rest = tag;
    rest.lastOnLine = p.lastOnLine();
    if (!restOfLine(p, rest, what + 1, 1, f, error))
        return false;
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{40}$"));
    if (!f[0].quoted || !hex.match(QString::fromLatin1(f[0].text)).hasMatch()) {
        *error = DesignFileText::tr("regel %1: de vingerafdruk moet 40 tekens 0-9 en a-f tussen aanhalingstekens zijn").arg(tag.line);
        return false;
    }
    album = AlbumHerkomst{*naam, QString::fromLatin1(f[0].text)};
    return true;
}

bool readSheet(Parser &p, const FieldReader::Field &tag, Sheet &sheet, QString *error)
{
    static const char *const what[] = {QT_TRANSLATE_NOOP("DesignFileText", "de papierbreedte"),
                                       QT_TRANSLATE_NOOP("DesignFileText", "de papierhoogte")};
    QList<FieldReader::Field> f;
    if (!restOfLine(p, tag, what, 2, f, error))
        return false;
    double mm[2] = {};
    for (int i = 0; i < 2; ++i) {
        bool ok = false;
        mm[i] = f[i].quoted ? 0 : f[i].text.toDouble(&ok);
        if (!ok) {
            *error = DesignFileText::tr("regel %1: %2 is geen getal").arg(tag.line).arg(DesignFileText::tr(what[i]));
            return false;
        }
    }
    sheet = Sheet{mm[0], mm[1]};
    if (!plainTenths(f[0].text) || !plainTenths(f[1].text) || !isValidSheet(sheet)) {
        const QLocale shown; // the window's language
        *error = DesignFileText::tr("regel %1: papier van %2 x %3 mm kan niet; het moet van %4 x %5 tot %6 x %7 mm zijn, "
                                    "op een tiende millimeter")
                     .arg(tag.line)
                     .arg(QString::fromLatin1(f[0].text), QString::fromLatin1(f[1].text), shown.toString(kMinSheetMm),
                          shown.toString(kMinSheetMm), shown.toString(kMaxSheetWidthMm), shown.toString(kMaxSheetHeightMm));
        return false;
    }
    return true;
}

bool readPictures(Parser &p, const FieldReader::Field &tag, Afbeeldingen &pictures, QString *error)
{
    static const char *const what[] = {QT_TRANSLATE_NOOP("DesignFileText", "grijstinten"),
                                       QT_TRANSLATE_NOOP("DesignFileText", "de sterkte")};
    static const int most[] = {1, 100};
    QList<FieldReader::Field> f;
    if (!restOfLine(p, tag, what, 2, f, error))
        return false;
    int v[2] = {};
    for (int i = 0; i < 2; ++i) {
        const auto read = wholeIn(f[i], tag, what[i], 0, most[i], error);
        if (!read)
            return false;
        v[i] = *read;
    }
    pictures.Grijstinten = v[0] == 1;
    pictures.Sterkte = v[1];
    return true;
}
// "Tekst",top,left or "Midden",points,bold,text: a line of text.
bool readText(Parser &p, const FieldReader::Field &tag, Tekst &t, QString *error)
{
    static const char *const what[] = {
        QT_TRANSLATE_NOOP("DesignFileText", "de bovenkant van de tekst"), QT_TRANSLATE_NOOP("DesignFileText", "de linkerkant van de tekst"),
        QT_TRANSLATE_NOOP("DesignFileText", "de grootte van de tekst"), QT_TRANSLATE_NOOP("DesignFileText", "vet"),
        QT_TRANSLATE_NOOP("DesignFileText", "de tekst")};
    LineFields line{p, tag, what, error};
    auto next = [&](int i) { return line.next(i); };
    auto number = [&](const FieldReader::Field &f, int i) -> std::optional<double> {
        bool ok = false;
        const double v = f.quoted ? 0 : f.text.toDouble(&ok);
        if (ok && std::isfinite(v) && std::fabs(v) < 1e6)
            return v;
        *error = DesignFileText::tr("regel %1: %2 is geen getal").arg(tag.line).arg(DesignFileText::tr(what[i]));
        return std::nullopt;
    };
    const auto top = next(0);
    const auto topMm = top ? number(*top, 0) : std::nullopt;
    const auto left = topMm ? next(1) : std::nullopt;
    if (!left)
        return false;
    t.Midden = left->quoted && left->text == kCentred;
    if (!t.Midden) {
        const auto leftMm = number(*left, 1);
        if (!leftMm)
            return false;
        t.LinksMm = *leftMm;
    }
    t.BovenMm = *topMm;
    for (int i : {2, 3}) {
        const auto f = next(i);
        if (!f)
            return false;
        const auto v = i == 2 ? wholeIn(*f, tag, what[i], kMinPunten, kMaxPunten, error) : wholeIn(*f, tag, what[i], 0, 1, error);
        if (!v)
            return false;
        if (i == 2)
            t.Punten = *v;
        else
            t.Vet = *v == 1;
    }
    if (line.ended)
        return line.missing(4);
    const auto text = p.anyText(what[4]);
    if (!text) {
        *error = p.error;
        return false;
    }
    t.Regel = *text;
    if (t.Regel.size() > kMaxTekstTekens) {
        *error = DesignFileText::tr("regel %1: de tekst is langer dan %2 tekens").arg(tag.line).arg(kMaxTekstTekens);
        return false;
    }
    if (!p.lastOnLine()) {
        *error = DesignFileText::tr("regel %1: te veel velden").arg(tag.line);
        return false;
    }
    return true;
}
} // namespace

void appendDesignTail(QByteArray &out, const PageDesign &d)
{
    if (d.sheet != kSheetA4)
        appendLine(out, quotedField(QString::fromLatin1(kDesignSheetTag)) + ',' + numberField(d.sheet.widthMm) + ','
                            + numberField(d.sheet.heightMm));
    if (d.pictures.any(d.KaderCount))
        appendLine(out, quotedField(QString::fromLatin1(kDesignPicturesTag)) + ',' + QByteArray::number(d.pictures.Grijstinten ? 1 : 0)
                            + ',' + QByteArray::number(d.pictures.Sterkte));
    for (int i = 1; i <= d.TekstCount && i <= kMaxTeksten; ++i) {
        const Tekst &t = d.tekst(i);
        appendLine(out, quotedField(QString::fromLatin1(kDesignTextTag)) + ',' + numberField(t.BovenMm) + ','
                            + (t.Midden ? '"' + kCentred + '"' : numberField(t.LinksMm)) + ',' + QByteArray::number(t.Punten)
                            + ',' + (t.Vet ? "1" : "0") + ',' + anyTextField(t.Regel));
    }
    appendFrameLines(out, d);
    appendStyleLine(out, d);
    if (!d.album.isEmpty())
        appendLine(out, quotedField(QString::fromLatin1(kDesignAlbumTag)) + ',' + anyTextField(d.album.naam) + ','
                            + quotedField(d.album.vingerafdruk));
}

bool readDesignTail(Parser &p, PageDesign &d, bool *picturesExpected, QString *error)
{
    d.sheet = kSheetA4;
    // The pictures themselves are read from their own file; those of the
    // page before never carry over.
    d.pictures = Afbeeldingen{};
    d.TekstCount = 0;
    d.Teksten.fill(Tekst{});
    d.opmaak = PaginaOpmaak{};
    d.album = AlbumHerkomst{};
    *picturesExpected = false;
    int styleLine = 0;
    // A page holds the frames its style allows, and a style fits its paper.
    auto styleFits = [&] {
        if (const QString why = opmaakFout(d.opmaak, d.sheet); !why.isEmpty()) {
            *error = DesignFileText::tr("regel %1: %2").arg(styleLine).arg(why);
            return false;
        }
        if (d.KaderCount > d.kaderLimit()) {
            *error = DesignFileText::tr("regel 2: de pagina heeft %1 kaders, meer dan de %2 van haar opmaak")
                         .arg(d.KaderCount)
                         .arg(d.kaderLimit());
            return false;
        }
        return true;
    };
    bool seen[std::size(kTags)] = {};
    QList<bool> framesNamed(kMaxKaders, false);
    while (!p.atEnd()) {
        const auto tag = p.any();
        if (!tag) {
            *error = p.error;
            return false;
        }
        const QString text = QString::fromLatin1(tag->text).trimmed();
        int known = -1;
        for (int i = 0; i < int(std::size(kTags)); ++i)
            if (text.compare(kTags[i], Qt::CaseInsensitive) == 0)
                known = i;
        // Anything else after the page number is left alone, as it always was.
        if (known < 0)
            return styleFits();
        if (known == kTextTag && tag->quoted && text == kTags[known]) {
            if (d.TekstCount >= kMaxTeksten) {
                *error = DesignFileText::tr("regel %1: meer dan %2 teksten").arg(tag->line).arg(kMaxTeksten);
                return false;
            }
            Tekst t;
            if (!readText(p, *tag, t, error))
                return false;
            d.tekst(++d.TekstCount) = t;
            continue;
        }
        if (known == kFrameTag && tag->quoted && text == kTags[known]) {
            if (!readFrameLine(p, *tag, d, framesNamed, error))
                return false;
            continue;
        }
        if (!tag->quoted || text != kTags[known] || seen[known]) {
            *error = seen[known] ? DesignFileText::tr("regel %1: \"%2\" staat er twee keer").arg(tag->line).arg(kTags[known])
                                 : DesignFileText::tr("regel %1: %2 moet \"%3\" zijn, tussen aanhalingstekens")
                                       .arg(tag->line)
                                       .arg(QString::fromLatin1(tag->quoted ? '"' + tag->text + '"' : tag->text), kTags[known]);
            return false;
        }
        seen[known] = true;
        if (known == kAlbumTag) {
            if (!readAlbumLine(p, *tag, d.album, error))
                return false;
            continue;
        }
        if (known == kStyleTag) {
            styleLine = tag->line;
            if (!readStyleLine(p, *tag, d.opmaak, error))
                return false;
            continue;
        }
        const bool read = known == 0 ? readSheet(p, *tag, d.sheet, error) : readPictures(p, *tag, d.pictures, error);
        if (!read)
            return false;
        *picturesExpected = *picturesExpected || known == 1;
    }
    return styleFits();
}

} // namespace plenvik
