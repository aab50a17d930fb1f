// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/pixelreadout.h"

#include <QMainWindow>

#include <memory>

class BeforeAfter;
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

    // Offers the picture before beside the picture after: the choices of before, after and
    // their difference, and the counts of the change.
    void allowComparing();
    // The picture after and, when comparing is allowed, the one it replaced (may be null).
    void setPictures(const QImage &before, const QImage &after, std::shared_ptr<const tess::PixelLines> lines);
    BeforeAfter *comparing() const { return m_compare; }

    PixelCanvas *canvas() const { return m_canvas; }
    // The status bar's words for the highlighted pixel; empty when none.
    QString readout() const { return m_readout; }

private:
    void showReadout(QPoint pixel);
    void showTitle();
    void showChosen();

    PixelCanvas *m_canvas;
    BeforeAfter *m_compare = nullptr;
    QLabel *m_readoutLabel;
    std::shared_ptr<const tess::PixelLines> m_lines;
    QString m_readout;
    QString m_title;
};
