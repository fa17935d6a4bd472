#pragma once
// The versions of one page that the kill test saves one after another: each
// save changes both files, so every kill inside a save tests old against new.

#include "canvas/grid.h"
#include "design/pagedesign.h"

#include <QImage>
#include <QPainter>

namespace plenvik::test {

inline PageDesign killPageDesign(int version)
{
    PageDesign d;
    const int shift = (version % 2) * 100;
    for (int k = 0; k < 20; ++k) {
        d.addFrame(10 + k * 15, 20 + shift, 20 + k * 15, 60 + shift, version % 2 == 1);
        d.kader(k + 1).Onderschrift = QStringLiteral("Versie %1, kader %2").arg(version).arg(k + 1);
    }
    d.PageTitle = QStringLiteral("Versie %1").arg(version);
    return d;
}

inline QImage killPagePicture(int version)
{
    QImage img(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    DrawGrid(img);
    QPainter(&img).fillRect(QRect(50, 50 + (version % 2) * 200, 200, 100),
                            QColor(version & 0xff, (version >> 8) & 0xff, 128));
    return img;
}

} // namespace plenvik::test
