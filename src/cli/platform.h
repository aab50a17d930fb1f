// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <functional>

// The few calls of the operating system the converter makes itself, one file per system
// (platform_posix.cpp, platform_windows.cpp), chosen by the build.
namespace tess::cli::platform {

int duplicate(int fd);                 // a new descriptor for fd, or -1
void duplicateOnto(int fd, int target); // target now refers to what fd refers to
void closeDescriptor(int fd);
int openNullDevice();                  // the null device for writing, or -1
bool isTerminal(FILE *stream);

// From now on, an interrupt or termination request (SIGINT, SIGTERM; Ctrl+C or closing
// the console) calls stop on the event loop's thread, between two events, instead of
// ending the process where it stands.
void whenStopAsked(const std::function<void()> &stop);

} // namespace tess::cli::platform
