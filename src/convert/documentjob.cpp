// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentjob.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace tess {

DocumentJob::DocumentJob(Document::Work work, Side side, QString path)
    : m_work(work)
    , m_side(side)
    , m_path(std::move(path))
{
}

// The operations say their own lack of memory; this catches what is left around them (the
// room for a picture's copy, a record block's handle), so that work which ran out is never
// taken for work done.
void DocumentJob::run()
{
    m_result = unlessOutOfMemory(outOfMemory(), [this] { return steps(); });
    if (!m_result.ok())
        dropMade();
}

QString DocumentJob::fileName() const
{
    return QFileInfo(m_path).fileName();
}

void DocumentJob::tell(qint64 done, qint64 total)
{
    if (total > 0)
        m_percent.store(int(std::clamp<qint64>(done * 100 / total, 0, 100)));
}

NoticeHandler DocumentJob::keepNotice()
{
    return [this](const Notice &notice) { m_notices.push_back(notice); };
}

std::vector<std::pair<DocumentJob::Side, Change>> DocumentJob::changes() const
{
    return {{m_side, Change{how(), asked(), m_result, m_path, m_remade}}};
}

} // namespace tess
