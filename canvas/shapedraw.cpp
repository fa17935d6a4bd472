#include "canvas/shapedraw.h"

#include "design/rows.h"
#include "platform/fonts.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace plenvik {

QPolygonF canvasOutline(const QList<PointMm> &points, const RectMm &box, const QRect &corners)
{
    QPolygonF out;
    if (box.isEmpty())
        return out;
    const double sx = (corners.right() - corners.left()) / box.width;
    const double sy = (corners.bottom() - corners.top()) / box.height;
    for (const PointMm &p : points)
        out << QPointF(corners.left() + (p.x - box.left) * sx, corners.top() + (p.y - box.top) * sy);
    return out;
}

QList<QPolygonF> previewShapes(const QList<Kader> &frames, const CanvasGeometry &geometry)
{
    QList<QPolygonF> out;
    for (const Kader &k : frames)
        if (k.vorm != Vorm::Rechthoek)
            out << canvasOutline(vormOutline(k.vorm, k.box()), k.box(), canvasRectOf(k, geometry));
    return out;
}

void paintShapeOn(QImage &picture, const Kader &kader, const QRect &corners, const QColor &outline, const QColor &inside)
{
    if (kader.lijn == Lijn::Geen)
        return; // the caption and the picture only
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, kader.vorm != Vorm::Rechthoek);
    QPen pen(outline);
    if (kader.lijn == Lijn::Gestreept)
        pen.setStyle(Qt::DashLine);
    p.setPen(pen);
    p.setBrush(inside);
    const RectMm box = kader.box();
    p.drawPolygon(canvasOutline(vormOutline(kader.vorm, box), box, corners));
    if (kader.Binnenrand == 1) {
        const QList<PointMm> inner = vormInset(kader.vorm, box, kInnerFrameInsetMm);
        if (!inner.isEmpty())
            p.drawPolygon(canvasOutline(inner, box, corners));
    }
}

void paintMoreCaptionLinesOn(QImage &picture, const Kader &kader, const QRect &corners, const QColor &colour)
{
    if (kader.Regel2.isEmpty() && kader.Regel3.isEmpty())
        return;
    const QFont first = screenFont(Face::Arial, 8, true);
    const QFont font = screenFont(Face::Arial, 8);
    const QFontMetricsF measure(font);
    const int step = QFontMetrics(first).height();
    QPainter p(&picture);
    p.setFont(font);
    p.setPen(colour);
    const double middle = corners.left() + (corners.right() - corners.left()) / 2.0;
    int top = corners.bottom() + 2;
    for (const QString &line : {kader.Regel2, kader.Regel3}) {
        top += step;
        if (line.isEmpty())
            continue; // a third line under an empty second keeps its place
        const double left = middle - measure.horizontalAdvance(line) / 2.0;
        p.drawText(QPoint(int(std::floor(left + 0.5)), top + QFontMetrics(font).ascent()), line);
    }
}

} // namespace plenvik
