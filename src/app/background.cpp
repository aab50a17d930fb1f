#include "background.h"

#include "convert/operations.h"
#include "text/usertexts.h"

#include <QFileInfo>

#include <QEvent>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QMainWindow>
#include <QProgressBar>
#include <QShortcut>
#include <QStatusBar>
#include <QtConcurrent/QtConcurrentRun>

#include <memory>

namespace {

int running = 0;

// Refuses to close the window while its work runs: the waiting slot is still on the stack.
class KeepOpen final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

bool workRunsAside()
{
    return running > 0;
}

bool runAside(QMainWindow &window, const QString &what, std::function<void()> work, bool cancellable)
{
    QFuture<void> future = QtConcurrent::run(std::move(work));
    if (future.isFinished())
        return true;

    ++running;
    QEventLoop loop;
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    bool cancelled = false;
    QShortcut escape(QKeySequence(Qt::Key_Escape), &window);
    escape.setEnabled(cancellable);
    QObject::connect(&escape, &QShortcut::activated, &loop, [&] {
        cancelled = true;
        loop.quit();
    });
    KeepOpen keepOpen;
    window.installEventFilter(&keepOpen);

    // A busy bar for as long as the work runs; the layout's own progress bar stays hidden.
    auto busy = std::make_unique<QProgressBar>();
    busy->setRange(0, 0);
    busy->setMaximumWidth(160);
    busy->setFormat(what);
    busy->setToolTip(what);
    window.statusBar()->addWidget(busy.get());
    QWidget *controls = window.centralWidget();
    const bool wasEnabled = controls->isEnabled();
    controls->setEnabled(false);

    watcher.setFuture(future);
    if (!future.isFinished())
        loop.exec(QEventLoop::ExcludeSocketNotifiers);

    controls->setEnabled(wasEnabled);
    window.statusBar()->removeWidget(busy.get());
    window.removeEventFilter(&keepOpen);
    --running;
    return !cancelled;
}

namespace {

QString readingWhat(const QString &path)
{
    return tess::userText(tess::Text::Reading).arg(QFileInfo(path).fileName());
}

} // namespace

std::optional<SheetRead> readSheetAside(QMainWindow &window, const QString &path)
{
    auto read = std::make_shared<SheetRead>();
    if (!runAside(window, readingWhat(path), [read, path] {
            read->result = tess::loadSheetFile(path, read->records, read->info);
        }))
        return std::nullopt;
    return std::move(*read);
}

std::optional<PictureRead> readPictureAside(QMainWindow &window, const QString &path)
{
    auto read = std::make_shared<PictureRead>();
    if (!runAside(window, readingWhat(path), [read, path] { read->result = tess::loadImageFile(path, read->image); }))
        return std::nullopt;
    return std::move(*read);
}

tess::Result saveSheetAside(QMainWindow &window, const QString &path, const tess::PixelRecords &records,
                            tess::ColourModel model)
{
    tess::Result result;
    const QString what = tess::userText(tess::Text::Writing).arg(QFileInfo(path).fileName());
    runAside(window, what, [&result, &records, path, model] { result = tess::saveSheetFile(path, records, model); },
             false);
    return result;
}

tess::Result saveImageAside(QMainWindow &window, const QString &path, const QImage &image)
{
    tess::Result result;
    const QString what = tess::userText(tess::Text::Writing).arg(QFileInfo(path).fileName());
    runAside(window, what, [&result, &image, path] { result = tess::saveImageFile(image, path); }, false);
    return result;
}
