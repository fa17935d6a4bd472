// Pictures of the stamps: taking in a large scan, loading and redrawing a
// page of twenty frames with pictures, and an album of 100 such pages to PDF.

#include "canvas/framepictures.h"
#include "canvas/pagerender.h"
#include "canvas/pic.h"
#include "library/pagefiles.h"
#include "library/stamppicture.h"
#include "platform/printer.h"
#include "printing/printpage.h"

#include <QImageWriter>
#include <QPainter>
#include <QPrinter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace plenvik;

namespace {

// A scan-like picture: an engraving's fine lines over smooth colour, with
// the grain of paper and scanner, so it compresses as a scanned stamp does
// rather than as a flat fill or as pure noise.
QImage scanLike(QSize size, int seed)
{
    QImage img(size, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < size.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int grain = int(random.bounded(12));
            const int engraving = ((x + y * 3 + seed) / 4) % 3 == 0 ? 60 : 0;
            const int r = 200 - engraving - x * 80 / size.width() + grain;
            const int g = 170 - engraving - y * 60 / size.height() + grain;
            line[x] = qRgb(r, g, (seed * 40 + grain) & 0xff);
        }
    }
    return img;
}

// Twenty frames of 30 x 36 mm in four rows, each with its stamp's picture.
PageDesign pageWithPictures(int seed)
{
    PageDesign d;
    for (int k = 0; k < 20; ++k)
        d.appendKader(Kader{double(30 + (k % 5) * 32), double(55 + (k / 5) * 50), 30, 36, k % 2, QStringLiteral("NVPH %1").arg(k + 1)});
    QTemporaryDir dir;
    for (int k = 0; k < 20; ++k) {
        const QString path = dir.filePath(QStringLiteral("%1.jpg").arg(k));
        scanLike(QSize(900, 1080), seed * 20 + k).save(path, "jpeg", 92);
        d.pictures.Bestanden.at(k) = takeInPicture(path, d.kader(k + 1)).value_or(QByteArray());
    }
    return d;
}

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

// An album of 100 pages of twenty pictures each, drawn and written to PDF.
void BM_Album100PagesWithPicturesToPdf(benchmark::State &state)
{
    QTemporaryDir dir;
    QList<PageDesign> pages;
    for (int i = 0; i < 5; ++i)
        pages << pageWithPictures(i + 2);
    for (auto _ : state) {
        PrintJob job;
        for (int i = 0; i < 100; ++i) {
            if (i > 0)
                job.newPage();
            DrawPage(pages.at(i % pages.size()), job);
        }
        QPrinter printer(QPrinter::HighResolution);
        benchmark::DoNotOptimize(writePdf(printer, job, dir.filePath("album.pdf")));
    }
    state.SetLabel(QStringLiteral("%1 MB").arg(QFileInfo(dir.filePath("album.pdf")).size() / 1e6, 0, 'f', 1).toStdString());
}
BENCHMARK(BM_Album100PagesWithPicturesToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
