// The library through the window: saving, loading and deleting pages,
// with scripted dialogs and fake services.

#include "fakes.h"
#include "fixtures.h"

#include "app/clock.h"
#include "app/helptext.h"
#include "app/language.h"
#include "app/layout.h"
#include "canvas/grid.h"
#include "canvas/loep.h"
#include "canvas/pic.h"
#include "design/listing.h"
#include "library/designfile.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

using namespace plenvik;
using namespace plenvik::test;

class TestWindowPages : public QObject {
    Q_OBJECT
private slots:
    void saveAndLoadBackAPage()
    {
        Harness h;
        Main &m = h.start();
        drawPage(h, m);
        const PageDesign drawn = m.design();
        const QImage picture = m.pic()->picture();

        h.dialogs.inputs.enqueue(QStringLiteral("Europa"));
        m.action("FileSave")->trigger();
        QVERIFY(h.dialogs.messages().isEmpty());
        QCOMPARE(h.dialogs.calls.last().title, QStringLiteral(" Supplement opslaan"));
        QCOMPARE(listEntries(m), QStringList{"Europa"});
        QVERIFY(qobject_cast<QListWidget *>(m.control("List1"))->selectedItems().isEmpty());
        const QByteArray saved = fileBytes(h.library() + "/Europa.sup");
        QCOMPARE(saved, QByteArray("\"Varnholt Software 2009\"\r\n2\r\n\"--------------------------\"\r\n"
                                   "112,93,67,33,0\r\n\"1598\"\r\n19,171,56,46,1\r\n\"a, b\"\r\n"
                                   "\"--------------------------\"\r\n120,180,120\r\n#TRUE#\r\n2\r\n"
                                   "\" Europa  \"\r\n\"\"\r\n\"12\"\r\n"));

        m.action("FileNew")->trigger();
        QCOMPARE(h.dialogs.calls.last().title, QStringLiteral(" Nieuw"));
        QCOMPARE(m.design().KaderCount, 0);
        QCOMPARE(m.pic()->picture(), gridPicture());
        QVERIFY(!m.pic()->lijstVisible());
        QVERIFY(m.pic()->pageTextCaption(Pic::PageText::Titel).isEmpty());
        QVERIFY(m.pic()->pageTextCaption(Pic::PageText::PaginaLabel).isEmpty());
        QVERIFY(m.listingText().startsWith("Border...........: Uit\r\nBorderbreedte...: 1 pixels\r\n"));
        QVERIFY(m.action("ToolsBorder(0)")->isChecked());
        QCOMPARE(m.undoStore().size(), 0);
        for (int k = 1; k <= 20; ++k)
            QCOMPARE(m.design().kader(k).Binnenrand, 0);

        doubleClickEntry(m, "Europa");
        QVERIFY(h.dialogs.messages().isEmpty());
        QVERIFY(m.design() == drawn);
        QCOMPARE(m.pic()->picture(), picture);
        QCOMPARE(qobject_cast<QLabel *>(m.control("InfoLabel"))->text(), QStringLiteral("Europa"));
        QVERIFY(m.pic()->lijstVisible());
        QCOMPARE(m.pic()->lijstWidth(), 2);
        QVERIFY(m.action("ToolsBorder(2)")->isChecked());
        QCOMPARE(m.pic()->pageTextCaption(Pic::PageText::Titel), QStringLiteral("Europa"));
        QCOMPARE(m.listingText(), QStringLiteral("Border...........: Aan\r\nBorderbreedte...: 2 pixels\r\n"
                                                 "Borderkleur......: 120,180,120\r\n\r\nPaginatitel.......:  Europa  \r\n"
                                                 "Subtitel..........: \r\nPaginanummer....: 12\r\n\r\n"
                                                 "Kader 1...: 112,93,67,33,0,1598\r\nKader 2...: 19,171,56,46,1,a, b\r\n"));

        // Loaded frames are part of the picture: Undo cannot take them off.
        m.action("EditUndo")->trigger();
        QCOMPARE(m.design().KaderCount, 2);
        QCOMPARE(m.pic()->picture(), picture);

        h.dialogs.inputs.enqueue(QStringLiteral("Kopie"));
        m.action("FileSave")->trigger();
        QCOMPARE(fileBytes(h.library() + "/Kopie.sup"), saved);
        QCOMPARE(fileBytes(h.library() + "/Kopie.bmp"), fileBytes(h.library() + "/Europa.bmp"));
        QCOMPARE(listEntries(m), (QStringList{"Europa", "Kopie"}));
    }

    void loadSetsColourThroughTheSliders()
    {
        Harness h;
        Main &m = h.start();
        qobject_cast<QScrollBar *>(m.control("ScrollR"))->setValue(10);
        h.dialogs.inputs.enqueue(QStringLiteral("Rood"));
        m.action("FileSave")->trigger();
        qobject_cast<QScrollBar *>(m.control("ScrollR"))->setValue(250);
        m.action("ToolsBorder(1)")->trigger();
        doubleClickEntry(m, "Rood");
        QCOMPARE(m.design().ColourR, 10);
        QCOMPARE(qobject_cast<QLabel *>(m.control("LabelR"))->text(), QStringLiteral("R : 10"));
        QCOMPARE(m.control("KleurLabel")->palette().color(QPalette::Window), QColor(10, 180, 120));
        QVERIFY(!m.pic()->lijstVisible());
        QVERIFY(m.action("ToolsBorder(0)")->isChecked());
    }

    void emptyTitleOnLoadBlanksTheLabelInPlace()
    {
        Harness h;
        Main &m = h.start();
        h.dialogs.inputs.enqueue(QStringLiteral("Zonder titel"));
        m.action("FileSave")->trigger();
        h.dialogs.inputs.enqueue(QStringLiteral("Een lange titel voor dit blad"));
        m.action("ToolsTitel")->trigger();
        const QPoint placed = m.pic()->pageTextRect(Pic::PageText::Titel).topLeft();
        doubleClickEntry(m, "Zonder titel");
        QVERIFY(m.pic()->pageTextCaption(Pic::PageText::Titel).isEmpty());
        QCOMPARE(m.pic()->pageTextRect(Pic::PageText::Titel).topLeft(), placed);
        QVERIFY(m.design().PageTitle.isEmpty());
    }

    void overwriteQuestionAcrossCase()
    {
        Harness h;
        Main &m = h.start();
        h.dialogs.inputs.enqueue(QStringLiteral("europa"));
        m.action("FileSave")->trigger();
        const QByteArray before = fileBytes(h.library() + "/europa.sup");
        drag(m.pic(), QPoint(10, 10), QPoint(50, 50));

        h.dialogs.inputs.enqueue(QStringLiteral("Europa"));
        h.dialogs.answers.enqueue(false);
        m.action("FileSave")->trigger();
        QCOMPARE(h.dialogs.calls.last().kind, QStringLiteral("question"));
        QCOMPARE(h.dialogs.calls.last().text, QStringLiteral("Bestand bestaat reeds, overschrijven?"));
        QCOMPARE(h.dialogs.calls.last().title, QStringLiteral(" File exist"));
        QCOMPARE(fileBytes(h.library() + "/europa.sup"), before);
        QCOMPARE(QDir(h.library()).entryList(QDir::Files), (QStringList{"europa.bmp", "europa.sup"}));
        QCOMPARE(listEntries(m), QStringList{"europa"});

        h.dialogs.inputs.enqueue(QStringLiteral("Europa"));
        m.action("FileSave")->trigger();
        QCOMPARE(QDir(h.library()).entryList(QDir::Files), (QStringList{"Europa.bmp", "Europa.sup"}));
        QCOMPARE(listEntries(m), QStringList{"Europa"});
    }

    void saveRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("withLibrary");
        QTest::newRow("path separator") << "../Plenvik" << true;
        QTest::newRow("backslash") << "a\\b" << true;
        QTest::newRow("dot dot") << ".." << true;
        QTest::newRow("question mark") << "wat?" << true;
        QTest::newRow("library folder missing") << "Europa" << false;
    }

    void saveRefusals()
    {
        QFETCH(QString, name);
        QFETCH(bool, withLibrary);
        Harness h(withLibrary);
        Main &m = h.start();
        QCoreApplication::processEvents();
        drag(m.pic(), QPoint(10, 10), QPoint(50, 50));
        const PageDesign before = m.design();
        const QStringList files = QDir(h.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        h.dialogs.inputs.enqueue(name);
        m.action("FileSave")->trigger();
        QStringList messages{"Kan dit supplement niet opslaan!"};
        if (!withLibrary)
            messages.prepend(QStringLiteral("Supplementen kunnen niet worden opgeslagen in %1: de map bestaat niet en kon niet "
                                       "worden gemaakt.\nOntwerpen, laden en afdrukken gaan gewoon door.").arg(h.library()));
        QCOMPARE(h.dialogs.messages(), messages);
        QVERIFY(m.design() == before);
        QCOMPARE(QDir(h.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), files);
        if (withLibrary)
            QVERIFY(QDir(h.library()).isEmpty());
    }

    void emptyNameSavesNothing()
    {
        Harness h;
        Main &m = h.start();
        m.action("FileSave")->trigger();
        QVERIFY(h.dialogs.messages().isEmpty());
        QVERIFY(QDir(h.library()).isEmpty());
    }

    void badPagesLeaveTheOpenPageAlone_data()
    {
        QTest::addColumn<QByteArray>("sup");
        QTest::addColumn<bool>("goodPicture");
        QTest::addColumn<QString>("why");
        QTest::newRow("design file missing") << QByteArray() << true << "ontwerpbestand ontbreekt";
        QTest::newRow("count above 20") << QByteArray("\"h\"\r\n21\r\n") << true
                                        << "regel 2: het aantal kaders moet een geheel getal van 0 tot 20 zijn";
        QTest::newRow("picture not a bitmap") << designFileBytes(PageDesign{}) << false << "plaatje is geen BMP van 341 x 521";
    }

    void badPagesLeaveTheOpenPageAlone()
    {
        QFETCH(QByteArray, sup);
        QFETCH(bool, goodPicture);
        QFETCH(QString, why);
        Harness h;
        Main &m = h.start();
        if (goodPicture) {
            QVERIFY(gridPicture().save(h.library() + "/Slecht.bmp", "BMP"));
        } else {
            QFile f(h.library() + "/Slecht.bmp");
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("GIF89a nonsense");
        }
        if (!sup.isEmpty()) {
            QFile f(h.library() + "/Slecht.sup");
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(sup);
        }
        m.RefreshLibrary();
        drawPage(h, m);
        const PageDesign before = m.design();
        const QImage picture = m.pic()->picture();
        const QString listing = m.listingText();
        doubleClickEntry(m, "Slecht");
        QCOMPARE(h.dialogs.messages(), QStringList{"Kan dit supplement niet laden!\n" + why});
        QVERIFY(m.design() == before);
        QCOMPARE(m.pic()->picture(), picture);
        QCOMPARE(m.listingText(), listing);
        QCOMPARE(qobject_cast<QLabel *>(m.control("InfoLabel"))->text(), QStringLiteral("Informatie..."));
        QCOMPARE(m.pic()->pageTextCaption(Pic::PageText::Titel), QStringLiteral("Europa"));
    }

    void deleteAPage()
    {
        Harness h;
        Main &m = h.start();
        for (const char *name : {"b", "A", "c"}) {
            h.dialogs.inputs.enqueue(QString::fromLatin1(name));
            m.action("FileSave")->trigger();
        }
        QCOMPARE(listEntries(m), (QStringList{"A", "b", "c"}));

        m.onDelKnopClick();
        QCOMPARE(h.dialogs.messages(), QStringList{"Selecteer eerst een supplement!"});
        QCOMPARE(listEntries(m), (QStringList{"A", "b", "c"}));

        auto *list = qobject_cast<QListWidget *>(m.control("List1"));
        list->setCurrentRow(1);
        h.dialogs.answers.enqueue(false);
        m.onDelKnopClick();
        QCOMPARE(h.dialogs.calls.last().text, QStringLiteral("Wilt u 'b' verwijderen?"));
        QCOMPARE(h.dialogs.calls.last().title, QStringLiteral(" Delete"));
        QCOMPARE(listEntries(m), (QStringList{"A", "b", "c"}));

        m.onDelKnopClick();
        QCOMPARE(listEntries(m), (QStringList{"A", "c"}));
        QCOMPARE(QDir(h.library()).entryList(QDir::Files), (QStringList{"A.bmp", "A.sup", "c.bmp", "c.sup"}));
    }

    void pagesCopiedInUnderAnyNameOpenAndDelete()
    {
        // A page from another machine may carry a name Save would refuse.
        Harness h;
        Main &m = h.start();
        drawPage(h, m);
        h.dialogs.inputs.enqueue(QStringLiteral("Nr 1"));
        m.action("FileSave")->trigger();
        QVERIFY(QFile::rename(h.library() + "/Nr 1.bmp", h.library() + "/Nr: 1.bmp"));
        QVERIFY(QFile::rename(h.library() + "/Nr 1.sup", h.library() + "/Nr: 1.sup"));
        QVERIFY(m.RefreshLibrary());
        m.action("FileNew")->trigger();
        doubleClickEntry(m, QStringLiteral("Nr: 1"));
        QVERIFY(h.dialogs.messages().isEmpty());
        QCOMPARE(m.design().KaderCount, 2);

        // The same page again with its extensions in capitals: the files
        // can no longer be paired for certain, so nothing is read or removed.
        QVERIFY(QFile::copy(h.library() + "/Nr: 1.bmp", h.library() + "/Nr: 1.BMP"));
        QVERIFY(QFile::copy(h.library() + "/Nr: 1.sup", h.library() + "/Nr: 1.SUP"));
        QVERIFY(m.RefreshLibrary());
        QCOMPARE(listEntries(m), (QStringList{"Nr: 1.BMP", "Nr: 1.bmp"}));
        const QString unpaired = QStringLiteral("Niet zeker welke bestanden bij 'Nr: 1' horen: Nr: 1.BMP, Nr: 1.SUP, Nr: 1.bmp, "
                                                "Nr: 1.sup.\nGeef ze buiten Plenvik andere namen, zodat elk supplement één "
                                                "plaatje (.bmp), één ontwerp (.sup) en hoogstens één bestand met afbeeldingen (.afb) heeft.");
        m.action("FileNew")->trigger();
        doubleClickEntry(m, QStringLiteral("Nr: 1.bmp"));
        m.onDelKnopClick();
        QCOMPARE(h.dialogs.messages(), (QStringList{unpaired, unpaired}));
        QCOMPARE(m.design().KaderCount, 0);
        QCOMPARE(QDir(h.library()).entryList(QDir::Files).size(), 4);
        QVERIFY(QFile::remove(h.library() + "/Nr: 1.BMP") && QFile::remove(h.library() + "/Nr: 1.SUP"));
        QVERIFY(m.RefreshLibrary());

        doubleClickEntry(m, QStringLiteral("Nr: 1"));
        m.onDelKnopClick();
        QCOMPARE(h.dialogs.messages().size(), 2);
        QVERIFY(listEntries(m).isEmpty());
        QVERIFY(QDir(h.library()).entryList(QDir::Files).isEmpty());
    }

    void doubleClickOnNoEntryDoesNothing()
    {
        Harness h;
        Main &m = h.start();
        const QString listing = m.listingText();
        m.onList1DblClick();
        QVERIFY(h.dialogs.calls.isEmpty());
        QCOMPARE(m.listingText(), listing);
    }

    // A page without changes asks whether to start anew; a changed one
    // whether to save it, and "Annuleren" keeps it as it is.
    void newAnsweredNoChangesNothing()
    {
        Harness h;
        Main &m = h.start();
        h.dialogs.answers.enqueue(false);
        m.action("FileNew")->trigger();
        QCOMPARE(h.dialogs.calls.last().text, QStringLiteral("Wilt u een nieuw supplement ontwerpen?"));
        drawPage(h, m);
        const PageDesign before = m.design();
        h.dialogs.changes.enqueue(Wijzigingen::Blijven);
        m.action("FileNew")->trigger();
        QVERIFY(m.design() == before);
        QCOMPARE(h.dialogs.calls.last().text, QStringLiteral("Dit supplement is gewijzigd en niet opgeslagen.\nWilt u het opslaan?"));
        QCOMPARE(h.dialogs.calls.last().title, QStringLiteral(" Wijzigingen"));
    }
};

QTEST_MAIN(TestWindowPages)
#include "test_windowpages.moc"
