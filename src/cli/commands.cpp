// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "platform.h"
#include "progress.h"

#include "convert/operations.h"
#include "convert/picturesheet.h"
#include "convert/sheetnotice.h"
#include "image/imagecompare.h"
#include "text/statuswords.h"
#include "text/usertexts.h"

#include <cstdio>

namespace tess::cli {

namespace {

constexpr int StandardError = 2;

// Some decoders and encoders print straight to the process's standard error ("libpng
// error: Read Error") before the program says "Invalid image format." itself; while one
// of them runs, standard error points to the null device.
class CodecSilence
{
public:
    CodecSilence()
    {
        std::fflush(stderr);
        m_saved = platform::duplicate(StandardError);
        const int sink = platform::openNullDevice();
        if (m_saved >= 0 && sink >= 0)
            platform::duplicateOnto(sink, StandardError);
        if (sink >= 0)
            platform::closeDescriptor(sink);
    }
    ~CodecSilence()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        platform::duplicateOnto(m_saved, StandardError);
        platform::closeDescriptor(m_saved);
    }
    CodecSilence(const CodecSilence &) = delete;
    CodecSilence &operator=(const CodecSilence &) = delete;

private:
    int m_saved = -1;
};

// The message, then the detail on a line of its own.
void printResult(const Result &result)
{
    printError(statusMessage(result.status));
    if (!result.detail.isEmpty())
        printError(result.detail);
}

void printNotice(const Notice &notice)
{
    printError(noticeMessage(notice));
}

int finish(const Result &result)
{
    if (result.ok())
        return ExitOk;
    printResult(result);
    return ExitFailed;
}

} // namespace

void printError(const QString &message)
{
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    std::fflush(stderr);
}

int runToSheet(const ToSheetJob &job)
{
    QImage image;
    Result result;
    {
        CodecSilence silence;
        result = loadImageFile(job.imagePath, image);
    }
    if (!result.ok())
        return finish(result);
    if (const QString damage = imageDamageNotice(job.imagePath); !damage.isEmpty())
        printError(damage);

    if (job.shape != SheetShape::List) {
        if (job.shape == SheetShape::Picture && job.model == ColourModel::Hsv)
            printError(userText(Text::PictureSheetInRgb));
        return finish(imageToPictureSheetFile(image, job.maxSide, job.sheetPath, job.shape, printNotice));
    }
    return finish(imageToSheetFile(image, job.excel2002, job.sheetPath, job.model, printNotice));
}

int runToImage(const ToImageJob &job)
{
    tess::PixelRecords records;
    SheetInfo info;
    Result result;
    {
        ProgressLine progress(userText(Text::ReadingSheet));
        result = loadSheetFile(job.sheetPath, records, info,
                               [&progress](qint64 done, qint64 total) { progress.update(done, total); }, nullptr,
                               SheetOptions{ job.onesWhite });
    }
    ColourModel model = InitialModel;
    if (result.ok())
        result = drawingModel(info, job.model, model);
    QImage image;
    DrawStats bent;
    if (result.ok())
        result = drawImage(records, info.width, info.height, model, image, &bent);
    records = tess::PixelRecords(); // give the memory back before the encoder needs its own
    if (result.ok()) {
        CodecSilence silence;
        result = saveImageFile(image, job.imagePath);
    }
    if (const QString notice = sheetNotice(info, bent); result.ok() && !notice.isEmpty())
        printError(notice);
    return finish(result);
}

int runCompare(const CompareJob &job)
{
    QImage before, after;
    Result result;
    {
        CodecSilence silence;
        result = loadImageFile(job.before, before);
        if (result.ok())
            result = loadImageFile(job.after, after);
    }
    if (!result.ok())
        return finish(result);
    const PictureDifference difference = comparePictures(before, after);
    if (!job.differencePath.isEmpty() && difference.sameSize()) {
        const QImage shown = differencePicture(before, after);
        before = after = QImage(); // the memory goes to the encoder
        CodecSilence silence;
        result = saveImageFile(shown, job.differencePath);
    }
    if (!result.ok())
        return finish(result);
    std::printf("%s\n", qUtf8Printable(differenceSummary(difference)));
    std::fflush(stdout);
    return difference.same() ? ExitOk : ExitDiffer;
}

} // namespace tess::cli
