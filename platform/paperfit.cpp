#include "platform/paperfit.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct PrinterTexts {
    Q_DECLARE_TR_FUNCTIONS(Printer)
};

// Paper sizes are named in points or inches as often as in millimetres.
constexpr double kSlackMm = 0.5;

bool within(double w, double h, const QSizeF &paper)
{
    return w <= paper.width() + kSlackMm && h <= paper.height() + kSlackMm;
}

// The sheet on the paper either way round.
bool fits(const Sheet &s, const QSizeF &paper)
{
    return within(s.widthMm, s.heightMm, paper) || within(s.heightMm, s.widthMm, paper);
}

bool inRange(const Sheet &s, const CustomPaperRange &r)
{
    auto atLeast = [&](double w, double h) {
        return w >= r.least.width() - kSlackMm && h >= r.least.height() - kSlackMm;
    };
    return (within(s.widthMm, s.heightMm, r.most) && atLeast(s.widthMm, s.heightMm))
           || (within(s.heightMm, s.widthMm, r.most) && atLeast(s.heightMm, s.widthMm));
}
} // namespace

QString paperRefusal(const QList<Sheet> &sheets, const QList<QSizeF> &papers, const std::optional<CustomPaperRange> &custom,
                     const QString &printer)
{
    // A printer that says nothing of its papers is not second-guessed.
    if (papers.isEmpty() && !custom)
        return {};
    for (const Sheet &sheet : sheets) {
        const bool taken = std::any_of(papers.cbegin(), papers.cend(), [&](const QSizeF &p) { return fits(sheet, p); })
                           || (custom && inRange(sheet, *custom));
        if (taken)
            continue;
        // The largest paper by its area, to tell the user what the printer has.
        QList<QSizeF> all = papers;
        if (custom)
            all << custom->most;
        const QSizeF largest = *std::max_element(all.cbegin(), all.cend(), [](const QSizeF &a, const QSizeF &b) {
            return a.width() * a.height() < b.width() * b.height();
        });
        const QLocale shown;
        auto mm = [&](double v) { return shown.toString(qRound(v * 10) / 10.0); };
        return PrinterTexts::tr("Het papier van %1 x %2 mm past op geen papier van %3; het grootste is %4 x %5 mm.")
            .arg(shown.toString(sheet.widthMm), shown.toString(sheet.heightMm), printer,
                 mm(std::min(largest.width(), largest.height())), mm(std::max(largest.width(), largest.height())));
    }
    return {};
}

} // namespace plenvik
