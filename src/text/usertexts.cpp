// SPDX-License-Identifier: GPL-3.0-or-later
#include "usertexts.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace tess {

namespace {

// In the order of the enumeration; the static_assert below keeps the two in step.
constexpr std::array Sources{
    std::pair{Text::FailedLoading, QT_TRANSLATE_NOOP("MainWindow", "Failed loading")},
    std::pair{Text::MaxSizeReached, QT_TRANSLATE_NOOP("MainWindow", "Max Size Reached")},
    std::pair{Text::Warning, QT_TRANSLATE_NOOP("MainWindow", "Warning")},
    std::pair{Text::InvalidSheet, QT_TRANSLATE_NOOP("MainWindow", "Invalid Sheet")},

    std::pair{Text::NoImageLoaded, QT_TRANSLATE_NOOP("MainWindow", "No image loaded.")},
    std::pair{Text::InvalidImageFormat, QT_TRANSLATE_NOOP("MainWindow", "Invalid image format.")},
    std::pair{Text::MillionWarning,
              QT_TRANSLATE_NOOP("MainWindow", "This image will not fit into excel. It has been reduced to 1 "
                                              "million pixels so that data loss will not occur")},
    std::pair{Text::ImageNotSaved, QT_TRANSLATE_NOOP("MainWindow", "Warning: Image not Saved")},
    std::pair{Text::NoSpreadsheetLoaded, QT_TRANSLATE_NOOP("MainWindow", "No spreadsheet loaded.")},
    std::pair{Text::NotValidSheet, QT_TRANSLATE_NOOP("MainWindow", "This is not a valid color spreadsheet.")},
    std::pair{Text::NoColourValues,
              QT_TRANSLATE_NOOP("MainWindow", "Your spreadsheet does not contain valid color values.")},
    std::pair{Text::SheetOutOfMemory,
              QT_TRANSLATE_NOOP("MainWindow", "There is not enough memory to load this spreadsheet.")},
    std::pair{Text::ImageOutOfMemory,
              QT_TRANSLATE_NOOP("MainWindow", "There is not enough memory to load this image.")},
    std::pair{Text::ConversionOutOfMemory,
              QT_TRANSLATE_NOOP("MainWindow", "There is not enough memory to turn this image into a sheet.")},
    std::pair{Text::DrawingOutOfMemory,
              QT_TRANSLATE_NOOP("MainWindow", "There is not enough memory to draw this picture.")},
    std::pair{Text::SaveOutOfMemory, QT_TRANSLATE_NOOP("MainWindow", "There is not enough memory to save this file.")},
    std::pair{Text::SpreadsheetNotSaved, QT_TRANSLATE_NOOP("MainWindow", "Warning: Spreadsheet not Saved")},
    std::pair{Text::NoRgbColumns,
              QT_TRANSLATE_NOOP("MainWindow", "The sheet has no r, g or b column, so it cannot be drawn in RGB.")},
    std::pair{Text::NoHsvColumns,
              QT_TRANSLATE_NOOP("MainWindow", "The sheet has no h, s or v column, so it cannot be drawn in HSV.")},
    std::pair{Text::SheetFileMissing, QT_TRANSLATE_NOOP("MainWindow", "The spreadsheet file does not exist.")},
    std::pair{Text::PictureTooLarge, QT_TRANSLATE_NOOP("MainWindow", "This picture is too large to draw.")},

    std::pair{Text::ImageCannotBeCreated,
              QT_TRANSLATE_NOOP("MainWindow",
                                "The sheet describes a picture of %1 × %2 pixels; the largest picture this program draws "
                                "is %3 × %3 pixels (%4 pixels in all, in any shape up to %5 pixels wide or high).")},
    std::pair{Text::NotAnImage, QT_TRANSLATE_NOOP("MainWindow", "not a picture in any format this program reads")},
    std::pair{Text::PixelsDoNotFit,
              QT_TRANSLATE_NOOP("MainWindow", "its %1 x %2 pixels do not fit in the memory there is")},
    std::pair{Text::PictureTooLargeToRead,
              QT_TRANSLATE_NOOP("MainWindow", "the picture is too large: %1 x %2 pixels, more than this program reads")},
    std::pair{Text::IsAFolder, QT_TRANSLATE_NOOP("MainWindow", "this is a folder")},
    std::pair{Text::NoPictureToSave, QT_TRANSLATE_NOOP("MainWindow", "there is no picture to save")},
    std::pair{Text::NoWritableFormat,
              QT_TRANSLATE_NOOP("MainWindow", "no picture format this program writes is named by the suffix \"%1\"")},
    std::pair{Text::PictureNotEncoded, QT_TRANSLATE_NOOP("MainWindow", "the picture could not be encoded as %1")},
    std::pair{Text::DataNotWritten, QT_TRANSLATE_NOOP("MainWindow", "The data could not be written completely.")},
    std::pair{Text::StandardInput, QT_TRANSLATE_NOOP("MainWindow", "standard input")},
    std::pair{Text::StandardOutput, QT_TRANSLATE_NOOP("MainWindow", "standard output")},
    std::pair{Text::NoHeaderLine, QT_TRANSLATE_NOOP("MainWindow", "no header line")},
    std::pair{Text::EmptySheetFile, QT_TRANSLATE_NOOP("MainWindow", "the file is empty")},
    std::pair{Text::NoHeaderInFirst64MiB, QT_TRANSLATE_NOOP("MainWindow", "no header line in the first 64 MiB")},
    std::pair{Text::QuoteNeverClosed, QT_TRANSLATE_NOOP("MainWindow", "line %1: a quote is never closed")},
    std::pair{Text::QuotedFieldTooLong, QT_TRANSLATE_NOOP("MainWindow", "line %1: a quoted field is longer than 1 MiB; is a quote never closed?")},
    std::pair{Text::NoMemoryForRecords, QT_TRANSLATE_NOOP("MainWindow", "not enough memory for the sheet's records")},
    std::pair{Text::NoColumnsXAndY, QT_TRANSLATE_NOOP("MainWindow", "the header has no columns named x and y")},
    std::pair{Text::NoColumnNamed, QT_TRANSLATE_NOOP("MainWindow", "the header has no column named %1")},
    std::pair{Text::NoColourColumns, QT_TRANSLATE_NOOP("MainWindow", "the header has none of the columns r, g, b, h, s, v")},
    std::pair{Text::HeaderNames, QT_TRANSLATE_NOOP("MainWindow", "%1; it has %2")},
    std::pair{Text::EmptyName, QT_TRANSLATE_NOOP("MainWindow", "(empty)")},
    std::pair{Text::HeaderSearchedFirst, QT_TRANSLATE_NOOP("MainWindow", "%1; none of the first %2 non-empty lines names x and y")},
    std::pair{Text::HeaderSearchedAll, QT_TRANSLATE_NOOP("MainWindow", "%1; none of its %2 non-empty lines names x and y")},

    std::pair{Text::WorksheetCellsOutOfOrder, QT_TRANSLATE_NOOP("MainWindow", "the worksheet's cells are out of order")},
    std::pair{Text::CellPastLastColumn, QT_TRANSLATE_NOOP("MainWindow", "a cell lies past column XFD, the last a worksheet has")},
    std::pair{Text::RowTextTooLong, QT_TRANSLATE_NOOP("MainWindow", "a row of the worksheet holds more than 16 MB of text")},
    std::pair{Text::WorksheetRowsOutOfOrder, QT_TRANSLATE_NOOP("MainWindow", "the worksheet's rows are out of order")},
    std::pair{Text::RowPastLastRow, QT_TRANSLATE_NOOP("MainWindow", "a row lies past row 1,048,576, the last a worksheet has")},
    std::pair{Text::ReferencePastLimits, QT_TRANSLATE_NOOP("MainWindow", "a cell reference lies past the limits of a worksheet (row 1,048,576, column XFD)")},
    std::pair{Text::WorksheetTextTooLong, QT_TRANSLATE_NOOP("MainWindow", "the worksheet holds more than 1 GB of text")},
    std::pair{Text::CellTextTooLong, QT_TRANSLATE_NOOP("MainWindow", "a cell holds more than a million characters")},
    std::pair{Text::MissingSharedText, QT_TRANSLATE_NOOP("MainWindow", "a cell refers to a shared text that the workbook lacks")},
    std::pair{Text::SharedTextsTooLong, QT_TRANSLATE_NOOP("MainWindow", "the workbook's shared texts take more than 64 MB")},
    std::pair{Text::WorksheetOutOfMemory, QT_TRANSLATE_NOOP("MainWindow", "the worksheet does not fit in memory")},
    std::pair{Text::PartNotWellFormed, QT_TRANSLATE_NOOP("MainWindow", "the workbook's part %1 is not well-formed XML (%2)")},
    std::pair{Text::WorksheetNotWellFormed, QT_TRANSLATE_NOOP("MainWindow", "the workbook's worksheet is not well-formed XML (%1, line %2)")},
    std::pair{Text::CutShort, QT_TRANSLATE_NOOP("MainWindow", "cut short")},
    std::pair{Text::XmlStretchTooLong, QT_TRANSLATE_NOOP("MainWindow", "a piece of the workbook's XML is longer than 1 MB")},
    std::pair{Text::XmlDocumentType, QT_TRANSLATE_NOOP("MainWindow", "the workbook's XML declares a document type")},
    std::pair{Text::NoWorksheet, QT_TRANSLATE_NOOP("MainWindow", "the workbook has no worksheet")},
    std::pair{Text::NoWorkbookInZip, QT_TRANSLATE_NOOP("MainWindow", "the ZIP container holds no workbook")},
    std::pair{Text::NotCopiedToTemporary, QT_TRANSLATE_NOOP("MainWindow", "the workbook could not be copied into a temporary file")},
    std::pair{Text::ZipDamaged, QT_TRANSLATE_NOOP("MainWindow", "the ZIP container is damaged or cut short")},
    std::pair{Text::ZipChecksumWrong, QT_TRANSLATE_NOOP("MainWindow", "the ZIP container is damaged (a checksum does not match)")},
    std::pair{Text::ZipTooManyEntries, QT_TRANSLATE_NOOP("MainWindow", "the ZIP container holds more than 10,000 entries")},
    std::pair{Text::MissingPart, QT_TRANSLATE_NOOP("MainWindow", "the workbook has no part %1")},
    std::pair{Text::WorkbookEncrypted, QT_TRANSLATE_NOOP("MainWindow", "the workbook is encrypted")},
    std::pair{Text::UnknownPacking, QT_TRANSLATE_NOOP("MainWindow", "the workbook's part %1 is packed in an unknown way")},
    std::pair{Text::PartOver2GB, QT_TRANSLATE_NOOP("MainWindow", "a part of the workbook inflates to more than 2 GB")},
    std::pair{Text::PartInflatesTooMuch, QT_TRANSLATE_NOOP("MainWindow", "a part of the workbook inflates more than 250 times")},
    std::pair{Text::TooManyPixelsForWorkbook, QT_TRANSLATE_NOOP("MainWindow", "A workbook holds at most %1 pixels; this sheet has %2.")},
    std::pair{Text::NoSheetWithXAndY, QT_TRANSLATE_NOOP("MainWindow", "no visible worksheet holds a pixel list with x and y, a picture-shaped sheet, a grid of values or painted cells; looked at %1")},
    std::pair{Text::CompressedFile, QT_TRANSLATE_NOOP("MainWindow", "this is a compressed file, such as a compressed Gnumeric file; open it in its program and save it as CSV, .xlsx or .ods")},
    std::pair{Text::PasswordProtectedWorkbook, QT_TRANSLATE_NOOP("MainWindow", "this is a password-protected workbook; open it in its program and save it again without a password")},
    std::pair{Text::OldBinaryWorkbook, QT_TRANSLATE_NOOP("MainWindow", "this is a workbook in the old .xls format; open it in a spreadsheet program and save it as CSV, .xlsx or .ods")},
    std::pair{Text::WebPage, QT_TRANSLATE_NOOP("MainWindow", "this is a web page; open it in a spreadsheet program and save it as CSV, .xlsx or .ods")},
    std::pair{Text::XmlNoWorkbook, QT_TRANSLATE_NOOP("MainWindow", "this is an XML file but no workbook this program reads; open it in a spreadsheet program and save it as CSV, .xlsx or .ods")},
    std::pair{Text::PictureFile, QT_TRANSLATE_NOOP("MainWindow", "this is a picture; open it with Load Image")},
    std::pair{Text::DifFile, QT_TRANSLATE_NOOP("MainWindow", "this is a DIF file; open it in a spreadsheet program and save it as CSV, .xlsx or .ods")},
    std::pair{Text::ZipManyFiles, QT_TRANSLATE_NOOP("MainWindow", "the ZIP container holds %1 files and no workbook; unpack it and open the sheet among them")},
    std::pair{Text::CompressedDamaged, QT_TRANSLATE_NOOP("MainWindow", "the compressed file is damaged or cut short")},
    std::pair{Text::CompressedTooLarge, QT_TRANSLATE_NOOP("MainWindow", "the compressed file unpacks to more than 2 GB, or to more than 250 times its size; unpack it and open the sheet")},

    std::pair{Text::SkippedLine, QT_TRANSLATE_NOOP("MainWindow", "%1 line without a pixel position was skipped")},
    std::pair{Text::SkippedLines,
              QT_TRANSLATE_NOOP("MainWindow", "%1 lines without a pixel position were skipped")},
    std::pair{Text::NotNumber,
              QT_TRANSLATE_NOOP("MainWindow", "%1 colour value that is not a number was read as 0")},
    std::pair{Text::NotNumbers,
              QT_TRANSLATE_NOOP("MainWindow", "%1 colour values that are not numbers were read as 0")},
    std::pair{Text::ClampedValue,
              QT_TRANSLATE_NOOP("MainWindow", "%1 colour value outside 0–255 was drawn as 0 or 255")},
    std::pair{Text::ClampedValues,
              QT_TRANSLATE_NOOP("MainWindow", "%1 colour values outside 0–255 were drawn as 0 or 255")},
    std::pair{Text::TurnedHue, QT_TRANSLATE_NOOP("MainWindow", "%1 hue outside 0–359 was drawn modulo 360")},
    std::pair{Text::TurnedHues, QT_TRANSLATE_NOOP("MainWindow", "%1 hues outside 0–359 were drawn modulo 360")},
    std::pair{Text::NegativePosition,
              QT_TRANSLATE_NOOP("MainWindow", "%1 line with a position below 0 was skipped")},
    std::pair{Text::NegativePositions,
              QT_TRANSLATE_NOOP("MainWindow", "%1 lines with a position below 0 were skipped")},
    std::pair{Text::LineAboveHeader, QT_TRANSLATE_NOOP("MainWindow", "%1 line above the header was skipped")},
    std::pair{Text::LinesAboveHeader, QT_TRANSLATE_NOOP("MainWindow", "%1 lines above the header were skipped")},
    std::pair{Text::EmptyColour, QT_TRANSLATE_NOOP("MainWindow", "%1 empty colour cell was read as 0")},
    std::pair{Text::EmptyColours, QT_TRANSLATE_NOOP("MainWindow", "%1 empty colour cells were read as 0")},
    std::pair{Text::FormulaWithoutResult,
              QT_TRANSLATE_NOOP("MainWindow", "%1 formula cell has no stored result, so the value may be wrong; open and save in a spreadsheet program")},
    std::pair{Text::FormulasWithoutResult,
              QT_TRANSLATE_NOOP("MainWindow", "%1 formula cells have no stored result, so the values may be wrong; open and save in a spreadsheet program")},
    std::pair{Text::Hole, QT_TRANSLATE_NOOP("MainWindow", "%1 pixel had no line and was left transparent")},
    std::pair{Text::Holes, QT_TRANSLATE_NOOP("MainWindow", "%1 pixels had no line and were left transparent")},
    std::pair{Text::DrawnFromSheet, QT_TRANSLATE_NOOP("MainWindow", "drawn from the sheet '%1'")},
    std::pair{Text::ForExample, QT_TRANSLATE_NOOP("MainWindow", "%1 (e.g. %2)")},
    std::pair{Text::CellPlace, QT_TRANSLATE_NOOP("MainWindow", "line %1, column %2: '%3'")},
    std::pair{Text::EmptyCellPlace, QT_TRANSLATE_NOOP("MainWindow", "line %1, column %2")},
    std::pair{Text::CommaGroup,
              QT_TRANSLATE_NOOP("MainWindow", "%1 number with a comma before three digits was read as a whole number, the comma grouping its digits")},
    std::pair{Text::CommaGroups,
              QT_TRANSLATE_NOOP("MainWindow", "%1 numbers with a comma before three digits were read as whole numbers, the comma grouping their digits")},
    std::pair{Text::CommaDecimal,
              QT_TRANSLATE_NOOP("MainWindow", "%1 number with a comma before three digits was read with the comma as the decimal mark, as its column or the sheet holds decimals")},
    std::pair{Text::CommaDecimals,
              QT_TRANSLATE_NOOP("MainWindow", "%1 numbers with a comma before three digits were read with the comma as the decimal mark, as their columns or the sheet hold decimals")},
    std::pair{Text::CellReadAs, QT_TRANSLATE_NOOP("MainWindow", "line %1, column %2: '%3' as %4")},
    std::pair{Text::ReadingSheet, QT_TRANSLATE_NOOP("MainWindow", "Reading sheet")},

    std::pair{Text::ChangedReadAndDrawn, QT_TRANSLATE_NOOP("MainWindow", "%1 changed: read again and drawn (%2)")},
    std::pair{Text::ChangedReadAgain, QT_TRANSLATE_NOOP("MainWindow", "%1 changed: read again (%2)")},
    std::pair{Text::ChangedReadAndConverted,
              QT_TRANSLATE_NOOP("MainWindow", "%1 changed: read again and converted (%2)")},
    std::pair{Text::ChangedUnreadable,
              QT_TRANSLATE_NOOP("MainWindow", "%1 changed but cannot be read, the last good data is kept (%2): %3")},
    std::pair{Text::FollowedFileGone,
              QT_TRANSLATE_NOOP("MainWindow", "%1 was deleted or moved away; its data is kept (%2)")},
    std::pair{Text::Following, QT_TRANSLATE_NOOP("MainWindow", "Follow files on disk")},
    std::pair{Text::Watching, QT_TRANSLATE_NOOP("MainWindow", "Watching %1; Ctrl+C stops")},
    std::pair{Text::Reading, QT_TRANSLATE_NOOP("MainWindow", "Reading %1 (Esc stops)")},
    std::pair{Text::ReadingCancelled,
              QT_TRANSLATE_NOOP("MainWindow", "Reading %1 was stopped; nothing has changed")},
    std::pair{Text::DropOneFile,
              QT_TRANSLATE_NOOP("MainWindow", "Drop one picture or sheet at a time; nothing was opened.")},
    std::pair{Text::DropNoFolder,
              QT_TRANSLATE_NOOP("MainWindow", "A folder cannot be opened; drop one picture or sheet from it.")},
    std::pair{Text::DropWhileWorking,
              QT_TRANSLATE_NOOP("MainWindow", "Still at work; drop the file again once it is done.")},
    std::pair{Text::PictureEndsEarly,
              QT_TRANSLATE_NOOP("MainWindow",
                                "The picture file is damaged: it ends early, and its missing part shows as grey.")},
    std::pair{Text::Writing, QT_TRANSLATE_NOOP("MainWindow", "Writing %1 (Esc stops)")},
    std::pair{Text::Drawing, QT_TRANSLATE_NOOP("MainWindow", "Drawing the picture (Esc stops)")},
    std::pair{Text::Converting, QT_TRANSLATE_NOOP("MainWindow", "Converting the picture (Esc stops)")},
    std::pair{Text::DrawingStopped,
              QT_TRANSLATE_NOOP("MainWindow", "Drawing the picture was stopped; nothing has changed")},
    std::pair{Text::ConvertingStopped,
              QT_TRANSLATE_NOOP("MainWindow", "Converting the picture was stopped; nothing has changed")},
    std::pair{Text::WritingStopped,
              QT_TRANSLATE_NOOP("MainWindow", "Writing %1 was stopped; the file on disk is as it was")},
    std::pair{Text::WorkStopped, QT_TRANSLATE_NOOP("MainWindow", "The work was stopped; nothing has changed.")},
    std::pair{Text::PixelReadout, QT_TRANSLATE_NOOP("MainWindow", "x %1, y %2 \u00b7 r %3 g %4 b %5 \u00b7 h %6 s %7 v %8")},
    std::pair{Text::SheetLineOf, QT_TRANSLATE_NOOP("MainWindow", " \u00b7 line %1 of %2")},
    // The cell of the pixel's r value in a picture-shaped sheet, and the worksheet's name.
    std::pair{Text::SheetCellOf, QT_TRANSLATE_NOOP("MainWindow", " \u00b7 cell %1 (r) of %2")},
    std::pair{Text::SheetGreyCellOf, QT_TRANSLATE_NOOP("MainWindow", " \u00b7 cell %1 of %2")},

    std::pair{Text::PixelsChanged, QT_TRANSLATE_NOOP("MainWindow", "%1 pixels changed")},
    std::pair{Text::PixelChanged, QT_TRANSLATE_NOOP("MainWindow", "%1 pixel changed")},
    std::pair{Text::LargestChange, QT_TRANSLATE_NOOP("MainWindow", "; the largest change is %1 in %2 at x %3, y %4")},
    std::pair{Text::SizesDiffer,
              QT_TRANSLATE_NOOP("MainWindow", "The pictures differ in size: %1 \u00d7 %2 and %3 \u00d7 %4")},
    std::pair{Text::BeforeAfterReadout,
              QT_TRANSLATE_NOOP("MainWindow", "x %1, y %2 \u00b7 before r %3 g %4 b %5 \u00b7 after r %6 g %7 b %8")},
    std::pair{Text::SheetFile, QT_TRANSLATE_NOOP("MainWindow", "this is a pixel sheet; open it with Load Sheet")},
    std::pair{Text::NoProgramForSheet,
              QT_TRANSLATE_NOOP("MainWindow", "No program was found to open %1; open it from the spreadsheet program.")},

    std::pair{Text::PictureSheetName, QT_TRANSLATE_NOOP("MainWindow", "Picture")},
    std::pair{Text::PictureTooLargeForSheet,
              QT_TRANSLATE_NOOP("MainWindow", "A picture of %1 × %2 does not fit in a picture-shaped sheet "
                                              "(at most 16,384 columns and 1,048,576 rows).")},
    std::pair{Text::PictureSheetReduced, QT_TRANSLATE_NOOP("MainWindow", "reduced to %1 × %2 for a picture-shaped sheet")},
    std::pair{Text::PictureSheetInRgb,
              QT_TRANSLATE_NOOP("MainWindow", "A picture-shaped sheet colours red, green and blue; it is written in RGB.")},
    std::pair{Text::ReadAsPictureSheet, QT_TRANSLATE_NOOP("MainWindow", "read as a picture-shaped sheet of %1 × %2")},
    std::pair{Text::PaintedCellsRead, QT_TRANSLATE_NOOP("MainWindow", "read the painted cells %1 of %2 as a %3 × %4 picture")},
    std::pair{Text::ReadAsGreySheet, QT_TRANSLATE_NOOP("MainWindow", "read as a picture-shaped grey sheet of %1 × %2")},
    std::pair{Text::PictureRowMissing,
              QT_TRANSLATE_NOOP("MainWindow", "row %1: the %2 row of picture row %3 is missing")},
    std::pair{Text::PictureRowWrongLetter,
              QT_TRANSLATE_NOOP("MainWindow", "row %1: the %2 row of picture row %3 should be here, not '%4'")},
    std::pair{Text::PictureRowWrongY,
              QT_TRANSLATE_NOOP("MainWindow", "row %1: picture row %2 should be here, not '%3'")},
    std::pair{Text::PictureSheetFilter, QT_TRANSLATE_NOOP("MainWindow", "Picture-shaped workbook (*.xlsx)")},
    std::pair{Text::PictureGreySheetFilter, QT_TRANSLATE_NOOP("MainWindow", "Picture-shaped grey workbook (*.xlsx)")},
    std::pair{Text::PictureOdsFilter, QT_TRANSLATE_NOOP("MainWindow", "Picture-shaped spreadsheet (*.ods)")},
    std::pair{Text::PictureGreyOdsFilter, QT_TRANSLATE_NOOP("MainWindow", "Picture-shaped grey spreadsheet (*.ods)")},
    std::pair{Text::GridReadGrey, QT_TRANSLATE_NOOP("MainWindow", "read the grid %1 of %2 as a %3 × %4 picture of grey values")},
    std::pair{Text::GridReadInk, QT_TRANSLATE_NOOP("MainWindow", "read the grid %1 of %2 as a %3 × %4 picture in black and white, 1 = black")},
    std::pair{Text::GridReadInkWhite, QT_TRANSLATE_NOOP("MainWindow", "read the grid %1 of %2 as a %3 × %4 picture in black and white, 1 = white")},
    std::pair{Text::GridReadCodes, QT_TRANSLATE_NOOP("MainWindow", "read the grid %1 of %2 as a %3 × %4 picture of colour codes")},
    std::pair{Text::GridCsvName, QT_TRANSLATE_NOOP("MainWindow", "the sheet")},
    std::pair{Text::GridCellEmpty, QT_TRANSLATE_NOOP("MainWindow", "cell %1 of the grid is empty")},
    std::pair{Text::GridCellNotValue, QT_TRANSLATE_NOOP("MainWindow", "cell %1: '%2' is no whole number from 0 to 255")},
    std::pair{Text::GridCellNotCode, QT_TRANSLATE_NOOP("MainWindow", "cell %1: '%2' is no colour code (#RRGGBB, RRGGBB or rgb(r, g, b))")},
    std::pair{Text::GridCellOutside, QT_TRANSLATE_NOOP("MainWindow", "cell %1: '%2' lies outside the grid")},
    std::pair{Text::GridCellNotLabel, QT_TRANSLATE_NOOP("MainWindow", "cell %1: '%2' should be the row label %3")},
    std::pair{Text::GridTooLarge, QT_TRANSLATE_NOOP("MainWindow", "a grid of %1 × %2 cells is larger than %3 columns or %4 cells")},
    std::pair{Text::GridLookedFor, QT_TRANSLATE_NOOP("MainWindow", "%1 (looked for a pixel list with x and y, a picture-shaped sheet and a grid of values)")},
    std::pair{Text::UnsavedWork, QT_TRANSLATE_NOOP("MainWindow", "Unsaved work")},
    std::pair{Text::SaveSheetBeforeClosing, QT_TRANSLATE_NOOP("MainWindow", "Save the converted sheet before closing?")},
    std::pair{Text::SavePictureBeforeClosing, QT_TRANSLATE_NOOP("MainWindow", "Save the drawn picture before closing?")},
    std::pair{Text::SaveSheetBeforeLoading,
              QT_TRANSLATE_NOOP("MainWindow", "Save the converted sheet before loading another file?")},
    std::pair{Text::SavePictureBeforeLoading,
              QT_TRANSLATE_NOOP("MainWindow", "Save the drawn picture before loading another file?")},
    std::pair{Text::HelpTitle, QT_TRANSLATE_NOOP("MainWindow", "Tessarine Help")},
    std::pair{Text::HelpText, QT_TRANSLATE_NOOP("MainWindow",
        "<h3>A picture is made of numbers</h3>"
        "<p>Tessarine turns a raster image into a <i>pixel sheet</i>: a comma-separated file with one line "
        "per pixel, giving the pixel's position and its colour as red, green and blue or as hue, saturation "
        "and value. Open the sheet in Excel or LibreOffice, change numbers, and let Tessarine draw the "
        "picture again.</p>"
        "<h4>The lesson loop</h4><ol>"
        "<li><b>Load Image</b> reads a picture and previews it with its size and pixel count.</li>"
        "<li><b>Image to Spreadsheet</b> turns it into pixel data. A picture of more than one million pixels "
        "is reduced to about one million first; with <i>Excel2002 Compatibility</i> ticked, to about 60,000.</li>"
        "<li><b>Save Sheet</b> writes the pixel sheet in the colour model chosen with <i>RGB Mode</i> / "
        "<i>HSV Mode</i>.</li>"
        "<li>Change numbers in the spreadsheet program and save.</li>"
        "<li><b>Load Sheet</b> reads the pixel sheet back; <b>Spreadsheet to Image</b> draws it into a new "
        "picture; <b>Save Image</b> writes it in the format its file name's suffix names.</li></ol>"
        "<p>Double-click the preview to look into the pixels: each square shows its position and its "
        "numbers, and the line of the sheet that holds it.</p>"
        "<h4>The sheet</h4>"
        "<pre>x,y,r,g,b\n0,0,135,206,235\n0,1,134,205,235</pre><ul>"
        "<li>Columns may come in any order and extra columns are ignored.</li>"
        "<li>A line is a pixel only when x and y are numbers; cleared rows and remark lines are skipped.</li>"
        "<li>An empty, missing or non-number colour cell counts as 0.</li>"
        "<li>Colour values outside 0–255 are drawn as 0 or 255, and a hue outside 0–359 is taken "
        "modulo 360 (-1 still means no hue).</li></ul>"
        "<h4>Shortcuts</h4><table>"
        "<tr><td>Ctrl+O</td><td>Load Image</td></tr>"
        "<tr><td>Ctrl+Right</td><td>Image to Spreadsheet</td></tr>"
        "<tr><td>Ctrl+R / Ctrl+H</td><td>RGB / HSV Mode</td></tr>"
        "<tr><td>Ctrl+S</td><td>Save Sheet</td></tr>"
        "<tr><td>Ctrl+Shift+O</td><td>Load Sheet</td></tr>"
        "<tr><td>Ctrl+Left</td><td>Spreadsheet to Image</td></tr>"
        "<tr><td>Ctrl+Shift+S</td><td>Save Image</td></tr>"
        "<tr><td>Ctrl+E</td><td>Excel2002 Compatibility</td></tr>"
        "<tr><td>Ctrl+I</td><td>Look into the pixels (the pixel viewer)</td></tr>"
        "<tr><td>Ctrl+Z / Ctrl+Shift+Z</td><td>Undo / Redo</td></tr>"
        "<tr><td>F1</td><td>This help</td></tr>"
        "<tr><td>Ctrl+Q</td><td>Quit</td></tr></table>"
        "<p>In the pixel viewer: Ctrl+wheel, + and - zoom, 0 fits, 1 shows 1:1, the arrow keys move "
        "from pixel to pixel, Ctrl+C copies the numbers.</p>")},
    std::pair{Text::AboutTitle, QT_TRANSLATE_NOOP("MainWindow", "About Tessarine")},
    std::pair{Text::AboutText, QT_TRANSLATE_NOOP("MainWindow",
        "<h3>Tessarine %1</h3><p>Shows that a picture is made of numbers: turns a raster image into a "
        "pixel sheet and a pixel sheet back into an image.</p>"
        "<p>Licence: %2</p>")},
    std::pair{Text::PaintedColoursReduced, QT_TRANSLATE_NOOP("MainWindow",
        "some colours are patterns of two colours, as the program that saved the workbook reduced them (an .ods file keeps them exactly)")},
    std::pair{Text::PaintedRulesUnread, QT_TRANSLATE_NOOP("MainWindow",
        "the conditional formats of %1 are of a kind not read; those cells show their own fill")},
    std::pair{Text::GridReadChannels, QT_TRANSLATE_NOOP("MainWindow",
        "read the grids %1 of the sheets %2, %3 and %4 as a %5 × %6 picture of red, green and blue values")},
    std::pair{Text::ChannelSheetRefused, QT_TRANSLATE_NOOP("MainWindow", "sheet %1: %2")},
    std::pair{Text::ChannelSizesDiffer, QT_TRANSLATE_NOOP("MainWindow",
        "its grid of %1 × %2 cells differs from the grid of %3, %4 × %5 cells; the three sheets must hold grids of one size")},
    std::pair{Text::GridLookedForInBook, QT_TRANSLATE_NOOP("MainWindow",
        "%1 (looked for a pixel list with x and y, a picture-shaped sheet, a grid of values and painted cells)")},
    std::pair{Text::CellFill, QT_TRANSLATE_NOOP("MainWindow", "fill %1")},
    std::pair{Text::CellValue, QT_TRANSLATE_NOOP("MainWindow", "value %1")},
};

constexpr bool inOrder()
{
    for (std::size_t i = 0; i < Sources.size(); ++i)
        if (std::size_t(Sources[i].first) != i)
            return false;
    return Sources.back().first == Text::CellValue;
}
static_assert(inOrder(), "the table lists every text once, in the order of the enumeration");

} // namespace

QString userText(Text text)
{
    return QCoreApplication::translate("MainWindow", Sources[std::size_t(text)].second);
}

} // namespace tess
