#pragma once
// Saved pages: a picture file (name.bmp) and a design file (name.sup) in the
// library folder "Voorbeelden" beside the program, and for a page with
// pictures of its stamps a third, name.afb (picturefile.h). A page is listed
// when its picture is there. Names behave case-insensitively, as on the
// systems the format comes from.

#include "design/pagedesign.h"
#include "design/strips.h"
#include "design/textsafe.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace plenvik {

// The picture files of the library ("name.bmp", the extension in any case),
// in case-insensitive alphabetical order of the names. nullopt when the
// folder is missing or unreadable.
std::optional<QStringList> listPictureFiles(const QString &folder);

// The page names: the same files without their extension.
std::optional<QStringList> listPages(const QString &folder);

// The two files of one page as they stand in the folder (names without the
// folder; empty when missing). A page's picture and design file are always
// one pair, found without a guess: the files spelt exactly as the page name,
// or, where that spelling lacks one of them, the one other file of that kind
// that stands alone under another letter case. Where the name has more than
// one picture or design that could be the page's ("foo.bmp" and "foo.BMP",
// or two pictures and one design under three spellings), the page is
// 'ambiguous': both are left empty, and nothing may be read or removed.
struct PagePair {
    QString picture;
    QString design;
    // The pictures of the stamps, a file of the program's own: spelt as the
    // design, or the one such file of the name standing apart from the rest.
    QString pictures;
    bool ambiguous = false;
    QStringList files; // every file of the page's kinds with the name, any case
    bool taken = false; // a picture of the name stands in any spelling
    bool unfinished = false; // an interrupted save of the page could not be finished
};
// Finishes an interrupted save of the page first (pagesave.h). 'listed',
// when given, is the folder's listing from libraryListing(), taken once for
// reading many pages: looking a page up would otherwise list the folder.
PagePair findPage(const QString &folder, const QString &name, const QStringList *listed = nullptr);

// Every file in the folder, for findPage.
QStringList libraryListing(const QString &folder);

// The picture and design files of the name in any letter case, as they
// stand, without finishing anything.
QStringList pageFilesAnyCase(const QString &folder, const QString &name);

// True when the two paths name one file (the same device and inode), as two
// spellings do on a file system that ignores letter case.
bool isSameFile(const QString &a, const QString &b);

// The points a save passes, in order, for tests that stop it there; then
// those of a delete.
enum class SaveStep {
    PartsWritten,
    RecordWritten,
    PicturePlaced,
    DesignPlaced,
    PicturesPlaced,
    DeleteRecorded,
    PictureRemoved,
    DesignRemoved,
};
struct SaveSteps {
    std::function<void(SaveStep)> reached;
};

// Writes both files as one (pagesave.h): a failure at any step leaves the
// page as it was, and a save cut off at any moment leaves the page wholly
// old or wholly new. A confirmed save over a page whose name differs only in
// case replaces that page. False on any failure; 'error', when given, then
// says why where the program can tell more than that the save failed.
bool savePageFiles(const QString &folder, const QString &name, const QImage &picture, const PageDesign &design,
                   const SaveSteps &steps = {}, QString *error = nullptr);

struct LoadedPage {
    QImage picture;
    PageDesign design;
};

// Reads and checks both files before anything is applied. 'base' supplies
// what the file does not hold (records above its frame count). Any name the
// folder lists can be read; the plain-name rule is for names typed at Save.
std::optional<LoadedPage> readPageFiles(const QString &folder, const QString &name, const PageDesign &base,
                                        QString *error = nullptr);

// Reads and checks a page as a load does, for printing it: the picture,
// which printing does not draw, is checked without being decoded.
std::optional<PageDesign> readPageForPrinting(const QString &folder, const QString &name, QString *error = nullptr,
                                             const QStringList *listed = nullptr);

// Reads the page's design file alone, for work that needs no picture (the
// strip cut list). Checked as a load checks it.
std::optional<PageDesign> readPageDesign(const QString &folder, const QString &name, QString *error = nullptr);

// The frames of every readable page in the library as pieces for the strip
// cut list, named "Pagina <name>, kader <k>", with the heading and the pages
// that could not be read.
CutListRequest libraryCutList(const QString &folder);

enum class DeleteResult {
    Deleted,
    PictureKept, // nothing removed: the page stays listed
    DesignKept,  // the picture is gone, so the page is no longer listed, but its design file stayed
    PicturesKept, // as DesignKept, for the file of the stamps' pictures
    Ambiguous,   // nothing removed: which files are the page's is not certain
};
// Removes the page's picture, then its design file, then its stamps'
// pictures, under a record as a save is done: a delete cut off at any
// moment is finished by the next look at the page, which is then wholly
// there or wholly gone.
DeleteResult deletePageFiles(const QString &folder, const QString &name, const SaveSteps &steps = {});

} // namespace plenvik
