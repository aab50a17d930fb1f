// SPDX-License-Identifier: GPL-3.0-or-later
// The pixel table and the colour mode buttons: which three values rows 1 to 4 show.

#include "mainwindow.h"

#include "accessibility.h"
#include "ui_mainwindow.h"

#include <QTableWidgetItem>

namespace {

void setCell(QTableWidget &table, int row, int column, const QString &text)
{
    // displaySS() can leave cells without an item; give them one back.
    QTableWidgetItem *item = table.item(row, column);
    if (!item) {
        table.setItem(row, column, new QTableWidgetItem(text));
        return;
    }
    item->setText(text);
}

void setColourCells(QTableWidget &table, int row, const tess::PixelRecord &record, tess::ColourModel model)
{
    const tess::ModelColumns columns = tess::modelColumns(model);
    for (int i = 0; i < 3; ++i)
        setCell(table, row, 2 + i, QString::number(record.*columns.member[i]));
}

// What a click on a mode button shows: the labels of that model (those of the other
// hidden), its captions, and the first four records in it.
void showModel(Ui_MainWindow &ui, tess::ColourModel model, const tess::PixelRecords &pixels)
{
    const bool hsv = model == tess::ColourModel::Hsv;
    for (QWidget *label : {ui.hue, ui.saturation, ui.value})
        label->setVisible(hsv);
    for (QWidget *label : {ui.red, ui.green, ui.blue})
        label->setVisible(!hsv);
    // The captions are the sheet's column names, which the form's own cells translate.
    const tess::ModelColumns columns = tess::modelColumns(model);
    for (int i = 0; i < 3; ++i)
        setCell(*ui.tableWidget, 0, 2 + i, MainWindow::tr(columns.name[i]));
    nameColumnsAfterCaptions(*ui.tableWidget);
    // Rows left empty (no record, or not one of the picture's first column) stay empty.
    for (int i = 0; i < 4 && i < int(pixels.size()); ++i) {
        const QTableWidgetItem *position = ui.tableWidget->item(i + 1, 0);
        if (position && !position->text().isEmpty())
            setColourCells(*ui.tableWidget, i + 1, pixels[i], model);
    }
}

} // namespace

tess::ColourModel MainWindow::shownModel() const
{
    return ui->RGBButton->isChecked() ? tess::ColourModel::Rgb : tess::ColourModel::Hsv;
}

void MainWindow::setCellText(int row, int column, const QString &text)
{
    setCell(*ui->tableWidget, row, column, text);
}

void MainWindow::showPosition(int row, const tess::PixelRecord &record)
{
    setCellText(row, 0, QString::number(record.x));
    setCellText(row, 1, QString::number(record.y));
}

void MainWindow::showRecords(bool firstColumnOnly)
{
    const tess::ColourModel model = shownModel();
    for (int i = 0; i < 4; ++i) {
        const bool shown = i < int(pixels.size()) && (!firstColumnOnly || pixels[i].x == 0);
        if (shown) {
            showPosition(i + 1, pixels[i]);
            showColours(i + 1, pixels[i], model);
            continue;
        }
        for (int column = 0; column < 5; ++column)
            setCellText(i + 1, column, QString());
    }
}

void MainWindow::showColours(int row, const tess::PixelRecord &record, tess::ColourModel model)
{
    setColourCells(*ui->tableWidget, row, record, model);
}

void MainWindow::displaySS()
{
    ui->tableWidget->clear();
    ui->tableWidget->insertRow(0);
    ui->tableWidget->setItem(0, 0, nullptr);
}

void MainWindow::on_RGBButton_clicked()
{
    showModel(*ui, tess::ColourModel::Rgb, pixels.all());
}

void MainWindow::on_HSVButton_clicked()
{
    showModel(*ui, tess::ColourModel::Hsv, pixels.all());
}
