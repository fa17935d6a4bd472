#pragma once
// The two versions of one page that the kill test saves in turn.

#include "canvas/grid.h"
#include "design/pagedesign.h"

#include <QImage>
#include <QPainter>

namespace plenvik::test {

inline PageDesign killPageDesign(int version)
{
    PageDesign d;
    for (int k = 0; k < 20; ++k) {
        d.addFrame(10 + k * 15, 20 + version * 100, 20 + k * 15, 60 + version * 100, version == 1);
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
    QPainter(&img).fillRect(QRect(50, 50 + version * 200, 200, 100), version ? Qt::darkGreen : Qt::darkRed);
    return img;
}

} // namespace plenvik::test
