#pragma once
// The mounting-strip cut list. A frame is the outline of its mount: its
// height is the height of the strip it is cut from, its width the length
// cut off that strip. Pieces of one height are packed into the fewest
// strips. Pure code: the window gathers the frames and shows the text.

#include <QList>
#include <QString>
#include <QStringList>

#include "design/kadervorm.h"

#include <chrono>

namespace plenvik {

struct StripPiece {
    double width = 0;
    double height = 0;
    QString name; // "kader 3", or "Pagina Europa, kader 3"
    Vorm vorm = Vorm::Rechthoek; // a mount is cut from its box whatever the shape
};

// At most this many pieces of one height are packed to a proven minimum.
inline constexpr int kExactPieces = 20;
// The time a whole cut list may take to pack beyond the proven minimum of
// small sets, so the window answers every change of a field at once.
inline constexpr std::chrono::milliseconds kPackingTimeLimit{75};
// Strip lengths and heights, in whole millimetres: the window takes these,
// and the settings file keeps them.
inline constexpr int kMaxStripMm = 9999;

// How a packing was shown to need no fewer strips.
enum class PackProof {
    Bound,   // a quick packing met the lower bound
    Search,  // the search found the minimum or proved no smaller packing exists
    Subsets, // the search gave up and the sets of pieces settled it
    None,    // not proven: many pieces, or out of time
};

// Widths packed into strips of 'length', each strip's pieces in descending
// order. Every width must lie in (0, length]. Up to kExactPieces pieces the
// number of strips is the minimum, proven; above that it is never more than
// first-fit decreasing gives, and the work ends by the deadline.
// 'exactSteps' bounds the search for a small set before the sets of pieces
// settle it.
inline constexpr long kExactSearchSteps = 200000;
QList<QList<double>> packStrips(const QList<double> &widths, double length,
                                std::chrono::steady_clock::time_point deadline, PackProof *proof = nullptr,
                                long exactSteps = kExactSearchSteps);
QList<QList<double>> packStrips(const QList<double> &widths, double length,
                                std::chrono::milliseconds limit = kPackingTimeLimit);

// The sure exact packing for at most kExactPieces pieces, by dynamic
// programming over the sets of pieces; packStrips falls back on it when its
// search cannot settle a small set.
QList<QList<double>> packBySubsets(const QList<double> &widths, double length);

// First-fit decreasing, the yardstick the packing must never do worse than.
QList<QList<double>> firstFitDecreasing(const QList<double> &widths, double length);

// "20 25, 30" -> 20, 25, 30 (blanks or commas between whole millimetres
// from 1 to kMaxStripMm). False when the text holds anything else.
bool parseHeights(const QString &text, QList<int> *heights);

struct CutListRequest {
    QString heading;        // "Stroken voor dit supplement", "Stroken voor 3 supplementen"
    int length = 215;       // of one strip, whole millimetres
    QList<int> heights;     // the heights on sale; empty: one group per frame height
    QList<StripPiece> pieces;
    QStringList unread;     // pages that could not be read
};

// The cut list, lines ended by '\n'.
QString buildCutList(const CutListRequest &request);

} // namespace plenvik
