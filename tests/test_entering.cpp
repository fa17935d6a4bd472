// Frames entered by the numbers: one frame in millimetres, a row of frames,
// each as a frame drawn with the mouse would be.

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

class TestEntering : public QObject {
    Q_OBJECT
private slots:
    void frameEnteredInMillimetres()
    {
        Harness h;
        Main &m = h.start();
        m.action("EditBinnenkader")->trigger();
        QList<QRect> shown;
        h.extra.whileOpen = [&] { shown = m.pic()->preview(); };
        h.extra.kaders.enqueue(KaderInvoer{112, 93, 67, 33, false, QStringLiteral("15\"98")});
        m.action("ExtraKaderInvoeren")->trigger();
        // First time: 20, 50, 30 x 30, the inner frame as the menu stands.
        QCOMPARE(h.extra.kaderStarts.value(0), (KaderInvoer{20, 50, 30, 30, true, {}}));
        QCOMPARE(shown, QList<QRect>{QRect(QPoint(181, 163), QPoint(290, 220))});
        QVERIFY(m.pic()->preview().isEmpty());
        QCOMPARE(lastListingLine(m), QStringLiteral("Kader 1...: 112,93,67,33,0,15'98"));
        QCOMPARE(m.undoStore().size(), 1);
        const QImage &pic = m.pic()->picture();
        QCOMPARE(pic.pixel(181, 163), qRgb(120, 180, 120));
        QCOMPARE(pic.pixel(290, 220), qRgb(120, 180, 120));
        QCOMPARE(pic.pixel(290, 221), gridPicture().pixel(290, 221));
        QCOMPARE(pic.pixel(200, 200), qRgb(230, 230, 230));

        // Refused: a message, nothing changed, and the dialog again on what was typed.
        const QImage before = m.pic()->picture();
        h.extra.kaders.enqueue(KaderInvoer{190, 10, 30, 30, false, {}});
        m.action("ExtraKaderInvoeren")->trigger();
        QCOMPARE(h.dialogs.messages(), QStringList{"Het kader ligt niet helemaal op het blad (210 x 297 mm)."});
        QCOMPARE(h.extra.kaderStarts.value(2), (KaderInvoer{190, 10, 30, 30, false, {}}));
        QCOMPARE(m.design().KaderCount, 1);
        QCOMPARE(m.pic()->picture(), before);
        QVERIFY(m.pic()->preview().isEmpty());
        QCOMPARE(m.undoStore().size(), 1);
    }

    void enteredFrameSavesAsTheDrawnOne()
    {
        Harness drawn, entered;
        Main &a = drawn.start();
        Main &b = entered.start();
        drawn.dialogs.inputs.enqueue(QStringLiteral("1598"));
        drag(a.pic(), QPoint(181, 163), QPoint(290, 221));
        entered.extra.kaders.enqueue(KaderInvoer{112, 93, 67, 33, false, QStringLiteral("1598")});
        b.action("ExtraKaderInvoeren")->trigger();
        QCOMPARE(b.listingText(), a.listingText());
        drawn.dialogs.inputs.enqueue(QStringLiteral("p"));
        a.action("FileSave")->trigger();
        entered.dialogs.inputs.enqueue(QStringLiteral("p"));
        b.action("FileSave")->trigger();
        QCOMPARE(fileBytes(entered.library() + "/p.sup"), fileBytes(drawn.library() + "/p.sup"));
        a.action("FilePrintSupplement")->trigger();
        b.action("FilePrintSupplement")->trigger();
        QVERIFY(entered.printer.printed.value(0).contains("B 109,90 176,123 120/180/120"));
        QCOMPARE(entered.printer.printed.value(0), drawn.printer.printed.value(0));
    }

    void rowOfFrames()
    {
        Harness h;
        Main &m = h.start();
        QList<QRect> shown;
        h.extra.whileOpen = [&] { shown = m.pic()->preview(); };
        h.extra.rijen.enqueue(RijInvoer{4, 30, 40, 5, 50, false, QStringLiteral("NVPH 12")});
        m.action("ExtraRijKaders")->trigger();
        QCOMPARE(h.extra.rijStarts.value(0).tussenruimte, 5);
        QCOMPARE(shown.size(), 4);
        QVERIFY(m.pic()->preview().isEmpty());
        QVERIFY(m.listingText().endsWith("Kader 1...: 38,50,30,40,0,NVPH 12\r\nKader 2...: 73,50,30,40,0,NVPH 13\r\n"
                                         "Kader 3...: 108,50,30,40,0,NVPH 14\r\nKader 4...: 143,50,30,40,0,NVPH 15\r\n"));
        // Each frame is one step back for Undo.
        QCOMPARE(m.undoStore().size(), 4);
        m.action("EditUndo")->trigger();
        QCOMPARE(m.design().KaderCount, 3);

        // The next row is proposed under this one, with room for captions.
        m.action("ExtraRijKaders")->trigger();
        QCOMPARE(h.extra.rijStarts.value(1), (RijInvoer{4, 30, 40, 5, 100, false, QStringLiteral("NVPH 12")}));

        // More frames than are free: refused whole, nothing added.
        h.extra.rijen.enqueue(RijInvoer{18, 5, 5, 1, 200, false, {}});
        m.action("ExtraRijKaders")->trigger();
        QCOMPARE(h.dialogs.messages(), QStringList{"Er is nog plaats voor 17 kaders."});
        QCOMPARE(m.design().KaderCount, 3);
    }

    void fullPageRefusesBeforeAsking()
    {
        Harness h;
        Main &m = h.start();
        h.extra.rijen.enqueue(RijInvoer{20, 5, 5, 1, 10, false, {}});
        m.action("ExtraRijKaders")->trigger();
        QCOMPARE(m.design().KaderCount, 20);
        m.action("ExtraKaderInvoeren")->trigger();
        m.action("ExtraRijKaders")->trigger();
        QCOMPARE(h.dialogs.messages(), (QStringList{"Maximum van 20 kaders bereikt!", "Maximum van 20 kaders bereikt!"}));
        QVERIFY(h.extra.kaderStarts.isEmpty());
        QCOMPARE(h.extra.rijStarts.size(), 1);
    }
};

QTEST_MAIN(TestEntering)
#include "test_entering.moc"
