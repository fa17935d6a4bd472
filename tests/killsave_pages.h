#pragma once
// The versions of one page that the kill test saves one after another: each
// save changes every file, so every kill inside a save tests old against new.

#include "canvas/grid.h"
#include "design/pagedesign.h"
#include "library/albumput.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace plenvik::test {

// A small picture of its own for each version that has pictures.
inline QByteArray killStampPicture(int version, int k)
{
    QImage img(8, 6, QImage::Format_RGB32);
    img.fill(QColor(version & 0xff, k * 10, 200));
    // The same bytes in the helper and the test, whatever screen each has.
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    QByteArray jpeg;
    QBuffer out(&jpeg);
    out.open(QIODevice::WriteOnly);
    img.save(&out, "jpeg", 90);
    return jpeg;
}

// Two versions in three have pictures of their stamps, so saves both add
// and remove the pictures' file.
inline PageDesign killPageDesign(int version)
{
    PageDesign d;
    const int shift = (version % 2) * 100;
    for (int k = 0; k < 20; ++k) {
        // The frames with pictures have no inner frame, which leaves them
        // no room for one.
        d.addFrame(10 + k * 15, 20 + shift, 20 + k * 15, 60 + shift, version % 2 == 1 && k != 0 && k != 19);
        d.kader(k + 1).Onderschrift = QStringLiteral("Versie %1, kader %2").arg(version).arg(k + 1);
    }
    d.PageTitle = QStringLiteral("Versie %1").arg(version);
    if (version % 3 != 0) {
        d.pictures.Bestanden.at(0) = killStampPicture(version, 1);
        d.pictures.Bestanden.at(19) = killStampPicture(version, 20);
        d.pictures.Sterkte = 10 + version % 90;
    }
    return d;
}

inline QImage killPagePicture(int version)
{
    QImage img(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    DrawGrid(img);
    QPainter(&img).fillRect(QRect(50, 50 + (version % 2) * 200, 200, 100),
                            QColor(version & 0xff, (version >> 8) & 0xff, 128));
    return img;
}

// An album of two pages put as one; version v holds pages v and v + 1, and
// says v in its title.
inline AlbumZetten killAlbum(int version)
{
    AlbumZetten z;
    z.album.velden.naam = QStringLiteral("Kill");
    z.album.velden.titel = QString::number(version);
    z.album.lijst = QStringLiteral("A; 20; 20; %1").arg(version + 1);
    z.album.paginas = {QStringLiteral("Kill 1"), QStringLiteral("Kill 2")};
    z.pagina = [version](int i) { return std::pair{killPagePicture(version + i), killPageDesign(version + i)}; };
    return z;
}

} // namespace plenvik::test
