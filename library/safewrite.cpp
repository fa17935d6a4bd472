#include "library/safewrite.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plenvik {

namespace {
const QLatin1String kMark(".plenvik-");
constexpr int kSuffixLength = 6;

QString resolved(const QString &target)
{
    const QFileInfo info(target);
    if (!info.isSymLink())
        return target;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

QString suffix()
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString s;
    for (int i = 0; i < kSuffixLength; ++i)
        s += QLatin1Char(alphabet[QRandomGenerator::global()->bounded(int(sizeof alphabet) - 1)]);
    return s;
}

// Creates the part file exclusively with mode 0666, so the kernel applies
// the umask exactly as it does for any new file. -1 on failure.
int createPart(const QString &target, QString *partPath)
{
    const QFileInfo info(target);
    const QString folder = info.absolutePath();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString part = folder + QLatin1Char('/') + QLatin1Char('.') + info.fileName() + kMark + suffix();
        const int fd = ::open(QFile::encodeName(part).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            *partPath = part;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}
} // namespace

bool isPartFileOf(const QString &entry, const QString &targetName)
{
    const qsizetype head = 1 + targetName.size() + kMark.size();
    if (entry.size() != head + kSuffixLength || !entry.startsWith(QLatin1Char('.')))
        return false;
    if (QStringView(entry).mid(1, targetName.size()) != targetName || QStringView(entry).mid(1 + targetName.size(), kMark.size()) != kMark)
        return false;
    for (QChar c : QStringView(entry).mid(head)) {
        if (!(c.isDigit() || (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))))
            return false;
    }
    return true;
}

void removeLeftParts(const QString &target)
{
    const QFileInfo info(resolved(target));
    const QDir dir = info.absoluteDir();
    for (const QString &e : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isPartFileOf(e, info.fileName()))
            continue;
        if (isOwnPlainFile(dir.filePath(e)))
            QFile::remove(dir.filePath(e));
    }
}

QString writtenPath(const QString &target)
{
    return resolved(target);
}

QString createPartFile(const QString &target)
{
    removeLeftParts(target);
    QString part;
    const int fd = createPart(resolved(target), &part);
    if (fd < 0)
        return {};
    ::close(fd);
    return part;
}

bool putPartInPlace(const QString &partPath, const QString &target)
{
    if (placePart(partPath, target)) {
        syncFolder(QFileInfo(resolved(target)).absolutePath());
        return true;
    }
    ::unlink(QFile::encodeName(partPath).constData());
    return false;
}

bool placePart(const QString &partPath, const QString &target)
{
    const QByteArray part = QFile::encodeName(partPath);
    const QByteArray final = QFile::encodeName(resolved(target));
    bool ok = false;
    // Never through a link: a part file that is one was not made here, and
    // whatever it points at is left alone.
    const int fd = ::open(part.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd >= 0) {
        struct stat own;
        // One link: a second name would be another's file, given our mode.
        ok = ::fstat(fd, &own) == 0 && S_ISREG(own.st_mode) && own.st_nlink == 1 && own.st_uid == ::geteuid();
        // A replaced file keeps its mode; a new one has the umask's already.
        struct stat old;
        ok = ok && ::fdatasync(fd) == 0;
        if (ok && ::stat(final.constData(), &old) == 0 && S_ISREG(old.st_mode))
            ok = ::fchmod(fd, old.st_mode & 07777) == 0;
        ::close(fd);
    }
    return ok && std::rename(part.constData(), final.constData()) == 0;
}

bool isOwnPlainFile(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1
           && st.st_uid == ::geteuid();
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

BesideFile::BesideFile(const QString &target) : m_target(resolved(target)) {}

BesideFile::~BesideFile()
{
    cancel();
}

bool BesideFile::open()
{
    // Only a file can be replaced: a folder in its place fails the write
    // here, before anything of a write of several files is put in place.
    const QFileInfo existing(m_target);
    if (existing.exists() && !existing.isFile())
        return false;
    removeLeftParts(m_target);
    const int fd = createPart(m_target, &m_part);
    if (fd < 0)
        return false;
    if (!m_file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        ::unlink(QFile::encodeName(m_part).constData());
        m_part.clear();
        return false;
    }
    return true;
}

bool BesideFile::finish()
{
    if (m_part.isEmpty() || !m_file.isOpen())
        return false;
    // On a full disk the last write may only fail at the flush.
    const bool written = m_file.flush() && m_file.error() == QFileDevice::NoError
                         && ::fdatasync(m_file.handle()) == 0;
    m_file.close();
    if (!written)
        cancel();
    return written;
}

bool BesideFile::commit()
{
    if (!finish())
        return false;
    const QString part = m_part;
    m_part.clear();
    return putPartInPlace(part, m_target);
}

QString BesideFile::release()
{
    const QString part = m_part;
    m_part.clear();
    return part;
}

void BesideFile::cancel()
{
    if (m_file.isOpen())
        m_file.close();
    if (!m_part.isEmpty())
        ::unlink(QFile::encodeName(m_part).constData());
    m_part.clear();
}

bool writeFileWhole(const QString &path, const QByteArray &bytes)
{
    BesideFile file(path);
    if (!file.open())
        return false;
    if (file.device().write(bytes) != bytes.size())
        return false;
    return file.commit();
}

} // namespace plenvik
