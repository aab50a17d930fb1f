// SPDX-License-Identifier: GPL-3.0-or-later
#include "document.h"
#include "jobs.h"

#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <utility>

namespace tess {

Document::Document(QObject *parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<void>::finished, this, &Document::jobDone);
    // The worker's count is read here rather than sent from there: nothing from the worker
    // reaches a document that is gone.
    m_progressTimer.setInterval(100);
    connect(&m_progressTimer, &QTimer::timeout, this, [this] {
        const int percent = m_job ? m_job->percent() : -1;
        if (percent >= 0 && percent != std::exchange(m_percentTold, percent))
            emit progress(percent);
    });
    connect(&m_sheetFollower, &FileFollower::changed, this,
            [this](const QString &path) { fileChanged(Work::ReloadSheet, path); });
    connect(&m_pictureFollower, &FileFollower::changed, this,
            [this](const QString &path) { fileChanged(Work::ReloadPicture, path); });
    connect(&m_sheetFollower, &FileFollower::removed, this, &Document::fileGone);
    connect(&m_pictureFollower, &FileFollower::removed, this, &Document::fileGone);
}

Document::~Document()
{
    // Work still running ends unseen; it holds its own copies of what it reads.
    if (m_job)
        m_job->stopFlag().stop();
}

bool Document::loadPicture(const QString &path)
{
    return ask(Work::LoadPicture, path, [path] { return std::make_shared<LoadPictureJob>(path); });
}

bool Document::loadSheet(const QString &path)
{
    return ask(Work::LoadSheet, path, [path] { return std::make_shared<LoadSheetJob>(path); });
}

bool Document::convertPicture(bool excel2002)
{
    return ask(Work::ConvertPicture, QString(), [this, excel2002]() -> std::shared_ptr<DocumentJob> {
        if (!hasPicture())
            return nullptr;
        return std::make_shared<ConvertJob>(m_picture.image, excel2002);
    });
}

bool Document::drawSheet(ColourModel model)
{
    return ask(Work::DrawSheet, QString(), [this, model]() -> std::shared_ptr<DocumentJob> {
        if (!hasSheet())
            return nullptr;
        return std::make_shared<DrawJob>(m_sheet.records, extent(), model);
    });
}

bool Document::savePicture(const QString &path)
{
    return ask(Work::SavePicture, path, [this, path]() -> std::shared_ptr<DocumentJob> {
        if (!hasPicture())
            return nullptr;
        return std::make_shared<SavePictureJob>(m_picture.image, path);
    });
}

bool Document::saveSheet(const QString &path, ColourModel model, SheetShape shape)
{
    return ask(Work::SaveSheet, path, [this, path, model, shape]() -> std::shared_ptr<DocumentJob> {
        if (!hasSheet())
            return nullptr;
        return std::make_shared<SaveSheetJob>(m_sheet.records, extent(), model, shape, path);
    });
}

// The file is the side's as it is when asked; by the time its turn comes the side may be
// in another file, or none, and then there is nothing to read again.
bool Document::reloadPicture(bool excel2002)
{
    const QString file = m_picture.file;
    if (file.isEmpty() || saves(file))
        return false;
    return ask(Work::ReloadPicture, file, [this, file, excel2002]() -> std::shared_ptr<DocumentJob> {
        if (m_picture.file != file)
            return nullptr;
        return std::make_shared<ReloadPictureJob>(file, m_sheet.converted() && hasSheet(), excel2002);
    });
}

bool Document::reloadSheet(ColourModel model)
{
    const QString file = m_sheet.file;
    if (file.isEmpty() || saves(file))
        return false;
    return ask(Work::ReloadSheet, file, [this, file, model]() -> std::shared_ptr<DocumentJob> {
        if (m_sheet.file != file)
            return nullptr;
        return std::make_shared<ReloadSheetJob>(file, m_picture.drawn() && hasPicture(), model);
    });
}

void Document::whenDone(std::function<void()> then)
{
    if (!busy() && m_queue.empty()) {
        then();
        return;
    }
    m_queue.push_back(Asked{Work::None, QString(), nullptr, std::move(then)});
}

bool Document::ask(Work work, const QString &path, std::function<std::shared_ptr<DocumentJob>()> make)
{
    // A file heard to change twice while other work ran is read again once.
    const bool isReload = work == Work::ReloadPicture || work == Work::ReloadSheet;
    const auto same = [&](const Asked &asked) { return asked.work == work && asked.path == path; };
    if (isReload && std::any_of(m_queue.begin(), m_queue.end(), same))
        return true;
    if (busy() || !m_queue.empty()) {
        m_queue.push_back(Asked{work, path, std::move(make), nullptr});
        return true;
    }
    std::shared_ptr<DocumentJob> job = make();
    if (!job)
        return false;
    start(std::move(job));
    return true;
}

// Whether the file is being written, or waits to be, by a save of this document's.
bool Document::saves(const QString &path) const
{
    const auto isSave = [&path](Work work, const QString &file) {
        return (work == Work::SavePicture || work == Work::SaveSheet) && file == path;
    };
    if (m_job && isSave(m_job->work(), m_job->path()))
        return true;
    return std::any_of(m_queue.begin(), m_queue.end(),
                       [&](const Asked &asked) { return isSave(asked.work, asked.path); });
}

// The next work in the queue, once none runs; what has nothing to do is passed over.
void Document::next()
{
    while (!busy() && !m_queue.empty()) {
        Asked asked = std::move(m_queue.front());
        m_queue.pop_front();
        if (!asked.make) {
            asked.then();
            continue;
        }
        if (std::shared_ptr<DocumentJob> job = asked.make())
            start(std::move(job));
    }
}

void Document::start(std::shared_ptr<DocumentJob> job)
{
    m_job = job;
    m_running = job->work();
    emit started(job->work(), job->words());
    QFuture<void> future = QtConcurrent::run([job] { job->run(); });
    if (m_blocking) {
        future.waitForFinished();
        jobDone();
    } else {
        m_watcher.setFuture(future);
        m_percentTold = -1;
        m_progressTimer.start();
    }
}

void Document::cancel()
{
    if (!m_job)
        return;
    // Waited for, so that no other work starts beside it while it still writes or reads:
    // every step of the work looks at the flag often enough for this to be short.
    const bool inTime = m_job->stopFlag().stop();
    m_watcher.waitForFinished();
    if (!inTime) {
        // A save that had already put its file in place: it is done, not stopped.
        jobDone();
        return;
    }
    const std::shared_ptr<DocumentJob> job = std::exchange(m_job, nullptr);
    m_running = Work::None;
    m_progressTimer.stop();
    m_queue.clear();
    emit stopped(job->work(), job->path(), job->stoppedWords());
}

void Document::drawSheetPicture(ColourModel model, std::function<void(const QImage &)> then)
{
    // The records are shared read-only: work that replaces them meanwhile leaves these be.
    const auto draw = [records = m_sheet.records, extent = m_sheet.extent(), model] {
        QImage drawn;
        if (records)
            drawImage(*records, extent.width(), extent.height(), model, drawn);
        return drawn;
    };
    QFuture<QImage> future = QtConcurrent::run(draw);
    if (m_blocking) {
        then(future.result());
        return;
    }
    auto *watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [watcher, then = std::move(then)] {
        then(watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(future);
}

void Document::setFollowing(bool on)
{
    m_following = on;
    followFiles(true, true);
}

// Each side's file is the one followed; rebase: the work just read or wrote it, so what is
// there now is no change.
void Document::followFiles(bool rebaseSheet, bool rebasePicture)
{
    const auto follow = [this](FileFollower &follower, const QString &file, bool rebase) {
        const QString wanted = m_following && !file.isEmpty() ? QFileInfo(file).absoluteFilePath() : QString();
        if (rebase || follower.path() != wanted)
            follower.follow(wanted);
    };
    follow(m_sheetFollower, m_sheet.file, rebaseSheet);
    follow(m_pictureFollower, m_picture.file, rebasePicture);
}

void Document::fileChanged(Work reload, const QString &path)
{
    const bool sheet = reload == Work::ReloadSheet;
    if (path != (sheet ? m_sheetFollower : m_pictureFollower).path())
        return;
    // Made again as the other side was made last time; while other work runs, it waits
    // its turn.
    if (sheet)
        reloadSheet(m_picture.origin.model);
    else
        reloadPicture(m_sheet.origin.excel2002);
}

void Document::jobDone()
{
    // Null when the work was stopped: what it made is dropped with it. The end of stopped
    // work may also be heard after the next work started, which is not done yet.
    if (!m_job || (!m_blocking && !m_watcher.future().isFinished()))
        return;
    const std::shared_ptr<DocumentJob> job = std::exchange(m_job, nullptr);
    m_running = Work::None;
    m_progressTimer.stop();
    for (const Notice &said : job->notices())
        emit notice(said, job->asked());
    std::optional<DocumentStep> before = job->changesSides() ? std::optional(step()) : std::nullopt;
    job->apply(*this);
    keep(*job, std::move(before));
    const bool file = job->result().ok() && job->leavesFile();
    const bool sheet = job->side() == DocumentJob::Side::Sheet;
    followFiles(file && sheet, file && !sheet);
    // What was asked for after failed work was asked for with its success in mind.
    if (!job->result().ok())
        m_queue.clear();
    for (const auto &[side, change] : job->changes()) {
        if (side == DocumentJob::Side::Sheet)
            emit sheetChanged(change);
        else
            emit pictureChanged(change);
    }
    emit finished(job->result());
    next();
}

} // namespace tess
