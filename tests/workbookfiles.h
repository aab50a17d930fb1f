#pragma once

// Small workbooks built at test time: the fewest parts a reader needs, around the XML
// a case gives, so that each case shows the one construct it is about.

#include <QBuffer>
#include <QByteArray>
#include <QList>
#include <QPair>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

using ZipEntries = QList<QPair<QString, QByteArray>>;

inline QByteArray makeZip(const ZipEntries &entries, const char *password = nullptr)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QuaZip zip(&buffer);
    zip.open(QuaZip::mdCreate);
    for (const auto &[name, content] : entries) {
        QuaZipFile file(&zip);
        file.open(QIODevice::WriteOnly, QuaZipNewInfo(name), password, 0, Z_DEFLATED, 9);
        file.write(content);
        file.close();
    }
    zip.close();
    return bytes;
}

inline QByteArray xlsxWith(const QByteArray &sheetData, const QByteArray &sharedStrings = {})
{
    const QByteArray rels = R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)";
    const QByteArray type = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    ZipEntries entries = {
        { "[Content_Types].xml", R"(<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>)" },
        { "_rels/.rels", rels + R"(<Relationship Id="rId1" Type=")" + type + R"(officeDocument" Target="xl/workbook.xml"/></Relationships>)" },
        { "xl/workbook.xml", R"(<?xml version="1.0"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="A" sheetId="1" r:id="rId7"/></sheets></workbook>)" },
        { "xl/_rels/workbook.xml.rels", rels + R"(<Relationship Id="rId7" Type=")" + type + R"(worksheet" Target="/xl/worksheets/data.xml"/><Relationship Id="rId8" Type=")" + type + R"(sharedStrings" Target="strings.xml"/></Relationships>)" },
        { "xl/worksheets/data.xml", R"(<?xml version="1.0"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)" + sheetData + "</sheetData></worksheet>" },
    };
    if (!sharedStrings.isNull())
        entries.append({ "xl/strings.xml", R"(<?xml version="1.0"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)" + sharedStrings + "</sst>" });
    return makeZip(entries);
}

inline QByteArray odsWith(const QByteArray &tableContent)
{
    return makeZip({
        { "mimetype", "application/vnd.oasis.opendocument.spreadsheet" },
        { "content.xml",
          R"(<?xml version="1.0"?><office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
          R"(xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" )"
          R"(xmlns:calcext="urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0">)"
          R"(<office:body><office:spreadsheet><table:table table:name="A"><table:table-column table:number-columns-repeated="5"/>)"
          + tableContent + "</table:table><table:table table:name=\"B\"><table:table-row><table:table-cell office:value-type=\"float\" office:value=\"9\"/></table:table-row></table:table></office:spreadsheet></office:body></office:document-content>" },
    });
}

// A row of numbers or texts: "n:5" a number, "s:0" a shared text, "i:x" an inline text,
// "" an empty cell (left out); cell references are written.
inline QByteArray xlsxRow(int row, const QList<QByteArray> &cells)
{
    QByteArray xml = "<row r=\"" + QByteArray::number(row) + "\">";
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const QByteArray &cell = cells[i];
        if (cell.isEmpty())
            continue;
        const QByteArray ref = QByteArray(1, char('A' + i)) + QByteArray::number(row);
        const QByteArray value = cell.mid(2);
        if (cell.startsWith("n:"))
            xml += "<c r=\"" + ref + "\"><v>" + value + "</v></c>";
        else if (cell.startsWith("s:"))
            xml += "<c r=\"" + ref + "\" t=\"s\"><v>" + value + "</v></c>";
        else
            xml += "<c r=\"" + ref + "\" t=\"inlineStr\"><is><t>" + value + "</t></is></c>";
    }
    return xml + "</row>";
}
