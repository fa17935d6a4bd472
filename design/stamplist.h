#pragma once
// The list of stamps that "Album indelen" lays out: one stamp a line,
// fields separated by a semicolon or a tab, as spreadsheets write them:
//
//     # a comment
//     = 1852 Koning Willem III        (an issue begins, and is named)
//     NVPH 1; 22; 26                   (caption; width; height in mm)
//     NVPH 4; 21,5; 25; 3              (and a count: NVPH 4, 5 and 6)
//     NVPH 7; 22; 26; 1; nvph7.jpg     (and a picture of the stamp, its
//                                       file relative to the list's folder)
//     NVPH 8 | 5 c | 1852; 22; 26; ; ; ruit
//                                      (caption lines 2 and 3 after " | ",
//                                       and a shape in Dutch or English)
//
// Each stamp becomes a frame: the stamp and the margin on every side,
// rounded up to whole millimetres, so a mount is never smaller than its
// stamp. Pure code: the window reads the file and shows what is wrong.

#include "design/kadervorm.h"
#include "design/sheet.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace plenvik {

inline constexpr int kListMaxFrames = 10000;
inline constexpr qsizetype kListMaxBytes = 1024 * 1024;
// The room a frame has on an A4 page, inside the border and clear of the
// title and the page number, in whole millimetres.
inline constexpr LayoutArea kA4Area = layoutArea(kSheetA4);
inline constexpr int kAreaLeftMm = kA4Area.left / 10;
inline constexpr int kAreaWidthMm = kA4Area.width / 10;
inline constexpr int kAreaTopMm = kA4Area.top / 10;
inline constexpr int kAreaHeightMm = kA4Area.height / 10;

struct StampFrame {
    QString caption;
    int width = 0;  // whole millimetres, margin included
    int height = 0;
    int issue = 0;  // index into StampList::issues
    QString picture; // the picture file as the list names it; empty for none
    int line = 0;    // the list's line the frame comes from
    // The caption's further lines ("NVPH 1 | 5 c blauw | 1852") and the
    // frame's shape, from an optional sixth field.
    QString regel2;
    QString regel3;
    Vorm vorm = Vorm::Rechthoek;
    // The widest caption line as printed, in whole millimetres rounded up;
    // 0 when not measured.
    int captionWidth = 0;
    bool operator==(const StampFrame &) const = default;
};

struct StampList {
    QStringList issues; // their names, "" for stamps before the first "=" line
    QList<StampFrame> frames;
};

struct StampListResult {
    StampList list;
    QStringList errors; // "Regel 7: de breedte '2x' is geen getal", ...
};

// Reads the list with a margin of 'marginTenths' tenths of a millimetre on
// every side, for frames that must fit 'area'. Every line in error is
// named; beyond kListMaxFrames frames the whole list is refused. With
// headings of 'headingTenths' above the named issues, a frame of one must
// fit under its heading, and the names (text lines, which hold any
// character) need only be free of control characters; without, the names
// go into a subtitle and must be storable there.
StampListResult readStampList(const QString &text, int marginTenths, const LayoutArea &area = kA4Area,
                              int headingTenths = 0);

// The text of a list file: UTF-8 with or without a byte-order mark, or else
// Windows-1252.
QString decodeStampList(const QByteArray &bytes);

} // namespace plenvik
