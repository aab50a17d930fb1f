// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/outcome.h"
#include "model/pixelrecord.h"
#include "io/stopping.h"

#include <QString>

class QIODevice;

namespace tess {

// A worksheet holds 1,048,576 rows; the header takes the first.
inline constexpr qsizetype WorkbookMaxRecords = 1048576 - 1;

// Writes the records as an .xlsx workbook: one worksheet whose first row, frozen, holds the
// header names of the model as text cells (the names of sheetHeader), then one row per
// record in vector order with x, y and the model's three values as numeric cells.
// Streams in constant memory into the open device; a QSaveFile gives the same safe
// replacement as for a CSV sheet. Fails with Status::SheetNotSaved, the reason as its
// detail, when there are more records than a worksheet has rows or as soon as the device
// refuses a write.
Result writeWorkbook(QIODevice &device, const PixelRecords &records, ColourModel model,
                     const StopFlag *stop = nullptr);

} // namespace tess
