// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheetreader.h"

#include <QByteArray>

#include <functional>
#include <optional>
#include <vector>

class QIODevice;

// The picture-shaped sheet read back: a grid the shape of the picture, recognised by its
// labels (a first row of "y", "colour" in RGB, then the x numbers 0, 1, 2, ...; a column B
// of r, g, b repeating), whatever program saved it and whatever formatting it kept.

namespace tess::sheet {

// Whether the start of a CSV text is the first row of a picture-shaped sheet (after an
// optional "sep=" line).
bool isPictureShapedStart(QByteArrayView head);

// Reads the sheet when the device starts as a picture-shaped one: the records are those
// the pixel sheet of the same picture gives (column by column, x, y, r, g, b; a grey value
// in all three), so that drawing and following files work the same. Nothing, with the
// device untouched, when it does not start so. firstLine: the number of the text's first line.
std::optional<SheetInfo> readIfPictureShaped(QIODevice &device, PixelRecords &out, const ReadProgress &progress,
                                             qint64 firstLine);

// Shared with the grid reader: the fields of a CSV line, unquoted ("" in a quoted field
// is one quote); a line without its "\r"; a text without its UTF-8 byte-order mark; the
// head of a device (at most 1 MiB, from a pipe at least `lines` lines) without consuming
// it; and the device's lines one by one (the last also without a line end) until line
// returns false, which forEachLine then returns.
std::vector<QByteArray> splitFields(QByteArrayView line, char separator);
QByteArrayView withoutCarriageReturn(QByteArrayView line);
QByteArrayView withoutBom(QByteArrayView text);
QByteArray peekHead(QIODevice &device, int lines);
bool forEachLine(QIODevice &device, const ReadProgress &progress, const std::function<bool(QByteArrayView)> &line);

} // namespace tess::sheet
