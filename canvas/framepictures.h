#pragma once
// The stamps' pictures as the canvas shows them: over the page picture,
// never part of it, so the page picture stays what it was without them and
// changing how they are shown redraws nothing else.

#include "design/canvasgeometry.h"
#include "design/pagedesign.h"

#include <QImage>
#include <QList>
#include <QPolygonF>
#include <QRect>

namespace plenvik {

struct CanvasPicture {
    QRect rect; // canvas pixels the picture covers
    QImage image; // at that size, shown as the page asks
    QPolygonF clip; // the frame's inner shape, 1 mm free of it; empty for a rectangle
};

// Where each frame's picture stands on the canvas and what it looks like
// there. Pictures decoded once are kept, so redrawing costs no decoding.
QList<CanvasPicture> canvasPictures(const PageDesign &design, const CanvasGeometry &geometry);

} // namespace plenvik
