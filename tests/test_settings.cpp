// The settings file: read item by item, rewritten when it cannot be read,
// written atomically at a confirmed exit.

#include "fakes.h"

#include "library/settings.h"
#include "canvas/pic.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

using namespace plenvik;
using namespace plenvik::test;

namespace {
void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("rewritten"); // what start-up leaves in the file
        QTest::newRow("good") << QByteArray("255,0,0\r\n220,220,140\r\n") << true << QByteArray("255,0,0\r\n220,220,140\r\n");
        QTest::newRow("blanks around numbers") << QByteArray(" 1 , 2,3 \r\n4,5 ,6\r\n") << true << QByteArray(" 1 , 2,3 \r\n4,5 ,6\r\n");
        QTest::newRow("unix line ends") << QByteArray("1,2,3\n4,5,6\n") << true << QByteArray("1,2,3\n4,5,6\n");
        QTest::newRow("line 2 missing") << QByteArray("10,20,30\r\n") << false << QByteArray("10,20,30\r\n220,220,140\r\n");
        QTest::newRow("empty") << QByteArray() << false << QByteArray("120,180,120\r\n220,220,140\r\n");
        QTest::newRow("junk in line 1") << QByteArray("10,groen,30\r\n1,2,3\r\n") << false << QByteArray("10,180,120\r\n220,220,140\r\n");
        QTest::newRow("out of range") << QByteArray("10,20,300\r\n1,2,3\r\n") << false << QByteArray("10,20,120\r\n220,220,140\r\n");
        QTest::newRow("negative") << QByteArray("10,20,30\r\n-1,2,3\r\n") << false << QByteArray("10,20,30\r\n220,220,140\r\n");
        QTest::newRow("fraction") << QByteArray("10,20,30\r\n1.5,2,3\r\n") << false << QByteArray("10,20,30\r\n220,220,140\r\n");
        QTest::newRow("binary") << QByteArray("\x01\x02\xff", 3) << false << QByteArray("120,180,120\r\n220,220,140\r\n");
    }
    void reading()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, ok);
        QFETCH(QByteArray, rewritten);
        Harness h;
        write(h.dir.filePath("Plenvik.ini"), file);
        Settings s;
        QCOMPARE(readSettings(h.dir.filePath("Plenvik.ini"), s), ok);
        Main &m = h.start();
        QCOMPARE(fileBytes(h.dir.filePath("Plenvik.ini")), rewritten);
        // The window shows what was read; the listing at start-up agrees.
        const Colour c = m.design().drawingColour();
        QCOMPARE(qobject_cast<QScrollBar *>(m.control("ScrollR"))->value(), c.r);
        QVERIFY(m.listingText().contains(QStringLiteral("Borderkleur......: %1,%2,%3\r\n").arg(c.r).arg(c.g).arg(c.b)));
    }

    void missingFileIsCreated()
    {
        Harness h;
        Settings s;
        QVERIFY(!readSettings(h.dir.filePath("Plenvik.ini"), s));
        h.start();
        QCOMPARE(fileBytes(h.dir.filePath("Plenvik.ini")), QByteArray("120,180,120\r\n220,220,140\r\n"));
    }

    void blackIsListedAsBlack()
    {
        Harness h;
        write(h.dir.filePath("Plenvik.ini"), "0,0,0\r\n220,220,140\r\n");
        Main &m = h.start();
        QVERIFY(m.listingText().contains("Borderkleur......: 0,0,0\r\n"));
        QCOMPARE(qobject_cast<QLabel *>(m.control("LabelR"))->text(), QStringLiteral("R : 0"));
    }

    void handEditedPanelColour()
    {
        Harness h;
        write(h.dir.filePath("Plenvik.ini"), "120,180,120\r\n255,255,255\r\n");
        Main &m = h.start();
        for (const char *name : {"BackInfo", "RGBLabel"})
            QCOMPARE(m.control(name)->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(m.control("List1")->palette().color(QPalette::Base), QColor(Qt::white));
    }

    void colourCarriesToTheNextRun()
    {
        Harness h;
        {
            Main &m = h.start();
            qobject_cast<QScrollBar *>(m.control("ScrollR"))->setValue(255);
            qobject_cast<QScrollBar *>(m.control("ScrollG"))->setValue(0);
            qobject_cast<QScrollBar *>(m.control("ScrollB"))->setValue(0);
            // The colour is the page's too: leaving asks about the changes.
            h.dialogs.changes.enqueue(Wijzigingen::Blijven);
            QVERIFY(!m.close());
            QCOMPARE(h.dialogs.calls.last().title, QStringLiteral(" Wijzigingen"));
            QCOMPARE(fileBytes(h.dir.filePath("Plenvik.ini")), QByteArray("120,180,120\r\n220,220,140\r\n"));
            QVERIFY(m.close());
            QCOMPARE(fileBytes(h.dir.filePath("Plenvik.ini")), QByteArray("255,0,0\r\n220,220,140\r\n"));
        }
        Harness next;
        write(next.dir.filePath("Plenvik.ini"), fileBytes(h.dir.filePath("Plenvik.ini")));
        Main &m = next.start();
        QCOMPARE(qobject_cast<QScrollBar *>(m.control("ScrollR"))->value(), 255);
        QCOMPARE(qobject_cast<QScrollBar *>(m.control("ScrollG"))->value(), 0);
        next.dialogs.inputs.enqueue(QString());
        QTest::mousePress(m.pic(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseRelease(m.pic(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
        QCOMPARE(m.pic()->picture().pixel(10, 10), qRgb(255, 0, 0));
    }

    void exitMenuAsksTheSameQuestion()
    {
        Harness h;
        Main &m = h.start();
        m.show();
        h.dialogs.answers.enqueue(false);
        m.action("FileExit")->trigger();
        QVERIFY(m.isVisible());
        QCOMPARE(h.dialogs.calls.last().title, QStringLiteral(" Exit programma"));
    }

    void writeIsAtomicAndReportsFailure()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Plenvik.ini");
        Settings s;
        s.drawing = {1, 2, 3};
        QVERIFY(writeSettings(path, s));
        QCOMPARE(fileBytes(path), QByteArray("1,2,3\r\n220,220,140\r\n"));
        QVERIFY(!writeSettings(dir.filePath("geen/map/Plenvik.ini"), s));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Plenvik.ini"});
    }

    void unwritableFolderIsSilent()
    {
        // A program folder that does not exist stands in for a read-only one.
        ScriptedDialogs dialogs;
        FakePrinter printer;
        FakeScreen screen;
        FakeUrls urls;
        Main m(portablePaths(QStringLiteral("/nonexistent/plenvik")), Services{&dialogs, &printer, &screen, &urls});
        QCOMPARE(m.design().drawingColour(), (Colour{120, 180, 120}));
        QVERIFY(m.close());
        QCOMPARE(dialogs.messages(), QStringList());
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
