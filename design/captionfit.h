#pragma once
// Captions that run into something: a caption line whose ink on paper
// touches another frame, another caption or a line of text. Printing never
// moves or cuts a caption; the canvas shows it in red and the listing
// names it, so the collector can make room.

#include "design/pagedesign.h"

#include <QList>
#include <QString>

namespace plenvik {

// Where a caption line's ink stands on the sheet: frame 'kader', line
// 'regel' (1 to 3).
struct CaptionInk {
    int kader = 0;
    int regel = 1;
    RectMm ink;
};

struct CaptionClash {
    enum class Met { Kader, Onderschrift, Tekst };
    int kader = 0;
    int regel = 1;
    Met met = Met::Kader;
    int other = 0;      // the frame or text line it touches
    int otherRegel = 0; // the other caption's line, for Onderschrift
    bool operator==(const CaptionClash &) const = default;
};

// Every caption line that touches another frame's box, a caption line of
// another frame (named once, from the lower frame number), or a text's
// box; in the order of the frames and their lines.
QList<CaptionClash> captionClashes(const PageDesign &design, const QList<CaptionInk> &captions,
                                   const QList<RectMm> &teksten);

// A line of the listing for each frame and what its caption touches:
// "Onderschrift van kader 2 raakt kader 3", one a pair.
QString clashListing(const QList<CaptionClash> &clashes);

} // namespace plenvik
