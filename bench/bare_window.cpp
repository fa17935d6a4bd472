// The baseline: an empty Qt main window of the same size, with a menu bar,
// started and shown the way Plenvik is.

#include "platform/startupprobe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral(" Baseline"));
    window.menuBar()->addMenu(QStringLiteral("File"));
    window.resize(900, 631);
    plenvik::installStartupProbe(window);
    window.show();
    return app.exec();
}
