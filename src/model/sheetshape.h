// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tess {

// How a sheet lays out its pixels. List: the pixel sheet, one row per pixel (x, y and three
// values). Picture: a grid the shape of the picture, three rows (r, g, b) per picture row
// and one column per picture column. Grey: the same grid with one row of grey values per
// picture row.
enum class SheetShape { List, Picture, Grey };

// How a sheet made by hand gave its picture, one pixel per cell (rows are y, columns x):
// a grid of grey values 0-255, of 0 and 1 (ink), of colour codes (#RRGGBB, RRGGBB,
// rgb(r, g, b)), three equal grids on sheets named R, G and B, or the fill each cell
// shows (painted, or coloured by conditional formatting). None: not read as a grid.
enum class GridReading { None, Grey, Ink, Codes, Channels, Painted };

// Where a grid lies in its worksheet: the cell (from 0) holding the pixel at 0, 0.
struct GridOrigin
{
    int column = 0;
    int row = 0;
};

// A picture-shaped sheet's first row holds "y" and, in RGB, "colour" before the x numbers.
inline constexpr char ShapeYLabel[] = "y";
inline constexpr char ShapeColourLabel[] = "colour";
// Its pixels start after these label columns.
inline constexpr int shapeLabelColumns(SheetShape shape) { return shape == SheetShape::Grey ? 1 : 2; }
// Sheet rows per picture row.
inline constexpr int shapeRowsPerPixel(SheetShape shape) { return shape == SheetShape::Grey ? 1 : 3; }

// A spreadsheet column's letters from its index: 0 is "A", 26 is "AA".
inline QString columnLetters(int index)
{
    QString name;
    for (int n = index + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(u'A' + (n - 1) % 26));
    return name;
}

// The cell of a picture-shaped sheet that holds the first value (r, or the grey value) of
// the pixel at x, y, the labels taking row 1 and the columns before the pixels: "C2" for
// the first pixel of an RGB sheet.
inline QString shapeCellName(int x, int y, SheetShape shape)
{
    return columnLetters(x + shapeLabelColumns(shape)) + QString::number(2 + qint64(y) * shapeRowsPerPixel(shape));
}

// The cell of a grid that holds the pixel at x, y: "D7".
inline QString gridCellName(GridOrigin origin, int x, int y)
{
    return columnLetters(origin.column + x) + QString::number(qint64(origin.row) + y + 1);
}

} // namespace tess
