#pragma once
// The design file's line for a frame that is more than a plain rectangle
// with one caption: its number, shape, line and caption lines 2 and 3,
//   "Kader",3,"Ruit","Gestreept","5 c blauw","1852"
// after the text lines. A plain frame has none, so its page keeps its file.

#include "design/pagedesign.h"
#include "library/designfields.h"

#include <QByteArray>

namespace plenvik {

void appendFrameLines(QByteArray &out, const PageDesign &design);

// Reads the line opened by 'tag' into the frame it names. False, with
// 'error' naming the line, for a frame the page does not have, a frame
// named twice, an unknown shape or line, or a field too many or too few.
bool readFrameLine(Parser &p, const FieldReader::Field &tag, PageDesign &design, QList<bool> &named, QString *error);

} // namespace plenvik
