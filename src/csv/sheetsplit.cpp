// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetsplit.h"

#include "sheetdata.h"
#include "sheetnumbers.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <new>
#include <system_error>
#include <vector>

namespace tess::sheet {

namespace {

// Below this many blocks a second thread costs more than it saves.
constexpr qint64 BlocksWorthSplitting = 4;

// The same bytes on a device of its own, for the other thread; nullptr when they cannot
// be had without reading the device itself.
std::unique_ptr<QIODevice> secondReader(QIODevice &device)
{
    std::unique_ptr<QIODevice> copy;
    if (auto *file = qobject_cast<QFile *>(&device); file && !file->fileName().isEmpty())
        copy = std::make_unique<QFile>(file->fileName());
    else if (auto *buffer = qobject_cast<QBuffer *>(&device)) {
        auto bytes = std::make_unique<QBuffer>();
        bytes->setData(buffer->data()); // shared, not copied
        copy = std::move(bytes);
    }
    if (copy && !copy->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        copy.reset();
    return copy;
}

bool hasHighBytes(const char *p, qsizetype n)
{
    uchar any = 0;
    for (qsizetype i = 0; i < n; ++i)
        any |= uchar(p[i]);
    return any & 0x80;
}

} // namespace

std::unique_ptr<SecondHalf> SecondHalf::plan(QIODevice &device, qint64 blockSize)
{
    if (device.isSequential() || !device.isReadable() || device.isTextModeEnabled())
        return nullptr;
    const qint64 start = device.pos();
    const qint64 end = device.size();
    blockSize = std::max<qint64>(blockSize, 1);
    if (end - start < BlocksWorthSplitting * blockSize || end - start < 16)
        return nullptr;
    std::unique_ptr<QIODevice> copy = secondReader(device);
    if (!copy || copy->size() != end || !copy->seek(start + (end - start) / 2))
        return nullptr;
    // The cut: just after the first line feed from the middle on.
    char chunk[4096];
    for (qint64 at = copy->pos(); at < end;) {
        const qint64 n = copy->read(chunk, sizeof chunk);
        if (n <= 0)
            return nullptr;
        if (const void *lf = std::memchr(chunk, '\n', size_t(n))) {
            const qint64 cut = at + (static_cast<const char *>(lf) - chunk) + 1;
            if (cut >= end || !copy->seek(cut))
                return nullptr;
            return std::unique_ptr<SecondHalf>(new SecondHalf(std::move(copy), cut, end, blockSize));
        }
        at += n;
    }
    return nullptr;
}

SecondHalf::SecondHalf(std::unique_ptr<QIODevice> device, qint64 cut, qint64 end, qint64 blockSize)
    : m_device(std::move(device)), m_cut(cut), m_end(end), m_blockSize(blockSize)
{
}

SecondHalf::~SecondHalf()
{
    finish();
}

void SecondHalf::start(const SheetLayout &layout, size_t expected)
{
    // A separator that holds a line end would make the cut no line boundary.
    if (m_worker.running() || layout.separator.contains('\n') || layout.separator.contains('\r'))
        return;
    // Without a thread the half stays invalid, and the sheet is read whole.
    m_worker.start([this, layout, expected] { parse(layout, expected); });
}

bool SecondHalf::finish()
{
    m_worker.join();
    return m_valid;
}

// The half's text block by block, each followed by the 0 and the readable bytes the
// data loop expects; the bytes a block leaves undecided come again before the next.
void SecondHalf::parse(SheetLayout layout, size_t expected)
{
    try {
        m_records.reserve(expected);
        DataReader reader(m_records, layout, 1);
        std::vector<char> work;
        qsizetype kept = 0;
        for (;;) {
            const qsizetype want = std::max<qsizetype>(m_blockSize, kept);
            work.resize(size_t(kept + want + 1 + ReadAhead));
            const qint64 n = std::max<qint64>(m_device->read(work.data() + kept, want), 0);
            const bool atEnd = n == 0;
            if (hasHighBytes(work.data() + kept, n))
                return; // text to be decoded first: the whole reading does that
            char *const end = work.data() + kept + n;
            std::memset(end, 0, size_t(1 + ReadAhead));
            const qsizetype keep = reader.feed(work.data(), end, atEnd);
            if (!reader.refusal().isEmpty())
                return; // told with its line number by the whole reading
            if (atEnd)
                break;
            std::memmove(work.data(), end - keep, size_t(keep));
            kept = keep;
        }
        m_width = reader.width();
        m_height = reader.height();
        m_skipped = reader.skippedLines();
        m_notNumbers = reader.notNumbers();
        // The half's line numbers are known only once the first half is read: a half of one
        // record a line, with nothing to tell, follows on unchanged; anything else (a line
        // skipped or empty, a value to point to) is left to the whole reading.
        const RecordLines &lines = reader.recordLines();
        const bool plain = m_skipped == 0 && m_notNumbers == 0 && reader.emptyColours() == 0
                           && lines.first == 1 && lines.steps.empty() && !reader.commas().any();
        m_valid = plain && m_device->pos() == m_end;
    } catch (const std::bad_alloc &) {
        m_records = PixelRecords();
    }
}

void SecondHalf::appendTo(PixelRecords &out)
{
    out.reserve(out.size() + m_records.size());
    // In steps of a few megabytes, each given back once copied.
    constexpr size_t Step = 4 * 1024 * 1024 / sizeof(PixelRecord);
    const PixelRecord *records = m_records.data();
    for (size_t done = 0; done < m_records.size();) {
        const size_t step = std::min(Step, m_records.size() - done);
        out.insert(out.end(), records + done, records + done + step);
        done += step;
        releaseRecordPages(records, done * sizeof(PixelRecord));
    }
    m_records = PixelRecords();
}

PrefixDevice::PrefixDevice(QIODevice &device, qint64 end)
    : m_device(device), m_start(device.pos()), m_end(end)
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 PrefixDevice::readData(char *data, qint64 maxSize)
{
    const qint64 left = m_end - m_device.pos();
    if (left <= 0)
        return -1;
    return m_device.read(data, std::min(maxSize, left));
}

} // namespace tess::sheet
