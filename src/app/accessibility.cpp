// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "ui_mainwindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QTableWidget>
#include <QStatusBar>
#include <QAccessible>
#include <QPainter>
#include <QProxyStyle>
#include <QSizeGrip>
#include <QToolButton>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

class FocusRingStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    // Room in the table's frame for the whole ring, which its cells would cover otherwise.
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        if (metric == PM_DefaultFrameWidth && qobject_cast<const QAbstractItemView *>(widget))
            return std::max(value, 2);
        return value;
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        const bool ringed = element == CE_PushButton || element == CE_CheckBox || element == CE_RadioButton
            || (element == CE_ShapedFrame && qobject_cast<const QAbstractItemView *>(widget));
        if (!ringed || !(option->state & State_HasFocus))
            return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(option->palette.color(QPalette::Active, QPalette::Highlight), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(option->rect).adjusted(1, 1, -1, -1), 3, 3);
        painter->restore();
    }
};

void name(QWidget *widget, const QString &name, const QString &description = QString())
{
    widget->setAccessibleName(name);
    if (!description.isEmpty())
        widget->setAccessibleDescription(description);
}

// A button says what it does, then how to reach it: "Load a picture to turn into numbers (Ctrl+O)".
void explain(QAbstractButton *button, const QString &what)
{
    const QString keys = button->shortcut().toString(QKeySequence::NativeText);
    button->setToolTip(keys.isEmpty() ? what : QStringLiteral("%1 (%2)").arg(what, keys));
    button->setAccessibleDescription(what);
}

} // namespace

void describeControls(Ui_MainWindow &ui)
{
    const std::initializer_list<std::pair<QAbstractButton *, const char *>> buttons = {
        {ui.loadImage, QT_TRANSLATE_NOOP("MainWindow", "Load a picture to turn into numbers")},
        {ui.saveImage, QT_TRANSLATE_NOOP("MainWindow", "Save the picture in the format its name's suffix names")},
        {ui.imageToSpreadsheet, QT_TRANSLATE_NOOP("MainWindow", "Turn the picture into numbers, one row per pixel")},
        {ui.spreadsheetToImage, QT_TRANSLATE_NOOP("MainWindow", "Draw the numbers as a picture")},
        {ui.loadSpreadsheet, QT_TRANSLATE_NOOP("MainWindow", "Load a pixel sheet to draw as a picture")},
        {ui.saveSheet, QT_TRANSLATE_NOOP("MainWindow", "Save the numbers as a pixel sheet")},
        {ui.RGBButton, QT_TRANSLATE_NOOP("MainWindow", "Show and save the colours as red, green and blue")},
        {ui.HSVButton, QT_TRANSLATE_NOOP("MainWindow", "Show and save the colours as hue, saturation and value")},
        {ui.shrink, QT_TRANSLATE_NOOP("MainWindow", "Reduce the picture to about 60,000 pixels, as Excel 2002 can hold")},
    };
    for (const auto &[button, what] : buttons)
        explain(button, tr(what));

    // The pictures carry no text; the one of each pair that is shown tells the state.
    const QString memory = tr("Picture loaded in memory: %1");
    const QString saved = tr("Picture saved to disk: %1");
    const QString sheetMemory = tr("Sheet loaded in memory: %1");
    const QString sheetSaved = tr("Sheet saved to disk: %1");
    name(ui.image_memory_pos, memory.arg(tr("yes")));
    name(ui.image_memory_neg, memory.arg(tr("no")));
    name(ui.image_save_pos, saved.arg(tr("yes")));
    name(ui.image_save_neg, saved.arg(tr("no")));
    name(ui.ss_memory_pos, sheetMemory.arg(tr("yes")));
    name(ui.ss_memory_neg, sheetMemory.arg(tr("no")));
    name(ui.ss_save_pos, sheetSaved.arg(tr("yes")));
    name(ui.ss_save_neg, sheetSaved.arg(tr("no")));

    name(ui.imageView, tr("Picture preview"),
         tr("Double-click, or press Ctrl+I, to look into the pixels"));
    ui.imageView->setToolTip(tr("The picture. Double-click to look into its pixels (Ctrl+I)"));
    name(ui.tableWidget, tr("Pixel table"), tr("The first four pixels of the sheet: position and colour"));
    ui.tableWidget->setToolTip(tr("The first pixels of the sheet. Double-click to look into the sheet's pixels"));
    name(ui.image_to_ss_image, tr("From picture to sheet"));
    name(ui.ss_to_image_image, tr("From sheet to picture"));
    name(ui.label_2, tr("Tessarine: a picture is made of numbers"));
    name(ui.loading_status_image, tr("The spreadsheet is loading, please wait"));
    name(ui.frame, tr("Image Information"));
    name(ui.frame_2, tr("Spreadsheet Info"));
    name(ui.progressBar, tr("Progress"));
    name(ui.menuBar, tr("Menu bar"));
    name(ui.mainToolBar, tr("Tool bar"));
    name(ui.statusBar, tr("Status bar"));
    for (QSizeGrip *grip : ui.statusBar->findChildren<QSizeGrip *>())
        name(grip, tr("Resize the window"));
    for (QToolButton *more : ui.mainToolBar->findChildren<QToolButton *>())
        name(more, tr("More tools"));
    // Nothing to move: the empty tool bar shows no drag handle.
    ui.mainToolBar->setMovable(false);
    nameColumnsAfterCaptions(*ui.tableWidget);
    exposeStatusMessages(*ui.statusBar);
}

void nameColumnsAfterCaptions(QTableWidget &table)
{
    QStringList names;
    for (int column = 0; column < table.columnCount(); ++column) {
        const QTableWidgetItem *caption = table.item(0, column);
        names.append(caption ? caption->text() : QString());
    }
    table.setHorizontalHeaderLabels(names);
}

void exposeStatusMessages(QStatusBar &bar)
{
    QObject::connect(&bar, &QStatusBar::messageChanged, &bar, [&bar](const QString &message) {
        bar.setToolTip(message);
        bar.setAccessibleDescription(message);
        QAccessibleEvent changed(&bar, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
        if (!message.isEmpty()) {
            QAccessibleEvent alert(&bar, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
        }
    });
}

void showFocusClearly(QWidget &window)
{
    auto *style = new FocusRingStyle(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(&window);
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>())
        button->setStyle(style);
    // The table's frame carries its ring; its cells keep the platform's own focus.
    for (QAbstractItemView *view : window.findChildren<QAbstractItemView *>())
        view->setStyle(style);
}
