// SPDX-License-Identifier: GPL-3.0-or-later
#include "zipentry.h"

#include <QString>

#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

namespace tess {

bool beginZipEntry(QuaZipFile &entry, const char *name, int method, int level, const StopFlag *stop)
{
    if (stop && *stop)
        return false;
    return entry.open(QIODevice::WriteOnly, QuaZipNewInfo(QString::fromLatin1(name)), nullptr, 0, method, level);
}

} // namespace tess
