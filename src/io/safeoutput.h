// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "model/outcome.h"
#include "stopping.h"

#include <functional>

class QIODevice;

namespace tess {

// "-" in place of a path: standard output when writing, standard input when reading.
inline const QString StandardStreamPath = QStringLiteral("-");

// True when path names an existing device, named pipe or socket. A safe save puts a new
// regular file in place of the old one by renaming, which would replace /dev/null itself
// for anyone allowed to write in /dev; such targets are written to directly instead.
bool isSpecialFile(const QString &path);

// Writes the whole output to the device it is given; a failure when it gave up, with its
// reason as the detail where it has one.
using OutputWriter = std::function<Result(QIODevice &device)>;

// The one way this program writes a file. A regular path goes through a QSaveFile: the
// old file is replaced only once the new one is complete, and stays byte for byte as it
// was on any failure, or when stop was set before then; once the new file is complete the
// save passes stop's point of no return, and a later stop() says it came too late. An existing device, named pipe or
// socket is written directly, and StandardStreamPath means standard output.
// A failure is the writer's, or failure when the file or device gave up; its detail is the
// writer's reason, else the device's or the system's ("No space left on device"), and empty
// when the writer gave up without the device refusing anything (or the save was stopped).
Result writeOutput(const QString &path, Status failure, const OutputWriter &write, const StopFlag *stop = nullptr);

} // namespace tess
