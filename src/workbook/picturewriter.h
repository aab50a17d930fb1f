// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/outcome.h"
#include "model/pixelrecord.h"
#include "model/sheetshape.h"
#include "io/stopping.h"

#include <QString>

#include <cstdint>
#include <vector>

class QIODevice;

namespace tess {

// The pixels a picture-shaped sheet shows, row by row (0xRRGGBB each).
struct PictureGrid
{
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// Places the records in a grid of width x height. Values are brought into 0..255 as the
// drawing brings them; the last record naming a pixel wins; a pixel no record names is
// black; records outside the grid are passed over. Empty grid when it does not fit in memory.
PictureGrid pictureGrid(const PixelRecords &records, int width, int height);

// Whether a worksheet holds this picture in this shape (16,384 columns, 1,048,576 rows).
bool fitsPictureSheet(int width, int height, SheetShape shape);

// The zoom (in percent, 10 to 100) at which the whole sheet fits a 1280 x 800 screen.
int pictureZoom(int width, int height, SheetShape shape);

// Write the picture-shaped workbook, RGB (SheetShape::Picture) or grey, into the open
// device: an .xlsx or an OpenDocument spreadsheet. One worksheet named "Picture" in the
// user's language; row 1 holds "y", "colour" (RGB only) and the x numbers, column A the
// picture row y and, in RGB, column B the letter of the channel; the values are number
// cells coloured by one fixed colour scale per channel. Fails with Status::SheetNotSaved, the
// reason as its detail, when the sheet would be larger than a worksheet or the device
// refuses a write.
Result writePictureXlsx(QIODevice &device, const PictureGrid &grid, SheetShape shape,
                        const StopFlag *stop = nullptr);
Result writePictureOds(QIODevice &device, const PictureGrid &grid, SheetShape shape,
                       const StopFlag *stop = nullptr);

} // namespace tess
