#include "printing/calibrationsheet.h"

#include "design/calibration.h"
#include "platform/printer.h"

#include <QCoreApplication>
#include <QStringList>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct CalibrationSheet {
    Q_DECLARE_TR_FUNCTIONS(CalibrationSheet)
};
} // namespace

namespace {
constexpr double kTickMm = 3;
constexpr double kLongTickMm = 5;
constexpr double kStepMm = 10;

// Page millimetres to the surface's, which start 3 mm into the sheet.
QPointF at(double x, double y)
{
    return {x - kPrintableOffsetMm, y - kPrintableOffsetMm};
}

// A line of kIjkLineWidthMm centred on the exact place, so its middle is
// where the ruler goes.
void line(PrinterSurface &pr, double x1, double y1, double x2, double y2)
{
    const double h = kIjkLineWidthMm / 2;
    pr.filledBox(at(x1 - (x1 == x2 ? h : 0), y1 - (y1 == y2 ? h : 0)), at(x2 + (x1 == x2 ? h : 0), y2 + (y1 == y2 ? h : 0)),
                 Qt::black);
}

void text(PrinterSurface &pr, double x, double y, const QString &s)
{
    pr.setCurrentX(x - kPrintableOffsetMm);
    pr.setCurrentY(y - kPrintableOffsetMm);
    pr.print(s);
}
} // namespace

void DrawCalibrationSheet(PrinterSurface &pr)
{
    const double across = kIjkLineStart + kIjkLineAcross; // 195
    const double down = kIjkLineStart + kIjkLineDown;     // 285
    pr.setFontName(QStringLiteral("Arial"));
    pr.setForeColor(Qt::black);
    pr.setFillStyle(FillStyle::Solid);
    pr.setFillColor(Qt::black);

    // Across, 30 mm from the top; down, 30 mm from the left.
    line(pr, kIjkLineStart, kIjkEdge, across, kIjkEdge);
    line(pr, kIjkEdge, kIjkLineStart, kIjkEdge, down);
    pr.setFontSize(7);
    pr.setFontBold(false);
    for (double d = 0; d <= kIjkLineAcross; d += kStepMm) {
        const double tick = int(d) % 50 == 0 ? kLongTickMm : kTickMm;
        line(pr, kIjkLineStart + d, kIjkEdge - tick, kIjkLineStart + d, kIjkEdge);
        if (d > 0)
            text(pr, kIjkLineStart + d - 2, kIjkEdge - kLongTickMm - 4, QString::number(int(d)));
    }
    for (double d = 0; d <= kIjkLineDown; d += kStepMm) {
        const double tick = int(d) % 50 == 0 ? kLongTickMm : kTickMm;
        line(pr, kIjkEdge - tick, kIjkLineStart + d, kIjkEdge, kIjkLineStart + d);
        // Numbers right of the line, clear of the scale across.
        if (d >= 2 * kStepMm)
            text(pr, kIjkEdge + 1.5, kIjkLineStart + d - 1.5, QString::number(int(d)));
    }

    const QStringList instructions{
        CalibrationSheet::tr("Plenvik - ijkblad voor deze printer"),
        QString(),
        CalibrationSheet::tr("Meet met een goede liniaal, op een tiende millimeter:"),
        CalibrationSheet::tr("A: de lengte van de liggende lijn bovenaan (hoort 180 mm te zijn)"),
        CalibrationSheet::tr("B: de lengte van de staande lijn links (hoort 270 mm te zijn)"),
        CalibrationSheet::tr("C: van de linkerrand van het papier tot de staande lijn (hoort 30 mm te zijn)"),
        CalibrationSheet::tr("D: van de bovenrand van het papier tot de liggende lijn (hoort 30 mm te zijn)"),
        QString(),
        CalibrationSheet::tr("Meet tot het midden van de lijnen. Vul de maten daarna in bij"),
        CalibrationSheet::tr("Extra > Printer ijken... en kies OK."),
    };
    pr.setFontSize(10);
    double y = 60;
    for (const QString &s : instructions) {
        pr.setFontBold(y == 60);
        if (!s.isEmpty())
            text(pr, 45, y, s);
        y += 6;
    }
}

} // namespace plenvik
