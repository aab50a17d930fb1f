#include "workbookreader.h"

#include "workbookzip.h"
#include "worksheettext.h"
#include "xlsxsheet.h"
#include "text/usertexts.h"

#include <QFile>
#include <QTemporaryFile>

#include <memory>
#include <new>

namespace tess {

namespace {

// A ZIP container starts with a local file header or, when empty, with its directory's end.
bool isZip(QByteArrayView head)
{
    return head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06");
}

// The compound file of the old binary formats, which is also what an encrypted .xlsx is.
bool isCompoundFile(QByteArrayView head)
{
    return head.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
}

SheetInfo refused(const QString &why)
{
    SheetInfo info;
    info.status = SheetStatus::NotValidSheet;
    info.detail = why;
    return info;
}

// A ZIP container is read from its end: a device that cannot seek (a pipe) is first
// copied into a private temporary file, bounded like an entry.
bool spool(QIODevice &device, QTemporaryFile &file)
{
    if (!file.open())
        return false;
    char block[64 * 1024];
    qint64 total = 0;
    for (;;) {
        qint64 n = device.read(block, sizeof block);
        if (n == 0 && device.waitForReadyRead(-1))
            n = device.read(block, sizeof block);
        if (n <= 0)
            return file.seek(0);
        total += n;
        if (total > WorkbookEntryLimit || file.write(block, n) != n)
            return false;
    }
}

SheetInfo readContainer(QIODevice &device, PixelRecords &out, const ReadProgress &progress)
{
    WorkbookArchive archive(device);
    if (!archive.open())
        return refused(archive.failure());
    std::unique_ptr<WorksheetSource> source = openFirstWorksheet(archive);
    if (!source)
        return refused(archive.failure());

    WorksheetDevice text(std::move(source));
    ReadProgress position;
    if (progress)
        position = [&](qint64) { progress(archive.position()); };
    SheetInfo info = readSheet(text, out, position);
    text.finish();
    if (!text.failure().isEmpty()) {
        out.clear();
        return refused(text.failure());
    }
    // The lines of the worksheet's text are not the worksheet's rows (rows without
    // content give none), so no record's row is claimed.
    info.lines = RecordLines{};
    return info;
}

} // namespace

bool isWorkbook(QIODevice &device)
{
    const QByteArray head = device.peek(8);
    return isZip(head) || isCompoundFile(head);
}

SheetInfo readWorkbook(QIODevice &device, PixelRecords &out, const ReadProgress &progress)
{
    out.clear();
    const QByteArray head = device.peek(8);
    if (isCompoundFile(head))
        return refused(userText(Text::PasswordOrOldFormat));
    if (!device.isSequential())
        return readContainer(device, out, progress);
    QTemporaryFile copy;
    if (!spool(device, copy))
        return refused(userText(Text::NotCopiedToTemporary));
    return readContainer(copy, out, progress);
}

SheetInfo loadSpreadsheet(const QString &path, PixelRecords &out, const ReadProgress &progress)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.clear();
        SheetInfo info;
        info.status = SheetStatus::CannotOpen;
        info.detail = file.errorString();
        return info;
    }
    return readSpreadsheet(file, out, progress);
}

SheetInfo readSpreadsheet(QIODevice &device, PixelRecords &out, const ReadProgress &progress)
{
    if (!isWorkbook(device))
        return readSheet(device, out, progress);
    // Memory may run out anywhere in a workbook's layers (the container's directory, the
    // shared texts, a thread's stack); the CSV reader beneath catches it for the records.
    try {
        return readWorkbook(device, out, progress);
    } catch (const std::bad_alloc &) {
        out.clear();
        out.shrink_to_fit();
        SheetInfo info;
        info.status = SheetStatus::OutOfMemory;
        info.detail = userText(Text::WorksheetOutOfMemory);
        return info;
    }
}

} // namespace tess
