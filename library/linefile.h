#pragma once
// Reading the small settings files of a value a line.

#include <QByteArray>
#include <QList>

namespace plenvik {

// The lines of a file, without their CR LF or LF.
QList<QByteArray> fileLines(const QByteArray &data);

// The whole number in 'field' (blanks around it allowed) when it lies in
// lo..hi; false, and 'out' untouched, otherwise.
bool readWholeNumber(const QByteArray &field, int lo, int hi, int *out);

} // namespace plenvik
