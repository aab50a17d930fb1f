// SPDX-License-Identifier: GPL-3.0-or-later
// The road from a sheet to a picture: reading the sheet, choosing the model it is drawn
// in, drawing and writing the picture.

#include "operations.h"

#include "image/imageconvert.h"
#include "image/imagefile.h"
#include "io/safeoutput.h"
#include "workbook/workbookreader.h"
#include "text/usertexts.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <climits>

#include <cstdio>

namespace tess {

namespace {

// Opens the sheet for reading; fails with Status::SheetCannotOpen and the reason.
Result openSheet(QFile &file, const QString &path)
{
    const auto cannot = [](const QString &reason) { return outcome(Status::SheetCannotOpen, reason); };
    if (path == StandardStreamPath)
        return file.open(stdin, QIODevice::ReadOnly) ? Result{} : cannot(file.errorString());
    // Named as what it is, rather than by whatever opening a folder reports.
    const QFileInfo found(path);
    if (found.isDir())
        return cannot(userText(Text::IsAFolder));
    file.setFileName(path);
    if (file.open(QIODevice::ReadOnly))
        return Result{};
    // A file that is not there is no invalid sheet; one that is there but cannot be read
    // (no permission) is refused as before.
    return outcome(found.exists() ? Status::SheetCannotOpen : Status::SheetMissing,
                   file.errorString());
}

// The extent a sheet's records ask for: one more than the largest position, which for a
// position of INT_MAX is one more than an int holds (the extent given is held there).
qint64 fullSide(const PixelRecords &records, int side, int PixelRecord::*position)
{
    if (side != INT_MAX)
        return side;
    const bool atLimit = std::any_of(records.begin(), records.end(),
                                     [position](const PixelRecord &r) { return r.*position == INT_MAX; });
    return atLimit ? qint64(INT_MAX) + 1 : side;
}

QString tooLargeToDraw(const PixelRecords &records, int width, int height)
{
    const QLocale english(QLocale::English); // "65,536", as in the notice
    return userText(Text::ImageCannotBeCreated)
            .arg(english.toString(fullSide(records, width, &PixelRecord::x)),
                 english.toString(fullSide(records, height, &PixelRecord::y)),
                 english.toString(MaxDrawnSquareSide), english.toString(MaxDrawnPixels),
                 english.toString(MaxDrawnSide));
}

} // namespace

Result sheetResult(const SheetInfo &info, const QString &path)
{
    return outcome(info.status, pathDetail(sheetPathName(path, true), info.detail));
}

Result loadSheetFile(const QString &path, PixelRecords &out, SheetInfo &info, const SheetProgress &progress,
                     const StopFlag *stop, const SheetOptions &options)
{
    StoppableFile file(stop);
    if (const Result opened = openSheet(file, path); !opened.ok()) {
        out.clear();
        info = SheetInfo{};
        info.status = Status::SheetCannotOpen;
        info.detail = opened.detail;
        return outcome(opened.status, pathDetail(sheetPathName(path, true), info.detail));
    }
    // A redirected file has a size; a pipe does not.
    const qint64 total = file.isSequential() ? -1 : file.size();
    ReadProgress bytesRead;
    if (progress)
        bytesRead = [&progress, total](qint64 done) { progress(done, total); };
    info = readSpreadsheet(file, out, bytesRead, options);
    return sheetResult(info, path);
}

std::optional<ColourModel> requiredModel(bool hasRgb, bool hasHsv)
{
    if (hasRgb == hasHsv)
        return std::nullopt;
    return hasRgb ? ColourModel::Rgb : ColourModel::Hsv;
}

Result drawingModel(const SheetInfo &info, std::optional<ColourModel> asked, ColourModel &model)
{
    if (!asked) {
        model = requiredModel(info.hasRgb, info.hasHsv).value_or(InitialModel);
        return Result{};
    }
    if (*asked == ColourModel::Rgb && !info.hasRgb)
        return outcome(Status::NoRgbColumns);
    if (*asked == ColourModel::Hsv && !info.hasHsv)
        return outcome(Status::NoHsvColumns);
    model = *asked;
    return Result{};
}

Result drawImage(const PixelRecords &records, int width, int height, ColourModel model, QImage &image,
                 DrawStats *stats, const StopFlag *stop, ProgressSink *progress)
{
    try {
        image = drawRecords(records, width, height, model, stats, stop, progress);
    } catch (const std::bad_alloc &) {
        image = QImage();
    }
    if (!image.isNull())
        return Result{};
    if (stop && *stop)
        return outcome(Status::Stopped);
    if (isDrawableExtent(width, height))
        return outcome(Status::DrawingOutOfMemory);
    return outcome(Status::ImageNotDrawn, tooLargeToDraw(records, width, height));
}

Result saveImageFile(const QImage &image, const QString &path, const StopFlag *stop)
{
    return unlessOutOfMemory(Status::SaveOutOfMemory, [&] {
        Result saved = saveImage(image, path, stop);
        if (!saved.ok())
            saved.detail = pathDetail(path, saved.detail);
        return saved;
    });
}

} // namespace tess
