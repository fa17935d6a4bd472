#include "design/units.h"

#include <QLocale>
#include <cmath>

namespace plenvik {

double roundHalfEven(double v)
{
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; be explicit instead.
    const double fl = std::floor(v);
    const double diff = v - fl;
    if (diff < 0.5)
        return fl;
    if (diff > 0.5)
        return fl + 1.0;
    return std::fmod(fl, 2.0) == 0.0 ? fl : fl + 1.0;
}

int mmX(double units)
{
    return static_cast<int>(roundHalfEven(units / kUnitsPerMmX));
}

int mmY(double units)
{
    return static_cast<int>(roundHalfEven(units / kUnitsPerMmY));
}

// The shortest plain decimal that reads back to the same value: never an
// exponent, which neither the listing nor an older reader of the file expects.
int canvasX(double mm)
{
    return static_cast<int>(roundHalfEven(mm * kUnitsPerMmX));
}

int canvasY(double mm)
{
    return static_cast<int>(roundHalfEven(mm * kUnitsPerMmY));
}

static QString shortest(double v)
{
    if (v == std::trunc(v) && std::fabs(v) < 1e15)
        return QString::number(static_cast<long long>(v));
    return QString::number(v, 'f', QLocale::FloatingPointShortest);
}

QString formatListingNumber(double v)
{
    QString s = shortest(v);
    const QString point = QLocale::system().decimalPoint();
    if (point != QLatin1String("."))
        s.replace(QLatin1Char('.'), point);
    return s;
}

QString formatFileNumber(double v)
{
    return shortest(v);
}

int pointsToPixels(double points)
{
    return static_cast<int>(std::lround(points * 4.0 / 3.0));
}

} // namespace plenvik
