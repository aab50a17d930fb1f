// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagecompare.h"

#include "text/usertexts.h"

#include <QLocale>

#include <algorithm>
#include <cstdlib>

namespace tess {

namespace {

QImage comparable(const QImage &picture)
{
    return picture.format() == QImage::Format_ARGB32 ? picture : picture.convertToFormat(QImage::Format_ARGB32);
}

// The largest change of one number between two pixels, and in which number.
int change(QRgb a, QRgb b, char *channel)
{
    const int diffs[] = {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)),
                         std::abs(qAlpha(a) - qAlpha(b))};
    const int *most = std::max_element(std::begin(diffs), std::end(diffs));
    *channel = "rgba"[most - std::begin(diffs)];
    return *most;
}

} // namespace

PictureDifference comparePictures(const QImage &before, const QImage &after)
{
    PictureDifference d;
    d.before = before.size();
    d.after = after.size();
    if (!d.sameSize())
        return d;
    const QImage a = comparable(before);
    const QImage b = comparable(after);
    for (int y = 0; y < a.height(); ++y) {
        const auto *rowA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *rowB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (rowA[x] == rowB[x])
                continue;
            ++d.changed;
            char channel = 'r';
            const int by = change(rowA[x], rowB[x], &channel);
            if (by > d.largest) {
                d.largest = by;
                d.channel = channel;
                d.where = QPoint(x, y);
            }
        }
    }
    return d;
}

QImage differencePicture(const QImage &before, const QImage &after)
{
    if (before.size() != after.size())
        return QImage();
    const QImage a = comparable(before);
    const QImage b = comparable(after);
    QImage out(a.size(), QImage::Format_RGB32);
    if (out.isNull())
        return out;
    for (int y = 0; y < a.height(); ++y) {
        const auto *rowA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *rowB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        auto *target = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            char channel;
            const int by = rowA[x] == rowB[x] ? 0 : change(rowA[x], rowB[x], &channel);
            if (by == 0) {
                const int grey = qGray(rowB[x]) / 4;
                target[x] = qRgb(grey, grey, grey);
            } else {
                // Even the smallest change shows; the larger it is, the brighter.
                target[x] = qRgb(128 + by / 2, 32, 32);
            }
        }
    }
    return out;
}

QString differenceSummary(const PictureDifference &d)
{
    const QLocale locale;
    if (!d.sameSize())
        return userText(Text::SizesDiffer)
            .arg(locale.toString(d.before.width()), locale.toString(d.before.height()),
                 locale.toString(d.after.width()), locale.toString(d.after.height()));
    QString summary = userText(d.changed == 1 ? Text::PixelChanged : Text::PixelsChanged).arg(locale.toString(d.changed));
    if (d.changed > 0)
        summary += userText(Text::LargestChange)
                       .arg(locale.toString(d.largest), QString(QLatin1Char(d.channel)), locale.toString(d.where.x()),
                            locale.toString(d.where.y()));
    return summary;
}

QString beforeAfterReadout(QPoint p, QRgb before, QRgb after)
{
    return userText(Text::BeforeAfterReadout)
        .arg(p.x())
        .arg(p.y())
        .arg(qRed(before))
        .arg(qGreen(before))
        .arg(qBlue(before))
        .arg(qRed(after))
        .arg(qGreen(after))
        .arg(qBlue(after));
}

} // namespace tess
