// The road from a picture to a sheet: reading the picture, turning it into records,
// writing the sheet.

#include "operations.h"

#include "image/imageconvert.h"
#include "image/imagefile.h"
#include "io/safeoutput.h"
#include "csv/sheetwriter.h"
#include "workbook/workbookwriter.h"
#include "text/usertexts.h"

#include <QFile>
#include <QFileInfo>

namespace tess {

namespace {

// Why loadImage refused a path, as far as it can be told without a decoder's own words.
QString unreadableReason(const QString &path)
{
    if (QFileInfo(path).isDir())
        return userText(Text::IsAFolder);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return userText(Text::NotAnImage);
}

} // namespace

Result loadImageFile(const QString &path, QImage &image)
{
    if (loadImage(path, image))
        return Result{};
    return outcome(Status::ImageUnreadable, pathDetail(path, unreadableReason(path)));
}

Result recordsFromImage(const QImage &image, bool excel2002, PixelRecords &out, QSize &extent,
                        const Notice &notice)
{
    const ImageConversion conversion = imageToRecords(image, excel2002, out, [&](const ReductionPlan &plan) {
        if (plan.millionWarning && notice)
            notice(outcome(Status::ImageReduced));
    });
    extent = QSize(conversion.width, conversion.height);
    return Result{};
}

bool isWorkbookName(const QString &path)
{
    return path != StandardStreamPath
           && QFileInfo(path).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0;
}

Result saveSheetFile(const QString &path, const PixelRecords &records, ColourModel model)
{
    QString reason;
    if (isWorkbookName(path)) {
        // The writer's own reason (too many rows for a worksheet) comes before the device's.
        const OutputResult output = writeOutput(path, [&](QIODevice &device) {
            return writeWorkbook(device, records, model, &reason);
        });
        if (output.written)
            return Result{};
        if (reason.isEmpty())
            reason = output.reason.isEmpty() ? userText(Text::DataNotWritten) : output.reason;
    } else if (saveSheet(path, records, model, &reason) == SheetSaveStatus::Saved) {
        return Result{};
    }
    return outcome(Status::SheetNotSaved, pathDetail(sheetPathName(path, false), reason));
}

} // namespace tess
