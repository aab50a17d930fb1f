// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <windows.h>

#include <fcntl.h>
#include <io.h>

namespace tess::cli::platform {

int duplicate(int fd) { return _dup(fd); }
void duplicateOnto(int fd, int target) { _dup2(fd, target); }
void closeDescriptor(int fd) { _close(fd); }
int openNullDevice() { return _open("NUL", _O_WRONLY); }
bool isTerminal(FILE *stream) { return _isatty(_fileno(stream)) != 0; }

namespace {

std::function<void()> stopAsked;

// Runs on a thread of its own that the system starts; the stop is queued to the event loop.
BOOL WINAPI consoleControl(DWORD)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] { stopAsked(); }, Qt::QueuedConnection);
    return TRUE;
}

} // namespace

void whenStopAsked(const std::function<void()> &stop)
{
    stopAsked = stop;
    SetConsoleCtrlHandler(consoleControl, TRUE);
}

} // namespace tess::cli::platform
