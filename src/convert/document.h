// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filefollower.h"
#include "history.h"
#include "operations.h"
#include "model/sheetshape.h"

#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <functional>
#include <initializer_list>
#include <memory>

struct DocumentUnderTest;

namespace tess {

// Records shared between the document and the work that reads them: work keeps its own
// reference, so replacing the document's records never pulls them from under it.
using SharedRecords = std::shared_ptr<const PixelRecords>;

// Records read as a vector without holding a copy of them: the window's view of the
// document's records. Empty when there are none.
class RecordsHandle
{
public:
    RecordsHandle() = default;
    RecordsHandle(SharedRecords records)
        : m_records(std::move(records))
    {
    }
    RecordsHandle(std::initializer_list<PixelRecord> records)
        : m_records(std::make_shared<const PixelRecords>(records))
    {
    }

    const PixelRecords &all() const { return m_records ? *m_records : none(); }
    std::size_t size() const { return all().size(); }
    bool empty() const { return all().empty(); }
    const PixelRecord &operator[](std::size_t i) const { return all()[i]; }

private:
    static const PixelRecords &none()
    {
        static const PixelRecords empty;
        return empty;
    }
    SharedRecords m_records;
};

// Both sides of the window without the window: the picture and the sheet's records, the
// files they came from or went to, and whether each is saved. Loading, converting and
// saving run on a worker thread; the document changes only when the work is done, on the
// thread it lives on, so a failed or stopped piece of work leaves it as it was. While
// following is on, a side's file saved anew by another program is read again.
class Document : public QObject
{
    Q_OBJECT

public:
    enum class Work {
        None,
        LoadPicture,
        LoadSheet,
        ConvertPicture, // the picture into records
        DrawSheet,      // the records into a picture
        SavePicture,
        SaveSheet,
        // The file of a side changed on disk: read again, and the other side made again
        // when it was made from this one.
        ReloadPicture,
        ReloadSheet,
    };
    Q_ENUM(Work)

    explicit Document(QObject *parent = nullptr);
    ~Document() override;

    // ---- The picture side
    QImage picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    // The file the picture was loaded from or last saved to; empty for one drawn and not saved.
    QString pictureFile() const { return m_pictureFile; }
    bool pictureSaved() const { return m_pictureSaved; }
    // Drawn from the records rather than read from a file.
    bool pictureDrawn() const { return m_pictureDrawn; }
    // The picture as it was before the last drawing or reading again replaced it: the one
    // the sheet was made from, or the last drawing before an edit. Null when a load or a
    // new sheet left nothing to compare with.
    QImage before() const { return m_before; }

    // ---- The sheet side
    SharedRecords records() const { return m_records; }
    bool hasSheet() const { return m_records != nullptr; }
    // What reading the sheet found: its columns, extent and what it passed over. Records
    // converted from the picture have every column and pass over nothing.
    const SheetInfo &sheet() const { return m_sheet; }
    QSize extent() const { return QSize(m_sheet.width, m_sheet.height); }
    QString sheetFile() const { return m_sheetFile; }
    bool sheetSaved() const { return m_sheetSaved; }
    // Converted from the picture rather than read from a file.
    bool sheetConverted() const { return m_sheetConverted; }
    // The picture size the records were scanned from, before any reduction.
    QSize convertedFrom() const { return m_convertedFrom; }
    // What the last drawing bent (values outside 0-255).
    const DrawStats &drawStats() const { return m_drawStats; }

    // ---- Work
    Work running() const { return m_running; }
    bool busy() const { return m_running != Work::None; }

    // Each starts its work and says so by started(); false, and nothing starts, while other
    // work runs or when the side it needs is empty. The end comes by finished().
    bool loadPicture(const QString &path);
    bool loadSheet(const QString &path);
    bool convertPicture(bool excel2002);
    bool drawSheet(ColourModel model);
    bool savePicture(const QString &path);
    // shape: the pixel sheet, or a picture-shaped workbook of the sheet's picture (reduced
    // to a long edge of PictureSheetSide).
    bool saveSheet(const QString &path, ColourModel model, SheetShape shape = SheetShape::List);
    bool reloadPicture(bool excel2002);
    bool reloadSheet(ColourModel model);

    // Stops waiting for the running work: it ends unseen, the document stays as it was, and
    // a save leaves the file as it was before. stopped() follows at once.
    void cancel();

    // Each call above waits for its work and has given its signals when it returns, the work
    // still run on the worker: for tests that click through the window step by step.
    void setBlocking(bool blocking) { m_blocking = blocking; }

    // ---- Following the files on disk
    // On: once a side's file, changed by another program, holds still, it is read again as
    // reloadSheet (drawn in the model last drawn in) or reloadPicture (converted as last
    // time) read it. The document's own saves are not changes. Switched on, the files are
    // followed as they are then: what changed while it was off is not read. Off at first.
    void setFollowing(bool on);
    bool following() const { return m_following; }

    // ---- Going back (documenthistory.cpp)
    // The last load, conversion, drawing or reading again is taken back, both sides as they
    // were, and done again; saves are no steps. False while work runs or with no step there.
    bool canUndo() const { return !busy() && m_history.canUndo(); }
    bool canRedo() const { return !busy() && m_history.canRedo(); }
    bool undo();
    bool redo();
    // Asked for what the window shows with the sides whenever a step is kept.
    void setShownBy(std::function<SidesShown()> shown) { m_shownBy = std::move(shown); }
    // What the window showed with the sides the last undo or redo went to.
    const SidesShown &shownThen() const { return m_shownThen; }

signals:
    // what: the words for the status bar while it runs ("Reading lesson.csv").
    void started(tess::Document::Work work, const QString &what);
    // A word during the work that is not its end: the reduction of a large picture.
    void notice(tess::Document::Work work, const tess::Notice &notice);
    // The document has taken what the work made (or kept what it had, on failure). For the
    // reloads, result is that of reading; drawn is that of making the other side again.
    // path: the file the work read or wrote, if any.
    void finished(tess::Document::Work work, const tess::Result &result, const tess::Result &drawn,
                  const QString &path);
    // cancel() stopped the work; path is the file it was about.
    void stopped(tess::Document::Work work, const QString &path);
    // A followed file was deleted or moved away; the data stays, and the file is followed
    // again if it comes back under its name.
    void fileGone(const QString &path);

private:
    struct Job;
    static std::shared_ptr<Job> newJob(Work work, const QString &path = QString());
    bool start(std::shared_ptr<Job> job, const QString &what);
    void jobDone();
    void take(Job &job);
    void takePicture(Job &job);
    void takeSheet(Job &job);
    void takeConverted(Job &job);
    void takeDrawn(Job &job);
    void clearPicture();
    void clearSheet();
    void followFiles(bool rebaseSheet, bool rebasePicture);
    void fileChanged(Work reload, const QString &path);
    DocumentStep step() const;
    void restore(DocumentStep step);
    static bool changesSides(Work work);
    void keep(const Job &job, std::optional<DocumentStep> before);

    QImage m_picture;
    QString m_pictureFile;
    bool m_pictureSaved = false;
    bool m_pictureDrawn = false;
    QImage m_before;

    SharedRecords m_records;
    SheetInfo m_sheet;
    QString m_sheetFile;
    bool m_sheetSaved = false;
    bool m_sheetConverted = false;
    QSize m_convertedFrom;
    DrawStats m_drawStats;
    // How the picture was last drawn and the sheet last converted, for doing it again.
    ColourModel m_drawnIn = InitialModel;
    bool m_convertedExcel2002 = false;

    bool m_following = false;
    FileFollower m_sheetFollower;
    FileFollower m_pictureFollower;

    History m_history;
    std::function<SidesShown()> m_shownBy;
    SidesShown m_shownThen;

    Work m_running = Work::None;
    bool m_blocking = false;
    friend struct ::DocumentUnderTest;
    std::shared_ptr<Job> m_job;
    QFutureWatcher<void> m_watcher;
};

} // namespace tess
