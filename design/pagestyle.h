#pragma once
// The style of a page, so that it matches the album it goes into: where the
// border stands and of how many lines, the page's font and its sizes, and
// how many frames the page may hold. A page of today's kind has the style
// every page had before there was a choice: its border is the Tools
// menu's, 20 mm from every edge, the program's font, 20 frames.

#include "design/framepicture.h"
#include "design/sheet.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

namespace plenvik {

// The border's lines: "Eigen" leaves the border to the Tools menu's items
// (off, or one line of 1 to 3 pixels), the others are the collector's
// choice, no border or one to three lines.
enum class Rand { Eigen, Geen, Enkel, Dubbel, Drievoudig };

inline constexpr double kMinRandAfstandMm = 5;
inline constexpr double kMaxRandAfstandMm = 60;
inline constexpr double kMinLijnDikteMm = 0.1;
inline constexpr double kMaxLijnDikteMm = 3;
inline constexpr double kMinLijnRuimteMm = 0.3;
inline constexpr double kMaxLijnRuimteMm = 10;
inline constexpr int kMinKadersPerPagina = 20;
inline constexpr int kMinOpmaakPunten = 6;
inline constexpr int kMaxOpmaakPunten = 36;

struct PaginaOpmaak {
    Rand rand = Rand::Eigen;
    double dikteBuiten = 0.5; // the outer line
    double dikteBinnen = 0.3; // the second and third lines
    double tussenruimte = 1;  // between two lines
    bool zwart = false;       // black, or the page's drawing colour
    double links = 20;
    double rechts = 20;
    double boven = 20;
    double onder = 20;
    QString lettertype; // empty: the program's own
    int titelPunten = 16;
    int subtitelPunten = 12;
    int nummerPunten = 12;
    int onderschriftPunten = 10;
    bool cursief = false;
    int kadersPerPagina = kMinKadersPerPagina;

    bool operator==(const PaginaOpmaak &) const = default;
    bool isToday() const { return *this == PaginaOpmaak{}; }
    int lijnen() const { return rand == Rand::Eigen ? 0 : int(rand) - 1; }
};

// One line of the border: the rectangle of its outer edge and its thickness
// inwards, in sheet millimetres.
struct RandLijn {
    RectMm buiten;
    double dikte = 0;
    bool operator==(const RandLijn &) const = default;
};

// The collector's lines, outer first; none for the Tools menu's border.
QList<RandLijn> randLijnen(const PaginaOpmaak &s, const Sheet &sheet);

// What lies inside the border: inside the innermost of the collector's
// lines, or inside the distances for the Tools menu's border.
RectMm binnenRand(const PaginaOpmaak &s, const Sheet &sheet);

// Where "Album indelen" places frames: inside the border less 5 mm at each
// side, 28 mm at the top for the title and subtitle and 14 mm at the
// bottom for the page number. Empty when the border leaves no room.
RectMm indelenGebied(const PaginaOpmaak &s, const Sheet &sheet);

// The same in whole tenths of a millimetre, as the layout takes it; on A4
// in today's style exactly layoutArea(kSheetA4).
LayoutArea indelenArea(const PaginaOpmaak &s, const Sheet &sheet);

// The middle between the border's sides, where the titles are centred.
double titelMidden(const PaginaOpmaak &s, const Sheet &sheet);

// Why a style cannot be taken for this sheet (a distance or a thickness out
// of its range, a border meeting itself), empty when it can.
QString opmaakFout(const PaginaOpmaak &s, const Sheet &sheet);

// opmaakFout() for the open page, which also must keep the frames it has.
QString opmaakVoorPagina(const PaginaOpmaak &s, const Sheet &sheet, int kaderCount);

// "Geen", "Enkel", "Dubbel", "Drievoudig" (and "Pixels" for the Tools
// menu's border) as the design file names them, and back.
QString randNaam(Rand r);
std::optional<Rand> randVanNaam(const QString &name);

// Where the style puts things on the canvas of 'g': the Tools menu's border
// line, the collector's lines (each its outer edge and its thickness in
// pixels across and down, at least one), and the page texts' places. In
// today's style exactly the canvas's own places.
struct CanvasGeometry;
struct CanvasOpmaak {
    QRect lijst;
    QList<QRect> lijnen;
    QList<QSize> dikten;
    int textCentreX = 0;
    int titleTop = 0;
    int subtitleTop = 0;
    int pageNumberTop = 0;
    bool operator==(const CanvasOpmaak &) const = default;
};
CanvasOpmaak canvasOpmaak(const CanvasGeometry &g, const PaginaOpmaak &s, const Sheet &sheet);

} // namespace plenvik
