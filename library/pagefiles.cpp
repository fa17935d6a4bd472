#include "library/pagefiles.h"

#include "design/canvasgeometry.h"

#include "library/bmpwriter.h"
#include "library/designfile.h"
#include "library/pagesave.h"
#include "library/picturefile.h"
#include "library/stamppicture.h"
#include "library/safewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include "library/plainfile.h"
#include <QFileInfo>
#include <QImageReader>
#include <QMap>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct PageFiles {
    Q_DECLARE_TR_FUNCTIONS(PageFiles)
};
} // namespace

namespace {
const QString kPictureExt = QStringLiteral(".bmp");
const QString kDesignExt = QStringLiteral(".sup");
const QString kPicturesExt = QStringLiteral(".afb");

enum class Kind { Picture, Design, Pictures };
struct PageFile {
    QString file;
    QString stem;
    Kind kind;
};

// A file named as a page's picture file is the page's only when it begins
// as the program writes one; anything else of that name is left alone.
bool isOwnPictureFile(const QString &path)
{
    QFile f;
    return openPlainFile(f, path) && isPictureFileStart(f.read(64));
}

// The picture and design files whose name, without its extension, matches
// 'name' when letter case is ignored. The extension's case never matters.
// 'records' receives the records of interrupted saves of the name.
QList<PageFile> filesIgnoringCase(const QString &folder, const QString &name, QStringList *records = nullptr,
                                  const QStringList *listed = nullptr)
{
    QList<PageFile> out;
    if (name.isEmpty())
        return out;
    const QStringList entries = listed ? *listed : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &e : entries) {
        // An album's record may name any page.
        if (records && (recordedPage(e).compare(name, Qt::CaseInsensitive) == 0 || !recordedAlbum(e).isEmpty()))
            *records << e;
        if (e.size() != name.size() + 4)
            continue;
        const QString ext = e.right(4);
        const Kind kind = ext.compare(kPictureExt, Qt::CaseInsensitive) == 0  ? Kind::Picture
                          : ext.compare(kDesignExt, Qt::CaseInsensitive) == 0 ? Kind::Design
                                                                             : Kind::Pictures;
        if (kind == Kind::Pictures && ext.compare(kPicturesExt, Qt::CaseInsensitive) != 0)
            continue;
        const QString stem = e.left(name.size());
        if (stem.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (kind == Kind::Pictures && !isOwnPictureFile(QDir(folder).filePath(e)))
            continue;
        out.append({e, stem, kind});
    }
    return out;
}

bool readDesignOf(const QDir &dir, const PagePair &pair, PageDesign &design, QString *error, bool *picturesExpected = nullptr)
{
    auto failed = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (pair.unfinished)
        return failed(PageFiles::tr("een onderbroken opslag kon niet worden afgemaakt"));
    if (pair.ambiguous)
        return failed(PageFiles::tr("bestanden niet zeker te paren"));
    if (pair.design.isEmpty())
        return failed(PageFiles::tr("ontwerpbestand ontbreekt"));
    QFile file;
    if (!openPlainFile(file, dir.filePath(pair.design)))
        return failed(PageFiles::tr("ontwerpbestand onleesbaar"));
    DesignFileReader reader;
    if (!reader.read(file, design))
        return failed(reader.errorString());
    if (picturesExpected)
        *picturesExpected = reader.picturesExpected();
    return true;
}

// The page's pictures, which its design file says are there: every one
// must be a picture the program stores, or the page is not read.
bool readPicturesOf(const QDir &dir, const PagePair &pair, PageDesign &design, QString *error)
{
    auto failed = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (pair.pictures.isEmpty())
        return failed(PageFiles::tr("afbeeldingenbestand ontbreekt"));
    QFile file;
    if (!openPlainFile(file, dir.filePath(pair.pictures)))
        return failed(PageFiles::tr("afbeeldingenbestand onleesbaar"));
    if (file.size() > kMaxPictureFileBytes)
        return failed(PageFiles::tr("afbeeldingenbestand is te groot"));
    Afbeeldingen pictures = design.pictures;
    QString why;
    if (!readPictureFile(file.read(kMaxPictureFileBytes + 1), design.KaderCount, pictures, &why))
        return failed(why);
    for (int k = 1; k <= design.KaderCount; ++k) {
        const QByteArray &stored = pictures.Bestanden.at(k - 1);
        if (stored.isEmpty())
            continue;
        if (const QString fault = storedPictureFault(stored, design.kader(k)); !fault.isEmpty())
            return failed(PageFiles::tr("kader %1: %2").arg(k).arg(fault));
    }
    design.pictures = pictures;
    return true;
}

} // namespace

QStringList libraryListing(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QStringList pageFilesAnyCase(const QString &folder, const QString &name)
{
    QStringList out;
    for (const PageFile &f : filesIgnoringCase(folder, name))
        out << f.file;
    return out;
}

PagePair findPage(const QString &folder, const QString &name, const QStringList *listed)
{
    QStringList records;
    QList<PageFile> files = filesIgnoringCase(folder, name, &records, listed);
    PagePair pair;
    if (!records.isEmpty()) {
        for (const QString &r : std::as_const(records))
            pair.unfinished = !finishPageRecord(folder, r) || pair.unfinished;
        files = filesIgnoringCase(folder, name);
    }
    QMap<QString, QStringList> pictureFiles; // by the spelling of their stem
    for (const PageFile &f : files) {
        pair.files << f.file;
        pair.taken = pair.taken || f.kind == Kind::Picture;
        if (f.kind == Kind::Pictures)
            pictureFiles[f.stem] << f.file;
    }
    files.removeIf([](const PageFile &f) { return f.kind == Kind::Pictures; });
    if (files.isEmpty())
        return pair;

    // The files by the spelling of their stem, as pictures and designs.
    QMap<QString, std::pair<QStringList, QStringList>> stems;
    for (const PageFile &f : files)
        (f.kind == Kind::Picture ? stems[f.stem].first : stems[f.stem].second) << f.file;
    // The pictures of the stamps go with the design: those spelt as it, or
    // else the one such file of the name that stands apart from every page
    // file. Two that could be the page's make the page ambiguous.
    auto withPictures = [&](PagePair p) {
        if (p.design.isEmpty() || pictureFiles.isEmpty())
            return p;
        const QString designStem = p.design.chopped(4);
        QStringList candidates = pictureFiles.value(designStem);
        if (candidates.isEmpty()) {
            for (auto it = pictureFiles.cbegin(); it != pictureFiles.cend(); ++it) {
                if (!stems.contains(it.key()))
                    candidates << it.value();
            }
        }
        if (candidates.size() > 1) {
            p.picture.clear();
            p.design.clear();
            p.ambiguous = true;
        } else {
            p.pictures = candidates.value(0);
        }
        return p;
    };
    QString stem = name;
    if (!stems.contains(stem)) {
        // Only other spellings: they are this page when there is one.
        if (stems.size() > 1) {
            pair.ambiguous = true;
            return pair;
        }
        stem = stems.firstKey();
    }
    const auto &[pictures, designs] = stems.value(stem);
    if (pictures.size() > 1 || designs.size() > 1) {
        pair.ambiguous = true;
        return pair;
    }
    pair.picture = pictures.value(0);
    pair.design = designs.value(0);
    if (!pair.picture.isEmpty() && !pair.design.isEmpty())
        return withPictures(pair);

    // One of the two is missing under this spelling. A picture and a design
    // that each stand alone under other spellings are one page only when
    // they are the only two; the files of a complete spelling belong to it.
    QStringList lonePictures, loneDesigns;
    for (const auto &[p, d] : stems) {
        if (d.isEmpty())
            lonePictures << p;
        if (p.isEmpty())
            loneDesigns << d;
    }
    QStringList &lone = pair.picture.isEmpty() ? lonePictures : loneDesigns;
    QString &missing = pair.picture.isEmpty() ? pair.picture : pair.design;
    if (lone.isEmpty())
        return withPictures(pair); // the page has only the one file
    if (lonePictures.size() == 1 && loneDesigns.size() == 1) {
        missing = lone.constFirst();
        return withPictures(pair);
    }
    pair.picture.clear();
    pair.design.clear();
    pair.ambiguous = true;
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

std::optional<QStringList> listPictureFiles(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable())
        return std::nullopt;
    finishAllPageSaves(folder);
    sweepLeftParts(folder);
    QStringList files;
    for (const QString &e : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (e.size() > 4 && e.right(4).compare(kPictureExt, Qt::CaseInsensitive) == 0)
            files << e;
    }
    std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        const int c = QStringView(a).chopped(4).compare(QStringView(b).chopped(4), Qt::CaseInsensitive);
        if (c != 0)
            return c < 0;
        return a.chopped(4) != b.chopped(4) ? a.chopped(4) < b.chopped(4) : a < b;
    });
    return files;
}

std::optional<QStringList> listPages(const QString &folder)
{
    auto files = listPictureFiles(folder);
    if (files) {
        for (QString &f : *files)
            f.chop(4);
    }
    return files;
}

namespace {
// Reads and checks a page; its picture is decoded only when 'decode' says,
// or when nothing less can tell it is whole.
std::optional<LoadedPage> readPage(const QString &folder, const QString &name, const PageDesign &base, bool decode,
                                   QString *error, const QStringList *listed = nullptr)
{
    auto failed = [&](const QString &why) -> std::optional<LoadedPage> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    const QDir dir(folder);
    // The pair is found among the folder's own entries, so no name can
    // reach outside it.
    const PagePair pair = findPage(folder, name, listed);
    const QString &pictureName = pair.picture;
    if (pair.unfinished)
        return failed(PageFiles::tr("een onderbroken opslag kon niet worden afgemaakt"));
    if (pair.ambiguous)
        return failed(PageFiles::tr("bestanden niet zeker te paren"));
    if (pictureName.isEmpty())
        return failed(PageFiles::tr("plaatje ontbreekt"));
    // The design says the sheet, and so the picture's size.
    LoadedPage page;
    page.design = base;
    QString why;
    bool withPictures = false;
    if (!readDesignOf(dir, pair, page.design, &why, &withPictures))
        return failed(why);
    if (withPictures && !readPicturesOf(dir, pair, page.design, &why))
        return failed(why);
    const CanvasGeometry g = canvasGeometry(page.design.sheet);
    const std::optional<bool> plain = plainBitmapFits(dir.filePath(pictureName), QSize(g.width, g.height));
    if (!decode && plain)
        return *plain ? std::optional(page) : failed(PageFiles::tr("plaatje is geen BMP van %1 x %2").arg(g.width).arg(g.height));
    QFile pictureFile;
    if (!openPlainFile(pictureFile, dir.filePath(pictureName)))
        return failed(PageFiles::tr("plaatje onleesbaar: geen gewoon bestand"));
    QImageReader reader(&pictureFile, "bmp");
    reader.setDecideFormatFromContent(false);
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (size != QSize(g.width, g.height))
        return failed(PageFiles::tr("plaatje is geen BMP van %1 x %2").arg(g.width).arg(g.height));
    page.picture = reader.read();
    if (page.picture.isNull() || page.picture.size() != size)
        return failed(PageFiles::tr("plaatje onleesbaar: %1").arg(reader.errorString()));
    page.picture = page.picture.convertToFormat(QImage::Format_RGB32);
    return page;
}
} // namespace

std::optional<LoadedPage> readPageFiles(const QString &folder, const QString &name, const PageDesign &base,
                                        QString *error)
{
    return readPage(folder, name, base, true, error);
}

std::optional<PageDesign> readPageForPrinting(const QString &folder, const QString &name, QString *error,
                                             const QStringList *listed)
{
    const std::optional<LoadedPage> page = readPage(folder, name, PageDesign{}, false, error, listed);
    return page ? std::optional(page->design) : std::nullopt;
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
            r.pieces << StripPiece{f.WidthMm, f.HeightMm, PageFiles::tr("Pagina %1, kader %2").arg(name).arg(k), f.vorm};
        }
    }
    r.heading = read == 1 ? PageFiles::tr("Stroken voor 1 supplement")
                          : PageFiles::tr("Stroken voor %1 supplementen").arg(read);
    return r;
}

} // namespace plenvik
