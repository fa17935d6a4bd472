// The album layout: against cases greedy filling gets wrong, against a
// search of every layout, and with each issue's heading above its rows.

#include "albumcases.h"

#include "design/albumlayout.h"
#include "design/sheet.h"

#include <QRandomGenerator>
#include <QTest>
#include <functional>
#include <optional>

using namespace plenvik;
using namespace plenvik::test;

namespace {
// A frame's width in its row: a caption reaching more than the gap past
// the frame widens it, 2 mm at a time, until the caption is 2 mm clear.
int slot(const StampFrame &f, int gap, const LayoutArea &area)
{
    if (f.captionWidth <= f.width + gap)
        return f.width;
    for (int w = f.width;; w += 2)
        if (f.captionWidth + 2 <= w + gap || w + 2 > area.width / 10)
            return w;
}

// Every way to cut the list into rows and the rows into pages, judged as
// the choice is stated: the slow, obvious oracle. Returns the row sizes and
// page sizes of the best.
std::pair<QList<int>, QList<int>> bestByTryingEverything(const QList<StampFrame> &f, const LayoutSettings &s,
                                                         const LayoutArea &area, const Headings &headings)
{
    struct Judged {
        QList<qint64> key;          // pages, breaks, rows, evenness
        QList<int> pages, rows;     // compared larger first
    };
    auto better = [](const Judged &a, const Judged &b) {
        if (a.key != b.key)
            return a.key < b.key;
        if (a.pages != b.pages)
            return a.pages > b.pages;
        return a.rows > b.rows;
    };
    const int n = int(f.size());
    std::optional<Judged> best;
    QList<int> rows;
    std::function<void(int)> cutRows = [&](int i) {
        if (i < n) {
            for (int j = i + 1, w = -s.gap; j <= n && f[j - 1].issue == f[i].issue; ++j) {
                w += slot(f[j - 1], s.gap, area) + s.gap;
                if (10 * w > area.width)
                    break;
                rows << j - i;
                cutRows(j);
                rows.removeLast();
            }
            return;
        }
        QList<int> pages; // rows a page
        std::function<void(int)> cutPages = [&](int r) {
            if (r < rows.size()) {
                for (int k = 1; r + k <= rows.size(); ++k) {
                    pages << k;
                    cutPages(r + k);
                    pages.removeLast();
                }
                return;
            }
            Judged j{{qint64(pages.size()), 0, qint64(rows.size()), 0}, {}, rows};
            int frame = 0, row = 0;
            for (int k : pages) {
                int count = 0, height = -10 * s.rowDistance; // in tenths
                for (int q = 0; q < k; ++q, ++row) {
                    // A heading over the page's first row and over each row
                    // that begins another issue.
                    if (q == 0 || f[frame].issue != f[frame - 1].issue)
                        height += headings.value(f[frame].issue, 0);
                    int w = -s.gap, h = 0, captions = 0;
                    for (int t = frame; t < frame + rows[row]; ++t) {
                        w += slot(f[t], s.gap, area) + s.gap;
                        h = qMax(h, f[t].height);
                        captions = qMax(captions, f[t].regel3.isEmpty() ? (f[t].regel2.isEmpty() ? 0 : 41) : 82);
                        if (s.issuePerPage && f[t].issue != f[frame - count].issue)
                            return;
                    }
                    j.key[3] += qint64(area.width - 10 * w) * (area.width - 10 * w);
                    height += 10 * (h + s.rowDistance) + captions;
                    count += rows[row];
                    frame += rows[row];
                }
                if (count > kMaxKaders || height > area.height)
                    return;
                j.key[1] += frame < n && f[frame - 1].issue == f[frame].issue ? 1 : 0;
                j.pages << count;
            }
            if (!best || better(j, *best))
                best = j;
        };
        cutPages(0);
    };
    cutRows(0);
    return {best->rows, best->pages};
}
} // namespace

class TestAlbumLayout : public QObject {
    Q_OBJECT
private slots:
    // Filling rows and pages greedily gets these wrong.
    void defeatsGreedyFilling()
    {
        const LayoutSettings s; // 5 mm apart, rows 12 mm apart
        // Seven where six fit a row: 4 + 3, not 6 + 1. The rows are 103
        // and 76 mm wide, so they start at 105 - 51.5 = 53.5, to the even
        // 54, and at 67; 60 mm of frames leave 155 mm, 51.67 above, between
        // and below: tops 99.67 and 181.33.
        QList<StampFrame> seven = frames(7, 22, 30);
        QList<LaidPage> pages = layAlbum(seven, s);
        QCOMPARE(rowSizes(pages), (QList<int>{4, 3}));
        QStringList placed;
        for (const Kader &k : placeFrames(seven, pages.at(0), s, false))
            placed << place(k);
        QCOMPARE(placed, (QStringList{"54,100 22x30", "81,100 22x30", "108,100 22x30", "135,100 22x30", "67,181 22x30",
                                      "94,181 22x30", "121,181 22x30"}));
        // On Letter the area is 165.9 x 197.4 mm and the middle 107.95 mm:
        // rows start at 107.95 - 51.5 = 56.45 and at 69.95; 1374 tenths
        // left over give tops 48 + 137.4 / 3 = 93.8 and 78 + 91.6 = 169.6.
        const LayoutArea letter = layoutArea(kSheetLetter);
        QCOMPARE(letter, (LayoutArea{250, 480, 1659, 1974, 2159}));
        pages = layAlbum(seven, s, letter);
        QCOMPARE(rowSizes(pages), (QList<int>{4, 3}));
        placed.clear();
        for (const Kader &k : placeFrames(seven, pages.at(0), s, false, letter))
            placed << place(k);
        QCOMPARE(placed, (QStringList{"56,94 22x30", "83,94 22x30", "110,94 22x30", "137,94 22x30", "70,170 22x30",
                                      "97,170 22x30", "124,170 22x30"}));
        // 25 stamps of 22 x 26 mm fit one Letter page by size, 6 across and 5
        // down: 20 to a page as pages always held, all 25 in five even rows
        // where the style allows 30.
        const QList<StampFrame> many = frames(25, 22, 26);
        LayoutSettings dertig = s;
        dertig.kadersPerPagina = 30;
        QCOMPARE(layAlbum(many, s, letter).size(), 2);
        pages = layAlbum(many, dertig, letter);
        QCOMPARE(std::pair(int(pages.size()), rowSizes(pages)), std::pair(1, QList<int>{5, 5, 5, 5, 5}));

        // A tall stamp at the end of a row costs a page: greedy rows
        // 60x80 40x110 | 60x120 39x80 are 110 + 12 + 120 mm high. Rows of
        // 1 and 3 take 80 + 12 + 120 = 212 mm: too close to spread, so the
        // block is centred 1.5 mm down, tops 49.5 and 141.5 to the even 50
        // and 142; the rows of 60 and 149 mm start at 75 and at 30.5, to
        // the even 30.
        const QList<StampFrame> tall{{"a", 60, 80, 0}, {"b", 40, 110, 0}, {"c", 60, 120, 0}, {"d", 39, 80, 0}};
        pages = layAlbum(tall, s);
        QCOMPARE(rowSizes(pages), (QList<int>{1, 3}));
        placed.clear();
        for (const Kader &k : placeFrames(tall, pages.at(0), s, false))
            placed << place(k);
        QCOMPARE(placed, (QStringList{"75,50 60x80", "30,152 40x110", "75,142 60x120", "140,182 39x80"}));

        // Captions of 27 mm under frames of 22, 5 mm apart, just keep
        // clear: the row is today's, 76 mm wide from 67. At 33 mm, and 2 mm
        // clear of each other, each frame takes 30, 4 mm more each side:
        // 100 mm from 55, the frames 4 mm in.
        // One row of 30 mm spreads 185 mm above and below: 140.5, to 140;
        // a second caption line takes 4.1 mm of it: 138.45, to 138.
        QList<StampFrame> wide = frames(3, 22, 30);
        for (StampFrame &f : wide)
            f.captionWidth = 27;
        placed.clear();
        for (const Kader &k : placeFrames(wide, layAlbum(wide, s).at(0), s, false))
            placed << place(k);
        QCOMPARE(placed, (QStringList{"67,140 22x30", "94,140 22x30", "121,140 22x30"}));
        for (StampFrame &f : wide)
            f.captionWidth = 33;
        wide[1].regel2 = QStringLiteral("5 c");
        placed.clear();
        for (const Kader &k : placeFrames(wide, layAlbum(wide, s).at(0), s, false))
            placed << place(k);
        QCOMPARE(placed, (QStringList{"59,138 22x30", "94,138 22x30", "129,138 22x30"}));

        // Twenty small frames are one page, never more; the 21st opens a
        // second.
        QCOMPARE(pageSizes(layAlbum(frames(20, 10, 10), s)), (QList<int>{20}));
        QCOMPARE(pageSizes(layAlbum(frames(21, 10, 10), s)), (QList<int>{11, 10}));
    }

    void agreesWithTryingEveryLayout()
    {
        QRandomGenerator random(1852);
        const LayoutArea areas[] = {kA4Area, layoutArea(kSheetLetter), layoutArea(kSheetA5)};
        for (int round = 0; round < 600; ++round) {
            const LayoutArea &area = areas[round % 3];
            LayoutSettings s;
            s.gap = int(random.bounded(8));
            s.rowDistance = 5 + int(random.bounded(30));
            s.issuePerPage = random.bounded(3) == 0;
            QList<StampFrame> list;
            int issue = 0;
            const int n = 1 + int(random.bounded(10));
            for (int i = 0; i < n; ++i) {
                if (i > 0 && random.bounded(4) == 0)
                    ++issue;
                list << StampFrame{QString(), 15 + int(random.bounded(70)), 15 + int(random.bounded(110)), issue};
                // Every fifth round with captions wider than some frames,
                // and lines 2 and 3 under some.
                if (round % 5 == 4) {
                    list.last().captionWidth = int(random.bounded(120));
                    list.last().regel2 = random.bounded(2) ? QStringLiteral("5 c") : QString();
                    list.last().regel3 = random.bounded(3) ? QString() : QStringLiteral("1852");
                }
            }
            // Every other round with headings of their own height each.
            Headings headings;
            if (round % 2)
                for (int i = 0; i <= issue; ++i)
                    headings << (random.bounded(4) == 0 ? 0 : 30 + int(random.bounded(120)));
            const auto [rows, pages] = bestByTryingEverything(list, s, area, headings);
            const QList<LaidPage> laid = layAlbum(list, s, area, headings);
            QCOMPARE(rowSizes(laid), rows);
            QCOMPARE(pageSizes(laid), pages);
        }
    }

    // Seven frames of 22 x 30 under a heading of 7 mm: rows of 4 and 3, the
    // 148 mm left over spread in three, so the first block (heading and
    // row) starts at 48 + 49.33 = 97.33 and its row 7 mm lower at 104.33,
    // the second row at 48 + 37 + 98.67 = 183.67: 97, 104 and 184.
    void headingsStandAboveTheirRows()
    {
        const LayoutSettings s;
        const QList<StampFrame> seven = frames(7, 22, 30);
        const QList<LaidPage> pages = layAlbum(seven, s, kA4Area, Headings{70});
        QCOMPARE(rowSizes(pages), (QList<int>{4, 3}));
        QList<std::pair<int, int>> tops;
        QStringList placed;
        for (const Kader &k : placeFrames(seven, pages.at(0), s, false, kA4Area, Headings{70}, &tops))
            placed << place(k);
        QCOMPARE(placed.first(), "54,104 22x30");
        QCOMPARE(placed.last(), "121,184 22x30");
        QCOMPARE(tops, (QList<std::pair<int, int>>{{0, 97}}));

        // Frames of 90 mm high leave 28 mm, too little to spread the rows
        // 12 mm apart: the 199 mm block is centred 8 mm down, its heading
        // at 56, the rows at 63 and 63 + 90 + 12 = 165.
        const QList<StampFrame> tall = frames(7, 22, 90);
        tops.clear();
        placed.clear();
        for (const Kader &k : placeFrames(tall, layAlbum(tall, s, kA4Area, Headings{70}).at(0), s, false, kA4Area,
                                          Headings{70}, &tops))
            placed << place(k);
        QCOMPARE(placed.first(), "54,63 22x90");
        QCOMPARE(placed.last(), "121,165 22x90");
        QCOMPARE(tops, (QList<std::pair<int, int>>{{0, 56}}));
    }
};

QTEST_MAIN(TestAlbumLayout)
#include "test_albumlayout.moc"
