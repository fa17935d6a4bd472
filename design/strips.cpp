#include "design/strips.h"

#include "design/packing.h"
#include "design/units.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <numeric>
#include <optional>
#include <vector>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct Strips {
    Q_DECLARE_TR_FUNCTIONS(Strips)
};
} // namespace

namespace {

using namespace packing;

// Packing works in thousandths of a millimetre, so sums are exact.
constexpr double kUnitsPerMm = 1000;
// Search steps before the search gives up on proving many pieces, where
// the deadline usually ends it first.
constexpr long kBudgetLarge = 2000000;

Units toUnits(double mm)
{
    return static_cast<Units>(std::llround(mm * kUnitsPerMm));
}

QList<QList<double>> toStrips(const Bins &bins, const QList<double> &widths)
{
    QList<QList<double>> strips;
    for (const auto &bin : bins) {
        QList<double> strip;
        for (int i : bin)
            strip << widths.at(i);
        std::sort(strip.begin(), strip.end(), std::greater<double>());
        strips << strip;
    }
    auto sum = [](const QList<double> &s) { return std::accumulate(s.begin(), s.end(), 0.0); };
    std::stable_sort(strips.begin(), strips.end(), [&](const QList<double> &a, const QList<double> &b) {
        const double sa = sum(a), sb = sum(b);
        if (std::fabs(sa - sb) > 1e-9)
            return sa > sb;
        return std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end());
    });
    return strips;
}

std::vector<Units> unitsOf(const QList<double> &widths)
{
    std::vector<Units> w;
    w.reserve(widths.size());
    for (double x : widths)
        w.push_back(toUnits(x));
    return w;
}

QString mm(double v)
{
    return formatListingNumber(v);
}

} // namespace

QList<QList<double>> firstFitDecreasing(const QList<double> &widths, double length)
{
    const std::vector<Units> w = unitsOf(widths);
    return toStrips(fitDecreasing(w, longestFirst(w), toUnits(length), false), widths);
}

QList<QList<double>> packBySubsets(const QList<double> &widths, double length)
{
    if (widths.isEmpty() || widths.size() > kExactPieces)
        return {};
    return toStrips(exactBySets(unitsOf(widths), toUnits(length)), widths);
}

QList<QList<double>> packStrips(const QList<double> &widths, double length, std::chrono::steady_clock::time_point deadline,
                                PackProof *proof, long exactSteps)
{
    PackProof settled = PackProof::None;
    const std::vector<Units> w = unitsOf(widths);
    const Units len = toUnits(length);
    const std::vector<int> order = longestFirst(w);
    const int bound = lowerBound(w, len);
    const bool exact = int(w.size()) <= kExactPieces;
    // Cheap packings first, each only while the bound is not yet met.
    Bins best = fitDecreasing(w, order, len, false);
    if (int(best.size()) > bound) {
        Bins other = fitDecreasing(w, order, len, true);
        if (other.size() < best.size())
            best = std::move(other);
    }
    if (int(best.size()) > bound) {
        if (auto other = minimumSlack(w, order, len, exact ? Clock::time_point::max() : deadline);
            other && other->size() < best.size())
            best = std::move(*other);
    }
    if (int(best.size()) <= bound) {
        settled = PackProof::Bound;
    } else {
        // One strip fewer at a time, until the search proves there is no
        // such packing.
        for (int count = int(best.size()) - 1;; --count) {
            if (count < bound) {
                settled = PackProof::Search;
                break;
            }
            const SearchResult r = completeInto(w, len, count, exact ? exactSteps : kBudgetLarge,
                                                exact ? Clock::time_point::max() : deadline);
            if (r.outcome == SearchResult::Found) {
                best = r.bins;
                continue;
            }
            if (r.outcome == SearchResult::Impossible) {
                settled = PackProof::Search;
            } else if (exact) {
                // The search could not settle it; for a small set the sets do.
                best = exactBySets(w, len);
                settled = PackProof::Subsets;
            }
            break;
        }
    }
    if (proof)
        *proof = settled;
    return toStrips(best, widths);
}

QList<QList<double>> packStrips(const QList<double> &widths, double length, std::chrono::milliseconds limit)
{
    return packStrips(widths, length, std::chrono::steady_clock::now() + limit);
}

bool parseHeights(const QString &text, QList<int> *heights)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    QList<int> out;
    for (const QString &part : text.split(separators, Qt::SkipEmptyParts)) {
        bool ok = false;
        const int v = part.toInt(&ok);
        if (!ok || v < 1 || v > kMaxStripMm)
            return false;
        if (!out.contains(v))
            out << v;
    }
    std::sort(out.begin(), out.end());
    if (heights)
        *heights = out;
    return true;
}

namespace {
// A shape as a sentence names it.
QString vormNoun(Vorm vorm)
{
    switch (vorm) {
    case Vorm::Driehoek: return Strips::tr("driehoek");
    case Vorm::DriehoekOmlaag: return Strips::tr("driehoek met de punt omlaag");
    case Vorm::Ruit: return Strips::tr("ruit");
    case Vorm::Ovaal: return Strips::tr("ovaal");
    case Vorm::Rechthoek: break;
    }
    return Strips::tr("rechthoek");
}
} // namespace

QString buildCutList(const CutListRequest &r)
{
    QStringList lines;
    lines << r.heading << Strips::tr("Lengte van een strook: %1 mm").arg(r.length) << QString();

    // The cut list works in the whole millimetres a frame has on the page,
    // rounded as everywhere: a page changed outside the program may hold
    // 29.9999 or 43.0004, which are 30 and 43 to cut.
    std::map<double, QList<double>> groups;
    QStringList apart;
    QStringList shaped;
    for (const StripPiece &p : r.pieces) {
        const double width = roundHalfEven(p.width);
        const double pieceHeight = roundHalfEven(p.height);
        if (!(width > 0) || !(pieceHeight > 0))
            continue; // no mount to cut
        double height = pieceHeight;
        if (!r.heights.isEmpty()) {
            const auto fits = std::find_if(r.heights.begin(), r.heights.end(), [&](int h) { return h >= pieceHeight; });
            if (fits == r.heights.end()) {
                apart << Strips::tr("Geen strook hoog genoeg: %1 (%2 mm hoog)").arg(p.name, mm(pieceHeight));
                continue;
            }
            height = *fits;
        }
        if (width > r.length) {
            apart << Strips::tr("Past niet: %1 (%2 mm breed)").arg(p.name, mm(width));
            continue;
        }
        groups[height] << width;
        if (p.vorm != Vorm::Rechthoek)
            shaped << Strips::tr("%1 is een %2: zijn strook wordt recht gesneden, %3 x %4 mm")
                          .arg(p.name, vormNoun(p.vorm), mm(width), mm(pieceHeight));
    }

    auto strips = [](int n) { return n == 1 ? Strips::tr("1 strook") : Strips::tr("%1 stroken").arg(n); };
    int total = 0;
    // One deadline for the whole list, however many heights it holds.
    const auto deadline = std::chrono::steady_clock::now() + kPackingTimeLimit;
    for (const auto &[height, widths] : groups) {
        const QList<QList<double>> packed = packStrips(widths, r.length, deadline);
        total += int(packed.size());
        lines << Strips::tr("Hoogte %1 mm: %2").arg(mm(height), strips(int(packed.size())));
        for (int s = 0; s < packed.size(); ++s) {
            QStringList parts;
            double used = 0;
            for (double w : packed.at(s)) {
                parts << mm(w);
                used += w;
            }
            lines << Strips::tr("Strook %1: %2 = %3 mm, rest %4 mm")
                         .arg(s + 1)
                         .arg(parts.join(QStringLiteral(" + ")), mm(used), mm(r.length - used));
        }
        lines << QString();
    }
    if (!shaped.isEmpty())
        lines << shaped << QString();
    for (const QString &name : r.unread)
        apart << Strips::tr("Niet gelezen: %1").arg(name);
    if (!apart.isEmpty())
        lines << apart << QString();
    lines << Strips::tr("Totaal: %1").arg(strips(total));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace plenvik
