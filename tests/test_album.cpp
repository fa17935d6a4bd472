// "Album afdrukken...": the order of the pages, and the job through the
// main window with a recording printer: one sheet a readable page, the
// unreadable ones named.

#include "fakes.h"

#include "library/album.h"
#include "library/designfile.h"

#include <QAction>
#include <QListWidget>
#include <QTest>

using namespace plenvik;
using namespace plenvik::test;

namespace {
// The lines of a sheet's listing that say where its first frame is drawn.
QStringList frameBoxes(const QStringList &ops)
{
    QStringList out;
    for (const QString &o : ops)
        if (o.startsWith("B ") || o == "newpage")
            out << o;
    return out;
}

void copyExamples(Harness &h)
{
    for (const QString &f : QDir(QStringLiteral(PLENVIK_EXAMPLES)).entryList(QDir::Files))
        QVERIFY(QFile::copy(QStringLiteral(PLENVIK_EXAMPLES "/") + f, h.library() + "/" + f));
}
} // namespace

class TestAlbum : public QObject {
    Q_OBJECT
private slots:
    void pageNumbersInReadingOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("sign");
        QTest::newRow("2 before 10") << "2" << "10" << -1;
        QTest::newRow("12 before 12a") << "12" << "12a" << -1;
        QTest::newRow("12a before 13") << "12a" << "13" << -1;
        QTest::newRow("numbers inside words") << "Blad 9" << "Blad 10" << -1;
        QTest::newRow("case does not count") << "blad 3" << "Blad 4" << -1;
        QTest::newRow("leading zeros") << "007" << "7" << -1;
        QTest::newRow("blanks around") << " 5 " << "5" << 0;
    }
    void pageNumbersInReadingOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, sign);
        const int c = comparePageNumbers(a, b);
        QCOMPARE((c > 0) - (c < 0), sign);
        const int back = comparePageNumbers(b, a);
        QCOMPARE((back > 0) - (back < 0), -sign);
    }

    void albumOrders()
    {
        const QList<AlbumPage> pages{{"Alpha", ""}, {"België", "2"}, {"Duits", "12a"}, {"Frans", "12"},
                                     {"Nederland", "10"}, {"Zonder", " "}, {"andorra", ""}};
        QCOMPARE(albumOrder(pages, false), (QStringList{"Alpha", "België", "Duits", "Frans", "Nederland", "Zonder", "andorra"}));
        QCOMPARE(albumOrder(pages, true), (QStringList{"België", "Nederland", "Frans", "Duits", "Alpha", "andorra", "Zonder"}));
    }

    void printsEveryReadablePageInOneJob()
    {
        Harness h;
        copyExamples(h);
        QFile broken(h.library() + "/Kapot.sup");
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("\"Varnholt Software 2009\"\r\n99\r\n");
        broken.close();
        QVERIFY(QFile::copy(h.library() + "/Europa CEPT.bmp", h.library() + "/Kapot.bmp"));
        Main &m = h.start();
        h.dialogs.inputs.enqueue(QStringLiteral("open"));
        drag(m.pic(), QPoint(20, 20), QPoint(80, 80));
        const PageDesign open = m.design();
        const QImage picture = m.pic()->picture();

        h.extra.albums.enqueue(AlbumKeuze{{"Blokken en stroken", "Europa CEPT", "Kapot", "Nederland 1852"}, true});
        m.action("ExtraAlbum")->trigger();
        QCOMPARE(h.extra.albumOffers.value(0), (QStringList{"Blokken en stroken", "Europa CEPT", "Kapot", "Nederland 1852"}));
        QCOMPARE(h.printer.jobs, QStringList{QString()});
        // By page number: "1" (Nederland), "12" (Europa), then no number.
        QCOMPARE(h.extra.progressSteps,
                 (QStringList{"0/4 Pagina 1 van 4 lezen: Blokken en stroken", "1/4 Pagina 2 van 4 lezen: Europa CEPT",
                              "2/4 Pagina 3 van 4 lezen: Kapot", "3/4 Pagina 4 van 4 lezen: Nederland 1852",
                              "0/3 Pagina 1 van 3: Nederland 1852", "1/3 Pagina 2 van 3: Europa CEPT",
                              "2/3 Pagina 3 van 3: Blokken en stroken", "hand over: Het album gaat naar de printer..."}));
        const QStringList sheets = frameBoxes(h.printer.printed.value(0));
        const qsizetype nederland = sheets.indexOf("B 34,60 83,111 120/180/120"); // its first frame, at 37, 63
        const qsizetype europa = sheets.indexOf("B 28,54 99,94 120/180/120");     // at 31, 57
        const qsizetype blokken = sheets.indexOf("B 40,48 163,139 120/180/120");  // at 43, 51
        const qsizetype first = sheets.indexOf("newpage"), second = sheets.lastIndexOf("newpage");
        QVERIFY(nederland >= 0 && nederland < first && first < europa && europa < second && second < blokken);
        QCOMPARE(sheets.count("newpage"), 2);
        QCOMPARE(h.dialogs.messages(),
                 QStringList{"Niet afgedrukt: Kapot (regel 2: het aantal kaders moet een geheel getal van 0 tot 20 zijn)"});
        // The open page is left as it was.
        QVERIFY(m.design() == open);
        QCOMPARE(m.pic()->picture(), picture);
        QCOMPARE(m.undoStore().size(), 1);
    }

    void nothingReadableMakesNoJob()
    {
        Harness h;
        QFile broken(h.library() + "/Kapot.bmp");
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.close();
        Main &m = h.start();
        h.printer.destination = false;
        h.extra.albums.enqueue(AlbumKeuze{{"Kapot"}, false});
        m.action("ExtraAlbum")->trigger();
        QVERIFY(h.printer.jobs.isEmpty());
        QCOMPARE(h.dialogs.messages(), QStringList{"Niet afgedrukt: Kapot (ontwerpbestand ontbreekt)"});
        QVERIFY(h.dialogs.calls.last().kind != "save");

        // Two pictures of one name are offered by their file names, each
        // with its reason.
        QVERIFY(QFile::rename(h.library() + "/Kapot.bmp", h.library() + "/Kapot.BMP"));
        QVERIFY(QFile::copy(h.library() + "/Kapot.BMP", h.library() + "/Kapot.bmp"));
        m.RefreshLibrary();
        h.extra.albums.enqueue(AlbumKeuze{{"Kapot.BMP", "Kapot.bmp"}, false});
        m.action("ExtraAlbum")->trigger();
        QCOMPARE(h.extra.albumOffers.last(), (QStringList{"Kapot.BMP", "Kapot.bmp"}));
        QCOMPARE(h.dialogs.messages().last(), QStringLiteral("Niet afgedrukt: Kapot.BMP (bestanden niet zeker te paren), "
                                                             "Kapot.bmp (bestanden niet zeker te paren)")); // no PDF file asked for
    }
};

QTEST_MAIN(TestAlbum)
#include "test_album.moc"
