#pragma once
// The main window with one page opened from a library of its own, as a
// user opens it: saved, then chosen in the list and loaded.

#include "app/mainwindow.h"
#include "canvas/pagerender.h"
#include "library/pagefiles.h"
#include "platform/printer.h"

#include "standins.h"

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

} // namespace plenvik
