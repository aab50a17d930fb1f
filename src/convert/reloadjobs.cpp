// SPDX-License-Identifier: GPL-3.0-or-later
// A side's file saved anew by another program, read again: the other side, when it was
// made from this one, is made again; one that cannot be made now keeps the last good one.

#include "jobs.h"

namespace tess {

ReloadPictureJob::ReloadPictureJob(const QString &path, bool remake, bool excel2002)
    : LoadPictureJob(path, Document::Work::ReloadPicture)
    , m_remake(remake)
{
    m_conversion.excel2002 = excel2002;
}

Result ReloadPictureJob::steps()
{
    const Result read = LoadPictureJob::steps();
    if (read.ok() && m_remake)
        m_remade = m_conversion.run(m_made, keepNotice(), &m_stop, &m_percent);
    return read;
}

void ReloadPictureJob::dropMade()
{
    LoadPictureJob::dropMade();
    m_conversion.records.reset();
}

void ReloadPictureJob::apply(Document &document)
{
    if (!result().ok())
        return;
    // A picture changed on disk can be compared with what it was.
    takePicture(document, pictureOf(document).image);
    // The file the sheet was saved to is not rewritten behind the user's back, so the
    // records are in no file now; they still came from the picture.
    if (m_remake && m_remade.ok())
        m_conversion.takeInto(pictureOf(document), sheetOf(document));
}

ReloadSheetJob::ReloadSheetJob(const QString &path, bool remake, ColourModel model)
    : LoadSheetJob(path, Document::Work::ReloadSheet)
    , m_remake(remake)
{
    m_drawing.model = model;
}

Result ReloadSheetJob::steps()
{
    const Result read = LoadSheetJob::steps();
    if (!read.ok() || !m_remake)
        return read;
    // A sheet saved anew may have lost the columns of the model shown; it is drawn in the
    // one it has, as the window shows it after reading.
    m_drawing.model = requiredModel(m_info.hasRgb, m_info.hasHsv).value_or(m_drawing.model);
    m_remade = m_drawing.run(*m_records, QSize(m_info.width, m_info.height), &m_stop, &m_percent);
    return read;
}

void ReloadSheetJob::dropMade()
{
    LoadSheetJob::dropMade();
    m_drawing.picture = QImage();
}

void ReloadSheetJob::apply(Document &document)
{
    if (!result().ok())
        return;
    takeSheet(document);
    if (m_remake && m_remade.ok())
        m_drawing.takeInto(sheetOf(document), pictureOf(document));
}

} // namespace tess
