// The page model, millimetre conversion, text safety and the coordinate listing.

#include "design/canvasgeometry.h"
#include "design/listing.h"
#include "design/pagedesign.h"
#include "design/rows.h"
#include "design/textsafe.h"
#include "design/units.h"

#include <QTest>

Q_DECLARE_METATYPE(plenvik::KaderInvoer)
Q_DECLARE_METATYPE(plenvik::RijInvoer)

using namespace plenvik;

namespace {
QStringList lines(const QString &listing)
{
    QStringList out = listing.split(QStringLiteral("\r\n"));
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}
} // namespace

class TestDesign : public QObject {
    Q_OBJECT
private slots:
    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("half down to even") << 0.5 << 0.0;
        QTest::newRow("half up to even") << 1.5 << 2.0;
        QTest::newRow("two and a half") << 2.5 << 2.0;
        QTest::newRow("just above half") << 2.5000001 << 3.0;
        QTest::newRow("negative half") << -0.5 << 0.0;
        QTest::newRow("negative one and a half") << -1.5 << -2.0;
        QTest::newRow("negative below half") << -1.4 << -1.0;
    }
    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(plenvik::roundHalfEven(value), expected);
    }

    void conversion_data()
    {
        QTest::addColumn<double>("units");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("one unit") << 1.0 << 1 << 1;           // 0.62 and 0.57
        QTest::newRow("worked left") << 181.0 << 112 << 103;  // 111.7 / 103.4
        QTest::newRow("worked top") << 163.0 << 101 << 93;    // 100.6 / 93.1
        QTest::newRow("x half even 0.81") << 0.81 << 0 << 0;  // exactly 0.5 mm across
        QTest::newRow("y half 2.625") << 2.625 << 2 << 2;      // exactly 1.5 mm down goes to 2
        QTest::newRow("page width") << 340.0 << 210 << 194;
        QTest::newRow("negative drag") << -109.0 << -67 << -62;
    }
    void conversion()
    {
        QFETCH(double, units);
        QFETCH(int, x);
        QFETCH(int, y);
        QCOMPARE(mmX(units), x);
        QCOMPARE(mmY(units), y);
    }

    void addFrameStoresWholeMillimetres()
    {
        PageDesign d;
        QVERIFY(d.addFrame(181, 163, 290, 221, false));
        QCOMPARE(d.KaderCount, 1);
        const Kader &k = d.kader(1);
        QCOMPARE(k.LeftMm, 112.0);
        QCOMPARE(k.TopMm, 93.0);
        QCOMPARE(k.WidthMm, 67.0);
        QCOMPARE(k.HeightMm, 33.0);
        QCOMPARE(k.Binnenrand, 0);

        PageDesign e;
        e.addFrame(81, 35, 243, 140, true);
        QCOMPARE(e.kader(1).LeftMm, 50.0);
        QCOMPARE(e.kader(1).TopMm, 20.0);
        QCOMPARE(e.kader(1).WidthMm, 100.0);
        QCOMPARE(e.kader(1).HeightMm, 60.0);
        QCOMPARE(e.kader(1).Binnenrand, 1);
    }

    void twentyFirstFrameChangesNothing()
    {
        PageDesign d;
        for (int i = 0; i < 20; ++i)
            QVERIFY(d.addFrame(i, i, i + 10, i + 10, i % 2));
        const PageDesign before = d;
        QVERIFY(!d.addFrame(0, 0, 50, 50, true));
        QCOMPARE(d.KaderCount, 20);
        QVERIFY(d == before);
    }

    void reusedRecordTakesNewInnerFlagAndEmptyCaption()
    {
        PageDesign d;
        d.addFrame(0, 0, 20, 20, true);
        d.kader(1).Onderschrift = QStringLiteral("oud");
        --d.KaderCount; // undo leaves the record as it was
        d.addFrame(10, 10, 40, 40, false);
        QCOMPARE(d.kader(1).Binnenrand, 0);
        QVERIFY(d.kader(1).Onderschrift.isEmpty());
    }

    void newPageResetsPageButKeepsColour()
    {
        PageDesign d;
        d.ColourR = 1;
        d.ColourG = 2;
        d.ColourB = 3;
        d.addFrame(0, 0, 20, 20, true);
        d.PageTitle = QStringLiteral("Europa");
        d.PageNumber = QStringLiteral("12");
        d.setBorder(3);
        d.resetForNewPage();
        QCOMPARE(d.KaderCount, 0);
        QVERIFY(d.PageTitle.isEmpty() && d.PageSubtitle.isEmpty() && d.PageNumber.isEmpty());
        QVERIFY(!d.BorderOn);
        QCOMPARE(d.BorderWidth, 1);
        QCOMPARE(d.kader(1).Binnenrand, 0);
        QCOMPARE(d.drawingColour(), (Colour{1, 2, 3}));
    }

    void borderItems()
    {
        PageDesign d;
        d.setBorder(2);
        QVERIFY(d.BorderOn);
        QCOMPARE(d.BorderWidth, 2);
        d.setBorder(0);
        QVERIFY(!d.BorderOn);
        QCOMPARE(d.BorderWidth, 0);
    }

    // How each sheet stands on the canvas, worked out by hand: A4 as it
    // always was; Letter too wide at 1.62 a mm, so scaled by 340 / 349.758;
    // A5 at the full scale.
    void sheetsOnTheCanvas()
    {
        QCOMPARE(canvasGeometry(kSheetA4), (CanvasGeometry{341, 521, 1.62, 1.75, 31, 170, 40, 60, 493}));
        const CanvasGeometry letter = canvasGeometry(kSheetLetter);
        QCOMPARE(QList<int>({letter.width, letter.height, letter.lijstInset, letter.textCentreX, letter.titleTop,
                             letter.subtitleTop, letter.pageNumberTop}),
                 QList<int>({341, 476, 30, 170, 39, 58, 449}));
        QVERIFY(qAbs(letter.unitsPerMmX - 1.574803) < 1e-6 && qAbs(letter.unitsPerMmY - 1.701177) < 1e-6);
        QCOMPARE(canvasGeometry(kSheetA5), (CanvasGeometry{241, 369, 1.62, 1.75, 31, 120, 40, 60, 341}));
        // A frame 30 mm from the left and 40 from the top of a Letter page.
        QCOMPARE(canvasRectOf(Kader{30, 40, 20, 10, 0, {}}, letter).topLeft(), QPoint(47, 68));
        PageDesign d;
        d.sheet = kSheetLetter;
        QVERIFY(d.addFrame(47, 68, 78, 85, false));
        QCOMPARE(d.kader(1), (Kader{30, 40, 20, 10, 0, {}}));
        // Rows centre on the sheet, and its size bounds them.
        RijInvoer row{2, 50, 30, 10, 50, false, {}};
        QCOMPARE(rowFrames(row, kSheetLetter).constFirst().LeftMm, 53.0); // 107.95 - 55 = 52.95
        QCOMPARE(checkKader(KaderInvoer{150, 200, 60, 50, false, {}}, 0, kSheetA5),
                 QStringLiteral("Het kader ligt niet helemaal op het blad (148 x 210 mm)."));
    }

    void listingOfEmptyPageHasEightLines()
    {
        const QString text = buildListing(PageDesign{});
        QVERIFY(text.endsWith(QStringLiteral("\r\n")));
        const QStringList l = lines(text);
        QCOMPARE(l.size(), 8);
        QCOMPARE(l[0], QStringLiteral("Border...........: Uit"));
        QCOMPARE(l[1], QStringLiteral("Borderbreedte...: 0 pixels"));
        QCOMPARE(l[2], QStringLiteral("Borderkleur......: 120,180,120"));
        QCOMPARE(l[3], QString());
        QCOMPARE(l[4], QStringLiteral("Paginatitel.......: "));
        QCOMPARE(l[5], QStringLiteral("Subtitel..........: "));
        QCOMPARE(l[6], QStringLiteral("Paginanummer....: "));
        QCOMPARE(l[7], QString());
        QCOMPARE(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
    }

    void listingExample()
    {
        PageDesign d;
        d.setBorder(2);
        d.PageTitle = QStringLiteral("Europa");
        d.PageNumber = QStringLiteral("12");
        d.KaderCount = 2;
        d.kader(1) = Kader{112, 93, 67, 33, 0, QStringLiteral("1598")};
        d.kader(2) = Kader{20, 30, 40, 25, 1, QString()};
        const QString expected = QStringLiteral(
            "Border...........: Aan\r\n"
            "Borderbreedte...: 2 pixels\r\n"
            "Borderkleur......: 120,180,120\r\n"
            "\r\n"
            "Paginatitel.......: Europa\r\n"
            "Subtitel..........: \r\n"
            "Paginanummer....: 12\r\n"
            "\r\n"
            "Kader 1...: 112,93,67,33,0,1598\r\n"
            "Kader 2...: 20,30,40,25,1,\r\n");
        QCOMPARE(buildListing(d), expected);
    }

    void listingFrameLines()
    {
        PageDesign d;
        for (int i = 0; i < 20; ++i)
            d.addFrame(0, 0, 10, 10, false);
        d.kader(3).Onderschrift = QStringLiteral("a,b , c");
        d.kader(4).Regel3 = QStringLiteral("1852");
        d.kader(4).vorm = Vorm::DriehoekOmlaag;
        d.kader(5).Regel2 = QStringLiteral("5 c");
        d.kader(6).lijn = Lijn::Geen;
        d.PageTitle = QStringLiteral("  Europa ");
        const QStringList l = lines(buildListing(d));
        QCOMPARE(l.size(), 28);
        QVERIFY(l[8 + 8].startsWith(QStringLiteral("Kader 9...: ")));
        QVERIFY(l[8 + 9].startsWith(QStringLiteral("Kader 10..: ")));
        QVERIFY(l[27].startsWith(QStringLiteral("Kader 20..: ")));
        QCOMPARE(l[8 + 8].indexOf(QLatin1Char(':')) + 2, 12);
        QCOMPARE(l[8 + 19].indexOf(QLatin1Char(':')) + 2, 12);
        QCOMPARE(l[10], QStringLiteral("Kader 3...: 0,0,6,6,0,a,b , c"));
        QCOMPARE(l[11], QStringLiteral("Kader 4...: 0,0,6,6,0, |  | 1852 (driehoek omlaag, doorgetrokken)"));
        QCOMPARE(l[12], QStringLiteral("Kader 5...: 0,0,6,6,0, | 5 c"));
        QCOMPARE(l[13], QStringLiteral("Kader 6...: 0,0,6,6,0, (rechthoek, geen lijn)"));
        QCOMPARE(l[4], QStringLiteral("Paginatitel.......:   Europa "));
    }

    void listingIgnoresRecordsAboveCount()
    {
        PageDesign d;
        d.addFrame(0, 0, 10, 10, false);
        d.addFrame(0, 0, 20, 20, false);
        d.KaderCount = 1;
        QCOMPARE(lines(buildListing(d)).size(), 9);

        // Another sheet is named after everything else, in the window's
        // language; A4 never is.
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        d.sheet = kSheetLetter;
        QVERIFY(buildListing(d).endsWith(QStringLiteral(",0,\r\n\r\nPapier...........: Letter, 215,9 x 279,4 mm\r\n")));
        d.sheet = Sheet{230, 300};
        QVERIFY(buildListing(d).endsWith(QStringLiteral("\r\nPapier...........: 230 x 300 mm\r\n")));
        QLocale::setDefault(QLocale::c());
    }

    void listingFractionsAndNegatives()
    {
        PageDesign d;
        d.KaderCount = 1;
        d.kader(1) = Kader{12.5, -3, 40, 25, 0, QString()};
        const QString line = lines(buildListing(d)).at(8);
        const QString point = QLocale::system().decimalPoint();
        QCOMPARE(line, QStringLiteral("Kader 1...: 12") + point + QStringLiteral("5,-3,40,25,0,"));
    }

    // Numbers from a page changed outside the program are written as plain
    // decimals, never with an exponent.
    void plainDecimals_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("written");
        QTest::newRow("tiny fraction") << 1e-05 << "0.00001";
        QTest::newRow("huge whole number") << 1e20 << "100000000000000000000";
        QTest::newRow("negative small") << -0.000123 << "-0.000123";
        QTest::newRow("shortest that reads back") << 0.1 << "0.1";
        QTest::newRow("whole") << 112.0 << "112";
        QTest::newRow("negative zero") << -0.0 << "0";
    }
    void plainDecimals()
    {
        QFETCH(double, value);
        QFETCH(QString, written);
        QCOMPARE(formatFileNumber(value), written);
        QCOMPARE(written.toDouble(), value);
        PageDesign d;
        d.KaderCount = 1;
        d.kader(1) = Kader{value, 0, 1, 1, 0, QString()};
        const QString point = QLocale::system().decimalPoint();
        QCOMPARE(lines(buildListing(d)).at(8), QStringLiteral("Kader 1...: ") + QString(written).replace(u'.', point) + ",0,1,1,0,");
    }

    void fileSafeTexts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain") << QStringLiteral("Europa 1598") << QStringLiteral("Europa 1598");
        QTest::newRow("double quote") << QStringLiteral("\"Mooi\"") << QStringLiteral("'Mooi'");
        QTest::newRow("code page letters") << QStringLiteral("café € ‘x’") << QStringLiteral("café € ‘x’");
        QTest::newRow("outside code page") << QStringLiteral("Ω≈") << QStringLiteral("??");
        QTest::newRow("control character") << QStringLiteral("a\tb") << QStringLiteral("a?b");
        QTest::newRow("outer blanks kept") << QStringLiteral("  x ") << QStringLiteral("  x ");
    }
    void fileSafeTexts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(makeFileSafe(typed), stored);
    }

    void rowIsCentredInWholeMillimetres_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("gap");
        QTest::addColumn<QList<double>>("lefts");
        QTest::newRow("four of 30, gap 5") << 4 << 30 << 5 << QList<double>{38, 73, 108, 143};
        QTest::newRow("half rounds to even, up") << 1 << 31 << 5 << QList<double>{90};   // 89.5
        QTest::newRow("half rounds to even, down") << 1 << 29 << 5 << QList<double>{90}; // 90.5
        QTest::newRow("the whole sheet") << 7 << 30 << 0 << QList<double>{0, 30, 60, 90, 120, 150, 180};
    }
    void rowIsCentredInWholeMillimetres()
    {
        QFETCH(int, count);
        QFETCH(int, width);
        QFETCH(int, gap);
        QFETCH(QList<double>, lefts);
        RijInvoer row;
        row.aantal = count;
        row.breedte = width;
        row.hoogte = 40;
        row.tussenruimte = gap;
        row.boven = 50;
        QList<double> got;
        for (const Kader &k : rowFrames(row)) {
            got << k.LeftMm;
            QCOMPARE(k.TopMm, 50.0);
            QCOMPARE(k.WidthMm, double(width));
        }
        QCOMPARE(got, lefts);
        QCOMPARE(checkRij(row, 0), QString());
    }

    void captionsCount_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("catalogue numbers") << "NVPH 12" << QStringList{"NVPH 12", "NVPH 13", "NVPH 14"};
        QTest::newRow("leading zeros kept") << "NVPH 0098" << QStringList{"NVPH 0098", "NVPH 0099", "NVPH 0100"};
        QTest::newRow("a digit more") << "998" << QStringList{"998", "999", "1000"};
        QTest::newRow("no number at the end") << "12a" << QStringList{"12a", "12a", "12a"};
        QTest::newRow("empty") << "" << QStringList{"", "", ""};
    }
    void captionsCount()
    {
        QFETCH(QString, first);
        QFETCH(QStringList, row);
        RijInvoer in;
        in.aantal = 3;
        in.eersteOnderschrift = first;
        QStringList got;
        for (const Kader &k : rowFrames(in))
            got << k.Onderschrift;
        QCOMPARE(got, row);
    }

    void refusals_data()
    {
        QTest::addColumn<KaderInvoer>("kader");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QString>("refusal");
        const QString off = "Het kader ligt niet helemaal op het blad (210 x 297 mm).";
        QTest::newRow("right edge on the sheet") << KaderInvoer{0, 0, 210, 297, false, {}} << 0 << "";
        QTest::newRow("a millimetre past the right") << KaderInvoer{1, 0, 210, 30, false, {}} << 0 << off;
        QTest::newRow("a millimetre past the foot") << KaderInvoer{10, 268, 30, 30, false, {}} << 0 << off;
        QTest::newRow("left of the sheet") << KaderInvoer{-1, 10, 30, 30, false, {}} << 0 << off;
        QTest::newRow("no width") << KaderInvoer{10, 10, 0, 30, false, {}} << 0 << "Breedte en hoogte moeten minstens 1 mm zijn.";
        QTest::newRow("21st frame") << KaderInvoer{} << 20 << "Maximum van 20 kaders bereikt!";
    }
    void refusals()
    {
        QFETCH(KaderInvoer, kader);
        QFETCH(int, frames);
        QFETCH(QString, refusal);
        QCOMPARE(checkKader(kader, frames), refusal);
    }

    void rowRefusals_data()
    {
        QTest::addColumn<RijInvoer>("row");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("more than are free") << RijInvoer{4, 30, 30, 5, 50, false, {}} << 17 << "Er is nog plaats voor 3 kaders.";
        QTest::newRow("one free") << RijInvoer{2, 30, 30, 5, 50, false, {}} << 19 << "Er is nog plaats voor 1 kader.";
        QTest::newRow("wider than the sheet") << RijInvoer{7, 31, 30, 0, 50, false, {}} << 0 << "De rij is breder dan het blad (210 mm).";
        QTest::newRow("off the foot") << RijInvoer{2, 30, 40, 5, 258, false, {}} << 0 << "De rij past niet op het blad (297 mm hoog).";
        QTest::newRow("down to the foot") << RijInvoer{2, 30, 40, 5, 257, false, {}} << 0 << "";
        QTest::newRow("no height") << RijInvoer{2, 30, 0, 5, 50, false, {}} << 0 << "Breedte en hoogte moeten minstens 1 mm zijn.";
    }
    void rowRefusals()
    {
        QFETCH(RijInvoer, row);
        QFETCH(int, frames);
        QFETCH(QString, refusal);
        QCOMPARE(checkRij(row, frames), refusal);
    }
};


QTEST_GUILESS_MAIN(TestDesign)
#include "test_design.moc"
