// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An .ods table drawn by painting its cells: one pixel per cell, in the colour it shows.

#include "csv/sheetreader.h"
#include "model/pixelrecord.h"

#include <QIODevice>

namespace tess {

class OdsCellStyles;

// Reads the painted cells of the table named in content.xml, its automatic cell styles
// taken into the named ones of styles.xml given. As for an .xlsx worksheet: the box around
// the painted cells, unpainted cells inside it white; false (out empty) when they make no
// picture. Repeated rows and cells are never expanded: a fill that runs on to the sheet's
// end is cut where the other painted cells and the cells that hold something end.
bool readOdsPaintedCells(QIODevice &content, OdsCellStyles styles, const QString &table, PixelRecords &out,
                         SheetInfo &info);

} // namespace tess
