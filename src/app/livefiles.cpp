// SPDX-License-Identifier: GPL-3.0-or-later
// Files the window shows, saved anew by another program: the spreadsheet program the
// student edits the numbers in, or a paint program. What was read is shown again, and a
// picture drawn from the sheet is drawn again; a save that cannot be read keeps the last
// good data and says why in the status bar, since no one asked for a box.

#include "mainwindow.h"

#include "statusnotes.h"
#include "viewers.h"
#include "statuspanel.h"
#include "ui_mainwindow.h"

#include "convert/operations.h"
#include "convert/sheetnotice.h"
#include "text/statuswords.h"
#include "text/usertexts.h"

#include <QFileInfo>
#include <QStatusBar>
#include <QTime>

using namespace panel;

namespace {

QString now()
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}

QString reasonOf(const tess::Result &result)
{
    const QString message = tess::statusMessage(result.status);
    return result.detail.isEmpty() ? message : message + QLatin1Char(' ') + result.detail;
}

// The line about the change, then whatever the work after it had to say.
QString joined(const QString &change, const QString &notice)
{
    return notice.isEmpty() ? change : change + QStringLiteral(" \u2014 ") + notice;
}

} // namespace

void MainWindow::readAgain(bool sheet, const tess::Change &change)
{
    const QString name = QFileInfo(change.path).fileName();
    const auto unreadable = [&](const tess::Result &result) {
        showNotice(tess::userText(tess::Text::ChangedUnreadable).arg(name, now(), reasonOf(result)));
    };
    if (!change.result.ok())
        return unreadable(change.result);
    showDocumentState();
    if (sheet) {
        showRecords(false);
        sheetIsInFile(change.path, document->sheet());
    }
    const bool remade = sheet ? document->pictureDrawn() : document->sheetConverted();
    if (!remade) {
        showNotice(joined(tess::userText(tess::Text::ChangedReadAgain).arg(name, now()),
                          sheet ? tess::sheetNotice(document->sheet()) : QString()));
        return;
    }
    if (!change.remade.ok())
        return unreadable(change.remade);
    if (sheet) {
        showNotice(joined(tess::userText(tess::Text::ChangedReadAndDrawn).arg(name, now()),
                          tess::sheetNotice(document->sheet(), document->drawStats())));
        return;
    }
    // The sheet made from the picture is made again; the file it was saved to is not
    // rewritten behind the user's back, so it no longer counts as saved.
    showRecords(true);
    viewers->forgetSheet();
    const QSize from = document->convertedFrom();
    showNotice(joined(tess::userText(tess::Text::ChangedReadAndConverted).arg(name, now()),
                      document->extent() != from
                          ? reductionNote(from, document->extent(), qint64(pixels.size()))
                          : QString()));
}

void MainWindow::followedFileGone(const QString &path)
{
    showNotice(tess::userText(tess::Text::FollowedFileGone).arg(QFileInfo(path).fileName(), now()));
}
