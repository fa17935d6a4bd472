#include "design/albumlayout.h"

#include "design/units.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace plenvik {

namespace {

// How a page's rows weigh in the choice: fewer rows, then a smaller sum of
// squared free widths, then the fuller rows first.
struct RowsKey {
    int rows = 0;
    qint64 evenness = 0;
    std::array<std::uint8_t, kMaxKaders> counts{};

    bool operator<(const RowsKey &o) const
    {
        if (rows != o.rows)
            return rows < o.rows;
        if (evenness != o.evenness)
            return evenness < o.evenness;
        for (int i = 0; i < rows; ++i)
            if (counts[i] != o.counts[i])
                return counts[i] > o.counts[i];
        return false;
    }
    bool operator<=(const RowsKey &o) const { return !(o < *this); }
};

// Rows laid from a page's first frame up to some frame: the height they
// take (each row with the row distance under it), their weight, and where
// the last row began, to find the rows again.
struct Partial {
    int height = 0;
    RowsKey key;
    int from = -1;      // frame where the last row begins
    int fromIndex = -1; // the partial there it extends
};

// The best rows for every page that begins at one frame.
class PageRows {
public:
    PageRows(const QList<StampFrame> &frames, const LayoutSettings &s, const LayoutArea &area, const Headings &headings)
        : m_f(frames), m_s(s), m_area(area), m_headings(headings)
    {
    }

    // Fills the partials of every page beginning at 'first'; after it,
    // best(end) is the best way to lay frames first..end-1 on one page.
    void run(int first)
    {
        m_first = first;
        const int n = int(m_f.size());
        int last = std::min(n, first + std::clamp(m_s.kadersPerPagina, 1, kMaxKaders));
        if (m_s.issuePerPage) {
            int end = first;
            while (end < last && m_f.at(end).issue == m_f.at(first).issue)
                ++end;
            last = end;
        }
        m_last = last;
        for (auto &front : m_fronts)
            front.clear();
        m_fronts[0].push_back(Partial{});
        // In tenths of a millimetre, as the area is given.
        const int room = m_area.height + 10 * m_s.rowDistance;
        for (int k = first; k < last; ++k) {
            const std::vector<Partial> &here = m_fronts[k - first];
            int width = -m_s.gap, height = 0, captions = 0;
            // A row that begins an issue on the page stands under its heading.
            const int heading = headingAbove(m_f, first, k, m_headings);
            for (int m = k + 1; m <= last; ++m) {
                const StampFrame &f = m_f.at(m - 1);
                if (f.issue != m_f.at(k).issue)
                    break;
                width += slotWidth(f, m_s.gap, m_area) + m_s.gap;
                height = std::max(height, f.height);
                captions = std::max(captions, captionRoom(f));
                if (10 * width > m_area.width)
                    break;
                for (int p = 0; p < int(here.size()); ++p) {
                    Partial next;
                    next.height = here[p].height + 10 * (height + m_s.rowDistance) + captions + heading;
                    if (next.height > room)
                        continue;
                    next.key = here[p].key;
                    next.key.counts[next.key.rows++] = std::uint8_t(m - k);
                    const qint64 free = m_area.width - 10 * width;
                    next.key.evenness += free * free;
                    next.from = k;
                    next.fromIndex = p;
                    insert(m_fronts[m - first], next);
                }
            }
        }
    }

    // The best rows for frames first..end-1, or null when they fit no page.
    const Partial *best(int end) const
    {
        if (end <= m_first || end > m_last)
            return nullptr;
        const std::vector<Partial> &front = m_fronts[end - m_first];
        const Partial *out = nullptr;
        for (const Partial &p : front)
            if (!out || p.key < out->key)
                out = &p;
        return out;
    }

    QList<LaidRow> rows(int end) const
    {
        QList<LaidRow> out;
        const Partial *p = best(end);
        int at = end;
        while (p && p->from >= 0) {
            out.prepend(LaidRow{p->from, at - p->from});
            at = p->from;
            p = &m_fronts[p->from - m_first][p->fromIndex];
        }
        return out;
    }

private:
    // Keeps only the partials no other beats in both height and weight.
    static void insert(std::vector<Partial> &front, const Partial &c)
    {
        for (const Partial &p : front)
            if (p.height <= c.height && p.key <= c.key)
                return;
        std::erase_if(front, [&](const Partial &p) { return c.height <= p.height && c.key <= p.key; });
        front.push_back(c);
    }

    const QList<StampFrame> &m_f;
    const LayoutSettings &m_s;
    const LayoutArea m_area;
    const Headings &m_headings;
    int m_first = 0;
    int m_last = 0;
    std::array<std::vector<Partial>, kMaxKaders + 1> m_fronts;
};

// The whole layout from a frame on: what the choice counts, in its order.
struct Rest {
    int pages = 0;
    int breaks = 0;
    int rows = 0;
    qint64 evenness = 0;
    int end = -1; // where the first page of the rest ends
    bool operator<(const Rest &o) const
    {
        return std::tie(pages, breaks, rows, evenness) < std::tie(o.pages, o.breaks, o.rows, o.evenness);
    }
};

// Round half to even of num / den, for den > 0 and num >= 0.
int rounded(qint64 num, qint64 den)
{
    const qint64 q = num / den, rem = num % den;
    qint64 v = q;
    if (2 * rem > den || (2 * rem == den && v % 2 != 0))
        ++v;
    return int(v);
}
} // namespace

int headingAbove(const QList<StampFrame> &frames, int pageFirst, int first, const Headings &headings)
{
    if (first != pageFirst && frames.at(first - 1).issue == frames.at(first).issue)
        return 0;
    return headings.value(frames.at(first).issue, 0);
}

int LaidPage::frames() const
{
    int n = 0;
    for (const LaidRow &r : rows)
        n += r.count;
    return n;
}

int slotWidth(const StampFrame &f, int gap, const LayoutArea &area)
{
    if (f.captionWidth <= f.width + gap)
        return f.width; // as every page was laid out
    // Widened, a caption keeps a clear space from its neighbours, so the
    // two never read as one.
    const int over = f.captionWidth + kCaptionClearance - f.width - gap;
    // At most the area's width, still an even number more.
    const int most = f.width + 2 * std::max(0, (area.width / 10 - f.width) / 2);
    return std::min(f.width + 2 * ((over + 1) / 2), most);
}

int captionRoom(const StampFrame &f)
{
    return f.regel3.isEmpty() ? (f.regel2.isEmpty() ? 0 : kCaptionLineTenths) : 2 * kCaptionLineTenths;
}

int rowWidth(const QList<StampFrame> &frames, const LaidRow &row, int gap, const LayoutArea &area)
{
    int w = (row.count - 1) * gap;
    for (int i = row.first; i < row.first + row.count; ++i)
        w += slotWidth(frames.at(i), gap, area);
    return w;
}

namespace {
int rowCaptionRoom(const QList<StampFrame> &frames, const LaidRow &row)
{
    int room = 0;
    for (int i = row.first; i < row.first + row.count; ++i)
        room = std::max(room, captionRoom(frames.at(i)));
    return room;
}
} // namespace

int rowHeight(const QList<StampFrame> &frames, const LaidRow &row)
{
    int h = 0;
    for (int i = row.first; i < row.first + row.count; ++i)
        h = std::max(h, frames.at(i).height);
    return h;
}

QList<LaidPage> layAlbum(const QList<StampFrame> &frames, const LayoutSettings &settings, const LayoutArea &area,
                         const Headings &headings)
{
    const int n = int(frames.size());
    // From the last frame back: the best layout of the frames from each one
    // on. Pages and breaks, rows and evenness add up, so the best rest after
    // a page is the best one on its own; of pages that weigh the same, the
    // fuller first page wins.
    std::vector<Rest> rest(n + 1);
    rest[n].end = n;
    PageRows page(frames, settings, area, headings);
    for (int i = n - 1; i >= 0; --i) {
        page.run(i);
        Rest best;
        best.end = -1;
        for (int end = std::min(n, i + std::clamp(settings.kadersPerPagina, 1, kMaxKaders)); end > i; --end) {
            const Partial *p = page.best(end);
            if (!p || rest[end].end < 0)
                continue;
            Rest r = rest[end];
            r.pages += 1;
            r.breaks += (end < n && frames.at(end - 1).issue == frames.at(end).issue) ? 1 : 0;
            r.rows += p->key.rows;
            r.evenness += p->key.evenness;
            r.end = end;
            if (best.end < 0 || r < best)
                best = r;
        }
        rest[i] = best;
    }
    QList<LaidPage> pages;
    for (int i = 0; i < n && rest[i].end > i;) {
        page.run(i);
        pages.append(LaidPage{page.rows(rest[i].end)});
        i = rest[i].end;
    }
    return pages;
}

QList<Kader> placeFrames(const QList<StampFrame> &frames, const LaidPage &page, const LayoutSettings &s, bool innerFrames,
                         const LayoutArea &area, const Headings &headings, QList<std::pair<int, int>> *headingTops)
{
    const int count = int(page.rows.size());
    // In tenths of a millimetre, as the area is given. A row and the heading
    // above it, if any, are one block: the blocks are spread or centred.
    QList<int> above(count); // each row's heading
    qint64 blocks = 0;
    for (int r = 0; r < count; ++r) {
        above[r] = headingAbove(frames, page.first(), page.rows.at(r).first, headings);
        blocks += 10 * rowHeight(frames, page.rows.at(r)) + rowCaptionRoom(frames, page.rows.at(r)) + above[r];
    }
    const qint64 free = area.height - blocks;
    // Spread evenly: the free height in count + 1 equal parts. Where that
    // brings rows closer than the row distance, they are that far apart
    // and the block is centred.
    const qint64 distance = 10 * qint64(s.rowDistance);
    const bool spread = free >= distance * (count + 1);
    QList<Kader> out;
    qint64 before = 0; // the blocks above, and their row distances when centred
    for (int r = 0; r < count; ++r) {
        const LaidRow &row = page.rows.at(r);
        const qint64 start = area.top + before + above[r];
        const int top = spread ? rounded(start * (count + 1) + free * (r + 1), 10 * qint64(count + 1))
                               : rounded(2 * start + free - distance * (count - 1), 20);
        if (above[r] > 0 && headingTops) {
            const qint64 heading = start - above[r];
            headingTops->append({frames.at(row.first).issue,
                                 spread ? rounded(heading * (count + 1) + free * (r + 1), 10 * qint64(count + 1))
                                        : rounded(2 * heading + free - distance * (count - 1), 20)});
        }
        const int height = rowHeight(frames, row);
        before += 10 * height + rowCaptionRoom(frames, row) + above[r] + (spread ? 0 : 10 * s.rowDistance);
        const int width = rowWidth(frames, row, s.gap, area);
        int left = rounded(qint64(area.sheetWidth) - 10 * qint64(width), 20); // the sheet's middle - width / 2
        for (int i = row.first; i < row.first + row.count; ++i) {
            const StampFrame &f = frames.at(i);
            const int slot = slotWidth(f, s.gap, area);
            out.append(Kader{double(left + (slot - f.width) / 2), double(top + height - f.height), double(f.width),
                             double(f.height), innerFrames ? 1 : 0, f.caption, f.vorm, Lijn::Doorgetrokken, f.regel2,
                             f.regel3});
            left += slot + s.gap;
        }
    }
    return out;
}

QString pageSubtitle(const StampList &list, const QList<LaidPage> &pages, int index, const QString &continuation)
{
    const LaidPage &page = pages.at(index);
    QStringList names;
    int previous = -1;
    for (int i = page.first(); i < page.first() + page.frames(); ++i) {
        const int issue = list.frames.at(i).issue;
        if (issue == previous)
            continue;
        previous = issue;
        const QString &name = list.issues.at(issue);
        if (name.isEmpty())
            continue;
        // Continued: the page before ends in the same issue.
        const bool continued = i == page.first() && index > 0 && list.frames.at(i - 1).issue == issue;
        names << (continued ? name + continuation : name);
    }
    return names.join(QStringLiteral(" / "));
}

QStringList albumPageNames(const QString &name, int firstNumber, int count)
{
    const int last = firstNumber + count - 1;
    const int digits = std::max(2, int(QString::number(last).size()));
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QStringLiteral("%1 %2").arg(name).arg(firstNumber + i, digits, 10, QLatin1Char('0'));
    return out;
}

} // namespace plenvik
