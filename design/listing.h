#pragma once

#include "design/pagedesign.h"

#include <QString>

namespace plenvik {

// The coordinate listing shown beside the canvas: eight fixed lines and one
// line per frame, every line ended by CR LF.
QString buildListing(const PageDesign &design);

} // namespace plenvik
