#include "design/kadervorm.h"

#include <cmath>
#include <numbers>

namespace plenvik {

namespace {
QList<PointMm> corners(Vorm vorm, const RectMm &b)
{
    const double l = b.left, t = b.top, r = b.left + b.width, u = b.top + b.height;
    const double mx = l + b.width / 2, my = t + b.height / 2;
    switch (vorm) {
    case Vorm::Rechthoek: return {{l, t}, {r, t}, {r, u}, {l, u}};
    case Vorm::Driehoek: return {{mx, t}, {r, u}, {l, u}};
    case Vorm::DriehoekOmlaag: return {{l, t}, {r, t}, {mx, u}};
    case Vorm::Ruit: return {{mx, t}, {r, my}, {mx, u}, {l, my}};
    case Vorm::Ovaal: break;
    }
    return {};
}

QList<PointMm> ellipse(double cx, double cy, double rx, double ry)
{
    QList<PointMm> points;
    points.reserve(kOvalPoints);
    // From the top, clockwise on the page (y downwards); the quarter points
    // exactly, not through a sine that misses them by a hair.
    for (int i = 0; i < kOvalPoints; ++i) {
        const int quarter = 4 * i / kOvalPoints;
        if (4 * i % kOvalPoints == 0) {
            static constexpr double sx[] = {0, 1, 0, -1}, sy[] = {-1, 0, 1, 0};
            points.append({cx + sx[quarter] * rx, cy + sy[quarter] * ry});
            continue;
        }
        const double a = 2 * std::numbers::pi * i / kOvalPoints;
        points.append({cx + rx * std::sin(a), cy - ry * std::cos(a)});
    }
    return points;
}

} // namespace

QList<PointMm> vormOutline(Vorm vorm, const RectMm &box)
{
    if (vorm == Vorm::Ovaal)
        return ellipse(box.left + box.width / 2, box.top + box.height / 2, box.width / 2, box.height / 2);
    return corners(vorm, box);
}

QList<PointMm> vormInset(Vorm vorm, const RectMm &box, double inset)
{
    if (vorm == Vorm::Ovaal) {
        const double rx = box.width / 2 - inset, ry = box.height / 2 - inset;
        if (rx <= 0 || ry <= 0)
            return {};
        return ellipse(box.left + box.width / 2, box.top + box.height / 2, rx, ry);
    }
    const QList<PointMm> outer = corners(vorm, box);
    const qsizetype n = outer.size();
    // Each side moved inwards along its normal, and the new corners where
    // neighbouring sides meet. Clockwise on the page, inwards is to the
    // right of each side's direction.
    struct Line {
        PointMm p;
        double dx, dy;
    };
    QList<Line> sides;
    for (qsizetype i = 0; i < n; ++i) {
        const PointMm a = outer[i], b = outer[(i + 1) % n];
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        if (len == 0)
            return {};
        const double dx = (b.x - a.x) / len, dy = (b.y - a.y) / len;
        sides.append({{a.x - dy * inset, a.y + dx * inset}, dx, dy});
    }
    QList<PointMm> inner;
    for (qsizetype i = 0; i < n; ++i) {
        const Line &s = sides[(i + n - 1) % n], &e = sides[i];
        const double det = s.dx * e.dy - s.dy * e.dx;
        const double t = ((e.p.x - s.p.x) * e.dy - (e.p.y - s.p.y) * e.dx) / det;
        inner.append({s.p.x + t * s.dx, s.p.y + t * s.dy});
    }
    // Past the inscribed circle the moved sides cross over and each side
    // runs the other way (a triangle turned about its middle, which a
    // test of the corners' turning would not see): no room is left.
    for (qsizetype i = 0; i < n; ++i) {
        const PointMm a = inner[i], b = inner[(i + 1) % n];
        if ((b.x - a.x) * sides[i].dx + (b.y - a.y) * sides[i].dy <= 1e-12)
            return {};
    }
    return inner;
}

QString vormNaam(Vorm vorm)
{
    switch (vorm) {
    case Vorm::Rechthoek: return QStringLiteral("Rechthoek");
    case Vorm::Driehoek: return QStringLiteral("Driehoek");
    case Vorm::DriehoekOmlaag: return QStringLiteral("Driehoek omlaag");
    case Vorm::Ruit: return QStringLiteral("Ruit");
    case Vorm::Ovaal: break;
    }
    return QStringLiteral("Ovaal");
}

QString lijnNaam(Lijn lijn)
{
    switch (lijn) {
    case Lijn::Doorgetrokken: return QStringLiteral("Doorgetrokken");
    case Lijn::Gestreept: return QStringLiteral("Gestreept");
    case Lijn::Geen: break;
    }
    return QStringLiteral("Geen");
}

std::optional<Vorm> vormVanNaam(const QString &naam)
{
    for (Vorm v : kVormen)
        if (vormNaam(v) == naam)
            return v;
    return std::nullopt;
}

std::optional<Lijn> lijnVanNaam(const QString &naam)
{
    for (Lijn l : kLijnen)
        if (lijnNaam(l) == naam)
            return l;
    return std::nullopt;
}

std::optional<Vorm> vormUitLijst(const QString &word)
{
    const QString w = word.simplified().toLower();
    if (const auto v = vormVanNaam(w.isEmpty() ? w : w.at(0).toUpper() + w.mid(1)))
        return v;
    static const std::pair<const char *, Vorm> english[] = {{"rectangle", Vorm::Rechthoek},
                                                            {"triangle", Vorm::Driehoek},
                                                            {"triangle down", Vorm::DriehoekOmlaag},
                                                            {"diamond", Vorm::Ruit},
                                                            {"oval", Vorm::Ovaal}};
    for (const auto &[name, vorm] : english)
        if (w == QLatin1String(name))
            return vorm;
    return std::nullopt;
}

} // namespace plenvik
