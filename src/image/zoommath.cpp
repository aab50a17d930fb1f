// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoommath.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace tess::zoom {

namespace {

// Whole factors, closer together where a step is a large change.
constexpr double Steps[] = {1, 2, 3, 4, 6, 8, 12, 16, 24, 32, 48, 64};

} // namespace

QRect fittedRect(QSize picture, QRect area)
{
    if (picture.isEmpty() || area.isEmpty())
        return QRect();
    const qint64 w = picture.width();
    const qint64 h = picture.height();
    // Compared in integers: the side that limits is the one with the smaller ratio.
    QSize size;
    if (w * area.height() >= h * area.width())
        size = QSize(area.width(), int(std::max<qint64>(1, (h * area.width() + w / 2) / w)));
    else
        size = QSize(int(std::max<qint64>(1, (w * area.height() + h / 2) / h)), area.height());
    const QPoint corner(area.x() + (area.width() - size.width()) / 2,
                        area.y() + (area.height() - size.height()) / 2);
    return QRect(corner, size);
}

double fitScale(QSize picture, QSize view)
{
    if (picture.isEmpty() || view.isEmpty())
        return 1.0;
    const double fit = std::min(double(view.width()) / picture.width(), double(view.height()) / picture.height());
    if (fit < 1.0)
        return fit;
    return std::clamp(std::floor(fit), 1.0, MaxScale);
}

double openingScale(QSize picture, QSize view, double devicePixelRatio)
{
    const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QSize screenView = (QSizeF(view) * ratio).toSize();
    const double whole = std::max(1.0, std::floor(fitScale(picture, screenView)));
    return std::min(whole / ratio, MaxScale);
}

double stepScale(double scale, int direction, double fit)
{
    double next = scale;
    if (direction > 0) {
        const auto *up = std::upper_bound(std::begin(Steps), std::end(Steps), scale);
        next = up == std::end(Steps) ? MaxScale : *up;
    } else if (direction < 0) {
        const auto *down = std::lower_bound(std::begin(Steps), std::end(Steps), scale);
        next = down == std::begin(Steps) ? fit : *(down - 1);
    }
    // Out never goes below the fitting scale, or below 1:1 when that was chosen smaller.
    const double lowest = std::min({fit, scale, MaxScale});
    next = std::clamp(next, lowest, MaxScale);
    // A step never goes the other way (out from 1:1 on a small picture that fits larger).
    return direction < 0 ? std::min(next, scale) : std::max(next, scale);
}

QPointF anchoredScroll(QPointF scroll, QPointF anchor, double oldScale, double newScale)
{
    if (oldScale <= 0)
        return scroll;
    return (scroll + anchor) * (newScale / oldScale) - anchor;
}

QPoint pixelAt(QPointF viewPoint, QPointF scroll, double scale)
{
    const QPointF p = (viewPoint + scroll) / scale;
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

} // namespace tess::zoom
