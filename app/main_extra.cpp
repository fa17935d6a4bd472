// Handlers of the "Extra" menu: frames entered in millimetres and rows of
// frames laid out in one step.

#include "app/mainwindow.h"

#include "canvas/frametool.h"
#include "canvas/pic.h"
#include "platform/dialogs.h"
#include "platform/extradialogs.h"

namespace plenvik {

namespace {
const QString kMaximum = QStringLiteral("Maximum van 20 kaders bereikt!");

QList<QRect> canvasRects(const QList<Kader> &frames)
{
    QList<QRect> out;
    for (const Kader &k : frames)
        out << canvasRectOf(k);
    return out;
}

// Opens the dialog with 'values' until the user cancels or enters values
// that 'check' accepts; each refusal is told in a message and the dialog
// opens again on what was entered. The canvas preview goes with the dialog.
template <typename Values, typename Ask, typename Check>
std::optional<Values> askUntilAccepted(Values &values, Dialogs &dialogs, Pic &pic, Ask ask, Check check)
{
    for (;;) {
        const std::optional<Values> entered = ask(values);
        pic.setPreview({});
        if (!entered)
            return std::nullopt;
        values = *entered;
        const QString refusal = check(values);
        if (refusal.isEmpty())
            return entered;
        dialogs.message(refusal);
    }
}
} // namespace

void Main::onExtraKaderInvoeren()
{
    if (m_design.KaderCount >= kMaxKaders) {
        m_services.dialogs->message(kMaximum);
        return;
    }
    // The inner frame starts as the Edit menu's "Binnenkader" stands.
    m_lastKader.binnenkader = m_edit.InnerFrameMode;
    const auto entered = askUntilAccepted(
        m_lastKader, *m_services.dialogs, *m_pic,
        [this](const KaderInvoer &start) {
            return m_services.extra->kaderInvoeren(start, [this](const KaderInvoer &v) {
                m_pic->setPreview({canvasRectOf(kaderOf(v))});
            });
        },
        [this](const KaderInvoer &v) { return checkKader(v, m_design.KaderCount); });
    if (!entered)
        return;
    const Kader kader = kaderOf(*entered);
    m_frameTool->placeFrame(canvasRectOf(kader), kader);
    UpdateListing();
}

void Main::onExtraRijKaders()
{
    if (m_design.KaderCount >= kMaxKaders) {
        m_services.dialogs->message(kMaximum);
        return;
    }
    m_nextRij.binnenkader = m_edit.InnerFrameMode;
    const auto entered = askUntilAccepted(
        m_nextRij, *m_services.dialogs, *m_pic,
        [this](const RijInvoer &start) {
            return m_services.extra->rijKaders(start, [this](const RijInvoer &v) {
                // Only a row that can be laid out is shown.
                m_pic->setPreview(v.aantal >= 1 && v.aantal <= kMaxKaders ? canvasRects(rowFrames(v)) : QList<QRect>{});
            });
        },
        [this](const RijInvoer &v) { return checkRij(v, m_design.KaderCount); });
    if (!entered)
        return;
    // Each frame on its own, left to right, so Undo takes them back one by one.
    for (const Kader &kader : rowFrames(*entered))
        m_frameTool->placeFrame(canvasRectOf(kader), kader);
    m_nextRij = nextRow(*entered);
    UpdateListing();
}

} // namespace plenvik
