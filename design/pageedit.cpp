#include "design/pageedit.h"

#include "design/units.h"

#include <QCoreApplication>
#include <QLocale>
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

namespace {
// "3", "1 en 2", "1, 4 en 7".
QString listed(const QList<int> &numbers)
{
    QStringList n;
    for (int k : numbers)
        n << QString::number(k);
    const QString last = n.takeLast();
    return n.isEmpty() ? last : PageEdit::tr("%1 en %2").arg(n.join(QStringLiteral(", ")), last);
}
} // namespace

QString namedKaders(const QList<int> &numbers, const QList<int> &teksten)
{
    QStringList parts;
    if (!numbers.isEmpty())
        parts << PageEdit::tr("kader %1").arg(listed(numbers));
    if (!teksten.isEmpty())
        parts << PageEdit::tr("tekst %1").arg(listed(teksten));
    return parts.join(PageEdit::tr(" en "));
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

QString offSheetMessage(const Sheet &sheet)
{
    const QLocale shown; // the window's language
    return PageEdit::tr("Het kader ligt niet helemaal op het blad (%1 x %2 mm).")
        .arg(shown.toString(sheet.widthMm), shown.toString(sheet.heightMm));
}

int kaderAt(const PageDesign &d, const CanvasGeometry &g, QPoint at)
{
    for (int k = std::min<int>(d.KaderCount, kMaxKaders); k >= 1; --k)
        if (canvasRectOf(d.kader(k), g).contains(at))
            return k;
    return 0;
}

namespace {
// The whole millimetres 'from' may move by to lie within [0, room - size],
// but never further out than it already lies.
int stepWithin(double from, double size, double room, int step)
{
    const double lo = std::ceil(-from), hi = std::floor(room - size - from);
    return int(std::clamp(double(step), std::min(lo, 0.0), std::max(hi, 0.0)));
}
} // namespace

Kader movedKader(const Kader &k, int dx, int dy, const Sheet &sheet)
{
    Kader out = k;
    out.LeftMm += stepWithin(k.LeftMm, k.WidthMm, sheet.widthMm, dx);
    out.TopMm += stepWithin(k.TopMm, k.HeightMm, sheet.heightMm, dy);
    return out;
}

namespace {
// One side of a frame moved by a whole step: 'near' (left or top) moves
// the start, otherwise the end; the frame stays at least 1 mm and within
// [0, room], and never further out than it already lies.
void resizeSide(double &start, double &size, double room, bool nearSide, int step)
{
    if (nearSide) {
        const double lo = std::min(std::ceil(-start), 0.0), hi = std::max(std::floor(size - 1), 0.0);
        const int d = int(std::clamp(double(step), lo, hi));
        start += d;
        size -= d;
    } else {
        const double lo = std::min(1 - size, 0.0), hi = std::max(std::floor(room - start - size), 0.0);
        size += std::clamp(double(step), std::ceil(lo), hi);
    }
}
} // namespace

Kader resizedKader(const Kader &k, Greep g, int dx, int dy, const Sheet &sheet)
{
    Kader out = k;
    const bool left = g == Greep::LinksBoven || g == Greep::Links || g == Greep::LinksOnder;
    const bool right = g == Greep::RechtsBoven || g == Greep::Rechts || g == Greep::RechtsOnder;
    const bool top = g == Greep::LinksBoven || g == Greep::Boven || g == Greep::RechtsBoven;
    const bool bottom = g == Greep::LinksOnder || g == Greep::Onder || g == Greep::RechtsOnder;
    if (left || right)
        resizeSide(out.LeftMm, out.WidthMm, sheet.widthMm, left, dx);
    if (top || bottom)
        resizeSide(out.TopMm, out.HeightMm, sheet.heightMm, top, dy);
    return out;
}

QString changeKader(PageDesign &d, int k, const Kader &kader)
{
    if (kader.WidthMm < 1 || kader.HeightMm < 1)
        return PageEdit::tr("Breedte en hoogte moeten minstens 1 mm zijn.");
    if (!onSheet(kader, d.sheet))
        return offSheetMessage(d.sheet);
    d.kader(k) = kader;
    return {};
}

void removeKader(PageDesign &d, int k)
{
    if (k < 1 || k > d.KaderCount)
        return;
    for (int i = k; i < d.KaderCount; ++i) {
        d.kader(i) = d.kader(i + 1);
        d.pictures.Bestanden.at(i - 1) = d.pictures.Bestanden.at(i);
    }
    d.kader(d.KaderCount) = Kader{};
    d.pictures.Bestanden.at(d.KaderCount - 1).clear();
    --d.KaderCount;
}

KaderInvoer invoerOf(const Kader &k)
{
    return KaderInvoer{int(roundHalfEven(k.LeftMm)), int(roundHalfEven(k.TopMm)), int(roundHalfEven(k.WidthMm)),
                       int(roundHalfEven(k.HeightMm)), k.Binnenrand == 1, k.Onderschrift, QString(),
                       k.Regel2, k.Regel3, k.vorm, k.lijn};
}

Kader kaderFromChange(const Kader &before, const KaderInvoer &shown, const KaderInvoer &entered)
{
    Kader k = kaderOf(entered);
    const double old[] = {before.LeftMm, before.TopMm, before.WidthMm, before.HeightMm};
    const int was[] = {shown.links, shown.boven, shown.breedte, shown.hoogte};
    const int now[] = {entered.links, entered.boven, entered.breedte, entered.hoogte};
    double *to[] = {&k.LeftMm, &k.TopMm, &k.WidthMm, &k.HeightMm};
    for (int i = 0; i < 4; ++i)
        if (now[i] == was[i])
            *to[i] = old[i];
    // An inner frame flag other than 0 or 1 from a hand-made file stays,
    // unless the box was changed.
    if (entered.binnenkader == shown.binnenkader)
        k.Binnenrand = before.Binnenrand;
    if (entered.onderschrift == shown.onderschrift)
        k.Onderschrift = before.Onderschrift;
    return k;
}

Tekst tekstOf(const TekstInvoer &in)
{
    return Tekst{in.tekst, double(in.boven), double(in.links), in.midden, in.punten, in.vet};
}

TekstInvoer invoerOf(const Tekst &t)
{
    return TekstInvoer{t.Regel, int(roundHalfEven(t.BovenMm)), int(roundHalfEven(t.LinksMm)), t.Midden, t.Punten, t.Vet};
}

Tekst tekstFromChange(const Tekst &before, const TekstInvoer &shown, const TekstInvoer &entered)
{
    Tekst t = tekstOf(entered);
    if (entered.boven == shown.boven)
        t.BovenMm = before.BovenMm;
    if (entered.links == shown.links)
        t.LinksMm = before.LinksMm;
    return t;
}

bool addTekst(PageDesign &d, const Tekst &tekst)
{
    if (d.TekstCount >= kMaxTeksten)
        return false;
    d.tekst(++d.TekstCount) = tekst;
    return true;
}

void removeTekst(PageDesign &d, int t)
{
    if (t < 1 || t > d.TekstCount)
        return;
    for (int i = t; i < d.TekstCount; ++i)
        d.tekst(i) = d.tekst(i + 1);
    d.tekst(d.TekstCount) = Tekst{};
    --d.TekstCount;
}

Tekst movedTekst(const Tekst &tekst, const RectMm &vak, int dx, int dy, const Sheet &sheet)
{
    Tekst out = tekst;
    out.BovenMm += stepWithin(vak.top, vak.height, sheet.heightMm, dy);
    if (dx != 0) {
        const double left = tekst.Midden ? roundHalfEven(vak.left) : tekst.LinksMm;
        const double shift = left - vak.left; // the ink's offset from where the line stands
        out.Midden = false;
        out.LinksMm = left + stepWithin(vak.left + shift, vak.width, sheet.widthMm, dx);
    }
    return out;
}

} // namespace plenvik
