#pragma once
// Frames other than a plain rectangle on the canvas: their outline mapped
// into the pixels of the frame's box, so a shape stands exactly where its
// box and its handles are; and the caption's second and third lines.

#include "design/canvasgeometry.h"
#include "design/pagedesign.h"

#include <QColor>
#include <QImage>
#include <QPolygonF>
#include <QRect>

namespace plenvik {

// Points in millimetres within 'box' to canvas pixels within 'corners',
// the pixels the box covers.
QPolygonF canvasOutline(const QList<PointMm> &points, const RectMm &box, const QRect &corners);

// The outlines of those frames that are not rectangles, for a preview.
QList<QPolygonF> previewShapes(const QList<Kader> &frames, const CanvasGeometry &geometry);

// The frame's shape and inner shape, dashed or solid or not drawn at all.
void paintShapeOn(QImage &picture, const Kader &kader, const QRect &corners, const QColor &outline, const QColor &inside);

// Lines 2 and 3 under the caption, in its font, regular, each a line below
// the one before.
void paintMoreCaptionLinesOn(QImage &picture, const Kader &kader, const QRect &corners, const QColor &colour);

} // namespace plenvik
