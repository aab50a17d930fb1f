// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturesheet.h"

#include "image/imageconvert.h"
#include "io/safeoutput.h"
#include "text/usertexts.h"
#include "workbook/picturewriter.h"

#include <QFileInfo>

namespace tess {

bool isOdsName(const QString &path)
{
    return path != StandardStreamPath
           && QFileInfo(path).suffix().compare(QLatin1String("ods"), Qt::CaseInsensitive) == 0;
}

bool isPictureSheetName(const QString &path)
{
    return isWorkbookName(path) || isOdsName(path);
}

qint64 pictureSheetRows(int height, SheetShape shape)
{
    return qint64(qMax(0, height)) * shapeRowsPerPixel(shape) + 1;
}

Result savePictureSheetFile(const QString &path, const PixelRecords &records, int width, int height,
                            SheetShape shape, const StopFlag *stop)
{
    return unlessOutOfMemory(Status::SaveOutOfMemory, [&] {
        const PictureGrid grid = pictureGrid(records, width, height);
        if (grid.pixels.empty() && width > 0 && height > 0)
            return outcome(Status::SaveOutOfMemory);
        const bool ods = isOdsName(path);
        return sheetSaveResult(path, writeOutput(path, Status::SheetNotSaved, [&](QIODevice &device) {
            return ods ? writePictureOds(device, grid, shape, stop) : writePictureXlsx(device, grid, shape, stop);
        }, stop));
    });
}

Result imageToPictureSheetFile(const QImage &image, int maxSide, const QString &path, SheetShape shape,
                               const NoticeHandler &notice, const StopFlag *stop)
{
    return unlessOutOfMemory(Status::ConversionOutOfMemory, [&] {
        const ReductionPlan plan = planSideReduction(image.size(), maxSide);
        const QImage reduced = reducedImage(image, plan);
        if (plan.reduced && notice)
            notice(Notice{Notice::Kind::ReducedForPictureSheet, reduced.size()});
        PixelRecords records;
        if (Result scan = scanImage(reduced, records, stop); !scan.ok())
            return scan;
        return savePictureSheetFile(path, records, reduced.width(), reduced.height(), shape, stop);
    });
}

} // namespace tess
