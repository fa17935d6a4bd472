// A page's style: its border's lines and places on the sheet, the area
// "Album indelen" fills inside it, its line in the design file and in
// Opmaak.ini, the window's " Pagina-opmaak", and the lines on paper.

#include "fakes.h"
#include "fixtures.h"

#include "design/canvasgeometry.h"
#include "design/pagestyle.h"
#include "library/designfile.h"
#include "library/opmaaksettings.h"
#include "library/pagefiles.h"
#include "printing/printpage.h"
#include "canvas/pagerender.h"

#include <QAction>
#include <QLabel>
#include <QBuffer>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace plenvik;
using namespace plenvik::test;

namespace {
PaginaOpmaak dubbel()
{
    PaginaOpmaak s;
    s.rand = Rand::Dubbel;
    s.links = 25;
    s.rechts = s.boven = s.onder = 15;
    s.kadersPerPagina = 30;
    s.zwart = true;
    return s;
}
} // namespace

class TestPageStyle : public QObject {
    Q_OBJECT
private slots:
    void geometryOnItsEdges()
    {
        // Today's style: inside 20 mm, and exactly today's area on A4 and
        // on the largest sheet.
        const PaginaOpmaak today;
        QCOMPARE(binnenRand(today, kSheetA4), (RectMm{20, 20, 170, 257}));
        QCOMPARE(indelenArea(today, kSheetA4), (LayoutArea{250, 480, 1600, 2150, 2100}));
        QCOMPARE(indelenArea(today, Sheet{330, 483}), layoutArea(Sheet{330, 483}));
        // One line of 1 mm at 5 and 60 mm, the extremes.
        PaginaOpmaak s;
        s.rand = Rand::Enkel;
        s.dikteBuiten = 1;
        s.links = s.onder = 5;
        s.rechts = s.boven = 60;
        QCOMPARE(opmaakFout(s, kSheetA4), QString());
        QCOMPARE(randLijnen(s, kSheetA4), (QList<RandLijn>{{{5, 60, 145, 232}, 1}}));
        QCOMPARE(indelenGebied(s, kSheetA4), (RectMm{11, 89, 133, 188}));
        s.links = 4.9;
        QVERIFY(!opmaakFout(s, kSheetA4).isEmpty());
        s.links = 60.1;
        QVERIFY(!opmaakFout(s, kSheetA4).isEmpty());
        // Three lines of 3 mm on 100 x 100: room inside, none to lay out in;
        // 10 mm between them leaves 2 mm, and on 60 mm distances nothing.
        PaginaOpmaak drie;
        drie.rand = Rand::Drievoudig;
        drie.dikteBuiten = drie.dikteBinnen = 3;
        const Sheet klein{100, 100};
        QCOMPARE(randLijnen(drie, klein).last(), (RandLijn{{28, 28, 44, 44}, 3}));
        QCOMPARE(binnenRand(drie, klein), (RectMm{31, 31, 38, 38}));
        QCOMPARE(indelenGebied(drie, klein), RectMm{});
        drie.tussenruimte = 10;
        QCOMPARE(binnenRand(drie, klein), (RectMm{49, 49, 2, 2}));
        drie.links = drie.rechts = 50;
        QCOMPARE(opmaakFout(drie, klein), QStringLiteral("De rand laat op dit papier geen ruimte over."));
        // Letter: the titles centred between 25 and 15 mm from the edges.
        QCOMPARE(titelMidden(dubbel(), kSheetLetter), 112.95);
        // On the canvas: today's places to the pixel, and 25 / 15 mm moved
        // by whole pixels (40.5 rounds to 40, 26.25 to 26).
        const CanvasGeometry g = canvasGeometry(kSheetA4);
        const CanvasOpmaak c0 = canvasOpmaak(g, today, kSheetA4), c = canvasOpmaak(g, dubbel(), kSheetA4);
        QCOMPARE(std::tuple(c0.lijst, c0.textCentreX, c0.titleTop, c0.pageNumberTop),
                 std::tuple(g.lijstRect(), g.textCentreX, g.titleTop, g.pageNumberTop));
        QCOMPARE(std::tuple(c.lijst, c.textCentreX, c.titleTop, c.pageNumberTop),
                 std::tuple(QRect(39, 22, 279, 477), 178, 31, 502));
        QCOMPARE(c.lijnen.size(), 2);
        QCOMPARE(c.dikten.last(), QSize(1, 1)); // 0.3 mm is still a line
    }

    void inTheDesignFileAndOpmaakIni()
    {
        PageDesign d;
        d.opmaak = dubbel();
        const QByteArray line = "\"Opmaak\",\"Dubbel\",0.5,0.3,1,\"Zwart\",25,15,15,15,\"\",16,12,12,10,0,30\r\n";
        QVERIFY(designFileBytes(d).endsWith(line));
        QCOMPARE(opmaakSettingsBytes(d.opmaak), line);
        QCOMPARE(parseOpmaakSettings(line), d.opmaak);
        QCOMPARE(parseOpmaakSettings(QByteArray(line).replace("25,", "2,")), PaginaOpmaak{}); // damaged: today's
        // 30 frames go through the file with their style; a fault names its line.
        for (int i = 0; i < 30; ++i)
            QVERIFY(d.appendKader(Kader{40.0 + 20 * (i % 6), 60.0 + 20 * (i / 6), 10, 10, 0, QString::number(i + 1)}));
        QVERIFY(!d.appendKader(Kader{}));
        const QByteArray bytes = designFileBytes(d);
        DesignFileReader reader;
        PageDesign back;
        QVERIFY2(reader.read(bytes, back), qPrintable(reader.errorString()));
        QCOMPARE(back, d);
        const int lineNo = 3 + 60 + 1 + 6 + 1;
        const std::pair<QByteArray, QString> faults[] = {
            {"\"Dubbel\"", QStringLiteral("regel %1: de rand kan niet").arg(lineNo)},
            {",30\r\n", QStringLiteral("regel 2: de pagina heeft 30 kaders, meer dan de 20 van haar opmaak")},
            {",25,", QStringLiteral("regel %1: De afstand van de rand").arg(lineNo)},
        };
        const QByteArray replaced[] = {"\"Vierdubbel\"", ",20\r\n", ",61,"};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!reader.read(QByteArray(bytes).replace(faults[i].first, replaced[i]), back));
            QVERIFY2(reader.errorString().contains(faults[i].second), qPrintable(reader.errorString()));
        }
        // Without a style line a page holds 20 frames, as it always did.
        QVERIFY(!reader.read(QByteArray(bytes).replace(line, ""), back));
        QVERIFY2(reader.errorString().contains("0 tot 20"), qPrintable(reader.errorString()));
    }

    // The window: a style is one Undo step, is kept for new pages when
    // asked, allows its frames, and a paper it does not fit is refused.
    void inTheWindow()
    {
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); // the listing's numbers
        Harness h;
        Main &m = h.start();
        h.extra.opmaken.enqueue(OpmaakKeuze{dubbel(), true});
        m.action("ExtraPaginaOpmaak")->trigger();
        QCOMPARE(m.design().opmaak, dubbel());
        QVERIFY2(m.listingText().endsWith("Opmaak..........: dubbel, 0,5 en 0,3 mm, 1 mm ertussen, zwart\r\n"
                                         "Randafstand.....: 25 / 15 / 15 / 15 mm (links / rechts / boven / onder)\r\n"
                                         "Tekstgrootte....: titel 16, subtitel 12, paginanummer 12, onderschriften 10 pt\r\n"
                                         "Kaders..........: 30 per pagina\r\n"), qPrintable(m.listingText().right(300)));
        QCOMPARE(fileBytes(h.dir.filePath("Opmaak.ini")), opmaakSettingsBytes(dubbel()));
        for (int i = 0; i < 21; ++i)
            h.extra.kaders.enqueue(KaderInvoer{30 + 7 * i, 50, 5, 5, false, {}, {}});
        for (int i = 0; i < 21; ++i)
            m.action("ExtraKaderInvoeren")->trigger();
        QCOMPARE(int(m.design().KaderCount), 21);
        QVERIFY(h.dialogs.messages().isEmpty());
        // Three lines of 3 mm, 10 mm apart, 60 mm from either side leave 2 mm
        // across on a sheet 180 mm wide, and none on one of 176 mm, where
        // the frames still lie.
        PaginaOpmaak wijd = dubbel();
        wijd.rand = Rand::Drievoudig;
        wijd.dikteBuiten = wijd.dikteBinnen = 3;
        wijd.tussenruimte = 10;
        wijd.links = wijd.rechts = 60;
        h.extra.opmaken.enqueue(OpmaakKeuze{wijd, false});
        m.action("ExtraPaginaOpmaak")->trigger();
        QCOMPARE(m.design().opmaak, wijd);
        h.extra.papieren.enqueue(Sheet{176, 297});
        m.action("ExtraPapierformaat")->trigger();
        QCOMPARE(m.design().sheet, kSheetA4);
        QVERIFY2(h.dialogs.messages().last().contains("past de opmaak van deze pagina niet"),
                 qPrintable(h.dialogs.messages().join('|')));
        m.action("EditUndo")->trigger(); // the style alone
        QCOMPARE(std::pair(m.design().opmaak, int(m.design().KaderCount)), std::pair(dubbel(), 21));
        QCOMPARE(m.pic()->canvasOpmaak(), canvasOpmaak(m.pic()->sheetGeometry(), dubbel(), kSheetA4));
        // Drawn: the outer line black at 25 mm (pixel 40), one pixel wide.
        const QImage shown = m.pic()->grab().toImage();
        QCOMPARE(shown.pixel(40, 300) & 0xffffff, 0u);
        QVERIFY(qGray(shown.pixel(39, 300)) > 150 && qGray(shown.pixel(41, 300)) > 150);
        // A new page takes the style kept for new pages; a new window too.
        m.action("FileNew")->trigger();
        QCOMPARE(m.design().opmaak, dubbel());
        // A page whose font this computer lacks opens, says which font
        // stands in, and keeps its font's name.
        Harness again;
        PageDesign zonder;
        zonder.opmaak.lettertype = QStringLiteral("Garamond Premier Nergens");
        zonder.appendKader(Kader{30, 40, 20, 20, 0, QStringLiteral("NVPH 1")});
        QVERIFY(savePageFiles(again.library(), QStringLiteral("Zonder"), pagePicture(zonder), zonder));
        QVERIFY(QFile::copy(h.dir.filePath("Opmaak.ini"), again.dir.filePath("Opmaak.ini")));
        again.start().action("FileNew")->trigger();
        QCOMPARE(again.main->design().opmaak, dubbel());
        doubleClickEntry(*again.main, QStringLiteral("Zonder"));
        QCOMPARE(again.main->design(), zonder);
        const QString standIn = QStringLiteral("Liberation Sans staat in voor Garamond Premier Nergens, dat op deze computer ontbreekt");
        QVERIFY2(again.main->listingText().endsWith("Lettertype......: " + standIn + "\r\n"), qPrintable(again.main->listingText()));
        QCOMPARE(qobject_cast<QLabel *>(again.main->control("InfoLabel"))->text(), "Zonder: " + standIn);
    }

    // On paper at 254 dpi, ten pixels a millimetre: each line's edges within
    // 0.1 mm, the title centred between the border's sides.
    void doubleBorderOnPaper()
    {
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm is not installed");
        QTemporaryDir dir;
        PageDesign d;
        d.opmaak = dubbel();
        d.opmaak.dikteBuiten = 1;
        d.opmaak.lettertype = QStringLiteral("Liberation Serif");
        d.opmaak.cursief = true;
        d.PageTitle = QStringLiteral("Europa");
        d.appendKader(Kader{100, 200, 20, 20, 0, QStringLiteral("NVPH 1")});
        QVERIFY(savePageFiles(dir.path(), QStringLiteral("Dubbel"), pagePicture(d), d));
        const std::optional<PageDesign> read = readPageForPrinting(dir.path(), QStringLiteral("Dubbel"));
        QVERIFY(read && *read == d);
        QPrinter printer(QPrinter::HighResolution);
        PrintJob job;
        DrawPage(*read, job);
        QVERIFY(writePdf(printer, job, dir.filePath("page.pdf")));
        QProcess p;
        p.start(pdftoppm, {"-r", "254", "-gray", "-png", "-singlefile", dir.filePath("page.pdf"), dir.filePath("page")});
        QVERIFY(p.waitForFinished(60000));
        const QImage img(dir.filePath("page.png"));
        // The page's font, the title bold and the caption italic.
        p.start(QStringLiteral("pdffonts"), {dir.filePath("page.pdf")});
        QVERIFY(p.waitForFinished(60000));
        const QString fonts = QString::fromLatin1(p.readAllStandardOutput());
        QVERIFY2(fonts.contains("LiberationSerif-Bold ") && fonts.contains("LiberationSerif-Italic ") && !fonts.contains("Sans"),
                 qPrintable(fonts));
        auto dark = [&](int x, int y) { return qGray(img.pixel(x, y)) < 128; };
        // The edges along row 150 mm and column 50 mm, where ink starts and ends.
        QList<int> across, down;
        for (int x = 1; x < img.width(); ++x)
            if (dark(x, 1500) != dark(x - 1, 1500))
                across << x;
        for (int y = 1; y < img.height(); ++y)
            if (dark(500, y) != dark(500, y - 1))
                down << y;
        // Outer 1 mm from 25 mm, 1 mm free, inner 0.3 mm; the right side
        // the same inwards from 195 mm. Top from 15 mm, bottom to 282 mm.
        const QList<int> x = {250, 260, 270, 273, 1927, 1930, 1940, 1950};
        const QList<int> y = {150, 160, 170, 173, 2797, 2800, 2810, 2820};
        QCOMPARE(across.size(), x.size());
        QCOMPARE(down.size(), y.size());
        for (int i = 0; i < x.size(); ++i) {
            QVERIFY2(qAbs(across[i] - x[i]) <= 1, qPrintable(QStringLiteral("x %1: %2").arg(i).arg(across[i])));
            QVERIFY2(qAbs(down[i] - y[i]) <= 1, qPrintable(QStringLiteral("y %1: %2").arg(i).arg(down[i])));
        }
        int inkLeft = 9999, inkRight = 0;
        for (int yy = 200; yy < 300; ++yy)
            for (int xx = 400; xx < 1800; ++xx)
                if (dark(xx, yy)) {
                    inkLeft = qMin(inkLeft, xx);
                    inkRight = qMax(inkRight, xx);
                }
        QVERIFY2(qAbs(inkLeft + inkRight + 1 - 2200) <= 2, qPrintable(QStringLiteral("%1..%2").arg(inkLeft).arg(inkRight)));
    }
};

QTEST_MAIN(TestPageStyle)
#include "test_pagestyle.moc"
