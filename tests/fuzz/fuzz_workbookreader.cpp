// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a workbook: the reader must never crash, hang or read out of bounds, and
// must keep its promises about what it returns.
//
// The first byte chooses what the rest is: 0 the whole container (damaged ZIPs, odd
// entries), 1 the rows of an .xlsx worksheet, 2 the rows of an OpenDocument table (both
// put into a sound container, so that the XML itself is what varies).
//
// Checked for every input:
//  - the status is never CannotOpen; a refused workbook leaves no records;
//  - bytes without a container directory are no workbook: they are refused with a reason,
//    or read exactly as the CSV reader reads them (raw bytes may well hold x and y columns);
//  - a loaded sheet has x and y columns; width and height cover every record;
//  - no more records than a worksheet has rows;
//  - the same result through a device that cannot seek (copied first) as through one that can.

#include "../workbookfiles.h"
#include "../testhelpers.h"
#include "fuzzcheck.h"
#include "csv/sheetreader.h"
#include "workbook/workbookreader.h"
#include "workbook/worksheettext.h"

#include <QBuffer>

#include <climits>
#include <cstring>

using tess::PixelRecord;
using tess::PixelRecords;

namespace {

void checkResult(const tess::SheetInfo &info, const PixelRecords &records)
{
    CHECK(info.status != tess::Status::SheetCannotOpen);
    if (info.status != tess::Status::Done) {
        CHECK(records.empty());
        return;
    }
    CHECK(info.columns.x >= 0 && info.columns.y >= 0);
    CHECK(qint64(records.size()) < tess::WorksheetMaxRows);
    for (const PixelRecord &record : records) {
        CHECK(record.x < info.width || info.width == INT_MAX);
        CHECK(record.y < info.height || info.height == INT_MAX);
    }
}

bool sameInfo(const tess::SheetInfo &a, const tess::SheetInfo &b)
{
    return a.status == b.status && a.width == b.width && a.height == b.height && a.detail == b.detail
        && a.columns.x == b.columns.x && a.columns.y == b.columns.y && a.hasRgb == b.hasRgb
        && a.hasHsv == b.hasHsv;
}

// Refused as something else, or the CSV reader's reading of the same bytes.
void checkNotWorkbook(const QByteArray &bytes, const tess::SheetInfo &info, const PixelRecords &records)
{
    if (info.status == tess::Status::SheetNotValid && !info.detail.isEmpty())
        return;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    PixelRecords asText;
    const tess::SheetInfo textInfo = tess::readSheet(buffer, asText);
    CHECK(sameInfo(info, textInfo));
    CHECK(records == asText);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    QByteArray bytes;
    switch (data[0] % 3) {
    case 0:
        bytes = rest;
        break;
    case 1:
        bytes = xlsxWith(rest, "<si><t>x</t></si><si><t>y</t></si><si><t>r</t></si><si><t>12</t></si>");
        break;
    default:
        bytes = odsWith(rest);
        break;
    }

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    PixelRecords records;
    records.push_back(PixelRecord{ 1, 2, 3, 4, 5, 6, 7, 8, 9 }); // must be emptied first
    tess::isWorkbook(buffer);
    CHECK(buffer.pos() == 0);
    const tess::SheetInfo info = tess::readSpreadsheet(buffer, records);
    checkResult(info, records);
    if (!bytes.contains("PK\x05\x06"))
        checkNotWorkbook(bytes, info, records);

    Pipe pipe(bytes);
    PixelRecords piped;
    const tess::SheetInfo pipedInfo = tess::readSpreadsheet(pipe, piped);
    CHECK(sameInfo(info, pipedInfo));
    CHECK(records == piped);
    return 0;
}
