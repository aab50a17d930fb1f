// SPDX-License-Identifier: GPL-3.0-or-later
#include "xlsxsheet.h"

#include "io/readahead.h"
#include "workbookzip.h"
#include "text/usertexts.h"

#include <QDir>
#include <QXmlStreamReader>

#include <vector>

namespace tess {

namespace {

// The shared texts may hold a note per row; far beyond that they are an attack on memory.
constexpr qsizetype SharedTextLimit = 64 << 20; // bytes of UTF-8

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
    return userText(Text::PartNotWellFormed).arg(part, xml.errorString());
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

bool readSharedTexts(WorkbookArchive &archive, const QString &part, SharedTexts &texts)
{
    texts.starts.assign(1, 0);
    bool tooMuch = false;
    const bool read = readPart(archive, part, [&](QXmlStreamReader &xml) {
        if (xml.name() != u"si" || tooMuch)
            return;
        texts.pool += readTextItem(xml).toUtf8();
        texts.starts.push_back(texts.pool.size());
        tooMuch = texts.pool.size() > SharedTextLimit;
    });
    if (tooMuch)
        archive.setFailure(userText(Text::SharedTextsTooLong));
    return read && !tooMuch;
}

bool endsWith(const QString &type, const char16_t *suffix)
{
    return type.endsWith(QStringView(suffix));
}

} // namespace

namespace {

QString workbookPart(WorkbookArchive &archive, bool &ok)
{
    QString workbook = QStringLiteral("xl/workbook.xml");
    const QString packageRels = QStringLiteral("_rels/.rels");
    if (archive.contains(packageRels)) {
        for (const Relationship &r : readRelationships(archive, packageRels, &ok)) {
            if (endsWith(r.type, u"/officeDocument"))
                workbook = r.target;
        }
    }
    return workbook;
}

bool readXlsxSheets(WorkbookArchive &archive, WorkbookSheets &book)
{
    bool ok = true;
    const QString workbook = workbookPart(archive, ok);
    if (!ok)
        return false;
    struct Listed { QString name; QString id; bool visible; };
    std::vector<Listed> listed;
    if (!readPart(archive, workbook, [&](QXmlStreamReader &xml) {
            const QXmlStreamAttributes a = xml.attributes();
            if (xml.name() == u"workbookView" && book.active < 0)
                book.active = a.hasAttribute(QLatin1String("activeTab")) ? a.value(QLatin1String("activeTab")).toInt() : 0;
            if (xml.name() == u"calcPr") {
                const QStringView full = a.value(QLatin1String("fullCalcOnLoad"));
                book.fullCalcOnLoad = full == u"1" || full == u"true";
            }
            if (xml.name() != u"sheet")
                return;
            const QStringView state = a.value(QLatin1String("state"));
            Listed sheet{ a.value(QLatin1String("name")).toString(), {}, state != u"hidden" && state != u"veryHidden" };
            for (const QXmlStreamAttribute &attribute : a) {
                if (attribute.name() == u"id" && attribute.namespaceUri().endsWith(u"relationships"))
                    sheet.id = attribute.value().toString();
            }
            listed.push_back(sheet);
        }))
        return false;
    const QString rels = folderOf(workbook) + QStringLiteral("_rels/")
            + workbook.mid(folderOf(workbook).size()) + QStringLiteral(".rels");
    std::vector<Relationship> relationships;
    if (archive.contains(rels))
        relationships = readRelationships(archive, rels, &ok);
    if (!ok)
        return false;
    QString shared;
    for (const Relationship &r : relationships) {
        if (endsWith(r.type, u"/sharedStrings"))
            shared = r.target;
        else if (endsWith(r.type, u"/styles") && archive.contains(r.target))
            book.stylesPart = r.target;
        else if (endsWith(r.type, u"/theme") && archive.contains(r.target))
            book.themePart = r.target;
    }
    for (const Listed &sheet : listed) {
        WorkbookSheet entry{ sheet.name, sheet.visible, false, {} };
        for (const Relationship &r : relationships) {
            if (r.id == sheet.id && endsWith(r.type, u"/worksheet")) {
                entry.worksheet = true;
                entry.part = r.target;
            }
        }
        book.sheets.push_back(entry);
    }
    book.texts.starts.assign(1, 0);
    // A workbook without any text cell may name a shared-text part it never wrote.
    return shared.isEmpty() || !archive.contains(shared) || readSharedTexts(archive, shared, book.texts);
}

// The active table and how many tables the settings of an .ods name; both optional.
void readOdsSettings(WorkbookArchive &archive, WorkbookSheets &book)
{
    const QString settings = QStringLiteral("settings.xml");
    if (!archive.contains(settings))
        return;
    int tablesDepth = -1;
    const std::unique_ptr<QIODevice> entry = archive.openEntry(settings);
    if (!entry)
        return;
    QXmlStreamReader xml(entry.get());
    int depth = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && depth-- == tablesDepth)
            tablesDepth = -1;
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        const QStringView name = xml.attributes().value(QLatin1String("config:name"));
        if (xml.name() == u"config-item-map-named" && name == u"Tables")
            tablesDepth = depth;
        else if (xml.name() == u"config-item-map-entry" && depth == tablesDepth + 1 && tablesDepth >= 0)
            ++book.odsTables;
        else if (xml.name() == u"config-item" && name == u"ActiveTable" && book.activeName.isEmpty())
            book.activeName = xml.readElementText();
    }
}

} // namespace

bool holdsWorkbook(WorkbookArchive &archive)
{
    return archive.contains(QStringLiteral("[Content_Types].xml")) || archive.contains(QStringLiteral("xl/workbook.xml"))
           || archive.contains(QStringLiteral("content.xml"));
}

bool readWorkbookSheets(WorkbookArchive &archive, WorkbookSheets &book)
{
    if (archive.contains(QStringLiteral("[Content_Types].xml")) || archive.contains(QStringLiteral("xl/workbook.xml")))
        return readXlsxSheets(archive, book);
    if (archive.contains(QStringLiteral("content.xml"))) {
        book.ods = true;
        // A password encrypts the parts, which the manifest says how to decrypt.
        const QString manifest = QStringLiteral("META-INF/manifest.xml");
        bool encrypted = false;
        if (archive.contains(manifest) && !readPart(archive, manifest, [&](QXmlStreamReader &xml) {
                encrypted |= xml.name() == u"encryption-data";
            }))
            return false;
        if (encrypted) {
            archive.setFailure(userText(Text::PasswordProtectedWorkbook));
            return false;
        }
        readOdsSettings(archive, book);
        return true;
    }
    archive.setFailure(userText(Text::NoWorkbookInZip));
    return false;
}

std::unique_ptr<WorksheetSource> openXlsxSheet(WorkbookArchive &archive, const WorkbookSheets &book, int index)
{
    std::unique_ptr<QIODevice> entry = archive.openEntry(book.sheets[size_t(index)].part);
    if (!entry)
        return nullptr;
    // Inflating takes a tenth of the reading: it runs on a thread of its own.
    return makeXlsxRows(archive, std::make_unique<ReadAheadDevice>(std::move(entry)), book.texts, book.fullCalcOnLoad);
}

std::unique_ptr<WorksheetSource> openFirstWorksheet(WorkbookArchive &archive)
{
    WorkbookSheets book;
    if (!readWorkbookSheets(archive, book))
        return nullptr;
    if (book.ods)
        return openOdsSheet(archive, {}, 0);
    for (size_t i = 0; i < book.sheets.size(); ++i) {
        if (book.sheets[i].worksheet)
            return openXlsxSheet(archive, book, int(i));
    }
    archive.setFailure(userText(Text::NoWorksheet));
    return nullptr;
}

} // namespace tess
