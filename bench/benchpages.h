#pragma once
// Pages for the benchmarks: pictures of stamps as a scanner gives them,
// a page of twenty frames with one in each, and a list of stamps.

#include "library/stamppicture.h"

#include <QImage>
#include <QString>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace plenvik {

// A scan-like picture: an engraving's fine lines over smooth colour, with
// the grain of paper and scanner, so it compresses as a scanned stamp does
// rather than as a flat fill or as pure noise.
inline QImage scanLike(QSize size, int seed)
{
    QImage img(size, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < size.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int grain = int(random.bounded(12));
            const int engraving = ((x + y * 3 + seed) / 4) % 3 == 0 ? 60 : 0;
            const int r = 200 - engraving - x * 80 / size.width() + grain;
            const int g = 170 - engraving - y * 60 / size.height() + grain;
            line[x] = qRgb(r, g, (seed * 40 + grain) & 0xff);
        }
    }
    return img;
}

// Twenty frames of 30 x 36 mm in four rows, each with its stamp's picture.
inline PageDesign pageWithPictures(int seed)
{
    PageDesign d;
    for (int k = 0; k < 20; ++k)
        d.appendKader(Kader{double(30 + (k % 5) * 32), double(55 + (k / 5) * 50), 30, 36, k % 2, QStringLiteral("NVPH %1").arg(k + 1)});
    QTemporaryDir dir;
    for (int k = 0; k < 20; ++k) {
        const QString path = dir.filePath(QStringLiteral("%1.jpg").arg(k));
        scanLike(QSize(900, 1080), seed * 20 + k).save(path, "jpeg", 92);
        d.pictures.Bestanden.at(k) = takeInPicture(path, d.kader(k + 1)).value_or(QByteArray());
    }
    return d;
}

// A stamp list of N frames in issues of 30, of the common stamp sizes.
inline QString stampList(int frames)
{
    static const int widths[] = {22, 24, 26, 28, 30, 33, 36, 40, 44, 48};
    static const int heights[] = {25, 27, 30, 33, 40};
    QString text;
    for (int i = 0; i < frames; ++i) {
        if (i % 30 == 0)
            text += QStringLiteral("= Uitgifte %1\n").arg(i / 30 + 1);
        text += QStringLiteral("NVPH %1; %2; %3\n").arg(i + 1).arg(widths[(i * 7) % 10]).arg(heights[(i * 3) % 5]);
    }
    return text;
}

} // namespace plenvik
