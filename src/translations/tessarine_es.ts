<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>MainWindow</name>
    <message>
        <source>Tessarine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Rows: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Size: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown Size: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaded in memory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to disk:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreadsheet Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Image: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RGB Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HSV Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hue:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>r</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image to Spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreadsheet to Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel2002 Compatibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (*.bmp *.gif *.ico *.jpeg *.jpg *.mng *.pbm *.pgm *.png *.ppm *.svg *.svgz *.tif *.tiff *.xbm *.xpm *.webp *.avif *.heic *.heif *.jxl *.tga)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>v</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jpeg (*.jpg);; Bmp (*.bmp);; Gif (*.gif);; Pgm (*.pgm);; Png (*.png);; Ppm (*.ppm);; Tif (*.tif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Png (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreadsheets (*.csv *.xlsx *.ods);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreadsheet: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image (*.csv);;Excel workbook (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduced from %1 × %2 to %3 × %4: %5 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image: drawn from the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image: drawn from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Spreadsheet Loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hue: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Image Loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Rows: -- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Size: -- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hue: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Size Reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No image loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid image format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This image will not fit into excel. It has been reduced to 1 million pixels so that data loss will not occur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: Image not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No spreadsheet loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a valid color spreadsheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your spreadsheet does not contain valid color values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to load this spreadsheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: Spreadsheet not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sheet has no r, g or b column, so it cannot be drawn in RGB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sheet has no h, s or v column, so it cannot be drawn in HSV.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sheet describes an image of %1 x %2 pixels, which cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a picture in any format this program reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no picture format this program writes is named by the suffix &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be encoded as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data could not be written completely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no header line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no header line in the first 64 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: a quote is never closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: a quoted field is longer than 1 MiB; is a quote never closed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough memory for the sheet&apos;s records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the header has no columns named x and y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the header has no column named %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the header has none of the columns r, g, b, h, s, v</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; it has %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the worksheet&apos;s cells are out of order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a cell lies past column XFD, the last a worksheet has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a row of the worksheet holds more than 16 MB of text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the worksheet&apos;s rows are out of order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a row lies past row 1,048,576, the last a worksheet has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a cell reference lies past the limits of a worksheet (row 1,048,576, column XFD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the worksheet holds more than 1 GB of text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a cell holds more than a million characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a cell refers to a shared text that the workbook lacks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook&apos;s shared texts take more than 64 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no thread could be started to read the worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the worksheet does not fit in memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook&apos;s part %1 is not well-formed XML (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook&apos;s worksheet is not well-formed XML (%1, line %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a piece of the workbook&apos;s XML is longer than 1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook&apos;s XML declares a document type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook has no worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ZIP container holds no workbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook is protected by a password, or in the old .xls format; save it as an .xlsx workbook without a password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook could not be copied into a temporary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ZIP container is damaged or cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ZIP container is damaged (a checksum does not match)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ZIP container holds more than 10,000 entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook has no part %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook is encrypted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook&apos;s part %1 is packed in an unknown way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a part of the workbook inflates to more than 2 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a part of the workbook inflates more than 250 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A workbook holds at most %1 pixels; this sheet has %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line without a pixel position was skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines without a pixel position were skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 colour value that is not a number was read as 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 colour values that are not numbers were read as 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 colour value outside 0–255 was drawn as 0 or 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 colour values outside 0–255 were drawn as 0 or 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hue outside 0–359 was drawn modulo 360</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hues outside 0–359 were drawn modulo 360</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading sheet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessarine-cli</name>
    <message>
        <source>Usage:
  tessarine-cli to-sheet IMAGE SHEET [--hsv] [--excel2002]
  tessarine-cli to-image SHEET IMAGE [--rgb | --hsv]
  tessarine-cli --help | --version
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Turns a picture into a pixel sheet (one line per pixel: x,y and its colour) and a
pixel sheet back into a picture.

Commands:
  to-sheet     Read IMAGE (any format the program knows, recognised by its content)
               and write its pixel sheet to SHEET: CSV, or an Excel workbook when
               SHEET ends in .xlsx. Pictures above one million pixels are reduced to
               about one million first, with a note on standard error.
  to-image     Read the pixel sheet SHEET (CSV, .xlsx or .ods, recognised by its
               content) and draw it into IMAGE; the picture format is the one the
               suffix of IMAGE names (.png, .bmp, .jpg, .gif, .tif, ...).

Options:
  --hsv        to-sheet: write hue, saturation and value instead of red, green, blue.
               to-image: draw from the h, s, v columns.
  --rgb        to-image: draw from the r, g, b columns.
               Without --rgb or --hsv, to-image draws from r, g, b when the sheet
               has any of them, otherwise from h, s, v.
  --excel2002  to-sheet: reduce the picture to about 60,000 pixels, the most rows
               older spreadsheet programs hold.
  -h, --help   Show this text.
  -v, --version  Show the version.

A SHEET of - means standard output for to-sheet and standard input for to-image.

Exit status: 0 done, 1 the conversion failed (reason on standard error),
2 the command line was wrong.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;tessarine-cli --help&apos; for more information.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes exactly two paths, %2 given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rgb and --hsv cannot be used together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to-sheet writes RGB unless --hsv is given; it has no --rgb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--excel2002 applies to to-sheet only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
