// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkeddevice.h"

namespace tess {

CheckedDevice::CheckedDevice(QIODevice &target, const StopFlag *stop)
    : m_target(target), m_stop(stop), m_origin(target.isSequential() ? 0 : target.pos())
{
}

bool CheckedDevice::isSequential() const
{
    return m_target.isSequential();
}

qint64 CheckedDevice::size() const
{
    return m_target.isSequential() ? 0 : qMax<qint64>(0, m_target.size() - m_origin);
}

bool CheckedDevice::seek(qint64 pos)
{
    if (m_target.isSequential() || !QIODevice::seek(pos))
        return false;
    return m_target.seek(m_origin + pos);
}

qint64 CheckedDevice::writeData(const char *data, qint64 size)
{
    if (m_failed)
        return -1;
    if (m_stop && *m_stop) {
        m_failed = true;
        setErrorString(QStringLiteral("stopped"));
        return -1;
    }
    qint64 done = 0;
    while (done < size) {
        const qint64 written = m_target.write(data + done, size - done);
        if (written <= 0) {
            m_failed = true;
            setErrorString(m_target.errorString());
            return -1;
        }
        done += written;
    }
    m_written += done;
    return done;
}

} // namespace tess
