// SPDX-License-Identifier: GPL-3.0-or-later
// The document's steps back and forward: what a load, conversion, drawing or reading again
// replaced is kept, and put back as a whole.

#include "document.h"
#include "documentwork.h"

#include <utility>

namespace tess {

DocumentStep Document::step() const
{
    DocumentStep now;
    now.picture = m_picture;
    now.pictureFile = m_pictureFile;
    now.pictureSaved = m_pictureSaved;
    now.pictureDrawn = m_pictureDrawn;
    now.before = m_before;
    now.drawStats = m_drawStats;
    now.drawnIn = m_drawnIn;
    now.records = m_records;
    now.sheet = m_sheet;
    now.sheetFile = m_sheetFile;
    now.sheetSaved = m_sheetSaved;
    now.sheetConverted = m_sheetConverted;
    now.convertedFrom = m_convertedFrom;
    now.convertedExcel2002 = m_convertedExcel2002;
    if (m_shownBy)
        now.shown = m_shownBy();
    return now;
}

// The picture kept to compare with goes back with its side: it was true of that state.
void Document::restore(DocumentStep then)
{
    m_picture = std::move(then.picture);
    m_pictureFile = std::move(then.pictureFile);
    m_pictureSaved = then.pictureSaved;
    m_pictureDrawn = then.pictureDrawn;
    m_before = std::move(then.before);
    m_drawStats = then.drawStats;
    m_drawnIn = then.drawnIn;
    m_records = std::move(then.records);
    m_sheet = std::move(then.sheet);
    m_sheetFile = std::move(then.sheetFile);
    m_sheetSaved = then.sheetSaved;
    m_sheetConverted = then.sheetConverted;
    m_convertedFrom = then.convertedFrom;
    m_convertedExcel2002 = then.convertedExcel2002;
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
        m_history.sheetInFile(job.path, m_records);
        break;
    case Work::LoadPicture:
    case Work::ReloadPicture:
    case Work::SavePicture:
        m_history.pictureInFile(job.path, m_picture);
        break;
    default:
        break;
    }
}

} // namespace tess
