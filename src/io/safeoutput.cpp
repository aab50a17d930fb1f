// SPDX-License-Identifier: GPL-3.0-or-later
#include "safeoutput.h"

#include "checkeddevice.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace tess {

namespace {

// The writer's output through a CheckedDevice, so that a short write is completed or
// refused with a reason; the reason is the writer's, else the device's when it refused.
Result writeChecked(QIODevice &target, Status failure, const OutputWriter &write, const StopFlag *stop = nullptr)
{
    CheckedDevice checked(target, stop);
    checked.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    Result written = write(checked);
    checked.close();
    if (written.ok() && !checked.failed())
        return written;
    if (written.ok())
        written = outcome(failure);
    if (written.detail.isEmpty() && checked.failed())
        written.detail = checked.errorString();
    return written;
}

// A device, a pipe or standard output: there is nothing to put back on failure.
Result writeDirectly(QFile &target, bool opened, Status failure, const OutputWriter &write)
{
    if (!opened)
        return outcome(failure, target.errorString());
    Result result = writeChecked(target, failure, write);
    if (result.ok() && !target.flush())
        result = outcome(failure, target.errorString());
    return result;
}

// Writes what the file still buffers (nothing while it is opened unbuffered, but the rule
// must not hang on that). QSaveFile::commit() would write it without checking the result:
// a disk that fills up at the last bytes would replace the old file with a cut one.
// Flushed here, such a failure is seen and nothing is replaced.
bool flushAll(QSaveFile &file)
{
    while (file.bytesToWrite() > 0) {
        if (!file.flush()) {
            // A short write fails without a reason; writing the rest brings the system's.
            file.flush();
            return false;
        }
    }
    return file.error() == QFileDevice::NoError;
}

Result writeSafely(const QString &path, Status failure, const OutputWriter &write, const StopFlag *stop)
{
    // Unbuffered: a buffered file that fails to pass on its buffer reports no reason of the
    // system's. The writers gather their output in blocks themselves.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return outcome(failure, file.errorString());
    Result result = writeChecked(file, failure, write, stop);
    if (result.ok() && !flushAll(file))
        result = outcome(failure, file.errorString());
    // A stop that comes from here on is too late: the one who stopped learns so from the
    // flag, rather than this landing after it was told the old file stays.
    if (stop && (result.ok() ? !stop->passPointOfNoReturn() : bool(*stop)))
        result = outcome(failure);
    if (!result.ok()) {
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return outcome(failure, file.errorString());
    return result;
}

} // namespace

bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

Result writeOutput(const QString &path, Status failure, const OutputWriter &write, const StopFlag *stop)
{
    if (path == StandardStreamPath) {
        QFile out;
        return writeDirectly(out, out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered), failure, write);
    }
    if (isSpecialFile(path)) {
        QFile target(path);
        return writeDirectly(target, target.open(QIODevice::WriteOnly | QIODevice::Unbuffered), failure, write);
    }
    return writeSafely(path, failure, write, stop);
}

} // namespace tess
