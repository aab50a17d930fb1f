// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheettext.h"
#include "workbookzip.h"

#include "csv/sheetheader.h"
#include "csv/sheetlines.h"
#include "text/usertexts.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace tess {

namespace {

void appendField(QByteArray &row, QByteArrayView text)
{
    if (!sheet::fieldNeedsQuotes(text)) {
        row.append(text);
        return;
    }
    row.append('"');
    row.append(text.toByteArray().replace('"', "\"\""));
    row.append('"');
}

} // namespace

bool WorksheetText::fail(const QString &why)
{
    return fail(workbookRefused(why));
}

bool WorksheetText::fail(const Result &why)
{
    if (m_result.ok())
        m_result = why;
    return false;
}

bool WorksheetText::addCell(qint64 column, QByteArrayView text)
{
    if (column >= WorksheetMaxColumns)
        return fail(userText(Text::CellPastLastColumn));
    if (column < m_nextColumn || !m_placed.empty())
        return placeCell(column, text);
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

// A cell out of order: the row's cells are kept by column from now on.
bool WorksheetText::placeCell(qint64 column, QByteArrayView text)
{
    if (m_placed.empty()) {
        qint64 at = 0;
        sheet::splitLine(m_row, ",", [&](const QByteArray &field) {
            if (!field.isEmpty())
                m_placed[at] = field;
            ++at;
            return true;
        });
    }
    if (text.isEmpty())
        m_placed.erase(column);
    else
        m_placed[column] = text.toByteArray();
    m_row.resize(0);
    m_rowHasCells = true;
    m_nextColumn = std::max(m_nextColumn, column + 1);
    return m_row.size() + text.size() * 2 <= WorksheetRowLimit || fail(userText(Text::RowTextTooLong));
}

bool WorksheetText::rebuildRow()
{
    std::map<qint64, QByteArray> cells;
    cells.swap(m_placed);
    m_row.resize(0);
    m_nextColumn = 0;
    m_rowHasCells = false;
    for (const auto &[column, text] : cells) {
        if (!addCell(column, text))
            return false;
    }
    return true;
}

void WorksheetText::resetRow()
{
    m_row.resize(0);
    m_nextColumn = 0;
    m_rowHasCells = false;
}

bool WorksheetText::endRow(qint64 row, qint64 count)
{
    if (!m_placed.empty() && !rebuildRow())
        return false;
    if (m_sorting) {
        if (m_rowHasCells) {
            if (m_held.size() + m_row.size() > WorksheetTextLimit)
                return fail(userText(Text::WorksheetTextTooLong));
            m_heldRows.push_back({ row, m_held.size(), m_row.size(), m_nextColumn > 1 });
            m_held.append(m_row);
        }
        resetRow();
        return true;
    }
    if (row < m_nextRow) {
        m_rowsOutOfOrder = true;
        return fail(userText(Text::WorksheetRowsOutOfOrder));
    }
    return writeRow(row, count);
}

bool WorksheetText::sortedEnd()
{
    if (!m_sorting)
        return true;
    std::stable_sort(m_heldRows.begin(), m_heldRows.end(),
                     [](const HeldRow &a, const HeldRow &b) { return a.row < b.row; });
    m_sorting = false;
    for (const HeldRow &held : m_heldRows) {
        m_row = m_held.mid(held.start, held.size);
        m_rowHasCells = true;
        m_nextColumn = held.wide ? 2 : 1;
        if (!writeRow(held.row, 1))
            return false;
    }
    m_held = QByteArray();
    m_heldRows = {};
    return true;
}

bool WorksheetText::writeRow(qint64 row, qint64 count)
{
    const bool content = m_rowHasCells && (m_started || m_nextColumn > 1 || sheet::separatorLine(m_row).isEmpty());
    if (content) {
        if (row + count > WorksheetMaxRows)
            return fail(userText(Text::RowPastLastRow));
        if (!m_started && !appendOut(QByteArrayLiteral("sep=,\n")))
            return false;
        // Rows without content keep their line, empty, up to the last row a worksheet has.
        if (row > m_lineRow && !appendOut(QByteArray(std::min(row, WorksheetMaxRows) - m_lineRow, '\n')))
            return false;
        m_lineRow = row + count;
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
    resetRow();
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

WorksheetDevice::WorksheetDevice(std::unique_ptr<WorksheetSource> source, bool sortRows)
    : m_source(std::move(source))
{
    if (sortRows)
        m_text.sortRows();
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
            step = m_text.repeat() ? Step::More : Step::End;
        else
            step = m_source->advance(m_text);
        // A refused worksheet gives none of the text it had made.
        if (!m_text.result().ok() || (!m_text.pending().isEmpty() && !put(m_text.pending())))
            return;
        if (step == Step::End) {
            if (m_text.sortedEnd() && !m_text.pending().isEmpty())
                put(m_text.pending());
            return;
        }
    }
}

} // namespace tess
