// Text on the page: a page of twenty frames and twenty lines of text drawn
// on the canvas, one step of a drag that moves a line, and an album laid
// out with each issue's heading above its rows.

#include "canvas/canvastexts.h"
#include "canvas/pic.h"
#include "design/albumlayout.h"
#include "design/pageedit.h"
#include "design/stamplist.h"

#include "benchpages.h"
#include "benchwindow.h"

#include <benchmark/benchmark.h>

using namespace plenvik;

namespace {

// Twenty frames of 30 x 36 mm, each row of five under two lines of text:
// a heading in bold, centred, and a note beside it; Greek and Dutch, of
// several sizes.
PageDesign pageWithTexts()
{
    PageDesign d;
    for (int k = 0; k < 20; ++k)
        d.appendKader(Kader{double(30 + (k % 5) * 32), double(55 + (k / 5) * 55), 30, 36, k % 2, QStringLiteral("NVPH %1").arg(k + 1)});
    for (int t = 0; t < 20; ++t) {
        const bool heading = t % 2 == 0;
        const double top = 45 + (t / 2) * 22 + (heading ? 0 : 6);
        const QString text = heading ? (t % 4 == 0 ? QStringLiteral("1852. Koning Willem III") : QStringLiteral("\u0395\u03bb\u03bb\u03ac\u03c2 1861"))
                                     : QStringLiteral("Plaatfout: gebroken E in POSTZEGEL");
        addTekst(d, Tekst{text, top, heading ? 0.0 : 20.0, heading, heading ? 12 + t % 3 * 2 : 8, heading});
    }
    return d;
}

// A redraw of the canvas after the page's texts changed: each line set in
// its font at the sheet's scale and measured, then the canvas painted.
void BM_RedrawWithTexts(benchmark::State &state)
{
    const PageDesign d = pageWithTexts();
    Pic pic;
    pic.setPicture(pagePicture(d));
    QImage target(pic.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        pic.setTeksten(canvasTeksten(d, pic.sheetGeometry()));
        pic.render(&target);
    }
}
BENCHMARK(BM_RedrawWithTexts)->Unit(benchmark::kMillisecond);

// One step of a drag that moves the first line of text, through the window:
// the line moved in the design, the texts placed anew, the listing rebuilt
// and the canvas painted.
void BM_TextDragStep(benchmark::State &state)
{
    WindowOnPage opened(pageWithTexts());
    Main &window = *opened.window;
    if (window.design().TekstCount != 20)
        state.SkipWithError("the page did not load with its texts");
    const QPoint middle = canvasRectOfTekst(window.design(), 1, window.pic()->sheetGeometry()).center();
    // Chosen by a click, then held: three pixels down and back, a whole
    // millimetre or more each time.
    window.onPicMouseDown(Qt::LeftButton, {}, middle.x(), middle.y());
    window.onPicMouseUp(Qt::NoButton, {}, middle.x(), middle.y());
    window.onPicMouseDown(Qt::LeftButton, {}, middle.x(), middle.y());
    const double top = window.design().tekst(1).BovenMm;
    window.onPicMouseMove(Qt::LeftButton, {}, middle.x(), middle.y() + 3);
    if (window.design().tekst(1).BovenMm == top)
        state.SkipWithError("the line did not move");
    QImage screen(window.pic()->size(), QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        window.onPicMouseMove(Qt::LeftButton, {}, middle.x(), middle.y() + (++step % 2) * 3);
        window.pic()->render(&screen);
    }
    window.onPicMouseUp(Qt::NoButton, {}, middle.x(), middle.y());
}
BENCHMARK(BM_TextDragStep)->Unit(benchmark::kMillisecond);

// "Album indelen" with headings: the list read, every page laid out and
// placed with each issue's heading of 5.9 mm (12 pt) above its rows.
void BM_AlbumLayoutHeadings(benchmark::State &state)
{
    const QString text = stampList(int(state.range(0)));
    const LayoutSettings settings;
    for (auto _ : state) {
        const StampListResult read = readStampList(text, 5, kA4Area, 59);
        const Headings headings(read.list.issues.size(), 59);
        const QList<LaidPage> pages = layAlbum(read.list.frames, settings, kA4Area, headings);
        QList<std::pair<int, int>> tops;
        for (const LaidPage &page : pages)
            benchmark::DoNotOptimize(placeFrames(read.list.frames, page, settings, false, kA4Area, headings, &tops));
        state.counters["pages"] = double(pages.size());
        state.counters["headings"] = double(tops.size());
    }
}
BENCHMARK(BM_AlbumLayoutHeadings)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
