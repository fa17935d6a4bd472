#pragma once
// Saving a page's files (two, or three with pictures of its stamps) as one: after a crash or a kill at any moment,
// the page is wholly its old version or wholly its new one.
//
// All files are first written in full beside their names (see safewrite.h).
// Then a record ".<name>.plenvik-paar" is put in place, naming the part files
// and what they replace; from that moment the save is as good as done. The
// parts are renamed into place, files of the page under other letter cases
// are removed, and the record goes last. Whoever next lists, reads, saves or
// deletes the page and finds a record finishes it. A save cut off before its
// record stands leaves the old page, and at most part files that the next
// save of the name clears.
//
// The record is a text of CR LF lines in UTF-8, so that it can name every
// page: "Plenvik paar 1", then "<file>\t<part file>" for each file put in
// place and "-\t<file>" for each file removed. A delete is a record of
// removals alone. It is only acted on where each
// name proves to be the program's own: the files are the page's, the part
// files are part files of them.

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace plenvik {

struct SaveSteps;

// The record's file name for a page.
QString pageRecordName(const QString &name);

// The page a folder entry is the record of; empty when it is none.
QString recordedPage(const QString &entry);

// An album's pages, its file and the pages it no longer has, put as one
// under a record ".<album>.plenvik-albumpaar" of the same form ("Plenvik
// albumpaar 1"): it names the part files of the pages (of any name) and of
// "<album>.album", and the page files it removes.
QString albumRecordName(const QString &album);
QString recordedAlbum(const QString &entry);

// Puts the part files 'placed' (file, part file, all written whole already)
// in place and removes the page files 'removed', under one album record. A
// failure before the record stands removes the part files and changes
// nothing; after it, the next look at the library finishes the put.
bool placeUnderAlbumRecord(const QString &folder, const QString &album, const QList<std::pair<QString, QString>> &placed,
                           const QStringList &removed, const SaveSteps &steps);

// Finishes the save that the record 'recordFile' stands for. False when the
// record could not be finished: the page's files may then be of two saves
// and must not be read.
bool finishPageRecord(const QString &folder, const QString &recordFile);

// Finishes every interrupted save in the library.
void finishAllPageSaves(const QString &folder);

// Removes the part files that cut-off writes of pages left in the library:
// files of the program's own by their names, plain and the user's, no
// longer named by any record, and old enough that no save running now can
// be writing them.
void sweepLeftParts(const QString &folder);

} // namespace plenvik
