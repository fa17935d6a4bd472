#pragma once
// Drawing the open page on a printer surface at true size, from the stored
// millimetres (never from the canvas). Printer millimetres start 3 mm right
// of and 3 mm below the sheet's corner.

#include "design/pagedesign.h"

#include <QString>
#include <functional>

namespace plenvik {

class PrinterSurface;

inline constexpr double kBorderFromEdgeMm = 20;
inline constexpr double kTwipsPerMmForCentring = 60; // not 56.7: centring uses 60

// Width of a text in twips as it stands on screen in a measuring font.
enum class MeasureFont { Title, Subtitle, Caption };
double measureTwips(MeasureFont font, const QString &text);

using TwipsMeasure = std::function<double(MeasureFont, const QString &)>;

// Draws the page on the sheet the surface is at, and nothing else, so one
// job can hold many pages.
void DrawPage(const PageDesign &design, PrinterSurface &printer, const TwipsMeasure &measure = measureTwips);

} // namespace plenvik
