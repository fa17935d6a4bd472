#pragma once
// What the parts of strip packing share: pieces grouped by length, and how
// many pieces so many strips can hold at most.

#include "design/packing.h"

#include <algorithm>
#include <vector>

namespace plenvik::packing {

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
inline int mostPieces(const std::vector<Units> &ascending, Units length, int strips)
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

} // namespace plenvik::packing
