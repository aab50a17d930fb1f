// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/pixelrecord.h"
#include "model/recordlines.h"
#include "model/sheetshape.h"

#include <QPoint>
#include <QRgb>
#include <QSize>
#include <QString>

#include <vector>

namespace tess {

// Where each pixel of a sheet's picture is written in the sheet file: built once per
// load from the records (in the file's own order) and the line each came from, and
// asked on every hover. A position named twice is drawn from its last record, so that
// record's line is the one given.
class PixelLines
{
public:
    PixelLines() = default;
    // Pictures beyond this many pixels get no map: it takes 4 bytes a pixel, as much as
    // the picture itself, and a sheet of a million records rarely describes more.
    static constexpr qint64 MaxPixels = qint64(16) * 1024 * 1024;

    PixelLines(const PixelRecords &records, QSize extent, const RecordLines &lines, const QString &fileName);
    // A picture-shaped sheet of that extent: each pixel's cell follows from its position,
    // so no map is kept. sheetName names the worksheet (or the file) in the readout.
    PixelLines(QSize extent, SheetShape shape, const QString &sheetName);
    // A grid made by hand or painted cells (grid not None), pixel 0, 0 in the cell at origin:
    // the readout names the cell and what it holds (a grid of only 0 and 1 read with 1 as
    // white when onesWhite).
    PixelLines(QSize extent, GridReading grid, GridOrigin origin, const QString &sheetName, bool onesWhite = false);

    // The line of the pixel at p in the file; 0 when no record names it or not known.
    qint64 lineAt(QPoint p) const;
    // The cell holding the first value of the pixel at p in a picture-shaped sheet ("F12");
    // empty for a pixel sheet or outside the picture.
    QString cellAt(QPoint p) const;
    SheetShape shape() const { return m_shape; }
    GridReading grid() const { return m_grid; }
    // What the cell of a grid holds for a pixel of that colour: "fill #E46C0A", "value 128".
    QString cellHolding(QRgb colour) const;
    QSize extent() const { return m_extent; }
    const QString &fileName() const { return m_fileName; }
    bool isEmpty() const { return m_index.empty() && m_shape == SheetShape::List && m_grid == GridReading::None; }

private:
    QSize m_extent;
    std::vector<qint32> m_index; // record index + 1 per pixel, row by row; 0: none
    RecordLines m_lines;
    QString m_fileName;
    SheetShape m_shape = SheetShape::List;
    GridReading m_grid = GridReading::None;
    GridOrigin m_origin;
    bool m_onesWhite = false;
};

// The status bar's words for one pixel: "x 12, y 7 · r 250 g 210 b 0 · h 50 s 255 v 250",
// the HSV values exactly as a sheet in HSV gives them; with line > 0 followed by
// " · line 1,234 of lesson.csv".
QString pixelReadout(QPoint p, QRgb colour, qint64 line = 0, const QString &fileName = QString());

// The same words followed by where the pixel is in the sheet file: its line, for a
// picture-shaped sheet its cell (" · cell F12 (r) of Picture"), for a grid or painted cells
// the cell and what it holds (" · cell D7 of Sheet1 · fill #E46C0A"); nothing more when unknown.
QString pixelReadout(QPoint p, QRgb colour, const PixelLines &lines);

} // namespace tess
