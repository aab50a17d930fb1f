// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The worker's side of the document: one piece of work, run off the document's thread.

#include "document.h"

#include <atomic>
#include <utility>
#include <vector>

namespace tess {

// One piece of work: made on the document's thread with its own copies or shares of what
// it reads, so that the document may change meanwhile; run() on the worker; apply() back
// on the document's thread once it has ended, unless it was stopped. Each kind carries its
// side, its words for the status bar, its out-of-memory guard and its words when stopped.
class DocumentJob
{
public:
    enum class Side { Picture, Sheet };

    DocumentJob(Document::Work work, Side side, QString path = QString());
    virtual ~DocumentJob() = default;
    DocumentJob(const DocumentJob &) = delete;
    DocumentJob &operator=(const DocumentJob &) = delete;

    Document::Work work() const { return m_work; }
    Side side() const { return m_side; }
    // The file the work reads or writes; empty for one that needs none.
    const QString &path() const { return m_path; }
    // The file's name without its folder, as the status bar names it.
    QString fileName() const;
    // While it runs: "Reading lesson.csv (Esc stops)".
    virtual QString words() const = 0;
    // Once it was stopped: "Reading lesson.csv was stopped; nothing has changed".
    virtual QString stoppedWords() const = 0;

    // On the worker. Memory running out where no step catches it becomes the job's own
    // failure, and nothing it made is kept.
    void run();
    // On the document's thread, once run() has ended: the document takes what was made.
    virtual void apply(Document &document) = 0;

    // Whether applying changes what the sides hold (a step to take back); a save does not.
    virtual bool changesSides() const { return true; }
    // Whether a failure changes them too (a drawing that fails takes the picture away).
    virtual bool failureChangesSides() const { return false; }
    // Whether, once done, the side's file holds what the side holds: read or written.
    virtual bool leavesFile() const { return false; }

    // Whether the user asked for the work; the file follower asks for the readings again.
    virtual bool asked() const { return true; }
    // What the work did to each side it touched, once applied: its own side first.
    virtual std::vector<std::pair<Side, Change>> changes() const;

    const Result &result() const { return m_result; }
    // For the readings again: making the other side again.
    const Result &remade() const { return m_remade; }
    const std::vector<Notice> &notices() const { return m_notices; }
    StopFlag &stopFlag() { return m_stop; }
    // How far the work is, 0-100, read from any thread; -1 while it does not know.
    int percent() const { return m_percent.load(); }

protected:
    // How the work changed its own side.
    virtual Change::How how() const = 0;
    // The work proper; its result is the job's.
    virtual Result steps() = 0;
    virtual Status outOfMemory() const = 0;
    // Drops what was made, after a failure.
    virtual void dropMade() {}
    // A notice that the job keeps, to be told on the document's thread.
    NoticeHandler keepNotice();
    // From the worker: done of total (bytes, records); nothing when total is unknown.
    void tell(qint64 done, qint64 total);

    // The document's sides, for apply().
    static PictureSide &pictureOf(Document &document) { return document.m_picture; }
    static SheetSide &sheetOf(Document &document) { return document.m_sheet; }

    StopFlag m_stop;
    Result m_remade;
    std::atomic<int> m_percent{-1};

private:
    Document::Work m_work;
    Side m_side;
    QString m_path;
    Result m_result;
    std::vector<Notice> m_notices;
};

} // namespace tess
