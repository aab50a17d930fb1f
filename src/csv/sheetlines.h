// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <cstring>

// Cutting the text into lines and fields.
//
// All syntax characters are ASCII: the line ends and the separator (normally ",").
// The text handed to the cutter always has a 0 byte readable at its end e, so a scan
// may stop at e without a bounds check; a 0 inside the text is an ordinary character
// (or the separator) and is told apart by its position.
//
// Since empty lines are dropped, a pair LF CR is simply two line ends with nothing
// between them. A line or field that runs past the end of a block is continued with
// the next block: what cannot be decided yet (a '^' or CR at the very end, a field that
// is read) is handed back and presented again in front of more text.

namespace tess::sheet {

// The one line-end rule: LF, CR, CR LF and the two characters "^M" (a caret and M, as
// some editors show a lone CR and users then type it). Returns the length of the line
// end at p, 0 when there is none and -1 when the text up to e cannot tell yet.
inline int lineEndAt(const char *p, const char *e, bool atEnd)
{
    switch (*p) {
    case '\n':
        return 1;
    case '\r':
        if (p + 1 == e)
            return atEnd ? 1 : -1;
        return p[1] == '\n' ? 2 : 1;
    case '^':
        if (p + 1 == e)
            return atEnd ? 0 : -1;
        return p[1] == 'M' ? 2 : 0;
    default:
        return 0;
    }
}

// Whether text must be quoted to stay one field of a ","-separated line when the reader
// reads it back: it holds the separator, a quote or a line end of the one rule above.
inline bool fieldNeedsQuotes(QByteArrayView text)
{
    const char *const begin = text.data();
    const char *const end = begin + text.size();
    for (const char *p = begin; p != end; ++p) {
        if (*p == ',' || *p == '"' || lineEndAt(p, end, true) > 0)
            return true;
    }
    return false;
}

// Where the scan of a field stopped.
enum class FieldEnd { Separator, LineEnd, DataEnd, Undecided };

// Quoting as spreadsheet programs write it: a field that begins with '"' runs to its
// closing quote; "" inside stands for one '"', and separators and line ends inside
// belong to the field. Text after the closing quote, up to the separator, is kept.
// A '"' anywhere else is an ordinary character.
enum class QuoteEnd { Closed, Undecided, NeverClosed };

// q at an opening quote: moves q past its closing quote.
inline QuoteEnd skipQuoted(const char *&q, const char *e, bool atEnd)
{
    for (const char *s = q + 1;;) {
        const auto *c = static_cast<const char *>(std::memchr(s, '"', size_t(e - s)));
        if (!c)
            return atEnd ? QuoteEnd::NeverClosed : QuoteEnd::Undecided;
        if (c + 1 == e && !atEnd)
            return QuoteEnd::Undecided; // perhaps the first half of ""
        if (c + 1 != e && c[1] == '"') {
            s = c + 2;
            continue;
        }
        q = c + 1;
        return QuoteEnd::Closed;
    }
}

// The line ends in [begin, end), counted as lines (CR LF is one).
qsizetype countLineEnds(const char *begin, const char *end);

// Appends the text a field stands for to out: unquoted when it begins with '"'.
void appendFieldText(const char *begin, const char *end, QByteArray &out);

// The end of the line at the start of text, quoted fields respected. Fields start at
// the line start and after a separator: the whole separator, or any one byte of it
// with anyOf (for the first line, before its separator is known).
struct LineCut
{
    qsizetype length = -1; // bytes before the line end; -1 when more text must come
    int endLength = 0;     // bytes of the line end
    qsizetype lineEnds = 0; // line ends inside quotes, before the end or the open quote
    bool openQuote = false; // a quote is never closed: the line runs to the end
};
LineCut cutLine(QByteArrayView text, QByteArrayView separator, bool anyOf, bool atEnd);

// Hands the texts of the fields of a whole line, unquoted, one by one to take, until it
// returns false. One at a time, as a header may have a million columns.
void splitLine(QByteArrayView line, QByteArrayView separator,
               const std::function<bool(const QByteArray &field)> &take);

class FieldCutter
{
public:
    explicit FieldCutter(const QByteArray &separator = QByteArray(","));

    const QByteArray &separator() const { return m_separator; }
    qsizetype separatorSize() const { return m_separator.size(); }

    // Moves q from the start of a field to where it ends: the separator, the line end,
    // e, or (Undecided) the first byte that must wait for more text.
    FieldEnd scanField(const char *&q, const char *e, bool atEnd) const
    {
        for (;;) {
            while (m_class[uchar(*q)] == Plain)
                ++q;
            const FieldEnd end = classify(q, e, atEnd);
            if (end != FieldEnd::DataEnd || q == e)
                return end;
            ++q; // an ordinary character after all
        }
    }

    // Moves q to the end of the line: LineEnd (q at the line end), DataEnd or Undecided.
    FieldEnd scanLine(const char *&q, const char *e, bool atEnd) const
    {
        for (;;) {
            while (m_lineEndClass[uchar(*q)] == Plain)
                ++q;
            if (q == e)
                return FieldEnd::DataEnd;
            const int n = lineEndAt(q, e, atEnd);
            if (n != 0)
                return n > 0 ? FieldEnd::LineEnd : FieldEnd::Undecided;
            ++q;
        }
    }

private:
    enum ByteClass : uchar { Plain, LineEnd, Caret, Separator, SeparatorLead, Sentinel };

    // At a byte that is not Plain. DataEnd with q != e means "an ordinary character".
    FieldEnd classify(const char *q, const char *e, bool atEnd) const
    {
        switch (m_class[uchar(*q)]) {
        case Separator:
            return FieldEnd::Separator;
        case LineEnd:
        case Caret:
            if (const int n = lineEndAt(q, e, atEnd); n != 0)
                return n > 0 ? FieldEnd::LineEnd : FieldEnd::Undecided;
            return m_caretSeparates ? FieldEnd::Separator : FieldEnd::DataEnd;
        case SeparatorLead:
            if (e - q >= m_separator.size())
                return std::memcmp(q, m_separator.constData(), size_t(m_separator.size())) == 0
                        ? FieldEnd::Separator
                        : FieldEnd::DataEnd;
            return atEnd ? FieldEnd::DataEnd : FieldEnd::Undecided;
        default: // Sentinel
            if (q == e)
                return atEnd ? FieldEnd::DataEnd : FieldEnd::Undecided;
            return m_nulSeparates ? FieldEnd::Separator : FieldEnd::DataEnd;
        }
    }

    QByteArray m_separator;
    bool m_caretSeparates = false; // the separator is "^", which may also start "^M"
    bool m_nulSeparates = false;   // the separator is a 0 byte, which also ends the text
    uchar m_class[256] = {};
    uchar m_lineEndClass[256] = {};
};

} // namespace tess::sheet
