// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worker.h"

#include <QByteArray>
#include <QIODevice>

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace tess {

// A sequential device whose bytes are made on a thread of its own, a few blocks ahead of
// its reader, so that two stages of reading a workbook (inflating and parsing the XML,
// parsing the XML and reading the CSV text it gives) run on two processor cores at once.
// The bytes come from another device read on that thread, or from a producer that hands
// over blocks as it makes them. Whatever that thread writes elsewhere before its last
// block (a failure, say) is seen by this device's reader once a read has returned the
// end. Memory stays at a few blocks whatever the length. An exception on that thread
// (std::bad_alloc) is thrown to the reader once it has read the bytes made before it.
class ReadAheadDevice : public QIODevice
{
public:
    // Reads source on the thread; from here until finish() the source belongs to it.
    explicit ReadAheadDevice(std::unique_ptr<QIODevice> source);
    ~ReadAheadDevice() override;

    // Stops the thread and waits for it.
    void finish();

    bool isSequential() const override { return true; }

protected:
    // For a producer of its own, which a derived device starts once it is built: the
    // thread calls produce(), which hands over each block with put() and returns at its
    // end. False when no thread could be started.
    ReadAheadDevice();
    bool start(std::function<void()> produce);
    // Takes the block's bytes, leaving it empty (with the capacity of a block taken
    // earlier); waits while the reader is a few blocks behind. False once the reader has
    // finished: the producer should then return.
    bool put(QByteArray &block);

    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    void readSource();
    bool nextBlock();
    void end();

    std::unique_ptr<QIODevice> m_source;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<QByteArray> m_full;  // blocks made and not yet taken
    std::vector<QByteArray> m_free; // blocks taken, to be filled again
    bool m_ended = false;           // the producer has returned
    bool m_stopping = false;
    QByteArray m_current;           // the block being read from, by the reader alone
    qsizetype m_taken = 0;
    Worker m_worker;
    bool m_threaded = false; // false: no thread could be started
    std::exception_ptr m_thrown; // by the producer, set before the end
};

} // namespace tess
