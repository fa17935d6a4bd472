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
#include <QSaveFile>
#include <algorithm>

namespace plenvik {

namespace {
const QString kPictureExt = QStringLiteral(".bmp");
const QString kDesignExt = QStringLiteral(".sup");

QString findWithExtension(const QString &folder, const QString &name, const QString &ext)
{
    const QDir dir(folder);
    const QString wanted = (name + ext).toLower();
    const QStringList entries = dir.entryList({QStringLiteral("*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &e : entries) {
        if (e.toLower() == wanted)
            return e;
    }
    return {};
}
} // namespace

QString libraryFolder(const QString &programDir)
{
    return QDir(programDir).filePath(QStringLiteral("Voorbeelden"));
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

QString findPicture(const QString &folder, const QString &name)
{
    return findWithExtension(folder, name, kPictureExt);
}

bool savePageFiles(const QString &folder, const QString &name, const QImage &picture, const PageDesign &design,
                   const SaveSteps &steps)
{
    if (!isPlainPageName(name) || !QFileInfo(folder).isDir())
        return false;
    const QDir dir(folder);

    // Files of the same page under another letter case go once the new ones stand.
    const QString oldPicture = findWithExtension(folder, name, kPictureExt);
    const QString oldDesign = findWithExtension(folder, name, kDesignExt);

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
    if (!oldPicture.isEmpty() && oldPicture != name + kPictureExt)
        QFile::remove(dir.filePath(oldPicture));
    if (steps.afterPicture && !steps.afterPicture()) {
        designFile.cancelWriting();
        return false;
    }
    if (!commitWhole(designFile))
        return false;
    if (!oldDesign.isEmpty() && oldDesign != name + kDesignExt)
        QFile::remove(dir.filePath(oldDesign));
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
    if (!isPlainPageName(name))
        return failed(QStringLiteral("ongeldige naam"));
    const QDir dir(folder);

    QString pictureName = findWithExtension(folder, name, kPictureExt);
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

    QString designName = findWithExtension(folder, name, kDesignExt);
    if (designName.isEmpty())
        return failed(QStringLiteral("ontwerpbestand ontbreekt"));
    QFile file(dir.filePath(designName));
    if (!file.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("ontwerpbestand onleesbaar"));
    page.design = base;
    DesignFileReader designReader;
    if (!designReader.read(file, page.design))
        return failed(designReader.errorString());
    return page;
}

bool deletePageFiles(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    const QString pictureName = findWithExtension(folder, name, kPictureExt);
    // A picture that is already gone leaves nothing to keep listed.
    if (!pictureName.isEmpty() && !QFile::remove(dir.filePath(pictureName)))
        return false;
    const QString designName = findWithExtension(folder, name, kDesignExt);
    if (!designName.isEmpty())
        QFile::remove(dir.filePath(designName));
    return true;
}

} // namespace plenvik
