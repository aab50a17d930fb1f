// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "image/imagefile.h"
#include "text/translations.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tessarine"));
    QApplication::setApplicationName(QStringLiteral("Tessarine"));
    QApplication::setApplicationVersion(QStringLiteral(TESSARINE_VERSION));
    // The desktop entry's name, by which a Wayland desktop finds the window's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessarine.Tessarine"));
    tess::configureImageReading();
    tess::installTranslations();
    RecentPlaces::rememberAcrossRuns(true);

    MainWindow window;
    window.show();

    // "Open with": a file manager names one file. The toolkit has taken its own options
    // out of the arguments already. Loaded once the loop runs, so that a warning box
    // opens over the window shown, as it does on the dialog's road.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1 && !arguments.at(1).isEmpty()) {
        const QString path = arguments.at(1);
        QTimer::singleShot(0, &window, [&window, path] { window.openFile(path); });
    }
    return app.exec();
}
