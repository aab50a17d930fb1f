// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/safeoutput.h"
#include "model/notice.h"
#include "model/outcome.h"
#include "image/imageconvert.h"
#include "model/pixelrecord.h"
#include "csv/sheetreader.h"

#include <QImage>
#include <QSize>

#include <functional>
#include <optional>

namespace tess {

// The steps of the two conversions, each one press of a button in the window, all of them
// in a row on the command line. Each gives a Result; the window shows its title and
// message, the command line prints its message and detail.

// Hears a notice while the work goes on: the window's "Max Size Reached".
using NoticeHandler = std::function<void(const Notice &notice)>;

// ---- Image to sheet ----------------------------------------------------------------

// Reads the picture at path into image; image is untouched on failure.
Result loadImageFile(const QString &path, QImage &image);

// A notice for a picture file that loaded but is damaged: a JPEG that ends before its end
// marker, whose missing rows the decoder fills with grey. Empty when nothing is known.
QString imageDamageNotice(const QString &path);

// Reduces the picture by the rules of planReduction and scans it into out; extent is the
// size of the scanned picture. notice hears of the one-million reduction before the scan.
// A scan stopped by stop fails with Status::Stopped; progress hears how far the scan is.
Result recordsFromImage(const QImage &image, bool excel2002, PixelRecords &out, QSize &extent,
                        const NoticeHandler &notice = {}, const StopFlag *stop = nullptr,
                        ProgressSink *progress = nullptr);

// Whether saveSheetFile writes path as an .xlsx workbook rather than as CSV: its suffix says
// so (in any case). Standard output is always CSV.
bool isWorkbookName(const QString &path);

// Writes the sheet safely (io/safeoutput.h) in the format the suffix names; "-" is
// standard output.
// A save stopped by stop fails and leaves the file as it was.
Result saveSheetFile(const QString &path, const PixelRecords &records, ColourModel model,
                     const StopFlag *stop = nullptr);

// recordsFromImage + saveSheetFile in one, as the command line needs them: a CSV sheet is
// written a run of records at a time, never holding all of them.
Result imageToSheetFile(const QImage &image, bool excel2002, const QString &path, ColourModel model,
                        const NoticeHandler &notice = {});

// ---- Sheet to image ----------------------------------------------------------------

// Bytes of the sheet read so far, and the bytes expected or -1 (a pipe).
using SheetProgress = std::function<void(qint64 done, qint64 total)>;

// Reads the sheet at path ("-": standard input) into out; info as readSheet gives it. The
// content decides: a workbook (.xlsx, .ods) is read as one, anything else as CSV.
// A read stopped by stop fails soon after. options: how a sheet made by hand is read.
Result loadSheetFile(const QString &path, PixelRecords &out, SheetInfo &info,
                     const SheetProgress &progress = {}, const StopFlag *stop = nullptr,
                     const SheetOptions &options = {});

// The result for a sheet read from path: its message, and its detail with the path.
Result sheetResult(const SheetInfo &info, const QString &path);

// The model a fresh window shows.
inline constexpr ColourModel InitialModel = ColourModel::Rgb;

// The model a sheet with these columns must be shown in: RGB for one with only r, g, b
// columns, HSV for one with only h, s, v; none when either will do.
std::optional<ColourModel> requiredModel(bool hasRgb, bool hasHsv);

// The model the sheet is drawn in: the one asked for, if the sheet has its columns;
// without a request the required one, else InitialModel.
Result drawingModel(const SheetInfo &info, std::optional<ColourModel> asked, ColourModel &model);

// Draws the records into image (drawRecords); fails when no picture of that size can be
// made, in which case image is the null image. stats, if given, counts the values bent.
// A drawing stopped by stop fails with Status::Stopped; progress hears how far it is.
Result drawImage(const PixelRecords &records, int width, int height, ColourModel model, QImage &image,
                 DrawStats *stats = nullptr, const StopFlag *stop = nullptr,
                 ProgressSink *progress = nullptr);

// Writes the picture safely in the format its suffix names.
Result saveImageFile(const QImage &image, const QString &path, const StopFlag *stop = nullptr);

// ---- Details ------------------------------------------------------------------------

// "path: reason" for a detail line; empty without a reason.
QString pathDetail(const QString &path, const QString &reason);

// A sheet's path as a detail names it: "-" as the standard stream it stands for.
QString sheetPathName(const QString &path, bool reading);

// What writing a sheet to path came to: done, or Status::SheetNotSaved with the path and the
// reason (the writer's or the system's, else that the data was not written).
Result sheetSaveResult(const QString &path, const Result &written);

} // namespace tess
