#pragma once

#include "worksheettext.h"

#include <QByteArray>

#include <memory>
#include <vector>

class QIODevice;

namespace tess {

class WorkbookArchive;

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

// The rows of an .xlsx worksheet read from its open entry.
std::unique_ptr<WorksheetSource> makeXlsxRows(WorkbookArchive &archive, std::unique_ptr<QIODevice> entry,
                                              SharedTexts texts);

// The first worksheet of an .xlsx (or .xlsm) container, found through the package's
// relationships, with its shared texts loaded. Null, with the reason in archive.failure(),
// when the container holds no worksheet or its parts cannot be read.
std::unique_ptr<WorksheetSource> openXlsxSheet(WorkbookArchive &archive);

// The first table of an OpenDocument spreadsheet's content.xml. Null as above.
std::unique_ptr<WorksheetSource> openOdsSheet(WorkbookArchive &archive);

// The first worksheet of whichever of the two the open container holds.
std::unique_ptr<WorksheetSource> openFirstWorksheet(WorkbookArchive &archive);

} // namespace tess
