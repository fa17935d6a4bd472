#pragma once
// The calibration sheet of "Printer ijken": a line of 180 mm across and one
// of 270 mm down, each 30 mm from the sheet's edge, with a tick and a
// number every 10 mm, and the instructions for measuring them.

namespace plenvik {

class PrinterSurface;

inline constexpr double kIjkLineWidthMm = 0.2;

// Draws the sheet.
void DrawCalibrationSheet(PrinterSurface &printer);

} // namespace plenvik
