#pragma once
// The parts of strip packing: quick packings, a lower bound, and the exact
// methods that prove a minimum. Pieces are lengths in whole units of an
// integer type, so sums are exact; a packing lists each strip's pieces by
// index. The cut list (strips.h) puts them together.

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace plenvik::packing {

using Units = std::int64_t;
using Bins = std::vector<std::vector<int>>;
using Clock = std::chrono::steady_clock;

// Piece indexes longest first; equal pieces keep their order.
std::vector<int> longestFirst(const std::vector<Units> &w);

// First fit (or best fit) decreasing, in the given order.
Bins fitDecreasing(const std::vector<Units> &w, const std::vector<int> &order, Units length, bool bestFit);

// Minimum bin slack: strip after strip, the longest piece left with the
// pieces left that fill the rest of it best. Nothing once the deadline
// has passed.
std::optional<Bins> minimumSlack(const std::vector<Units> &w, const std::vector<int> &order, Units length,
                                 Clock::time_point deadline);

// The best of the total length, Martello and Toth's L2, which counts the
// pieces too long to share a strip, and the count of pieces: so many strips
// must hold them all, and t strips of j pieces or more hold at least the
// t * j shortest.
int lowerBound(const std::vector<Units> &w, Units length);

// Whether the pieces fit into 'count' strips, by bin completion: strip
// after strip, the longest piece left with each set of pieces left that
// fills the strip so far that no piece left would still fit, equal pieces
// taken as one kind, never more waste than 'count' strips allow, and sets
// of pieces that failed once remembered. Settles the question within
// 'budget' steps and the deadline, or gives up.
struct SearchResult {
    enum Outcome { Found, Impossible, GaveUp } outcome = GaveUp;
    Bins bins;
};
SearchResult completeInto(const std::vector<Units> &w, Units length, int count, long budget,
                          Clock::time_point deadline);

// The exact minimum by dynamic programming over the sets of pieces left,
// equal pieces counted rather than told apart: for each set, the fewest
// strips and then the emptiest last strip. Sure to end, in steps of the
// number of such sets times the kinds of piece; for at most 20 pieces.
Bins exactBySets(const std::vector<Units> &w, Units length);

} // namespace plenvik::packing
