#include "canvas/grid.h"

#include <QImage>
#include <QPainter>

namespace plenvik {

void DrawGrid(QImage &picture)
{
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(200, 200, 200));
    for (int x = 0; x <= 340; x += 10)
        p.drawLine(x, 0, x, 520);
    for (int y = 0; y <= 520; y += 10)
        p.drawLine(0, y, 340, y);
    p.setPen(QColor(150, 150, 150));
    p.drawLine(170, 0, 170, 520);
    for (int y : {130, 260, 390})
        p.drawLine(0, y, 340, y);
}

} // namespace plenvik
