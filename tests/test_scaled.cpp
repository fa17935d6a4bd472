// Drawing on a scaled screen. Run once per scale factor (QT_SCALE_FACTOR is
// set by CTest). A pointer on a 1.5x or 2x display moves in whole device
// pixels, which are fractions of a canvas pixel. Qt 6.4 rounds them on the
// way to a widget, later versions and other platforms pass them on, so the
// events here carry the fractions themselves.

#include "fakes.h"

#include <QGuiApplication>
#include <QTest>

using namespace plenvik;
using namespace plenvik::test;

namespace {
// Sends a mouse event at a device pixel of the canvas, as canvas units.
void deviceMouse(Main &m, QEvent::Type type, QPoint device, Qt::MouseButtons state)
{
    const qreal scale = m.windowHandle()->devicePixelRatio();
    const QPointF local = QPointF(device) / scale;
    QMouseEvent e(type, local, QPointF(m.pic()->mapToGlobal(QPoint(0, 0))) + local,
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, state, Qt::NoModifier);
    QCoreApplication::sendEvent(m.pic(), &e);
}

void deviceDrag(Main &m, QPoint from, QPoint to)
{
    deviceMouse(m, QEvent::MouseButtonPress, from, Qt::LeftButton);
    deviceMouse(m, QEvent::MouseMove, to, Qt::LeftButton);
    deviceMouse(m, QEvent::MouseButtonRelease, to, Qt::NoButton);
}
} // namespace

class TestScaled : public QObject {
    Q_OBJECT
private slots:
    void framesAreWholePixels()
    {
        Harness h;
        Main &m = h.start();
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        const qreal scale = m.windowHandle()->devicePixelRatio();
        QVERIFY2(scale == 1.5 || scale == 2.0, "run with QT_SCALE_FACTOR=1.5 or 2");
        auto device = [scale](double x, double y) { return QPoint(qRound(x * scale), qRound(y * scale)); };

        // One device pixel right and down from canvas (100, 100): a fraction
        // of a canvas pixel that rounds up to a whole one.
        deviceDrag(m, device(100, 100), device(100, 100) + QPoint(1, 1));
        QCOMPARE(m.design().KaderCount, 1);
        QVERIFY(m.listingText().endsWith("Kader 1...: 62,57,1,1,0,\r\n"));

        // The worked example, pressed and released a fraction off its pixels.
        deviceDrag(m, device(181, 163) - QPoint(1, 1), device(290, 221) - QPoint(0, 1));
        QVERIFY(m.listingText().endsWith("Kader 2...: 112,93,67,33,0,\r\n"));
        QCOMPARE(m.pic()->picture().pixel(181, 163), qRgb(120, 180, 120));
    }
};

QTEST_MAIN(TestScaled)
#include "test_scaled.moc"
