// SPDX-License-Identifier: GPL-3.0-or-later
// What the window adds for a lesson: the pixel viewer, help and About, Ctrl+Q, the
// window's context menu, accessible descriptions and a focus ring, and a window that fits
// a small screen.

#include "mainwindow.h"

#include "accessibility.h"
#include "helpwindow.h"
#include "longnotices.h"
#include "screenfit.h"
#include "viewers.h"
#include "ui_mainwindow.h"

#include "image/pixelreadout.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QScreen>

#include <functional>

namespace {

// Lets a function see an object's events first; true: the event was dealt with.
class EventHook final : public QObject
{
public:
    EventHook(QObject *watched, std::function<bool(QEvent *)> hook)
        : QObject(watched), m_hook(std::move(hook))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override { return m_hook(event); }

private:
    std::function<bool(QEvent *)> m_hook;
};

QAction *windowAction(QWidget *window, const QString &text, const QKeySequence &keys,
                      std::function<void()> triggered)
{
    auto *action = new QAction(text, window);
    action->setShortcut(keys);
    QObject::connect(action, &QAction::triggered, window, std::move(triggered));
    window->addAction(action);
    return action;
}

} // namespace

void MainWindow::setUpTeachingAids()
{
    viewers = new Viewers(this, [this](std::function<void(const QImage &)> then) {
        document->drawSheetPicture(shownModel(), std::move(then));
    }, [this] { return document->before(); });
    describeControls(*ui);
    offerWholeNotices(*statusBar());
    showFocusClearly(*this);

    windowAction(this, tr("Look into the pixels"), QKeySequence(Qt::CTRL | Qt::Key_I), [this] { openPixelViewer(); });
    // The keyboard's way to what a double-click on the table opens.
    windowAction(this, tr("Look into the sheet's pixels"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I), [this] {
        if (document->hasSheet())
            viewers->openSheet();
    });
    auto *inSpreadsheet = windowAction(this, tr("Open in spreadsheet"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
                                       [this] { openInSpreadsheet(); });
    inSpreadsheet->setObjectName(QStringLiteral("openInSpreadsheet"));
    inSpreadsheet->setToolTip(tr("Open the sheet in the spreadsheet program, saved first when it is new (Ctrl+Shift+E)"));
    setUpHistory();
    // Filled each time it opens, so that a file deleted since is not offered.
    auto *recent = new QMenu(tr("Recent files"), this);
    recent->setObjectName(QStringLiteral("recentFiles"));
    recent->setToolTipsVisible(true);
    connect(recent, &QMenu::aboutToShow, this, [this, recent] {
        recent->clear();
        for (const QString &file : places.recent())
            recent->addAction(QFileInfo(file).fileName(), this, [this, file] { openFile(file); })->setToolTip(file);
        if (recent->isEmpty())
            recent->addAction(tr("No recent files"))->setEnabled(false);
    });
    addAction(recent->menuAction());
    windowAction(this, tr("Help"), QKeySequence(QKeySequence::HelpContents), [this] { showHelp(this); });
    windowAction(this, tr("About Tessarine"), QKeySequence(), [this] { showAbout(this); });
    // Also from the viewer or the help window, which belong to this window.
    windowAction(this, tr("Quit"), QKeySequence(QKeySequence::Quit), [this] { close(); })
        ->setShortcutContext(Qt::ApplicationShortcut);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    new EventHook(ui->imageView, [this](QEvent *event) {
        if (event->type() != QEvent::MouseButtonDblClick)
            return false;
        openPixelViewer();
        return true;
    });
    new EventHook(ui->tableWidget->viewport(), [this](QEvent *event) {
        if (event->type() != QEvent::MouseButtonDblClick)
            return false;
        viewers->openSheet();
        return true;
    });
    // The screen the window will open on; a window not yet shown is on the primary one.
    if (QScreen *shownOn = screen())
        fitToScreen(*this, shownOn->availableGeometry());
    fitEveryWindowToScreen(this);
    new EventHook(this, [this](QEvent *event) {
        if (event->type() == QEvent::Close && !mayClose()) {
            event->ignore();
            return true;
        }
        return false;
    });
}

QString MainWindow::pictureName() const
{
    const QString source = document->pictureSide().namedBy();
    return source.isEmpty() ? tr("the picture") : QFileInfo(source).fileName();
}

void MainWindow::openPixelViewer()
{
    if (!image.isNull())
        viewers->open(image, pictureName());
}

void MainWindow::sheetIsInFile(const QString &path, const tess::SheetInfo &sheet)
{
    if (sheet.grid == tess::GridReading::None) {
        sheetIsInFile(path, sheet.lines, sheet.shape, sheet.worksheetName);
        return;
    }
    const QString name = QFileInfo(path).fileName();
    // A CSV text has no worksheet: its cells are named in the file.
    const QString where = sheet.worksheetName.isEmpty() ? name : sheet.worksheetName;
    viewers->sheetInFile(name, [this, grid = sheet.grid, origin = sheet.gridOrigin, where, white = sheet.gridOnesWhite] {
        return tess::PixelLines(QSize(maxX, maxY), grid, origin, where, white);
    });
}

void MainWindow::sheetIsInFile(const QString &path, const tess::RecordLines &lines, tess::SheetShape shape,
                               const QString &worksheet)
{
    const QString name = QFileInfo(path).fileName();
    if (shape != tess::SheetShape::List) {
        // A CSV text has no worksheet: its cells are named in the file.
        const QString where = worksheet.isEmpty() ? name : worksheet;
        viewers->sheetInFile(name, [this, shape, where] { return tess::PixelLines(QSize(maxX, maxY), shape, where); });
        return;
    }
    viewers->sheetInFile(name, [this, lines, name] { return tess::PixelLines(pixels.all(), QSize(maxX, maxY), lines, name); });
}
