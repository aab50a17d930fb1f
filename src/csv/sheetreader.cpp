// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetreader.h"

#include "gridreader.h"
#include "picturereader.h"
#include "sheetdata.h"
#include "sheetheader.h"
#include "sheetlines.h"
#include "sheetsplit.h"
#include "sheettext.h"
#include "text/usertexts.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <memory>
#include <new>
#include <optional>
#include <stdexcept>

// How a sheet is read: the device is turned into UTF-8 block by block (sheettext), the
// lines before the data are read whole (sheetheader), and the data lines stream through
// the data loop (sheetdata), which cuts fields (sheetlines) and reads their numbers
// (sheetnumbers). Memory is thus the records, the block buffers, the heading lines,
// the longest field that is read and the longest quoted field (at most 1 MiB).

namespace tess {

namespace {

using namespace sheet;

// A heading line longer than this is no heading. Real ones are a few dozen bytes, but
// a header may name a great many columns before x and y.
constexpr qsizetype MaxHeadingLine = 64 * 1024 * 1024;

class SheetParser final : public TextSink
{
public:
    SheetParser(PixelRecords &out, SecondHalf *second, qint64 firstLine)
        : m_out(out), m_second(second), m_line(firstLine)
    {
    }

    qsizetype feed(const char *begin, const char *end, bool atEnd) override
    {
        const char *p = begin;
        m_empty = m_empty && begin == end;
        if (m_stage == Stage::FirstLine || m_stage == Stage::Header || m_stage == Stage::Search) {
            const qsizetype keep = feedHeading(p, end, atEnd);
            if (m_stage != Stage::Data)
                return keep;
        }
        if (m_stage != Stage::Data)
            return 0;
        const qsizetype keep = m_data->feed(p, end, atEnd);
        if (!m_data->refusal().isEmpty()) {
            m_info.detail = m_data->refusal();
            m_stage = Stage::Rejected;
        }
        return keep;
    }

    bool stopped() const override { return m_stage == Stage::Rejected; }
    bool readingData() const override { return m_stage == Stage::Data; }
    void expectMore(qsizetype parsedBytes, qint64 remainingBytes) override;

    SheetInfo finish()
    {
        if (m_stage == Stage::FirstLine || m_stage == Stage::Header) {
            m_info.status = Status::SheetNotValid;
            m_info.detail = userText(m_empty ? Text::EmptySheetFile : Text::NoHeaderLine);
        } else if (m_stage == Stage::Search) {
            m_info = m_firstLine; // the first line is what the user takes for the header
            if (m_linesAbove > 1)
                m_info.detail = userText(Text::HeaderSearchedAll).arg(m_info.detail, QString::number(m_linesAbove));
        } else if (m_stage == Stage::Data) {
            m_data->settleCommas();
            m_info.status = Status::Done;
            m_info.width = m_data->width();
            m_info.height = m_data->height();
            m_info.skippedLines = m_data->skippedLines();
            m_info.notNumbers = m_data->notNumbers();
            m_info.lines = m_data->recordLines();
            m_info.emptyColours = m_data->emptyColours();
            m_info.notNumberExample = m_data->notNumberExample();
            m_info.emptyExample = m_data->emptyExample();
            const TabCommas &commas = m_data->commas();
            m_info.commaGroups = commas.groups();
            m_info.commaDecimals = commas.decimals();
            m_info.commaGroupExample = commas.groupExample();
            m_info.commaDecimalExample = commas.decimalExample();
        }
        return m_info;
    }

private:
    // Search: the first line (after a "sep=" line) has no x and y; a title row may stand
    // above the header, which is then one of the next few lines.
    enum class Stage { FirstLine, Header, Search, Data, Rejected };
    bool m_empty = true; // no text at all: an empty file, not one without a header

    qsizetype feedHeading(const char *&p, const char *e, bool atEnd);
    qsizetype keepHeadingLine(qsizetype bytes);
    void headingLine(QByteArrayView line);
    size_t recordsIn(qsizetype parsedBytes, qint64 bytes) const;

    PixelRecords &m_out;
    SecondHalf *m_second; // parsed on another thread, when the sheet is read in halves
    SheetLayout m_layout;
    SheetInfo m_info;
    Stage m_stage = Stage::FirstLine;
    QByteArray m_separator; // named by a "sep=" line, or the header's own
    bool m_named = false;   // by a "sep=" line
    qint64 m_line;          // the number of the line the heading has come to
    int m_linesAbove = 0;   // non-empty lines before the one read as the header
    SheetInfo m_firstLine;  // what the first line gave, when no later line is the header
    std::optional<DataReader> m_data;
};

// Reads the heading one whole line at a time; the bytes of a line not yet complete
// are kept, and the line is cut again when more has come.
qsizetype SheetParser::feedHeading(const char *&p, const char *e, bool atEnd)
{
    while (m_stage == Stage::FirstLine || m_stage == Stage::Header || m_stage == Stage::Search) {
        for (int n; p != e && (n = lineEndAt(p, e, atEnd)) != 0; p += n, ++m_line) {
            if (n < 0)
                return e - p; // empty lines are dropped, but is this one's end whole?
        }
        if (p == e)
            return 0;
        const QByteArrayView text(p, e - p);
        if (m_stage == Stage::FirstLine || (m_stage == Stage::Search && !m_named)) {
            const LineCut first = cutLine(text, FirstLineSeparators, true, atEnd);
            if (first.length < 0 || first.length > MaxHeadingLine) // either way, whatever the blocks
                return keepHeadingLine(first.length < 0 ? e - p : first.length);
            const QByteArrayView line = text.first(first.length);
            QByteArray named;
            if (m_stage == Stage::FirstLine && !first.openQuote)
                named = separatorLine(line);
            if (!named.isEmpty()) {
                m_separator = named;
                m_named = true;
                m_stage = Stage::Header;
                p += first.length + first.endLength;
                m_line += first.lineEnds + 1;
                continue;
            }
            m_separator = headerSeparator(line); // then the header is cut again by it
        }
        const LineCut cut = cutLine(text, m_separator, false, atEnd);
        if (cut.length < 0 || cut.length > MaxHeadingLine)
            return keepHeadingLine(cut.length < 0 ? e - p : cut.length);
        if (cut.openQuote) {
            m_info.detail = userText(Text::QuoteNeverClosed).arg(m_line + cut.lineEnds);
            m_stage = Stage::Rejected;
            return 0;
        }
        p += cut.length + cut.endLength;
        m_line += cut.lineEnds + 1;
        headingLine(text.first(cut.length));
    }
    return 0;
}

qsizetype SheetParser::keepHeadingLine(qsizetype bytes)
{
    if (bytes <= MaxHeadingLine)
        return bytes;
    m_info.detail = userText(Text::NoHeaderInFirst64MiB);
    m_stage = Stage::Rejected;
    return 0;
}

// How many non-empty lines after the first may be the header, below a title or a few
// lines of instructions.
constexpr int HeaderSearchLines = 49;

void SheetParser::headingLine(QByteArrayView line)
{
    SheetInfo info;
    const Outcome<SheetLayout> header = readHeader(line, m_separator, info);
    if (!header.ok()) {
        info.status = header.result().status;
        info.detail = header.result().detail;
    }
    const bool hasPosition = info.columns.x >= 0 && info.columns.y >= 0;
    if (m_stage != Stage::Search)
        m_firstLine = info;
    if (!hasPosition) {
        const bool more = m_linesAbove++ < HeaderSearchLines;
        m_stage = more ? Stage::Search : Stage::Rejected;
        m_info = m_firstLine;
        if (!more)
            m_info.detail = userText(Text::HeaderSearchedFirst).arg(m_info.detail, QString::number(m_linesAbove));
        return;
    }
    info.linesAboveHeader = m_linesAbove;
    m_info = info;
    if (!header.ok()) {
        m_stage = Stage::Rejected;
        return;
    }
    m_layout = header.value();
    m_data.emplace(m_out, m_layout, m_line);
    m_stage = Stage::Data;
}

// How many records bytes more of text will likely give, judged by the first block.
size_t SheetParser::recordsIn(qsizetype parsedBytes, qint64 bytes) const
{
    if (bytes <= 0 || m_out.empty() || parsedBytes <= 0)
        return 0;
    const double bytesPerRecord = double(parsedBytes) / double(m_out.size());
    // A data line takes at least two bytes ("," and its line end).
    return size_t(std::min(double(bytes) / bytesPerRecord * 1.1 + 1024, double(bytes) / 2 + 1));
}

// Reserves room for the records the rest of the device will give (both halves, when it
// is read in two). Room that is never written costs address space only.
void SheetParser::expectMore(qsizetype parsedBytes, qint64 remainingBytes)
{
    if (m_second) {
        m_second->start(m_layout, recordsIn(parsedBytes, m_second->bytes()));
        remainingBytes += m_second->bytes();
    }
    const size_t expected = recordsIn(parsedBytes, remainingBytes);
    if (expected == 0)
        return;
    try {
        m_out.reserve(m_out.size() + expected);
    } catch (const std::exception &) {
        // No room for the guess: the records grow as they come.
    }
}

SheetInfo readWhole(QIODevice &device, PixelRecords &out, qint64 blockSize, const ReadProgress &progress,
                    qint64 firstLine)
{
    out.clear();
    SheetParser parser(out, nullptr, firstLine);
    SheetInput input(device, blockSize, progress);
    try {
        input.run(parser);
    } catch (const std::bad_alloc &) {
        return outOfMemorySheet(out, userText(Text::NoMemoryForRecords));
    }
    SheetInfo info = parser.finish();
    if (info.status != Status::Done)
        out.clear();
    return info;
}

// The first half read here up to the cut, the second on its thread; nothing when the
// halves do not make the whole (see sheetsplit.h).
std::optional<SheetInfo> readInHalves(QIODevice &device, PixelRecords &out, qint64 blockSize,
                                      const ReadProgress &progress, SecondHalf &second, qint64 firstLine)
{
    out.clear();
    const qint64 start = device.pos();
    PrefixDevice first(device, second.cut());
    SheetParser parser(out, &second, firstLine);
    SheetInput input(first, blockSize, progress);
    try {
        input.run(parser);
    } catch (const std::bad_alloc &) {
        second.finish();
        out.clear();
        return std::nullopt;
    }
    SheetInfo info = parser.finish();
    // Whether a comma groups digits depends on the whole column: then the whole is read.
    const bool commas = info.commaGroups > 0 || info.commaDecimals > 0;
    if (!second.finish() || info.status != Status::Done || !input.readAsUtf8() || commas) {
        out.clear();
        return std::nullopt;
    }
    try {
        second.appendTo(out);
    } catch (const std::bad_alloc &) {
        return outOfMemorySheet(out, userText(Text::NoMemoryForRecords));
    }
    info.width = std::max(info.width, second.width());
    info.height = std::max(info.height, second.height());
    info.skippedLines += second.skippedLines();
    info.notNumbers += second.notNumbers();
    if (progress)
        progress(device.size() - start);
    return info;
}

} // namespace

namespace {

SheetInfo readList(QIODevice &device, PixelRecords &out, qint64 blockSize, const ReadProgress &progress,
                   qint64 firstLine)
{
    if (const std::unique_ptr<SecondHalf> second = SecondHalf::plan(device, blockSize)) {
        const qint64 start = device.pos();
        if (std::optional<SheetInfo> info = readInHalves(device, out, blockSize, progress, *second, firstLine))
            return *info;
        if (!device.seek(start)) { // read again whole, from where it began
            out.clear();
            SheetInfo info;
            info.status = Status::SheetCannotOpen;
            info.detail = device.errorString();
            return info;
        }
    }
    return readWhole(device, out, blockSize, progress, firstLine);
}

// A sheet made by hand, a grid of values without the list's x and y: tried after the
// pixel list (whose header it never has) and the picture-shaped layout.
std::optional<SheetInfo> readIfMadeByHand(QIODevice &device, PixelRecords &out, const ReadProgress &progress,
                                          qint64 firstLine, const SheetOptions &options)
{
    return readIfGrid(device, out, progress, firstLine, options);
}

SheetInfo readNumbered(QIODevice &device, PixelRecords &out, qint64 blockSize, const ReadProgress &progress,
                       qint64 firstLine, const SheetOptions &options)
{
    // A sheet the shape of the picture has a reader of its own.
    if (std::optional<SheetInfo> shaped = readIfPictureShaped(device, out, progress, firstLine))
        return *shaped;
    if (std::optional<SheetInfo> grid = readIfMadeByHand(device, out, progress, firstLine, options))
        return *grid;
    SheetInfo info = readList(device, out, blockSize, progress, firstLine);
    tellWhatWasLookedFor(info, options);
    return info;
}

} // namespace

SheetInfo readSheetInBlocks(QIODevice &device, PixelRecords &out, qint64 blockSize, const ReadProgress &progress,
                            const SheetOptions &options)
{
    return readNumbered(device, out, blockSize, progress, 1, options);
}

SheetInfo readWorksheetText(QIODevice &device, PixelRecords &out, const ReadProgress &progress,
                            const SheetOptions &options)
{
    SheetOptions inWorkbook = options;
    inWorkbook.workbook = true;
    return readNumbered(device, out, DefaultSheetBlockSize, progress, 0, inWorkbook);
}

SheetInfo readSheet(QIODevice &device, PixelRecords &out, const ReadProgress &progress, const SheetOptions &options)
{
    return readSheetInBlocks(device, out, DefaultSheetBlockSize, progress, options);
}

SheetInfo outOfMemorySheet(PixelRecords &out, const QString &why)
{
    out.clear();
    out.shrink_to_fit();
    SheetInfo info;
    info.status = Status::SheetOutOfMemory;
    info.detail = why;
    return info;
}

} // namespace tess
