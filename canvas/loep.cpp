#include "canvas/loep.h"

#include "design/units.h"
#include "platform/screen.h"

#include <QPainter>

namespace plenvik {

QRect loepSourceRect(QPoint pointer, int zoom, QSize view)
{
    const int sw = view.width();
    const int sh = view.height();
    const int srcW = static_cast<int>(roundHalfEven((1.0 / zoom) * sw));
    const int srcH = static_cast<int>(roundHalfEven((1.0 / zoom) * sh));
    // C++ integer division truncates toward zero, as the view expects.
    return QRect(pointer.x() - srcW / 2, pointer.y() - srcH / 2, srcW, srcH);
}

LoepPic::LoepPic(QWidget *parent)
    : QWidget(parent), m_view(kLoepViewSize, kLoepViewSize, QImage::Format_RGB32)
{
    m_view.fill(Qt::white);
    setFixedSize(kLoepViewSize, kLoepViewSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LoepPic::refresh(ScreenSource &screen, int zoom)
{
    const QSize inner = size();
    const int z = zoom < 1 ? 1 : zoom;
    QImage grabbed = screen.grabAroundPointer([&](QPoint pointer) { return loepSourceRect(pointer, z, inner); });
    // Forty times a second adds up: enlarge and repaint only when the
    // screen under the pointer changed.
    if (grabbed == m_source)
        return;
    // A plain pixel copy, each screen pixel a block: no smoothing.
    m_view = grabbed.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation).convertToFormat(QImage::Format_RGB32);
    m_source = std::move(grabbed);
    update();
}

void LoepPic::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, m_view);
    // Stip: the 2 x 2 red mark over the point under the pointer.
    p.setPen(QColor(255, 0, 0));
    p.drawRect(53, 53, 1, 1);
}

} // namespace plenvik
