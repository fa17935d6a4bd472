// "Printer ijken": the arithmetic of the correction, its file, and the
// command through the main window with a recording printer.

#include "fakes.h"

#include "library/calibrationfile.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

using namespace plenvik;
using namespace plenvik::test;

Q_DECLARE_METATYPE(plenvik::IjkMaten)

class TestIjken : public QObject {
    Q_OBJECT
private slots:
    // The Dutch window, whatever the machine's locale.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

    void correctionFromMeasurements()
    {
        // A printer 1 % short across and 1 % long down, its sheet 0.5 mm to
        // the left and 1 mm low: A = 178.2 gives a = 0.99 and b = 29.5 -
        // 0.99 x 30 = -0.2 across; B = 272.7 gives a = 1.01 and b = 31 - 1.01
        // x 30 = 0.7 down. So 112 mm is drawn at 112.2 / 0.99 and 93 mm at
        // 92.3 / 1.01.
        const PrinterCorrection c = correctionFrom(IjkMaten{178.2, 272.7, 29.5, 31});
        QCOMPARE(c.ax, 0.99);
        QVERIFY(qAbs(c.bx + 0.2) < 1e-12);
        QCOMPARE(c.ay, 1.01);
        QVERIFY(qAbs(c.by - 0.7) < 1e-12);
        QVERIFY(qAbs(c.drawX(112) - 113.33333333333333) < 1e-9);
        QVERIFY(qAbs(c.drawY(93) - 91.386138613861386) < 1e-9);
        // At 254 dpi, ten pixels a millimetre.
        const QPointF device = correctionTransform(c, 254).map(sheetMmToDevice({109, 90}, 254));
        QVERIFY(qAbs(device.x() - 1133.3333333333) < 1e-6);
        QVERIFY(qAbs(device.y() - 913.86138613861) < 1e-6);
        // Numbers as the window's language writes them.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCOMPARE(describeCorrection(c), QStringLiteral("Correctie nu: breedte 99.00 %, verschoven -0.2 mm; hoogte 101.00 %, verschoven 0.7 mm."));
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        QCOMPARE(describeCorrection(c), QStringLiteral("Correctie nu: breedte 99,00 %, verschoven -0,2 mm; hoogte 101,00 %, verschoven 0,7 mm."));
        QCOMPARE(describeCorrection(PrinterCorrection{}), QStringLiteral("Voor deze printer is geen correctie ingesteld."));
    }

    void plausibleMeasurements_data()
    {
        QTest::addColumn<IjkMaten>("maten");
        QTest::addColumn<bool>("plausible");
        QTest::newRow("as they should be") << IjkMaten{} << true;
        QTest::newRow("5 % short and long") << IjkMaten{171, 283.5, 20, 40} << true;
        QTest::newRow("A over 5 % short") << IjkMaten{170.9, 270, 30, 30} << false;
        QTest::newRow("B over 5 % long") << IjkMaten{180, 283.6, 30, 30} << false;
        QTest::newRow("C too near the edge") << IjkMaten{180, 270, 19.9, 30} << false;
        QTest::newRow("D too far") << IjkMaten{180, 270, 30, 40.1} << false;
        QTest::newRow("nothing typed") << IjkMaten{0, 270, 30, 30} << false;
    }
    void plausibleMeasurements()
    {
        QFETCH(IjkMaten, maten);
        QFETCH(bool, plausible);
        QCOMPARE(plausibleMaten(maten), plausible);
    }

    void calibrationFile()
    {
        QByteArray file = withCalibration({}, QStringLiteral("Proef"), IjkMaten{178.2, 270, 30, 30});
        file = withCalibration(file, QStringLiteral("Kantoor é"), IjkMaten{180, 271.5, 29.5, 31});
        QCOMPARE(file, QByteArray("\"Proef\",178.2,270,30,30\r\n\"Kantoor \xe9\",180,271.5,29.5,31\r\n"));
        QCOMPARE(findCalibration(file, QStringLiteral("Kantoor é")), (IjkMaten{180, 271.5, 29.5, 31}));
        file = withCalibration(file, QStringLiteral("Proef"), IjkMaten{179, 270, 30, 30});
        QCOMPARE(file, QByteArray("\"Kantoor \xe9\",180,271.5,29.5,31\r\n\"Proef\",179,270,30,30\r\n"));
        QCOMPARE(withCalibration(file, QStringLiteral("Proef"), std::nullopt), QByteArray("\"Kantoor \xe9\",180,271.5,29.5,31\r\n"));
        // Names Windows-1252 cannot hold keep lines of their own; a line an
        // older version wrote with the name lost to question marks stays,
        // and is no printer's.
        file = withCalibration("\"?????\",180,270,30,30\r\n", QStringLiteral("Кухня"), IjkMaten{179, 270, 30, 30});
        file = withCalibration(file, QStringLiteral("Склад"), IjkMaten{181, 270, 30, 30});
        QCOMPARE(file, QByteArray("\"?????\",180,270,30,30\r\nU\"%D0%9A%D1%83%D1%85%D0%BD%D1%8F\",179,270,30,30\r\n"
                                  "U\"%D0%A1%D0%BA%D0%BB%D0%B0%D0%B4\",181,270,30,30\r\n"));
        QCOMPARE(findCalibration(file, QStringLiteral("Кухня")), (IjkMaten{179, 270, 30, 30}));
        QCOMPARE(findCalibration(file, QStringLiteral("Склад")), (IjkMaten{181, 270, 30, 30}));
        file = withCalibration(file, QStringLiteral("Кухня"), std::nullopt);
        QVERIFY(!findCalibration(file, QStringLiteral("Кухня")));
        QCOMPARE(findCalibration(file, QStringLiteral("Склад")), (IjkMaten{181, 270, 30, 30}));
        // Written to the file, a second printer's line joins the first's.
        QTemporaryDir dir;
        const QString path = dir.filePath("Ijking.ini");
        QVERIFY(writeCalibration(path, QStringLiteral("Proef"), IjkMaten{178.2, 270, 30, 30}));
        QVERIFY(writeCalibration(path, QStringLiteral("Kantoor"), IjkMaten{180, 270, 30, 30}));
        QCOMPARE(fileBytes(path), QByteArray("\"Proef\",178.2,270,30,30\r\n\"Kantoor\",180,270,30,30\r\n"));
        // Damage means no correction, never a crash.
        for (const QByteArray &bad : {QByteArray("\"Proef\",178.2,270,30\r\n"), QByteArray("\"Proef\",178.2,270,30,x\r\n"),
                                      QByteArray("\"Proef\",1,270,30,30\r\n"), QByteArray("\"Proef"), QByteArray("\0\xff", 2)})
            QVERIFY(!findCalibration(bad, QStringLiteral("Proef")));
    }

    void calibratingThroughTheWindow()
    {
        Harness h;
        Main &m = h.start();
        const QByteArray ini = fileBytes(h.dir.filePath("Plenvik.ini"));
        h.extra.ijkingen.enqueue({IjkKeuze::Ok, IjkMaten{160, 270, 30, 30}}); // refused
        h.extra.ijkingen.enqueue({IjkKeuze::Ok, IjkMaten{178.2, 270, 30, 30}});
        m.action("ExtraPrinterIjken")->trigger();
        QCOMPARE(h.dialogs.calls.value(0).text, QStringLiteral("Er wordt een ijkblad afgedrukt op Proef. Doorgaan?"));
        QCOMPARE(h.dialogs.calls.value(0).title, QStringLiteral(" Printer ijken"));
        // The sheet goes out without correction: the line across at 30 mm
        // from the top, 15 to 195 mm, 0.2 mm thick.
        QCOMPARE(h.printer.corrections.value(0), PrinterCorrection{});
        QVERIFY(h.printer.printed.value(0).contains("BF 12,26.9 192,27.1 0/0/0"));
        QVERIFY(h.printer.printed.value(0).contains("BF 26.9,12 27.1,282 0/0/0"));
        QCOMPARE(h.extra.ijkOpenings.value(0).first, IjkMaten{});
        QCOMPARE(h.extra.ijkOpenings.value(0).second, QStringLiteral("Voor deze printer is geen correctie ingesteld."));
        QCOMPARE(h.dialogs.messages(), QStringList{"Deze maten kunnen niet kloppen; meet nog eens."});
        QCOMPARE(h.extra.ijkOpenings.value(1).first, (IjkMaten{160, 270, 30, 30}));
        QCOMPARE(fileBytes(h.dir.filePath("Ijking.ini")), QByteArray("\"Proef\",178.2,270,30,30\r\n"));
        QCOMPARE(fileBytes(h.dir.filePath("Plenvik.ini")), ini);

        // Every print to this printer is corrected from now on; a PDF never.
        m.action("FilePrintSupplement")->trigger();
        QCOMPARE(h.printer.corrections.value(1).ax, 0.99);
        h.printer.destination = false;
        h.dialogs.saveNames.enqueue(h.dir.filePath("blad.pdf"));
        m.action("FilePrintSupplement")->trigger();
        QCOMPARE(h.printer.corrections.value(2), PrinterCorrection{});

        // The next calibration opens on what is stored; Herstellen removes it.
        h.printer.destination = true;
        h.extra.ijkingen.enqueue({IjkKeuze::Herstellen, IjkMaten{}});
        m.action("ExtraPrinterIjken")->trigger();
        QCOMPARE(h.extra.ijkOpenings.value(2).first, (IjkMaten{178.2, 270, 30, 30}));
        QVERIFY(h.extra.ijkOpenings.value(2).second.startsWith("Correctie nu: breedte 99,00 %"));
        QCOMPARE(fileBytes(h.dir.filePath("Ijking.ini")), QByteArray());
    }

    void needsAPrinter()
    {
        Harness h;
        Main &m = h.start();
        h.printer.destination = false;
        m.action("ExtraPrinterIjken")->trigger();
        QCOMPARE(h.dialogs.messages(), QStringList{"Printer ijken heeft een printer nodig. Een PDF-bestand is altijd op ware grootte."});
        QVERIFY(h.printer.jobs.isEmpty());
        h.printer.destination = true;
        h.dialogs.answers.enqueue(false);
        m.action("ExtraPrinterIjken")->trigger();
        QVERIFY(h.printer.jobs.isEmpty());
        QVERIFY(h.extra.ijkOpenings.isEmpty());
    }
};

QTEST_MAIN(TestIjken)
#include "test_ijken.moc"
