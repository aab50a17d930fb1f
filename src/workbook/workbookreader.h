// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "csv/sheetreader.h"

class QIODevice;

namespace tess {

// Whether the device starts like a workbook: a ZIP container (.xlsx, .ods), or the
// compound file that a password-protected or old binary workbook is. Only peeks: the
// device's position is left where it was.
bool isWorkbook(QIODevice &device);

// Reads a sheet from an open device: the one way in for a device (loadSheetFile opens a
// path and comes here). The content decides. A workbook's worksheet is read by the rules
// of a CSV sheet: its first row with content is the header, every further row a data
// line, each cell a field (numbers as written in the file, cached results of formulas
// included; texts, booleans as TRUE or FALSE and errors as text; empty and missing cells
// as empty fields). A workbook that cannot be read (damaged, encrypted, without a
// worksheet, a ZIP bomb, malformed XML, a cell past the limits of a worksheet) gives
// NotValidSheet, with the reason in SheetInfo::detail, and no records. A file that is
// recognisably something else is refused naming what it is. Anything else is read as
// CSV text (readSheet). progress reports how far into the device the reading has come.
SheetInfo readSpreadsheet(QIODevice &device, PixelRecords &out, const ReadProgress &progress = {},
                          const SheetOptions &options = {});

} // namespace tess
