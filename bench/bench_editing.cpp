// Editing on the canvas: one step of a drag that moves a frame, on a page of
// twenty frames each with a picture, on Letter and on a scaled 330 x 483
// sheet, and one that resizes it on Letter. A step is the frame changed in
// the design, the page picture drawn anew, the pictures placed (a resized
// frame's decoded anew at its new size), the listing rebuilt and the
// canvas painted.

#include "canvas/pic.h"

#include "benchpages.h"
#include "benchwindow.h"

#include <benchmark/benchmark.h>

using namespace plenvik;

namespace {

void BM_DragStep(benchmark::State &state)
{
    PageDesign page = pageWithPictures(2);
    page.sheet = state.range(0) == 1 ? Sheet{330, 483} : kSheetLetter;
    WindowOnPage opened(page);
    Main &window = *opened.window;
    // Frame 1 chosen by a click at its middle, then held there.
    const QRect frame = canvasRectOf(window.design().kader(1), window.pic()->sheetGeometry());
    const QPoint middle = frame.center();
    // A move holds the frame in its middle, a resize by its lower right handle.
    const QPoint at = state.range(0) == 2 ? frame.bottomRight() : middle;
    window.onPicMouseDown(Qt::LeftButton, {}, middle.x(), middle.y());
    window.onPicMouseUp(Qt::NoButton, {}, middle.x(), middle.y());
    window.onPicMouseDown(Qt::LeftButton, {}, at.x(), at.y());
    QImage screen(window.pic()->size(), QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        // A move: three pixels on and back, a whole millimetre or more each
        // time. A resize: two pixels more each time, so each step is a size
        // of its own, whose picture is decoded anew.
        const int dx = state.range(0) == 2 ? 2 * ++step : (++step % 2) * 3;
        window.onPicMouseMove(Qt::LeftButton, {}, at.x() + dx, at.y());
        window.pic()->render(&screen);
    }
    window.onPicMouseUp(Qt::NoButton, {}, at.x(), at.y());
    state.SetLabel(state.range(0) == 1 ? "move, 330 x 483" : state.range(0) == 2 ? "resize, Letter" : "move, Letter");
}
BENCHMARK(BM_DragStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragStep)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(40);

} // namespace
