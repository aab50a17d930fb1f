// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/stopping.h"

class QuaZipFile;

namespace tess {

// Begins the next entry of a package being written, unless the save was stopped. The ZIP
// library keeps an entry's bookkeeping from the moment it is begun, but frees it only once
// the entry's header is written: a header refused by a device that a stop has closed would
// leave it behind. So no entry is begun after a stop. method and level as for the library
// (0 and 0: stored).
bool beginZipEntry(QuaZipFile &entry, const char *name, int method, int level, const StopFlag *stop);

} // namespace tess
