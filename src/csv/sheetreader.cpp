#include "sheetreader.h"

#include "sheetdata.h"
#include "sheetheader.h"
#include "sheetlines.h"
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
    SheetParser(PixelRecords &out, qint64 firstLine) : m_out(out), m_line(firstLine) {}

    qsizetype feed(const char *begin, const char *end, bool atEnd) override
    {
        const char *p = begin;
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
            m_info.status = SheetStatus::NotValidSheet;
            m_info.detail = userText(Text::NoHeaderLine);
        } else if (m_stage == Stage::Search) {
            m_info = m_firstLine; // the first line is what the user takes for the header
        } else if (m_stage == Stage::Data) {
            m_info.status = SheetStatus::Loaded;
            m_info.maxX = m_data->maxX();
            m_info.maxY = m_data->maxY();
            m_info.skippedLines = m_data->skippedLines();
            m_info.notNumbers = m_data->notNumbers();
            m_info.emptyColours = m_data->emptyColours();
            m_info.notNumberExample = m_data->notNumberExample();
            m_info.emptyExample = m_data->emptyExample();
        }
        return m_info;
    }

private:
    // Search: the first line (after a "sep=" line) has no x and y; a title row may stand
    // above the header, which is then one of the next few lines.
    enum class Stage { FirstLine, Header, Search, Data, Rejected };

    qsizetype feedHeading(const char *&p, const char *e, bool atEnd);
    qsizetype keepHeadingLine(qsizetype bytes);
    void headingLine(QByteArrayView line);

    PixelRecords &m_out;
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

// How many non-empty lines after the first may be the header, below a title.
constexpr int HeaderSearchLines = 9;

void SheetParser::headingLine(QByteArrayView line)
{
    SheetLayout layout;
    SheetInfo info;
    const bool data = readHeader(line, m_separator, info, layout);
    const bool hasPosition = info.columns.x >= 0 && info.columns.y >= 0;
    if (m_stage != Stage::Search)
        m_firstLine = info;
    if (!hasPosition) {
        const bool more = m_linesAbove++ < HeaderSearchLines;
        m_stage = more ? Stage::Search : Stage::Rejected;
        m_info = m_firstLine;
        return;
    }
    info.linesAboveHeader = m_linesAbove;
    m_info = info;
    if (!data) {
        m_stage = Stage::Rejected;
        return;
    }
    m_data.emplace(m_out, layout, m_line);
    m_stage = Stage::Data;
}

// Reserves room for the records the rest of the device will give, judged by the
// first block. Room that is never written costs address space only.
void SheetParser::expectMore(qsizetype parsedBytes, qint64 remainingBytes)
{
    if (remainingBytes <= 0 || m_out.empty() || parsedBytes <= 0)
        return;
    const double have = double(m_out.size());
    const double bytesPerRecord = double(parsedBytes) / have;
    // A data line takes at least two bytes ("," and its line end).
    const double expected = std::min(have + double(remainingBytes) / bytesPerRecord * 1.1 + 1024,
                                     have + double(remainingBytes) / 2 + 1);
    try {
        m_out.reserve(size_t(expected));
    } catch (const std::exception &) {
        // No room for the guess: the records grow as they come.
    }
}

} // namespace

namespace {

SheetInfo readNumbered(QIODevice &device, PixelRecords &out, qint64 blockSize, const ReadProgress &progress,
                       qint64 firstLine)
{
    out.clear();
    SheetParser parser(out, firstLine);
    SheetInput input(device, blockSize, progress);
    try {
        input.run(parser);
    } catch (const std::bad_alloc &) {
        out.clear();
        out.shrink_to_fit();
        SheetInfo info;
        info.status = SheetStatus::OutOfMemory;
        info.detail = userText(Text::NoMemoryForRecords);
        return info;
    }
    SheetInfo info = parser.finish();
    if (info.status != SheetStatus::Loaded)
        out.clear();
    return info;
}

} // namespace

SheetInfo readSheetInBlocks(QIODevice &device, PixelRecords &out, qint64 blockSize, const ReadProgress &progress)
{
    return readNumbered(device, out, blockSize, progress, 1);
}

SheetInfo readWorksheetText(QIODevice &device, PixelRecords &out, const ReadProgress &progress)
{
    return readNumbered(device, out, DefaultSheetBlockSize, progress, 0);
}

SheetInfo readSheet(QIODevice &device, PixelRecords &out, const ReadProgress &progress)
{
    return readSheetInBlocks(device, out, DefaultSheetBlockSize, progress);
}

SheetInfo loadSheet(const QString &path, PixelRecords &out, const ReadProgress &progress)
{
    out.clear();
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        SheetInfo info;
        info.status = SheetStatus::CannotOpen;
        info.detail = QFileInfo(path).isDir() ? userText(Text::IsAFolder) : file.errorString();
        return info;
    }
    return readSheet(file, out, progress);
}

} // namespace tess
