// Any bytes as the settings file: whatever is read lies within 0..255.

#include "library/settings.h"

#include <QByteArray>
#include <cstdlib>

using namespace plenvik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    Settings s;
    readSettingsData(bytes, s);
    for (int v : {s.drawing.r, s.drawing.g, s.drawing.b, s.panel.r, s.panel.g, s.panel.b})
        if (v < 0 || v > 255)
            std::abort();
    const QByteArray written = settingsBytes(s);
    Settings back{{1, 1, 1}, {1, 1, 1}};
    if (!readSettingsData(written, back) || !(back.drawing == s.drawing) || !(back.panel == s.panel))
        std::abort();
    return 0;
}
