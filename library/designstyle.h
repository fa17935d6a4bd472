#pragma once
// The design file's line for a page in a style of the collector's own, the
// last line of the file:
//   "Opmaak","Dubbel",0.5,0.3,1,"Kleur",25,15,15,15,"DejaVu Serif",16,12,12,10,0,30
// the border's lines, the outer and inner thickness, the space between,
// "Kleur" or "Zwart", the distances left, right, top and bottom, the font
// (empty for the program's own), the sizes of the title, subtitle, page
// number and captions, italic captions (1) or not, frames per page.
// A page in today's style has none, so its file is what it always was.

#include "design/pagedesign.h"
#include "library/designfields.h"

#include <QByteArray>

namespace plenvik {

inline constexpr char kDesignStyleTag[] = "Opmaak";

void appendStyleLine(QByteArray &out, const PageDesign &design);

// Reads the line opened by 'tag'. False, with 'error' naming the line, for
// a field too many or too few or one that cannot be taken.
bool readStyleLine(Parser &p, const FieldReader::Field &tag, PaginaOpmaak &style, QString *error);

} // namespace plenvik
