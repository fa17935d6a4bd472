// "Album afdrukken..." of pages with pictures of their stamps, through the
// window's own command: 10 and 100 saved pages of twenty pictures each to one PDF,
// with its time, its size and the memory it takes; and checking 1,000
// saved pages as printing does before it draws.

#include "app/mainwindow.h"
#include "canvas/pagerender.h"
#include "library/pagefiles.h"
#include "platform/printer.h"

#include "benchpages.h"
#include "standins.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace plenvik;

namespace {

// The process's peak memory since it was last set back, in megabytes.
double peakMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// Sets the peak back to what the process holds now, so a figure is the
// work's own and not the benchmarks' before it.
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// A library of 'pages' saved pages of twenty frames with pictures, five
// pages of their own repeated.
void fillLibrary(const QString &library, int pages)
{
    QList<PageDesign> five;
    for (int i = 0; i < 5; ++i)
        five << pageWithPictures(i + 2);
    for (int page = 0; page < pages; ++page) {
        PageDesign d = five.at(page % five.size());
        d.PageNumber = QString::number(page + 1);
        savePageFiles(library, QStringLiteral("Blad %1").arg(page, 4, 10, QLatin1Char('0')), pagePicture(d), d);
    }
}

void BM_AlbumWithPicturesToPdf(benchmark::State &state)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("Voorbeelden"));
    fillLibrary(dir.filePath(QStringLiteral("Voorbeelden")), int(state.range(0)));
    QuietDialogs dialogs;
    dialogs.pdf = dir.filePath(QStringLiteral("album.pdf"));
    RowOfTwenty extra;
    QtPrinter printer;
    Main window(portablePaths(dir.path()), Services{&dialogs, &printer, nullptr, nullptr, &extra});
    const double before = peakMb();
    resetPeak();
    for (auto _ : state) {
        window.onExtraAlbum();
        if (!QFile::exists(dialogs.pdf))
            state.SkipWithError("no album written");
    }
    state.counters["held_before_MB"] = before;
    state.counters["peak_MB"] = peakMb();
    state.counters["pdf_MB"] = double(QFileInfo(dialogs.pdf).size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_AlbumWithPicturesToPdf)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(1);

// Every page read and checked as printing checks it, the picture that is
// not drawn without being decoded: 1,000 pages of twenty frames, without
// (0) and with (1) pictures of their stamps.
void BM_AlbumCheck1000Pages(benchmark::State &state)
{
    QTemporaryDir dir;
    PageDesign page = pageWithPictures(2);
    if (state.range(0) == 0)
        page.pictures = Afbeeldingen{};
    const QImage picture = pagePicture(page);
    for (int i = 0; i < 1000; ++i)
        savePageFiles(dir.path(), QStringLiteral("Blad %1").arg(i), picture, page);
    for (auto _ : state) {
        const QStringList listed = libraryListing(dir.path());
        for (int i = 0; i < 1000; ++i)
            benchmark::DoNotOptimize(readPageForPrinting(dir.path(), QStringLiteral("Blad %1").arg(i), nullptr, &listed));
    }
}
BENCHMARK(BM_AlbumCheck1000Pages)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
