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
    pr.setFontName(QStringLiteral("Arial"));
    pr.setFillStyle(FillStyle::Transparent);

    // On any sheet as on A4: the border 20 mm from every edge, the texts
    // centred on the sheet's middle, the page number 20 mm from the bottom.
    const double right = d.sheet.widthMm - kBorderFromEdgeMm - kPrintableOffsetMm; // 187 on A4
    const double bottom = d.sheet.heightMm - kBorderFromEdgeMm - kPrintableOffsetMm; // 274 on A4
    const double centre = d.sheet.widthMm / 2 - kPrintableOffsetMm; // 102 on A4
    if (d.BorderOn) {
        pr.box({17, 17}, {right, bottom}, colour);
        pr.box({18, 18}, {right - 1, bottom - 1}, colour);
        pr.setFillStyle(FillStyle::Solid);
        pr.setFillColor(colour);
        const double t = d.BorderWidth / 2.0;
        pr.filledBox({17, 17}, {right, 17 + t}, colour);
        pr.filledBox({17, bottom}, {right, bottom - t}, colour);
        pr.filledBox({17, 17}, {17 + t, bottom}, colour);
        pr.filledBox({right, 17}, {right - t, bottom}, colour);
    }

    auto centredText = [&](const QString &text, double points, bool bold, double top) {
        pr.setFontSize(points);
        pr.setFontBold(bold);
        pr.setCurrentX(centre - measure(text, points, bold));
        pr.setCurrentY(top);
        pr.setForeColor(kBlack);
        pr.print(text);
    };
    if (!d.PageTitle.isEmpty())
        centredText(d.PageTitle, 16, true, 23);
    if (!d.PageSubtitle.isEmpty())
        centredText(d.PageSubtitle, 12, false, 33);

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
        pr.setFontSize(10);
        pr.setFontBold(false);
        pr.setCurrentX((f.LeftMm + f.WidthMm / 2 - 3) - measure(f.Onderschrift, 10, false));
        pr.setCurrentY(f.TopMm + f.HeightMm + 1);
        pr.setForeColor(kBlack);
        pr.print(f.Onderschrift);
        // Each further line where printing the one before left off.
        if (!f.Regel2.isEmpty() || !f.Regel3.isEmpty())
            for (const QString &line : {f.Regel2, f.Regel3}) {
                pr.setCurrentX((f.LeftMm + f.WidthMm / 2 - 3) - measure(line, 10, false));
                pr.print(line);
            }
    }

    // The lines of text: the top of their letters and their ink where their
    // millimetres say, measured on the face as paper has it.
    for (int t = 1; t <= d.TekstCount && t <= kMaxTeksten; ++t) {
        const Tekst &x = d.tekst(t);
        const TekstVorm v = tekstVorm(x, d.sheet);
        pr.setFontSize(x.Punten);
        pr.setFontBold(x.Vet);
        pr.setForeColor(kBlack);
        pr.printOnBaseline({v.beginMm - kPrintableOffsetMm, v.basislijnMm - kPrintableOffsetMm}, x.Regel);
    }

    if (!d.PageNumber.isEmpty())
        centredText(d.PageNumber, 12, true, d.sheet.heightMm - kBorderFromEdgeMm); // 277 on A4
}

} // namespace plenvik
