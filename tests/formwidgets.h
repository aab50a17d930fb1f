// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStringList>
#include <QTableWidget>
#include <QToolBar>
#include <QWidget>

// The main window's form as the tests reach it: each member is the widget of the form's
// object name, under the name and type the form gives it, found in the window as any
// outsider finds it. A member whose widget the window lacks stays null and is named in
// missing.
struct FormWidgets
{
    QWidget *centralWidget = nullptr;
    QGroupBox *imageBox = nullptr;
    QLabel *imageView = nullptr;
    QPushButton *loadImage = nullptr;
    QFrame *frame = nullptr;
    QLabel *outputRows = nullptr;
    QLabel *originalSize = nullptr;
    QProgressBar *progressBar = nullptr;
    QPushButton *saveImage = nullptr;
    QLabel *image_memory_pos = nullptr;
    QLabel *image_memory_neg = nullptr;
    QLabel *image_save_pos = nullptr;
    QLabel *image_save_neg = nullptr;
    QGroupBox *spreadsheetBox = nullptr;
    QPushButton *loadSpreadsheet = nullptr;
    QFrame *frame_2 = nullptr;
    QLabel *resolution = nullptr;
    QLabel *red = nullptr;
    QLabel *green = nullptr;
    QLabel *blue = nullptr;
    QRadioButton *RGBButton = nullptr;
    QButtonGroup *buttonGroup = nullptr;
    QRadioButton *HSVButton = nullptr;
    QLabel *hue = nullptr;
    QLabel *saturation = nullptr;
    QLabel *value = nullptr;
    QPushButton *saveSheet = nullptr;
    QLabel *ss_memory_pos = nullptr;
    QLabel *ss_memory_neg = nullptr;
    QLabel *ss_save_pos = nullptr;
    QLabel *ss_save_neg = nullptr;
    QTableWidget *tableWidget = nullptr;
    QPushButton *imageToSpreadsheet = nullptr;
    QPushButton *spreadsheetToImage = nullptr;
    QCheckBox *shrink = nullptr;
    QLabel *image_to_ss_image = nullptr;
    QLabel *ss_to_image_image = nullptr;
    QLabel *loading_status_image = nullptr;
    QMenuBar *menuBar = nullptr;
    QToolBar *mainToolBar = nullptr;
    QStatusBar *statusBar = nullptr;

    QStringList missing;

    explicit FormWidgets(QObject *window)
    {
        find(window, centralWidget, "centralWidget");
        find(window, imageBox, "imageBox");
        find(window, imageView, "imageView");
        find(window, loadImage, "loadImage");
        find(window, frame, "frame");
        find(window, outputRows, "outputRows");
        find(window, originalSize, "originalSize");
        find(window, progressBar, "progressBar");
        find(window, saveImage, "saveImage");
        find(window, image_memory_pos, "image_memory_pos");
        find(window, image_memory_neg, "image_memory_neg");
        find(window, image_save_pos, "image_save_pos");
        find(window, image_save_neg, "image_save_neg");
        find(window, spreadsheetBox, "spreadsheetBox");
        find(window, loadSpreadsheet, "loadSpreadsheet");
        find(window, frame_2, "frame_2");
        find(window, resolution, "resolution");
        find(window, red, "red");
        find(window, green, "green");
        find(window, blue, "blue");
        find(window, RGBButton, "RGBButton");
        find(window, buttonGroup, "buttonGroup");
        find(window, HSVButton, "HSVButton");
        find(window, hue, "hue");
        find(window, saturation, "saturation");
        find(window, value, "value");
        find(window, saveSheet, "saveSheet");
        find(window, ss_memory_pos, "ss_memory_pos");
        find(window, ss_memory_neg, "ss_memory_neg");
        find(window, ss_save_pos, "ss_save_pos");
        find(window, ss_save_neg, "ss_save_neg");
        find(window, tableWidget, "tableWidget");
        find(window, imageToSpreadsheet, "imageToSpreadsheet");
        find(window, spreadsheetToImage, "spreadsheetToImage");
        find(window, shrink, "shrink");
        find(window, image_to_ss_image, "image_to_ss_image");
        find(window, ss_to_image_image, "ss_to_image_image");
        find(window, loading_status_image, "loading_status_image");
        find(window, menuBar, "menuBar");
        find(window, mainToolBar, "mainToolBar");
        find(window, statusBar, "statusBar");
    }

private:
    template<typename T>
    void find(QObject *window, T *&member, const char *name)
    {
        member = window->findChild<T *>(QLatin1String(name));
        if (!member)
            missing.append(QLatin1String(name));
    }
};
