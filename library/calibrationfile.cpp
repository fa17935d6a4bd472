#include "library/calibrationfile.h"

#include "design/textsafe.h"
#include "design/units.h"
#include "library/safewrite.h"

#include <QFile>
#include "library/plainfile.h"
#include <QList>
#include <QStringEncoder>
#include <cmath>

namespace plenvik {

namespace {
// A printer name as the file holds it. A name that Windows-1252 holds, with
// no double quote or control character, stands in quotes as it is, as it
// always has. Any other name (a queue called "Кухня", say) is written as
// U"...": its UTF-8 bytes, each byte outside plain ASCII (and '%' and '"')
// as %XX, so every name is kept apart and reads back exactly.
QByteArray nameField(const QString &printer)
{
    bool plain = true;
    for (QChar c : printer)
        plain = plain && isCp1252(c.unicode()) && c.unicode() >= 0x20 && c.unicode() != 0x7f && c != QLatin1Char('"');
    if (plain && !printer.isEmpty()) {
        QStringEncoder enc("windows-1252");
        return '"' + QByteArray(enc.encode(printer)) + '"';
    }
    return "U\"" + printer.toUtf8().toPercentEncoding(QByteArray(), "\"") + '"';
}

QList<QByteArray> nonEmptyLines(const QByteArray &file)
{
    QList<QByteArray> lines;
    for (QByteArray line : file.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

// The name field at the start of a line, quotes included, or nothing.
std::optional<QByteArray> lineName(const QByteArray &line)
{
    const qsizetype open = line.startsWith("U\"") ? 1 : line.startsWith('"') ? 0 : -1;
    if (open < 0)
        return std::nullopt;
    const qsizetype close = line.indexOf('"', open + 1);
    if (close < 0)
        return std::nullopt;
    return line.left(close + 1);
}
} // namespace

std::optional<IjkMaten> findCalibration(const QByteArray &file, const QString &printer)
{
    const QByteArray wanted = nameField(printer);
    for (const QByteArray &line : nonEmptyLines(file)) {
        if (lineName(line) != wanted)
            continue;
        const QList<QByteArray> fields = line.mid(wanted.size()).split(',');
        if (fields.size() != 5 || !fields.at(0).isEmpty())
            return std::nullopt;
        double v[4];
        for (int i = 0; i < 4; ++i) {
            bool ok = false;
            v[i] = fields.at(i + 1).trimmed().toDouble(&ok);
            if (!ok || !std::isfinite(v[i]))
                return std::nullopt;
        }
        const IjkMaten maten{v[0], v[1], v[2], v[3]};
        if (!plausibleMaten(maten))
            return std::nullopt;
        return maten;
    }
    return std::nullopt;
}

std::optional<IjkMaten> readCalibration(const QString &path, const QString &printer)
{
    QFile file;
    if (!openPlainFile(file, path, Links::Follow))
        return std::nullopt;
    // One short line a printer; anything longer is not ours.
    return findCalibration(file.read(64 * 1024), printer);
}

QByteArray withCalibration(const QByteArray &file, const QString &printer, const std::optional<IjkMaten> &maten)
{
    const QByteArray name = nameField(printer);
    QByteArray out;
    for (const QByteArray &line : nonEmptyLines(file)) {
        if (lineName(line) != name)
            out += line + "\r\n";
    }
    if (maten) {
        auto num = [](double v) { return formatFileNumber(v).toLatin1(); };
        out += name + ',' + num(maten->a) + ',' + num(maten->b) + ',' + num(maten->c) + ',' + num(maten->d) + "\r\n";
    }
    return out;
}

bool writeCalibration(const QString &path, const QString &printer, const std::optional<IjkMaten> &maten)
{
    QFile file;
    QByteArray old;
    if (openPlainFile(file, path, Links::Follow))
        old = file.read(64 * 1024);
    return writeFileWhole(path, withCalibration(old, printer, maten));
}

} // namespace plenvik
