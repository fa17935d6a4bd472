#pragma once
// The design file's lines after the page number, each a page's own addition
// to what every page has: its paper when not A4, how its stamps' pictures
// are shown when it has any. A page without them ends where every page
// ends, so its file is what it always was.

#include "design/pagedesign.h"

#include <QByteArray>

namespace plenvik {

class Parser;

// The last line of a page "Album indelen" put, after every other:
//   "Album","Nederland","<40 hexadecimal digits>"
// its album's name (as a text that may hold any character) and the
// fingerprint of the page as put (albumkept.h).
inline constexpr char kDesignAlbumTag[] = "Album";

void appendDesignTail(QByteArray &out, const PageDesign &design);

// Reads the lines after the page number into 'design'. A line that is not
// one of them ends the reading, as it always did; one that looks like one
// but is not written as one is a fault, named with its line. False, with
// 'error' set, on a fault.
bool readDesignTail(Parser &p, PageDesign &design, bool *picturesExpected, QString *error);

} // namespace plenvik
