#pragma once

#include "worksheettext.h"

#include <memory>

namespace tess {

class WorkbookArchive;

// The first worksheet of an .xlsx (or .xlsm) container, found through the package's
// relationships, with its shared texts loaded. Null, with the reason in archive.failure(),
// when the container holds no worksheet or its parts cannot be read.
std::unique_ptr<WorksheetSource> openXlsxSheet(WorkbookArchive &archive);

// The first table of an OpenDocument spreadsheet's content.xml. Null as above.
std::unique_ptr<WorksheetSource> openOdsSheet(WorkbookArchive &archive);

// The first worksheet of whichever of the two the open container holds.
std::unique_ptr<WorksheetSource> openFirstWorksheet(WorkbookArchive &archive);

} // namespace tess
