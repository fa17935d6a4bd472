#pragma once
// Drawing stamp frames with the mouse: press records the corner, moves
// drive the rubber band and read-outs, release paints and stores the frame
// and asks for its caption.

#include "canvas/shapedraw.h"
#include "design/canvasgeometry.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

namespace plenvik {

class Dialogs;
class Pic;
class UndoStore;
struct EditState;
struct Kader;
struct PageDesign;

// A frame as drawing puts it into the canvas picture: the box between two
// corner pixels with its light-grey inside and, when asked, the inner box
// 5 pixels in; and its caption centred under it.
void paintFrameOn(QImage &picture, QPoint from, QPoint to, const QColor &outline, bool inner);
void paintCaptionOn(QImage &picture, const QString &caption, double x1, double x2, double y2, const CaptionFace &face = {});
// A frame given in millimetres, as "Kader invoeren" paints it.
void paintKaderOn(QImage &picture, const Kader &kader, const QColor &outline, const CanvasGeometry &geometry,
                  const CaptionFace &face = {});

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
    // Ends a gesture that makes no frame: the rubber band and read-out go.
    void cancel() { hideFeedback(); }

    // Adds a frame given in millimetres, as a drawn frame is added: one Undo
    // picture, the frame, its inner frame and caption painted between the
    // canvas corners, and the record stored. False at the limit of 20.
    // The caller rebuilds the listing.
    bool placeFrame(const QRect &corners, const Kader &kader);

    QString xyText(double x, double y) const;
    QString sizeText(double dx, double dy) const;

private:
    void onPaper(double &x, double &y) const;
    void hideFeedback();
    void paintFrame(QPoint from, QPoint to, bool inner);
    void paintCaption(const QString &caption, double x1, double x2, double y2);

    PageDesign &m_design;
    EditState &m_state;
    Pic &m_pic;
    UndoStore &m_undo;
    Dialogs &m_dialogs;
    Hooks m_hooks;
};

} // namespace plenvik
