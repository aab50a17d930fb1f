#pragma once

#include "io/readahead.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>
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
// empty fields, which draws nothing either. A first row that is a lone "sep=X" cell (a
// CSV sheet saved as a workbook) is no header, as in a CSV sheet.
class WorksheetText
{
public:
    // A cell of the current row, column counted from 0, in increasing order; its text
    // as UTF-8 or as UTF-16.
    bool addCell(qint64 column, QByteArrayView text);
    bool addCell(qint64 column, QStringView text) { return addCell(column, QByteArrayView(text.toUtf8())); }
    // Ends the current row, whose number (from 0) is given, repeated count times.
    bool endRow(qint64 row, qint64 count = 1);

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

    QString failure() const { return m_failure; }
    bool fail(const QString &why);

private:
    bool appendOut(const QByteArray &text);

    QByteArray m_out;
    QByteArray m_row;         // the current row's fields
    qint64 m_nextColumn = 0;  // the column after the last cell in m_row
    bool m_rowHasCells = false;
    qint64 m_nextRow = 0;     // the row number after the last one ended
    qint64 m_written = 0;     // text produced in all
    QByteArray m_repeated;    // a row still to be written m_repeats more times
    qint64 m_repeats = 0;
    bool m_started = false;   // a row with content has been written
    QString m_failure;
    std::function<bool(QByteArray &)> m_sink;
};

// Reads a worksheet from its XML, a little at a time.
class WorksheetSource
{
public:
    enum class Step { More, End, Failed };
    virtual ~WorksheetSource() = default;
    // Reads on until the text has gathered some output or the sheet has ended.
    virtual Step advance(WorksheetText &text) = 0;
};

// The worksheet as a sequential device giving its CSV text, the XML read on a thread of
// its own. Once a read has returned the end, failure() says why the worksheet was refused
// part way, empty when it was not.
class WorksheetDevice : public ReadAheadDevice
{
public:
    explicit WorksheetDevice(std::unique_ptr<WorksheetSource> source);
    ~WorksheetDevice() override;

    QString failure() const { return m_text.failure(); }

private:
    void produce();

    std::unique_ptr<WorksheetSource> m_source;
    WorksheetText m_text;
};

} // namespace tess
