#include "library/paths.h"

#include "library/pagefiles.h"
#include "library/safewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

namespace plenvik {

namespace {
const QString kLibraryName = QStringLiteral("Voorbeelden");
const QString kUserFolderName = QStringLiteral("Plenvik");
} // namespace

QString Paths::settingsFile(const QString &name) const
{
    return QDir(settings).filePath(name);
}

Paths portablePaths(const QString &programDir)
{
    return {QDir(programDir).filePath(kLibraryName), programDir, true};
}

Paths decidePaths(const QString &programDir, const QString &dataHome, const QString &configHome)
{
    const QFileInfo program(programDir);
    if (program.isDir() && program.isWritable() && QFileInfo(QDir(programDir).filePath(kLibraryName)).isDir())
        return portablePaths(programDir);
    const QString data = QDir(dataHome).filePath(kUserFolderName);
    return {QDir(data).filePath(kLibraryName), QDir(configHome).filePath(kUserFolderName), false};
}

Paths decidePaths(const QString &programDir)
{
    return decidePaths(programDir, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

bool prepareUserFolders(const Paths &paths, const QString &installedExamples)
{
    if (paths.portable)
        return true;
    bool ok = QDir().mkpath(paths.settings);
    if (QFileInfo(paths.library).isDir())
        return ok;
    if (!QDir().mkpath(paths.library))
        return false;
    // A fresh library: the examples, each page as its pair.
    const auto pages = listPages(installedExamples);
    if (!pages)
        return ok;
    const QDir from(installedExamples);
    const QDir to(paths.library);
    for (const QString &name : *pages) {
        const PagePair pair = findPage(installedExamples, name);
        for (const QString &file : {pair.picture, pair.design}) {
            if (!file.isEmpty() && !QFileInfo::exists(to.filePath(file)))
                ok = QFile::copy(from.filePath(file), to.filePath(file)) && ok;
        }
    }
    return ok;
}

QString libraryWriteProblem(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return QCoreApplication::translate("Paths", "de map bestaat niet en kon niet worden gemaakt");
    errno = 0;
    const QString probe = createPartFile(QDir(folder).filePath(QStringLiteral("schrijfproef")));
    const int why = errno;
    if (!probe.isEmpty()) {
        QFile::remove(probe);
        return {};
    }
    switch (why) {
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("Paths", "u mag in deze map niet schrijven");
    case EROFS:
        return QCoreApplication::translate("Paths", "de schijf is alleen te lezen");
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("Paths", "de schijf is vol");
    default:
        return QString::fromLocal8Bit(std::strerror(why));
    }
}

} // namespace plenvik
