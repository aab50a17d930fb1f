// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tess {

// How a sheet lays out its pixels. List: the pixel sheet, one row per pixel (x, y and three
// values). Picture: a grid the shape of the picture, three rows (r, g, b) per picture row
// and one column per picture column. Grey: the same grid with one row of grey values per
// picture row.
enum class SheetShape { List, Picture, Grey };

// A picture-shaped sheet's first row holds "y" and, in RGB, "colour" before the x numbers.
inline constexpr char ShapeYLabel[] = "y";
inline constexpr char ShapeColourLabel[] = "colour";
// Its pixels start after these label columns.
inline constexpr int shapeLabelColumns(SheetShape shape) { return shape == SheetShape::Grey ? 1 : 2; }
// Sheet rows per picture row.
inline constexpr int shapeRowsPerPixel(SheetShape shape) { return shape == SheetShape::Grey ? 1 : 3; }

} // namespace tess
