#include "library/stripsettings.h"

#include "library/linefile.h"
#include "library/safewrite.h"

#include <QFile>
#include "library/plainfile.h"
#include <algorithm>

namespace plenvik {

StripSettings parseStripSettings(const QByteArray &data)
{
    const QList<QByteArray> lines = fileLines(data);
    StripSettings s;
    if (!readWholeNumber(lines.value(0), 1, kMaxStripMm, &s.length))
        s.length = kDefaultStripLength;
    const QByteArray heights = lines.value(1).trimmed();
    if (heights.isEmpty())
        return s;
    for (const QByteArray &field : heights.split(',')) {
        int h = 0;
        if (!readWholeNumber(field, 1, kMaxStripMm, &h))
            return {s.length, {}};
        if (!s.heights.contains(h))
            s.heights << h;
    }
    std::sort(s.heights.begin(), s.heights.end());
    return s;
}

StripSettings readStripSettings(const QString &path)
{
    QFile file;
    if (!openPlainFile(file, path, Links::Follow))
        return {};
    return parseStripSettings(file.read(4096));
}

QByteArray stripSettingsBytes(const StripSettings &s)
{
    QByteArray out = QByteArray::number(s.length) + "\r\n";
    for (int i = 0; i < s.heights.size(); ++i)
        out += (i ? "," : "") + QByteArray::number(s.heights.at(i));
    return out + "\r\n";
}

bool writeStripSettings(const QString &path, const StripSettings &settings)
{
    return writeFileWhole(path, stripSettingsBytes(settings));
}

} // namespace plenvik
