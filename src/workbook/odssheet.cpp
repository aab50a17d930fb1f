#include "xlsxsheet.h"

#include "workbookzip.h"
#include "text/usertexts.h"

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

class OdsSheet : public WorksheetSource
{
public:
    OdsSheet(WorkbookArchive &archive, std::unique_ptr<QIODevice> entry)
        : m_archive(archive), m_entry(std::move(entry)), m_xml(m_entry.get())
    {
    }

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

    bool startElement(WorksheetText &text)
    {
        const QStringView name = m_xml.name();
        if (!m_inTable) {
            m_inTable = name == u"table";
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
            const QString value = readCell();
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
    QString readCell()
    {
        const QXmlStreamAttributes a = m_xml.attributes();
        const QStringView type = a.value(OfficeNs, QLatin1String("value-type"));
        const bool error = a.value(CalcExtNs, QLatin1String("value-type")) == u"error";
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
    bool m_inTable = false;
    qint64 m_nextRow = 0;
};

} // namespace

std::unique_ptr<WorksheetSource> openOdsSheet(WorkbookArchive &archive)
{
    std::unique_ptr<QIODevice> entry = archive.openEntry(QStringLiteral("content.xml"));
    if (!entry)
        return nullptr;
    return std::make_unique<OdsSheet>(archive, std::move(entry));
}

} // namespace tess
