#include "canvas/shapedraw.h"

#include "design/rows.h"
#include "platform/fonts.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QSet>
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

namespace {
int px(double v)
{
    return static_cast<int>(std::floor(v + 0.5));
}
} // namespace

CaptionFace captionFaceOf(const PaginaOpmaak &style)
{
    return {style.lettertype, style.onderschriftPunten, style.cursief};
}

namespace {
// The canvas's caption sizes are those of 10 points on paper; another size
// in proportion.
double scaled(const CaptionFace &face, double points)
{
    return face.points == 10 ? points : points * face.points / 10.0;
}
} // namespace

CanvasCaption firstCaptionLine(const QString &caption, double x1, double x2, double y2, const CaptionFace &face)
{
    // Measured in the face's regular cut and drawn bold, as it always was.
    const QFontMetricsF measure(pageFont(face.lettertype, scaled(face, 8.25), false, face.italic));
    const double w = measure.horizontalAdvance(caption);
    const double left = x1 + (x2 - x1) / 2.0 - w / 2.0;
    const double top = y2 + 2.0;
    const QFont font = pageFont(face.lettertype, scaled(face, 8), true, face.italic);
    return {QPoint(px(left), px(top) + QFontMetrics(font).ascent()), font, caption, 1};
}

QList<CanvasCaption> canvasCaptions(const Kader &kader, const QRect &corners, const CaptionFace &face)
{
    QList<CanvasCaption> out;
    if (!kader.Onderschrift.isEmpty())
        out << firstCaptionLine(kader.Onderschrift, corners.left(), corners.right(), corners.bottom(), face);
    if (kader.Regel2.isEmpty() && kader.Regel3.isEmpty())
        return out;
    const QFont font = pageFont(face.lettertype, scaled(face, 8), false, face.italic);
    const QFontMetricsF measure(font);
    const int step = QFontMetrics(pageFont(face.lettertype, scaled(face, 8), true, face.italic)).height();
    const double middle = corners.left() + (corners.right() - corners.left()) / 2.0;
    int top = corners.bottom() + 2;
    int regel = 1;
    for (const QString &line : {kader.Regel2, kader.Regel3}) {
        top += step;
        ++regel;
        if (line.isEmpty())
            continue; // a third line under an empty second keeps its place
        const double left = middle - measure.horizontalAdvance(line) / 2.0;
        out << CanvasCaption{QPoint(px(left), top + QFontMetrics(font).ascent()), font, line, regel};
    }
    return out;
}

void paintMoreCaptionLinesOn(QImage &picture, const Kader &kader, const QRect &corners, const QColor &colour,
                             const CaptionFace &face)
{
    QPainter p(&picture);
    p.setPen(colour);
    for (const CanvasCaption &c : canvasCaptions(kader, corners, face)) {
        if (c.regel == 1)
            continue;
        p.setFont(c.font);
        p.drawText(c.baseline, c.text);
    }
}

void paintRandLijnen(QPainter &p, const CanvasOpmaak &opmaak, const QColor &colour)
{
    for (int i = 0; i < opmaak.lijnen.size(); ++i) {
        const QRect &r = opmaak.lijnen.at(i);
        const QSize d = opmaak.dikten.at(i);
        p.fillRect(QRect(r.left(), r.top(), r.width(), d.height()), colour);
        p.fillRect(QRect(r.left(), r.bottom() - d.height() + 1, r.width(), d.height()), colour);
        p.fillRect(QRect(r.left(), r.top(), d.width(), r.height()), colour);
        p.fillRect(QRect(r.right() - d.width() + 1, r.top(), d.width(), r.height()), colour);
    }
}

QList<CanvasCaption> clashingCaptions(const PageDesign &d, const QList<CaptionClash> &clashes, const CanvasGeometry &g)
{
    QSet<std::pair<int, int>> red;
    for (const CaptionClash &c : clashes) {
        red.insert({c.kader, c.regel});
        if (c.met == CaptionClash::Met::Onderschrift)
            red.insert({c.other, c.otherRegel});
    }
    QList<CanvasCaption> out;
    for (int k = 1; k <= d.KaderCount && k <= kMaxKaders; ++k)
        for (const CanvasCaption &c : canvasCaptions(d.kader(k), canvasRectOf(d.kader(k), g), captionFaceOf(d.opmaak)))
            if (red.contains({k, c.regel}))
                out << c;
    return out;
}

} // namespace plenvik
