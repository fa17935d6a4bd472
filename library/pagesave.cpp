#include "library/pagesave.h"

#include "library/bmpwriter.h"
#include "library/designfile.h"
#include "library/linefile.h"
#include "library/pagefiles.h"
#include "library/picturefile.h"
#include "library/safewrite.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include "library/plainfile.h"
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace plenvik {

namespace {
const QLatin1String kRecordMark(".plenvik-paar");
const QByteArray kRecordHeader("Plenvik paar 1");
// An album's pages and its file put as one.
const QLatin1String kAlbumRecordMark(".plenvik-albumpaar");
const QByteArray kAlbumRecordHeader("Plenvik albumpaar 1");
const QLatin1String kAlbumFileExt(".album");
constexpr qint64 kMaxRecordBytes = 64 * 1024;
constexpr qint64 kMaxAlbumRecordBytes = 16 * 1024 * 1024;

struct Record {
    QList<std::pair<QString, QString>> placed; // file, its part file
    QStringList removed;
};

QByteArray recordBytes(const Record &r, const QByteArray &header = kRecordHeader)
{
    QByteArray out = header + "\r\n";
    for (const auto &[file, part] : r.placed)
        out += file.toUtf8() + '\t' + part.toUtf8() + "\r\n";
    for (const QString &file : r.removed)
        out += "-\t" + file.toUtf8() + "\r\n";
    return out;
}

// The folder a file's part file stands in: beside the file a link names.
QString partFolder(const QDir &dir, const QString &file)
{
    return QFileInfo(writtenPath(dir.filePath(file))).absolutePath();
}

// True when there is an entry of that name, whatever it is; a link counts
// as itself, not as what it points at.
bool entryExists(const QString &path)
{
    return QFileInfo(path).exists() || QFileInfo(path).isSymLink();
}

bool isPageFileName(const QString &file)
{
    return file.size() > 4 && QStringList{".bmp", ".sup", ".afb"}.contains(file.right(4).toLower());
}

// Reads the record of page 'name', or of album 'name' with its pages, and
// checks that it names only the pages' own files, the album's file, and
// their part files.
std::optional<Record> readRecord(const QDir &dir, const QString &recordFile, const QString &name, bool album)
{
    QFile f;
    if (!openPlainFile(f, dir.filePath(recordFile)) || f.size() > (album ? kMaxAlbumRecordBytes : kMaxRecordBytes))
        return std::nullopt;
    // Put in place whole, so never cut short: its lines are all there.
    QList<QByteArray> lines = fileLines(f.readAll());
    if (lines.isEmpty() || lines.takeFirst() != (album ? kAlbumRecordHeader : kRecordHeader))
        return std::nullopt;
    lines.removeAll(QByteArray()); // after the last line end
    QList<std::pair<QString, QString>> entries;
    QStringList names;
    if (!album)
        names << name;
    for (const QByteArray &line : std::as_const(lines)) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 2)
            return std::nullopt;
        entries.append({QString::fromUtf8(fields[0]), QString::fromUtf8(fields[1])});
        // An album's record names the pages it puts and removes.
        const QString file = fields[0] == "-" ? entries.constLast().second : entries.constLast().first;
        if (album && isPageFileName(file) && !names.contains(file.chopped(4), Qt::CaseInsensitive))
            names << file.chopped(4);
    }
    QStringList pageFiles;
    for (const QString &n : std::as_const(names))
        pageFiles << pageFilesAnyCase(dir.path(), n);
    Record r;
    for (const auto &[first, second] : std::as_const(entries)) {
        if (first == QLatin1String("-")) {
            // A file the record removes is a page's, or was: one removed
            // already before the record was cut off is gone.
            const bool gone = !entryExists(dir.filePath(second)) && isPageFileName(second)
                              && names.contains(second.chopped(4), Qt::CaseInsensitive);
            if (!pageFiles.contains(second) && !gone)
                return std::nullopt;
            r.removed << second;
            continue;
        }
        const bool pageFile = isPageFileName(first) && names.contains(first.chopped(4)) && first.right(4) == first.right(4).toLower();
        if (!pageFile && !(album && first == name + kAlbumFileExt))
            return std::nullopt;
        if (!isPartFileOf(second, QFileInfo(writtenPath(dir.filePath(first))).fileName()))
            return std::nullopt;
        r.placed.append({first, second});
    }
    return r;
}

// Carries out one record. Each step can be taken again, so a finish that is
// itself cut off is finished by the next one.
bool finishRecord(const QDir &dir, const QString &recordFile, const QString &name, bool album = false)
{
    const auto record = readRecord(dir, recordFile, name, album);
    if (record) {
        // A part file that is not a plain file of the user's own was not
        // written by a save: the record is not acted on at all.
        for (const auto &[file, part] : record->placed) {
            const QString partPath = QDir(partFolder(dir, file)).filePath(part);
            if (entryExists(partPath) && !isOwnPlainFile(partPath))
                return false;
        }
        for (const auto &[file, part] : record->placed) {
            const QString partPath = QDir(partFolder(dir, file)).filePath(part);
            // A part file that is gone was put in place already.
            if (entryExists(partPath) && !placePart(partPath, dir.filePath(file)))
                return false;
        }
        for (const QString &file : record->removed) {
            const bool kept = std::any_of(record->placed.cbegin(), record->placed.cend(), [&](const auto &p) {
                return p.first == file || isSameFile(dir.filePath(p.first), dir.filePath(file));
            });
            if (!kept && entryExists(dir.filePath(file)) && !QFile::remove(dir.filePath(file)))
                return false;
        }
        // What the record did lasts before the record goes.
        QStringList folders{dir.path()};
        for (const auto &placed : record->placed)
            folders << partFolder(dir, placed.first);
        folders.removeDuplicates();
        for (const QString &f : std::as_const(folders))
            syncFolder(f);
    }
    // A record that names anything but the page's own files was not written
    // by a save (it is put in place whole); it is ours by its name, and of no
    // use.
    return QFile::remove(dir.filePath(recordFile)) || !QFileInfo::exists(dir.filePath(recordFile));
}

// The name ".<name><mark>" stands for; empty when the entry is not so named.
QString recordedName(const QString &entry, QLatin1String mark)
{
    if (entry.size() <= 1 + mark.size() || !entry.startsWith(QLatin1Char('.')) || !entry.endsWith(mark))
        return {};
    return entry.mid(1, entry.size() - 1 - mark.size());
}
} // namespace

QString pageRecordName(const QString &name)
{
    return QLatin1Char('.') + name + kRecordMark;
}

QString recordedPage(const QString &entry)
{
    return recordedName(entry, kRecordMark);
}

QString albumRecordName(const QString &album)
{
    return QLatin1Char('.') + album + kAlbumRecordMark;
}

QString recordedAlbum(const QString &entry)
{
    return recordedName(entry, kAlbumRecordMark);
}

bool finishPageRecord(const QString &folder, const QString &recordFile)
{
    const QDir dir(folder);
    const QString album = recordedAlbum(recordFile);
    const QString page = album.isEmpty() ? recordedPage(recordFile) : album;
    // Only a plain file can be a record the program put in place; anything
    // else of that name is not the program's and is left alone.
    const QFileInfo info(dir.filePath(recordFile));
    if (page.isEmpty() || !info.isFile() || info.isSymLink())
        return true;
    return finishRecord(dir, recordFile, page, !album.isEmpty());
}

void finishAllPageSaves(const QString &folder)
{
    const QDir dir(folder);
    for (const QString &e : dir.entryList({QLatin1String(".*") + kAlbumRecordMark, QLatin1String(".*") + kRecordMark},
                                          QDir::Files | QDir::Hidden | QDir::System))
        finishPageRecord(folder, e);
}

bool savePageFiles(const QString &folder, const QString &name, const QImage &picture, const PageDesign &design,
                   const SaveSteps &steps, QString *error)
{
    if (!isPlainPageName(name) || !QFileInfo(folder).isDir())
        return false;
    const QDir dir(folder);
    auto reached = [&](SaveStep step) {
        if (steps.reached)
            steps.reached(step);
    };

    // Files of the same page under another letter case go once the new ones
    // stand; where the files of the name cannot be paired for certain, none
    // is removed.
    const PagePair old = findPage(folder, name);
    if (old.unfinished)
        return false;
    Record record;
    const QString pictureName = name + QLatin1String(".bmp"), designName = name + QLatin1String(".sup");
    const QString picturesName = name + QLatin1String(".afb");
    const bool withPictures = design.pictures.any(design.KaderCount);
    for (const QString &file : {old.picture, old.design}) {
        if (!file.isEmpty() && file != pictureName && file != designName)
            record.removed << file;
    }
    // The stamps' pictures of the old page go unless the new ones take
    // their place under the same name.
    if (!old.pictures.isEmpty() && !(withPictures && old.pictures == picturesName))
        record.removed << old.pictures;
    // A file of that name that is not the page's is never replaced.
    const QString picturesPath = dir.filePath(picturesName);
    if (withPictures && entryExists(picturesPath)
        && std::none_of(old.files.cbegin(), old.files.cend(), [&](const QString &f) { return isSameFile(dir.filePath(f), picturesPath); })) {
        if (error)
            *error = QCoreApplication::translate("PageFiles", "%1 staat al in de bibliotheek en is geen afbeeldingenbestand van "
                                                              "Plenvik; geef het buiten Plenvik een andere naam.")
                         .arg(picturesName);
        return false;
    }

    BesideFile pictureFile(dir.filePath(pictureName));
    BesideFile designFile(dir.filePath(designName));
    if (!pictureFile.open() || !writeBmp24(pictureFile.device(), picture) || !pictureFile.finish()
        || !designFile.open() || !writeDesignFile(designFile.device(), design) || !designFile.finish())
        return false;
    BesideFile picturesFile(picturesPath);
    if (withPictures) {
        const QByteArray bytes = pictureFileBytes(design.pictures, design.KaderCount);
        if (!picturesFile.open() || picturesFile.device().write(bytes) != bytes.size() || !picturesFile.finish())
            return false;
    } else {
        // What a cut-off save with pictures left goes with the next save,
        // as the other files' parts do when they are written again.
        removeLeftParts(picturesPath);
    }
    reached(SaveStep::PartsWritten);
    record.placed = {{pictureName, QFileInfo(pictureFile.partPath()).fileName()},
                     {designName, QFileInfo(designFile.partPath()).fileName()}};
    if (withPictures)
        record.placed.append({picturesName, QFileInfo(picturesFile.partPath()).fileName()});
    const QString recordPath = dir.filePath(pageRecordName(name));
    if (!writeFileWhole(recordPath, recordBytes(record)))
        return false;
    reached(SaveStep::RecordWritten);

    // From here the record stands for the save. Until the first file is in
    // place nothing has changed, and a failure takes the save back whole.
    const QString picturePart = pictureFile.release(), designPart = designFile.release();
    const QString picturesPart = withPictures ? picturesFile.release() : QString();
    if (!placePart(picturePart, dir.filePath(pictureName))) {
        if (QFile::remove(recordPath)) {
            QFile::remove(picturePart);
            QFile::remove(designPart);
            if (withPictures)
                QFile::remove(picturesPart);
        }
        return false;
    }
    reached(SaveStep::PicturePlaced);
    // Past this point a failure leaves the record, and the next look at the
    // page finishes the save.
    if (!placePart(designPart, dir.filePath(designName)))
        return false;
    reached(SaveStep::DesignPlaced);
    if (withPictures) {
        if (!placePart(picturesPart, picturesPath))
            return false;
        reached(SaveStep::PicturesPlaced);
    }
    return finishRecord(dir, pageRecordName(name), name);
}

bool placeUnderAlbumRecord(const QString &folder, const QString &album, const QList<std::pair<QString, QString>> &placed,
                           const QStringList &removed, const SaveSteps &steps)
{
    const QDir dir(folder);
    Record record{placed, removed};
    const QString recordName = albumRecordName(album);
    const QString recordPath = dir.filePath(recordName);
    auto dropParts = [&] {
        for (const auto &[file, part] : placed)
            QFile::remove(QDir(partFolder(dir, file)).filePath(part));
    };
    if (!writeFileWhole(recordPath, recordBytes(record, kAlbumRecordHeader))) {
        dropParts();
        return false;
    }
    if (steps.reached)
        steps.reached(SaveStep::RecordWritten);
    // From here the record stands for the put: what is not finished now is
    // finished by the next look at the library.
    for (qsizetype i = 0; i < placed.size(); ++i) {
        const auto &[file, part] = placed.at(i);
        if (!placePart(QDir(partFolder(dir, file)).filePath(part), dir.filePath(file)))
            return false;
        if (i == 0 && steps.reached)
            steps.reached(SaveStep::PicturePlaced);
    }
    return finishRecord(dir, recordName, album, true);
}

DeleteResult deletePageFiles(const QString &folder, const QString &name, const SaveSteps &steps)
{
    const QDir dir(folder);
    const PagePair pair = findPage(folder, name);
    if (pair.ambiguous || pair.unfinished)
        return DeleteResult::Ambiguous;
    Record record;
    for (const QString &file : {pair.picture, pair.design, pair.pictures})
        if (!file.isEmpty())
            record.removed << file;
    if (record.removed.isEmpty())
        return DeleteResult::Deleted;
    const QString recordPath = dir.filePath(pageRecordName(name));
    if (!writeFileWhole(recordPath, recordBytes(record)))
        return DeleteResult::PictureKept;
    auto reached = [&](SaveStep step) {
        if (steps.reached)
            steps.reached(step);
    };
    reached(SaveStep::DeleteRecorded);
    // A picture that is already gone leaves nothing to keep listed; one that
    // cannot be removed keeps the whole page, and the record goes.
    if (!pair.picture.isEmpty() && !QFile::remove(dir.filePath(pair.picture))) {
        QFile::remove(recordPath);
        return DeleteResult::PictureKept;
    }
    reached(SaveStep::PictureRemoved);
    // Past this point the record stays on a failure, and the next look at
    // the page finishes the delete.
    if (!pair.design.isEmpty() && !QFile::remove(dir.filePath(pair.design)))
        return DeleteResult::DesignKept;
    reached(SaveStep::DesignRemoved);
    if (!pair.pictures.isEmpty() && !QFile::remove(dir.filePath(pair.pictures)))
        return DeleteResult::PicturesKept;
    syncFolder(folder);
    QFile::remove(recordPath);
    return DeleteResult::Deleted;
}

void sweepLeftParts(const QString &folder)
{
    // A save writes its parts within moments; one cut off an hour ago is over.
    constexpr qint64 kOverAfterSecs = 60 * 60;
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    // The parts that records still waiting to be finished name.
    QStringList named;
    for (const QString &e : entries) {
        if (recordedPage(e).isEmpty() && recordedAlbum(e).isEmpty())
            continue;
        QFile f;
        if (openPlainFile(f, dir.filePath(e)) && f.size() <= kMaxAlbumRecordBytes)
            for (const QByteArray &line : fileLines(f.readAll()))
                named << QString::fromUtf8(line.mid(line.indexOf('\t') + 1));
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QString &e : entries) {
        // ".<page>.bmp.plenvik-XXXXXX", and so for the design and pictures.
        const qsizetype mark = e.lastIndexOf(QLatin1String(".plenvik-"));
        if (mark < 5 || named.contains(e))
            continue;
        const QString target = e.mid(1, mark - 1);
        if (!isPageFileName(target) && !target.endsWith(kAlbumFileExt))
            continue;
        const QString path = dir.filePath(e);
        if (!isPartFileOf(e, target) || !isOwnPlainFile(path)
            || QFileInfo(path).lastModified().toUTC().secsTo(now) < kOverAfterSecs)
            continue;
        QFile::remove(path);
    }
}

} // namespace plenvik
