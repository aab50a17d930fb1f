<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Tessarine</source>
        <translation>Tessarine</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Image&#xa0;:</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Ouvrir l’image</translation>
    </message>
    <message>
        <source>Image Information</source>
        <translation>Détails de l’image</translation>
    </message>
    <message>
        <source>Output Rows: </source>
        <translation>Lignes produites&#xa0;: </translation>
    </message>
    <message>
        <source>Original Size: </source>
        <translation>Taille d’origine&#xa0;: </translation>
    </message>
    <message>
        <source>Shown Size: </source>
        <translation>Taille affichée&#xa0;: </translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Loaded in memory:</source>
        <translation>En mémoire&#xa0;:</translation>
    </message>
    <message>
        <source>Saved to disk:</source>
        <translation>Enregistré&#xa0;:</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Feuille de calcul</translation>
    </message>
    <message>
        <source>Load Sheet</source>
        <translation>Ouvrir la feuille</translation>
    </message>
    <message>
        <source>Spreadsheet Info</source>
        <translation>Détails de la feuille</translation>
    </message>
    <message>
        <source>Output Image: </source>
        <translation>Image produite&#xa0;: </translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rouge&#xa0;:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Vert&#xa0;:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Bleu&#xa0;:</translation>
    </message>
    <message>
        <source>RGB Mode</source>
        <translation>Mode RVB</translation>
    </message>
    <message>
        <source>HSV Mode</source>
        <translation>Mode TSV</translation>
    </message>
    <message>
        <source>Hue:</source>
        <translation>Teinte&#xa0;:</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>Saturation&#xa0;:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valeur&#xa0;:</translation>
    </message>
    <message>
        <source>Save Sheet</source>
        <translation>Enregistrer</translation>
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
        <translation>Image vers feuille de calcul</translation>
    </message>
    <message>
        <source>Spreadsheet to Image</source>
        <translation>Feuille de calcul vers image</translation>
    </message>
    <message>
        <source>Excel2002 Compatibility</source>
        <translation>Compatibilité Excel 2002</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Raccourci&#xa0;: %1</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Images (*.bmp *.gif *.ico *.jpeg *.jpg *.mng *.pbm *.pgm *.png *.ppm *.svg *.svgz *.tif *.tiff *.xbm *.xpm *.webp *.avif *.heic *.heif *.jxl *.tga)</source>
        <translation>Images (*.bmp *.gif *.ico *.jpeg *.jpg *.mng *.pbm *.pgm *.png *.ppm *.svg *.svgz *.tif *.tiff *.xbm *.xpm *.webp *.avif *.heic *.heif *.jxl *.tga)</translation>
    </message>
    <message>
        <source>Image: </source>
        <translation>Image&#xa0;: </translation>
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
        <translation>Feuilles de calcul (*.csv *.xlsx *.ods);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Spreadsheet: </source>
        <translation>Feuille de calcul&#xa0;: </translation>
    </message>
    <message>
        <source>Image (*.csv);;Excel workbook (*.xlsx)</source>
        <translation>Feuille de calcul (*.csv);;Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Reduced from %1 × %2 to %3 × %4: %5 rows</source>
        <translation>Réduite de %1 × %2 à %3 × %4&#xa0;: %5 lignes</translation>
    </message>
    <message>
        <source>Image: drawn from the table</source>
        <translation>Image&#xa0;: dessinée d’après la feuille de calcul</translation>
    </message>
    <message>
        <source>Image: drawn from %1</source>
        <translation>Image&#xa0;: dessinée d’après %1</translation>
    </message>
    <message>
        <source>No Spreadsheet Loaded</source>
        <translation>Aucune feuille de calcul chargée</translation>
    </message>
    <message>
        <source>Red: --</source>
        <translation>Rouge&#xa0;: --</translation>
    </message>
    <message>
        <source>Green: --</source>
        <translation>Vert&#xa0;: --</translation>
    </message>
    <message>
        <source>Blue: --</source>
        <translation>Bleu&#xa0;: --</translation>
    </message>
    <message>
        <source>Hue: --</source>
        <translation>Teinte&#xa0;: --</translation>
    </message>
    <message>
        <source>Saturation: --</source>
        <translation>Saturation&#xa0;: --</translation>
    </message>
    <message>
        <source>Value: --</source>
        <translation>Valeur&#xa0;: --</translation>
    </message>
    <message>
        <source>No Image Loaded</source>
        <translation>Aucune image chargée</translation>
    </message>
    <message>
        <source>Output Rows: -- </source>
        <translation>Lignes produites&#xa0;: -- </translation>
    </message>
    <message>
        <source>Original Size: -- </source>
        <translation>Taille d’origine&#xa0;: -- </translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Red: </source>
        <translation>Rouge&#xa0;: </translation>
    </message>
    <message>
        <source>Green: </source>
        <translation>Vert&#xa0;: </translation>
    </message>
    <message>
        <source>Blue: </source>
        <translation>Bleu&#xa0;: </translation>
    </message>
    <message>
        <source>Hue: </source>
        <translation>Teinte&#xa0;: </translation>
    </message>
    <message>
        <source>Saturation: </source>
        <translation>Saturation&#xa0;: </translation>
    </message>
    <message>
        <source>Value: </source>
        <translation>Valeur&#xa0;: </translation>
    </message>
    <message>
        <source>Failed loading</source>
        <translation>Échec de l’ouverture</translation>
    </message>
    <message>
        <source>Max Size Reached</source>
        <translation>Taille maximale atteinte</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Invalid Sheet</source>
        <translation>Feuille de calcul non valide</translation>
    </message>
    <message>
        <source>No image loaded.</source>
        <translation>Aucune image n’a été chargée.</translation>
    </message>
    <message>
        <source>Invalid image format.</source>
        <translation>Format d’image non valide.</translation>
    </message>
    <message>
        <source>This image will not fit into excel. It has been reduced to 1 million pixels so that data loss will not occur</source>
        <translation>Cette image ne tient pas dans Excel. Elle a été réduite à 1 million de pixels pour éviter toute perte de données.</translation>
    </message>
    <message>
        <source>Warning: Image not Saved</source>
        <translation>Attention&#xa0;: l’image n’a pas été enregistrée</translation>
    </message>
    <message>
        <source>No spreadsheet loaded.</source>
        <translation>Aucune feuille de calcul n’a été chargée.</translation>
    </message>
    <message>
        <source>This is not a valid color spreadsheet.</source>
        <translation>Ce n’est pas une feuille de calcul de couleurs valide.</translation>
    </message>
    <message>
        <source>Your spreadsheet does not contain valid color values.</source>
        <translation>Votre feuille de calcul ne contient pas de valeurs de couleur valides.</translation>
    </message>
    <message>
        <source>There is not enough memory to load this spreadsheet.</source>
        <translation>La mémoire est insuffisante pour charger cette feuille de calcul.</translation>
    </message>
    <message>
        <source>Warning: Spreadsheet not Saved</source>
        <translation>Attention&#xa0;: la feuille de calcul n’a pas été enregistrée</translation>
    </message>
    <message>
        <source>The sheet has no r, g or b column, so it cannot be drawn in RGB.</source>
        <translation>La feuille de calcul n’a pas de colonne r, g ou b&#xa0;; elle ne peut donc pas être dessinée en RVB.</translation>
    </message>
    <message>
        <source>The sheet has no h, s or v column, so it cannot be drawn in HSV.</source>
        <translation>La feuille de calcul n’a pas de colonne h, s ou v&#xa0;; elle ne peut donc pas être dessinée en TSV.</translation>
    </message>
    <message>
        <source>The sheet describes an image of %1 x %2 pixels, which cannot be created.</source>
        <translation>La feuille de calcul décrit une image de %1 × %2 pixels, qui ne peut pas être créée.</translation>
    </message>
    <message>
        <source>not a picture in any format this program reads</source>
        <translation>ce n’est une image dans aucun format que ce programme sait lire</translation>
    </message>
    <message>
        <source>this is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>il n’y a aucune image à enregistrer</translation>
    </message>
    <message>
        <source>no picture format this program writes is named by the suffix &quot;%1&quot;</source>
        <translation>l’extension «&#xa0;%1&#xa0;» ne désigne aucun format d’image que ce programme sait écrire</translation>
    </message>
    <message>
        <source>the picture could not be encoded as %1</source>
        <translation>l’image n’a pas pu être encodée en %1</translation>
    </message>
    <message>
        <source>The data could not be written completely.</source>
        <translation>Les données n’ont pas pu être entièrement écrites.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>no header line</source>
        <translation>aucune ligne d’en-tête</translation>
    </message>
    <message>
        <source>no header line in the first 64 MiB</source>
        <translation>aucune ligne d’en-tête dans les 64&#xa0;Mio premiers</translation>
    </message>
    <message>
        <source>line %1: a quote is never closed</source>
        <translation>ligne %1&#xa0;: un guillemet n’est jamais fermé</translation>
    </message>
    <message>
        <source>line %1: a quoted field is longer than 1 MiB; is a quote never closed?</source>
        <translation>ligne %1&#xa0;: un champ entre guillemets dépasse 1&#xa0;Mio&#xa0;; un guillemet n’est-il jamais fermé&#xa0;?</translation>
    </message>
    <message>
        <source>not enough memory for the sheet&apos;s records</source>
        <translation>mémoire insuffisante pour les enregistrements de la feuille de calcul</translation>
    </message>
    <message>
        <source>the header has no columns named x and y</source>
        <translation>l’en-tête n’a pas de colonnes nommées x et y</translation>
    </message>
    <message>
        <source>the header has no column named %1</source>
        <translation>l’en-tête n’a pas de colonne nommée %1</translation>
    </message>
    <message>
        <source>the header has none of the columns r, g, b, h, s, v</source>
        <translation>l’en-tête n’a aucune des colonnes r, g, b, h, s, v</translation>
    </message>
    <message>
        <source>%1; it has %2</source>
        <translation>%1&#xa0;; il contient %2</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>the worksheet&apos;s cells are out of order</source>
        <translation>les cellules de la feuille ne sont pas dans l’ordre</translation>
    </message>
    <message>
        <source>a cell lies past column XFD, the last a worksheet has</source>
        <translation>une cellule se trouve au-delà de la colonne XFD, la dernière d’une feuille</translation>
    </message>
    <message>
        <source>a row of the worksheet holds more than 16 MB of text</source>
        <translation>une ligne de la feuille contient plus de 16&#xa0;Mo de texte</translation>
    </message>
    <message>
        <source>the worksheet&apos;s rows are out of order</source>
        <translation>les lignes de la feuille ne sont pas dans l’ordre</translation>
    </message>
    <message>
        <source>a row lies past row 1,048,576, the last a worksheet has</source>
        <translation>une ligne se trouve au-delà de la ligne 1&#xa0;048&#xa0;576, la dernière d’une feuille</translation>
    </message>
    <message>
        <source>a cell reference lies past the limits of a worksheet (row 1,048,576, column XFD)</source>
        <translation>une référence de cellule dépasse les limites d’une feuille (ligne 1&#xa0;048&#xa0;576, colonne XFD)</translation>
    </message>
    <message>
        <source>the worksheet holds more than 1 GB of text</source>
        <translation>la feuille contient plus de 1&#xa0;Go de texte</translation>
    </message>
    <message>
        <source>a cell holds more than a million characters</source>
        <translation>une cellule contient plus d’un million de caractères</translation>
    </message>
    <message>
        <source>a cell refers to a shared text that the workbook lacks</source>
        <translation>une cellule renvoie à un texte partagé absent du classeur</translation>
    </message>
    <message>
        <source>the workbook&apos;s shared texts take more than 64 MB</source>
        <translation>les textes partagés du classeur occupent plus de 64&#xa0;Mo</translation>
    </message>
    <message>
        <source>the worksheet does not fit in memory</source>
        <translation>la feuille ne tient pas en mémoire</translation>
    </message>
    <message>
        <source>the workbook&apos;s part %1 is not well-formed XML (%2)</source>
        <translation>la partie %1 du classeur n’est pas du XML bien formé (%2)</translation>
    </message>
    <message>
        <source>the workbook&apos;s worksheet is not well-formed XML (%1, line %2)</source>
        <translation>la feuille du classeur n’est pas du XML bien formé (%1, ligne %2)</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>tronqué</translation>
    </message>
    <message>
        <source>a piece of the workbook&apos;s XML is longer than 1 MB</source>
        <translation>un morceau du XML du classeur dépasse 1&#xa0;Mo</translation>
    </message>
    <message>
        <source>the workbook&apos;s XML declares a document type</source>
        <translation>le XML du classeur déclare un type de document</translation>
    </message>
    <message>
        <source>the workbook has no worksheet</source>
        <translation>le classeur n’a aucune feuille</translation>
    </message>
    <message>
        <source>the ZIP container holds no workbook</source>
        <translation>l’archive ZIP ne contient aucun classeur</translation>
    </message>
    <message>
        <source>the workbook is protected by a password, or in the old .xls format; save it as an .xlsx workbook without a password</source>
        <translation>le classeur est protégé par un mot de passe ou enregistré dans l’ancien format .xls&#xa0;; enregistrez-le comme classeur .xlsx sans mot de passe</translation>
    </message>
    <message>
        <source>the workbook could not be copied into a temporary file</source>
        <translation>le classeur n’a pas pu être copié dans un fichier temporaire</translation>
    </message>
    <message>
        <source>the ZIP container is damaged or cut short</source>
        <translation>l’archive ZIP est endommagée ou tronquée</translation>
    </message>
    <message>
        <source>the ZIP container is damaged (a checksum does not match)</source>
        <translation>l’archive ZIP est endommagée (une somme de contrôle ne correspond pas)</translation>
    </message>
    <message>
        <source>the ZIP container holds more than 10,000 entries</source>
        <translation>l’archive ZIP contient plus de 10&#xa0;000 entrées</translation>
    </message>
    <message>
        <source>the workbook has no part %1</source>
        <translation>le classeur n’a pas de partie %1</translation>
    </message>
    <message>
        <source>the workbook is encrypted</source>
        <translation>le classeur est chiffré</translation>
    </message>
    <message>
        <source>the workbook&apos;s part %1 is packed in an unknown way</source>
        <translation>la partie %1 du classeur est compressée d’une manière inconnue</translation>
    </message>
    <message>
        <source>a part of the workbook inflates to more than 2 GB</source>
        <translation>une partie du classeur dépasse 2&#xa0;Go une fois décompressée</translation>
    </message>
    <message>
        <source>a part of the workbook inflates more than 250 times</source>
        <translation>une partie du classeur grossit plus de 250 fois une fois décompressée</translation>
    </message>
    <message>
        <source>A workbook holds at most %1 pixels; this sheet has %2.</source>
        <translation>Un classeur contient au plus %1 pixels&#xa0;; cette feuille de calcul en a %2.</translation>
    </message>
    <message>
        <source>%1 line without a pixel position was skipped</source>
        <translation>%1 ligne sans position de pixel a été ignorée</translation>
    </message>
    <message>
        <source>%1 lines without a pixel position were skipped</source>
        <translation>%1 lignes sans position de pixel ont été ignorées</translation>
    </message>
    <message>
        <source>%1 colour value that is not a number was read as 0</source>
        <translation>%1 valeur de couleur qui n’est pas un nombre a été lue comme 0</translation>
    </message>
    <message>
        <source>%1 colour values that are not numbers were read as 0</source>
        <translation>%1 valeurs de couleur qui ne sont pas des nombres ont été lues comme 0</translation>
    </message>
    <message>
        <source>%1 colour value outside 0–255 was drawn as 0 or 255</source>
        <translation>%1 valeur de couleur hors de 0–255 a été dessinée comme 0 ou 255</translation>
    </message>
    <message>
        <source>%1 colour values outside 0–255 were drawn as 0 or 255</source>
        <translation>%1 valeurs de couleur hors de 0–255 ont été dessinées comme 0 ou 255</translation>
    </message>
    <message>
        <source>%1 hue outside 0–359 was drawn modulo 360</source>
        <translation>%1 teinte hors de 0–359 a été dessinée modulo 360</translation>
    </message>
    <message>
        <source>%1 hues outside 0–359 were drawn modulo 360</source>
        <translation>%1 teintes hors de 0–359 ont été dessinées modulo 360</translation>
    </message>
    <message>
        <source>Reading sheet</source>
        <translation>Lecture de la feuille de calcul</translation>
    </message>
    <message>
        <source>There is not enough memory to load this image.</source>
        <translation>Il n’y a pas assez de mémoire pour charger cette image.</translation>
    </message>
    <message>
        <source>There is not enough memory to turn this image into a sheet.</source>
        <translation>Il n’y a pas assez de mémoire pour transformer cette image en feuille de calcul.</translation>
    </message>
    <message>
        <source>There is not enough memory to draw this picture.</source>
        <translation>Il n’y a pas assez de mémoire pour dessiner cette image.</translation>
    </message>
    <message>
        <source>There is not enough memory to save this file.</source>
        <translation>Il n’y a pas assez de mémoire pour enregistrer ce fichier.</translation>
    </message>
    <message>
        <source>its %1 x %2 pixels do not fit in the memory there is</source>
        <translation>ses %1 x %2 pixels ne tiennent pas dans la mémoire disponible</translation>
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
        <translation>Utilisation&#xa0;:
  tessarine-cli to-sheet IMAGE FEUILLE [--hsv] [--excel2002]
  tessarine-cli to-image FEUILLE IMAGE [--rgb | --hsv]
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
Transforme une image en feuille de pixels (une ligne par pixel&#xa0;: x,y et sa
couleur) et une feuille de pixels en image.

Commandes&#xa0;:
  to-sheet     Lit IMAGE (tout format que le programme connaît, reconnu à son
               contenu) et écrit sa feuille de pixels dans FEUILLE&#xa0;: en CSV, ou
               en classeur Excel si FEUILLE se termine par .xlsx. Les images de
               plus d’un million de pixels sont d’abord réduites à environ un
               million, avec un message sur la sortie d’erreur.
  to-image     Lit la feuille de pixels FEUILLE (CSV, .xlsx ou .ods, reconnue à
               son contenu) et la dessine dans IMAGE&#xa0;; le format d’image est
               celui que désigne l’extension d’IMAGE (.png, .bmp, .jpg, .gif,
               .tif...).

Options&#xa0;:
  --hsv        to-sheet&#xa0;: écrire la teinte, la saturation et la valeur au lieu
               du rouge, du vert et du bleu. to-image&#xa0;: dessiner d’après les
               colonnes h, s, v.
  --rgb        to-image&#xa0;: dessiner d’après les colonnes r, g, b. Sans --rgb ni
               --hsv, to-image dessine d’après r, g, b si la feuille en a au
               moins une, sinon d’après h, s, v.
  --excel2002  to-sheet&#xa0;: réduire l’image à environ 60&#xa0;000 pixels, le nombre de
               lignes maximal des anciens tableurs.
  -h, --help   Afficher ce texte.
  -v, --version  Afficher la version.

Une FEUILLE - désigne la sortie standard pour to-sheet et l’entrée standard pour
to-image.

Code de retour&#xa0;: 0 terminé, 1 la conversion a échoué (raison sur la sortie
d’erreur), 2 la ligne de commande était incorrecte.
</translation>
    </message>
    <message>
        <source>Try &apos;tessarine-cli --help&apos; for more information.
</source>
        <translation>Essayez «&#xa0;tessarine-cli --help&#xa0;» pour en savoir plus.
</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes exactly two paths, %2 given</source>
        <translation>%1 attend exactement deux chemins, %2 donné(s)</translation>
    </message>
    <message>
        <source>--rgb and --hsv cannot be used together</source>
        <translation>--rgb et --hsv ne peuvent pas être utilisées ensemble</translation>
    </message>
    <message>
        <source>to-sheet writes RGB unless --hsv is given; it has no --rgb</source>
        <translation>to-sheet écrit en RVB sauf avec --hsv&#xa0;; il n’a pas d’option --rgb</translation>
    </message>
    <message>
        <source>--excel2002 applies to to-sheet only</source>
        <translation>--excel2002 ne s’applique qu’à to-sheet</translation>
    </message>
</context>
</TS>
