// SPDX-License-Identifier: GPL-3.0-or-later
#include "safeoutput.h"

#include "checkeddevice.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace tess {

namespace {

OutputResult failure(const QString &reason)
{
    return OutputResult{false, reason};
}

// The writer's output through a CheckedDevice, so that a short write is completed or
// refused with a reason; the reason is the device's when it refused, else empty.
OutputResult writeChecked(QIODevice &target, const OutputWriter &write, const StopFlag *stop = nullptr)
{
    CheckedDevice checked(target, stop);
    checked.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    const bool written = write(checked);
    checked.close();
    if (written && !checked.failed())
        return OutputResult{true, {}};
    return failure(checked.failed() ? checked.errorString() : QString());
}

// A device, a pipe or standard output: there is nothing to put back on failure.
OutputResult writeDirectly(QFile &target, bool opened, const OutputWriter &write)
{
    if (!opened)
        return failure(target.errorString());
    OutputResult result = writeChecked(target, write);
    if (result.written && !target.flush())
        result = failure(target.errorString());
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

OutputResult writeSafely(const QString &path, const OutputWriter &write, const StopFlag *stop)
{
    // Unbuffered: a buffered file that fails to pass on its buffer reports no reason of the
    // system's. The writers gather their output in blocks themselves.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(file.errorString());
    OutputResult result = writeChecked(file, write, stop);
    if (result.written && !flushAll(file))
        result = failure(file.errorString());
    // A stop that comes from here on is too late: the one who stopped learns so from the
    // flag, rather than this landing after it was told the old file stays.
    if (stop && (result.written ? !stop->passPointOfNoReturn() : bool(*stop)))
        result = failure(QString());
    if (!result.written) {
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return failure(file.errorString());
    return result;
}

} // namespace

bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

OutputResult writeOutput(const QString &path, const OutputWriter &write, const StopFlag *stop)
{
    if (path == StandardStreamPath) {
        QFile out;
        return writeDirectly(out, out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered), write);
    }
    if (isSpecialFile(path)) {
        QFile target(path);
        return writeDirectly(target, target.open(QIODevice::WriteOnly | QIODevice::Unbuffered), write);
    }
    return writeSafely(path, write, stop);
}

} // namespace tess
