// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/imageconvert.h"
#include "csv/sheetreader.h"

#include <QString>

namespace tess {

// The one notice a user gets about what reading and drawing a sheet passed over or bent:
// "3 lines without a pixel position were skipped; 2,235 colour values outside 0–255
// were drawn as 0 or 255." Only the parts that apply; empty when none does. The window
// shows it in its status bar, the command line on standard error.
QString sheetNotice(const SheetInfo &info, const DrawStats &drawing = {});

} // namespace tess
