#include "design/captionfit.h"

#include <QCoreApplication>
#include <QSet>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct CaptionFit {
    Q_DECLARE_TR_FUNCTIONS(CaptionFit)
};

// Overlapping, not merely meeting at an edge.
bool touches(const RectMm &a, const RectMm &b)
{
    return !a.isEmpty() && !b.isEmpty() && a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height
           && b.top < a.top + a.height;
}
} // namespace

QList<CaptionClash> captionClashes(const PageDesign &d, const QList<CaptionInk> &captions, const QList<RectMm> &teksten)
{
    using Met = CaptionClash::Met;
    QList<CaptionClash> out;
    for (const CaptionInk &c : captions) {
        for (int j = 1; j <= d.KaderCount && j <= kMaxKaders; ++j)
            if (j != c.kader && touches(c.ink, d.kader(j).box()))
                out.append({c.kader, c.regel, Met::Kader, j, 0});
        for (const CaptionInk &o : captions)
            if (o.kader > c.kader && touches(c.ink, o.ink))
                out.append({c.kader, c.regel, Met::Onderschrift, o.kader, o.regel});
        for (int t = 0; t < teksten.size(); ++t)
            if (touches(c.ink, teksten.at(t)))
                out.append({c.kader, c.regel, Met::Tekst, t + 1, 0});
    }
    return out;
}

QString clashListing(const QList<CaptionClash> &clashes)
{
    QString s;
    QSet<std::pair<int, std::pair<int, int>>> said;
    for (const CaptionClash &c : clashes) {
        if (said.contains({c.kader, {int(c.met), c.other}}))
            continue;
        said.insert({c.kader, {int(c.met), c.other}});
        switch (c.met) {
        case CaptionClash::Met::Kader:
            s += CaptionFit::tr("Onderschrift van kader %1 raakt kader %2").arg(c.kader).arg(c.other);
            break;
        case CaptionClash::Met::Onderschrift:
            s += CaptionFit::tr("Onderschrift van kader %1 raakt het onderschrift van kader %2").arg(c.kader).arg(c.other);
            break;
        case CaptionClash::Met::Tekst:
            s += CaptionFit::tr("Onderschrift van kader %1 raakt tekst %2").arg(c.kader).arg(c.other);
            break;
        }
        s += QStringLiteral("\r\n");
    }
    return s;
}

} // namespace plenvik
