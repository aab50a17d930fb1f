// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a picture or a sheet: the side read replaces what it held, and the other side,
// made from it no more, is emptied.

#include "jobs.h"

#include "text/usertexts.h"

namespace tess {

QString ReadJob::words() const
{
    return userText(Text::Reading).arg(fileName());
}

QString ReadJob::stoppedWords() const
{
    return userText(Text::ReadingCancelled).arg(fileName());
}

LoadPictureJob::LoadPictureJob(const QString &path, Document::Work work)
    : ReadJob(work, Side::Picture, path)
{
}

Result LoadPictureJob::steps()
{
    return loadImageFile(path(), m_made);
}

void LoadPictureJob::takePicture(Document &document, const QImage &before)
{
    PictureSide &picture = pictureOf(document);
    picture = PictureSide{};
    picture.image = m_made;
    picture.before = before;
    picture.file = path();
    picture.saved = true; // what was read from a file is what the file holds
    picture.origin = Origin::loaded(path());
}

void LoadPictureJob::apply(Document &document)
{
    if (!result().ok())
        return; // a failed read changes nothing
    // A new picture has nothing to be compared with.
    takePicture(document, QImage());
    sheetOf(document) = SheetSide{};
}

LoadSheetJob::LoadSheetJob(const QString &path, Document::Work work)
    : ReadJob(work, Side::Sheet, path)
{
}

Result LoadSheetJob::steps()
{
    m_records = std::make_shared<PixelRecords>();
    return loadSheetFile(
        path(), *m_records, m_info, [this](qint64 done, qint64 total) { tell(done, total); }, &m_stop);
}

void LoadSheetJob::takeSheet(Document &document)
{
    SheetSide &sheet = sheetOf(document);
    sheet.records = std::move(m_records);
    sheet.info = std::move(m_info);
    sheet.file = path();
    sheet.saved = true;
    sheet.origin = Origin::loaded(path());
}

void LoadSheetJob::apply(Document &document)
{
    if (!result().ok())
        return;
    takeSheet(document);
    pictureOf(document) = PictureSide{};
}

} // namespace tess
