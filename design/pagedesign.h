#pragma once
// The one open page and the editing state beside it. Plain values: the main
// window owns one of each and every subsystem works on those, never on a copy.

#include "design/framepicture.h"
#include "design/kadervorm.h"
#include "design/pagestyle.h"
#include "design/sheet.h"
#include "design/units.h"

#include <QString>
#include <array>
#include <cstdint>

namespace plenvik {

struct Kader {
    // Whole millimetres when drawn; a page file edited by hand may hold fractions.
    double LeftMm = 0;
    double TopMm = 0;
    double WidthMm = 0;
    double HeightMm = 0;
    std::int32_t Binnenrand = 0;
    QString Onderschrift;
    // The frame's shape in its box, its line, and the caption's lines 2
    // and 3; a frame of today's kind has none of these others.
    Vorm vorm = Vorm::Rechthoek;
    Lijn lijn = Lijn::Doorgetrokken;
    QString Regel2;
    QString Regel3;

    bool operator==(const Kader &) const = default;
    bool isPlain() const
    {
        return vorm == Vorm::Rechthoek && lijn == Lijn::Doorgetrokken && Regel2.isEmpty() && Regel3.isEmpty();
    }
    RectMm box() const { return {LeftMm, TopMm, WidthMm, HeightMm}; }
};

// A line of text anywhere on the page: an issue's heading, a note.
inline constexpr int kMaxTeksten = 20;
inline constexpr int kMinPunten = 6;
// More characters than the widest sheet shows at the smallest size, the
// narrowest letters included: a longer line is no line of the page.
inline constexpr int kMaxTekstTekens = 1000;
inline constexpr int kMaxPunten = 36;
inline constexpr int kDefaultPunten = 10;
struct Tekst {
    QString Regel;        // the text
    double BovenMm = 0;   // the top of its letters, from the top of the sheet
    double LinksMm = 0;   // its left edge, from the left of the sheet, when not centred
    bool Midden = false;  // centred on the sheet
    int Punten = kDefaultPunten;
    bool Vet = false;

    bool operator==(const Tekst &) const = default;
};

struct Colour {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Colour &) const = default;
};

inline constexpr Colour kDefaultDrawingColour{120, 180, 120};
inline constexpr Colour kDefaultPanelColour{220, 220, 140};

// The album a page was laid out for by "Album indelen", and the fingerprint
// of the page as it was put; empty for a page of its own, whose files keep
// what they always held.
struct AlbumHerkomst {
    QString naam;
    QString vingerafdruk;
    bool isEmpty() const { return naam.isEmpty(); }
    bool operator==(const AlbumHerkomst &) const = default;
};

struct PageDesign {
    std::uint8_t KaderCount = 0;
    std::array<Kader, kMaxKaders> Kaders{}; // record k lives at index k - 1
    QString PageTitle;
    QString PageSubtitle;
    QString PageNumber;
    bool BorderOn = false;
    std::uint8_t BorderWidth = 0;
    int ColourR = kDefaultDrawingColour.r;
    int ColourG = kDefaultDrawingColour.g;
    int ColourB = kDefaultDrawingColour.b;
    // The paper the page is for; a new page keeps the open page's.
    Sheet sheet = kSheetA4;
    // The stamps' pictures in the frames; a page without any keeps its
    // files as they always were.
    Afbeeldingen pictures;
    // Lines of text, numbered 1..TekstCount as frames are; a page without
    // any keeps its files as they always were.
    std::uint8_t TekstCount = 0;
    std::array<Tekst, kMaxTeksten> Teksten{};
    // The border's lines and places, the font, the frames it may hold; a
    // page of today's style keeps its files as they always were.
    PaginaOpmaak opmaak;
    AlbumHerkomst album;

    bool operator==(const PageDesign &) const = default;

    int kaderLimit() const { return opmaak.kadersPerPagina; }
    Colour drawingColour() const { return {ColourR, ColourG, ColourB}; }
    // The colour of the collector's border lines.
    Colour randColour() const { return opmaak.zwart ? Colour{} : drawingColour(); }
    Kader &kader(int k) { return Kaders.at(k - 1); }
    const Kader &kader(int k) const { return Kaders.at(k - 1); }
    Tekst &tekst(int t) { return Teksten.at(t - 1); }
    const Tekst &tekst(int t) const { return Teksten.at(t - 1); }

    // Empties the page for "Nieuw": the drawing colour stays, the border
    // width becomes 1 (start-up leaves it at 0). Pictures and texts go, the
    // style becomes today's.
    void resetForNewPage();

    // Stores a frame drawn from canvas point (x1, y1) to (x2, y2) as the next
    // record. False, and nothing changed, when the page is full.
    bool addFrame(double x1, double y1, double x2, double y2, bool inner);

    // Stores a frame given in millimetres as the next record. False, and
    // nothing changed, when the page is full.
    bool appendKader(const Kader &kader);

    void setBorder(int index); // 0 = off, 1..3 = width in pixels
};

struct EditState {
    bool InnerFrameMode = false;
    bool CrossHair = false;
    float DragStartX = 0;
    float DragStartY = 0;
    std::uint8_t LoepZoom = 1;
};

} // namespace plenvik
