#pragma once
// Lists of stamp frames for the layout tests, and what a layout is read
// back as: its rows' and pages' sizes, and each frame's place.

#include "design/albumlayout.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace plenvik::test {

inline QList<StampFrame> frames(int count, int width, int height, int issue = 0)
{
    return QList<StampFrame>(count, StampFrame{QString(), width, height, issue});
}

inline QList<int> rowSizes(const QList<LaidPage> &pages)
{
    QList<int> out;
    for (const LaidPage &p : pages)
        for (const LaidRow &r : p.rows)
            out << r.count;
    return out;
}

inline QList<int> pageSizes(const QList<LaidPage> &pages)
{
    QList<int> out;
    for (const LaidPage &p : pages)
        out << p.frames();
    return out;
}

inline QString place(const Kader &k)
{
    return QStringLiteral("%1,%2 %3x%4").arg(k.LeftMm).arg(k.TopMm).arg(k.WidthMm).arg(k.HeightMm);
}

} // namespace plenvik::test
