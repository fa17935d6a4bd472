#pragma once
// The magnifier's view of the whole screen, taken once at start-up.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <functional>

class QScreen;

namespace plenvik {

class ScreenSource {
public:
    virtual ~ScreenSource() = default;
    virtual QPoint cursorPos() = 0;
    // The screen pixels of r; parts outside the screen are black.
    virtual QImage grab(const QRect &r) = 0;
    // Reads the pointer and grabs the rectangle rectFor gives for it.
    virtual QImage grabAroundPointer(const std::function<QRect(QPoint)> &rectFor)
    {
        return grab(rectFor(cursorPos()));
    }
};

class QtScreenSource : public ScreenSource {
public:
    QtScreenSource();
    QPoint cursorPos() override;
    QImage grab(const QRect &r) override;

private:
    QScreen *m_screen;
};

} // namespace plenvik
