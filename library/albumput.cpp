#include "library/albumput.h"

#include "library/albumfile.h"
#include "library/bmpwriter.h"
#include "library/designfile.h"
#include "library/designtail.h"
#include "library/pagesave.h"
#include "library/picturefile.h"
#include "library/plainfile.h"
#include "library/safewrite.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace plenvik {

namespace {
struct AlbumPutText {
    Q_DECLARE_TR_FUNCTIONS(AlbumPutText)
};

std::optional<QByteArray> plainBytes(const QString &path)
{
    QFile f;
    if (!openPlainFile(f, path))
        return std::nullopt;
    return f.readAll();
}

// The parts written so far; those not put in place go with it.
struct Parts {
    QList<std::pair<QString, QString>> placed; // file, part file path
    ~Parts()
    {
        if (!kept)
            for (const auto &p : placed)
                QFile::remove(p.second);
    }
    bool add(const QDir &dir, const QString &file, const QByteArray &bytes)
    {
        BesideFile part(dir.filePath(file));
        if (!part.open() || part.device().write(bytes) != bytes.size() || !part.finish())
            return false;
        placed.append({file, part.release()});
        return true;
    }
    bool kept = false;
};
} // namespace

PaginaStaat paginaStaat(const QString &folder, const QString &name, const QString &album)
{
    const PagePair pair = findPage(folder, name);
    if (pair.files.isEmpty())
        return PaginaStaat::Ontbreekt;
    const std::optional<PageDesign> d = pair.design.isEmpty() ? std::nullopt : readPageDesign(folder, name);
    if (!d || d->album.naam != album)
        return PaginaStaat::Eigen;
    // The fingerprint is of the file as put, without its album line, which
    // is its last.
    const std::optional<QByteArray> design = plainBytes(QDir(folder).filePath(pair.design));
    const qsizetype last = design ? design->lastIndexOf("\r\n\"" + QByteArray(kDesignAlbumTag) + "\",") : -1;
    if (last < 0)
        return PaginaStaat::Veranderd;
    const std::optional<QByteArray> pictures = pair.pictures.isEmpty() ? QByteArray() : plainBytes(QDir(folder).filePath(pair.pictures));
    if (!pictures)
        return PaginaStaat::Veranderd;
    return albumVingerafdruk(design->left(last + 2), *pictures) == d->album.vingerafdruk ? PaginaStaat::AlsIngedeeld
                                                                                       : PaginaStaat::Veranderd;
}

ZetUitkomst putAlbumFiles(const QString &folder, const AlbumZetten &z, const std::function<bool(int)> &goOn,
                          const SaveSteps &steps, QString *error)
{
    const QDir dir(folder);
    const QString album = z.album.velden.naam;
    if (!isPlainPageName(album) || !dir.exists())
        return ZetUitkomst::Mislukt;
    Parts parts;
    QStringList removed;
    // The copies first, from the pages as they stand before anything changes.
    for (const auto &[from, to] : z.kopieen) {
        const PagePair pair = findPage(folder, from);
        if (pair.ambiguous || pair.unfinished || !isPlainPageName(to) || !findPage(folder, to).files.isEmpty())
            return ZetUitkomst::Mislukt;
        for (const QString &file : {pair.picture, pair.design, pair.pictures}) {
            if (file.isEmpty())
                continue;
            const std::optional<QByteArray> bytes = plainBytes(dir.filePath(file));
            if (!bytes || !parts.add(dir, to + file.right(4).toLower(), *bytes))
                return ZetUitkomst::Mislukt;
        }
    }
    for (int i = 0; i < z.album.paginas.size(); ++i) {
        if (!goOn(i))
            return ZetUitkomst::Gestopt;
        const QString &name = z.album.paginas.at(i);
        const PagePair old = findPage(folder, name);
        if (old.ambiguous || old.unfinished || !isPlainPageName(name))
            return ZetUitkomst::Mislukt;
        auto [picture, design] = z.pagina(i);
        const bool withPictures = design.pictures.any(design.KaderCount);
        const QByteArray pictures = withPictures ? pictureFileBytes(design.pictures, design.KaderCount) : QByteArray();
        design.album = AlbumHerkomst{};
        const QByteArray bare = designFileBytes(design);
        design.album = AlbumHerkomst{album, albumVingerafdruk(bare, pictures)};
        const QString afb = name + QLatin1String(".afb");
        // A file of that name that is not the page's is never replaced.
        if (withPictures && QFileInfo::exists(dir.filePath(afb)) && !old.files.contains(afb)) {
            if (error)
                *error = AlbumPutText::tr("%1 staat al in de bibliotheek en is geen afbeeldingenbestand van Plenvik; "
                                          "geef het buiten Plenvik een andere naam.").arg(afb);
            return ZetUitkomst::Mislukt;
        }
        QByteArray bmp;
        {
            QBuffer buffer(&bmp);
            buffer.open(QIODevice::WriteOnly);
            if (!writeBmp24(buffer, picture))
                return ZetUitkomst::Mislukt;
        }
        if (!parts.add(dir, name + QLatin1String(".bmp"), bmp) || !parts.add(dir, name + QLatin1String(".sup"), designFileBytes(design))
            || (withPictures && !parts.add(dir, afb, pictures)))
            return ZetUitkomst::Mislukt;
        // Files of the page under another letter case, and its old stamps'
        // pictures when it has none now, go.
        for (const QString &file : {old.picture, old.design, old.pictures})
            if (!file.isEmpty() && file != name + QLatin1String(".bmp") && file != name + QLatin1String(".sup") && !(withPictures && file == afb))
                removed << file;
    }
    for (const QString &name : z.weg) {
        const PagePair pair = findPage(folder, name);
        if (pair.ambiguous || pair.unfinished)
            return ZetUitkomst::Mislukt;
        for (const QString &file : {pair.picture, pair.design, pair.pictures})
            if (!file.isEmpty())
                removed << file;
    }
    if (!parts.add(dir, album + QLatin1String(kAlbumExt), albumFileBytes(z.album)))
        return ZetUitkomst::Mislukt;
    if (steps.reached)
        steps.reached(SaveStep::PartsWritten);
    QList<std::pair<QString, QString>> placed;
    for (const auto &[file, path] : parts.placed)
        placed.append({file, QFileInfo(path).fileName()});
    parts.kept = true; // the record, or its failure, takes them now
    return placeUnderAlbumRecord(folder, album, placed, removed, steps) ? ZetUitkomst::Gezet : ZetUitkomst::Mislukt;
}

} // namespace plenvik
