// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/usertexts.h"

#include <QString>

#include <functional>

namespace tess::cli {

// Runs the conversion once, then again each time the file at source has been saved anew,
// until an interrupt or termination request; each run is whole before the request is
// heard, so nothing is left half-written. A run that fails has printed its reason and left
// the last output as it was. done names what a good run did (ChangedReadAndDrawn...).
// Returns ExitOk once stopped.
int runWatching(const QString &source, Text done, const std::function<int()> &convert);

} // namespace tess::cli
