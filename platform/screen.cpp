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
    const QRect inside = m_screen ? r.intersected(m_screen->geometry()) : QRect();
    // The usual case, wholly on the screen, needs no black border: one grab.
    if (!inside.isEmpty() && inside == r)
        return m_screen->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
    QImage out(r.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    if (inside.isEmpty())
        return out;
    const QPixmap part = m_screen->grabWindow(0, inside.x(), inside.y(), inside.width(), inside.height());
    QPainter p(&out);
    p.drawPixmap(inside.topLeft() - r.topLeft(), part);
    return out;
}

} // namespace plenvik
