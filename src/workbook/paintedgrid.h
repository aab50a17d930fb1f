// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The box of an .xlsx worksheet's painted cells, and what each of its cells shows: the
// cells' own fills, a rule's colour over them, and the styles of rows and columns.

#include "paintedbox.h"
#include "xlsxrules.h"
#include "xlsxstyles.h"

#include <QRgb>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace tess {

// A cell element of the sheet: its place and the fill its style shows.
struct SheetCell
{
    int column;
    int row;
    const ShownFill *fill; // null: a style that paints nothing
};

struct LineStyle
{
    int first = 0, last = -1; // the columns, or the row, the style reaches
    ShownFill fill;
};

// What a worksheet says about the fills of its cells, rows and columns.
struct SheetPaint
{
    std::vector<SheetCell> cells;
    std::vector<LineStyle> rows;    // rows with a painted style of their own
    std::vector<LineStyle> columns; // painted column styles
    std::optional<CellBox> dimension; // the used range the file declares
};

// The box of the painted cells, and what each of its cells shows.
class PaintedGrid
{
    // What a cell of the box shows, as one word: the colour in the low 24 bits, above it
    // how it came (its own element without a fill, a sparse pattern, a fill), so that the
    // stronger wins where a cell is given twice.
    enum Shown : uint32_t { Unset = 0, Plain = 1u << 24, Faint = 2u << 24, Filled = 3u << 24 };
    static constexpr uint32_t ColourBits = 0xFFFFFF;

public:
    // The box of the painted cells, widened by the rows' and columns' styles.
    PaintedGrid(const SheetPaint &sheet, const std::vector<std::pair<qint64, QRgb>> &ruled)
    {
        for (const SheetCell &cell : sheet.cells) {
            if (cell.fill && !cell.fill->faint)
                take(cell.column, cell.row);
        }
        for (const auto &[key, colour] : ruled)
            take(int(key % 16384), int(key / 16384));
        widenByStyles(sheet);
    }

    int width() const { return m_high.column - m_low.column + 1; }
    int height() const { return m_high.row - m_low.row + 1; }
    bool empty() const { return m_high.column < 0; }

    // What each cell of the box shows: its own fill (a rule's colour over it), else its
    // row's, else its column's. The box must be within the limit.
    void fill(const SheetPaint &sheet, const std::vector<std::pair<qint64, QRgb>> &ruled, bool &dithered)
    {
        m_shown.assign(size_t(width()) * size_t(height()), Unset);
        for (const SheetCell &cell : sheet.cells) {
            const uint32_t shown = !cell.fill ? Plain : (cell.fill->faint ? Faint : Filled) | cell.fill->colour;
            place(cell.column, cell.row, shown);
        }
        for (const auto &[key, colour] : ruled)
            place(int(key % 16384), int(key / 16384), Filled | (colour & ColourBits));
        std::vector<const ShownFill *> byRow(size_t(height()), nullptr), byColumn(size_t(width()), nullptr);
        for (const LineStyle &style : sheet.columns) {
            for (int c = std::max(style.first, m_low.column); c <= std::min(style.last, m_high.column); ++c)
                byColumn[size_t(c - m_low.column)] = &style.fill;
        }
        for (const LineStyle &style : sheet.rows) {
            if (style.first >= m_low.row && style.first <= m_high.row)
                byRow[size_t(style.first - m_low.row)] = &style.fill;
        }
        for (int y = 0; y < height(); ++y) {
            for (int x = 0; x < width(); ++x) {
                uint32_t &shown = m_shown[size_t(y) * size_t(width()) + size_t(x)];
                const ShownFill *line = byRow[size_t(y)] ? byRow[size_t(y)] : byColumn[size_t(x)];
                if (shown == Unset && line) {
                    shown = Filled | line->colour;
                    dithered = dithered || line->dithered;
                }
            }
        }
    }

    PaintedBox box(qint64 numbers) const
    {
        PaintedBox box { m_low.column, m_low.row, width(), height(), 0, numbers };
        for (const uint32_t shown : m_shown)
            box.painted += shown >= Faint;
        return box;
    }

    QRgb colourAt(int x, int y) const
    {
        const uint32_t shown = m_shown[size_t(y) * size_t(width()) + size_t(x)];
        return shown >= Faint ? shown & ColourBits : 0xFFFFFF;
    }

private:
    struct Place
    {
        int column, row;
    };

    void take(int column, int row)
    {
        m_low = { std::min(m_low.column, column), std::min(m_low.row, row) };
        m_high = { std::max(m_high.column, column), std::max(m_high.row, row) };
    }

    void place(int column, int row, uint32_t shown)
    {
        if (column < m_low.column || column > m_high.column || row < m_low.row || row > m_high.row)
            return;
        uint32_t &at = m_shown[size_t(row - m_low.row) * size_t(width()) + size_t(column - m_low.column)];
        if ((shown & ~ColourBits) >= (at & ~ColourBits))
            at = shown;
    }

    // Row and column styles widen the box of painted cells, never past the used range the
    // file declares (or, without one, past the painted cells): a style of a whole row or
    // column reaches to the sheet's end.
    void widenByStyles(const SheetPaint &sheet)
    {
        const bool cells = m_high.column >= 0;
        if (!sheet.dimension && !cells)
            return;
        const CellBox reach = sheet.dimension.value_or(CellBox { m_low.column, m_low.row, m_high.column, m_high.row });
        Place low = m_low, high = m_high;
        for (const LineStyle &style : sheet.rows) {
            const int row = style.first;
            if (row < reach.top || row > reach.bottom)
                continue;
            low.row = std::min(low.row, row);
            high.row = std::max(high.row, row);
            if (!cells)
                low.column = std::min(low.column, reach.left), high.column = std::max(high.column, reach.right);
        }
        for (const LineStyle &style : sheet.columns) {
            const int first = std::max(style.first, reach.left), last = std::min(style.last, reach.right);
            if (first > last)
                continue;
            low.column = std::min(low.column, first);
            high.column = std::max(high.column, last);
            if (!cells)
                low.row = std::min(low.row, reach.top), high.row = std::max(high.row, reach.bottom);
        }
        m_low = low;
        m_high = high;
    }

    Place m_low { INT_MAX, INT_MAX };
    Place m_high { -1, -1 };
    std::vector<uint32_t> m_shown; // row by row across the box
};

} // namespace tess
