// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>

#include <atomic>

namespace tess {

// Work someone may stop while it runs, set from another thread: a save then leaves the old
// file as it was, a read gives up.
using StopFlag = std::atomic<bool>;

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
