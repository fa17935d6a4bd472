#pragma once
// Plain text printed on sheets of one paper, as many as it takes.

#include "design/sheet.h"

#include <QStringList>

namespace plenvik {

class PrinterSurface;

inline constexpr double kTextMarginMm = 20;   // page millimetres from the top and left
inline constexpr double kTextLineMm = 5;      // from one line to the next
inline constexpr double kTextPoints = 10;

// Lines a sheet holds between the top and bottom margins.
int linesPerSheet(const Sheet &sheet = kSheetA4);

// Draws the lines in Arial, a new sheet whenever one is full; blank lines
// at the end take no room.
void DrawText(const QStringList &lines, PrinterSurface &printer, const Sheet &sheet = kSheetA4);

} // namespace plenvik
