// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbookreader.h"

#include "bookreader.h"
#include "gzipdevice.h"
#include "workbookzip.h"
#include "xlsxsheet.h"
#include "io/filekind.h"
#include "text/usertexts.h"

#include <QFile>
#include <QTemporaryFile>

#include <QStringList>

#include <functional>
#include <memory>
#include <new>

namespace tess {

namespace {

bool isZip(QByteArrayView head)
{
    return kindOfContent(head) == FileKind::Workbook;
}

bool isCompoundFile(QByteArrayView head)
{
    return kindOfContent(head) == FileKind::OldWorkbook;
}

// What a file that is no sheet is, by its first bytes: a reason naming it, or empty.
QString foreignKind(QByteArrayView head)
{
    switch (kindOfContent(head)) {
    case FileKind::Compressed:
        return userText(Text::CompressedFile);
    case FileKind::Picture:
        return userText(Text::PictureFile);
    case FileKind::Dif:
        return userText(Text::DifFile);
    case FileKind::WebPage:
        return userText(Text::WebPage);
    case FileKind::Xml:
        return userText(Text::XmlNoWorkbook);
    case FileKind::Csv:
    case FileKind::Workbook:
    case FileKind::OldWorkbook:
        break; // read as what they are
    }
    return {};
}

// A compound file is an old binary workbook, or the container of an encrypted one,
// whose stream is named in its directory.
QString compoundKind(QIODevice &device)
{
    const QByteArray name = QByteArray::fromRawData("E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0", 32);
    const QByteArray bytes = device.peek(16 << 20);
    return userText(bytes.contains(name) ? Text::PasswordProtectedWorkbook : Text::OldBinaryWorkbook);
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

// A file that is something else, named by its first bytes; a workbook inside a container
// other than its own is one as well.
QString foreignInside(QIODevice &device)
{
    const QByteArray head = device.peek(512);
    if (isWorkbook(device) || isGzip(head) || head.contains("gnumeric"))
        return userText(Text::CompressedFile);
    return foreignKind(head);
}

// The CSV text of a sheet packed alone into a ZIP container or a gzip file: read as a
// sheet file is, its packed bytes bounded as a workbook's part. textResult says, once the
// text has been read, why it stopped early: a refusal that outweighs what was read.
SheetInfo readPackedText(QIODevice &text, const std::function<Result()> &textResult, PixelRecords &out,
                         const ReadProgress &progress, const SheetOptions &options)
{
    if (const QString kind = foreignInside(text); !kind.isEmpty())
        return sheetRefused(kind);
    SheetInfo info = readSheet(text, out, progress, options);
    if (const Result why = textResult(); !why.ok()) {
        out.clear();
        return sheetRefused(why);
    }
    return info;
}

SheetInfo readZippedText(WorkbookArchive &archive, PixelRecords &out, const ReadProgress &progress, const SheetOptions &options)
{
    const QStringList files = archive.fileNames();
    if (files.isEmpty())
        return sheetRefused(userText(Text::NoWorkbookInZip));
    if (files.size() > 1)
        return sheetRefused(userText(Text::ZipManyFiles).arg(files.size()));
    const Outcome<std::unique_ptr<WorkbookEntry>> opened = archive.openEntry(files.front(), WorkbookArchive::Holds::Text);
    if (!opened.ok())
        return sheetRefused(opened.result());
    WorkbookEntry &entry = *opened.value();
    ReadProgress position;
    if (progress)
        position = [&](qint64) { progress(archive.position()); };
    return readPackedText(entry, [&] { return entry.result(); }, out, position, options);
}

SheetInfo readGzip(QIODevice &device, PixelRecords &out, const ReadProgress &progress, const SheetOptions &options)
{
    GzipDevice text(device);
    ReadProgress position;
    if (progress)
        position = [&](qint64) { progress(text.consumed()); };
    return readPackedText(text, [&] { return text.result(); }, out, position, options);
}

SheetInfo readContainer(QIODevice &device, PixelRecords &out, const ReadProgress &progress, const SheetOptions &options)
{
    WorkbookArchive archive(device);
    if (const Result opened = archive.open(); !opened.ok())
        return sheetRefused(opened);
    if (!holdsWorkbook(archive))
        return readZippedText(archive, out, progress, options);
    WorkbookSheets book;
    if (const Result read = readWorkbookSheets(archive, book); !read.ok())
        return sheetRefused(read);
    return book.ods ? readOdsBook(archive, book, out, progress, options) : readXlsxBook(archive, book, out, progress, options);
}

} // namespace

bool isWorkbook(QIODevice &device)
{
    const QByteArray head = device.peek(8);
    return isZip(head) || isCompoundFile(head);
}

static SheetInfo readWorkbook(QIODevice &device, PixelRecords &out, const ReadProgress &progress, const SheetOptions &options)
{
    out.clear();
    const QByteArray head = device.peek(8);
    if (isCompoundFile(head))
        return sheetRefused(compoundKind(device));
    if (!device.isSequential())
        return readContainer(device, out, progress, options);
    QTemporaryFile copy;
    if (!spool(device, copy))
        return sheetRefused(userText(Text::NotCopiedToTemporary));
    return readContainer(copy, out, progress, options);
}

SheetInfo readSpreadsheet(QIODevice &device, PixelRecords &out, const ReadProgress &progress, const SheetOptions &options)
{
    // Memory may run out anywhere in a workbook's layers (the container's directory, the
    // shared texts, a thread's stack); the CSV reader catches it for the records itself.
    try {
        if (isWorkbook(device)) {
            SheetInfo info = readWorkbook(device, out, progress, options);
            // A workbook's lines are its rows, not lines of a file a viewer could point to.
            info.lines = RecordLines{};
            return info;
        }
        if (isGzip(device.peek(2))) {
            SheetInfo info = readGzip(device, out, progress, options);
            info.lines = RecordLines{};
            return info;
        }
        if (const QString kind = foreignKind(device.peek(512)); !kind.isEmpty()) {
            out.clear();
            return sheetRefused(kind);
        }
        return readSheet(device, out, progress, options);
    } catch (const std::bad_alloc &) {
        return outOfMemorySheet(out, userText(Text::WorksheetOutOfMemory));
    }
}

} // namespace tess
