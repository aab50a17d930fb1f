// SPDX-License-Identifier: GPL-3.0-or-later
#include "paintedsheets.h"

#include "odspainted.h"
#include "odsstyles.h"
#include "paintedcells.h"
#include "xlsxstyles.h"
#include "io/readahead.h"

#include <QXmlStreamReader>

#include <memory>

namespace tess {

namespace {

QByteArray wholeEntry(WorkbookArchive &archive, const QString &name)
{
    const Outcome<std::unique_ptr<WorkbookEntry>> entry = archive.openEntry(name);
    return entry.ok() ? entry.value()->read(StylesPartLimit + 1) : QByteArray();
}

} // namespace

bool readPaintedSheet(WorkbookArchive &archive, const WorkbookSheets &book, const std::vector<int> &order,
                      PixelRecords &out, SheetInfo &info)
{
    XlsxStyles styles;
    QString why;
    const QByteArray stylesText = wholeEntry(archive, book.stylesPart);
    if (stylesText.isEmpty() || stylesText.size() > StylesPartLimit
        || !readXlsxStyles(stylesText, wholeEntry(archive, book.themePart), styles, why))
        return false;
    for (const int i : order) {
        Outcome<std::unique_ptr<WorkbookEntry>> entry = archive.openEntry(book.sheets[size_t(i)].part);
        // Inflated on a thread of its own while the parser reads, as the sheet's rows are.
        std::unique_ptr<ReadAheadDevice> inflated
                = entry.ok() ? std::make_unique<ReadAheadDevice>(std::move(entry).value()) : nullptr;
        SheetInfo painted;
        if (inflated && readPaintedCells(*inflated, styles, out, painted, &book.texts)) {
            painted.worksheetName = book.sheets[size_t(i)].name;
            if (book.sheets.size() > 1)
                painted.sheetName = painted.worksheetName;
            info = painted;
            return true;
        }
    }
    return false;
}

bool readOdsPaintedSheet(WorkbookArchive &archive, const QStringList &tables, PixelRecords &out, SheetInfo &info)
{
    OdsCellStyles named;
    if (const Outcome<std::unique_ptr<WorkbookEntry>> entry = archive.openEntry(QStringLiteral("styles.xml")); entry.ok()) {
        QXmlStreamReader xml(entry.value().get());
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"style")
                named.take(xml);
        }
    }
    for (const QString &table : tables) {
        const Outcome<std::unique_ptr<WorkbookEntry>> content = archive.openEntry(QStringLiteral("content.xml"));
        SheetInfo painted;
        if (content.ok() && readOdsPaintedCells(*content.value(), named, table, out, painted)) {
            painted.worksheetName = table;
            info = painted;
            return true;
        }
    }
    return false;
}

bool covers(const SheetInfo &painted, const SheetInfo &grid)
{
    return painted.gridOrigin.column <= grid.gridOrigin.column && painted.gridOrigin.row <= grid.gridOrigin.row
           && painted.gridOrigin.column + painted.width >= grid.gridOrigin.column + grid.width
           && painted.gridOrigin.row + painted.height >= grid.gridOrigin.row + grid.height;
}

} // namespace tess
