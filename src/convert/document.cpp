// SPDX-License-Identifier: GPL-3.0-or-later
#include "document.h"
#include "documentwork.h"

#include "text/usertexts.h"

#include <QFileInfo>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace tess {

namespace {

QString nameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

std::shared_ptr<Document::Job> Document::newJob(Work work, const QString &path)
{
    auto job = std::make_shared<Job>();
    job->work = work;
    job->path = path;
    return job;
}

Document::Document(QObject *parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<void>::finished, this, &Document::jobDone);
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
        m_job->stop = true;
}

bool Document::loadPicture(const QString &path)
{
    return start(newJob(Work::LoadPicture, path), userText(Text::Reading).arg(nameOf(path)));
}

bool Document::loadSheet(const QString &path)
{
    return start(newJob(Work::LoadSheet, path), userText(Text::Reading).arg(nameOf(path)));
}

bool Document::convertPicture(bool excel2002)
{
    if (!hasPicture())
        return false;
    auto job = newJob(Work::ConvertPicture);
    job->picture = m_picture;
    job->excel2002 = excel2002;
    return start(std::move(job), userText(Text::Converting));
}

bool Document::drawSheet(ColourModel model)
{
    if (!hasSheet())
        return false;
    auto job = newJob(Work::DrawSheet);
    job->records = m_records;
    job->extent = extent();
    job->model = model;
    return start(std::move(job), userText(Text::Drawing));
}

bool Document::savePicture(const QString &path)
{
    if (!hasPicture())
        return false;
    auto job = newJob(Work::SavePicture, path);
    job->picture = m_picture;
    return start(std::move(job), userText(Text::Writing).arg(nameOf(path)));
}

bool Document::saveSheet(const QString &path, ColourModel model, SheetShape shape)
{
    if (!hasSheet())
        return false;
    auto job = newJob(Work::SaveSheet, path);
    job->records = m_records;
    job->model = model;
    job->shape = shape;
    job->extent = extent();
    return start(std::move(job), userText(Text::Writing).arg(nameOf(path)));
}

bool Document::reloadPicture(bool excel2002)
{
    if (m_pictureFile.isEmpty())
        return false;
    auto job = newJob(Work::ReloadPicture, m_pictureFile);
    job->excel2002 = excel2002;
    job->remake = m_sheetConverted && hasSheet();
    return start(std::move(job), userText(Text::Reading).arg(nameOf(m_pictureFile)));
}

bool Document::reloadSheet(ColourModel model)
{
    if (m_sheetFile.isEmpty())
        return false;
    auto job = newJob(Work::ReloadSheet, m_sheetFile);
    job->model = model;
    job->remake = m_pictureDrawn && hasPicture();
    return start(std::move(job), userText(Text::Reading).arg(nameOf(m_sheetFile)));
}

bool Document::start(std::shared_ptr<Job> job, const QString &what)
{
    if (busy())
        return false;
    m_job = job;
    m_running = job->work;
    emit started(job->work, what);
    QFuture<void> future = QtConcurrent::run([job] { job->run(); });
    if (m_blocking) {
        future.waitForFinished();
        jobDone();
    } else {
        m_watcher.setFuture(future);
    }
    return true;
}

void Document::cancel()
{
    if (!m_job)
        return;
    const std::shared_ptr<Job> job = std::exchange(m_job, nullptr);
    job->stop = true;
    m_running = Work::None;
    emit stopped(job->work, job->path);
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
    follow(m_sheetFollower, m_sheetFile, rebaseSheet);
    follow(m_pictureFollower, m_pictureFile, rebasePicture);
}

void Document::fileChanged(Work reload, const QString &path)
{
    const bool sheet = reload == Work::ReloadSheet;
    // A change heard while other work runs is taken up once it is done, if the file is
    // still the one followed then.
    if (busy()) {
        QTimer::singleShot(FileFollower::DefaultSettleMs, this, [this, reload, path] { fileChanged(reload, path); });
        return;
    }
    if (path != (sheet ? m_sheetFollower : m_pictureFollower).path())
        return;
    if (sheet)
        reloadSheet(m_drawnIn);
    else
        reloadPicture(m_convertedExcel2002);
}

void Document::jobDone()
{
    // Null when the work was stopped: what it made is dropped with it.
    const std::shared_ptr<Job> job = std::exchange(m_job, nullptr);
    if (!job)
        return;
    m_running = Work::None;
    for (const Notice &said : job->notices)
        emit notice(job->work, said);
    std::optional<DocumentStep> before = changesSides(job->work) ? std::optional(step()) : std::nullopt;
    take(*job);
    keep(*job, std::move(before));
    const bool sheetFile = job->work == Work::LoadSheet || job->work == Work::ReloadSheet || job->work == Work::SaveSheet;
    const bool pictureFile =
        job->work == Work::LoadPicture || job->work == Work::ReloadPicture || job->work == Work::SavePicture;
    followFiles(job->result.ok() && sheetFile, job->result.ok() && pictureFile);
    emit finished(job->work, job->result, job->remade, job->path);
}

void Document::take(Job &job)
{
    switch (job.work) {
    case Work::LoadPicture:
    case Work::ReloadPicture:
        takePicture(job);
        break;
    case Work::LoadSheet:
    case Work::ReloadSheet:
        takeSheet(job);
        break;
    case Work::ConvertPicture:
        if (job.result.ok())
            takeConverted(job);
        break; // on failure the sheet there was stays
    case Work::DrawSheet:
        if (!job.result.ok()) {
            // No picture of that size can be made: nothing stands as drawn.
            clearPicture();
            break;
        }
        takeDrawn(job);
        break;
    case Work::SavePicture:
        if (job.result.ok()) {
            m_pictureFile = job.path;
            m_pictureSaved = true;
        }
        break;
    case Work::SaveSheet:
        if (job.result.ok()) {
            m_sheetFile = job.path;
            m_sheetSaved = true;
        }
        break;
    case Work::None:
        break;
    }
}

void Document::takePicture(Job &job)
{
    if (!job.result.ok())
        return; // a failed read changes nothing
    // A picture changed on disk can be compared with what it was; a new one with nothing.
    m_before = job.work == Work::ReloadPicture ? m_picture : QImage();
    m_picture = job.madePicture;
    m_pictureFile = job.path;
    m_pictureSaved = true;
    m_pictureDrawn = false;
    if (job.work == Work::LoadPicture) {
        clearSheet();
        return;
    }
    // The sheet made from the picture is made again. The file it was saved to is not
    // rewritten behind the user's back, so the records are in no file now.
    if (job.remake && job.remade.ok())
        takeConverted(job);
}

// Records scanned from the picture carry every column, pass over nothing, and are in no
// file until they are saved.
void Document::takeConverted(Job &job)
{
    m_records = std::move(job.madeRecords);
    m_sheet = SheetInfo{};
    m_sheet.width = job.scanned.width();
    m_sheet.height = job.scanned.height();
    m_sheet.hasRgb = m_sheet.hasHsv = true;
    m_sheetFile.clear();
    m_sheetSaved = false;
    m_sheetConverted = true;
    m_convertedFrom = m_picture.size();
    m_convertedExcel2002 = job.excel2002;
}

void Document::takeSheet(Job &job)
{
    if (!job.result.ok())
        return;
    m_records = std::move(job.madeRecords);
    m_sheet = std::move(job.info);
    m_sheetFile = job.path;
    m_sheetSaved = true; // what was read from a file is what the file holds
    m_sheetConverted = false;
    m_convertedFrom = QSize();
    if (job.work == Work::LoadSheet) {
        clearPicture();
        return;
    }
    // The picture drawn from the sheet is drawn again; one that cannot be drawn now keeps
    // the last good picture.
    if (job.remake && job.remade.ok())
        takeDrawn(job);
}

// A picture drawn from the records is in no file until it is saved.
void Document::takeDrawn(Job &job)
{
    if (!m_picture.isNull())
        m_before = m_picture;
    m_picture = job.madePicture;
    m_pictureFile.clear();
    m_pictureSaved = false;
    m_pictureDrawn = true;
    m_drawStats = job.bent;
    m_drawnIn = job.model;
}

void Document::clearPicture()
{
    m_picture = QImage();
    m_before = QImage();
    m_pictureFile.clear();
    m_pictureSaved = false;
    m_pictureDrawn = false;
    m_drawStats = DrawStats{};
}

void Document::clearSheet()
{
    m_records.reset();
    m_sheet = SheetInfo{};
    m_sheetFile.clear();
    m_sheetSaved = false;
    m_sheetConverted = false;
    m_convertedFrom = QSize();
}

} // namespace tess
