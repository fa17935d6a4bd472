// Editing frames and text lines in the window: choosing by click and by Tab, moving by
// drag and by the arrow keys, resizing by a handle, changing by a
// double-click, removing with Delete, and Undo and Redo through all of it.

#include "fakes.h"
#include "fixtures.h"

#include "canvas/canvastexts.h"
#include "canvas/pagerender.h"

#include <QAction>
#include <QTest>

using namespace plenvik;
using namespace plenvik::test;

namespace {
// Three frames entered by the numbers, 30 x 30 mm at 20, 60 and 100 mm.
void threeFrames(Harness &h, Main &m)
{
    for (int i = 0; i < 3; ++i) {
        h.extra.kaders.enqueue(KaderInvoer{20 + 40 * i, 50, 30, 30, false, QStringLiteral("NVPH %1").arg(i + 1), {}});
        m.action("ExtraKaderInvoeren")->trigger();
    }
}

void key(Main &m, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(m.pic(), k, mods);
}

QString line(Main &m, int k)
{
    return m.listingText().split("\r\n").value(7 + k);
}
} // namespace

class TestEditing : public QObject {
    Q_OBJECT
private slots:
    void everyEditIsAStep()
    {
        Harness h;
        Main &m = h.start();
        // A new page, as the page entered afresh below is.
        m.action("FileNew")->trigger();
        threeFrames(h, m);
        m.pic()->setFocus();
        // Frame 2 stands at canvas (97, 88) to (146, 140).
        drag(m.pic(), QPoint(120, 110), QPoint(120, 110));
        QCOMPARE(m.chosenKader(), 2);
        QCOMPARE(m.pic()->chosen(), QRect(QPoint(97, 88), QPoint(146, 140)));
        QVERIFY(m.action("ExtraKaderWijzigen")->isEnabled());
        key(m, Qt::Key_Tab);
        QCOMPARE(m.chosenKader(), 3);
        key(m, Qt::Key_Backtab);
        QCOMPARE(m.chosenKader(), 2);

        // 16 pixels across and 35 down are 10 and 20 mm; then 1 mm right, 1 up.
        drag(m.pic(), QPoint(120, 110), QPoint(136, 145));
        QCOMPARE(line(m, 2), "Kader 2...: 70,70,30,30,0,NVPH 2");
        key(m, Qt::Key_Right);
        key(m, Qt::Key_Right);
        key(m, Qt::Key_Left);
        key(m, Qt::Key_Up);
        QCOMPARE(line(m, 2), "Kader 2...: 71,69,30,30,0,NVPH 2");
        // Its lower right handle, at (164, 173), taken 2 pixels off its
        // centre; 16 and 17 pixels further, with the size read out on the way.
        QTest::mousePress(m.pic(), Qt::LeftButton, {}, QPoint(162, 171));
        QTest::mouseMove(m.pic(), QPoint(178, 171));
        QCOMPARE(m.pic()->mmLabelText(), "40 x 30 mm");
        QTest::mouseRelease(m.pic(), Qt::LeftButton, {}, QPoint(178, 171));
        drag(m.pic(), QPoint(180, 171), QPoint(180, 188));
        QCOMPARE(line(m, 2), "Kader 2...: 71,69,40,40,0,NVPH 2");
        QCOMPARE(m.pic()->picture(), pagePicture(m.design()));

        h.extra.kaders.enqueue(KaderInvoer{71, 69, 40, 40, false, QStringLiteral("NVPH 2a"), {}});
        QTest::mouseDClick(m.pic(), Qt::LeftButton, {}, QPoint(150, 160));
        QCOMPARE(h.extra.kaderVensters.last().wijzigen, true);
        QCOMPARE(h.extra.kaderStarts.last(), (KaderInvoer{71, 69, 40, 40, false, QStringLiteral("NVPH 2"), {}}));
        QCOMPARE(line(m, 2), "Kader 2...: 71,69,40,40,0,NVPH 2a");

        key(m, Qt::Key_Delete);
        QCOMPARE(int(m.design().KaderCount), 2);
        QCOMPARE(line(m, 2), "Kader 2...: 100,50,30,30,0,NVPH 3");
        QCOMPARE(m.chosenKader(), 0);

        // Back through the nine edits to the three frames entered, and forward
        // again; each is one step.
        const QString twoFrames = m.listingText();
        for (int i = 0; i < 9; ++i)
            m.action("EditUndo")->trigger();
        QCOMPARE(line(m, 2), "Kader 2...: 60,50,30,30,0,NVPH 2");
        QCOMPARE(int(m.design().KaderCount), 3);
        QVERIFY(m.action("EditRedo")->isEnabled());
        for (int i = 0; i < 9; ++i)
            m.action("EditRedo")->trigger();
        QCOMPARE(m.listingText(), twoFrames);
        QVERIFY(!m.action("EditRedo")->isEnabled());

        // The page made by editing saves as the same page entered afresh.
        h.dialogs.inputs << "Bewerkt" << "Ingevoerd";
        m.action("FileSave")->trigger();
        m.action("FileNew")->trigger();
        h.extra.kaders << KaderInvoer{20, 50, 30, 30, false, QStringLiteral("NVPH 1"), {}}
                       << KaderInvoer{100, 50, 30, 30, false, QStringLiteral("NVPH 3"), {}};
        m.action("ExtraKaderInvoeren")->trigger();
        m.action("ExtraKaderInvoeren")->trigger();
        m.action("FileSave")->trigger();
        for (const char *ext : {".sup", ".bmp"})
            QCOMPARE(fileBytes(h.library() + "/Bewerkt" + ext), fileBytes(h.library() + "/Ingevoerd" + ext));
    }

    // Nothing chosen, the canvas draws as it always did, from inside a frame
    // too; a click outside every frame and Escape leave none chosen; a step
    // after Undo leaves nothing to redo.
    void drawingStaysAsItWas()
    {
        Harness h;
        Main &m = h.start();
        threeFrames(h, m);
        drag(m.pic(), QPoint(40, 100), QPoint(70, 130));
        QCOMPARE(m.design().kader(4), (Kader{25, 57, 19, 17, 0, QString()}));
        drag(m.pic(), QPoint(40, 100), QPoint(40, 100));
        QCOMPARE(m.chosenKader(), 4);
        drag(m.pic(), QPoint(200, 300), QPoint(230, 330));
        QCOMPARE(int(m.design().KaderCount), 5);
        QCOMPARE(m.chosenKader(), 0);
        key(m, Qt::Key_Tab);
        QCOMPARE(m.chosenKader(), 1);
        key(m, Qt::Key_Backtab);
        QCOMPARE(m.chosenKader(), 5);
        drag(m.pic(), QPoint(300, 450), QPoint(300, 450));
        QCOMPARE(m.chosenKader(), 0);
        key(m, Qt::Key_Tab);
        key(m, Qt::Key_Escape);
        QCOMPARE(m.chosenKader(), 0);
        m.action("EditUndo")->trigger();
        m.action("EditUndo")->trigger();
        QVERIFY(m.action("EditRedo")->isEnabled());
        key(m, Qt::Key_Tab);
        key(m, Qt::Key_Down);
        QVERIFY(!m.action("EditRedo")->isEnabled());
        QCOMPARE(line(m, 1), "Kader 1...: 20,51,30,30,0,NVPH 1");
        // An arrow against the sheet's edge moves nothing, and is no step.
        h.extra.kaders.enqueue(KaderInvoer{0, 0, 10, 10, false, QString(), {}});
        m.action("ExtraKaderInvoeren")->trigger();
        key(m, Qt::Key_Escape);
        key(m, Qt::Key_Backtab);
        const int steps = m.undoStore().size();
        key(m, Qt::Key_Left);
        key(m, Qt::Key_Up);
        QCOMPARE(m.undoStore().size(), steps);
    }

    // Text lines are edited as frames are, and a heading in Greek letters,
    // with double quotes in it, comes back from the library as typed. The
    // canvas is 1.6 pixels a millimetre across and 1.75 down: the second
    // line, 10 pt at 30 mm in and 100 mm down, starts at (48, 175).
    void textLinesAsFramesAre()
    {
        Harness h;
        Main &m = h.start();
        m.action("FileNew")->trigger();
        const QString greek = QStringLiteral("\u03a9mega \"x\"");
        // Refused, and asked again: too wide for the sheet, a tab in it.
        h.extra.teksten << TekstInvoer{QString(30, u'W'), 25, 0, true, 36, true} << TekstInvoer{QStringLiteral("a\tb"), 25, 0, true, 12, true}
                        << TekstInvoer{QStringLiteral("1852. Koning Willem III"), 25, 0, true, 12, true}
                        << TekstInvoer{greek, 100, 30, false, 10, false};
        m.action("ExtraTekstInvoeren")->trigger();
        m.action("ExtraTekstInvoeren")->trigger();
        QCOMPARE(h.dialogs.messages(), (QStringList{"De tekst is breder dan het blad (210 mm); maak hem korter of kleiner.",
                                                    "De tekst bevat het teken U+0009, dat niet afgedrukt kan worden."}));
        QCOMPARE(line(m, 1), "Tekst 1...: 25,midden,12,vet,1852. Koning Willem III");
        m.pic()->setFocus();
        drag(m.pic(), QPoint(52, 178), QPoint(52, 178));
        drag(m.pic(), QPoint(52, 178), QPoint(68, 213));
        key(m, Qt::Key_Down);
        QCOMPARE(line(m, 2), "Tekst 2...: 121,40,10,gewoon," + greek);
        h.extra.teksten << TekstInvoer{greek, 121, 40, false, 14, true};
        // While the form is open the canvas shows the line as changed.
        QList<CanvasTekst> shown;
        h.extra.whileOpen = [&] { shown = m.pic()->teksten(); };
        QTest::mouseDClick(m.pic(), Qt::LeftButton, {}, QPoint(70, 214));
        h.extra.whileOpen = nullptr;
        QVERIFY(shown.size() == 2 && shown.at(1).font.bold());
        QCOMPARE(h.extra.tekstStarts.last(), (TekstInvoer{greek, 121, 40, false, 10, false}));
        QCOMPARE(line(m, 2), "Tekst 2...: 121,40,14,vet," + greek);
        // The heading dragged past the top of the sheet stops where the
        // ascenders of "Willem", above its capitals, stay on it.
        drag(m.pic(), QPoint(168, 46), QPoint(168, 46));
        drag(m.pic(), QPoint(168, 46), QPoint(168, 0));
        QCOMPARE(line(m, 1), "Tekst 1...: 1,midden,12,vet,1852. Koning Willem III");
        key(m, Qt::Key_Delete);
        QCOMPARE(int(m.design().TekstCount), 1);
        m.action("EditUndo")->trigger();
        m.action("EditUndo")->trigger();
        QCOMPARE(line(m, 1), "Tekst 1...: 25,midden,12,vet,1852. Koning Willem III");
        QCOMPARE(m.pic()->picture(), pagePicture(m.design()));

        h.dialogs.inputs << "Teksten";
        m.action("FileSave")->trigger();
        QVERIFY(fileBytes(h.library() + "/Teksten.sup").endsWith(
            "\"Tekst\",25,\"Midden\",12,1,\"1852. Koning Willem III\"\r\n"
            "\"Tekst\",121,40,14,1,U\"%CE%A9mega%20%22x%22\"\r\n"));
        const PageDesign saved = m.design();
        m.action("FileNew")->trigger();
        doubleClickEntry(m, "Teksten");
        QVERIFY(m.design() == saved);
        h.dialogs.answers.enqueue(true);
        m.onDelKnopClick();
        QCOMPARE(QDir(h.library()).entryList({"Teksten*"}, QDir::Files), QStringList());
    }
};

QTEST_MAIN(TestEditing)
#include "test_editing.moc"
