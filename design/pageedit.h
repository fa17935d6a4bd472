#pragma once
// The rules for changing what is on a page, as plain functions on it: each
// keeps the page's frames on its sheet, so the canvas, the dialogs and the
// paper change only turn the user's gestures into these calls.

#include "design/pagedesign.h"

#include <QList>
#include <QString>

namespace plenvik {

// True when the frame lies wholly on the sheet.
bool onSheet(const Kader &kader, const Sheet &sheet);

// The numbers of the page's frames that do not lie wholly on 'sheet'.
QList<int> kadersOffSheet(const PageDesign &design, const Sheet &sheet);

// "kader 3", "kader 1 en 2", "kader 1, 4 en 7": frames named in a message.
QString namedKaders(const QList<int> &numbers);

// A frame drawn with the mouse on a sheet other than A4 ends at the sheet's
// edge: the plate beside that sheet is not paper. At least 1 x 1 mm, in
// whole millimetres from the sheet's corner.
Kader keptOnSheet(Kader kader, const Sheet &sheet);

} // namespace plenvik
