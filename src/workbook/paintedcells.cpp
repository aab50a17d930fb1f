// SPDX-License-Identifier: GPL-3.0-or-later
#include "paintedcells.h"

#include "paintedbox.h"
#include "saxparser.h"
#include "xlsxrules.h"
#include "xlsxsheet.h"
#include "xlsxstyles.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <vector>

namespace tess {

namespace {

// A sheet has 16,384 columns; more column styles than that are no sheet's.
constexpr size_t ColumnStyleLimit = 16384;
// A cell's number is a few dozen characters; a longer text is none.
constexpr qsizetype ValueLimit = 1024;
// A rule's text constant is at most some thousand characters, so a typed text kept to
// this many bytes (at most three a character) still compares as the whole would.
constexpr qsizetype TextLimit = 4096;

qint64 keyOf(int column, int row)
{
    return qint64(row) * 16384 + column;
}

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

// What a worksheet's XML says about the fills of its cells, gathered in one pass of
// libxml2's SAX parser: the cells with their styles, the numbers they hold for the
// conditional formats, the row and column styles, the used range, the rules.
class SheetFills : public sax::Handler
{
public:
    SheetFills(const XlsxStyles &styles, const SharedTexts *shared) : m_styles(styles), m_rulesReader(styles, rules)
    {
        texts.shared = shared;
    }

    std::vector<SheetCell> cells;
    std::vector<LineStyle> rows;    // rows with a painted style of their own
    std::vector<LineStyle> columns; // painted column styles
    std::optional<CellBox> dimension;
    CellNumbers values;             // the cells holding a number, painted or not
    CellTexts texts;                // and those holding a text, for rules comparing texts
    qint64 numbers = 0;
    SheetRules rules;
    bool dithered = false;

protected:
    void start(sax::Name local, const sax::Attributes &a) override
    {
        if (m_rulesReader.reading()) {
            m_rulesReader.start(local, a);
        } else if (m_cellDepth > 0) {
            startInCell(local);
        } else if (local == "c") {
            startCell(a);
        } else if (local == "row") {
            takeRow(a);
        } else if (local == "col") {
            takeColumn(a);
        } else if (local == "dimension") {
            takeDimension(a);
        } else if (local == "conditionalFormatting") {
            m_rulesReader.start(local, a);
        }
    }

    void end(sax::Name) override
    {
        if (m_rulesReader.reading()) {
            m_rulesReader.end();
        } else if (m_cellDepth > 0) {
            m_inValue = false;
            if (m_cellDepth == m_phoneticDepth)
                m_phoneticDepth = 0;
            if (--m_cellDepth == 0)
                endCell();
        }
    }

    void text(QByteArrayView piece) override
    {
        if (m_inValue && m_value.size() <= (m_type == Type::Number ? ValueLimit : TextLimit))
            m_value.append(piece);
        else if (m_rulesReader.reading())
            m_rulesReader.text(piece);
    }

private:
    // The cell style an attribute names; null when it names none.
    const ShownFill *styleNamed(const sax::Attributes &a, const char *attribute) const
    {
        bool ok = false;
        const uint style = a.valueOf(attribute).toUInt(&ok);
        return ok && style < m_styles.cells.size() ? &m_styles.cells[style] : nullptr;
    }

    // The painted style of a row or column element, if it has one.
    const ShownFill *lineStyle(const sax::Attributes &a, const char *attribute) const
    {
        const ShownFill *fill = styleNamed(a, attribute);
        return fill && fill->painted && !fill->faint ? fill : nullptr;
    }

    // Only the cell's own <v> holds its value, or for a text typed in place, the <t> runs of
    // its <is> (not the reading aids of <rPh>).
    void startInCell(sax::Name local)
    {
        ++m_cellDepth;
        if (m_type == Type::Inline) {
            if (m_cellDepth == 2)
                m_inInline = local == "is";
            else if (m_inInline && m_phoneticDepth == 0 && local == "rPh")
                m_phoneticDepth = m_cellDepth;
            m_inValue = m_inInline && m_phoneticDepth == 0 && local == "t";
        } else {
            m_inValue = m_cellDepth == 2 && local == "v";
        }
        m_hasValue = m_hasValue || m_inValue;
    }

    void startCell(const sax::Attributes &a)
    {
        m_cellDepth = 1;
        m_value.resize(0);
        m_hasValue = false;
        std::string_view reference, type;
        m_cell = { -1, -1, nullptr };
        if (a.find("r", reference) && !cellAt(reference, m_cell.column, m_cell.row))
            m_cell = { -1, -1, nullptr };
        a.find("t", type);
        m_type = type.empty() || type == "n" ? Type::Number
            : type == "s"                    ? Type::Shared
            : type == "inlineStr"            ? Type::Inline
            : type == "str"                  ? Type::Formula
                                             : Type::Other;
        m_inInline = false;
        m_phoneticDepth = 0;
        if (const ShownFill *fill = styleNamed(a, "s"); fill && fill->painted)
            m_cell.fill = fill;
    }

    void endCell()
    {
        if (m_cell.column < 0)
            return;
        const qint64 key = keyOf(m_cell.column, m_cell.row);
        const bool read = m_hasValue && m_value.size() <= ValueLimit;
        bool number = false;
        if (m_type == Type::Number) {
            const double value = read ? QByteArrayView(m_value).toDouble(&number) : 0;
            if (number) {
                ++numbers;
                values.emplace_back(key, value);
            }
        } else if (m_type == Type::Shared) {
            const qint64 index = read ? QByteArrayView(m_value).toLongLong(&number) : -1;
            if (number && index >= 0)
                texts.addShared(key, index);
        } else if (m_hasValue && (m_type == Type::Inline || m_type == Type::Formula)) {
            texts.addOwn(key, m_value);
        }
        dithered = dithered || (m_cell.fill && m_cell.fill->dithered && !m_cell.fill->faint);
        cells.push_back(m_cell);
        if (qint64(cells.size() + values.size() + texts.size() + rows.size()) > PaintedCellLimit)
            stop();
    }

    void takeRow(const sax::Attributes &a)
    {
        const int row = a.valueOf("r").toInt() - 1;
        const QByteArrayView custom = a.valueOf("customFormat");
        const ShownFill *fill = lineStyle(a, "s");
        if (row >= 0 && row < 1048576 && fill && (custom == "1" || custom == "true")) {
            rows.push_back({ row, row, *fill });
            if (qint64(cells.size() + values.size() + texts.size() + rows.size()) > PaintedCellLimit)
                stop();
        }
    }

    void takeColumn(const sax::Attributes &a)
    {
        const int first = a.valueOf("min").toInt() - 1;
        const int last = std::min(a.valueOf("max").toInt(), 16384) - 1;
        const ShownFill *fill = lineStyle(a, "style");
        if (fill && first >= 0 && first <= last && columns.size() < ColumnStyleLimit)
            columns.push_back({ first, last, *fill });
    }

    void takeDimension(const sax::Attributes &a)
    {
        std::string_view ref;
        a.find("ref", ref);
        const size_t colon = ref.find(':');
        CellBox box;
        const bool from = cellAt(ref.substr(0, colon), box.left, box.top);
        const bool to = colon == std::string_view::npos ? (box.right = box.left, box.bottom = box.top, from)
                                                        : cellAt(ref.substr(colon + 1), box.right, box.bottom);
        if (from && to && box.right >= box.left && box.bottom >= box.top)
            dimension = box;
    }

    const XlsxStyles &m_styles;
    RulesReader m_rulesReader;
    int m_cellDepth = 0; // 1 on a <c>, deeper inside it
    SheetCell m_cell {};
    // How the cell holds its value: a number, an index into the shared texts, a text
    // typed in place, a formula's text, or something else (a truth value, an error).
    enum class Type { Number, Shared, Inline, Formula, Other } m_type = Type::Other;
    bool m_inInline = false;  // inside the cell's <is>
    int m_phoneticDepth = 0;  // the depth of an <rPh> inside it, 0 outside one
    bool m_inValue = false;
    bool m_hasValue = false;
    QByteArray m_value;
};

// A cell's number (or text) once: the last of a cell given twice.
template <class Values>
void keepLastValues(Values &values)
{
    const auto byKey = [](const auto &a, const auto &b) { return a.first < b.first; };
    if (std::adjacent_find(values.begin(), values.end(), [](const auto &a, const auto &b) { return a.first >= b.first; })
        == values.end())
        return; // in order, as spreadsheet programs write them
    std::stable_sort(values.begin(), values.end(), byKey);
    Values kept;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i + 1 == values.size() || values[i + 1].first != values[i].first)
            kept.push_back(values[i]);
    }
    values = std::move(kept);
}

} // namespace

namespace {

// What a cell of the box shows, as one word: the colour in the low 24 bits, above it
// how it came (its own element without a fill, a sparse pattern, a fill), so that the
// stronger wins where a cell is given twice.
enum Shown : uint32_t { Unset = 0, Plain = 1u << 24, Faint = 2u << 24, Filled = 3u << 24 };
constexpr uint32_t ColourBits = 0xFFFFFF;

// The box of the painted cells, and what each of its cells shows.
class PaintedGrid
{
public:
    // The box of the painted cells, widened by the rows' and columns' styles.
    PaintedGrid(const SheetFills &sheet, const std::vector<std::pair<qint64, QRgb>> &ruled)
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
    void fill(const SheetFills &sheet, const std::vector<std::pair<qint64, QRgb>> &ruled, bool &dithered)
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
    void widenByStyles(const SheetFills &sheet)
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

} // namespace

bool readPaintedCells(QIODevice &worksheet, const XlsxStyles &styles, PixelRecords &out, SheetInfo &info,
                      const SharedTexts *texts)
{
    out.clear();
    SheetFills sheet(styles, texts);
    if (!sheet.parse(worksheet))
        return false;
    keepLastValues(sheet.values);
    keepLastValues(sheet.texts.cells);
    // A rule's colour is shown over the cell's own fill.
    std::vector<std::pair<qint64, QRgb>> ruled;
    applyRules(sheet.rules, styles, sheet.values, [&](qint64 key, QRgb colour) { ruled.emplace_back(key, colour); },
               sheet.texts);
    PaintedGrid grid(sheet, ruled);
    if (grid.empty())
        return false;
    const int width = grid.width(), height = grid.height();
    if (width < 2 || height < 2 || qint64(width) * height > PaintedCellLimit)
        return false;
    bool dithered = sheet.dithered;
    grid.fill(sheet, ruled, dithered);
    // Row and column styles paint cells that have no element of their own, so the painted
    // cells are counted in the box itself.
    if (!paintedPicture(grid.box(sheet.numbers), [&](int x, int y) { return grid.colourAt(x, y); }, out, info))
        return false;
    info.paintedDithered = dithered;
    info.unreadRules = sheet.rules.unread;
    return true;
}

} // namespace tess
