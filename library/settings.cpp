#include "library/settings.h"

#include "library/safewrite.h"

#include <QDir>
#include <QFile>
#include "library/plainfile.h"
#include <QSaveFile>

namespace plenvik {

bool readSettings(const QString &path, Settings &settings)
{
    QFile file;
    if (!openPlainFile(file, path, Links::Follow))
        return false;
    // The file holds six small numbers; anything longer is not ours.
    return readSettingsData(file.read(4096), settings);
}

bool readSettingsData(const QByteArray &data, Settings &settings)
{
    int *items[] = {&settings.drawing.r, &settings.drawing.g, &settings.drawing.b,
                    &settings.panel.r,   &settings.panel.g,   &settings.panel.b};
    qsizetype pos = 0;
    for (int *item : items) {
        if (pos >= data.size())
            return false;
        qsizetype end = pos;
        while (end < data.size() && data[end] != ',' && data[end] != '\r' && data[end] != '\n')
            ++end;
        const QByteArray field = data.mid(pos, end - pos).trimmed();
        bool ok = false;
        const int v = field.toInt(&ok);
        if (!ok || v < 0 || v > 255)
            return false;
        *item = v;
        pos = end;
        if (pos < data.size() && data[pos] == ',')
            ++pos;
        else {
            if (pos < data.size() && data[pos] == '\r')
                ++pos;
            if (pos < data.size() && data[pos] == '\n')
                ++pos;
        }
    }
    return true;
}

QByteArray settingsBytes(const Settings &s)
{
    return QStringLiteral("%1,%2,%3\r\n%4,%5,%6\r\n")
        .arg(s.drawing.r)
        .arg(s.drawing.g)
        .arg(s.drawing.b)
        .arg(s.panel.r)
        .arg(s.panel.g)
        .arg(s.panel.b)
        .toLatin1();
}

bool writeSettings(const QString &path, const Settings &settings)
{
    return writeFileWhole(path, settingsBytes(settings));
}

} // namespace plenvik
