#include "xlsxsheet.h"

#include "workbookzip.h"

#include <QDir>
#include <QXmlStreamReader>

#include <vector>

namespace tess {

namespace {

// The shared texts may hold a note per row; far beyond that they are an attack on memory.
constexpr qsizetype SharedTextLimit = 64 << 20; // characters

struct Relationship
{
    QString id;
    QString type;
    QString target; // a path inside the container
};

// A relationship's target, relative to the folder of the part that names it.
QString resolvePart(const QString &folder, const QString &target)
{
    const QString path = target.startsWith(u'/') ? target.mid(1) : folder + target;
    return QDir::cleanPath(path);
}

QString folderOf(const QString &part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    return slash < 0 ? QString() : part.left(slash + 1);
}

QString xmlFailure(const WorkbookArchive &archive, const QXmlStreamReader &xml, const QString &part)
{
    if (!archive.failure().isEmpty())
        return archive.failure();
    return QStringLiteral("the workbook's part %1 is not well-formed XML (%2)").arg(part, xml.errorString());
}

// Reads a small part whole, calling visit for every start element; false when the part
// is missing or not well-formed.
template <class Visit>
bool readPart(WorkbookArchive &archive, const QString &part, Visit visit)
{
    const std::unique_ptr<QIODevice> entry = archive.openEntry(part);
    if (!entry)
        return false;
    QXmlStreamReader xml(entry.get());
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            visit(xml);
    }
    if (xml.hasError()) {
        archive.setFailure(xmlFailure(archive, xml, part));
        return false;
    }
    return true;
}

std::vector<Relationship> readRelationships(WorkbookArchive &archive, const QString &part,
                                            bool *ok)
{
    std::vector<Relationship> found;
    // "xl/_rels/workbook.xml.rels" speaks for "xl/workbook.xml": targets start from "xl/".
    QString folder = folderOf(part);
    if (folder.endsWith(QLatin1String("_rels/")))
        folder.chop(6);
    *ok = readPart(archive, part, [&](QXmlStreamReader &xml) {
        if (xml.name() != u"Relationship"
            || xml.attributes().value(QLatin1String("TargetMode")) == u"External")
            return;
        const QXmlStreamAttributes a = xml.attributes();
        found.push_back({ a.value(QLatin1String("Id")).toString(), a.value(QLatin1String("Type")).toString(),
                          resolvePart(folder, a.value(QLatin1String("Target")).toString()) });
    });
    return found;
}

// The text of a rich or plain text item (<si> or <is>): its <t> elements, without the
// phonetic guides (<rPh>) that East Asian workbooks add.
QString readTextItem(QXmlStreamReader &xml)
{
    QString text;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"t") {
            text += xml.readElementText();
        } else if (xml.name() == u"r") {
            while (xml.readNextStartElement()) {
                if (xml.name() == u"t")
                    text += xml.readElementText();
                else
                    xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    return text;
}

struct SharedTexts
{
    QString pool;
    std::vector<qsizetype> starts; // one per text, and the pool's end after the last

    QStringView at(qsizetype index) const
    {
        return QStringView(pool).mid(starts[size_t(index)], starts[size_t(index) + 1] - starts[size_t(index)]);
    }
    qsizetype size() const { return qsizetype(starts.size()) - 1; }
};

bool readSharedTexts(WorkbookArchive &archive, const QString &part, SharedTexts &texts)
{
    texts.starts.assign(1, 0);
    bool tooMuch = false;
    const bool read = readPart(archive, part, [&](QXmlStreamReader &xml) {
        if (xml.name() != u"si" || tooMuch)
            return;
        texts.pool += readTextItem(xml);
        texts.starts.push_back(texts.pool.size());
        tooMuch = texts.pool.size() > SharedTextLimit;
    });
    if (tooMuch)
        archive.setFailure(QStringLiteral("the workbook's shared texts hold more than 64 million characters"));
    return read && !tooMuch;
}

// A cell or row reference's number; -1 when it is no number or past the limit.
qint64 referenceNumber(QStringView digits, qint64 limit)
{
    qint64 value = 0;
    if (digits.isEmpty() || digits.size() > 8)
        return -1;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value >= 1 && value <= limit ? value : -1;
}

class XlsxSheet : public WorksheetSource
{
public:
    XlsxSheet(WorkbookArchive &archive, std::unique_ptr<QIODevice> entry, SharedTexts texts)
        : m_archive(archive), m_entry(std::move(entry)), m_xml(m_entry.get()), m_texts(std::move(texts))
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
                if (m_xml.name() == u"row" && !text.endRow(m_row))
                    return Step::Failed;
                if (m_xml.name() == u"sheetData")
                    return Step::End;
                break;
            case QXmlStreamReader::Invalid:
                text.fail(xmlFailure(m_archive, m_xml, QStringLiteral("worksheet")));
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
    bool startElement(WorksheetText &text)
    {
        const QStringView name = m_xml.name();
        if (name == u"c")
            return readCell(text);
        if (name == u"row") {
            const QStringView r = m_xml.attributes().value(QLatin1String("r"));
            m_row = r.isEmpty() ? m_row + 1 : referenceNumber(r, WorksheetMaxRows) - 1;
            m_column = -1;
            if (m_row < 0)
                return text.fail(QStringLiteral("a row lies past row 1,048,576, the last a worksheet has"));
        }
        return true;
    }

    bool readCell(WorksheetText &text)
    {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const QStringView reference = attributes.value(QLatin1String("r"));
        m_column = reference.isEmpty() ? m_column + 1 : cellColumn(reference);
        if (m_column < 0)
            return text.fail(QStringLiteral("a cell reference lies past the limits of a worksheet "
                                            "(row 1,048,576, column XFD)"));
        const QString type = attributes.value(QLatin1String("t")).toString();
        QString value;
        QString inlineText;
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"v")
                value = m_xml.readElementText();
            else if (m_xml.name() == u"is")
                inlineText = readTextItem(m_xml);
            else
                m_xml.skipCurrentElement();
        }
        if (m_xml.hasError())
            return text.fail(xmlFailure(m_archive, m_xml, QStringLiteral("worksheet")));
        if (type == u"inlineStr")
            return text.addCell(m_column, inlineText);
        if (type == u"b")
            return text.addCell(m_column, value.isEmpty() ? QString()
                                          : value == u"0" ? QStringLiteral("FALSE")
                                                          : QStringLiteral("TRUE"));
        if (type != u"s")
            return text.addCell(m_column, value);
        bool ok = false;
        const qsizetype index = value.toLongLong(&ok);
        if (!ok || index < 0 || index >= m_texts.size())
            return text.fail(QStringLiteral("a cell refers to a shared text that the workbook lacks"));
        return text.addCell(m_column, m_texts.at(index));
    }

    // The column of a reference such as "B7", from 0; -1 when malformed or past XFD.
    static qint64 cellColumn(QStringView reference)
    {
        qint64 column = 0;
        qsizetype letters = 0;
        while (letters < reference.size() && letters < 4 && reference[letters] >= u'A'
               && reference[letters] <= u'Z') {
            column = column * 26 + (reference[letters].unicode() - u'A' + 1);
            ++letters;
        }
        if (letters == 0 || column > WorksheetMaxColumns
            || referenceNumber(reference.mid(letters), WorksheetMaxRows) < 0)
            return -1;
        return column - 1;
    }

    WorkbookArchive &m_archive;
    std::unique_ptr<QIODevice> m_entry;
    QXmlStreamReader m_xml;
    SharedTexts m_texts;
    qint64 m_row = -1;
    qint64 m_column = -1;
};

bool endsWith(const QString &type, const char16_t *suffix)
{
    return type.endsWith(QStringView(suffix));
}

} // namespace

std::unique_ptr<WorksheetSource> openXlsxSheet(WorkbookArchive &archive)
{
    bool ok = true;
    QString workbook = QStringLiteral("xl/workbook.xml");
    const QString packageRels = QStringLiteral("_rels/.rels");
    if (archive.contains(packageRels)) {
        for (const Relationship &r : readRelationships(archive, packageRels, &ok)) {
            if (endsWith(r.type, u"/officeDocument"))
                workbook = r.target;
        }
        if (!ok)
            return nullptr;
    }
    QStringList sheetIds;
    if (!readPart(archive, workbook, [&](QXmlStreamReader &xml) {
            if (xml.name() != u"sheet")
                return;
            for (const QXmlStreamAttribute &a : xml.attributes()) {
                if (a.name() == u"id" && a.namespaceUri().endsWith(u"relationships"))
                    sheetIds.append(a.value().toString());
            }
        }))
        return nullptr;
    const QString rels = folderOf(workbook) + QStringLiteral("_rels/")
            + workbook.mid(folderOf(workbook).size()) + QStringLiteral(".rels");
    std::vector<Relationship> relationships;
    if (archive.contains(rels))
        relationships = readRelationships(archive, rels, &ok);
    if (!ok)
        return nullptr;
    QString sheet;
    QString shared;
    for (const QString &id : sheetIds) {
        for (const Relationship &r : relationships) {
            if (r.id == id && sheet.isEmpty() && endsWith(r.type, u"/worksheet"))
                sheet = r.target;
        }
    }
    for (const Relationship &r : relationships) {
        if (endsWith(r.type, u"/sharedStrings"))
            shared = r.target;
    }
    if (sheet.isEmpty()) {
        archive.setFailure(QStringLiteral("the workbook has no worksheet"));
        return nullptr;
    }
    SharedTexts texts;
    texts.starts.assign(1, 0);
    // A workbook without any text cell may name a shared-text part it never wrote.
    if (!shared.isEmpty() && archive.contains(shared) && !readSharedTexts(archive, shared, texts))
        return nullptr;
    std::unique_ptr<QIODevice> entry = archive.openEntry(sheet);
    if (!entry)
        return nullptr;
    return std::make_unique<XlsxSheet>(archive, std::move(entry), std::move(texts));
}

std::unique_ptr<WorksheetSource> openFirstWorksheet(WorkbookArchive &archive)
{
    if (archive.contains(QStringLiteral("[Content_Types].xml"))
        || archive.contains(QStringLiteral("xl/workbook.xml")))
        return openXlsxSheet(archive);
    if (archive.contains(QStringLiteral("content.xml")))
        return openOdsSheet(archive);
    archive.setFailure(QStringLiteral("the ZIP container holds no workbook"));
    return nullptr;
}

} // namespace tess
