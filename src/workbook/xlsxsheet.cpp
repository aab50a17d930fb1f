// SPDX-License-Identifier: GPL-3.0-or-later
#include "xlsxsheet.h"

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

// A part that ends as no well-formed XML: cut short by its entry's own failure, which is
// the reason then, or malformed.
Result xmlFailure(const WorkbookEntry &entry, const QXmlStreamReader &xml, const QString &part)
{
    if (!entry.result().ok())
        return entry.result();
    return workbookRefused(userText(Text::PartNotWellFormed).arg(part, xml.errorString()));
}

// Reads a small part whole, calling visit for every start element; the reason when the
// part is missing or not well-formed.
template <class Visit>
Result readPart(WorkbookArchive &archive, const QString &part, Visit visit)
{
    const Outcome<std::unique_ptr<WorkbookEntry>> entry = archive.openEntry(part);
    if (!entry.ok())
        return entry.result();
    QXmlStreamReader xml(entry.value().get());
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            visit(xml);
    }
    return xml.hasError() ? xmlFailure(*entry.value(), xml, part) : Result{};
}

std::vector<Relationship> readRelationships(WorkbookArchive &archive, const QString &part, Result &read)
{
    std::vector<Relationship> found;
    // "xl/_rels/workbook.xml.rels" speaks for "xl/workbook.xml": targets start from "xl/".
    QString folder = folderOf(part);
    if (folder.endsWith(QLatin1String("_rels/")))
        folder.chop(6);
    read = readPart(archive, part, [&](QXmlStreamReader &xml) {
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

Result readSharedTexts(WorkbookArchive &archive, const QString &part, SharedTexts &texts)
{
    texts.starts.assign(1, 0);
    bool tooMuch = false;
    const Result read = readPart(archive, part, [&](QXmlStreamReader &xml) {
        if (xml.name() != u"si" || tooMuch)
            return;
        texts.pool += readTextItem(xml).toUtf8();
        texts.starts.push_back(texts.pool.size());
        tooMuch = texts.pool.size() > SharedTextLimit;
    });
    if (!read.ok())
        return read;
    return tooMuch ? workbookRefused(userText(Text::SharedTextsTooLong)) : Result{};
}

bool endsWith(const QString &type, const char16_t *suffix)
{
    return type.endsWith(QStringView(suffix));
}

} // namespace

namespace {

QString workbookPart(WorkbookArchive &archive, Result &read)
{
    QString workbook = QStringLiteral("xl/workbook.xml");
    const QString packageRels = QStringLiteral("_rels/.rels");
    if (archive.contains(packageRels)) {
        for (const Relationship &r : readRelationships(archive, packageRels, read)) {
            if (endsWith(r.type, u"/officeDocument"))
                workbook = r.target;
        }
    }
    return workbook;
}

Result readXlsxSheets(WorkbookArchive &archive, WorkbookSheets &book)
{
    Result read;
    const QString workbook = workbookPart(archive, read);
    if (!read.ok())
        return read;
    struct Listed { QString name; QString id; bool visible; };
    std::vector<Listed> listed;
    read = readPart(archive, workbook, [&](QXmlStreamReader &xml) {
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
        });
    if (!read.ok())
        return read;
    const QString rels = folderOf(workbook) + QStringLiteral("_rels/")
            + workbook.mid(folderOf(workbook).size()) + QStringLiteral(".rels");
    std::vector<Relationship> relationships;
    if (archive.contains(rels))
        relationships = readRelationships(archive, rels, read);
    if (!read.ok())
        return read;
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
    if (shared.isEmpty() || !archive.contains(shared))
        return {};
    return readSharedTexts(archive, shared, book.texts);
}

// The active table and how many tables the settings of an .ods name; both optional.
void readOdsSettings(WorkbookArchive &archive, WorkbookSheets &book)
{
    const QString settings = QStringLiteral("settings.xml");
    if (!archive.contains(settings))
        return;
    int tablesDepth = -1;
    const Outcome<std::unique_ptr<WorkbookEntry>> entry = archive.openEntry(settings);
    if (!entry.ok())
        return;
    QXmlStreamReader xml(entry.value().get());
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

Result readWorkbookSheets(WorkbookArchive &archive, WorkbookSheets &book)
{
    if (archive.contains(QStringLiteral("[Content_Types].xml")) || archive.contains(QStringLiteral("xl/workbook.xml")))
        return readXlsxSheets(archive, book);
    if (archive.contains(QStringLiteral("content.xml"))) {
        book.ods = true;
        // A password encrypts the parts, which the manifest says how to decrypt.
        const QString manifest = QStringLiteral("META-INF/manifest.xml");
        bool encrypted = false;
        if (archive.contains(manifest)) {
            const Result read = readPart(archive, manifest, [&](QXmlStreamReader &xml) {
                encrypted |= xml.name() == u"encryption-data";
            });
            if (!read.ok())
                return read;
        }
        if (encrypted)
            return workbookRefused(userText(Text::PasswordProtectedWorkbook));
        readOdsSettings(archive, book);
        return {};
    }
    return workbookRefused(userText(Text::NoWorkbookInZip));
}

Outcome<std::unique_ptr<WorksheetSource>> openXlsxSheet(WorkbookArchive &archive, const WorkbookSheets &book, int index)
{
    Outcome<std::unique_ptr<WorkbookEntry>> entry = archive.openEntry(book.sheets[size_t(index)].part);
    if (!entry.ok())
        return entry.result();
    return makeXlsxRows(std::move(entry).value(), book.texts, book.fullCalcOnLoad);
}

Outcome<std::unique_ptr<WorksheetSource>> openFirstWorksheet(WorkbookArchive &archive)
{
    WorkbookSheets book;
    if (const Result read = readWorkbookSheets(archive, book); !read.ok())
        return read;
    if (book.ods)
        return openOdsSheet(archive, {}, 0);
    for (size_t i = 0; i < book.sheets.size(); ++i) {
        if (book.sheets[i].worksheet)
            return openXlsxSheet(archive, book, int(i));
    }
    return workbookRefused(userText(Text::NoWorksheet));
}

} // namespace tess
