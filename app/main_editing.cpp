// Editing the page's frames: the canvas mouse and keys through the edit
// tool, Undo and Redo, and " Kader wijzigen". Every edit is one Undo step,
// and after it the page picture is the page drawn from its design.

#include "app/mainwindow.h"

#include "app/askuntil.h"
#include "canvas/edittool.h"
#include "canvas/frametool.h"
#include "canvas/pagerender.h"
#include "canvas/pic.h"
#include "canvas/shapedraw.h"
#include "library/stamppicture.h"
#include "platform/dialogs.h"
#include "platform/extradialogs.h"

#include <QAction>

namespace plenvik {

void Main::buildEditTool()
{
    m_editTool = std::make_unique<EditTool>(m_design, *m_pic, m_undo, *m_frameTool,
                                            EditTool::Hooks{[this] { redrawFromDesign(); },
                                                            [this](int k) {
                                                                refitPicture(k);
                                                                UpdateListing();
                                                            },
                                                            [this] { showChoice(); },
                                                            [this](int) { onExtraKaderWijzigen(); },
                                                            [this](int t) { changeTekst(t); },
                                                            [this](const UndoStep &step) { showStep(step); }});
}

int Main::chosenKader() const
{
    return m_editTool->chosen();
}

void Main::onPicMouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers, double x, double y)
{
    m_editTool->press(buttons, x, y);
}

void Main::onPicMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, double x, double y)
{
    m_editTool->move(buttons, x, y);
}

void Main::onPicMouseUp(Qt::MouseButtons, Qt::KeyboardModifiers, double x, double y)
{
    m_editTool->release(x, y);
}

void Main::onPicDoubleClick(double x, double y)
{
    m_editTool->doubleClick(x, y);
}

void Main::onPicKey(int key, Qt::KeyboardModifiers mods, bool *used)
{
    *used = m_editTool->key(key, mods);
}

void Main::redrawFromDesign()
{
    m_pic->setPicture(pagePicture(m_design));
    m_undo.setPictureFromDesign(true);
    UpdateListing();
}

void Main::showChoice()
{
    // A frame or text taken away by Undo, or a page of fewer, leaves none chosen.
    m_editTool->chooseItem(m_editTool->chosenItem());
    m_pic->setChosen(m_editTool->chosenOutline(), !m_editTool->chosenItem().tekst);
    action(QStringLiteral("ExtraKaderWijzigen"))->setEnabled(m_editTool->chosen() != 0);
    action(QStringLiteral("EditRedo"))->setEnabled(m_undo.canRedo());
}

void Main::refitPicture(int k)
{
    QByteArray &stored = m_design.pictures.Bestanden.at(k - 1);
    if (!stored.isEmpty())
        stored = refittedPicture(stored, m_design.kader(k)).value_or(QByteArray());
}

void Main::onEditUndo()
{
    // Each step keeps the frames and their pictures as they stood, so the
    // canvas and the design stay in step.
    if (std::optional<UndoStep> step = m_undo.undo(m_pic->picture(), m_design))
        showStep(*step);
    UpdateListing();
}

void Main::onEditRedo()
{
    if (std::optional<UndoStep> step = m_undo.redo(m_pic->picture(), m_design))
        showStep(*step);
    UpdateListing();
}

void Main::showStep(const UndoStep &step)
{
    const bool otherSheet = step.sheet != m_design.sheet;
    const bool otherStyle = step.opmaak != m_design.opmaak;
    applyStep(step, m_design);
    // A step across a change of paper goes back to its own paper with it,
    // so its frames lie on the sheet they were placed on.
    if (otherSheet)
        applySheet(step.sheet);
    else
        m_pic->setPicture(step.picture.isNull() ? pagePicture(m_design) : step.picture);
    if (otherStyle)
        showOpmaak();
    UpdateListing();
}

void Main::onExtraKaderWijzigen()
{
    const int k = m_editTool->chosen();
    if (k == 0)
        return;
    const Kader before = m_design.kader(k);
    const KaderInvoer shown = invoerOf(before);
    KaderInvoer values = shown;
    const KaderVenster venster{m_design.sheet, true, !m_design.pictures.Bestanden.at(k - 1).isEmpty()};
    QByteArray taken;
    const auto entered = askUntilAccepted(
        values, *m_services.dialogs, *m_pic,
        [&](const KaderInvoer &start) {
            return m_services.extra->kaderInvoeren(start, venster, [&](const KaderInvoer &v) {
                const Kader changed = kaderFromChange(before, shown, v);
                m_pic->setPreview({canvasRectOf(changed, m_pic->sheetGeometry())},
                                  previewShapes({changed}, m_pic->sheetGeometry()));
            });
        },
        [&](const KaderInvoer &v) {
            PageDesign trial = m_design;
            const Kader changed = kaderFromChange(before, shown, v);
            const QString refusal = changeKader(trial, k, changed);
            if (!refusal.isEmpty() || v.afbeelding.isEmpty())
                return refusal;
            QString why;
            const std::optional<QByteArray> read = takeInPicture(v.afbeelding, changed, &why);
            taken = read.value_or(QByteArray());
            return read ? QString() : why;
        });
    if (!entered)
        return;
    const Kader changed = kaderFromChange(before, shown, *entered);
    if (changed == before && entered->afbeelding.isEmpty())
        return;
    m_undo.record(m_pic->picture(), m_design);
    changeKader(m_design, k, changed);
    if (entered->afbeelding.isEmpty())
        refitPicture(k);
    else
        m_design.pictures.Bestanden.at(k - 1) = taken;
    redrawFromDesign();
}

} // namespace plenvik
