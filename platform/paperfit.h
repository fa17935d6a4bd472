#pragma once
// Whether a printer can take a job's sheets: each sheet is held against
// each paper the printer feeds, either way round, and against the range of
// sizes of its own it takes, if any. Pure, so it can be tried on papers no
// printer here has.

#include "design/sheet.h"

#include <QList>
#include <QSizeF>
#include <QString>
#include <optional>

namespace plenvik {

// The sizes of its own a printer takes: from 'least' to 'most', in
// millimetres, either way round.
struct CustomPaperRange {
    QSizeF least;
    QSizeF most;
};

// Why the printer named 'printer', feeding 'papers' (millimetres), cannot
// take every one of 'sheets', in the program's words; empty when it can.
QString paperRefusal(const QList<Sheet> &sheets, const QList<QSizeF> &papers, const std::optional<CustomPaperRange> &custom,
                     const QString &printer);

} // namespace plenvik
