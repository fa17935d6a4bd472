#pragma once
// Measuring the printer once and correcting for it. A printer puts an
// intended page position p at a x p + b on paper, across and down the sheet
// each with a factor and a shift of its own. A calibration sheet printed
// without correction carries a line of 180 mm across and one of 270 mm down,
// both 30 mm from the sheet's edge; what the user measures on it gives a and
// b, and every later print draws page millimetre p at (p - b) / a.

#include <QString>

namespace plenvik {

inline constexpr double kIjkLineAcross = 180; // the horizontal line, 15 to 195 mm
inline constexpr double kIjkLineDown = 270;   // the vertical line, 15 to 285 mm
inline constexpr double kIjkEdge = 30;        // both lines from the sheet's edge
inline constexpr double kIjkLineStart = 15;

// What the user measured: A and B the lengths of the two lines, C and D the
// distances from the left and top edges of the paper to them.
struct IjkMaten {
    double a = kIjkLineAcross;
    double b = kIjkLineDown;
    double c = kIjkEdge;
    double d = kIjkEdge;
    bool operator==(const IjkMaten &) const = default;
};

struct PrinterCorrection {
    double ax = 1;
    double bx = 0;
    double ay = 1;
    double by = 0;
    bool isNone() const { return ax == 1 && bx == 0 && ay == 1 && by == 0; }
    // Where to draw page millimetre (x, y) so that the printer puts it there.
    double drawX(double x) const { return (x - bx) / ax; }
    double drawY(double y) const { return (y - by) / ay; }
    bool operator==(const PrinterCorrection &) const = default;
};

// Measurements a working printer can give: lines within 5 % of their
// length, the edges 20 to 40 mm from the lines.
bool plausibleMaten(const IjkMaten &maten);

PrinterCorrection correctionFrom(const IjkMaten &maten);

// The correction in force, for the calibration dialog.
QString describeCorrection(const PrinterCorrection &correction);

} // namespace plenvik
