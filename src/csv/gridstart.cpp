// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridstart.h"

#include "gridcells.h"
#include "gridreader.h"
#include "sheetheader.h"
#include "sheetnumbers.h"

namespace tess::sheet {

namespace grid {

Head headOf(QByteArrayView text, bool complete)
{
    Head head;
    text = withoutBom(text);
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0 && !complete)
            break;
        if (end < 0)
            end = text.size();
        head.lines.push_back(withoutCarriageReturn(text.sliced(start, end - start)));
        start = end + 1;
    }
    if (!head.lines.empty() && head.lines.front().size() == 5 && head.lines.front().startsWith("sep=")) {
        head.separator = head.lines.front()[4];
        head.named = true;
        head.lines.erase(head.lines.begin());
        return head;
    }
    for (const QByteArrayView line : head.lines) {
        if (!trimmed(line).isEmpty()) {
            head.separator = separatorOf(line);
            break;
        }
    }
    return head;
}

bool startsAsGrid(const Head &head)
{
    int looked = 0;
    bool found = false;
    Fields fields;
    const bool decimalComma = head.separator != ',';
    for (const QByteArrayView line : head.lines) {
        fields.cut(line, head.separator);
        if (fields.filled() == 0)
            continue;
        if (looked++ >= HeaderSearchLines)
            break;
        SheetInfo info;
        readHeader(line, QByteArray(1, head.separator), info);
        if (info.columns.x >= 0 && info.columns.y >= 0)
            return false; // a pixel list's header: the list reader's
        if (found)
            continue;
        const qsizetype first = fields.firstFilled();
        if (fields.filled() == 1 && !valueLike(fields[first], decimalComma))
            continue; // a title
        // A row that starts with a value, or with labels after a corner cell of text: the
        // grid reader then names the first cell that does not fit.
        found = valueLike(fields[first], decimalComma) || valueLike(fields[first + 1], decimalComma);
        if (!found)
            return false;
    }
    return found;
}

} // namespace grid

bool isGridStart(QByteArrayView head)
{
    return grid::startsAsGrid(grid::headOf(head, true));
}

} // namespace tess::sheet
