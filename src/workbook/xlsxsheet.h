// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worksheettext.h"

#include <QByteArray>

#include <memory>
#include <string_view>
#include <vector>

namespace tess {

class WorkbookArchive;
class WorkbookEntry;

// An .xlsx workbook's shared texts, as UTF-8, in the order cells refer to them.
struct SharedTexts
{
    QByteArray pool;
    std::vector<qsizetype> starts; // one per text, and the pool's end after the last

    QByteArrayView at(qsizetype index) const
    {
        return QByteArrayView(pool).sliced(starts[size_t(index)], starts[size_t(index) + 1] - starts[size_t(index)]);
    }
    qsizetype size() const { return qsizetype(starts.size()) - 1; }
};

// A sheet as the workbook lists it.
struct WorkbookSheet
{
    QString name;
    bool visible = true;
    bool worksheet = true; // not a chart sheet or the like
    QString part;          // .xlsx: the worksheet's part
};

// What a workbook says about its sheets, read before any of them.
struct WorkbookSheets
{
    bool ods = false;
    std::vector<WorkbookSheet> sheets; // .ods: none (its tables are found as it is read)
    int active = -1;                   // .xlsx: the sheet the workbook opens with
    QString activeName;                // .ods: the same, by name
    qsizetype odsTables = 0;           // .ods: how many tables its settings name
    bool fullCalcOnLoad = false;       // every formula is computed anew on opening
    QString stylesPart = QStringLiteral("xl/styles.xml");     // .xlsx: as the workbook's relationships name them
    QString themePart = QStringLiteral("xl/theme/theme1.xml");
    SharedTexts texts;
};

// A cell reference's row number, from 1 ("7" of "B7"); -1 when it is no number or past
// the worksheet's last row.
qint64 rowNumber(std::string_view digits);
// The column of a reference such as "B7", from 0; -1 when malformed or past XFD.
qint64 cellColumn(std::string_view reference);

// The rows of an .xlsx worksheet read from its open entry.
std::unique_ptr<WorksheetSource> makeXlsxRows(std::unique_ptr<WorkbookEntry> entry, SharedTexts texts,
                                              bool fullCalcOnLoad = false);

// Whether the open container holds the parts of an .xlsx or an .ods workbook at all.
bool holdsWorkbook(WorkbookArchive &archive);

// The sheets of an .xlsx (.xlsm) or .ods container; the reason when its parts cannot be
// read or it is no workbook.
Result readWorkbookSheets(WorkbookArchive &archive, WorkbookSheets &book);

// The .xlsx worksheet book.sheets[index], with its shared texts; the reason when its part
// cannot be opened.
Outcome<std::unique_ptr<WorksheetSource>> openXlsxSheet(WorkbookArchive &archive, const WorkbookSheets &book, int index);

// A table of an OpenDocument spreadsheet's content.xml: the one of that name when name
// is given, else the visible table of that ordinal. The reason as above.
Outcome<std::unique_ptr<WorksheetSource>> openOdsSheet(WorkbookArchive &archive, const QString &name, int ordinal);

// The first worksheet of whichever of the two the open container holds.
Outcome<std::unique_ptr<WorksheetSource>> openFirstWorksheet(WorkbookArchive &archive);

} // namespace tess
