#include "commands.h"

#include "progress.h"

#include "image/imageconvert.h"
#include "image/imagefile.h"
#include "sheet/sheetreader.h"
#include "sheet/sheetwriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tess::cli {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("tessarine-cli", text);
}

// The same words the window shows in its dialogs.
QString millionWarning()
{
    return tr("This image will not fit into excel. It has been reduced to 1 million pixels so "
              "that data loss will not occur");
}
QString invalidImageMessage() { return tr("Invalid image format."); }
QString imageNotSavedMessage() { return tr("Warning: Image not Saved"); }
QString sheetNotSavedMessage() { return tr("Warning: Spreadsheet not Saved"); }

constexpr int StandardError = 2;

#ifdef Q_OS_WIN
int duplicate(int fd) { return _dup(fd); }
void duplicateOnto(int fd, int target) { _dup2(fd, target); }
void closeDescriptor(int fd) { _close(fd); }
int openNullDevice() { return _open("NUL", _O_WRONLY); }
#else
int duplicate(int fd) { return ::dup(fd); }
void duplicateOnto(int fd, int target) { ::dup2(fd, target); }
void closeDescriptor(int fd) { ::close(fd); }
int openNullDevice() { return ::open("/dev/null", O_WRONLY | O_CLOEXEC); }
#endif

// Some decoders print straight to the process's standard error ("libpng error: Read
// Error") before the program says "Invalid image format." itself; while one of them
// runs, standard error points to the null device.
class DecoderSilence
{
public:
    DecoderSilence()
    {
        std::fflush(stderr);
        m_saved = duplicate(StandardError);
        const int sink = openNullDevice();
        if (m_saved >= 0 && sink >= 0)
            duplicateOnto(sink, StandardError);
        if (sink >= 0)
            closeDescriptor(sink);
    }
    ~DecoderSilence()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        duplicateOnto(m_saved, StandardError);
        closeDescriptor(m_saved);
    }
    DecoderSilence(const DecoderSilence &) = delete;
    DecoderSilence &operator=(const DecoderSilence &) = delete;

private:
    int m_saved = -1;
};

bool writeSheetToStdout(const PixelRecords &records, ColourModel model, QString *errorString)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)
        || !writeSheet(out, records, model, errorString) || !out.flush()) {
        if (errorString->isEmpty())
            *errorString = out.errorString();
        return false;
    }
    return true;
}

// Reads the sheet from a path or from standard input, with a progress line on terminals.
SheetInfo readSheetFrom(const QString &path, PixelRecords &records)
{
    const QString label = tr("Reading sheet");
    if (path == StandardStream) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            return SheetInfo{SheetStatus::CannotOpen, {}, false, false, 0, 0};
        // A redirected file has a size; a pipe does not, and then megabytes are shown.
        ProgressLine progress(label, in.isSequential() ? -1 : in.size());
        return readSheet(in, records, [&progress](qint64 done) { progress.update(done); });
    }
    ProgressLine progress(label, QFileInfo(path).size());
    return loadSheet(path, records, [&progress](qint64 done) { progress.update(done); });
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
    bool loaded;
    {
        DecoderSilence silence;
        loaded = loadImage(job.imagePath, image);
    }
    if (!loaded) {
        printError(invalidImageMessage());
        return ExitFailed;
    }

    const ReductionPlan plan = planReduction(image.size(), job.excel2002);
    if (plan.millionWarning)
        printError(millionWarning());

    PixelRecords records;
    scanImage(reducedImage(image, plan), records);
    image = QImage(); // the working image is no longer needed while the sheet is written

    QString reason;
    bool saved;
    if (job.sheetPath == StandardStream)
        saved = writeSheetToStdout(records, job.model, &reason);
    else
        saved = saveSheet(job.sheetPath, records, job.model, &reason) == SheetSaveStatus::Saved;
    if (!saved) {
        printError(sheetNotSavedMessage());
        if (!reason.isEmpty())
            printError(job.sheetPath + QStringLiteral(": ") + reason);
        return ExitFailed;
    }
    return ExitOk;
}

int runToImage(const ToImageJob &job)
{
    PixelRecords records;
    const SheetInfo info = readSheetFrom(job.sheetPath, records);
    if (info.status != SheetStatus::Loaded) {
        printError(sheetStatusMessage(info.status));
        if (info.status == SheetStatus::CannotOpen)
            printError(job.sheetPath + QStringLiteral(": ") + tr("cannot be opened for reading"));
        return ExitFailed;
    }

    // A fresh window shows RGB unless the sheet has no red, green or blue at all.
    ColourModel model = info.hasRgb ? ColourModel::Rgb : ColourModel::Hsv;
    if (job.model) {
        model = *job.model;
        const bool present = model == ColourModel::Rgb ? info.hasRgb : info.hasHsv;
        if (!present) {
            printError(model == ColourModel::Rgb
                           ? tr("The sheet has no r, g or b column, so it cannot be drawn in RGB.")
                           : tr("The sheet has no h, s or v column, so it cannot be drawn in HSV."));
            return ExitFailed;
        }
    }

    const QImage image = drawRecords(records, info.maxX, info.maxY, model);
    records = PixelRecords(); // give the memory back before the encoder needs its own
    if (image.isNull()) {
        printError(imageNotSavedMessage());
        printError(tr("The sheet describes an image of %1 x %2 pixels, which cannot be created.")
                       .arg(info.maxX)
                       .arg(info.maxY));
        return ExitFailed;
    }
    if (!saveImage(image, job.imagePath)) {
        printError(imageNotSavedMessage());
        return ExitFailed;
    }
    return ExitOk;
}

} // namespace tess::cli
