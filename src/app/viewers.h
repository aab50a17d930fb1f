#pragma once

#include "image/pixelreadout.h"

#include <QImage>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class PixelViewer;
class QWidget;

// The window's pixel viewer, at most one per picture, and what it needs to know of the
// sheet: where each pixel is written in the file. That map is built once per sheet, and
// only when a viewer first asks for it.
class Viewers final : public QObject
{
    Q_OBJECT

public:
    explicit Viewers(QWidget *window);

    // Opens the viewer on the picture, or brings the open one forward.
    void open(const QImage &picture, const QString &name);
    // The picture shown changed (a load, a redraw): an open viewer follows it.
    void pictureChanged(const QImage &picture, const QString &name);

    // The sheet now is a file again (loaded or saved); build tells where its records are.
    void sheetInFile(std::function<tess::PixelLines()> build);
    // The sheet is gone or no longer what a file holds.
    void forgetSheet();

    PixelViewer *viewer() const;

private:
    std::shared_ptr<const tess::PixelLines> lines();
    void show(const QImage &picture, const QString &name);

    QWidget *m_window;
    QPointer<PixelViewer> m_viewer;
    std::function<tess::PixelLines()> m_build;
    std::shared_ptr<const tess::PixelLines> m_lines;
};
