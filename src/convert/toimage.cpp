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
    if (QFileInfo(path).isDir())
        return cannot(userText(Text::IsAFolder));
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly) ? Result{} : cannot(file.errorString());
}

Status statusFor(SheetStatus status)
{
    switch (status) {
    case SheetStatus::Loaded:
        return Status::Done;
    case SheetStatus::CannotOpen:
        return Status::SheetCannotOpen;
    case SheetStatus::NotValidSheet:
        return Status::SheetNotValid;
    case SheetStatus::NoColourValues:
        return Status::SheetNoColourValues;
    case SheetStatus::OutOfMemory:
        return Status::SheetOutOfMemory;
    }
    return Status::SheetNotValid;
}

} // namespace

Result sheetResult(const SheetInfo &info, const QString &path)
{
    return outcome(statusFor(info.status), pathDetail(sheetPathName(path, true), info.detail));
}

Result loadSheetFile(const QString &path, PixelRecords &out, SheetInfo &info, const SheetProgress &progress,
                     const StopFlag *stop)
{
    StoppableFile file(stop);
    if (const Result opened = openSheet(file, path); !opened.ok()) {
        out.clear();
        info = SheetInfo{};
        info.status = SheetStatus::CannotOpen;
        info.detail = opened.detail;
        return sheetResult(info, path);
    }
    // A redirected file has a size; a pipe does not.
    const qint64 total = file.isSequential() ? -1 : file.size();
    ReadProgress bytesRead;
    if (progress)
        bytesRead = [&progress, total](qint64 done) { progress(done, total); };
    info = readSpreadsheet(file, out, bytesRead);
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
                 DrawStats *stats)
{
    try {
        image = drawRecords(records, width, height, model, stats);
    } catch (const std::bad_alloc &) {
        image = QImage();
    }
    if (!image.isNull())
        return Result{};
    if (isDrawableExtent(width, height))
        return outcome(Status::DrawingOutOfMemory);
    return outcome(Status::ImageNotDrawn, userText(Text::ImageCannotBeCreated).arg(width).arg(height));
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
