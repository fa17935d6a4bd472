#include "design/calibration.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct Calibration {
    Q_DECLARE_TR_FUNCTIONS(Calibration)
};
} // namespace

namespace {
constexpr double kTolerance = 0.05;
constexpr double kEdgeLo = 20;
constexpr double kEdgeHi = 40;

bool within(double v, double lo, double hi)
{
    return std::isfinite(v) && v >= lo && v <= hi;
}
} // namespace

bool plausibleMaten(const IjkMaten &m)
{
    return within(m.a, kIjkLineAcross * (1 - kTolerance), kIjkLineAcross * (1 + kTolerance))
           && within(m.b, kIjkLineDown * (1 - kTolerance), kIjkLineDown * (1 + kTolerance))
           && within(m.c, kEdgeLo, kEdgeHi) && within(m.d, kEdgeLo, kEdgeHi);
}

PrinterCorrection correctionFrom(const IjkMaten &m)
{
    PrinterCorrection c;
    c.ax = m.a / kIjkLineAcross;
    c.bx = m.c - c.ax * kIjkEdge;
    c.ay = m.b / kIjkLineDown;
    c.by = m.d - c.ay * kIjkEdge;
    return c;
}

QString describeCorrection(const PrinterCorrection &c)
{
    if (c.isNone())
        return Calibration::tr("Voor deze printer is geen correctie ingesteld.");
    // In the window's language (QLocale's default, set at start-up).
    const QLocale shown;
    auto percent = [&](double f) { return shown.toString(f * 100, 'f', 2); };
    auto shift = [&](double mm) { return shown.toString(mm, 'f', 1); };
    return Calibration::tr("Correctie nu: breedte %1 %, verschoven %2 mm; hoogte %3 %, verschoven %4 mm.")
        .arg(percent(c.ax), shift(c.bx), percent(c.ay), shift(c.by));
}

} // namespace plenvik
