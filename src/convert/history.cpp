// SPDX-License-Identifier: GPL-3.0-or-later
#include "history.h"

#include <utility>

namespace tess {

void History::push(DocumentStep before)
{
    m_back.push_back(std::move(before));
    while (m_back.size() > std::size_t(Bound))
        m_back.pop_front();
    m_forward.clear();
}

namespace {

std::optional<DocumentStep> step(std::deque<DocumentStep> &from, std::deque<DocumentStep> &to, DocumentStep now)
{
    if (from.empty())
        return std::nullopt;
    DocumentStep then = std::move(from.back());
    from.pop_back();
    to.push_back(std::move(now));
    while (to.size() > std::size_t(History::Bound))
        to.pop_front();
    return then;
}

} // namespace

std::optional<DocumentStep> History::undo(DocumentStep now)
{
    return step(m_back, m_forward, std::move(now));
}

std::optional<DocumentStep> History::redo(DocumentStep now)
{
    return step(m_forward, m_back, std::move(now));
}

void History::clear()
{
    m_back.clear();
    m_forward.clear();
}

template <typename Change>
void History::eachStep(Change change)
{
    for (DocumentStep &step : m_back)
        change(step);
    for (DocumentStep &step : m_forward)
        change(step);
}

void History::sheetInFile(const QString &path, const std::shared_ptr<const PixelRecords> &records)
{
    eachStep([&](DocumentStep &step) {
        SheetSide &sheet = step.sheet;
        if (sheet.records && sheet.records == records) {
            sheet.file = path;
            sheet.saved = true;
        } else if (sheet.file == path) {
            sheet.saved = false;
        }
    });
}

void History::pictureInFile(const QString &path, const QImage &picture)
{
    eachStep([&](DocumentStep &step) {
        PictureSide &side = step.picture;
        if (!side.image.isNull() && side.image.cacheKey() == picture.cacheKey()) {
            side.file = path;
            side.saved = true;
        } else if (side.file == path) {
            side.saved = false;
        }
    });
}

} // namespace tess
