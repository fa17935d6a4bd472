// A page's style: a change of it from " Pagina-opmaak" until the canvas
// has drawn it anew, and a drag step on a page of 100 frames in a style
// that allows them.

#include "canvas/pic.h"

#include "benchpages.h"
#include "benchwindow.h"

#include <QAction>
#include <benchmark/benchmark.h>

using namespace plenvik;

namespace {

PaginaOpmaak drievoudig(int links)
{
    PaginaOpmaak s;
    s.rand = Rand::Drievoudig;
    s.links = links;
    s.kadersPerPagina = 100;
    return s;
}

void BM_StyleChange(benchmark::State &state)
{
    PageDesign page = pageWithPictures(2);
    page.PageTitle = QStringLiteral("Nederland 1852");
    page.PageNumber = QStringLiteral("12");
    WindowOnPage opened(page);
    Main &window = *opened.window;
    QImage screen(window.pic()->size(), QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        opened.extra.opmaak = OpmaakKeuze{drievoudig(20 + (++step % 2) * 5), false};
        window.action(QStringLiteral("ExtraPaginaOpmaak"))->trigger();
        window.pic()->render(&screen);
    }
    state.counters["left"] = window.design().opmaak.links; // the change was taken
}
BENCHMARK(BM_StyleChange)->Unit(benchmark::kMillisecond);

void BM_DragStepHundredFrames(benchmark::State &state)
{
    PageDesign page;
    page.opmaak = drievoudig(20);
    for (int i = 0; i < 100; ++i)
        page.appendKader(Kader{25.0 + 16 * (i % 10), 30.0 + 24 * (i / 10), 12, 16, 1, QStringLiteral("NVPH %1").arg(i + 1)});
    WindowOnPage opened(page);
    Main &window = *opened.window;
    dragStepsOnFrameOne(state, window);
    state.counters["frames"] = window.design().KaderCount;
}
BENCHMARK(BM_DragStepHundredFrames)->Unit(benchmark::kMillisecond);

} // namespace
