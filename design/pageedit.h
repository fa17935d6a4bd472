#pragma once
// The rules for changing what is on a page, as plain functions on it: each
// keeps the page's frames on its sheet, so the canvas, the dialogs and the
// paper change only turn the user's gestures into these calls. Millimetres
// move in whole steps, as they are drawn.

#include "design/canvasgeometry.h"
#include "design/pagedesign.h"
#include "design/rows.h"

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

// What "Kader invoeren" says of a frame that would not lie wholly on the sheet.
QString offSheetMessage(const Sheet &sheet);

// The frame whose drawn outline holds canvas pixel 'at', the topmost where
// frames overlap (the highest number); 0 for none.
int kaderAt(const PageDesign &design, const CanvasGeometry &geometry, QPoint at);

// The frame moved by whole millimetres, stopping at the sheet's edges. A
// frame loaded beyond an edge is never moved further off it.
Kader movedKader(const Kader &kader, int dx, int dy, const Sheet &sheet);

// Where a frame is held to be resized: a corner or the middle of a side.
enum class Greep { Geen, LinksBoven, Boven, RechtsBoven, Rechts, RechtsOnder, Onder, LinksOnder, Links };

// The frame with the sides the handle holds moved by whole millimetres:
// never below 1 x 1 mm, never past the sheet's edge.
Kader resizedKader(const Kader &kader, Greep greep, int dx, int dy, const Sheet &sheet);

// Puts 'kader' in the place of frame k, which keeps its number and its
// picture. The refusal of "Kader invoeren" when it would not lie wholly on
// the sheet, and nothing changed; empty when done.
QString changeKader(PageDesign &design, int k, const Kader &kader);

// Removes frame k: the frames after it move up one number, each with its
// caption and picture.
void removeKader(PageDesign &design, int k);

// What a frame changed in " Kader wijzigen" becomes: each value the user
// left as it was shown keeps the frame's own (a fraction from a hand-made
// file included), each one changed is the one entered.
Kader kaderFromChange(const Kader &before, const KaderInvoer &shown, const KaderInvoer &entered);

// The frame as " Kader wijzigen" shows it: its millimetres rounded to whole ones.
KaderInvoer invoerOf(const Kader &kader);

} // namespace plenvik
