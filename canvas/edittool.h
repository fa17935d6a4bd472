#pragma once
// Choosing, moving, resizing and removing frames on the canvas. The tool
// only turns the mouse and the keys into the page's editing rules
// (design/pageedit.h); drawing a new frame is the frame tool's, as it
// always was, and with no frame chosen the canvas behaves as it always did.
//
//   click (press and release on one point)    choose the topmost frame there
//   drag from inside the chosen frame         move it, in whole millimetres
//   drag from one of its handles              resize it from that corner or side
//   any other drag                            draw a new frame
//   double-click on a frame, Return           change it (" Kader wijzigen")
//   arrow keys, Delete, Tab, Escape           move by 1 mm, remove, next, none
//
// While the button is held the gesture owns the page: Escape puts its item
// back where it began, without an Undo step, and every other key waits
// for the release (the window holds its menu items back as well).
//
// Lines of text are chosen, moved, changed and removed alike; they have no
// size to drag, and lie over the frames.

#include "design/pageedit.h"
#include "canvas/undostore.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

namespace plenvik {

class FrameTool;
class Pic;

// The handles of a frame's outline on the canvas: its corners and the
// middles of its sides.
QList<std::pair<Greep, QPoint>> handlesOf(const QRect &outline);
// The handle at canvas point 'at', within a few pixels; Geen for none.
Greep handleAt(const QRect &outline, QPoint at);

// What is chosen on the canvas: a frame or a line of text, by its number;
// number 0 for nothing.
struct Gekozen {
    bool tekst = false;
    int nummer = 0;
    bool operator==(const Gekozen &) const = default;
    explicit operator bool() const { return nummer != 0; }
};

class EditTool {
public:
    struct Hooks {
        std::function<void()> pageChanged;       // the frames or texts changed: draw the page anew
        std::function<void(int)> committed;      // a move or resize of frame k is done
        std::function<void()> choiceChanged;     // another frame or text, or none, is chosen
        std::function<void(int)> changeKader;    // open " Kader wijzigen" for frame k
        std::function<void(int)> changeTekst;    // open " Tekst wijzigen" for line t
        std::function<void(const UndoStep &)> restore; // a cancelled gesture: show the page as it stood
    };

    EditTool(PageDesign &design, Pic &pic, UndoStore &undo, FrameTool &frames, Hooks hooks);

    void press(Qt::MouseButtons buttons, double x, double y);
    void move(Qt::MouseButtons buttons, double x, double y);
    void release(double x, double y);
    void doubleClick(double x, double y);
    // True when the key was the tool's.
    bool key(int key, Qt::KeyboardModifiers modifiers);
    // A press has begun a gesture that its release has not yet ended.
    bool busy() const { return m_gesture != Gesture::None; }
    // Ends the gesture, its item back where it began.
    void cancel();

    // The chosen frame, 0 for none (a text may be chosen); the chosen item.
    int chosen() const { return m_chosen.tekst ? 0 : m_chosen.nummer; }
    Gekozen chosenItem() const { return m_chosen; }
    // Chooses frame k, or none for 0 or a frame the page does not have.
    void choose(int k) { chooseItem(Gekozen{false, k}); }
    void chooseItem(Gekozen item);
    // Where the chosen frame or text stands now, for its handles; empty for none.
    QRect chosenOutline() const;

private:
    enum class Gesture { None, Draw, Move, Resize };
    void editChosen(const Kader &changed);
    void editChosenTekst(const Tekst &changed);
    // The chosen frame or text, 'item', becomes 'changed'.
    template <typename Item>
    void change(Item &item, const Item &changed);
    // The topmost frame or text at a canvas point: texts lie over frames.
    Gekozen itemAt(QPoint at) const;
    // Moves the chosen frame or text by whole millimetres from where it stood.
    void moveChosen(int dx, int dy);

    PageDesign &m_design;
    Pic &m_pic;
    UndoStore &m_undo;
    FrameTool &m_frames;
    Hooks m_hooks;
    Gekozen m_chosen;
    Gesture m_gesture = Gesture::None;
    Gekozen m_gestureItem; // the item a move or resize began on
    QPoint m_pressAt;
    Kader m_original;
    Tekst m_originalTekst;
    Greep m_greep = Greep::Geen;
    bool m_recorded = false;
};

} // namespace plenvik
