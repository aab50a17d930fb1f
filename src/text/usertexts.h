// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tess {

// Every message the program gives about an outcome, shared by the window and the command
// line: the titles and texts of the window's warning boxes, which the command line prints
// as they are, and the details the command line adds (a path is put before them).
enum class Text {
    // Titles of the window's warning boxes.
    FailedLoading,
    MaxSizeReached,
    Warning,
    InvalidSheet,

    // What went wrong, or what the user should know.
    NoImageLoaded,
    InvalidImageFormat,
    MillionWarning,
    ImageNotSaved,
    NoSpreadsheetLoaded,
    NotValidSheet,
    NoColourValues,
    SheetOutOfMemory,
    ImageOutOfMemory,
    ConversionOutOfMemory,
    DrawingOutOfMemory,
    SaveOutOfMemory,
    SpreadsheetNotSaved,
    NoRgbColumns,
    NoHsvColumns,
    SheetFileMissing,
    PictureTooLarge,

    // Details.
    ImageCannotBeCreated,   // %1 x %2: the width and height; %3 x %3 the largest square,
                            // %4 its pixels, %5 the longest side
    NotAnImage,
    PixelsDoNotFit,         // %1 x %2: the picture's width and height
    PictureTooLargeToRead,  // %1 x %2: the picture's width and height
    IsAFolder,
    NoPictureToSave,
    NoWritableFormat,       // %1: the suffix
    PictureNotEncoded,      // %1: the format
    DataNotWritten,
    StandardInput,
    StandardOutput,
    // Why a sheet was refused.
    NoHeaderLine,
    EmptySheetFile,
    NoHeaderInFirst64MiB,
    QuoteNeverClosed,       // %1: the line where the quote opens
    QuotedFieldTooLong,     // %1: the line where the field begins
    NoMemoryForRecords,
    NoColumnsXAndY,
    NoColumnNamed,          // %1: x or y
    NoColourColumns,
    HeaderNames,            // %1: what is missing, %2: the header's names joined by ", "
    EmptyName,
    HeaderSearchedFirst,    // %1: the first line's refusal, %2: the lines searched
    HeaderSearchedAll,      // the same, when the file ended first

    // Why a workbook was refused or could not be written (DataNotWritten serves it too).
    WorksheetCellsOutOfOrder,
    CellPastLastColumn,
    RowTextTooLong,
    WorksheetRowsOutOfOrder,
    RowPastLastRow,
    ReferencePastLimits,
    WorksheetTextTooLong,
    CellTextTooLong,
    MissingSharedText,
    SharedTextsTooLong,
    WorksheetOutOfMemory,
    PartNotWellFormed,        // %1: the part's name, %2: the parser's words
    WorksheetNotWellFormed,   // %1: the parser's words, %2: the line
    CutShort,                 // in place of the parser's words when it has none
    XmlStretchTooLong,
    XmlDocumentType,
    NoWorksheet,
    NoWorkbookInZip,
    NotCopiedToTemporary,
    ZipDamaged,
    ZipChecksumWrong,
    ZipTooManyEntries,
    MissingPart,              // %1: the part's name
    WorkbookEncrypted,
    UnknownPacking,           // %1: the part's name
    PartOver2GB,
    PartInflatesTooMuch,
    TooManyPixelsForWorkbook, // %1: the most, %2: the sheet's pixels
    NoSheetWithXAndY,         // %1: the sheets looked at, quoted and joined by ", "
    // What a file given as a sheet is instead.
    CompressedFile,
    PasswordProtectedWorkbook,
    OldBinaryWorkbook,
    WebPage,
    XmlNoWorkbook,
    PictureFile,
    DifFile,
    ZipManyFiles,           // %1: how many files
    CompressedDamaged,
    CompressedTooLarge,

    // What reading and drawing a sheet passed over or bent: one and several (%1: how many).
    SkippedLine,
    SkippedLines,
    NotNumber,
    NotNumbers,
    ClampedValue,
    ClampedValues,
    TurnedHue,
    TurnedHues,
    NegativePosition,
    NegativePositions,
    LineAboveHeader,
    LinesAboveHeader,
    EmptyColour,
    EmptyColours,
    FormulaWithoutResult,
    FormulasWithoutResult,
    Hole,
    Holes,
    DrawnFromSheet,  // %1: the sheet's name
    ForExample,      // %1: what the notice tells, %2: where one of them is
    CellPlace,       // %1: line, %2: column name, %3: the cell's text
    EmptyCellPlace,  // %1: line, %2: column name
    CommaGroup,      // a tab file's "1,199" read as 1199
    CommaGroups,
    CommaDecimal,    // read as 1.199, its column holding decimals
    CommaDecimals,
    CellReadAs,      // %1: line, %2: column name, %3: the cell's text, %4: the number read

    // Progress.
    ReadingSheet,

    // Following a file while another program saves it (%1: its name, %2: the time).
    ChangedReadAndDrawn,
    ChangedReadAgain,
    ChangedReadAndConverted,
    ChangedUnreadable,        // %3: the reason
    FollowedFileGone,
    Following,                // the checkable action
    Watching,                 // the command line: %1 the file
    Reading,                  // %1: the file's name, while it is read
    ReadingCancelled,         // %1: the file's name
    DropOneFile,
    DropNoFolder,
    DropWhileWorking,         // any work: a read, a save, a drawing
    PictureEndsEarly,
    Writing,                  // %1: the file's name, while it is written
    Drawing,
    Converting,
    DrawingStopped,
    ConvertingStopped,
    WritingStopped,           // %1: the file's name
    WorkStopped,              // the result of work stopped, whatever it was

    // The pixel viewer's readout: %1 x, %2 y, %3..%5 r g b, %6..%8 h s v; then %1 the line,
    // %2 the sheet file's name.
    PixelReadout,
    SheetLineOf,
    SheetCellOf,
    SheetGreyCellOf,

    // Two pictures compared: %1 the count; %1 the change, %2 r, g, b or a, %3 x, %4 y;
    // the two sizes, width and height of each.
    PixelsChanged,
    PixelChanged,
    LargestChange,
    SizesDiffer,
    BeforeAfterReadout,       // %1, %2: x and y; %3-%5 r, g, b before; %6-%8 after
    SheetFile,                // Load Image on a sheet
    NoProgramForSheet,        // %1: the sheet file's name
    // The picture-shaped sheet.
    PictureSheetName,         // the worksheet's name
    PictureTooLargeForSheet,  // %1 x %2: the picture's size
    PictureSheetReduced,      // %1 x %2: the reduced size
    PictureSheetInRgb,        // HSV asked for: written in RGB
    ReadAsPictureSheet,       // %1 x %2: the picture's size
    PaintedCellsRead,         // %1: the cells (B2:K9), %2: the worksheet, %3 x %4: the picture's size
    ReadAsGreySheet,          // %1 x %2
    PictureRowMissing,        // %1: the sheet row, %2: the channel, %3: the picture row y
    PictureRowWrongLetter,    // %1: the sheet row, %2: the channel expected, %3: y, %4: what is there
    PictureRowWrongY,         // %1: the sheet row, %2: y expected, %3: what is there
    PictureSheetFilter,
    PictureGreySheetFilter,
    PictureOdsFilter,
    PictureGreyOdsFilter,
    // A grid of values made by hand: what was read, and why a grid was refused.
    GridReadGrey,             // %1: the cells (B2:AC29), %2: the worksheet, %3 x %4: the size
    GridReadInk,              // the same, 1 = black
    GridReadInkWhite,         // the same, 1 = white
    GridReadCodes,
    GridCsvName,              // the worksheet's name where a CSV file has none
    GridCellEmpty,            // %1: the cell
    GridCellNotValue,         // %1: the cell, %2: its text
    GridCellNotCode,          // %1: the cell, %2: its text
    GridCellOutside,          // %1: the cell, %2: its text
    GridCellNotLabel,         // %1: the cell, %2: its text, %3: the label expected
    GridTooLarge,             // %1 x %2: the grid's size so far, %3 and %4: the limits
    GridLookedFor,            // %1: why the last reading did not apply

    // Closing with unsaved work, help and about.
    UnsavedWork,
    SaveSheetBeforeClosing,
    SavePictureBeforeClosing,
    SaveSheetBeforeLoading,
    SavePictureBeforeLoading,
    HelpTitle,
    HelpText,      // rich text
    AboutTitle,
    AboutText,     // rich text; %1: the version, %2: the licence
    // Painted cells of an .xlsx: what the notice adds.
    PaintedColoursReduced,
    PaintedRulesUnread,  // %1: the ranges (B2:K9, M1:M4)
    // A picture in three sheets, one per channel.
    GridReadChannels,    // %1: the cells, %2, %3, %4: the sheets, %5 x %6: the size
    ChannelSheetRefused, // %1: the sheet, %2: why
    ChannelSizesDiffer,  // %1 x %2: this sheet's grid, %3: the red sheet, %4 x %5: its grid
    GridLookedForInBook, // %1: why; as GridLookedFor, for a workbook, where painted cells count too
    // The pixel viewer: what the cell of a grid holds.
    CellFill,            // %1: #RRGGBB
    CellValue,           // %1: the value or code
};

// The text in the user's language. The texts are translated in the context "MainWindow",
// the window's own, so that one translation serves the window and the command line.
QString userText(Text text);

} // namespace tess
