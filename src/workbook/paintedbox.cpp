// SPDX-License-Identifier: GPL-3.0-or-later
#include "paintedbox.h"

namespace tess {

bool isPaintedPicture(const PaintedBox &box)
{
    return box.painted > 0 && box.width >= 2 && box.height >= 2 && qint64(box.width) * box.height <= PaintedCellLimit
        && box.numbers <= box.painted;
}

bool paintedPicture(const PaintedBox &box, const std::function<QRgb(int x, int y)> &colourAt, PixelRecords &out,
                    SheetInfo &info)
{
    out.clear();
    if (!isPaintedPicture(box))
        return false;
    out.reserve(size_t(box.width) * size_t(box.height));
    for (int x = 0; x < box.width; ++x) {
        for (int y = 0; y < box.height; ++y) {
            const QRgb colour = colourAt(x, y);
            PixelRecord record;
            record.x = x;
            record.y = y;
            record.r = qRed(colour);
            record.g = qGreen(colour);
            record.b = qBlue(colour);
            out.push_back(record);
        }
    }
    info = SheetInfo{};
    info.status = Status::Done;
    info.grid = GridReading::Painted;
    info.gridOrigin = { box.left, box.top };
    // As for a grid of values: the box's first column stands for the columns a pixel list
    // has, and the colours are red, green and blue, so that the sheet is drawn in RGB when asked.
    info.columns.x = info.columns.y = box.left;
    info.columns.r = info.columns.g = info.columns.b = box.left;
    info.hasRgb = true;
    info.width = box.width;
    info.height = box.height;
    return true;
}

} // namespace tess
