// Frames of other shapes: one drag step on a page of twenty shaped frames
// with three caption lines and pictures, and "Album indelen" of a list
// whose captions have three lines, some wider than their frames, with the
// captions measured as the window measures them.

#include "canvas/pic.h"
#include "design/albumlayout.h"
#include "platform/textmetrics.h"

#include "benchpages.h"
#include "benchwindow.h"

#include <benchmark/benchmark.h>

using namespace plenvik;

namespace {

void BM_ShapedDragStep(benchmark::State &state)
{
    PageDesign page = pageWithPictures(2);
    for (int k = 1; k <= page.KaderCount; ++k) {
        page.kader(k).vorm = kVormen[1 + k % 4];
        page.kader(k).lijn = k % 2 ? Lijn::Gestreept : Lijn::Doorgetrokken;
        page.kader(k).Regel2 = QStringLiteral("%1 c blauw").arg(k * 5);
        page.kader(k).Regel3 = QStringLiteral("1852");
    }
    WindowOnPage opened(page);
    Main &window = *opened.window;
    dragStepsOnFrameOne(state, window);
}
BENCHMARK(BM_ShapedDragStep)->Unit(benchmark::kMillisecond);

void BM_AlbumLayoutCaptions(benchmark::State &state)
{
    // Every stamp with its value and year, every seventh with a caption
    // too wide for its frame, every fifth a diamond.
    QString text;
    const QStringList lines = stampList(int(state.range(0))).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
        if (semicolon > 0 && !line.startsWith(QLatin1Char('=')))
            line.insert(semicolon, i % 7 ? QStringLiteral(" | %1 c | 1852").arg(i % 50)
                                         : QStringLiteral(" | %1 c blauw, plaat IV, tanding 12 1/2 | 1852").arg(i % 50));
        if (semicolon > 0 && i % 5 == 0)
            line += QStringLiteral("; 1; ; ruit");
        text += line + QLatin1Char('\n');
    }
    const LayoutSettings settings;
    for (auto _ : state) {
        StampListResult read = readStampList(text, 5);
        measureCaptions(read.list.frames);
        const QList<LaidPage> pages = layAlbum(read.list.frames, settings);
        for (const LaidPage &page : pages)
            benchmark::DoNotOptimize(placeFrames(read.list.frames, page, settings, false));
        state.counters["pages"] = double(pages.size());
        state.counters["errors"] = double(read.errors.size());
    }
}
BENCHMARK(BM_AlbumLayoutCaptions)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
