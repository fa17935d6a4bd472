// Pictures of the stamps: taking in a large scan, loading and redrawing a
// page of twenty frames with pictures, and an album of 100 such pages to PDF.

#include "canvas/framepictures.h"
#include "canvas/pagerender.h"
#include "canvas/pic.h"
#include "library/pagefiles.h"
#include "library/stamppicture.h"
#include "platform/printer.h"
#include "printing/printpage.h"

#include "benchpages.h"

#include <QImageWriter>
#include <QPainter>
#include <QPrinter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace plenvik;

namespace {

const PageDesign &samplePage()
{
    static const PageDesign page = pageWithPictures(1);
    return page;
}

// A 50 MB scan as a scanner leaves it: an uncompressed TIFF of 5000 x 3500.
void BM_TakeIn50MbScan(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("scan.tif");
    QImageWriter writer(path, "tiff");
    writer.setCompression(0);
    writer.write(scanLike(QSize(5000, 3500), 7).convertToFormat(QImage::Format_RGB888));
    state.SetLabel(QStringLiteral("%1 MB").arg(QFileInfo(path).size() / 1e6, 0, 'f', 1).toStdString());
    const Kader frame{30, 50, 30, 36, 0, {}};
    for (auto _ : state)
        benchmark::DoNotOptimize(takeInPicture(path, frame));
}
BENCHMARK(BM_TakeIn50MbScan)->Unit(benchmark::kMillisecond);

void BM_LoadPageWithPictures(benchmark::State &state)
{
    QTemporaryDir dir;
    savePageFiles(dir.path(), "Blad", pagePicture(samplePage()), samplePage());
    for (auto _ : state)
        benchmark::DoNotOptimize(readPageFiles(dir.path(), "Blad", PageDesign{}));
}
BENCHMARK(BM_LoadPageWithPictures)->Unit(benchmark::kMillisecond);

// The pictures made for the canvas after a load: every one decoded anew
// (another strength each time, so none comes from the cache).
void BM_ShowPicturesAfterLoad(benchmark::State &state)
{
    PageDesign d = samplePage();
    int round = 0;
    for (auto _ : state) {
        d.pictures.Sterkte = 5 + round++ % 95;
        benchmark::DoNotOptimize(canvasPictures(d, canvasGeometry(d.sheet)));
    }
}
BENCHMARK(BM_ShowPicturesAfterLoad)->Unit(benchmark::kMillisecond);

// A redraw of the canvas with its twenty pictures.
void BM_RedrawWithPictures(benchmark::State &state)
{
    Pic pic;
    pic.setPicture(pagePicture(samplePage()));
    pic.setFramePictures(canvasPictures(samplePage(), pic.sheetGeometry()));
    QImage target(pic.size(), QImage::Format_RGB32);
    for (auto _ : state)
        pic.render(&target);
}
BENCHMARK(BM_RedrawWithPictures)->Unit(benchmark::kMillisecond);


} // namespace
