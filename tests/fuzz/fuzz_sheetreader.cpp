// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a pixel sheet: the reader must never crash, never read out of bounds and
// always keep its promises about what it returns.
//
// Checked for every input:
//  - a loaded sheet has x and y columns and at least one colour column; width and height are
//    exactly one more than the largest coordinate (at least 1, held at INT_MAX);
//  - a rejected sheet leaves no records, and its status matches the header it reports;
//  - no more records than lines;
//  - the same result whatever the block size the device is read in;
//  - the progress reports never go backwards nor past the end;
//  - each field parses exactly as the toolkit's own QString::toDouble would, once a
//    plain reading of the rules for percent, currency and digit groups has undone them;
//  - for ASCII text, the records, skipped lines and refusals are those of a plain reading
//    of the whole text by the rules (quotes, separators, sep= line, a header up to nine
//    lines below the first): no record without a
//    numeric position, none from a line the rules skip, missing colour values 0.

#include "fuzzcheck.h"
#include "csv/sheetreader.h"

#include <QBuffer>
#include <QByteArray>
#include <QRegularExpression>

#include <algorithm>
#include <iterator>
#include <QString>
#include <QStringDecoder>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using tess::PixelRecord;
using tess::PixelRecords;

namespace {

int expectedExtent(int current, int32_t coordinate)
{
    const int next = coordinate == INT_MAX ? INT_MAX : coordinate + 1;
    return next > current ? next : current;
}

void checkInfo(const QByteArray &bytes, const tess::SheetInfo &info, const PixelRecords &records)
{
    const tess::SheetColumns &c = info.columns;
    CHECK(info.status != tess::Status::SheetCannotOpen);
    CHECK(info.hasRgb == (c.r >= 0 || c.g >= 0 || c.b >= 0));
    CHECK(info.hasHsv == (c.h >= 0 || c.s >= 0 || c.v >= 0));

    switch (info.status) {
    case tess::Status::SheetNotValid:
        CHECK(c.x < 0 || c.y < 0 || info.detail.contains(QLatin1String("quote")));
        CHECK(!info.detail.isEmpty());
        CHECK(records.empty());
        return;
    case tess::Status::SheetOutOfMemory:
        CHECK(records.empty());
        return;
    case tess::Status::SheetNoColourValues:
        CHECK(c.x >= 0 && c.y >= 0);
        CHECK(!info.hasRgb && !info.hasHsv);
        CHECK(records.empty());
        return;
    case tess::Status::SheetCannotOpen:
        return;
    case tess::Status::Done:
        break;
    default: // the reader gives none of the other statuses
        CHECK(false);
        return;
    }
    // A picture-shaped sheet has no x and y columns and several lines per picture row: its
    // own reader's tests check its records; here only that it tells a picture.
    if (info.shape != tess::SheetShape::List) {
        CHECK(info.width >= 1 && info.height >= 1);
        CHECK(records.size() <= size_t(info.width) * size_t(info.height));
        return;
    }
    // A grid made by hand has one record for every cell of its block, and no x and y.
    if (info.grid != tess::GridReading::None) {
        CHECK(info.width >= 1 && info.height >= 1);
        CHECK(records.size() == size_t(info.width) * size_t(info.height));
        CHECK(info.gridOrigin.column >= 0 && info.gridOrigin.row >= 0);
        return;
    }

    CHECK(c.x >= 0 && c.y >= 0 && c.x != c.y);
    CHECK(info.hasRgb || info.hasHsv);
    CHECK(info.width >= 1 && info.height >= 1);

    // One record per data line at most: the header is a line, every line end (CR, LF and
    // the two characters "^M" that some exports write) ends one.
    const qsizetype lineEnds = bytes.count('\n') + bytes.count('\r') + bytes.count("^M");
    CHECK(qsizetype(records.size()) + info.skippedLines <= lineEnds + 1);

    int maxX = 1;
    int maxY = 1;
    for (const PixelRecord &record : records) {
        maxX = expectedExtent(maxX, record.x);
        maxY = expectedExtent(maxY, record.y);
        CHECK(record.x < info.width || (record.x == INT_MAX && info.width == INT_MAX));
        CHECK(record.y < info.height || (record.y == INT_MAX && info.height == INT_MAX));
    }
    CHECK(maxX == info.width);
    CHECK(maxY == info.height);
}

bool sameInfo(const tess::SheetInfo &a, const tess::SheetInfo &b)
{
    const tess::SheetColumns &p = a.columns;
    const tess::SheetColumns &q = b.columns;
    return a.status == b.status && a.detail == b.detail && a.skippedLines == b.skippedLines
        && a.notNumbers == b.notNumbers && a.emptyColours == b.emptyColours
        && a.linesAboveHeader == b.linesAboveHeader && a.notNumberExample == b.notNumberExample
        && a.emptyExample == b.emptyExample && a.hasRgb == b.hasRgb && a.hasHsv == b.hasHsv && a.width == b.width
        && a.height == b.height && p.x == q.x && p.y == q.y && p.r == q.r && p.g == q.g && p.b == q.b
        && p.a == q.a && p.h == q.h && p.s == q.s && p.v == q.v;
}

// A field's text as in the text of the whole file: a U+FEFF that starts the field is a
// character of it (QString::fromUtf8 would drop it as if it began a file).
QString fieldText(QByteArrayView field)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless
                                   | QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(field);
}

// The rules for numbers as shown, read plainly with patterns: the text the toolkit is
// then given, and the divisor of a percentage.
QString undecorated(QString text, bool decimalComma, bool commaGroups, double &scale)
{
    static const QRegularExpression percent(QStringLiteral("^(.*?)[ \\x{A0}]?%$"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression before(QStringLiteral("^(-?)(?:\\p{Sc}|[A-Z]{2,3}(?!\\p{L}))[ \\x{A0}]?(.*)$"),
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression after(QStringLiteral("^(.*?)[ \\x{A0}]?(?:\\p{Sc}|(?<!\\p{L})[A-Z]{2,3})$"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression digit(QStringLiteral("\\d"));
    text = text.trimmed();
    scale = 1;
    if (const auto m = percent.match(text); m.hasMatch()) {
        text = m.captured(1);
        scale = 100;
    }
    if (text.contains(digit)) {
        if (const auto m = before.match(text); m.hasMatch()) {
            text = m.captured(1) + m.captured(2);
        } else if (const auto n = after.match(text); n.hasMatch()) {
            text = n.captured(1);
            if (text.endsWith(u'-') && !text.startsWith(u'-'))
                text = u'-' + text.chopped(1);
        }
    }
    // Compiled once for each set of group marks: compiling them for every field took more
    // of each run than the reader itself.
    const auto groupsWith = [](const QString &extra) {
        const QString marks = QStringLiteral(" \\x{A0}\\x{202F}'") + extra;
        return QRegularExpression(QStringLiteral("^([+-]?\\d{1,3})([%1])(\\d{3}(?:\\2\\d{3})*)(?!\\d)(?!\\2)(.*)$").arg(marks),
                                  QRegularExpression::DotMatchesEverythingOption);
    };
    static const QRegularExpression spaceGroups = groupsWith(QString());
    static const QRegularExpression dotGroups = groupsWith(QStringLiteral("."));
    static const QRegularExpression commaGroupsToo = groupsWith(QStringLiteral(","));
    const QRegularExpression &groups = decimalComma ? dotGroups : commaGroups ? commaGroupsToo : spaceGroups;
    if (const auto m = groups.match(text); m.hasMatch())
        text = m.captured(1) + m.captured(3).remove(m.captured(2)) + m.captured(4);
    if (decimalComma)
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

// What the toolkit reads in a field: the reference the reader's own parser must match.
int referenceComponent(QByteArrayView field, bool decimalComma, bool *isNumber = nullptr, bool quoted = false)
{
    double scale = 1;
    const QString text = undecorated(fieldText(field), decimalComma, quoted && !decimalComma, scale);
    bool ok = false;
    double value = text.toDouble(&ok) / scale;
    // A spreadsheet's float residue (114.99999999999999 for a shown 115): within a billionth,
    // relative to the whole number (to 1 near 0), a value is that whole number.
    if (const double whole = std::round(value); std::fabs(value - whole) <= 1e-9 * std::max(std::fabs(whole), 1.0))
        value = whole;
    const double down = std::floor(value);
    ok = ok && std::isfinite(value) && down >= double(INT_MIN) && down <= double(INT_MAX);
    if (isNumber)
        *isNumber = ok;
    return ok ? int(down) : 0;
}

// Every piece between the given separators and line ends, the first few hundred of them.
void checkFields(const QByteArray &bytes, bool splitAtComma)
{
    int checked = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size() && checked < 256; ++i) {
        const char ch = i < bytes.size() ? bytes[i] : '\n';
        if (ch != ';' && ch != '\n' && ch != '\r' && !(splitAtComma && ch == ','))
            continue;
        const QByteArrayView field(bytes.constData() + start, i - start);
        start = i + 1;
        ++checked;
        if (field.size() > 64)
            continue; // long fields go through the whole reader above
        if (splitAtComma) {
            if (tess::sheetFieldToInt(field) != referenceComponent(field, false))
                fail("sheetFieldToInt differs from QString::toDouble");
            if (tess::sheetFieldToComponent(field) != referenceComponent(field, false))
                fail("sheetFieldToComponent differs from QString::toDouble");
        }
        if (tess::sheetFieldToComponent(field, true) != referenceComponent(field, true))
            fail("sheetFieldToComponent with a decimal comma differs from QString::toDouble");
    }
}

// The rules read plainly, over the whole text at once: the reference the streaming
// reader must agree with. For ASCII text only, where decoding changes nothing.
namespace reference {

int lineEnd(const QByteArray &t, qsizetype i)
{
    if (i >= t.size())
        return 0;
    if (t[i] == '\n')
        return 1;
    if (t[i] == '\r')
        return i + 1 < t.size() && t[i + 1] == '\n' ? 2 : 1;
    return t[i] == '^' && i + 1 < t.size() && t[i + 1] == 'M' ? 2 : 0;
}

struct Line
{
    QList<QByteArray> fields; // unquoted
    QList<bool> quoted;
    qsizetype end = 0;        // where the line end (or the text) begins
    qsizetype next = 0;       // where the next line may begin
    bool openQuote = false;
};

// The line at i. Fields start after the separator, or after any byte of it with anyOf.
Line cut(const QByteArray &t, qsizetype i, const QByteArray &sep, bool anyOf)
{
    Line line;
    QByteArray field;
    bool fieldStart = true;
    bool quoted = false;
    for (;;) {
        if (fieldStart && !sep.contains('"') && i < t.size() && t[i] == '"') {
            quoted = true;
            for (++i;; ++i) {
                if (i >= t.size()) {
                    line.openQuote = true;
                    break;
                }
                if (t[i] == '"' && !(i + 1 < t.size() && t[i + 1] == '"'))
                    break;
                field += t[i];
                i += t[i] == '"'; // the first of ""
            }
            ++i;
        }
        fieldStart = false;
        const int n = lineEnd(t, i);
        if (i >= t.size() || n > 0) {
            line.fields << field;
            line.quoted << quoted;
            line.end = std::min(i, t.size());
            line.next = line.end + n;
            return line;
        }
        const qsizetype s = anyOf ? (sep.contains(t[i]) ? 1 : 0) : (t.mid(i, sep.size()) == sep ? sep.size() : 0);
        if (s > 0) {
            line.fields << field;
            line.quoted << quoted;
            quoted = false;
            field.clear();
            fieldStart = true;
            i += s;
        } else {
            field += t[i++];
        }
    }
}

qsizetype skipEmptyLines(const QByteArray &t, qsizetype i)
{
    while (lineEnd(t, i) > 0)
        i += lineEnd(t, i);
    return i;
}

// "sep=X", X repeated any number of times after it; the first cell may be quoted.
QByteArray namedSeparator(const QByteArray &t, const Line &first, qsizetype start)
{
    QByteArray text = t.mid(start, first.end - start);
    if (text.startsWith('"')) {
        qsizetype close = 1;
        while (close < text.size() && (text[close] != '"' || (close + 1 < text.size() && text[close + 1] == '"')))
            close += text[close] == '"' ? 2 : 1;
        text = first.fields.value(0) + text.mid(close + 1);
    }
    if (text.size() < 5 || text.left(4).toLower() != "sep=")
        return {};
    for (qsizetype i = 5; i < text.size(); ++i) {
        if (text[i] != text[4])
            return {};
    }
    return text.mid(4, 1);
}

struct Result
{
    bool refused = false; // a quote never closed, or no usable header
    PixelRecords records;
    qint64 skipped = 0;
};

Result read(const QByteArray &t)
{
    Result result;
    qsizetype i = skipEmptyLines(t, 0);
    Line line = cut(t, i, ",;\t", true);
    QByteArray named = line.openQuote ? QByteArray() : namedSeparator(t, line, i);
    if (!named.isEmpty())
        i = skipEmptyLines(t, line.next);
    // The header: the first of the first 50 non-empty lines with x and y.
    QByteArray sep;
    int slot[9]; // record index -> column
    for (int tries = 0; tries < 50; ++tries) {
        sep = named;
        if (sep.isEmpty()) {
            // Whether a separator stands outside quotes anywhere in the line.
            line = cut(t, i, ",;\t", true);
            QByteArray first = t.mid(i, line.end - i);
            first.replace('\n', ' ').replace('\r', ' ').replace('^', ' ');
            sep = cut(first, 0, ",", false).fields.size() > 1 ? "," : cut(first, 0, ";", false).fields.size() > 1 ? ";"
                : cut(first, 0, "\t", false).fields.size() > 1                                                 ? "\t"
                                                                                                                  : ",";
        }
        line = cut(t, i, sep, false);
        std::fill(std::begin(slot), std::end(slot), -1);
        for (int column = 0; column < int(line.fields.size()); ++column) {
            const int at = line.fields[column].size() == 1 ? int(QByteArray("xyrgbahsv").indexOf(line.fields[column][0])) : -1;
            if (at >= 0)
                slot[at] = column;
        }
        result.refused = line.openQuote || i >= t.size() || slot[0] < 0 || slot[1] < 0;
        if (!result.refused || line.openQuote || i >= t.size())
            break;
        i = skipEmptyLines(t, line.next);
    }
    for (i = skipEmptyLines(t, line.next); !result.refused && i < t.size(); i = skipEmptyLines(t, line.next)) {
        line = cut(t, i, sep, false);
        result.refused = line.openQuote;
        int32_t values[9] = {};
        bool positioned = true;
        for (int k = 0; k < 9; ++k) {
            if (k == 5 || slot[k] < 0)
                continue; // alpha is never read
            bool number = false;
            const QByteArray field = line.fields.value(slot[k]);
            values[k] = referenceComponent(field, sep != ",", &number, line.quoted.value(slot[k]));
            positioned = positioned && (k >= 2 || number);
        }
        if (!positioned) {
            ++result.skipped;
            continue;
        }
        PixelRecord record;
        std::memcpy(&record, values, sizeof record);
        result.records.push_back(record);
    }
    return result;
}

} // namespace reference

void checkAgainstReference(const QByteArray &bytes, const tess::SheetInfo &info, const PixelRecords &records)
{
    for (const char c : bytes) {
        if (uchar(c) >= 0x80)
            return;
    }
    if (info.shape != tess::SheetShape::List || info.grid != tess::GridReading::None)
        return; // the reference reads pixel lists only
    const reference::Result expected = reference::read(bytes);
    if (expected.refused) {
        CHECK(info.status != tess::Status::Done);
        return;
    }
    if (info.status != tess::Status::Done)
        return; // a header without colour columns; checkInfo has looked at it
    CHECK(records == expected.records);
    CHECK(info.skippedLines == expected.skipped);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);

    qint64 lastProgress = 0;
    bool progressOk = true;
    PixelRecords records;
    records.push_back(PixelRecord{1, 2, 3, 4, 5, 6, 7, 8, 9}); // must be emptied first
    const tess::SheetInfo info = tess::readSheet(buffer, records, [&](qint64 bytesRead) {
        if (bytesRead < lastProgress || bytesRead > qint64(size))
            progressOk = false;
        lastProgress = bytesRead;
    });
    CHECK(progressOk);
    checkInfo(bytes, info, records);

    // Small blocks split every line end, BOM and UTF-8 sequence somewhere.
    const qint64 blockSize = size == 0 ? 1 : 1 + data[size - 1] % 13;
    QBuffer again;
    again.setData(bytes);
    again.open(QIODevice::ReadOnly);
    PixelRecords blockRecords;
    const tess::SheetInfo blockInfo = tess::readSheetInBlocks(again, blockRecords, blockSize);
    CHECK(sameInfo(info, blockInfo));
    CHECK(records == blockRecords);

    checkAgainstReference(bytes, info, records);
    checkFields(bytes, true);
    checkFields(bytes, false);
    return 0;
}
