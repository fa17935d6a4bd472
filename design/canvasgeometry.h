#pragma once
// How a sheet is shown on the canvas. An A4 sheet fills the canvas's place
// in the window, 341 x 521 pixels at 1.62 pixels a millimetre across and
// 1.75 down. Another sheet keeps that scale where it fits that place, and
// is scaled down, both axes alike, where it does not. The page border keeps
// its distance from every edge, the title and subtitle their distance from
// the top and the page number from the bottom, all at the sheet's scale.

#include "design/sheet.h"

#include <QRect>

namespace plenvik {

struct CanvasGeometry {
    int width = 341;
    int height = 521;
    double unitsPerMmX = 1.62;
    double unitsPerMmY = 1.75;
    int lijstInset = 31; // the border's distance from every edge of the canvas
    int textCentreX = 170;
    int titleTop = 40;
    int subtitleTop = 60;
    int pageNumberTop = 493;
    bool operator==(const CanvasGeometry &) const = default;

    // Canvas units to whole millimetres, and millimetres to whole canvas
    // pixels, a half going to the even neighbour.
    int mmX(double units) const;
    int mmY(double units) const;
    int canvasX(double mm) const;
    int canvasY(double mm) const;
    QRect lijstRect() const { return QRect(lijstInset, lijstInset, width - 2 * lijstInset, height - 2 * lijstInset); }
};

CanvasGeometry canvasGeometry(const Sheet &sheet);

} // namespace plenvik
