// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filefollower.h"
#include "history.h"
#include "operations.h"
#include "change.h"
#include "sides.h"
#include "model/sheetshape.h"

#include <QFutureWatcher>
#include <QTimer>
#include <deque>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <functional>
#include <initializer_list>
#include <memory>

namespace tess {

class DocumentJob;

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

    // ---- The two sides, each whole (sides.h)
    const PictureSide &pictureSide() const { return m_picture; }
    const SheetSide &sheetSide() const { return m_sheet; }

    // ---- The picture side
    QImage picture() const { return m_picture.image; }
    bool hasPicture() const { return !m_picture.empty(); }
    // The file the picture was loaded from or last saved to; empty for one drawn and not saved.
    QString pictureFile() const { return m_picture.file; }
    bool pictureSaved() const { return m_picture.saved; }
    // Drawn from the records rather than read from a file.
    bool pictureDrawn() const { return m_picture.drawn(); }
    QImage before() const { return m_picture.before; }

    // ---- The sheet side
    SharedRecords records() const { return m_sheet.records; }
    bool hasSheet() const { return !m_sheet.empty(); }
    // What reading the sheet found: its columns, extent and what it passed over.
    const SheetInfo &sheet() const { return m_sheet.info; }
    QSize extent() const { return m_sheet.extent(); }
    QString sheetFile() const { return m_sheet.file; }
    // The sheet's own picture, drawn in model off this thread as Spreadsheet to Image would
    // draw it, for whoever only looks at it: it changes neither side. then is called here
    // once it is drawn, with the null image when there is no sheet or no picture of its
    // size can be made.
    void drawSheetPicture(ColourModel model, std::function<void(const QImage &)> then);
    bool sheetSaved() const { return m_sheet.saved; }
    // Converted from the picture rather than read from a file.
    bool sheetConverted() const { return m_sheet.converted(); }
    // The picture size the records were scanned from, before any reduction.
    QSize convertedFrom() const { return m_sheet.origin.pictureSize; }
    // What the last drawing bent (values outside 0-255).
    const DrawStats &drawStats() const { return m_picture.drawStats; }

    // ---- Work
    Work running() const { return m_running; }
    // Whether the running work reads a sheet from the file the user chose: the sheet side
    // shows its picture of loading meanwhile.
    bool loadingSheet() const { return m_running == Work::LoadSheet; }
    bool busy() const { return m_running != Work::None; }

    // Each asks for its work. While other work runs it waits its turn in a queue, in the
    // order asked; it starts then with the sides as they are then, and says so by
    // started(). False, and nothing starts, when the document is idle and the side it
    // needs is empty; work whose side is empty when its turn comes is passed over. The end
    // comes by finished(). Work that fails or is stopped drops what was queued after it.
    bool loadPicture(const QString &path);
    bool loadSheet(const QString &path);
    bool convertPicture(bool excel2002);
    bool drawSheet(ColourModel model);
    bool savePicture(const QString &path);
    // shape: the pixel sheet, or a picture-shaped workbook of the sheet's picture (reduced
    // to a long edge of PictureSheetSide).
    bool saveSheet(const QString &path, ColourModel model, SheetShape shape = SheetShape::List);
    // Read a side's file again. Asked while the same file is being saved, or waits to be
    // saved, a reading again is dropped: what the save writes is the document's own data.
    bool reloadPicture(bool excel2002);
    bool reloadSheet(ColourModel model);
    // then runs on this thread once the work asked for before it has ended well: at once
    // when none is left. Dropped, as the work after it is, when that work fails or stops.
    void whenDone(std::function<void()> then);
    // What runs and waits to run.
    bool queued() const { return !m_queue.empty(); }

    // Stops the running work and waits for it to end: it ends unseen, the document stays as
    // it was, and a save leaves the file as it was before; stopped() has come when this
    // returns, and what was queued after it is dropped. A save that had already put its file in place when the stop came is done
    // instead, and finished() comes.
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
    // How far the running work is, 0-100, as it goes on: told about every tenth of a second
    // while it changes, for work that knows (reading a sheet).
    void progress(int percent);
    // A word during the work that is not its end: the reduction of a large picture. asked:
    // whether the user asked for the work, or the file follower did.
    void notice(const tess::Notice &notice, bool asked);
    // The document has taken what the work made (or kept what it had, on failure): what
    // happened to each side the work touched, then the end of the work as a whole.
    void pictureChanged(const tess::Change &change);
    void sheetChanged(const tess::Change &change);
    void finished(const tess::Result &result);
    // cancel() stopped the work; path is the file it was about, said what the status bar
    // says of it ("Reading lesson.csv was stopped; nothing has changed").
    void stopped(tess::Document::Work work, const QString &path, const QString &said);
    // A followed file was deleted or moved away; the data stays, and the file is followed
    // again if it comes back under its name.
    void fileGone(const QString &path);

private:
    friend class DocumentJob;
    // Work asked for: made when its turn comes, from the sides as they are then; a null
    // job is nothing to do. Without make, then is called instead.
    struct Asked
    {
        Work work = Work::None;
        QString path;
        std::function<std::shared_ptr<DocumentJob>()> make;
        std::function<void()> then;
    };
    bool ask(Work work, const QString &path, std::function<std::shared_ptr<DocumentJob>()> make);
    bool saves(const QString &path) const;
    void next();
    void start(std::shared_ptr<DocumentJob> job);
    void jobDone();
    void followFiles(bool rebaseSheet, bool rebasePicture);
    void fileChanged(Work reload, const QString &path);
    DocumentStep step() const;
    void restore(DocumentStep step);
    void keep(const DocumentJob &job, std::optional<DocumentStep> before);

    PictureSide m_picture;
    SheetSide m_sheet;

    bool m_following = false;
    FileFollower m_sheetFollower;
    FileFollower m_pictureFollower;

    History m_history;
    std::function<SidesShown()> m_shownBy;
    SidesShown m_shownThen;

    Work m_running = Work::None;
    bool m_blocking = false;
    std::shared_ptr<DocumentJob> m_job;
    std::deque<Asked> m_queue;
    QFutureWatcher<void> m_watcher;
    QTimer m_progressTimer;
    int m_percentTold = -1;
};

} // namespace tess
