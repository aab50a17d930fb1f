// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetlines.h"

#include <cstring>

namespace tess::sheet {

namespace {

// Length of the separator at p (e is the end of the text), 0 when there is none.
qsizetype separatorAt(const char *p, const char *e, QByteArrayView separator, bool anyOf)
{
    if (anyOf)
        return separator.contains(*p) ? 1 : 0;
    if (e - p < separator.size() || std::memcmp(p, separator.data(), size_t(separator.size())) != 0)
        return 0;
    return separator.size();
}

// A quote opens a field unless the separator is the quote itself.
bool quotes(QByteArrayView separator)
{
    return !separator.contains('"');
}

} // namespace

qsizetype countLineEnds(const char *begin, const char *end)
{
    qsizetype lines = 0;
    for (const char *p = begin; p < end;) {
        const int n = lineEndAt(p, end, true);
        lines += n > 0;
        p += n > 0 ? n : 1;
    }
    return lines;
}

void appendFieldText(const char *begin, const char *end, QByteArray &out)
{
    if (begin == end || *begin != '"') {
        out.append(begin, end - begin);
        return;
    }
    const char *p = begin + 1;
    while (p < end) {
        if (*p != '"') {
            out.append(*p++);
        } else if (p + 1 < end && p[1] == '"') {
            out.append('"');
            p += 2;
        } else {
            out.append(p + 1, end - p - 1); // what follows the closing quote
            return;
        }
    }
}

LineCut cutLine(QByteArrayView text, QByteArrayView separator, bool anyOf, bool atEnd)
{
    const char *const b = text.data();
    const char *const e = b + text.size();
    const bool quoting = quotes(separator);
    LineCut cut;
    bool fieldStart = true;
    for (const char *p = b; p < e;) {
        if (fieldStart && quoting && *p == '"') {
            const char *q = p;
            const QuoteEnd end = skipQuoted(q, e, atEnd);
            if (end == QuoteEnd::Undecided)
                return cut;
            if (end == QuoteEnd::NeverClosed) {
                cut.openQuote = true;
                cut.length = text.size();
                return cut;
            }
            cut.lineEnds += countLineEnds(p, q);
            p = q;
        }
        const int n = lineEndAt(p, e, atEnd);
        if (n != 0) {
            if (n > 0) {
                cut.length = p - b;
                cut.endLength = n;
            }
            return cut;
        }
        const qsizetype s = p < e ? separatorAt(p, e, separator, anyOf) : 0;
        fieldStart = s > 0;
        p += s > 0 ? s : 1;
    }
    if (atEnd)
        cut.length = text.size();
    return cut;
}

void splitLine(QByteArrayView line, QByteArrayView separator,
               const std::function<bool(const QByteArray &field)> &take)
{
    const char *const e = line.data() + line.size();
    const bool quoting = quotes(separator);
    const char *start = line.data();
    for (const char *p = start;;) {
        if (p == start && quoting && p < e && *p == '"')
            skipQuoted(p, e, true);
        const qsizetype s = p < e ? separatorAt(p, e, separator, false) : 0;
        if (p < e && s == 0) {
            ++p;
            continue;
        }
        QByteArray field;
        appendFieldText(start, p, field);
        if (!take(field) || p == e)
            return;
        p += s;
        start = p;
    }
}

FieldCutter::FieldCutter(const QByteArray &separator) : m_separator(separator)
{
    const char sep = m_separator.isEmpty() ? ',' : m_separator.at(0);
    m_caretSeparates = m_separator == "^";
    m_nulSeparates = m_separator.size() == 1 && sep == '\0';
    m_class[uchar(sep)] = m_separator.size() == 1 ? Separator : SeparatorLead;
    // The line ends come after the separator: a caret that separates may still start "^M".
    for (uchar *table : { m_class, m_lineEndClass }) {
        table[uchar('\n')] = LineEnd;
        table[uchar('\r')] = LineEnd;
        table[uchar('^')] = Caret;
    }
    m_class[0] = Sentinel; // the end of the text, even when the separator is a 0 byte
    m_lineEndClass[0] = Sentinel;
}

} // namespace tess::sheet
