#include "library/bmpwriter.h"

#include <QByteArray>
#include <QFile>
#include "library/plainfile.h"
#include <QIODevice>
#include <QImage>
#include <QtEndian>
#include <cstring>

namespace plenvik {

namespace {
void put16(char *&p, quint16 v)
{
    qToLittleEndian(v, p);
    p += 2;
}
void put32(char *&p, quint32 v)
{
    qToLittleEndian(v, p);
    p += 4;
}
} // namespace

bool writeBmp24(QIODevice &device, const QImage &picture)
{
    const QImage img = picture.convertToFormat(QImage::Format_BGR888);
    if (img.isNull())
        return false;
    const int w = img.width(), h = img.height();
    const quint32 rowBytes = (static_cast<quint32>(w) * 3 + 3) & ~3u;
    const quint32 imageBytes = rowBytes * static_cast<quint32>(h);
    constexpr quint32 headerBytes = 14 + 40;

    QByteArray out(static_cast<qsizetype>(headerBytes + imageBytes), '\0');
    char *p = out.data();
    *p++ = 'B';
    *p++ = 'M';
    put32(p, headerBytes + imageBytes);
    put32(p, 0);
    put32(p, headerBytes);
    put32(p, 40);
    put32(p, static_cast<quint32>(w));
    put32(p, static_cast<quint32>(h));
    put16(p, 1);
    put16(p, 24);
    put32(p, 0); // no compression
    put32(p, imageBytes);
    put32(p, static_cast<quint32>(img.dotsPerMeterX()));
    put32(p, static_cast<quint32>(img.dotsPerMeterY()));
    put32(p, 0);
    put32(p, 0);
    for (int y = 0; y < h; ++y)
        std::memcpy(out.data() + headerBytes + (h - 1 - y) * rowBytes, img.constScanLine(y), static_cast<size_t>(w) * 3);
    return device.write(out) == out.size();
}

std::optional<bool> plainBitmapFits(const QString &path, QSize size)
{
    QFile f;
    if (!openPlainFile(f, path))
        return false;
    const QByteArray h = f.read(54);
    if (h.size() < 54 || !h.startsWith("BM"))
        return false;
    const auto *b = reinterpret_cast<const uchar *>(h.constData());
    const quint32 offset = qFromLittleEndian<quint32>(b + 10), info = qFromLittleEndian<quint32>(b + 14);
    const qint32 width = qFromLittleEndian<qint32>(b + 18), height = qFromLittleEndian<qint32>(b + 22);
    const quint16 bits = qFromLittleEndian<quint16>(b + 28);
    const quint32 compression = qFromLittleEndian<quint32>(b + 30);
    if (info < 40 || (bits != 24 && bits != 32) || !(compression == 0 || (compression == 3 && bits == 32)))
        return std::nullopt;
    if (width != size.width() || (height != size.height() && height != -size.height()))
        return false;
    const qint64 rowBytes = (qint64(width) * bits / 8 + 3) & ~qint64(3);
    return f.size() >= qint64(offset) + rowBytes * size.height();
}

} // namespace plenvik
