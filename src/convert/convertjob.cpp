// SPDX-License-Identifier: GPL-3.0-or-later
// Image to Spreadsheet: the picture scanned into records, the sheet they make.

#include "jobs.h"

#include "text/usertexts.h"

namespace tess {

Result Conversion::run(const QImage &picture, const NoticeHandler &notice, const StopFlag *stop,
                       ProgressSink *progress)
{
    auto made = std::make_shared<PixelRecords>();
    const Result converted = recordsFromImage(picture, excel2002, *made, scanned, notice, stop, progress);
    if (converted.ok())
        records = std::move(made);
    return converted;
}

void Conversion::takeInto(const PictureSide &from, SheetSide &sheet)
{
    SheetSide made;
    made.records = std::move(records);
    made.info.width = scanned.width();
    made.info.height = scanned.height();
    made.info.hasRgb = made.info.hasHsv = true;
    made.origin = Origin::converted(from.namedBy(), from.image.size(), scanned, excel2002);
    sheet = std::move(made);
}

ConvertJob::ConvertJob(QImage picture, bool excel2002)
    : DocumentJob(Document::Work::ConvertPicture, Side::Sheet)
    , m_picture(std::move(picture))
{
    m_conversion.excel2002 = excel2002;
}

QString ConvertJob::words() const
{
    return userText(Text::Converting);
}

QString ConvertJob::stoppedWords() const
{
    return userText(Text::ConvertingStopped);
}

Result ConvertJob::steps()
{
    return m_conversion.run(m_picture, keepNotice(), &m_stop, &m_percent);
}

void ConvertJob::apply(Document &document)
{
    // On failure the sheet there was stays.
    if (result().ok())
        m_conversion.takeInto(pictureOf(document), sheetOf(document));
}

} // namespace tess
