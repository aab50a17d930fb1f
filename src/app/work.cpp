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
using Work = tess::Document::Work;

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
    image = document->picture();
    pixels = document->records();
    maxX = document->extent().width();
    maxY = document->extent().height();
}

void MainWindow::showDocumentState()
{
    const bool newPicture = image.cacheKey() != document->picture().cacheKey();
    fillFromDocument();
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
            const QString from = QFileInfo(places.source(FilePlaces::Sheet)).fileName();
            showTitle(ui->spreadsheetBox, from.isEmpty() ? tr("Spreadsheet: from the image") : tr("Spreadsheet: from "),
                      from);
        }
    } else {
        markUnloaded(SheetSide);
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
            showTitle(ui->imageBox, drawnTitle(sheet.isEmpty() ? places.source(FilePlaces::Image) : sheet), QString());
        } else {
            showTitle(ui->imageBox, tr("Image: "), document->pictureFile());
        }
    } else {
        markUnloaded(ImageSide);
        resetInfo(ImageSide);
        ui->imageBox->setToolTip(QString()); // the heading names no file now
    }
}

void MainWindow::whenIdle(std::function<void()> start)
{
    if (document->busy())
        startWhenIdle = std::move(start);
    else
        start();
}

void MainWindow::workStarted(Work work, const QString &what)
{
    // The sheet side's own picture of loading, as well.
    ui->loading_status_image->setVisible(work == Work::LoadSheet);
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
    // Nothing that would start other work, or change what this work reads, until it ends.
    focusBeforeWork = focusWidget();
    centralWidget()->setEnabled(false);
    findChild<QShortcut *>(QStringLiteral("stopWork"))->setEnabled(true);
    showHistoryActions();
}

namespace {

QString nameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

void MainWindow::workNotice(Work work, const tess::Notice &notice)
{
    // A picture changed on disk is converted again without a box; the status bar says it.
    if (work != Work::ReloadPicture)
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

void MainWindow::workFinished(Work work, const tess::Result &result, const tess::Result &remade, const QString &path)
{
    workEnded();

    switch (work) {
    case Work::LoadPicture:
        pictureLoaded(result);
        break;
    case Work::LoadSheet:
        sheetLoaded(result);
        break;
    case Work::ConvertPicture:
        sheetConverted(result);
        break;
    case Work::DrawSheet:
        sheetDrawn(result);
        break;
    case Work::SavePicture:
        pictureSaved(result);
        break;
    case Work::SaveSheet:
        sheetSaved(result, path);
        if (std::exchange(openWhenSaved, false) && result.ok())
            openSheetFile(path);
        break;
    case Work::ReloadPicture:
        pictureReloaded(result, remade, path);
        break;
    case Work::ReloadSheet:
        sheetReloaded(result, remade, path);
        break;
    case Work::None:
        break;
    }
    // The window was asked to close while this ran; it is asked again, unless the work failed.
    if (std::exchange(closeWhenDone, false) && result.ok() && !document->busy())
        close();
    if (startWhenIdle && !document->busy())
        std::exchange(startWhenIdle, nullptr)();
}

void MainWindow::workStopped(Work work, const QString &path)
{
    workEnded();
    drawWhenRead = false;
    closeWhenDone = false;
    openWhenSaved = false;
    using tess::Text;
    switch (work) {
    case Work::SavePicture:
    case Work::SaveSheet:
        showNotice(tess::userText(Text::WritingStopped).arg(nameOf(path)));
        break;
    case Work::ConvertPicture:
        showNotice(tess::userText(Text::ConvertingStopped));
        break;
    case Work::DrawSheet:
        showNotice(tess::userText(Text::DrawingStopped));
        break;
    default:
        showNotice(tess::userText(Text::ReadingCancelled).arg(nameOf(path)));
        break;
    }
    if (startWhenIdle)
        std::exchange(startWhenIdle, nullptr)();
}
