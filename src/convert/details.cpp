// SPDX-License-Identifier: GPL-3.0-or-later
#include "operations.h"

#include "io/safeoutput.h"
#include "text/usertexts.h"

namespace tess {

QString pathDetail(const QString &path, const QString &reason)
{
    return reason.isEmpty() ? QString() : path + QStringLiteral(": ") + reason;
}

QString sheetPathName(const QString &path, bool reading)
{
    if (path != StandardStreamPath)
        return path;
    return userText(reading ? Text::StandardInput : Text::StandardOutput);
}

Result sheetSaveResult(const QString &path, const Result &written)
{
    if (written.ok())
        return written;
    const QString reason = written.detail.isEmpty() ? userText(Text::DataNotWritten) : written.detail;
    return outcome(Status::SheetNotSaved, pathDetail(sheetPathName(path, false), reason));
}

} // namespace tess
