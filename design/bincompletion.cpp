// Bin completion (see completeInto in packing.h): strip after strip, with
// the counts of pieces left remembered where they failed.

#include "design/packing.h"
#include "design/packingkinds.h"

#include <cmath>
#include <string>
#include <unordered_set>

namespace plenvik::packing {

namespace {
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

SearchResult completeInto(const std::vector<Units> &w, Units length, int count, long budget, Clock::time_point deadline)
{
    const Kinds kinds(w);
    return Completion(kinds, length, budget, deadline).run(count);
}

} // namespace plenvik::packing
