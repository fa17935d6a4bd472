#include "platform/startupprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace plenvik {

namespace {
class Probe : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Expose && !m_done) {
            m_done = true;
            // Report once the first frame has been painted.
            QTimer::singleShot(0, [] {
                timespec ts{};
                clock_gettime(CLOCK_MONOTONIC, &ts);
                std::printf("shown %lld\n", static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_done = false;
};
} // namespace

void installStartupProbe(QWidget &window)
{
    if (qEnvironmentVariableIsEmpty("PLENVIK_STARTUP_PROBE"))
        return;
    window.winId(); // makes the native window, so its events can be watched
    window.windowHandle()->installEventFilter(new Probe(&window));
}

} // namespace plenvik
