// Lines of text on the page: " Tekst invoeren" from the Extra menu, and
// " Tekst wijzigen" for the line chosen on the canvas. Each is one Undo step;
// the canvas shows the line while the form is open.

#include "app/mainwindow.h"

#include "app/askuntil.h"
#include "canvas/canvastexts.h"
#include "canvas/edittool.h"
#include "canvas/pic.h"
#include "platform/dialogs.h"
#include "platform/extradialogs.h"
#include "platform/textmetrics.h"

namespace plenvik {

namespace {
// Where a line would stand on the canvas while it is entered.
QRect previewOf(const Tekst &t, const Sheet &sheet, const CanvasGeometry &g)
{
    PageDesign page;
    page.sheet = sheet;
    addTekst(page, t);
    return canvasRectOfTekst(page, 1, g);
}
} // namespace

void Main::onExtraTekstInvoeren()
{
    if (m_design.TekstCount >= kMaxTeksten) {
        m_services.dialogs->message(tr("Maximum van 20 teksten bereikt!"));
        return;
    }
    const auto entered = askUntilAccepted(
        m_lastTekst, *m_services.dialogs, *m_pic,
        [this](const TekstInvoer &start) {
            return m_services.extra->tekstInvoeren(start, m_design.sheet, false, [this](const TekstInvoer &v) {
                m_pic->setPreview({previewOf(tekstOf(v), m_design.sheet, m_pic->sheetGeometry())});
            });
        },
        [this](const TekstInvoer &v) { return checkTekst(tekstOf(v), m_design.sheet); });
    if (!entered)
        return;
    m_undo.record(m_pic->picture(), m_design);
    addTekst(m_design, tekstOf(*entered));
    UpdateListing();
}

void Main::changeTekst(int t)
{
    const Tekst before = m_design.tekst(t);
    const TekstInvoer shown = invoerOf(before);
    TekstInvoer values = shown;
    const auto entered = askUntilAccepted(
        values, *m_services.dialogs, *m_pic,
        [&](const TekstInvoer &start) {
            return m_services.extra->tekstInvoeren(start, m_design.sheet, true, [&](const TekstInvoer &v) {
                m_pic->setPreview({previewOf(tekstFromChange(before, shown, v), m_design.sheet, m_pic->sheetGeometry())});
            });
        },
        [&](const TekstInvoer &v) { return checkTekst(tekstFromChange(before, shown, v), m_design.sheet); });
    if (!entered || tekstFromChange(before, shown, *entered) == before)
        return;
    m_undo.record(m_pic->picture(), m_design);
    m_design.tekst(t) = tekstFromChange(before, shown, *entered);
    UpdateListing();
}

QList<int> Main::tekstenOffSheet(const Sheet &sheet) const
{
    QList<int> off;
    for (int t = 1; t <= m_design.TekstCount; ++t)
        if (!checkTekst(m_design.tekst(t), sheet).isEmpty())
            off << t;
    return off;
}

} // namespace plenvik
