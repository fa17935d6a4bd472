#include "design/pageedit.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct PageEdit {
    Q_DECLARE_TR_FUNCTIONS(PageEdit)
};
} // namespace

bool onSheet(const Kader &k, const Sheet &sheet)
{
    return k.LeftMm >= 0 && k.TopMm >= 0 && k.LeftMm + k.WidthMm <= sheet.widthMm && k.TopMm + k.HeightMm <= sheet.heightMm;
}

QList<int> kadersOffSheet(const PageDesign &d, const Sheet &sheet)
{
    QList<int> off;
    for (int k = 1; k <= d.KaderCount && k <= kMaxKaders; ++k)
        if (!onSheet(d.kader(k), sheet))
            off << k;
    return off;
}

QString namedKaders(const QList<int> &numbers)
{
    QStringList n;
    for (int k : numbers)
        n << QString::number(k);
    if (n.size() <= 1)
        return PageEdit::tr("kader %1").arg(n.value(0));
    const QString last = n.takeLast();
    return PageEdit::tr("kader %1 en %2").arg(n.join(QStringLiteral(", ")), last);
}

Kader keptOnSheet(Kader k, const Sheet &sheet)
{
    const double across = std::floor(sheet.widthMm), down = std::floor(sheet.heightMm);
    k.LeftMm = std::clamp(k.LeftMm, 0.0, across - 1);
    k.TopMm = std::clamp(k.TopMm, 0.0, down - 1);
    k.WidthMm = std::clamp(k.WidthMm, 1.0, across - k.LeftMm);
    k.HeightMm = std::clamp(k.HeightMm, 1.0, down - k.TopMm);
    return k;
}

} // namespace plenvik
