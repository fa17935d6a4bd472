#pragma once
// A page as the canvas holds and shows it, made without the window: for
// pages laid out by the program, which must be what entering the same
// frames one by one would have made.

#include "design/pagedesign.h"

#include <QImage>

namespace plenvik {

// The page picture: the grid, then each frame in order as "Kader invoeren"
// paints it, with its inner frame and caption, in the page's colour.
QImage pagePicture(const PageDesign &design);

// What the canvas shows for the page: the picture with the border and the
// title, subtitle and page number over it, as after loading the page.
QImage pageView(const QImage &picture, const PageDesign &design);

} // namespace plenvik
