#include "design/strips.h"

#include "design/units.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <numeric>
#include <optional>
#include <vector>

namespace plenvik {

namespace {

// Packing works in thousandths of a millimetre, so sums are exact.
using Units = std::int64_t;
constexpr double kUnitsPerMm = 1000;
// Search nodes per attempt before the search gives up on proving.
constexpr long kNodeBudgetExact = 200000;
constexpr long kNodeBudgetLarge = 100000;
// Steps spent looking for the best fill of one strip.
constexpr long kNodesPerStrip = 20000;

Units toUnits(double mm)
{
    return static_cast<Units>(std::llround(mm * kUnitsPerMm));
}

// A packing as strips of piece indexes.
using Bins = std::vector<std::vector<int>>;

Bins fitDecreasing(const std::vector<Units> &w, const std::vector<int> &order, Units length, bool bestFit)
{
    Bins bins;
    std::vector<Units> load;
    for (int i : order) {
        int chosen = -1;
        for (int b = 0; b < int(bins.size()); ++b) {
            if (load[b] + w[i] > length)
                continue;
            if (!bestFit) {
                chosen = b;
                break;
            }
            if (chosen < 0 || load[b] > load[chosen])
                chosen = b;
        }
        if (chosen < 0) {
            bins.emplace_back();
            load.push_back(0);
            chosen = int(bins.size()) - 1;
        }
        bins[chosen].push_back(i);
        load[chosen] += w[i];
    }
    return bins;
}

// Minimum bin slack: strip after strip, the longest piece left together
// with the pieces left that fill the rest of that strip best. Where many
// short pieces share strips it reaches the fewest strips far more often
// than first-fit decreasing.
Bins minimumSlack(const std::vector<Units> &w, const std::vector<int> &order, Units length)
{
    std::vector<int> left = order;
    Bins bins;
    while (!left.empty()) {
        const Units room = length - w[left.front()];
        std::vector<Units> suffix(left.size() + 1, 0);
        for (int i = int(left.size()) - 1; i >= 1; --i)
            suffix[i] = suffix[i + 1] + w[left[i]];
        std::vector<int> chosen, best;
        Units bestSum = 0;
        long nodes = 0;
        std::function<void(size_t, Units)> fill = [&](size_t from, Units sum) {
            if (sum > bestSum) {
                bestSum = sum;
                best = chosen;
            }
            for (size_t i = from; i < left.size() && bestSum < room && nodes < kNodesPerStrip; ++i) {
                if (sum + suffix[i] <= bestSum)
                    return; // all that is left cannot do better
                // Of equal pieces at one depth only the first is tried.
                if (i > from && w[left[i]] == w[left[i - 1]])
                    continue;
                if (sum + w[left[i]] > room)
                    continue;
                ++nodes;
                chosen.push_back(int(i));
                fill(i + 1, sum + w[left[i]]);
                chosen.pop_back();
            }
        };
        fill(1, 0);
        std::vector<int> bin{left.front()};
        for (int i : best)
            bin.push_back(left[i]);
        for (auto it = best.rbegin(); it != best.rend(); ++it)
            left.erase(left.begin() + *it);
        left.erase(left.begin());
        bins.push_back(bin);
    }
    return bins;
}

// The better of two lower bounds: the total length, and Martello and
// Toth's L2, which counts pieces too long to share a strip with others.
int lowerBound(const std::vector<Units> &w, Units length)
{
    const Units total = std::accumulate(w.begin(), w.end(), Units(0));
    int best = int((total + length - 1) / length);
    std::vector<Units> thresholds{0};
    for (Units x : w)
        if (2 * x <= length)
            thresholds.push_back(x);
    for (Units k : thresholds) {
        int big = 0, middle = 0;
        Units middleSum = 0, smallSum = 0;
        for (Units x : w) {
            if (x > length - k)
                ++big;
            else if (2 * x > length) {
                ++middle;
                middleSum += x;
            } else if (x >= k)
                smallSum += x;
        }
        const Units room = Units(middle) * length - middleSum;
        const Units over = smallSum - room;
        const int extra = over > 0 ? int((over + length - 1) / length) : 0;
        best = std::max(best, big + middle + extra);
    }
    return best;
}

// Depth-first search for a packing into exactly 'count' strips, pieces
// taken longest first. Strips with equal loads are interchangeable, so
// only the first of them is tried; likewise only one empty strip.
class Search {
public:
    Search(const std::vector<Units> &w, const std::vector<int> &order, Units length, long budget,
           std::chrono::steady_clock::time_point deadline)
        : m_w(w), m_order(order), m_length(length), m_budget(budget), m_deadline(deadline)
    {
        m_rest.assign(order.size() + 1, 0);
        for (int i = int(order.size()) - 1; i >= 0; --i)
            m_rest[i] = m_rest[i + 1] + w[order[i]];
    }

    std::optional<Bins> pack(int count)
    {
        m_load.assign(count, 0);
        m_bin.assign(m_order.size(), -1);
        m_aborted = false;
        if (!place(0))
            return std::nullopt;
        Bins bins(count);
        for (size_t i = 0; i < m_order.size(); ++i)
            bins[m_bin[i]].push_back(m_order[i]);
        return bins;
    }
    bool aborted() const { return m_aborted; }

private:
    bool place(size_t i)
    {
        if (i == m_order.size())
            return true;
        if (++m_nodes > m_budget || ((m_nodes & 1023) == 0 && std::chrono::steady_clock::now() > m_deadline)) {
            m_aborted = true;
            return false;
        }
        // The space that the smallest piece left could still use must hold
        // all pieces left.
        const Units smallest = m_w[m_order.back()];
        Units usable = 0;
        for (Units l : m_load)
            if (m_length - l >= smallest)
                usable += m_length - l;
        if (m_rest[i] > usable)
            return false;
        const Units piece = m_w[m_order[i]];
        for (size_t b = 0; b < m_load.size(); ++b) {
            if (m_load[b] + piece > m_length)
                continue;
            bool seen = false;
            for (size_t e = 0; e < b && !seen; ++e)
                seen = m_load[e] == m_load[b];
            if (seen)
                continue;
            m_load[b] += piece;
            m_bin[i] = int(b);
            if (place(i + 1))
                return true;
            m_load[b] -= piece;
            if (m_aborted)
                return false;
        }
        return false;
    }

    const std::vector<Units> &m_w;
    const std::vector<int> &m_order;
    Units m_length;
    long m_budget;
    std::chrono::steady_clock::time_point m_deadline;
    std::vector<Units> m_rest;
    std::vector<Units> m_load;
    std::vector<int> m_bin;
    long m_nodes = 0;
    bool m_aborted = false;
};

// The exact minimum by dynamic programming over the subsets of pieces: for
// each set, the fewest strips and then the emptiest last strip. Sure to end
// in about a million steps times the number of pieces, for at most
// kExactPieces pieces.
Bins exactBySubsets(const std::vector<Units> &w, Units length)
{
    const int n = int(w.size());
    const std::uint32_t all = (1u << n) - 1;
    std::vector<std::uint8_t> bins(all + 1, 0xff);
    std::vector<std::int32_t> fill(all + 1, 0);
    std::vector<std::int8_t> last(all + 1, -1);
    bins[0] = 1;
    for (std::uint32_t mask = 0; mask < all; ++mask) {
        if (bins[mask] == 0xff)
            continue;
        for (int i = 0; i < n; ++i) {
            if (mask & (1u << i))
                continue;
            std::uint8_t b = bins[mask];
            Units f = fill[mask] + w[i];
            if (f > length) {
                ++b;
                f = w[i];
            }
            const std::uint32_t next = mask | (1u << i);
            if (b < bins[next] || (b == bins[next] && f < fill[next])) {
                bins[next] = b;
                fill[next] = std::int32_t(f);
                last[next] = std::int8_t(i);
            }
        }
    }
    // Walk back for the order the pieces were added in, then lay them out.
    std::vector<int> sequence;
    for (std::uint32_t mask = all; mask; mask &= ~(1u << last[mask]))
        sequence.push_back(last[mask]);
    std::reverse(sequence.begin(), sequence.end());
    Bins out;
    Units load = length + 1;
    for (int i : sequence) {
        if (load + w[i] > length) {
            out.emplace_back();
            load = 0;
        }
        out.back().push_back(i);
        load += w[i];
    }
    return out;
}

QList<QList<double>> toStrips(const Bins &bins, const QList<double> &widths)
{
    QList<QList<double>> strips;
    for (const auto &bin : bins) {
        QList<double> strip;
        for (int i : bin)
            strip << widths.at(i);
        std::sort(strip.begin(), strip.end(), std::greater<double>());
        strips << strip;
    }
    auto sum = [](const QList<double> &s) { return std::accumulate(s.begin(), s.end(), 0.0); };
    std::stable_sort(strips.begin(), strips.end(), [&](const QList<double> &a, const QList<double> &b) {
        const double sa = sum(a), sb = sum(b);
        if (std::fabs(sa - sb) > 1e-9)
            return sa > sb;
        return std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end());
    });
    return strips;
}

std::vector<int> longestFirst(const std::vector<Units> &w)
{
    std::vector<int> order(w.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return w[a] > w[b]; });
    return order;
}

std::vector<Units> unitsOf(const QList<double> &widths)
{
    std::vector<Units> w;
    w.reserve(widths.size());
    for (double x : widths)
        w.push_back(toUnits(x));
    return w;
}

// A whole number of millimetres plainly; a sum of fractions to the
// thousandth the packing works in.
QString mm(double v)
{
    return formatListingNumber(std::round(v * kUnitsPerMm) / kUnitsPerMm);
}

} // namespace

QList<QList<double>> firstFitDecreasing(const QList<double> &widths, double length)
{
    const std::vector<Units> w = unitsOf(widths);
    return toStrips(fitDecreasing(w, longestFirst(w), toUnits(length), false), widths);
}

QList<QList<double>> packBySubsets(const QList<double> &widths, double length)
{
    if (widths.isEmpty() || widths.size() > kExactPieces)
        return {};
    return toStrips(exactBySubsets(unitsOf(widths), toUnits(length)), widths);
}

QList<QList<double>> packStrips(const QList<double> &widths, double length, std::chrono::milliseconds limit)
{
    const std::vector<Units> w = unitsOf(widths);
    const Units len = toUnits(length);
    const std::vector<int> order = longestFirst(w);
    Bins best = fitDecreasing(w, order, len, false);
    for (const Bins &other : {fitDecreasing(w, order, len, true), minimumSlack(w, order, len)})
        if (other.size() < best.size())
            best = other;
    const int bound = lowerBound(w, len);
    if (int(best.size()) <= bound)
        return toStrips(best, widths);

    const bool exact = int(w.size()) <= kExactPieces;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (int count = int(best.size()) - 1; count >= bound; --count) {
        Search search(w, order, len, exact ? kNodeBudgetExact : kNodeBudgetLarge, deadline);
        if (auto found = search.pack(count)) {
            best = *found;
            continue;
        }
        // Proven: no packing into 'count' strips exists.
        if (!search.aborted())
            break;
        // The search could not settle it; for a small set the subsets do.
        if (exact)
            best = exactBySubsets(w, len);
        break;
    }
    return toStrips(best, widths);
}

bool parseHeights(const QString &text, QList<int> *heights)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    QList<int> out;
    for (const QString &part : text.split(separators, Qt::SkipEmptyParts)) {
        bool ok = false;
        const int v = part.toInt(&ok);
        if (!ok || v <= 0)
            return false;
        if (!out.contains(v))
            out << v;
    }
    std::sort(out.begin(), out.end());
    if (heights)
        *heights = out;
    return true;
}

QString buildCutList(const CutListRequest &r)
{
    QStringList lines;
    lines << r.heading << QStringLiteral("Lengte van een strook: %1 mm").arg(r.length) << QString();

    std::map<double, QList<double>> groups;
    QStringList apart;
    for (const StripPiece &p : r.pieces) {
        if (!(p.width > 0) || !(p.height > 0))
            continue; // no mount to cut
        double height = p.height;
        if (!r.heights.isEmpty()) {
            const auto fits = std::find_if(r.heights.begin(), r.heights.end(), [&](int h) { return h >= p.height; });
            if (fits == r.heights.end()) {
                apart << QStringLiteral("Geen strook hoog genoeg: %1 (%2 mm hoog)").arg(p.name, mm(p.height));
                continue;
            }
            height = *fits;
        }
        if (toUnits(p.width) > toUnits(r.length)) {
            apart << QStringLiteral("Past niet: %1 (%2 mm breed)").arg(p.name, mm(p.width));
            continue;
        }
        groups[height] << p.width;
    }

    auto strips = [](int n) { return n == 1 ? QStringLiteral("1 strook") : QStringLiteral("%1 stroken").arg(n); };
    int total = 0;
    for (const auto &[height, widths] : groups) {
        const QList<QList<double>> packed = packStrips(widths, r.length);
        total += int(packed.size());
        lines << QStringLiteral("Hoogte %1 mm: %2").arg(mm(height), strips(int(packed.size())));
        for (int s = 0; s < packed.size(); ++s) {
            QStringList parts;
            double used = 0;
            for (double w : packed.at(s)) {
                parts << mm(w);
                used += w;
            }
            lines << QStringLiteral("Strook %1: %2 = %3 mm, rest %4 mm")
                         .arg(s + 1)
                         .arg(parts.join(QStringLiteral(" + ")), mm(used), mm(r.length - used));
        }
        lines << QString();
    }
    for (const QString &name : r.unread)
        apart << QStringLiteral("Niet gelezen: %1").arg(name);
    if (!apart.isEmpty())
        lines << apart << QString();
    lines << QStringLiteral("Totaal: %1").arg(strips(total));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace plenvik
