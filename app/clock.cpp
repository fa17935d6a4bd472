#include "app/clock.h"

namespace plenvik {

QString clockText(const QDateTime &now, const QLocale &locale)
{
    return QLatin1Char(' ') + now.time().toString(QStringLiteral("H:mm:ss")) + QStringLiteral(" / ")
           + locale.toString(now.date(), QLocale::ShortFormat);
}

} // namespace plenvik
