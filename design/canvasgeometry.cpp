#include "design/canvasgeometry.h"

#include "design/units.h"

#include <algorithm>
#include <cmath>

namespace plenvik {

int CanvasGeometry::mmX(double units) const
{
    return static_cast<int>(roundHalfEven(units / unitsPerMmX));
}

int CanvasGeometry::mmY(double units) const
{
    return static_cast<int>(roundHalfEven(units / unitsPerMmY));
}

int CanvasGeometry::canvasX(double mm) const
{
    return static_cast<int>(roundHalfEven(mm * unitsPerMmX));
}

int CanvasGeometry::canvasY(double mm) const
{
    return static_cast<int>(roundHalfEven(mm * unitsPerMmY));
}

CanvasGeometry canvasGeometry(const Sheet &sheet)
{
    const CanvasGeometry a4;
    // The canvas holds the sheet's far edge too: one pixel more than its
    // length at the scale.
    auto pixels = [](double mm, double perMm) { return int(roundHalfEven(mm * perMm)) + 1; };
    double scale = 1;
    if (pixels(sheet.widthMm, kUnitsPerMmX) > a4.width || pixels(sheet.heightMm, kUnitsPerMmY) > a4.height)
        scale = std::min((a4.width - 1) / (sheet.widthMm * kUnitsPerMmX), (a4.height - 1) / (sheet.heightMm * kUnitsPerMmY));
    CanvasGeometry g;
    g.unitsPerMmX = kUnitsPerMmX * scale;
    g.unitsPerMmY = kUnitsPerMmY * scale;
    g.width = std::min(a4.width, pixels(sheet.widthMm, g.unitsPerMmX));
    g.height = std::min(a4.height, pixels(sheet.heightMm, g.unitsPerMmY));
    auto scaled = [scale](int v) { return int(roundHalfEven(v * scale)); };
    g.lijstInset = scaled(a4.lijstInset);
    g.textCentreX = g.width / 2;
    g.titleTop = scaled(a4.titleTop);
    g.subtitleTop = scaled(a4.subtitleTop);
    g.pageNumberTop = g.height - scaled(a4.height - a4.pageNumberTop);
    return g;
}

} // namespace plenvik
