#include "platform/pdfpictures.h"

#include <QImage>
#include <QIODevice>

#include <algorithm>

namespace plenvik {

namespace {
// How Qt 6.4 begins the object of a picture of one pixel.
const QByteArray kPlaceholder("/Subtype /Image\n/Width 1\n/Height 1\n");
constexpr qint64 kCopyChunk = 1 << 16;

bool copyRange(QIODevice &from, QIODevice &to, qint64 start, qint64 length)
{
    if (!from.seek(start))
        return false;
    while (length > 0) {
        const QByteArray chunk = from.read(std::min(length, kCopyChunk));
        if (chunk.isEmpty() || to.write(chunk) != chunk.size())
            return false;
        length -= chunk.size();
    }
    return true;
}

// The objects of Qt's file: number and offset, from its cross-reference
// table; and where that table starts.
struct Layout {
    std::vector<std::pair<qint64, int>> objects; // offset, number
    qint64 xref = -1;
    int size = 0;
    QByteArray trailer; // from "trailer" up to "startxref"
};

bool readLayout(QIODevice &qt, Layout &l)
{
    const qint64 end = qt.size();
    if (!qt.seek(std::max<qint64>(0, end - 1024)))
        return false;
    const QByteArray tail = qt.read(1024);
    const qsizetype at = tail.lastIndexOf("startxref\n");
    if (at < 0)
        return false;
    bool ok = false;
    l.xref = tail.mid(at + 10).split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok || l.xref <= 0 || l.xref >= end || !qt.seek(l.xref))
        return false;
    const QByteArray table = qt.read(end - l.xref);
    const qsizetype trailer = table.indexOf("trailer\n");
    const qsizetype start = table.indexOf("startxref\n");
    const QList<QByteArray> lines = table.left(trailer).split('\n');
    if (trailer < 0 || start < trailer || lines.size() < 3 || lines[0] != "xref")
        return false;
    const QList<QByteArray> range = lines[1].split(' ');
    l.size = range.value(1).toInt();
    if (range.value(0) != "0" || l.size < 1 || lines.size() < 2 + l.size)
        return false;
    for (int n = 1; n < l.size; ++n) {
        // Qt frees no object but the first; anything else is not its file.
        const QByteArray &e = lines[2 + n];
        if (e.size() < 18 || e.at(17) != 'n')
            return false;
        l.objects.push_back({e.left(10).toLongLong(), n});
    }
    std::sort(l.objects.begin(), l.objects.end());
    l.trailer = table.mid(trailer, start - trailer);
    return !l.objects.empty() && l.objects.front().first > 0 && l.objects.back().first < l.xref;
}
} // namespace

namespace {
// The size and the number of colour channels in a JPEG's frame header.
bool jpegFrame(const QByteArray &jpeg, QSize *size, int *channels)
{
    const auto *b = reinterpret_cast<const uchar *>(jpeg.constData());
    const qsizetype n = jpeg.size();
    if (n < 4 || b[0] != 0xFF || b[1] != 0xD8)
        return false;
    for (qsizetype at = 2; at + 9 < n;) {
        if (b[at] != 0xFF)
            return false;
        const uchar marker = b[at + 1];
        const int length = b[at + 2] << 8 | b[at + 3];
        // A start-of-frame marker: any of C0..CF but DHT, JPG and DAC.
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            *size = QSize(b[at + 7] << 8 | b[at + 8], b[at + 5] << 8 | b[at + 6]);
            *channels = b[at + 9];
            return !size->isEmpty();
        }
        at += 2 + length;
    }
    return false;
}
} // namespace

bool PdfPictureSpool::add(const QByteArray &jpeg)
{
    QSize size;
    int channels = 0;
    if (!jpegFrame(jpeg, &size, &channels) || (channels != 1 && channels != 3))
        return false;
    const bool grey = channels == 1;
    if (!m_file) {
        m_file = std::make_unique<QTemporaryFile>();
        if (!m_file->open())
            return false;
    }
    const qint64 at = m_file->size();
    if (!m_file->seek(at) || m_file->write(jpeg) != jpeg.size())
        return false;
    m_pictures.push_back({at, jpeg.size(), size, grey});
    return true;
}

QByteArray PdfPictureSpool::bytes(const Picture &p)
{
    if (!m_file || !m_file->seek(p.offset))
        return {};
    return m_file->read(p.length);
}

QImage pdfPlaceholder()
{
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(Qt::white);
    return one;
}

bool putPicturesInPdf(QIODevice &qt, QIODevice &out, PdfPictureSpool &spool)
{
    Layout l;
    if (!readLayout(qt, l))
        return false;
    std::vector<qint64> offsets(size_t(l.size), 0);
    // The file's head, then each object: copied, or a picture put in.
    if (!copyRange(qt, out, 0, l.objects.front().first))
        return false;
    int next = 0;
    for (size_t i = 0; i < l.objects.size(); ++i) {
        const auto [start, number] = l.objects[i];
        const qint64 length = (i + 1 < l.objects.size() ? l.objects[i + 1].first : l.xref) - start;
        offsets[size_t(number)] = out.pos();
        if (!qt.seek(start))
            return false;
        if (!qt.read(std::min<qint64>(length, 128)).contains(kPlaceholder)) {
            if (!copyRange(qt, out, start, length))
                return false;
            continue;
        }
        if (next >= spool.count())
            return false;
        const PdfPictureSpool::Picture &p = spool.at(next++);
        const QByteArray jpeg = spool.bytes(p);
        if (jpeg.size() != p.length)
            return false;
        const QByteArray head = QByteArray::number(number) + " 0 obj\n<<\n/Type /XObject\n/Subtype /Image\n/Width "
                                + QByteArray::number(p.size.width()) + "\n/Height " + QByteArray::number(p.size.height())
                                + "\n/BitsPerComponent 8\n/ColorSpace " + (p.grey ? "/DeviceGray" : "/DeviceRGB")
                                + "\n/Length " + QByteArray::number(jpeg.size()) + "\n/Filter /DCTDecode\n>>\nstream\n";
        const QByteArray tail("\nendstream\nendobj\n");
        if (out.write(head) != head.size() || out.write(jpeg) != jpeg.size() || out.write(tail) != tail.size())
            return false;
    }
    if (next != spool.count())
        return false;
    const qint64 xref = out.pos();
    QByteArray table = "xref\n0 " + QByteArray::number(l.size) + "\n0000000000 65535 f \n";
    for (int n = 1; n < l.size; ++n)
        table += QByteArray::number(offsets[size_t(n)]).rightJustified(10, '0') + " 00000 n \n";
    table += l.trailer + "startxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return out.write(table) == table.size();
}

} // namespace plenvik
