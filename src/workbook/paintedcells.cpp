// SPDX-License-Identifier: GPL-3.0-or-later
#include "paintedcells.h"

#include "paintedbox.h"
#include "xlsxrules.h"
#include "xlsxsheet.h"
#include "xlsxstyles.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <climits>
#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace tess {

namespace {

// A sheet has 16,384 columns; more column styles than that are no sheet's.
constexpr size_t ColumnStyleLimit = 16384;

struct CellPlace
{
    int column = -1;
    int row = -1;
};

// "B12" as column 1, row 11; -1 when it is no cell name.
CellPlace cellPlace(QStringView name)
{
    const QByteArray reference = name.toLatin1();
    const std::string_view text(reference.constData(), size_t(reference.size()));
    const qint64 column = cellColumn(text);
    if (column < 0)
        return {};
    const size_t letters = text.find_first_of("0123456789");
    if (letters == std::string_view::npos)
        return {};
    return { int(column), int(rowNumber(text.substr(letters)) - 1) };
}

qint64 keyOf(int column, int row)
{
    return qint64(row) * 16384 + column;
}

struct ColumnStyle
{
    int first = 0, last = -1;
    ShownFill fill;
};

struct Painted
{
    std::unordered_map<qint64, QRgb> cells; // by row * 16384 + column
    std::unordered_map<qint64, QRgb> faint; // sparse patterns: shown only among painted cells
    std::unordered_set<qint64> plain;       // cells of their own without a fill: no row or column style reaches them
    std::map<int, ShownFill> rows;          // rows with a painted style of their own
    std::vector<ColumnStyle> columns;       // painted column styles
    std::optional<CellBox> dimension;       // the used range the file declares
    CellPlace low { INT_MAX, INT_MAX };
    CellPlace high { -1, -1 };
    qint64 numbers = 0; // cells holding a number, painted or not
    CellNumbers values; // what they hold, for the conditional formats
    CellTexts texts;    // and the texts cells hold (typed codes)
    const SharedTexts *shared = nullptr;
    bool dithered = false;

    void paint(qint64 key, QRgb colour)
    {
        cells[key] = colour;
        plain.erase(key);
        const int column = int(key % 16384), row = int(key / 16384);
        low = { std::min(low.column, column), std::min(low.row, row) };
        high = { std::max(high.column, column), std::max(high.row, row) };
    }

    qint64 held() const { return qint64(cells.size() + faint.size() + plain.size() + values.size() + texts.size()); }
};

void takeCell(QXmlStreamReader &xml, const XlsxStyles &styles, Painted &painted)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    const CellPlace place = cellPlace(attributes.value(QLatin1StringView("r")));
    const QStringView type = attributes.value(QLatin1StringView("t"));
    bool ok = false;
    const uint style = attributes.value(QLatin1StringView("s")).toUInt(&ok);
    QString value;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"v")
            value = xml.readElementText();
        else if (xml.name() == u"is")
            value = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else
            xml.skipCurrentElement();
    }
    if (place.column < 0 || place.row < 0)
        return;
    bool number = false;
    value.toDouble(&number);
    const qint64 key = keyOf(place.column, place.row);
    if (number && (type.isEmpty() || type == u"n")) {
        ++painted.numbers;
        painted.values[key] = value.toDouble();
    } else if (type == u"s") {
        const qsizetype index = value.toLongLong(&number);
        if (number && painted.shared && index >= 0 && index < painted.shared->size())
            painted.texts[key] = QString::fromUtf8(painted.shared->at(index));
    } else if (type == u"inlineStr" || type == u"str") {
        painted.texts[key] = value;
    }
    const ShownFill fill = ok && style < styles.cells.size() ? styles.cells[style] : ShownFill{};
    if (!fill.painted)
        painted.plain.insert(key);
    else if (fill.faint)
        painted.faint[key] = fill.colour;
    else
        painted.paint(key, fill.colour);
    painted.dithered = painted.dithered || (fill.painted && fill.dithered && !fill.faint);
}

// The painted style of a row or column element, if it has one.
std::optional<ShownFill> styleOf(const QXmlStreamAttributes &a, QLatin1StringView attribute, const XlsxStyles &styles)
{
    bool ok = false;
    const uint style = a.value(attribute).toUInt(&ok);
    if (!ok || style >= styles.cells.size() || !styles.cells[style].painted || styles.cells[style].faint)
        return std::nullopt;
    return styles.cells[style];
}

void takeElement(QXmlStreamReader &xml, const XlsxStyles &styles, Painted &painted, SheetRules &rules)
{
    const QStringView name = xml.name();
    const QXmlStreamAttributes a = xml.attributes();
    if (name == u"c") {
        takeCell(xml, styles, painted);
    } else if (name == u"row") {
        const int row = a.value(QLatin1StringView("r")).toInt() - 1;
        const QStringView custom = a.value(QLatin1StringView("customFormat"));
        const auto fill = styleOf(a, QLatin1StringView("s"), styles);
        if (row >= 0 && row < 1048576 && fill && (custom == u"1" || custom == u"true"))
            painted.rows[row] = *fill;
    } else if (name == u"col") {
        const int first = a.value(QLatin1StringView("min")).toInt() - 1;
        const int last = std::min(a.value(QLatin1StringView("max")).toInt(), 16384) - 1;
        const auto fill = styleOf(a, QLatin1StringView("style"), styles);
        if (fill && first >= 0 && first <= last && painted.columns.size() < ColumnStyleLimit)
            painted.columns.push_back({ first, last, *fill });
    } else if (name == u"dimension") {
        const QStringView ref = a.value(QLatin1StringView("ref"));
        const qsizetype colon = ref.indexOf(u':');
        const CellPlace from = cellPlace(ref.left(colon < 0 ? ref.size() : colon));
        const CellPlace to = colon < 0 ? from : cellPlace(ref.mid(colon + 1));
        if (from.column >= 0 && to.column >= from.column && from.row >= 0 && to.row >= from.row)
            painted.dimension = CellBox { from.column, from.row, to.column, to.row };
    } else if (name == u"conditionalFormatting") {
        readConditionalFormatting(xml, styles, rules);
    }
}

// Row and column styles widen the box of painted cells, never past the used range the file
// declares (or, without one, past the painted cells): a style of a whole row or column
// reaches to the sheet's end.
void widenByStyles(Painted &p)
{
    const bool cells = p.high.column >= 0;
    if (!p.dimension && !cells)
        return;
    const CellBox reach = p.dimension.value_or(CellBox { p.low.column, p.low.row, p.high.column, p.high.row });
    CellPlace low = p.low, high = p.high;
    for (const auto &[row, fill] : p.rows) {
        if (row < reach.top || row > reach.bottom)
            continue;
        low.row = std::min(low.row, row);
        high.row = std::max(high.row, row);
        if (!cells)
            low.column = std::min(low.column, reach.left), high.column = std::max(high.column, reach.right);
    }
    for (const ColumnStyle &style : p.columns) {
        const int first = std::max(style.first, reach.left), last = std::min(style.last, reach.right);
        if (first > last)
            continue;
        low.column = std::min(low.column, first);
        high.column = std::max(high.column, last);
        if (!cells)
            low.row = std::min(low.row, reach.top), high.row = std::max(high.row, reach.bottom);
    }
    p.low = low;
    p.high = high;
}

// What a cell of the box shows: its own fill, else its row's, else its column's.
struct BoxFills
{
    const Painted &painted;
    std::vector<const ShownFill *> byColumn; // the column styles across the box

    BoxFills(const Painted &p, int width) : painted(p), byColumn(size_t(width), nullptr)
    {
        for (const ColumnStyle &style : p.columns) {
            for (int c = std::max(style.first, p.low.column); c <= std::min(style.last, p.high.column); ++c)
                byColumn[size_t(c - p.low.column)] = &style.fill;
        }
    }

    const ShownFill *lineFill(int x, int row) const
    {
        const auto found = painted.rows.find(row);
        return found != painted.rows.end() ? &found->second : byColumn[size_t(x)];
    }

    // The colour, and whether it is painted.
    std::pair<QRgb, bool> at(int x, int y, bool &dithered) const
    {
        const qint64 key = keyOf(painted.low.column + x, painted.low.row + y);
        if (const auto found = painted.cells.find(key); found != painted.cells.end())
            return { found->second, true };
        if (const auto found = painted.faint.find(key); found != painted.faint.end())
            return { found->second, true };
        if (painted.plain.count(key))
            return { 0xFFFFFF, false };
        const ShownFill *fill = lineFill(x, painted.low.row + y);
        if (!fill)
            return { 0xFFFFFF, false };
        dithered = dithered || fill->dithered;
        return { fill->colour, true };
    }
};

} // namespace

bool readPaintedCells(QIODevice &worksheet, const XlsxStyles &styles, PixelRecords &out, SheetInfo &info,
                      const SharedTexts *texts)
{
    out.clear();
    QXmlStreamReader xml(&worksheet);
    Painted painted;
    painted.shared = texts;
    SheetRules rules;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            takeElement(xml, styles, painted, rules);
        if (painted.held() > PaintedCellLimit)
            return false;
    }
    if (xml.hasError())
        return false;
    // A rule's colour is shown over the cell's own fill.
    applyRules(rules, styles, painted.values, [&](qint64 key, QRgb colour) { painted.paint(key, colour); }, painted.texts);
    widenByStyles(painted);
    if (painted.high.column < 0)
        return false;
    const int width = painted.high.column - painted.low.column + 1;
    const int height = painted.high.row - painted.low.row + 1;
    if (width < 2 || height < 2 || qint64(width) * height > PaintedCellLimit)
        return false;
    const BoxFills fills(painted, width);
    // Row and column styles paint cells that have no element of their own, so the painted
    // cells are counted in the box itself.
    PaintedBox box { painted.low.column, painted.low.row, width, height, 0, painted.numbers };
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            box.painted += fills.at(x, y, painted.dithered).second;
    if (!paintedPicture(box, [&](int x, int y) { return fills.at(x, y, painted.dithered).first; }, out, info))
        return false;
    info.paintedDithered = painted.dithered;
    info.unreadRules = rules.unread;
    return true;
}

} // namespace tess
