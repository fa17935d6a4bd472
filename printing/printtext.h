#pragma once
// Plain text printed on A4 sheets, as many as it takes.

#include <QStringList>

namespace plenvik {

class PrinterSurface;

inline constexpr double kTextMarginMm = 20;   // page millimetres from the top and left
inline constexpr double kTextLineMm = 5;      // from one line to the next
inline constexpr double kTextPoints = 10;

// Lines a sheet holds between the top and bottom margins.
int linesPerSheet();

// Draws the lines in Arial, a new sheet whenever one is full; blank lines
// at the end take no room.
void DrawText(const QStringList &lines, PrinterSurface &printer);

} // namespace plenvik
