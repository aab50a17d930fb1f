<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BeforeAfter</name>
    <message>
        <source>Flip between before and after</source>
        <translation>Basculer entre avant et après</translation>
    </message>
    <message>
        <source>Before and after</source>
        <translation>Avant et après</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>The picture before is %1 × %2 and this one %3 × %4; only pictures of one size can be compared</source>
        <translation>L’image d’avant fait %1 × %2 et celle-ci %3 × %4 ; seules des images de même taille peuvent être comparées</translation>
    </message>
    <message>
        <source>The picture as it is now (A)</source>
        <translation>L’image telle qu’elle est maintenant (A)</translation>
    </message>
    <message>
        <source>The picture before the last drawing (B; Space flips between before and after)</source>
        <translation>L’image avant le dernier dessin (B ; Espace bascule entre avant et après)</translation>
    </message>
    <message>
        <source>Changed pixels in red, the brighter the larger the change; the others dimmed (D)</source>
        <translation>Pixels modifiés en rouge, d’autant plus clairs que le changement est grand ; les autres assombris (D)</translation>
    </message>
    <message>
        <source>No comparison</source>
        <translation>Aucune comparaison</translation>
    </message>
    <message>
        <source>There is no picture before this one: draw the sheet again after an edit, or follow its file, to compare the two</source>
        <translation>Il n’y a pas d’image avant celle-ci : dessinez de nouveau la feuille après une modification, ou suivez son fichier, pour comparer les deux</translation>
    </message>
</context>
<context>
    <name>LongNotices</name>
    <message>
        <source>More…</source>
        <translation>Plus…</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>Afficher le message entier</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
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
    <message>
        <source>Load a picture to turn into numbers</source>
        <translation>Ouvrir une image pour la transformer en nombres</translation>
    </message>
    <message>
        <source>Save the picture in the format its name&apos;s suffix names</source>
        <translation>Enregistrer l’image dans le format qu’indique l’extension de son nom</translation>
    </message>
    <message>
        <source>Turn the picture into numbers, one row per pixel</source>
        <translation>Transformer l’image en nombres, une ligne par pixel</translation>
    </message>
    <message>
        <source>Draw the numbers as a picture</source>
        <translation>Dessiner les nombres sous forme d’image</translation>
    </message>
    <message>
        <source>Load a pixel sheet to draw as a picture</source>
        <translation>Ouvrir une feuille de pixels pour la dessiner sous forme d’image</translation>
    </message>
    <message>
        <source>Save the numbers as a pixel sheet</source>
        <translation>Enregistrer les nombres dans une feuille de pixels</translation>
    </message>
    <message>
        <source>Show and save the colours as red, green and blue</source>
        <translation>Afficher et enregistrer les couleurs en rouge, vert et bleu</translation>
    </message>
    <message>
        <source>Show and save the colours as hue, saturation and value</source>
        <translation>Afficher et enregistrer les couleurs en teinte, saturation et valeur</translation>
    </message>
    <message>
        <source>Reduce the picture to about 60,000 pixels, as Excel 2002 can hold</source>
        <translation>Réduire l’image à environ 60&#xa0;000 pixels, ce que peut contenir Excel 2002</translation>
    </message>
    <message>
        <source>Spreadsheet: from the image</source>
        <translation>Feuille de calcul&#xa0;: d’après l’image</translation>
    </message>
    <message>
        <source>Spreadsheet: from </source>
        <translation>Feuille de calcul&#xa0;: d’après </translation>
    </message>
    <message>
        <source>Look into the pixels</source>
        <translation>Examiner les pixels</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About Tessarine</source>
        <translation>À propos de Tessarine</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>the picture</source>
        <translation>l’image</translation>
    </message>
    <message>
        <source>this is a compressed file, such as a compressed Gnumeric file; open it in its program and save it as CSV, .xlsx or .ods</source>
        <translation>c’est un fichier compressé, par exemple un fichier Gnumeric compressé&#xa0;; ouvrez-le dans son programme et enregistrez-le en CSV, .xlsx ou .ods</translation>
    </message>
    <message>
        <source>this is a password-protected workbook; open it in its program and save it again without a password</source>
        <translation>c’est un classeur protégé par mot de passe&#xa0;; ouvrez-le dans son programme et enregistrez-le à nouveau sans mot de passe</translation>
    </message>
    <message>
        <source>this is a workbook in the old .xls format; open it in a spreadsheet program and save it as CSV, .xlsx or .ods</source>
        <translation>c’est un classeur à l’ancien format .xls&#xa0;; ouvrez-le dans un tableur et enregistrez-le en CSV, .xlsx ou .ods</translation>
    </message>
    <message>
        <source>this is a web page; open it in a spreadsheet program and save it as CSV, .xlsx or .ods</source>
        <translation>c’est une page web&#xa0;; ouvrez-la dans un tableur et enregistrez-la en CSV, .xlsx ou .ods</translation>
    </message>
    <message>
        <source>this is an XML file but no workbook this program reads; open it in a spreadsheet program and save it as CSV, .xlsx or .ods</source>
        <translation>c’est un fichier XML, mais pas un classeur que ce programme sait lire&#xa0;; ouvrez-le dans un tableur et enregistrez-le en CSV, .xlsx ou .ods</translation>
    </message>
    <message>
        <source>this is a picture; open it with Load Image</source>
        <translation>c’est une image&#xa0;; ouvrez-la avec «&#xa0;Ouvrir l’image&#xa0;»</translation>
    </message>
    <message>
        <source>this is a DIF file; open it in a spreadsheet program and save it as CSV, .xlsx or .ods</source>
        <translation>c’est un fichier DIF&#xa0;; ouvrez-le dans un tableur et enregistrez-le en CSV, .xlsx ou .ods</translation>
    </message>
    <message>
        <source>%1 line with a position below 0 was skipped</source>
        <translation>%1 ligne avec une position inférieure à 0 a été ignorée</translation>
    </message>
    <message>
        <source>%1 lines with a position below 0 were skipped</source>
        <translation>%1 lignes avec une position inférieure à 0 ont été ignorées</translation>
    </message>
    <message>
        <source>%1 line above the header was skipped</source>
        <translation>%1 ligne au-dessus de l’en-tête a été ignorée</translation>
    </message>
    <message>
        <source>%1 lines above the header were skipped</source>
        <translation>%1 lignes au-dessus de l’en-tête ont été ignorées</translation>
    </message>
    <message>
        <source>%1 empty colour cell was read as 0</source>
        <translation>%1 cellule de couleur vide a été lue comme 0</translation>
    </message>
    <message>
        <source>%1 empty colour cells were read as 0</source>
        <translation>%1 cellules de couleur vides ont été lues comme 0</translation>
    </message>
    <message>
        <source>%1 formula cell has no stored result, so the value may be wrong; open and save in a spreadsheet program</source>
        <translation>%1 cellule de formule n’a pas de résultat enregistré, la valeur peut donc être fausse&#xa0;; ouvrez et enregistrez le fichier dans un tableur</translation>
    </message>
    <message>
        <source>%1 formula cells have no stored result, so the values may be wrong; open and save in a spreadsheet program</source>
        <translation>%1 cellules de formule n’ont pas de résultat enregistré, les valeurs peuvent donc être fausses&#xa0;; ouvrez et enregistrez le fichier dans un tableur</translation>
    </message>
    <message>
        <source>%1 pixel had no line and was left transparent</source>
        <translation>%1 pixel n’avait pas de ligne et est resté transparent</translation>
    </message>
    <message>
        <source>%1 pixels had no line and were left transparent</source>
        <translation>%1 pixels n’avaient pas de ligne et sont restés transparents</translation>
    </message>
    <message>
        <source>drawn from the sheet &apos;%1&apos;</source>
        <translation>dessinée d’après la feuille «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 (e.g. %2)</source>
        <translation>%1 (p.&#xa0;ex. %2)</translation>
    </message>
    <message>
        <source>line %1, column %2: &apos;%3&apos;</source>
        <translation>ligne %1, colonne %2&#xa0;: «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1 changed: read again and drawn (%2)</source>
        <translation>%1 a été modifié&#xa0;: relu et redessiné (%2)</translation>
    </message>
    <message>
        <source>%1 changed: read again (%2)</source>
        <translation>%1 a été modifié&#xa0;: relu (%2)</translation>
    </message>
    <message>
        <source>%1 changed: read again and converted (%2)</source>
        <translation>%1 a été modifié&#xa0;: relu et converti (%2)</translation>
    </message>
    <message>
        <source>%1 changed but cannot be read, the last good data is kept (%2): %3</source>
        <translation>%1 a été modifié mais ne peut pas être lu, les dernières données valides sont conservées (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 was deleted or moved away; its data is kept (%2)</source>
        <translation>%1 a été supprimé ou déplacé&#xa0;; ses données sont conservées (%2)</translation>
    </message>
    <message>
        <source>Follow files on disk</source>
        <translation>Suivre les fichiers sur le disque</translation>
    </message>
    <message>
        <source>Watching %1; Ctrl+C stops</source>
        <translation>Surveillance de %1&#xa0;; Ctrl+C pour arrêter</translation>
    </message>
    <message>
        <source>Reading %1 (Esc stops)</source>
        <translation>Lecture de %1 (Esc pour arrêter)</translation>
    </message>
    <message>
        <source>Reading %1 was stopped; nothing has changed</source>
        <translation>La lecture de %1 a été interrompue&#xa0;; rien n’a changé</translation>
    </message>
    <message>
        <source>Drop one picture or sheet at a time; nothing was opened.</source>
        <translation>Déposez une seule image ou feuille de calcul à la fois&#xa0;; rien n’a été ouvert.</translation>
    </message>
    <message>
        <source>A folder cannot be opened; drop one picture or sheet from it.</source>
        <translation>Un dossier ne peut pas être ouvert&#xa0;; déposez plutôt une image ou une feuille de calcul qu’il contient.</translation>
    </message>
    <message>
        <source>Still at work; drop the file again once it is done.</source>
        <translation>Travail en cours&#xa0;; déposez à nouveau le fichier quand il sera terminé.</translation>
    </message>
    <message>
        <source>The picture file is damaged: it ends early, and its missing part shows as grey.</source>
        <translation>Le fichier image est endommagé&#xa0;: il s’arrête trop tôt, et la partie manquante apparaît en gris.</translation>
    </message>
    <message>
        <source>x %1, y %2 · r %3 g %4 b %5 · h %6 s %7 v %8</source>
        <translation>x %1, y %2 · r %3 g %4 b %5 · h %6 s %7 v %8</translation>
    </message>
    <message>
        <source> · line %1 of %2</source>
        <translation> · ligne %1 de %2</translation>
    </message>
    <message>
        <source>Unsaved work</source>
        <translation>Travail non enregistré</translation>
    </message>
    <message>
        <source>Save the converted sheet before closing?</source>
        <translation>Enregistrer la feuille de calcul convertie avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Save the drawn picture before closing?</source>
        <translation>Enregistrer l’image dessinée avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Tessarine Help</source>
        <translation>Aide de Tessarine</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tessarine %1&lt;/h3&gt;&lt;p&gt;Shows that a picture is made of numbers: turns a raster image into a pixel sheet and a pixel sheet back into an image.&lt;/p&gt;&lt;p&gt;Licence: %2&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tessarine %1&lt;/h3&gt;&lt;p&gt;Montre qu’une image est faite de nombres&#xa0;: transforme une image matricielle en feuille de pixels, et une feuille de pixels en image.&lt;/p&gt;&lt;p&gt;Licence&#xa0;: %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A picture is made of numbers&lt;/h3&gt;&lt;p&gt;Tessarine turns a raster image into a &lt;i&gt;pixel sheet&lt;/i&gt;: a comma-separated file with one line per pixel, giving the pixel&apos;s position and its colour as red, green and blue or as hue, saturation and value. Open the sheet in Excel or LibreOffice, change numbers, and let Tessarine draw the picture again.&lt;/p&gt;&lt;h4&gt;The lesson loop&lt;/h4&gt;&lt;ol&gt;&lt;li&gt;&lt;b&gt;Load Image&lt;/b&gt; reads a picture and previews it with its size and pixel count.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Image to Spreadsheet&lt;/b&gt; turns it into pixel data. A picture of more than one million pixels is reduced to about one million first; with &lt;i&gt;Excel2002 Compatibility&lt;/i&gt; ticked, to about 60,000.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Save Sheet&lt;/b&gt; writes the pixel sheet in the colour model chosen with &lt;i&gt;RGB Mode&lt;/i&gt; / &lt;i&gt;HSV Mode&lt;/i&gt;.&lt;/li&gt;&lt;li&gt;Change numbers in the spreadsheet program and save.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Load Sheet&lt;/b&gt; reads the pixel sheet back; &lt;b&gt;Spreadsheet to Image&lt;/b&gt; draws it into a new picture; &lt;b&gt;Save Image&lt;/b&gt; writes it in the format its file name&apos;s suffix names.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Double-click the preview to look into the pixels: each square shows its position and its numbers, and the line of the sheet that holds it.&lt;/p&gt;&lt;h4&gt;The sheet&lt;/h4&gt;&lt;pre&gt;x,y,r,g,b
0,0,135,206,235
0,1,134,205,235&lt;/pre&gt;&lt;ul&gt;&lt;li&gt;Columns may come in any order and extra columns are ignored.&lt;/li&gt;&lt;li&gt;A line is a pixel only when x and y are numbers; cleared rows and remark lines are skipped.&lt;/li&gt;&lt;li&gt;An empty, missing or non-number colour cell counts as 0.&lt;/li&gt;&lt;li&gt;Colour values outside 0–255 are drawn as 0 or 255, and a hue outside 0–359 is taken modulo 360 (-1 still means no hue).&lt;/li&gt;&lt;/ul&gt;&lt;h4&gt;Shortcuts&lt;/h4&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;Ctrl+O&lt;/td&gt;&lt;td&gt;Load Image&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Right&lt;/td&gt;&lt;td&gt;Image to Spreadsheet&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+R / Ctrl+H&lt;/td&gt;&lt;td&gt;RGB / HSV Mode&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S&lt;/td&gt;&lt;td&gt;Save Sheet&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+O&lt;/td&gt;&lt;td&gt;Load Sheet&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Left&lt;/td&gt;&lt;td&gt;Spreadsheet to Image&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+S&lt;/td&gt;&lt;td&gt;Save Image&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+E&lt;/td&gt;&lt;td&gt;Excel2002 Compatibility&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+I&lt;/td&gt;&lt;td&gt;Look into the pixels (the pixel viewer)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Shift+Z&lt;/td&gt;&lt;td&gt;Undo / Redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;This help&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Q&lt;/td&gt;&lt;td&gt;Quit&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;In the pixel viewer: Ctrl+wheel, + and - zoom, 0 fits, 1 shows 1:1, the arrow keys move from pixel to pixel, Ctrl+C copies the numbers.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Une image est faite de nombres&lt;/h3&gt;&lt;p&gt;Tessarine transforme une image matricielle en &lt;i&gt;feuille de pixels&lt;/i&gt;&#xa0;: un fichier de valeurs séparées par des virgules, avec une ligne par pixel, qui donne la position du pixel et sa couleur en rouge, vert et bleu ou en teinte, saturation et valeur. Ouvrez la feuille dans Excel ou LibreOffice, modifiez des nombres, puis laissez Tessarine redessiner l’image.&lt;/p&gt;&lt;h4&gt;Le déroulement en classe&lt;/h4&gt;&lt;ol&gt;&lt;li&gt;&lt;b&gt;Ouvrir l’image&lt;/b&gt; lit une image et l’affiche en aperçu avec sa taille et son nombre de pixels.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Image vers feuille de calcul&lt;/b&gt; la transforme en données de pixels. Une image de plus d’un million de pixels est d’abord réduite à environ un million&#xa0;; si la case &lt;i&gt;Compatibilité Excel 2002&lt;/i&gt; est cochée, à environ 60&#xa0;000.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Enregistrer&lt;/b&gt; (dans la partie Feuille de calcul) écrit la feuille de pixels dans le modèle de couleur choisi avec &lt;i&gt;Mode RVB&lt;/i&gt; / &lt;i&gt;Mode TSV&lt;/i&gt;.&lt;/li&gt;&lt;li&gt;Modifiez des nombres dans le tableur, puis enregistrez.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ouvrir la feuille&lt;/b&gt; relit la feuille de pixels&#xa0;; &lt;b&gt;Feuille de calcul vers image&lt;/b&gt; la dessine dans une nouvelle image&#xa0;; &lt;b&gt;Enregistrer&lt;/b&gt; (dans la partie Image) l’écrit dans le format qu’indique l’extension de son nom de fichier.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Double-cliquez sur l’aperçu pour examiner les pixels&#xa0;: chaque carré affiche sa position, ses nombres et la ligne de la feuille qui le contient.&lt;/p&gt;&lt;h4&gt;La feuille&lt;/h4&gt;&lt;pre&gt;x,y,r,g,b
0,0,135,206,235
0,1,134,205,235&lt;/pre&gt;&lt;ul&gt;&lt;li&gt;Les colonnes peuvent être dans n’importe quel ordre, et les colonnes en trop sont ignorées.&lt;/li&gt;&lt;li&gt;Une ligne n’est un pixel que si x et y sont des nombres&#xa0;; les lignes effacées et les lignes de remarque sont ignorées.&lt;/li&gt;&lt;li&gt;Une cellule de couleur vide, absente ou non numérique compte pour 0.&lt;/li&gt;&lt;li&gt;Les valeurs de couleur hors de 0–255 sont dessinées comme 0 ou 255, et une teinte hors de 0–359 est prise modulo 360 (-1 signifie toujours «&#xa0;pas de teinte&#xa0;»).&lt;/li&gt;&lt;/ul&gt;&lt;h4&gt;Raccourcis clavier&lt;/h4&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;Ctrl+O&lt;/td&gt;&lt;td&gt;Ouvrir l’image&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Right&lt;/td&gt;&lt;td&gt;Image vers feuille de calcul&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+R / Ctrl+H&lt;/td&gt;&lt;td&gt;Mode RVB / TSV&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S&lt;/td&gt;&lt;td&gt;Enregistrer (feuille de calcul)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+O&lt;/td&gt;&lt;td&gt;Ouvrir la feuille&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Left&lt;/td&gt;&lt;td&gt;Feuille de calcul vers image&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+S&lt;/td&gt;&lt;td&gt;Enregistrer (image)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+E&lt;/td&gt;&lt;td&gt;Compatibilité Excel 2002&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+I&lt;/td&gt;&lt;td&gt;Examiner les pixels (la visionneuse de pixels)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Shift+Z&lt;/td&gt;&lt;td&gt;Annuler / Rétablir&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;Cette aide&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Q&lt;/td&gt;&lt;td&gt;Quitter&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;Dans la visionneuse de pixels&#xa0;: Ctrl+molette, + et - zooment, 0 ajuste à la fenêtre, 1 affiche à 1:1, les flèches passent d’un pixel à l’autre, Ctrl+C copie les nombres.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Writing %1 was stopped; the file on disk is as it was</source>
        <translation>L’écriture de %1 a été interrompue&#xa0;; le fichier sur le disque est resté tel quel</translation>
    </message>
    <message>
        <source>The work was stopped; nothing has changed.</source>
        <translation>Le travail a été interrompu&#xa0;; rien n’a changé.</translation>
    </message>
    <message>
        <source>Writing %1 (Esc stops)</source>
        <translation>Écriture de %1 (Esc pour arrêter)</translation>
    </message>
    <message>
        <source>Drawing the picture (Esc stops)</source>
        <translation>Dessin de l’image (Esc pour arrêter)</translation>
    </message>
    <message>
        <source>Converting the picture (Esc stops)</source>
        <translation>Conversion de l’image (Esc pour arrêter)</translation>
    </message>
    <message>
        <source>Drawing the picture was stopped; nothing has changed</source>
        <translation>Le dessin de l’image a été interrompu&#xa0;; rien n’a changé</translation>
    </message>
    <message>
        <source>Converting the picture was stopped; nothing has changed</source>
        <translation>La conversion de l’image a été interrompue&#xa0;; rien n’a changé</translation>
    </message>
    <message>
        <source>The spreadsheet file does not exist.</source>
        <translation>Le fichier de la feuille de calcul n’existe pas.</translation>
    </message>
    <message>
        <source>This picture is too large to draw.</source>
        <translation>Cette image est trop grande pour être dessinée.</translation>
    </message>
    <message>
        <source>The sheet describes a picture of %1 × %2 pixels; the largest picture this program draws is %3 × %3 pixels (%4 pixels in all, in any shape up to %5 pixels wide or high).</source>
        <translation>La feuille décrit une image de %1 × %2 pixels&#xa0;; la plus grande image que ce programme dessine fait %3 × %3 pixels (%4 pixels en tout, de toute forme jusqu’à %5 pixels de large ou de haut).</translation>
    </message>
    <message>
        <source>%1; none of the first %2 non-empty lines names x and y</source>
        <translation>%1&#xa0;; aucune des %2 premières lignes non vides ne nomme x et y</translation>
    </message>
    <message>
        <source>%1; none of its %2 non-empty lines names x and y</source>
        <translation>%1&#xa0;; aucune de ses %2 lignes non vides ne nomme x et y</translation>
    </message>
    <message>
        <source>the ZIP container holds %1 files and no workbook; unpack it and open the sheet among them</source>
        <translation>l’archive ZIP contient %1 fichiers et aucun classeur&#xa0;; décompressez-la et ouvrez la feuille qui s’y trouve</translation>
    </message>
    <message>
        <source>the compressed file is damaged or cut short</source>
        <translation>le fichier compressé est endommagé ou tronqué</translation>
    </message>
    <message>
        <source>the compressed file unpacks to more than 2 GB, or to more than 250 times its size; unpack it and open the sheet</source>
        <translation>le fichier compressé se décompresse en plus de 2 Go, ou en plus de 250 fois sa taille&#xa0;; décompressez-le et ouvrez la feuille</translation>
    </message>
    <message>
        <source>%1 number with a comma before three digits was read as a whole number, the comma grouping its digits</source>
        <translation>%1 nombre avec une virgule avant trois chiffres a été lu comme un nombre entier, la virgule séparant les milliers</translation>
    </message>
    <message>
        <source>%1 numbers with a comma before three digits were read as whole numbers, the comma grouping their digits</source>
        <translation>%1 nombres avec une virgule avant trois chiffres ont été lus comme des nombres entiers, la virgule séparant les milliers</translation>
    </message>
    <message>
        <source>%1 number with a comma before three digits was read with the comma as the decimal mark, as its column or the sheet holds decimals</source>
        <translation>%1 nombre avec une virgule avant trois chiffres a été lu avec la virgule comme séparateur décimal, car sa colonne ou la feuille contient des décimales</translation>
    </message>
    <message>
        <source>%1 numbers with a comma before three digits were read with the comma as the decimal mark, as their columns or the sheet hold decimals</source>
        <translation>%1 nombres avec une virgule avant trois chiffres ont été lus avec la virgule comme séparateur décimal, car leurs colonnes ou la feuille contiennent des décimales</translation>
    </message>
    <message>
        <source>line %1, column %2: &apos;%3&apos; as %4</source>
        <translation>ligne %1, colonne %2&#xa0;: «&#xa0;%3&#xa0;» comme %4</translation>
    </message>
    <message>
        <source>Read a file again when another program saves it (%1)</source>
        <translation>Relire un fichier quand un autre programme l’enregistre (%1)</translation>
    </message>
    <message>
        <source>Open in spreadsheet</source>
        <translation>Ouvrir dans le tableur</translation>
    </message>
    <message>
        <source>Open the sheet in the spreadsheet program, saved first when it is new (Ctrl+Shift+E)</source>
        <translation>Ouvrir la feuille dans le tableur ; une feuille nouvelle est d’abord enregistrée (Ctrl+Maj+E)</translation>
    </message>
    <message>
        <source>%1 pixels changed</source>
        <translation>%1 pixels modifiés</translation>
    </message>
    <message>
        <source>%1 pixel changed</source>
        <translation>%1 pixel modifié</translation>
    </message>
    <message>
        <source>; the largest change is %1 in %2 at x %3, y %4</source>
        <translation> ; la plus grande modification est de %1 en %2 à x %3, y %4</translation>
    </message>
    <message>
        <source>The pictures differ in size: %1 × %2 and %3 × %4</source>
        <translation>Les images n’ont pas la même taille : %1 × %2 et %3 × %4</translation>
    </message>
    <message>
        <source>No program was found to open %1; open it from the spreadsheet program.</source>
        <translation>Aucun programme trouvé pour ouvrir %1 ; ouvrez-le depuis le tableur.</translation>
    </message>
    <message>
        <source>Save the converted sheet before loading another file?</source>
        <translation>Enregistrer la feuille convertie avant de charger un autre fichier ?</translation>
    </message>
    <message>
        <source>Save the drawn picture before loading another file?</source>
        <translation>Enregistrer l’image dessinée avant de charger un autre fichier ?</translation>
    </message>
    <message>
        <source>this is a pixel sheet; open it with Load Sheet</source>
        <translation>c’est une feuille de pixels&#xa0;; ouvrez-la avec «&#xa0;Ouvrir la feuille&#xa0;»</translation>
    </message>
    <message>
        <source>Look into the sheet&apos;s pixels</source>
        <translation>Regarder dans les pixels de la feuille</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>A picture of %1 × %2 does not fit in a picture-shaped sheet (at most 16,384 columns and 1,048,576 rows).</source>
        <translation>Une image de %1 × %2 ne tient pas dans une feuille en forme d’image (au plus 16&#xa0;384 colonnes et 1&#xa0;048&#xa0;576 lignes).</translation>
    </message>
    <message>
        <source>reduced to %1 × %2 for a picture-shaped sheet</source>
        <translation>réduite à %1 × %2 pour une feuille en forme d’image</translation>
    </message>
    <message>
        <source>A picture-shaped sheet colours red, green and blue; it is written in RGB.</source>
        <translation>Une feuille en forme d’image colore le rouge, le vert et le bleu&#xa0;; elle est écrite en RVB.</translation>
    </message>
    <message>
        <source>read as a picture-shaped sheet of %1 × %2</source>
        <translation>lue comme feuille en forme d’image de %1 × %2</translation>
    </message>
    <message>
        <source>read as a picture-shaped grey sheet of %1 × %2</source>
        <translation>lue comme feuille grise en forme d’image de %1 × %2</translation>
    </message>
    <message>
        <source>row %1: the %2 row of picture row %3 is missing</source>
        <translation>ligne %1&#xa0;: la ligne %2 de la ligne d’image %3 manque</translation>
    </message>
    <message>
        <source>row %1: the %2 row of picture row %3 should be here, not &apos;%4&apos;</source>
        <translation>ligne %1&#xa0;: la ligne %2 de la ligne d’image %3 devrait être ici, pas &apos;%4&apos;</translation>
    </message>
    <message>
        <source>row %1: picture row %2 should be here, not &apos;%3&apos;</source>
        <translation>ligne %1&#xa0;: la ligne d’image %2 devrait être ici, pas &apos;%3&apos;</translation>
    </message>
    <message>
        <source>Picture-shaped workbook (*.xlsx)</source>
        <translation>Classeur en forme d’image (*.xlsx)</translation>
    </message>
    <message>
        <source>Picture-shaped grey workbook (*.xlsx)</source>
        <translation>Classeur gris en forme d’image (*.xlsx)</translation>
    </message>
    <message>
        <source>Picture-shaped spreadsheet (*.ods)</source>
        <translation>Feuille de calcul en forme d’image (*.ods)</translation>
    </message>
    <message>
        <source>Picture-shaped grey spreadsheet (*.ods)</source>
        <translation>Feuille de calcul grise en forme d’image (*.ods)</translation>
    </message>
    <message>
        <source>the picture is too large: %1 x %2 pixels, more than this program reads</source>
        <translation>l’image est trop grande : %1 x %2 pixels, plus que ce que ce programme lit</translation>
    </message>
    <message>
        <source> · cell %1 (r) of %2</source>
        <translation> · cellule %1 (r) de %2</translation>
    </message>
    <message>
        <source> · cell %1 of %2</source>
        <translation> · cellule %1 de %2</translation>
    </message>
    <message>
        <source>read the painted cells %1 of %2 as a %3 × %4 picture</source>
        <translation>cellules colorées %1 de %2 lues comme une image de %3 × %4</translation>
    </message>
    <message>
        <source>read the grid %1 of %2 as a %3 × %4 picture of grey values</source>
        <translation>grille %1 de %2 lue comme une image de %3 × %4 en valeurs de gris</translation>
    </message>
    <message>
        <source>read the grid %1 of %2 as a %3 × %4 picture in black and white, 1 = black</source>
        <translation>grille %1 de %2 lue comme une image de %3 × %4 en noir et blanc, 1 = noir</translation>
    </message>
    <message>
        <source>read the grid %1 of %2 as a %3 × %4 picture of colour codes</source>
        <translation>grille %1 de %2 lue comme une image de %3 × %4 en codes de couleur</translation>
    </message>
    <message>
        <source>the sheet</source>
        <translation>la feuille</translation>
    </message>
    <message>
        <source>cell %1 of the grid is empty</source>
        <translation>la cellule %1 de la grille est vide</translation>
    </message>
    <message>
        <source>cell %1: &apos;%2&apos; is no whole number from 0 to 255</source>
        <translation>cellule %1 : « %2 » n’est pas un nombre entier de 0 à 255</translation>
    </message>
    <message>
        <source>cell %1: &apos;%2&apos; is no colour code (#RRGGBB, RRGGBB or rgb(r, g, b))</source>
        <translation>cellule %1 : « %2 » n’est pas un code de couleur (#RRGGBB, RRGGBB ou rgb(r, g, b))</translation>
    </message>
    <message>
        <source>cell %1: &apos;%2&apos; lies outside the grid</source>
        <translation>cellule %1 : « %2 » est en dehors de la grille</translation>
    </message>
    <message>
        <source>cell %1: &apos;%2&apos; should be the row label %3</source>
        <translation>cellule %1 : « %2 » devrait être l’étiquette de ligne %3</translation>
    </message>
    <message>
        <source>%1 (looked for a pixel list with x and y, a picture-shaped sheet and a grid of values)</source>
        <translation>%1 (recherché : une liste de pixels avec x et y, une feuille en forme d’image et une grille de valeurs)</translation>
    </message>
    <message>
        <source>read the grid %1 of %2 as a %3 × %4 picture in black and white, 1 = white</source>
        <translation>grille %1 de %2 lue comme une image de %3 × %4 en noir et blanc, 1 = blanc</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Aucun fichier récent</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>x %1, y %2 · before r %3 g %4 b %5 · after r %6 g %7 b %8</source>
        <translation>x %1, y %2 · avant r %3 g %4 b %5 · après r %6 g %7 b %8</translation>
    </message>
    <message>
        <source>some colours are patterns of two colours, as the program that saved the workbook reduced them (an .ods file keeps them exactly)</source>
        <translation>certaines couleurs sont des motifs de deux couleurs, car le programme qui a enregistré le classeur les a réduites (un fichier .ods les conserve exactement)</translation>
    </message>
    <message>
        <source>the conditional formats of %1 are of a kind not read; those cells show their own fill</source>
        <translation>les mises en forme conditionnelles de %1 sont d’un type qui n’est pas lu ; ces cellules montrent leur propre remplissage</translation>
    </message>
    <message>
        <source>no visible worksheet holds a pixel list with x and y, a picture-shaped sheet, a grid of values or painted cells; looked at %1</source>
        <translation>aucune feuille visible ne contient de liste de pixels avec x et y, de feuille en forme d’image, de grille de valeurs ni de cellules colorées ; feuilles examinées : %1</translation>
    </message>
    <message>
        <source>a grid of %1 × %2 cells is larger than %3 columns or %4 cells</source>
        <translation>une grille de %1 × %2 cellules dépasse %3 colonnes ou %4 cellules</translation>
    </message>
    <message>
        <source>read the grids %1 of the sheets %2, %3 and %4 as a %5 × %6 picture of red, green and blue values</source>
        <translation>grilles %1 des feuilles %2, %3 et %4 lues comme une image de %5 × %6 en valeurs de rouge, de vert et de bleu</translation>
    </message>
    <message>
        <source>sheet %1: %2</source>
        <translation>feuille %1 : %2</translation>
    </message>
    <message>
        <source>its grid of %1 × %2 cells differs from the grid of %3, %4 × %5 cells; the three sheets must hold grids of one size</source>
        <translation>sa grille de %1 × %2 cellules diffère de la grille de %3, de %4 × %5 cellules ; les trois feuilles doivent contenir des grilles de même taille</translation>
    </message>
    <message>
        <source>%1 (looked for a pixel list with x and y, a picture-shaped sheet, a grid of values and painted cells)</source>
        <translation>%1 (recherché : une liste de pixels avec x et y, une feuille en forme d’image, une grille de valeurs et des cellules colorées)</translation>
    </message>
    <message>
        <source>fill %1</source>
        <translation>remplissage %1</translation>
    </message>
    <message>
        <source>value %1</source>
        <translation>valeur %1</translation>
    </message>
</context>
<context>
    <name>PixelViewer</name>
    <message>
        <source>Pixels of the picture</source>
        <translation>Pixels de l’image</translation>
    </message>
    <message>
        <source>Arrow keys move from pixel to pixel; plus and minus zoom, 0 fits, 1 shows 1:1; Ctrl+C copies the numbers</source>
        <translation>Les flèches passent d’un pixel à l’autre&#xa0;; plus et moins zooment, 0 ajuste à la fenêtre, 1 affiche à 1:1&#xa0;; Ctrl+C copie les nombres</translation>
    </message>
    <message>
        <source>Numbers of the pixel</source>
        <translation>Nombres du pixel</translation>
    </message>
    <message>
        <source>Copy the numbers</source>
        <translation>Copier les nombres</translation>
    </message>
    <message>
        <source>Pixels of %1 – %2</source>
        <translation>Pixels de %1 – %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>QMainWindow</name>
    <message>
        <source>Window content</source>
        <translation>Contenu de la fenêtre</translation>
    </message>
</context>
<context>
    <name>Viewers</name>
    <message>
        <source>the sheet</source>
        <translation>la feuille de calcul</translation>
    </message>
</context>
<context>
    <name>tessarine-cli</name>
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
    <message>
        <source>--watch follows a file; standard input cannot be watched</source>
        <translation>--watch suit un fichier&#xa0;; l’entrée standard ne peut pas être surveillée</translation>
    </message>
    <message>
        <source>compare takes no --%1</source>
        <translation>compare n’accepte pas --%1</translation>
    </message>
    <message>
        <source>compare takes two pictures and an optional difference picture, %1 paths given</source>
        <translation>compare attend deux images et une image de différence facultative, %1 chemins donnés</translation>
    </message>
    <message>
        <source>unknown layout &apos;%1&apos;: list, picture or grey</source>
        <translation>disposition inconnue &apos;%1&apos;&#xa0;: list, picture ou grey</translation>
    </message>
    <message>
        <source>--max-side applies to --layout picture or grey</source>
        <translation>--max-side ne s’applique qu’à --layout picture ou grey</translation>
    </message>
    <message>
        <source>--max-side takes a number from 1 to %1, not &apos;%2&apos;</source>
        <translation>--max-side attend un nombre de 1 à %1, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--excel2002 applies to --layout list only</source>
        <translation>--excel2002 ne s’applique qu’à --layout list</translation>
    </message>
    <message>
        <source>a picture-shaped sheet is written as a workbook (.xlsx or .ods): a CSV file cannot hold its colours. Save the workbook as CSV in the spreadsheet program if you need one</source>
        <translation>une feuille en forme d’image s’écrit comme classeur (.xlsx ou .ods)&#xa0;: un fichier CSV ne peut pas garder ses couleurs. Enregistrez le classeur en CSV dans le tableur si vous en avez besoin</translation>
    </message>
    <message>
        <source>--layout and --max-side apply to to-sheet only; to-image knows the layout by the content</source>
        <translation>--layout et --max-side ne s’appliquent qu’à to-sheet&#xa0;; to-image reconnaît la disposition d’après le contenu</translation>
    </message>
    <message>
        <source>Usage:
  tessarine-cli to-sheet IMAGE SHEET [--hsv] [--excel2002] [--watch]
  tessarine-cli to-sheet IMAGE BOOK.xlsx|BOOK.ods --layout picture|grey [--max-side N] [--watch]
  tessarine-cli to-image SHEET IMAGE [--rgb | --hsv] [--ones black|white] [--watch]
  tessarine-cli compare IMAGE IMAGE [DIFFERENCE]
  tessarine-cli --help | --version
</source>
        <translation>Utilisation&#xa0;:
  tessarine-cli to-sheet IMAGE FEUILLE [--hsv] [--excel2002] [--watch]
  tessarine-cli to-sheet IMAGE CLASSEUR.xlsx|CLASSEUR.ods --layout picture|grey [--max-side N] [--watch]
  tessarine-cli to-image FEUILLE IMAGE [--rgb | --hsv] [--ones black|white] [--watch]
  tessarine-cli compare IMAGE IMAGE [DIFFÉRENCE]
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
Transforme une image en feuille de pixels (une ligne par pixel&#xa0;: x,y et sa couleur) et une
feuille de pixels en image.

Commandes&#xa0;:
  to-sheet     Lit IMAGE (tout format connu du programme, reconnu d’après son contenu) et
               écrit sa feuille de pixels dans FEUILLE&#xa0;: CSV, ou classeur Excel si FEUILLE
               finit par .xlsx. Les images de plus d’un million de pixels sont d’abord
               réduites à environ un million (avis sur la sortie d’erreur standard).
  to-image     Lit la feuille de pixels FEUILLE (CSV, .xlsx ou .ods, reconnue d’après son
               contenu) et la dessine dans IMAGE&#xa0;; le format d’image est celui qu’indique
               l’extension d’IMAGE (.png, .bmp, .jpg, .gif, .tif, ...).
  compare      Comparer deux images pixel par pixel et afficher combien de pixels ont
               changé et la plus grande modification, avec sa place. DIFFÉRENCE, si
               donné, reçoit une image de la modification : pixels modifiés en rouge,
               pixels inchangés assombris.

Options&#xa0;:
  --hsv        to-sheet&#xa0;: écrit teinte, saturation et valeur au lieu de rouge, vert, bleu.
               to-image&#xa0;: dessine à partir des colonnes h, s, v.
  --rgb        to-image&#xa0;: dessine à partir des colonnes r, g, b.
               Sans --rgb ni --hsv, to-image dessine à partir de r, g, b si la feuille
               contient au moins l’une d’elles, sinon à partir de h, s, v.
  --excel2002  to-sheet&#xa0;: réduit l’image à environ 60&#xa0;000 pixels, le nombre maximal de lignes
               des anciens tableurs.
  --layout L   to-sheet&#xa0;: list (la feuille de pixels, une ligne par pixel&#xa0;; par défaut),
               picture (un classeur en forme d’image&#xa0;: trois lignes r, g, b par ligne
               d’image, colorées par le tableur à la saisie) ou grey (une ligne de
               valeurs de gris par ligne d’image). picture et grey demandent un nom
               en .xlsx ou .ods et sont écrits en RVB.
  --max-side N  picture, grey&#xa0;: réduit l’image à N pixels au plus sur le grand côté
               (256 par défaut, 768 au plus).
  --ones C     to-image&#xa0;: dans une grille faite à la main de 0 et de 1 seulement,
               1 est l’encre noire sur le papier blanc (par défaut, C = black)&#xa0;;
               --ones white inverse cela.
  --watch      Convertit une fois, puis à chaque nouvel enregistrement du fichier d’entrée
               (par un tableur ou un logiciel de dessin, peu importe comment), jusqu’à
               interruption (Ctrl+C) ou arrêt. Si un enregistrement est illisible, la raison
               est affichée et la dernière sortie valide est gardée&#xa0;; le prochain
               enregistrement valide sera converti. L’entrée doit être un fichier, pas -.
  -h, --help   Affiche ce texte.
  -v, --version  Affiche la version.

Une FEUILLE - désigne la sortie standard pour to-sheet, l’entrée standard pour to-image.

Code de sortie&#xa0;: 0 terminé, 1 la conversion a échoué (raison sur la sortie d’erreur standard),
2 la ligne de commande était incorrecte. Avec --watch&#xa0;: 0 une fois arrêté.
Pour compare : 3 si les images diffèrent, 0 si elles sont identiques.
</translation>
    </message>
    <message>
        <source>--ones applies to to-image only</source>
        <translation>--ones ne s’applique qu’à to-image</translation>
    </message>
    <message>
        <source>--ones takes black or white, not &apos;%1&apos;</source>
        <translation>--ones attend black ou white, pas &apos;%1&apos;</translation>
    </message>
</context>
</TS>
