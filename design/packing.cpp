#include "design/packing.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <unordered_set>

namespace plenvik::packing {

namespace {
// Steps spent looking for the best fill of one strip.
constexpr long kNodesPerStrip = 20000;

// Pieces of one length, as a kind with a count; longest kind first.
struct Kinds {
    std::vector<Units> width;
    std::vector<int> count;
    std::vector<std::vector<int>> pieces; // the indexes of each kind's pieces

    explicit Kinds(const std::vector<Units> &w)
    {
        for (int i : longestFirst(w)) {
            if (width.empty() || width.back() != w[i]) {
                width.push_back(w[i]);
                count.push_back(0);
                pieces.emplace_back();
            }
            ++count.back();
            pieces.back().push_back(i);
        }
    }
    int size() const { return int(width.size()); }

    // A packing of kinds (a count of each kind a strip) as piece indexes.
    Bins toBins(const std::vector<std::vector<int>> &strips) const
    {
        std::vector<int> used(width.size(), 0);
        Bins out;
        for (const auto &strip : strips) {
            std::vector<int> bin;
            for (int k = 0; k < size(); ++k)
                for (int n = 0; n < strip[k]; ++n)
                    bin.push_back(pieces[k][used[k]++]);
            out.push_back(std::move(bin));
        }
        return out;
    }
};

// The most pieces 'strips' strips can hold, from the pieces' lengths in
// ascending order: t strips that each hold j pieces or more hold at least
// the t * j shortest pieces, so those must fit in t strips' length. Summed
// over j, the strips with at least j pieces give an upper bound.
int mostPieces(const std::vector<Units> &ascending, Units length, int strips)
{
    const int n = int(ascending.size());
    std::vector<Units> prefix(n + 1, 0);
    for (int i = 0; i < n; ++i)
        prefix[i + 1] = prefix[i] + ascending[i];
    int most = 0;
    for (int j = 1; j <= n && prefix[j] <= length; ++j) {
        int t = 0;
        while (t < strips && (t + 1) * j <= n && prefix[(t + 1) * j] <= Units(t + 1) * length)
            ++t;
        most += t;
    }
    return most;
}

// Bin completion over kinds of piece.
class Completion {
public:
    Completion(const Kinds &kinds, Units length, long budget, Clock::time_point deadline)
        : m_k(kinds), m_length(length), m_budget(budget), m_deadline(deadline), m_left(kinds.count)
    {
        // The strips (at most one a piece) and each kind's count, as digits.
        double digits = 0;
        int pieces = 0;
        for (int c : kinds.count) {
            digits += std::log2(double(c + 1));
            pieces += c;
        }
        digits += std::log2(double(pieces + 2));
        m_radixFits = digits < 63;
    }

    SearchResult run(int count)
    {
        Units total = 0;
        for (int k = 0; k < m_k.size(); ++k)
            total += m_k.width[k] * m_k.count[k];
        SearchResult r;
        const Units waste = Units(count) * m_length - total;
        if (waste < 0) {
            r.outcome = SearchResult::Impossible;
            return r;
        }
        const bool placed = place(count, waste);
        if (placed) {
            r.outcome = SearchResult::Found;
            r.bins = m_k.toBins(m_strips);
        } else {
            r.outcome = m_gaveUp ? SearchResult::GaveUp : SearchResult::Impossible;
        }
        return r;
    }

private:
    // Whether the pieces left fit into 'strips' strips wasting at most 'waste'.
    bool place(int strips, Units waste)
    {
        int first = 0;
        while (first < m_k.size() && m_left[first] == 0)
            ++first;
        if (first == m_k.size())
            return true;
        if (strips == 0 || giveUp())
            return false;
        // Pieces longer than half a strip each need a strip of their own.
        int halves = 0;
        for (int k = first; k < m_k.size() && 2 * m_k.width[k] > m_length; ++k)
            halves += m_left[k];
        if (halves > strips)
            return false;
        const Key key = memoKey(strips);
        if (m_failed.count(key))
            return false;
        // Too many pieces for the strips left, however they are shared.
        m_ascending.clear();
        for (int k = m_k.size() - 1; k >= first; --k)
            m_ascending.insert(m_ascending.end(), m_left[k], m_k.width[k]);
        if (mostPieces(m_ascending, m_length, strips) < int(m_ascending.size())) {
            m_failed.insert(key);
            return false;
        }

        --m_left[first];
        m_first = first;
        m_strip.assign(m_k.size(), 0);
        m_strip[first] = 1;
        m_strips.push_back({});
        const bool ok = fill(first, m_length - m_k.width[first], strips, waste);
        if (!ok)
            m_strips.pop_back();
        ++m_left[first];
        if (!ok && !m_gaveUp)
            m_failed.insert(key);
        return ok;
    }

    // Chooses how many pieces of kind k and on go into the strip begun,
    // 'room' being what is left of it; fullest choices first.
    bool fill(int k, Units room, int strips, Units waste)
    {
        if (k == m_k.size())
            return closeStrip(room, strips, waste);
        // The pieces from k on cannot fill the strip within the waste allowed.
        Units reach = 0;
        for (int j = k; j < m_k.size() && reach < room; ++j)
            reach += m_k.width[j] * m_left[j];
        if (room - std::min(reach, room) > waste)
            return false;
        const int most = int(std::min<Units>(m_left[k], room / m_k.width[k]));
        for (int n = most; n >= 0; --n) {
            m_left[k] -= n;
            m_strip[k] += n;
            const bool ok = fill(k + 1, room - n * m_k.width[k], strips, waste);
            m_strip[k] -= n;
            m_left[k] += n;
            if (ok || m_gaveUp)
                return ok;
        }
        return false;
    }

    bool closeStrip(Units room, int strips, Units waste)
    {
        if (room > waste)
            return false;
        // Only a strip that no piece left would still fit into: moving such
        // a piece in never costs a strip, so the others need not be tried.
        for (int k = m_k.size() - 1; k >= 0; --k) {
            if (m_left[k] > 0) {
                if (m_k.width[k] <= room)
                    return false;
                break;
            }
        }
        if (dominated(room))
            return false;
        m_strips.back() = m_strip;
        const int first = m_first;
        if (place(strips - 1, waste - room))
            return true;
        // The strips after this one used these as their own.
        m_strip = m_strips.back();
        m_first = first;
        return false;
    }

    // A strip whose piece, or two of its pieces, a single longer piece left
    // could replace within the room left: the strip with that piece
    // instead packs at least as well, so this one need not be tried.
    bool dominated(Units room) const
    {
        const int n = m_k.size();
        auto replaceable = [&](Units sum) {
            for (int j = n - 1; j >= 0; --j) {
                if (m_left[j] > 0 && m_k.width[j] > sum)
                    return m_k.width[j] - sum <= room;
            }
            return false;
        };
        // The strip's first piece is the longest left: it is never replaced.
        for (int a = 0; a < n; ++a) {
            const int ownA = m_strip[a] - (a == m_first ? 1 : 0);
            if (ownA == 0)
                continue;
            if (replaceable(m_k.width[a]))
                return true;
            for (int b = a; b < n; ++b) {
                const int ownB = m_strip[b] - (b == m_first ? 1 : 0) - (b == a ? 1 : 0);
                if (ownB > 0 && replaceable(m_k.width[a] + m_k.width[b]))
                    return true;
            }
        }
        return false;
    }

    bool giveUp()
    {
        if (++m_nodes > m_budget || ((m_nodes & 255) == 0 && Clock::now() > m_deadline))
            m_gaveUp = true;
        return m_gaveUp;
    }

    // The pieces left and the strips for them. A number when the counts
    // fit one, as for every page; the counts themselves for many pieces.
    using Key = std::string;
    Key memoKey(int strips) const
    {
        if (m_radixFits) {
            std::uint64_t code = std::uint64_t(strips);
            for (int k = 0; k < m_k.size(); ++k)
                code = code * std::uint64_t(m_k.count[k] + 1) + std::uint64_t(m_left[k]);
            return Key(reinterpret_cast<const char *>(&code), sizeof code);
        }
        Key key(reinterpret_cast<const char *>(m_left.data()), m_left.size() * sizeof(int));
        key.append(reinterpret_cast<const char *>(&strips), sizeof strips);
        return key;
    }

    const Kinds &m_k;
    Units m_length;
    long m_budget;
    Clock::time_point m_deadline;
    std::vector<int> m_left;
    std::vector<int> m_strip;
    std::vector<Units> m_ascending;
    std::vector<std::vector<int>> m_strips;
    std::unordered_set<Key> m_failed;
    bool m_radixFits = false;
    int m_first = 0; // the kind of the first piece of the strip being filled
    long m_nodes = 0;
    bool m_gaveUp = false;
};
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

SearchResult completeInto(const std::vector<Units> &w, Units length, int count, long budget, Clock::time_point deadline)
{
    const Kinds kinds(w);
    return Completion(kinds, length, budget, deadline).run(count);
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
