// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo in the window: the document puts both sides back as they were, and the
// window shows them with the headings, table and note it showed then.

#include "mainwindow.h"

#include "viewers.h"
#include "ui_mainwindow.h"

#include "convert/picturesheet.h"

#include <QAction>
#include <QPushButton>
#include <QStatusBar>

void MainWindow::setUpHistory()
{
    document->setShownBy([this] {
        // While work runs, the note of the state it replaces waits beside the busy bar.
        return tess::SidesShown{busyBar ? noticeBeforeWork : statusBar()->currentMessage()};
    });
    const auto add = [this](const QString &name, const QString &text, QKeySequence::StandardKey keys, bool back) {
        auto *action = new QAction(text, this);
        action->setObjectName(name);
        action->setShortcuts(keys);
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, back] { goTo(back); });
        addAction(action);
    };
    add(QStringLiteral("undo"), tr("Undo"), QKeySequence::Undo, true);
    add(QStringLiteral("redo"), tr("Redo"), QKeySequence::Redo, false);
}

void MainWindow::showHistoryActions()
{
    if (auto *undo = findChild<QAction *>(QStringLiteral("undo")))
        undo->setEnabled(document->canUndo());
    if (auto *redo = findChild<QAction *>(QStringLiteral("redo")))
        redo->setEnabled(document->canRedo());
}

void MainWindow::goTo(bool back)
{
    if (!(back ? document->undo() : document->redo()))
        return;
    const tess::SidesShown &shown = document->shownThen();
    showDocumentState();
    if (document->hasSheet()) {
        showRecords(document->sheetConverted());
        // The captions and values of the mode shown.
        (shownModel() == tess::ColourModel::Rgb ? ui->RGBButton : ui->HSVButton)->click();
        showSheetFile();
    }
    showNotice(shown.notice);
}

// The lines of the sheet's file the viewer names: those it was read from, or those a save
// of converted records wrote (the header, then one record a line; a workbook's rows are
// not claimed).
void MainWindow::showSheetFile()
{
    const QString path = document->sheetFile();
    if (path.isEmpty()) {
        viewers->forgetSheet();
        return;
    }
    const tess::SheetInfo &sheet = document->sheet();
    if (document->sheetConverted())
        sheetIsInFile(path, tess::isPictureSheetName(path) ? tess::RecordLines{} : tess::RecordLines{2, {}});
    else
        sheetIsInFile(path, sheet);
}
