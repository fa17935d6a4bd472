// The " Stroken" window through the main window: the cut list of the open
// page and of the library, its settings file, and printing it.

#include "fakes.h"

#include "printing/printtext.h"

#include <QAction>
#include <QTest>

using namespace plenvik;
using namespace plenvik::test;

namespace {
void enterFrames(Harness &h, Main &m, const QList<KaderInvoer> &frames)
{
    for (const KaderInvoer &k : frames) {
        h.extra.kaders.enqueue(k);
        m.action("ExtraKaderInvoeren")->trigger();
    }
}
} // namespace

class TestStroken : public QObject {
    Q_OBJECT
private slots:
    void cutListOfTheOpenPage()
    {
        Harness h;
        Main &m = h.start();
        enterFrames(h, m, {{5, 10, 86, 30, false, {}}, {5, 50, 64, 30, false, {}}, {100, 10, 86, 30, false, {}},
                           {5, 90, 64, 30, false, {}}, {100, 50, 64, 30, false, {}}, {100, 90, 64, 30, false, {}}});
        h.extra.strokenSteps = {StrokenVelden{215, "20, 40", false}, StrokenVelden{215, "20 x", false},
                                StrokenVelden{300, "25 10000", false}};
        m.action("ExtraStroken")->trigger();
        QCOMPARE(h.extra.strokenStarts.value(0), (StrokenVelden{215, QString(), false}));
        QCOMPARE(h.extra.strokenLists.value(0), QStringLiteral("Stroken voor dit supplement\n"
                                                              "Lengte van een strook: 215 mm\n"
                                                              "\n"
                                                              "Hoogte 30 mm: 2 stroken\n"
                                                              "Strook 1: 86 + 64 + 64 = 214 mm, rest 1 mm\n"
                                                              "Strook 2: 86 + 64 + 64 = 214 mm, rest 1 mm\n"
                                                              "\n"
                                                              "Totaal: 2 stroken\n"));
        QVERIFY(h.extra.strokenLists.value(1).contains("\nHoogte 40 mm: 2 stroken\n"));
        // Heights that are no list, or longer than the settings keep: the
        // hint under the field, and the last list stays.
        const QString hint = QStringLiteral("Beschikbare hoogten: hele millimeters van 1 tot 9999, gescheiden door spaties of komma's.");
        QCOMPARE(h.extra.strokenHints.mid(1), (QStringList{QString(), hint, hint}));
        QCOMPARE(h.extra.strokenLists.value(3), h.extra.strokenLists.value(1));
        // Closed on heights that are no list: the length is kept, the
        // heights stay as they were.
        QCOMPARE(fileBytes(h.dir.filePath("Stroken.ini")), QByteArray("300\r\n\r\n"));
    }

    void settingsKeptInAFileOfTheirOwn()
    {
        Harness h;
        Main &m = h.start();
        const QByteArray ini = fileBytes(h.dir.filePath("Plenvik.ini"));
        // The highest the window takes is what the file keeps.
        h.extra.strokenSteps = {StrokenVelden{180, "35 9999 25,25", false}};
        m.action("ExtraStroken")->trigger();
        QCOMPARE(fileBytes(h.dir.filePath("Stroken.ini")), QByteArray("180\r\n25,35,9999\r\n"));
        QCOMPARE(fileBytes(h.dir.filePath("Plenvik.ini")), ini);
        h.extra.strokenSteps.clear();
        m.action("ExtraStroken")->trigger();
        QCOMPARE(h.extra.strokenStarts.value(1), (StrokenVelden{180, QStringLiteral("25 35 9999"), false}));

        // A damaged file gives the defaults.
        QFile f(h.dir.filePath("Stroken.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("lang\r\n");
        f.close();
        m.action("ExtraStroken")->trigger();
        QCOMPARE(h.extra.strokenStarts.value(2), (StrokenVelden{215, QString(), false}));
    }

    void cutListOfTheLibrary()
    {
        Harness h;
        Main &m = h.start();
        enterFrames(h, m, {{10, 10, 100, 25, false, {}}});
        h.dialogs.inputs.enqueue(QStringLiteral("Europa"));
        m.action("FileSave")->trigger();
        enterFrames(h, m, {{10, 50, 230 - 10 - 10, 25, false, {}}}); // refused: off the sheet
        enterFrames(h, m, {{10, 50, 120, 25, false, {}}});
        h.dialogs.inputs.enqueue(QStringLiteral("Nederland"));
        m.action("FileSave")->trigger();
        QFile broken(h.library() + "/Kapot.sup");
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("kapot");
        broken.close();
        QVERIFY(QFile::copy(h.library() + "/Europa.bmp", h.library() + "/Kapot.bmp"));

        h.extra.strokenSteps = {StrokenVelden{215, QString(), true}, StrokenVelden{110, QString(), true}};
        m.action("ExtraStroken")->trigger();
        QCOMPARE(h.extra.strokenLists.value(1), QStringLiteral("Stroken voor 2 supplementen\n"
                                                              "Lengte van een strook: 215 mm\n"
                                                              "\n"
                                                              "Hoogte 25 mm: 2 stroken\n"
                                                              "Strook 1: 100 + 100 = 200 mm, rest 15 mm\n"
                                                              "Strook 2: 120 = 120 mm, rest 95 mm\n"
                                                              "\n"
                                                              "Niet gelezen: Kapot\n"
                                                              "\n"
                                                              "Totaal: 2 stroken\n"));
        QVERIFY(h.extra.strokenLists.value(2).contains("\nPast niet: Pagina Nederland, kader 2 (120 mm breed)\n"));
    }

    void longTextGoesOnMoreSheets()
    {
        RecordingSurface surface;
        QStringList lines;
        for (int i = 1; i <= 60; ++i)
            lines << QStringLiteral("regel %1").arg(i);
        DrawText(lines, surface);
        QCOMPARE(surface.ops.count("newpage"), 1);
        // 52 lines a sheet, 5 mm apart from 20 mm: the 53rd starts the next.
        const int sheet2 = surface.ops.indexOf("newpage");
        QVERIFY(surface.ops.indexOf("print regel 52") < sheet2);
        QCOMPARE(surface.ops.mid(surface.ops.indexOf("print regel 52") - 1, 1), QStringList{"y 272"});
        QCOMPARE(surface.ops.mid(surface.ops.indexOf("print regel 53") - 1, 1), QStringList{"y 17"});

        // A list of exactly one sheet, ended by its line break as the cut
        // list is, fills one sheet and no more.
        RecordingSurface oneSheet;
        DrawText(lines.mid(0, 52) << QString(), oneSheet);
        QCOMPARE(oneSheet.ops.count("newpage"), 0);
        QCOMPARE(oneSheet.ops.count(), 4 + 52 * 3);

        // On Letter, 279.4 mm: 48 lines a sheet, on Letter paper.
        RecordingSurface letter;
        DrawText(lines, letter, kSheetLetter);
        QCOMPARE(letter.ops.value(0), "sheet 215.9x279.4");
        QVERIFY(letter.ops.indexOf("print regel 48") < letter.ops.indexOf("newpage"));
        QVERIFY(letter.ops.indexOf("print regel 49") > letter.ops.indexOf("newpage"));
    }
};

QTEST_MAIN(TestStroken)
#include "test_stroken.moc"
