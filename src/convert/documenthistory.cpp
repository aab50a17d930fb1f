// SPDX-License-Identifier: GPL-3.0-or-later
// The document's steps back and forward: what a load, conversion, drawing or reading again
// replaced is kept, and put back as a whole.

#include "document.h"
#include "documentwork.h"

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

bool Document::changesSides(Work work)
{
    return work != Work::SavePicture && work != Work::SaveSheet && work != Work::None;
}

void Document::keep(const Job &job, std::optional<DocumentStep> before)
{
    // A drawing that failed took the picture away, which can be taken back too.
    if (before && (job.result.ok() || job.work == Work::DrawSheet))
        m_history.push(std::move(*before));
    if (!job.result.ok())
        return;
    // What the file holds now is what was just read from it or written to it.
    switch (job.work) {
    case Work::LoadSheet:
    case Work::ReloadSheet:
    case Work::SaveSheet:
        m_history.sheetInFile(job.path, m_sheet.records);
        break;
    case Work::LoadPicture:
    case Work::ReloadPicture:
    case Work::SavePicture:
        m_history.pictureInFile(job.path, m_picture.image);
        break;
    default:
        break;
    }
}

} // namespace tess
