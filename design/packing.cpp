#include "design/packing.h"

#include "design/packingkinds.h"

#include <algorithm>
#include <numeric>

namespace plenvik::packing {

namespace {
// Steps spent looking for the best fill of one strip.
constexpr long kNodesPerStrip = 20000;
} // namespace

std::vector<int> longestFirst(const std::vector<Units> &w)
{
    std::vector<int> order(w.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return w[a] > w[b]; });
    return order;
}

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

std::optional<Bins> minimumSlack(const std::vector<Units> &w, const std::vector<int> &order, Units length,
                                 Clock::time_point deadline)
{
    std::vector<int> left = order;
    Bins bins;
    std::vector<int> chosen, best;
    while (!left.empty()) {
        if (Clock::now() > deadline)
            return std::nullopt;
        const Units room = length - w[left.front()];
        std::vector<Units> suffix(left.size() + 1, 0);
        for (int i = int(left.size()) - 1; i >= 1; --i)
            suffix[i] = suffix[i + 1] + w[left[i]];
        chosen.clear();
        best.clear();
        Units bestSum = 0;
        long nodes = 0;
        // Depth first over the pieces left, longest first.
        auto fill = [&](auto &&self, size_t from, Units sum) -> void {
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
                self(self, i + 1, sum + w[left[i]]);
                chosen.pop_back();
            }
        };
        fill(fill, 1, 0);
        std::vector<int> bin{left.front()};
        for (int i : best)
            bin.push_back(left[i]);
        for (auto it = best.rbegin(); it != best.rend(); ++it)
            left.erase(left.begin() + *it);
        left.erase(left.begin());
        bins.push_back(std::move(bin));
    }
    return bins;
}

int lowerBound(const std::vector<Units> &w, Units length)
{
    const Units total = std::accumulate(w.begin(), w.end(), Units(0));
    int best = int((total + length - 1) / length);
    std::vector<Units> thresholds{0};
    for (Units x : w)
        if (2 * x <= length)
            thresholds.push_back(x);
    std::sort(thresholds.begin(), thresholds.end());
    thresholds.erase(std::unique(thresholds.begin(), thresholds.end()), thresholds.end());
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
    // Pieces too many for so few strips, however short.
    std::vector<Units> ascending(w);
    std::sort(ascending.begin(), ascending.end());
    while (mostPieces(ascending, length, best) < int(w.size()))
        ++best;
    return best;
}

Bins exactBySets(const std::vector<Units> &w, Units length)
{
    const Kinds kinds(w);
    const int n = kinds.size();
    // A set of pieces is a count of each kind, numbered in mixed radix.
    std::vector<std::size_t> stride(n + 1, 1);
    for (int k = 0; k < n; ++k)
        stride[k + 1] = stride[k] * std::size_t(kinds.count[k] + 1);
    const std::size_t sets = stride[n];
    std::vector<std::uint8_t> strips(sets, 0xff);
    std::vector<Units> fill(sets, 0);
    std::vector<std::int8_t> last(sets, -1);
    strips[0] = 1;
    std::vector<int> used(n, 0);
    for (std::size_t set = 0; set + 1 < sets; ++set) {
        // The counts of this set, kept in step as the number counts up.
        if (set > 0) {
            for (int k = 0; k < n; ++k) {
                if (++used[k] <= kinds.count[k])
                    break;
                used[k] = 0;
            }
        }
        if (strips[set] == 0xff)
            continue;
        for (int k = 0; k < n; ++k) {
            if (used[k] == kinds.count[k])
                continue;
            std::uint8_t s = strips[set];
            Units f = fill[set] + kinds.width[k];
            if (f > length) {
                ++s;
                f = kinds.width[k];
            }
            const std::size_t next = set + stride[k];
            if (s < strips[next] || (s == strips[next] && f < fill[next])) {
                strips[next] = s;
                fill[next] = f;
                last[next] = std::int8_t(k);
            }
        }
    }
    // Walk back for the order the pieces were added in, then lay them out.
    std::vector<int> sequence;
    for (std::size_t set = sets - 1; set != 0; set -= stride[last[set]])
        sequence.push_back(last[set]);
    std::reverse(sequence.begin(), sequence.end());
    std::vector<std::vector<int>> byKind;
    Units load = length + 1;
    for (int k : sequence) {
        if (load + kinds.width[k] > length) {
            byKind.emplace_back(n, 0);
            load = 0;
        }
        ++byKind.back()[k];
        load += kinds.width[k];
    }
    return kinds.toBins(byKind);
}

} // namespace plenvik::packing