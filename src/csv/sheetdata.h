// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheetcommas.h"
#include "sheetheader.h"
#include "sheetlines.h"
#include "sheetnumbers.h"

#include "model/pixelrecord.h"
#include "model/recordlines.h"

#include <QString>

// The data loop: every line after the header becomes one record, or none when it has
// no pixel position (x and y numbers within 32 bits).

namespace tess::sheet {

class DataReader
{
public:
    // firstLine: the number of the line the data starts on, for the refusal detail.
    DataReader(PixelRecords &out, const SheetLayout &layout, qint64 firstLine);

    // Parses [begin, end); *end must be readable and 0. Returns how many bytes at the
    // end are still undecided: the caller puts them in front of the next text.
    qsizetype feed(const char *begin, const char *end, bool atEnd);

    // Why the data refuses the sheet ("line 7: a quote is never closed"); empty if not.
    const QString &refusal() const { return m_refusal; }

    // One more than the largest x and y, at least 1 (held at INT_MAX).
    int width() const;
    int height() const;
    qint64 skippedLines() const { return m_state.skipped; }
    qint64 notNumbers() const { return m_state.notNumbers; }
    // The line each record came from.
    const RecordLines &recordLines() const { return m_lines; }
    qint64 emptyColours() const { return m_state.emptyColours; }
    // Where the first of each was: "line 2, column g: '$21.00'", "line 2, column g".
    const QString &notNumberExample() const { return m_notNumberExample; }
    const QString &emptyExample() const { return m_emptyExample; }
    // Once the data has ended: reads the grouped values of columns that hold decimals
    // again (see sheetcommas.h), and tells of both readings.
    void settleCommas();
    const TabCommas &commas() const { return m_commas; }

private:
    // The state of the data lines, copied into a local for the time of a feed():
    // stores into the records then cannot be taken to change it.
    struct State
    {
        bool lineOpen = false;
        bool noPosition = false; // x or y of this line is no number within 32 bits
        bool midField = false;
        bool unusual = false;    // noPosition, lineNotNumbers, lineEmpty or lineGrouped: the line needs a closer look
        int field = 0;           // column of the current field
        int lineNotNumbers = 0;  // colour values of this line that are no numbers
        int lineEmpty = 0;       // colour values of this line that are empty
        int firstEmptySlot = -1;
        unsigned lineGrouped = 0; // bits of the slots whose value has digits grouped by commas
        unsigned lineOneGroup = 0; // those of them with one group only ("1,199")
        unsigned lineAsDecimal = 0; // those of one group read as decimals
        int32_t values[9] = {};  // the working record (as PixelRecord), reused for every line
        int64_t maxX = 0;
        int64_t maxY = 0;
        int64_t lineEnds = 1; // the first line's number plus line ends not ending a line
        int64_t skipped = 0;
        int64_t notNumbers = 0;
        int64_t emptyColours = 0;
    };

    // Returned by the steps of a line when the next line may follow.
    static constexpr qsizetype NextLine = -1;

    qint64 lineNumber(const State &d) const;
    // The records from index on are offset further: called where lines and records part.
    // Kept out of line: it runs on rare lines only and must not weigh on the common ones.
    void noteOffset(const State &d, qint64 index);
    qsizetype parse(State &d, const char *p, const char *e, bool atEnd);
    qsizetype skipLineEnds(State &d, const char *&p, const char *e, bool atEnd);
    qsizetype skipEmptyLines(State &d, const char *&p, const char *e, bool atEnd);
    Q_ALWAYS_INLINE qsizetype readFields(State &d, const char *&p, const char *e, bool atEnd);
    qsizetype cutField(State &d, const char *&p, const char *e, bool atEnd);
    qsizetype quotedFieldLimit(const State &d, QuoteEnd quote, qsizetype length);
    void storeField(State &d, int slot, const char *begin, const char *end);
    FieldNumber readTabField(State &d, int slot, const char *begin, const char *end);
    void commitCommas(State &d, bool skipped);
    Q_ALWAYS_INLINE void endLine(State &d);
    bool settleLine(State &d);

    PixelRecords &m_out;
    SheetLayout m_layout;
    FieldCutter m_cutter;
    bool m_quotes = true;       // a '"' opens a field (not when it is the separator)
    int m_lastRead = 0;         // the last column that is read
    int m_inlineSeparator = -1; // the separator when the digit loop may stop at it
    QByteArray m_unquoted;      // the text of a quoted field that is read
    QString m_refusal;
    RecordLines m_lines;
    QString m_lineExample; // the first value of this line that is no number
    QString m_notNumberExample;
    QString m_emptyExample;
    TabCommas m_commas;
    State m_state;
};

} // namespace tess::sheet
