#include "xlsxsheet.h"

#include "workbookzip.h"
#include "text/usertexts.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

namespace tess {

namespace {

constexpr QLatin1String OfficeNs("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
constexpr QLatin1String TableNs("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
constexpr QLatin1String TextNs("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
constexpr QLatin1String CalcExtNs("urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0");

// A repeat count, 1 when absent or no positive number. Counts may be huge: a program
// pads a table to its full size with empty rows and cells repeated a million times.
qint64 repeatCount(const QXmlStreamAttributes &attributes, QLatin1String ns, QLatin1String name)
{
    bool ok = false;
    const qint64 count = attributes.value(ns, name).toLongLong(&ok);
    return ok && count >= 1 ? std::min<qint64>(count, qint64(1) << 40) : 1;
}

constexpr QLatin1String StyleNs("urn:oasis:names:tc:opendocument:xmlns:style:1.0");

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

class OdsSheet : public WorksheetSource
{
public:
    OdsSheet(WorkbookArchive &archive, std::unique_ptr<QIODevice> entry, const QString &name, int ordinal)
        : m_archive(archive), m_entry(std::move(entry)), m_xml(m_entry.get()), m_wanted(name), m_ordinal(ordinal)
    {
    }

    bool found() const override { return m_found; }
    QString name() const override { return m_name; }
    qsizetype tablesSeen() const override { return m_tables; }

    Step advance(WorksheetText &text) override
    {
        while (text.wantsMore()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement:
                if (!startElement(text))
                    return Step::Failed;
                break;
            case QXmlStreamReader::EndElement:
                if (m_inTable && m_xml.name() == u"table")
                    return Step::End;
                break;
            case QXmlStreamReader::Invalid:
                failXml(text);
                return Step::Failed;
            case QXmlStreamReader::EndDocument:
                return Step::End;
            default:
                break;
            }
        }
        return Step::More;
    }

private:
    bool failXml(WorksheetText &text)
    {
        return text.fail(m_archive.failure().isEmpty()
                                 ? userText(Text::PartNotWellFormed).arg(QStringLiteral("content.xml"), m_xml.errorString())
                                 : m_archive.failure());
    }

    // Notes the table styles that hide a table: they come before the tables.
    void noteStyle()
    {
        if (m_xml.name() == u"style" && m_xml.attributes().value(StyleNs, QLatin1String("family")) == u"table")
            m_style = m_xml.attributes().value(StyleNs, QLatin1String("name")).toString();
        else if (m_xml.name() == u"table-properties" && m_xml.attributes().value(TableNs, QLatin1String("display")) == u"false")
            m_hiddenStyles.append(m_style);
    }

    // Whether the table starting here is the one asked for; the others are passed over.
    bool isWanted()
    {
        const QXmlStreamAttributes a = m_xml.attributes();
        const QString name = a.value(TableNs, QLatin1String("name")).toString();
        const bool visible = !m_hiddenStyles.contains(a.value(TableNs, QLatin1String("style-name")));
        ++m_tables;
        const bool wanted = m_wanted.isEmpty() ? visible && m_visibleSeen == m_ordinal : visible && name == m_wanted;
        m_visibleSeen += visible;
        if (wanted)
            m_name = name;
        return wanted;
    }

    bool startElement(WorksheetText &text)
    {
        const QStringView name = m_xml.name();
        if (!m_inTable) {
            if (name != u"table") {
                noteStyle();
                return true;
            }
            m_inTable = isWanted();
            m_found |= m_inTable;
            if (!m_inTable)
                m_xml.skipCurrentElement();
            return true;
        }
        // Rows may sit in groups and header sections; columns, shapes, forms and
        // nested tables carry no cells of this table.
        if (name == u"table-row")
            return readRow(text);
        if (name != u"table-row-group" && name != u"table-header-rows" && name != u"table-rows")
            m_xml.skipCurrentElement();
        return true;
    }

    bool readRow(WorksheetText &text)
    {
        const qint64 rows = repeatCount(m_xml.attributes(), TableNs, QLatin1String("number-rows-repeated"));
        qint64 column = 0;
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != u"table-cell" && m_xml.name() != u"covered-table-cell") {
                m_xml.skipCurrentElement();
                continue;
            }
            const qint64 columns = repeatCount(m_xml.attributes(), TableNs, QLatin1String("number-columns-repeated"));
            const QString value = readCell(text);
            if (m_xml.hasError())
                return failXml(text);
            if (!value.isEmpty()) {
                if (column + columns > WorksheetMaxColumns)
                    return text.fail(userText(Text::CellPastLastColumn));
                for (qint64 i = 0; i < columns; ++i) {
                    if (!text.addCell(column + i, value))
                        return false;
                }
            }
            column += columns;
        }
        if (m_xml.hasError())
            return failXml(text);
        const qint64 row = m_nextRow;
        m_nextRow += rows;
        return text.endRow(row, rows);
    }

    // The text of a cell: the number of a numeric cell as written, else what it shows.
    QString readCell(WorksheetText &text)
    {
        const QXmlStreamAttributes a = m_xml.attributes();
        const QStringView type = a.value(OfficeNs, QLatin1String("value-type"));
        const bool error = a.value(CalcExtNs, QLatin1String("value-type")) == u"error";
        if (a.hasAttribute(TableNs, QLatin1String("formula")) && type.isEmpty())
            text.countFormulaWithoutResult();
        if (!error && (type == u"date" || type == u"time")) {
            const QString number = type == u"date" ? dayNumber(a.value(OfficeNs, QLatin1String("date-value")))
                                                  : dayFraction(a.value(OfficeNs, QLatin1String("time-value")));
            if (!number.isEmpty()) {
                m_xml.skipCurrentElement();
                return number;
            }
        }
        if (!error && (type == u"float" || type == u"percentage" || type == u"currency")) {
            m_xml.skipCurrentElement();
            return a.value(OfficeNs, QLatin1String("value")).toString();
        }
        if (!error && type == u"boolean") {
            m_xml.skipCurrentElement();
            return a.value(OfficeNs, QLatin1String("boolean-value")) == u"true" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        }
        if (!error && a.hasAttribute(OfficeNs, QLatin1String("string-value"))) {
            m_xml.skipCurrentElement();
            return a.value(OfficeNs, QLatin1String("string-value")).toString();
        }
        return readParagraphs();
    }

    // The paragraphs of a cell, joined by line ends; spaces, tabs and line breaks kept,
    // notes (annotations) left out.
    QString readParagraphs()
    {
        QString text;
        int paragraphs = 0;
        int depth = 0;
        int paragraphDepth = 0;
        while (!m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement: {
                const QStringView name = m_xml.name();
                ++depth;
                if (name == u"annotation") {
                    m_xml.skipCurrentElement();
                    --depth;
                } else if (paragraphDepth == 0 && (name == u"p" || name == u"h")) {
                    if (paragraphs++ > 0)
                        text += u'\n';
                    paragraphDepth = depth;
                } else if (paragraphDepth > 0 && name == u"s") {
                    const qint64 spaces = repeatCount(m_xml.attributes(), TextNs, QLatin1String("c"));
                    text += QString(std::min<qint64>(spaces, WorkbookMarkupStretchLimit), u' ');
                } else if (paragraphDepth > 0 && name == u"tab") {
                    text += u'\t';
                } else if (paragraphDepth > 0 && name == u"line-break") {
                    text += u'\n';
                }
                break;
            }
            case QXmlStreamReader::EndElement:
                if (depth == 0)
                    return text;
                if (depth-- == paragraphDepth)
                    paragraphDepth = 0;
                break;
            case QXmlStreamReader::Characters:
                if (paragraphDepth > 0)
                    text += m_xml.text();
                break;
            case QXmlStreamReader::Invalid:
                return text;
            default:
                break;
            }
            if (text.size() > WorkbookMarkupStretchLimit) {
                m_xml.raiseError(userText(Text::CellTextTooLong));
                return text;
            }
        }
        return text;
    }

    WorkbookArchive &m_archive;
    std::unique_ptr<QIODevice> m_entry;
    QXmlStreamReader m_xml;
    QString m_wanted;        // the table's name, or empty for the ordinal's
    int m_ordinal = 0;       // among the visible tables
    int m_visibleSeen = 0;
    qsizetype m_tables = 0;  // tables up to the one read
    QString m_name;
    bool m_found = false;
    QString m_style;         // the table style being read
    QStringList m_hiddenStyles;
    bool m_inTable = false;
    qint64 m_nextRow = 0;
};

} // namespace

std::unique_ptr<WorksheetSource> openOdsSheet(WorkbookArchive &archive, const QString &name, int ordinal)
{
    std::unique_ptr<QIODevice> entry = archive.openEntry(QStringLiteral("content.xml"));
    if (!entry)
        return nullptr;
    return std::make_unique<OdsSheet>(archive, std::move(entry), name, ordinal);
}

} // namespace tess
