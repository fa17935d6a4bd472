#include "library/plainfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plenvik {

bool openPlainFile(QFile &file, const QString &path, Links links)
{
    // O_NONBLOCK: a FIFO put there after any look at its name still opens
    // at once, and fstat() then tells it apart.
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | (links == Links::Refuse ? O_NOFOLLOW : 0);
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    // A plain file never blocks; reads behave as usual without the flag.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

} // namespace plenvik
