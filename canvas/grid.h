#pragma once

class QImage;

namespace plenvik {

// The background grid: light lines every 10 units, darker lines on the
// vertical centre and the quarter heights. Drawn on top of what the picture holds.
void DrawGrid(QImage &picture);

} // namespace plenvik
