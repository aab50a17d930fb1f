// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixelcanvas.h"

#include "image/zoommath.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

namespace zoom = tess::zoom;

PixelCanvas::PixelCanvas(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::CrossCursor);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
}

void PixelCanvas::setPicture(const QImage &picture)
{
    const bool first = m_picture.isNull();
    m_picture = picture;
    m_reduced = QImage();
    if (first) {
        m_scale = zoom::openingScale(m_picture.size(), viewport()->size(), devicePixelRatioF());
        m_fits = m_scale == fitScale();
    } else if (m_fits) {
        m_scale = fitScale();
    }
    if (!m_picture.rect().contains(m_current))
        m_current = QPoint(-1, -1);
    updateBars();
    viewport()->update();
    emit currentChanged(m_current);
}

double PixelCanvas::fitScale() const
{
    return zoom::fitScale(m_picture.size(), viewport()->size());
}

void PixelCanvas::setScale(double scale, QPointF anchor)
{
    scale = std::clamp(scale, std::min(fitScale(), 1.0), zoom::MaxScale);
    const QPointF scroll = -origin();
    const QPointF next = zoom::anchoredScroll(scroll, anchor, m_scale, scale);
    m_scale = scale;
    m_fits = scale == fitScale();
    m_reduced = QImage();
    updateBars();
    horizontalScrollBar()->setValue(int(std::lround(next.x())));
    verticalScrollBar()->setValue(int(std::lround(next.y())));
    viewport()->update();
    emit scaleChanged(m_scale);
    // Zoomed with the keys, the pointer now is over another pixel.
    const QPoint cursor = viewport()->mapFromGlobal(QCursor::pos());
    if (viewport()->underMouse() && viewport()->rect().contains(cursor))
        setCurrent(pixelUnder(cursor));
}

void PixelCanvas::zoomStep(int direction, QPointF anchor)
{
    setScale(zoom::stepScale(m_scale, direction, fitScale()), anchor);
}

void PixelCanvas::zoomToFit()
{
    setScale(fitScale(), QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0));
    m_fits = true;
}

void PixelCanvas::setCurrent(QPoint pixel)
{
    if (!m_picture.rect().contains(pixel))
        pixel = QPoint(-1, -1);
    if (pixel == m_current)
        return;
    m_current = pixel;
    viewport()->update();
    emit currentChanged(m_current);
}

QPointF PixelCanvas::origin() const
{
    // A picture smaller than the view is centred in it; a larger one scrolls.
    const QSizeF shown = QSizeF(m_picture.size()) * m_scale;
    const QSize view = viewport()->size();
    const double x = shown.width() < view.width() ? (view.width() - shown.width()) / 2
                                                  : -double(horizontalScrollBar()->value());
    const double y = shown.height() < view.height() ? (view.height() - shown.height()) / 2
                                                    : -double(verticalScrollBar()->value());
    return QPointF(std::floor(x), std::floor(y));
}

QPoint PixelCanvas::pixelUnder(QPointF viewportPoint) const
{
    return zoom::pixelAt(viewportPoint, -origin(), m_scale);
}

void PixelCanvas::updateBars()
{
    const QSize shown(int(std::ceil(m_picture.width() * m_scale)), int(std::ceil(m_picture.height() * m_scale)));
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, shown.width() - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, shown.height() - view.height()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setSingleStep(std::max(1, int(m_scale)));
    verticalScrollBar()->setSingleStep(std::max(1, int(m_scale)));
}

void PixelCanvas::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (m_fits) {
        m_scale = fitScale();
        m_reduced = QImage();
    }
    updateBars();
}

void PixelCanvas::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(viewport());
    const QPointF corner = origin();
    if (m_scale < 1.0) {
        paintReduced(painter, corner);
    } else {
        // Only the pixels in view, each drawn as a square without smoothing.
        const QRect all = m_picture.rect();
        const QPoint first = pixelUnder(QPointF(0, 0));
        const QPoint last = pixelUnder(QPointF(viewport()->width(), viewport()->height()));
        const QRect pixels = QRect(first, last).intersected(all);
        if (pixels.isEmpty())
            return;
        const QRectF target(corner + QPointF(pixels.topLeft()) * m_scale, QSizeF(pixels.size()) * m_scale);
        painter.drawImage(target, m_picture, pixels);
        if (m_scale >= zoom::GridScale)
            paintGrid(painter, corner, pixels);
    }
    if (m_current.x() >= 0) {
        // Two rings, light and dark, so that the highlight shows on any colour.
        const QRectF square(corner + QPointF(m_current) * m_scale, QSizeF(m_scale, m_scale));
        const QRectF ring = square.adjusted(-1.5, -1.5, 1.5, 1.5);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 3));
        painter.drawRect(ring);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(ring);
    }
}

void PixelCanvas::paintReduced(QPainter &painter, QPointF corner)
{
    const QSize size(std::max(1, int(std::lround(m_picture.width() * m_scale))),
                     std::max(1, int(std::lround(m_picture.height() * m_scale))));
    if (m_reduced.size() != size)
        m_reduced = m_picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(corner, m_reduced);
}

void PixelCanvas::paintGrid(QPainter &painter, QPointF corner, QRect pixels)
{
    painter.setPen(QPen(QColor(128, 128, 128, 160), 0));
    const double top = corner.y() + pixels.top() * m_scale;
    const double bottom = corner.y() + (pixels.bottom() + 1) * m_scale;
    const double left = corner.x() + pixels.left() * m_scale;
    const double right = corner.x() + (pixels.right() + 1) * m_scale;
    for (int x = pixels.left(); x <= pixels.right() + 1; ++x) {
        const double at = corner.x() + x * m_scale;
        painter.drawLine(QPointF(at, top), QPointF(at, bottom));
    }
    for (int y = pixels.top(); y <= pixels.bottom() + 1; ++y) {
        const double at = corner.y() + y * m_scale;
        painter.drawLine(QPointF(left, at), QPointF(right, at));
    }
}

void PixelCanvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    m_dragging = true;
    m_dragStart = event->position().toPoint();
    m_scrollAtDragStart = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    viewport()->setCursor(Qt::ClosedHandCursor);
}

void PixelCanvas::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (m_dragging) {
        const QPoint moved = at - m_dragStart;
        horizontalScrollBar()->setValue(m_scrollAtDragStart.x() - moved.x());
        verticalScrollBar()->setValue(m_scrollAtDragStart.y() - moved.y());
    }
    setCurrent(pixelUnder(at));
}

void PixelCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = false;
        viewport()->setCursor(Qt::CrossCursor);
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void PixelCanvas::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return QAbstractScrollArea::wheelEvent(event);
    const int delta = event->angleDelta().y();
    if (delta != 0)
        zoomStep(delta > 0 ? 1 : -1, event->position());
    event->accept();
}

// The cursor when it is over the view, else the highlighted pixel, else the middle.
QPointF PixelCanvas::zoomAnchor() const
{
    const QPoint cursor = viewport()->mapFromGlobal(QCursor::pos());
    if (viewport()->rect().contains(cursor) && viewport()->underMouse())
        return cursor;
    if (m_current.x() >= 0)
        return origin() + (QPointF(m_current) + QPointF(0.5, 0.5)) * m_scale;
    return QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0);
}

void PixelCanvas::keyPressEvent(QKeyEvent *event)
{
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return zoomStep(1, zoomAnchor());
    case Qt::Key_Minus:
        return zoomStep(-1, zoomAnchor());
    case Qt::Key_0:
        return zoomToFit();
    case Qt::Key_1:
        return setScale(1.0, zoomAnchor());
    case Qt::Key_Left: step = QPoint(-1, 0); break;
    case Qt::Key_Right: step = QPoint(1, 0); break;
    case Qt::Key_Up: step = QPoint(0, -1); break;
    case Qt::Key_Down: step = QPoint(0, 1); break;
    default:
        return QAbstractScrollArea::keyPressEvent(event);
    }
    if (m_picture.isNull())
        return;
    const QPoint from = m_current.x() < 0 ? QPoint(0, 0) : m_current + step;
    const QPoint to(std::clamp(from.x(), 0, m_picture.width() - 1), std::clamp(from.y(), 0, m_picture.height() - 1));
    setCurrent(to);
    // Keep the highlighted pixel in view.
    const QPointF centre = (QPointF(to) + QPointF(0.5, 0.5)) * m_scale;
    const QSize view = viewport()->size();
    QScrollBar *h = horizontalScrollBar();
    QScrollBar *v = verticalScrollBar();
    if (centre.x() < h->value() || centre.x() > h->value() + view.width())
        h->setValue(int(centre.x() - view.width() / 2.0));
    if (centre.y() < v->value() || centre.y() > v->value() + view.height())
        v->setValue(int(centre.y() - view.height() / 2.0));
}
