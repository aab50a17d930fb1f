// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/pixelreadout.h"

#include <QImage>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class PixelViewer;
class QWidget;

// The window's pixel viewers, at most one per picture: the image side's picture (loaded or
// drawn), and the sheet's, whose pixels are the sheet's records (a reduced conversion's
// smaller picture). What they need to know of the sheet file, where each pixel is written
// in it, is built once per sheet, and only when a viewer first asks for it.
class Viewers final : public QObject
{
    Q_OBJECT

public:
    // The sheet's picture as it stands, handed to the function given once it is drawn (off
    // the window's thread): null when there is no sheet.
    using SheetDrawing = std::function<void(std::function<void(const QImage &)>)>;
    // before: the picture the window's picture replaced, null when there is none.
    Viewers(QWidget *window, SheetDrawing drawSheet, std::function<QImage()> before);

    // Opens the viewer on the window's picture, or brings the open one forward.
    void open(const QImage &picture, const QString &name);
    // The window's picture changed (a load, a redraw): an open viewer follows it.
    void pictureChanged(const QImage &picture, const QString &name);
    // Opens the viewer on the sheet's picture.
    void openSheet();

    // The sheet now is a file again (loaded or saved); build tells where its records are.
    void sheetInFile(const QString &name, std::function<tess::PixelLines()> build);
    // The sheet is gone, or new and in no file yet.
    void forgetSheet();

    PixelViewer *viewer() const;
    PixelViewer *sheetViewer() const;

private:
    std::shared_ptr<const tess::PixelLines> lines();
    // comparing: the viewer offers the picture before beside the picture after.
    PixelViewer *bringUp(QPointer<PixelViewer> &viewer, const QString &name, bool comparing);
    void sheetChanged();

    QWidget *m_window;
    SheetDrawing m_drawSheet;
    // Counts the sheet's changes: a drawing that ends after the next change is not shown.
    quint64 m_sheetVersion = 0;
    std::function<QImage()> m_before;
    QPointer<PixelViewer> m_viewer;
    QPointer<PixelViewer> m_sheetViewer;
    QString m_sheetName;
    std::function<tess::PixelLines()> m_build;
    std::shared_ptr<const tess::PixelLines> m_lines;
};
