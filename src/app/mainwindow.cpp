#include "mainwindow.h"

#include "dialogs.h"
#include "keyboard.h"
#include "preview.h"
#include "statusnotes.h"
#include "statuspanel.h"
#include "viewers.h"
#include "ui_mainwindow.h"

#include "convert/operations.h"
#include "sheet/sheetnotice.h"
#include "image/imageconvert.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QPixmap>
#include <QStatusBar>

using namespace panel;

namespace {

// The readable image formats as one line: ("bmp", "png") with a trailing blank.
QString formatListLine(const QList<QByteArray> &formats)
{
    QStringList quoted;
    quoted.reserve(formats.size());
    for (const QByteArray &format : formats)
        quoted.append(QLatin1Char('"') + QString::fromLatin1(format) + QLatin1Char('"'));
    return QLatin1Char('(') + quoted.join(QStringLiteral(", ")) + QStringLiteral(") ");
}

// The warning box of a result; true when there was one to show.
bool warnFailed(Dialogs &dialogs, QWidget *parent, const tess::Result &result)
{
    if (result.ok())
        return false;
    dialogs.warning(parent, tess::warningTitle(result.status), result.message);
    return true;
}

void debugUnableToOpen(const QString &path)
{
    qDebug("%s", qUtf8Printable(QStringLiteral("- Error, unable to open \"%1\" for output ").arg(path)));
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : MainWindow(std::make_unique<QtDialogs>(), parent)
{
}

MainWindow::MainWindow(std::unique_ptr<Dialogs> dialogs, QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_MainWindow)
    , dialogs(std::move(dialogs))
{
    ui->setupUi(this);

    // The nothing-loaded state of both sides.
    ui->progressBar->setVisible(false);
    ui->saveImage->setEnabled(false);
    ui->saveSheet->setEnabled(false);
    ui->imageToSpreadsheet->setEnabled(false);
    ui->spreadsheetToImage->setEnabled(false);
    ui->shrink->setEnabled(false);
    ui->image_memory_neg->setVisible(true);
    ui->image_save_neg->setVisible(true);
    ui->ss_memory_neg->setVisible(true);
    ui->ss_save_neg->setVisible(true);
    ui->image_memory_pos->setVisible(false);
    ui->image_save_pos->setVisible(false);
    ui->ss_memory_pos->setVisible(false);
    ui->ss_save_pos->setVisible(false);
    ui->image_to_ss_image->setEnabled(false);
    ui->ss_to_image_image->setEnabled(false);
    ui->loading_status_image->setVisible(false);
    ui->tableWidget->setVisible(false);
    ui->hue->setVisible(false);
    ui->saturation->setVisible(false);
    ui->value->setVisible(false);
    ui->RGBButton->setEnabled(false);
    ui->HSVButton->setEnabled(false);

    qDebug("%s", qUtf8Printable(formatListLine(QImageReader::supportedImageFormats())));

    hasRgb = false;
    hasHsv = false;

    setUpKeyboard(*ui);
    ui->imageView->installEventFilter(new SharpEnlargement(ui->imageView));
    // The rows announced follow the box; while the image side is unloaded its labels
    // show placeholders that a programmatic change of the box must not replace.
    connect(ui->shrink, &QCheckBox::stateChanged, this, [this] {
        if (!ui->image_memory_pos->isHidden())
            showOutputRows();
    });
    setUpTeachingAids();
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::showNotice(const QString &notice)
{
    if (notice.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(notice);
}

void MainWindow::warn(const QString &title, const QString &text)
{
    dialogs->warning(this, title, text);
}

// ---------------------------------------------------------------------------------------
// Image side

void MainWindow::on_loadImage_clicked()
{
    imageFileName = dialogs->openFileName(
        this, tr("Open Image"), places.folder(FilePlaces::Image),
        tr("Images (*.bmp *.gif *.ico *.jpeg *.jpg *.mng *.pbm *.pgm *.png *.ppm *.svg *.svgz "
           "*.tif *.tiff *.xbm *.xpm *.webp *.avif *.heic *.heif *.jxl *.tga)"));
    const tess::Result result = imageFileName.isEmpty() ? tess::outcome(tess::Status::NoImageChosen)
                                                        : tess::loadImageFile(imageFileName, image);
    if (warnFailed(*dialogs, this, result))
        return;
    displayPreview(image);
    ui->imageBox->setTitle(tr("Image: ") + imageFileName);
    markLoaded(ImageSide);
    updateInfo(ImageSide);
    markUnloaded(SheetSide);
    resetInfo(SheetSide);
    places.remember(FilePlaces::Image, imageFileName);
}

void MainWindow::displayPreview(QImage image)
{
    ui->imageView->setPixmap(QPixmap::fromImage(image));
    ui->imageView->setScaledContents(true);
    if (viewers)
        viewers->pictureChanged(image, pictureName());
}

void MainWindow::displayImage(QString filename)
{
    displayPreview(QImage(filename));
}

void MainWindow::on_imageToSpreadsheet_clicked()
{
    convertImage(ui->shrink->checkState() != Qt::Unchecked);
}

void MainWindow::convertImage(bool shrink)
{
    QSize scanned;
    tess::recordsFromImage(image, shrink, pixels, scanned,
                           [this](const tess::Result &notice) { warnFailed(*dialogs, this, notice); });

    const tess::ColourModel model = shownModel();
    const bool rgb = model == tess::ColourModel::Rgb;
    setCellText(0, 2, rgb ? tr("r") : tr("h"));
    setCellText(0, 3, rgb ? tr("g") : tr("s"));
    setCellText(0, 4, rgb ? tr("b") : tr("v"));

    // The first column of the scanned image, up to four pixels of it.
    for (int i = 0; i < 4 && i < int(pixels.size()) && pixels[i].x == 0; ++i) {
        showPosition(i + 1, pixels[i]);
        showColours(i + 1, pixels[i], model);
    }

    maxX = scanned.width();
    maxY = scanned.height();
    hasRgb = true;
    hasHsv = true;
    convertedFromImage = true;
    sheetRead = tess::SheetInfo{}; // scanned records skip nothing
    markLoaded(SheetSide);
    updateInfo(SheetSide);
    viewers->forgetSheet(); // new records, in no file yet
    places.derive(FilePlaces::Sheet);
    showNotice(scanned != image.size()
                   ? reductionNote(image.size(), QSize(maxX, maxY), qint64(pixels.size()))
                   : QString());
}

void MainWindow::on_saveImage_clicked()
{
    // Png shown first: it keeps every value exactly, where Jpeg would change the numbers.
    const QString path = places.askSaveName(
        *dialogs, this, FilePlaces::Image, tr("Save Image"),
        tr("Jpeg (*.jpg);; Bmp (*.bmp);; Gif (*.gif);; Pgm (*.pgm);; Png (*.png);; Ppm (*.ppm);; "
           "Tif (*.tif)"),
        tr("Png (*.png)"));
    if (path.isEmpty())
        return;
    if (warnFailed(*dialogs, this, tess::saveImageFile(image, path)))
        return;
    showTick(ui->image_save_pos, ui->image_save_neg);
    places.remember(FilePlaces::Image, path);
}

// ---------------------------------------------------------------------------------------
// Spreadsheet side

void MainWindow::on_loadSpreadsheet_clicked()
{
    sheetFileName = dialogs->openFileName(this, tr("Open Image"), places.folder(FilePlaces::Sheet),
                                          tr("Spreadsheets (*.csv *.xlsx *.ods);;All files (*)"));
    if (sheetFileName.isEmpty()) {
        warnFailed(*dialogs, this, tess::outcome(tess::Status::NoSheetChosen));
        return;
    }
    markUnloaded(SheetSide);
    ui->spreadsheetBox->setTitle(tr("Spreadsheet: ") + sheetFileName);

    // Paint the title and the loading picture before the blocking read; user input
    // stays queued so the load cannot start again underneath itself.
    ui->loading_status_image->setVisible(true);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    maxX = 0;
    maxY = 0;
    hasRgb = false;
    hasHsv = false;
    convertedFromImage = false;
    tess::SheetInfo &info = sheetRead;
    const tess::Result result = tess::loadSheetFile(sheetFileName, pixels, info);
    if (result.status == tess::Status::SheetCannotOpen)
        debugUnableToOpen(sheetFileName);

    redColumn = info.columns.r;
    greenColumn = info.columns.g;
    blueColumn = info.columns.b;
    alphaColumn = info.columns.a;
    hueColumn = info.columns.h;
    saturationColumn = info.columns.s;
    valueColumn = info.columns.v;

    if (!result.ok()) {
        ui->loading_status_image->setVisible(false);
        showNotice(QString());
        warnFailed(*dialogs, this, result);
        return;
    }

    hasRgb = info.hasRgb;
    hasHsv = info.hasHsv;
    maxX = info.maxX;
    maxY = info.maxY;
    const tess::ColourModel model = shownModel();
    for (int i = 0; i < 4 && i < int(pixels.size()); ++i) {
        showPosition(i + 1, pixels[i]);
        showColours(i + 1, pixels[i], model);
    }

    ui->loading_status_image->setVisible(false);
    markLoaded(SheetSide);
    updateInfo(SheetSide);
    markUnloaded(ImageSide);
    resetInfo(ImageSide);
    places.remember(FilePlaces::Sheet, sheetFileName);
    sheetIsInFile(sheetFileName, info.lines);
    showNotice(tess::sheetNotice(info));
}

void MainWindow::on_saveSheet_clicked()
{
    const QString path =
        places.askSaveName(*dialogs, this, FilePlaces::Sheet, tr("Save Image"),
                           tr("Image (*.csv);;Excel workbook (*.xlsx)"));
    if (path.isEmpty())
        return;
    const tess::Result result = tess::saveSheetFile(path, pixels, shownModel());
    if (!result.ok()) {
        debugUnableToOpen(path);
        warnFailed(*dialogs, this, result);
        return;
    }
    markLoaded(SheetSide);
    updateInfo(SheetSide);
    showTick(ui->ss_save_pos, ui->ss_save_neg);
    places.remember(FilePlaces::Sheet, path);
    // The header, then one record a line; a workbook's rows are not claimed.
    sheetIsInFile(path, tess::isWorkbookName(path) ? tess::RecordLines{} : tess::RecordLines{2, {}});
}

void MainWindow::on_spreadsheetToImage_clicked()
{
    convertSheet();
}

void MainWindow::convertSheet()
{
    // A sheet too large to draw leaves the null picture, an empty preview, as it always has.
    tess::DrawStats bent;
    tess::drawImage(pixels, maxX, maxY, shownModel(), image, &bent);
    displayPreview(image);
    markLoaded(ImageSide);
    updateInfo(ImageSide);
    places.derive(FilePlaces::Image);
    ui->imageBox->setTitle(drawnTitle(places.source(FilePlaces::Image)));
    showNotice(tess::sheetNotice(sheetRead, bent));
}
