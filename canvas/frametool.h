#pragma once
// Drawing stamp frames with the mouse: press records the corner, moves
// drive the rubber band and read-outs, release paints and stores the frame
// and asks for its caption.

#include <QString>
#include <functional>

namespace plenvik {

class Dialogs;
class Pic;
class UndoStore;
struct EditState;
struct PageDesign;

class FrameTool {
public:
    struct Hooks {
        std::function<void(const QString &)> setXYText;
        std::function<void()> updateListing;
    };

    FrameTool(PageDesign &design, EditState &state, Pic &pic, UndoStore &undo, Dialogs &dialogs, Hooks hooks);

    void press(double x, double y);
    void move(Qt::MouseButtons buttons, double x, double y);
    void release(double x, double y);

    static QString xyText(double x, double y);
    static QString sizeText(double dx, double dy);

private:
    void hideFeedback();
    void paintFrame(double x2, double y2, bool inner);
    void paintCaption(const QString &caption, double x2, double y2);

    PageDesign &m_design;
    EditState &m_state;
    Pic &m_pic;
    UndoStore &m_undo;
    Dialogs &m_dialogs;
    Hooks m_hooks;
};

} // namespace plenvik
