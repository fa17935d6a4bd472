#include "canvas/frametool.h"

#include "canvas/pic.h"
#include "canvas/shapedraw.h"
#include "canvas/undostore.h"
#include "design/pagedesign.h"
#include "design/rows.h"
#include "design/textsafe.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct FrameToolTexts {
    Q_DECLARE_TR_FUNCTIONS(FrameTool)
};
} // namespace

namespace {
const QColor kFrameInside(230, 230, 230);
const QColor kCaptionColour(100, 100, 100);
constexpr int kInnerInset = 5;
constexpr int kReadoutJumpX = 280;

int px(double v)
{
    return static_cast<int>(std::floor(v + 0.5));
}

// The pixels a one-unit box between two corners covers, whichever way round.
void boxBetween(QPainter &p, QPoint a, QPoint b)
{
    const QRect r(QPoint(qMin(a.x(), b.x()), qMin(a.y(), b.y())), QPoint(qMax(a.x(), b.x()), qMax(a.y(), b.y())));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}
} // namespace

FrameTool::FrameTool(PageDesign &design, EditState &state, Pic &pic, UndoStore &undo, Dialogs &dialogs, Hooks hooks)
    : m_design(design), m_state(state), m_pic(pic), m_undo(undo), m_dialogs(dialogs), m_hooks(std::move(hooks))
{
}

QString FrameTool::xyText(double x, double y) const
{
    const CanvasGeometry &g = m_pic.sheetGeometry();
    return QStringLiteral("X : %1 / Y : %2 mm").arg(g.mmX(x)).arg(g.mmY(y));
}

QString FrameTool::sizeText(double dx, double dy) const
{
    const CanvasGeometry &g = m_pic.sheetGeometry();
    return QStringLiteral("%1 x %2 mm").arg(g.mmX(dx)).arg(g.mmY(dy));
}

void FrameTool::press(double x, double y)
{
    m_state.DragStartX = static_cast<float>(x);
    m_state.DragStartY = static_cast<float>(y);
    m_pic.setLayer(true, QRect(px(x), px(y), 0, 0));
}

void FrameTool::move(Qt::MouseButtons buttons, double x, double y)
{
    if (m_hooks.setXYText)
        m_hooks.setXYText(xyText(x, y));
    if (m_state.CrossHair)
        m_pic.setCrossHairLines(QLine(0, px(y), m_pic.sheetGeometry().width, px(y)),
                                QLine(px(x), 0, px(x), m_pic.sheetGeometry().height));
    if (buttons != Qt::LeftButton)
        return;
    onPaper(x, y);

    const double sx = m_state.DragStartX;
    const double sy = m_state.DragStartY;
    const int left = x < kReadoutJumpX ? px(x + 4) : px(x - 60);
    // The read-out is taken before the clamp, so a drag up or left shows negatives.
    m_pic.setMmLabel(true, sizeText(x - sx, y - sy), QPoint(left, px(y - 14)));

    const double cx = x < sx ? sx : x;
    const double cy = y < sy ? sy : y;
    m_pic.setLayer(true, QRect(px(sx), px(sy), px(cx - sx + 1), px(cy - sy + 1)));
}

void FrameTool::onPaper(double &x, double &y) const
{
    // The plate beside the sheet is not paper: a drag stops at the sheet's
    // edge. A4 fills the canvas, so only a drag past the canvas is held
    // back there, which would leave a frame off the paper.
    const CanvasGeometry &g = m_pic.sheetGeometry();
    x = std::clamp(x, 0.0, double(g.width - 1));
    y = std::clamp(y, 0.0, double(g.height - 1));
}

void FrameTool::hideFeedback()
{
    m_pic.setLayer(false);
    m_pic.setMmLabelVisible(false);
}

void paintFrameOn(QImage &picture, QPoint from, QPoint to, const QColor &outline, bool inner)
{
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(outline);
    p.setBrush(kFrameInside);
    boxBetween(p, from, to);
    if (inner) {
        // The inset is fixed, so on a small frame the corners cross over and
        // the box is drawn between them, outside the frame on that axis.
        const QPoint inset(kInnerInset, kInnerInset);
        boxBetween(p, from + inset, to - inset);
    }
}

void paintCaptionOn(QImage &picture, const QString &caption, double x1, double x2, double y2, const CaptionFace &face)
{
    if (caption.isEmpty())
        return;
    const CanvasCaption line = firstCaptionLine(caption, x1, x2, y2, face);
    QPainter p(&picture);
    p.setFont(line.font);
    p.setPen(kCaptionColour);
    p.drawText(line.baseline, line.text);
}

void paintKaderOn(QImage &picture, const Kader &kader, const QColor &outline, const CanvasGeometry &geometry,
                  const CaptionFace &face)
{
    const QRect corners = canvasRectOf(kader, geometry);
    if (kader.vorm == Vorm::Rechthoek && kader.lijn == Lijn::Doorgetrokken)
        paintFrameOn(picture, corners.topLeft(), corners.bottomRight(), outline, kader.Binnenrand == 1);
    else
        paintShapeOn(picture, kader, corners, outline, kFrameInside);
    paintCaptionOn(picture, kader.Onderschrift, corners.left(), corners.right(), corners.bottom(), face);
    paintMoreCaptionLinesOn(picture, kader, corners, kCaptionColour, face);
}

void FrameTool::paintFrame(QPoint from, QPoint to, bool inner)
{
    paintFrameOn(m_pic.picture(), from, to, QColor(m_design.ColourR, m_design.ColourG, m_design.ColourB), inner);
}

void FrameTool::paintCaption(const QString &caption, double x1, double x2, double y2)
{
    paintCaptionOn(m_pic.picture(), caption, x1, x2, y2, captionFaceOf(m_design.opmaak));
}

void FrameTool::release(double x, double y)
{
    if (m_design.KaderCount >= m_design.kaderLimit()) {
        m_dialogs.message(maximumKaders(m_design.kaderLimit()));
        hideFeedback();
        return;
    }
    onPaper(x, y);
    if (!(x > m_state.DragStartX && y > m_state.DragStartY)) {
        hideFeedback();
        return;
    }

    m_undo.record(m_pic.picture(), m_design);
    const bool inner = m_state.InnerFrameMode;
    paintFrame(QPoint(px(m_state.DragStartX), px(m_state.DragStartY)), QPoint(px(x), px(y)), inner);
    // Painted between the pointer's pixels, not from its millimetres.
    m_undo.setPictureFromDesign(false);
    m_design.addFrame(m_state.DragStartX, m_state.DragStartY, x, y, inner);
    const int k = m_design.KaderCount;
    hideFeedback();
    m_pic.pictureChanged();

    const QString caption = makeFileSafe(m_dialogs.inputBox(FrameToolTexts::tr("Geef het onderschrift voor dit kader..."),
                                                            FrameToolTexts::tr(" Onderschrift kader %1").arg(k),
                                                            QString()));
    m_design.kader(k).Onderschrift = caption;
    paintCaption(caption, m_state.DragStartX, x, y);
    m_pic.pictureChanged();
    if (m_hooks.updateListing)
        m_hooks.updateListing();
}

bool FrameTool::placeFrame(const QRect &corners, const Kader &kader)
{
    if (m_design.KaderCount >= m_design.kaderLimit())
        return false;
    m_undo.record(m_pic.picture(), m_design);
    if (kader.isPlain()) {
        paintFrame(corners.topLeft(), corners.bottomRight(), kader.Binnenrand == 1);
        paintCaption(kader.Onderschrift, corners.left(), corners.right(), corners.bottom());
    } else {
        paintKaderOn(m_pic.picture(), kader, QColor(m_design.ColourR, m_design.ColourG, m_design.ColourB), m_pic.sheetGeometry(),
                     captionFaceOf(m_design.opmaak));
    }
    m_design.appendKader(kader);
    m_pic.pictureChanged();
    return true;
}

} // namespace plenvik
