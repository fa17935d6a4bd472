// Lines of text on the page: where their letters stand on paper, and how
// a page keeps them in its design file.

#include "fakes.h"
#include "fixtures.h"

#include "canvas/pagerender.h"
#include "design/pageedit.h"
#include "library/designfile.h"
#include "library/pagefiles.h"
#include "platform/printer.h"
#include "printing/printpage.h"

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace plenvik;
using namespace plenvik::test;

Q_DECLARE_METATYPE(plenvik::Sheet)

namespace {
// The sheet printed to PDF and read back at 254 dpi, ten pixels a millimetre.
QImage printed(const PageDesign &d, const QString &folder)
{
    PrintJob job;
    DrawPage(d, job);
    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = folder + "/tekst.pdf";
    if (!writePdf(printer, job, pdf))
        return {};
    QProcess::execute(QStandardPaths::findExecutable("pdftoppm"), {"-r", "254", "-gray", "-png", "-singlefile", pdf, folder + "/tekst"});
    return QImage(folder + "/tekst.png");
}

// The first and last columns and the first row with ink, within 'band'.
QRect inkIn(const QImage &img, const QRect &band)
{
    QRect ink;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x)
            if (qGray(img.pixel(x, y)) < 128)
                ink = ink.isNull() ? QRect(x, y, 1, 1) : ink.united(QRect(x, y, 1, 1));
    return ink;
}
} // namespace

class TestTexts : public QObject {
    Q_OBJECT
private slots:
    // "EH" at 12 points (an em of 4.233 mm): its ink begins 30 mm from the
    // left and the top of its capitals 25 mm from the top, within a pixel at
    // 254 dpi (0.1 mm). Drawn from its pen position and the face's ascent,
    // as a text cell is, it would start 0.33 mm further right (the E's left
    // bearing, 158/2048 em) and 0.92 mm lower (ascent 1854/2048 em less the
    // capitals' 1409/2048 em). Centred, its ink lies as far left of the
    // sheet's middle as right of it.
    // The ring above a capital is ink on the sheet too: "ÅLAND" at 36
    // points bold has it well above its capitals' top, so at 2 mm it would
    // run off the paper; flat capitals stand at 0.
    void accentsStayOnTheSheet()
    {
        QVERIFY(!checkTekst(Tekst{QStringLiteral("ÅLAND ÄÖ"), 2, 0, true, 36, true}, kSheetA4).isEmpty());
        QCOMPARE(checkTekst(Tekst{QStringLiteral("ÅLAND ÄÖ"), 4, 0, true, 36, true}, kSheetA4), QString());
        QCOMPARE(checkTekst(Tekst{QStringLiteral("ALAND"), 0, 0, true, 36, true}, kSheetA4), QString());
    }

    void inkWhereTheMillimetresSay_data()
    {
        QTest::addColumn<Sheet>("sheet");
        QTest::newRow("A4") << kSheetA4;
        QTest::newRow("Letter") << kSheetLetter;
    }
    void inkWhereTheMillimetresSay()
    {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("poppler-utils is not installed");
        QFETCH(Sheet, sheet);
        QTemporaryDir dir;
        PageDesign d;
        d.sheet = sheet;
        addTekst(d, Tekst{QStringLiteral("EH"), 25, 30, false, 12, false});
        addTekst(d, Tekst{QStringLiteral("EH"), 60, 0, true, 12, true});
        // The title, a caption and the page number are centred on their
        // lines as the lines of text are, in the face they are printed in.
        d.PageTitle = QStringLiteral("Europa CEPT 1956");
        d.PageNumber = QStringLiteral("12");
        d.appendKader(Kader{40, 150, 60, 30, 0, QStringLiteral("NVPH 1 - 10 cent rood, plaat IV")});
        const QImage img = printed(d, dir.path());
        QVERIFY(!img.isNull());
        const QRect left = inkIn(img, QRect(200, 200, 400, 100));
        QVERIFY2(qAbs(left.left() - 300) <= 1 && qAbs(left.top() - 250) <= 1, qPrintable(QStringLiteral("%1,%2").arg(left.left()).arg(left.top())));
        const QRect centred = inkIn(img, QRect(0, 550, img.width(), 100));
        const double middle = sheet.widthMm * 5; // in pixels
        QVERIFY2(qAbs(centred.left() + centred.right() + 1 - 2 * middle) <= 2 && qAbs(centred.top() - 600) <= 1,
                 qPrintable(QStringLiteral("%1..%2, %3").arg(centred.left()).arg(centred.right()).arg(centred.top())));
        const struct {
            QRect band;
            double middle;
        } lines[] = {{QRect(400, 240, img.width() - 400, 90), middle},
                     {QRect(0, 1830, img.width(), 60), 700},
                     {QRect(0, int(sheet.heightMm * 10) - 180, img.width(), 60), middle}};
        for (const auto &l : lines) {
            const QRect ink = inkIn(img, l.band);
            QVERIFY2(!ink.isEmpty() && qAbs(ink.left() + ink.right() + 1 - 2 * l.middle) <= 2,
                     qPrintable(QStringLiteral("%1..%2 about %3").arg(ink.left()).arg(ink.right()).arg(l.middle)));
        }
    }
};

QTEST_MAIN(TestTexts)
#include "test_texts.moc"
