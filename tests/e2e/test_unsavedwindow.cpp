// Never losing the open page, in a real window and in both languages:
// Escape keeps a title, a changed page asks before another is loaded, the
// window's title names the page, Save offers its name, and Ctrl+Z.

#include "driver.h"

#include <QTest>

using namespace plenvik::e2e;

namespace {
void key(const char *k)
{
    xdo({"key", QString::fromLatin1(k)});
    QThread::msleep(300);
}

bool shown(const QString &title)
{
    return !xdo({"search", "--sync", "--onlyvisible", "--name", title}).isEmpty();
}
} // namespace

class TestUnsavedWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display (run under xvfb-run)");
    }

    void nothingIsLost()
    {
        Program p;
        QVERIFY(p.start());
        const QString sup = p.dir.filePath("Voorbeelden/Blad.sup");
        p.drag(QPoint(40, 100), QPoint(120, 180));
        QVERIFY(p.answer(QStringLiteral("Onderschrift kader 1"), QStringLiteral("NVPH 1")));
        QCOMPARE(p.title(), QStringLiteral(" Plenvik *"));
        p.menu(2, 5); // Tools > Titel
        QVERIFY(p.answer(QStringLiteral("^ Titel$"), QStringLiteral("Europa")));
        // Escape in the title's question keeps the title.
        p.menu(2, 5);
        QVERIFY(shown(QStringLiteral("^ Titel$")));
        key("Escape");
        p.focus();
        key("ctrl+s");
        QVERIFY(p.answer(QStringLiteral("Supplement opslaan"), QStringLiteral("Blad")));
        QVERIFY(contents(sup).contains("\r\n\"Europa\"\r\n\"\"\r\n\"\"\r\n"));
        QCOMPARE(p.title(), QStringLiteral(" Plenvik - Blad"));

        // A frame not saved, then a double-click on the library's page: the
        // question comes, and Annuleren keeps the frame.
        p.drag(QPoint(160, 100), QPoint(240, 180));
        QVERIFY(p.answer(QStringLiteral("Onderschrift kader 2"), QStringLiteral("NVPH 2")));
        p.doubleClickList(0);
        QVERIFY(shown(QStringLiteral("^ Wijzigingen$")));
        key("Escape");
        p.focus();
        QCOMPARE(p.canvasPixel(p.shot(), 200, 140), QRgb(0xe6e6e6));
        QCOMPARE(p.title(), QStringLiteral(" Plenvik - Blad *"));

        // Save offers the page's name, selected: Return, Return saves over it.
        key("ctrl+s");
        QVERIFY(p.answer(QStringLiteral("Supplement opslaan")));
        QVERIFY(p.answer(QStringLiteral("File exist")));
        QVERIFY(contents(sup).startsWith("\"Varnholt Software 2009\"\r\n2\r\n"));
        QCOMPARE(p.title(), QStringLiteral(" Plenvik - Blad"));

        // Ctrl+Z takes the newest frame back.
        p.drag(QPoint(40, 250), QPoint(120, 330));
        QVERIFY(p.answer(QStringLiteral("Onderschrift kader 3")));
        QCOMPARE(p.canvasPixel(p.shot(), 80, 290), QRgb(0xe6e6e6));
        key("ctrl+z");
        QVERIFY(p.canvasPixel(p.shot(), 80, 290) != QRgb(0xe6e6e6));
        QCOMPARE(p.title(), QStringLiteral(" Plenvik - Blad"));
    }

    // In English: Ctrl+N on a changed page asks about the changes.
    void askedInEnglish()
    {
        Program p;
        QVERIFY(p.start(QStringLiteral("en")));
        p.drag(QPoint(40, 100), QPoint(120, 180));
        QVERIFY(p.answer(QStringLiteral("Caption for frame 1")));
        key("ctrl+n");
        QVERIFY(shown(QStringLiteral("^ Changes$")));
        key("Escape");
        p.focus();
        QCOMPARE(p.canvasPixel(p.shot(), 80, 140), QRgb(0xe6e6e6));
    }
};

QTEST_MAIN(TestUnsavedWindow)
#include "test_unsavedwindow.moc"
