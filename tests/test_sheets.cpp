// Pages on paper other than A4: each printed on its own sheet at true size,
// an album of mixed sheets as one file, and paper the printer cannot take.

#include "fakes.h"

#include "canvas/pagerender.h"
#include "library/pagefiles.h"
#include "library/stamppicture.h"
#include "platform/paperfit.h"
#include "platform/printer.h"
#include "printing/printpage.h"

#include <QAction>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace plenvik;
using namespace plenvik::test;

Q_DECLARE_METATYPE(plenvik::Sheet)

namespace {
QString tool(const char *name)
{
    return QStandardPaths::findExecutable(QLatin1String(name));
}

// "Page    1 size: 612 x 792 pts (letter)" for each page of the file.
QStringList pageSizes(const QString &pdf, int pages)
{
    QProcess p;
    p.start(tool("pdfinfo"), {"-f", "1", "-l", QString::number(pages), pdf});
    p.waitForFinished(30000);
    QStringList out;
    for (const QString &line : QString::fromLatin1(p.readAllStandardOutput()).split('\n'))
        if (line.startsWith("Page") && line.contains(" size: "))
            out << line.section(" size: ", 1).section(" pts", 0, 0).trimmed();
    return out;
}

PageDesign frameAt30And40(const Sheet &sheet)
{
    PageDesign d;
    d.sheet = sheet;
    d.ColourR = d.ColourG = d.ColourB = 0;
    d.appendKader(Kader{30, 40, 50, 30, 0, QString()});
    return d;
}
} // namespace

class TestSheets : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (tool("pdftoppm").isEmpty() || tool("pdfinfo").isEmpty())
            QSKIP("poppler-utils is not installed");
    }

    // The sizes in points are Qt's for the named papers and whole points for
    // a size of one's own; the frame's corner is 30 mm from the left edge
    // and 40 mm from the top, within 0.1 mm (one pixel at 254 dpi).
    void eachSheetAtTrueSize_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<QString>("points");
        QTest::newRow("Letter") << 215.9 << 279.4 << "612 x 792";
        QTest::newRow("A5") << 148.0 << 210.0 << "420 x 595";
        QTest::newRow("230 x 300") << 230.0 << 300.0 << "652 x 850";
    }
    void eachSheetAtTrueSize()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(QString, points);
        QTemporaryDir dir;
        PrintJob job;
        DrawPage(frameAt30And40(Sheet{width, height}), job);
        QPrinter printer(QPrinter::HighResolution);
        const QString pdf = dir.filePath("blad.pdf");
        QVERIFY(writePdf(printer, job, pdf));
        QCOMPARE(pageSizes(pdf, 1), QStringList{points});
        QProcess::execute(tool("pdftoppm"), {"-r", "254", "-gray", "-png", "-singlefile", pdf, dir.filePath("blad")});
        const QImage img(dir.filePath("blad.png"));
        auto dark = [&](int x, int y) { return qGray(img.pixel(x, y)) < 128; };
        // The left edge at 300 and the top at 400, give or take a pixel.
        QVERIFY(dark(299, 500) || dark(300, 500) || dark(301, 500));
        QVERIFY(!dark(296, 500) && !dark(304, 500));
        QVERIFY(dark(500, 399) || dark(500, 400) || dark(500, 401));
        QVERIFY(!dark(500, 396) && !dark(500, 404));
    }

    // The paper chosen goes for the open page, every new page, the next run
    // and Album indelen; it is kept in a file of its own.
    void paperForTheOpenPageAndNewPages()
    {
        Harness h;
        Main &m = h.start();
        const QByteArray ini = fileBytes(h.dir.filePath("Plenvik.ini"));
        h.extra.kaders.enqueue(KaderInvoer{30, 40, 50, 30, false, QStringLiteral("NVPH 1")});
        m.action("ExtraKaderInvoeren")->trigger();
        h.extra.papieren.enqueue(kSheetLetter);
        m.action("ExtraPapierformaat")->trigger();
        QCOMPARE(h.extra.papierStarts, QList<Sheet>{kSheetA4});
        QCOMPARE(m.pic()->picture().size(), QSize(341, 476));
        QCOMPARE(m.pic()->picture(), pagePicture(m.design()));
        QCOMPARE(m.design().sheet, kSheetLetter);
        QVERIFY(m.listingText().endsWith(QStringLiteral("Papier...........: Letter, 215.9 x 279.4 mm\r\n")));
        QCOMPARE(fileBytes(h.dir.filePath("Papier.ini")), QByteArray("215.9\r\n279.4\r\n"));
        QCOMPARE(fileBytes(h.dir.filePath("Plenvik.ini")), ini);
        // Print Setup opens on the page's paper; the label under the
        // magnifier ends before the listing begins.
        m.action("FilePrintSetup")->trigger();
        QCOMPARE(h.printer.setupSheets, QList<Sheet>{kSheetLetter});
        QVERIFY(m.control("Label4")->geometry().right() < 536);
        // At Letter's scale, 1.5748 and 1.7012 pixels a millimetre: a drag
        // across the whole sheet ends at 215 mm, not at 215.9 rounded up,
        // and a frame entered is painted where the page picture has it.
        drag(m.pic(), QPoint(0, 100), QPoint(400, 150));
        QCOMPARE(m.design().kader(2), (Kader{0, 59, 215, 29, 0, QString()}));
        m.action("EditUndo")->trigger();
        h.extra.kaders.enqueue(KaderInvoer{100, 200, 40, 30});
        m.action("ExtraKaderInvoeren")->trigger();
        QCOMPARE(m.pic()->picture(), pagePicture(m.design()));
        m.action("EditUndo")->trigger();
        // Undo takes the paper back with the frame as it stood, and Redo
        // brings it again; the paper for new pages stays as chosen.
        m.action("EditUndo")->trigger();
        QCOMPARE(m.design().sheet, kSheetA4);
        QCOMPARE(int(m.design().KaderCount), 1);
        QCOMPARE(m.pic()->picture(), pagePicture(m.design()));
        m.action("EditRedo")->trigger();
        QCOMPARE(m.pic()->picture().size(), QSize(341, 476));
        QCOMPARE(fileBytes(h.dir.filePath("Papier.ini")), QByteArray("215.9\r\n279.4\r\n"));

        h.dialogs.answers.enqueue(true);
        m.action("FileNew")->trigger();
        QCOMPARE(m.design().sheet, kSheetLetter);
        IndelenVelden velden;
        h.extra.indelenStappen = {{"NVPH 1; 160; 20", velden, {0}, false}};
        m.action("ExtraAlbumIndelen")->trigger();
        QCOMPARE(h.extra.indelenVoorbeelden.value(0).size(), QSize(341, 476));

        Main again(portablePaths(h.dir.path()), Services{&h.dialogs, &h.printer, &h.screen, &h.urls, &h.extra});
        QCOMPARE(again.design().sheet, kSheetLetter);
        QCOMPARE(again.pic()->picture().size(), QSize(341, 476));
    }

    // Frames never leave the paper: a sheet they would not fit is refused
    // with their numbers, and a drag on a sheet other than A4 stops at its
    // edge, as on A5 at the right and on 330 x 483 at the bottom.
    void framesStayOnTheSheet()
    {
        Harness h;
        Main &m = h.start();
        for (const KaderInvoer &k : {KaderInvoer{20, 250, 30, 30}, KaderInvoer{160, 20, 30, 30}, KaderInvoer{30, 30, 20, 20}})
            h.extra.kaders.enqueue(k);
        for (int i = 0; i < 3; ++i)
            m.action("ExtraKaderInvoeren")->trigger();
        // A centred text goes along; one 160 mm in does not.
        h.extra.teksten << TekstInvoer{QStringLiteral("Kop"), 10, 0, true, 12, true} << TekstInvoer{QStringLiteral("Noot"), 20, 160, false, 10, false};
        m.action("ExtraTekstInvoeren")->trigger();
        m.action("ExtraTekstInvoeren")->trigger();
        h.extra.papieren.enqueue(kSheetA5);
        m.action("ExtraPapierformaat")->trigger();
        QCOMPARE(h.dialogs.messages(), QStringList{"Op A5 (148 x 210 mm) liggen kader 1 en 2 en tekst 2 niet helemaal op het blad.\n"
                                                   "Verplaats of verwijder ze eerst; het papier blijft A4 (210 x 297 mm)."});
        QCOMPARE(m.design().sheet, kSheetA4);
        QCOMPARE(m.design().KaderCount, 3);
        QVERIFY(!QFile::exists(h.dir.filePath("Papier.ini")));

        h.dialogs.answers.enqueue(true);
        m.action("FileNew")->trigger();
        h.extra.papieren.enqueue(kSheetA5);
        m.action("ExtraPapierformaat")->trigger();
        QCOMPARE(qobject_cast<QLabel *>(m.control("Label4"))->text(), "Coordinaten  A5 (148 x 210)");
        QTest::mousePress(m.pic(), Qt::LeftButton, {}, QPoint(200, 300));
        QTest::mouseMove(m.pic(), QPoint(300, 330));
        QCOMPARE(m.pic()->layerRect().right(), 240);
        QTest::mouseRelease(m.pic(), Qt::LeftButton, {}, QPoint(300, 330));
        QCOMPARE(m.design().kader(1), (Kader{123, 171, 25, 17, 0, QString()}));

        // On 330 x 483, scaled to 0.9966 and 1.0766 pixels a millimetre, the
        // title's letters shrink with its place and stay above the subtitle.
        h.extra.papieren.enqueue(Sheet{330, 483});
        m.action("ExtraPapierformaat")->trigger();
        drag(m.pic(), QPoint(100, 400), QPoint(150, 600));
        QCOMPARE(m.design().kader(2), (Kader{100, 372, 50, 111, 0, QString()}));
        h.dialogs.inputs << "Nederland" << "Koning Willem III";
        m.action("ToolsTitel")->trigger();
        m.action("ToolsSubTitel")->trigger();
        const QRect title = m.pic()->pageTextRect(Pic::PageText::Titel);
        QVERIFY2(title.bottom() < m.pic()->pageTextRect(Pic::PageText::SubTitel).top(), qPrintable(QString::number(title.bottom())));
        QCOMPARE(qobject_cast<QLabel *>(m.control("Label4"))->text(), "Coordinaten  330 x 483");
    }

    // Each sheet against each paper on its own, either way round: A3 and
    // Tabloid together take neither 330 x 483 nor 290 x 430; a range of
    // sizes of the printer's own takes what lies in it.
    void paperTheQueueTakes_data()
    {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<bool>("custom");
        QTest::addColumn<QString>("said");
        const QString none = QStringLiteral("Het papier van %1 mm past op geen papier van Proef; het grootste is 297 x 420 mm.");
        QTest::newRow("330 x 483") << Sheet{330, 483} << false << none.arg("330 x 483");
        QTest::newRow("290 x 430") << Sheet{290, 430} << false << none.arg("290 x 430");
        QTest::newRow("A3") << Sheet{297, 420} << false << QString();
        QTest::newRow("Tabloid, rounded") << Sheet{279.5, 431.8} << false << QString();
        QTest::newRow("330 x 483 in the range") << Sheet{330, 483} << true << QString();
    }
    void paperTheQueueTakes()
    {
        QFETCH(Sheet, sheet);
        QFETCH(bool, custom);
        QFETCH(QString, said);
        const std::optional<CustomPaperRange> range = custom ? std::optional(CustomPaperRange{{100, 100}, {330, 500}}) : std::nullopt;
        QCOMPARE(paperRefusal({kSheetA4, sheet}, {QSizeF(297, 420), QSizeF(279.4, 431.8)}, range, "Proef"), said);
    }

    // One job, one file, each page on its own sheet; a sheet the printer
    // cannot take is said before anything is drawn.
    void albumOfMixedSheets()
    {
        Harness h;
        const Sheet sheets[] = {kSheetLetter, kSheetA4, kSheetA5};
        QImage blue(40, 20, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        QVERIFY(blue.save(h.dir.filePath("blauw.png")));
        for (int i = 0; i < 3; ++i) {
            PageDesign d = frameAt30And40(sheets[i]);
            d.PageNumber = QString::number(i + 1);
            // The first and last pages with a picture in colour.
            d.pictures.Grijstinten = false;
            if (i != 1)
                d.pictures.Bestanden.at(0) = takeInPicture(h.dir.filePath("blauw.png"), d.kader(1)).value_or(QByteArray());
            QVERIFY(savePageFiles(h.library(), QStringLiteral("Blad %1").arg(i + 1), pagePicture(d), d));
        }
        Main &m = h.start();
        QtPrinter printer;
        Main real(portablePaths(h.dir.path()), Services{&h.dialogs, &printer, &h.screen, &h.urls, &h.extra});
        const QString pdf = h.dir.filePath("album.pdf");
        printer.printer().setOutputFormat(QPrinter::PdfFormat);
        printer.printer().setOutputFileName(pdf);
        printer.chosen();
        h.extra.albums.enqueue(AlbumKeuze{{"Blad 1", "Blad 2", "Blad 3"}, false});
        real.action("ExtraAlbum")->trigger();
        QCOMPARE(pageSizes(pdf, 3), (QStringList{"612 x 792", "595 x 842", "420 x 595"}));
        QProcess images;
        images.start(tool("pdfimages"), {"-list", pdf});
        QVERIFY(images.waitForFinished(30000));
        const QStringList listed = QString::fromLatin1(images.readAllStandardOutput()).split('\n').mid(2).filter("image");
        QCOMPARE(listed.size(), 2);
        QVERIFY2(listed.at(0).simplified().startsWith("1 0 image 40 20 rgb 3 8 jpeg"), qPrintable(listed.at(0)));
        QVERIFY2(listed.at(1).simplified().startsWith("3 1 image 40 20 rgb 3 8 jpeg"), qPrintable(listed.at(1)));

        h.printer.paperRefusal = QStringLiteral("te groot");
        h.extra.albums.enqueue(AlbumKeuze{{"Blad 1"}, false});
        m.action("ExtraAlbum")->trigger();
        QCOMPARE(h.dialogs.messages(), QStringList{"te groot"});
        QVERIFY(h.printer.jobs.isEmpty());
    }
};

QTEST_MAIN(TestSheets)
#include "test_sheets.moc"
