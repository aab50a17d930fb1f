<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BeforeAfter</name>
    <message>
        <source>Flip between before and after</source>
        <translation>Zwischen vorher und nachher wechseln</translation>
    </message>
    <message>
        <source>Before and after</source>
        <translation>Vorher und nachher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Unterschied</translation>
    </message>
    <message>
        <source>The picture before is %1 × %2 and this one %3 × %4; only pictures of one size can be compared</source>
        <translation>Das Bild davor ist %1 × %2, dieses %3 × %4; nur Bilder gleicher Größe lassen sich vergleichen</translation>
    </message>
    <message>
        <source>The picture as it is now (A)</source>
        <translation>Das Bild, wie es jetzt ist (A)</translation>
    </message>
    <message>
        <source>The picture before the last drawing (B; Space flips between before and after)</source>
        <translation>Das Bild vor dem letzten Zeichnen (B; die Leertaste wechselt zwischen vorher und nachher)</translation>
    </message>
    <message>
        <source>Changed pixels in red, the brighter the larger the change; the others dimmed (D)</source>
        <translation>Geänderte Pixel rot, umso heller, je größer die Änderung; die übrigen abgedunkelt (D)</translation>
    </message>
    <message>
        <source>No comparison</source>
        <translation>Kein Vergleich</translation>
    </message>
    <message>
        <source>There is no picture before this one: draw the sheet again after an edit, or follow its file, to compare the two</source>
        <translation>Es gibt kein Bild vor diesem: Zeichnen Sie die Tabelle nach einer Änderung erneut oder verfolgen Sie ihre Datei, um beide zu vergleichen</translation>
    </message>
</context>
<context>
    <name>LongNotices</name>
    <message>
        <source>More…</source>
        <translation>Mehr…</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>Die ganze Meldung zeigen</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
</context>
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
    <message>
        <source>Load a picture to turn into numbers</source>
        <translation>Ein Bild laden, um es in Zahlen umzuwandeln</translation>
    </message>
    <message>
        <source>Save the picture in the format its name&apos;s suffix names</source>
        <translation>Das Bild in dem Format speichern, das die Endung seines Dateinamens angibt</translation>
    </message>
    <message>
        <source>Turn the picture into numbers, one row per pixel</source>
        <translation>Das Bild in Zahlen umwandeln, eine Zeile pro Pixel</translation>
    </message>
    <message>
        <source>Draw the numbers as a picture</source>
        <translation>Die Zahlen als Bild zeichnen</translation>
    </message>
    <message>
        <source>Load a pixel sheet to draw as a picture</source>
        <translation>Eine Pixeltabelle laden, um sie als Bild zu zeichnen</translation>
    </message>
    <message>
        <source>Save the numbers as a pixel sheet</source>
        <translation>Die Zahlen als Pixeltabelle speichern</translation>
    </message>
    <message>
        <source>Show and save the colours as red, green and blue</source>
        <translation>Die Farben als Rot, Grün und Blau anzeigen und speichern</translation>
    </message>
    <message>
        <source>Show and save the colours as hue, saturation and value</source>
        <translation>Die Farben als Farbton, Sättigung und Hellwert anzeigen und speichern</translation>
    </message>
    <message>
        <source>Reduce the picture to about 60,000 pixels, as Excel 2002 can hold</source>
        <translation>Das Bild auf etwa 60.000 Pixel verkleinern, so viele, wie Excel 2002 fassen kann</translation>
    </message>
    <message>
        <source>Spreadsheet: from the image</source>
        <translation>Tabelle: aus dem Bild</translation>
    </message>
    <message>
        <source>Spreadsheet: from </source>
        <translation>Tabelle: aus </translation>
    </message>
    <message>
        <source>Look into the pixels</source>
        <translation>Pixel ansehen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About Tessarine</source>
        <translation>Über Tessarine</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>the picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>this is a compressed file, such as a compressed Gnumeric file; open it in its program and save it as CSV, .xlsx or .ods</source>
        <translation>dies ist eine komprimierte Datei, etwa eine komprimierte Gnumeric-Datei; öffnen Sie sie in ihrem Programm und speichern Sie sie als CSV, .xlsx oder .ods</translation>
    </message>
    <message>
        <source>this is a password-protected workbook; open it in its program and save it again without a password</source>
        <translation>dies ist eine kennwortgeschützte Arbeitsmappe; öffnen Sie sie in ihrem Programm und speichern Sie sie ohne Kennwort erneut</translation>
    </message>
    <message>
        <source>this is a workbook in the old .xls format; open it in a spreadsheet program and save it as CSV, .xlsx or .ods</source>
        <translation>dies ist eine Arbeitsmappe im alten .xls-Format; öffnen Sie sie in einem Tabellenkalkulationsprogramm und speichern Sie sie als CSV, .xlsx oder .ods</translation>
    </message>
    <message>
        <source>this is a web page; open it in a spreadsheet program and save it as CSV, .xlsx or .ods</source>
        <translation>dies ist eine Webseite; öffnen Sie sie in einem Tabellenkalkulationsprogramm und speichern Sie sie als CSV, .xlsx oder .ods</translation>
    </message>
    <message>
        <source>this is an XML file but no workbook this program reads; open it in a spreadsheet program and save it as CSV, .xlsx or .ods</source>
        <translation>dies ist eine XML-Datei, aber keine Arbeitsmappe, die dieses Programm lesen kann; öffnen Sie sie in einem Tabellenkalkulationsprogramm und speichern Sie sie als CSV, .xlsx oder .ods</translation>
    </message>
    <message>
        <source>this is a picture; open it with Load Image</source>
        <translation>dies ist ein Bild; öffnen Sie es mit „Bild laden“</translation>
    </message>
    <message>
        <source>this is a DIF file; open it in a spreadsheet program and save it as CSV, .xlsx or .ods</source>
        <translation>dies ist eine DIF-Datei; öffnen Sie sie in einem Tabellenkalkulationsprogramm und speichern Sie sie als CSV, .xlsx oder .ods</translation>
    </message>
    <message>
        <source>%1 line with a position below 0 was skipped</source>
        <translation>%1 Zeile mit einer Position unter 0 wurde übersprungen</translation>
    </message>
    <message>
        <source>%1 lines with a position below 0 were skipped</source>
        <translation>%1 Zeilen mit einer Position unter 0 wurden übersprungen</translation>
    </message>
    <message>
        <source>%1 line above the header was skipped</source>
        <translation>%1 Zeile über der Kopfzeile wurde übersprungen</translation>
    </message>
    <message>
        <source>%1 lines above the header were skipped</source>
        <translation>%1 Zeilen über der Kopfzeile wurden übersprungen</translation>
    </message>
    <message>
        <source>%1 empty colour cell was read as 0</source>
        <translation>%1 leere Farbzelle wurde als 0 gelesen</translation>
    </message>
    <message>
        <source>%1 empty colour cells were read as 0</source>
        <translation>%1 leere Farbzellen wurden als 0 gelesen</translation>
    </message>
    <message>
        <source>%1 formula cell has no stored result, so the value may be wrong; open and save in a spreadsheet program</source>
        <translation>%1 Formelzelle hat kein gespeichertes Ergebnis, daher kann der Wert falsch sein; öffnen und speichern Sie die Datei in einem Tabellenkalkulationsprogramm</translation>
    </message>
    <message>
        <source>%1 formula cells have no stored result, so the values may be wrong; open and save in a spreadsheet program</source>
        <translation>%1 Formelzellen haben kein gespeichertes Ergebnis, daher können die Werte falsch sein; öffnen und speichern Sie die Datei in einem Tabellenkalkulationsprogramm</translation>
    </message>
    <message>
        <source>%1 pixel had no line and was left transparent</source>
        <translation>%1 Pixel hatte keine Zeile und blieb transparent</translation>
    </message>
    <message>
        <source>%1 pixels had no line and were left transparent</source>
        <translation>%1 Pixel hatten keine Zeile und blieben transparent</translation>
    </message>
    <message>
        <source>drawn from the sheet &apos;%1&apos;</source>
        <translation>aus dem Tabellenblatt „%1“ gezeichnet</translation>
    </message>
    <message>
        <source>%1 (e.g. %2)</source>
        <translation>%1 (z.&#xa0;B. %2)</translation>
    </message>
    <message>
        <source>line %1, column %2: &apos;%3&apos;</source>
        <translation>Zeile %1, Spalte %2: „%3“</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1 changed: read again and drawn (%2)</source>
        <translation>%1 wurde geändert: neu gelesen und gezeichnet (%2)</translation>
    </message>
    <message>
        <source>%1 changed: read again (%2)</source>
        <translation>%1 wurde geändert: neu gelesen (%2)</translation>
    </message>
    <message>
        <source>%1 changed: read again and converted (%2)</source>
        <translation>%1 wurde geändert: neu gelesen und umgewandelt (%2)</translation>
    </message>
    <message>
        <source>%1 changed but cannot be read, the last good data is kept (%2): %3</source>
        <translation>%1 wurde geändert, lässt sich aber nicht lesen; die letzten gültigen Daten bleiben erhalten (%2): %3</translation>
    </message>
    <message>
        <source>%1 was deleted or moved away; its data is kept (%2)</source>
        <translation>%1 wurde gelöscht oder verschoben; die Daten bleiben erhalten (%2)</translation>
    </message>
    <message>
        <source>Follow files on disk</source>
        <translation>Dateien auf dem Datenträger verfolgen</translation>
    </message>
    <message>
        <source>Watching %1; Ctrl+C stops</source>
        <translation>%1 wird beobachtet; Ctrl+C beendet</translation>
    </message>
    <message>
        <source>Reading %1 (Esc stops)</source>
        <translation>%1 wird gelesen (Esc bricht ab)</translation>
    </message>
    <message>
        <source>Reading %1 was stopped; nothing has changed</source>
        <translation>Das Lesen von %1 wurde abgebrochen; nichts wurde geändert</translation>
    </message>
    <message>
        <source>Drop one picture or sheet at a time; nothing was opened.</source>
        <translation>Bitte ziehen Sie nur ein Bild oder eine Tabelle auf einmal hierher; es wurde nichts geöffnet.</translation>
    </message>
    <message>
        <source>A folder cannot be opened; drop one picture or sheet from it.</source>
        <translation>Ein Ordner kann nicht geöffnet werden; ziehen Sie ein einzelnes Bild oder eine Tabelle daraus hierher.</translation>
    </message>
    <message>
        <source>Still at work; drop the file again once it is done.</source>
        <translation>Die Arbeit läuft noch; ziehen Sie die Datei erneut hierher, sobald sie beendet ist.</translation>
    </message>
    <message>
        <source>The picture file is damaged: it ends early, and its missing part shows as grey.</source>
        <translation>Die Bilddatei ist beschädigt: Sie endet zu früh, und der fehlende Teil wird grau angezeigt.</translation>
    </message>
    <message>
        <source>x %1, y %2 · r %3 g %4 b %5 · h %6 s %7 v %8</source>
        <translation>x %1, y %2 · r %3 g %4 b %5 · h %6 s %7 v %8</translation>
    </message>
    <message>
        <source> · line %1 of %2</source>
        <translation> · Zeile %1 in %2</translation>
    </message>
    <message>
        <source>Unsaved work</source>
        <translation>Nicht gespeicherte Arbeit</translation>
    </message>
    <message>
        <source>Save the converted sheet before closing?</source>
        <translation>Die umgewandelte Tabelle vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Save the drawn picture before closing?</source>
        <translation>Das gezeichnete Bild vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Tessarine Help</source>
        <translation>Tessarine-Hilfe</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tessarine %1&lt;/h3&gt;&lt;p&gt;Shows that a picture is made of numbers: turns a raster image into a pixel sheet and a pixel sheet back into an image.&lt;/p&gt;&lt;p&gt;Licence: %2&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tessarine %1&lt;/h3&gt;&lt;p&gt;Zeigt, dass ein Bild aus Zahlen besteht: wandelt ein Rasterbild in eine Pixeltabelle um und eine Pixeltabelle wieder in ein Bild.&lt;/p&gt;&lt;p&gt;Lizenz: %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A picture is made of numbers&lt;/h3&gt;&lt;p&gt;Tessarine turns a raster image into a &lt;i&gt;pixel sheet&lt;/i&gt;: a comma-separated file with one line per pixel, giving the pixel&apos;s position and its colour as red, green and blue or as hue, saturation and value. Open the sheet in Excel or LibreOffice, change numbers, and let Tessarine draw the picture again.&lt;/p&gt;&lt;h4&gt;The lesson loop&lt;/h4&gt;&lt;ol&gt;&lt;li&gt;&lt;b&gt;Load Image&lt;/b&gt; reads a picture and previews it with its size and pixel count.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Image to Spreadsheet&lt;/b&gt; turns it into pixel data. A picture of more than one million pixels is reduced to about one million first; with &lt;i&gt;Excel2002 Compatibility&lt;/i&gt; ticked, to about 60,000.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Save Sheet&lt;/b&gt; writes the pixel sheet in the colour model chosen with &lt;i&gt;RGB Mode&lt;/i&gt; / &lt;i&gt;HSV Mode&lt;/i&gt;.&lt;/li&gt;&lt;li&gt;Change numbers in the spreadsheet program and save.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Load Sheet&lt;/b&gt; reads the pixel sheet back; &lt;b&gt;Spreadsheet to Image&lt;/b&gt; draws it into a new picture; &lt;b&gt;Save Image&lt;/b&gt; writes it in the format its file name&apos;s suffix names.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Double-click the preview to look into the pixels: each square shows its position and its numbers, and the line of the sheet that holds it.&lt;/p&gt;&lt;h4&gt;The sheet&lt;/h4&gt;&lt;pre&gt;x,y,r,g,b
0,0,135,206,235
0,1,134,205,235&lt;/pre&gt;&lt;ul&gt;&lt;li&gt;Columns may come in any order and extra columns are ignored.&lt;/li&gt;&lt;li&gt;A line is a pixel only when x and y are numbers; cleared rows and remark lines are skipped.&lt;/li&gt;&lt;li&gt;An empty, missing or non-number colour cell counts as 0.&lt;/li&gt;&lt;li&gt;Colour values outside 0–255 are drawn as 0 or 255, and a hue outside 0–359 is taken modulo 360 (-1 still means no hue).&lt;/li&gt;&lt;/ul&gt;&lt;h4&gt;Shortcuts&lt;/h4&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;Ctrl+O&lt;/td&gt;&lt;td&gt;Load Image&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Right&lt;/td&gt;&lt;td&gt;Image to Spreadsheet&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+R / Ctrl+H&lt;/td&gt;&lt;td&gt;RGB / HSV Mode&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S&lt;/td&gt;&lt;td&gt;Save Sheet&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+O&lt;/td&gt;&lt;td&gt;Load Sheet&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Left&lt;/td&gt;&lt;td&gt;Spreadsheet to Image&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+S&lt;/td&gt;&lt;td&gt;Save Image&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+E&lt;/td&gt;&lt;td&gt;Excel2002 Compatibility&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+I&lt;/td&gt;&lt;td&gt;Look into the pixels (the pixel viewer)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Shift+Z&lt;/td&gt;&lt;td&gt;Undo / Redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;This help&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Q&lt;/td&gt;&lt;td&gt;Quit&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;In the pixel viewer: Ctrl+wheel, + and - zoom, 0 fits, 1 shows 1:1, the arrow keys move from pixel to pixel, Ctrl+C copies the numbers.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ein Bild besteht aus Zahlen&lt;/h3&gt;&lt;p&gt;Tessarine verwandelt ein Rasterbild in eine &lt;i&gt;Pixeltabelle&lt;/i&gt;: eine Datei mit durch Kommas getrennten Werten und einer Zeile pro Pixel, die die Position des Pixels und seine Farbe als Rot, Grün und Blau oder als Farbton, Sättigung und Hellwert angibt. Öffnen Sie die Tabelle in Excel oder LibreOffice, ändern Sie Zahlen und lassen Sie Tessarine das Bild neu zeichnen.&lt;/p&gt;&lt;h4&gt;Der Ablauf im Unterricht&lt;/h4&gt;&lt;ol&gt;&lt;li&gt;&lt;b&gt;Bild laden&lt;/b&gt; liest ein Bild ein und zeigt es als Vorschau mit seiner Größe und Pixelanzahl.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Bild in Tabelle&lt;/b&gt; wandelt es in Pixeldaten um. Ein Bild mit mehr als einer Million Pixeln wird zuvor auf etwa eine Million verkleinert; ist &lt;i&gt;Kompatibel zu Excel 2002&lt;/i&gt; angekreuzt, auf etwa 60.000.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Tabelle sichern&lt;/b&gt; schreibt die Pixeltabelle in dem Farbmodell, das mit &lt;i&gt;RGB-Modus&lt;/i&gt; / &lt;i&gt;HSV-Modus&lt;/i&gt; gewählt ist.&lt;/li&gt;&lt;li&gt;Zahlen im Tabellenkalkulationsprogramm ändern und speichern.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Tabelle laden&lt;/b&gt; liest die Pixeltabelle wieder ein; &lt;b&gt;Tabelle in Bild&lt;/b&gt; zeichnet daraus ein neues Bild; &lt;b&gt;Bild speichern&lt;/b&gt; schreibt es in dem Format, das die Endung des Dateinamens angibt.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Doppelklicken Sie auf die Vorschau, um sich die Pixel genau anzusehen: Jedes Quadrat zeigt seine Position, seine Zahlen und die Zeile der Tabelle, in der es steht.&lt;/p&gt;&lt;h4&gt;Die Tabelle&lt;/h4&gt;&lt;pre&gt;x,y,r,g,b
0,0,135,206,235
0,1,134,205,235&lt;/pre&gt;&lt;ul&gt;&lt;li&gt;Die Spalten dürfen in beliebiger Reihenfolge stehen, zusätzliche Spalten werden ignoriert.&lt;/li&gt;&lt;li&gt;Eine Zeile ist nur dann ein Pixel, wenn x und y Zahlen sind; geleerte Zeilen und Anmerkungszeilen werden übersprungen.&lt;/li&gt;&lt;li&gt;Eine leere, fehlende oder nicht numerische Farbzelle zählt als 0.&lt;/li&gt;&lt;li&gt;Farbwerte außerhalb von 0–255 werden als 0 oder 255 gezeichnet, und ein Farbton außerhalb von 0–359 wird modulo 360 genommen (-1 bedeutet weiterhin „kein Farbton“).&lt;/li&gt;&lt;/ul&gt;&lt;h4&gt;Tastenkürzel&lt;/h4&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;Ctrl+O&lt;/td&gt;&lt;td&gt;Bild laden&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Right&lt;/td&gt;&lt;td&gt;Bild in Tabelle&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+R / Ctrl+H&lt;/td&gt;&lt;td&gt;RGB- / HSV-Modus&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S&lt;/td&gt;&lt;td&gt;Tabelle sichern&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+O&lt;/td&gt;&lt;td&gt;Tabelle laden&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Left&lt;/td&gt;&lt;td&gt;Tabelle in Bild&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+S&lt;/td&gt;&lt;td&gt;Bild speichern&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+E&lt;/td&gt;&lt;td&gt;Kompatibel zu Excel 2002&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+I&lt;/td&gt;&lt;td&gt;Pixel ansehen (die Pixelansicht)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Shift+Z&lt;/td&gt;&lt;td&gt;Rückgängig / Wiederholen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;Diese Hilfe&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Q&lt;/td&gt;&lt;td&gt;Beenden&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;In der Pixelansicht: Ctrl+Mausrad, + und - zoomen, 0 passt ins Fenster ein, 1 zeigt 1:1, die Pfeiltasten gehen von Pixel zu Pixel, Ctrl+C kopiert die Zahlen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Writing %1 was stopped; the file on disk is as it was</source>
        <translation>Das Schreiben von %1 wurde abgebrochen; die Datei auf dem Datenträger ist unverändert</translation>
    </message>
    <message>
        <source>The work was stopped; nothing has changed.</source>
        <translation>Die Arbeit wurde abgebrochen; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Writing %1 (Esc stops)</source>
        <translation>%1 wird geschrieben (Esc bricht ab)</translation>
    </message>
    <message>
        <source>Drawing the picture (Esc stops)</source>
        <translation>Bild wird gezeichnet (Esc bricht ab)</translation>
    </message>
    <message>
        <source>Converting the picture (Esc stops)</source>
        <translation>Bild wird umgewandelt (Esc bricht ab)</translation>
    </message>
    <message>
        <source>Drawing the picture was stopped; nothing has changed</source>
        <translation>Das Zeichnen des Bildes wurde abgebrochen; nichts hat sich geändert</translation>
    </message>
    <message>
        <source>Converting the picture was stopped; nothing has changed</source>
        <translation>Das Umwandeln des Bildes wurde abgebrochen; nichts hat sich geändert</translation>
    </message>
    <message>
        <source>The spreadsheet file does not exist.</source>
        <translation>Die Tabellendatei existiert nicht.</translation>
    </message>
    <message>
        <source>This picture is too large to draw.</source>
        <translation>Dieses Bild ist zu groß zum Zeichnen.</translation>
    </message>
    <message>
        <source>The sheet describes a picture of %1 × %2 pixels; the largest picture this program draws is %3 × %3 pixels (%4 pixels in all, in any shape up to %5 pixels wide or high).</source>
        <translation>Die Tabelle beschreibt ein Bild mit %1 × %2 Pixeln; das größte Bild, das dieses Programm zeichnet, hat %3 × %3 Pixel (%4 Pixel insgesamt, in jeder Form bis %5 Pixel breit oder hoch).</translation>
    </message>
    <message>
        <source>%1; none of the first %2 non-empty lines names x and y</source>
        <translation>%1; keine der ersten %2 nicht leeren Zeilen nennt x und y</translation>
    </message>
    <message>
        <source>%1; none of its %2 non-empty lines names x and y</source>
        <translation>%1; keine ihrer %2 nicht leeren Zeilen nennt x und y</translation>
    </message>
    <message>
        <source>the ZIP container holds %1 files and no workbook; unpack it and open the sheet among them</source>
        <translation>das ZIP-Archiv enthält %1 Dateien und keine Arbeitsmappe; entpacken Sie es und öffnen Sie die Tabelle darin</translation>
    </message>
    <message>
        <source>the compressed file is damaged or cut short</source>
        <translation>die komprimierte Datei ist beschädigt oder abgeschnitten</translation>
    </message>
    <message>
        <source>the compressed file unpacks to more than 2 GB, or to more than 250 times its size; unpack it and open the sheet</source>
        <translation>die komprimierte Datei entpackt sich auf mehr als 2 GB oder auf mehr als das 250-Fache ihrer Größe; entpacken Sie sie und öffnen Sie die Tabelle</translation>
    </message>
    <message>
        <source>%1 number with a comma before three digits was read as a whole number, the comma grouping its digits</source>
        <translation>%1 Zahl mit einem Komma vor drei Ziffern wurde als ganze Zahl gelesen, das Komma als Tausendertrennzeichen</translation>
    </message>
    <message>
        <source>%1 numbers with a comma before three digits were read as whole numbers, the comma grouping their digits</source>
        <translation>%1 Zahlen mit einem Komma vor drei Ziffern wurden als ganze Zahlen gelesen, das Komma als Tausendertrennzeichen</translation>
    </message>
    <message>
        <source>%1 number with a comma before three digits was read with the comma as the decimal mark, as its column or the sheet holds decimals</source>
        <translation>%1 Zahl mit einem Komma vor drei Ziffern wurde mit dem Komma als Dezimalzeichen gelesen, da ihre Spalte oder die Tabelle Dezimalzahlen enthält</translation>
    </message>
    <message>
        <source>%1 numbers with a comma before three digits were read with the comma as the decimal mark, as their columns or the sheet hold decimals</source>
        <translation>%1 Zahlen mit einem Komma vor drei Ziffern wurden mit dem Komma als Dezimalzeichen gelesen, da ihre Spalten oder die Tabelle Dezimalzahlen enthalten</translation>
    </message>
    <message>
        <source>line %1, column %2: &apos;%3&apos; as %4</source>
        <translation>Zeile %1, Spalte %2: „%3“ als %4</translation>
    </message>
    <message>
        <source>Read a file again when another program saves it (%1)</source>
        <translation>Eine Datei neu lesen, wenn ein anderes Programm sie speichert (%1)</translation>
    </message>
    <message>
        <source>Open in spreadsheet</source>
        <translation>In der Tabellenkalkulation öffnen</translation>
    </message>
    <message>
        <source>Open the sheet in the spreadsheet program, saved first when it is new (Ctrl+Shift+E)</source>
        <translation>Die Tabelle im Tabellenkalkulationsprogramm öffnen; eine neue wird zuerst gespeichert (Strg+Umschalt+E)</translation>
    </message>
    <message>
        <source>%1 pixels changed</source>
        <translation>%1 Pixel geändert</translation>
    </message>
    <message>
        <source>%1 pixel changed</source>
        <translation>%1 Pixel geändert</translation>
    </message>
    <message>
        <source>; the largest change is %1 in %2 at x %3, y %4</source>
        <translation>; die größte Änderung ist %1 in %2 bei x %3, y %4</translation>
    </message>
    <message>
        <source>The pictures differ in size: %1 × %2 and %3 × %4</source>
        <translation>Die Bilder sind verschieden groß: %1 × %2 und %3 × %4</translation>
    </message>
    <message>
        <source>No program was found to open %1; open it from the spreadsheet program.</source>
        <translation>Kein Programm zum Öffnen von %1 gefunden; öffnen Sie die Datei im Tabellenkalkulationsprogramm.</translation>
    </message>
    <message>
        <source>Save the converted sheet before loading another file?</source>
        <translation>Die umgewandelte Tabelle speichern, bevor eine andere Datei geladen wird?</translation>
    </message>
    <message>
        <source>Save the drawn picture before loading another file?</source>
        <translation>Das gezeichnete Bild speichern, bevor eine andere Datei geladen wird?</translation>
    </message>
    <message>
        <source>this is a pixel sheet; open it with Load Sheet</source>
        <translation>dies ist eine Pixeltabelle; öffnen Sie sie mit „Tabelle laden“</translation>
    </message>
    <message>
        <source>Look into the sheet&apos;s pixels</source>
        <translation>Pixel der Tabelle ansehen</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>A picture of %1 × %2 does not fit in a picture-shaped sheet (at most 16,384 columns and 1,048,576 rows).</source>
        <translation>Ein Bild von %1 × %2 passt nicht in eine Tabelle in Bildform (höchstens 16.384 Spalten und 1.048.576 Zeilen).</translation>
    </message>
    <message>
        <source>reduced to %1 × %2 for a picture-shaped sheet</source>
        <translation>für eine Tabelle in Bildform auf %1 × %2 verkleinert</translation>
    </message>
    <message>
        <source>A picture-shaped sheet colours red, green and blue; it is written in RGB.</source>
        <translation>Eine Tabelle in Bildform färbt Rot, Grün und Blau; sie wird in RGB geschrieben.</translation>
    </message>
    <message>
        <source>read as a picture-shaped sheet of %1 × %2</source>
        <translation>als Tabelle in Bildform von %1 × %2 gelesen</translation>
    </message>
    <message>
        <source>read as a picture-shaped grey sheet of %1 × %2</source>
        <translation>als graue Tabelle in Bildform von %1 × %2 gelesen</translation>
    </message>
    <message>
        <source>row %1: the %2 row of picture row %3 is missing</source>
        <translation>Zeile %1: die %2-Zeile der Bildzeile %3 fehlt</translation>
    </message>
    <message>
        <source>row %1: the %2 row of picture row %3 should be here, not &apos;%4&apos;</source>
        <translation>Zeile %1: hier sollte die %2-Zeile der Bildzeile %3 stehen, nicht &apos;%4&apos;</translation>
    </message>
    <message>
        <source>row %1: picture row %2 should be here, not &apos;%3&apos;</source>
        <translation>Zeile %1: hier sollte die Bildzeile %2 stehen, nicht &apos;%3&apos;</translation>
    </message>
    <message>
        <source>Picture-shaped workbook (*.xlsx)</source>
        <translation>Arbeitsmappe in Bildform (*.xlsx)</translation>
    </message>
    <message>
        <source>Picture-shaped grey workbook (*.xlsx)</source>
        <translation>Graue Arbeitsmappe in Bildform (*.xlsx)</translation>
    </message>
    <message>
        <source>Picture-shaped spreadsheet (*.ods)</source>
        <translation>Tabellendokument in Bildform (*.ods)</translation>
    </message>
    <message>
        <source>Picture-shaped grey spreadsheet (*.ods)</source>
        <translation>Graues Tabellendokument in Bildform (*.ods)</translation>
    </message>
    <message>
        <source>the picture is too large: %1 x %2 pixels, more than this program reads</source>
        <translation>das Bild ist zu groß: %1 x %2 Pixel, mehr als dieses Programm liest</translation>
    </message>
    <message>
        <source> · cell %1 (r) of %2</source>
        <translation> · Zelle %1 (r) in %2</translation>
    </message>
    <message>
        <source> · cell %1 of %2</source>
        <translation> · Zelle %1 in %2</translation>
    </message>
    <message>
        <source>read the painted cells %1 of %2 as a %3 × %4 picture</source>
        <translation>die bemalten Zellen %1 von %2 als Bild von %3 × %4 gelesen</translation>
    </message>
    <message>
        <source>read the grid %1 of %2 as a %3 × %4 picture of grey values</source>
        <translation>das Raster %1 von %2 als %3 × %4-Bild aus Grauwerten gelesen</translation>
    </message>
    <message>
        <source>read the grid %1 of %2 as a %3 × %4 picture in black and white, 1 = black</source>
        <translation>das Raster %1 von %2 als %3 × %4-Bild in Schwarz und Weiß gelesen, 1 = schwarz</translation>
    </message>
    <message>
        <source>read the grid %1 of %2 as a %3 × %4 picture of colour codes</source>
        <translation>das Raster %1 von %2 als %3 × %4-Bild aus Farbcodes gelesen</translation>
    </message>
    <message>
        <source>the sheet</source>
        <translation>der Tabelle</translation>
    </message>
    <message>
        <source>cell %1 of the grid is empty</source>
        <translation>Zelle %1 des Rasters ist leer</translation>
    </message>
    <message>
        <source>cell %1: &apos;%2&apos; is no whole number from 0 to 255</source>
        <translation>Zelle %1: „%2“ ist keine ganze Zahl von 0 bis 255</translation>
    </message>
    <message>
        <source>cell %1: &apos;%2&apos; is no colour code (#RRGGBB, RRGGBB or rgb(r, g, b))</source>
        <translation>Zelle %1: „%2“ ist kein Farbcode (#RRGGBB, RRGGBB oder rgb(r, g, b))</translation>
    </message>
    <message>
        <source>cell %1: &apos;%2&apos; lies outside the grid</source>
        <translation>Zelle %1: „%2“ liegt außerhalb des Rasters</translation>
    </message>
    <message>
        <source>cell %1: &apos;%2&apos; should be the row label %3</source>
        <translation>Zelle %1: „%2“ sollte die Zeilenbeschriftung %3 sein</translation>
    </message>
    <message>
        <source>%1 (looked for a pixel list with x and y, a picture-shaped sheet and a grid of values)</source>
        <translation>%1 (gesucht wurden eine Pixelliste mit x und y, eine Tabelle in Bildform und ein Raster aus Werten)</translation>
    </message>
    <message>
        <source>read the grid %1 of %2 as a %3 × %4 picture in black and white, 1 = white</source>
        <translation>das Raster %1 von %2 als %3 × %4-Bild in Schwarz und Weiß gelesen, 1 = weiß</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>x %1, y %2 · before r %3 g %4 b %5 · after r %6 g %7 b %8</source>
        <translation>x %1, y %2 · vorher r %3 g %4 b %5 · nachher r %6 g %7 b %8</translation>
    </message>
    <message>
        <source>some colours are patterns of two colours, as the program that saved the workbook reduced them (an .ods file keeps them exactly)</source>
        <translation>einige Farben sind Muster aus zwei Farben, weil das Programm, das die Arbeitsmappe gespeichert hat, sie reduziert hat (eine .ods-Datei bewahrt sie genau)</translation>
    </message>
    <message>
        <source>the conditional formats of %1 are of a kind not read; those cells show their own fill</source>
        <translation>die bedingten Formatierungen von %1 sind von einer Art, die nicht gelesen wird; diese Zellen zeigen ihre eigene Füllung</translation>
    </message>
    <message>
        <source>no visible worksheet holds a pixel list with x and y, a picture-shaped sheet, a grid of values or painted cells; looked at %1</source>
        <translation>kein sichtbares Tabellenblatt enthält eine Pixelliste mit x und y, eine Tabelle in Bildform, ein Raster aus Werten oder bemalte Zellen; geprüft wurden %1</translation>
    </message>
    <message>
        <source>a grid of %1 × %2 cells is larger than %3 columns or %4 cells</source>
        <translation>ein Raster von %1 × %2 Zellen ist größer als %3 Spalten oder %4 Zellen</translation>
    </message>
    <message>
        <source>read the grids %1 of the sheets %2, %3 and %4 as a %5 × %6 picture of red, green and blue values</source>
        <translation>Raster %1 der Blätter %2, %3 und %4 als Bild von %5 × %6 aus Rot-, Grün- und Blauwerten gelesen</translation>
    </message>
    <message>
        <source>sheet %1: %2</source>
        <translation>Blatt %1: %2</translation>
    </message>
    <message>
        <source>its grid of %1 × %2 cells differs from the grid of %3, %4 × %5 cells; the three sheets must hold grids of one size</source>
        <translation>sein Raster von %1 × %2 Zellen weicht vom Raster von %3 mit %4 × %5 Zellen ab; die drei Blätter müssen gleich große Raster enthalten</translation>
    </message>
    <message>
        <source>%1 (looked for a pixel list with x and y, a picture-shaped sheet, a grid of values and painted cells)</source>
        <translation>%1 (gesucht wurden eine Pixelliste mit x und y, eine Tabelle in Bildform, ein Raster aus Werten und bemalte Zellen)</translation>
    </message>
    <message>
        <source>fill %1</source>
        <translation>Füllung %1</translation>
    </message>
    <message>
        <source>value %1</source>
        <translation>Wert %1</translation>
    </message>
</context>
<context>
    <name>PixelViewer</name>
    <message>
        <source>Pixels of the picture</source>
        <translation>Pixel des Bildes</translation>
    </message>
    <message>
        <source>Arrow keys move from pixel to pixel; plus and minus zoom, 0 fits, 1 shows 1:1; Ctrl+C copies the numbers</source>
        <translation>Die Pfeiltasten gehen von Pixel zu Pixel; Plus und Minus zoomen, 0 passt ins Fenster ein, 1 zeigt 1:1; Ctrl+C kopiert die Zahlen</translation>
    </message>
    <message>
        <source>Numbers of the pixel</source>
        <translation>Zahlen des Pixels</translation>
    </message>
    <message>
        <source>Copy the numbers</source>
        <translation>Zahlen kopieren</translation>
    </message>
    <message>
        <source>Pixels of %1 – %2</source>
        <translation>Pixel: %1 – %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>QMainWindow</name>
    <message>
        <source>Window content</source>
        <translation>Fensterinhalt</translation>
    </message>
</context>
<context>
    <name>Viewers</name>
    <message>
        <source>the sheet</source>
        <translation>Tabelle</translation>
    </message>
</context>
<context>
    <name>tessarine-cli</name>
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
    <message>
        <source>--watch follows a file; standard input cannot be watched</source>
        <translation>--watch beobachtet eine Datei; die Standardeingabe kann nicht beobachtet werden</translation>
    </message>
    <message>
        <source>compare takes no --%1</source>
        <translation>compare kennt kein --%1</translation>
    </message>
    <message>
        <source>compare takes two pictures and an optional difference picture, %1 paths given</source>
        <translation>compare erwartet zwei Bilder und ein optionales Unterschiedsbild, %1 Pfade angegeben</translation>
    </message>
    <message>
        <source>unknown layout &apos;%1&apos;: list, picture or grey</source>
        <translation>unbekannte Anordnung &apos;%1&apos;: list, picture oder grey</translation>
    </message>
    <message>
        <source>--max-side applies to --layout picture or grey</source>
        <translation>--max-side gilt nur für --layout picture oder grey</translation>
    </message>
    <message>
        <source>--max-side takes a number from 1 to %1, not &apos;%2&apos;</source>
        <translation>--max-side erwartet eine Zahl von 1 bis %1, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--excel2002 applies to --layout list only</source>
        <translation>--excel2002 gilt nur für --layout list</translation>
    </message>
    <message>
        <source>a picture-shaped sheet is written as a workbook (.xlsx or .ods): a CSV file cannot hold its colours. Save the workbook as CSV in the spreadsheet program if you need one</source>
        <translation>eine Tabelle in Bildform wird als Arbeitsmappe geschrieben (.xlsx oder .ods): eine CSV-Datei kann ihre Farben nicht halten. Speichern Sie die Arbeitsmappe in der Tabellenkalkulation als CSV, wenn Sie eine brauchen</translation>
    </message>
    <message>
        <source>--layout and --max-side apply to to-sheet only; to-image knows the layout by the content</source>
        <translation>--layout und --max-side gelten nur für to-sheet; to-image erkennt die Anordnung am Inhalt</translation>
    </message>
    <message>
        <source>Usage:
  tessarine-cli to-sheet IMAGE SHEET [--hsv] [--excel2002] [--watch]
  tessarine-cli to-sheet IMAGE BOOK.xlsx|BOOK.ods --layout picture|grey [--max-side N] [--watch]
  tessarine-cli to-image SHEET IMAGE [--rgb | --hsv] [--ones black|white] [--watch]
  tessarine-cli compare IMAGE IMAGE [DIFFERENCE]
  tessarine-cli --help | --version
</source>
        <translation>Aufruf:
  tessarine-cli to-sheet BILD TABELLE [--hsv] [--excel2002] [--watch]
  tessarine-cli to-sheet BILD MAPPE.xlsx|MAPPE.ods --layout picture|grey [--max-side N] [--watch]
  tessarine-cli to-image TABELLE BILD [--rgb | --hsv] [--ones black|white] [--watch]
  tessarine-cli compare BILD BILD [UNTERSCHIED]
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
  compare      Compare two pictures pixel by pixel and print how many pixels
               changed and the largest change, with its place. DIFFERENCE, when
               given, receives a picture of the change: changed pixels in red,
               unchanged ones dimmed.

Options:
  --hsv        to-sheet: write hue, saturation and value instead of red, green, blue.
               to-image: draw from the h, s, v columns.
  --rgb        to-image: draw from the r, g, b columns.
               Without --rgb or --hsv, to-image draws from r, g, b when the sheet
               has any of them, otherwise from h, s, v.
  --excel2002  to-sheet: reduce the picture to about 60,000 pixels, the most rows
               older spreadsheet programs hold.
  --layout L   to-sheet: list (the pixel sheet, one row per pixel; the default),
               picture (a workbook the shape of the picture: three rows r, g, b
               per picture row, coloured by the spreadsheet program as numbers are
               typed) or grey (one row of grey values per picture row). picture
               and grey need an .xlsx or .ods name and are written in RGB.
  --max-side N  picture, grey: reduce the picture to a long edge of N pixels at
               most (default 256, at most 768).
  --ones C     to-image: in a grid of only 0 and 1 drawn by hand, 1 is black ink
               on white paper (the default, C = black); --ones white turns it
               round.
  --watch      Convert once, then again each time the input file is saved anew
               (by a spreadsheet or paint program, in whatever way it saves),
               until interrupted (Ctrl+C) or terminated. A save that cannot be
               read prints its reason and keeps the last good output; the next
               good save is converted again. The input must be a file, not -.
  -h, --help   Show this text.
  -v, --version  Show the version.

A SHEET of - means standard output for to-sheet and standard input for to-image.

Exit status: 0 done, 1 the conversion failed (reason on standard error),
2 the command line was wrong, 3 compare found the pictures different (0: the
same). With --watch: 0 once stopped.
</source>
        <translation>
Wandelt ein Bild in eine Pixeltabelle um (eine Zeile pro Pixel: x,y und seine Farbe) und eine
Pixeltabelle wieder in ein Bild.

Befehle:
  to-sheet     BILD lesen (jedes dem Programm bekannte Format, erkannt am Inhalt) und seine
               Pixeltabelle in TABELLE schreiben: CSV oder, wenn TABELLE auf .xlsx endet, eine
               Excel-Arbeitsmappe. Bilder über einer Million Pixel werden zuvor auf etwa eine
               Million verkleinert (Hinweis auf der Standardfehlerausgabe).
  to-image     Die Pixeltabelle TABELLE lesen (CSV, .xlsx oder .ods, erkannt am Inhalt) und in
               BILD zeichnen; das Bildformat ist das, welches die Endung von BILD angibt
               (.png, .bmp, .jpg, .gif, .tif, ...).
  compare      Zwei Bilder Pixel für Pixel vergleichen und ausgeben, wie viele Pixel
               sich geändert haben und die größte Änderung mit ihrer Stelle. UNTERSCHIED
               erhält, wenn angegeben, ein Bild der Änderung: geänderte Pixel rot,
               unveränderte abgedunkelt.

Optionen:
  --hsv        to-sheet: Farbton, Sättigung und Hellwert statt Rot, Grün, Blau schreiben.
               to-image: aus den Spalten h, s, v zeichnen.
  --rgb        to-image: aus den Spalten r, g, b zeichnen.
               Ohne --rgb oder --hsv zeichnet to-image aus r, g, b, wenn die Tabelle eine
               dieser Spalten hat, sonst aus h, s, v.
  --excel2002  to-sheet: das Bild auf etwa 60.000 Pixel verkleinern, so viele Zeilen, wie
               ältere Tabellenkalkulationsprogramme höchstens fassen.
  --layout L   to-sheet: list (die Pixeltabelle, eine Zeile pro Pixel; Vorgabe),
               picture (eine Arbeitsmappe in Bildform: drei Zeilen r, g, b pro
               Bildzeile, von der Tabellenkalkulation beim Tippen eingefärbt) oder
               grey (eine Zeile Grauwerte pro Bildzeile). picture und grey brauchen
               einen Namen auf .xlsx oder .ods und werden in RGB geschrieben.
  --max-side N  picture, grey: das Bild auf höchstens N Pixel Kantenlänge
               verkleinern (Vorgabe 256, höchstens 768).
  --ones C     to-image: in einem von Hand gemachten Raster aus nur 0 und 1 ist 1
               schwarze Tinte auf weißem Papier (Vorgabe, C = black); --ones white
               kehrt es um.
  --watch      Einmal umwandeln, dann nach jedem neuen Speichern der Eingabedatei erneut (egal
               wie ein Tabellenkalkulations- oder Malprogramm speichert), bis zum Abbruch
               (Ctrl+C) oder Beenden. Ist eine Fassung nicht lesbar, wird der Grund ausgegeben
               und die letzte gültige Ausgabe bleibt erhalten; die nächste gültige wird wieder
               umgewandelt. Die Eingabe muss eine Datei sein, nicht -.
  -h, --help   Diesen Text anzeigen.
  -v, --version  Die Version anzeigen.

TABELLE als - heißt: Standardausgabe bei to-sheet, Standardeingabe bei to-image.

Exit-Status: 0 erledigt, 1 die Umwandlung ist fehlgeschlagen (Grund auf der
Standardfehlerausgabe), 2 die Befehlszeile war falsch. Mit --watch: 0 nach dem Beenden.
Bei compare: 3, wenn die Bilder verschieden sind, 0, wenn sie gleich sind.
</translation>
    </message>
    <message>
        <source>--ones applies to to-image only</source>
        <translation>--ones gilt nur für to-image</translation>
    </message>
    <message>
        <source>--ones takes black or white, not &apos;%1&apos;</source>
        <translation>--ones erwartet black oder white, nicht &apos;%1&apos;</translation>
    </message>
</context>
</TS>
