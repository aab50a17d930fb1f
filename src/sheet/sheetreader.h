#pragma once

#include "image/pixelrecord.h"

#include <QString>

#include <functional>

class QIODevice;

namespace tess {

// Zero-based header positions of each column, -1 when the header has none.
struct SheetColumns
{
    int x = -1;
    int y = -1;
    int r = -1;
    int g = -1;
    int b = -1;
    int a = -1;
    int h = -1;
    int s = -1;
    int v = -1;
};

enum class SheetStatus {
    Loaded,
    CannotOpen,     // the file could not be opened; treated as an invalid sheet
    NotValidSheet,  // no header, or a header without x or without y
    NoColourValues, // x and y but none of r, g, b, h, s, v
};

struct SheetInfo
{
    SheetStatus status = SheetStatus::NotValidSheet;
    SheetColumns columns;   // as far as the header gave them, also on rejection
    bool hasRgb = false;    // the header has at least one of r, g, b
    bool hasHsv = false;    // the header has at least one of h, s, v
    int maxX = 0;           // one more than the largest x (at least 1) when loaded
    int maxY = 0;           // one more than the largest y (at least 1) when loaded
};

// Called now and then while reading with the bytes consumed so far.
using ReadProgress = std::function<void(qint64 bytesRead)>;

// Reads a pixel sheet from an open device, streaming it in blocks. out is emptied
// first (its capacity kept) and receives one record per data line; on a rejection
// it is left empty.
SheetInfo readSheet(QIODevice &device, PixelRecords &out, const ReadProgress &progress = {});

// Opens path read-only and reads it; status CannotOpen when it cannot be opened.
SheetInfo loadSheet(const QString &path, PixelRecords &out, const ReadProgress &progress = {});

// The user's message for a rejected sheet ("This is not a valid color spreadsheet." or
// "Your spreadsheet does not contain valid color values."); empty when loaded.
QString sheetStatusMessage(SheetStatus status);

} // namespace tess
