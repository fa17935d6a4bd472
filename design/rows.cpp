#include "design/rows.h"

#include "design/pageedit.h"

#include "design/textsafe.h"
#include "design/units.h"

#include <QCoreApplication>
#include <QLocale>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct Rows {
    Q_DECLARE_TR_FUNCTIONS(Rows)
};
} // namespace

namespace {
constexpr int kCaptionRoomMm = 10;

const char *const kTooSmall = QT_TRANSLATE_NOOP("Rows", "Breedte en hoogte moeten minstens 1 mm zijn.");


// A sheet's millimetres as the window's language writes them.
QString shownMm(double mm)
{
    return QLocale().toString(mm);
}
} // namespace

Kader kaderOf(const KaderInvoer &in)
{
    return Kader{double(in.links), double(in.boven), double(in.breedte), double(in.hoogte), in.binnenkader ? 1 : 0,
                 makeFileSafe(in.onderschrift), in.vorm, in.lijn, in.regel2, in.regel3};
}

QString checkCaptionLines(const QString &regel2, const QString &regel3)
{
    for (const QString &line : {regel2, regel3}) {
        if (line.size() > kMaxTekstTekens)
            return Rows::tr("Een regel van het onderschrift is langer dan %1 tekens; maak hem korter.").arg(kMaxTekstTekens);
        if (const QString c = firstControl(line); !c.isEmpty())
            return Rows::tr("Een regel van het onderschrift bevat het teken %1, dat niet afgedrukt kan worden.").arg(c);
    }
    return {};
}

QString maximumKaders(int limit)
{
    return limit == kMinKadersPerPagina ? Rows::tr("Maximum van 20 kaders bereikt!")
                                        : Rows::tr("Maximum van %1 kaders bereikt!").arg(limit);
}

QString checkKader(const KaderInvoer &in, int kaderCount, const Sheet &sheet, int limit)
{
    if (kaderCount >= limit)
        return maximumKaders(limit);
    if (in.breedte < 1 || in.hoogte < 1)
        return Rows::tr(kTooSmall);
    if (!onSheet(kaderOf(in), sheet))
        return offSheetMessage(sheet);
    return checkCaptionLines(in.regel2, in.regel3);
}

QList<Kader> rowFrames(const RijInvoer &in, const Sheet &sheet)
{
    QList<Kader> out;
    const double total = double(in.aantal) * in.breedte + double(in.aantal - 1) * in.tussenruimte;
    const double first = roundHalfEven(sheet.widthMm / 2.0 - total / 2.0);
    QString caption = makeFileSafe(in.eersteOnderschrift);
    for (int i = 0; i < in.aantal; ++i) {
        out.append(Kader{first + double(i) * (in.breedte + in.tussenruimte), double(in.boven), double(in.breedte),
                         double(in.hoogte), in.binnenkader ? 1 : 0, caption, in.vorm, in.lijn, in.regel2, in.regel3});
        caption = nextCaption(caption);
    }
    return out;
}

QString checkRij(const RijInvoer &in, int kaderCount, const Sheet &sheet, int limit)
{
    const int free = limit - kaderCount;
    if (free <= 0)
        return maximumKaders(limit);
    if (in.aantal < 1)
        return Rows::tr("Een rij heeft minstens 1 kader.");
    if (in.aantal > free)
        return free == 1 ? Rows::tr("Er is nog plaats voor 1 kader.")
                         : Rows::tr("Er is nog plaats voor %1 kaders.").arg(free);
    if (in.breedte < 1 || in.hoogte < 1)
        return Rows::tr(kTooSmall);
    if (in.tussenruimte < 0)
        return Rows::tr("De tussenruimte kan niet kleiner zijn dan 0 mm.");
    const QList<Kader> frames = rowFrames(in, sheet);
    const Kader &first = frames.constFirst();
    const Kader &last = frames.constLast();
    if (first.LeftMm < 0 || last.LeftMm + last.WidthMm > sheet.widthMm)
        return Rows::tr("De rij is breder dan het blad (%1 mm).").arg(shownMm(sheet.widthMm));
    if (in.boven < 0 || in.boven + in.hoogte > sheet.heightMm)
        return Rows::tr("De rij past niet op het blad (%1 mm hoog).").arg(shownMm(sheet.heightMm));
    return checkCaptionLines(in.regel2, in.regel3);
}

QString nextCaption(const QString &caption)
{
    qsizetype start = caption.size();
    while (start > 0 && caption.at(start - 1) >= QLatin1Char('0') && caption.at(start - 1) <= QLatin1Char('9'))
        --start;
    if (start == caption.size())
        return caption;
    // Add one to the digits as written, so leading zeros and numbers of any
    // length carry like a counter: 0099 -> 0100, 999 -> 1000.
    QString digits = caption.mid(start);
    qsizetype i = digits.size() - 1;
    while (i >= 0 && digits.at(i) == QLatin1Char('9'))
        digits[i--] = QLatin1Char('0');
    if (i >= 0)
        digits[i] = QChar(digits.at(i).unicode() + 1);
    else
        digits.prepend(QLatin1Char('1'));
    return caption.left(start) + digits;
}

RijInvoer nextRow(const RijInvoer &row)
{
    RijInvoer next = row;
    next.boven = row.boven + row.hoogte + kCaptionRoomMm;
    return next;
}

QRect canvasRectOf(const Kader &k, const CanvasGeometry &g)
{
    const int left = g.canvasX(k.LeftMm);
    const int top = g.canvasY(k.TopMm);
    return QRect(QPoint(left, top), QPoint(g.canvasX(k.LeftMm + k.WidthMm), g.canvasY(k.TopMm + k.HeightMm)));
}

} // namespace plenvik
