#include "printing/printpage.h"

#include "platform/fonts.h"
#include "platform/printer.h"

#include <QFontMetrics>

namespace plenvik {

namespace {
const QColor kBlack(0, 0, 0);
const QColor kFrameGrey(240, 240, 240);
constexpr double kTwipsPerPixel = 15; // 96 DPI
} // namespace

double measureTwips(MeasureFont font, const QString &text)
{
    static const QFont title = screenFont(Face::Arial, 15.75, true);
    static const QFont subtitle = screenFont(Face::Arial, 12);
    static const QFont caption = screenFont(Face::Arial, 9.75);
    const QFont &f = font == MeasureFont::Title ? title : font == MeasureFont::Subtitle ? subtitle : caption;
    // A label sizes itself in whole pixels.
    return QFontMetrics(f).horizontalAdvance(text) * kTwipsPerPixel;
}

void DrawPage(const PageDesign &d, PrinterSurface &pr, const TwipsMeasure &measure)
{
    const QColor colour(d.ColourR, d.ColourG, d.ColourB);
    pr.setFontName(QStringLiteral("Arial"));
    pr.setFillStyle(FillStyle::Transparent);

    if (d.BorderOn) {
        pr.box({17, 17}, {187, 274}, colour);
        pr.box({18, 18}, {186, 273}, colour);
        pr.setFillStyle(FillStyle::Solid);
        pr.setFillColor(colour);
        const double t = d.BorderWidth / 2.0;
        pr.filledBox({17, 17}, {187, 17 + t}, colour);
        pr.filledBox({17, 274}, {187, 274 - t}, colour);
        pr.filledBox({17, 17}, {17 + t, 274}, colour);
        pr.filledBox({187, 17}, {187 - t, 274}, colour);
    }

    auto centredText = [&](const QString &text, MeasureFont mf, double points, bool bold, double top) {
        const double w = measure(mf, text);
        pr.setFontSize(points);
        pr.setFontBold(bold);
        pr.setCurrentX(kCentreLineMm - (w / 2) / kTwipsPerMmForCentring);
        pr.setCurrentY(top);
        pr.setForeColor(kBlack);
        pr.print(text);
    };
    if (!d.PageTitle.isEmpty())
        centredText(d.PageTitle, MeasureFont::Title, 16, true, 23);
    if (!d.PageSubtitle.isEmpty())
        centredText(d.PageSubtitle, MeasureFont::Subtitle, 12, false, 33);

    for (int k = 1; k <= d.KaderCount && k <= kMaxKaders; ++k) {
        const Kader &f = d.kader(k);
        pr.setFillStyle(FillStyle::Solid);
        pr.setFillColor(kFrameGrey);
        pr.box({f.LeftMm - 3, f.TopMm - 3}, {f.LeftMm + f.WidthMm - 3, f.TopMm + f.HeightMm - 3}, colour);
        if (f.Binnenrand == 1)
            pr.box({f.LeftMm, f.TopMm}, {f.LeftMm + f.WidthMm - 6, f.TopMm + f.HeightMm - 6}, colour);
        const double w = measure(MeasureFont::Caption, f.Onderschrift);
        pr.setFontSize(10);
        pr.setFontBold(false);
        pr.setCurrentX((f.LeftMm + f.WidthMm / 2 - 3) - (w / 2) / kTwipsPerMmForCentring);
        pr.setCurrentY(f.TopMm + f.HeightMm + 1);
        pr.setForeColor(kBlack);
        pr.print(f.Onderschrift);
    }

    if (!d.PageNumber.isEmpty()) {
        pr.setFontSize(12);
        pr.setFontBold(true);
        pr.setCurrentX(100);
        pr.setCurrentY(277);
        pr.setForeColor(kBlack);
        pr.print(d.PageNumber);
    }
}

} // namespace plenvik
