// The mounting-strip cut list: packing into the fewest strips, checked
// against cases first-fit decreasing gets wrong and against a brute-force
// count, and the text of the list.

#include "design/strips.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <functional>
#include <numeric>

using namespace plenvik;

namespace {
// Every piece used once, no strip over length, pieces longest first, the
// fullest strip first.
void checkPacking(const QList<QList<double>> &strips, QList<double> pieces, double length)
{
    QList<double> used;
    double previous = 1e300;
    for (const QList<double> &s : strips) {
        const double sum = std::accumulate(s.begin(), s.end(), 0.0);
        QVERIFY(sum <= length + 1e-9);
        QVERIFY(sum <= previous + 1e-9);
        previous = sum;
        QVERIFY(std::is_sorted(s.begin(), s.end(), std::greater<double>()));
        used << s;
    }
    std::sort(used.begin(), used.end());
    std::sort(pieces.begin(), pieces.end());
    QCOMPARE(used, pieces);
}

// The fewest strips by trying every assignment: the slow, obvious oracle.
int bruteForceMinimum(const QList<double> &pieces, double length)
{
    int best = int(pieces.size());
    QList<double> loads;
    std::function<void(int)> place = [&](int i) {
        if (int(loads.size()) >= best)
            return;
        if (i == pieces.size()) {
            best = int(loads.size());
            return;
        }
        for (qsizetype b = 0; b < loads.size(); ++b) {
            if (loads[b] + pieces[i] <= length) {
                loads[b] += pieces[i];
                place(i + 1);
                loads[b] -= pieces[i];
            }
        }
        loads << pieces[i];
        place(i + 1);
        loads.removeLast();
    };
    place(0);
    return best;
}
} // namespace

class TestStrips : public QObject {
    Q_OBJECT
private slots:
    // Sets the quick packings (first fit, best fit, minimum slack) get
    // wrong or cannot prove: the lower bound or the search settles them,
    // and the sets of pieces when the search is cut short. Each fewest is
    // met by the packing in the comment.
    void onlyTheSearchSettles_data()
    {
        QTest::addColumn<QList<double>>("pieces");
        QTest::addColumn<int>("fewest");
        QTest::addColumn<int>("proven"); // PackProof
        QList<double> page;
        for (int k = 0; k < 20; ++k)
            page << (k < 6 ? 84 : k < 10 ? 68 : 24);
        // 1016 mm fits 5 strips by length, but a strip takes at most two
        // pieces of 84 and wastes 23 mm then, or 11 with one: 6 strips.
        QTest::newRow("page of one height") << page << 6 << int(PackProof::Search);
        // 103 51 35 26 | 68 67 56 24 | 107 102 | 115 94; 848 mm > 3 x 215.
        QTest::newRow("twelve pieces") << QList<double>{102, 103, 94, 107, 35, 115, 24, 68, 56, 51, 26, 67} << 4
                                       << int(PackProof::Search);
        // 91 76 48 | 96 83 36 | 91 75 25 24 | 112 101 | 117 96 | 94 68 39; 1272 mm.
        QTest::newRow("seventeen pieces") << QList<double>{91, 91, 94, 96, 48, 36, 83, 39, 24, 25, 101, 68, 112, 75, 96, 76, 117}
                                          << 6 << int(PackProof::Search);
        // 114 101 | 100 62 53 | 109 55 51 | 92 73 50 | 94 80 40 | 111 102 | 108 66 25; 1486 mm.
        QTest::newRow("nineteen pieces") << QList<double>{101, 73, 94, 92, 53, 102, 114, 51, 108, 25, 50, 100, 55, 40, 111, 66,
                                                          109, 80, 62}
                                         << 7 << int(PackProof::Search);
        // Only 51 52 53 54 go four to a strip; the rest at most three: 7.
        QTest::newRow("four to a strip once") << QList<double>{58, 61, 55, 64, 76, 77, 80, 51, 53, 63, 54, 54, 72, 57, 52, 56, 61,
                                                               59, 59, 62}
                                              << 7 << int(PackProof::Bound);
        QTest::newRow("three to a strip never fits") << QList<double>(20, 72) << 10 << int(PackProof::Bound);
        // 111 78 26 | 114 37 28 26 | 108 107: 107.5 is half, so 107 and 108
        // may share a strip.
        QTest::newRow("exactly half") << QList<double>{114, 26, 37, 78, 107, 26, 111, 108, 28} << 3 << int(PackProof::Bound);
        // 118 37 33 27 | 96 77 42 | 89 85 41 | 63 62 36 32 22: four strips
        // with no waste at all.
        QTest::newRow("no waste") << QList<double>{33, 27, 22, 85, 77, 42, 89, 62, 36, 63, 41, 37, 96, 32, 118} << 4
                                  << int(PackProof::Search);
    }
    void onlyTheSearchSettles()
    {
        QFETCH(QList<double>, pieces);
        QFETCH(int, fewest);
        QFETCH(int, proven);
        const auto later = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        PackProof proof = PackProof::None;
        const auto packed = packStrips(pieces, 215, later, &proof);
        QCOMPARE(packed.size(), fewest);
        checkPacking(packed, pieces, 215);
        QCOMPARE(int(proof), proven);
        // A search cut short at once leaves it to the sets of pieces.
        const auto bySubsets = packStrips(pieces, 215, later, &proof, 1);
        QCOMPARE(bySubsets.size(), fewest);
        checkPacking(bySubsets, pieces, 215);
        QVERIFY(proof == PackProof::Subsets || proof == PackProof::Bound);
    }

    void fewestAgreesWithTryingEverything()
    {
        QRandomGenerator random(1852);
        for (int round = 0; round < 300; ++round) {
            QList<double> pieces;
            const int n = 1 + int(random.bounded(9));
            for (int i = 0; i < n; ++i)
                pieces << double(1 + random.bounded(120));
            const int fewest = bruteForceMinimum(pieces, 150);
            QCOMPARE(packStrips(pieces, 150).size(), fewest);
            QCOMPARE(packBySubsets(pieces, 150).size(), fewest);
        }
    }

    void manyPiecesNeverWorseThanFirstFit()
    {
        QRandomGenerator random(1864);
        QList<double> pieces;
        for (int i = 0; i < 400; ++i)
            pieces << double(20 + random.bounded(100));
        const auto packed = packStrips(pieces, 215);
        QVERIFY(packed.size() <= firstFitDecreasing(pieces, 215).size());
        checkPacking(packed, pieces, 215);
    }

    // The list works in the whole millimetres of the page, as the window
    // rounds them: fractions from a page changed by hand do not make groups
    // or strips of their own, and a piece longer than the strip never fits.
    void cutListWithHeightsOnSale()
    {
        CutListRequest r;
        r.heading = QStringLiteral("Stroken voor 2 supplementen");
        r.heights = {25, 35};
        for (int k = 1; k <= 5; ++k)
            r.pieces << StripPiece{43.0004, 35.0001, QStringLiteral("Pagina A, kader %1").arg(k)};
        r.pieces << StripPiece{40.5, 24.9999, "Pagina B, kader 1"} << StripPiece{30, 20, "Pagina B, kader 2"}
                 << StripPiece{50, 40, "Pagina B, kader 3"} << StripPiece{1e16, 20, "Pagina B, kader 4"};
        r.unread = {QStringLiteral("Oud blad")};
        QCOMPARE(buildCutList(r), QStringLiteral("Stroken voor 2 supplementen\n"
                                                 "Lengte van een strook: 215 mm\n"
                                                 "\n"
                                                 "Hoogte 25 mm: 1 strook\n"
                                                 "Strook 1: 40 + 30 = 70 mm, rest 145 mm\n"
                                                 "\n"
                                                 "Hoogte 35 mm: 1 strook\n"
                                                 "Strook 1: 43 + 43 + 43 + 43 + 43 = 215 mm, rest 0 mm\n"
                                                 "\n"
                                                 "Geen strook hoog genoeg: Pagina B, kader 3 (40 mm hoog)\n"
                                                 "Past niet: Pagina B, kader 4 (10000000000000000 mm breed)\n"
                                                 "Niet gelezen: Oud blad\n"
                                                 "\n"
                                                 "Totaal: 2 stroken\n"));
        CutListRequest oneHeight;
        oneHeight.heading = QStringLiteral("Stroken voor dit supplement");
        oneHeight.pieces = {{100, 30, "kader 1"}, {100, 30.0001, "kader 2"}, {15, 29.9999, "kader 3"}, {215, 30, "kader 4"}};
        QVERIFY(buildCutList(oneHeight).contains("\nHoogte 30 mm: 2 stroken\nStrook 1: 215 = 215 mm, rest 0 mm\n"
                                                 "Strook 2: 100 + 100 + 15 = 215 mm, rest 0 mm\n\n"));
    }

    void heightsAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QList<int>>("heights");
        QTest::newRow("blanks and commas") << "30, 20 25" << true << QList<int>{20, 25, 30};
        QTest::newRow("empty") << " " << true << QList<int>{};
        QTest::newRow("twice") << "25,25" << true << QList<int>{25};
        QTest::newRow("a word") << "20 mm" << false << QList<int>{};
        QTest::newRow("zero") << "0" << false << QList<int>{};
        QTest::newRow("a fraction") << "12.5" << false << QList<int>{};
        QTest::newRow("longest kept") << "9999" << true << QList<int>{9999};
        QTest::newRow("longer than the file keeps") << "25 10000" << false << QList<int>{};
    }
    void heightsAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(QList<int>, heights);
        QList<int> got;
        QCOMPARE(parseHeights(typed, &got), ok);
        if (ok)
            QCOMPARE(got, heights);
    }
};

QTEST_GUILESS_MAIN(TestStrips)
#include "test_strips.moc"
