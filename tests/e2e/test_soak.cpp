// A soak in a real window: cycles of drawing 20 frames, undoing them,
// saving, starting a new page and loading the saved one. Resident memory
// must settle and no page in the library but the one saved may change.

#include "driver.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QTest>

using namespace plenvik::e2e;

namespace {
QMap<QString, QByteArray> library(const QString &dir, const QString &except)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(dir, QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!QFileInfo(path).completeBaseName().startsWith(except))
            out.insert(QFileInfo(path).fileName(), contents(path));
    }
    return out;
}
} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void cycles()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display (run under xvfb-run)");
        const int cycles = qEnvironmentVariableIntValue("PLENVIK_SOAK_CYCLES") > 0
                               ? qEnvironmentVariableIntValue("PLENVIK_SOAK_CYCLES")
                               : 4;
        // The first two cycles warm up: the twenty Undo pictures (0.7 MB
        // each) leave the allocator holding their memory. From the end of
        // the second cycle on, resident memory may grow by less than two
        // pictures in all, and never pass the absolute bound.
        const long allowedGrowthKb = 1400;
        const long boundKb = 100 * 1024;

        Program p;
        const QString lib = p.dir.filePath("Voorbeelden");
        QDir().mkpath(lib);
        QDirIterator examples(QStringLiteral(PLENVIK_EXAMPLES), {"*.bmp", "*.sup"}, QDir::Files);
        while (examples.hasNext()) {
            const QString f = examples.next();
            QVERIFY(QFile::copy(f, lib + "/" + QFileInfo(f).fileName()));
        }
        const auto others = library(lib, QStringLiteral("Soak"));
        QVERIFY(others.size() >= 6);
        QVERIFY(p.start());

        QElapsedTimer clock;
        clock.start();
        long firstKb = 0, lastKb = 0, peakKb = 0;
        for (int cycle = 0; cycle < cycles; ++cycle) {
            if (cycle > 0) { // the loaded page of the cycle before gives way
                p.menu(0, 1);
                QVERIFY(p.answer(QStringLiteral("Nieuw")));
            }
            for (int k = 0; k < 20; ++k) {
                const int row = k / 4, col = k % 4;
                p.drag(QPoint(10 + col * 80, 10 + row * 100), QPoint(70 + col * 80, 90 + row * 100));
                QVERIFY(p.answer(QStringLiteral("Onderschrift kader %1$").arg(k + 1), QStringLiteral("%1").arg(k + 1)));
            }
            qInfo("cycle %d: 20 frames drawn, %lld s", cycle + 1, clock.elapsed() / 1000);
            for (int k = 0; k < 20; ++k)
                p.menu(1, 1); // Edit > Undo
            qInfo("cycle %d: 20 frames undone, %lld s", cycle + 1, clock.elapsed() / 1000);
            QImage img = p.shot();
            QCOMPARE(p.canvasPixel(img, 45, 55), QRgb(0xffffff)); // the frames are gone
            p.drag(QPoint(100, 100), QPoint(200, 180));
            QVERIFY(p.answer(QStringLiteral("Onderschrift kader 1$"), QStringLiteral("Soak %1").arg(cycle)));
            p.menu(0, 2); // File > Opslaan
            QVERIFY(p.answer(QStringLiteral("Supplement opslaan"), QStringLiteral("Soak")));
            if (cycle > 0)
                QVERIFY(p.answer(QStringLiteral("File exist")));
            p.menu(0, 1); // File > Nieuw
            QVERIFY(p.answer(QStringLiteral("Nieuw")));
            p.doubleClickList(3); // after the three examples
            img = p.shot();
            QCOMPARE(p.canvasPixel(img, 155, 145), QRgb(0xe6e6e6)); // the saved frame is back
            QVERIFY(contents(lib + "/Soak.sup").contains(QStringLiteral("\"Soak %1\"").arg(cycle).toLatin1()));
            QCOMPARE(library(lib, QStringLiteral("Soak")), others);

            const long kb = p.residentKb();
            QVERIFY(kb > 0);
            if (cycle == 1)
                firstKb = kb;
            lastKb = kb;
            peakKb = qMax(peakKb, kb);
            qInfo("cycle %d: resident %ld kB, %lld s", cycle + 1, kb, clock.elapsed() / 1000);
        }
        qInfo("resident memory: %ld kB after the second cycle, %ld kB after the last, peak %ld kB", firstKb, lastKb, peakKb);
        QVERIFY(cycles >= 3);
        QVERIFY2(lastKb - firstKb <= allowedGrowthKb,
                 qPrintable(QStringLiteral("grew by %1 kB").arg(lastKb - firstKb)));
        QVERIFY(peakKb <= boundKb);
    }
};

QTEST_GUILESS_MAIN(TestSoak)
#include "test_soak.moc"
