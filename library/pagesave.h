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

#include <QString>

namespace plenvik {

// The record's file name for a page.
QString pageRecordName(const QString &name);

// The page a folder entry is the record of; empty when it is none.
QString recordedPage(const QString &entry);

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
