#pragma once
// Canvas units and page millimetres. The canvas is 341 x 521 units for an
// A4 sheet; the two axes have different factors, so they never share one scale.

#include <QString>

namespace plenvik {

inline constexpr int kCanvasWidth = 341;
inline constexpr int kCanvasHeight = 521;
inline constexpr double kUnitsPerMmX = 1.62;
inline constexpr double kUnitsPerMmY = 1.75;
// The most frames any page holds; a page's own style says how many it may
// (20, as every page had, unless the collector chose more).
inline constexpr int kMaxKaders = 100;
inline constexpr double kSheetWidthMm = 210;
inline constexpr double kSheetHeightMm = 297;

// Nearest whole number, a value exactly halfway going to the even neighbour.
double roundHalfEven(double v);

// Canvas units to whole millimetres along each axis.
int mmX(double units);
int mmY(double units);

// Page millimetres to the nearest whole canvas pixel along each axis, a
// half going to the even neighbour: where a frame entered in millimetres
// stands on the canvas.
int canvasX(double mm);
int canvasY(double mm);

// A millimetre value as the listing shows it: whole numbers plainly, a
// fraction (only from a hand-edited page file) with the locale's separator.
QString formatListingNumber(double v);

// A number as the design file stores it: plain decimal, '.' for a fraction.
QString formatFileNumber(double v);

// Point size to pixel size at 96 DPI, as the window's fonts are laid out
// whatever the screen reports.
int pointsToPixels(double points);

} // namespace plenvik
