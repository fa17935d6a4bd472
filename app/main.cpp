#include "app/mainwindow.h"
#include "platform/dialogs.h"
#include "platform/extradialogs.h"
#include "platform/printer.h"
#include "platform/screen.h"
#include "platform/xcbscreen.h"
#include "platform/startupprobe.h"
#include "platform/urlopener.h"
#include "app/layout.h"
#include "app/language.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The window's class and its desktop entry tie it to its menu entry and
    // icon in docks and task bars.
    QCoreApplication::setApplicationName(QStringLiteral("plenvik"));
    QGuiApplication::setDesktopFileName(QStringLiteral(PLENVIK_APP_ID));
    plenvik::installTranslations(app);

    plenvik::QtDialogs dialogs;
    plenvik::QtPrinter printer;
    const auto screen = plenvik::makeScreenSourceOnFirstUse();
    plenvik::QtUrlOpener urls;
    plenvik::QtExtraDialogs extra;
    // The one decision on where pages and settings live.
    const QString programDir = QCoreApplication::applicationDirPath();
    const plenvik::Paths paths = plenvik::decidePaths(programDir);
    plenvik::prepareUserFolders(paths, QDir::cleanPath(programDir + QStringLiteral("/" PLENVIK_INSTALLED_EXAMPLES)));
    // The installed icon, or the one built in when the program runs from its
    // own folder; one size, read directly: a theme lookup and the larger
    // sizes cost start-up a sixth of its time.
    const QString installedIcon = QDir::cleanPath(programDir + QStringLiteral("/" PLENVIK_INSTALLED_ICON));
    QApplication::setWindowIcon(QIcon(!paths.portable && QFileInfo::exists(installedIcon)
                                          ? installedIcon
                                          : QStringLiteral(":/plenvik/icons/plenvik-48.png")));
    plenvik::Main window(paths, {&dialogs, &printer, screen.get(), &urls, &extra});
    dialogs.setParent(&window);
    extra.setParent(&window);

    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    window.move(avail.center() - QPoint(plenvik::kWindowWidth / 2, plenvik::kWindowHeight / 2));
    plenvik::installStartupProbe(window);
    window.show();
    // 900 x 631 includes the frame and title bar where a window manager adds
    // them; without one (Xvfb) the window itself is that size.
    QTimer::singleShot(0, &window, [&window, avail] {
        const QSize extra = window.frameGeometry().size() - window.geometry().size();
        if (extra.width() <= 0 && extra.height() <= 0)
            return;
        window.resize(plenvik::kWindowWidth - extra.width(), plenvik::kWindowHeight - extra.height());
        window.move(avail.center() - QPoint(plenvik::kWindowWidth / 2, plenvik::kWindowHeight / 2));
    });
    return app.exec();
}
