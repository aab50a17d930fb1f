// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>

// The geometry of showing a picture enlarged or reduced: the preview's aspect-true
// rectangle and the pixel viewer's zoom steps. Plain arithmetic, so that its edges are
// tested without a window.
namespace tess::zoom {

// The largest rectangle of the picture's proportions inside area, centred in it; the
// rest of area stays free. Empty for an empty picture or area. A side never shrinks
// below one pixel, so a 10000 x 1 strip still shows as a line.
QRect fittedRect(QSize picture, QRect area);

// The viewer's zoom: a scale of at least the fitting scale, at most MaxScale. Above 1
// the steps are whole factors; only the fitting scale of a picture larger than the
// view is a fraction.
inline constexpr double MaxScale = 64.0;
// From this scale on, a thin grid separates the pixels.
inline constexpr double GridScale = 8.0;

// The scale that shows the whole picture in a view of that size: a whole factor when
// the picture is smaller than the view, else the fraction that fits it.
double fitScale(QSize picture, QSize view);

// The scale a viewer opens at: the largest whole number of screen pixels per picture pixel
// (screen pixels: the view's devicePixelRatio apart) with which the picture fits, and one
// screen pixel each for a picture larger than the view, so that every pixel shows exactly.
double openingScale(QSize picture, QSize view, double devicePixelRatio);

// One step in (+1) or out (-1) from scale, never past the fitting scale or MaxScale.
double stepScale(double scale, int direction, double fit);

// The scroll offset that keeps the picture point under anchor (view coordinates) in
// place when the scale changes from oldScale to newScale.
QPointF anchoredScroll(QPointF scroll, QPointF anchor, double oldScale, double newScale);

// The pixel under a view point at that scale and scroll offset; may lie outside.
QPoint pixelAt(QPointF viewPoint, QPointF scroll, double scale);

} // namespace tess::zoom
