// Any bytes as a pixel sheet: the reader must never crash, never read out of bounds and
// always keep its promises about what it returns.
//
// Checked for every input:
//  - a loaded sheet has x and y columns and at least one colour column; maxX and maxY are
//    exactly one more than the largest coordinate (at least 1, held at INT_MAX);
//  - a rejected sheet leaves no records, and its status matches the header it reports;
//  - no more records than lines;
//  - the same result whatever the block size the device is read in;
//  - the progress reports never go backwards nor past the end;
//  - each field parses exactly as the toolkit's own QString::toInt / toDouble would.

#include "fuzzcheck.h"
#include "sheet/sheetreader.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

int expectedExtent(int current, int32_t coordinate)
{
    const int next = coordinate == INT_MAX ? INT_MAX : coordinate + 1;
    return next > current ? next : current;
}

void checkInfo(const QByteArray &bytes, const tess::SheetInfo &info, const PixelRecords &records)
{
    const tess::SheetColumns &c = info.columns;
    CHECK(info.status != tess::SheetStatus::CannotOpen);
    CHECK(info.hasRgb == (c.r >= 0 || c.g >= 0 || c.b >= 0));
    CHECK(info.hasHsv == (c.h >= 0 || c.s >= 0 || c.v >= 0));

    switch (info.status) {
    case tess::SheetStatus::NotValidSheet:
        CHECK(c.x < 0 || c.y < 0);
        CHECK(records.empty());
        return;
    case tess::SheetStatus::NoColourValues:
        CHECK(c.x >= 0 && c.y >= 0);
        CHECK(!info.hasRgb && !info.hasHsv);
        CHECK(records.empty());
        return;
    case tess::SheetStatus::CannotOpen:
        return;
    case tess::SheetStatus::Loaded:
        break;
    }

    CHECK(c.x >= 0 && c.y >= 0 && c.x != c.y);
    CHECK(info.hasRgb || info.hasHsv);
    CHECK(info.maxX >= 1 && info.maxY >= 1);

    // One record per data line at most: the header is a line, every line end (CR, LF and
    // the two characters "^M" that some exports write) ends one.
    const qsizetype lineEnds = bytes.count('\n') + bytes.count('\r') + bytes.count("^M");
    CHECK(qsizetype(records.size()) <= lineEnds + 1);

    int maxX = 1;
    int maxY = 1;
    for (const PixelRecord &record : records) {
        maxX = expectedExtent(maxX, record.x);
        maxY = expectedExtent(maxY, record.y);
        CHECK(record.x < info.maxX || (record.x == INT_MAX && info.maxX == INT_MAX));
        CHECK(record.y < info.maxY || (record.y == INT_MAX && info.maxY == INT_MAX));
    }
    CHECK(maxX == info.maxX);
    CHECK(maxY == info.maxY);
}

bool sameInfo(const tess::SheetInfo &a, const tess::SheetInfo &b)
{
    const tess::SheetColumns &p = a.columns;
    const tess::SheetColumns &q = b.columns;
    return a.status == b.status && a.hasRgb == b.hasRgb && a.hasHsv == b.hasHsv && a.maxX == b.maxX
        && a.maxY == b.maxY && p.x == q.x && p.y == q.y && p.r == q.r && p.g == q.g && p.b == q.b
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

// What the toolkit reads in a field: the reference the reader's own parser must match.
int referenceInt(QByteArrayView field)
{
    bool ok = false;
    const int value = fieldText(field).toInt(&ok, 10);
    return ok ? value : 0;
}

int referenceComponent(QByteArrayView field, bool decimalComma)
{
    QString text = fieldText(field);
    if (decimalComma)
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0;
    const double down = std::floor(value);
    if (down < double(INT_MIN) || down > double(INT_MAX))
        return 0;
    return int(down);
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
            if (tess::sheetFieldToInt(field) != referenceInt(field))
                fail("sheetFieldToInt differs from QString::toInt");
            if (tess::sheetFieldToComponent(field) != referenceComponent(field, false))
                fail("sheetFieldToComponent differs from QString::toDouble");
        }
        if (tess::sheetFieldToComponent(field, true) != referenceComponent(field, true))
            fail("sheetFieldToComponent with a decimal comma differs from QString::toDouble");
    }
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

    checkFields(bytes, true);
    checkFields(bytes, false);
    return 0;
}
