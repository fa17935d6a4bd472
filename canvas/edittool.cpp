#include "canvas/edittool.h"

#include "canvas/canvastexts.h"
#include "canvas/frametool.h"
#include "canvas/pic.h"
#include "canvas/undostore.h"
#include "design/rows.h"
#include "platform/textmetrics.h"

#include <cmath>

namespace plenvik {

namespace {
// How far from a handle's centre a press still takes it.
constexpr int kHandleReach = 3;

QPoint pixel(double x, double y)
{
    return QPoint(int(std::floor(x + 0.5)), int(std::floor(y + 0.5)));
}
} // namespace

QList<std::pair<Greep, QPoint>> handlesOf(const QRect &r)
{
    const int cx = (r.left() + r.right()) / 2, cy = (r.top() + r.bottom()) / 2;
    return {{Greep::LinksBoven, r.topLeft()},     {Greep::Boven, {cx, r.top()}},    {Greep::RechtsBoven, r.topRight()},
            {Greep::Rechts, {r.right(), cy}},     {Greep::RechtsOnder, r.bottomRight()}, {Greep::Onder, {cx, r.bottom()}},
            {Greep::LinksOnder, r.bottomLeft()},  {Greep::Links, {r.left(), cy}}};
}

Greep handleAt(const QRect &outline, QPoint at)
{
    for (const auto &[greep, centre] : handlesOf(outline))
        if (std::abs(at.x() - centre.x()) <= kHandleReach && std::abs(at.y() - centre.y()) <= kHandleReach)
            return greep;
    return Greep::Geen;
}

EditTool::EditTool(PageDesign &design, Pic &pic, UndoStore &undo, FrameTool &frames, Hooks hooks)
    : m_design(design), m_pic(pic), m_undo(undo), m_frames(frames), m_hooks(std::move(hooks))
{
}

QRect EditTool::chosenOutline() const
{
    if (!m_chosen)
        return QRect();
    return m_chosen.tekst ? canvasRectOfTekst(m_design, m_chosen.nummer, m_pic.sheetGeometry())
                          : canvasRectOf(m_design.kader(m_chosen.nummer), m_pic.sheetGeometry());
}

void EditTool::chooseItem(Gekozen item)
{
    const int count = item.tekst ? m_design.TekstCount : m_design.KaderCount;
    const Gekozen next = item.nummer >= 1 && item.nummer <= count ? item : Gekozen{};
    if (next == m_chosen)
        return;
    m_chosen = next;
    if (m_hooks.choiceChanged)
        m_hooks.choiceChanged();
}

Gekozen EditTool::itemAt(QPoint at) const
{
    for (int t = m_design.TekstCount; t >= 1; --t)
        if (canvasRectOfTekst(m_design, t, m_pic.sheetGeometry()).contains(at))
            return Gekozen{true, t};
    return Gekozen{false, kaderAt(m_design, m_pic.sheetGeometry(), at)};
}

void EditTool::press(Qt::MouseButtons buttons, double x, double y)
{
    if (m_gesture == Gesture::Move || m_gesture == Gesture::Resize) {
        // Another button while the drag goes on changes nothing.
        if (buttons & Qt::LeftButton)
            return;
        release(x, y);
    }
    m_pressAt = pixel(x, y);
    m_recorded = false;
    m_gesture = Gesture::Draw;
    if (buttons == Qt::LeftButton && m_chosen) {
        const QRect outline = chosenOutline();
        m_greep = handleAt(outline, m_pressAt);
        if (m_greep != Greep::Geen || outline.contains(m_pressAt)) {
            // A text has no size to drag: its handles move it.
            m_gesture = m_greep != Greep::Geen && !m_chosen.tekst ? Gesture::Resize : Gesture::Move;
            m_gestureItem = m_chosen;
            if (m_chosen.tekst)
                m_originalTekst = m_design.tekst(m_chosen.nummer);
            else
                m_original = m_design.kader(m_chosen.nummer);
            return;
        }
    }
    m_frames.press(x, y);
}

template <typename Item>
void EditTool::change(Item &item, const Item &changed)
{
    if (changed == item)
        return;
    // One Undo step for the whole gesture, taken at its first change.
    if (!m_recorded)
        m_undo.record(m_pic.picture(), m_design, m_gesture != Gesture::None);
    m_recorded = true;
    item = changed;
    if (m_hooks.pageChanged)
        m_hooks.pageChanged();
}

void EditTool::editChosen(const Kader &changed)
{
    change(m_design.kader(m_gestureItem.nummer), changed);
}

void EditTool::editChosenTekst(const Tekst &changed)
{
    change(m_design.tekst(m_gestureItem.nummer), changed);
}

void EditTool::moveChosen(int dx, int dy)
{
    if (m_gestureItem.tekst)
        editChosenTekst(movedTekst(m_originalTekst, tekstVorm(m_originalTekst, m_design.sheet, m_design.opmaak.lettertype).vak, dx, dy, m_design.sheet));
    else
        editChosen(movedKader(m_original, dx, dy, m_design.sheet));
}

void EditTool::move(Qt::MouseButtons buttons, double x, double y)
{
    if (m_gesture != Gesture::Move && m_gesture != Gesture::Resize) {
        m_frames.move(buttons, x, y);
        return;
    }
    // A release the canvas never saw (the pointer grabbed away) ends the
    // gesture where the pointer now is.
    if (!(buttons & Qt::LeftButton)) {
        release(x, y);
        return;
    }
    // The read-out and the cross-hair follow the pointer; no rubber band.
    m_frames.move(Qt::NoButton, x, y);
    const CanvasGeometry &g = m_pic.sheetGeometry();
    const int dx = g.mmX(x - m_pressAt.x()), dy = g.mmY(y - m_pressAt.y());
    if (m_gesture == Gesture::Move) {
        moveChosen(dx, dy);
    } else {
        editChosen(resizedKader(m_original, m_greep, dx, dy, m_design.sheet));
        const Kader &k = m_design.kader(m_gestureItem.nummer);
        m_pic.setMmLabel(true, QStringLiteral("%1 x %2 mm").arg(k.WidthMm).arg(k.HeightMm), pixel(x + 4, y - 14));
    }
}

void EditTool::release(double x, double y)
{
    const Gesture gesture = m_gesture;
    m_gesture = Gesture::None;
    const bool click = pixel(x, y) == m_pressAt;
    if (gesture == Gesture::Draw && !click) {
        const int before = m_design.KaderCount;
        m_frames.release(x, y);
        // A new drawing leaves nothing chosen.
        if (m_design.KaderCount != before)
            chooseItem(Gekozen{});
        return;
    }
    if (gesture == Gesture::None)
        return;
    m_frames.cancel();
    m_pic.setMmLabelVisible(false);
    m_undo.settle();
    if (m_recorded) {
        if (m_hooks.committed && !m_gestureItem.tekst)
            m_hooks.committed(m_gestureItem.nummer);
        return;
    }
    // A press and release on one point chooses the topmost frame or text
    // there, or none on the paper outside every one.
    if (click)
        chooseItem(itemAt(m_pressAt));
}

void EditTool::cancel()
{
    const Gesture gesture = m_gesture;
    m_gesture = Gesture::None;
    m_frames.cancel();
    m_pic.setMmLabelVisible(false);
    if (gesture == Gesture::Draw || gesture == Gesture::None || !m_recorded)
        return;
    m_recorded = false;
    if (std::optional<UndoStep> step = m_undo.withdraw(); step && m_hooks.restore)
        m_hooks.restore(*step);
}

void EditTool::doubleClick(double x, double y)
{
    const Gekozen item = itemAt(pixel(x, y));
    if (!item)
        return;
    chooseItem(item);
    const auto &open = item.tekst ? m_hooks.changeTekst : m_hooks.changeKader;
    if (open)
        open(item.nummer);
}

bool EditTool::key(int key, Qt::KeyboardModifiers modifiers)
{
    if (busy()) {
        if (key == Qt::Key_Escape)
            cancel();
        return true;
    }
    // Tab goes through the frames, then the texts, and round again.
    const int frames = m_design.KaderCount, all = frames + m_design.TekstCount;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        if (all == 0)
            return false;
        const bool back = key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier);
        const int at = m_chosen ? (m_chosen.tekst ? frames : 0) + m_chosen.nummer : 0;
        const int next = back ? (at <= 1 ? all : at - 1) : at % all + 1;
        chooseItem(next > frames ? Gekozen{true, next - frames} : Gekozen{false, next});
        return true;
    }
    if (!m_chosen)
        return false;
    switch (key) {
    case Qt::Key_Escape:
        chooseItem(Gekozen{});
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const auto &open = m_chosen.tekst ? m_hooks.changeTekst : m_hooks.changeKader;
        if (open)
            open(m_chosen.nummer);
        return true;
    }
    case Qt::Key_Delete: {
        const Gekozen item = m_chosen;
        m_undo.record(m_pic.picture(), m_design);
        m_chosen = Gekozen{};
        if (item.tekst)
            removeTekst(m_design, item.nummer);
        else
            removeKader(m_design, item.nummer);
        if (m_hooks.pageChanged)
            m_hooks.pageChanged();
        if (m_hooks.choiceChanged)
            m_hooks.choiceChanged();
        return true;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
        const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
        m_recorded = false;
        m_gestureItem = m_chosen;
        if (m_chosen.tekst)
            m_originalTekst = m_design.tekst(m_chosen.nummer);
        else
            m_original = m_design.kader(m_chosen.nummer);
        moveChosen(dx, dy);
        if (m_recorded && m_hooks.committed && !m_chosen.tekst)
            m_hooks.committed(m_chosen.nummer);
        return true;
    }
    default:
        return false;
    }
}

} // namespace plenvik
