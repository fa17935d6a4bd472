#pragma once
// The design file (".sup"): the page as text records, one byte per
// character in Windows-1252, CR LF after every line, quoted texts, bare
// numbers and "#TRUE#"/"#FALSE#". Pages move between machines unchanged.

#include "design/pagedesign.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace plenvik {

inline constexpr char kDesignHeader[] = "Varnholt Software 2009";
inline constexpr char kDesignSeparator[] = "--------------------------";
// Far above any real page; keeps a stray huge file from filling memory.
inline constexpr qint64 kMaxDesignFileBytes = 4 * 1024 * 1024;

QByteArray designFileBytes(const PageDesign &design);
bool writeDesignFile(QIODevice &device, const PageDesign &design);

class DesignFileReader {
public:
    // Reads a design into 'into'. Records above the file's frame count keep
    // what they held. On failure 'into' is untouched and errorString() says
    // what was wrong and on which line.
    bool read(QIODevice &device, PageDesign &into);
    bool read(const QByteArray &bytes, PageDesign &into);
    QString errorString() const { return m_error; }

private:
    QString m_error;
};

} // namespace plenvik
