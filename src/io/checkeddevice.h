// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stopping.h"

#include <QIODevice>

namespace tess {

// Passes writes (and, for files, seeks) on to another device and remembers a refused or
// short write: not every image format's writer checks what its device accepted. A short
// write is tried again for the rest, because a file on a full disk takes what fits
// without any complaint, and only the next write fails with the system's reason ("No
// space left on device"), which errorString() then carries. Once stop is set, writes are
// refused, so that a writer stopped in the middle of a large file gives up soon.
class CheckedDevice : public QIODevice
{
public:
    explicit CheckedDevice(QIODevice &target, const StopFlag *stop = nullptr);

    bool failed() const { return m_failed; }
    qint64 writtenSize() const { return m_written; }

    bool isSequential() const override;
    qint64 size() const override;
    bool seek(qint64 pos) override;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    QIODevice &m_target;
    const StopFlag *m_stop;
    const qint64 m_origin;
    bool m_failed = false;
    qint64 m_written = 0;
};

} // namespace tess
