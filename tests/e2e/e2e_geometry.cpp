// SPDX-License-Identifier: GPL-3.0-or-later
// Prints where the window's buttons are, as the end-to-end test clicks them: for each
// name given, "name x y" with the centre of that widget in the coordinates of the
// window's client area. It shows a window of its own on the same display, style and
// fonts as the real program, so the menu bar and tool bar heights are the real ones.

#include "mainwindow.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    // Let the window be mapped and laid out with the platform's real metrics.
    QTimer::singleShot(300, &app, &QApplication::quit);
    app.exec();

    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const QWidget *widget = window.findChild<QWidget *>(QString::fromLocal8Bit(argv[i]));
        if (!widget) {
            std::fprintf(stderr, "e2e_geometry: no widget named %s\n", argv[i]);
            status = 1;
            continue;
        }
        const QPoint centre = widget->mapTo(&window, widget->rect().center());
        std::printf("%s %d %d\n", argv[i], centre.x(), centre.y());
    }
    std::printf("window %d %d\n", window.width(), window.height());
    return status;
}
