// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>
#include <QImage>

// A picture shown as squares: from the scale that fits it up to 64 times, sharp at whole
// factors, with a grid between the pixels from 8 times on, one pixel highlighted. The
// mouse and the keyboard both point at pixels; what is pointed at is announced.
class PixelCanvas final : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit PixelCanvas(QWidget *parent = nullptr);

    // A new picture keeps the zoom and the place, so that a redraw can be compared.
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }

    double scale() const { return m_scale; }
    bool fits() const { return m_fits; }
    // Zooms keeping the picture point under anchor (viewport coordinates) in place.
    void setScale(double scale, QPointF anchor);
    void zoomStep(int direction, QPointF anchor);
    void zoomToFit();

    // The highlighted pixel; (-1, -1) when none.
    QPoint current() const { return m_current; }
    void setCurrent(QPoint pixel);

signals:
    void currentChanged(QPoint pixel);
    void scaleChanged(double scale);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Where the picture's top-left corner is drawn in the viewport.
    QPointF origin() const;
    QPoint pixelUnder(QPointF viewportPoint) const;
    QPointF zoomAnchor() const;
    double fitScale() const;
    void updateBars();
    void paintReduced(QPainter &painter, QPointF corner);
    void paintGrid(QPainter &painter, QPointF corner, QRect pixels);

    QImage m_picture;
    QImage m_reduced; // the picture smoothed to a fitting scale below 1, made once per scale
    double m_scale = 1.0;
    bool m_fits = true;
    QPoint m_current{-1, -1};
    bool m_dragging = false;
    QPoint m_dragStart;
    QPoint m_scrollAtDragStart;
};
