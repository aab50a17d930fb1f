// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QObject>
#include <QPixmap>

// The picture as the preview shows it at size: smoothed along a side that shrinks, so a
// photo stays a photo, and blown up without smoothing along a side that grows, so that
// every pixel of a small picture is a sharp block.
QImage previewScaled(const QImage &image, QSize size);

// Watches a label that shows its picture scaled and paints it in the picture's own
// proportions, centred, with the free space left empty: a square stays a square and an
// upright photo upright. Enlarged without smoothing, reduced smoothly (previewScaled).
// Kept as a filter so that the preview stays the plain QLabel the rest of the window knows.
class SharpEnlargement final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    qint64 m_sourceKey = 0;
    QPixmap m_scaled;
};
