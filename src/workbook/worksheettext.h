// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/readahead.h"
#include "model/outcome.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>
#include <map>
#include <vector>
#include <memory>

namespace tess {

// A worksheet's size limits, those of the spreadsheet programs.
inline constexpr qint64 WorksheetMaxRows = 1048576;
inline constexpr qint64 WorksheetMaxColumns = 16384; // A to XFD
// The CSV text one worksheet may give: a million records take about 20 MB, and texts
// repeated by reference or by a repeat count must not grow without bound.
inline constexpr qint64 WorksheetTextLimit = qint64(1) << 30;
// A source hands over its text once this much has gathered.
inline constexpr qsizetype WorksheetChunkSize = 64 * 1024;
// One row's text: thousands of cells of ordinary length.
inline constexpr qsizetype WorksheetRowLimit = 16 << 20;

// Collects a worksheet's cells, row by row, as the text of a CSV sheet: a "sep=," line
// (so that neither a lone header cell nor a cell holding ";" or a tab can change the
// separator), then one line per row from the first row with content to the last, each
// field written as RFC 4180 asks (quoted when it holds a comma, a quote or a line end,
// its quotes doubled), lines ended by "\n". Empty and missing cells are empty fields.
// A row without content gives no line: a CSV export writes a cleared row as a line of
// empty fields, which draws nothing either; but it gives an empty line, so that the
// lines are numbered as the rows (the "sep=," line is line 0). A first row that is a lone "sep=X" cell (a
// CSV sheet saved as a workbook) is no header, as in a CSV sheet.
class WorksheetText
{
public:
    // A cell of the current row, column counted from 0; its text as UTF-8 or as UTF-16.
    // Cells come in increasing order as a rule; those that do not are put in their place
    // (a later cell of the same column wins).
    bool addCell(qint64 column, QByteArrayView text);
    bool addCell(qint64 column, QStringView text) { return addCell(column, QByteArrayView(text.toUtf8())); }
    // Ends the current row, whose number (from 0) is given, repeated count times. Rows
    // come in increasing order; one that does not refuses the worksheet, and sets
    // rowsOutOfOrder(), unless the rows are sorted.
    bool endRow(qint64 row, qint64 count = 1);

    // Holds all rows until sortedEnd(), then gives them in the order of their numbers:
    // for a worksheet whose rows are stored out of order, read a second time.
    void sortRows() { m_sorting = true; }
    bool rowsOutOfOrder() const { return m_rowsOutOfOrder; }
    // Writes the rows held for sorting; false on refusal.
    bool sortedEnd();

    // Formula cells whose stored value is missing or stale.
    void countFormulaWithoutResult() { ++m_formulasWithoutResult; }
    qint64 formulasWithoutResult() const { return m_formulasWithoutResult; }

    // The text produced so far and not yet taken.
    QByteArray &pending() { return m_out; }
    // Where the text goes each time a chunk has gathered, so that a source that reads on
    // to its end holds no more than that. The sink returns false when the text's reader
    // has gone: the source then stops, without a failure.
    void setSink(std::function<bool(QByteArray &)> sink) { m_sink = std::move(sink); }
    // Whether the source should read on: little text waiting, no repeated row unwritten.
    bool wantsMore() const { return m_out.size() < WorksheetChunkSize && m_repeats == 0; }
    // Writes more copies of a repeated row, a chunk's worth; false on refusal.
    bool repeat();
    bool hasRepeats() const { return m_repeats > 0; }

    // Refuses the worksheet, keeping the first reason: an invalid sheet, unless it comes
    // with a status of its own (memory running out). False, for the caller to stop on.
    bool fail(const QString &why);
    bool fail(const Result &why);
    // Why the worksheet was refused part way, Done while it is not.
    const Result &result() const { return m_result; }

private:
    bool appendOut(const QByteArray &text);
    bool writeRow(qint64 row, qint64 count);
    void resetRow();
    bool placeCell(qint64 column, QByteArrayView text);
    bool rebuildRow();

    struct HeldRow
    {
        qint64 row;
        qsizetype start; // in m_held
        qsizetype size;
        bool wide;       // more than one column: never a "sep=" line
    };

    QByteArray m_out;
    QByteArray m_row;         // the current row's fields
    qint64 m_nextColumn = 0;  // the column after the last cell in m_row
    bool m_rowHasCells = false;
    qint64 m_nextRow = 0;     // the row number after the last one ended
    qint64 m_lineRow = 0;     // the row the next line of text stands for
    qint64 m_written = 0;     // text produced in all
    QByteArray m_repeated;    // a row still to be written m_repeats more times
    qint64 m_repeats = 0;
    bool m_started = false;   // a row with content has been written
    std::map<qint64, QByteArray> m_placed; // the row's cells, once one came out of order
    bool m_sorting = false;
    bool m_rowsOutOfOrder = false;
    QByteArray m_held;        // the rows held for sorting, their fields one after the other
    std::vector<HeldRow> m_heldRows;
    qint64 m_formulasWithoutResult = 0;
    Result m_result;
    std::function<bool(QByteArray &)> m_sink;
};

// Reads a worksheet from its XML, a little at a time.
class WorksheetSource
{
public:
    enum class Step { More, End };
    virtual ~WorksheetSource() = default;
    // Reads on until the text has gathered some output or the source can give no more:
    // the sheet has ended, or it was refused, which the text's result() then says.
    virtual Step advance(WorksheetText &text) = 0;
    // Whether the sheet asked for was there, and its name (once read to the end): a
    // source that picks its table while reading tells so.
    virtual bool found() const { return true; }
    virtual QString name() const { return {}; }
    // Tables of the workbook as far as it was read, the sheet itself included.
    virtual qsizetype tablesSeen() const { return 1; }
};

// The worksheet as a sequential device giving its CSV text, the XML read on a thread of
// its own. Once a read has returned the end, result() says why the worksheet was refused
// part way, Done when it was not.
class WorksheetDevice : public ReadAheadDevice
{
public:
    // sortRows: hold all rows and give them sorted (WorksheetText::sortRows).
    explicit WorksheetDevice(std::unique_ptr<WorksheetSource> source, bool sortRows = false);
    ~WorksheetDevice() override;

    const Result &result() const { return m_text.result(); }
    // Once the reading has ended (finish()): the source, and what the text noted.
    const WorksheetSource &source() const { return *m_source; }
    const WorksheetText &text() const { return m_text; }

private:
    void produce();

    std::unique_ptr<WorksheetSource> m_source;
    WorksheetText m_text;
};

} // namespace tess
