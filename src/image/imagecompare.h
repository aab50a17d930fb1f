// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

namespace tess {

// How two pictures of a lesson differ, pixel by pixel: the picture a sheet was made from
// and the one drawn again after an edit, say.
struct PictureDifference
{
    QSize before;
    QSize after;
    qint64 changed = 0;   // pixels whose r, g, b or alpha differ
    int largest = 0;      // the largest change of one number, 0 to 255
    char channel = 'r';   // where it is: r, g, b or a
    QPoint where{-1, -1}; // the first pixel, row by row, with that change

    bool sameSize() const { return before == after; }
    bool same() const { return sameSize() && changed == 0; }
};

// Compares two pictures of the same size number by number; pictures of different sizes
// are only told apart by their sizes.
PictureDifference comparePictures(const QImage &before, const QImage &after);

// A picture of the change: changed pixels highlighted in red, brighter the larger their
// change, unchanged ones dimmed to a dark grey of their own brightness, so that what an
// edit touched stands out. Null when the sizes differ.
QImage differencePicture(const QImage &before, const QImage &after);

// The user's words: "1,234 pixels changed; the largest change is 255 in r at x 3, y 7",
// "0 pixels changed", or the two sizes when they differ.
QString differenceSummary(const PictureDifference &difference);

// The numbers of one pixel in both pictures: "x 3, y 7 · before r 0 g 40 b 7 · after r 255 g 40 b 7".
QString beforeAfterReadout(QPoint p, QRgb before, QRgb after);

} // namespace tess
