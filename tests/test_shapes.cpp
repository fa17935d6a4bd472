// Frames of other shapes: their outlines and inner outlines in millimetres,
// worked out by hand, and how a stamp list names them.

#include "design/albumlayout.h"
#include "design/captionfit.h"
#include "design/kadervorm.h"
#include "design/pagedesign.h"
#include "design/stamplist.h"
#include "platform/printer.h"
#include "platform/textmetrics.h"
#include "printing/printpage.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace plenvik;

namespace {
// Points to a tenth of a micrometre, so a hand-worked third compares.
QString at(const QList<PointMm> &points)
{
    QStringList out;
    for (const PointMm &p : points)
        out << QString::number(p.x, 'f', 4) + ',' + QString::number(p.y, 'f', 4);
    return out.join(' ');
}
} // namespace

class TestShapes : public QObject {
    Q_OBJECT
private slots:
    void outlinesStandInTheirBox()
    {
        QCOMPARE(at(vormOutline(Vorm::Driehoek, {10, 20, 30, 40})), "25.0000,20.0000 40.0000,60.0000 10.0000,60.0000");
        QCOMPARE(at(vormOutline(Vorm::DriehoekOmlaag, {0, 0, 6, 4})), "0.0000,0.0000 6.0000,0.0000 3.0000,4.0000");
        QCOMPARE(at(vormOutline(Vorm::Ruit, {0, 0, 10, 20})), "5.0000,0.0000 10.0000,10.0000 5.0000,20.0000 0.0000,10.0000");
        // The oval's four extreme points exactly, clockwise from the top.
        const QList<PointMm> oval = vormOutline(Vorm::Ovaal, {0, 0, 20, 10});
        QCOMPARE(oval.size(), kOvalPoints);
        QCOMPARE(at({oval[0], oval[32], oval[64], oval[96]}), "10.0000,0.0000 20.0000,5.0000 10.0000,10.0000 0.0000,5.0000");
        QCOMPARE(at({oval[16]}), "17.0711,1.4645"); // 10 + 10 sin 45, 5 - 5 cos 45
    }

    // Every side moved inwards: a triangle of 6 x 4 has sides 6, 5 and 5
    // and an inscribed circle of 1.5 about (3, 2.5), so 1 mm in it is a
    // third its size about that middle; the 8 x 6 diamond's is 2.4.
    void insetsKeepTheirDistanceUntilNoRoomIsLeft()
    {
        QCOMPARE(at(vormInset(Vorm::Driehoek, {0, 0, 6, 4}, 1)), "3.0000,1.6667 4.0000,3.0000 2.0000,3.0000");
        QCOMPARE(at(vormInset(Vorm::DriehoekOmlaag, {0, 0, 6, 4}, 1)), "2.0000,1.0000 4.0000,1.0000 3.0000,2.3333");
        QCOMPARE(at(vormInset(Vorm::Ruit, {0, 0, 8, 6}, 1.2)), "4.0000,1.5000 6.0000,3.0000 4.0000,4.5000 2.0000,3.0000");
        QCOMPARE(at(vormInset(Vorm::Rechthoek, {0, 0, 10, 20}, 3)), "3.0000,3.0000 7.0000,3.0000 7.0000,17.0000 3.0000,17.0000");
        const QList<PointMm> oval = vormInset(Vorm::Ovaal, {0, 0, 20, 10}, 3);
        QCOMPARE(at({oval[0], oval[32]}), "10.0000,3.0000 17.0000,5.0000");
        // At the inscribed circle, and past it, nothing is left.
        QVERIFY(vormInset(Vorm::Driehoek, {0, 0, 6, 4}, 1.5).isEmpty());
        QVERIFY(vormInset(Vorm::Ruit, {0, 0, 8, 6}, 2.4).isEmpty());
        QVERIFY(vormInset(Vorm::Ovaal, {0, 0, 20, 10}, 5).isEmpty());
        QVERIFY(vormInset(Vorm::Rechthoek, {0, 0, 1, 1}, 0.5).isEmpty());
        QCOMPARE(at(vormInset(Vorm::Rechthoek, {0, 0, 1, 1}, 0.4)), "0.4000,0.4000 0.6000,0.4000 0.6000,0.6000 0.4000,0.6000");
        // A flat triangle of 100 x 1 has room for 0.49995 mm, a tall
        // diamond of 1 x 100 for 0.49998: 0.4999 fits, 0.5 does not.
        QCOMPARE(vormInset(Vorm::Driehoek, {0, 0, 100, 1}, 0.4999).size(), 3);
        QVERIFY(vormInset(Vorm::Driehoek, {0, 0, 100, 1}, 0.5).isEmpty());
        QCOMPARE(vormInset(Vorm::Ruit, {0, 0, 1, 100}, 0.4999).size(), 4);
        QVERIFY(vormInset(Vorm::Ruit, {0, 0, 1, 100}, 0.5).isEmpty());
    }

    void namesInFilesAndLists()
    {
        for (Vorm v : kVormen)
            QCOMPARE(vormVanNaam(vormNaam(v)), v);
        for (Lijn l : kLijnen)
            QCOMPARE(lijnVanNaam(lijnNaam(l)), l);
        QCOMPARE(vormVanNaam(QStringLiteral("ruit")), std::nullopt); // a file writes it as it reads it
        QCOMPARE(vormUitLijst(QStringLiteral(" Triangle  Down")), Vorm::DriehoekOmlaag);
        QCOMPARE(vormUitLijst(QStringLiteral("DRIEHOEK OMLAAG")), Vorm::DriehoekOmlaag);
        QCOMPARE(vormUitLijst(QStringLiteral("ovaal")), Vorm::Ovaal);
        QCOMPARE(vormUitLijst(QStringLiteral("diamond")), Vorm::Ruit);
        QCOMPARE(vormUitLijst(QStringLiteral("ster")), std::nullopt);

        // In a stamp list: caption lines after " | ", a shape in a sixth field.
        const StampListResult r = readStampList(QStringLiteral("NVPH 1 | 5 c blauw | 1852; 22; 26; 2; ; ruit\n"
                                                               "NVPH 3|10 c; 22; 26; ; ; \n"
                                                               "NVPH 4 | a | b | c; 22; 26\n"
                                                               "NVPH 5; 22; 26; 1; ; ster\n"),
                                                0);
        QCOMPARE(r.list.frames.size(), 3);
        QCOMPARE(r.list.frames[0], (StampFrame{"NVPH 1", 22, 26, 0, {}, 1, "5 c blauw", "1852", Vorm::Ruit}));
        QCOMPARE(r.list.frames[1], (StampFrame{"NVPH 2", 22, 26, 0, {}, 1, "5 c blauw", "1852", Vorm::Ruit}));
        QCOMPARE(r.list.frames[2], (StampFrame{"NVPH 3", 22, 26, 0, {}, 2, "10 c", {}, Vorm::Rechthoek}));
        QCOMPARE(r.errors, (QStringList{"Regel 3: het onderschrift heeft meer dan drie regels",
                                        "Regel 4: de vorm 'ster' bestaat niet; kies rechthoek, driehoek, driehoek omlaag, ruit of ovaal"}));
    }

    // Boxes by hand: frame 1 at 20..42, frame 2 at 47..69, frame 3 below
    // frame 1 from 85 mm down.
    void captionsThatTouch()
    {
        using Met = CaptionClash::Met;
        PageDesign d;
        d.appendKader(Kader{20, 50, 22, 26, 0, "a"});
        d.appendKader(Kader{47, 50, 22, 26, 0, "b"});
        d.appendKader(Kader{20, 85, 22, 26, 0, "c"});
        const QList<CaptionInk> inks{{1, 1, {15, 80, 31, 3}}, {1, 2, {25, 84, 12, 3}}, {1, 3, {25, 88, 12, 3}},
                                     {2, 1, {45, 80, 26, 3}}, {3, 1, {69, 60, 5, 3}}}; // the last only meets frame 2
        const QList<CaptionClash> clashes = captionClashes(d, inks, {{60, 82, 40, 4}});
        QCOMPARE(clashes, (QList<CaptionClash>{{1, 1, Met::Onderschrift, 2, 1}, {1, 2, Met::Kader, 3, 0}, {1, 3, Met::Kader, 3, 0},
                                               {2, 1, Met::Tekst, 1, 0}}));
        QCOMPARE(clashListing(clashes), "Onderschrift van kader 1 raakt het onderschrift van kader 2\r\n"
                                        "Onderschrift van kader 1 raakt kader 3\r\n"
                                        "Onderschrift van kader 2 raakt tekst 1\r\n");

        // On paper, at 10 points: stamps of 22 mm, 5 mm apart, take
        // "NVPH 1 5 c blue" (25.6 mm) beside "NVPH 2 10 c red" (26 mm),
        // but not that beside "NVPH 3 15 c orange" (31.9 mm).
        PageDesign row;
        for (const char *caption : {"NVPH 1 5 c blue", "NVPH 2 10 c red", "NVPH 3"})
            row.appendKader(Kader{30.0 + 27 * row.KaderCount, 50, 22, 26, 0, caption});
        QCOMPARE(captionClashes(row, captionInks(row), {}), QList<CaptionClash>{});
        row.kader(3).Onderschrift = QStringLiteral("NVPH 3 15 c orange");
        QCOMPARE(captionClashes(row, captionInks(row), {}), (QList<CaptionClash>{{2, 1, Met::Onderschrift, 3, 1}}));
        // A third line, 4 mm a line, reaches a frame 14 mm below; two
        // lines do not.
        row.kader(3).Onderschrift = QStringLiteral("NVPH 3");
        row.appendKader(Kader{57, 90, 22, 26, 0, {}});
        row.kader(2).Onderschrift = QStringLiteral("NVPH 2");
        row.kader(2).Regel2 = QStringLiteral("10 c");
        QCOMPARE(captionClashes(row, captionInks(row), {}), QList<CaptionClash>{});
        row.kader(2).Regel3 = QStringLiteral("1852");
        QCOMPARE(captionClashes(row, captionInks(row), {}), (QList<CaptionClash>{{2, 3, Met::Kader, 4, 0}}));
    }

    // Laid out by "Album indelen", long captions and their further lines
    // print clear of each other: no two words pdftotext finds on the page
    // (in points) overlap.
    void albumCaptionsClearOnPaper()
    {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("poppler-utils is not installed");
        StampListResult read = readStampList(QStringLiteral("NVPH 1 | 5 c blauw, plaat IV | 1852; 22; 26; 5\n"
                                                            "NVPH 6 15 c oranje-geel; 20; 24; 5\n"),
                                             0);
        QCOMPARE(read.errors, QStringList());
        measureCaptions(read.list.frames);
        const LayoutSettings settings;
        const QList<LaidPage> laid = layAlbum(read.list.frames, settings);
        QCOMPARE(laid.size(), 1);
        PageDesign d;
        for (const Kader &k : placeFrames(read.list.frames, laid.at(0), settings, false))
            d.appendKader(k);
        QCOMPARE(d.KaderCount, 10);
        QTemporaryDir dir;
        PrintJob job;
        DrawPage(d, job);
        QPrinter printer(QPrinter::HighResolution);
        QVERIFY(writePdf(printer, job, dir.filePath("album.pdf")));
        QProcess run;
        run.start(pdftotext, {"-bbox", dir.filePath("album.pdf"), "-"});
        QVERIFY(run.waitForFinished(-1));
        const QString xml = QString::fromUtf8(run.readAllStandardOutput());
        static const QRegularExpression line(
            QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\""));
        QList<QRectF> lines;
        for (const QRegularExpressionMatch &m : line.globalMatch(xml))
            lines << QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        QCOMPARE(lines.size(), 5 * 8 + 5 * 5); // "NVPH 1", "5 c blauw, plaat IV", "1852"; "NVPH 6 15 c oranje-geel"
        for (int i = 0; i < lines.size(); ++i)
            for (int j = i + 1; j < lines.size(); ++j)
                QVERIFY2(!lines[i].intersects(lines[j]), qPrintable(QStringLiteral("words %1 and %2").arg(i).arg(j)));
    }
};

QTEST_MAIN(TestShapes)
#include "test_shapes.moc"
