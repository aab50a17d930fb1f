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

} // namespace tess
