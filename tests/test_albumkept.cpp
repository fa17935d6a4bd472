// The album kept with its pages: its file read back and refused when
// damaged, laid out again over pages the collector changed, offered again
// in a new window and for printing.

#include "fakes.h"
#include "fixtures.h"

#include "library/albumfile.h"
#include "library/albumput.h"

#include <QAction>
#include <QDir>
#include <QTest>

#include <random>

using namespace plenvik;
using namespace plenvik::test;

class TestAlbumKept : public QObject {
    Q_OBJECT
private slots:
    void theAlbumFile()
    {
        BewaardAlbum a;
        a.velden.naam = QStringLiteral("\u03a9 Zegels");
        a.velden.vervolg = QStringLiteral(" (vervolg)");
        a.velden.margeTiende = 15;
        a.velden.layout.kadersPerPagina = 30;
        a.map = QStringLiteral("/home/anna");
        a.paginas = {QStringLiteral("\u03a9 Zegels 01")};
        a.lijst = QStringLiteral("= 1852\nNVPH 1; 22; 26\n\n");
        const QByteArray bytes = albumFileBytes(a);
        QCOMPARE(bytes, QByteArray("Plenvik album 1\r\nNaam=\xce\xa9 Zegels\r\nTitel=\r\nEerste paginanummer=1\r\nTussenruimte=5\r\n"
                                   "Rijafstand=12\r\nMarge=1.5\r\nElke uitgifte op een nieuwe pagina=0\r\nVervolgtekst= (vervolg)\r\n"
                                   "Koppen boven de uitgiften=1\r\nGrootte van de koppen=12\r\nKaders per pagina=30\r\nMap=/home/anna\r\n"
                                   "Pagina=\xce\xa9 Zegels 01\r\nLijst\r\n= 1852\r\nNVPH 1; 22; 26\r\n\r\n\r\n"));
        QCOMPARE(parseAlbumFile(bytes), a);
        // Each damage is named by its line, and nothing is taken.
        const std::pair<QByteArray, QByteArray> damaged[] = {
            {"Plenvik album 1\r\n", "Plenvik album 2\r\n"},
            {"Marge=1.5", "Marge=1,5"},
            {"Kaders per pagina=30", "Kaders per pagina=101"},
            {"Titel=\r\n", ""},
            {"Pagina=\xce\xa9 Zegels 01", "Pagina=a/b"},
            {"Lijst\r\n", "Lijsten\r\n"},
        };
        const char *const said[] = {"regel 1: \"Plenvik album 1\" verwacht", "regel 7: Marge kan niet worden gelezen",
                                    "regel 12: Kaders per pagina kan niet worden gelezen", "regel 3: \"Titel=\" verwacht",
                                    "regel 14: 'a/b' kan geen pagina van het album zijn",
                                    "regel 15: \"Pagina=\" of \"Lijst\" verwacht"};
        for (int i = 0; i < int(std::size(damaged)); ++i) {
            QString why;
            QVERIFY(!parseAlbumFile(QByteArray(bytes).replace(damaged[i].first, damaged[i].second), &why));
            QCOMPARE(why, QString::fromUtf8(said[i]));
        }
        QString why;
        QVERIFY(!parseAlbumFile(bytes + QByteArray(kAlbumMaxBytes, 'x'), &why));
        QCOMPARE(why, QStringLiteral("regel 1: het album is groter dan 2 MB"));
    }

    // A put, a hand edit of page 1, a longer list, a shorter one, and the
    // album again in a new window and for printing.
    void laidOutAgainKeepsTheCollectorsChanges()
    {
        Harness h;
        Main &m = h.start();
        IndelenVelden v;
        v.naam = QStringLiteral("Nederland");
        v.koppen = false;
        // Frames of 150 x 100 mm: two rows, two frames, to a page.
        h.extra.indelenStappen = {{"NVPH 1; 150; 100; 4", v, {}, true}};
        m.action("ExtraAlbumIndelen")->trigger();
        QCOMPARE(h.extra.indelenMeldingen.last(), QStringLiteral("2 supplementen in de bibliotheek gezet."));
        QVERIFY(fileBytes(h.library() + "/Nederland.album").endsWith("\r\nPagina=Nederland 01\r\nPagina=Nederland 02\r\nLijst\r\nNVPH 1; 150; 100; 4\r\n"));

        // Page 1 gets a frame more by hand, and is saved.
        doubleClickEntry(m, QStringLiteral("Nederland 01"));
        h.extra.kaders.enqueue(KaderInvoer{10, 10, 20, 20, false, QStringLiteral("eigen")});
        m.action("ExtraKaderInvoeren")->trigger();
        h.dialogs.inputs.enqueue(QStringLiteral("Nederland 01"));
        m.action("FileSave")->trigger();
        const QByteArray edited = fileBytes(h.library() + "/Nederland 01.sup");
        const QByteArray editedPicture = fileBytes(h.library() + "/Nederland 01.bmp");
        QVERIFY(edited.contains("\r\n\"eigen\"\r\n"));

        // One stamp more: the question names page 1 as changed, page 2 as
        // replaced; page 1 is kept under a name of its own, byte for byte.
        h.extra.indelenStappen = {{"NVPH 1; 150; 100; 5", v, {}, true}};
        h.extra.vervangAntwoorden.enqueue(AlbumAntwoord::EigenBewaren);
        m.action("ExtraAlbumIndelen")->trigger();
        QCOMPARE(h.extra.vervangVragen.last().section('\n', 0, 3),
                 QStringLiteral("Het album Nederland wordt opnieuw ingedeeld.\nVervangen worden: Nederland 02.\n"
                                "Nederland 01 is na het indelen veranderd.\n"));
        QCOMPARE(h.extra.indelenMeldingen.last(),
                 QStringLiteral("3 supplementen in de bibliotheek gezet. Bewaard als eigen supplement: Nederland 01 (eigen)."));
        QCOMPARE(fileBytes(h.library() + "/Nederland 01 (eigen).sup"), edited);
        QCOMPARE(fileBytes(h.library() + "/Nederland 01 (eigen).bmp"), editedPicture);
        QCOMPARE(paginaStaat(h.library(), QStringLiteral("Nederland 01"), v.naam), PaginaStaat::AlsIngedeeld);
        // The open page had no changes: the window shows the new one.
        QVERIFY(!m.listingText().contains(",eigen"));
        QVERIFY(!m.isPageChanged());

        // Changed in the window and then replaced: the window says so and
        // keeps its changes, marked changed.
        h.extra.kaders.enqueue(KaderInvoer{10, 10, 20, 20, false, QStringLiteral("weer")});
        m.action("ExtraKaderInvoeren")->trigger();

        // A shorter list: pages 2 and 3 are left over, and go on Vervangen.
        h.extra.indelenStappen = {{"NVPH 1; 150; 100; 2", v, {}, true}};
        h.extra.vervangAntwoorden.enqueue(AlbumAntwoord::Vervangen);
        m.action("ExtraAlbumIndelen")->trigger();
        QCOMPARE(h.extra.vervangVragen.last().section('\n', 0, 4),
                 QStringLiteral("Het album Nederland wordt opnieuw ingedeeld.\nVervangen worden: Nederland 01.\n"
                                "Nederland 02 hoort niet meer bij het album.\nNederland 03 hoort niet meer bij het album.\n"));
        QCOMPARE(listEntries(m), (QStringList{"Nederland 01", "Nederland 01 (eigen)"}));
        QVERIFY(h.dialogs.messages().last().startsWith("Het open supplement Nederland 01 is in de bibliotheek vervangen door het nieuwe."));
        QVERIFY(m.listingText().contains(",weer") && m.isPageChanged());

        // A new window opens on the album with its list and fields; choosing
        // it in "Naam" over a list of the user's own asks first.
        h.extra.indelenStappen = {{"typed; 20; 20", v, {}, false, QStringLiteral("Nederland")}};
        h.dialogs.answers.enqueue(false);
        Main &again = h.start();
        again.action("ExtraAlbumIndelen")->trigger();
        QCOMPARE(h.extra.indelenStarts.last(), v);
        QCOMPARE(h.extra.indelenLijsten.last(), QStringLiteral("NVPH 1; 150; 100; 2"));
        QCOMPARE(h.extra.indelenAlbums.last(), QStringList{"Nederland"});
        QCOMPARE(h.extra.indelenGekozen.size(), 0);
        QCOMPARE(h.dialogs.calls.last().text, QStringLiteral("De lijst in het venster staat in geen album. Het album Nederland "
                                                             "openen en die lijst laten gaan?"));

        // "Album afdrukken" offers it with its one page, chosen.
        again.action("ExtraAlbum")->trigger();
        QCOMPARE(h.extra.albumsOffered.last(), (std::pair{QList<AfdrukAlbum>{{"Nederland", {"Nederland 01"}}}, 0}));
    }

    // Puts of longer and shorter lists, hand edits of the album's pages in
    // the window and every answer, in any order from a fixed seed. After each
    // step: every page the collector saved is in the library byte for byte,
    // unless a question named it and was answered "Vervangen"; the album
    // names the pages it put, and no part file or record is left.
    void anyOrderLosesNoHandEdit()
    {
        Harness h;
        Main &m = h.start();
        IndelenVelden v;
        v.naam = QStringLiteral("Reeks");
        v.koppen = false;
        std::mt19937 random(20261209);
        QHash<QString, QByteArray> edits; // the page saved by hand, its design file
        QStringList put;                  // the pages of the last put that went through
        const QDir lib(h.library());
        for (int step = 0; step < 60; ++step) {
            if (put.isEmpty() || random() % 2 == 0) {
                // Two frames of 150 x 100 mm to a page: 1 to 3 pages.
                const int frames = 1 + int(random() % 6);
                h.extra.indelenStappen = {{QStringLiteral("A; 150; 100; %1").arg(frames), v, {}, true}};
                const auto answer = AlbumAntwoord(random() % 3);
                h.extra.vervangAntwoorden.clear();
                h.extra.vervangAntwoorden.enqueue(answer);
                const qsizetype asked = h.extra.vervangVragen.size();
                m.action("ExtraAlbumIndelen")->trigger();
                const QString question = h.extra.vervangVragen.size() > asked ? h.extra.vervangVragen.last() : QString();
                if (h.extra.indelenMeldingen.last() != QStringLiteral("Niets in de bibliotheek gezet.")) {
                    put = albumPageNames(v.naam, 1, (frames + 1) / 2);
                    for (const QString &name : edits.keys())
                        if (answer == AlbumAntwoord::Vervangen && question.contains(QLatin1Char('\n') + name + QLatin1Char(' ')))
                            edits.remove(name);
                }
            } else {
                // A frame more on one of the album's pages, saved over it.
                const QString name = put.at(int(random() % put.size()));
                doubleClickEntry(m, name);
                const QString caption = QStringLiteral("hand %1").arg(step);
                h.extra.kaders.enqueue(KaderInvoer{10 + int(random() % 100), 10 + int(random() % 100), 10, 10, false, caption});
                m.action("ExtraKaderInvoeren")->trigger();
                h.dialogs.inputs.enqueue(name);
                m.action("FileSave")->trigger();
                const QByteArray saved = fileBytes(lib.filePath(name + ".sup"));
                if (saved.contains(caption.toUtf8()))
                    edits.insert(name, saved);
            }
            QSet<QByteArray> designs;
            for (const QString &f : lib.entryList({"*.sup"}, QDir::Files))
                designs.insert(fileBytes(lib.filePath(f)));
            for (auto it = edits.cbegin(); it != edits.cend(); ++it)
                QVERIFY2(designs.contains(it.value()), qPrintable(QStringLiteral("step %1: %2 lost").arg(step).arg(it.key())));
            const std::optional<BewaardAlbum> album = readAlbum(h.library(), v.naam);
            QCOMPARE(album ? album->paginas : QStringList(), put);
            QCOMPARE(lib.entryList({".*plenvik*"}, QDir::Files | QDir::Hidden), QStringList());
        }
    }
};

QTEST_MAIN(TestAlbumKept)
#include "test_albumkept.moc"
