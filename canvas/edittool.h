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

#include "design/pageedit.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

namespace plenvik {

class FrameTool;
class Pic;
class UndoStore;

// The handles of a frame's outline on the canvas: its corners and the
// middles of its sides.
QList<std::pair<Greep, QPoint>> handlesOf(const QRect &outline);
// The handle at canvas point 'at', within a few pixels; Geen for none.
Greep handleAt(const QRect &outline, QPoint at);

class EditTool {
public:
    struct Hooks {
        std::function<void()> pageChanged;       // the frames changed: draw the page anew
        std::function<void(int)> committed;      // a move or resize of frame k is done
        std::function<void()> choiceChanged;     // another frame, or none, is chosen
        std::function<void(int)> changeKader;    // open " Kader wijzigen" for frame k
    };

    EditTool(PageDesign &design, Pic &pic, UndoStore &undo, FrameTool &frames, Hooks hooks);

    void press(Qt::MouseButtons buttons, double x, double y);
    void move(Qt::MouseButtons buttons, double x, double y);
    void release(double x, double y);
    void doubleClick(double x, double y);
    // True when the key was the tool's.
    bool key(int key, Qt::KeyboardModifiers modifiers);

    int chosen() const { return m_chosen; }
    // Chooses frame k, or none for 0 or a frame the page does not have.
    void choose(int k);
    // Where the chosen frame stands now, for its handles; empty for none.
    QRect chosenOutline() const;

private:
    enum class Gesture { None, Draw, Move, Resize };
    void editChosen(const Kader &changed);

    PageDesign &m_design;
    Pic &m_pic;
    UndoStore &m_undo;
    FrameTool &m_frames;
    Hooks m_hooks;
    int m_chosen = 0;
    Gesture m_gesture = Gesture::None;
    QPoint m_pressAt;
    Kader m_original;
    Greep m_greep = Greep::Geen;
    bool m_recorded = false;
};

} // namespace plenvik
