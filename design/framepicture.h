#pragma once
// Pictures of the stamps in their frames: where a picture stands in its
// frame, and the settings that make it faint enough for the stamp to cover.
// Pure computations in page millimetres; decoding lives with the files.

#include "design/units.h"

#include <QByteArray>
#include <array>

namespace plenvik {

inline constexpr int kDefaultSterkte = 35;
inline constexpr double kPictureEdgeMm = 1.0;
// The inner frame stands this far inside the frame on paper.
inline constexpr double kInnerFrameInsetMm = 3.0;
// A picture is kept at no more than this at its frame's size.
inline constexpr int kMaxPictureDpi = 600;

// The pictures of a page: the stored picture of each frame record (a PNG
// or JPEG as taken in, empty for none) and how they are shown.
struct Afbeeldingen {
    std::array<QByteArray, kMaxKaders> Bestanden{};
    bool Grijstinten = true;
    int Sterkte = kDefaultSterkte; // per cent; 100 is the picture as it is

    bool operator==(const Afbeeldingen &) const = default;
    // True when any record up to 'kaderCount' has a picture.
    bool any(int kaderCount) const;
};

struct RectMm {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const RectMm &) const = default;
    bool isEmpty() const { return width <= 0 || height <= 0; }
};

struct Kader;

// The room a picture has in its frame, on the sheet: 1 mm inside the frame,
// or inside the inner frame where it has one. Empty when nothing fits.
RectMm pictureRoom(const Kader &kader);

// A picture of pixelWidth x pixelHeight fitted into 'room', its proportions
// kept, centred. Empty for an empty room or picture.
RectMm fitPicture(const RectMm &room, int pixelWidth, int pixelHeight);

// The most pixels a picture needs across 'mm' millimetres.
int pixelsFor(double mm);

// The brightness 'value' (0..255) takes at 'sterkte' per cent: towards
// white, so 0 % is paper and 100 % the value itself.
int atStrength(int value, int sterkte);

} // namespace plenvik
