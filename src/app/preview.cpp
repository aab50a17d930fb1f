// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview.h"

#include "image/zoommath.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>

QImage previewScaled(const QImage &image, QSize size)
{
    if (image.isNull() || size.isEmpty())
        return QImage();
    // Shrink smoothly first, to at most the target along each side, then repeat pixels.
    const QSize shrunk(qMin(image.width(), size.width()), qMin(image.height(), size.height()));
    const QImage small = shrunk == image.size()
        ? image
        : image.scaled(shrunk, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return small.size() == size ? small : small.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool SharpEnlargement::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint)
        return false;
    auto *label = qobject_cast<QLabel *>(watched);
    // A disabled label greys its picture out; it only is disabled while it shows none.
    if (!label || !label->hasScaledContents() || !label->isEnabled())
        return false;
    const QPixmap picture = label->pixmap();
    if (picture.isNull())
        return false;
    const qreal ratio = label->devicePixelRatio();
    const QRect area = label->contentsRect();
    const QRect target = tess::zoom::fittedRect(picture.size(), area);
    const QSize size = target.size() * ratio;
    if (size.isEmpty())
        return true;

    if (m_sourceKey != picture.cacheKey() || m_scaled.size() != size) {
        m_scaled = QPixmap::fromImage(previewScaled(picture.toImage(), size));
        m_scaled.setDevicePixelRatio(ratio);
        m_sourceKey = picture.cacheKey();
    }
    QPainter painter(label);
    painter.drawPixmap(target.topLeft(), m_scaled);
    return true;
}
