// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A worksheet drawn by painting its cells: one pixel per cell, in the colour it shows.

#include "csv/sheetreader.h"
#include "model/pixelrecord.h"

#include <QIODevice>

namespace tess {

struct XlsxStyles;
struct SharedTexts;

// Reads the painted cells of an .xlsx worksheet's XML: the box around them, one pixel per
// cell, unpainted cells inside it white. False (out empty) when nothing is painted, when the
// painted block is smaller than 2 x 2 cells, or when more cells hold numbers than are painted
// (a table with a coloured header is no picture). texts: the workbook's shared texts, which
// typed codes that conditional formats colour refer to.
bool readPaintedCells(QIODevice &worksheet, const XlsxStyles &styles, PixelRecords &out, SheetInfo &info,
                      const SharedTexts *texts = nullptr);

} // namespace tess
