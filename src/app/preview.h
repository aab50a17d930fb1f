#pragma once

#include <QImage>
#include <QObject>
#include <QPixmap>

// The picture as the preview shows it at size: smoothed along a side that shrinks, so a
// photo stays a photo, and blown up without smoothing along a side that grows, so that
// every pixel of a small picture is a sharp block.
QImage previewScaled(const QImage &image, QSize size);

// Watches a label that stretches its picture over itself and paints an enlarged picture
// with previewScaled; the label paints a shrunk one itself, smoothed as before. Kept as a
// filter so that the preview stays the plain QLabel the rest of the window knows.
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
