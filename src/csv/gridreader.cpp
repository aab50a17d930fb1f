// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridreader.h"

#include "gridcells.h"
#include "gridstart.h"

#include "picturereader.h"
#include "sheetheader.h"
#include "sheetnumbers.h"
#include "model/sheetshape.h"
#include "text/usertexts.h"

#include <QIODevice>
#include <QLocale>

#include <cstring>
#include <new>
#include <vector>

namespace tess::sheet {

namespace {

// A worksheet's width, and a bound on what the records of a grid may take (about 600 MB).
// Every cell of a grid holds a value, so a file this large is large itself.
constexpr int MaxGridColumns = 16384;
constexpr qint64 MaxGridCells = qint64(16384) * 1024;

using namespace grid;

// Numbers as the user's language writes them, digits grouped: "a grid of 20,000 × 3 cells".
QString tooLarge(qint64 width, qint64 height)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return userText(Text::GridTooLarge)
        .arg(locale.toString(width), locale.toString(height), locale.toString(MaxGridColumns), locale.toString(MaxGridCells));
}

enum class Kind { Unknown, Numbers, Codes };

// The grid read row by row; the values kept as 0xRRGGBB (a number as itself) until the
// end tells grey from ink.
class GridParser
{
public:
    GridParser(char separator, qint64 firstRow, bool valuesOnly)
        : m_separator(separator), m_valuesOnly(valuesOnly), m_row(firstRow)
    {
        m_decimalComma = separator != ',';
    }

    bool line(QByteArrayView text);
    bool finish();
    const QString &refusal() const { return m_refusal; }
    void records(PixelRecords &out, const SheetOptions &options) const;
    void describe(SheetInfo &info, const SheetOptions &options) const;

private:
    enum class Stage { Above, FirstRow, Block, After };

    bool refuse(const QString &why)
    {
        m_refusal = why;
        return false;
    }
    bool chooseLayout(const Fields *second);
    bool blockRow(const Fields &fields, qint64 row);
    bool cell(QByteArrayView field, qsizetype column, qint64 row);
    bool outside(const Fields &fields, qsizetype from, qsizetype to, qint64 row);
    void chooseKind(const Fields &fields);

    char m_separator;
    bool m_valuesOnly; // a channel's values: no ink, no codes
    bool m_decimalComma = false;
    qint64 m_row;   // the sheet row (from 0) of the next line
    Stage m_stage = Stage::Above;
    int m_titles = 0;
    QByteArray m_firstText; // the block's first row, until the second tells whether it holds labels
    qint64 m_firstRow = 0;
    qsizetype m_left = 0;   // the column of pixel x = 0
    qsizetype m_width = 0;
    bool m_labels = false;
    int32_t m_nextLabel = 0;
    Kind m_kind = Kind::Unknown;
    bool m_binary = true;   // only 0 and 1 so far
    qint64 m_originRow = 0;
    int m_height = 0;
    std::vector<uint32_t> m_values;
    QString m_refusal;
    // The fields of the line read, kept from line to line: a line of 16,000 cells would
    // otherwise allocate (and fault in) a fresh list each time.
    Fields m_fields;
};

bool GridParser::line(QByteArrayView text)
{
    const qint64 row = m_row++;
    Fields &fields = m_fields;
    fields.cut(text, m_separator);
    const bool blank = fields.filled() == 0;
    switch (m_stage) {
    case Stage::Above:
        if (blank)
            return true;
        if (fields.filled() == 1 && !valueLike(fields[fields.firstFilled()], m_decimalComma) && m_titles++ < MaxTitleRows)
            return true;
        m_firstText = withoutCarriageReturn(text).toByteArray();
        m_firstRow = row;
        m_stage = Stage::FirstRow;
        return true;
    case Stage::FirstRow:
        if (!chooseLayout(blank ? nullptr : &fields))
            return false;
        m_stage = blank ? Stage::After : Stage::Block;
        return blank || blockRow(fields, row);
    case Stage::Block:
        if (blank) {
            m_stage = Stage::After;
            return true;
        }
        return blockRow(fields, row);
    case Stage::After:
        if (blank)
            return true;
        return outside(fields, 0, fields.size(), row);
    }
    return true;
}

bool GridParser::finish()
{
    if (m_stage == Stage::FirstRow && !chooseLayout(nullptr))
        return false;
    return m_height > 0 || refuse(userText(Text::GridCellEmpty).arg(cellName(0, 0)));
}

// Whether the first row and column are labels: the first row holds 0, 1, 2 ... or 1, 2,
// 3 ... after a corner cell that is empty or text, and the second row starts with 0 or 1
// in the corner's column. Without labels the first row is the block's first.
bool GridParser::chooseLayout(const Fields *second)
{
    Fields first;
    first.cut(m_firstText, m_separator);
    const qsizetype i0 = first.firstFilled(), i1 = first.lastFilled();
    qsizetype corner = -1;
    if (i0 >= 1)
        corner = i0 - 1;
    else if (!valueLike(first[0], m_decimalComma))
        corner = 0;
    bool labels = corner >= 0 && corner < i1 && second;
    int32_t start = 0, value = 0;
    for (qsizetype i = corner + 1; labels && i <= i1; ++i) {
        labels = wholeNumber(first[i], m_decimalComma, value) && (i == corner + 1 ? (value == 0 || value == 1) : value == start + (i - corner - 1));
        if (i == corner + 1)
            start = value;
    }
    int32_t rowLabel = 0;
    labels = labels && wholeNumber((*second)[corner], m_decimalComma, rowLabel) && (rowLabel == 0 || rowLabel == 1);
    if (labels) {
        m_labels = true;
        m_nextLabel = rowLabel;
        m_left = corner + 1;
        m_width = i1 - corner;
        m_originRow = m_firstRow + 1;
        return true;
    }
    m_left = i0;
    m_width = i1 - i0 + 1;
    m_originRow = m_firstRow;
    return blockRow(first, m_firstRow);
}

void GridParser::chooseKind(const Fields &fields)
{
    m_kind = Kind::Numbers;
    if (m_valuesOnly)
        return;
    int32_t v;
    uint32_t rgb;
    for (qsizetype x = 0; x < m_width; ++x) {
        const QByteArrayView field = fields[m_left + x];
        if (!wholeNumber(field, m_decimalComma, v) && colourCode(field, rgb)) {
            m_kind = Kind::Codes;
            return;
        }
    }
}

bool GridParser::outside(const Fields &fields, qsizetype from, qsizetype to, qint64 row)
{
    for (qsizetype i = from; i < std::min(to, fields.size()); ++i) {
        if (!fields[i].isEmpty())
            return refuse(userText(Text::GridCellOutside).arg(cellName(i, row), shown(fields[i])));
    }
    return true;
}

bool GridParser::blockRow(const Fields &fields, qint64 row)
{
    if (m_width > MaxGridColumns || qint64(m_height + 1) * m_width > MaxGridCells)
        return refuse(tooLarge(m_width, m_height + 1));
    const qsizetype labelColumn = m_labels ? m_left - 1 : m_left;
    if (!outside(fields, 0, labelColumn, row))
        return false;
    if (m_labels) {
        int32_t label = 0;
        if (!wholeNumber(fields[labelColumn], m_decimalComma, label) || label != m_nextLabel)
            return refuse(userText(Text::GridCellNotLabel).arg(cellName(labelColumn, row), shown(fields[labelColumn])).arg(m_nextLabel));
        ++m_nextLabel;
    }
    if (m_kind == Kind::Unknown)
        chooseKind(fields);
    for (qsizetype x = 0; x < m_width; ++x) {
        if (!cell(fields[m_left + x], m_left + x, row))
            return false;
    }
    if (!outside(fields, m_left + m_width, fields.size(), row))
        return false;
    ++m_height;
    return true;
}

bool GridParser::cell(QByteArrayView field, qsizetype column, qint64 row)
{
    if (field.isEmpty())
        return refuse(userText(Text::GridCellEmpty).arg(cellName(column, row)));
    if (m_kind == Kind::Codes) {
        uint32_t rgb = 0;
        if (!colourCode(field, rgb))
            return refuse(userText(Text::GridCellNotCode).arg(cellName(column, row), shown(field)));
        m_values.push_back(rgb);
        return true;
    }
    int32_t v = 0;
    if (!wholeNumber(field, m_decimalComma, v) || v < 0 || v > 255)
        return refuse(userText(Text::GridCellNotValue).arg(cellName(column, row), shown(field)));
    m_binary = m_binary && v <= 1;
    m_values.push_back(uint32_t(v));
    return true;
}

void GridParser::records(PixelRecords &out, const SheetOptions &options) const
{
    const int width = int(m_width);
    out.clear();
    out.reserve(size_t(width) * size_t(m_height));
    const bool ink = m_kind == Kind::Numbers && m_binary && !m_valuesOnly;
    const int32_t one = options.onesWhite ? 255 : 0;
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < m_height; ++y) {
            const uint32_t value = m_values[size_t(y) * size_t(width) + size_t(x)];
            PixelRecord record;
            record.x = x;
            record.y = y;
            if (m_kind == Kind::Codes) {
                record.r = int32_t(value >> 16);
                record.g = int32_t(value >> 8 & 0xFF);
                record.b = int32_t(value & 0xFF);
            } else {
                const int32_t grey = ink ? (value ? one : 255 - one) : int32_t(value);
                record.r = record.g = record.b = grey;
            }
            out.push_back(record);
        }
    }
}

void GridParser::describe(SheetInfo &info, const SheetOptions &options) const
{
    info.status = Status::Done;
    info.grid = m_kind == Kind::Codes ? GridReading::Codes
                : m_binary && !m_valuesOnly ? GridReading::Ink : GridReading::Grey;
    info.gridOrigin = { int(m_left), int(m_originRow) };
    info.gridOnesWhite = info.grid == GridReading::Ink && options.onesWhite;
    info.columns.x = int(m_left);
    info.columns.y = int(m_left);
    info.columns.r = info.columns.g = info.columns.b = int(m_left);
    info.hasRgb = true;
    info.width = int(m_width);
    info.height = m_height;
}

QString lookedFor(const SheetOptions &options)
{
    return userText(options.workbook ? Text::GridLookedForInBook : Text::GridLookedFor);
}

} // namespace

std::optional<SheetInfo> readIfGrid(QIODevice &device, PixelRecords &out, const ReadProgress &progress,
                                    qint64 firstLine, const SheetOptions &options)
{
    const QByteArray peeked = peekHead(device, HeaderSearchLines + MaxTitleRows + 2);
    const bool whole = peeked.size() < (1 << 20);
    const Head head = headOf(peeked, whole);
    if (!startsAsGrid(head))
        return std::nullopt;
    out.clear();
    // Rows are counted as a spreadsheet shows them: from the line after a "sep=" line,
    // which a worksheet's text always has (its line 0).
    Q_UNUSED(firstLine);
    GridParser grid(head.separator, 0, options.channelValues);
    bool atStart = true;
    const bool ok = forEachLine(device, progress, [&](QByteArrayView line) {
        if (atStart) {
            atStart = false;
            line = withoutBom(line);
            if (head.named)
                return true;
        }
        return grid.line(line);
    });
    SheetInfo info;
    if (!ok || !grid.finish()) {
        info.status = Status::SheetNotValid;
        info.detail = options.channelValues ? grid.refusal() : lookedFor(options).arg(grid.refusal());
        return info;
    }
    try {
        grid.records(out, options);
    } catch (const std::bad_alloc &) {
        return outOfMemorySheet(out, userText(Text::NoMemoryForRecords));
    }
    grid.describe(info, options);
    return info;
}

void tellWhatWasLookedFor(SheetInfo &info, const SheetOptions &options)
{
    if (info.status == Status::SheetNotValid && (info.columns.x < 0 || info.columns.y < 0))
        info.detail = lookedFor(options).arg(info.detail);
}

} // namespace tess::sheet
