// The canvas under any input at any moment: presses, moves, releases and
// double-clicks with keys, Undo, Redo, paper and style changes and new frames and
// lines of text in between, from a fixed seed. After every step the page
// holds together; at the end Undo goes all the way back to the first page.

#include "fakes.h"
#include "fixtures.h"

#include "canvas/pagerender.h"
#include "library/designfile.h"
#include "platform/textmetrics.h"

#include <QAction>
#include <QTest>
#include <random>

using namespace plenvik;
using namespace plenvik::test;

class TestEditRandom : public QObject {
    Q_OBJECT
private slots:
    void anyInputAtAnyMoment()
    {
        Harness h;
        Main &m = h.start();
        m.pic()->setFocus();
        std::mt19937 random(20261209);
        auto below = [&](int n) { return int(random() % unsigned(n)); };
        auto point = [&] { return QPoint(below(360), below(540)); };
        // Frames near the sheet's edges, so A5 is often refused; a diamond
        // with caption lines, so its shape is drawn anew at every step.
        h.extra.kaders << KaderInvoer{20, 30, 40, 50, false, QStringLiteral("NVPH 1"), {}}
                       << KaderInvoer{150, 250, 30, 30, true, QStringLiteral("NVPH 2"), {}, "5 c", "1852", Vorm::Ruit,
                                      Lijn::Gestreept};
        h.extra.teksten << TekstInvoer{QStringLiteral("1852. Koning Willem III"), 12, 0, true, 12, true};
        const PageDesign first = m.design();
        for (const char *entry : {"ExtraKaderInvoeren", "ExtraKaderInvoeren", "ExtraTekstInvoeren"})
            m.action(entry)->trigger();
        const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Delete, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Left,
                                Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down, Qt::Key_Return};
        const Sheet sheets[] = {kSheetA4, kSheetLetter, kSheetA5};
        bool held = false, gesture = false;
        QPoint at;
        PageDesign atPress;
        int dragged = 0; // steps in which a drag changed its item
        for (int step = 0; step < 4000; ++step) {
            const int what = below(100);
            if (what < 20 && !held) {
                // Half the presses on the chosen item, most on a handle.
                const QRect chosen = m.pic()->chosen();
                at = chosen.isEmpty() || below(2) ? point() : below(3) ? chosen.center() : chosen.bottomRight();
                QTest::mousePress(m.pic(), Qt::LeftButton, {}, at);
                held = gesture = true;
                atPress = m.design();
            } else if (what < 45) {
                at = point();
                QTest::mouseMove(m.pic(), at);
            } else if (what < 58 && held) {
                QTest::mouseRelease(m.pic(), Qt::LeftButton, {}, at);
                held = gesture = false;
            } else if (what < 61 && !held) {
                QTest::mouseDClick(m.pic(), Qt::LeftButton, {}, point());
            } else if (what < 80) {
                const Qt::Key k = keys[below(9)];
                QTest::keyClick(m.pic(), k);
                // Escape ends the gesture, its item back where it began; the
                // button held after it is idle.
                if (gesture && k == Qt::Key_Escape) {
                    QVERIFY2(sameSavedPage(m.design(), atPress), qPrintable(QString("step %1").arg(step)));
                    gesture = false;
                }
            } else if (what < 87) {
                m.action("EditUndo")->trigger();
            } else if (what < 92) {
                m.action("EditRedo")->trigger();
            } else if (what < 94) {
                h.extra.papieren.enqueue(sheets[below(3)]);
                m.action("ExtraPapierformaat")->trigger();
            } else if (what < 96) {
                // A style, often one A5 cannot take; its frame limit at
                // times below the frames the page has, which is refused.
                PaginaOpmaak o;
                o.rand = Rand(below(5));
                o.links = 5 + below(56);
                o.boven = 5 + below(56);
                o.kadersPerPagina = below(2) ? 20 : 2 + below(30);
                h.extra.opmaken.enqueue(OpmaakKeuze{o, false});
                m.action("ExtraPaginaOpmaak")->trigger();
            } else if (what < 98) {
                h.extra.kaders.enqueue(KaderInvoer{below(100), below(150), 1 + below(40), 1 + below(40), false, QStringLiteral("K"), {}});
                m.action("ExtraKaderInvoeren")->trigger();
            } else {
                h.extra.teksten.enqueue(TekstInvoer{QStringLiteral("Tekst"), below(180), below(100), below(2) == 0, 12, false});
                m.action("ExtraTekstInvoeren")->trigger();
            }
            const PageDesign &d = m.design();
            QVERIFY2(kadersOffSheet(d, d.sheet).isEmpty(), qPrintable(QString("step %1").arg(step)));
            for (int t = 1; t <= d.TekstCount; ++t)
                QVERIFY2(checkTekst(d.tekst(t), d.sheet).isEmpty(), qPrintable(QString("step %1, text %2").arg(step).arg(t)));
            QVERIFY(m.chosenKader() >= 0 && m.chosenKader() <= d.KaderCount);
            // The page keeps a style it can have, and the canvas shows it.
            QVERIFY2(opmaakVoorPagina(d.opmaak, d.sheet, d.KaderCount).isEmpty(), qPrintable(QString("step %1").arg(step)));
            QVERIFY2(m.pic()->canvasOpmaak() == canvasOpmaak(m.pic()->sheetGeometry(), d.opmaak, d.sheet),
                     qPrintable(QString("step %1").arg(step)));
            // While the button is held, nothing but the dragged item changes.
            if (gesture) {
                QCOMPARE(std::tuple(d.KaderCount, d.TekstCount, d.sheet, d.opmaak),
                         std::tuple(atPress.KaderCount, atPress.TekstCount, atPress.sheet, atPress.opmaak));
                int changed = 0;
                for (int k = 1; k <= d.KaderCount; ++k)
                    changed += d.kader(k) == atPress.kader(k) ? 0 : 1;
                for (int t = 1; t <= d.TekstCount; ++t)
                    changed += d.tekst(t) == atPress.tekst(t) ? 0 : 1;
                QVERIFY2(changed <= 1, qPrintable(QString("step %1").arg(step)));
                dragged += changed;
            }
            if (!held && m.undoStore().pictureFromDesign())
                QVERIFY2(m.pic()->picture() == pagePicture(d), qPrintable(QString("step %1").arg(step)));
        }
        QVERIFY2(dragged > 100, qPrintable(QString::number(dragged))); // the drags did move and resize
        if (held)
            QTest::mouseRelease(m.pic(), Qt::LeftButton, {}, at);
        while (m.undoStore().canUndo())
            m.action("EditUndo")->trigger();
        QVERIFY(sameSavedPage(m.design(), first));
        QCOMPARE(m.design().sheet, first.sheet);
        QCOMPARE(m.design().opmaak, first.opmaak);
    }
};

QTEST_MAIN(TestEditRandom)
#include "test_editrandom.moc"
