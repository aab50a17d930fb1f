// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/safeoutput.h"
#include "model/outcome.h"
#include "model/pixelrecord.h"

#include <QString>

#include <functional>

class QIODevice;

namespace tess {

// The header line written for each colour model, line feed included.
QByteArray sheetHeader(ColourModel model);

// Writes the sheet: the header, then one line "x,y,c1,c2,c3\n" per record in vector
// order, plain decimal integers, nothing else. Fails with Status::SheetNotSaved as soon as
// the device refuses a write, the device's reason as its detail.
Result writeSheet(QIODevice &device, const PixelRecords &records, ColourModel model);

// The text of the lines of records begin..end, into out, which has room for 60 bytes a
// record; returns the end of the text.
char *putSheetLines(const PixelRecord *begin, const PixelRecord *end, ColourModel model, char *out);

// Makes the text of run index at out (at most the run capacity) and returns its end.
// Called from two threads at once, for different runs.
using SheetRunText = std::function<char *(size_t index, char *out)>;

// Writes the header, then the lines of the runs 0..runs-1 in order, as writeSheet does;
// the text of every other run is made on a second thread while this one writes.
Result writeSheetRuns(QIODevice &device, ColourModel model, size_t runs, size_t runCapacity,
                      const SheetRunText &make);

// Writes the sheet to path the safe way of writeOutput (io/safeoutput.h); "-" is standard
// output. Fails with Status::SheetNotSaved and the reason (the system's words) as its
// detail, leaving a file that was at the path as it was; so does a save stopped by stop.
Result saveSheet(const QString &path, const PixelRecords &records, ColourModel model,
                 const StopFlag *stop = nullptr);

} // namespace tess
