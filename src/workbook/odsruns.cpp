// SPDX-License-Identifier: GPL-3.0-or-later
#include "odsruns.h"

#include "odsrules.h"
#include "paintedbox.h"

#include <climits>

namespace tess::ods {

namespace {

// Programs pad a table to the sheet's full size with rows and cells repeated to its end:
// a run reaching this far is cut to the rest of the table's extent.
constexpr qint64 OpenColumns = 1024;
constexpr qint64 OpenRows = 65536;

bool openColumns(const Run &run) { return run.columns > 1 && run.column + run.columns >= OpenColumns; }
bool openRows(const Run &run) { return run.rows > 1 && run.row + run.rows >= OpenRows; }

} // namespace

bool pictureOfRuns(const std::vector<Run> &runs, Extent content, qint64 numbers, PixelRecords &out,
                   SheetInfo &info)
{
    // A fill that runs to the sheet's end both ways is its background (a converter
    // writes white into every cell): cells showing it do not make the box.
    std::vector<QRgb> background;
    for (const Run &run : runs) {
        if (openColumns(run) && openRows(run))
            background.push_back(run.colour);
    }
    const auto isBackground = [&](const Run &run) {
        return std::find(background.begin(), background.end(), run.colour) != background.end();
    };
    // What bounds a fill that runs to the end: the painted runs that do not, and the cells
    // holding something.
    Extent bound = content;
    for (const Run &run : runs) {
        if (!openColumns(run) && !openRows(run) && !isBackground(run))
            bound.take(run.column, run.row, run.columns, run.rows);
    }
    std::vector<Run> kept;
    PaintedBox box;
    qint64 left = LLONG_MAX, top = LLONG_MAX, right = -1, bottom = -1;
    for (Run run : runs) {
        if (openColumns(run))
            run.columns = std::min(run.columns, bound.right - run.column);
        if (openRows(run))
            run.rows = std::min(run.rows, bound.bottom - run.row);
        if (run.columns <= 0 || run.rows <= 0)
            continue;
        kept.push_back(run);
        if (isBackground(run))
            continue;
        left = std::min(left, run.column);
        top = std::min(top, run.row);
        right = std::max(right, run.column + run.columns);
        bottom = std::max(bottom, run.row + run.rows);
        box.painted = std::min(box.painted + run.columns * run.rows, RepeatCap);
    }
    if (right < 0 || right - left > PaintedCellLimit || bottom - top > PaintedCellLimit || top > INT_MAX)
        return false;
    box.left = int(left);
    box.top = int(top);
    box.width = int(right - left);
    box.height = int(bottom - top);
    box.numbers = numbers;
    if (!isPaintedPicture(box))
        return false;
    std::vector<QRgb> shown(size_t(box.width) * size_t(box.height), QRgb(0xFFFFFF));
    for (const Run &run : kept) {
        const qint64 x0 = std::max(run.column, left), x1 = std::min(run.column + run.columns, right);
        const qint64 y0 = std::max(run.row, top), y1 = std::min(run.row + run.rows, bottom);
        for (qint64 y = y0; y < y1; ++y) {
            if (x0 < x1)
                std::fill_n(shown.begin() + (y - top) * box.width + (x0 - left), x1 - x0, run.colour);
        }
    }
    return paintedPicture(box, [&](int x, int y) { return shown[size_t(y) * size_t(box.width) + size_t(x)]; }, out, info);
}

} // namespace tess::ods
