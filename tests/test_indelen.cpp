// "Album indelen": the list read line by line, the pages with their texts
// and names, and the pages put into the library through the main window.

#include "albumcases.h"
#include "fakes.h"

#include "design/albumlayout.h"
#include "design/stamplist.h"
#include "library/indelensettings.h"
#include "library/pagefiles.h"
#include "library/safewrite.h"

#include <QAction>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>

using namespace plenvik;
using namespace plenvik::test;

class TestIndelen : public QObject {
    Q_OBJECT
private slots:
    void readsTheList()
    {
        const QString text = QStringLiteral("# Nederland\r\n"
                                            "Zonder uitgifte; 2 cm; 1in\r\n"
                                            "= 1852 Koning Willem III;;;\r\n"
                                            ";;\t;\r\n"
                                            "  NVPH 1 ;22; 26;; nvph1.jpg \r\n"
                                            "NVPH 0098\t21,5\t25\t3\t\r\n"
                                            "\r\n"
                                            "= 1864\r\n"
                                            "Blok; 100.001; 60;\r\n");
        // A margin of 0.5 mm on every side, rounded up to whole millimetres.
        const StampListResult r = readStampList(text, 5);
        QVERIFY2(r.errors.isEmpty(), qPrintable(r.errors.join('\n')));
        QCOMPARE(r.list.issues, (QStringList{"", "1852 Koning Willem III", "1864"}));
        // A picture may follow with the count left empty.
        QCOMPARE(r.list.frames, (QList<StampFrame>{{"Zonder uitgifte", 21, 27, 0, "", 2}, {"NVPH 1", 23, 27, 1, "nvph1.jpg", 5},
                                                   {"NVPH 0098", 23, 26, 1, "", 6}, {"NVPH 0099", 23, 26, 1, "", 6},
                                                   {"NVPH 0100", 23, 26, 1, "", 6}, {"Blok", 102, 61, 2, "", 9}}));
        // A stamp of exactly the area's width still fits, and so does a list
        // of exactly the most frames an album takes.
        QVERIFY(readStampList(QStringLiteral("A; 159,5; 214"), 2).errors.isEmpty());
        QCOMPARE(readStampList(QStringLiteral("A; 20; 20; 10000"), 0).list.frames.size(), 10000);
    }

    void badLinesAreNamed_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("heading");
        QTest::newRow("width") << "NVPH 1; 2x; 26" << "Regel 3: de breedte '2x' is geen getal" << 0;
        QTest::newRow("height") << "NVPH 1; 22; -4" << "Regel 3: de hoogte '-4' is geen getal" << 0;
        QTest::newRow("height 0") << "NVPH 1; 22; 0,0" << "Regel 3: breedte en hoogte moeten groter zijn dan 0" << 0;
        QTest::newRow("fields") << "NVPH 1; 22" << "Regel 3: verwacht onderschrift; breedte; hoogte en eventueel een aantal" << 0;
        QTest::newRow("count") << "NVPH 1; 22; 26; 0" << "Regel 3: het aantal '0' is geen heel getal van 1 tot 10000" << 0;
        QTest::newRow("too wide") << "Blok; 160,1; 26" << "Regel 3: dit kader is breder dan de ruimte op het blad (160 mm)" << 0;
        QTest::newRow("too high") << "Blok; 60; 216" << "Regel 3: dit kader is hoger dan de ruimte op het blad (215 mm)" << 0;
        QTest::newRow("too high under a heading") << "= A\nBlok; 60; 210" << "Regel 4: dit kader is met de kop erboven hoger dan de ruimte op het blad (215 mm)" << 51;
        QTest::newRow("tab in a heading") << "= A\tB" << "Regel 3: de naam van de uitgifte bevat 'U+0009', dat een supplement niet kan bewaren" << 10;
        QTest::newRow("caption") << "Zegel \"Ω\"; 22; 26" << "Regel 3: het onderschrift bevat '\"', dat een supplement niet kan bewaren" << 0;
        QTest::newRow("issue") << "= Ωmega" << "Regel 3: de naam van de uitgifte bevat 'Ω', dat een supplement niet kan bewaren" << 0;
        QTest::newRow("unseen") << QString::fromUtf8("= A\u0081") << "Regel 3: de naam van de uitgifte bevat 'U+0081', dat een supplement niet kan bewaren" << 0;
        QTest::newRow("too many") << "A; 20; 20; 6000\nB; 20; 20; 4001"
                                  << "De lijst heeft meer dan 10000 kaders; dat zijn er te veel voor een album." << 0;
    }
    void badLinesAreNamed()
    {
        QFETCH(QString, line);
        QFETCH(QString, error);
        QFETCH(int, heading);
        const StampListResult r = readStampList(QStringLiteral("# lijst\nNVPH 0; 22; 26\n") + line, 0, kA4Area, heading);
        QCOMPARE(r.errors, QStringList{error});
    }

    void filesInEitherEncoding()
    {
        QCOMPARE(decodeStampList("\xEF\xBB\xBFNVPH \xE2\x82\xAC; 22; 26"), QStringLiteral("NVPH €; 22; 26"));
        QCOMPARE(decodeStampList("Caf\xC3\xA9; 22; 26"), QStringLiteral("Café; 22; 26"));
        QCOMPARE(decodeStampList("Caf\xE9 \x80; 22; 26"), QStringLiteral("Café €; 22; 26"));
    }

    // 25 frames of issue A, 4 to a row, and 3 of B: seven even rows of A
    // (4 4 4 4 3 3 3), the first page as full as five rows allow.
    void pagesTheirTextsAndNames()
    {
        StampList list{{"A", "B"}, frames(25, 30, 30, 0) + frames(3, 30, 30, 1)};
        LayoutSettings s;
        QList<LaidPage> pages = layAlbum(list.frames, s);
        QCOMPARE(pageSizes(pages), (QList<int>{19, 9}));
        QCOMPARE(rowSizes(pages), (QList<int>{4, 4, 4, 4, 3, 3, 3, 3}));
        QCOMPARE(pageSubtitle(list, pages, 0, QStringLiteral(" (vervolg)")), QStringLiteral("A"));
        QCOMPARE(pageSubtitle(list, pages, 1, QStringLiteral(" (verv.)")), QStringLiteral("A (verv.) / B"));

        s.issuePerPage = true;
        pages = layAlbum(list.frames, s);
        QCOMPARE(pageSizes(pages), (QList<int>{19, 6, 3}));
        QCOMPARE(pageSubtitle(list, pages, 2, QStringLiteral(" (vervolg)")), QStringLiteral("B"));
        QCOMPARE(albumPageNames("Album", 9, 3), (QStringList{"Album 09", "Album 10", "Album 11"}));
        QCOMPARE(albumPageNames("Album", 99, 3), (QStringList{"Album 099", "Album 100", "Album 101"}));
    }

    // The page the program lays out is byte for byte the page entered by
    // hand with "Kader invoeren", and the open page is left alone.
    void laidOutPageEqualsThePageEnteredByHand()
    {
        Harness h;
        Main &m = h.start();
        m.action("ToolsBorder(2)")->trigger();
        m.action("EditBinnenkader")->trigger();
        h.extra.kaders.enqueue(KaderInvoer{10, 10, 20, 20, false, "open"});
        m.action("ExtraKaderInvoeren")->trigger();
        const PageDesign open = m.design();
        const QImage picture = m.pic()->picture();

        // The program's own Vervolgtekst kept by an English window opens in
        // this one's language.
        QVERIFY(writeFileWhole(h.dir.filePath("Indelen.ini"), "Blad\r\nProef\r\n1\r\n5\r\n12\r\n0.0\r\n0\r\n\" (continued)\"\r\n"));
        IndelenVelden velden;
        velden.titel = QStringLiteral("Proef");
        velden.naam = QStringLiteral("Blad");
        velden.koppen = false;
        h.extra.indelenStappen = {{"= 1852\nNVPH 1; 22; 30; 7", velden, {0}, true}};
        m.action("ExtraAlbumIndelen")->trigger();
        QCOMPARE(h.extra.indelenStarts.value(0).vervolg, QStringLiteral(" (vervolg)"));
        QCOMPARE(h.extra.indelenUitkomsten.value(0).regel, QStringLiteral("1 pagina, 7 kaders"));
        QCOMPARE(h.extra.indelenMeldingen, QStringList{"1 supplement in de bibliotheek gezet."});
        QVERIFY(m.design() == open);
        QCOMPARE(m.pic()->picture(), picture);
        QCOMPARE(m.undoStore().size(), 1);
        QCOMPARE(h.extra.indelenVoorbeelden.value(0).size(), QSize(kCanvasWidth, kCanvasHeight));
        QCOMPARE(fileBytes(h.dir.filePath("Indelen.ini")),
                 QByteArray("Blad\r\nProef\r\n1\r\n5\r\n12\r\n0.0\r\n0\r\n\" (vervolg)\"\r\n0\r\n12\r\n"));
        // A name Windows-1252 cannot hold comes back as it was typed; frames
        // per page other than 20 take an eleventh line.
        velden.naam = QStringLiteral("Ωmega");
        velden.vervolg = QStringLiteral(" (cont.)");
        velden.layout.kadersPerPagina = 30;
        QCOMPARE(indelenSettingsBytes(velden).left(16), QByteArray("U\"%CE%A9mega\"\r\nP"));
        QVERIFY(indelenSettingsBytes(velden).endsWith("\r\n12\r\n30\r\n"));
        QCOMPARE(parseIndelenSettings(indelenSettingsBytes(velden), QStringLiteral(" (vervolg)")), velden);

        // The same page by hand, at the places worked out above.
        h.dialogs.answers.enqueue(true);
        m.action("FileNew")->trigger();
        m.action("ToolsBorder(2)")->trigger();
        const int lefts[] = {54, 81, 108, 135, 67, 94, 121};
        for (int i = 0; i < 7; ++i) {
            h.extra.kaders.enqueue(KaderInvoer{lefts[i], i < 4 ? 100 : 181, 22, 30, true, QStringLiteral("NVPH %1").arg(i + 1)});
            m.action("ExtraKaderInvoeren")->trigger();
        }
        for (const char *text : {"Proef", "1852", "1"})
            h.dialogs.inputs.enqueue(QString::fromLatin1(text));
        m.action("ToolsTitel")->trigger();
        m.action("ToolsSubTitel")->trigger();
        m.action("ToolsPaginanummer")->trigger();
        h.dialogs.inputs.enqueue(QStringLiteral("Met de hand"));
        m.action("FileSave")->trigger();
        QCOMPARE(fileBytes(h.library() + "/Blad 01.bmp"), fileBytes(h.library() + "/Met de hand.bmp"));
        // The laid-out page says, on a line of its own at the end, that it
        // is the album's.
        const QByteArray laid = fileBytes(h.library() + "/Blad 01.sup"), hand = fileBytes(h.library() + "/Met de hand.sup");
        QCOMPARE(laid.left(hand.size()), hand);
        QVERIFY2(QRegularExpression("^\"Album\",\"Blad\",\"[0-9a-f]{40}\"\r\n$").match(QString::fromLatin1(laid.mid(hand.size()))).hasMatch(),
                 laid.mid(hand.size()).constData());
    }

    // Headings of 12 pt take 3.81 mm of letters ((1409 + 434) / 2048 of
    // 4.23 mm) and 2 mm: 5.9 mm, so a page holds one row of 100 mm, not
    // two. A lone row (block 105.9 of 215 mm) has its heading at 48 +
    // 109.1 / 2 = 102.55 and its frames at 108.45; on page 3 the two blocks
    // (105.9 and 35.9) leave 73.2 mm in thirds: headings at 72.4 and 202.7,
    // rows at 78.3 and 208.6.
    void headingsOnTheLaidOutPages()
    {
        Harness h;
        Main &m = h.start();
        h.extra.indelenStappen = {{"= 1852\nA; 150; 100; 3\n= \u03a9mega\nB; 30; 30; 2", IndelenVelden{}, {}, true}};
        m.action("ExtraAlbumIndelen")->trigger();
        QCOMPARE(h.extra.indelenUitkomsten.value(0).regel, QStringLiteral("3 pagina's, 5 kaders"));
        const auto heading = [](const QString &text, int top) { return Tekst{text, double(top), 0, true, 12, true}; };
        const QList<QList<Tekst>> texts{{heading("1852", 103)},
                                        {heading("1852 (vervolg)", 103)},
                                        {heading("1852 (vervolg)", 72), heading(QStringLiteral("\u03a9mega"), 203)}};
        const QList<QList<int>> tops{{108}, {108}, {78, 209, 209}};
        for (int i = 0; i < 3; ++i) {
            const std::optional<PageDesign> page = readPageDesign(h.library(), QStringLiteral("Album 0%1").arg(i + 1));
            QVERIFY(page);
            QCOMPARE(QList<Tekst>(page->Teksten.begin(), page->Teksten.begin() + page->TekstCount), texts.at(i));
            QCOMPARE(page->PageSubtitle, QString());
            QList<int> kaderTops;
            for (int k = 0; k < page->KaderCount; ++k)
                kaderTops << int(page->Kaders.at(k).TopMm);
            QCOMPARE(kaderTops, tops.at(i));
        }
    }

    // Names that exist are asked for once; No writes nothing. A page that
    // cannot be written is named, and the others are written whole.
    void intoTheLibrary()
    {
        Harness h;
        for (const char *f : {"Album 02.sup", "Album 03.bmp"}) {
            QFile file(h.library() + "/" + f);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("eigen");
        }
        Main &m = h.start();
        const QString list = QStringLiteral("A; 150; 100; 5");
        h.extra.indelenStappen = {{list, IndelenVelden{}, {}, true}};
        // Files of the names the album did not lay out are named; Stoppen
        // leaves them.
        m.action("ExtraAlbumIndelen")->trigger();
        QCOMPARE(h.extra.vervangVragen.last().section('\n', 0, 2),
                 QStringLiteral("Het album Album wordt opnieuw ingedeeld.\nAlbum 02 is niet door dit album ingedeeld.\n"
                                "Album 03 is niet door dit album ingedeeld."));
        QCOMPARE(h.extra.indelenMeldingen.last(), QStringLiteral("Niets in de bibliotheek gezet."));
        QCOMPARE(QDir(h.library()).entryList(QDir::Files), (QStringList{"Album 02.sup", "Album 03.bmp"}));

        // Vervangen, with a folder standing where page 2's design file goes:
        // nothing of the album is put.
        QVERIFY(QFile::remove(h.library() + "/Album 02.sup") && QDir(h.library()).mkdir("Album 02.sup"));
        h.extra.vervangAntwoorden.enqueue(AlbumAntwoord::Vervangen);
        m.action("ExtraAlbumIndelen")->trigger();
        QCOMPARE(h.dialogs.messages(), QStringList{"Het album Album is niet in de bibliotheek gezet."});
        QCOMPARE(h.extra.indelenMeldingen.last(), QStringLiteral("Niets in de bibliotheek gezet."));
        QCOMPARE(QDir(h.library()).entryList(QDir::Files | QDir::Hidden), QStringList{"Album 03.bmp"});

        // Cancel in the progress stops with nothing put.
        QVERIFY(QDir(h.library()).rmdir("Album 02.sup"));
        h.extra.cancelAtStep = 2;
        h.extra.vervangAntwoorden.enqueue(AlbumAntwoord::Vervangen);
        m.action("ExtraAlbumIndelen")->trigger();
        QCOMPARE(h.extra.indelenMeldingen.last(), QStringLiteral("Niets in de bibliotheek gezet."));
        QCOMPARE(QDir(h.library()).entryList(QDir::Files | QDir::Hidden), QStringList{"Album 03.bmp"});
        h.extra.cancelAtStep = -1;

        // More than ten are named one a line, the rest counted.
        for (int i = 1; i <= 12; ++i) {
            QFile own(h.library() + QStringLiteral("/Album %1.sup").arg(i, 2, 10, QLatin1Char('0')));
            QVERIFY(own.open(QIODevice::Append));
        }
        h.extra.indelenStappen = {{"A; 150; 150; 12", IndelenVelden{}, {}, true}};
        m.action("ExtraAlbumIndelen")->trigger();
        QVERIFY(h.extra.vervangVragen.last().contains("\nAlbum 10 is niet door dit album ingedeeld.\n... en nog 2\n\nVervangen: "));

        // Nine faults: eight shown, one counted.
        h.extra.indelenStappen = {{"x\nx\nx\nx\nx\nx\nx\nx\nx", IndelenVelden{}, {}, false}};
        m.action("ExtraAlbumIndelen")->trigger();
        const QString regel = h.extra.indelenUitkomsten.last().regel;
        QCOMPARE(regel.count(QLatin1Char('\n')), 8);
        QVERIFY(regel.endsWith("\nRegel 8: verwacht onderschrift; breedte; hoogte en eventueel een aantal\n... en nog 1 fout"));
    }
};

QTEST_MAIN(TestIndelen)
#include "test_indelen.moc"
