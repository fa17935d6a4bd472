#pragma once
// Where a line of text stands on paper, from the face's own measures,
// unhinted, as paper has them: the top of its capitals at its millimetres,
// its ink starting at its left edge or centred on the sheet.

#include "design/captionfit.h"
#include "design/framepicture.h"
#include "design/pagedesign.h"
#include "design/stamplist.h"

#include <QString>

namespace plenvik {

struct TekstVorm {
    // What the line takes on the sheet: from the top of its capitals to the
    // bottom of the face's descenders, its ink from left to right.
    RectMm vak;
    double basislijnMm = 0; // the baseline, from the top of the sheet
    double beginMm = 0;     // where the text is drawn from, from the left of the sheet
};

// In the page's own font 'lettertype' where it is installed (empty, or
// missing: the program's face).
TekstVorm tekstVorm(const Tekst &tekst, const Sheet &sheet, const QString &lettertype = {});

// How far left of a centre a text in the program's printing face starts
// (its pen) for its ink to lie centred there, in millimetres at 'points';
// and the same in a page's own font, upright or italic.
double penBeforeCentreMm(const QString &text, double points, bool bold);
double penBeforeCentreIn(const QString &lettertype, bool italic, const QString &text, double points, bool bold);

// The ink of every caption line of the page as printing puts it: in the
// page's caption size (10 points unless its style says otherwise), centred
// under its frame, the first line's cell 4 mm below the frame and each
// further line a line lower.
QList<CaptionInk> captionInks(const PageDesign &design);

// Each frame's captionWidth: its widest caption line's ink as printed in
// the style 'style' gives captions, in whole millimetres rounded up.
void measureCaptions(QList<StampFrame> &frames, const PaginaOpmaak &style = {});

// Why the line cannot stand on the sheet, in the program's words: wider
// than the sheet, or off it; empty when it can.
QString checkTekst(const Tekst &tekst, const Sheet &sheet);

} // namespace plenvik
