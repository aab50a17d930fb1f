// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

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
#include "convert/picturesheet.h"
#include "convert/sheetnotice.h"
#include "text/statuswords.h"
#include "text/usertexts.h"
#include "image/imageconvert.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QStatusBar>
#include <QProgressBar>
#include <QShortcut>
#include <QCheckBox>
#include <QLoggingCategory>

using namespace panel;

namespace {

Q_LOGGING_CATEGORY(formatsLog, "tessarine.formats", QtInfoMsg)

// The readable image formats as one line: ("bmp", "png") with a trailing blank.
QString formatListLine(const QList<QByteArray> &formats)
{
    QStringList quoted;
    quoted.reserve(formats.size());
    for (const QByteArray &format : formats)
        quoted.append(QLatin1Char('"') + QString::fromLatin1(format) + QLatin1Char('"'));
    return QLatin1Char('(') + quoted.join(QStringLiteral(", ")) + QStringLiteral(") ");
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

    // For the one who asks (QT_LOGGING_RULES="tessarine.formats.debug=true"), not at every start.
    qCDebug(formatsLog, "%s", qUtf8Printable(formatListLine(QImageReader::supportedImageFormats())));

    document = new tess::Document(this);
    // The window shows work by the side it changes, whatever its kind.
    connect(document, &tess::Document::started, this, [this](auto, const QString &what) { workStarted(what); });
    connect(document, &tess::Document::notice, this, &MainWindow::workNotice);
    connect(document, &tess::Document::progress, this, &MainWindow::workProgress);
    connect(document, &tess::Document::pictureChanged, this,
            [this](const tess::Change &change) { sideChanged(false, change); });
    connect(document, &tess::Document::sheetChanged, this,
            [this](const tess::Change &change) { sideChanged(true, change); });
    connect(document, &tess::Document::stopped, this,
            [this](auto, const QString &, const QString &said) { workStopped(said); });
    // Esc gives up the running work; it does nothing at any other time.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("stopWork"));
    escape->setEnabled(false);
    connect(escape, &QShortcut::activated, document, &tess::Document::cancel);

    setUpKeyboard(*ui);
    ui->imageView->installEventFilter(new SharpEnlargement(ui->imageView));
    // The rows announced follow the box; while the image side is unloaded its labels
    // show placeholders that a programmatic change of the box must not replace.
    connect(ui->shrink, &QCheckBox::stateChanged, this, [this] {
        if (document->hasPicture())
            showOutputRows();
    });

    acceptFileDrops(
        *this, [this](const QString &path) { openFile(path); }, [this](const QString &why) { showNotice(why); },
        [this] { return document->busy(); });

    following = new Following(this, document);
    // The fixed layout has no room for the switch; the status bar has. A check box, so that
    // it looks on or off and Tab reaches it after the work's buttons.
    auto *followBox = new QCheckBox(following->action()->text(), statusBar());
    followBox->setObjectName(QStringLiteral("followFilesButton"));
    followBox->setChecked(following->action()->isChecked());
    followBox->setToolTip(tr("Read a file again when another program saves it (%1)")
                              .arg(following->action()->shortcut().toString(QKeySequence::NativeText)));
    connect(followBox, &QCheckBox::toggled, following->action(), &QAction::setChecked);
    connect(following->action(), &QAction::toggled, followBox, &QCheckBox::setChecked);
    statusBar()->addPermanentWidget(followBox);
    connect(document, &tess::Document::fileGone, this, &MainWindow::followedFileGone);
    // The nothing-loaded state of both sides, before the window is fitted to the screen.
    showDocumentState();
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
    const QString path = dialogs->openFileName(
        this, tr("Open Image"), places.folder(RecentPlaces::Image),
        tr("Images (*.bmp *.gif *.ico *.jpeg *.jpg *.mng *.pbm *.pgm *.png *.ppm *.svg *.svgz "
           "*.tif *.tiff *.xbm *.xpm *.webp *.avif *.heic *.heif *.jxl *.tga)"));
    if (path.isEmpty()) {
        warnFailed(*dialogs, this, tess::outcome(tess::Status::NoImageChosen));
        return;
    }
    whenUnsavedSettled([this, path] { document->loadPicture(path); });
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
    document->convertPicture(shrink);
}

void MainWindow::on_saveImage_clicked()
{
    // Png shown first: it keeps every value exactly, where Jpeg would change the numbers.
    const QString path = places.askSaveName(
        *dialogs, this, document->pictureSide().namedBy(), tr("Save Image"),
        tr("Jpeg (*.jpg);; Bmp (*.bmp);; Gif (*.gif);; Pgm (*.pgm);; Png (*.png);; Ppm (*.ppm);; "
           "Tif (*.tif)"),
        tr("Png (*.png)"));
    if (!path.isEmpty())
        document->savePicture(path);
}

// ---------------------------------------------------------------------------------------
// Spreadsheet side

void MainWindow::on_loadSpreadsheet_clicked()
{
    const QString path = dialogs->openFileName(this, tr("Open Image"), places.folder(RecentPlaces::Sheet),
                                               tr("Spreadsheets (*.csv *.xlsx *.ods);;All files (*)"));
    if (path.isEmpty()) {
        warnFailed(*dialogs, this, tess::outcome(tess::Status::NoSheetChosen));
        return;
    }
    whenUnsavedSettled([this, path] { document->loadSheet(path); });
}

// The layout a type of the Save Sheet dialog writes.
tess::SheetShape MainWindow::shapeOfSheetType(const QString &type)
{
    using tess::Text;
    if (type == tess::userText(Text::PictureSheetFilter) || type == tess::userText(Text::PictureOdsFilter))
        return tess::SheetShape::Picture;
    if (type == tess::userText(Text::PictureGreySheetFilter) || type == tess::userText(Text::PictureGreyOdsFilter))
        return tess::SheetShape::Grey;
    return tess::SheetShape::List;
}

void MainWindow::on_saveSheet_clicked()
{
    using tess::Text;
    const QString shaped[4] = { tess::userText(Text::PictureSheetFilter), tess::userText(Text::PictureGreySheetFilter),
                                tess::userText(Text::PictureOdsFilter), tess::userText(Text::PictureGreyOdsFilter) };
    const QString filter = tr("Image (*.csv);;Excel workbook (*.xlsx)") + QStringLiteral(";;")
            + QStringList(std::begin(shaped), std::end(shaped)).join(QStringLiteral(";;"));
    QString chosen;
    const QString path = places.askSaveName(*dialogs, this, document->sheetSide().namedBy(), tr("Save Image"),
                                              filter, sheetType, &chosen);
    if (path.isEmpty())
        return;
    sheetType = chosen; // offered first next time
    // The rows announced are those of the layout chosen last.
    if (document->hasPicture())
        showOutputRows();
    const tess::SheetShape shape = shapeOfSheetType(chosen);
    const tess::ColourModel model = shownModel();
    if (shape == tess::SheetShape::Picture && model == tess::ColourModel::Hsv && !toldRgbOnly) {
        showNotice(tess::userText(Text::PictureSheetInRgb));
        toldRgbOnly = true;
    }
    document->saveSheet(path, model, shape);
}

void MainWindow::on_spreadsheetToImage_clicked()
{
    convertSheet();
}

void MainWindow::convertSheet()
{
    document->drawSheet(shownModel());
}

