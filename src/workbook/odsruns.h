// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fills of an .ods table, as blocks of cells, and the picture they make: which fill is
// the sheet's background, and where a fill repeated to the sheet's end stops.

#include "csv/sheetreader.h"
#include "model/pixelrecord.h"

#include <QRgb>

#include <algorithm>
#include <vector>

namespace tess::ods {

// A block of cells showing one fill.
struct Run
{
    qint64 column, row, columns, rows;
    QRgb colour;
};

struct Extent
{
    qint64 right = -1;  // one past the last column, -1 while none
    qint64 bottom = -1;
    void take(qint64 column, qint64 row, qint64 columns, qint64 rows)
    {
        right = std::max(right, column + columns);
        bottom = std::max(bottom, row + rows);
    }
};

// The picture of the painted runs: content bounds the cells holding something, numbers
// counts those holding a number. False (out empty) when the runs make no picture.
bool pictureOfRuns(const std::vector<Run> &runs, Extent content, qint64 numbers, PixelRecords &out,
                   SheetInfo &info);

} // namespace tess::ods
