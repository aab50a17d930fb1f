// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheetheader.h"

#include "model/pixelrecord.h"

#include <QIODevice>

#include <atomic>
#include <memory>
#include "io/worker.h"

// A large sheet read by two threads: the second half (from the first line feed after the
// middle) is parsed on a thread of its own while the first half is read as usual, and its
// records are appended to the first half's. That is only right when the cut falls between
// lines, which the first half's reading shows (a quote that opened before it and closes
// after it makes the first half refuse itself), and when both halves are plain text; in
// any other case the split is dropped and the sheet is read again whole.

namespace tess::sheet {

class SecondHalf
{
public:
    // The cut for a device that can be read a second time at once (a file or a buffer)
    // and is large enough to be worth a thread; nullptr for any other.
    static std::unique_ptr<SecondHalf> plan(QIODevice &device, qint64 blockSize);
    ~SecondHalf();

    qint64 cut() const { return m_cut; }
    qint64 bytes() const { return m_end - m_cut; }

    // Starts parsing once the header has given the layout; expected is the number of
    // records the half will likely give (room is reserved for them).
    void start(const SheetLayout &layout, size_t expected);
    // Waits for the thread. True when its records may follow the first half's.
    bool finish();

    // Moves the records to the end of out, giving back the memory of those moved as it
    // goes, so that the two halves never take more than the whole. Throws bad_alloc.
    void appendTo(PixelRecords &out);
    int width() const { return m_width; }
    int height() const { return m_height; }
    qint64 skippedLines() const { return m_skipped; }
    qint64 notNumbers() const { return m_notNumbers; }

private:
    SecondHalf(std::unique_ptr<QIODevice> device, qint64 cut, qint64 end, qint64 blockSize);
    void parse(SheetLayout layout, size_t expected);

    std::unique_ptr<QIODevice> m_device; // the same bytes, read on the thread
    qint64 m_cut;
    qint64 m_end;
    qint64 m_blockSize;
    Worker m_worker;
    bool m_valid = false; // written by the thread, read after it has been joined
    PixelRecords m_records;
    int m_width = 1;
    int m_height = 1;
    qint64 m_skipped = 0;
    qint64 m_notNumbers = 0;
};

// The first bytes of a device, up to an offset, as a device of their own.
class PrefixDevice : public QIODevice
{
public:
    PrefixDevice(QIODevice &device, qint64 end);
    qint64 size() const override { return m_end - m_start; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QIODevice &m_device;
    qint64 m_start;
    qint64 m_end;
};

} // namespace tess::sheet
