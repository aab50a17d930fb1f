#include "mainwindow.h"

#include "dialogs.h"
#include "ui_mainwindow.h"

#include "image/imageconvert.h"
#include "image/imagefile.h"
#include "sheet/sheetreader.h"
#include "sheet/sheetwriter.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QPixmap>
#include <QTableWidgetItem>

namespace {

const QString ImageSide = QStringLiteral("image");
const QString SheetSide = QStringLiteral("spreadsheet");

// Shows the tick of a status indicator: the one to be seen first, then the other hidden.
void showTick(QWidget *tick, QWidget *cross)
{
    tick->setVisible(true);
    cross->setVisible(false);
}

void showCross(QWidget *tick, QWidget *cross)
{
    cross->setVisible(true);
    tick->setVisible(false);
}

// The readable image formats as one line: ("bmp", "png") with a trailing blank.
QString formatListLine(const QList<QByteArray> &formats)
{
    QStringList quoted;
    quoted.reserve(formats.size());
    for (const QByteArray &format : formats)
        quoted.append(QLatin1Char('"') + QString::fromLatin1(format) + QLatin1Char('"'));
    return QLatin1Char('(') + quoted.join(QStringLiteral(", ")) + QStringLiteral(") ");
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
}

MainWindow::~MainWindow()
{
    delete ui;
}

// ---------------------------------------------------------------------------------------
// Status panel

void MainWindow::markLoaded(const QString &side)
{
    if (side == SheetSide) {
        ui->saveSheet->setEnabled(true);
        ui->spreadsheetToImage->setEnabled(true);
        showTick(ui->ss_memory_pos, ui->ss_memory_neg);
        showCross(ui->ss_save_pos, ui->ss_save_neg);
        ui->ss_to_image_image->setEnabled(true);
        ui->tableWidget->setVisible(true);
        if (hasRgb)
            ui->RGBButton->setEnabled(true);
        if (hasHsv)
            ui->HSVButton->setEnabled(true);
        if (hasRgb && !hasHsv)
            ui->RGBButton->click();
        if (!hasRgb && hasHsv)
            ui->HSVButton->click();
    }
    if (side == ImageSide) {
        ui->image_to_ss_image->setEnabled(true);
        showTick(ui->image_memory_pos, ui->image_memory_neg);
        showCross(ui->image_save_pos, ui->image_save_neg);
        ui->saveImage->setEnabled(true);
        ui->imageToSpreadsheet->setEnabled(true);
        ui->shrink->setEnabled(true);
        ui->imageView->setEnabled(true);
    }
}

void MainWindow::markUnloaded(const QString &side)
{
    if (side == SheetSide) {
        ui->ss_to_image_image->setEnabled(false);
        showCross(ui->ss_memory_pos, ui->ss_memory_neg);
        showCross(ui->ss_save_pos, ui->ss_save_neg);
        ui->saveSheet->setEnabled(false);
        ui->spreadsheetToImage->setEnabled(false);
        ui->tableWidget->setVisible(false);
        ui->RGBButton->setEnabled(false);
        ui->HSVButton->setEnabled(false);
    }
    if (side == ImageSide) {
        ui->image_to_ss_image->setEnabled(false);
        showCross(ui->image_memory_pos, ui->image_memory_neg);
        showCross(ui->image_save_pos, ui->image_save_neg);
        ui->saveImage->setEnabled(false);
        ui->imageToSpreadsheet->setEnabled(false);
        ui->shrink->setEnabled(false);
        ui->imageView->clear();
        ui->imageView->setEnabled(false);
    }
}

void MainWindow::resetInfo(const QString &side)
{
    if (side == SheetSide) {
        ui->resolution->setText(tr("No Spreadsheet Loaded"));
        ui->red->setText(tr("Red: --"));
        ui->green->setText(tr("Green: --"));
        ui->blue->setText(tr("Blue: --"));
        ui->hue->setText(tr("Hue: --"));
        ui->saturation->setText(tr("Saturation: --"));
        ui->value->setText(tr("Value: --"));
        ui->RGBButton->click();
    }
    if (side == ImageSide) {
        ui->imageBox->setTitle(tr("No Image Loaded"));
        ui->outputRows->setText(tr("Output Rows: -- "));
        ui->originalSize->setText(tr("Original Size: -- "));
    }
}

void MainWindow::updateInfo(const QString &side)
{
    if (side == SheetSide) {
        const auto present = [](int column) { return column == -1 ? tr("No") : tr("Yes"); };
        ui->resolution->setText(tr("Output Image: ") + QString::number(maxX) + QStringLiteral(", ")
                                + QString::number(maxY));
        ui->red->setText(tr("Red: ") + present(redColumn));
        ui->green->setText(tr("Green: ") + present(greenColumn));
        ui->blue->setText(tr("Blue: ") + present(blueColumn));
        ui->hue->setText(tr("Hue: ") + present(hueColumn));
        ui->saturation->setText(tr("Saturation: ") + present(saturationColumn));
        ui->value->setText(tr("Value: ") + present(valueColumn));
    }
    if (side == ImageSide) {
        // 64-bit, so that a very large image shows its true count.
        const qint64 n = qint64(image.height()) * image.width();
        ui->outputRows->setText(tr("Output Rows: ") + QString::number(n));
        ui->originalSize->setText(tr("Original Size: ") + QString::number(image.width())
                                  + QStringLiteral(", ") + QString::number(image.height()));
        if (n < tess::Excel2002PixelLimit) {
            ui->shrink->setCheckState(Qt::Unchecked);
            ui->shrink->setEnabled(false);
        } else {
            ui->shrink->setEnabled(true);
        }
    }
}

// ---------------------------------------------------------------------------------------
// The pixel table

tess::ColourModel MainWindow::shownModel() const
{
    return ui->RGBButton->isChecked() ? tess::ColourModel::Rgb : tess::ColourModel::Hsv;
}

void MainWindow::setCellText(int row, int column, const QString &text)
{
    // displaySS() can leave cells without an item; give them one back.
    QTableWidgetItem *item = ui->tableWidget->item(row, column);
    if (!item) {
        ui->tableWidget->setItem(row, column, new QTableWidgetItem(text));
        return;
    }
    item->setText(text);
}

void MainWindow::showPosition(int row, const PixelRecord &record)
{
    setCellText(row, 0, QString::number(record.x));
    setCellText(row, 1, QString::number(record.y));
}

void MainWindow::showColours(int row, const PixelRecord &record, tess::ColourModel model)
{
    const bool rgb = model == tess::ColourModel::Rgb;
    setCellText(row, 2, QString::number(rgb ? record.r : record.h));
    setCellText(row, 3, QString::number(rgb ? record.g : record.s));
    setCellText(row, 4, QString::number(rgb ? record.b : record.v));
}

void MainWindow::warn(const QString &title, const QString &text)
{
    dialogs->warning(this, title, text);
}

void MainWindow::displaySS()
{
    ui->tableWidget->clear();
    ui->tableWidget->insertRow(0);
    ui->tableWidget->setItem(0, 0, nullptr);
}

// ---------------------------------------------------------------------------------------
// Image side

void MainWindow::on_loadImage_clicked()
{
    imageFileName = dialogs->openFileName(
        this, tr("Open Image"), QString(),
        tr("Images (*.bmp *.gif *.ico *.jpeg *.jpg *.mng *.pbm *.pgm *.png *.ppm *.svg *.svgz "
           "*.tif *.tiff *.xbm *.xpm *.webp *.avif *.heic *.heif *.jxl *.tga)"));
    if (imageFileName.isEmpty()) {
        warn(tr("Failed loading"), tr("No image loaded."));
        return;
    }
    if (!tess::loadImage(imageFileName, image)) {
        warn(tr("Failed loading"), tr("Invalid image format."));
        return;
    }
    displayPreview(image);
    ui->imageBox->setTitle(tr("Image: ") + imageFileName);
    markLoaded(ImageSide);
    updateInfo(ImageSide);
    markUnloaded(SheetSide);
    resetInfo(SheetSide);
}

void MainWindow::displayPreview(QImage image)
{
    ui->imageView->setPixmap(QPixmap::fromImage(image));
    ui->imageView->setScaledContents(true);
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
    pixels.clear();
    const tess::ReductionPlan plan = tess::planReduction(image.size(), shrink);
    if (plan.millionWarning)
        warn(tr("Max Size Reached"),
             tr("This image will not fit into excel. It has been reduced to 1 million pixels so "
                "that data loss will not occur"));

    const tess::ColourModel model = shownModel();
    const bool rgb = model == tess::ColourModel::Rgb;
    setCellText(0, 2, rgb ? tr("r") : tr("h"));
    setCellText(0, 3, rgb ? tr("g") : tr("s"));
    setCellText(0, 4, rgb ? tr("b") : tr("v"));

    const QImage work = tess::reducedImage(image, plan);
    tess::scanImage(work, pixels);

    // The first column of the scanned image, up to four pixels of it.
    for (int i = 0; i < 4 && i < int(pixels.size()) && pixels[i].x == 0; ++i) {
        showPosition(i + 1, pixels[i]);
        showColours(i + 1, pixels[i], model);
    }

    maxX = work.width();
    maxY = work.height();
    hasRgb = true;
    hasHsv = true;
    markLoaded(SheetSide);
    updateInfo(SheetSide);
    ui->red->setText(tr("Red: Yes"));
    ui->green->setText(tr("Green: Yes"));
    ui->blue->setText(tr("Blue: Yes"));
    ui->hue->setText(tr("Hue: Yes"));
    ui->saturation->setText(tr("Saturation: Yes"));
    ui->value->setText(tr("Value: Yes"));
}

void MainWindow::on_saveImage_clicked()
{
    const QString path = dialogs->saveFileName(
        this, tr("Save Image"), QString(),
        tr("Jpeg (*.jpg);; Bmp (*.bmp);; Gif (*.gif);; Pgm (*.pgm);; Png (*.png);; Ppm (*.ppm);; "
           "Tif (*.tif)"));
    if (path.isEmpty())
        return;
    if (!tess::saveImage(image, path)) {
        warn(tr("Warning"), tr("Warning: Image not Saved"));
        return;
    }
    showTick(ui->image_save_pos, ui->image_save_neg);
}

// ---------------------------------------------------------------------------------------
// Spreadsheet side

void MainWindow::on_loadSpreadsheet_clicked()
{
    sheetFileName = dialogs->openFileName(this, tr("Open Image"), QString(), tr("Spreadsheets (*.csv)"));
    if (sheetFileName.isEmpty()) {
        warn(tr("Failed loading"), tr("No spreadsheet loaded."));
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
    const tess::SheetInfo info = tess::loadSheet(sheetFileName, pixels);
    if (info.status == tess::SheetStatus::CannotOpen)
        debugUnableToOpen(sheetFileName);

    redColumn = info.columns.r;
    greenColumn = info.columns.g;
    blueColumn = info.columns.b;
    alphaColumn = info.columns.a;
    hueColumn = info.columns.h;
    saturationColumn = info.columns.s;
    valueColumn = info.columns.v;

    if (info.status != tess::SheetStatus::Loaded) {
        ui->loading_status_image->setVisible(false);
        warn(tr("Invalid Sheet"), tess::sheetStatusMessage(info.status));
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
}

void MainWindow::on_saveSheet_clicked()
{
    const QString path = dialogs->saveFileName(this, tr("Save Image"), QString(), tr("Image (*.csv)"));
    if (path.isEmpty())
        return;
    const tess::SheetSaveStatus status = tess::saveSheet(path, pixels, shownModel());
    if (status != tess::SheetSaveStatus::Saved) {
        debugUnableToOpen(path);
        warn(tr("Warning"), tr("Warning: Spreadsheet not Saved"));
        return;
    }
    markLoaded(SheetSide);
    updateInfo(SheetSide);
    showTick(ui->ss_save_pos, ui->ss_save_neg);
}

void MainWindow::on_spreadsheetToImage_clicked()
{
    convertSheet();
}

void MainWindow::convertSheet()
{
    image = tess::drawRecords(pixels, maxX, maxY, shownModel());
    displayPreview(image);
    markLoaded(ImageSide);
    updateInfo(ImageSide);
}

void MainWindow::on_RGBButton_clicked()
{
    ui->hue->setVisible(false);
    ui->saturation->setVisible(false);
    ui->value->setVisible(false);
    ui->red->setVisible(true);
    ui->green->setVisible(true);
    ui->blue->setVisible(true);
    setCellText(0, 2, tr("r"));
    setCellText(0, 3, tr("g"));
    setCellText(0, 4, tr("b"));
    for (int i = 0; i < 4 && i < int(pixels.size()); ++i)
        showColours(i + 1, pixels[i], tess::ColourModel::Rgb);
}

void MainWindow::on_HSVButton_clicked()
{
    ui->hue->setVisible(true);
    ui->saturation->setVisible(true);
    ui->value->setVisible(true);
    ui->red->setVisible(false);
    ui->green->setVisible(false);
    ui->blue->setVisible(false);
    setCellText(0, 2, tr("h"));
    setCellText(0, 3, tr("s"));
    setCellText(0, 4, tr("v"));
    for (int i = 0; i < 4 && i < int(pixels.size()); ++i)
        showColours(i + 1, pixels[i], tess::ColourModel::Hsv);
}
