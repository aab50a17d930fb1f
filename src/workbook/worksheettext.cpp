#include "worksheettext.h"

#include "text/usertexts.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace tess {

namespace {

bool needsQuotes(QByteArrayView text)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = text[i];
        // The reader also ends a line at the two characters "^M".
        if (c == ',' || c == '"' || c == '\n' || c == '\r')
            return true;
        if (c == '^' && i + 1 < size && text[i + 1] == 'M')
            return true;
    }
    return false;
}

void appendField(QByteArray &row, QByteArrayView text)
{
    if (!needsQuotes(text)) {
        row.append(text);
        return;
    }
    row.append('"');
    row.append(text.toByteArray().replace('"', "\"\""));
    row.append('"');
}

bool isSeparatorLine(const QByteArray &row)
{
    const QByteArray start = row.left(5).toLower();
    return start.startsWith("sep=") || start.startsWith("\"sep=");
}

} // namespace

bool WorksheetText::fail(const QString &why)
{
    if (m_failure.isEmpty())
        m_failure = why;
    return false;
}

bool WorksheetText::addCell(qint64 column, QByteArrayView text)
{
    if (column < m_nextColumn)
        return fail(userText(Text::WorksheetCellsOutOfOrder));
    if (column >= WorksheetMaxColumns)
        return fail(userText(Text::CellPastLastColumn));
    if (text.isEmpty())
        return true;
    if (m_row.size() + text.size() * 2 > WorksheetRowLimit)
        return fail(userText(Text::RowTextTooLong));
    m_row.append(column - m_nextColumn + (m_rowHasCells ? 1 : 0), ',');
    appendField(m_row, text);
    m_nextColumn = column + 1;
    m_rowHasCells = true;
    return true;
}

bool WorksheetText::endRow(qint64 row, qint64 count)
{
    if (row < m_nextRow)
        return fail(userText(Text::WorksheetRowsOutOfOrder));
    const bool content = m_rowHasCells && (m_started || m_nextColumn > 1 || !isSeparatorLine(m_row));
    if (content) {
        if (row + count > WorksheetMaxRows)
            return fail(userText(Text::RowPastLastRow));
        if (!m_started && !appendOut(QByteArrayLiteral("sep=,\n")))
            return false;
        m_row.append('\n');
        if (count == 1) {
            if (!appendOut(m_row))
                return false;
        } else {
            // A row repeated a million times is written as it is read, not all at once.
            m_repeated = m_row;
            m_repeats = count;
            if (!repeat())
                return false;
        }
        m_started = true;
    }
    m_nextRow = row + count;
    m_row.resize(0);
    m_nextColumn = 0;
    m_rowHasCells = false;
    return true;
}

bool WorksheetText::repeat()
{
    do {
        if (!appendOut(m_repeated))
            return false;
    } while (--m_repeats > 0 && m_out.size() < WorksheetChunkSize);
    return true;
}

bool WorksheetText::appendOut(const QByteArray &text)
{
    m_written += text.size();
    if (m_written > WorksheetTextLimit)
        return fail(userText(Text::WorksheetTextTooLong));
    m_out.append(text);
    if (m_sink && m_out.size() >= WorksheetChunkSize && !m_sink(m_out))
        return false;
    return true;
}

WorksheetDevice::WorksheetDevice(std::unique_ptr<WorksheetSource> source)
    : m_source(std::move(source))
{
    m_text.setSink([this](QByteArray &text) { return put(text); });
    // A thread fails to start when there is no memory for its stack.
    if (!start([this] { produce(); }))
        throw std::bad_alloc();
}

// The thread must stop before the source and the text it uses go.
WorksheetDevice::~WorksheetDevice()
{
    finish();
}

void WorksheetDevice::produce()
{
    using Step = WorksheetSource::Step;
    for (;;) {
        Step step = Step::More;
        if (m_text.hasRepeats())
            step = m_text.repeat() ? Step::More : Step::Failed;
        else
            step = m_source->advance(m_text);
        if (step == Step::Failed || (!m_text.pending().isEmpty() && !put(m_text.pending())))
            return;
        if (step == Step::End)
            return;
    }
}

} // namespace tess
