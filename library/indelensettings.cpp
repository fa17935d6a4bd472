#include "library/indelensettings.h"

#include "design/stamplist.h"
#include "design/textsafe.h"
#include "library/linefile.h"
#include "library/safewrite.h"

#include <QFile>
#include "library/plainfile.h"
#include <algorithm>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

namespace plenvik {

namespace {
QByteArray nameBytes(const QString &name)
{
    QStringEncoder cp1252("windows-1252");
    const QByteArray plain = cp1252.encode(name);
    // A line of its own in Windows-1252 where that holds the name as it is.
    const bool control = std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x20; });
    if (!cp1252.hasError() && !control && !name.startsWith(QLatin1String("U\"")))
        return plain;
    return "U\"" + name.toUtf8().toPercentEncoding(QByteArray(), "\"") + '"';
}

QString nameFrom(const QByteArray &line)
{
    if (line.startsWith("U\"") && line.endsWith('"') && line.size() >= 3)
        return QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(2, line.size() - 3)));
    QStringDecoder cp1252("windows-1252");
    return cp1252.decode(line);
}
} // namespace

IndelenVelden parseIndelenSettings(const QByteArray &data, const QString &vervolg)
{
    const QList<QByteArray> lines = fileLines(data);
    IndelenVelden v;
    v.vervolg = vervolg;
    QStringDecoder cp1252("windows-1252");
    if (const QString naam = nameFrom(lines.value(0)); !naam.isEmpty())
        v.naam = naam;
    if (lines.size() > 1)
        v.titel = makeFileSafe(cp1252.decode(lines.at(1)));
    readWholeNumber(lines.value(2), 1, kMaxEerstePagina, &v.eerstePagina);
    readWholeNumber(lines.value(3), 0, kAreaWidthMm, &v.layout.gap);
    readWholeNumber(lines.value(4), 0, kAreaHeightMm, &v.layout.rowDistance);
    static const QRegularExpression tenths(QStringLiteral("^([0-9]{1,2})(?:\\.([0-9]))?$"));
    const QRegularExpressionMatch m = tenths.match(QString::fromLatin1(lines.value(5).trimmed()));
    if (m.hasMatch()) {
        const int marge = m.captured(1).toInt() * 10 + m.captured(2).toInt();
        if (marge <= kMaxMargeTiende)
            v.margeTiende = marge;
    }
    const QByteArray check = lines.value(6).trimmed();
    if (check == "1" || check == "0")
        v.layout.issuePerPage = check == "1";
    const QByteArray quoted = lines.value(7);
    if (quoted.size() >= 2 && quoted.startsWith('"') && quoted.endsWith('"') && quoted.size() - 2 <= kMaxVervolgTekens)
        v.vervolg = makeFileSafe(cp1252.decode(quoted.mid(1, quoted.size() - 2)));
    const QByteArray koppen = lines.value(8).trimmed();
    if (koppen == "1" || koppen == "0")
        v.koppen = koppen == "1";
    readWholeNumber(lines.value(9), kMinPunten, kMaxPunten, &v.kopPunten);
    readWholeNumber(lines.value(10), kMinKadersPerPagina, kMaxKaders, &v.layout.kadersPerPagina);
    return v;
}

QByteArray indelenSettingsBytes(const IndelenVelden &v)
{
    QStringEncoder cp1252("windows-1252");
    QByteArray out;
    out += nameBytes(v.naam) + "\r\n";
    out += QByteArray(cp1252.encode(makeFileSafe(v.titel))) + "\r\n";
    out += QByteArray::number(v.eerstePagina) + "\r\n";
    out += QByteArray::number(v.layout.gap) + "\r\n";
    out += QByteArray::number(v.layout.rowDistance) + "\r\n";
    out += QByteArray::number(v.margeTiende / 10) + '.' + QByteArray::number(v.margeTiende % 10) + "\r\n";
    out += QByteArray(v.layout.issuePerPage ? "1" : "0") + "\r\n";
    out += '"' + QByteArray(cp1252.encode(makeFileSafe(v.vervolg))) + "\"\r\n";
    out += QByteArray(v.koppen ? "1" : "0") + "\r\n";
    out += QByteArray::number(v.kopPunten) + "\r\n";
    // Frames per page only where they are not the 20 pages always held,
    // so the file of before stays as it was.
    if (v.layout.kadersPerPagina != kMinKadersPerPagina)
        out += QByteArray::number(v.layout.kadersPerPagina) + "\r\n";
    return out;
}

IndelenVelden readIndelenSettings(const QString &path, const QString &vervolg)
{
    QFile file;
    if (!openPlainFile(file, path, Links::Follow))
        return parseIndelenSettings({}, vervolg);
    return parseIndelenSettings(file.read(4096), vervolg);
}

bool writeIndelenSettings(const QString &path, const IndelenVelden &velden)
{
    return writeFileWhole(path, indelenSettingsBytes(velden));
}

} // namespace plenvik
