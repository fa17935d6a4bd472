// The albums kept in the library, and which was put last.

#include "library/albumfile.h"

#include "library/linefile.h"
#include "library/pagefiles.h"
#include "library/pagesave.h"
#include "library/plainfile.h"
#include "library/safewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace plenvik {

namespace {
struct AlbumFileText {
    Q_DECLARE_TR_FUNCTIONS(AlbumFileText)
};
} // namespace

std::optional<BewaardAlbum> readAlbum(const QString &folder, const QString &naam, QString *error)
{
    if (!isPlainPageName(naam))
        return std::nullopt;
    // A put of the album cut off is finished first, so the album is read
    // with the pages it put.
    if (QFileInfo(QDir(folder).filePath(albumRecordName(naam))).isFile())
        finishPageRecord(folder, albumRecordName(naam));
    QFile f;
    if (!openPlainFile(f, QDir(folder).filePath(naam + QLatin1String(kAlbumExt))))
        return std::nullopt;
    const std::optional<BewaardAlbum> a = parseAlbumFile(f.read(kAlbumMaxBytes + 1), error);
    // The file names its album; one renamed outside the program is not it.
    if (a && a->velden.naam != naam) {
        if (error)
            *error = AlbumFileText::tr("regel 2: het album heet %1").arg(a->velden.naam);
        return std::nullopt;
    }
    return a;
}

QStringList listAlbums(const QString &folder)
{
    QStringList out;
    finishAllPageSaves(folder);
    const QString ext = QLatin1String(kAlbumExt);
    for (const QString &e : QDir(folder).entryList({QLatin1Char('*') + ext}, QDir::Files)) {
        const QString naam = e.chopped(ext.size());
        if (e.endsWith(ext) && isPlainPageName(naam))
            out << naam;
    }
    std::sort(out.begin(), out.end(), [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return out;
}

QString readLastAlbum(const QString &path)
{
    QFile f;
    if (!openPlainFile(f, path, Links::Follow))
        return {};
    const QString naam = QString::fromUtf8(fileLines(f.read(4096)).value(0));
    return isPlainPageName(naam) ? naam : QString();
}

bool writeLastAlbum(const QString &path, const QString &naam)
{
    return writeFileWhole(path, naam.toUtf8() + "\r\n");
}

} // namespace plenvik
