// The cut list on pages that are hard to prove: the worst of many random
// pages, and a library whose every height is such a page.

#include "design/strips.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <chrono>

using namespace plenvik;

namespace {

double packMs(const QList<double> &widths)
{
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(packStrips(widths, 215));
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Of 5,000 pages of 20 frames of one height, widths 40 to 110 mm in bands
// drawn from a fixed seed, the one that took longest here; its widths are
// the benchmark's label, for the performance notes.
QList<double> worstRandomPage()
{
    QRandomGenerator random(2026);
    QList<double> worst;
    double worstMs = -1;
    for (int round = 0; round < 5000; ++round) {
        const int low = 40 + int(random.bounded(40));
        const int high = low + 10 + int(random.bounded(111 - low - 9));
        QList<double> page;
        for (int k = 0; k < 20; ++k)
            page << double(low + random.bounded(high - low));
        const double ms = packMs(page);
        if (ms > worstMs) {
            worstMs = ms;
            worst = page;
        }
    }
    return worst;
}

void BM_CutListWorstRandomPage(benchmark::State &state)
{
    static const QList<double> page = worstRandomPage();
    QStringList label;
    for (double w : page)
        label << QString::number(w);
    state.SetLabel(label.join(QLatin1Char(' ')).toStdString());
    for (auto _ : state)
        benchmark::DoNotOptimize(packStrips(page, 215));
}
BENCHMARK(BM_CutListWorstRandomPage)->Unit(benchmark::kMillisecond);

// Ten heights, each a page whose fewest strips only a count of the pieces
// proves: widths 58 61 55 64 76 77 80 51 53 63 54 54 72 57 52 56 61 59 59
// 62 in a 215 mm strip.
void BM_CutListTenHardHeights(benchmark::State &state)
{
    const QList<double> widths{58, 61, 55, 64, 76, 77, 80, 51, 53, 63, 54, 54, 72, 57, 52, 56, 61, 59, 59, 62};
    CutListRequest r;
    r.heading = QStringLiteral("Stroken voor 10 supplementen");
    for (int h = 0; h < 10; ++h)
        for (int k = 0; k < widths.size(); ++k)
            r.pieces << StripPiece{widths.at(k), double(20 + h), QStringLiteral("Pagina %1, kader %2").arg(h).arg(k + 1)};
    for (auto _ : state)
        benchmark::DoNotOptimize(buildCutList(r));
}
BENCHMARK(BM_CutListTenHardHeights)->Unit(benchmark::kMillisecond);

} // namespace
