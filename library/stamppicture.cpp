#include "library/stamppicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include "library/plainfile.h"
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace plenvik {

namespace {
struct PictureTexts {
    Q_DECLARE_TR_FUNCTIONS(StampPicture)
};

// A scan of a whole A3 sheet at 600 dpi stays below both, and the largest
// picture allowed is decoded and reduced well within a second.
constexpr qint64 kMaxPictureFileBytes = 200LL * 1024 * 1024;
constexpr qint64 kMaxPicturePixels = 60LL * 1000 * 1000;
// Megabytes Qt's readers may allocate for one picture: the largest
// picture allowed above, at four bytes a pixel.
constexpr int kAllocationLimitMb = 240;
constexpr int kStoredQuality = 90;

const QList<QByteArray> kTakenFormats = {"png", "jpeg", "bmp", "tiff"};
const QList<QByteArray> kStoredFormats = {"png", "jpeg"};

// Set once, before the first picture is read on any thread.
void limitAllocation()
{
    static const bool limited = (QImageReader::setAllocationLimit(kAllocationLimitMb), true);
    Q_UNUSED(limited);
}

// A JPEG whose last scan has no end marker after it was cut short: Qt's
// reader fills the missing part with grey and calls it a success.
bool jpegCutShort(const QByteArray &bytes)
{
    const qsizetype scan = bytes.lastIndexOf(QByteArrayView("\xFF\xDA", 2));
    return scan < 0 || bytes.indexOf(QByteArrayView("\xFF\xD9", 2), scan) < 0;
}

QSize reducedSize(QSize size, QSize most)
{
    if (size.width() <= most.width() && size.height() <= most.height())
        return size;
    return size.scaled(most, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}
} // namespace

std::optional<QByteArray> takeInPicture(const QString &path, const Kader &kader, QString *error)
{
    const QString shown = QFileInfo(path).fileName();
    auto failed = [&](const QString &why) -> std::optional<QByteArray> {
        if (error)
            *error = PictureTexts::tr("Afbeelding %1: %2").arg(shown, why);
        return std::nullopt;
    };
    QFile file;
    if (!openPlainFile(file, path, Links::Follow))
        return failed(PictureTexts::tr("het bestand is er niet of kan niet worden gelezen."));
    if (file.size() > kMaxPictureFileBytes)
        return failed(PictureTexts::tr("het bestand is groter dan 200 MB."));
    const QByteArray bytes = file.read(kMaxPictureFileBytes + 1);
    if (bytes.size() > kMaxPictureFileBytes)
        return failed(PictureTexts::tr("het bestand is groter dan 200 MB."));

    limitAllocation();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (!kTakenFormats.contains(format))
        return failed(PictureTexts::tr("dit is geen PNG, JPEG, BMP of TIFF."));
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return failed(PictureTexts::tr("de afbeelding heeft geen pixels."));
    if (qint64(size.width()) * size.height() > kMaxPicturePixels)
        return failed(PictureTexts::tr("de afbeelding is te groot (%1 x %2 pixels).").arg(size.width()).arg(size.height()));
    if (format == "jpeg" && jpegCutShort(bytes))
        return failed(PictureTexts::tr("de afbeelding is afgebroken."));

    const RectMm room = pictureRoom(kader);
    if (room.isEmpty())
        return failed(PictureTexts::tr("het kader is te klein voor een afbeelding."));
    const QSize most = storedPictureBound(kader);
    const QSize target = reducedSize(size, most);
    // A JPEG is decoded at the smaller size straight away, which is what
    // makes a large scan quick.
    if (format == "jpeg" && target != size)
        reader.setScaledSize(target);
    QImage image = reader.read();
    if (image.isNull())
        return failed(PictureTexts::tr("de afbeelding kan niet worden gelezen (%1).").arg(reader.errorString()));
    if (image.size() != target) {
        // Smoothing a picture of many million pixels takes long; the bulk
        // of the reduction is done by sampling, the last step smoothly.
        if (image.width() > 4 * target.width())
            image = image.scaled(target * 2, Qt::KeepAspectRatio, Qt::FastTransformation);
        image = image.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    // Transparent parts stand on the paper's white.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, image);
    }
    QByteArray stored;
    QBuffer out(&stored);
    out.open(QIODevice::WriteOnly);
    QImageWriter writer(&out, "jpeg");
    writer.setQuality(kStoredQuality);
    if (!writer.write(flat))
        return failed(PictureTexts::tr("de afbeelding kan niet worden bewaard (%1).").arg(writer.errorString()));
    return stored;
}

namespace {
// A reader on a stored picture, and its size when it is a picture the
// program stores; an invalid size when not.
class StoredReader {
public:
    explicit StoredReader(const QByteArray &stored) : m_data(stored)
    {
        limitAllocation();
        m_buffer.setBuffer(&m_data);
        m_buffer.open(QIODevice::ReadOnly);
        m_reader.setDevice(&m_buffer);
        const QSize size = m_reader.size();
        if (kStoredFormats.contains(m_reader.format()) && size.isValid() && !size.isEmpty()
            && qint64(size.width()) * size.height() <= kMaxPicturePixels)
            m_size = size;
    }
    QImageReader &reader() { return m_reader; }
    QSize size() const { return m_size; }

private:
    QByteArray m_data;
    QBuffer m_buffer;
    QImageReader m_reader;
    QSize m_size;
};
} // namespace

QSize storedPictureSize(const QByteArray &stored)
{
    return StoredReader(stored).size();
}

QSize storedPictureBound(const Kader &kader)
{
    const RectMm room = pictureRoom(kader);
    return room.isEmpty() ? QSize() : QSize(pixelsFor(room.width), pixelsFor(room.height));
}

QString storedPictureFault(const QByteArray &stored, const Kader &kader)
{
    StoredReader open(stored);
    const QSize size = open.size();
    if (!size.isValid())
        return PictureTexts::tr("de afbeelding is onleesbaar");
    if (open.reader().format() != "jpeg")
        return PictureTexts::tr("de afbeelding is geen JPEG zoals Plenvik die bewaart");
    const QSize bound = storedPictureBound(kader);
    if (bound.isEmpty())
        return PictureTexts::tr("het kader heeft geen plaats voor een afbeelding");
    if (size.width() > bound.width() + 1 || size.height() > bound.height() + 1)
        return PictureTexts::tr("de afbeelding is groter dan Plenvik haar bewaart (%1 x %2 pixels, hoogstens %3 x %4)")
            .arg(size.width())
            .arg(size.height())
            .arg(bound.width())
            .arg(bound.height());
    return {};
}

std::optional<QByteArray> refittedPicture(const QByteArray &stored, const Kader &kader)
{
    const QSize bound = storedPictureBound(kader);
    const QSize size = storedPictureSize(stored);
    if (bound.isEmpty() || !size.isValid())
        return std::nullopt;
    if (size.width() <= bound.width() + 1 && size.height() <= bound.height() + 1)
        return stored;
    StoredReader open(stored);
    QImage image = open.reader().read();
    if (image.isNull())
        return std::nullopt;
    image = image.scaled(reducedSize(size, bound), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kStoredQuality);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        return std::nullopt;
    return out;
}

namespace {
// Decodes a stored picture, at a half, a quarter or an eighth of its size
// where that is still no smaller than 'atMost': libjpeg's own fast
// reductions, where another fraction takes several times as long. The
// caller scales what it needs from there.
QImage decoded(const QByteArray &stored, QSize atMost)
{
    StoredReader open(stored);
    QImageReader &reader = open.reader();
    const QSize size = open.size();
    if (!size.isValid())
        return {};
    if (atMost.isValid() && reader.format() == "jpeg") {
        const QSize smaller = reducedSize(size, atMost);
        int n = 1;
        while (n < 8 && size.width() / (2 * n) >= smaller.width() && size.height() / (2 * n) >= smaller.height())
            n *= 2;
        if (n > 1)
            reader.setScaledSize(QSize(size.width() / n, size.height() / n));
    }
    return reader.read();
}

// The picture made grey when asked and lightened to 'sterkte' per cent:
// in RGB32, or a grey one in one channel when 'oneChannel'.
QImage shaded(const QImage &picture, bool grijstinten, int sterkte, bool oneChannel)
{
    uchar level[256];
    for (int v = 0; v < 256; ++v)
        level[v] = uchar(atStrength(v, sterkte));
    const QImage in = picture.convertToFormat(QImage::Format_RGB32);
    const int w = in.width(), h = in.height();
    QImage out(in.size(), grijstinten && oneChannel ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const QRgb *from = reinterpret_cast<const QRgb *>(in.constScanLine(y));
        if (out.format() == QImage::Format_Grayscale8) {
            uchar *to = out.scanLine(y);
            for (int x = 0; x < w; ++x)
                to[x] = level[qGray(from[x])];
            continue;
        }
        QRgb *to = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = from[x];
            if (grijstinten) {
                const uchar v = level[qGray(p)];
                to[x] = qRgb(v, v, v);
            } else {
                to[x] = qRgb(level[qRed(p)], level[qGreen(p)], level[qBlue(p)]);
            }
        }
    }
    return out;
}
} // namespace

QImage shownPicture(const QByteArray &stored, bool grijstinten, int sterkte, QSize atMost)
{
    const QImage image = decoded(stored, atMost);
    // Grey stays in RGB32, the format the canvas and the print engine draw
    // without converting.
    return image.isNull() ? QImage() : shaded(image, grijstinten, sterkte, false);
}

QByteArray printedPicture(const QByteArray &stored, bool grijstinten, int sterkte, QSizeF mm, int dpi, QSize *size)
{
    // A faint picture behind a stamp is printed well at this quality; the
    // file stays small.
    constexpr int kPrintedQuality = 85;
    const QSize most(std::max(1, int(mm.width() / 25.4 * dpi)), std::max(1, int(mm.height() / 25.4 * dpi)));
    QImage image = decoded(stored, most);
    if (image.isNull())
        return {};
    // A pixel over, as a reduction by a half rounds, is kept: smoothing
    // it away would take longer than decoding the picture.
    if (image.width() > most.width() + 1 || image.height() > most.height() + 1)
        image = image.scaled(most, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    image = shaded(image, grijstinten, sterkte, true);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kPrintedQuality);
    if (!writer.write(image))
        return {};
    *size = image.size();
    return out;
}

} // namespace plenvik
