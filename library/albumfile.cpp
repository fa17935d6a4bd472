#include "library/albumfile.h"

#include "design/stamplist.h"
#include "library/linefile.h"
#include "design/textsafe.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>

namespace plenvik {

namespace {
struct AlbumFileText {
    Q_DECLARE_TR_FUNCTIONS(AlbumFileText)
};

const QByteArray kHeader("Plenvik album 1");
const QByteArray kPageKey("Pagina=");
const QByteArray kListLine("Lijst");

// The fields' keys, in the order of the file.
enum Field { Naam, Titel, Eerste, Tussenruimte, Rijafstand, Marge, Uitgifte, Vervolg, Koppen, KopPunten, Kaders, Map, FieldCount };
const char *const kKeys[FieldCount] = {"Naam", "Titel", "Eerste paginanummer", "Tussenruimte", "Rijafstand", "Marge",
                                       "Elke uitgifte op een nieuwe pagina", "Vervolgtekst", "Koppen boven de uitgiften",
                                       "Grootte van de koppen", "Kaders per pagina", "Map"};

QByteArray line(const char *key, const QString &value)
{
    return QByteArray(key) + '=' + value.toUtf8() + "\r\n";
}
} // namespace

QByteArray albumFileBytes(const BewaardAlbum &a)
{
    const IndelenVelden &v = a.velden;
    QByteArray out = kHeader + "\r\n";
    out += line(kKeys[Naam], v.naam);
    out += line(kKeys[Titel], v.titel);
    out += line(kKeys[Eerste], QString::number(v.eerstePagina));
    out += line(kKeys[Tussenruimte], QString::number(v.layout.gap));
    out += line(kKeys[Rijafstand], QString::number(v.layout.rowDistance));
    out += line(kKeys[Marge], QStringLiteral("%1.%2").arg(v.margeTiende / 10).arg(v.margeTiende % 10));
    out += line(kKeys[Uitgifte], v.layout.issuePerPage ? QStringLiteral("1") : QStringLiteral("0"));
    out += line(kKeys[Vervolg], v.vervolg);
    out += line(kKeys[Koppen], v.koppen ? QStringLiteral("1") : QStringLiteral("0"));
    out += line(kKeys[KopPunten], QString::number(v.kopPunten));
    out += line(kKeys[Kaders], QString::number(v.layout.kadersPerPagina));
    out += line(kKeys[Map], a.map);
    for (const QString &page : a.paginas)
        out += kPageKey + page.toUtf8() + "\r\n";
    out += kListLine + "\r\n";
    for (const QString &l : a.lijst.split(QLatin1Char('\n')))
        out += l.toUtf8() + "\r\n";
    return out;
}

std::optional<BewaardAlbum> parseAlbumFile(const QByteArray &data, QString *error)
{
    auto fail = [&](int lineNo, const QString &why) -> std::optional<BewaardAlbum> {
        if (error)
            *error = AlbumFileText::tr("regel %1: %2").arg(lineNo).arg(why);
        return std::nullopt;
    };
    if (data.size() > kAlbumMaxBytes)
        return fail(1, AlbumFileText::tr("het album is groter dan 2 MB"));
    const QList<QByteArray> lines = fileLines(data);
    if (lines.value(0) != kHeader)
        return fail(1, AlbumFileText::tr("\"%1\" verwacht").arg(QString::fromLatin1(kHeader)));
    QString values[FieldCount];
    for (int i = 0; i < FieldCount; ++i) {
        const QByteArray key = QByteArray(kKeys[i]) + '=';
        if (!lines.value(1 + i).startsWith(key))
            return fail(2 + i, AlbumFileText::tr("\"%1=\" verwacht").arg(QString::fromLatin1(kKeys[i])));
        QStringDecoder utf8(QStringDecoder::Utf8);
        values[i] = utf8.decode(lines.at(1 + i).mid(key.size()));
        if (utf8.hasError())
            return fail(2 + i, AlbumFileText::tr("geen UTF-8"));
    }
    BewaardAlbum a;
    IndelenVelden &v = a.velden;
    auto whole = [&](int field, int lo, int hi, int *out) {
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,6}$"));
        if (!digits.match(values[field]).hasMatch() || values[field].toInt() < lo || values[field].toInt() > hi)
            return false;
        *out = values[field].toInt();
        return true;
    };
    auto flag = [&](int field, bool *out) {
        if (values[field] != QLatin1String("0") && values[field] != QLatin1String("1"))
            return false;
        *out = values[field] == QLatin1String("1");
        return true;
    };
    v.naam = values[Naam];
    v.titel = values[Titel];
    v.vervolg = values[Vervolg];
    a.map = values[Map];
    static const QRegularExpression tenths(QStringLiteral("^([0-9]{1,2})\\.([0-9])$"));
    const QRegularExpressionMatch m = tenths.match(values[Marge]);
    v.margeTiende = m.hasMatch() ? m.captured(1).toInt() * 10 + m.captured(2).toInt() : -1;
    const int bad = !isPlainPageName(v.naam)                                                 ? Naam
                    : !whole(Eerste, 1, kMaxEerstePagina, &v.eerstePagina)                   ? Eerste
                    : !whole(Tussenruimte, 0, kAreaWidthMm, &v.layout.gap)                   ? Tussenruimte
                    : !whole(Rijafstand, 0, kAreaHeightMm, &v.layout.rowDistance)            ? Rijafstand
                    : v.margeTiende < 0 || v.margeTiende > kMaxMargeTiende                   ? Marge
                    : !flag(Uitgifte, &v.layout.issuePerPage)                                ? Uitgifte
                    : v.vervolg.size() > kMaxVervolgTekens                                   ? Vervolg
                    : !flag(Koppen, &v.koppen)                                               ? Koppen
                    : !whole(KopPunten, kMinPunten, kMaxPunten, &v.kopPunten)                ? KopPunten
                    : !whole(Kaders, kMinKadersPerPagina, kMaxKaders, &v.layout.kadersPerPagina) ? Kaders
                                                                                              : -1;
    if (bad >= 0)
        return fail(2 + bad, AlbumFileText::tr("%1 kan niet worden gelezen").arg(QString::fromLatin1(kKeys[bad])));
    int at = 1 + FieldCount;
    for (; at < lines.size() && lines.at(at).startsWith(kPageKey); ++at) {
        const QString page = QString::fromUtf8(lines.at(at).mid(kPageKey.size()));
        if (!isPlainPageName(page) || a.paginas.contains(page, Qt::CaseInsensitive))
            return fail(at + 1, AlbumFileText::tr("'%1' kan geen pagina van het album zijn").arg(page));
        if (a.paginas.size() == kListMaxFrames)
            return fail(at + 1, AlbumFileText::tr("meer dan %1 pagina's").arg(kListMaxFrames));
        a.paginas << page;
    }
    if (lines.value(at) != kListLine)
        return fail(at + 1, AlbumFileText::tr("\"Pagina=\" of \"Lijst\" verwacht"));
    QStringList list;
    for (int i = at + 1; i < lines.size(); ++i)
        list << QString::fromUtf8(lines.at(i));
    // The line end after the last line is no line of its own.
    if (!list.isEmpty() && list.constLast().isEmpty() && data.endsWith('\n'))
        list.removeLast();
    a.lijst = list.join(QLatin1Char('\n'));
    if (a.lijst.toUtf8().size() > kListMaxBytes)
        return fail(at + 2, AlbumFileText::tr("de lijst is groter dan 1 MB"));
    return a;
}

} // namespace plenvik
