#pragma once
// The magnifier's view of the whole screen, taken once at start-up.

#include <QImage>
#include <QPoint>
#include <QRect>

class QScreen;

namespace plenvik {

class ScreenSource {
public:
    virtual ~ScreenSource() = default;
    virtual QPoint cursorPos() = 0;
    // The screen pixels of r; parts outside the screen are black.
    virtual QImage grab(const QRect &r) = 0;
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
