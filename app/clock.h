#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace plenvik {

// " h:mm:ss / <short date>": a blank, the 24-hour time without a leading
// zero on the hour, and the date in the locale's short format.
QString clockText(const QDateTime &now, const QLocale &locale = QLocale::system());

} // namespace plenvik
