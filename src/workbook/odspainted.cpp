// SPDX-License-Identifier: GPL-3.0-or-later
#include "odspainted.h"

#include "odsruns.h"

#include "colourscale.h"
#include "odsrules.h"
#include "odsstyles.h"
#include "paintedbox.h"
#include "worksheettext.h"

#include <QColor>
#include <QXmlStreamReader>

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>
#include <type_traits>
#include <vector>

namespace tess {

namespace {

using namespace ods;

const QString TableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");

constexpr qint64 RuleWorkLimit = qint64(1) << 26;
// Texts kept for conditional formats that compare them (typed letter codes); past this
// many cells of text, no template a class fills in.
constexpr size_t TextCellLimit = size_t(1) << 20;

qint64 repeatOf(const QXmlStreamAttributes &attributes, const QString &name)
{
    bool ok = false;
    const qint64 count = attributes.value(TableNs, name).toLongLong(&ok);
    return ok && count >= 1 ? std::min(count, RepeatCap) : 1;
}

// A block of cells holding one number, or one text, which conditional formatting may colour.
template<typename Value>
struct Held
{
    qint64 column, row, columns, rows;
    Value value;
};
using Valued = Held<double>;
using Texted = Held<QString>;

// The columns' default styles, as runs of columns.
struct ColumnStyle
{
    qint64 column, columns;
    QString style;
};

class TableReader
{
public:
    TableReader(QXmlStreamReader &xml, const OdsCellStyles &styles) : m_xml(xml), m_styles(styles) {}

    bool read()
    {
        while (m_xml.readNextStartElement()) {
            const QStringView name = m_xml.name();
            if (name == u"table-column")
                takeColumn();
            else if (name == u"table-row")
                takeRow();
            else if (name == u"conditional-formats")
                takeConditionalFormats();
            else if (name == u"table-columns" || name == u"table-header-columns" || name == u"table-column-group"
                     || name == u"table-rows" || name == u"table-header-rows" || name == u"table-row-group")
                read();
            else
                m_xml.skipCurrentElement();
            if (m_runs.size() > size_t(PaintedCellLimit))
                return false;
        }
        return !m_xml.hasError();
    }

    bool picture(PixelRecords &out, SheetInfo &info) const
    {
        if (!pictureOfRuns(m_runs, m_content, m_numbers, out, info))
            return false;
        info.unreadRules = m_unread;
        return true;
    }

private:
    void takeColumn()
    {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const qint64 count = repeatOf(attributes, QStringLiteral("number-columns-repeated"));
        const QString style = attributes.value(TableNs, QStringLiteral("default-cell-style-name")).toString();
        if (!style.isEmpty() && m_columnEnd < WorksheetMaxColumns)
            m_columnStyles.push_back({ m_columnEnd, count, style });
        m_columnEnd = std::min(m_columnEnd + count, RepeatCap);
        m_xml.skipCurrentElement();
    }

    void takeRow()
    {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const qint64 rows = repeatOf(attributes, QStringLiteral("number-rows-repeated"));
        const QString rowStyle = attributes.value(TableNs, QStringLiteral("default-cell-style-name")).toString();
        qint64 column = 0;
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"table-cell" || m_xml.name() == u"covered-table-cell")
                column = takeCell(column, rows, rowStyle);
            else
                m_xml.skipCurrentElement();
        }
        m_row = std::min(m_row + rows, RepeatCap);
    }

    // The cell (or run of repeated cells) at the column: its fill and whether it holds
    // something. The column after it.
    qint64 takeCell(qint64 column, qint64 rows, const QString &rowStyle)
    {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const qint64 columns = std::min(repeatOf(attributes, QStringLiteral("number-columns-repeated")),
                                        std::max<qint64>(WorksheetMaxColumns - column, 0));
        const QStringView type = attributes.value(OfficeNs, QStringLiteral("value-type"));
        const QString style = attributes.value(TableNs, QStringLiteral("style-name")).toString();
        const QString text = cellText();
        const bool holds = !type.isEmpty() || !text.isEmpty();
        if (columns <= 0)
            return column;
        if (holds)
            m_content.take(column, m_row, columns, rows);
        if (type == u"float" || type == u"percentage" || type == u"currency") {
            m_numbers = std::min(m_numbers + columns * rows, RepeatCap);
            m_values.push_back({ column, m_row, columns, rows, attributes.value(OfficeNs, QStringLiteral("value")).toDouble() });
        } else if (!text.isEmpty() && (type == u"string" || type.isEmpty()) && m_texts.size() < TextCellLimit) {
            m_texts.push_back({ column, m_row, columns, rows, text });
        }
        if (!style.isEmpty() || !rowStyle.isEmpty())
            paint(column, columns, rows, style.isEmpty() ? rowStyle : style);
        else
            paintByColumns(column, columns, rows);
        return column + columns;
    }

    // Reads the cell to its end: the text of its paragraphs, one line each.
    QString cellText()
    {
        QString text;
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != u"p") {
                m_xml.skipCurrentElement();
                continue;
            }
            const QString line = m_xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!line.isEmpty())
                text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + line;
        }
        return text;
    }

    void paint(qint64 column, qint64 columns, qint64 rows, const QString &style)
    {
        QRgb colour = 0;
        if (m_styles.fill(style, colour))
            m_runs.push_back({ column, m_row, columns, rows, colour });
    }

    // A cell without a style of its own shows its column's default style.
    void paintByColumns(qint64 column, qint64 columns, qint64 rows)
    {
        const qint64 end = column + columns;
        auto it = std::upper_bound(m_columnStyles.begin(), m_columnStyles.end(), column,
                                   [](qint64 c, const ColumnStyle &s) { return c < s.column + s.columns; });
        for (; it != m_columnStyles.end() && it->column < end; ++it) {
            const qint64 from = std::max(column, it->column);
            paint(from, std::min(end, it->column + it->columns) - from, rows, it->style);
        }
    }

    // A colour scale's entries as stops of the kinds both formats share.
    std::vector<ColourStop> readScale()
    {
        static const std::pair<const char16_t *, const char *> Types[] = {
            { u"minimum", "min" }, { u"auto-minimum", "min" }, { u"maximum", "max" }, { u"auto-maximum", "max" },
            { u"number", "num" },  { u"percent", "percent" },   { u"percentile", "percentile" },
        };
        std::vector<ColourStop> stops;
        bool known = true;
        while (m_xml.readNextStartElement()) {
            const QXmlStreamAttributes a = m_xml.attributes();
            const QStringView type = a.value(CalcExtNs, QStringLiteral("type"));
            const auto found = std::find_if(std::begin(Types), std::end(Types), [&](const auto &t) { return type == QStringView(t.first); });
            const QColor colour = QColor::fromString(a.value(CalcExtNs, QStringLiteral("color")));
            bool number = true;
            const double value = a.value(CalcExtNs, QStringLiteral("value")).toDouble(&number);
            if (m_xml.name() == u"color-scale-entry" && stops.size() < 3) {
                known = known && found != std::end(Types) && colour.isValid() && (number || found->second[0] == 'm');
                if (known)
                    stops.push_back({ QString::fromLatin1(found->second), value, colour.rgb() & 0xFFFFFF });
            }
            m_xml.skipCurrentElement();
        }
        if (!known || stops.size() < 2)
            stops.clear();
        return stops;
    }

    void takeConditionalFormats()
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != u"conditional-format") {
                m_xml.skipCurrentElement();
                continue;
            }
            const QString address = m_xml.attributes().value(CalcExtNs, QStringLiteral("target-range-address")).toString();
            const QList<CellBlock> blocks = rangeBlocks(address);
            std::vector<Entry> entries;
            bool unread = false;
            while (m_xml.readNextStartElement()) {
                Entry entry;
                if (m_xml.name() == u"color-scale") {
                    entry.stops = readScale();
                    unread = unread || entry.stops.empty();
                    if (!entry.stops.empty())
                        entries.push_back(std::move(entry));
                    continue;
                }
                if (m_xml.name() == u"condition" && valueRule(m_xml.attributes(), entry.rule))
                    entries.push_back(std::move(entry));
                else
                    unread = true;
                m_xml.skipCurrentElement();
            }
            if (unread && m_unread.size() < 8)
                m_unread << cellsNamed(address);
            colourByRules(blocks, entries);
        }
    }

    // A condition of a conditional format, or its colour scale.
    struct Entry
    {
        ValueRule rule;
        std::vector<ColourStop> stops; // a colour scale when not empty
    };

    // The parts of the block of numbers that the blocks of a range cover, as runs.
    template<typename Take, typename Value>
    static void forEachOverlap(const Held<Value> &cells, const QList<CellBlock> &blocks, Take take)
    {
        for (const CellBlock &block : blocks) {
            const qint64 left = std::max(cells.column, block.left), right = std::min(cells.column + cells.columns, block.right);
            const qint64 top = std::max(cells.row, block.top), bottom = std::min(cells.row + cells.rows, block.bottom);
            if (left < right && top < bottom)
                take(left, top, right - left, bottom - top);
        }
    }

    // Paints the numbers inside the blocks in the colour of the first entry that applies to
    // them, over the cells' own fill: a condition they meet, or a colour scale.
    void colourByRules(const QList<CellBlock> &blocks, const std::vector<Entry> &entries)
    {
        // Numbers times blocks: a hostile file of many formats over many numbers must not
        // cost minutes; the formats past this colour nothing.
        m_ruleWork += qint64(m_values.size() + m_texts.size()) * (blocks.size() + 1);
        if (m_ruleWork > RuleWorkLimit || entries.empty())
            return;
        std::vector<ColourScale> scales;
        for (const Entry &entry : entries) {
            std::vector<CountedValue> values;
            for (size_t i = 0; i < (entry.stops.empty() ? 0 : m_values.size()); ++i) {
                qint64 count = 0;
                forEachOverlap(m_values[i], blocks, [&](qint64, qint64, qint64 columns, qint64 rows) {
                    count = std::min(count + columns * rows, RepeatCap);
                });
                values.push_back({ m_values[i].value, count });
            }
            scales.emplace_back(entry.stops, std::move(values));
        }
        for (const Valued &cells : m_values)
            colourCells(cells, blocks, entries, scales);
        for (const Texted &cells : m_texts)
            colourCells(cells, blocks, entries, scales);
    }

    // The cells in the colour of the first entry that applies: a condition they meet, or a
    // colour scale (for numbers).
    template<typename Value>
    void colourCells(const Held<Value> &cells, const QList<CellBlock> &blocks, const std::vector<Entry> &entries,
                     const std::vector<ColourScale> &scales)
    {
        std::optional<QRgb> colour;
        for (size_t i = 0; i < entries.size() && !colour; ++i) {
            QRgb fill = 0;
            if (!entries[i].stops.empty()) {
                if constexpr (std::is_same_v<Value, double>) {
                    if (!scales[i].empty())
                        colour = scales[i].colour(cells.value);
                }
            } else if (entries[i].rule.meets(cells.value) && m_styles.fill(entries[i].rule.style, fill)) {
                colour = fill;
            }
        }
        if (colour) {
            forEachOverlap(cells, blocks, [&](qint64 left, qint64 top, qint64 columns, qint64 rows) {
                m_runs.push_back({ left, top, columns, rows, *colour });
            });
        }
    }

    QXmlStreamReader &m_xml;
    const OdsCellStyles &m_styles;
    std::vector<Valued> m_values;
    std::vector<Texted> m_texts;
    QStringList m_unread; // the cells of rules of kinds not read
    qint64 m_ruleWork = 0;
    std::vector<ColumnStyle> m_columnStyles;
    qint64 m_columnEnd = 0;
    std::vector<Run> m_runs;
    Extent m_content;
    qint64 m_numbers = 0;
    qint64 m_row = 0;
};

} // namespace

bool readOdsPaintedCells(QIODevice &content, OdsCellStyles styles, const QString &table, PixelRecords &out,
                         SheetInfo &info)
{
    out.clear();
    QXmlStreamReader xml(&content);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"style") {
            styles.take(xml);
        } else if (xml.name() == u"table" && xml.namespaceUri() == TableNs) {
            if (xml.attributes().value(TableNs, QStringLiteral("name")) != table) {
                xml.skipCurrentElement();
                continue;
            }
            styles.resolve();
            TableReader reader(xml, styles);
            return reader.read() && reader.picture(out, info);
        }
    }
    return false;
}

} // namespace tess
