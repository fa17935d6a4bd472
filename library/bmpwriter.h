#pragma once

#include <QSize>
#include <optional>

class QImage;
class QIODevice;
class QString;

namespace plenvik {

// Writes a picture as an uncompressed 24-bit Windows bitmap (bottom-up
// rows, each padded to four bytes), the same bytes Qt's own BMP writer
// gives, in a fraction of its time: saving a page is on the user's path.
bool writeBmp24(QIODevice &device, const QImage &picture);

// Whether the file at 'path' is an uncompressed 24- or 32-bit bitmap of
// 'size' whose file holds all its rows, told from its header and its
// length alone, without decoding a pixel. Nothing when it is a bitmap of
// another kind, which only decoding can tell.
std::optional<bool> plainBitmapFits(const QString &path, QSize size);

} // namespace plenvik
