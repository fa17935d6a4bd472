#include "library/indelensettings.h"

#include "design/stamplist.h"
#include "design/textsafe.h"
#include "library/linefile.h"
#include "library/safewrite.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

namespace plenvik {

IndelenVelden parseIndelenSettings(const QByteArray &data)
{
    const QList<QByteArray> lines = fileLines(data);
    IndelenVelden v;
    QStringDecoder cp1252("windows-1252");
    if (lines.size() > 0 && !lines.at(0).isEmpty())
        v.naam = makeFileSafe(cp1252.decode(lines.at(0)));
    if (lines.size() > 1)
        v.titel = makeFileSafe(cp1252.decode(lines.at(1)));
    readWholeNumber(lines.value(2), 1, kMaxEerstePagina, &v.eerstePagina);
    readWholeNumber(lines.value(3), 0, kAreaWidthMm, &v.tussenruimte);
    readWholeNumber(lines.value(4), 0, kAreaHeightMm, &v.rijafstand);
    static const QRegularExpression tenths(QStringLiteral("^([0-9]{1,2})(?:\\.([0-9]))?$"));
    const QRegularExpressionMatch m = tenths.match(QString::fromLatin1(lines.value(5).trimmed()));
    if (m.hasMatch()) {
        const int marge = m.captured(1).toInt() * 10 + m.captured(2).toInt();
        if (marge <= kMaxMargeTiende)
            v.margeTiende = marge;
    }
    const QByteArray check = lines.value(6).trimmed();
    if (check == "1" || check == "0")
        v.nieuwePagina = check == "1";
    return v;
}

QByteArray indelenSettingsBytes(const IndelenVelden &v)
{
    QStringEncoder cp1252("windows-1252");
    QByteArray out;
    out += QByteArray(cp1252.encode(makeFileSafe(v.naam))) + "\r\n";
    out += QByteArray(cp1252.encode(makeFileSafe(v.titel))) + "\r\n";
    out += QByteArray::number(v.eerstePagina) + "\r\n";
    out += QByteArray::number(v.tussenruimte) + "\r\n";
    out += QByteArray::number(v.rijafstand) + "\r\n";
    out += QByteArray::number(v.margeTiende / 10) + '.' + QByteArray::number(v.margeTiende % 10) + "\r\n";
    out += QByteArray(v.nieuwePagina ? "1" : "0") + "\r\n";
    return out;
}

IndelenVelden readIndelenSettings(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseIndelenSettings(file.read(4096));
}

bool writeIndelenSettings(const QString &path, const IndelenVelden &velden)
{
    return writeFileWhole(path, indelenSettingsBytes(velden));
}

} // namespace plenvik
