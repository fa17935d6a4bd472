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
    void beatsFirstFitDecreasing_data()
    {
        QTest::addColumn<QList<double>>("pieces");
        QTest::addColumn<int>("firstFit");
        QTest::addColumn<int>("fewest");
        QTest::newRow("two strips, not three") << QList<double>{86, 86, 64, 64, 64, 64} << 3 << 2;
        QTest::newRow("eight pieces") << QList<double>{70, 64, 55, 50, 50, 48, 44, 33} << 3 << 2;
        QTest::newRow("nine pieces") << QList<double>{110, 110, 90, 86, 52, 50, 45, 45, 30} << 4 << 3;
        QTest::newRow("twenty pieces") << QList<double>{105, 100, 90, 75, 70, 64, 60, 58, 52, 50, 50, 48, 48, 36, 31, 31, 31, 28, 26, 20} << 6 << 5;
        QTest::newRow("twenty pieces, four strips") << QList<double>{90, 86, 70, 67, 55, 55, 52, 45, 44, 40, 40, 28, 25, 25, 25, 25, 22, 22, 20, 20} << 5 << 4;
        QTest::newRow("three to a strip never fits") << QList<double>(20, 72) << 10 << 10;
    }
    void beatsFirstFitDecreasing()
    {
        QFETCH(QList<double>, pieces);
        QFETCH(int, firstFit);
        QFETCH(int, fewest);
        QCOMPARE(firstFitDecreasing(pieces, 215).size(), firstFit);
        const auto packed = packStrips(pieces, 215);
        QCOMPARE(packed.size(), fewest);
        checkPacking(packed, pieces, 215);
        const auto bySubsets = packBySubsets(pieces, 215);
        QCOMPARE(bySubsets.size(), fewest);
        checkPacking(bySubsets, pieces, 215);
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

    void cutListWithHeightsOnSale()
    {
        CutListRequest r;
        r.heading = QStringLiteral("Stroken voor 2 supplementen");
        r.length = 100;
        r.heights = {25, 35};
        r.pieces = {{40, 30, "Pagina B, kader 1"}, {40.5, 20, "Pagina A, kader 2"}, {30, 25, "Pagina A, kader 3"},
                    {50, 40, "Pagina A, kader 4"}, {120, 20, "Pagina B, kader 2"}};
        r.unread = {QStringLiteral("Oud blad")};
        QCOMPARE(buildCutList(r), QStringLiteral("Stroken voor 2 supplementen\n"
                                                 "Lengte van een strook: 100 mm\n"
                                                 "\n"
                                                 "Hoogte 25 mm: 1 strook\n"
                                                 "Strook 1: 40.5 + 30 = 70.5 mm, rest 29.5 mm\n"
                                                 "\n"
                                                 "Hoogte 35 mm: 1 strook\n"
                                                 "Strook 1: 40 = 40 mm, rest 60 mm\n"
                                                 "\n"
                                                 "Geen strook hoog genoeg: Pagina A, kader 4 (40 mm hoog)\n"
                                                 "Past niet: Pagina B, kader 2 (120 mm breed)\n"
                                                 "Niet gelezen: Oud blad\n"
                                                 "\n"
                                                 "Totaal: 2 stroken\n"));
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
