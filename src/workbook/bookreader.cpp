// SPDX-License-Identifier: GPL-3.0-or-later
// Which sheet of a workbook holds the picture: a pixel list, a picture-shaped sheet, a grid
// of values, three channel sheets or painted cells, tried in that order on the sheets a
// reader would look at first.
#include "bookreader.h"

#include "channelsheets.h"
#include "paintedsheets.h"
#include "worksheettext.h"
#include "xlsxsheet.h"
#include "text/usertexts.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tess {

SheetInfo sheetRefused(const QString &why)
{
    return sheetRefused(workbookRefused(why));
}

SheetInfo sheetRefused(const Result &why)
{
    SheetInfo info;
    info.status = why.status;
    info.detail = why.detail;
    return info;
}

namespace {

struct SheetRead
{
    SheetInfo info;
    bool failed = false;   // the worksheet was refused: info says why
    bool found = true;     // the table asked for is there (.ods)
    QString name;          // .ods: the table's name, once read
    qsizetype tablesSeen = 1;
};

using OpenSource = std::function<Outcome<std::unique_ptr<WorksheetSource>>()>;

SheetRead readOneSheet(WorkbookArchive &archive, const OpenSource &open, PixelRecords &out,
                       const ReadProgress &progress, const SheetOptions &options)
{
    SheetRead result;
    for (const bool sorted : { false, true }) {
        Outcome<std::unique_ptr<WorksheetSource>> source = open();
        if (!source.ok()) {
            result.failed = true;
            result.info = sheetRefused(source.result());
            return result;
        }
        WorksheetDevice text(std::move(source).value(), sorted);
        ReadProgress position;
        if (progress)
            position = [&](qint64) { progress(archive.position()); };
        result.info = readWorksheetText(text, out, position, options);
        text.finish();
        result.found = text.source().found();
        result.name = text.source().name();
        result.tablesSeen = text.source().tablesSeen();
        result.info.formulasWithoutResult = text.text().formulasWithoutResult();
        if (text.result().ok())
            return result;
        out.clear();
        if (!text.text().rowsOutOfOrder() || sorted) {
            result.failed = true;
            result.info = sheetRefused(text.result());
            return result;
        }
    }
    return result;
}

// Whether the sheet read has the pixel sheet's x and y columns: else the next is tried.
bool hasPosition(const SheetRead &read)
{
    return read.failed || (read.info.columns.x >= 0 && read.info.columns.y >= 0);
}

QString quotedNames(const QStringList &names)
{
    QStringList quoted;
    for (const QString &name : names)
        quoted << u'\'' + name + u'\'';
    return quoted.join(QStringLiteral(", "));
}

// Codes typed into a grid and coloured by conditional formatting are the picture the colours
// show, not a grid of grey values: where the painted cells cover the grid read, they win.
SheetInfo preferPainted(WorkbookArchive &archive, const SheetInfo &grid, PixelRecords &out)
{
    if (grid.status != Status::Done || grid.grid == GridReading::None || grid.grid == GridReading::Painted
        || grid.worksheetName.isEmpty())
        return grid;
    PixelRecords records;
    SheetInfo painted;
    if (!readOdsPaintedSheet(archive, { grid.worksheetName }, records, painted))
        return grid;
    if (!covers(painted, grid))
        return grid;
    painted.sheetName = grid.sheetName;
    out = std::move(records);
    return painted;
}

// Each table is found by reading the content from its start: a workbook of thousands of
// tables without a pixel sheet must not take that many times its whole length.
constexpr int MaxOdsTablesTried = 64;

// Tables named for a channel that read as a grid, or fail to, may be one of three.
std::optional<SheetInfo> readOdsChannels(WorkbookArchive &archive, const QStringList &tables, PixelRecords &out,
                                         const ReadProgress &progress)
{
    if (std::none_of(tables.begin(), tables.end(), [](const QString &table) { return channelOfName(table) >= 0; }))
        return std::nullopt;
    const auto channels = channelSheets(odsTableNames(archive));
    if (!channels)
        return std::nullopt;
    const SheetByName read = [&](const QString &name, PixelRecords &records, const SheetOptions &channel) {
        return readOneSheet(archive, [&] { return openOdsSheet(archive, name, 0); }, records, progress, channel).info;
    };
    return readChannelSheets(*channels, read, out);
}

} // namespace

// The active sheet if it is a visible worksheet with x and y, else the first visible one
// that has them. The sheet's name is told when there are others.
SheetInfo readXlsxBook(WorkbookArchive &archive, const WorkbookSheets &book, PixelRecords &out,
                       const ReadProgress &progress, const SheetOptions &options)
{
    std::vector<int> order;
    const int count = int(book.sheets.size());
    const auto usable = [&](int i) { return i >= 0 && i < count && book.sheets[size_t(i)].visible && book.sheets[size_t(i)].worksheet; };
    if (usable(book.active))
        order.push_back(book.active);
    for (int i = 0; i < count; ++i) {
        if (usable(i) && i != book.active)
            order.push_back(i);
    }
    if (order.empty())
        return sheetRefused(userText(Text::NoWorksheet));
    QStringList names;
    for (const int i : order)
        names << book.sheets[size_t(i)].name;
    // Sheets named for the channels, tried once one of them reads as a grid or none of
    // the sheets holds a pixel list.
    const auto channels = [&](const QStringList &tried) -> std::optional<SheetInfo> {
        const auto three = channelSheets(names);
        if (!three || std::none_of(tried.begin(), tried.end(), [](const QString &n) { return channelOfName(n) >= 0; }))
            return std::nullopt;
        const SheetByName read = [&](const QString &name, PixelRecords &records, const SheetOptions &channel) {
            const int i = order[size_t(names.indexOf(name))];
            return readOneSheet(archive, [&] { return openXlsxSheet(archive, book, i); }, records, progress, channel).info;
        };
        return readChannelSheets(*three, read, out);
    };
    QStringList looked;
    SheetRead read;
    for (const int i : order) {
        read = readOneSheet(archive, [&] { return openXlsxSheet(archive, book, i); }, out, progress, options);
        if (hasPosition(read)) {
            if (!read.failed && read.info.grid != GridReading::None) {
                if (std::optional<SheetInfo> info = channels({ book.sheets[size_t(i)].name }))
                    return *info;
            }
            // Codes typed into a template that its rules colour are a painted picture, not
            // a grid of grey values: the painted reading wins where it covers the grid.
            SheetInfo painted;
            PixelRecords drawn;
            if (!read.failed && read.info.grid != GridReading::None
                && readPaintedSheet(archive, book, { i }, drawn, painted) && covers(painted, read.info)) {
                out = std::move(drawn);
                return painted;
            }
            if (!read.failed)
                read.info.worksheetName = book.sheets[size_t(i)].name;
            if (count > 1 && !read.failed)
                read.info.sheetName = book.sheets[size_t(i)].name;
            return read.info;
        }
        looked << book.sheets[size_t(i)].name;
    }
    out.clear();
    if (std::optional<SheetInfo> info = channels(looked))
        return *info;
    if (readPaintedSheet(archive, book, order, out, read.info))
        return read.info;
    return looked.size() == 1 ? read.info : sheetRefused(userText(Text::NoSheetWithXAndY).arg(quotedNames(looked)));
}

SheetInfo readOdsBook(WorkbookArchive &archive, const WorkbookSheets &book, PixelRecords &out,
                      const ReadProgress &progress, const SheetOptions &options)
{
    const auto chosenGrid = [&](const SheetInfo &info) {
        std::optional<SheetInfo> channels;
        if (info.status == Status::Done && info.grid != GridReading::None)
            channels = readOdsChannels(archive, { info.worksheetName }, out, progress);
        return channels ? *channels : preferPainted(archive, info, out);
    };
    QStringList looked;
    SheetInfo lastLooked;
    const auto tried = [&](const SheetRead &read, bool &chosen) {
        chosen = read.failed || (read.found && hasPosition(read));
        if (read.found && !chosen) {
            looked << read.name;
            lastLooked = read.info;
        }
        SheetInfo info = read.info;
        if (!read.failed)
            info.worksheetName = read.name;
        if (!read.failed && (book.odsTables > 1 || read.tablesSeen > 1))
            info.sheetName = read.name;
        return info;
    };
    bool chosen = false;
    if (!book.activeName.isEmpty()) {
        const SheetInfo info = tried(readOneSheet(archive, [&] { return openOdsSheet(archive, book.activeName, 0); }, out, progress, options), chosen);
        if (chosen)
            return chosenGrid(info);
    }
    for (int ordinal = 0; ordinal < MaxOdsTablesTried; ++ordinal) {
        const SheetRead read = readOneSheet(archive, [&] { return openOdsSheet(archive, {}, ordinal); }, out, progress, options);
        if (!read.failed && read.found && !book.activeName.isEmpty() && read.name == book.activeName)
            continue;
        const SheetInfo info = tried(read, chosen);
        if (chosen)
            return chosenGrid(info);
        if (!read.found)
            break;
    }
    out.clear();
    if (std::optional<SheetInfo> channels = readOdsChannels(archive, looked, out, progress))
        return *channels;
    SheetInfo painted;
    if (readOdsPaintedSheet(archive, looked, out, painted)) {
        if (book.odsTables > 1)
            painted.sheetName = painted.worksheetName;
        return painted;
    }
    if (looked.size() == 1)
        return lastLooked;
    return sheetRefused(looked.isEmpty() ? userText(Text::NoWorksheet) : userText(Text::NoSheetWithXAndY).arg(quotedNames(looked)));
}

} // namespace tess
