#pragma once
// The stamps' pictures in a PDF file. Qt 6.4's PDF engine stores every
// picture it is given as a colour JPEG at quality 94, at the size it is
// given, so a grey picture went in as colour and a 600 dpi picture as such.
// The program draws a placeholder of one pixel where each picture goes, and
// when Qt has written the file, puts its own JPEG in each placeholder's
// place: grey pictures in one grey channel, at a resolution that serves
// paper. The pictures wait in a spool on disk, so an album of any length
// holds none of them in memory.

#include <QByteArray>
#include <QSize>
#include <QTemporaryFile>

#include <memory>
#include <vector>

class QIODevice;

namespace plenvik {

// Dots per inch of a picture in a PDF file at its printed size: what a
// printer needs of a faint picture behind a stamp.
inline constexpr int kPdfPictureDpi = 300;

class PdfPictureSpool {
public:
    // Keeps a JPEG for the next placeholder drawn; its size and whether it
    // is grey are read from its own header, so the file says what the
    // picture is. False when it is no JPEG or the spool cannot be written.
    bool add(const QByteArray &jpeg);
    int count() const { return int(m_pictures.size()); }

    struct Picture {
        qint64 offset;
        qint64 length;
        QSize size;
        bool grey;
    };
    const Picture &at(int i) const { return m_pictures.at(size_t(i)); }
    QByteArray bytes(const Picture &p);

private:
    std::unique_ptr<QTemporaryFile> m_file;
    std::vector<Picture> m_pictures;
};

// The placeholder a picture is drawn as; each is an image of its own, so
// Qt writes one object for each.
QImage pdfPlaceholder();

// Copies the PDF file Qt wrote from 'qt' to 'out' with the spool's pictures,
// in order, in the places of the placeholders. False when the file is not
// as Qt writes it, or its placeholders and the spool's pictures differ in
// number.
bool putPicturesInPdf(QIODevice &qt, QIODevice &out, PdfPictureSpool &spool);

} // namespace plenvik
