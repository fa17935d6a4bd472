#include "printing/pause.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace plenvik {

void Pause(const float &seconds)
{
    if (!(seconds > 0))
        return;
    QElapsedTimer clock;
    clock.start();
    const qint64 wanted = static_cast<qint64>(static_cast<double>(seconds) * 1e9);
    while (clock.nsecsElapsed() < wanted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

} // namespace plenvik
