// Printing: every drawing call at its true-size place, and a real PDF whose
// pixels stand where the millimetres say.

#include "fakes.h"
#include "fixtures.h"

#include "canvas/pic.h"
#include "printing/pause.h"
#include "printing/printpage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <cmath>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>

using namespace plenvik;
using namespace plenvik::test;

namespace {
// Fixed widths so centring is checked by arithmetic, not by a font: 2 mm
// a character, so the pen starts 1 mm a character left of the centre.
double fixedTwips(const QString &, bool, const QString &text, double, bool)
{
    return text.size() * 1.0;
}

QStringList printed(const PageDesign &d)
{
    RecordingSurface s;
    DrawPage(d, s, fixedTwips);
    return s.ops;
}

QStringList drawingOf(const PageDesign &d)
{
    RecordingSurface s;
    DrawPage(d, s, fixedTwips);
    return s.drawing();
}
} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void emptyPageDrawsNothing()
    {
        PageDesign d;
        d.BorderWidth = 3; // off, whatever the width
        QVERIFY(drawingOf(d).isEmpty());
    }

    void workedFrameAtTrueSize()
    {
        const QStringList ops = printed(workedFrame());
        const int box = ops.indexOf("B 109,90 176,123 120/180/120");
        QVERIFY(box > 0);
        QCOMPARE(ops.mid(box - 2, 2), (QStringList{"fill solid", "fillcolor 240/240/240"}));
        // Caption: 4 characters = 8 mm wide, centred on 142.5 mm.
        QCOMPARE(ops.mid(box + 1), (QStringList{"size 10", "bold 0", "x 138.5", "y 127", "fore 0/0/0", "print 1598"}));
    }

    // A diamond of 40 x 20 at 20, 30 has its corners at the middles of its
    // box's sides, 3 mm less in the printable area; its inner diamond
    // follows it. Further caption lines follow the first, each centred.
    void shapesAtTrueSize()
    {
        PageDesign d;
        d.KaderCount = 1;
        d.kader(1) = Kader{20, 30, 40, 20, 1, "a", Vorm::Ruit, Lijn::Gestreept, "b", {}};
        QStringList ops = printed(d);
        const int shape = ops.indexOf("S- 37,27 57,37 37,47 17,37 120/180/120");
        QVERIFY(shape > 0);
        QVERIFY(ops.at(shape + 1).startsWith("S- 37,30.354"));
        QCOMPARE(ops.mid(shape + 2), (QStringList{"size 10", "bold 0", "x 36", "y 51", "fore 0/0/0", "print a", "x 36",
                                                  "print b", "x 37", "print "}));
        // Without a line only the captions are printed.
        d.kader(1).lijn = Lijn::Geen;
        d.kader(1).Regel2.clear();
        ops = printed(d);
        QCOMPARE(ops.filter(QRegularExpression("^(S|B)")), QStringList());
        QCOMPARE(ops.filter(QRegularExpression("^print")), QStringList{"print a"});
    }

    void innerFrames_data()
    {
        QTest::addColumn<Kader>("kader");
        QTest::addColumn<QString>("inner");
        QTest::newRow("inner frame") << Kader{20, 30, 45, 25, 1, {}} << "B 20,30 59,49 120/180/120";
        QTest::newRow("small frame crosses over") << Kader{50, 50, 4, 5, 1, {}} << "B 50,50 48,49 120/180/120";
        QTest::newRow("other value draws none") << Kader{20, 30, 45, 25, 2, {}} << QString();
        QTest::newRow("fractional millimetres") << Kader{20.5, 30, 45, 25, 1, {}} << "B 20.5,30 59.5,49 120/180/120";
    }
    void innerFrames()
    {
        QFETCH(Kader, kader);
        QFETCH(QString, inner);
        PageDesign d;
        d.KaderCount = 1;
        d.kader(1) = kader;
        const QStringList boxes = drawingOf(d).filter(QRegularExpression("^B "));
        QCOMPARE(boxes.size(), inner.isEmpty() ? 1 : 2);
        if (!inner.isEmpty())
            QCOMPARE(boxes.last(), inner);
    }

    void border_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("band");
        QTest::newRow("1 pixel") << 1 << "0.5";
        QTest::newRow("3 pixels") << 3 << "1.5";
    }
    void border()
    {
        QFETCH(int, width);
        QFETCH(QString, band);
        PageDesign d;
        d.setBorder(width);
        d.ColourR = 10;
        d.ColourG = 20;
        d.ColourB = 30;
        const double t = band.toDouble();
        const QString c = QStringLiteral(" 10/20/30");
        const QStringList expected = {
            "B 17,17 187,274" + c,
            "B 18,18 186,273" + c,
            QStringLiteral("BF 17,17 187,%1").arg(17 + t) + c,
            QStringLiteral("BF 17,274 187,%1").arg(274 - t) + c,
            QStringLiteral("BF 17,17 %1,274").arg(17 + t) + c,
            QStringLiteral("BF 187,17 %1,274").arg(187 - t) + c,
        };
        QCOMPARE(drawingOf(d), expected);
    }

    void texts()
    {
        PageDesign d;
        d.PageTitle = QStringLiteral("Europa");     // 12 mm wide
        d.PageNumber = QStringLiteral("12");
        const QStringList ops = printed(d);
        const int title = ops.indexOf("print Europa");
        QCOMPARE(ops.mid(title - 5, 5), (QStringList{"size 16", "bold 1", "x 96", "y 23", "fore 0/0/0"}));
        QVERIFY(!ops.contains("y 33")); // an empty subtitle prints nothing
        const int number = ops.indexOf("print 12");
        QCOMPARE(ops.mid(number - 5, 6), (QStringList{"size 12", "bold 1", "x 100", "y 277", "fore 0/0/0", "print 12"}));

        d.PageSubtitle = QStringLiteral("Zegels");
        const QStringList withSub = printed(d);
        const int sub = withSub.indexOf("print Zegels");
        QCOMPARE(withSub.mid(sub - 5, 5), (QStringList{"size 12", "bold 0", "x 96", "y 33", "fore 0/0/0"}));
    }

    void framesInOrderEachWithItsCaption()
    {
        PageDesign d;
        d.KaderCount = 2;
        d.kader(1) = Kader{10, 10, 20, 20, 1, QStringLiteral("a")};
        d.kader(2) = Kader{40, 10, 20, 20, 0, QString()};
        d.kader(3) = Kader{90, 90, 20, 20, 0, QStringLiteral("weg")}; // above the count
        QCOMPARE(drawingOf(d), (QStringList{"B 7,7 27,27 120/180/120", "B 10,10 24,24 120/180/120", "print a",
                                            "B 37,7 57,27 120/180/120", "print "}));
    }

    void pauseWaitsWhileEventsRun()
    {
        QElapsedTimer t;
        t.start();
        Pause(0.0f);
        Pause(-1.0f);
        QVERIFY(t.elapsed() < 1000);
        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        t.restart();
        Pause(0.03f);
        QVERIFY(t.nsecsElapsed() >= 30'000'000);
        QVERIFY(ran);
    }

    void pdfAtTrueSize()
    {
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm is not installed");
        QTemporaryDir dir;
        PageDesign d;
        d.KaderCount = 2;
        d.kader(1) = Kader{112, 93, 67, 33, 0, QStringLiteral("1598")};
        d.kader(2) = Kader{30, 150, 40, 30, 1, QString()};
        d.setBorder(1);
        d.ColourR = 0;
        d.ColourG = 0;
        d.ColourB = 0;
        d.PageNumber = QStringLiteral("12");
        QPrinter printer(QPrinter::HighResolution);
        PrintJob job;
        DrawPage(d, job);
        // A part file a killed print left behind goes with the next one.
        QFile left(dir.filePath(".page.pdf.plenvik-Xy12Zw"));
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.close();
        QVERIFY(writePdf(printer, job, dir.filePath("page.pdf")));
        QVERIFY(!left.exists());
        QProcess p;
        p.start(pdftoppm, {"-r", "254", "-gray", "-png", "-singlefile", dir.filePath("page.pdf"), dir.filePath("page")});
        QVERIFY(p.waitForFinished(60000));
        QImage img(dir.filePath("page.png"));
        QCOMPARE(img.width(), 2100); // A4 at 10 pixels a millimetre
        QVERIFY(img.height() == 2970 || img.height() == 2971);
        auto dark = [&](int x, int y) { return qGray(img.pixel(x, y)) < 128; };
        auto darkNear = [&](double mmX, double mmY, bool vertical) {
            // Within 0.1 mm (one pixel) of the place the millimetres give.
            const int x = qRound(mmX * 10), y = qRound(mmY * 10);
            for (int d = -1; d <= 1; ++d)
                if (vertical ? dark(x + d, y) : dark(x, y + d))
                    return true;
            return false;
        };
        // Frame 1's outline at page x 112 and 179, y 93 and 126.
        QVERIFY(darkNear(112, 110, true));
        QVERIFY(darkNear(179, 110, true));
        QVERIFY(darkNear(140, 93, false));
        QVERIFY(darkNear(140, 126, false));
        QVERIFY(!dark(1115, 1100) && !dark(1125, 1100));
        // The inner frame of frame 2 lies 3 mm inside: page x 33.
        QVERIFY(darkNear(33, 165, true));
        // The border's outer outline at page 20 mm and its 0.5 mm band.
        QVERIFY(darkNear(20, 150, true));
        QVERIFY(dark(202, 1500) && dark(203, 1500));
        QVERIFY(darkNear(190, 150, true));
        QVERIFY(darkNear(105, 277, false));
        // The page number's ink is centred on the sheet's middle, under y 280.
        int inkLeft = 9999, inkRight = 0, inkTop = 9999;
        for (int y = 2790; y < 2900; ++y)
            for (int x = 1000; x < 1200; ++x)
                if (dark(x, y)) {
                    inkLeft = qMin(inkLeft, x);
                    inkRight = qMax(inkRight, x);
                    inkTop = qMin(inkTop, y);
                }
        QVERIFY2(qAbs(inkLeft + inkRight + 1 - 2100) <= 2, qPrintable(QString("%1..%2").arg(inkLeft).arg(inkRight)));
        QVERIFY2(inkTop > 2800 && inkTop < 2830, qPrintable(QString::number(inkTop)));
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
