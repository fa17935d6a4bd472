#include "platform/textmetrics.h"

#include "design/textsafe.h"
#include "platform/fonts.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct TextMetricsTexts {
    Q_DECLARE_TR_FUNCTIONS(TextMetrics)
};

// Measured at a size where rounding to pixels is lost in the fractions.
constexpr int kMeasurePixels = 1000;
} // namespace

TekstVorm tekstVorm(const Tekst &t, const Sheet &sheet, const QString &lettertype)
{
    QFont font = pageFont(lettertype, 1, t.Vet);
    font.setPixelSize(kMeasurePixels);
    font.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF fm(font);
    const double mmPerPixel = t.Punten * 25.4 / 72.0 / kMeasurePixels;
    const QRectF ink = fm.tightBoundingRect(t.Regel);
    const double width = ink.width() * mmPerPixel;
    const double inkLeft = t.Midden ? sheet.widthMm / 2 - width / 2 : t.LinksMm;
    TekstVorm v;
    v.basislijnMm = t.BovenMm + fm.capHeight() * mmPerPixel;
    v.beginMm = inkLeft - ink.left() * mmPerPixel;
    // Accents and ascenders stand above the capitals ("ÅLAND", "Willem"):
    // the box reaches up to their ink, so it is they that stay on the sheet.
    const double bottom = t.BovenMm + (fm.capHeight() + fm.descent()) * mmPerPixel;
    // A hundredth of a millimetre is the measure's rounding, not ink.
    const double inkTop = v.basislijnMm + ink.top() * mmPerPixel;
    const double top = inkTop < t.BovenMm - 0.01 ? inkTop : t.BovenMm;
    v.vak = RectMm{inkLeft, top, width, bottom - top};
    return v;
}

double penBeforeCentreMm(const QString &text, double points, bool bold)
{
    return penBeforeCentreIn({}, false, text, points, bold);
}

double penBeforeCentreIn(const QString &lettertype, bool italic, const QString &text, double points, bool bold)
{
    QFont font = pageFont(lettertype, 1, bold, italic);
    font.setPixelSize(kMeasurePixels);
    font.setHintingPreference(QFont::PreferNoHinting);
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
    const double mmPerPixel = points * 25.4 / 72.0 / kMeasurePixels;
    return (ink.width() / 2 + ink.left()) * mmPerPixel;
}

namespace {
QFontMetricsF captionMetrics(const PaginaOpmaak &style)
{
    QFont font = pageFont(style.lettertype, 1, false, style.cursief);
    font.setPixelSize(kMeasurePixels);
    font.setHintingPreference(QFont::PreferNoHinting);
    return QFontMetricsF(font);
}
} // namespace

void measureCaptions(QList<StampFrame> &frames, const PaginaOpmaak &style)
{
    const QFontMetricsF fm = captionMetrics(style);
    const double mmPerPixel = style.onderschriftPunten * 25.4 / 72.0 / kMeasurePixels;
    // Shaping each of ten thousand captions takes a fifth of a second; their
    // letters' advances and the bearings at either end give the ink's width
    // to within the kerning of a pair, which the whole millimetre rounded
    // up and the clearance between captions absorb.
    struct Letter {
        double advance, left, right;
    };
    // A cache for each face the captions are measured in.
    static QHash<QString, QHash<QChar, Letter>> faces;
    QHash<QChar, Letter> &letters = faces[installedPageFamily(style.lettertype) + (style.cursief ? u'/' : u' ')];
    auto letter = [&](QChar c) {
        auto at = letters.constFind(c);
        if (at == letters.cend())
            at = letters.insert(c, Letter{fm.horizontalAdvance(c), fm.leftBearing(c), fm.rightBearing(c)});
        return *at;
    };
    QHash<QString, int> measured; // a list repeats its values and years
    auto width = [&](const QString &line) {
        if (line.isEmpty())
            return 0;
        auto at = measured.constFind(line);
        if (at != measured.cend())
            return *at;
        double ink = 0;
        if (std::any_of(line.cbegin(), line.cend(), [](QChar c) { return c.isSurrogate(); })) {
            ink = fm.tightBoundingRect(line).width();
        } else {
            for (QChar c : line)
                ink += letter(c).advance;
            ink -= letter(line.front()).left + letter(line.back()).right;
        }
        return *measured.insert(line, int(std::ceil(ink * mmPerPixel - 1e-9)));
    };
    for (StampFrame &f : frames)
        f.captionWidth = std::max({width(f.caption), width(f.regel2), width(f.regel3)});
}

QList<CaptionInk> captionInks(const PageDesign &d)
{
    constexpr double kCellBelowFrameMm = 4; // 1 mm in the printable area, which starts 3 mm in
    const QFontMetricsF fm = captionMetrics(d.opmaak);
    const double mmPerPixel = d.opmaak.onderschriftPunten * 25.4 / 72.0 / kMeasurePixels;
    QList<CaptionInk> out;
    for (int k = 1; k <= d.KaderCount && k <= kMaxKaders; ++k) {
        const Kader &f = d.kader(k);
        const QString lines[] = {f.Onderschrift, f.Regel2, f.Regel3};
        for (int r = 0; r < 3; ++r) {
            if (lines[r].isEmpty())
                continue;
            const QRectF ink = fm.tightBoundingRect(lines[r]);
            const double baseline = f.TopMm + f.HeightMm + kCellBelowFrameMm + (r * fm.height() + fm.ascent()) * mmPerPixel;
            const double width = ink.width() * mmPerPixel;
            out.append({k, r + 1,
                        RectMm{f.LeftMm + f.WidthMm / 2 - width / 2, baseline + ink.top() * mmPerPixel, width,
                               ink.height() * mmPerPixel}});
        }
    }
    return out;
}

QString checkTekst(const Tekst &t, const Sheet &sheet)
{
    const QLocale shown; // the window's language
    if (t.Regel.trimmed().isEmpty())
        return TextMetricsTexts::tr("Geef de tekst die op het blad moet komen.");
    if (t.Regel.size() > kMaxTekstTekens)
        return TextMetricsTexts::tr("De tekst is langer dan %1 tekens; maak hem korter.").arg(kMaxTekstTekens);
    if (const QString c = firstControl(t.Regel); !c.isEmpty())
        return TextMetricsTexts::tr("De tekst bevat het teken %1, dat niet afgedrukt kan worden.").arg(c);
    const RectMm v = tekstVorm(t, sheet).vak;
    if (v.width > sheet.widthMm)
        return TextMetricsTexts::tr("De tekst is breder dan het blad (%1 mm); maak hem korter of kleiner.")
            .arg(shown.toString(sheet.widthMm));
    if (v.left < 0 || v.top < 0 || v.left + v.width > sheet.widthMm || v.top + v.height > sheet.heightMm)
        return TextMetricsTexts::tr("De tekst ligt niet helemaal op het blad (%1 x %2 mm).")
            .arg(shown.toString(sheet.widthMm), shown.toString(sheet.heightMm));
    return {};
}

} // namespace plenvik
