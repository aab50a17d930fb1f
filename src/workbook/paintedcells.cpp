// SPDX-License-Identifier: GPL-3.0-or-later
#include "paintedcells.h"

#include "paintedbox.h"
#include "paintedgrid.h"
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

// What a worksheet's XML says about the fills of its cells, gathered in one pass of
// libxml2's SAX parser: the cells with their styles, the numbers they hold for the
// conditional formats, the row and column styles, the used range, the rules.
class SheetFills : public sax::Handler, public SheetPaint
{
public:
    SheetFills(const XlsxStyles &styles, const SharedTexts *shared) : m_styles(styles), m_rulesReader(styles, rules)
    {
        texts.shared = shared;
    }

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
