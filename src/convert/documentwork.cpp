// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentwork.h"
#include "picturesheet.h"

#include <utility>

namespace tess {

namespace {

// What the work says when memory runs out where no operation catches it.
Status outOfMemoryStatus(Document::Work work)
{
    using Work = Document::Work;
    switch (work) {
    case Work::LoadPicture:
    case Work::ReloadPicture:
        return Status::ImageOutOfMemory;
    case Work::LoadSheet:
    case Work::ReloadSheet:
        return Status::SheetOutOfMemory;
    case Work::ConvertPicture:
        return Status::ConversionOutOfMemory;
    case Work::DrawSheet:
        return Status::DrawingOutOfMemory;
    default:
        return Status::SaveOutOfMemory;
    }
}

} // namespace

// The operations say their own lack of memory; this catches what is left around them (the
// room for a picture's copy, a record block's handle), so that work which ran out is never
// taken for work done.
void Document::Job::run()
{
    result = unlessOutOfMemory(outOfMemoryStatus(work), [this] {
        runSteps();
        return result;
    });
    if (!result.ok()) {
        madeRecords.reset();
        madePicture = QImage();
    }
}

void Document::Job::runSteps()
{
    switch (work) {
    case Work::LoadPicture:
    case Work::ReloadPicture:
        readPicture();
        break;
    case Work::LoadSheet:
    case Work::ReloadSheet:
        readSheet();
        break;
    case Work::ConvertPicture:
        convert(picture);
        result = std::exchange(remade, Result{});
        break;
    case Work::DrawSheet:
        draw(*records, extent, model);
        result = std::exchange(remade, Result{});
        break;
    case Work::SavePicture:
        result = saveImageFile(picture, path, &stop);
        break;
    case Work::SaveSheet:
        result = shape == SheetShape::List ? saveSheetFile(path, *records, model, &stop) : savePictureShaped();
        break;
    case Work::None:
        break;
    }
}

// The sheet's picture, drawn as Spreadsheet to Image draws it, then reduced and written as
// the command line writes a picture-shaped workbook.
Result Document::Job::savePictureShaped()
{
    QImage drawn;
    const Result made = drawImage(*records, extent.width(), extent.height(), ColourModel::Rgb, drawn);
    if (!made.ok())
        return made;
    return imageToPictureSheetFile(drawn, PictureSheetSide, path, shape,
                                   [this](const Notice &notice) { notices.push_back(notice); });
}

void Document::Job::readPicture()
{
    result = loadImageFile(path, madePicture);
    if (result.ok() && remake)
        convert(madePicture);
}

void Document::Job::readSheet()
{
    madeRecords = std::make_shared<PixelRecords>();
    result = loadSheetFile(path, *madeRecords, info, {}, &stop);
    if (!result.ok()) {
        madeRecords.reset();
        return;
    }
    // A sheet saved anew may have lost the columns of the model shown; it is drawn in the
    // one it has, as the window shows it after reading.
    if (remake) {
        model = requiredModel(info.hasRgb, info.hasHsv).value_or(model);
        draw(*madeRecords, QSize(info.width, info.height), model);
    }
}

void Document::Job::convert(const QImage &from)
{
    auto made = std::make_shared<PixelRecords>();
    remade = recordsFromImage(from, excel2002, *made, scanned,
                              [this](const Notice &notice) { notices.push_back(notice); });
    if (remade.ok())
        madeRecords = std::move(made);
}

void Document::Job::draw(const PixelRecords &from, QSize size, ColourModel in)
{
    remade = drawImage(from, size.width(), size.height(), in, madePicture, &bent);
}

} // namespace tess
