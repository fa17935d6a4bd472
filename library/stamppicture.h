#pragma once
// Taking a picture of a stamp into a page, and showing it. A picture is
// read whole into memory, checked, and reduced to what printing needs at
// its frame's size, so the page keeps it when the original moves or goes
// and a large scan does not make a large page. Qt's image readers run
// with an allocation limit, so a hostile file is refused quickly instead
// of filling memory.

#include "design/pagedesign.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <optional>

namespace plenvik {

// The picture at 'path' made ready to be stored for 'kader': decoded,
// flattened on white, reduced to at most kMaxPictureDpi across the room it
// has in the frame, stored as a JPEG. Nothing, and 'error' saying why in the
// program's words, when the file is missing, not a picture, empty, too
// large or cut short.
std::optional<QByteArray> takeInPicture(const QString &path, const Kader &kader, QString *error = nullptr);

// The pixel size of a stored picture, read from its header alone; an
// invalid size when it is not a picture the program stores.
QSize storedPictureSize(const QByteArray &stored);

// The most pixels a picture is stored with for 'kader': 600 dpi across the
// room it has in the frame. Empty when the frame has no room for one.
QSize storedPictureBound(const Kader &kader);

// Why 'stored' is not what the program stores for 'kader', read from its
// header alone: not a JPEG, or larger than its bound (a pixel of rounding
// aside), in the program's words; empty when it is. A picture read from a
// file is never drawn or printed otherwise.
QString storedPictureFault(const QByteArray &stored, const Kader &kader);

// A stored picture fitted to 'kader' after the frame changed: the same
// bytes while it is within the frame's bound, reduced to it when the room
// shrank, never taken from the original again. Nothing when the frame has
// no room for a picture, or the picture cannot be read.
std::optional<QByteArray> refittedPicture(const QByteArray &stored, const Kader &kader);

// A stored picture as it is drawn: greyscale when asked, and lightened
// towards white to 'sterkte' per cent. 'atMost', when valid, lets it be
// decoded smaller, never below that size. Null when it cannot be decoded.
QImage shownPicture(const QByteArray &stored, bool grijstinten, int sterkte, QSize atMost = {});

// A stored picture as a file it is printed into holds it: shown as above,
// at no more than 'dpi' across 'mm', grey in one channel when grey, as a
// JPEG; 'size' receives its pixels. Empty when it cannot be decoded.
QByteArray printedPicture(const QByteArray &stored, bool grijstinten, int sterkte, QSizeF mm, int dpi, QSize *size);

} // namespace plenvik
