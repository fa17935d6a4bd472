#pragma once
// The page's lines of text as the canvas shows them: over the page picture,
// never part of it, at the sheet's scale.

#include "design/canvasgeometry.h"
#include "design/pagedesign.h"

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRect>

namespace plenvik {

struct CanvasTekst {
    QString text;
    QFont font;
    QPointF origin; // where it is drawn from, on its baseline
    QRect box;      // what its letters take, for choosing it
};

QList<CanvasTekst> canvasTeksten(const PageDesign &design, const CanvasGeometry &geometry);

// Where line t stands on the canvas: the box its letters take.
QRect canvasRectOfTekst(const PageDesign &design, int t, const CanvasGeometry &geometry);

} // namespace plenvik
