#pragma once
// The design file (".sup"): the page as text records, one byte per
// character in Windows-1252, CR LF after every line, quoted texts, bare
// numbers and "#TRUE#"/"#FALSE#". Pages move between machines unchanged.
//
// A page for a sheet other than A4 has one line more at the end, its size
// in millimetres: "Papier",215.9,279.4. An A4 page has no such line, so its
// file is what it always was, and a file without it is an A4 page.
//
// A page with pictures of its stamps ends with one line more, how they are
// shown: "Afbeeldingen",1,35 (greyscale 1 or 0, strength in per cent). The
// pictures are in the page's picture file (picturefile.h).
//
// A page with lines of text ends with a line for each, after those:
// "Tekst",25,"Midden",12,1,"1852. Koning Willem III" (top and left in
// millimetres, or "Midden" for centred; points; bold 1 or 0; the text, as
// U"..." in percent-encoded UTF-8 where Windows-1252 cannot hold it).

#include "design/pagedesign.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace plenvik {

inline constexpr char kDesignHeader[] = "Varnholt Software 2009";
inline constexpr char kDesignSeparator[] = "--------------------------";
inline constexpr char kDesignSheetTag[] = "Papier";
inline constexpr char kDesignPicturesTag[] = "Afbeeldingen";
inline constexpr char kDesignTextTag[] = "Tekst";
inline constexpr char kDesignFrameTag[] = "Kader";
// Far above any real page; keeps a stray huge file from filling memory.
inline constexpr qint64 kMaxDesignFileBytes = 4 * 1024 * 1024;

QByteArray designFileBytes(const PageDesign &design);

// True when the two pages would be saved as the same files: the same design
// file and the same pictures. Records above the frame count, which no
// file holds, do not count.
bool sameSavedPage(const PageDesign &a, const PageDesign &b);
bool writeDesignFile(QIODevice &device, const PageDesign &design);

class DesignFileReader {
public:
    // Reads a design into 'into'. Records above the file's frame count keep
    // what they held. On failure 'into' is untouched and errorString() says
    // what was wrong and on which line.
    bool read(QIODevice &device, PageDesign &into);
    bool read(const QByteArray &bytes, PageDesign &into);
    QString errorString() const { return m_error; }
    // After a read: the file says the page has pictures in their own file.
    bool picturesExpected() const { return m_picturesExpected; }

private:
    QString m_error;
    bool m_picturesExpected = false;
};

} // namespace plenvik
