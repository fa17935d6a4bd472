#pragma once
// Saved pages: a picture file (name.bmp) and a design file (name.sup) in the
// library folder "Voorbeelden" beside the program. A page is listed when its
// picture is there. Names behave case-insensitively, as on the systems the
// format comes from.

#include "design/pagedesign.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace plenvik {

QString libraryFolder(const QString &programDir);

// A name that can be a file name on every system the pages travel to.
bool isPlainPageName(const QString &name);

// Page names (picture files without ".bmp", any case), in case-insensitive
// alphabetical order. nullopt when the folder is missing or unreadable.
std::optional<QStringList> listPages(const QString &folder);

// The stored file name of the page's picture, compared without case; empty
// when there is none.
QString findPicture(const QString &folder, const QString &name);

struct SaveSteps {
    // Runs once the picture is in place and before the design file is;
    // false stops the save as a failure.
    std::function<bool()> afterPicture;
};

// Writes both files so that a failure at any step leaves the page's earlier
// files whole. A confirmed save over a page whose name differs only in case
// replaces that page. False on any failure.
bool savePageFiles(const QString &folder, const QString &name, const QImage &picture, const PageDesign &design,
                   const SaveSteps &steps = {});

struct LoadedPage {
    QImage picture;
    PageDesign design;
};

// Reads and checks both files before anything is applied. 'base' supplies
// what the file does not hold (records above its frame count).
std::optional<LoadedPage> readPageFiles(const QString &folder, const QString &name, const PageDesign &base,
                                        QString *error = nullptr);

// Removes both files. False when the picture could not be removed (the page
// would stay listed).
bool deletePageFiles(const QString &folder, const QString &name);

} // namespace plenvik
