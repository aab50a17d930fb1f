// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows once work changed a side, whatever the work was: the side as the
// document now holds it, and one line or one box about the change. Work the user asked for
// says its failure in a box; a reading again because another program saved the file (the
// spreadsheet program the student edits the numbers in, or a paint program) asked for no
// box, so it keeps the last good data and says why in the status bar.

#include "mainwindow.h"

#include "dialogs.h"
#include "statusnotes.h"
#include "viewers.h"
#include "ui_mainwindow.h"

#include "convert/operations.h"
#include "convert/picturesheet.h"
#include "convert/sheetnotice.h"
#include "text/statuswords.h"
#include "text/usertexts.h"

#include <QFileInfo>
#include <QStatusBar>
#include <QTime>

using How = tess::Change::How;

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

void debugUnableToOpen(const QString &path)
{
    qDebug("%s", qUtf8Printable(QStringLiteral("- Error, unable to open \"%1\" for output ").arg(path)));
}

} // namespace

void MainWindow::sideChanged(bool sheet, const tess::Change &change)
{
    // The other side made again by a reading again is told with the reading, which has
    // ended the work and shown both sides already; the table is the sheet's own.
    if (change.how == How::Made && !change.asked) {
        if (sheet && change.result.ok())
            showSheetTable(change);
        return;
    }
    workEnded();
    if (!change.result.ok()) {
        // A failure keeps what the sides held, the status line included; a making that
        // fails may take away what its side held (a drawing too large for a picture).
        if (change.how == How::Made)
            showDocumentState();
        tellFailure(sheet, change, change.result);
        return;
    }
    showDocumentState();
    if (change.asked && change.how != How::Made)
        places.remember(sheet ? RecentPlaces::Sheet : RecentPlaces::Image,
                        sheet ? document->sheetFile() : document->pictureFile());
    if (sheet)
        showSheetTable(change);
    if (change.how == How::ReadAgain && !change.remade.ok())
        tellFailure(sheet, change, change.remade);
    else if (change.how != How::Written)
        showNotice(changeNotice(sheet, change));
}

void MainWindow::tellFailure(bool sheet, const tess::Change &change, const tess::Result &result)
{
    if (!change.asked) {
        showNotice(tess::userText(tess::Text::ChangedUnreadable)
                       .arg(QFileInfo(change.path).fileName(), now(), reasonOf(result)));
        return;
    }
    const bool opening = result.status == tess::Status::SheetCannotOpen || result.status == tess::Status::SheetMissing;
    if (sheet && (opening || change.how == How::Written))
        debugUnableToOpen(change.path);
    warnFailed(*dialogs, this, result);
}

// The table of the first records, and where in which file the pixel viewer finds each.
void MainWindow::showSheetTable(const tess::Change &change)
{
    const QString file = document->sheetFile();
    if (change.how == How::Written) {
        // The header, then one record a line; a workbook's rows are not claimed.
        sheetIsInFile(file, tess::isPictureSheetName(file) ? tess::RecordLines{} : tess::RecordLines{2, {}});
        return;
    }
    if (change.how != How::Made) {
        showRecords(false);
        sheetIsInFile(file, document->sheet());
        return;
    }
    // The first column of the scanned image, up to four pixels of it; new records, in no
    // file yet.
    const tess::ModelColumns columns = tess::modelColumns(shownModel());
    for (int i = 0; i < 3; ++i)
        setCellText(0, 2 + i, tr(columns.name[i]));
    showRecords(true);
    viewers->forgetSheet();
}

// The status bar's line once a side was read or made: what the reading passed over, or
// how far the picture was reduced, or what the drawing bent.
QString MainWindow::changeNotice(bool sheet, const tess::Change &change) const
{
    const tess::SheetInfo &read = document->sheet();
    const auto made = [&](bool sheetMade) {
        if (!sheetMade)
            return tess::sheetNotice(read, document->drawStats());
        const QSize from = document->convertedFrom();
        return document->extent() != from ? reductionNote(from, document->extent(), qint64(pixels.size()))
                                          : QString();
    };
    if (change.how == How::Read)
        return sheet ? tess::sheetNotice(read) : tess::imageDamageNotice(document->pictureFile());
    if (change.how == How::Made)
        return made(sheet);
    const QString name = QFileInfo(change.path).fileName();
    if (!(sheet ? document->pictureDrawn() : document->sheetConverted()))
        return joined(tess::userText(tess::Text::ChangedReadAgain).arg(name, now()),
                      sheet ? tess::sheetNotice(read) : QString());
    const tess::Text words = sheet ? tess::Text::ChangedReadAndDrawn : tess::Text::ChangedReadAndConverted;
    return joined(tess::userText(words).arg(name, now()), made(!sheet));
}

void MainWindow::followedFileGone(const QString &path)
{
    showNotice(tess::userText(tess::Text::FollowedFileGone).arg(QFileInfo(path).fileName(), now()));
}
