#pragma once

#include <QByteArray>
#include <QIODevice>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace tess {

// Reads a sequential device on a thread of its own, a few blocks ahead of its reader, so
// that two stages of reading a workbook (inflating and parsing the XML, parsing the XML
// and reading the CSV text it gives) run on two processor cores at once. From
// construction until finish() the inner device belongs to that thread alone; whatever it
// writes elsewhere before its last read (a failure, say) is seen by this device's reader
// once a read has returned the end. Memory stays at a few blocks whatever the length.
class ReadAheadDevice : public QIODevice
{
public:
    explicit ReadAheadDevice(std::unique_ptr<QIODevice> source);
    ~ReadAheadDevice() override;

    // Stops the thread and waits for it; the inner device is then the caller's again.
    void finish();
    QIODevice &source() { return *m_source; }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    void run();
    bool nextBlock();

    std::unique_ptr<QIODevice> m_source;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<QByteArray> m_full;  // blocks read and not yet taken
    std::vector<QByteArray> m_free; // blocks taken, to be filled again
    bool m_ended = false;           // the inner device has given its end (or failed)
    bool m_stopping = false;
    QByteArray m_current;           // the block being read from, by the reader alone
    qsizetype m_taken = 0;
    std::thread m_thread;
    bool m_threaded = false; // false: no thread could be started, reads go straight through
};

} // namespace tess
