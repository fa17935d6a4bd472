#pragma once
// The sheet a page is printed on: A4 unless the collector chooses another.
// Sizes are in millimetres with at most one decimal.

#include <QString>

namespace plenvik {

struct Sheet {
    double widthMm = 210;
    double heightMm = 297;
    bool operator==(const Sheet &) const = default;
};

inline constexpr Sheet kSheetA4{210, 297};
inline constexpr Sheet kSheetLetter{215.9, 279.4};
inline constexpr Sheet kSheetA5{148, 210};
// From 100 x 100 mm up to A3+.
inline constexpr double kMinSheetMm = 100;
inline constexpr double kMaxSheetWidthMm = 330;
inline constexpr double kMaxSheetHeightMm = 483;

// "Letter", "A5", "A4" for the standard sheets, empty for a size of the
// collector's own.
inline QString sheetName(const Sheet &s)
{
    if (s == kSheetA4)
        return QStringLiteral("A4");
    if (s == kSheetLetter)
        return QStringLiteral("Letter");
    if (s == kSheetA5)
        return QStringLiteral("A5");
    return {};
}

// Millimetres in whole tenths, the one decimal a sheet is given in.
constexpr int tenthsOf(double mm)
{
    return int(mm * 10 + (mm >= 0 ? 0.5 : -0.5));
}

// Within the sizes a sheet may have, in whole tenths of a millimetre.
constexpr bool isValidSheet(const Sheet &s)
{
    auto wholeTenths = [](double mm) { return mm * 10 - tenthsOf(mm) < 1e-6 && tenthsOf(mm) - mm * 10 < 1e-6; };
    return s.widthMm >= kMinSheetMm && s.widthMm <= kMaxSheetWidthMm && s.heightMm >= kMinSheetMm
           && s.heightMm <= kMaxSheetHeightMm && wholeTenths(s.widthMm) && wholeTenths(s.heightMm);
}

// Where "Album indelen" lays frames out, in tenths of a millimetre: A4's
// distances from the edges on any sheet, 25 mm left and right, 48 mm from
// the top (clear of the title) and 34 mm from the bottom (clear of the page
// number). Rows centre on the sheet's middle.
struct LayoutArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int sheetWidth = 0;
    bool operator==(const LayoutArea &) const = default;
};

constexpr LayoutArea layoutArea(const Sheet &s)
{
    const int w = tenthsOf(s.widthMm), h = tenthsOf(s.heightMm);
    return {250, 480, w - 2 * 250, h - 480 - 340, w};
}

} // namespace plenvik
