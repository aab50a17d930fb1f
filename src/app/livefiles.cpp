// Files the window shows, saved anew by another program: the spreadsheet program the
// student edits the numbers in, or a paint program. What was read is shown again, and a
// picture drawn from the sheet is drawn again; a save that cannot be read keeps the last
// good data and says why in the status bar, since no one asked for a box.

#include "mainwindow.h"

#include "background.h"
#include "following.h"
#include "statuspanel.h"
#include "ui_mainwindow.h"

#include "convert/operations.h"
#include "convert/sheetnotice.h"
#include "text/usertexts.h"

#include <QFileInfo>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

using namespace panel;

namespace {

QString now()
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}

QString reasonOf(const tess::Result &result)
{
    return result.detail.isEmpty() ? result.message : result.message + QLatin1Char(' ') + result.detail;
}

// A change heard while other work runs is taken up once that work is done.
void retryLater(QObject *context, const std::function<void()> &again)
{
    QTimer::singleShot(tess::FileFollower::DefaultSettleMs, context, again);
}

// The line about the change, then whatever the work after it had to say.
QString joined(const QString &change, const QString &notice)
{
    return notice.isEmpty() ? change : change + QStringLiteral(" \u2014 ") + notice;
}

} // namespace

void MainWindow::followedSheetChanged(const QString &path)
{
    if (workRunsAside()) {
        retryLater(this, [this, path] { followedSheetChanged(path); });
        return;
    }
    const QString name = QFileInfo(path).fileName();
    const std::optional<tess::Result> read = readSheet(path);
    if (!read) {
        showNotice(tess::userText(tess::Text::ReadingCancelled).arg(name));
        return;
    }
    if (!read->ok()) {
        showNotice(tess::userText(tess::Text::ChangedUnreadable).arg(name, now(), reasonOf(*read)));
        return;
    }
    if (!following->pictureFromSheet) {
        showNotice(joined(tess::userText(tess::Text::ChangedReadAgain).arg(name, now()),
                          tess::sheetNotice(sheetRead)));
        return;
    }
    const tess::Result drawn = drawSheet();
    if (!drawn.ok()) {
        showNotice(tess::userText(tess::Text::ChangedUnreadable).arg(name, now(), reasonOf(drawn)));
        return;
    }
    // drawSheet has put the sheet's notice in the status bar.
    showNotice(joined(tess::userText(tess::Text::ChangedReadAndDrawn).arg(name, now()),
                      statusBar()->currentMessage()));
}

void MainWindow::followedPictureChanged(const QString &path)
{
    if (workRunsAside()) {
        retryLater(this, [this, path] { followedPictureChanged(path); });
        return;
    }
    const QString name = QFileInfo(path).fileName();
    const std::optional<PictureRead> read = readPictureAside(*this, path);
    if (!read) {
        showNotice(tess::userText(tess::Text::ReadingCancelled).arg(name));
        return;
    }
    if (!read->result.ok()) {
        showNotice(tess::userText(tess::Text::ChangedUnreadable).arg(name, now(), reasonOf(read->result)));
        return;
    }
    image = read->image;
    displayPreview(image);
    markLoaded(ImageSide);
    updateInfo(ImageSide);
    showTick(ui->image_save_pos, ui->image_save_neg);
    if (!following->sheetFromPicture) {
        showNotice(tess::userText(tess::Text::ChangedReadAgain).arg(name, now()));
        return;
    }
    // The sheet made from the picture is made again; the file it was saved to is not
    // rewritten behind the user's back, so it no longer counts as saved.
    convertImage(ui->shrink->checkState() != Qt::Unchecked);
    showNotice(joined(tess::userText(tess::Text::ChangedReadAndConverted).arg(name, now()),
                      statusBar()->currentMessage()));
}

void MainWindow::followedFileGone(const QString &path)
{
    showNotice(tess::userText(tess::Text::FollowedFileGone).arg(QFileInfo(path).fileName(), now()));
}
