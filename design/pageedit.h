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

// "kader 3", "kader 1 en 2", "kader 1, 4 en 7": frames named in a message;
// with lines of text, "kader 1 en tekst 2".
QString namedKaders(const QList<int> &numbers, const QList<int> &teksten = {});

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

// What " Tekst invoeren" asks: the text, the top of its letters and its
// left edge in whole millimetres or centred, its size and whether bold.
struct TekstInvoer {
    QString tekst;
    int boven = 30;
    int links = 25;
    bool midden = true;
    int punten = kDefaultPunten;
    bool vet = false;
    bool operator==(const TekstInvoer &) const = default;
};
Tekst tekstOf(const TekstInvoer &in);
// The line as " Tekst wijzigen" shows it.
TekstInvoer invoerOf(const Tekst &tekst);
// What a line changed in " Tekst wijzigen" becomes: each value left as it
// was shown keeps the line's own.
Tekst tekstFromChange(const Tekst &before, const TekstInvoer &shown, const TekstInvoer &entered);

// A line of text added as the last; false, and nothing changed, at 20.
bool addTekst(PageDesign &design, const Tekst &tekst);

// Removes line t: the lines after it move up one number.
void removeTekst(PageDesign &design, int t);

// The line moved by whole millimetres, the box its letters take ('vak',
// on the sheet) stopping at the sheet's edges. A centred line moved
// sideways stands from then on at its left edge, where it was shown.
Tekst movedTekst(const Tekst &tekst, const RectMm &vak, int dx, int dy, const Sheet &sheet);

} // namespace plenvik
