#include "mainwindow.h"

#include "background.h"
#include "dialogs.h"
#include "dropping.h"
#include "following.h"
#include "keyboard.h"
#include "preview.h"
#include "statusnotes.h"
#include "statuspanel.h"
#include "viewers.h"
#include "ui_mainwindow.h"

#include "convert/operations.h"
#include "convert/sheetnotice.h"
#include "text/usertexts.h"
#include "image/imageconvert.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QStatusBar>
#include <QToolButton>

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
    // The fixed text of the box, and under it the core's reason.
    dialogs.warning(parent, tess::warningTitle(result.status), result.message, result.detail);
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

    acceptFileDrops(
        *this, [this](const QString &path) { openFile(path); }, [this](const QString &why) { showNotice(why); });

    following = new Following(this);
    // The fixed layout has no room for the switch; the status bar has.
    auto *followButton = new QToolButton(statusBar());
    followButton->setObjectName(QStringLiteral("followFilesButton"));
    followButton->setDefaultAction(following->action());
    followButton->setAutoRaise(true);
    // Out of the Tab walk through the work; its shortcut reaches it from anywhere.
    followButton->setFocusPolicy(Qt::NoFocus);
    statusBar()->addPermanentWidget(followButton);
    connect(following, &Following::sheetChanged, this, &MainWindow::followedSheetChanged);
    connect(following, &Following::pictureChanged, this, &MainWindow::followedPictureChanged);
    connect(following, &Following::fileGone, this, &MainWindow::followedFileGone);
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
    if (imageFileName.isEmpty()) {
        warnFailed(*dialogs, this, tess::outcome(tess::Status::NoImageChosen));
        return;
    }
    const std::optional<PictureRead> read = readPictureAside(*this, imageFileName);
    if (!read) {
        showNotice(tess::userText(tess::Text::ReadingCancelled).arg(QFileInfo(imageFileName).fileName()));
        return;
    }
    if (warnFailed(*dialogs, this, read->result))
        return;
    image = read->image;
    displayPreview(image);
    ui->imageBox->setTitle(tr("Image: ") + imageFileName);
    markLoaded(ImageSide);
    updateInfo(ImageSide);
    markUnloaded(SheetSide);
    resetInfo(SheetSide);
    places.remember(FilePlaces::Image, imageFileName);
    showNotice(tess::imageDamageNotice(imageFileName));
    following->pictureIs(imageFileName);
    following->sheetIs(QString());
    following->pictureFromSheet = false;
    following->sheetFromPicture = false;
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
    const tess::Result result = tess::recordsFromImage(
        image, shrink, pixels, scanned, [this](const tess::Result &notice) { warnFailed(*dialogs, this, notice); });
    if (warnFailed(*dialogs, this, result)) {
        markUnloaded(SheetSide);
        resetInfo(SheetSide);
        return;
    }

    const tess::ModelColumns columns = tess::modelColumns(shownModel());
    for (int i = 0; i < 3; ++i)
        setCellText(0, 2 + i, tr(columns.name[i]));

    // The first column of the scanned image, up to four pixels of it.
    showRecords(true);

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
    const QString from = QFileInfo(places.source(FilePlaces::Sheet)).fileName();
    ui->spreadsheetBox->setTitle(from.isEmpty() ? tr("Spreadsheet: from the image")
                                                : tr("Spreadsheet: from ") + from);
    following->sheetIs(QString());
    following->sheetFromPicture = true;
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
    if (warnFailed(*dialogs, this, saveImageAside(*this, path, image)))
        return;
    showTick(ui->image_save_pos, ui->image_save_neg);
    places.remember(FilePlaces::Image, path);
    ui->imageBox->setTitle(tr("Image: ") + path);
    following->pictureIs(path);
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
    loadSheet(sheetFileName);
}

bool MainWindow::loadSheet(const QString &path)
{
    sheetFileName = path;

    // The read runs aside: the window paints its loading picture meanwhile.
    ui->loading_status_image->setVisible(true);
    const std::optional<tess::Result> read = readSheet(sheetFileName);
    ui->loading_status_image->setVisible(false);
    if (!read) {
        showNotice(tess::userText(tess::Text::ReadingCancelled).arg(QFileInfo(path).fileName()));
        return false;
    }
    const tess::Result &result = *read;
    if (!result.ok()) {
        if (result.status == tess::Status::SheetCannotOpen)
            debugUnableToOpen(sheetFileName);
        warnFailed(*dialogs, this, result);
        return false;
    }

    ui->spreadsheetBox->setTitle(tr("Spreadsheet: ") + sheetFileName);
    markUnloaded(ImageSide);
    resetInfo(ImageSide);
    places.remember(FilePlaces::Sheet, sheetFileName);
    following->pictureIs(QString());
    following->pictureFromSheet = false;
    showNotice(tess::sheetNotice(sheetRead));
    return true;
}

std::optional<tess::Result> MainWindow::readSheet(const QString &path)
{
    std::optional<SheetRead> read = readSheetAside(*this, path);
    if (!read)
        return std::nullopt;
    if (!read->result.ok())
        return read->result;
    pixels = std::move(read->records);
    sheetRead = read->info;
    convertedFromImage = false;
    fillSheetMembers(sheetRead);
    markUnloaded(SheetSide);
    showRecords(false);
    markLoaded(SheetSide);
    updateInfo(SheetSide);
    // What was read from a file is what the file holds.
    showTick(ui->ss_save_pos, ui->ss_save_neg);
    following->sheetIs(path);
    following->sheetFromPicture = false;
    sheetIsInFile(path, sheetRead.lines);
    return read->result;
}

void MainWindow::fillSheetMembers(const tess::SheetInfo &info)
{
    redColumn = info.columns.r;
    greenColumn = info.columns.g;
    blueColumn = info.columns.b;
    alphaColumn = info.columns.a;
    hueColumn = info.columns.h;
    saturationColumn = info.columns.s;
    valueColumn = info.columns.v;
    hasRgb = info.hasRgb;
    hasHsv = info.hasHsv;
    maxX = info.width;
    maxY = info.height;
}

void MainWindow::on_saveSheet_clicked()
{
    const QString path =
        places.askSaveName(*dialogs, this, FilePlaces::Sheet, tr("Save Image"),
                           tr("Image (*.csv);;Excel workbook (*.xlsx)"));
    if (path.isEmpty())
        return;
    const tess::Result result = saveSheetAside(*this, path, pixels, shownModel());
    if (!result.ok()) {
        debugUnableToOpen(path);
        warnFailed(*dialogs, this, result);
        return;
    }
    markLoaded(SheetSide);
    updateInfo(SheetSide);
    showTick(ui->ss_save_pos, ui->ss_save_neg);
    places.remember(FilePlaces::Sheet, path);
    ui->spreadsheetBox->setTitle(tr("Spreadsheet: ") + path);
    following->sheetIs(path);
    // The header, then one record a line; a workbook's rows are not claimed.
    sheetIsInFile(path, tess::isWorkbookName(path) ? tess::RecordLines{} : tess::RecordLines{2, {}});
}

void MainWindow::on_spreadsheetToImage_clicked()
{
    convertSheet();
}

void MainWindow::convertSheet()
{
    const tess::Result result = drawSheet();
    if (!result.ok()) {
        // No picture of that size can be made: said at once, and nothing marked as loaded.
        image = QImage();
        markUnloaded(ImageSide);
        resetInfo(ImageSide);
        warnFailed(*dialogs, this, result);
    }
}

tess::Result MainWindow::drawSheet()
{
    tess::DrawStats bent;
    QImage drawn;
    tess::Result result;
    const tess::ColourModel model = shownModel();
    // A million records take a moment; the controls stay disabled, so pixels holds still.
    runAside(
        *this, tess::userText(tess::Text::Drawing),
        [&] { result = tess::drawImage(pixels, maxX, maxY, model, drawn, &bent); }, false);
    if (!result.ok())
        return result;
    image = drawn;
    displayPreview(image);
    markLoaded(ImageSide);
    updateInfo(ImageSide);
    places.derive(FilePlaces::Image);
    ui->imageBox->setTitle(drawnTitle(places.source(FilePlaces::Image)));
    following->pictureIs(QString());
    following->pictureFromSheet = true;
    showNotice(tess::sheetNotice(sheetRead, bent));
    return result;
}
