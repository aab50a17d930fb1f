// SPDX-License-Identifier: GPL-3.0-or-later
// The road from a picture to a sheet: reading the picture, turning it into records,
// writing the sheet.

#include "operations.h"

#include "image/imageconvert.h"
#include "image/imagefile.h"
#include "io/safeoutput.h"
#include "csv/sheetwriter.h"
#include "workbook/workbookreader.h"
#include "workbook/workbookwriter.h"
#include "csv/sheetheader.h"
#include "text/statuswords.h"
#include "text/usertexts.h"

#include <QFile>
#include <algorithm>
#include <QFileInfo>

namespace tess {

namespace {

// A pixel sheet chosen where a picture was asked for: a workbook, or text whose first
// line is a sheet's header or names its separator. Only the start of the file is read.
bool looksLikeSheet(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential())
        return false;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (isWorkbook(file))
        return suffix == QLatin1String("xlsx") || suffix == QLatin1String("ods");
    QByteArray line = file.readLine(4096).trimmed();
    if (line.startsWith("\xef\xbb\xbf"))
        line.remove(0, 3);
    if (!sheet::separatorLine(line).isEmpty())
        return true;
    SheetInfo info;
    return sheet::readHeader(line, sheet::headerSeparator(line), info).ok();
}

} // namespace

Result loadImageFile(const QString &path, QImage &image)
{
    Outcome<QImage> loaded = loadImage(path);
    if (!loaded.ok()) {
        Result failure = loaded.result();
        if (failure.status == Status::ImageUnreadable && looksLikeSheet(path))
            failure.detail = userText(Text::SheetFile);
        failure.detail = pathDetail(path, failure.detail.isEmpty() ? statusMessage(failure.status) : failure.detail);
        return failure;
    }
    image = std::move(loaded).value();
    return Result{};
}

QString imageDamageNotice(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential() || file.size() < 4)
        return QString();
    if (file.read(2) != QByteArrayLiteral("\xff\xd8"))
        return QString(); // not a JPEG
    // Some cameras pad the file after the end marker; the marker is looked for before it.
    const qint64 tail = std::min<qint64>(file.size(), 4096);
    file.seek(file.size() - tail);
    QByteArray end = file.read(tail);
    while (!end.isEmpty() && end.back() == '\0')
        end.chop(1);
    return end.endsWith(QByteArrayLiteral("\xff\xd9")) ? QString() : userText(Text::PictureEndsEarly);
}

Result recordsFromImage(const QImage &image, bool excel2002, PixelRecords &out, QSize &extent,
                        const NoticeHandler &notice, const StopFlag *stop, ProgressSink *progress)
{
    const Outcome<ImageConversion> conversion = imageToRecords(
        image, excel2002, out,
        [&](const ReductionPlan &plan) {
            if (plan.millionWarning && notice)
                notice(Notice{});
        },
        stop, progress);
    if (!conversion.ok())
        return conversion.result();
    extent = QSize(conversion.value().width, conversion.value().height);
    return Result{};
}

bool isWorkbookName(const QString &path)
{
    return path != StandardStreamPath
           && QFileInfo(path).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0;
}

Result saveSheetFile(const QString &path, const PixelRecords &records, ColourModel model, const StopFlag *stop)
{
    return unlessOutOfMemory(Status::SaveOutOfMemory, [&] {
        // The writer's own reason (too many rows for a worksheet) comes before the device's.
        if (isWorkbookName(path))
            return sheetSaveResult(path, writeOutput(path, Status::SheetNotSaved, [&](QIODevice &device) {
                                       return writeWorkbook(device, records, model, stop);
                                   }, stop));
        return sheetSaveResult(path, saveSheet(path, records, model, stop));
    });
}

} // namespace tess
