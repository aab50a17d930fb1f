// SPDX-License-Identifier: GPL-3.0-or-later
// Save Image and Save Sheet: the side's data written safely, and then in that file.

#include "jobs.h"
#include "picturesheet.h"

#include "text/usertexts.h"

namespace tess {

QString SaveJob::words() const
{
    return userText(Text::Writing).arg(fileName());
}

QString SaveJob::stoppedWords() const
{
    return userText(Text::WritingStopped).arg(fileName());
}

void SaveJob::apply(Document &document)
{
    if (!result().ok())
        return;
    if (side() == Side::Picture) {
        pictureOf(document).file = path();
        pictureOf(document).saved = true;
    } else {
        sheetOf(document).file = path();
        sheetOf(document).saved = true;
    }
}

SavePictureJob::SavePictureJob(QImage picture, const QString &path)
    : SaveJob(Document::Work::SavePicture, Side::Picture, path)
    , m_picture(std::move(picture))
{
}

Result SavePictureJob::steps()
{
    return saveImageFile(m_picture, path(), &m_stop);
}

SaveSheetJob::SaveSheetJob(SharedRecords records, QSize extent, ColourModel model, SheetShape shape,
                           const QString &path)
    : SaveJob(Document::Work::SaveSheet, Side::Sheet, path)
    , m_records(std::move(records))
    , m_extent(extent)
    , m_model(model)
    , m_shape(shape)
{
}

Result SaveSheetJob::steps()
{
    return m_shape == SheetShape::List ? saveSheetFile(path(), *m_records, m_model, &m_stop) : savePictureShaped();
}

// The sheet's picture, drawn as Spreadsheet to Image draws it, then reduced and written as
// the command line writes a picture-shaped workbook.
Result SaveSheetJob::savePictureShaped()
{
    QImage drawn;
    const Result made =
        drawImage(*m_records, m_extent.width(), m_extent.height(), ColourModel::Rgb, drawn, nullptr, &m_stop);
    if (!made.ok())
        return made;
    return imageToPictureSheetFile(drawn, PictureSheetSide, path(), m_shape, keepNotice(), &m_stop);
}

} // namespace tess
