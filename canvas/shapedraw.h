#pragma once
// Frames other than a plain rectangle on the canvas: their outline mapped
// into the pixels of the frame's box, so a shape stands exactly where its
// box and its handles are; and the caption's second and third lines.

#include "design/canvasgeometry.h"
#include "design/captionfit.h"
#include "design/pagedesign.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPolygonF>
#include <QRect>

class QPainter;

namespace plenvik {

// Points in millimetres within 'box' to canvas pixels within 'corners',
// the pixels the box covers.
QPolygonF canvasOutline(const QList<PointMm> &points, const RectMm &box, const QRect &corners);

// The outlines of those frames that are not rectangles, for a preview.
QList<QPolygonF> previewShapes(const QList<Kader> &frames, const CanvasGeometry &geometry);

// The frame's shape and inner shape, dashed or solid or not drawn at all.
void paintShapeOn(QImage &picture, const Kader &kader, const QRect &corners, const QColor &outline, const QColor &inside);

// A caption line as the canvas draws it: from its baseline, in its font.
struct CanvasCaption {
    QPoint baseline;
    QFont font;
    QString text;
    int regel = 1;
};

// The face a page's captions are drawn in: its font, size and slant.
struct CaptionFace {
    QString lettertype; // empty: the program's own
    int points = 10;
    bool italic = false;
    bool operator==(const CaptionFace &) const = default;
};
CaptionFace captionFaceOf(const PaginaOpmaak &style);

// The caption's first line under a frame from x1 to x2 whose bottom is y2,
// in canvas units.
CanvasCaption firstCaptionLine(const QString &caption, double x1, double x2, double y2, const CaptionFace &face = {});

// Every caption line of the frame: the first bold, lines 2 and 3 in its
// font, regular, each a line below the one before.
QList<CanvasCaption> canvasCaptions(const Kader &kader, const QRect &corners, const CaptionFace &face = {});

// Lines 2 and 3 under the caption.
void paintMoreCaptionLinesOn(QImage &picture, const Kader &kader, const QRect &corners, const QColor &colour,
                             const CaptionFace &face = {});

// The collector's border lines, each a band inwards from its outer edge.
void paintRandLijnen(QPainter &p, const CanvasOpmaak &opmaak, const QColor &colour);

// The caption lines that touch something on paper, to be drawn in red
// over the page picture, which stays as it is.
QList<CanvasCaption> clashingCaptions(const PageDesign &design, const QList<CaptionClash> &clashes,
                                      const CanvasGeometry &geometry);

} // namespace plenvik
