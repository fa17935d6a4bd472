// Whether the open page has changed since it was last loaded, saved or
// started, across every kind of change, Undo back to the saved page, a save
// and a load; and what the window's title and the questions make of it.

#include "fakes.h"
#include "fixtures.h"

#include <QAction>
#include <QScrollBar>
#include <QTest>

using namespace plenvik;
using namespace plenvik::test;

class TestUnsaved : public QObject {
    Q_OBJECT
private slots:
    void changedOrNot()
    {
        Harness h;
        Main &m = h.start();
        auto trigger = [&](const char *name) { return [&m, name] { m.action(name)->trigger(); }; };
        auto red = [&](int v) { return [&m, v] { qobject_cast<QScrollBar *>(m.control("ScrollR"))->setValue(v); }; };
        const QString picture = h.dir.filePath("z.png");
        QImage(40, 30, QImage::Format_RGB32).save(picture);
        struct Step {
            const char *what;
            std::function<void()> act;
            bool changed;
            const char *title;
        };
        const Step steps[] = {
            {"started", [] {}, false, " Plenvik"},
            {"a frame drawn", [&] { drag(m.pic(), QPoint(40, 100), QPoint(90, 150)); }, true, " Plenvik *"},
            {"undone", trigger("EditUndo"), false, " Plenvik"},
            {"redone", trigger("EditRedo"), true, " Plenvik *"},
            {"saved", [&] { h.dialogs.inputs << "Europa"; m.action("FileSave")->trigger(); }, false, " Plenvik - Europa"},
            {"a caption changed", [&] { m.onPicMouseDown(Qt::LeftButton, {}, 60, 120); m.onPicMouseUp({}, {}, 60, 120);
                 h.extra.kaders << KaderInvoer{25, 57, 31, 29, false, "1598", {}}; m.action("ExtraKaderWijzigen")->trigger(); },
             true, " Plenvik - Europa *"},
            {"the caption undone", trigger("EditUndo"), false, " Plenvik - Europa"},
            {"a border", trigger("ToolsBorder(1)"), true, " Plenvik - Europa *"},
            {"no border again", trigger("ToolsBorder(0)"), false, " Plenvik - Europa"},
            {"the colour", red(200), true, " Plenvik - Europa *"},
            {"the colour back", red(120), false, " Plenvik - Europa"},
            {"a title", [&] { h.dialogs.inputs << "Nederland"; m.action("ToolsTitel")->trigger(); }, true, " Plenvik - Europa *"},
            {"the title removed", [&] { h.dialogs.inputs << ""; m.action("ToolsTitel")->trigger(); }, false, " Plenvik - Europa"},
            {"Letter", [&] { h.extra.papieren << kSheetLetter; m.action("ExtraPapierformaat")->trigger(); }, true, " Plenvik - Europa *"},
            {"A4 again", [&] { h.extra.papieren << kSheetA4; m.action("ExtraPapierformaat")->trigger(); }, false, " Plenvik - Europa"},
            {"a picture", [&] { h.extra.afbeeldingKeuzes << AfbeeldingenKeuze{{picture}, true, 35}; m.action("ExtraAfbeeldingen")->trigger(); },
             true, " Plenvik - Europa *"},
            {"the picture undone", trigger("EditUndo"), false, " Plenvik - Europa"},
            {"moved with a key", [&] { QTest::keyClick(m.pic(), Qt::Key_Tab); QTest::keyClick(m.pic(), Qt::Key_Down); }, true,
             " Plenvik - Europa *"},
            {"loaded again, the change let go", [&] { doubleClickEntry(m, "Europa"); }, false, " Plenvik - Europa"},
            {"a new page", trigger("FileNew"), false, " Plenvik"},
        };
        for (const Step &s : steps) {
            s.act();
            QVERIFY2(m.isPageChanged() == s.changed, s.what);
            QCOMPARE(m.windowTitle(), QString::fromLatin1(s.title));
        }
        // Only the load of a changed page asked, and "Niet opslaan" let it go.
        QStringList asked;
        for (const auto &c : h.dialogs.calls)
            if (c.kind == "changes")
                asked << c.text;
        QCOMPARE(asked, QStringList{"Het supplement 'Europa' is gewijzigd.\nWilt u de wijzigingen opslaan?"});
    }

    // "Opslaan" in the question saves with the usual name question, which
    // offers the page's own name; a save not done keeps the page open.
    void savedBeforeItGoes()
    {
        Harness h;
        Main &m = h.start();
        drawPage(h, m);
        h.dialogs.changes << Wijzigingen::Opslaan;
        m.action("FileNew")->trigger(); // the name question cancelled: stays
        QVERIFY(m.isPageChanged());
        QCOMPARE(h.dialogs.calls.last().defaultText, QString());
        h.dialogs.changes << Wijzigingen::Opslaan;
        h.dialogs.inputs << "Europa";
        m.action("FileNew")->trigger();
        QVERIFY(QFile::exists(h.library() + "/Europa.sup"));
        QCOMPARE(int(m.design().KaderCount), 0);
        doubleClickEntry(m, "Europa");
        h.dialogs.inputs << "Europa";
        m.action("FileSave")->trigger();
        QCOMPARE(h.dialogs.calls.at(h.dialogs.calls.size() - 2).defaultText, QStringLiteral("Europa"));
        QCOMPARE(h.dialogs.calls.last().text, QStringLiteral("Bestand bestaat reeds, overschrijven?"));
    }
};

QTEST_MAIN(TestUnsaved)
#include "test_unsaved.moc"
