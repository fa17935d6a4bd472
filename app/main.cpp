#include "app/mainwindow.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/screen.h"
#include "platform/urlopener.h"
#include "app/layout.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    plenvik::QtDialogs dialogs;
    plenvik::QtPrinter printer;
    plenvik::QtScreenSource screen;
    plenvik::QtUrlOpener urls;
    plenvik::Main window(QCoreApplication::applicationDirPath(), {&dialogs, &printer, &screen, &urls});
    dialogs.setParent(&window);

    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    window.move(avail.center() - QPoint(plenvik::kWindowWidth / 2, plenvik::kWindowHeight / 2));
    window.show();
    return app.exec();
}
