#pragma once
// Captions that run into a frame, another caption or a line of text on
// paper: shown in red on the canvas and named for the listing.

#include "design/pagedesign.h"

#include <QString>

namespace plenvik {

class Pic;

// Marks the page's clashing caption lines on 'pic' (none when none clash)
// and returns the listing's lines that name them, empty for none.
QString markClashingCaptions(Pic &pic, const PageDesign &design);

} // namespace plenvik
