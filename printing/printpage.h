#pragma once
// Drawing the open page on a printer surface at true size, from the stored
// millimetres (never from the canvas). Printer millimetres start 3 mm right
// of and 3 mm below the sheet's corner.

#include "design/pagedesign.h"
#include "platform/textmetrics.h"

#include <QString>
#include <functional>

namespace plenvik {

class PrinterSurface;

inline constexpr double kBorderFromEdgeMm = 20;

// How far left of its centre a centred text starts, in millimetres, for its
// ink to stand centred on paper: measured in the face and at the size it
// is printed in (penBeforeCentreIn), never in a screen font.
using CentreMeasure =
    std::function<double(const QString &lettertype, bool italic, const QString &text, double points, bool bold)>;

// Draws the page on the sheet the surface is at, and nothing else, so one
// job can hold many pages.
void DrawPage(const PageDesign &design, PrinterSurface &printer, const CentreMeasure &measure = penBeforeCentreIn);

} // namespace plenvik
