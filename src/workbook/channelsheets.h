// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A picture kept in three sheets named for its channels (R, G, B; Red, Green, Blue; or
// their German, French and Spanish names), each a grid of values 0-255 of one size.

#include "csv/sheetreader.h"

#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace tess {

class WorkbookArchive;

// 0, 1 or 2 for a name that stands for red, green or blue, in any case, with or without
// its accents; -1 for any other.
int channelOfName(const QString &name);

// The sheets for red, green and blue among names, the first of each; nothing unless all
// three are there.
std::optional<std::array<QString, 3>> channelSheets(const QStringList &names);

// Reads one sheet by name into records, with the options given.
using SheetByName = std::function<SheetInfo(const QString &name, PixelRecords &records, const SheetOptions &options)>;

// The picture of the three sheets, or nothing when the red one is a pixel list of its own
// or none of them is a grid (then the workbook is read as any other). Once one is a grid,
// a sheet that is none, or grids of unequal sizes, are refused with the sheet and the cell named.
std::optional<SheetInfo> readChannelSheets(const std::array<QString, 3> &names, const SheetByName &read, PixelRecords &out);

// The names of an .ods workbook's tables, in their order.
QStringList odsTableNames(WorkbookArchive &archive);

} // namespace tess
