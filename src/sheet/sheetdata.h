#pragma once

#include "sheetheader.h"
#include "sheetlines.h"

#include "image/pixelrecord.h"

// The data loop: every line after the header becomes one record, or none.

namespace tess::sheet {

class DataReader
{
public:
    DataReader(PixelRecords &out, const SheetLayout &layout);

    // Parses [begin, end); *end must be readable and 0. Returns how many bytes at the
    // end are still undecided: the caller puts them in front of the next text.
    qsizetype feed(const char *begin, const char *end, bool atEnd);

    // One more than the largest x and y, at least 1 (held at INT_MAX).
    int maxX() const;
    int maxY() const;

private:
    // The state of the data lines, copied into a local for the time of a feed():
    // stores into the records then cannot be taken to change it.
    struct State
    {
        bool lineOpen = false;
        int field = 0;          // column of the current field
        int32_t values[9] = {}; // the working record (as PixelRecord), reused for every line
        int64_t maxX = 0;
        int64_t maxY = 0;
    };

    // Returned by the steps of a line when the next line may follow.
    static constexpr qsizetype NextLine = -1;

    qsizetype parse(State &d, const char *p, const char *e, bool atEnd);
    Q_ALWAYS_INLINE qsizetype readFields(State &d, const char *&p, const char *e, bool atEnd);
    qsizetype skipRest(State &d, const char *&p, const char *e, bool atEnd);
    void storeField(State &d, int slot, const char *begin, const char *end) const;
    Q_ALWAYS_INLINE void endLine(State &d);

    PixelRecords &m_out;
    SheetLayout m_layout;
    FieldCutter m_cutter;
    int m_inlineSeparator = -1; // the separator when the digit loop may stop at it
    State m_state;
};

} // namespace tess::sheet
