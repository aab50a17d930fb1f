// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheet to Image: the records drawn into a picture.

#include "jobs.h"

#include "text/usertexts.h"

namespace tess {

Result Drawing::run(const PixelRecords &records, QSize extent, const StopFlag *stop, ProgressSink *progress)
{
    return drawImage(records, extent.width(), extent.height(), model, picture, &bent, stop, progress);
}

void Drawing::takeInto(const SheetSide &from, PictureSide &side)
{
    PictureSide drawn;
    drawn.before = side.image.isNull() ? side.before : side.image;
    drawn.image = std::move(picture);
    drawn.drawStats = bent;
    drawn.origin = Origin::drawn(from.namedBy(), model);
    side = std::move(drawn);
}

DrawJob::DrawJob(SharedRecords records, QSize extent, ColourModel model)
    : DocumentJob(Document::Work::DrawSheet, Side::Picture)
    , m_records(std::move(records))
    , m_extent(extent)
{
    m_drawing.model = model;
}

QString DrawJob::words() const
{
    return userText(Text::Drawing);
}

QString DrawJob::stoppedWords() const
{
    return userText(Text::DrawingStopped);
}

Result DrawJob::steps()
{
    return m_drawing.run(*m_records, m_extent, &m_stop, &m_percent);
}

void DrawJob::apply(Document &document)
{
    if (result().ok())
        m_drawing.takeInto(sheetOf(document), pictureOf(document));
    else
        pictureOf(document) = PictureSide{}; // no picture of that size: nothing stands as drawn
}

} // namespace tess
