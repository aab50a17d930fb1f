// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <thread>

namespace tess {

// A second thread for one piece of work, joined at the latest when the worker goes. A
// system may refuse a thread (too many running, no memory for its stack); start() then
// says so, and the caller does the work on its own thread, as each user of this does.
class Worker
{
public:
    Worker() = default;
    Worker(const Worker &) = delete;
    Worker &operator=(const Worker &) = delete;
    ~Worker() { join(); }

    // Runs work on a thread of its own. False when no thread could be started, or one
    // already runs: work has then not run and will not.
    bool start(std::function<void()> work);
    // Waits for the work to end; nothing when none runs.
    void join();
    bool running() const { return m_thread.joinable(); }

    // Whether a second thread is worth starting: more than one core.
    static bool worthIt() { return std::thread::hardware_concurrency() >= 2; }

private:
    std::thread m_thread;
};

} // namespace tess
