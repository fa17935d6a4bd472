#pragma once
// The picture file (".afb") of a page with pictures of its stamps, beside
// its picture and design file: the stored picture of each frame that has
// one. The design file says how they are shown and that the file belongs
// to the page; a page without pictures has no such file.
//
//     Plenvik afbeeldingen 1<CR LF>
//     <frame number> <length in bytes><CR LF>
//     <that many bytes: a JPEG or PNG><CR LF>
//     ...
//
// Frames in rising order, each at most once. QtCore only, so the reader can
// be fuzzed on its own.

#include "design/framepicture.h"

#include <QByteArray>
#include <QString>

namespace plenvik {

inline constexpr char kPictureFileHeader[] = "Plenvik afbeeldingen 1";
inline constexpr qint64 kMaxStoredPictureBytes = 64LL * 1024 * 1024;
inline constexpr qint64 kMaxPictureFileBytes = 20 * (kMaxStoredPictureBytes + 32) + 32;

// The file for the pictures of records 1 .. kaderCount.
QByteArray pictureFileBytes(const Afbeeldingen &pictures, int kaderCount);

// True when 'start' (the file's first bytes) begins as the program writes
// this file: the proof that a file of that name is the program's own.
bool isPictureFileStart(const QByteArray &start);

// Reads the pictures of records 1 .. kaderCount into 'into'.Bestanden. On
// failure 'into' is untouched and 'error' says what was wrong.
bool readPictureFile(const QByteArray &bytes, int kaderCount, Afbeeldingen &into, QString *error = nullptr);

} // namespace plenvik
