// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "workbookreader.h"

namespace tess {

class WorkbookArchive;
struct WorkbookSheets;

// A sheet refused: not a valid sheet, for the reason given.
SheetInfo sheetRefused(const QString &why);
// The same for a refusal that already has its status.
SheetInfo sheetRefused(const Result &why);

// The active sheet if it is a visible worksheet with x and y, else the first visible one
// that has them; then the other layouts. The sheet's name is told when there are others.
SheetInfo readXlsxBook(WorkbookArchive &archive, const WorkbookSheets &book, PixelRecords &out,
                       const ReadProgress &progress, const SheetOptions &options);
// The same for the tables of an .ods book.
SheetInfo readOdsBook(WorkbookArchive &archive, const WorkbookSheets &book, PixelRecords &out,
                      const ReadProgress &progress, const SheetOptions &options);

} // namespace tess
