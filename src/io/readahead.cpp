// SPDX-License-Identifier: GPL-3.0-or-later
#include "readahead.h"

#include <algorithm>
#include <cstring>
#include <system_error>
#include <utility>

namespace tess {

namespace {

// Blocks as large as the CSV reader's own, and few of them: enough to keep both threads
// busy through the small stalls of either.
constexpr qsizetype BlockSize = 256 * 1024;
constexpr size_t BlocksAhead = 4;

} // namespace

ReadAheadDevice::ReadAheadDevice()
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

ReadAheadDevice::ReadAheadDevice(std::unique_ptr<QIODevice> source)
    : ReadAheadDevice()
{
    m_source = std::move(source);
    // Without a thread the reader reads the source itself.
    start([this] { readSource(); });
}

ReadAheadDevice::~ReadAheadDevice()
{
    finish();
}

bool ReadAheadDevice::start(std::function<void()> produce)
{
    m_threaded = m_worker.start([this, produce = std::move(produce)] {
        // Whatever the producer throws (memory running out, most likely) ends the
        // bytes, and is thrown again on the reader's thread once it reaches that end.
        try {
            produce();
        } catch (...) {
            m_thrown = std::current_exception();
        }
        end();
    });
    return m_threaded;
}

void ReadAheadDevice::finish()
{
    if (!m_worker.running())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_worker.join();
}

void ReadAheadDevice::readSource()
{
    QByteArray block;
    for (;;) {
        block.resize(BlockSize);
        const qint64 n = m_source->read(block.data(), BlockSize);
        if (n <= 0)
            return;
        block.resize(n);
        if (!put(block))
            return;
    }
}

bool ReadAheadDevice::put(QByteArray &block)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_stopping || m_full.size() < BlocksAhead; });
    if (m_stopping)
        return false;
    m_full.push_back(std::move(block));
    block = QByteArray();
    if (!m_free.empty()) {
        block = std::move(m_free.back());
        m_free.pop_back();
        block.resize(0);
    }
    lock.unlock();
    m_changed.notify_all();
    return true;
}

void ReadAheadDevice::end()
{
    {
        const std::lock_guard lock(m_mutex);
        m_ended = true;
    }
    m_changed.notify_all();
}

// Takes the next block made; false at the end.
bool ReadAheadDevice::nextBlock()
{
    std::unique_lock lock(m_mutex);
    if (!m_current.isNull() && m_free.size() < BlocksAhead)
        m_free.push_back(std::move(m_current));
    m_current = QByteArray();
    m_taken = 0;
    m_changed.wait(lock, [this] { return m_ended || !m_full.empty(); });
    if (m_full.empty()) {
        if (m_thrown)
            std::rethrow_exception(std::exchange(m_thrown, nullptr));
        return false;
    }
    m_current = std::move(m_full.front());
    m_full.pop_front();
    lock.unlock();
    m_changed.notify_all();
    return true;
}

qint64 ReadAheadDevice::readData(char *data, qint64 maxSize)
{
    if (!m_threaded)
        return m_source ? m_source->read(data, maxSize) : -1;
    if (!m_worker.running())
        return -1; // finished
    if (maxSize <= 0)
        return 0;
    while (m_taken == m_current.size()) {
        if (!nextBlock())
            return -1;
    }
    const qint64 n = std::min<qint64>(maxSize, m_current.size() - m_taken);
    std::memcpy(data, m_current.constData() + m_taken, size_t(n));
    m_taken += n;
    return n;
}

} // namespace tess
