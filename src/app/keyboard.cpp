// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard.h"

#include "ui_mainwindow.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QKeySequence>

#include <initializer_list>
#include <utility>

namespace {

// Tab stops at the selected mode button, the arrow keys choose the other. The toolkit
// moves the stop only to a button that takes the focus, so a mode chosen by the program
// (a loaded HSV sheet) or by a click() would leave Tab on the button not selected.
void tabStopAtSelected(QButtonGroup *group)
{
    for (QAbstractButton *button : group->buttons()) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                   : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

} // namespace

void setUpKeyboard(Ui_MainWindow &ui)
{
    // A preview of the data, not an editor: typed values were silently dropped.
    ui.tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui.tableWidget->setTabKeyNavigation(false);

    tabStopAtSelected(ui.buttonGroup);
    QButtonGroup *group = ui.buttonGroup;
    QObject::connect(group, &QButtonGroup::buttonToggled, group, [group] { tabStopAtSelected(group); });

    // The table comes last: reading it is not a step of the work.
    QWidget *const order[] = {ui.loadImage, ui.shrink, ui.imageToSpreadsheet, ui.RGBButton,
                              ui.HSVButton, ui.saveSheet, ui.loadSpreadsheet, ui.spreadsheetToImage,
                              ui.saveImage, ui.tableWidget};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    // Open and Save are the platform's own keys. The conversions point the way the data
    // goes in the window: the image side is on the left, the sheet side on the right.
    const std::initializer_list<std::pair<QAbstractButton *, QKeySequence>> keys = {
        {ui.loadImage, QKeySequence(QKeySequence::Open)},
        {ui.saveSheet, QKeySequence(QKeySequence::Save)},
        {ui.loadSpreadsheet, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)},
        {ui.saveImage, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {ui.imageToSpreadsheet, QKeySequence(Qt::CTRL | Qt::Key_Right)},
        {ui.spreadsheetToImage, QKeySequence(Qt::CTRL | Qt::Key_Left)},
        {ui.RGBButton, QKeySequence(Qt::CTRL | Qt::Key_R)},
        {ui.HSVButton, QKeySequence(Qt::CTRL | Qt::Key_H)},
        {ui.shrink, QKeySequence(Qt::CTRL | Qt::Key_E)},
    };
    // The tooltips that name them are given with the other descriptions (accessibility.cpp).
    for (const auto &[button, sequence] : keys)
        button->setShortcut(sequence);

    ui.loadImage->setFocus();
}
