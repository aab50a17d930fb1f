// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sides.h"

#include <QImage>
#include <QString>

#include <deque>
#include <memory>
#include <optional>

namespace tess {

// What the window said about both sides while they were so: the files their data was made
// from and the status bar's note. Kept with them, so that going back shows them as they were.
struct SidesShown
{
    QString pictureFrom;
    QString sheetFrom;
    QString notice;
};

// Both sides of the document at one moment, each whole. The picture and the records are
// shared, not copied, so a step costs little more than the sheet's information.
struct DocumentStep
{
    PictureSide picture;
    SheetSide sheet;
    SidesShown shown;
};

// The changes that can be taken back and done again. At most Bound steps back are kept
// (eight: a lesson's last few redraws; with shared pictures and records they cost little),
// the oldest going first; a new change drops what could have been done again.
class History
{
public:
    static constexpr int Bound = 8;

    // before: the state a change is about to replace.
    void push(DocumentStep before);
    bool canUndo() const { return !m_back.empty(); }
    bool canRedo() const { return !m_forward.empty(); }
    // now: the state as it is, kept to go forward (or back) to again. The state to go to;
    // none when there is none, and now is then dropped.
    std::optional<DocumentStep> undo(DocumentStep now);
    std::optional<DocumentStep> redo(DocumentStep now);
    void clear();

    // The side's file holds that data now (read or written): the steps with the same data
    // are in that file, those with other data the file once held are no longer saved.
    void sheetInFile(const QString &path, const std::shared_ptr<const PixelRecords> &records);
    void pictureInFile(const QString &path, const QImage &picture);

private:
    template <typename Change>
    void eachStep(Change change);

    std::deque<DocumentStep> m_back;
    std::deque<DocumentStep> m_forward;
};

} // namespace tess
