// SPDX-License-Identifier: GPL-3.0-or-later
// The window and its document: what the widgets show comes from the document's state,
// and the work the document runs is shown while it runs and taken up once it is done.

#include "mainwindow.h"

#include "dialogs.h"
#include "statusnotes.h"
#include "statuspanel.h"
#include "viewers.h"
#include "ui_mainwindow.h"

#include "text/statuswords.h"
#include "text/usertexts.h"

#include <QAction>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QShortcut>
#include <QStatusBar>

#include <algorithm>

using namespace panel;

namespace {

// A heading that names a file: a long path is shortened in the middle, where its folders
// are, so that the file's name stays; the tooltip holds the heading whole.
void showTitle(QGroupBox *box, const QString &lead, const QString &path)
{
    const QFontMetrics metrics = box->fontMetrics();
    // The frame's corners and the title's own indent take about two letters' width.
    const int room = box->width() - metrics.horizontalAdvance(lead) - 2 * metrics.averageCharWidth() - 16;
    box->setTitle(lead + metrics.elidedText(path, Qt::ElideMiddle, std::max(room, 0)));
    box->setToolTip(path.isEmpty() ? QString() : lead + path);
}

} // namespace

void MainWindow::fillFromDocument()
{
    imageFileName = document->pictureFile();
    sheetFileName = document->sheetFile();
    image = document->picture();
    pixels = document->records();
    maxX = document->extent().width();
    maxY = document->extent().height();
}

void MainWindow::showDocumentState()
{
    const bool newPicture = image.cacheKey() != document->picture().cacheKey();
    // A window that has shown nothing yet keeps the form's own texts and picture; a side
    // emptied later says that it holds nothing.
    const bool shownBefore = !image.isNull() || !pixels.empty() || document->hasPicture() || document->hasSheet();
    fillFromDocument();
    // The layout's own progress bar gives way to the busy bar in the status bar; the sheet
    // side's picture of loading shows while a sheet is read.
    ui->progressBar->setVisible(false);
    ui->loading_status_image->setVisible(document->loadingSheet());
    // The panel names the components of the model shown.
    const bool hsv = shownModel() == tess::ColourModel::Hsv;
    for (QWidget *label : {ui->hue, ui->saturation, ui->value})
        label->setVisible(hsv);
    for (QWidget *label : {ui->red, ui->green, ui->blue})
        label->setVisible(!hsv);
    showHistoryActions();
    if (auto *inSpreadsheet = findChild<QAction *>(QStringLiteral("openInSpreadsheet")))
        inSpreadsheet->setEnabled(document->hasSheet());

    if (document->hasSheet()) {
        markLoaded(SheetSide);
        updateInfo(SheetSide);
        // A sheet read again may have lost the columns of a model.
        ui->RGBButton->setEnabled(document->sheet().hasRgb);
        ui->HSVButton->setEnabled(document->sheet().hasHsv);
        if (document->sheetSaved())
            showTick(ui->ss_save_pos, ui->ss_save_neg);
        if (!document->sheetFile().isEmpty()) {
            showTitle(ui->spreadsheetBox, tr("Spreadsheet: "), document->sheetFile());
        } else {
            const QString from = QFileInfo(document->sheetSide().origin.file).fileName();
            showTitle(ui->spreadsheetBox, from.isEmpty() ? tr("Spreadsheet: from the image") : tr("Spreadsheet: from "),
                      from);
        }
    } else {
        markUnloaded(SheetSide);
        if (shownBefore)
            resetInfo(SheetSide);
        // The panel says no sheet is loaded; the heading no longer names one.
        showTitle(ui->spreadsheetBox, tr("Spreadsheet"), QString());
    }

    if (document->hasPicture()) {
        if (newPicture)
            displayPreview(image);
        markLoaded(ImageSide);
        updateInfo(ImageSide);
        if (document->pictureSaved())
            showTick(ui->image_save_pos, ui->image_save_neg);
        if (document->pictureFile().isEmpty()) {
            // Drawn from the sheet: named by the sheet's file as it is now, which a save as
            // .xlsx and a reading again from there change.
            const QString sheet = document->pictureDrawn() ? document->sheetFile() : QString();
            showTitle(ui->imageBox, drawnTitle(sheet.isEmpty() ? document->pictureSide().origin.file : sheet),
                      QString());
        } else {
            showTitle(ui->imageBox, tr("Image: "), document->pictureFile());
        }
    } else {
        if (shownBefore) {
            markUnloaded(ImageSide);
            resetInfo(ImageSide);
        } else {
            showPictureControls(false); // the preview keeps the form's own picture
        }
        ui->imageBox->setToolTip(QString()); // the heading names no file now
    }
}

void MainWindow::workStarted(const QString &what)
{
    // The sheet side's own picture of loading, as well.
    ui->loading_status_image->setVisible(document->loadingSheet());
    // A busy bar and what runs, for as long as it runs; the layout's own progress bar stays
    // hidden. A bar that only moves shows no text, so the words go beside it.
    auto *bar = new QWidget;
    bar->setObjectName(QStringLiteral("busyBar"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto *moving = new QProgressBar;
    moving->setRange(0, 0);
    moving->setMaximumWidth(120);
    moving->setAccessibleName(what);
    row->addWidget(moving);
    row->addWidget(new QLabel(what));
    // A message in the status bar would hide the bar.
    if (!busyBar)
        noticeBeforeWork = statusBar()->currentMessage();
    statusBar()->clearMessage();
    statusBar()->addWidget(bar);
    delete std::exchange(busyBar, bar);
    workClock.start();
    // Nothing that would start other work, or change what this work reads, until it ends.
    focusBeforeWork = focusWidget();
    centralWidget()->setEnabled(false);
    findChild<QShortcut *>(QStringLiteral("stopWork"))->setEnabled(true);
    showHistoryActions();
}

// Work that is over in a moment keeps the moving bar; longer work that knows how far it is
// shows the measure instead.
void MainWindow::workProgress(int percent)
{
    auto *bar = busyBar ? busyBar->findChild<QProgressBar *>() : nullptr;
    if (!bar || workClock.elapsed() < 300)
        return;
    bar->setRange(0, 100);
    bar->setValue(percent);
}

void MainWindow::workNotice(const tess::Notice &notice, bool asked)
{
    // A picture changed on disk is converted again without a box; the status bar says it.
    if (asked)
        dialogs->warning(this, tess::noticeTitle(), tess::noticeMessage(notice), QString());
}

void MainWindow::workEnded()
{
    ui->loading_status_image->setVisible(false);
    delete std::exchange(busyBar, nullptr);
    centralWidget()->setEnabled(true);
    findChild<QShortcut *>(QStringLiteral("stopWork"))->setEnabled(false);
    showHistoryActions();
    // Back where the keyboard was, unless the work's end took that control away.
    if (focusBeforeWork && focusBeforeWork->isEnabled() && focusBeforeWork->isVisible())
        focusBeforeWork->setFocus(Qt::OtherFocusReason);
    focusBeforeWork = nullptr;
    showNotice(std::exchange(noticeBeforeWork, QString()));
}

void MainWindow::workStopped(const QString &said)
{
    workEnded();
    showNotice(said);
}
