// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <algorithm>
#include <utility>
#include <vector>

namespace tess {

// The line of the sheet file each record was read from. Records follow the file's lines
// one by one, so the map is a step function: record i sits on line i + offset, and the
// offset grows only where the file holds something other than one record per line (a
// skipped line, an empty one, a quoted line break). Those places are rare, so the map
// costs nothing while reading and a few entries afterwards.
struct RecordLines
{
    qint64 first = 0; // the line of the first record; 0: not known
    // (record index, offset from that record on), in rising index order.
    std::vector<std::pair<qint64, qint64>> steps;

    bool known() const { return first > 0; }

    // From record index on, the offset is offset (replacing steps at or after it).
    void step(qint64 index, qint64 offset)
    {
        while (!steps.empty() && steps.back().first >= index)
            steps.pop_back();
        if (offset != (steps.empty() ? first : steps.back().second))
            steps.emplace_back(index, offset);
    }

    // The line of record index; 0 when not known.
    qint64 lineOf(qint64 index) const
    {
        if (!known() || index < 0)
            return 0;
        const auto after = std::upper_bound(steps.begin(), steps.end(), index,
                                            [](qint64 i, const auto &s) { return i < s.first; });
        return index + (after == steps.begin() ? first : std::prev(after)->second);
    }
};

} // namespace tess
