#include "library/designfile.h"

#include "design/textsafe.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cmath>
#include <optional>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct DesignFileText {
    Q_DECLARE_TR_FUNCTIONS(DesignFileText)
};

QByteArray encode(const QString &text)
{
    // Texts are made safe where they are typed; a text that still holds a
    // character the code page lacks is written with '?' rather than a
    // substitution byte, so reading it back gives what the file shows.
    QStringEncoder enc("windows-1252");
    QByteArray out = enc.encode(makeFileSafe(text));
    return out;
}

void line(QByteArray &out, const QByteArray &content)
{
    out += content;
    out += "\r\n";
}

QByteArray quoted(const QString &text)
{
    return '"' + encode(text) + '"';
}

QByteArray num(double v)
{
    return formatFileNumber(v).toLatin1();
}

// Reads the file field by field: a comma or a line end ends a field, blanks
// before a field are skipped, a field opening with a double quote runs to the
// next double quote.
class FieldReader {
public:
    explicit FieldReader(const QByteArray &data) : m_data(data) {}

    struct Field {
        QByteArray text;
        bool quoted = false;
        int line = 0;
    };

    std::optional<Field> next(QString &error)
    {
        skipBlanks();
        Field f;
        f.line = m_line;
        if (m_pos >= m_data.size()) {
            error = DesignFileText::tr("regel %1: veld ontbreekt (einde van het bestand)").arg(m_line);
            return std::nullopt;
        }
        if (m_data[m_pos] == '"') {
            const qsizetype close = m_data.indexOf('"', m_pos + 1);
            if (close < 0) {
                error = DesignFileText::tr("regel %1: tekst zonder afsluitend aanhalingsteken").arg(m_line);
                return std::nullopt;
            }
            f.text = m_data.mid(m_pos + 1, close - m_pos - 1);
            f.quoted = true;
            m_line += int(f.text.count('\n'));
            if (f.text.contains('\r') || f.text.contains('\n')) {
                error = DesignFileText::tr("regel %1: tekst loopt over een regeleinde").arg(f.line);
                return std::nullopt;
            }
            m_pos = close + 1;
            skipBlanks();
            if (m_pos < m_data.size() && !atDelimiter()) {
                error = DesignFileText::tr("regel %1: onverwachte tekens na een tekst").arg(m_line);
                return std::nullopt;
            }
        } else {
            const qsizetype start = m_pos;
            while (m_pos < m_data.size() && !atDelimiter())
                ++m_pos;
            f.text = m_data.mid(start, m_pos - start).trimmed();
        }
        consumeDelimiter();
        return f;
    }

    // Nothing but blanks and line ends is left.
    bool atEnd() const
    {
        for (qsizetype i = m_pos; i < m_data.size(); ++i) {
            const char c = m_data[i];
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
                return false;
        }
        return true;
    }

private:
    bool atDelimiter() const
    {
        const char c = m_data[m_pos];
        return c == ',' || c == '\r' || c == '\n';
    }
    void skipBlanks()
    {
        while (m_pos < m_data.size() && (m_data[m_pos] == ' ' || m_data[m_pos] == '\t'))
            ++m_pos;
    }
    void consumeDelimiter()
    {
        if (m_pos >= m_data.size())
            return;
        const char c = m_data[m_pos];
        if (c == ',') {
            ++m_pos;
        } else if (c == '\r') {
            ++m_pos;
            if (m_pos < m_data.size() && m_data[m_pos] == '\n')
                ++m_pos;
            ++m_line;
        } else if (c == '\n') {
            ++m_pos;
            ++m_line;
        }
    }

    const QByteArray &m_data;
    qsizetype m_pos = 0;
    int m_line = 1;
};

class Parser {
public:
    explicit Parser(const QByteArray &data) : m_fields(data) {}
    QString error;

    std::optional<FieldReader::Field> any()
    {
        auto f = m_fields.next(error);
        if (f)
            m_lastLine = f->line;
        return f;
    }

    std::optional<double> number(const char *what)
    {
        auto f = any();
        if (!f)
            return std::nullopt;
        bool ok = false;
        const double v = f->quoted ? 0.0 : f->text.toDouble(&ok);
        if (!ok || !std::isfinite(v)) {
            error = DesignFileText::tr("regel %1: %2 is geen getal").arg(f->line).arg(DesignFileText::tr(what));
            return std::nullopt;
        }
        return v;
    }

    std::optional<long long> whole(const char *what, long long lo, long long hi)
    {
        auto v = number(what);
        const int lineNo = m_lastLine;
        if (!v)
            return std::nullopt;
        if (*v != std::trunc(*v) || *v < lo || *v > hi) {
            error = DesignFileText::tr("regel %1: %2 moet een geheel getal van %3 tot %4 zijn")
                        .arg(lineNo)
                        .arg(DesignFileText::tr(what))
                        .arg(lo)
                        .arg(hi);
            return std::nullopt;
        }
        return static_cast<long long>(*v);
    }

    std::optional<QString> text(const char *what)
    {
        auto f = any();
        if (!f)
            return std::nullopt;
        if (!f->quoted) {
            error = DesignFileText::tr("regel %1: %2 moet tussen aanhalingstekens staan").arg(f->line).arg(DesignFileText::tr(what));
            return std::nullopt;
        }
        // Control characters (and the few bytes the code page leaves
        // undefined) become '?' as they would when typed, so the design in
        // memory, the listing and the next save agree.
        QStringDecoder dec("windows-1252");
        return makeFileSafe(QString(dec.decode(f->text)));
    }

    std::optional<bool> flag()
    {
        auto f = any();
        if (!f)
            return std::nullopt;
        const QByteArray t = f->text.toUpper();
        if (!f->quoted && t == "#TRUE#")
            return true;
        if (!f->quoted && t == "#FALSE#")
            return false;
        error = DesignFileText::tr("regel %1: border moet #TRUE# of #FALSE# zijn").arg(f->line);
        return std::nullopt;
    }

    bool atEnd() const { return m_fields.atEnd(); }
    int lastLine() const { return m_lastLine; }

private:
    FieldReader m_fields;
    int m_lastLine = 0;
};

} // namespace

QByteArray designFileBytes(const PageDesign &d)
{
    QByteArray out;
    out.reserve(256 + d.KaderCount * 64);
    line(out, quoted(QString::fromLatin1(kDesignHeader)));
    line(out, QByteArray::number(d.KaderCount));
    line(out, quoted(QString::fromLatin1(kDesignSeparator)));
    for (int k = 1; k <= d.KaderCount && k <= kMaxKaders; ++k) {
        const Kader &f = d.kader(k);
        line(out, num(f.LeftMm) + ',' + num(f.TopMm) + ',' + num(f.WidthMm) + ',' + num(f.HeightMm) + ','
                      + QByteArray::number(f.Binnenrand));
        line(out, quoted(f.Onderschrift));
    }
    line(out, quoted(QString::fromLatin1(kDesignSeparator)));
    line(out, QByteArray::number(d.ColourR) + ',' + QByteArray::number(d.ColourG) + ',' + QByteArray::number(d.ColourB));
    line(out, d.BorderOn ? "#TRUE#" : "#FALSE#");
    line(out, QByteArray::number(d.BorderWidth));
    line(out, quoted(d.PageTitle));
    line(out, quoted(d.PageSubtitle));
    line(out, quoted(d.PageNumber));
    if (d.sheet != kSheetA4)
        line(out, quoted(QString::fromLatin1(kDesignSheetTag)) + ',' + num(d.sheet.widthMm) + ',' + num(d.sheet.heightMm));
    if (d.pictures.any(d.KaderCount))
        line(out, quoted(QString::fromLatin1(kDesignPicturesTag)) + ',' + QByteArray::number(d.pictures.Grijstinten ? 1 : 0) + ','
                      + QByteArray::number(d.pictures.Sterkte));
    return out;
}

bool writeDesignFile(QIODevice &device, const PageDesign &design)
{
    const QByteArray bytes = designFileBytes(design);
    return device.write(bytes) == bytes.size();
}

bool DesignFileReader::read(QIODevice &device, PageDesign &into)
{
    if (device.size() > kMaxDesignFileBytes) {
        m_error = DesignFileText::tr("het bestand is te groot");
        return false;
    }
    const QByteArray bytes = device.read(kMaxDesignFileBytes + 1);
    if (bytes.size() > kMaxDesignFileBytes) {
        m_error = DesignFileText::tr("het bestand is te groot");
        return false;
    }
    return read(bytes, into);
}

bool DesignFileReader::read(const QByteArray &bytes, PageDesign &into)
{
    m_error.clear();
    m_picturesExpected = false;
    Parser p(bytes);
    PageDesign d = into;

    auto fail = [&]() {
        m_error = p.error;
        return false;
    };

    if (!p.any())
        return fail();
    const auto count = p.whole(QT_TRANSLATE_NOOP("DesignFileText", "het aantal kaders"), 0, kMaxKaders);
    if (!count)
        return fail();
    if (!p.any())
        return fail();
    for (int k = 1; k <= *count; ++k) {
        Kader f;
        const auto l = p.number(QT_TRANSLATE_NOOP("DesignFileText", "links"));
        if (!l)
            return fail();
        const auto t = p.number(QT_TRANSLATE_NOOP("DesignFileText", "boven"));
        if (!t)
            return fail();
        const auto w = p.number(QT_TRANSLATE_NOOP("DesignFileText", "breedte"));
        if (!w)
            return fail();
        const auto h = p.number(QT_TRANSLATE_NOOP("DesignFileText", "hoogte"));
        if (!h)
            return fail();
        const auto inner = p.whole(QT_TRANSLATE_NOOP("DesignFileText", "binnenrand"), INT32_MIN, INT32_MAX);
        if (!inner)
            return fail();
        const auto caption = p.text(QT_TRANSLATE_NOOP("DesignFileText", "het onderschrift"));
        if (!caption)
            return fail();
        f.LeftMm = *l;
        f.TopMm = *t;
        f.WidthMm = *w;
        f.HeightMm = *h;
        f.Binnenrand = static_cast<std::int32_t>(*inner);
        f.Onderschrift = *caption;
        d.kader(k) = f;
    }
    if (!p.any())
        return fail();
    const auto r = p.whole(QT_TRANSLATE_NOOP("DesignFileText", "rood"), 0, 255);
    if (!r)
        return fail();
    const auto g = p.whole(QT_TRANSLATE_NOOP("DesignFileText", "groen"), 0, 255);
    if (!g)
        return fail();
    const auto b = p.whole(QT_TRANSLATE_NOOP("DesignFileText", "blauw"), 0, 255);
    if (!b)
        return fail();
    const auto on = p.flag();
    if (!on)
        return fail();
    const auto width = p.whole(QT_TRANSLATE_NOOP("DesignFileText", "de borderbreedte"), 0, 3);
    if (!width)
        return fail();
    const auto title = p.text(QT_TRANSLATE_NOOP("DesignFileText", "de titel"));
    if (!title)
        return fail();
    const auto subtitle = p.text(QT_TRANSLATE_NOOP("DesignFileText", "de subtitel"));
    if (!subtitle)
        return fail();
    const auto number = p.text(QT_TRANSLATE_NOOP("DesignFileText", "het paginanummer"));
    if (!number)
        return fail();
    // The sheet, when the page is not for A4. Anything else after the page
    // number is left alone, as it always was; a size that is there but
    // cannot be read is never taken for A4.
    Sheet sheet = kSheetA4;
    std::optional<FieldReader::Field> tag;
    if (!p.atEnd())
        tag = p.any();
    {
        if (tag && tag->quoted && tag->text == kDesignSheetTag) {
            const int lineNo = tag->line;
            const auto w = p.number(QT_TRANSLATE_NOOP("DesignFileText", "de papierbreedte"));
            if (!w)
                return fail();
            const auto h = p.number(QT_TRANSLATE_NOOP("DesignFileText", "de papierhoogte"));
            if (!h)
                return fail();
            sheet = Sheet{*w, *h};
            if (!isValidSheet(sheet)) {
                const QLocale shown; // the window's language
                m_error = DesignFileText::tr("regel %1: papier van %2 x %3 mm kan niet; het moet van %4 x %5 tot %6 x %7 mm zijn, "
                                             "op een tiende millimeter")
                              .arg(lineNo)
                              .arg(shown.toString(*w), shown.toString(*h), shown.toString(kMinSheetMm), shown.toString(kMinSheetMm),
                                   shown.toString(kMaxSheetWidthMm), shown.toString(kMaxSheetHeightMm));
                return false;
            }
            tag = p.atEnd() ? std::nullopt : p.any();
        }
    }
    // The pictures' settings, when the page has pictures in a file beside it.
    Afbeeldingen pictures;
    bool expected = false;
    if (tag && tag->quoted && tag->text == kDesignPicturesTag) {
        const auto grey = p.whole(QT_TRANSLATE_NOOP("DesignFileText", "grijstinten"), 0, 1);
        if (!grey)
            return fail();
        const auto strength = p.whole(QT_TRANSLATE_NOOP("DesignFileText", "de sterkte"), 0, 100);
        if (!strength)
            return fail();
        pictures.Grijstinten = *grey == 1;
        pictures.Sterkte = int(*strength);
        expected = true;
    }

    d.KaderCount = static_cast<std::uint8_t>(*count);
    d.ColourR = int(*r);
    d.ColourG = int(*g);
    d.ColourB = int(*b);
    d.BorderOn = *on;
    d.BorderWidth = static_cast<std::uint8_t>(*width);
    d.PageTitle = *title;
    d.PageSubtitle = *subtitle;
    d.PageNumber = *number;
    d.sheet = sheet;
    // The pictures themselves are read from their own file; those of the
    // page before never carry over.
    d.pictures = pictures;
    m_picturesExpected = expected;
    into = d;
    return true;
}

} // namespace plenvik
