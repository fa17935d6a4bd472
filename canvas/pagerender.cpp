#include "canvas/pagerender.h"

#include "canvas/frametool.h"
#include "canvas/grid.h"
#include "canvas/pic.h"

namespace plenvik {

QImage pagePicture(const PageDesign &design)
{
    const CanvasGeometry g = canvasGeometry(design.sheet);
    QImage picture(g.width, g.height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    DrawGrid(picture);
    const QColor outline(design.ColourR, design.ColourG, design.ColourB);
    for (int k = 1; k <= design.KaderCount && k <= kMaxKaders; ++k)
        paintKaderOn(picture, design.kader(k), outline, g, captionFaceOf(design.opmaak));
    return picture;
}

QImage pageView(const QImage &picture, const PageDesign &design)
{
    // The canvas itself draws it, so the view cannot differ from it.
    Pic pic;
    pic.setSheetGeometry(canvasGeometry(design.sheet));
    pic.setPicture(picture);
    pic.setFramePictures(canvasPictures(design, pic.sheetGeometry()));
    pic.setTeksten(canvasTeksten(design, pic.sheetGeometry()));
    pic.setLijst(design.BorderOn && design.opmaak.rand == Rand::Eigen, design.BorderWidth, QColor(design.ColourR, design.ColourG, design.ColourB));
    const Colour rand = design.randColour();
    pic.setOpmaak(design.opmaak, design.sheet, QColor(rand.r, rand.g, rand.b));
    const std::pair<Pic::PageText, const QString &> texts[] = {{Pic::PageText::Titel, design.PageTitle},
                                                               {Pic::PageText::SubTitel, design.PageSubtitle},
                                                               {Pic::PageText::PaginaLabel, design.PageNumber}};
    for (const auto &[label, text] : texts) {
        if (!text.isEmpty())
            pic.centrePageText(label, text);
    }
    return pic.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace plenvik
