// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>

#include <algorithm>
#include <atomic>

namespace tess {

// Work someone may stop while it runs, stopped from another thread: a save then leaves the
// old file as it was, a read gives up. A save that has begun to put its file in place can
// no longer be stopped; it says so by passing the point of no return, and whoever stops it
// learns that the stop came too late.
class StopFlag
{
public:
    StopFlag(bool stopped = false)
        : m_state(stopped ? Stopped : Running)
    {
    }
    StopFlag(const StopFlag &) = delete;
    StopFlag &operator=(const StopFlag &) = delete;

    // Asks the work to stop. False when it had passed the point of no return already: the
    // work ends as if no stop had come.
    bool stop()
    {
        int state = Running;
        return m_state.compare_exchange_strong(state, Stopped) || state == Stopped;
    }

    // Whether the work is to stop; false once it has passed the point of no return.
    explicit operator bool() const { return m_state.load() == Stopped; }

    // Asked by the work at its last moment before it lands (a new file renamed over the
    // old one): true when no stop came before it, and from then on none takes effect.
    // The flag's state is the shared channel between the two threads, not the work's own
    // data, so the work passes it while it only reads the flag otherwise.
    bool passPointOfNoReturn() const
    {
        int state = Running;
        return m_state.compare_exchange_strong(state, PastReturn) || state == PastReturn;
    }

private:
    enum State { Running, Stopped, PastReturn };
    mutable std::atomic<int> m_state;
};

// Where work on a worker leaves how far it is, 0-100 (-1 while it does not know), for
// another thread to read. The work stores into it where it looks at its stop flag anyway,
// so knowing costs one store; one thread of the work stores, so the value only grows.
using ProgressSink = std::atomic<int>;

// done of total into sink, if there is one; nothing when total is unknown.
inline void tellProgress(ProgressSink *sink, qint64 done, qint64 total)
{
    if (sink && total > 0)
        sink->store(int(std::clamp<qint64>(done * 100 / total, 0, 100)), std::memory_order_relaxed);
}

// A file whose reads fail once stop is set, so that a reader working through it ends soon
// after it is asked to rather than at the end of the file. Still a QFile: what reads a
// file faster by its name (a second thread on its second half) reads this one so too.
class StoppableFile final : public QFile
{
public:
    explicit StoppableFile(const StopFlag *stop)
        : m_stop(stop)
    {
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_stop && *m_stop) {
            setErrorString(QStringLiteral("stopped"));
            return -1;
        }
        return QFile::readData(data, maxSize);
    }

private:
    const StopFlag *m_stop;
};

} // namespace tess
