// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheetreader.h"

#include <QByteArrayView>

#include <optional>

class QIODevice;

// A grid of values made by hand: a rectangular block of cells, one pixel each (rows are y,
// columns x), holding grey values 0-255, only 0 and 1 (ink: 1 is black), or colour codes
// (#RRGGBB, RRGGBB, rgb(r, g, b)). A first row and a first column of consecutive whole
// numbers from 0 or 1 are labels; empty rows and one-cell titles above the block are passed
// over. Tried after the pixel list and the picture-shaped layout.

namespace tess::sheet {

// Whether a CSV text starts as a grid: no line of its first 50 names x and y, and its first
// row (below empty rows and titles) starts with a value or a code, or with one after a
// corner cell of text.
bool isGridStart(QByteArrayView head);

// Reads the device when it starts as a grid: one record per cell, column by column as the
// pixel sheet of the same picture gives them, so that drawing and following work alike.
// A refusal names the first cell that does not fit. Nothing, with the device untouched,
// when it does not start so. firstLine: the number of the text's first line.
std::optional<SheetInfo> readIfGrid(QIODevice &device, PixelRecords &out, const ReadProgress &progress,
                                    qint64 firstLine, const SheetOptions &options);

// The refusal of a text in which neither a pixel list, nor a picture-shaped sheet nor a
// grid applies says what was looked for.
void tellWhatWasLookedFor(SheetInfo &info, const SheetOptions &options);

} // namespace tess::sheet
