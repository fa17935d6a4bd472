#include "design/pagedesign.h"

#include "design/canvasgeometry.h"
#include "design/pageedit.h"

namespace plenvik {

void PageDesign::resetForNewPage()
{
    PageTitle.clear();
    PageSubtitle.clear();
    PageNumber.clear();
    KaderCount = 0;
    Kaders.fill(Kader{});
    BorderOn = false;
    BorderWidth = 1;
    pictures = Afbeeldingen{};
    TekstCount = 0;
    Teksten.fill(Tekst{});
    opmaak = PaginaOpmaak{};
    album = AlbumHerkomst{};
}

bool PageDesign::addFrame(double x1, double y1, double x2, double y2, bool inner)
{
    if (KaderCount >= kaderLimit())
        return false;
    ++KaderCount;
    Kader &k = kader(KaderCount);
    const CanvasGeometry g = canvasGeometry(sheet);
    k.LeftMm = g.mmX(x1);
    k.TopMm = g.mmY(y1);
    k.WidthMm = g.mmX(x2 - x1);
    k.HeightMm = g.mmY(y2 - y1);
    k.Binnenrand = inner ? 1 : 0;
    k.Onderschrift.clear();
    // Beside a sheet other than A4 lies no paper.
    if (sheet != kSheetA4)
        k = keptOnSheet(k, sheet);
    // A record taken again starts without the picture it held before.
    pictures.Bestanden.at(KaderCount - 1).clear();
    return true;
}

bool PageDesign::appendKader(const Kader &k)
{
    if (KaderCount >= kaderLimit())
        return false;
    ++KaderCount;
    kader(KaderCount) = k;
    pictures.Bestanden.at(KaderCount - 1).clear();
    return true;
}

void PageDesign::setBorder(int index)
{
    // The Tools menu's border takes the place of the collector's lines.
    opmaak.rand = Rand::Eigen;
    if (index > 0) {
        BorderOn = true;
        BorderWidth = static_cast<std::uint8_t>(index);
    } else {
        BorderOn = false;
        BorderWidth = 0;
    }
}

} // namespace plenvik
