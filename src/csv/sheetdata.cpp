// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetdata.h"

#include "sheetnumbers.h"
#include "text/usertexts.h"

#include <algorithm>

namespace tess::sheet {

namespace {

// A quoted field may hold line ends, so it may have to be held across blocks whole;
// beyond this it is taken for a quote that is never closed rather than held on.
constexpr qsizetype MaxQuotedField = 1024 * 1024;

// "line 2, column g: '$21.00'", the text cut at its first character that is not
// printable; without text for an empty cell.
QString cellExample(qint64 line, int slot, QByteArrayView text)
{
    constexpr qsizetype MaxShown = 24;
    if (text.isNull())
        return userText(Text::EmptyCellPlace).arg(QString::number(line), QString(slotName(slot)));
    return userText(Text::CellPlace).arg(QString::number(line), QString(slotName(slot)), printableStart(utf8Text(text.data(), text.size()), MaxShown));
}

} // namespace

DataReader::DataReader(PixelRecords &out, const SheetLayout &layout, qint64 firstLine)
    : m_out(out), m_layout(layout), m_cutter(layout.separator)
{
    m_state.lineEnds = firstLine;
    m_lines.first = firstLine;
    // The digit loop stops at the separator only when no digit or sign can be it, and
    // no line end can start with it.
    const QByteArray &s = layout.separator;
    const char sep = s.at(0);
    if (s.size() == 1 && sep != '^' && sep != '\0' && sep != '+' && sep != '-'
        && !(sep >= '0' && sep <= '9'))
        m_inlineSeparator = uchar(sep);
    m_quotes = !s.contains('"');
    m_lastRead = layout.width - 1;
}

qsizetype DataReader::feed(const char *begin, const char *end, bool atEnd)
{
    State d = m_state;
    const qsizetype keep = parse(d, begin, end, atEnd);
    m_state = d;
    return keep;
}

// Every line that ended gave a record or was skipped; the other line ends are counted.
qint64 DataReader::lineNumber(const State &d) const
{
    return d.lineEnds + qint64(m_out.size()) + d.skipped;
}

Q_DECL_COLD_FUNCTION Q_NEVER_INLINE void DataReader::noteOffset(const State &d, qint64 index)
{
    m_lines.step(index, d.lineEnds + d.skipped);
}

int DataReader::width() const
{
    return int(std::min<int64_t>(m_state.maxX + 1, INT_MAX));
}

int DataReader::height() const
{
    return int(std::min<int64_t>(m_state.maxY + 1, INT_MAX));
}

qsizetype DataReader::parse(State &d, const char *p, const char *e, bool atEnd)
{
    for (;;) {
        if (!d.lineOpen) {
            const qsizetype keep = skipLineEnds(d, p, e, atEnd);
            if (keep >= 0)
                return keep;
            d.lineOpen = true;
            d.field = 0;
        }
        const qsizetype keep = readFields(d, p, e, atEnd);
        if (keep != NextLine)
            return keep;
    }
}

// Skips the line ends between lines (empty lines have no effect). Returns NextLine
// when a line starts at p, else the bytes to keep.
qsizetype DataReader::skipLineEnds(State &d, const char *&p, const char *e, bool atEnd)
{
    // Nearly always a line starts right here; the rest is out of line.
    if (p != e && lineEndAt(p, e, atEnd) == 0)
        return NextLine;
    return skipEmptyLines(d, p, e, atEnd);
}

Q_NEVER_INLINE qsizetype DataReader::skipEmptyLines(State &d, const char *&p, const char *e, bool atEnd)
{
    while (p != e) {
        const int n = lineEndAt(p, e, atEnd);
        if (n == 0)
            return NextLine;
        if (n < 0)
            return e - p;
        p += n;
        ++d.lineEnds;
        noteOffset(d, qint64(m_out.size()));
    }
    return 0;
}

// The fields of the line from d.field on. Returns NextLine after its line end.
qsizetype DataReader::readFields(State &d, const char *&p, const char *e, bool atEnd)
{
    const int *const slotOf = m_layout.slotOf.data();
    const int width = m_layout.width;
    const int inlineSeparator = m_inlineSeparator;
    for (;;) {
        const int slot = slotOf[std::min(d.field, width)];
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
        const qsizetype keep = cutField(d, p, e, atEnd);
        if (keep != NextLine || !d.lineOpen)
            return keep;
    }
}

// Any field the digit loop does not take: quoted, not read, or no plain integer. Moves
// p past it and its separator or line end (closing the line); returns NextLine, or the
// bytes to keep.
qsizetype DataReader::cutField(State &d, const char *&p, const char *e, bool atEnd)
{
    const int slot = m_layout.slotOf[size_t(std::min(d.field, m_layout.width))];
    const char *q = p;
    const bool quoted = m_quotes && *p == '"' && !d.midField;
    if (quoted) {
        const QuoteEnd quote = skipQuoted(q, e, atEnd);
        if (quote != QuoteEnd::Closed)
            return quotedFieldLimit(d, quote, e - p);
    }
    const FieldEnd end = m_cutter.scanField(q, e, atEnd);
    if (quoted && end != FieldEnd::Undecided && q - p > MaxQuotedField)
        return quotedFieldLimit(d, QuoteEnd::Closed, q - p);
    if (end == FieldEnd::Undecided) { // a field that is read or quoted comes again whole
        if (quoted)
            return quotedFieldLimit(d, QuoteEnd::Undecided, e - p);
        if (slot != NotRead)
            return e - p; // unquoted, so it ends at the next line end at the latest
        d.midField |= q != p; // then what comes next is no field start, even a '"'
        return e - q;
    }
    d.midField = false;
    if (slot != NotRead)
        storeField(d, slot, p, q);
    if (quoted) {
        if (const qint64 ends = countLineEnds(p, q)) {
            d.lineEnds += ends;
            // The record still starts on its first line; the ones after it move down.
            noteOffset(d, qint64(m_out.size()) + 1);
        }
    }
    if (end == FieldEnd::Separator) {
        p = q + m_cutter.separatorSize();
        ++d.field;
        return NextLine;
    }
    endLine(d);
    if (end == FieldEnd::DataEnd)
        return 0;
    p = q + lineEndAt(q, e, atEnd);
    return NextLine;
}

// A quoted field that is not complete yet is held whole, but only so long. The limit
// counts the whole field, text after the closing quote included, and holds as well for
// a field that came complete: so the block size never decides.
qsizetype DataReader::quotedFieldLimit(const State &d, QuoteEnd quote, qsizetype length)
{
    if (length > MaxQuotedField)
        m_refusal = userText(Text::QuotedFieldTooLong);
    else if (quote == QuoteEnd::NeverClosed)
        m_refusal = userText(Text::QuoteNeverClosed);
    else
        return length;
    m_refusal = m_refusal.arg(lineNumber(d));
    return 0;
}

// Values go straight into the working record; endLine decides whether it is one.
void DataReader::storeField(State &d, int slot, const char *begin, const char *end)
{
    const bool quoted = m_quotes && *begin == '"';
    if (quoted) { // a read field is always held whole: begin is its start
        m_unquoted.clear();
        appendFieldText(begin, end, m_unquoted);
        begin = m_unquoted.constData();
        end = begin + m_unquoted.size();
    }
    const bool decimalComma = m_layout.decimalComma;
    const FieldNumber kind = m_layout.tabCommas
            ? readTabField(d, slot, begin, end)
            : readNumber(begin, end, NumberStyle{ decimalComma, quoted && !decimalComma }, d.values[slot]);
    if (slot <= SlotY) {
        d.noPosition |= kind != FieldNumber::Value;
    } else if (kind == FieldNumber::NotNumber) {
        if (d.lineNotNumbers++ == 0 && m_notNumberExample.isEmpty())
            m_lineExample = cellExample(lineNumber(d), slot, QByteArrayView(begin, end));
    } else if (kind == FieldNumber::Empty) {
        if (d.lineEmpty++ == 0)
            d.firstEmptySlot = slot;
    }
    d.unusual = d.noPosition || d.lineNotNumbers || d.lineEmpty || d.lineGrouped;
}

// A field of a tab-separated file: digits grouped by commas are read as its column stands.
FieldNumber DataReader::readTabField(State &d, int slot, const char *begin, const char *end)
{
    int32_t grouped = 0;
    const TabCommas::Form form = TabCommas::groupedForm(begin, end, grouped);
    if (form == TabCommas::Form::None) {
        bool whole = true;
        const FieldNumber kind = readNumber(begin, end, NumberStyle{ true, false }, d.values[slot], &whole);
        if (!whole)
            m_commas.noteDecimal(slot);
        if (kind == FieldNumber::Value && std::memchr(begin, ',', size_t(end - begin)))
            m_commas.noteDecimalComma();
        return kind;
    }
    const bool oneGroup = form == TabCommas::Form::OneGroup;
    const bool asDecimal = oneGroup && m_commas.holdsDecimals(slot);
    d.values[slot] = asDecimal ? TabCommas::asDecimal(grouped) : grouped;
    d.lineGrouped |= 1u << slot;
    d.lineOneGroup |= oneGroup ? 1u << slot : 0u;
    d.lineAsDecimal |= asDecimal ? 1u << slot : 0u;
    m_commas.noteCell(slot, begin, end, grouped);
    return FieldNumber::Value;
}

// The grouped values of a line are told, and marked, only when the line gives a record.
void DataReader::commitCommas(State &d, bool skipped)
{
    if (skipped) {
        m_commas.dropLine();
    } else {
        for (int slot = 0; slot <= SlotV; ++slot) {
            const unsigned bit = 1u << slot;
            if (d.lineGrouped & bit)
                m_commas.commit(slot, qint64(m_out.size()), lineNumber(d), d.lineOneGroup & bit, d.lineAsDecimal & bit);
        }
    }
    d.lineGrouped = 0;
    d.lineOneGroup = 0;
    d.lineAsDecimal = 0;
}

void DataReader::settleCommas()
{
    if (!m_commas.any() || !m_commas.settle(m_out))
        return;
    m_state.maxX = 0;
    m_state.maxY = 0;
    for (const PixelRecord &record : m_out) {
        m_state.maxX = std::max<int64_t>(m_state.maxX, record.x);
        m_state.maxY = std::max<int64_t>(m_state.maxY, record.y);
    }
}

Q_ALWAYS_INLINE void DataReader::endLine(State &d)
{
    d.lineOpen = false;
    if ((d.field < m_lastRead || d.unusual) && !settleLine(d))
        return;
    PixelRecord record;
    std::memcpy(&record, d.values, sizeof record);
    m_out.push_back(record);
    d.maxX = std::max<int64_t>(d.maxX, record.x);
    d.maxY = std::max<int64_t>(d.maxY, record.y);
}

// A line that ends before its last column that is read, or holds something that is
// no number. Missing colour values count 0; a line without a position is skipped
// (false) and leaves no trace, since the next record sets every value again.
bool DataReader::settleLine(State &d)
{
    const bool skipped = d.field < m_layout.lastNeeded || d.noPosition;
    const int lineNotNumbers = d.lineNotNumbers;
    int lineEmpty = d.lineEmpty;
    int firstEmptySlot = d.firstEmptySlot;
    d.unusual = false;
    d.noPosition = false;
    d.lineNotNumbers = 0;
    d.lineEmpty = 0;
    d.firstEmptySlot = NotRead;
    if (d.lineGrouped)
        commitCommas(d, skipped);
    if (skipped) {
        ++d.skipped;
        noteOffset(d, qint64(m_out.size()));
        m_lineExample.clear();
        return false;
    }
    d.notNumbers += lineNotNumbers;
    if (lineNotNumbers > 0 && m_notNumberExample.isEmpty())
        m_notNumberExample = m_lineExample;
    m_lineExample.clear();
    for (int column = d.field + 1; column < m_layout.width; ++column) {
        if (const int slot = m_layout.slotOf[size_t(column)]; slot != NotRead) {
            d.values[slot] = 0;
            if (slot > SlotY && lineEmpty++ == 0)
                firstEmptySlot = slot;
        }
    }
    d.emptyColours += lineEmpty;
    if (lineEmpty > 0 && m_emptyExample.isEmpty())
        m_emptyExample = cellExample(lineNumber(d), firstEmptySlot, {});
    return true;
}

} // namespace tess::sheet
