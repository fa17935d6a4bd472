#include "platform/screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace plenvik {

QtScreenSource::QtScreenSource() : m_screen(QGuiApplication::primaryScreen()) {}

QPoint QtScreenSource::cursorPos()
{
    return QCursor::pos();
}

QImage QtScreenSource::grab(const QRect &r)
{
    QImage out(r.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    if (!m_screen || r.isEmpty())
        return out;
    const QRect inside = r.intersected(m_screen->geometry());
    if (inside.isEmpty())
        return out;
    const QPixmap part = m_screen->grabWindow(0, inside.x(), inside.y(), inside.width(), inside.height());
    QPainter p(&out);
    p.drawPixmap(inside.topLeft() - r.topLeft(), part);
    return out;
}

} // namespace plenvik
