#include "printing/printtext.h"

#include "design/units.h"
#include "platform/printer.h"

namespace plenvik {

int linesPerSheet()
{
    return static_cast<int>((kSheetHeightMm - 2 * kTextMarginMm) / kTextLineMm) + 1;
}

bool PrintText(const QStringList &lines, PrinterSurface &pr)
{
    const int perSheet = linesPerSheet();
    for (int i = 0; i < lines.size(); ++i) {
        const int row = i % perSheet;
        if (row == 0) {
            if (i > 0 && !pr.newPage())
                return false;
            pr.setFontName(QStringLiteral("Arial"));
            pr.setFontSize(kTextPoints);
            pr.setFontBold(false);
            pr.setForeColor(Qt::black);
        }
        if (lines.at(i).isEmpty())
            continue;
        // The surface works from the printable area's corner, 3 mm in.
        pr.setCurrentX(kTextMarginMm - kPrintableOffsetMm);
        pr.setCurrentY(kTextMarginMm + row * kTextLineMm - kPrintableOffsetMm);
        pr.print(lines.at(i));
    }
    return pr.endDoc();
}

} // namespace plenvik
