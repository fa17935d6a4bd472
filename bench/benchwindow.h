#pragma once
// The main window with one page opened from a library of its own, as a
// user opens it: saved, then chosen in the list and loaded.

#include "app/mainwindow.h"
#include "canvas/pagerender.h"
#include "library/pagefiles.h"
#include "platform/printer.h"

#include "standins.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <memory>

namespace plenvik {

struct WindowOnPage {
    QTemporaryDir dir;
    QuietDialogs dialogs;
    RowOfTwenty extra;
    QtPrinter printer;
    std::unique_ptr<Main> window;

    explicit WindowOnPage(const PageDesign &page)
    {
        QDir(dir.path()).mkdir(QStringLiteral("Voorbeelden"));
        savePageFiles(dir.filePath(QStringLiteral("Voorbeelden")), QStringLiteral("Blad"), pagePicture(page), page);
        window = std::make_unique<Main>(portablePaths(dir.path()), Services{&dialogs, &printer, nullptr, nullptr, &extra});
        qobject_cast<QListWidget *>(window->control("List1"))->setCurrentRow(0);
        window->onList1DblClick();
    }
};

// Frame 1 chosen, then held and moved 3 pixels to and fro, the canvas
// painted after each move: one drag step a round.
inline void dragStepsOnFrameOne(benchmark::State &state, Main &window)
{
    const QPoint middle = canvasRectOf(window.design().kader(1), window.pic()->sheetGeometry()).center();
    window.onPicMouseDown(Qt::LeftButton, {}, middle.x(), middle.y());
    window.onPicMouseUp(Qt::NoButton, {}, middle.x(), middle.y());
    window.onPicMouseDown(Qt::LeftButton, {}, middle.x(), middle.y());
    QImage screen(window.pic()->size(), QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        window.onPicMouseMove(Qt::LeftButton, {}, middle.x() + (++step % 2) * 3, middle.y());
        window.pic()->render(&screen);
    }
    window.onPicMouseUp(Qt::NoButton, {}, middle.x(), middle.y());
}

} // namespace plenvik
