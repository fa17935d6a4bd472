#include "design/framepicture.h"

#include "design/pagedesign.h"

#include <algorithm>
#include <cmath>

namespace plenvik {

bool Afbeeldingen::any(int kaderCount) const
{
    const int n = std::clamp(kaderCount, 0, kMaxKaders);
    return std::any_of(Bestanden.cbegin(), Bestanden.cbegin() + n, [](const QByteArray &b) { return !b.isEmpty(); });
}

RectMm pictureRoom(const Kader &kader)
{
    const double inset = kPictureEdgeMm + (kader.Binnenrand == 1 ? kInnerFrameInsetMm : 0.0);
    RectMm r{kader.LeftMm + inset, kader.TopMm + inset, kader.WidthMm - 2 * inset, kader.HeightMm - 2 * inset};
    return r.isEmpty() ? RectMm{} : r;
}

RectMm fitPicture(const RectMm &room, int pixelWidth, int pixelHeight)
{
    if (room.isEmpty() || pixelWidth <= 0 || pixelHeight <= 0)
        return {};
    const double scale = std::min(room.width / pixelWidth, room.height / pixelHeight);
    const double w = pixelWidth * scale, h = pixelHeight * scale;
    return {room.left + (room.width - w) / 2, room.top + (room.height - h) / 2, w, h};
}

int pixelsFor(double mm)
{
    return std::max(1, int(std::ceil(mm / 25.4 * kMaxPictureDpi)));
}

int atStrength(int value, int sterkte)
{
    const int s = std::clamp(sterkte, 0, 100);
    return 255 - ((255 - std::clamp(value, 0, 255)) * s + 50) / 100;
}

} // namespace plenvik
