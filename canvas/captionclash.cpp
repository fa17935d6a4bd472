#include "canvas/captionclash.h"

#include "canvas/pic.h"
#include "design/captionfit.h"
#include "platform/textmetrics.h"

namespace plenvik {

QString markClashingCaptions(Pic &pic, const PageDesign &d)
{
    QList<RectMm> teksten;
    for (int t = 1; t <= d.TekstCount && t <= kMaxTeksten; ++t)
        teksten << tekstVorm(d.tekst(t), d.sheet, d.opmaak.lettertype).vak;
    const QList<CaptionClash> clashes = captionClashes(d, captionInks(d), teksten);
    pic.setClashingCaptions(clashingCaptions(d, clashes, pic.sheetGeometry()));
    return clashListing(clashes);
}

} // namespace plenvik
