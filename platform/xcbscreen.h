#pragma once
// The magnifier's screen source on X11: a connection of its own to the X
// server, so each grab is one synchronous request from the user-interface
// thread instead of a hand-over through Qt's event-reader thread. The
// magnifier grabs 40 times a second for the whole run; this keeps it cheap.

#include "platform/screen.h"

#include <memory>

namespace plenvik {

class XcbScreenSource : public ScreenSource {
public:
    // nullptr when no X server can be reached or its screen is not 24/32-bit.
    static std::unique_ptr<XcbScreenSource> connect();
    ~XcbScreenSource() override;

    QPoint cursorPos() override;
    QImage grab(const QRect &r) override;
    QImage grabAroundPointer(const std::function<QRect(QPoint)> &rectFor) override;

private:
    XcbScreenSource() = default;
    struct Private;
    std::unique_ptr<Private> d;
};

// The best source for this platform: X11's own, else Qt's screen grab.
std::unique_ptr<ScreenSource> makeScreenSource();

// The same, made when it is first used.
std::unique_ptr<ScreenSource> makeScreenSourceOnFirstUse();

} // namespace plenvik
