#include "canvas/canvastexts.h"

#include "platform/fonts.h"
#include "platform/textmetrics.h"

#include <cmath>

namespace plenvik {

namespace {
QRect boxOf(const RectMm &mm, const CanvasGeometry &g)
{
    return QRect(QPoint(g.canvasX(mm.left), g.canvasY(mm.top)),
                 QPoint(g.canvasX(mm.left + mm.width), g.canvasY(mm.top + mm.height)));
}
} // namespace

QRect canvasRectOfTekst(const PageDesign &d, int t, const CanvasGeometry &g)
{
    return boxOf(tekstVorm(d.tekst(t), d.sheet, d.opmaak.lettertype).vak, g);
}

QList<CanvasTekst> canvasTeksten(const PageDesign &d, const CanvasGeometry &g)
{
    QList<CanvasTekst> out;
    for (int t = 1; t <= d.TekstCount && t <= kMaxTeksten; ++t) {
        const Tekst &x = d.tekst(t);
        const TekstVorm v = tekstVorm(x, d.sheet, d.opmaak.lettertype);
        // Its points in millimetres at the canvas's scale down, narrowed to
        // the scale across, which differs.
        QFont font = pageFont(d.opmaak.lettertype, 1, x.Vet);
        font.setPixelSize(std::max(1, int(std::lround(x.Punten * 25.4 / 72.0 * g.unitsPerMmY))));
        font.setStretch(int(std::lround(100 * g.unitsPerMmX / g.unitsPerMmY)));
        out.append({x.Regel, font, QPointF(v.beginMm * g.unitsPerMmX, v.basislijnMm * g.unitsPerMmY), boxOf(v.vak, g)});
    }
    return out;
}

} // namespace plenvik
