<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BeforeAfter</name>
    <message>
        <source>Flip between before and after</source>
        <translation>Alternar entre antes y después</translation>
    </message>
    <message>
        <source>Before and after</source>
        <translation>Antes y después</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>The picture before is %1 × %2 and this one %3 × %4; only pictures of one size can be compared</source>
        <translation>La imagen anterior mide %1 × %2 y esta %3 × %4; solo se pueden comparar imágenes del mismo tamaño</translation>
    </message>
    <message>
        <source>The picture as it is now (A)</source>
        <translation>La imagen tal como está ahora (A)</translation>
    </message>
    <message>
        <source>The picture before the last drawing (B; Space flips between before and after)</source>
        <translation>La imagen antes del último dibujo (B; Espacio alterna entre antes y después)</translation>
    </message>
    <message>
        <source>Changed pixels in red, the brighter the larger the change; the others dimmed (D)</source>
        <translation>Píxeles cambiados en rojo, más claros cuanto mayor es el cambio; los demás atenuados (D)</translation>
    </message>
    <message>
        <source>No comparison</source>
        <translation>Ninguna comparación</translation>
    </message>
    <message>
        <source>There is no picture before this one: draw the sheet again after an edit, or follow its file, to compare the two</source>
        <translation>No hay ninguna imagen anterior a esta: dibuje de nuevo la hoja tras una edición, o siga su archivo, para comparar las dos</translation>
    </message>
</context>
<context>
    <name>LongNotices</name>
    <message>
        <source>More…</source>
        <translation>Más…</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>Mostrar el mensaje completo</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
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
        <translation>Imagen:</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Image Information</source>
        <translation>Datos de la imagen</translation>
    </message>
    <message>
        <source>Output Rows: </source>
        <translation>Filas de salida: </translation>
    </message>
    <message>
        <source>Original Size: </source>
        <translation>Tamaño original: </translation>
    </message>
    <message>
        <source>Shown Size: </source>
        <translation>Tamaño mostrado: </translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Loaded in memory:</source>
        <translation>En memoria:</translation>
    </message>
    <message>
        <source>Saved to disk:</source>
        <translation>Guardado en disco:</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Hoja de cálculo</translation>
    </message>
    <message>
        <source>Load Sheet</source>
        <translation>Abrir hoja</translation>
    </message>
    <message>
        <source>Spreadsheet Info</source>
        <translation>Datos de la hoja</translation>
    </message>
    <message>
        <source>Output Image: </source>
        <translation>Imagen de salida: </translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rojo:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Verde:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Azul:</translation>
    </message>
    <message>
        <source>RGB Mode</source>
        <translation>Modo RGB</translation>
    </message>
    <message>
        <source>HSV Mode</source>
        <translation>Modo HSV</translation>
    </message>
    <message>
        <source>Hue:</source>
        <translation>Matiz:</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>Saturación:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>Save Sheet</source>
        <translation>Guardar hoja</translation>
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
        <translation>Imagen a hoja de cálculo</translation>
    </message>
    <message>
        <source>Spreadsheet to Image</source>
        <translation>Hoja de cálculo a imagen</translation>
    </message>
    <message>
        <source>Excel2002 Compatibility</source>
        <translation>Compatible con Excel 2002</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Images (*.bmp *.gif *.ico *.jpeg *.jpg *.mng *.pbm *.pgm *.png *.ppm *.svg *.svgz *.tif *.tiff *.xbm *.xpm *.webp *.avif *.heic *.heif *.jxl *.tga)</source>
        <translation>Imágenes (*.bmp *.gif *.ico *.jpeg *.jpg *.mng *.pbm *.pgm *.png *.ppm *.svg *.svgz *.tif *.tiff *.xbm *.xpm *.webp *.avif *.heic *.heif *.jxl *.tga)</translation>
    </message>
    <message>
        <source>Image: </source>
        <translation>Imagen: </translation>
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
        <translation>Hojas de cálculo (*.csv *.xlsx *.ods);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Spreadsheet: </source>
        <translation>Hoja de cálculo: </translation>
    </message>
    <message>
        <source>Image (*.csv);;Excel workbook (*.xlsx)</source>
        <translation>Hoja de cálculo (*.csv);;Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Reduced from %1 × %2 to %3 × %4: %5 rows</source>
        <translation>Reducida de %1 × %2 a %3 × %4: %5 filas</translation>
    </message>
    <message>
        <source>Image: drawn from the table</source>
        <translation>Imagen: dibujada a partir de la hoja</translation>
    </message>
    <message>
        <source>Image: drawn from %1</source>
        <translation>Imagen: dibujada a partir de %1</translation>
    </message>
    <message>
        <source>No Spreadsheet Loaded</source>
        <translation>Ninguna hoja de cálculo cargada</translation>
    </message>
    <message>
        <source>Red: --</source>
        <translation>Rojo: --</translation>
    </message>
    <message>
        <source>Green: --</source>
        <translation>Verde: --</translation>
    </message>
    <message>
        <source>Blue: --</source>
        <translation>Azul: --</translation>
    </message>
    <message>
        <source>Hue: --</source>
        <translation>Matiz: --</translation>
    </message>
    <message>
        <source>Saturation: --</source>
        <translation>Saturación: --</translation>
    </message>
    <message>
        <source>Value: --</source>
        <translation>Valor: --</translation>
    </message>
    <message>
        <source>No Image Loaded</source>
        <translation>Ninguna imagen cargada</translation>
    </message>
    <message>
        <source>Output Rows: -- </source>
        <translation>Filas de salida: -- </translation>
    </message>
    <message>
        <source>Original Size: -- </source>
        <translation>Tamaño original: -- </translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Red: </source>
        <translation>Rojo: </translation>
    </message>
    <message>
        <source>Green: </source>
        <translation>Verde: </translation>
    </message>
    <message>
        <source>Blue: </source>
        <translation>Azul: </translation>
    </message>
    <message>
        <source>Hue: </source>
        <translation>Matiz: </translation>
    </message>
    <message>
        <source>Saturation: </source>
        <translation>Saturación: </translation>
    </message>
    <message>
        <source>Value: </source>
        <translation>Valor: </translation>
    </message>
    <message>
        <source>Failed loading</source>
        <translation>Error al abrir</translation>
    </message>
    <message>
        <source>Max Size Reached</source>
        <translation>Tamaño máximo alcanzado</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Invalid Sheet</source>
        <translation>Hoja de cálculo no válida</translation>
    </message>
    <message>
        <source>No image loaded.</source>
        <translation>No se ha cargado ninguna imagen.</translation>
    </message>
    <message>
        <source>Invalid image format.</source>
        <translation>Formato de imagen no válido.</translation>
    </message>
    <message>
        <source>This image will not fit into excel. It has been reduced to 1 million pixels so that data loss will not occur</source>
        <translation>Esta imagen no cabe en Excel. Se ha reducido a 1 millón de píxeles para que no se pierdan datos.</translation>
    </message>
    <message>
        <source>Warning: Image not Saved</source>
        <translation>Advertencia: la imagen no se ha guardado</translation>
    </message>
    <message>
        <source>No spreadsheet loaded.</source>
        <translation>No se ha cargado ninguna hoja de cálculo.</translation>
    </message>
    <message>
        <source>This is not a valid color spreadsheet.</source>
        <translation>No es una hoja de cálculo de colores válida.</translation>
    </message>
    <message>
        <source>Your spreadsheet does not contain valid color values.</source>
        <translation>Su hoja de cálculo no contiene valores de color válidos.</translation>
    </message>
    <message>
        <source>There is not enough memory to load this spreadsheet.</source>
        <translation>No hay memoria suficiente para cargar esta hoja de cálculo.</translation>
    </message>
    <message>
        <source>Warning: Spreadsheet not Saved</source>
        <translation>Advertencia: la hoja de cálculo no se ha guardado</translation>
    </message>
    <message>
        <source>The sheet has no r, g or b column, so it cannot be drawn in RGB.</source>
        <translation>La hoja no tiene ninguna columna r, g o b, así que no se puede dibujar en RGB.</translation>
    </message>
    <message>
        <source>The sheet has no h, s or v column, so it cannot be drawn in HSV.</source>
        <translation>La hoja no tiene ninguna columna h, s o v, así que no se puede dibujar en HSV.</translation>
    </message>
    <message>
        <source>not a picture in any format this program reads</source>
        <translation>no es una imagen en ningún formato que este programa sepa leer</translation>
    </message>
    <message>
        <source>this is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>no hay ninguna imagen que guardar</translation>
    </message>
    <message>
        <source>no picture format this program writes is named by the suffix &quot;%1&quot;</source>
        <translation>la extensión «%1» no corresponde a ningún formato de imagen que este programa sepa escribir</translation>
    </message>
    <message>
        <source>the picture could not be encoded as %1</source>
        <translation>no se ha podido codificar la imagen como %1</translation>
    </message>
    <message>
        <source>The data could not be written completely.</source>
        <translation>No se han podido escribir todos los datos.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>no header line</source>
        <translation>no hay línea de encabezado</translation>
    </message>
    <message>
        <source>no header line in the first 64 MiB</source>
        <translation>no hay línea de encabezado en los primeros 64 MiB</translation>
    </message>
    <message>
        <source>line %1: a quote is never closed</source>
        <translation>línea %1: unas comillas no se cierran nunca</translation>
    </message>
    <message>
        <source>line %1: a quoted field is longer than 1 MiB; is a quote never closed?</source>
        <translation>línea %1: un campo entre comillas ocupa más de 1 MiB; ¿hay unas comillas sin cerrar?</translation>
    </message>
    <message>
        <source>not enough memory for the sheet&apos;s records</source>
        <translation>no hay memoria suficiente para los registros de la hoja</translation>
    </message>
    <message>
        <source>the header has no columns named x and y</source>
        <translation>el encabezado no tiene columnas llamadas x e y</translation>
    </message>
    <message>
        <source>the header has no column named %1</source>
        <translation>el encabezado no tiene ninguna columna llamada %1</translation>
    </message>
    <message>
        <source>the header has none of the columns r, g, b, h, s, v</source>
        <translation>el encabezado no tiene ninguna de las columnas r, g, b, h, s, v</translation>
    </message>
    <message>
        <source>%1; it has %2</source>
        <translation>%1; tiene %2</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>the worksheet&apos;s cells are out of order</source>
        <translation>las celdas de la hoja no están en orden</translation>
    </message>
    <message>
        <source>a cell lies past column XFD, the last a worksheet has</source>
        <translation>una celda está más allá de la columna XFD, la última de una hoja</translation>
    </message>
    <message>
        <source>a row of the worksheet holds more than 16 MB of text</source>
        <translation>una fila de la hoja contiene más de 16 MB de texto</translation>
    </message>
    <message>
        <source>the worksheet&apos;s rows are out of order</source>
        <translation>las filas de la hoja no están en orden</translation>
    </message>
    <message>
        <source>a row lies past row 1,048,576, the last a worksheet has</source>
        <translation>una fila está más allá de la fila 1.048.576, la última de una hoja</translation>
    </message>
    <message>
        <source>a cell reference lies past the limits of a worksheet (row 1,048,576, column XFD)</source>
        <translation>una referencia de celda sobrepasa los límites de una hoja (fila 1.048.576, columna XFD)</translation>
    </message>
    <message>
        <source>the worksheet holds more than 1 GB of text</source>
        <translation>la hoja contiene más de 1 GB de texto</translation>
    </message>
    <message>
        <source>a cell holds more than a million characters</source>
        <translation>una celda contiene más de un millón de caracteres</translation>
    </message>
    <message>
        <source>a cell refers to a shared text that the workbook lacks</source>
        <translation>una celda remite a un texto compartido que no está en el libro</translation>
    </message>
    <message>
        <source>the workbook&apos;s shared texts take more than 64 MB</source>
        <translation>los textos compartidos del libro ocupan más de 64 MB</translation>
    </message>
    <message>
        <source>the worksheet does not fit in memory</source>
        <translation>la hoja no cabe en la memoria</translation>
    </message>
    <message>
        <source>the workbook&apos;s part %1 is not well-formed XML (%2)</source>
        <translation>la parte %1 del libro no es XML bien formado (%2)</translation>
    </message>
    <message>
        <source>the workbook&apos;s worksheet is not well-formed XML (%1, line %2)</source>
        <translation>la hoja del libro no es XML bien formado (%1, línea %2)</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>cortado antes de tiempo</translation>
    </message>
    <message>
        <source>a piece of the workbook&apos;s XML is longer than 1 MB</source>
        <translation>un fragmento del XML del libro ocupa más de 1 MB</translation>
    </message>
    <message>
        <source>the workbook&apos;s XML declares a document type</source>
        <translation>el XML del libro declara un tipo de documento</translation>
    </message>
    <message>
        <source>the workbook has no worksheet</source>
        <translation>el libro no tiene ninguna hoja</translation>
    </message>
    <message>
        <source>the ZIP container holds no workbook</source>
        <translation>el archivo ZIP no contiene ningún libro</translation>
    </message>
    <message>
        <source>the workbook could not be copied into a temporary file</source>
        <translation>no se ha podido copiar el libro en un archivo temporal</translation>
    </message>
    <message>
        <source>the ZIP container is damaged or cut short</source>
        <translation>el archivo ZIP está dañado o incompleto</translation>
    </message>
    <message>
        <source>the ZIP container is damaged (a checksum does not match)</source>
        <translation>el archivo ZIP está dañado (una suma de comprobación no coincide)</translation>
    </message>
    <message>
        <source>the ZIP container holds more than 10,000 entries</source>
        <translation>el archivo ZIP contiene más de 10.000 entradas</translation>
    </message>
    <message>
        <source>the workbook has no part %1</source>
        <translation>al libro le falta la parte %1</translation>
    </message>
    <message>
        <source>the workbook is encrypted</source>
        <translation>el libro está cifrado</translation>
    </message>
    <message>
        <source>the workbook&apos;s part %1 is packed in an unknown way</source>
        <translation>la parte %1 del libro está comprimida de una forma desconocida</translation>
    </message>
    <message>
        <source>a part of the workbook inflates to more than 2 GB</source>
        <translation>una parte del libro ocupa más de 2 GB al descomprimirla</translation>
    </message>
    <message>
        <source>a part of the workbook inflates more than 250 times</source>
        <translation>una parte del libro crece más de 250 veces al descomprimirla</translation>
    </message>
    <message>
        <source>A workbook holds at most %1 pixels; this sheet has %2.</source>
        <translation>Un libro admite como máximo %1 píxeles; esta hoja tiene %2.</translation>
    </message>
    <message>
        <source>%1 line without a pixel position was skipped</source>
        <translation>se ha omitido %1 línea sin posición de píxel</translation>
    </message>
    <message>
        <source>%1 lines without a pixel position were skipped</source>
        <translation>se han omitido %1 líneas sin posición de píxel</translation>
    </message>
    <message>
        <source>%1 colour value that is not a number was read as 0</source>
        <translation>se ha leído como 0 %1 valor de color que no es un número</translation>
    </message>
    <message>
        <source>%1 colour values that are not numbers were read as 0</source>
        <translation>se han leído como 0 %1 valores de color que no son números</translation>
    </message>
    <message>
        <source>%1 colour value outside 0–255 was drawn as 0 or 255</source>
        <translation>se ha dibujado como 0 o 255 %1 valor de color fuera de 0–255</translation>
    </message>
    <message>
        <source>%1 colour values outside 0–255 were drawn as 0 or 255</source>
        <translation>se han dibujado como 0 o 255 %1 valores de color fuera de 0–255</translation>
    </message>
    <message>
        <source>%1 hue outside 0–359 was drawn modulo 360</source>
        <translation>se ha dibujado módulo 360 %1 matiz fuera de 0–359</translation>
    </message>
    <message>
        <source>%1 hues outside 0–359 were drawn modulo 360</source>
        <translation>se han dibujado módulo 360 %1 matices fuera de 0–359</translation>
    </message>
    <message>
        <source>Reading sheet</source>
        <translation>Leyendo la hoja de cálculo</translation>
    </message>
    <message>
        <source>There is not enough memory to load this image.</source>
        <translation>No hay memoria suficiente para cargar esta imagen.</translation>
    </message>
    <message>
        <source>There is not enough memory to turn this image into a sheet.</source>
        <translation>No hay memoria suficiente para convertir esta imagen en una hoja de cálculo.</translation>
    </message>
    <message>
        <source>There is not enough memory to draw this picture.</source>
        <translation>No hay memoria suficiente para dibujar esta imagen.</translation>
    </message>
    <message>
        <source>There is not enough memory to save this file.</source>
        <translation>No hay memoria suficiente para guardar este archivo.</translation>
    </message>
    <message>
        <source>its %1 x %2 pixels do not fit in the memory there is</source>
        <translation>sus %1 x %2 píxeles no caben en la memoria disponible</translation>
    </message>
    <message>
        <source>Load a picture to turn into numbers</source>
        <translation>Abrir una imagen para convertirla en números</translation>
    </message>
    <message>
        <source>Save the picture in the format its name&apos;s suffix names</source>
        <translation>Guardar la imagen en el formato que indica la extensión de su nombre</translation>
    </message>
    <message>
        <source>Turn the picture into numbers, one row per pixel</source>
        <translation>Convertir la imagen en números, una fila por píxel</translation>
    </message>
    <message>
        <source>Draw the numbers as a picture</source>
        <translation>Dibujar los números como una imagen</translation>
    </message>
    <message>
        <source>Load a pixel sheet to draw as a picture</source>
        <translation>Abrir una hoja de píxeles para dibujarla como imagen</translation>
    </message>
    <message>
        <source>Save the numbers as a pixel sheet</source>
        <translation>Guardar los números como hoja de píxeles</translation>
    </message>
    <message>
        <source>Show and save the colours as red, green and blue</source>
        <translation>Mostrar y guardar los colores como rojo, verde y azul</translation>
    </message>
    <message>
        <source>Show and save the colours as hue, saturation and value</source>
        <translation>Mostrar y guardar los colores como matiz, saturación y valor</translation>
    </message>
    <message>
        <source>Reduce the picture to about 60,000 pixels, as Excel 2002 can hold</source>
        <translation>Reducir la imagen a unos 60.000 píxeles, lo que cabe en Excel 2002</translation>
    </message>
    <message>
        <source>Spreadsheet: from the image</source>
        <translation>Hoja de cálculo: a partir de la imagen</translation>
    </message>
    <message>
        <source>Spreadsheet: from </source>
        <translation>Hoja de cálculo: a partir de </translation>
    </message>
    <message>
        <source>Look into the pixels</source>
        <translation>Examinar los píxeles</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About Tessarine</source>
        <translation>Acerca de Tessarine</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>the picture</source>
        <translation>la imagen</translation>
    </message>
    <message>
        <source>this is a compressed file, such as a compressed Gnumeric file; open it in its program and save it as CSV, .xlsx or .ods</source>
        <translation>es un archivo comprimido, como un archivo de Gnumeric comprimido; ábralo con su programa y guárdelo como CSV, .xlsx o .ods</translation>
    </message>
    <message>
        <source>this is a password-protected workbook; open it in its program and save it again without a password</source>
        <translation>es un libro protegido con contraseña; ábralo con su programa y vuelva a guardarlo sin contraseña</translation>
    </message>
    <message>
        <source>this is a workbook in the old .xls format; open it in a spreadsheet program and save it as CSV, .xlsx or .ods</source>
        <translation>es un libro en el antiguo formato .xls; ábralo con un programa de hojas de cálculo y guárdelo como CSV, .xlsx o .ods</translation>
    </message>
    <message>
        <source>this is a web page; open it in a spreadsheet program and save it as CSV, .xlsx or .ods</source>
        <translation>es una página web; ábrala con un programa de hojas de cálculo y guárdela como CSV, .xlsx o .ods</translation>
    </message>
    <message>
        <source>this is an XML file but no workbook this program reads; open it in a spreadsheet program and save it as CSV, .xlsx or .ods</source>
        <translation>es un archivo XML, pero no un libro que este programa sepa leer; ábralo con un programa de hojas de cálculo y guárdelo como CSV, .xlsx o .ods</translation>
    </message>
    <message>
        <source>this is a picture; open it with Load Image</source>
        <translation>es una imagen; ábrala con «Abrir imagen»</translation>
    </message>
    <message>
        <source>this is a DIF file; open it in a spreadsheet program and save it as CSV, .xlsx or .ods</source>
        <translation>es un archivo DIF; ábralo con un programa de hojas de cálculo y guárdelo como CSV, .xlsx o .ods</translation>
    </message>
    <message>
        <source>%1 line with a position below 0 was skipped</source>
        <translation>se ha omitido %1 línea con una posición menor que 0</translation>
    </message>
    <message>
        <source>%1 lines with a position below 0 were skipped</source>
        <translation>se han omitido %1 líneas con una posición menor que 0</translation>
    </message>
    <message>
        <source>%1 line above the header was skipped</source>
        <translation>se ha omitido %1 línea por encima del encabezado</translation>
    </message>
    <message>
        <source>%1 lines above the header were skipped</source>
        <translation>se han omitido %1 líneas por encima del encabezado</translation>
    </message>
    <message>
        <source>%1 empty colour cell was read as 0</source>
        <translation>se ha leído como 0 %1 celda de color vacía</translation>
    </message>
    <message>
        <source>%1 empty colour cells were read as 0</source>
        <translation>se han leído como 0 %1 celdas de color vacías</translation>
    </message>
    <message>
        <source>%1 formula cell has no stored result, so the value may be wrong; open and save in a spreadsheet program</source>
        <translation>%1 celda con fórmula no tiene un resultado guardado, así que el valor puede ser incorrecto; abra y guarde el archivo en un programa de hojas de cálculo</translation>
    </message>
    <message>
        <source>%1 formula cells have no stored result, so the values may be wrong; open and save in a spreadsheet program</source>
        <translation>%1 celdas con fórmula no tienen un resultado guardado, así que los valores pueden ser incorrectos; abra y guarde el archivo en un programa de hojas de cálculo</translation>
    </message>
    <message>
        <source>%1 pixel had no line and was left transparent</source>
        <translation>%1 píxel no tenía línea y se ha dejado transparente</translation>
    </message>
    <message>
        <source>%1 pixels had no line and were left transparent</source>
        <translation>%1 píxeles no tenían línea y se han dejado transparentes</translation>
    </message>
    <message>
        <source>drawn from the sheet &apos;%1&apos;</source>
        <translation>dibujada a partir de la hoja «%1»</translation>
    </message>
    <message>
        <source>%1 (e.g. %2)</source>
        <translation>%1 (p.&#xa0;ej. %2)</translation>
    </message>
    <message>
        <source>line %1, column %2: &apos;%3&apos;</source>
        <translation>línea %1, columna %2: «%3»</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>%1 changed: read again and drawn (%2)</source>
        <translation>%1 ha cambiado: se ha vuelto a leer y dibujar (%2)</translation>
    </message>
    <message>
        <source>%1 changed: read again (%2)</source>
        <translation>%1 ha cambiado: se ha vuelto a leer (%2)</translation>
    </message>
    <message>
        <source>%1 changed: read again and converted (%2)</source>
        <translation>%1 ha cambiado: se ha vuelto a leer y convertir (%2)</translation>
    </message>
    <message>
        <source>%1 changed but cannot be read, the last good data is kept (%2): %3</source>
        <translation>%1 ha cambiado pero no se puede leer; se conservan los últimos datos válidos (%2): %3</translation>
    </message>
    <message>
        <source>%1 was deleted or moved away; its data is kept (%2)</source>
        <translation>%1 se ha eliminado o movido; se conservan sus datos (%2)</translation>
    </message>
    <message>
        <source>Follow files on disk</source>
        <translation>Seguir los archivos en el disco</translation>
    </message>
    <message>
        <source>Watching %1; Ctrl+C stops</source>
        <translation>Vigilando %1; Ctrl+C para detener</translation>
    </message>
    <message>
        <source>Reading %1 (Esc stops)</source>
        <translation>Leyendo %1 (Esc para detener)</translation>
    </message>
    <message>
        <source>Reading %1 was stopped; nothing has changed</source>
        <translation>Se ha detenido la lectura de %1; no ha cambiado nada</translation>
    </message>
    <message>
        <source>Drop one picture or sheet at a time; nothing was opened.</source>
        <translation>Suelte una sola imagen u hoja de cálculo a la vez; no se ha abierto nada.</translation>
    </message>
    <message>
        <source>A folder cannot be opened; drop one picture or sheet from it.</source>
        <translation>No se puede abrir una carpeta; suelte una imagen u hoja de cálculo que contenga.</translation>
    </message>
    <message>
        <source>Still at work; drop the file again once it is done.</source>
        <translation>Todavía hay trabajo en curso; suelte de nuevo el archivo cuando termine.</translation>
    </message>
    <message>
        <source>The picture file is damaged: it ends early, and its missing part shows as grey.</source>
        <translation>El archivo de imagen está dañado: termina antes de tiempo y la parte que falta se muestra en gris.</translation>
    </message>
    <message>
        <source>x %1, y %2 · r %3 g %4 b %5 · h %6 s %7 v %8</source>
        <translation>x %1, y %2 · r %3 g %4 b %5 · h %6 s %7 v %8</translation>
    </message>
    <message>
        <source> · line %1 of %2</source>
        <translation> · línea %1 de %2</translation>
    </message>
    <message>
        <source>Unsaved work</source>
        <translation>Trabajo sin guardar</translation>
    </message>
    <message>
        <source>Save the converted sheet before closing?</source>
        <translation>¿Guardar la hoja de cálculo convertida antes de cerrar?</translation>
    </message>
    <message>
        <source>Save the drawn picture before closing?</source>
        <translation>¿Guardar la imagen dibujada antes de cerrar?</translation>
    </message>
    <message>
        <source>Tessarine Help</source>
        <translation>Ayuda de Tessarine</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tessarine %1&lt;/h3&gt;&lt;p&gt;Shows that a picture is made of numbers: turns a raster image into a pixel sheet and a pixel sheet back into an image.&lt;/p&gt;&lt;p&gt;Licence: %2&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tessarine %1&lt;/h3&gt;&lt;p&gt;Muestra que una imagen está hecha de números: convierte una imagen de mapa de bits en una hoja de píxeles y una hoja de píxeles de nuevo en una imagen.&lt;/p&gt;&lt;p&gt;Licencia: %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A picture is made of numbers&lt;/h3&gt;&lt;p&gt;Tessarine turns a raster image into a &lt;i&gt;pixel sheet&lt;/i&gt;: a comma-separated file with one line per pixel, giving the pixel&apos;s position and its colour as red, green and blue or as hue, saturation and value. Open the sheet in Excel or LibreOffice, change numbers, and let Tessarine draw the picture again.&lt;/p&gt;&lt;h4&gt;The lesson loop&lt;/h4&gt;&lt;ol&gt;&lt;li&gt;&lt;b&gt;Load Image&lt;/b&gt; reads a picture and previews it with its size and pixel count.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Image to Spreadsheet&lt;/b&gt; turns it into pixel data. A picture of more than one million pixels is reduced to about one million first; with &lt;i&gt;Excel2002 Compatibility&lt;/i&gt; ticked, to about 60,000.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Save Sheet&lt;/b&gt; writes the pixel sheet in the colour model chosen with &lt;i&gt;RGB Mode&lt;/i&gt; / &lt;i&gt;HSV Mode&lt;/i&gt;.&lt;/li&gt;&lt;li&gt;Change numbers in the spreadsheet program and save.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Load Sheet&lt;/b&gt; reads the pixel sheet back; &lt;b&gt;Spreadsheet to Image&lt;/b&gt; draws it into a new picture; &lt;b&gt;Save Image&lt;/b&gt; writes it in the format its file name&apos;s suffix names.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Double-click the preview to look into the pixels: each square shows its position and its numbers, and the line of the sheet that holds it.&lt;/p&gt;&lt;h4&gt;The sheet&lt;/h4&gt;&lt;pre&gt;x,y,r,g,b
0,0,135,206,235
0,1,134,205,235&lt;/pre&gt;&lt;ul&gt;&lt;li&gt;Columns may come in any order and extra columns are ignored.&lt;/li&gt;&lt;li&gt;A line is a pixel only when x and y are numbers; cleared rows and remark lines are skipped.&lt;/li&gt;&lt;li&gt;An empty, missing or non-number colour cell counts as 0.&lt;/li&gt;&lt;li&gt;Colour values outside 0–255 are drawn as 0 or 255, and a hue outside 0–359 is taken modulo 360 (-1 still means no hue).&lt;/li&gt;&lt;/ul&gt;&lt;h4&gt;Shortcuts&lt;/h4&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;Ctrl+O&lt;/td&gt;&lt;td&gt;Load Image&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Right&lt;/td&gt;&lt;td&gt;Image to Spreadsheet&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+R / Ctrl+H&lt;/td&gt;&lt;td&gt;RGB / HSV Mode&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S&lt;/td&gt;&lt;td&gt;Save Sheet&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+O&lt;/td&gt;&lt;td&gt;Load Sheet&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Left&lt;/td&gt;&lt;td&gt;Spreadsheet to Image&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+S&lt;/td&gt;&lt;td&gt;Save Image&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+E&lt;/td&gt;&lt;td&gt;Excel2002 Compatibility&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+I&lt;/td&gt;&lt;td&gt;Look into the pixels (the pixel viewer)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Shift+Z&lt;/td&gt;&lt;td&gt;Undo / Redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;This help&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Q&lt;/td&gt;&lt;td&gt;Quit&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;In the pixel viewer: Ctrl+wheel, + and - zoom, 0 fits, 1 shows 1:1, the arrow keys move from pixel to pixel, Ctrl+C copies the numbers.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Una imagen está hecha de números&lt;/h3&gt;&lt;p&gt;Tessarine convierte una imagen de mapa de bits en una &lt;i&gt;hoja de píxeles&lt;/i&gt;: un archivo de valores separados por comas con una línea por píxel, que indica la posición del píxel y su color como rojo, verde y azul o como matiz, saturación y valor. Abra la hoja en Excel o LibreOffice, cambie números y deje que Tessarine vuelva a dibujar la imagen.&lt;/p&gt;&lt;h4&gt;El ciclo en clase&lt;/h4&gt;&lt;ol&gt;&lt;li&gt;&lt;b&gt;Abrir imagen&lt;/b&gt; lee una imagen y muestra una vista previa con su tamaño y su número de píxeles.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Imagen a hoja de cálculo&lt;/b&gt; la convierte en datos de píxeles. Una imagen de más de un millón de píxeles se reduce antes a un millón aproximadamente; con &lt;i&gt;Compatible con Excel 2002&lt;/i&gt; marcado, a unos 60.000.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Guardar hoja&lt;/b&gt; escribe la hoja de píxeles en el modelo de color elegido con &lt;i&gt;Modo RGB&lt;/i&gt; / &lt;i&gt;Modo HSV&lt;/i&gt;.&lt;/li&gt;&lt;li&gt;Cambie números en el programa de hojas de cálculo y guarde.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Abrir hoja&lt;/b&gt; vuelve a leer la hoja de píxeles; &lt;b&gt;Hoja de cálculo a imagen&lt;/b&gt; la dibuja en una imagen nueva; &lt;b&gt;Guardar imagen&lt;/b&gt; la escribe en el formato que indica la extensión de su nombre de archivo.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Haga doble clic en la vista previa para examinar los píxeles: cada cuadrado muestra su posición, sus números y la línea de la hoja que lo contiene.&lt;/p&gt;&lt;h4&gt;La hoja&lt;/h4&gt;&lt;pre&gt;x,y,r,g,b
0,0,135,206,235
0,1,134,205,235&lt;/pre&gt;&lt;ul&gt;&lt;li&gt;Las columnas pueden estar en cualquier orden y las columnas de más se ignoran.&lt;/li&gt;&lt;li&gt;Una línea solo es un píxel cuando x e y son números; las filas vaciadas y las líneas de comentario se omiten.&lt;/li&gt;&lt;li&gt;Una celda de color vacía, ausente o no numérica cuenta como 0.&lt;/li&gt;&lt;li&gt;Los valores de color fuera de 0–255 se dibujan como 0 o 255, y un matiz fuera de 0–359 se toma módulo 360 (-1 sigue significando «sin matiz»).&lt;/li&gt;&lt;/ul&gt;&lt;h4&gt;Atajos de teclado&lt;/h4&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;Ctrl+O&lt;/td&gt;&lt;td&gt;Abrir imagen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Right&lt;/td&gt;&lt;td&gt;Imagen a hoja de cálculo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+R / Ctrl+H&lt;/td&gt;&lt;td&gt;Modo RGB / HSV&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S&lt;/td&gt;&lt;td&gt;Guardar hoja&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+O&lt;/td&gt;&lt;td&gt;Abrir hoja&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Left&lt;/td&gt;&lt;td&gt;Hoja de cálculo a imagen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+S&lt;/td&gt;&lt;td&gt;Guardar imagen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+E&lt;/td&gt;&lt;td&gt;Compatible con Excel 2002&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+I&lt;/td&gt;&lt;td&gt;Examinar los píxeles (el visor de píxeles)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Shift+Z&lt;/td&gt;&lt;td&gt;Deshacer / Rehacer&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;Esta ayuda&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Q&lt;/td&gt;&lt;td&gt;Salir&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;En el visor de píxeles: Ctrl+rueda, + y - amplían o reducen, 0 ajusta a la ventana, 1 muestra a 1:1, las flechas pasan de un píxel a otro, Ctrl+C copia los números.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Writing %1 was stopped; the file on disk is as it was</source>
        <translation>Se detuvo la escritura de %1; el archivo en el disco sigue como estaba</translation>
    </message>
    <message>
        <source>The work was stopped; nothing has changed.</source>
        <translation>El trabajo se detuvo; no ha cambiado nada.</translation>
    </message>
    <message>
        <source>Writing %1 (Esc stops)</source>
        <translation>Escribiendo %1 (Esc para detener)</translation>
    </message>
    <message>
        <source>Drawing the picture (Esc stops)</source>
        <translation>Dibujando la imagen (Esc para detener)</translation>
    </message>
    <message>
        <source>Converting the picture (Esc stops)</source>
        <translation>Convirtiendo la imagen (Esc para detener)</translation>
    </message>
    <message>
        <source>Drawing the picture was stopped; nothing has changed</source>
        <translation>Se detuvo el dibujo de la imagen; no ha cambiado nada</translation>
    </message>
    <message>
        <source>Converting the picture was stopped; nothing has changed</source>
        <translation>Se detuvo la conversión de la imagen; no ha cambiado nada</translation>
    </message>
    <message>
        <source>The spreadsheet file does not exist.</source>
        <translation>El archivo de la hoja de cálculo no existe.</translation>
    </message>
    <message>
        <source>This picture is too large to draw.</source>
        <translation>Esta imagen es demasiado grande para dibujarla.</translation>
    </message>
    <message>
        <source>The sheet describes a picture of %1 × %2 pixels; the largest picture this program draws is %3 × %3 pixels (%4 pixels in all, in any shape up to %5 pixels wide or high).</source>
        <translation>La hoja describe una imagen de %1 × %2 píxeles; la imagen más grande que dibuja este programa es de %3 × %3 píxeles (%4 píxeles en total, de cualquier forma hasta %5 píxeles de ancho o de alto).</translation>
    </message>
    <message>
        <source>%1; none of the first %2 non-empty lines names x and y</source>
        <translation>%1; ninguna de las primeras %2 líneas no vacías nombra x e y</translation>
    </message>
    <message>
        <source>%1; none of its %2 non-empty lines names x and y</source>
        <translation>%1; ninguna de sus %2 líneas no vacías nombra x e y</translation>
    </message>
    <message>
        <source>the ZIP container holds %1 files and no workbook; unpack it and open the sheet among them</source>
        <translation>el archivo ZIP contiene %1 archivos y ningún libro; descomprímalo y abra la hoja que contiene</translation>
    </message>
    <message>
        <source>the compressed file is damaged or cut short</source>
        <translation>el archivo comprimido está dañado o cortado</translation>
    </message>
    <message>
        <source>the compressed file unpacks to more than 2 GB, or to more than 250 times its size; unpack it and open the sheet</source>
        <translation>el archivo comprimido se descomprime en más de 2 GB, o en más de 250 veces su tamaño; descomprímalo y abra la hoja</translation>
    </message>
    <message>
        <source>%1 number with a comma before three digits was read as a whole number, the comma grouping its digits</source>
        <translation>%1 número con una coma antes de tres cifras se leyó como número entero, la coma como separador de miles</translation>
    </message>
    <message>
        <source>%1 numbers with a comma before three digits were read as whole numbers, the comma grouping their digits</source>
        <translation>%1 números con una coma antes de tres cifras se leyeron como números enteros, la coma como separador de miles</translation>
    </message>
    <message>
        <source>%1 number with a comma before three digits was read with the comma as the decimal mark, as its column or the sheet holds decimals</source>
        <translation>%1 número con una coma antes de tres cifras se leyó con la coma como separador decimal, porque su columna o la hoja contiene decimales</translation>
    </message>
    <message>
        <source>%1 numbers with a comma before three digits were read with the comma as the decimal mark, as their columns or the sheet hold decimals</source>
        <translation>%1 números con una coma antes de tres cifras se leyeron con la coma como separador decimal, porque sus columnas o la hoja contienen decimales</translation>
    </message>
    <message>
        <source>line %1, column %2: &apos;%3&apos; as %4</source>
        <translation>línea %1, columna %2: «%3» como %4</translation>
    </message>
    <message>
        <source>Read a file again when another program saves it (%1)</source>
        <translation>Volver a leer un archivo cuando otro programa lo guarda (%1)</translation>
    </message>
    <message>
        <source>Open in spreadsheet</source>
        <translation>Abrir en la hoja de cálculo</translation>
    </message>
    <message>
        <source>Open the sheet in the spreadsheet program, saved first when it is new (Ctrl+Shift+E)</source>
        <translation>Abrir la hoja en el programa de hojas de cálculo; una hoja nueva se guarda primero (Ctrl+Mayús+E)</translation>
    </message>
    <message>
        <source>%1 pixels changed</source>
        <translation>%1 píxeles cambiados</translation>
    </message>
    <message>
        <source>%1 pixel changed</source>
        <translation>%1 píxel cambiado</translation>
    </message>
    <message>
        <source>; the largest change is %1 in %2 at x %3, y %4</source>
        <translation>; el mayor cambio es %1 en %2 en x %3, y %4</translation>
    </message>
    <message>
        <source>The pictures differ in size: %1 × %2 and %3 × %4</source>
        <translation>Las imágenes tienen distinto tamaño: %1 × %2 y %3 × %4</translation>
    </message>
    <message>
        <source>No program was found to open %1; open it from the spreadsheet program.</source>
        <translation>No se encontró ningún programa para abrir %1; ábralo desde el programa de hojas de cálculo.</translation>
    </message>
    <message>
        <source>Save the converted sheet before loading another file?</source>
        <translation>¿Guardar la hoja convertida antes de cargar otro archivo?</translation>
    </message>
    <message>
        <source>Save the drawn picture before loading another file?</source>
        <translation>¿Guardar la imagen dibujada antes de cargar otro archivo?</translation>
    </message>
    <message>
        <source>this is a pixel sheet; open it with Load Sheet</source>
        <translation>es una hoja de píxeles; ábrala con «Abrir hoja»</translation>
    </message>
    <message>
        <source>Look into the sheet&apos;s pixels</source>
        <translation>Mirar los píxeles de la hoja</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>A picture of %1 × %2 does not fit in a picture-shaped sheet (at most 16,384 columns and 1,048,576 rows).</source>
        <translation>Una imagen de %1 × %2 no cabe en una hoja con forma de imagen (como máximo 16.384 columnas y 1.048.576 filas).</translation>
    </message>
    <message>
        <source>reduced to %1 × %2 for a picture-shaped sheet</source>
        <translation>reducida a %1 × %2 para una hoja con forma de imagen</translation>
    </message>
    <message>
        <source>A picture-shaped sheet colours red, green and blue; it is written in RGB.</source>
        <translation>Una hoja con forma de imagen colorea rojo, verde y azul; se escribe en RGB.</translation>
    </message>
    <message>
        <source>read as a picture-shaped sheet of %1 × %2</source>
        <translation>leída como hoja con forma de imagen de %1 × %2</translation>
    </message>
    <message>
        <source>read as a picture-shaped grey sheet of %1 × %2</source>
        <translation>leída como hoja gris con forma de imagen de %1 × %2</translation>
    </message>
    <message>
        <source>row %1: the %2 row of picture row %3 is missing</source>
        <translation>fila %1: falta la fila %2 de la fila de imagen %3</translation>
    </message>
    <message>
        <source>row %1: the %2 row of picture row %3 should be here, not &apos;%4&apos;</source>
        <translation>fila %1: aquí debería estar la fila %2 de la fila de imagen %3, no &apos;%4&apos;</translation>
    </message>
    <message>
        <source>row %1: picture row %2 should be here, not &apos;%3&apos;</source>
        <translation>fila %1: aquí debería estar la fila de imagen %2, no &apos;%3&apos;</translation>
    </message>
    <message>
        <source>Picture-shaped workbook (*.xlsx)</source>
        <translation>Libro con forma de imagen (*.xlsx)</translation>
    </message>
    <message>
        <source>Picture-shaped grey workbook (*.xlsx)</source>
        <translation>Libro gris con forma de imagen (*.xlsx)</translation>
    </message>
    <message>
        <source>Picture-shaped spreadsheet (*.ods)</source>
        <translation>Hoja de cálculo con forma de imagen (*.ods)</translation>
    </message>
    <message>
        <source>Picture-shaped grey spreadsheet (*.ods)</source>
        <translation>Hoja de cálculo gris con forma de imagen (*.ods)</translation>
    </message>
    <message>
        <source>the picture is too large: %1 x %2 pixels, more than this program reads</source>
        <translation>la imagen es demasiado grande: %1 x %2 píxeles, más de lo que lee este programa</translation>
    </message>
    <message>
        <source> · cell %1 (r) of %2</source>
        <translation> · celda %1 (r) de %2</translation>
    </message>
    <message>
        <source> · cell %1 of %2</source>
        <translation> · celda %1 de %2</translation>
    </message>
    <message>
        <source>read the painted cells %1 of %2 as a %3 × %4 picture</source>
        <translation>celdas pintadas %1 de %2 leídas como una imagen de %3 × %4</translation>
    </message>
    <message>
        <source>read the grid %1 of %2 as a %3 × %4 picture of grey values</source>
        <translation>se leyó la cuadrícula %1 de %2 como una imagen de %3 × %4 en valores de gris</translation>
    </message>
    <message>
        <source>read the grid %1 of %2 as a %3 × %4 picture in black and white, 1 = black</source>
        <translation>se leyó la cuadrícula %1 de %2 como una imagen de %3 × %4 en blanco y negro, 1 = negro</translation>
    </message>
    <message>
        <source>read the grid %1 of %2 as a %3 × %4 picture of colour codes</source>
        <translation>se leyó la cuadrícula %1 de %2 como una imagen de %3 × %4 en códigos de color</translation>
    </message>
    <message>
        <source>the sheet</source>
        <translation>la hoja</translation>
    </message>
    <message>
        <source>cell %1 of the grid is empty</source>
        <translation>la celda %1 de la cuadrícula está vacía</translation>
    </message>
    <message>
        <source>cell %1: &apos;%2&apos; is no whole number from 0 to 255</source>
        <translation>celda %1: «%2» no es un número entero de 0 a 255</translation>
    </message>
    <message>
        <source>cell %1: &apos;%2&apos; is no colour code (#RRGGBB, RRGGBB or rgb(r, g, b))</source>
        <translation>celda %1: «%2» no es un código de color (#RRGGBB, RRGGBB o rgb(r, g, b))</translation>
    </message>
    <message>
        <source>cell %1: &apos;%2&apos; lies outside the grid</source>
        <translation>celda %1: «%2» está fuera de la cuadrícula</translation>
    </message>
    <message>
        <source>cell %1: &apos;%2&apos; should be the row label %3</source>
        <translation>celda %1: «%2» debería ser la etiqueta de fila %3</translation>
    </message>
    <message>
        <source>%1 (looked for a pixel list with x and y, a picture-shaped sheet and a grid of values)</source>
        <translation>%1 (se buscó una lista de píxeles con x e y, una hoja con forma de imagen y una cuadrícula de valores)</translation>
    </message>
    <message>
        <source>read the grid %1 of %2 as a %3 × %4 picture in black and white, 1 = white</source>
        <translation>se leyó la cuadrícula %1 de %2 como una imagen de %3 × %4 en blanco y negro, 1 = blanco</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>No hay archivos recientes</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>x %1, y %2 · before r %3 g %4 b %5 · after r %6 g %7 b %8</source>
        <translation>x %1, y %2 · antes r %3 g %4 b %5 · después r %6 g %7 b %8</translation>
    </message>
    <message>
        <source>some colours are patterns of two colours, as the program that saved the workbook reduced them (an .ods file keeps them exactly)</source>
        <translation>algunos colores son tramas de dos colores, porque el programa que guardó el libro los redujo (un archivo .ods los conserva exactamente)</translation>
    </message>
    <message>
        <source>the conditional formats of %1 are of a kind not read; those cells show their own fill</source>
        <translation>los formatos condicionales de %1 son de un tipo que no se lee; esas celdas muestran su propio relleno</translation>
    </message>
    <message>
        <source>no visible worksheet holds a pixel list with x and y, a picture-shaped sheet, a grid of values or painted cells; looked at %1</source>
        <translation>ninguna hoja visible contiene una lista de píxeles con x e y, una hoja con forma de imagen, una cuadrícula de valores ni celdas pintadas; hojas revisadas: %1</translation>
    </message>
    <message>
        <source>a grid of %1 × %2 cells is larger than %3 columns or %4 cells</source>
        <translation>una cuadrícula de %1 × %2 celdas supera las %3 columnas o %4 celdas</translation>
    </message>
    <message>
        <source>read the grids %1 of the sheets %2, %3 and %4 as a %5 × %6 picture of red, green and blue values</source>
        <translation>se leyeron las cuadrículas %1 de las hojas %2, %3 y %4 como una imagen de %5 × %6 en valores de rojo, verde y azul</translation>
    </message>
    <message>
        <source>sheet %1: %2</source>
        <translation>hoja %1: %2</translation>
    </message>
    <message>
        <source>its grid of %1 × %2 cells differs from the grid of %3, %4 × %5 cells; the three sheets must hold grids of one size</source>
        <translation>su cuadrícula de %1 × %2 celdas difiere de la cuadrícula de %3, de %4 × %5 celdas; las tres hojas deben contener cuadrículas del mismo tamaño</translation>
    </message>
    <message>
        <source>%1 (looked for a pixel list with x and y, a picture-shaped sheet, a grid of values and painted cells)</source>
        <translation>%1 (se buscó una lista de píxeles con x e y, una hoja con forma de imagen, una cuadrícula de valores y celdas pintadas)</translation>
    </message>
    <message>
        <source>fill %1</source>
        <translation>relleno %1</translation>
    </message>
    <message>
        <source>value %1</source>
        <translation>valor %1</translation>
    </message>
</context>
<context>
    <name>PixelViewer</name>
    <message>
        <source>Pixels of the picture</source>
        <translation>Píxeles de la imagen</translation>
    </message>
    <message>
        <source>Arrow keys move from pixel to pixel; plus and minus zoom, 0 fits, 1 shows 1:1; Ctrl+C copies the numbers</source>
        <translation>Las flechas pasan de un píxel a otro; más y menos amplían o reducen, 0 ajusta a la ventana, 1 muestra a 1:1; Ctrl+C copia los números</translation>
    </message>
    <message>
        <source>Numbers of the pixel</source>
        <translation>Números del píxel</translation>
    </message>
    <message>
        <source>Copy the numbers</source>
        <translation>Copiar los números</translation>
    </message>
    <message>
        <source>Pixels of %1 – %2</source>
        <translation>Píxeles de %1 – %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>QMainWindow</name>
    <message>
        <source>Window content</source>
        <translation>Contenido de la ventana</translation>
    </message>
</context>
<context>
    <name>Viewers</name>
    <message>
        <source>the sheet</source>
        <translation>la hoja de cálculo</translation>
    </message>
</context>
<context>
    <name>tessarine-cli</name>
    <message>
        <source>Try &apos;tessarine-cli --help&apos; for more information.
</source>
        <translation>Pruebe «tessarine-cli --help» para más información.
</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se ha indicado ninguna orden</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida «%1»</translation>
    </message>
    <message>
        <source>%1 takes exactly two paths, %2 given</source>
        <translation>%1 necesita exactamente dos rutas; se han indicado %2</translation>
    </message>
    <message>
        <source>--rgb and --hsv cannot be used together</source>
        <translation>--rgb y --hsv no se pueden usar a la vez</translation>
    </message>
    <message>
        <source>to-sheet writes RGB unless --hsv is given; it has no --rgb</source>
        <translation>to-sheet escribe RGB salvo con --hsv; no tiene --rgb</translation>
    </message>
    <message>
        <source>--excel2002 applies to to-sheet only</source>
        <translation>--excel2002 solo se aplica a to-sheet</translation>
    </message>
    <message>
        <source>--watch follows a file; standard input cannot be watched</source>
        <translation>--watch sigue un archivo; la entrada estándar no se puede vigilar</translation>
    </message>
    <message>
        <source>compare takes no --%1</source>
        <translation>compare no admite --%1</translation>
    </message>
    <message>
        <source>compare takes two pictures and an optional difference picture, %1 paths given</source>
        <translation>compare espera dos imágenes y una imagen de diferencia opcional; se dieron %1 rutas</translation>
    </message>
    <message>
        <source>unknown layout &apos;%1&apos;: list, picture or grey</source>
        <translation>disposición desconocida &apos;%1&apos;: list, picture o grey</translation>
    </message>
    <message>
        <source>--max-side applies to --layout picture or grey</source>
        <translation>--max-side solo se aplica a --layout picture o grey</translation>
    </message>
    <message>
        <source>--max-side takes a number from 1 to %1, not &apos;%2&apos;</source>
        <translation>--max-side espera un número de 1 a %1, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--excel2002 applies to --layout list only</source>
        <translation>--excel2002 solo se aplica a --layout list</translation>
    </message>
    <message>
        <source>a picture-shaped sheet is written as a workbook (.xlsx or .ods): a CSV file cannot hold its colours. Save the workbook as CSV in the spreadsheet program if you need one</source>
        <translation>una hoja con forma de imagen se escribe como libro (.xlsx u .ods): un archivo CSV no puede guardar sus colores. Guarde el libro como CSV en la hoja de cálculo si lo necesita</translation>
    </message>
    <message>
        <source>--layout and --max-side apply to to-sheet only; to-image knows the layout by the content</source>
        <translation>--layout y --max-side solo se aplican a to-sheet; to-image reconoce la disposición por el contenido</translation>
    </message>
    <message>
        <source>Usage:
  tessarine-cli to-sheet IMAGE SHEET [--hsv] [--excel2002] [--watch]
  tessarine-cli to-sheet IMAGE BOOK.xlsx|BOOK.ods --layout picture|grey [--max-side N] [--watch]
  tessarine-cli to-image SHEET IMAGE [--rgb | --hsv] [--ones black|white] [--watch]
  tessarine-cli compare IMAGE IMAGE [DIFFERENCE]
  tessarine-cli --help | --version
</source>
        <translation>Uso:
  tessarine-cli to-sheet IMAGEN HOJA [--hsv] [--excel2002] [--watch]
  tessarine-cli to-sheet IMAGEN LIBRO.xlsx|LIBRO.ods --layout picture|grey [--max-side N] [--watch]
  tessarine-cli to-image HOJA IMAGEN [--rgb | --hsv] [--ones black|white] [--watch]
  tessarine-cli compare IMAGEN IMAGEN [DIFERENCIA]
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
Convierte una imagen en una hoja de píxeles (una línea por píxel: x,y y su color) y una hoja
de píxeles de nuevo en una imagen.

Órdenes:
  to-sheet     Lee IMAGEN (cualquier formato que el programa conozca, detectado por su
               contenido) y escribe su hoja de píxeles en HOJA: CSV, o un libro de Excel si
               HOJA acaba en .xlsx. Las imágenes de más de un millón de píxeles se reducen
               antes a cerca de un millón (aviso en la salida de error estándar).
  to-image     Lee la hoja de píxeles HOJA (CSV, .xlsx o .ods, reconocida por su contenido) y
               la dibuja en IMAGEN; el formato de imagen es el que indica la extensión de
               IMAGEN (.png, .bmp, .jpg, .gif, .tif, ...).
  compare      Comparar dos imágenes píxel a píxel y mostrar cuántos píxeles han
               cambiado y el mayor cambio, con su lugar. DIFERENCIA, si se da, recibe
               una imagen del cambio: píxeles cambiados en rojo, los demás oscurecidos.

Opciones:
  --hsv        to-sheet: escribe matiz, saturación y valor en lugar de rojo, verde y azul.
               to-image: dibuja a partir de las columnas h, s, v.
  --rgb        to-image: dibuja a partir de las columnas r, g, b.
               Sin --rgb ni --hsv, to-image dibuja a partir de r, g, b si la hoja tiene alguna
               de ellas; si no, a partir de h, s, v.
  --excel2002  to-sheet: reduce la imagen a unos 60.000 píxeles, el máximo de filas que
               admiten los programas de hojas de cálculo antiguos.
  --layout L   to-sheet: list (la hoja de píxeles, una fila por píxel; por defecto),
               picture (un libro con forma de imagen: tres filas r, g, b por fila de
               imagen, coloreadas por la hoja de cálculo al escribir) o grey (una fila
               de valores de gris por fila de imagen). picture y grey necesitan un
               nombre .xlsx u .ods y se escriben en RGB.
  --max-side N  picture, grey: reduce la imagen a un lado mayor de N píxeles como
               máximo (256 por defecto, 768 como máximo).
  --ones C     to-image: en una cuadrícula hecha a mano de solo 0 y 1, el 1 es
               tinta negra sobre papel blanco (por defecto, C = black); --ones white
               lo invierte.
  --watch      Convierte una vez y de nuevo cada vez que se vuelve a guardar el archivo de
               entrada (con un programa de hojas de cálculo o de dibujo, sea como sea), hasta
               que se interrumpe (Ctrl+C) o se termina. Si un guardado no se puede leer, se
               indica el motivo y se conserva la última salida válida; el siguiente guardado
               válido se vuelve a convertir. La entrada debe ser un archivo, no -.
  -h, --help   Muestra este texto.
  -v, --version  Muestra la versión.

Si HOJA es -, se usa la salida estándar en to-sheet y la entrada estándar en to-image.

Estado de salida: 0 hecho, 1 la conversión ha fallado (motivo en la salida de error estándar),
2 la línea de órdenes era incorrecta. Con --watch: 0 al detenerse.
Con compare: 3 si las imágenes son distintas, 0 si son iguales.
</translation>
    </message>
    <message>
        <source>--ones applies to to-image only</source>
        <translation>--ones solo se aplica a to-image</translation>
    </message>
    <message>
        <source>--ones takes black or white, not &apos;%1&apos;</source>
        <translation>--ones espera black o white, no &apos;%1&apos;</translation>
    </message>
</context>
</TS>
