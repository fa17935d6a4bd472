#include "library/picturefile.h"

#include <QCoreApplication>

namespace plenvik {

namespace {
struct PictureFileTexts {
    Q_DECLARE_TR_FUNCTIONS(PictureFile)
};
const QByteArray kLineEnd("\r\n");

// A number as the program writes it: digits only, no leading zero.
qint64 plainNumber(const QByteArray &field)
{
    if (field.isEmpty() || field.size() > 12 || field.startsWith('0'))
        return -1;
    qint64 v = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}
} // namespace

QByteArray pictureFileBytes(const Afbeeldingen &pictures, int kaderCount)
{
    QByteArray out = QByteArray(kPictureFileHeader) + kLineEnd;
    for (int k = 1; k <= kaderCount && k <= kMaxKaders; ++k) {
        const QByteArray &data = pictures.Bestanden.at(k - 1);
        if (data.isEmpty())
            continue;
        out += QByteArray::number(k) + ' ' + QByteArray::number(data.size()) + kLineEnd;
        out += data + kLineEnd;
    }
    return out;
}

bool isPictureFileStart(const QByteArray &start)
{
    return start.startsWith(QByteArray(kPictureFileHeader) + kLineEnd);
}

bool readPictureFile(const QByteArray &bytes, int kaderCount, Afbeeldingen &into, QString *error)
{
    auto failed = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (bytes.size() > kMaxPictureFileBytes)
        return failed(PictureFileTexts::tr("afbeeldingenbestand is te groot"));
    if (!isPictureFileStart(bytes))
        return failed(PictureFileTexts::tr("afbeeldingenbestand is geen afbeeldingenbestand"));
    std::array<QByteArray, kMaxKaders> read{};
    qsizetype at = qsizetype(sizeof kPictureFileHeader - 1 + kLineEnd.size());
    int last = 0;
    while (at < bytes.size()) {
        const qsizetype end = bytes.indexOf(kLineEnd, at);
        if (end < 0 || end - at > 32)
            return failed(PictureFileTexts::tr("afbeeldingenbestand is beschadigd"));
        const QList<QByteArray> fields = bytes.mid(at, end - at).split(' ');
        const qint64 k = fields.size() == 2 ? plainNumber(fields[0]) : -1;
        const qint64 n = fields.size() == 2 ? plainNumber(fields[1]) : -1;
        if (k <= last || k > kaderCount || k > kMaxKaders || n <= 0 || n > kMaxStoredPictureBytes)
            return failed(PictureFileTexts::tr("afbeeldingenbestand is beschadigd"));
        at = end + kLineEnd.size();
        if (bytes.size() - at < n + kLineEnd.size() || bytes.mid(at + n, kLineEnd.size()) != kLineEnd)
            return failed(PictureFileTexts::tr("afbeeldingenbestand is afgebroken"));
        read.at(k - 1) = bytes.mid(at, n);
        at += n + kLineEnd.size();
        last = int(k);
    }
    if (last == 0)
        return failed(PictureFileTexts::tr("afbeeldingenbestand is leeg"));
    into.Bestanden = read;
    return true;
}

} // namespace plenvik
