#include "design/pagestyle.h"

#include "design/canvasgeometry.h"

#include <QCoreApplication>

#include <algorithm>

namespace plenvik {

namespace {
// The texts the user reads about a style, by this name in the translation.
struct PaginaOpmaakText {
    Q_DECLARE_TR_FUNCTIONS(PaginaOpmaakText)
};
using T = PaginaOpmaakText;

RectMm inset(const RectMm &r, double d)
{
    return {r.left + d, r.top + d, r.width - 2 * d, r.height - 2 * d};
}

RectMm afstanden(const PaginaOpmaak &s, const Sheet &sheet)
{
    return {s.links, s.boven, sheet.widthMm - s.links - s.rechts, sheet.heightMm - s.boven - s.onder};
}

bool inRange(double v, double lo, double hi)
{
    // One decimal as typed: 0.1 mm is 0.1 whatever its binary form.
    return tenthsOf(v) >= tenthsOf(lo) && tenthsOf(v) <= tenthsOf(hi);
}
} // namespace

QList<RandLijn> randLijnen(const PaginaOpmaak &s, const Sheet &sheet)
{
    QList<RandLijn> out;
    RectMm edge = afstanden(s, sheet);
    for (int i = 0; i < s.lijnen(); ++i) {
        const double dikte = i == 0 ? s.dikteBuiten : s.dikteBinnen;
        out << RandLijn{edge, dikte};
        edge = inset(edge, dikte + s.tussenruimte);
    }
    return out;
}

RectMm binnenRand(const PaginaOpmaak &s, const Sheet &sheet)
{
    const QList<RandLijn> lijnen = randLijnen(s, sheet);
    if (lijnen.isEmpty())
        return afstanden(s, sheet);
    return inset(lijnen.last().buiten, lijnen.last().dikte);
}

RectMm indelenGebied(const PaginaOpmaak &s, const Sheet &sheet)
{
    const RectMm b = binnenRand(s, sheet);
    const RectMm area{b.left + 5, b.top + 28, b.width - 10, b.height - 42};
    return area.isEmpty() ? RectMm{} : area;
}

LayoutArea indelenArea(const PaginaOpmaak &s, const Sheet &sheet)
{
    const RectMm a = indelenGebied(s, sheet);
    const int left = tenthsOf(a.left), top = tenthsOf(a.top);
    return {left, top, tenthsOf(a.left + a.width) - left, tenthsOf(a.top + a.height) - top, tenthsOf(sheet.widthMm)};
}

double titelMidden(const PaginaOpmaak &s, const Sheet &sheet)
{
    return (s.links + sheet.widthMm - s.rechts) / 2;
}

QString opmaakFout(const PaginaOpmaak &s, const Sheet &sheet)
{
    for (double d : {s.links, s.rechts, s.boven, s.onder})
        if (!inRange(d, kMinRandAfstandMm, kMaxRandAfstandMm))
            return T::tr("De afstand van de rand tot de rand van het papier ligt tussen 5 en 60 mm.");
    if (s.lijnen() > 0 && !inRange(s.dikteBuiten, kMinLijnDikteMm, kMaxLijnDikteMm))
        return T::tr("Een lijn van de rand is 0,1 tot 3 mm dik.");
    if (s.lijnen() > 1
        && (!inRange(s.dikteBinnen, kMinLijnDikteMm, kMaxLijnDikteMm)
            || !inRange(s.tussenruimte, kMinLijnRuimteMm, kMaxLijnRuimteMm)))
        return T::tr("Een lijn van de rand is 0,1 tot 3 mm dik, met 0,3 tot 10 mm tussen twee lijnen.");
    for (int p : {s.titelPunten, s.subtitelPunten, s.nummerPunten, s.onderschriftPunten})
        if (p < kMinOpmaakPunten || p > kMaxOpmaakPunten)
            return T::tr("Een lettergrootte ligt tussen 6 en 36 punten.");
    if (s.kadersPerPagina < kMinKadersPerPagina || s.kadersPerPagina > kMaxKaders)
        return T::tr("Een pagina heeft 20 tot 100 kaders.");
    if (binnenRand(s, sheet).isEmpty())
        return T::tr("De rand laat op dit papier geen ruimte over.");
    return {};
}

CanvasOpmaak canvasOpmaak(const CanvasGeometry &g, const PaginaOpmaak &s, const Sheet &sheet)
{
    // Offsets from today's 20 mm, so that today's places stay to the pixel.
    const PaginaOpmaak today;
    const int l = g.canvasX(s.links) - g.canvasX(today.links);
    const int r = g.canvasX(s.rechts) - g.canvasX(today.rechts);
    const int t = g.canvasY(s.boven) - g.canvasY(today.boven);
    const int b = g.canvasY(s.onder) - g.canvasY(today.onder);
    CanvasOpmaak c;
    c.lijst = g.lijstRect().adjusted(l, t, -r, -b);
    for (const RandLijn &lijn : randLijnen(s, sheet)) {
        const int x = g.canvasX(lijn.buiten.left), y = g.canvasY(lijn.buiten.top);
        c.lijnen << QRect(x, y, g.canvasX(lijn.buiten.left + lijn.buiten.width) - x,
                          g.canvasY(lijn.buiten.top + lijn.buiten.height) - y);
        c.dikten << QSize(std::max(1, g.canvasX(lijn.dikte)), std::max(1, g.canvasY(lijn.dikte)));
    }
    c.textCentreX = g.textCentreX + (l - r) / 2;
    c.titleTop = g.titleTop + t;
    c.subtitleTop = g.subtitleTop + t;
    c.pageNumberTop = g.pageNumberTop - b;
    return c;
}

QString opmaakVoorPagina(const PaginaOpmaak &s, const Sheet &sheet, int kaderCount)
{
    if (const QString why = opmaakFout(s, sheet); !why.isEmpty())
        return why;
    if (s.kadersPerPagina < kaderCount)
        return T::tr("De pagina heeft al %1 kaders; geef haar minstens zoveel kaders per pagina.").arg(kaderCount);
    return {};
}

QString randNaam(Rand r)
{
    switch (r) {
    case Rand::Geen:
        return QStringLiteral("Geen");
    case Rand::Enkel:
        return QStringLiteral("Enkel");
    case Rand::Dubbel:
        return QStringLiteral("Dubbel");
    case Rand::Drievoudig:
        return QStringLiteral("Drievoudig");
    case Rand::Eigen:
        break;
    }
    return QStringLiteral("Pixels");
}

std::optional<Rand> randVanNaam(const QString &name)
{
    for (Rand r : {Rand::Eigen, Rand::Geen, Rand::Enkel, Rand::Dubbel, Rand::Drievoudig})
        if (randNaam(r) == name)
            return r;
    return std::nullopt;
}

} // namespace plenvik
