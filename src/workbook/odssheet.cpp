// SPDX-License-Identifier: GPL-3.0-or-later
#include "xlsxsheet.h"

#include "saxrows.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <string_view>

namespace tess {

namespace {

using sax::Attributes;
using sax::Name;

// The content is read with libxml2's SAX parser, on the worksheet's thread, its entry
// inflated ahead of it on another: for a million rows QXmlStreamReader took six times
// as long as the .xlsx of the same data.

constexpr std::string_view CalcExtNs("urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0");

// A repeat count, 1 when absent or no positive number. Counts may be huge: a program
// pads a table to its full size with empty rows and cells repeated a million times.
qint64 repeatCount(const Attributes &attributes, const char *name)
{
    std::string_view text;
    qint64 count = 0;
    if (!attributes.find(name, text))
        return 1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    return error == std::errc() && end == text.data() + text.size() && count >= 1 ? std::min<qint64>(count, qint64(1) << 40) : 1;
}

QString attributeText(const Attributes &attributes, const char *name)
{
    std::string_view text;
    return attributes.find(name, text) ? QString::fromUtf8(text.data(), qsizetype(text.size())) : QString();
}


// A date as the day number counted from 1899-12-30, times as fractions of a day, as
// spreadsheet programs store them; empty when the text is no date.
QString dayNumber(QStringView date)
{
    static const QDate epoch(1899, 12, 30);
    const qsizetype t = date.indexOf(u'T');
    const QDate day = QDate::fromString(date.left(t < 0 ? date.size() : t).toString(), Qt::ISODate);
    if (!day.isValid())
        return {};
    double number = double(epoch.daysTo(day));
    if (t >= 0) {
        const QTime time = QTime::fromString(date.mid(t + 1, 8).toString(), Qt::ISODate);
        if (time.isValid())
            number += time.msecsSinceStartOfDay() / 86400000.0;
    }
    return QString::number(number, 'g', 15);
}

// "PT12H30M00S" as a fraction of a day.
QString dayFraction(QStringView duration)
{
    static const QRegularExpression form(QStringLiteral("^-?P(?:(\\d+)D)?T(?:(\\d+)H)?(?:(\\d+)M)?(?:([\\d.]+)S)?$"));
    const QRegularExpressionMatch m = form.match(duration);
    if (!m.hasMatch())
        return {};
    const double seconds = m.captured(1).toDouble() * 86400 + m.captured(2).toDouble() * 3600
            + m.captured(3).toDouble() * 60 + m.captured(4).toDouble();
    return QString::number((duration.startsWith(u'-') ? -seconds : seconds) / 86400, 'g', 15);
}

class OdsRows : public SaxRows<OdsRows>
{
public:
    OdsRows(std::unique_ptr<WorkbookEntry> entry, const QString &name, int ordinal)
        : SaxRows(std::move(entry)), m_wanted(name), m_ordinal(ordinal)
    {
    }

    bool found() const override { return m_found; }
    QString name() const override { return m_name; }
    qsizetype tablesSeen() const override { return m_tables; }

private:
    friend class SaxRows<OdsRows>;

    QString malformed(const QString &what, int) const
    {
        return userText(Text::PartNotWellFormed).arg(QStringLiteral("content.xml"), what);
    }

    void text(QByteArrayView piece)
    {
        if (m_paragraphDepth > 0 && m_skipping == 0)
            appendText(piece);
    }

    void appendText(QByteArrayView more)
    {
        m_cell += more;
        if (m_cell.size() > WorkbookMarkupStretchLimit) {
            m_text->fail(userText(Text::CellTextTooLong));
            stop();
        }
    }

    void start(Name local, const Attributes &a)
    {
        ++m_depth;
        if (m_skipping > 0) {
            ++m_skipping;
        } else if (m_tableDepth == 0) {
            startOutside(local, a);
        } else if (m_cellDepth > 0) {
            startInCell(local, a);
        } else if (local == "table-row") {
            m_rows = repeatCount(a, "number-rows-repeated");
            m_column = 0;
            m_rowDepth = m_depth;
        } else if (m_rowDepth > 0 && (local == "table-cell" || local == "covered-table-cell")) {
            startCell(a);
        } else if (m_rowDepth > 0 || !(local == "table-row-group" || local == "table-header-rows" || local == "table-rows")) {
            // Columns, shapes, forms and nested tables carry no cells of this table.
            m_skipping = 1;
        }
    }

    // Before the table read: the styles that hide a table, and the tables passed over.
    void startOutside(Name local, const Attributes &a)
    {
        std::string_view value;
        if (local == "style") {
            if (a.find("family", value) && value == "table")
                m_style = attributeText(a, "name");
        } else if (local == "table-properties") {
            if (a.find("display", value) && value == "false")
                m_hiddenStyles.append(m_style);
        } else if (local == "table" && m_found) {
            ++m_tables; // after the one read: counted, so that its name is told
            m_skipping = 1;
        } else if (local == "table") {
            const QString name = attributeText(a, "name");
            const bool visible = !m_hiddenStyles.contains(attributeText(a, "style-name"));
            ++m_tables;
            const bool wanted = visible && (m_wanted.isEmpty() ? m_visibleSeen == m_ordinal : name == m_wanted);
            m_visibleSeen += visible;
            if (!wanted) {
                m_skipping = 1;
                return;
            }
            m_name = name;
            m_found = true;
            m_tableDepth = m_depth;
        }
    }

    void startCell(const Attributes &a)
    {
        m_cellDepth = m_depth;
        m_columns = repeatCount(a, "number-columns-repeated");
        m_cell.resize(0);
        m_paragraphs = 0;
        std::string_view type;
        std::string_view value;
        bool hasValue = false;
        bool error = false;
        bool formula = false;
        // One pass: Calc gives every number cell a type, a value and its own type again.
        for (int i = 0; i < a.count; ++i) {
            const Name name = a.name(i);
            if (name == "value-type") {
                if (a.uri(i) == CalcExtNs)
                    error = a.value(i) == "error";
                else
                    type = a.value(i);
            } else if (name == "value") {
                value = a.value(i);
                hasValue = true;
            } else if (name == "formula") {
                formula = true;
            }
        }
        if (formula && type.empty())
            m_text->countFormulaWithoutResult();
        if (!error && hasValue && (type == "float" || type == "percentage" || type == "currency")) {
            m_cell.append(value.data(), qsizetype(value.size()));
            m_valueGiven = true;
            return;
        }
        m_valueGiven = !error && valueOf(a, type);
    }

    // The value of a cell that has one in its attributes: a number as written, what a
    // date or time stands for, a truth value, a text.
    bool valueOf(const Attributes &a, std::string_view type)
    {
        if (type == "float" || type == "percentage" || type == "currency") {
            m_cell = attributeText(a, "value").toUtf8();
            return true;
        }
        if (type == "date" || type == "time") {
            const QString number = type == "date" ? dayNumber(attributeText(a, "date-value"))
                                                  : dayFraction(attributeText(a, "time-value"));
            if (!number.isEmpty()) {
                m_cell = number.toUtf8();
                return true;
            }
        }
        std::string_view value;
        if (type == "boolean") {
            m_cell = a.find("boolean-value", value) && value == "true" ? QByteArrayLiteral("TRUE") : QByteArrayLiteral("FALSE");
            return true;
        }
        if (a.find("string-value", value)) {
            m_cell = QByteArray(value.data(), qsizetype(value.size()));
            return true;
        }
        return false;
    }

    // The paragraphs of a cell, joined by line ends; spaces, tabs and line breaks kept,
    // notes (annotations) left out.
    void startInCell(Name local, const Attributes &a)
    {
        if (m_valueGiven || local == "annotation") {
            m_skipping = 1;
        } else if (m_paragraphDepth == 0 && (local == "p" || local == "h")) {
            if (m_paragraphs++ > 0)
                appendText("\n");
            m_paragraphDepth = m_depth;
        } else if (m_paragraphDepth > 0 && local == "s") {
            appendText(QByteArray(std::min<qint64>(repeatCount(a, "c"), WorkbookMarkupStretchLimit), ' '));
        } else if (m_paragraphDepth > 0 && local == "tab") {
            appendText("\t");
        } else if (m_paragraphDepth > 0 && local == "line-break") {
            appendText("\n");
        }
    }

    void end(Name local)
    {
        const int depth = m_depth--;
        if (m_skipping > 0) {
            --m_skipping;
            return;
        }
        if (depth == m_paragraphDepth) {
            m_paragraphDepth = 0;
        } else if (depth == m_cellDepth) {
            m_cellDepth = 0;
            if (!endCell())
                stop();
        } else if (depth == m_rowDepth) {
            m_rowDepth = 0;
            if (!endRow())
                stop();
        } else if (depth == m_tableDepth && local == "table") {
            // The tables after it are only counted: a chart's table after the data, as a
            // workbook with a chart sheet gives, makes the name worth telling.
            m_tableDepth = 0;
        }
    }

    bool endCell()
    {
        if (!m_cell.isEmpty()) {
            if (m_column + m_columns > WorksheetMaxColumns)
                return m_text->fail(userText(Text::CellPastLastColumn));
            for (qint64 i = 0; i < m_columns; ++i) {
                if (!m_text->addCell(m_column + i, QByteArrayView(m_cell)))
                    return false;
            }
        }
        m_column += m_columns;
        return true;
    }

    bool endRow()
    {
        const qint64 row = m_nextRow;
        m_nextRow += m_rows;
        if (!m_text->endRow(row, m_rows))
            return false;
        // The parser runs on: a repeated row is written out before the next comes.
        while (m_text->hasRepeats()) {
            if (!m_text->repeat())
                return false;
        }
        return true;
    }

    QString m_wanted;        // the table's name, or empty for the ordinal's
    int m_ordinal = 0;       // among the visible tables
    int m_visibleSeen = 0;
    qsizetype m_tables = 0;  // tables up to the one read, and after it
    QString m_name;
    bool m_found = false;
    QString m_style;         // the table style being read
    QStringList m_hiddenStyles;
    int m_depth = 0;
    int m_skipping = 0;      // depth inside an element whose content is passed over
    int m_tableDepth = 0;    // depths of the open table, row, cell and paragraph; 0 when none
    int m_rowDepth = 0;
    int m_cellDepth = 0;
    int m_paragraphDepth = 0;
    qint64 m_rows = 1;       // the row's repeat count
    qint64 m_columns = 1;    // the cell's
    qint64 m_column = 0;
    qint64 m_nextRow = 0;
    QByteArray m_cell;       // the cell's text, as UTF-8
    int m_paragraphs = 0;
    bool m_valueGiven = false;
};

} // namespace

Outcome<std::unique_ptr<WorksheetSource>> openOdsSheet(WorkbookArchive &archive, const QString &name, int ordinal)
{
    Outcome<std::unique_ptr<WorkbookEntry>> entry = archive.openEntry(QStringLiteral("content.xml"));
    if (!entry.ok())
        return entry.result();
    return std::unique_ptr<WorksheetSource>(std::make_unique<OdsRows>(std::move(entry).value(), name, ordinal));
}

} // namespace tess
