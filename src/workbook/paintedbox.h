// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The box around a worksheet's painted cells and the picture it makes, shared by the
// readers of painted .xlsx and .ods worksheets.

#include "csv/sheetreader.h"
#include "model/pixelrecord.h"

#include <QRgb>

#include <functional>

namespace tess {

// A picture of more cells than this is no drawing a hand painted; it would only cost memory.
constexpr qint64 PaintedCellLimit = 4 << 20;

struct PaintedBox
{
    int left = 0;          // the column and row of the box's first cell
    int top = 0;
    int width = 0;
    int height = 0;
    qint64 painted = 0;    // cells that show a fill
    qint64 numbers = 0;    // cells holding a number, painted or not
};

// Whether the painted cells make a picture: a block of at least 2 x 2 cells, no larger than
// the limit, and not fewer painted cells than typed numbers (a table with a coloured header
// is no picture).
bool isPaintedPicture(const PaintedBox &box);

// The picture of the box, one pixel per cell in the colour colourAt(x, y) gives from its
// top left; false (out empty) when the box makes none. info says it was read from painted cells.
bool paintedPicture(const PaintedBox &box, const std::function<QRgb(int x, int y)> &colourAt, PixelRecords &out,
                    SheetInfo &info);

} // namespace tess
