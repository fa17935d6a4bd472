// Saves one page again and again, in two versions by turns, until it is
// killed. Writes 's' before each save and 'd' after it, unbuffered, so the
// test can tell whether the kill fell inside a save.

#include "killsave_pages.h"
#include "library/pagefiles.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QImage pictures[] = {plenvik::test::killPagePicture(0), plenvik::test::killPagePicture(1)};
    const plenvik::PageDesign designs[] = {plenvik::test::killPageDesign(0), plenvik::test::killPageDesign(1)};
    if (::write(1, "r", 1) != 1)
        return 1;
    for (unsigned i = 1;; ++i) {
        if (::write(1, "s", 1) != 1)
            return 1;
        if (!plenvik::savePageFiles(folder, QStringLiteral("Blad"), pictures[i % 2], designs[i % 2]))
            return 1;
        if (::write(1, "d", 1) != 1)
            return 1;
    }
}
