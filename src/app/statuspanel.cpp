// SPDX-License-Identifier: GPL-3.0-or-later
// The status panel: what each side has loaded, and the sizes and columns it holds.

#include "mainwindow.h"
#include "statuspanel.h"
#include "viewers.h"

#include "ui_mainwindow.h"

#include "convert/operations.h"
#include "convert/picturesheet.h"
#include "image/imageconvert.h"

#include <QStatusBar>

using namespace panel;

void panel::showTick(QWidget *tick, QWidget *cross)
{
    tick->setVisible(true);
    cross->setVisible(false);
}

void panel::showCross(QWidget *tick, QWidget *cross)
{
    cross->setVisible(true);
    tick->setVisible(false);
}

void MainWindow::markLoaded(const QString &side)
{
    showHeld(side, true);
}

void MainWindow::markUnloaded(const QString &side)
{
    showHeld(side, false);
}

// The controls and indicators of a side that hold its data, or none; any other string
// than a side's name does nothing.
void MainWindow::showHeld(const QString &side, bool held)
{
    if (side == ImageSide) {
        showPictureControls(held);
        if (!held)
            ui->imageView->clear();
        ui->imageView->setEnabled(held);
        statusBar()->clearMessage(); // a reduction note belongs to the image before
        return;
    }
    if (side != SheetSide)
        return;
    const std::initializer_list<QWidget *> controls{ui->saveSheet, ui->spreadsheetToImage, ui->ss_to_image_image};
    for (QWidget *control : controls)
        control->setEnabled(held);
    (held ? showTick : showCross)(ui->ss_memory_pos, ui->ss_memory_neg);
    showCross(ui->ss_save_pos, ui->ss_save_neg);
    ui->tableWidget->setVisible(held);
    // A sheet without a model's columns leaves its button as it was.
    const tess::SheetInfo &sheet = document->sheet();
    if (!held || sheet.hasRgb)
        ui->RGBButton->setEnabled(held);
    if (!held || sheet.hasHsv)
        ui->HSVButton->setEnabled(held);
    if (!held) {
        if (viewers)
            viewers->forgetSheet();
        return;
    }
    if (const auto model = tess::requiredModel(sheet.hasRgb, sheet.hasHsv))
        (*model == tess::ColourModel::Rgb ? ui->RGBButton : ui->HSVButton)->click();
}

void MainWindow::showPictureControls(bool held)
{
    ui->image_to_ss_image->setEnabled(held);
    if (held)
        showTick(ui->image_memory_pos, ui->image_memory_neg);
    else
        showCross(ui->image_memory_pos, ui->image_memory_neg);
    showCross(ui->image_save_pos, ui->image_save_neg);
    ui->saveImage->setEnabled(held);
    ui->imageToSpreadsheet->setEnabled(held);
    ui->shrink->setEnabled(held);
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
        // Converted data carries all six components, also after it was saved in one model.
        const bool all = document->sheetConverted();
        const tess::SheetColumns &columns = document->sheet().columns;
        const auto present = [all](int column) { return column == -1 && !all ? tr("No") : tr("Yes"); };
        ui->resolution->setText(tr("Output Image: ") + QString::number(maxX) + QStringLiteral(", ")
                                + QString::number(maxY));
        ui->red->setText(tr("Red: ") + present(columns.r));
        ui->green->setText(tr("Green: ") + present(columns.g));
        ui->blue->setText(tr("Blue: ") + present(columns.b));
        ui->hue->setText(tr("Hue: ") + present(columns.h));
        ui->saturation->setText(tr("Saturation: ") + present(columns.s));
        ui->value->setText(tr("Value: ") + present(columns.v));
    }
    if (side == ImageSide) {
        // 64-bit, so that a very large image shows its true count.
        const qint64 n = qint64(image.height()) * image.width();
        showOutputRows();
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

// The rows "Image to Spreadsheet" writes now: after the reduction that applies. When the
// sheet was last saved picture-shaped, the rows that layout will have: the label row and
// one (grey) or three rows per picture row, the picture reduced once more for it.
void MainWindow::showOutputRows()
{
    const bool excel2002 = ui->shrink->checkState() != Qt::Unchecked;
    const QSize scanned = tess::reducedSize(image.size(), tess::planReduction(image.size(), excel2002));
    const tess::SheetShape shape = shapeOfSheetType(sheetType);
    qint64 rows = qint64(scanned.width()) * scanned.height();
    if (shape != tess::SheetShape::List) {
        const QSize shaped = tess::reducedSize(scanned, tess::planSideReduction(scanned, tess::PictureSheetSide));
        rows = tess::pictureSheetRows(shaped.height(), shape);
    }
    ui->outputRows->setText(tr("Output Rows: ") + QString::number(rows));
}
