// Editing frames and text lines in a real window, as a user does it with the mouse and the
// keys: choosing by click and by Tab, moving by drag and by the arrow keys,
// resizing by a handle, changing by a double-click, removing with Delete,
// and Undo and Redo through all of it. The listing is read back through
// the saved design files.

#include "driver.h"

#include <QTest>

using namespace plenvik::e2e;

namespace {
const QRgb kHandle = 0x0096ff;

// The frame lines of a saved design file: "left,top,width,height,inner" and
// the caption's line, for each frame.
QByteArray framesOf(const QByteArray &sup)
{
    const QList<QByteArray> lines = sup.split('\n');
    const int count = lines.value(1).trimmed().toInt();
    return lines.mid(3, 2 * count).join('\n');
}

void key(const char *k)
{
    xdo({"key", QString::fromLatin1(k)});
    QThread::msleep(150);
}
} // namespace

class TestEditWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display (run under xvfb-run)");
    }

    void editingFrames()
    {
        Program p;
        QVERIFY(p.start());
        for (int i = 0; i < 3; ++i) {
            p.menu(3, 1); // Extra > Kader invoeren...
            QVERIFY(p.fill(QStringLiteral("Kader invoeren"), {QString::number(20 + 40 * i), "Tab", "50", "Tab", "30", "Tab", "30",
                                                             "Tab", "Tab", QStringLiteral("NVPH %1").arg(i + 1)}));
        }
        auto save = [&](const QString &name) {
            p.menu(0, 2); // File > Opslaan
            p.answer(QStringLiteral("Supplement opslaan"), name);
            return framesOf(contents(p.dir.filePath("Voorbeelden/" + name + ".sup")));
        };
        const QByteArray entered = save("Ingevoerd");

        // A click chooses frame 2, at canvas (97, 88) to (146, 140): its
        // handles are drawn over its corners; Tab and shift+Tab go on and back.
        p.drag(QPoint(120, 110), QPoint(120, 110));
        QCOMPARE(p.canvasPixel(p.shot(), 95, 86), kHandle);
        key("Tab");
        QCOMPARE(p.canvasPixel(p.shot(), 160, 86), kHandle); // frame 3 from (162, 88)
        key("shift+Tab");
        QCOMPARE(p.canvasPixel(p.shot(), 95, 86), kHandle);

        p.drag(QPoint(120, 110), QPoint(136, 145)); // 10 and 20 mm
        key("Right");
        key("Up");
        p.drag(QPoint(164, 173), QPoint(180, 190)); // the lower right handle, 10 mm each way
        // Keys while the button holds a drag: Delete, Tab and Ctrl+Z wait,
        // Escape puts the frame back, and the moves after it change nothing.
        auto moveTo = [&](QPoint at) {
            xdo({"mousemove", QString::number((p.canvas + at).x()), QString::number((p.canvas + at).y())});
            QThread::msleep(100);
        };
        moveTo(QPoint(150, 160));
        xdo({"mousedown", "1"});
        moveTo(QPoint(190, 200));
        for (const char *k : {"Delete", "Tab", "ctrl+z", "Right", "Escape"})
            key(k);
        moveTo(QPoint(200, 230));
        xdo({"mouseup", "1"});
        QCOMPARE(p.process.state(), QProcess::Running);
        QCOMPARE(save("Bewerkt"), QByteArray(entered).replace("60,50,30,30,0", "71,69,40,40,0"));

        const QPoint centre = p.canvas + QPoint(150, 160);
        xdo({"mousemove", QString::number(centre.x()), QString::number(centre.y())});
        xdo({"click", "--repeat", "2", "--delay", "60", "1"});
        QVERIFY(p.fill(QStringLiteral("Kader wijzigen"), {"Tab", "Tab", "Tab", "Tab", "Tab", "NVPH 2a"}));
        key("Delete");
        QCOMPARE(save("Weg"), QByteArray("20,50,30,30,0\r\n\"NVPH 1\"\r\n100,50,30,30,0\r\n\"NVPH 3\"\r"));

        // Back through the six edits with Ctrl+Z and forward again with
        // Ctrl+Y, typed after a click into the listing: the shortcuts are
        // still the window's.
        auto clickListing = [&] {
            const QPoint listing = p.client + QPoint(700, 400);
            xdo({"mousemove", QString::number(listing.x()), QString::number(listing.y())});
            xdo({"click", "1"});
        };
        clickListing();
        for (int i = 0; i < 6; ++i)
            key("ctrl+z");
        QCOMPARE(save("Terug"), entered);
        clickListing();
        for (int i = 0; i < 6; ++i)
            key("ctrl+y");
        save("Vooruit");
        QCOMPARE(contents(p.dir.filePath("Voorbeelden/Vooruit.sup")), contents(p.dir.filePath("Voorbeelden/Weg.sup")));
        QCOMPARE(contents(p.dir.filePath("Voorbeelden/Vooruit.bmp")), contents(p.dir.filePath("Voorbeelden/Weg.bmp")));
    }

    // Lines of text typed into " Tekst invoeren", one in Greek letters,
    // shown on the canvas, moved, changed, removed and brought back. The
    // canvas has 1.75 pixels a millimetre down: a line at 25 mm stands from
    // y 44, at 100 mm from y 175.
    void textLines()
    {
        Program p;
        QVERIFY(p.start());
        p.menu(3, 2); // Extra > Tekst invoeren... ("Kader wijzigen..." is greyed)
        QVERIFY(p.fill(QStringLiteral("Tekst invoeren"), {"1852. Koning Willem III", "Tab", "25", "Tab", "Tab", "12", "Tab", " "}));
        p.menu(3, 2);
        QVERIFY(p.fill(QStringLiteral("Tekst invoeren"), {QStringLiteral("\u03a9mega"), "Tab", "100"}));
        bool ink = false;
        const QImage img = p.shot();
        for (int x = 120; x < 220 && !ink; ++x)
            ink = qRed(p.canvasPixel(img, x, 47)) < 100;
        QVERIFY2(ink, "the heading is drawn on the canvas");

        p.drag(QPoint(168, 178), QPoint(168, 178));
        QThread::msleep(600); // not a double-click
        QCOMPARE(p.canvasPixel(p.shot(), 168, 173), kHandle); // ringed 2 pixels above its letters
        p.drag(QPoint(168, 178), QPoint(168, 213)); // 20 mm down
        key("Down");
        const QPoint moved = p.canvas + QPoint(168, 214);
        xdo({"mousemove", QString::number(moved.x()), QString::number(moved.y())});
        xdo({"click", "--repeat", "2", "--delay", "60", "1"});
        QVERIFY(p.fill(QStringLiteral("Tekst wijzigen"), {"Tab", "Tab", "Tab", "14"}));
        p.drag(QPoint(168, 47), QPoint(168, 47));
        QThread::msleep(600);
        key("Delete");
        auto save = [&](const QString &name) {
            p.menu(0, 2); // File > Opslaan
            p.answer(QStringLiteral("Supplement opslaan"), name);
            return contents(p.dir.filePath("Voorbeelden/" + name + ".sup"));
        };
        const QByteArray greek = "\"Tekst\",121,\"Midden\",14,1,U\"%CE%A9mega\"\r\n";
        const QByteArray one = save("Teksten");
        QVERIFY2(one.endsWith("\r\n\"\"\r\n" + greek), one.constData());
        key("ctrl+z");
        const QByteArray back = save("Terug");
        QVERIFY2(back.endsWith("\"Tekst\",25,\"Midden\",12,1,\"1852. Koning Willem III\"\r\n" + greek), back.constData());
    }
};

QTEST_MAIN(TestEditWindow)
#include "test_editwindow.moc"
