// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/pixelreadout.h"

#include <QMainWindow>

#include <memory>

class PixelCanvas;
class QLabel;

// A window for looking into a picture's pixels: the picture as squares, and in the status
// bar the numbers of the pixel pointed at, with its line in the sheet file when a sheet
// holds it. Ctrl+C copies those numbers.
class PixelViewer final : public QMainWindow
{
    Q_OBJECT

public:
    // title names the picture ("photo.png", "the sheet").
    explicit PixelViewer(const QString &title, QWidget *parent = nullptr);

    // A new picture keeps the zoom and the place. lines may be null: no sheet holds it.
    void setPicture(const QImage &picture, std::shared_ptr<const tess::PixelLines> lines);
    void setTitle(const QString &title);
    void setLines(std::shared_ptr<const tess::PixelLines> lines);

    PixelCanvas *canvas() const { return m_canvas; }
    // The status bar's words for the highlighted pixel; empty when none.
    QString readout() const { return m_readout; }

private:
    void showReadout(QPoint pixel);
    void showTitle();

    PixelCanvas *m_canvas;
    QLabel *m_readoutLabel;
    std::shared_ptr<const tess::PixelLines> m_lines;
    QString m_readout;
    QString m_title;
};
