#include "library/pagefiles.h"

#include "library/bmpwriter.h"
#include "library/designfile.h"
#include "library/safewrite.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace plenvik {

namespace {
const QString kPictureExt = QStringLiteral(".bmp");
const QString kDesignExt = QStringLiteral(".sup");

struct PageFile {
    QString file;
    QString stem;
    bool picture;
};

// The picture and design files whose name, without its extension, matches
// 'name' when letter case is ignored. The extension's case never matters.
QList<PageFile> filesIgnoringCase(const QString &folder, const QString &name)
{
    QList<PageFile> out;
    if (name.isEmpty())
        return out;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &e : entries) {
        if (e.size() != name.size() + 4)
            continue;
        const QString ext = e.right(4);
        const bool picture = ext.compare(kPictureExt, Qt::CaseInsensitive) == 0;
        if (!picture && ext.compare(kDesignExt, Qt::CaseInsensitive) != 0)
            continue;
        const QString stem = e.left(name.size());
        if (stem.compare(name, Qt::CaseInsensitive) == 0)
            out.append({e, stem, picture});
    }
    return out;
}

// The file of one kind under exactly this stem; ".bmp"/".sup" in lower case
// before other spellings of the extension.
QString fileOf(const QList<PageFile> &files, const QString &stem, bool picture)
{
    QString found;
    for (const PageFile &f : files) {
        if (f.picture != picture || f.stem != stem)
            continue;
        if (f.file.endsWith(picture ? kPictureExt : kDesignExt))
            return f.file;
        if (found.isEmpty())
            found = f.file;
    }
    return found;
}

// A save cut off between naming its temporary file and putting it in place
// leaves "name.bmp.XyZ123" behind (never a page file, which stays whole).
// One program saves a page at a time, so the next save of that page clears
// what an earlier, killed one left.
void removeLeftTemporaries(const QDir &dir, const QString &name)
{
    static const QRegularExpression tail(QStringLiteral("^\\.(bmp|sup)\\.[A-Za-z0-9]{6}$"));
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &e : entries) {
        if (e.startsWith(name) && tail.match(QStringView(e).mid(name.size())).hasMatch())
            QFile::remove(dir.filePath(e));
    }
}

bool readDesignOf(const QDir &dir, const PagePair &pair, PageDesign &design, QString *error)
{
    auto failed = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (pair.design.isEmpty())
        return failed(QStringLiteral("ontwerpbestand ontbreekt"));
    QFile file(dir.filePath(pair.design));
    if (!file.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("ontwerpbestand onleesbaar"));
    DesignFileReader reader;
    if (!reader.read(file, design))
        return failed(reader.errorString());
    return true;
}

void removeUnlessSame(const QDir &dir, const QString &oldName, const QString &newName)
{
    if (oldName.isEmpty() || oldName == newName)
        return;
    // On a file system that ignores case the old spelling is the new file.
    if (isSameFile(dir.filePath(oldName), dir.filePath(newName)))
        return;
    QFile::remove(dir.filePath(oldName));
}
} // namespace

PagePair findPage(const QString &folder, const QString &name)
{
    const QList<PageFile> files = filesIgnoringCase(folder, name);
    PagePair pair;
    if (files.isEmpty())
        return pair;
    QString stem;
    QStringList stems;
    int pictures = 0;
    for (const PageFile &f : files) {
        if (f.stem == name)
            stem = name;
        if (!stems.contains(f.stem))
            stems << f.stem;
        pictures += f.picture ? 1 : 0;
    }
    if (stem.isEmpty()) {
        pair.ambiguous = stems.size() > 1;
        // Several spellings and none exact: the first that has a picture, so
        // the overwrite question still sees that the name is taken.
        stem = stems.constFirst();
        for (const PageFile &f : files) {
            if (f.picture) {
                stem = f.stem;
                break;
            }
        }
    }
    pair.picture = fileOf(files, stem, true);
    pair.design = fileOf(files, stem, false);
    // One picture and one design file under two spellings are still one page.
    if ((pair.picture.isEmpty() || pair.design.isEmpty()) && files.size() == 2 && pictures == 1) {
        for (const PageFile &f : files)
            (f.picture ? pair.picture : pair.design) = f.file;
        pair.ambiguous = false;
    }
    return pair;
}

bool isSameFile(const QString &a, const QString &b)
{
#ifdef Q_OS_UNIX
    struct stat sa, sb;
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 || ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
#else
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
#endif
}

bool isPlainPageName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
        if (QStringLiteral("/\\<>:\"|?*").contains(c))
            return false;
    }
    return true;
}

std::optional<QStringList> listPages(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable())
        return std::nullopt;
    QDir dir(folder);
    QStringList names;
    for (const QString &e : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (e.size() > 4 && e.right(4).compare(kPictureExt, Qt::CaseInsensitive) == 0)
            names << e.left(e.size() - 4);
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

bool savePageFiles(const QString &folder, const QString &name, const QImage &picture, const PageDesign &design,
                   const SaveSteps &steps)
{
    if (!isPlainPageName(name) || !QFileInfo(folder).isDir())
        return false;
    const QDir dir(folder);
    removeLeftTemporaries(dir, name);

    // Files of the same page under another letter case go once the new ones
    // stand; with several other spellings and none exact, which page was
    // meant is unclear, so none is removed.
    const PagePair old = findPage(folder, name);
    const QString oldPicture = old.ambiguous ? QString() : old.picture;
    const QString oldDesign = old.ambiguous ? QString() : old.design;

    QSaveFile pictureFile(dir.filePath(name + kPictureExt));
    QSaveFile designFile(dir.filePath(name + kDesignExt));
    // Both files are written in full before either replaces the old one.
    if (!pictureFile.open(QIODevice::WriteOnly))
        return false;
    if (!writeBmp24(pictureFile, picture)) {
        pictureFile.cancelWriting();
        return false;
    }
    if (!designFile.open(QIODevice::WriteOnly) || !writeDesignFile(designFile, design)) {
        pictureFile.cancelWriting();
        designFile.cancelWriting();
        return false;
    }
    // The design file is flushed now too, so a full disk shows before the
    // picture replaces the old one.
    if (!designFile.flush() || designFile.error() != QFileDevice::NoError || !commitWhole(pictureFile)) {
        pictureFile.cancelWriting();
        designFile.cancelWriting();
        return false;
    }
    removeUnlessSame(dir, oldPicture, name + kPictureExt);
    if (steps.afterPicture && !steps.afterPicture()) {
        designFile.cancelWriting();
        return false;
    }
    if (!commitWhole(designFile))
        return false;
    removeUnlessSame(dir, oldDesign, name + kDesignExt);
    return true;
}

std::optional<LoadedPage> readPageFiles(const QString &folder, const QString &name, const PageDesign &base,
                                        QString *error)
{
    auto failed = [&](const QString &why) -> std::optional<LoadedPage> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    const QDir dir(folder);
    // The pair is found among the folder's own entries, so no name can
    // reach outside it.
    const PagePair pair = findPage(folder, name);
    const QString &pictureName = pair.picture;
    if (pictureName.isEmpty())
        return failed(QStringLiteral("plaatje ontbreekt"));
    QImageReader reader(dir.filePath(pictureName), "bmp");
    reader.setDecideFormatFromContent(false);
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (size != QSize(kCanvasWidth, kCanvasHeight))
        return failed(QStringLiteral("plaatje is geen BMP van %1 x %2").arg(kCanvasWidth).arg(kCanvasHeight));
    LoadedPage page;
    page.picture = reader.read();
    if (page.picture.isNull() || page.picture.size() != size)
        return failed(QStringLiteral("plaatje onleesbaar: %1").arg(reader.errorString()));
    page.picture = page.picture.convertToFormat(QImage::Format_RGB32);

    page.design = base;
    QString why;
    if (!readDesignOf(dir, pair, page.design, &why))
        return failed(why);
    return page;
}

std::optional<PageDesign> readPageDesign(const QString &folder, const QString &name, QString *error)
{
    PageDesign design;
    if (!readDesignOf(QDir(folder), findPage(folder, name), design, error))
        return std::nullopt;
    return design;
}

CutListRequest libraryCutList(const QString &folder)
{
    CutListRequest r;
    int read = 0;
    for (const QString &name : listPages(folder).value_or(QStringList{})) {
        const auto design = readPageDesign(folder, name);
        if (!design) {
            r.unread << name;
            continue;
        }
        ++read;
        for (int k = 1; k <= design->KaderCount; ++k) {
            const Kader &f = design->kader(k);
            r.pieces << StripPiece{f.WidthMm, f.HeightMm, QStringLiteral("Pagina %1, kader %2").arg(name).arg(k)};
        }
    }
    r.heading = read == 1 ? QStringLiteral("Stroken voor 1 supplement")
                          : QStringLiteral("Stroken voor %1 supplementen").arg(read);
    return r;
}

DeleteResult deletePageFiles(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    const PagePair pair = findPage(folder, name);
    // A picture that is already gone leaves nothing to keep listed.
    if (!pair.picture.isEmpty() && !QFile::remove(dir.filePath(pair.picture)))
        return DeleteResult::PictureKept;
    if (!pair.design.isEmpty() && !QFile::remove(dir.filePath(pair.design)))
        return DeleteResult::DesignKept;
    return DeleteResult::Deleted;
}

} // namespace plenvik
