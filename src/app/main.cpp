#include "mainwindow.h"

#include "image/imagefile.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarine"));
    QApplication::setApplicationVersion(QStringLiteral(TESSARINE_VERSION));
    tess::configureImageReading();

    MainWindow window;
    window.show();
    return app.exec();
}
