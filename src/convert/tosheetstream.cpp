// SPDX-License-Identifier: GPL-3.0-or-later
// A picture straight to a CSV sheet, a run of records at a time: the command line's road,
// which needs the records only to write them. The sheet is the one saveSheetFile writes
// from imageToRecords' records, without a million records held at once.

#include "operations.h"

#include "image/imageconvert.h"
#include "csv/sheetwriter.h"
#include "io/safeoutput.h"
#include "text/usertexts.h"

#include <algorithm>

namespace tess {

namespace {

// Records a run: about 280 KB of text.
constexpr qint64 RunRecords = 16 * 1024;
constexpr qint64 LongestLine = 60; // five numbers of at most 11 characters, and their ends

Result writeSheetOfImage(QIODevice &device, const QImage &source, ColourModel model)
{
    const qint64 count = source.isNull() ? 0 : qint64(source.width()) * source.height();
    const SheetRunText make = [&](size_t index, char *out) {
        thread_local PixelRecords records; // each thread's own, kept from run to run
        const qint64 first = qint64(index) * RunRecords;
        const qint64 n = std::min(RunRecords, count - first);
        records.resize(size_t(n));
        scanRecords(source, first, n, records.data());
        return putSheetLines(records.data(), records.data() + n, model, out);
    };
    return writeSheetRuns(device, model, size_t((count + RunRecords - 1) / RunRecords), RunRecords * LongestLine,
                          make);
}

} // namespace

Result imageToSheetFile(const QImage &image, bool excel2002, const QString &path, ColourModel model,
                        const NoticeHandler &notice)
{
    return unlessOutOfMemory(Status::ConversionOutOfMemory, [&] {
        if (isWorkbookName(path)) {
            PixelRecords records;
            QSize extent;
            const Result converted = recordsFromImage(image, excel2002, records, extent, notice);
            return converted.ok() ? saveSheetFile(path, records, model) : converted;
        }
        const ReductionPlan plan = planReduction(image.size(), excel2002);
        if (plan.millionWarning && notice)
            notice(Notice{});
        const QImage source = scanSource(reducedImage(image, plan));
        // A picture with pixels that gives no source to scan could not allocate it: a sheet of
        // only its header would be a sheet with the picture lost.
        if (source.isNull() && !reducedSize(image.size(), plan).isEmpty())
            return outcome(Status::ConversionOutOfMemory);
        return sheetSaveResult(path, writeOutput(path, Status::SheetNotSaved, [&](QIODevice &device) {
                                   return writeSheetOfImage(device, source, model);
                               }));
    });
}

} // namespace tess
