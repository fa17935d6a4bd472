#include "printing/printtext.h"

#include "design/units.h"
#include "platform/printer.h"

namespace plenvik {

int linesPerSheet(const Sheet &sheet)
{
    return static_cast<int>((sheet.heightMm - 2 * kTextMarginMm) / kTextLineMm) + 1;
}

void DrawText(const QStringList &lines, PrinterSurface &pr, const Sheet &sheet)
{
    const int perSheet = linesPerSheet(sheet);
    pr.setSheet(sheet);
    // Blank lines at the end would only start a sheet of nothing.
    qsizetype count = lines.size();
    while (count > 0 && lines.at(count - 1).isEmpty())
        --count;
    for (qsizetype i = 0; i < count; ++i) {
        const int row = int(i % perSheet);
        if (row == 0) {
            if (i > 0)
                pr.newPage();
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
}

} // namespace plenvik
