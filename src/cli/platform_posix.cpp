// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tess::cli::platform {

int duplicate(int fd) { return ::dup(fd); }
void duplicateOnto(int fd, int target) { ::dup2(fd, target); }
void closeDescriptor(int fd) { ::close(fd); }
int openNullDevice() { return ::open("/dev/null", O_WRONLY | O_CLOEXEC); }
bool isTerminal(FILE *stream) { return ::isatty(::fileno(stream)) == 1; }

namespace {

// The handler only writes one byte into a pipe, the one thing a signal handler may do
// safely; the event loop reads it.
int stopPipe[2] = {-1, -1};

void askStop(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(stopPipe[1], &byte, 1);
}

} // namespace

void whenStopAsked(const std::function<void()> &stop)
{
    if (stopPipe[0] < 0 && ::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto *notifier = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [stop] {
        char byte;
        while (::read(stopPipe[0], &byte, 1) > 0) {
        }
        stop();
    });
    struct sigaction action = {};
    action.sa_handler = askStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

} // namespace tess::cli::platform
