#pragma once
// "Album indelen": the frames of a stamp list laid out on pages. Rows hold
// consecutive frames of one issue, at most the area's width, gaps
// included, standing on one bottom line and centred on the page; a page
// holds at most 20 frames (or as many as its style allows) in rows spread evenly over the area's height, or,
// where that brings rows closer than the row distance, that distance apart
// and centred.
//
// Of all layouts that obey these rules the one chosen has, in this order:
// the fewest pages; the fewest page breaks inside an issue (with every
// issue on a new page, no page holds two issues); the fewest rows; the
// most even rows (the smallest sum of the squares of each row's free
// width); and then the fullest pages first, then the fullest rows first.
// The choice is exact, by dynamic programming over where pages and rows
// begin, and unique.

#include "design/pagedesign.h"
#include "design/stamplist.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace plenvik {

struct LayoutSettings {
    int gap = 5;            // Tussenruimte: between frames of a row, whole mm
    int rowDistance = 12;   // Rijafstand: the least room between rows, whole mm
    bool issuePerPage = false; // "Elke uitgifte op een nieuwe pagina"
    int kadersPerPagina = kMinKadersPerPagina; // as the pages' style allows
    bool operator==(const LayoutSettings &) const = default;
};

// What the " Album indelen" window asks besides the list, kept between runs.
struct IndelenVelden {
    QString naam = QStringLiteral("Album");
    QString titel;
    int eerstePagina = 1;
    LayoutSettings layout;
    int margeTiende = 0;  // Marge, in tenths of a millimetre
    // Vervolgtekst: put after an issue carried over from the page before.
    QString vervolg = QStringLiteral(" (vervolg)");
    // "Koppen boven de uitgiften": each issue's name in bold above its first
    // row on a page, at this size in points.
    bool koppen = true;
    int kopPunten = 12;
    bool operator==(const IndelenVelden &) const = default;
};
// What the window's fields take, and Indelen.ini keeps.
inline constexpr int kMaxEerstePagina = 9999;
inline constexpr int kMaxMargeTiende = 200;
inline constexpr int kMaxVervolgTekens = 40;

struct LaidRow {
    int first = 0; // index of its first frame in the list
    int count = 0;
    bool operator==(const LaidRow &) const = default;
};

struct LaidPage {
    QList<LaidRow> rows;
    int first() const { return rows.constFirst().first; }
    int frames() const;
    bool operator==(const LaidPage &) const = default;
};

// The room each issue's heading takes above the issue's first row on a
// page, its height and the gap under it, in tenths of a millimetre, by the
// issue's number; 0, or no entry, for none. Without headings the pages are
// laid out as they always were.
using Headings = QList<int>;

// The pages; none for a list without frames. 'area' is where frames go on
// the sheet (sheet.h), A4's unless said.
QList<LaidPage> layAlbum(const QList<StampFrame> &frames, const LayoutSettings &settings, const LayoutArea &area = kA4Area,
                         const Headings &headings = {});

// The width a frame takes in its row: its own, or, where its caption
// reaches more than the gap past it, as much more as keeps the caption
// kCaptionClearance clear of its neighbours' (an even number of
// millimetres more, so the frame stands in the middle of it in whole
// millimetres), but never wider than the area.
inline constexpr int kCaptionClearance = 2; // whole millimetres
int slotWidth(const StampFrame &frame, int gap, const LayoutArea &area);

// The room a frame's caption lines 2 and 3 take under the row, in tenths
// of a millimetre: a line of 10 points each.
inline constexpr int kCaptionLineTenths = 41;
int captionRoom(const StampFrame &frame);

// What makes up a page's rows worth in the choice: its width with gaps,
// and its height, the tallest frame's.
int rowWidth(const QList<StampFrame> &frames, const LaidRow &row, int gap, const LayoutArea &area = kA4Area);
int rowHeight(const QList<StampFrame> &frames, const LaidRow &row);

// The page's frames at their places in whole millimetres: each row's left
// edge (centred on the sheet) and top worked out exactly, then rounded
// once, halves to the even neighbour; the frames of a row from its left edge, Tussenruimte apart,
// their bottoms on the row's bottom line.
// With headings, each row that begins an issue on the page stands under
// its heading, and 'headingTops' receives, for each, the issue's number and
// the top of its heading in whole millimetres.
QList<Kader> placeFrames(const QList<StampFrame> &frames, const LaidPage &page, const LayoutSettings &settings,
                         bool innerFrames, const LayoutArea &area = kA4Area, const Headings &headings = {},
                         QList<std::pair<int, int>> *headingTops = nullptr);

// The heading's room above the row that begins at frame 'first' on a page
// whose first frame is 'pageFirst': only where the row begins an issue on
// the page.
int headingAbove(const QList<StampFrame> &frames, int pageFirst, int first, const Headings &headings);

// The subtitle of the page at 'index': the issues on it joined by " / ",
// 'continuation' (" (vervolg)") after an issue continued from the page
// before.
QString pageSubtitle(const StampList &list, const QList<LaidPage> &pages, int index, const QString &continuation);

// "Album 01", "Album 02", ...: the page numbers with as many digits as the
// last one needs, and at least two.
QStringList albumPageNames(const QString &name, int firstNumber, int count);

} // namespace plenvik
