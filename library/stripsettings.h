#pragma once
// Stroken.ini beside Plenvik.ini: the strip length (line 1) and the heights
// on sale (line 2, whole millimetres separated by commas, maybe none), CR
// LF after each line. The file keeps what the window accepts, 1 to
// kMaxStripMm each. A missing or damaged line gives its default.

#include "design/strips.h"

#include <QList>
#include <QString>

namespace plenvik {

inline constexpr char kStripSettingsFileName[] = "Stroken.ini";
inline constexpr int kDefaultStripLength = 215;

struct StripSettings {
    int length = kDefaultStripLength;
    QList<int> heights;
    bool operator==(const StripSettings &) const = default;
};

StripSettings readStripSettings(const QString &path);
StripSettings parseStripSettings(const QByteArray &data);
QByteArray stripSettingsBytes(const StripSettings &settings);
// Atomic: a failure leaves the earlier file whole.
bool writeStripSettings(const QString &path, const StripSettings &settings);

} // namespace plenvik
