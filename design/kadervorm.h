#pragma once
// The shapes a frame can take and the line it is drawn with. A frame's
// left, top, width and height are its box whatever its shape: a triangle
// stands on the box's bottom edge (or hangs from its top edge, point down),
// a diamond's corners lie at the middles of its sides, an oval touches all
// four. The canvas and the printer draw a shape from these outlines alone.

#include "design/framepicture.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace plenvik {

enum class Vorm : std::uint8_t { Rechthoek, Driehoek, DriehoekOmlaag, Ruit, Ovaal };
enum class Lijn : std::uint8_t { Doorgetrokken, Gestreept, Geen };

inline constexpr Vorm kVormen[] = {Vorm::Rechthoek, Vorm::Driehoek, Vorm::DriehoekOmlaag, Vorm::Ruit, Vorm::Ovaal};
inline constexpr Lijn kLijnen[] = {Lijn::Doorgetrokken, Lijn::Gestreept, Lijn::Geen};

// An oval is drawn through this many points, its four extreme points among
// them: on the largest sheet the straight pieces stay within 0.1 mm of it.
inline constexpr int kOvalPoints = 128;

struct PointMm {
    double x = 0;
    double y = 0;
    bool operator==(const PointMm &) const = default;
};

// The outline of 'vorm' in 'box', clockwise on the page: a polygon's
// corners, or the oval's points.
QList<PointMm> vormOutline(Vorm vorm, const RectMm &box);

// The outline with every side moved 'inset' mm inwards (an oval's radii
// 'inset' shorter): the inner frame, and the clip of a stamp's picture.
// Empty where the shape has no room left inside.
QList<PointMm> vormInset(Vorm vorm, const RectMm &box, double inset);

// The names a design file and the dialogs use, in Dutch: "Rechthoek",
// "Driehoek", "Driehoek omlaag", "Ruit", "Ovaal"; "Doorgetrokken",
// "Gestreept", "Geen".
QString vormNaam(Vorm vorm);
QString lijnNaam(Lijn lijn);
std::optional<Vorm> vormVanNaam(const QString &naam);
std::optional<Lijn> lijnVanNaam(const QString &naam);

// A shape as a stamp list names it, in Dutch or English, in any case:
// "driehoek", "triangle down", "ruit", "diamond", ...
std::optional<Vorm> vormUitLijst(const QString &word);

} // namespace plenvik
