// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbookwriter.h"
#include "xmlbuffer.h"
#include "zipentry.h"

#include "csv/sheetwriter.h"
#include "text/usertexts.h"

#include <QIODevice>
#include <QLocale>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <cstring>

namespace tess {

namespace {

// The package parts around the worksheet: the fewest that Excel, Calc and the common
// readers need to find one worksheet (no styles, themes or document properties).
constexpr char ContentTypes[] =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        "\n"
        R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
        R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
        R"(<Default Extension="xml" ContentType="application/xml"/>)"
        R"(<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)"
        R"(<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>)"
        R"(</Types>)";

constexpr char PackageRels[] =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        "\n"
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>)"
        R"(</Relationships>)";

constexpr char Workbook[] =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        "\n"
        R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
        R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
        R"(<sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets></workbook>)";

constexpr char WorkbookRels[] =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        "\n"
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
        R"(</Relationships>)";

// The header row is frozen: it stays in view while a class scrolls through a million rows.
constexpr char SheetStart[] =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        "\n"
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
        R"(<sheetViews><sheetView tabSelected="1" workbookViewId="0">)"
        R"(<pane ySplit="1" topLeftCell="A2" activePane="bottomLeft" state="frozen"/>)"
        R"(<selection pane="bottomLeft"/></sheetView></sheetViews><sheetData>)";

constexpr char SheetEnd[] = "</sheetData></worksheet>";

// Compression level 1: a million records give 165 MB of XML, which this level packs into
// 30 MB in 0.9 s of processor time; the default level (6) takes 3.0 s for 22 MB, more than
// the whole save may take.
constexpr int CompressionLevel = 1;

// One row's text at most: the row element and five cells of 32-bit numbers.
constexpr qsizetype LongestRow = 256;

// The header row: the model's column names as inline text cells in columns A to E.
void writeHeaderRow(XmlBuffer &out, ColourModel model)
{
    const QList<QByteArray> names = sheetHeader(model).trimmed().split(',');
    out.append(R"(<row r="1">)");
    for (qsizetype column = 0; column < names.size(); ++column) {
        out.append(R"(<c r=")");
        out.appendText(QByteArray(1, char('A' + column)));
        out.append(R"(1" t="inlineStr"><is><t>)");
        out.appendText(names[column]);
        out.append("</t></is></c>");
    }
    out.append("</row>");
}

bool writeSheetXml(QIODevice &entry, const PixelRecords &records, ColourModel model)
{
    XmlBuffer out(entry);
    out.append(SheetStart);
    writeHeaderRow(out, model);

    using Component = int32_t PixelRecord::*;
    const ModelColumns colours = modelColumns(model);
    const Component fields[5] = { &PixelRecord::x, &PixelRecord::y,
                                  colours.member[0], colours.member[1], colours.member[2] };
    int64_t row = 2;
    for (const PixelRecord &record : records) {
        if (!out.reserve(LongestRow))
            return false;
        out.append(R"(<row r=")");
        out.appendNumber(row);
        out.append(R"(">)");
        for (int column = 0; column < 5; ++column) {
            const char cellStart[] = { '<', 'c', ' ', 'r', '=', '"', char('A' + column) };
            out.append(cellStart, sizeof cellStart);
            out.appendNumber(row);
            out.append(R"("><v>)");
            out.appendNumber(record.*fields[column]);
            out.append("</v></c>");
        }
        out.append("</row>");
        ++row;
    }
    return out.reserve(LongestRow) && (out.append(SheetEnd), out.flush());
}

// One entry of the package; the whole text when given, else the worksheet.
bool writeEntry(QuaZip &zip, const char *name, const char *text, const PixelRecords *records,
                ColourModel model, const StopFlag *stop)
{
    QuaZipFile entry(&zip);
    if (!beginZipEntry(entry, name, Z_DEFLATED, CompressionLevel, stop))
        return false;
    const bool written = records ? writeSheetXml(entry, *records, model)
                                 : entry.write(text, qint64(std::strlen(text))) == qint64(std::strlen(text));
    entry.close();
    return written && entry.getZipError() == ZIP_OK;
}

Result deviceError(const QIODevice &device)
{
    const QString reason = device.errorString();
    return outcome(Status::SheetNotSaved, reason.isEmpty() || reason == QLatin1String("Unknown error")
                                                  ? userText(Text::DataNotWritten)
                                                  : reason);
}

} // namespace

Result writeWorkbook(QIODevice &device, const PixelRecords &records, ColourModel model, const StopFlag *stop)
{
    if (qsizetype(records.size()) > WorkbookMaxRecords) {
        QLocale grouped = QLocale::c();
        grouped.setNumberOptions(QLocale::DefaultNumberOptions);
        return outcome(Status::SheetNotSaved, userText(Text::TooManyPixelsForWorkbook)
                                                      .arg(grouped.toString(WorkbookMaxRecords),
                                                           grouped.toString(qint64(records.size()))));
    }
    // The caller owns the device (a QSaveFile must not be closed, only committed).
    QuaZip zip(&device);
    zip.setAutoClose(false);
    if (!zip.open(QuaZip::mdCreate))
        return deviceError(device);
    const bool written = writeEntry(zip, "[Content_Types].xml", ContentTypes, nullptr, model, stop)
            && writeEntry(zip, "_rels/.rels", PackageRels, nullptr, model, stop)
            && writeEntry(zip, "xl/workbook.xml", Workbook, nullptr, model, stop)
            && writeEntry(zip, "xl/_rels/workbook.xml.rels", WorkbookRels, nullptr, model, stop)
            && writeEntry(zip, "xl/worksheets/sheet1.xml", nullptr, &records, model, stop);
    zip.close();
    if (!written || zip.getZipError() != ZIP_OK)
        return deviceError(device);
    return Result{};
}

} // namespace tess
