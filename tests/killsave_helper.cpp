// Saves one page again and again until it is killed, each time as the next
// version, counting up from the version given. Writes 's' before each save
// and 'd' after it, unbuffered, so the test can tell which versions were
// saved and whether the kill fell inside a save.

#include "killsave_pages.h"
#include "library/pagefiles.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    int version = std::atoi(argv[2]);
    if (::write(1, "r", 1) != 1)
        return 1;
    for (;; ++version) {
        const QImage picture = plenvik::test::killPagePicture(version);
        const plenvik::PageDesign design = plenvik::test::killPageDesign(version);
        if (::write(1, "s", 1) != 1)
            return 1;
        if (!plenvik::savePageFiles(folder, QStringLiteral("Blad"), picture, design))
            return 1;
        if (::write(1, "d", 1) != 1)
            return 1;
    }
}
