// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/outcome.h"
#include "model/pixelrecord.h"
#include "model/sheetshape.h"
#include "model/recordlines.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

namespace tess {

// Zero-based header positions of each column, -1 when the header has none.
struct SheetColumns
{
    int x = -1;
    int y = -1;
    int r = -1;
    int g = -1;
    int b = -1;
    int a = -1;
    int h = -1;
    int s = -1;
    int v = -1;
};

struct SheetInfo
{
    // Done, or why the sheet was refused: SheetCannotOpen (the file could not be opened),
    // SheetNotValid (no header, a header without x or without y, or a quote never closed),
    // SheetNoColourValues (x and y but none of r, g, b, h, s, v) or SheetOutOfMemory (the
    // records did not fit in memory).
    Status status = Status::SheetNotValid;
    SheetColumns columns;   // as far as the header gave them, also on rejection
    bool hasRgb = false;    // the header has at least one of r, g, b
    bool hasHsv = false;    // the header has at least one of h, s, v
    int width = 0;          // the picture's: one more than the largest x (at least 1) when
    int height = 0;         // loaded, the same for y; both held at INT_MAX for a coordinate INT_MAX
    QString detail;         // why a sheet was refused, in plain words for the command line
                            // ("the header has no column named x; it has X, Y, R, G, B",
                            // "line 7: a quote is never closed")
    qint64 skippedLines = 0; // data lines without a pixel position, which gave no record
    qint64 notNumbers = 0;   // colour values of the records that were no numbers (read as 0)
    RecordLines lines;       // the line of the file each record was read from
    qint64 emptyColours = 0; // colour values of the records that were empty or missing (0)
    qint64 linesAboveHeader = 0; // non-empty lines before the header (a title), skipped
    QString notNumberExample; // where the first of each was: "line 2, column g: '$21.00'"
    QString emptyExample;     // "line 2, column g"
    // Tab-separated files: values whose commas were read as digit groups ("1,199" as 1199,
    // its column holding whole numbers), and values of that form read as decimals.
    qint64 commaGroups = 0;
    qint64 commaDecimals = 0;
    QString commaGroupExample;   // "line 3, column x: '1,199' as 1199"
    QString commaDecimalExample; // "line 3, column r: '1,199' as 1.199"
    // Filled by the workbook reader:
    qint64 formulasWithoutResult = 0; // formula cells whose stored value cannot be trusted
    QString sheetName;        // the worksheet drawn, when the workbook has more than one
    SheetShape shape = SheetShape::List; // a picture-shaped sheet was read (its x, y and
                                         // colour columns are then nominal)
    QString worksheetName;    // the worksheet read, also when it is the only one
    GridReading grid = GridReading::None; // a sheet made by hand, read as a grid: how,
    GridOrigin gridOrigin;                // and where its pixel 0, 0 lies
    bool gridOnesWhite = false;           // Ink read with 1 as white
    bool paintedDithered = false;  // painted cells: some fills are patterns blending two colours
    QStringList unreadRules;       // painted cells: ranges whose conditional formats were not read
    QStringList channelSheets;     // Channels: the sheets of red, green and blue
};

// How a sheet made by hand is read: in a grid of only 0 and 1, 1 is black (ink) unless
// onesWhite turns it round.
struct SheetOptions
{
    bool onesWhite = false;
    // One channel of a picture kept in three sheets: a grid is read as its values 0-255
    // (never as ink, never as colour codes), and a refusal names only the cell.
    bool channelValues = false;
    // Read from a workbook, where painted cells are looked for too: a refusal says so.
    bool workbook = false;
};

// Called now and then while reading with the bytes consumed so far.
using ReadProgress = std::function<void(qint64 bytesRead)>;

// Reads a pixel sheet of CSV text from an open device, streaming it in blocks. (The
// programs read a sheet through readSpreadsheet, which knows workbooks too, or through
// loadSheetFile, which opens a path; this is the CSV format's reader beneath them.) out is emptied
// first (its capacity kept) and receives one record per data line that has a pixel
// position; on a rejection it is left empty.
SheetInfo readSheet(QIODevice &device, PixelRecords &out, const ReadProgress &progress = {},
                    const SheetOptions &options = {});

// readSheet reads the device in blocks of this many bytes.
inline constexpr qint64 DefaultSheetBlockSize = 256 * 1024;

// readSheet with another block size (at least 1 byte). The result never depends on it;
// tests read with tiny blocks so that every line end and character is split somewhere.
SheetInfo readSheetInBlocks(QIODevice &device, PixelRecords &out, qint64 blockSize,
                            const ReadProgress &progress = {}, const SheetOptions &options = {});

// readSheet for the CSV text of a worksheet, whose "sep=" line is line 0, so that the
// lines are numbered as the worksheet's rows.
SheetInfo readWorksheetText(QIODevice &device, PixelRecords &out, const ReadProgress &progress = {},
                            const SheetOptions &options = {});

// The refusal of a sheet whose records or reading ran out of memory: out is emptied and
// its memory given back, why is the detail.
SheetInfo outOfMemorySheet(PixelRecords &out, const QString &why);

// How one field of a data line reads, given as UTF-8 bytes (unquoted): a colour value
// exactly as QString::toDouble rounded down (std::floor), a value within 1e-9 (relative)
// of a whole number taken as that number; 0 when the text is no number,
// when the number is not finite or lies outside the 32-bit range. x and y read the
// same way, but a line whose x or y is no such number is skipped. With decimalComma
// (any separator but ",") every "," in the field stands for the decimal point.
int sheetFieldToInt(QByteArrayView field, bool decimalComma = false);
int sheetFieldToComponent(QByteArrayView field, bool decimalComma = false);

} // namespace tess
