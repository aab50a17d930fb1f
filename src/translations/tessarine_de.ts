<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Tessarine</source>
        <translation>Tessarine</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Bild laden</translation>
    </message>
    <message>
        <source>Image Information</source>
        <translation>Bildinformationen</translation>
    </message>
    <message>
        <source>Output Rows: </source>
        <translation>Ausgabezeilen: </translation>
    </message>
    <message>
        <source>Original Size: </source>
        <translation>Originalgröße: </translation>
    </message>
    <message>
        <source>Shown Size: </source>
        <translation>Angezeigte Größe: </translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Loaded in memory:</source>
        <translation>Im Speicher:</translation>
    </message>
    <message>
        <source>Saved to disk:</source>
        <translation>Gespeichert:</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Load Sheet</source>
        <translation>Tabelle laden</translation>
    </message>
    <message>
        <source>Spreadsheet Info</source>
        <translation>Tabelleninformationen</translation>
    </message>
    <message>
        <source>Output Image: </source>
        <translation>Ausgabebild: </translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rot:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Grün:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Blau:</translation>
    </message>
    <message>
        <source>RGB Mode</source>
        <translation>RGB-Modus</translation>
    </message>
    <message>
        <source>HSV Mode</source>
        <translation>HSV-Modus</translation>
    </message>
    <message>
        <source>Hue:</source>
        <translation>Farbton:</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>Sättigung:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Hellwert:</translation>
    </message>
    <message>
        <source>Save Sheet</source>
        <translation>Tabelle sichern</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>255</source>
        <translation>255</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>Image to Spreadsheet</source>
        <translation>Bild in Tabelle</translation>
    </message>
    <message>
        <source>Spreadsheet to Image</source>
        <translation>Tabelle in Bild</translation>
    </message>
    <message>
        <source>Excel2002 Compatibility</source>
        <translation>Kompatibel zu Excel 2002</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Tastenkürzel: %1</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Images (*.bmp *.gif *.ico *.jpeg *.jpg *.mng *.pbm *.pgm *.png *.ppm *.svg *.svgz *.tif *.tiff *.xbm *.xpm *.webp *.avif *.heic *.heif *.jxl *.tga)</source>
        <translation>Bilder (*.bmp *.gif *.ico *.jpeg *.jpg *.mng *.pbm *.pgm *.png *.ppm *.svg *.svgz *.tif *.tiff *.xbm *.xpm *.webp *.avif *.heic *.heif *.jxl *.tga)</translation>
    </message>
    <message>
        <source>Image: </source>
        <translation>Bild: </translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>v</source>
        <translation>v</translation>
    </message>
    <message>
        <source>Jpeg (*.jpg);; Bmp (*.bmp);; Gif (*.gif);; Pgm (*.pgm);; Png (*.png);; Ppm (*.ppm);; Tif (*.tif)</source>
        <translation>Jpeg (*.jpg);; Bmp (*.bmp);; Gif (*.gif);; Pgm (*.pgm);; Png (*.png);; Ppm (*.ppm);; Tif (*.tif)</translation>
    </message>
    <message>
        <source>Png (*.png)</source>
        <translation>Png (*.png)</translation>
    </message>
    <message>
        <source>Spreadsheets (*.csv *.xlsx *.ods);;All files (*)</source>
        <translation>Tabellen (*.csv *.xlsx *.ods);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Spreadsheet: </source>
        <translation>Tabelle: </translation>
    </message>
    <message>
        <source>Image (*.csv);;Excel workbook (*.xlsx)</source>
        <translation>Tabelle (*.csv);;Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>Reduced from %1 × %2 to %3 × %4: %5 rows</source>
        <translation>Von %1 × %2 auf %3 × %4 verkleinert: %5 Zeilen</translation>
    </message>
    <message>
        <source>Image: drawn from the table</source>
        <translation>Bild: aus der Tabelle gezeichnet</translation>
    </message>
    <message>
        <source>Image: drawn from %1</source>
        <translation>Bild: aus %1 gezeichnet</translation>
    </message>
    <message>
        <source>No Spreadsheet Loaded</source>
        <translation>Keine Tabelle geladen</translation>
    </message>
    <message>
        <source>Red: --</source>
        <translation>Rot: --</translation>
    </message>
    <message>
        <source>Green: --</source>
        <translation>Grün: --</translation>
    </message>
    <message>
        <source>Blue: --</source>
        <translation>Blau: --</translation>
    </message>
    <message>
        <source>Hue: --</source>
        <translation>Farbton: --</translation>
    </message>
    <message>
        <source>Saturation: --</source>
        <translation>Sättigung: --</translation>
    </message>
    <message>
        <source>Value: --</source>
        <translation>Hellwert: --</translation>
    </message>
    <message>
        <source>No Image Loaded</source>
        <translation>Kein Bild geladen</translation>
    </message>
    <message>
        <source>Output Rows: -- </source>
        <translation>Ausgabezeilen: -- </translation>
    </message>
    <message>
        <source>Original Size: -- </source>
        <translation>Originalgröße: -- </translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Red: </source>
        <translation>Rot: </translation>
    </message>
    <message>
        <source>Green: </source>
        <translation>Grün: </translation>
    </message>
    <message>
        <source>Blue: </source>
        <translation>Blau: </translation>
    </message>
    <message>
        <source>Hue: </source>
        <translation>Farbton: </translation>
    </message>
    <message>
        <source>Saturation: </source>
        <translation>Sättigung: </translation>
    </message>
    <message>
        <source>Value: </source>
        <translation>Hellwert: </translation>
    </message>
    <message>
        <source>Failed loading</source>
        <translation>Laden fehlgeschlagen</translation>
    </message>
    <message>
        <source>Max Size Reached</source>
        <translation>Maximale Größe erreicht</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Invalid Sheet</source>
        <translation>Ungültige Tabelle</translation>
    </message>
    <message>
        <source>No image loaded.</source>
        <translation>Kein Bild geladen.</translation>
    </message>
    <message>
        <source>Invalid image format.</source>
        <translation>Ungültiges Bildformat.</translation>
    </message>
    <message>
        <source>This image will not fit into excel. It has been reduced to 1 million pixels so that data loss will not occur</source>
        <translation>Dieses Bild passt nicht in Excel. Es wurde auf 1 Million Pixel verkleinert, damit keine Daten verloren gehen.</translation>
    </message>
    <message>
        <source>Warning: Image not Saved</source>
        <translation>Warnung: Bild nicht gespeichert</translation>
    </message>
    <message>
        <source>No spreadsheet loaded.</source>
        <translation>Keine Tabelle geladen.</translation>
    </message>
    <message>
        <source>This is not a valid color spreadsheet.</source>
        <translation>Dies ist keine gültige Farbtabelle.</translation>
    </message>
    <message>
        <source>Your spreadsheet does not contain valid color values.</source>
        <translation>Ihre Tabelle enthält keine gültigen Farbwerte.</translation>
    </message>
    <message>
        <source>There is not enough memory to load this spreadsheet.</source>
        <translation>Der Arbeitsspeicher reicht nicht aus, um diese Tabelle zu laden.</translation>
    </message>
    <message>
        <source>Warning: Spreadsheet not Saved</source>
        <translation>Warnung: Tabelle nicht gespeichert</translation>
    </message>
    <message>
        <source>The sheet has no r, g or b column, so it cannot be drawn in RGB.</source>
        <translation>Die Tabelle hat keine Spalte r, g oder b und kann daher nicht in RGB gezeichnet werden.</translation>
    </message>
    <message>
        <source>The sheet has no h, s or v column, so it cannot be drawn in HSV.</source>
        <translation>Die Tabelle hat keine Spalte h, s oder v und kann daher nicht in HSV gezeichnet werden.</translation>
    </message>
    <message>
        <source>The sheet describes an image of %1 x %2 pixels, which cannot be created.</source>
        <translation>Die Tabelle beschreibt ein Bild mit %1 × %2 Pixeln, das sich nicht erzeugen lässt.</translation>
    </message>
    <message>
        <source>not a picture in any format this program reads</source>
        <translation>kein Bild in einem Format, das dieses Programm lesen kann</translation>
    </message>
    <message>
        <source>this is a folder</source>
        <translation>dies ist ein Ordner</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>es gibt kein Bild zum Speichern</translation>
    </message>
    <message>
        <source>no picture format this program writes is named by the suffix &quot;%1&quot;</source>
        <translation>die Endung „%1“ bezeichnet kein Bildformat, das dieses Programm schreiben kann</translation>
    </message>
    <message>
        <source>the picture could not be encoded as %1</source>
        <translation>das Bild konnte nicht als %1 kodiert werden</translation>
    </message>
    <message>
        <source>The data could not be written completely.</source>
        <translation>Die Daten konnten nicht vollständig geschrieben werden.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>no header line</source>
        <translation>keine Kopfzeile</translation>
    </message>
    <message>
        <source>no header line in the first 64 MiB</source>
        <translation>keine Kopfzeile in den ersten 64 MiB</translation>
    </message>
    <message>
        <source>line %1: a quote is never closed</source>
        <translation>Zeile %1: ein Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>line %1: a quoted field is longer than 1 MiB; is a quote never closed?</source>
        <translation>Zeile %1: ein Feld in Anführungszeichen ist länger als 1 MiB; wird ein Anführungszeichen nie geschlossen?</translation>
    </message>
    <message>
        <source>not enough memory for the sheet&apos;s records</source>
        <translation>nicht genug Arbeitsspeicher für die Datensätze der Tabelle</translation>
    </message>
    <message>
        <source>the header has no columns named x and y</source>
        <translation>die Kopfzeile hat keine Spalten namens x und y</translation>
    </message>
    <message>
        <source>the header has no column named %1</source>
        <translation>die Kopfzeile hat keine Spalte namens %1</translation>
    </message>
    <message>
        <source>the header has none of the columns r, g, b, h, s, v</source>
        <translation>die Kopfzeile hat keine der Spalten r, g, b, h, s, v</translation>
    </message>
    <message>
        <source>%1; it has %2</source>
        <translation>%1; sie hat %2</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>the worksheet&apos;s cells are out of order</source>
        <translation>die Zellen des Tabellenblatts sind nicht in der richtigen Reihenfolge</translation>
    </message>
    <message>
        <source>a cell lies past column XFD, the last a worksheet has</source>
        <translation>eine Zelle liegt hinter Spalte XFD, der letzten eines Tabellenblatts</translation>
    </message>
    <message>
        <source>a row of the worksheet holds more than 16 MB of text</source>
        <translation>eine Zeile des Tabellenblatts enthält mehr als 16 MB Text</translation>
    </message>
    <message>
        <source>the worksheet&apos;s rows are out of order</source>
        <translation>die Zeilen des Tabellenblatts sind nicht in der richtigen Reihenfolge</translation>
    </message>
    <message>
        <source>a row lies past row 1,048,576, the last a worksheet has</source>
        <translation>eine Zeile liegt hinter Zeile 1.048.576, der letzten eines Tabellenblatts</translation>
    </message>
    <message>
        <source>a cell reference lies past the limits of a worksheet (row 1,048,576, column XFD)</source>
        <translation>ein Zellbezug liegt außerhalb der Grenzen eines Tabellenblatts (Zeile 1.048.576, Spalte XFD)</translation>
    </message>
    <message>
        <source>the worksheet holds more than 1 GB of text</source>
        <translation>das Tabellenblatt enthält mehr als 1 GB Text</translation>
    </message>
    <message>
        <source>a cell holds more than a million characters</source>
        <translation>eine Zelle enthält mehr als eine Million Zeichen</translation>
    </message>
    <message>
        <source>a cell refers to a shared text that the workbook lacks</source>
        <translation>eine Zelle verweist auf einen gemeinsamen Text, den die Arbeitsmappe nicht enthält</translation>
    </message>
    <message>
        <source>the workbook&apos;s shared texts take more than 64 MB</source>
        <translation>die gemeinsamen Texte der Arbeitsmappe belegen mehr als 64 MB</translation>
    </message>
    <message>
        <source>the worksheet does not fit in memory</source>
        <translation>das Tabellenblatt passt nicht in den Arbeitsspeicher</translation>
    </message>
    <message>
        <source>the workbook&apos;s part %1 is not well-formed XML (%2)</source>
        <translation>der Teil %1 der Arbeitsmappe ist kein wohlgeformtes XML (%2)</translation>
    </message>
    <message>
        <source>the workbook&apos;s worksheet is not well-formed XML (%1, line %2)</source>
        <translation>das Tabellenblatt der Arbeitsmappe ist kein wohlgeformtes XML (%1, Zeile %2)</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>vorzeitig abgebrochen</translation>
    </message>
    <message>
        <source>a piece of the workbook&apos;s XML is longer than 1 MB</source>
        <translation>ein Stück des XML der Arbeitsmappe ist länger als 1 MB</translation>
    </message>
    <message>
        <source>the workbook&apos;s XML declares a document type</source>
        <translation>das XML der Arbeitsmappe deklariert einen Dokumenttyp</translation>
    </message>
    <message>
        <source>the workbook has no worksheet</source>
        <translation>die Arbeitsmappe hat kein Tabellenblatt</translation>
    </message>
    <message>
        <source>the ZIP container holds no workbook</source>
        <translation>das ZIP-Archiv enthält keine Arbeitsmappe</translation>
    </message>
    <message>
        <source>the workbook is protected by a password, or in the old .xls format; save it as an .xlsx workbook without a password</source>
        <translation>die Arbeitsmappe ist durch ein Kennwort geschützt oder im alten .xls-Format; speichern Sie sie als .xlsx-Arbeitsmappe ohne Kennwort</translation>
    </message>
    <message>
        <source>the workbook could not be copied into a temporary file</source>
        <translation>die Arbeitsmappe konnte nicht in eine temporäre Datei kopiert werden</translation>
    </message>
    <message>
        <source>the ZIP container is damaged or cut short</source>
        <translation>das ZIP-Archiv ist beschädigt oder unvollständig</translation>
    </message>
    <message>
        <source>the ZIP container is damaged (a checksum does not match)</source>
        <translation>das ZIP-Archiv ist beschädigt (eine Prüfsumme stimmt nicht)</translation>
    </message>
    <message>
        <source>the ZIP container holds more than 10,000 entries</source>
        <translation>das ZIP-Archiv enthält mehr als 10.000 Einträge</translation>
    </message>
    <message>
        <source>the workbook has no part %1</source>
        <translation>der Arbeitsmappe fehlt der Teil %1</translation>
    </message>
    <message>
        <source>the workbook is encrypted</source>
        <translation>die Arbeitsmappe ist verschlüsselt</translation>
    </message>
    <message>
        <source>the workbook&apos;s part %1 is packed in an unknown way</source>
        <translation>der Teil %1 der Arbeitsmappe ist auf unbekannte Weise gepackt</translation>
    </message>
    <message>
        <source>a part of the workbook inflates to more than 2 GB</source>
        <translation>ein Teil der Arbeitsmappe wird entpackt größer als 2 GB</translation>
    </message>
    <message>
        <source>a part of the workbook inflates more than 250 times</source>
        <translation>ein Teil der Arbeitsmappe wird entpackt mehr als 250-mal so groß</translation>
    </message>
    <message>
        <source>A workbook holds at most %1 pixels; this sheet has %2.</source>
        <translation>Eine Arbeitsmappe fasst höchstens %1 Pixel; diese Tabelle hat %2.</translation>
    </message>
    <message>
        <source>%1 line without a pixel position was skipped</source>
        <translation>%1 Zeile ohne Pixelposition wurde übersprungen</translation>
    </message>
    <message>
        <source>%1 lines without a pixel position were skipped</source>
        <translation>%1 Zeilen ohne Pixelposition wurden übersprungen</translation>
    </message>
    <message>
        <source>%1 colour value that is not a number was read as 0</source>
        <translation>%1 Farbwert, der keine Zahl ist, wurde als 0 gelesen</translation>
    </message>
    <message>
        <source>%1 colour values that are not numbers were read as 0</source>
        <translation>%1 Farbwerte, die keine Zahlen sind, wurden als 0 gelesen</translation>
    </message>
    <message>
        <source>%1 colour value outside 0–255 was drawn as 0 or 255</source>
        <translation>%1 Farbwert außerhalb von 0–255 wurde als 0 oder 255 gezeichnet</translation>
    </message>
    <message>
        <source>%1 colour values outside 0–255 were drawn as 0 or 255</source>
        <translation>%1 Farbwerte außerhalb von 0–255 wurden als 0 oder 255 gezeichnet</translation>
    </message>
    <message>
        <source>%1 hue outside 0–359 was drawn modulo 360</source>
        <translation>%1 Farbton außerhalb von 0–359 wurde modulo 360 gezeichnet</translation>
    </message>
    <message>
        <source>%1 hues outside 0–359 were drawn modulo 360</source>
        <translation>%1 Farbtöne außerhalb von 0–359 wurden modulo 360 gezeichnet</translation>
    </message>
    <message>
        <source>Reading sheet</source>
        <translation>Tabelle wird gelesen</translation>
    </message>
    <message>
        <source>There is not enough memory to load this image.</source>
        <translation>Es ist nicht genug Arbeitsspeicher frei, um dieses Bild zu laden.</translation>
    </message>
    <message>
        <source>There is not enough memory to turn this image into a sheet.</source>
        <translation>Es ist nicht genug Arbeitsspeicher frei, um aus diesem Bild eine Tabelle zu machen.</translation>
    </message>
    <message>
        <source>There is not enough memory to draw this picture.</source>
        <translation>Es ist nicht genug Arbeitsspeicher frei, um dieses Bild zu zeichnen.</translation>
    </message>
    <message>
        <source>There is not enough memory to save this file.</source>
        <translation>Es ist nicht genug Arbeitsspeicher frei, um diese Datei zu speichern.</translation>
    </message>
    <message>
        <source>its %1 x %2 pixels do not fit in the memory there is</source>
        <translation>seine %1 x %2 Pixel passen nicht in den freien Arbeitsspeicher</translation>
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
        <translation>Aufruf:
  tessarine-cli to-sheet BILD TABELLE [--hsv] [--excel2002]
  tessarine-cli to-image TABELLE BILD [--rgb | --hsv]
  tessarine-cli --help | --version
</translation>
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
        <translation>
Verwandelt ein Bild in eine Pixeltabelle (eine Zeile pro Pixel: x,y und seine
Farbe) und eine Pixeltabelle zurück in ein Bild.

Befehle:
  to-sheet     Liest BILD (jedes Format, das das Programm kennt, am Inhalt
               erkannt) und schreibt seine Pixeltabelle nach TABELLE: als CSV
               oder, wenn TABELLE auf .xlsx endet, als Excel-Arbeitsmappe.
               Bilder mit mehr als einer Million Pixeln werden zuerst auf etwa
               eine Million verkleinert, mit einem Hinweis auf der
               Standardfehlerausgabe.
  to-image     Liest die Pixeltabelle TABELLE (CSV, .xlsx oder .ods, am Inhalt
               erkannt) und zeichnet sie in BILD; das Bildformat ergibt sich aus
               der Endung von BILD (.png, .bmp, .jpg, .gif, .tif, ...).

Optionen:
  --hsv        to-sheet: Farbton, Sättigung und Hellwert statt Rot, Grün, Blau
               schreiben. to-image: aus den Spalten h, s, v zeichnen.
  --rgb        to-image: aus den Spalten r, g, b zeichnen. Ohne --rgb oder --hsv
               zeichnet to-image aus r, g, b, wenn die Tabelle eine dieser
               Spalten hat, sonst aus h, s, v.
  --excel2002  to-sheet: das Bild auf etwa 60.000 Pixel verkleinern, so viele
               Zeilen, wie ältere Tabellenkalkulationen fassen.
  -h, --help   Diesen Text anzeigen.
  -v, --version  Die Version anzeigen.

Ist TABELLE gleich -, ist bei to-sheet die Standardausgabe gemeint, bei to-image
die Standardeingabe.

Rückgabewert: 0 erledigt, 1 die Umwandlung ist fehlgeschlagen (Grund auf der
Standardfehlerausgabe), 2 der Aufruf war fehlerhaft.
</translation>
    </message>
    <message>
        <source>Try &apos;tessarine-cli --help&apos; for more information.
</source>
        <translation>Mit „tessarine-cli --help“ erfahren Sie mehr.
</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>%1 takes exactly two paths, %2 given</source>
        <translation>%1 erwartet genau zwei Pfade, angegeben: %2</translation>
    </message>
    <message>
        <source>--rgb and --hsv cannot be used together</source>
        <translation>--rgb und --hsv können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>to-sheet writes RGB unless --hsv is given; it has no --rgb</source>
        <translation>to-sheet schreibt RGB, außer mit --hsv; es kennt kein --rgb</translation>
    </message>
    <message>
        <source>--excel2002 applies to to-sheet only</source>
        <translation>--excel2002 gilt nur für to-sheet</translation>
    </message>
</context>
</TS>
