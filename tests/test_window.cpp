// The main window: its layout, start-up, clock, help,
// links and magnifier, with scripted dialogs and fake services.

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
        QCOMPARE(extra, (QStringList{"Kader invoeren...", "Kader wijzigen...", "Tekst invoeren...", "Rij kaders...", "Album indelen...",
                                     "Papierformaat...", "Pagina-opmaak...", "Afbeeldingen...", "Stroken...", "Album afdrukken...", "Printer ijken..."}));
        QStringList edit;
        for (QAction *a : m.menuBar()->actions().at(1)->menu()->actions())
            edit << (a->isSeparator() ? QStringLiteral("-") : a->text() + ' ' + a->shortcut().toString());
        QCOMPARE(edit, (QStringList{"Undo Ctrl+Z", "Opnieuw Ctrl+Y", "-", "Binnenkader "}));
        QStringList file;
        for (QAction *a : m.menuBar()->actions().at(0)->menu()->actions())
            file << (a->isSeparator() ? QStringLiteral("-") : a->text() + ' ' + a->shortcut().toString());
        QCOMPARE(file, (QStringList{"Nieuw Ctrl+N", "Opslaan Ctrl+S", "-", "Print Supplement Ctrl+P", "Print Setup ", "-",
                                    "Exit Ctrl+Q"}));
        QVERIFY(!m.action("ExtraKaderWijzigen")->isEnabled());
        QCOMPARE(m.action("EditRedo")->shortcuts(), (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
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
        QCOMPARE(m.pic()->picture(), gridPicture());
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
