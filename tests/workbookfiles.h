// SPDX-License-Identifier: GPL-3.0-or-later
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

#include <zlib.h>

using ZipEntries = QList<QPair<QString, QByteArray>>;

// bytes as a gzip file, as gzip writes it.
inline QByteArray gzipped(const QByteArray &bytes)
{
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&z, uLong(bytes.size()))), '\0');
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    z.avail_in = uInt(bytes.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    return out;
}

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

// An .xlsx of several sheets: "name|state|kind" with kind "chart" for a chart sheet,
// each worksheet with its sheetData; the workbook's view and calculation settings.
struct XlsxSheet
{
    QByteArray name;
    QByteArray state;     // "", "hidden"
    QByteArray sheetData; // null for a chart sheet
};

inline QByteArray xlsxBook(const QList<XlsxSheet> &sheets, int activeTab = -1, bool fullCalcOnLoad = false)
{
    const QByteArray rels = R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)";
    const QByteArray type = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    QByteArray list;
    QByteArray bookRels = rels;
    ZipEntries entries;
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        const XlsxSheet &sheet = sheets[i];
        const QByteArray id = "rId" + QByteArray::number(i + 1);
        const QByteArray part = (sheet.sheetData.isNull() ? "charts/c" : "worksheets/s") + QByteArray::number(i) + ".xml";
        list += "<sheet name=\"" + sheet.name + "\" sheetId=\"" + QByteArray::number(i + 1) + "\" r:id=\"" + id + "\""
                + (sheet.state.isEmpty() ? QByteArray() : " state=\"" + sheet.state + "\"") + "/>";
        bookRels += "<Relationship Id=\"" + id + "\" Type=\"" + type + (sheet.sheetData.isNull() ? "chartsheet" : "worksheet")
                + "\" Target=\"" + part + "\"/>";
        entries.append({ QString::fromLatin1("xl/" + part), sheet.sheetData.isNull() ? QByteArray("<chartsheet/>")
                                       : R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)" + sheet.sheetData + "</sheetData></worksheet>" });
    }
    const QByteArray view = activeTab < 0 ? QByteArray() : "<bookViews><workbookView activeTab=\"" + QByteArray::number(activeTab) + "\"/></bookViews>";
    const QByteArray calc = fullCalcOnLoad ? "<calcPr fullCalcOnLoad=\"1\"/>" : "";
    entries.append({ QStringLiteral("[Content_Types].xml"), QByteArray("<Types/>") });
    entries.append({ QStringLiteral("_rels/.rels"), rels + "<Relationship Id=\"rId1\" Type=\"" + type + "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>" });
    entries.append({ QStringLiteral("xl/workbook.xml"), R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
                                            + view + "<sheets>" + list + "</sheets>" + calc + "</workbook>" });
    entries.append({ QStringLiteral("xl/_rels/workbook.xml.rels"), bookRels + "</Relationships>" });
    return makeZip(entries);
}

// An .ods of the given tables (whole table:table elements), its table styles and the
// settings' active table.
inline QByteArray odsBook(const QByteArray &tables, const QByteArray &activeTable = {}, const QByteArray &styles = {})
{
    ZipEntries entries = {
        { "mimetype", "application/vnd.oasis.opendocument.spreadsheet" },
        { "content.xml",
          R"(<?xml version="1.0"?><office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
          R"(xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" )"
          R"(xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"><office:automatic-styles>)" + styles
          + "</office:automatic-styles><office:body><office:spreadsheet>" + tables + "</office:spreadsheet></office:body></office:document-content>" },
    };
    if (!activeTable.isEmpty())
        entries.append({ QStringLiteral("settings.xml"), QByteArray(R"(<office:document-settings xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:config="urn:oasis:names:tc:opendocument:xmlns:config:1.0"><config:config-item config:name="ActiveTable" config:type="string">)"
                                             ) + activeTable + "</config:config-item></office:document-settings>" });
    return makeZip(entries);
}

// A table of float cells, or of text cells for values starting with a letter.
inline QByteArray odsTable(const QByteArray &name, const QList<QList<QByteArray>> &rows, const QByteArray &style = {})
{
    QByteArray xml = "<table:table table:name=\"" + name + "\"" + (style.isEmpty() ? QByteArray() : " table:style-name=\"" + style + "\"") + ">";
    for (const QList<QByteArray> &row : rows) {
        xml += "<table:table-row>";
        for (const QByteArray &cell : row) {
            if (cell.isEmpty())
                xml += "<table:table-cell/>";
            else if (cell.startsWith('<'))
                xml += cell;
            else if ((cell[0] >= '0' && cell[0] <= '9') || cell[0] == '-')
                xml += "<table:table-cell office:value-type=\"float\" office:value=\"" + cell + "\"/>";
            else
                xml += "<table:table-cell office:value-type=\"string\"><text:p>" + cell + "</text:p></table:table-cell>";
        }
        xml += "</table:table-row>";
    }
    return xml + "</table:table>";
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
