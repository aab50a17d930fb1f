// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The painted readings of a workbook's sheets, for the book readers: a worksheet without x
// and y may be a drawing made by painting its cells.

#include "xlsxsheet.h"
#include "workbookzip.h"
#include "csv/sheetreader.h"

#include <QStringList>

#include <vector>

namespace tess {

// The first .xlsx sheet of order whose painted cells form a picture (info then says how).
bool readPaintedSheet(WorkbookArchive &archive, const WorkbookSheets &book, const std::vector<int> &order,
                      PixelRecords &out, SheetInfo &info);

// The first of the .ods tables whose painted cells form a picture, as for .xlsx.
bool readOdsPaintedSheet(WorkbookArchive &archive, const QStringList &tables, PixelRecords &out, SheetInfo &info);

// Whether the painted cells' box holds the whole grid of values read from the same sheet:
// codes typed into a template that its rules colour are then the colours, not grey values.
bool covers(const SheetInfo &painted, const SheetInfo &grid);

} // namespace tess
