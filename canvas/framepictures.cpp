#include "canvas/framepictures.h"

#include "canvas/shapedraw.h"
#include "design/rows.h"

#include "library/stamppicture.h"

#include <QCache>
#include <QHash>

namespace plenvik {

namespace {
struct Key {
    size_t hash;
    qsizetype bytes;
    bool grey;
    int sterkte;
    QSize size;
    bool operator==(const Key &) const = default;
};
size_t qHash(const Key &k, size_t seed = 0)
{
    return qHashMulti(seed, k.hash, k.bytes, k.grey, k.sterkte, k.size.width(), k.size.height());
}

// A page of twenty frames at A4 scale many times over.
QCache<Key, QImage> &shownCache()
{
    static QCache<Key, QImage> cache(64 * 1024 * 1024);
    return cache;
}
} // namespace

QList<CanvasPicture> canvasPictures(const PageDesign &design, const CanvasGeometry &g)
{
    QList<CanvasPicture> out;
    for (int k = 1; k <= design.KaderCount && k <= kMaxKaders; ++k) {
        const QByteArray &stored = design.pictures.Bestanden.at(k - 1);
        if (stored.isEmpty())
            continue;
        const QSize pixels = storedPictureSize(stored);
        const RectMm r = fitPicture(pictureRoom(design.kader(k)), pixels.width(), pixels.height());
        if (r.isEmpty())
            continue;
        const QRect rect(QPoint(g.canvasX(r.left), g.canvasY(r.top)),
                         QPoint(g.canvasX(r.left + r.width) - 1, g.canvasY(r.top + r.height) - 1));
        if (rect.isEmpty())
            continue;
        const Key key{qHash(stored), stored.size(), design.pictures.Grijstinten, design.pictures.Sterkte, rect.size()};
        QImage *cached = shownCache().object(key);
        if (!cached) {
            // Decoded at twice the size it is shown, then made smooth.
            const QImage shown = shownPicture(stored, design.pictures.Grijstinten, design.pictures.Sterkte, rect.size() * 2);
            if (shown.isNull())
                continue;
            cached = new QImage(shown.scaled(rect.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            shownCache().insert(key, cached, int(cached->sizeInBytes()));
        }
        const Kader &kader = design.kader(k);
        QPolygonF clip;
        if (kader.vorm != Vorm::Rechthoek) {
            const double inset = kPictureEdgeMm + (kader.Binnenrand == 1 ? kInnerFrameInsetMm : 0.0);
            clip = canvasOutline(vormInset(kader.vorm, kader.box(), inset), kader.box(), canvasRectOf(kader, g));
            if (clip.isEmpty())
                continue; // no room inside the shape
        }
        out.append({rect, *cached, clip});
    }
    return out;
}

} // namespace plenvik
