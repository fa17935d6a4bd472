#include "printing/printpage.h"

#include "library/stamppicture.h"
#include "platform/fonts.h"
#include "platform/printer.h"
#include "platform/textmetrics.h"


namespace plenvik {

namespace {
const QColor kBlack(0, 0, 0);
const QColor kFrameGrey(240, 240, 240);
// Sheet millimetres to the printable area's.
QList<QPointF> printed(const QList<PointMm> &points)
{
    QList<QPointF> out;
    out.reserve(points.size());
    for (const PointMm &p : points)
        out << QPointF(p.x - kPrintableOffsetMm, p.y - kPrintableOffsetMm);
    return out;
}
} // namespace

void DrawPage(const PageDesign &d, PrinterSurface &pr, const CentreMeasure &measure)
{
    const QColor colour(d.ColourR, d.ColourG, d.ColourB);
    pr.setSheet(d.sheet);
    // The page's own font where this computer has it; the program's face
    // stands in for one it lacks.
    const QString family = installedPageFamily(d.opmaak.lettertype);
    pr.setFontName(family.isEmpty() ? QStringLiteral("Arial") : family);
    pr.setFillStyle(FillStyle::Transparent);

    // On any sheet as on A4: the border at its distances from the edges
    // (20 mm unless the page's style says otherwise), the texts centred
    // between its sides, the title below its top and the page number at
    // its bottom.
    const PaginaOpmaak &s = d.opmaak;
    const double left = s.links - kPrintableOffsetMm, top = s.boven - kPrintableOffsetMm; // 17 on A4
    const double right = d.sheet.widthMm - s.rechts - kPrintableOffsetMm; // 187 on A4
    const double bottom = d.sheet.heightMm - s.onder - kPrintableOffsetMm; // 274 on A4
    const double centre = titelMidden(s, d.sheet) - kPrintableOffsetMm; // 102 on A4
    const double down = s.boven - kBorderFromEdgeMm;
    if (d.BorderOn && s.rand == Rand::Eigen) {
        pr.box({left, top}, {right, bottom}, colour);
        pr.box({left + 1, top + 1}, {right - 1, bottom - 1}, colour);
        pr.setFillStyle(FillStyle::Solid);
        pr.setFillColor(colour);
        const double t = d.BorderWidth / 2.0;
        pr.filledBox({left, top}, {right, top + t}, colour);
        pr.filledBox({left, bottom}, {right, bottom - t}, colour);
        pr.filledBox({left, top}, {left + t, bottom}, colour);
        pr.filledBox({right, top}, {right - t, bottom}, colour);
    }
    const Colour rc = d.randColour();
    const QColor randColour(rc.r, rc.g, rc.b);
    for (const RandLijn &l : randLijnen(s, d.sheet)) {
        // Each line a band inwards from its outer edge, its four sides.
        pr.setFillStyle(FillStyle::Solid);
        pr.setFillColor(randColour);
        const double x0 = l.buiten.left - kPrintableOffsetMm, y0 = l.buiten.top - kPrintableOffsetMm;
        const double x1 = x0 + l.buiten.width, y1 = y0 + l.buiten.height, t = l.dikte;
        pr.filledBox({x0, y0}, {x1, y0 + t}, randColour);
        pr.filledBox({x0, y1 - t}, {x1, y1}, randColour);
        pr.filledBox({x0, y0}, {x0 + t, y1}, randColour);
        pr.filledBox({x1 - t, y0}, {x1, y1}, randColour);
    }

    auto centredText = [&](const QString &text, double points, bool bold, double top) {
        pr.setFontSize(points);
        pr.setFontBold(bold);
        pr.setCurrentX(centre - measure(s.lettertype, false, text, points, bold));
        pr.setCurrentY(top);
        pr.setForeColor(kBlack);
        pr.print(text);
    };
    if (!d.PageTitle.isEmpty())
        centredText(d.PageTitle, s.titelPunten, true, 23 + down);
    if (!d.PageSubtitle.isEmpty())
        centredText(d.PageSubtitle, s.subtitelPunten, false, 33 + down);

    for (int k = 1; k <= d.KaderCount && k <= kMaxKaders; ++k) {
        const Kader &f = d.kader(k);
        pr.setFillStyle(FillStyle::Solid);
        pr.setFillColor(kFrameGrey);
        if (f.vorm == Vorm::Rechthoek && f.lijn == Lijn::Doorgetrokken) {
            pr.box({f.LeftMm - 3, f.TopMm - 3}, {f.LeftMm + f.WidthMm - 3, f.TopMm + f.HeightMm - 3}, colour);
            if (f.Binnenrand == 1)
                pr.box({f.LeftMm, f.TopMm}, {f.LeftMm + f.WidthMm - 6, f.TopMm + f.HeightMm - 6}, colour);
        } else if (f.lijn != Lijn::Geen) {
            const bool dashed = f.lijn == Lijn::Gestreept;
            pr.polygon(printed(vormOutline(f.vorm, f.box())), colour, dashed);
            if (f.Binnenrand == 1) {
                const QList<PointMm> inner = vormInset(f.vorm, f.box(), kInnerFrameInsetMm);
                if (!inner.isEmpty())
                    pr.polygon(printed(inner), colour, dashed);
            }
        }
        // The stamp's picture inside the frame, over its grey, under nothing;
        // in a shape, within its inner shape.
        const QByteArray &stored = d.pictures.Bestanden.at(k - 1);
        if (!stored.isEmpty()) {
            const QSize size = storedPictureSize(stored);
            const RectMm r = fitPicture(pictureRoom(f), size.width(), size.height());
            const QList<PointMm> room =
                f.vorm == Vorm::Rechthoek
                    ? QList<PointMm>()
                    : vormInset(f.vorm, f.box(), kPictureEdgeMm + (f.Binnenrand == 1 ? kInnerFrameInsetMm : 0.0));
            if (!r.isEmpty() && (f.vorm == Vorm::Rechthoek || !room.isEmpty())) {
                if (!room.isEmpty())
                    pr.clip(printed(room));
                pr.picture({r.left - kPrintableOffsetMm, r.top - kPrintableOffsetMm},
                           {r.left + r.width - kPrintableOffsetMm, r.top + r.height - kPrintableOffsetMm}, stored,
                           d.pictures.Grijstinten, d.pictures.Sterkte);
                if (!room.isEmpty())
                    pr.clip({});
            }
        }
        const int points = s.onderschriftPunten;
        pr.setFontSize(points);
        pr.setFontBold(false);
        if (s.cursief)
            pr.setFontItalic(true);
        pr.setCurrentX((f.LeftMm + f.WidthMm / 2 - 3) - measure(s.lettertype, s.cursief, f.Onderschrift, points, false));
        pr.setCurrentY(f.TopMm + f.HeightMm + 1);
        pr.setForeColor(kBlack);
        pr.print(f.Onderschrift);
        // Each further line where printing the one before left off.
        if (!f.Regel2.isEmpty() || !f.Regel3.isEmpty())
            for (const QString &line : {f.Regel2, f.Regel3}) {
                pr.setCurrentX((f.LeftMm + f.WidthMm / 2 - 3) - measure(s.lettertype, s.cursief, line, points, false));
                pr.print(line);
            }
        if (s.cursief)
            pr.setFontItalic(false);
    }

    // The lines of text: the top of their letters and their ink where their
    // millimetres say, measured on the face as paper has it.
    for (int t = 1; t <= d.TekstCount && t <= kMaxTeksten; ++t) {
        const Tekst &x = d.tekst(t);
        const TekstVorm v = tekstVorm(x, d.sheet, s.lettertype);
        pr.setFontSize(x.Punten);
        pr.setFontBold(x.Vet);
        pr.setForeColor(kBlack);
        pr.printOnBaseline({v.beginMm - kPrintableOffsetMm, v.basislijnMm - kPrintableOffsetMm}, x.Regel);
    }

    if (!d.PageNumber.isEmpty())
        centredText(d.PageNumber, s.nummerPunten, true, d.sheet.heightMm - s.onder); // 277 on A4
}

} // namespace plenvik
