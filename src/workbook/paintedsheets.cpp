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
    const std::unique_ptr<QIODevice> entry = archive.contains(name) ? archive.openEntry(name) : nullptr;
    return entry ? entry->read(StylesPartLimit + 1) : QByteArray();
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
        std::unique_ptr<QIODevice> entry = archive.openEntry(book.sheets[size_t(i)].part);
        // Inflated on a thread of its own while the parser reads, as the sheet's rows are.
        std::unique_ptr<ReadAheadDevice> inflated = entry ? std::make_unique<ReadAheadDevice>(std::move(entry)) : nullptr;
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
    if (const std::unique_ptr<QIODevice> entry = archive.contains(QStringLiteral("styles.xml"))
                ? archive.openEntry(QStringLiteral("styles.xml")) : nullptr) {
        QXmlStreamReader xml(entry.get());
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"style")
                named.take(xml);
        }
    }
    for (const QString &table : tables) {
        const std::unique_ptr<QIODevice> content = archive.openEntry(QStringLiteral("content.xml"));
        SheetInfo painted;
        if (content && readOdsPaintedCells(*content, named, table, out, painted)) {
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
