// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "platform.h"
#include "progress.h"

#include "convert/operations.h"
#include "convert/sheetnotice.h"
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
    printError(result.message);
    if (!result.detail.isEmpty())
        printError(result.detail);
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

    return finish(imageToSheetFile(image, job.excel2002, job.sheetPath, job.model, printResult));
}

int runToImage(const ToImageJob &job)
{
    tess::PixelRecords records;
    SheetInfo info;
    Result result;
    {
        ProgressLine progress(userText(Text::ReadingSheet));
        result = loadSheetFile(job.sheetPath, records, info,
                               [&progress](qint64 done, qint64 total) { progress.update(done, total); });
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

} // namespace tess::cli
