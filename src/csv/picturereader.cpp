// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturereader.h"

#include "sheetnumbers.h"
#include "model/sheetshape.h"
#include "text/usertexts.h"

#include <QIODevice>

#include <cstring>
#include <new>
#include <vector>

namespace tess::sheet {

// The first row of a sheet 16,384 columns wide fits in this with room to spare.
constexpr qsizetype HeadLimit = 1 << 20;

// The fields of a line, unquoted ("" in a quoted field is one quote).
std::vector<QByteArray> splitFields(QByteArrayView line, char separator)
{
    std::vector<QByteArray> fields;
    QByteArray field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    fields.push_back(field);
    return fields;
}

QByteArrayView withoutCarriageReturn(QByteArrayView line)
{
    return line.endsWith('\r') ? line.chopped(1) : line;
}

QByteArrayView withoutBom(QByteArrayView text)
{
    return text.startsWith("\xEF\xBB\xBF") ? text.sliced(3) : text;
}

namespace {

// A picture of 2048 x 2048 at most: far more than a spreadsheet program opens in a lesson,
// and a bound on what a small hostile file can make the reader hold (a short row stands
// for a whole row of empty cells): about 200 MB of values and records.
constexpr qint64 MaxPicturePixels = qint64(2048) * 2048;

struct Line
{
    QByteArrayView text;
    bool complete = false;
};

// "sep=;" names the separator; else "," when the line holds one, then ";", then a tab.
char separatorOf(QByteArrayView &line, bool &named, QByteArrayView next)
{
    if (line.size() == 5 && line.startsWith("sep=")) {
        named = true;
        const char c = line[4];
        line = next;
        return c;
    }
    named = false;
    if (line.contains(','))
        return ',';
    if (line.contains(';'))
        return ';';
    return line.contains('\t') ? '\t' : ',';
}

bool isWholeNumber(const QByteArray &field, qint64 expected)
{
    return field.trimmed() == QByteArray::number(expected);
}

struct Shape
{
    SheetShape shape = SheetShape::List;
    char separator = ',';
    int width = 0;
};

// The shape the header row gives: its x numbers start in column B (grey) or C (RGB), after
// labels that are no numbers, and run 0, 1, 2, ... to the last filled cell.
Shape headerShape(QByteArrayView header, char separator)
{
    const std::vector<QByteArray> fields = splitFields(header, separator);
    Shape found;
    found.separator = separator;
    size_t first = 0;
    if (fields.size() >= 2 && isWholeNumber(fields[1], 0))
        first = 1;
    else if (fields.size() >= 3 && isWholeNumber(fields[2], 0) && !fields[1].trimmed().isEmpty())
        first = 2;
    if (first == 0 || fields[0].trimmed().isEmpty())
        return found;
    bool number = false;
    fields[0].trimmed().toDouble(&number);
    if (number)
        return found;
    size_t end = fields.size();
    while (end > first && fields[end - 1].trimmed().isEmpty())
        --end;
    for (size_t i = first; i < end; ++i) {
        if (!isWholeNumber(fields[i], qint64(i - first)))
            return found;
    }
    found.shape = first == 1 ? SheetShape::Grey : SheetShape::Picture;
    found.width = int(end - first);
    return found;
}

// The header's shape from the start of the text; lines before it: the "sep=" line.
Shape shapeOfHead(QByteArrayView head, int *headingLines = nullptr)
{
    head = withoutBom(head);
    const qsizetype firstEnd = head.indexOf('\n');
    if (firstEnd < 0)
        return {};
    QByteArrayView line = withoutCarriageReturn(head.first(firstEnd));
    const QByteArrayView rest = head.sliced(firstEnd + 1);
    const qsizetype secondEnd = rest.indexOf('\n');
    bool named = false;
    const char separator = separatorOf(line, named, withoutCarriageReturn(secondEnd < 0 ? QByteArrayView() : rest.first(secondEnd)));
    if (named && secondEnd < 0)
        return {};
    if (headingLines)
        *headingLines = named ? 2 : 1;
    return headerShape(line, separator);
}

// The grid read row by row, then given as records.
class GridReader
{
public:
    GridReader(const Shape &shape, qint64 headerLine) : m_shape(shape), m_row(headerLine)
    {
        m_style.decimalComma = shape.separator != ',';
    }

    // One line of data; false when it refuses the sheet.
    bool line(QByteArrayView text);
    bool finish();

    const QString &refusal() const { return m_refusal; }
    void records(PixelRecords &out) const;
    int height() const { return m_height; }
    qint64 empty = 0, notNumbers = 0;
    QString emptyExample, notNumberExample;

private:
    int perPixel() const { return shapeRowsPerPixel(m_shape.shape); }
    bool refuse(const QString &why)
    {
        m_refusal = why;
        return false;
    }
    void value(const QByteArray &field, int x);

    Shape m_shape;
    qint64 m_row;        // the sheet row of the line being read
    qint64 m_dataRows = 0;
    qint64 m_blankRows = 0; // empty rows not yet followed by data
    int m_height = 0;
    std::vector<int32_t> m_values; // per picture row: perPixel rows of width values
    NumberStyle m_style;
    QString m_refusal;
};

void GridReader::value(const QByteArray &field, int x)
{
    int32_t v = 0;
    char padded[64] = {};
    const qsizetype length = std::min<qsizetype>(field.size(), sizeof padded - 9);
    std::memcpy(padded, field.constData(), size_t(length));
    const FieldNumber kind = field.size() > length ? FieldNumber::NotNumber : readNumber(padded, padded + length, m_style, v);
    const QString cell = columnLetters(x + shapeLabelColumns(m_shape.shape));
    if (kind == FieldNumber::Empty) {
        if (empty++ == 0)
            emptyExample = userText(Text::EmptyCellPlace).arg(m_row).arg(cell);
    } else if (kind != FieldNumber::Value) {
        v = 0;
        if (notNumbers++ == 0)
            notNumberExample = userText(Text::CellPlace).arg(m_row).arg(cell, printableStart(QString::fromUtf8(field), 20));
    }
    m_values.push_back(v);
}

bool GridReader::line(QByteArrayView text)
{
    ++m_row;
    text = withoutCarriageReturn(text);
    const std::vector<QByteArray> fields = splitFields(text, m_shape.separator);
    bool blank = true;
    for (const QByteArray &field : fields)
        blank = blank && field.trimmed().isEmpty();
    if (blank) {
        ++m_blankRows;
        return true;
    }
    const qint64 y = m_dataRows / perPixel();
    const int channel = int(m_dataRows % perPixel());
    static const char *const letters[3] = { "r", "g", "b" };
    if (m_blankRows > 0) // a cleared row stands where a channel row should be
        return refuse(userText(Text::PictureRowMissing).arg(m_row - m_blankRows).arg(QLatin1String(letters[channel])).arg(y));
    if (m_shape.shape == SheetShape::Picture) {
        const QByteArray letter = fields.size() > 1 ? fields[1].trimmed().toLower() : QByteArray();
        if (letter != letters[channel]) {
            const bool later = (letter == "g" && channel == 0) || (letter == "b" && channel < 2) || (letter == "r" && channel > 0);
            if (later)
                return refuse(userText(Text::PictureRowMissing).arg(m_row).arg(QLatin1String(letters[channel])).arg(y));
            return refuse(userText(Text::PictureRowWrongLetter).arg(m_row).arg(QLatin1String(letters[channel])).arg(y)
                              .arg(printableStart(QString::fromUtf8(letter), 20)));
        }
    }
    const QByteArray label = fields[0].trimmed();
    int32_t given = 0;
    QByteArray padded = label + QByteArray(9, '\0');
    if (!label.isEmpty() && (readNumber(padded.constData(), padded.constData() + label.size(), m_style, given) != FieldNumber::Value || given != y))
        return refuse(userText(Text::PictureRowWrongY).arg(m_row).arg(y).arg(printableStart(QString::fromUtf8(label), 20)));
    if (channel == 0 && (y + 1) * qint64(m_shape.width) > MaxPicturePixels)
        return refuse(userText(Text::PictureTooLargeForSheet).arg(m_shape.width).arg(y + 1));
    const size_t first = size_t(shapeLabelColumns(m_shape.shape));
    for (int x = 0; x < m_shape.width; ++x)
        value(first + size_t(x) < fields.size() ? fields[first + size_t(x)] : QByteArray(), x);
    ++m_dataRows;
    if (channel == perPixel() - 1)
        ++m_height;
    return true;
}

bool GridReader::finish()
{
    const int channel = int(m_dataRows % perPixel());
    if (channel == 0)
        return true;
    static const char *const letters[3] = { "r", "g", "b" };
    return refuse(userText(Text::PictureRowMissing).arg(m_row - m_blankRows + 1).arg(QLatin1String(letters[channel]))
                      .arg(m_dataRows / perPixel()));
}

void GridReader::records(PixelRecords &out) const
{
    const int width = m_shape.width;
    const int n = perPixel();
    const size_t step = n > 1 ? size_t(width) : 0; // a grey value stands for all three
    out.clear();
    out.reserve(size_t(width) * size_t(m_height));
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < m_height; ++y) {
            const int32_t *row = m_values.data() + size_t(y) * size_t(n) * size_t(width) + size_t(x);
            PixelRecord record;
            record.x = x;
            record.y = y;
            record.r = row[0];
            record.g = row[step];
            record.b = row[2 * step];
            out.push_back(record);
        }
    }
}

} // namespace

// Reads the head of the device without consuming it: up to HeadLimit bytes, and from a
// pipe enough for the first lines.
QByteArray peekHead(QIODevice &device, int lines)
{
    if (!device.isSequential())
        return device.peek(HeadLimit);
    device.startTransaction();
    QByteArray head;
    char block[16 * 1024];
    while (head.size() < HeadLimit && head.count('\n') < lines) {
        qint64 n = device.read(block, sizeof block);
        if (n == 0 && device.waitForReadyRead(-1))
            n = device.read(block, sizeof block);
        if (n <= 0)
            break;
        head.append(block, n);
    }
    device.rollbackTransaction();
    return head;
}

bool forEachLine(QIODevice &device, const ReadProgress &progress, const std::function<bool(QByteArrayView)> &line)
{
    QByteArray pending;
    char block[64 * 1024];
    qint64 consumed = 0;
    bool ok = true;
    bool atEnd = false;
    while (ok && !atEnd) {
        qint64 n = device.read(block, sizeof block);
        if (n == 0 && device.isSequential() && device.waitForReadyRead(-1))
            n = device.read(block, sizeof block);
        atEnd = n <= 0;
        if (n > 0) {
            pending.append(block, n);
            consumed += n;
        } else if (!pending.isEmpty() && !pending.endsWith('\n')) {
            pending += '\n';
        }
        qsizetype start = 0;
        for (qsizetype end; ok && (end = pending.indexOf('\n', start)) >= 0; start = end + 1)
            ok = line(QByteArrayView(pending).sliced(start, end - start));
        pending.remove(0, start);
        if (progress)
            progress(consumed);
    }
    return ok;
}

bool isPictureShapedStart(QByteArrayView head)
{
    return shapeOfHead(head).shape != SheetShape::List;
}

std::optional<SheetInfo> readIfPictureShaped(QIODevice &device, PixelRecords &out, const ReadProgress &progress,
                                             qint64 firstLine)
{
    int headingLines = 0;
    const Shape shape = shapeOfHead(peekHead(device, 2), &headingLines);
    if (shape.shape == SheetShape::List)
        return std::nullopt;
    out.clear();
    GridReader grid(shape, firstLine + headingLines - 1); // the header's line
    // The heading lines are passed over, then every further line is a row.
    int headingLeft = headingLines;
    const bool ok = forEachLine(device, progress, [&](QByteArrayView line) {
        if (headingLeft == 0)
            return grid.line(line);
        --headingLeft;
        return true;
    });
    SheetInfo info;
    if (!ok || !grid.finish()) {
        info.status = Status::SheetNotValid;
        info.detail = grid.refusal();
        return info;
    }
    try {
        grid.records(out);
    } catch (const std::bad_alloc &) {
        return outOfMemorySheet(out, userText(Text::NoMemoryForRecords));
    }
    info.status = Status::Done;
    info.shape = shape.shape;
    info.columns.x = 0;
    info.columns.y = 0;
    info.columns.r = info.columns.g = info.columns.b = shapeLabelColumns(shape.shape);
    info.hasRgb = true;
    info.width = std::max(1, shape.width);
    info.height = std::max(1, grid.height());
    info.emptyColours = grid.empty;
    info.emptyExample = grid.emptyExample;
    info.notNumbers = grid.notNumbers;
    info.notNumberExample = grid.notNumberExample;
    return info;
}

} // namespace tess::sheet
