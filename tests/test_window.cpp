// The main window: its layout, start-up, clock, library commands, help,
// links and magnifier, with scripted dialogs and fake services.

#include "fakes.h"

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

namespace {


QStringList listEntries(Main &m)
{
    auto *list = qobject_cast<QListWidget *>(m.control("List1"));
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void doubleClickEntry(Main &m, const QString &name)
{
    auto *list = qobject_cast<QListWidget *>(m.control("List1"));
    const auto items = list->findItems(name, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    list->setCurrentItem(items.first());
    m.onList1DblClick();
}

QImage bareGrid()
{
    QImage img(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    DrawGrid(img);
    return img;
}

// Draws a small page: two captioned frames, a border, title and number.
void drawPage(Harness &h, Main &m)
{
    h.dialogs.inputs.enqueue(QStringLiteral("1598"));
    drag(m.pic(), QPoint(181, 163), QPoint(290, 221));
    m.action("EditBinnenkader")->trigger();
    h.dialogs.inputs.enqueue(QStringLiteral("a, b"));
    drag(m.pic(), QPoint(30, 300), QPoint(120, 380));
    m.action("EditBinnenkader")->trigger();
    m.action("ToolsBorder(2)")->trigger();
    h.dialogs.inputs.enqueue(QStringLiteral(" Europa  "));
    m.action("ToolsTitel")->trigger();
    h.dialogs.inputs.enqueue(QStringLiteral("12"));
    m.action("ToolsPaginanummer")->trigger();
}
} // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void layout()
    {
        Harness h;
        Main &m = h.start();
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QCOMPARE(m.windowTitle(), QStringLiteral(" Plenvik"));
        QCOMPARE(m.size(), QSize(900, 631));
        QCOMPARE(m.pic()->geometry(), QRect(14, 14, 341, 521));
        QCOMPARE(m.centralWidget()->mapTo(&m, QPoint(0, 0)).y(), m.menuBar()->height());
        QCOMPARE(m.control("Text1")->geometry(), QRect(538, 18, 338, 548));
        QCOMPARE(m.control("List1")->geometry(), QRect(370, 140, 148, 199));
        QCOMPARE(m.control("LoepPic")->geometry(), QRect(374, 394, 107, 107));
        QCOMPARE(m.control("DelKnop")->geometry(), QRect(372, 346, 144, 24));
        QCOMPARE(m.control("ScrollB")->geometry(), QRect(416, 10, 22, 120));
        QCOMPARE(m.control("Label4")->pos(), QPoint(373, 529));
        QCOMPARE(qobject_cast<QLabel *>(m.control("Label4"))->text(), QStringLiteral("Coordinaten  A4 (210 x 297)"));
        QCOMPARE(m.control("List1")->toolTip(), QStringLiteral(" Dubbelklik is supplement laden "));
        QCOMPARE(m.control("Text1")->toolTip(), QStringLiteral(" Gemaakte coordinaten van het supplement "));
        QVERIFY(m.control("HelpLabel")->isHidden());
        // Fonts are laid out at 96 DPI: 9.75 pt is 13 pixels.
        QCOMPARE(m.control("InfoLabel")->font().pixelSize(), 13);
        QCOMPARE(m.control("HelpLabel")->font().pixelSize(), 12);
        QVERIFY(m.control("HelpLabel")->font().italic());
        // The clock keeps its right end against the information bar's.
        QCOMPARE(m.control("KlokLabel")->geometry().right() + 1, 357);

        QStringList menus;
        for (QAction *a : m.menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus, (QStringList{"File", "Edit", "Tools", "Extra", "Help"}));
        QStringList tools;
        for (QAction *a : m.menuBar()->actions().at(2)->menu()->actions())
            tools << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(tools, (QStringList{"Border uit", "Border 1 pixel", "Border 2 pixels", "Border 3 pixels", "-", "Titel",
                                     "Subtitel", "Paginanummer", "-", "Tekenkruis"}));
        QStringList extra;
        for (QAction *a : m.menuBar()->actions().at(3)->menu()->actions())
            extra << a->text();
        QCOMPARE(extra, (QStringList{"Kader invoeren...", "Rij kaders...", "Album indelen...", "Papierformaat...", "Afbeeldingen...", "Stroken...",
                                     "Album afdrukken...", "Printer ijken..."}));
        QVERIFY(m.action("ToolsBorder(0)")->isChecked());
        QVERIFY(!m.action("EditBinnenkader")->isChecked());
        QVERIFY(m.action("HelpUitleg")->isCheckable());
    }

    void startUpDefaults()
    {
        Harness h;
        Main &m = h.start();
        const PageDesign &d = m.design();
        QCOMPARE(d.KaderCount, 0);
        QCOMPARE(d.drawingColour(), (Colour{120, 180, 120}));
        QCOMPARE(qobject_cast<QScrollBar *>(m.control("ScrollR"))->value(), 120);
        QCOMPARE(qobject_cast<QScrollBar *>(m.control("ScrollG"))->value(), 180);
        QCOMPARE(qobject_cast<QLabel *>(m.control("LabelB"))->text(), QStringLiteral("B : 120"));
        QCOMPARE(m.control("BackInfo")->palette().color(QPalette::Window), QColor(220, 220, 140));
        QCOMPARE(m.control("List1")->palette().color(QPalette::Base), QColor(220, 220, 140));
        QCOMPARE(qobject_cast<QLabel *>(m.control("InfoLabel"))->text(), QStringLiteral("Informatie..."));
        QCOMPARE(qobject_cast<QLabel *>(m.control("KlokLabel"))->text(), QStringLiteral("00:00"));
        QCOMPARE(qobject_cast<QLabel *>(m.control("XYlabel"))->text(), QStringLiteral("X = 0 / Y = 0"));
        QCOMPARE(qobject_cast<QLabel *>(m.control("Label6"))->text(), QStringLiteral("0"));
        QCOMPARE(m.listingText(), QStringLiteral("Border...........: Uit\r\nBorderbreedte...: 0 pixels\r\n"
                                                 "Borderkleur......: 120,180,120\r\n\r\nPaginatitel.......: \r\n"
                                                 "Subtitel..........: \r\nPaginanummer....: \r\n\r\n"));
        QCOMPARE(qobject_cast<QPlainTextEdit *>(m.control("Text1"))->toPlainText().count('\n'), 8);
        QCOMPARE(m.pic()->picture(), bareGrid());
        // Start-up keeps the magnifier view shown, at factor 1, over the logo.
        QVERIFY(!m.control("LoepPic")->isHidden());
        QVERIFY(!m.control("Label6")->isHidden());
        QCOMPARE(fileBytes(h.dir.filePath("Plenvik.ini")), QByteArray("120,180,120\r\n220,220,140\r\n"));
    }

    void clockText_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("text");
        const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
        QTest::newRow("morning") << QDateTime(QDate(2026, 12, 6), QTime(9, 5, 3)) << QStringLiteral(" 9:05:03 / ") + dutch.toString(QDate(2026, 12, 6), QLocale::ShortFormat);
        QTest::newRow("evening") << QDateTime(QDate(2026, 1, 2), QTime(23, 59, 59)) << QStringLiteral(" 23:59:59 / ") + dutch.toString(QDate(2026, 1, 2), QLocale::ShortFormat);
        QTest::newRow("midnight") << QDateTime(QDate(2026, 1, 2), QTime(0, 0, 0)) << QStringLiteral(" 0:00:00 / ") + dutch.toString(QDate(2026, 1, 2), QLocale::ShortFormat);
    }
    void clockText()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, text);
        QCOMPARE(plenvik::clockText(now, QLocale(QLocale::Dutch, QLocale::Netherlands)), text);
    }

    void languageIsTheFirstSpoken_data()
    {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QString>("language");
        QTest::newRow("nothing set") << QStringList{} << "nl";
        QTest::newRow("C") << QStringList{"C"} << "nl";
        QTest::newRow("Dutch of Belgium") << QStringList{"nl-BE", "nl"} << "nl";
        QTest::newRow("English") << QStringList{"en-GB", "en"} << "en";
        QTest::newRow("German only") << QStringList{"de-DE", "de"} << "en";
        QTest::newRow("German, then Dutch") << QStringList{"de", "nl"} << "nl";
        QTest::newRow("French, then English, then Dutch") << QStringList{"fr", "en", "nl"} << "en";
    }
    void languageIsTheFirstSpoken()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QString, language);
        QCOMPARE(programLanguage(wanted), language);
    }

    void clockTicks()
    {
        Harness h;
        Main &m = h.start();
        m.onKlokTimer();
        const QString t = qobject_cast<QLabel *>(m.control("KlokLabel"))->text();
        QVERIFY(t.startsWith(' '));
        QVERIFY(t.contains(" / "));
        QCOMPARE(m.control("KlokLabel")->geometry().right() + 1, 357);
    }

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
        QCOMPARE(m.pic()->picture(), bareGrid());
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
            QVERIFY(bareGrid().save(h.library() + "/Slecht.bmp", "BMP"));
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

    void newAnsweredNoChangesNothing()
    {
        Harness h;
        Main &m = h.start();
        drawPage(h, m);
        const PageDesign before = m.design();
        h.dialogs.answers.enqueue(false);
        m.action("FileNew")->trigger();
        QVERIFY(m.design() == before);
        QCOMPARE(h.dialogs.calls.last().text, QStringLiteral("Wilt u een nieuw supplement ontwerpen?"));
    }

    void helpToggles()
    {
        Harness h;
        Main &m = h.start();
        const QString text = buildHelpText();
        QVERIFY(text.startsWith(QStringLiteral("\r\n   Beknopte helpinstructie\r\n   ----------------------------------\r\n")));
        QVERIFY(text.endsWith(QStringLiteral("\r\n\r\n   Plenvik - gemaakt door de makers van Plenvik\r\n")));
        QVERIFY(text.contains(QStringLiteral("   geschikt om uw postzegelverzameling te bewaren op A4 \r\n")));
        QVERIFY(text.contains(QStringLiteral("\r\n   b.v. Kader 1...: 112,93,67,33,0,1598\r\n")));
        QVERIFY(text.contains(QLatin1String(kSoftwarePageAddress)));
        QCOMPARE(text.count(QStringLiteral("\r\n")), text.count('\n'));
        for (const QString &line : text.split("\r\n"))
            QVERIFY(line.isEmpty() || line.startsWith(QStringLiteral("   ")));

        m.action("HelpUitleg")->trigger();
        QVERIFY(m.pic()->isHidden());
        QVERIFY(!m.control("HelpLabel")->isHidden());
        QCOMPARE(qobject_cast<QLabel *>(m.control("HelpLabel"))->text(), text);
        QVERIFY(m.action("HelpUitleg")->isChecked());
        m.action("HelpUitleg")->trigger();
        QVERIFY(!m.pic()->isHidden());
        QVERIFY(m.control("HelpLabel")->isHidden());
        QVERIFY(!m.action("HelpUitleg")->isChecked());
    }

    void links()
    {
        Harness h;
        Main &m = h.start();
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        m.action("HelpSoftware")->trigger();
        QCOMPARE(h.urls.opened, QStringList{kSoftwarePageAddress});
        // At start-up the view covers the logo, so a click there reaches the view.
        QCOMPARE(m.centralWidget()->childAt(400, 420), m.control("LoepPic"));
        auto *zoom = qobject_cast<QScrollBar *>(m.control("LoepScroll"));
        zoom->setValue(3);
        zoom->setValue(1);
        QCOMPARE(m.centralWidget()->childAt(400, 420), m.control("LogoImage"));
        QTest::mouseClick(m.control("LogoImage"), Qt::LeftButton);
        QCOMPARE(h.urls.opened, (QStringList{kSoftwarePageAddress, kHomePageAddress}));
    }

    void magnifierZoom()
    {
        Harness h;
        Main &m = h.start();
        auto *zoom = qobject_cast<QScrollBar *>(m.control("LoepScroll"));
        auto *label6 = qobject_cast<QLabel *>(m.control("Label6"));
        zoom->setValue(4);
        QCOMPARE(m.editState().LoepZoom, 4);
        QCOMPARE(label6->text(), QStringLiteral("3"));
        QVERIFY(!m.control("LoepPic")->isHidden());
        QVERIFY(m.control("LogoImage")->isHidden());
        zoom->setValue(1);
        QCOMPARE(qobject_cast<QLabel *>(m.control("LogoImage"))->pixmap().size(), QSize(107, 107));
        QVERIFY(m.control("LoepPic")->isHidden());
        QVERIFY(label6->isHidden());
        QVERIFY(!m.control("LogoImage")->isHidden());
        zoom->setValue(2);
        QVERIFY(!label6->isHidden());
        QCOMPARE(label6->text(), QStringLiteral("1"));
    }

    void magnifierShowsTheScreenEnlarged()
    {
        Harness h;
        // A red pixel at the pointer and a blue one two pixels to its right.
        h.screen.screen.setPixel(100, 75, qRgb(255, 0, 0));
        h.screen.screen.setPixel(102, 75, qRgb(0, 0, 255));
        Main &m = h.start();
        qobject_cast<QScrollBar *>(m.control("LoepScroll"))->setValue(2);
        m.onLoepTimer();
        auto *view = static_cast<LoepPic *>(m.control("LoepPic"));
        const QImage &img = view->view();
        // Source 54 x 54 from x - 27: the pointer's pixel lands in the middle
        // under the mark, its neighbour two screen pixels on about four view pixels on.
        QCOMPARE(img.pixel(54, 54), qRgb(255, 0, 0));
        QCOMPARE(img.pixel(58, 54), qRgb(0, 0, 255));
        QCOMPARE(img.pixel(56, 54), qRgb(255, 255, 255));
        // A plain copy: no pixel is a blend of its neighbours.
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                QVERIFY(QList<QRgb>({qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)}).contains(img.pixel(x, y)));
        // Near the corner the part off the screen is black.
        h.screen.cursor = QPoint(0, 0);
        m.onLoepTimer();
        QCOMPARE(view->view().pixel(10, 10), qRgb(0, 0, 0));
        QCOMPARE(view->view().pixel(100, 100), qRgb(255, 255, 255));
        // Switched off, nothing is read.
        qobject_cast<QScrollBar *>(m.control("LoepScroll"))->setValue(1);
        const int grabs = h.screen.grabs;
        m.onLoepTimer();
        QCOMPARE(h.screen.grabs, grabs);
    }

    void loepSourceRect_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("factor 1") << 1 << QPoint(500, 400) << QRect(QPoint(447, 347), QPoint(553, 453));
        QTest::newRow("factor 2") << 2 << QPoint(500, 400) << QRect(QPoint(473, 373), QPoint(526, 426));
        QTest::newRow("factor 6") << 6 << QPoint(500, 400) << QRect(QPoint(491, 391), QPoint(508, 408));
        QTest::newRow("screen corner") << 3 << QPoint(0, 0) << QRect(-18, -18, 36, 36);
    }
    void loepSourceRect()
    {
        QFETCH(int, zoom);
        QFETCH(QPoint, pointer);
        QFETCH(QRect, rect);
        QCOMPARE(plenvik::loepSourceRect(pointer, zoom, QSize(107, 107)), rect);
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
