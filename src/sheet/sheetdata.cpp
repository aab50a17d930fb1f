#include "sheetdata.h"

#include "sheetnumbers.h"

#include <algorithm>

namespace tess::sheet {

namespace {

// Skips the line ends between lines (empty lines have no effect). Returns NextLine
// when a line starts at p, else the bytes to keep.
qsizetype skipLineEnds(const char *&p, const char *e, bool atEnd)
{
    while (p != e) {
        const int n = lineEndAt(p, e, atEnd);
        if (n == 0)
            return -1;
        if (n < 0)
            return e - p;
        p += n;
    }
    return 0;
}

} // namespace

DataReader::DataReader(PixelRecords &out, const SheetLayout &layout)
    : m_out(out), m_layout(layout), m_cutter(layout.separator)
{
    // The digit loop stops at the separator only when no digit or sign can be it, and
    // no line end can start with it.
    const QByteArray &s = layout.separator;
    const char sep = s.at(0);
    if (s.size() == 1 && sep != '^' && sep != '\0' && sep != '+' && sep != '-'
        && !(sep >= '0' && sep <= '9'))
        m_inlineSeparator = uchar(sep);
}

qsizetype DataReader::feed(const char *begin, const char *end, bool atEnd)
{
    State d = m_state;
    const qsizetype keep = parse(d, begin, end, atEnd);
    m_state = d;
    return keep;
}

int DataReader::maxX() const
{
    return int(std::min<int64_t>(m_state.maxX + 1, INT_MAX));
}

int DataReader::maxY() const
{
    return int(std::min<int64_t>(m_state.maxY + 1, INT_MAX));
}

qsizetype DataReader::parse(State &d, const char *p, const char *e, bool atEnd)
{
    for (;;) {
        if (!d.lineOpen) {
            const qsizetype keep = skipLineEnds(p, e, atEnd);
            if (keep >= 0)
                return keep;
            d.lineOpen = true;
            d.field = 0;
        }
        const qsizetype keep = d.field >= m_layout.width ? skipRest(d, p, e, atEnd)
                                                         : readFields(d, p, e, atEnd);
        if (keep != NextLine)
            return keep;
    }
}

// Past the last column that is read: only the line end matters.
qsizetype DataReader::skipRest(State &d, const char *&p, const char *e, bool atEnd)
{
    const char *q = p;
    switch (m_cutter.scanLine(q, e, atEnd)) {
    case FieldEnd::DataEnd:
        if (atEnd)
            endLine(d);
        return 0;
    case FieldEnd::Undecided:
        return e - q;
    default:
        p = q + lineEndAt(q, e, atEnd);
        endLine(d);
        return NextLine;
    }
}

// The fields of the line from d.field on, up to the last one that is read.
Q_ALWAYS_INLINE qsizetype DataReader::readFields(State &d, const char *&p, const char *e, bool atEnd)
{
    const int *const slotOf = m_layout.slotOf.data();
    const int width = m_layout.width;
    const int inlineSeparator = m_inlineSeparator;
    while (d.field < width) {
        const int slot = slotOf[d.field];
        const char *const fieldStart = p;
        const char *q = p;
        int32_t value;
        if (slot != NotRead && inlineSeparator >= 0 && readLeadingInteger(q, value) && q != e) {
            // The common case: digits right up to the separator or the line end.
            if (*q == char(inlineSeparator)) {
                d.values[slot] = value;
                p = q + 1;
                ++d.field;
                continue;
            }
            if (const int n = lineEndAt(q, e, atEnd); n > 0) {
                d.values[slot] = value;
                p = q + n;
                endLine(d);
                return NextLine;
            }
        }
        q = p;
        const FieldEnd end = m_cutter.scanField(q, e, atEnd);
        if (end == FieldEnd::Undecided) // a field that is read comes again whole
            return slot != NotRead ? e - fieldStart : e - q;
        if (slot != NotRead)
            storeField(d, slot, fieldStart, q);
        if (end == FieldEnd::Separator) {
            p = q + m_cutter.separatorSize();
            ++d.field;
            continue;
        }
        endLine(d);
        if (end == FieldEnd::DataEnd)
            return 0;
        p = q + lineEndAt(q, e, atEnd);
        return NextLine;
    }
    return NextLine;
}

// Values go straight into the working record. A line that is too short to reach
// x or y changes only columns before the later of the two, and every line that
// does give a record sets all of those again: a skipped line leaves no trace.
void DataReader::storeField(State &d, int slot, const char *begin, const char *end) const
{
    d.values[slot] = slot <= SlotY ? readCoordinate(begin, end, m_layout.decimalComma)
                                   : readComponent(begin, end, m_layout.decimalComma);
}

Q_ALWAYS_INLINE void DataReader::endLine(State &d)
{
    d.lineOpen = false;
    if (d.field < m_layout.lastNeeded)
        return; // too short to reach x or y: no record
    PixelRecord record;
    std::memcpy(&record, d.values, sizeof record);
    m_out.push_back(record);
    d.maxX = std::max<int64_t>(d.maxX, record.x);
    d.maxY = std::max<int64_t>(d.maxY, record.y);
}

} // namespace tess::sheet
