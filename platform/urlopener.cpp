#include "platform/urlopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace plenvik {

void QtUrlOpener::open(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace plenvik
