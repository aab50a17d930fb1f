// SPDX-License-Identifier: GPL-3.0-or-later
// The document's steps back and forward: what a load, conversion, drawing or reading again
// replaced is kept, and put back as a whole.

#include "document.h"
#include "documentjob.h"

#include <utility>

namespace tess {

DocumentStep Document::step() const
{
    DocumentStep now{m_picture, m_sheet, {}};
    if (m_shownBy)
        now.shown = m_shownBy();
    return now;
}

// The picture kept to compare with goes back with its side: it was true of that state.
void Document::restore(DocumentStep then)
{
    m_picture = std::move(then.picture);
    m_sheet = std::move(then.sheet);
    m_shownThen = std::move(then.shown);
    // The files followed are those of the state gone to, as they are now.
    followFiles(true, true);
}

bool Document::undo()
{
    if (!canUndo())
        return false;
    restore(*m_history.undo(step()));
    return true;
}

bool Document::redo()
{
    if (!canRedo())
        return false;
    restore(*m_history.redo(step()));
    return true;
}

void Document::keep(const DocumentJob &job, std::optional<DocumentStep> before)
{
    // A drawing that failed took the picture away, which can be taken back too.
    if (before && (job.result().ok() || job.failureChangesSides()))
        m_history.push(std::move(*before));
    if (!job.result().ok() || !job.leavesFile())
        return;
    // What the file holds now is what was just read from it or written to it.
    if (job.side() == DocumentJob::Side::Sheet)
        m_history.sheetInFile(job.path(), m_sheet.records);
    else
        m_history.pictureInFile(job.path(), m_picture.image);
}

} // namespace tess
