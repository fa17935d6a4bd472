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
// The line as it would stand while it is entered: its letters among the
// page's other lines, in the dashed outline a frame's preview has. Line 't'
// of the page, or a new one for 0.
void showLine(Pic &pic, PageDesign page, int t, const Tekst &line)
{
    if (t == 0 && addTekst(page, line))
        t = page.TekstCount;
    else
        page.tekst(t) = line;
    pic.setTeksten(canvasTeksten(page, pic.sheetGeometry()));
    // Clear of the letters, as the ring of a chosen line is.
    pic.setPreview({canvasRectOfTekst(page, t, pic.sheetGeometry()).adjusted(-2, -2, 1, 1)});
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
                showLine(*m_pic, m_design, 0, tekstOf(v));
            });
        },
        [this](const TekstInvoer &v) { return checkTekst(tekstOf(v), m_design.sheet); });
    m_pic->setTeksten(canvasTeksten(m_design, m_pic->sheetGeometry()));
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
                showLine(*m_pic, m_design, t, tekstFromChange(before, shown, v));
            });
        },
        [&](const TekstInvoer &v) { return checkTekst(tekstFromChange(before, shown, v), m_design.sheet); });
    m_pic->setTeksten(canvasTeksten(m_design, m_pic->sheetGeometry()));
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
