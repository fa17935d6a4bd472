// Saves one page as the given version and counts up, in one of three ways:
//   loop      saves again and again until it is killed from outside;
//   step:K    saves once and kills itself at the K-th point of the save;
//   fsize:N   saves once with files limited to N bytes, so the kernel kills
//             it in the middle of a write (SIGXFSZ), as a full disk or a
//             crash inside write() would cut it;
//   delete:K  deletes the page and kills itself at the K-th point of the
//             delete;
//   album:K   puts an album of two pages and kills itself at the K-th point;
//   albumloop puts albums again and again until it is killed from outside.
// Writes 's' before each save and 'd' after it, unbuffered, so the test can
// tell which versions were saved and whether the kill fell inside a save.

#include "killsave_pages.h"
#include "library/pagefiles.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

namespace {
bool say(char c)
{
    return ::write(1, &c, 1) == 1;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    int version = std::atoi(argv[2]);
    const char *mode = argv[3];
    plenvik::SaveSteps steps;
    bool once = false;
    if (std::strncmp(mode, "step:", 5) == 0) {
        const int stop = std::atoi(mode + 5);
        steps.reached = [stop](plenvik::SaveStep step) {
            if (int(step) == stop)
                ::raise(SIGKILL);
        };
        once = true;
    } else if (std::strncmp(mode, "fsize:", 6) == 0) {
        const rlimit none{0, 0};
        ::setrlimit(RLIMIT_CORE, &none);
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit size{rlim_t(std::atol(mode + 6)), rlim_t(std::atol(mode + 6))};
        if (::setrlimit(RLIMIT_FSIZE, &size) != 0)
            return 2;
        once = true;
    }
    if (std::strncmp(mode, "delete:", 7) == 0) {
        const int stop = std::atoi(mode + 7);
        steps.reached = [stop](plenvik::SaveStep step) {
            if (int(step) == stop)
                ::raise(SIGKILL);
        };
        const bool deleted = say('r') && say('s')
                             && plenvik::deletePageFiles(folder, QStringLiteral("Blad"), steps) == plenvik::DeleteResult::Deleted;
        return deleted && say('d') ? 0 : 1;
    }
    if (std::strncmp(mode, "album", 5) == 0) {
        const bool loop = std::strcmp(mode, "albumloop") == 0;
        if (!loop) {
            const int stop = std::atoi(mode + 6);
            steps.reached = [stop](plenvik::SaveStep step) {
                if (int(step) == stop)
                    ::raise(SIGKILL);
            };
        }
        if (!say('r'))
            return 1;
        for (;; version += 2) {
            if (!say('s') || plenvik::putAlbumFiles(folder, plenvik::test::killAlbum(version), [](int) { return true; }, steps)
                                 != plenvik::ZetUitkomst::Gezet || !say('d'))
                return 1;
            if (!loop)
                return 0;
        }
    }
    if (!say('r'))
        return 1;
    for (;; ++version) {
        const QImage picture = plenvik::test::killPagePicture(version);
        const plenvik::PageDesign design = plenvik::test::killPageDesign(version);
        if (!say('s'))
            return 1;
        if (!plenvik::savePageFiles(folder, QStringLiteral("Blad"), picture, design, steps))
            return 1;
        if (!say('d'))
            return 1;
        if (once)
            return 0;
    }
}
