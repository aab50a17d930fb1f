// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "operations.h"
#include "model/sheetshape.h"

namespace tess {

// The picture-shaped sheet: the picture's numbers in a grid of its own shape, coloured
// by the spreadsheet program as they are typed.

// The long edge a picture is reduced to for it, and the largest the command line allows:
// a sheet that a spreadsheet program still opens in seconds.
inline constexpr int PictureSheetSide = 256;
inline constexpr int MaxPictureSheetSide = 768;

// Whether the name asks for an OpenDocument spreadsheet (its suffix, in any case).
bool isOdsName(const QString &path);

// Whether a picture-shaped sheet can be written under this name: an .xlsx or .ods
// workbook; a CSV file cannot hold its colours.
bool isPictureSheetName(const QString &path);

// The rows a sheet of this shape has for a picture of width x height, its label row included.
qint64 pictureSheetRows(int height, SheetShape shape);

// Writes the records (an extent of width x height) safely as a picture-shaped workbook,
// .xlsx or .ods as the suffix says. The records are not reduced here.
Result savePictureSheetFile(const QString &path, const PixelRecords &records, int width, int height,
                            SheetShape shape, const StopFlag *stop = nullptr);

// The picture reduced to a long edge of maxSide at most (notice hears "reduced to 256 × 171
// for a picture-shaped sheet"), scanned and written as a picture-shaped workbook.
// A stop by stop leaves the file as it was.
Result imageToPictureSheetFile(const QImage &image, int maxSide, const QString &path, SheetShape shape,
                               const NoticeHandler &notice = {}, const StopFlag *stop = nullptr);

} // namespace tess
