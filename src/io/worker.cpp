// SPDX-License-Identifier: GPL-3.0-or-later
#include "worker.h"

#include <new>
#include <system_error>
#include <utility>

namespace tess {

bool Worker::start(std::function<void()> work)
{
    if (m_thread.joinable() || !work)
        return false;
    try {
        m_thread = std::thread(std::move(work));
    } catch (const std::system_error &) {
        return false;
    } catch (const std::bad_alloc &) {
        return false;
    }
    return true;
}

void Worker::join()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace tess
