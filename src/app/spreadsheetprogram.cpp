// SPDX-License-Identifier: GPL-3.0-or-later
// "Open in spreadsheet": the sheet in the desktop's program for its type, where the lesson
// edits it. A sheet in no file yet (converted and not saved) is saved first; the window
// then follows the file while the spreadsheet program saves it.

#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "text/usertexts.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void MainWindow::openInSpreadsheet()
{
    if (!document->hasSheet() || document->busy())
        return;
    if (document->sheetSaved() && !document->sheetFile().isEmpty()) {
        openSheetFile(document->sheetFile());
        return;
    }
    // Opened once the save is done; a cancelled or failed save opens nothing.
    ui->saveSheet->click();
    document->whenDone([this] {
        if (document->sheetSaved() && !document->sheetFile().isEmpty())
            openSheetFile(document->sheetFile());
    });
}

void MainWindow::openSheetFile(const QString &path)
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        showNotice(tess::userText(tess::Text::NoProgramForSheet).arg(QFileInfo(path).fileName()));
}
