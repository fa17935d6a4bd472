#pragma once
// Which library pages an album prints, and in which order. Pure code: the
// window reads the pages and prints them.

#include <QList>
#include <QString>
#include <QStringList>

namespace plenvik {

struct AlbumPage {
    QString name;   // as the library lists it
    QString number; // the page-number text of its design
};

// Page-number texts compared as a collector reads them: runs of digits as
// numbers, so "2" comes before "10" and "12" before "12a"; letters without
// regard to case. Negative, zero or positive like QString::compare.
int comparePageNumbers(const QString &a, const QString &b);

// The names in print order: the library's order as given, or by page
// number with the pages without one last, by name.
QStringList albumOrder(const QList<AlbumPage> &pages, bool byPageNumber);

} // namespace plenvik
