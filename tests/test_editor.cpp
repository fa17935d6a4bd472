// Drawing frames with the mouse, decorating the page and Undo, driven
// through the real window offscreen with scripted dialogs.

#include "fakes.h"
#include "fixtures.h"

#include "canvas/grid.h"
#include "canvas/pic.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

Q_DECLARE_METATYPE(plenvik::KaderInvoer)

using namespace plenvik;
using namespace plenvik::test;

class TestEditor : public QObject {
    Q_OBJECT
private slots:
    void gridIsExact()
    {
        const QImage img = gridPicture();
        int light = 0, dark = 0, white = 0;
        for (int y = 0; y < kCanvasHeight; ++y)
            for (int x = 0; x < kCanvasWidth; ++x) {
                const QRgb p = img.pixel(x, y) & 0xffffff;
                const bool onLine = x % 10 == 0 || y % 10 == 0;
                const bool onGuide = x == 170 || y == 130 || y == 260 || y == 390;
                if (p == 0xffffff) {
                    QVERIFY2(!onLine, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                    ++white;
                } else if (p == 0x969696) {
                    QVERIFY(onGuide);
                    ++dark;
                } else {
                    QCOMPARE(p, QRgb(0xc8c8c8));
                    QVERIFY(onLine && !onGuide);
                    ++light;
                }
            }
        QCOMPARE(dark, 521 + 3 * 341 - 3);
        QCOMPARE(light + dark + white, kCanvasWidth * kCanvasHeight);
        // 35 vertical and 53 horizontal lines, the outermost on the edges.
        QCOMPARE(img.pixel(340, 5) & 0xffffff, QRgb(0xc8c8c8));
        QCOMPARE(img.pixel(5, 520) & 0xffffff, QRgb(0xc8c8c8));
        QCOMPARE(img.pixel(5, 0) & 0xffffff, QRgb(0xc8c8c8));
        QCOMPARE(img.pixel(0, 5) & 0xffffff, QRgb(0xc8c8c8));
    }

    void workedExample()
    {
        Harness h;
        Main &m = h.start();
        h.dialogs.inputs.enqueue(QStringLiteral("1598"));
        QTest::mousePress(m.pic(), Qt::LeftButton, Qt::NoModifier, QPoint(181, 163));
        QTest::mouseMove(m.pic(), QPoint(290, 221));
        QCOMPARE(m.pic()->mmLabelText(), QStringLiteral("67 x 33 mm"));
        QVERIFY(m.pic()->mmLabelVisible());
        QCOMPARE(m.pic()->mmLabelPos(), QPoint(230, 207)); // x >= 280: 60 left of the pointer
        QCOMPARE(m.pic()->layerRect(), QRect(181, 163, 110, 59));
        QCOMPARE(qobject_cast<QLabel *>(m.control("XYlabel"))->text(), QStringLiteral("X : 179 / Y : 126 mm"));
        QTest::mouseRelease(m.pic(), Qt::LeftButton, Qt::NoModifier, QPoint(290, 221));

        QCOMPARE(m.design().KaderCount, 1);
        QCOMPARE(lastListingLine(m), QStringLiteral("Kader 1...: 112,93,67,33,0,1598"));
        QCOMPARE(h.dialogs.inputTitles(), QStringList{" Onderschrift kader 1"});
        QCOMPARE(h.dialogs.calls.first().text, QStringLiteral("Geef het onderschrift voor dit kader..."));
        QVERIFY(!m.pic()->layerVisible());
        QVERIFY(!m.pic()->mmLabelVisible());

        const QImage &pic = m.pic()->picture();
        const QRgb outline = qRgb(120, 180, 120);
        QCOMPARE(pic.pixel(181, 163), outline);
        QCOMPARE(pic.pixel(290, 221), outline);
        QCOMPARE(pic.pixel(290, 190), outline);
        QCOMPARE(pic.pixel(200, 200), qRgb(230, 230, 230)); // the grid is hidden inside
        QCOMPARE(pic.pixel(291, 200), gridPicture().pixel(291, 200));
        // The caption stands in grey under the frame, centred on it.
        int minX = 9999, maxX = -1, minY = 9999;
        for (int y = 222; y < 245; ++y)
            for (int x = 150; x < 330; ++x)
                if (pic.pixel(x, y) != gridPicture().pixel(x, y)) {
                    minX = qMin(minX, x);
                    maxX = qMax(maxX, x);
                    minY = qMin(minY, y);
                }
        QVERIFY(maxX > 0);
        QVERIFY(minY >= 223);
        QVERIFY(qAbs((minX + maxX) / 2.0 - 235.5) <= 2.0);
    }

    void readoutJumpsNearTheRightEdge()
    {
        Harness h;
        Main &m = h.start();
        QTest::mousePress(m.pic(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        QTest::mouseMove(m.pic(), QPoint(279, 150));
        QCOMPARE(m.pic()->mmLabelPos(), QPoint(283, 136));
        QTest::mouseMove(m.pic(), QPoint(280, 150));
        QCOMPARE(m.pic()->mmLabelPos(), QPoint(220, 136));
    }

    void gesturesThatMakeNoFrame_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QString>("readout");
        QTest::addColumn<QRect>("band");
        QTest::newRow("click") << QPoint(100, 100) << "0 x 0 mm" << QRect(100, 100, 1, 1);
        QTest::newRow("up and left") << QPoint(20, 30) << "-49 x -40 mm" << QRect(100, 100, 1, 1);
        QTest::newRow("straight left") << QPoint(40, 150) << "-37 x 29 mm" << QRect(100, 100, 1, 51);
        QTest::newRow("straight down") << QPoint(100, 150) << "0 x 29 mm" << QRect(100, 100, 1, 51);
    }
    void gesturesThatMakeNoFrame()
    {
        QFETCH(QPoint, to);
        QFETCH(QString, readout);
        QFETCH(QRect, band);
        Harness h;
        Main &m = h.start();
        const QString listing = m.listingText();
        const QImage before = m.pic()->picture();
        QTest::mousePress(m.pic(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        QTest::mouseMove(m.pic(), to);
        if (to != QPoint(100, 100)) {
            QCOMPARE(m.pic()->mmLabelText(), readout);
            QCOMPARE(m.pic()->layerRect(), band);
        }
        // The band shows on screen, also when it is one pixel wide or high.
        const QImage shown = m.pic()->grab().toImage();
        QCOMPARE(shown.pixel(100, 100) & 0xffffff, QRgb(0xc00000));
        QTest::mouseRelease(m.pic(), Qt::LeftButton, Qt::NoModifier, to);
        QCOMPARE(m.design().KaderCount, 0);
        QCOMPARE(m.listingText(), listing);
        QCOMPARE(m.pic()->picture(), before);
        QVERIFY(h.dialogs.calls.isEmpty());
        QVERIFY(!m.pic()->layerVisible());
        QCOMPARE(m.undoStore().size(), 0);
    }

    void rightButtonMakesAFrameWithoutBand()
    {
        Harness h;
        Main &m = h.start();
        QTest::mousePress(m.pic(), Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
        QTest::mouseMove(m.pic(), QPoint(120, 90));
        QVERIFY(!m.pic()->mmLabelVisible());
        QCOMPARE(m.pic()->layerRect().size(), QSize(0, 0));
        QTest::mouseRelease(m.pic(), Qt::RightButton, Qt::NoModifier, QPoint(120, 90));
        QCOMPARE(m.design().KaderCount, 1);
        QCOMPARE(lastListingLine(m), QStringLiteral("Kader 1...: 31,29,43,23,0,"));
    }

    void oneUnitFrameIsOneMillimetre()
    {
        Harness h;
        Main &m = h.start();
        drag(m.pic(), QPoint(10, 10), QPoint(11, 11));
        QCOMPARE(lastListingLine(m), QStringLiteral("Kader 1...: 6,6,1,1,0,"));
    }

    void twentyFrameLimit()
    {
        Harness h;
        Main &m = h.start();
        for (int i = 0; i < 20; ++i)
            drag(m.pic(), QPoint(5, 5 + i * 25), QPoint(40, 25 + i * 25));
        QCOMPARE(m.design().KaderCount, 20);
        QCOMPARE(h.dialogs.inputTitles().last(), QStringLiteral(" Onderschrift kader 20"));
        const PageDesign before = m.design();
        const QImage picture = m.pic()->picture();
        const int snapshots = m.undoStore().size();
        drag(m.pic(), QPoint(100, 100), QPoint(200, 200));
        QCOMPARE(h.dialogs.messages(), QStringList{"Maximum van 20 kaders bereikt!"});
        QVERIFY(m.design() == before);
        QCOMPARE(m.pic()->picture(), picture);
        QCOMPARE(m.undoStore().size(), snapshots);
        QVERIFY(!m.pic()->layerVisible() && !m.pic()->mmLabelVisible());
    }

    void smallFrameWithInnerFrameCrossesOver()
    {
        Harness h;
        Main &m = h.start();
        m.action("EditBinnenkader")->trigger();
        QVERIFY(m.editState().InnerFrameMode);
        QVERIFY(m.action("EditBinnenkader")->isChecked());
        drag(m.pic(), QPoint(100, 100), QPoint(106, 140));
        QCOMPARE(m.design().kader(1).Binnenrand, 1);
        // Inner corners (105,105) and (101,135): the box reaches 105 across.
        const QImage &pic = m.pic()->picture();
        QCOMPARE(pic.pixel(101, 120), qRgb(120, 180, 120));
        QCOMPARE(pic.pixel(105, 120), qRgb(120, 180, 120));
        QCOMPARE(pic.pixel(103, 105), qRgb(120, 180, 120));
    }

    void innerFlagOfReusedRecord()
    {
        Harness h;
        Main &m = h.start();
        m.action("EditBinnenkader")->trigger();
        drag(m.pic(), QPoint(10, 10), QPoint(60, 60));
        m.action("EditUndo")->trigger();
        m.action("EditBinnenkader")->trigger();
        drag(m.pic(), QPoint(10, 10), QPoint(60, 60));
        QCOMPARE(lastListingLine(m), QStringLiteral("Kader 1...: 6,6,31,29,0,"));
    }

    void undoWalksBackFrameByFrame()
    {
        Harness h;
        Main &m = h.start();
        QList<QImage> states{m.pic()->picture()};
        for (int i = 0; i < 3; ++i) {
            h.dialogs.inputs.enqueue(QStringLiteral("Nr %1").arg(i));
            drag(m.pic(), QPoint(20 + i * 30, 20 + i * 30), QPoint(120 + i * 30, 90 + i * 30));
            states << m.pic()->picture();
        }
        QCOMPARE(m.design().KaderCount, 3);
        for (int i = 2; i >= 0; --i) {
            m.action("EditUndo")->trigger();
            QCOMPARE(m.design().KaderCount, i);
            QCOMPARE(m.pic()->picture(), states[i]);
        }
        QCOMPARE(m.pic()->picture(), gridPicture());
        QCOMPARE(m.listingText().count("\r\n"), 8);
        // Nothing left: the page stays as it is.
        m.action("EditUndo")->trigger();
        QCOMPARE(m.design().KaderCount, 0);
        QCOMPARE(m.pic()->picture(), gridPicture());
    }

    void crossHairFollowsThePointer()
    {
        Harness h;
        Main &m = h.start();
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        m.action("ToolsKruis")->trigger();
        QVERIFY(m.pic()->crossHairVisible());
        QTest::mouseMove(m.pic(), QPoint(50, 70));
        QCOMPARE(m.pic()->lineHor(), QLine(0, 70, 341, 70));
        QCOMPARE(m.pic()->lineVer(), QLine(50, 0, 50, 521));
        m.action("ToolsKruis")->trigger();
        QVERIFY(!m.pic()->crossHairVisible());
        QVERIFY(!m.action("ToolsKruis")->isChecked());
    }

    void borderItems()
    {
        Harness h;
        Main &m = h.start();
        m.action("ToolsBorder(2)")->trigger();
        QVERIFY(m.pic()->lijstVisible());
        QCOMPARE(m.pic()->lijstWidth(), 2);
        QCOMPARE(m.pic()->lijstColour(), QColor(120, 180, 120));
        QVERIFY(m.listingText().startsWith("Border...........: Aan\r\nBorderbreedte...: 2 pixels\r\n"));
        m.action("ToolsBorder(0)")->trigger();
        QVERIFY(!m.pic()->lijstVisible());
        QVERIFY(m.listingText().startsWith("Border...........: Uit\r\nBorderbreedte...: 0 pixels\r\n"));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(m.action(QStringLiteral("ToolsBorder(%1)").arg(i))->isChecked(), i == 0);
        // The border lies over the canvas; the picture never holds it.
        m.action("ToolsBorder(3)")->trigger();
        QCOMPARE(m.pic()->picture(), gridPicture());
        const QImage shown = m.pic()->grab().toImage();
        QCOMPARE(shown.pixel(31, 205) & 0xffffff, QRgb(0x78b478));
        QCOMPARE(shown.pixel(33, 205) & 0xffffff, QRgb(0x78b478));
        QCOMPARE(shown.pixel(34, 205) & 0xffffff, QRgb(0xffffff));
        QCOMPARE(shown.pixel(309, 205) & 0xffffff, QRgb(0x78b478));
        QCOMPARE(shown.pixel(306, 205) & 0xffffff, QRgb(0xffffff));
    }

    void pageTexts()
    {
        Harness h;
        Main &m = h.start();
        h.dialogs.inputs.enqueue(QStringLiteral("  Europa "));
        m.action("ToolsTitel")->trigger();
        QCOMPARE(h.dialogs.calls.last().title, QStringLiteral(" Titel"));
        QCOMPARE(h.dialogs.calls.last().text, QStringLiteral("Geef een titel voor dit supplement..."));
        QCOMPARE(m.design().PageTitle, QStringLiteral("  Europa "));
        QCOMPARE(m.pic()->pageTextCaption(Pic::PageText::Titel), QStringLiteral("Europa"));
        const QRect r = m.pic()->pageTextRect(Pic::PageText::Titel);
        QCOMPARE(r.top(), 40);
        QVERIFY(qAbs(r.left() + r.width() / 2.0 - 170) <= 1);
        QVERIFY(m.listingText().contains("Paginatitel.......:   Europa \r\n"));

        // The box opens on the current value; Cancel keeps it, OK with an
        // empty field removes it.
        m.action("ToolsTitel")->trigger();
        QCOMPARE(h.dialogs.calls.last().defaultText, QStringLiteral("  Europa "));
        QCOMPARE(m.design().PageTitle, QStringLiteral("  Europa "));
        QCOMPARE(m.pic()->pageTextCaption(Pic::PageText::Titel), QStringLiteral("Europa"));
        h.dialogs.inputs.enqueue(QStringLiteral(""));
        m.action("ToolsTitel")->trigger();
        QVERIFY(m.design().PageTitle.isEmpty());
        QVERIFY(m.pic()->pageTextCaption(Pic::PageText::Titel).isEmpty());
        QVERIFY(m.listingText().contains("Paginatitel.......: \r\n"));

        h.dialogs.inputs.enqueue(QStringLiteral("Zegels \"mooi\""));
        m.action("ToolsSubTitel")->trigger();
        QCOMPARE(h.dialogs.calls.last().title, QStringLiteral(" SubTitel"));
        QCOMPARE(m.design().PageSubtitle, QStringLiteral("Zegels 'mooi'"));
        QCOMPARE(m.pic()->pageTextRect(Pic::PageText::SubTitel).top(), 60);

        h.dialogs.inputs.enqueue(QStringLiteral("12a"));
        m.action("ToolsPaginanummer")->trigger();
        QCOMPARE(h.dialogs.calls.last().title, QStringLiteral(" Paginanummer"));
        QCOMPARE(h.dialogs.calls.last().text, QStringLiteral("Geef een paginanummer voor dit supplement..."));
        QCOMPARE(m.pic()->pageTextRect(Pic::PageText::PaginaLabel).top(), 493);
        QVERIFY(m.listingText().contains("Paginanummer....: 12a\r\n"));

        // Only blanks are trimmed on the label: a no-break space is text.
        h.dialogs.inputs.enqueue(QStringLiteral(" \u00a0Europa\u00a0 "));
        m.action("ToolsTitel")->trigger();
        QCOMPARE(m.pic()->pageTextCaption(Pic::PageText::Titel), QStringLiteral("\u00a0Europa\u00a0"));
    }

    void slidersSetTheColour()
    {
        Harness h;
        Main &m = h.start();
        drag(m.pic(), QPoint(10, 10), QPoint(50, 50));
        m.action("ToolsBorder(1)")->trigger();
        auto *g = qobject_cast<QScrollBar *>(m.control("ScrollG"));
        g->setValue(200); // set by the program: the handler runs all the same
        QCOMPARE(m.design().ColourG, 200);
        QCOMPARE(qobject_cast<QLabel *>(m.control("LabelG"))->text(), QStringLiteral("G : 200"));
        QCOMPARE(m.control("KleurLabel")->palette().color(QPalette::Window), QColor(120, 200, 120));
        QCOMPARE(m.pic()->lijstColour(), QColor(120, 200, 120));
        QVERIFY(m.listingText().contains("Borderkleur......: 120,200,120\r\n"));
        // Frames drawn before keep their colour; new ones take the new one.
        QCOMPARE(m.pic()->picture().pixel(10, 10), qRgb(120, 180, 120));
        drag(m.pic(), QPoint(100, 100), QPoint(150, 150));
        QCOMPARE(m.pic()->picture().pixel(100, 100), qRgb(120, 200, 120));
    }
};

QTEST_MAIN(TestEditor)
#include "test_editor.moc"
