#include "sheet/sheetreader.h"
#include "sheet/sheetwriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <cmath>

using namespace tess;

Q_DECLARE_METATYPE(PixelRecords)
Q_DECLARE_METATYPE(tess::SheetStatus)

namespace {

PixelRecord rgb(int x, int y, int r, int g, int b)
{
    return {.x = x, .y = y, .r = r, .g = g, .b = b};
}

PixelRecord hsv(int x, int y, int h, int s, int v)
{
    return {.x = x, .y = y, .h = h, .s = s, .v = v};
}

QString describe(const PixelRecord &p)
{
    return QStringLiteral("(x %1 y %2 r %3 g %4 b %5 a %6 h %7 s %8 v %9)")
        .arg(p.x).arg(p.y).arg(p.r).arg(p.g).arg(p.b).arg(p.a).arg(p.h).arg(p.s).arg(p.v);
}

// The first difference between two record lists, or an empty string.
QString difference(const PixelRecords &actual, const PixelRecords &expected)
{
    for (size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        if (!(actual[i] == expected[i]))
            return QStringLiteral("record %1 is %2, expected %3")
                .arg(i).arg(describe(actual[i]), describe(expected[i]));
    }
    if (actual.size() != expected.size())
        return QStringLiteral("%1 records, expected %2").arg(actual.size()).arg(expected.size());
    return QString();
}

QByteArray utf16(const QString &text, bool littleEndian)
{
    QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
    for (QChar c : text) {
        const char lo = char(c.unicode() & 0xFF);
        const char hi = char(c.unicode() >> 8);
        bytes.append(littleEndian ? lo : hi);
        bytes.append(littleEndian ? hi : lo);
    }
    return bytes;
}

const qint64 BlockSizes[] = { 1, 2, 3, 7, DefaultSheetBlockSize };

SheetInfo readBytes(const QByteArray &bytes, PixelRecords &out, qint64 blockSize)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    if (blockSize == DefaultSheetBlockSize)
        return readSheet(buffer, out);
    return readSheetInBlocks(buffer, out, blockSize);
}

QList<int> columnList(const SheetColumns &c)
{
    return { c.x, c.y, c.r, c.g, c.b, c.a, c.h, c.s, c.v };
}

// The field's text as in a decoding of the whole file (QString::fromUtf8 would drop a
// U+FEFF at the start of the field, which in a file is text).
QString fieldText(const QByteArray &field)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless
                                   | QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(field);
}

// What QString makes of a field: the reference for the reader's own number parsing.
int toolkitInt(const QByteArray &field, bool decimalComma)
{
    QString text = fieldText(field);
    if (decimalComma)
        text.replace(u',', u'.');
    return text.toInt(nullptr, 10);
}

int toolkitComponent(const QByteArray &field, bool decimalComma)
{
    QString text = fieldText(field);
    if (decimalComma)
        text.replace(u',', u'.');
    const double d = std::floor(text.toDouble());
    if (!std::isfinite(d) || d < INT_MIN || d > INT_MAX)
        return 0;
    return int(d);
}

} // namespace

class TestSheetReader : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void header_data();
    void header();
    void fieldValue_data();
    void fieldValue();
    void roundTrip_data();
    void roundTrip();
    void millionRecordsRoundTrip();
    void rejectedSheetLeavesNoRecords();
    void loadSheetFromDisk_data();
    void loadSheetFromDisk();
    void statusMessage_data();
    void statusMessage();
};

void TestSheetReader::read_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<SheetStatus>("status");
    QTest::addColumn<PixelRecords>("records");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    const PixelRecords two = { rgb(0, 0, 1, 2, 3), rgb(1, 0, 4, 5, 6) };
    const auto loaded = SheetStatus::Loaded;

    // Line ends.
    QTest::newRow("line end: LF") << QByteArray("x,y,r,g,b\n0,0,1,2,3\n1,0,4,5,6\n") << loaded << two << 2 << 1;
    QTest::newRow("line end: CR LF") << QByteArray("x,y,r,g,b\r\n0,0,1,2,3\r\n1,0,4,5,6\r\n") << loaded << two << 2 << 1;
    QTest::newRow("line end: lone CR") << QByteArray("x,y,r,g,b\r0,0,1,2,3\r1,0,4,5,6\r") << loaded << two << 2 << 1;
    QTest::newRow("line end: LF CR") << QByteArray("x,y,r,g,b\n\r0,0,1,2,3\n\r1,0,4,5,6\n\r") << loaded << two << 2 << 1;
    QTest::newRow("line end: ^M") << QByteArray("x,y,r,g,b^M0,0,1,2,3^M1,0,4,5,6^M") << loaded << two << 2 << 1;
    QTest::newRow("line end: CR LF CR") << QByteArray("x,y,r,g,b\r\n\r0,0,1,2,3\r\n\r1,0,4,5,6") << loaded << two << 2 << 1;
    QTest::newRow("line end: LF CR LF") << QByteArray("x,y,r,g,b\n\r\n0,0,1,2,3\n\r\n1,0,4,5,6") << loaded << two << 2 << 1;
    QTest::newRow("line end: all forms mixed")
        << QByteArray("x,y,r,g,b\r\n0,0,1,2,3^M1,0,4,5,6\r2,0,7,8,9\n\r3,0,1,1,1\n")
        << loaded << PixelRecords{ rgb(0, 0, 1, 2, 3), rgb(1, 0, 4, 5, 6), rgb(2, 0, 7, 8, 9), rgb(3, 0, 1, 1, 1) } << 4 << 1;
    QTest::newRow("line end: missing after last line") << QByteArray("x,y,r,g,b\n0,0,1,2,3\n1,0,4,5,6") << loaded << two << 2 << 1;
    QTest::newRow("line end: lower-case ^m is text")
        << QByteArray("x,y,r\n0,0,5^m1,0,6\n") << loaded << PixelRecords{ rgb(0, 0, 0, 0, 0) } << 1 << 1;
    QTest::newRow("line end: caret without M is text")
        << QByteArray("x,y,r\n1,0,7^\n2,0,^8\n") << loaded << PixelRecords{ rgb(1, 0, 0, 0, 0), rgb(2, 0, 0, 0, 0) } << 3 << 1;
    QTest::newRow("line end: caret before ^M")
        << QByteArray("x,y,r\n1,0,7^^M2,0,8\n") << loaded << PixelRecords{ rgb(1, 0, 0, 0, 0), rgb(2, 0, 8, 0, 0) } << 3 << 1;
    QTest::newRow("line end: caret as the last byte")
        << QByteArray("x,y,r\n1,0,7\n^") << loaded << PixelRecords{ rgb(1, 0, 7, 0, 0) } << 2 << 1;
    QTest::newRow("line end: ^M right after a number at the end")
        << QByteArray("x,y,r\n1,0,7^M") << loaded << PixelRecords{ rgb(1, 0, 7, 0, 0) } << 2 << 1;

    // Empty lines.
    QTest::newRow("empty lines: before the header") << QByteArray("\n\r\n^M\r\rx,y,r,g,b\n0,0,1,2,3\n1,0,4,5,6\n") << loaded << two << 2 << 1;
    QTest::newRow("empty lines: between and after data") << QByteArray("x,y,r,g,b\n\n\n0,0,1,2,3\r\n\r\n^M1,0,4,5,6\n\n\n") << loaded << two << 2 << 1;
    QTest::newRow("empty lines: empty file") << QByteArray() << SheetStatus::NotValidSheet << PixelRecords{} << 0 << 0;
    QTest::newRow("empty lines: only line ends") << QByteArray("\r\n\n\r^M\n") << SheetStatus::NotValidSheet << PixelRecords{} << 0 << 0;
    QTest::newRow("empty lines: a blank line is a header")
        << QByteArray(" \nx,y,r\n0,0,1\n") << SheetStatus::NotValidSheet << PixelRecords{} << 0 << 0;
    QTest::newRow("empty lines: a blank data line is too short")
        << QByteArray("x,y,r\n0,0,1\n \n1,0,2\n") << loaded << PixelRecords{ rgb(0, 0, 1, 0, 0), rgb(1, 0, 2, 0, 0) } << 2 << 1;
    QTest::newRow("empty lines: only commas give a record of zeros")
        << QByteArray("x,y,r\n,,\n") << loaded << PixelRecords{ rgb(0, 0, 0, 0, 0) } << 1 << 1;

    // Header.
    QTest::newRow("header: capitals are no names")
        << QByteArray("X,Y,R,G,B\n0,0,1,2,3\n") << SheetStatus::NotValidSheet << PixelRecords{} << 0 << 0;
    QTest::newRow("header: blank after each comma")
        << QByteArray("x, y, r, g, b\n0,0,1,2,3\n") << SheetStatus::NotValidSheet << PixelRecords{} << 0 << 0;
    QTest::newRow("header: y,x,v reads x from the second field")
        << QByteArray("y,x,v\n1,2,3\n") << loaded << PixelRecords{ hsv(2, 1, 0, 0, 3) } << 3 << 2;
    QTest::newRow("header: x,y,a has no colour")
        << QByteArray("x,y,a\n0,0,1\n") << SheetStatus::NoColourValues << PixelRecords{} << 0 << 0;
    QTest::newRow("header: a note column is skipped")
        << QByteArray("x,y,r,note,g,b\n3,4,12.9,some text,0,255\n") << loaded << PixelRecords{ rgb(3, 4, 12, 0, 255) } << 4 << 5;
    QTest::newRow("header: a note column with a number")
        << QByteArray("x,y,r,note,g,b\n3,4,12.9,0,255\n") << loaded << PixelRecords{ rgb(3, 4, 12, 255, 0) } << 4 << 5;
    QTest::newRow("header: rightmost of equal names wins")
        << QByteArray("x,x,y,r,r\n1,2,0,5,6\n") << loaded << PixelRecords{ rgb(2, 0, 6, 0, 0) } << 3 << 1;
    QTest::newRow("header: alpha is located but never read")
        << QByteArray("x,y,r,g,b,a\n0,0,1,2,3,200\n") << loaded << PixelRecords{ rgb(0, 0, 1, 2, 3) } << 1 << 1;
    QTest::newRow("header: both colour models")
        << QByteArray("x,y,r,g,b,h,s,v\n1,1,1,2,3,-1,0,9\n") << loaded
        << PixelRecords{ [] { PixelRecord p = rgb(1, 1, 1, 2, 3); p.h = -1; p.v = 9; return p; }() } << 2 << 2;
    QTest::newRow("header: fields beyond the header are ignored")
        << QByteArray("x,y,r\n1,2,3,4,5,6,7\n") << loaded << PixelRecords{ rgb(1, 2, 3, 0, 0) } << 2 << 3;

    // Values.
    QTest::newRow("values: decimal x reads 0") << QByteArray("x,y,r,g,b\n3.0,4,1,2,3\n") << loaded << PixelRecords{ rgb(0, 4, 1, 2, 3) } << 1 << 5;
    QTest::newRow("values: components round down")
        << QByteArray("x,y,r,g,b\n0,0,127.9,-0.5,1e2\n") << loaded << PixelRecords{ rgb(0, 0, 127, -1, 100) } << 1 << 1;
    QTest::newRow("values: blanks around numbers")
        << QByteArray("x,y,r,g,b\n 3 ,\t4\t,  5 ,6 , 7\n") << loaded << PixelRecords{ rgb(3, 4, 5, 6, 7) } << 4 << 5;
    QTest::newRow("values: signs")
        << QByteArray("x,y,r,g,b\n+3,-0,-7,+8,-2147483648\n") << loaded << PixelRecords{ rgb(3, 0, -7, 8, INT_MIN) } << 4 << 1;
    QTest::newRow("values: not numbers read 0")
        << QByteArray("x,y,r,g,b\n0x10,abc,nan,inf,\n") << loaded << PixelRecords{ rgb(0, 0, 0, 0, 0) } << 1 << 1;
    QTest::newRow("values: out of range reads 0")
        << QByteArray("x,y,r,g,b\n2147483648,-2147483649,2147483648,1e999,-2147483649\n") << loaded
        << PixelRecords{ rgb(0, 0, 0, 0, 0) } << 1 << 1;

    // Short lines.
    QTest::newRow("short lines: missing components keep the previous values")
        << QByteArray("x,y,r,g,b\n0,0,10,20,30\n1,0,40\n") << loaded << PixelRecords{ rgb(0, 0, 10, 20, 30), rgb(1, 0, 40, 20, 30) } << 2 << 1;
    QTest::newRow("short lines: first line without components reads 0")
        << QByteArray("x,y,r,g,b\n5,6\n") << loaded << PixelRecords{ rgb(5, 6, 0, 0, 0) } << 6 << 7;
    QTest::newRow("short lines: an empty field is not missing")
        << QByteArray("x,y,r,g,b\n0,0,10,20,30\n1,0,,\n") << loaded << PixelRecords{ rgb(0, 0, 10, 20, 30), rgb(1, 0, 0, 0, 30) } << 2 << 1;
    QTest::newRow("short lines: too short for y is skipped")
        << QByteArray("x,y,r\n0,0,5\n700\n1,0,6\n") << loaded << PixelRecords{ rgb(0, 0, 5, 0, 0), rgb(1, 0, 6, 0, 0) } << 2 << 1;
    QTest::newRow("short lines: too short for x is skipped")
        << QByteArray("r,y,x\n5,0,0\n9,900\n6,1,1\n") << loaded << PixelRecords{ rgb(0, 0, 5, 0, 0), rgb(1, 1, 6, 0, 0) } << 2 << 2;

    // Extent.
    QTest::newRow("extent: header alone") << QByteArray("x,y,r,g,b\n") << loaded << PixelRecords{} << 1 << 1;
    QTest::newRow("extent: only negative coordinates")
        << QByteArray("x,y,r\n-5,-1,1\n-1,-7,2\n") << loaded << PixelRecords{ rgb(-5, -1, 1, 0, 0), rgb(-1, -7, 2, 0, 0) } << 1 << 1;
    QTest::newRow("extent: 640 x 480")
        << QByteArray("x,y,r\n639,0,1\n0,479,2\n10,10,3\n") << loaded
        << PixelRecords{ rgb(639, 0, 1, 0, 0), rgb(0, 479, 2, 0, 0), rgb(10, 10, 3, 0, 0) } << 640 << 480;
    QTest::newRow("extent: huge coordinate")
        << QByteArray("x,y,r\n2000000000,3,1\n") << loaded << PixelRecords{ rgb(2000000000, 3, 1, 0, 0) } << 2000000001 << 4;
    QTest::newRow("extent: largest int is held")
        << QByteArray("x,y,r\n2147483647,2147483647,1\n") << loaded << PixelRecords{ rgb(INT_MAX, INT_MAX, 1, 0, 0) } << INT_MAX << INT_MAX;

    // Sheets saved with other separators.
    QTest::newRow("separator: semicolon header")
        << QByteArray("x;y;r;g;b\n1;2;12,9;-0,5;3\n") << loaded << PixelRecords{ rgb(1, 2, 12, -1, 3) } << 2 << 3;
    QTest::newRow("separator: semicolon with decimal points")
        << QByteArray("x;y;r\n1;2;3.5\n") << loaded << PixelRecords{ rgb(1, 2, 3, 0, 0) } << 2 << 3;
    QTest::newRow("separator: semicolon, decimal x reads 0")
        << QByteArray("x;y;r\n3,0;2;1\n") << loaded << PixelRecords{ rgb(0, 2, 1, 0, 0) } << 1 << 3;
    QTest::newRow("separator: sep=; line")
        << QByteArray("sep=;\nx;y;r\n1;2;3,7\n") << loaded << PixelRecords{ rgb(1, 2, 3, 0, 0) } << 2 << 3;
    QTest::newRow("separator: sep=; after empty lines, with CR LF")
        << QByteArray("\r\nsep=;\r\n\r\nx;y;r\r\n1;2;3,7\r\n") << loaded << PixelRecords{ rgb(1, 2, 3, 0, 0) } << 2 << 3;
    QTest::newRow("separator: sep=, reads commas")
        << QByteArray("sep=,\nx,y,r\n1,2,3\n") << loaded << PixelRecords{ rgb(1, 2, 3, 0, 0) } << 2 << 3;
    QTest::newRow("separator: sep=tab")
        << QByteArray("sep=\t\nx\ty\tr\n1\t2\t3,5\n") << loaded << PixelRecords{ rgb(1, 2, 0, 0, 0) } << 2 << 3;
    QTest::newRow("separator: sep=| keeps commas as text")
        << QByteArray("sep=|\nx|y|r,g\n1|2|3\n") << SheetStatus::NoColourValues << PixelRecords{} << 0 << 0;
    QTest::newRow("separator: sep=^ next to ^M line ends")
        << QByteArray("sep=^\nx^y^r^M1^2^3^M4^5^6") << loaded << PixelRecords{ rgb(1, 2, 3, 0, 0), rgb(4, 5, 6, 0, 0) } << 5 << 6;
    QTest::newRow("separator: sep=M next to ^M line ends")
        << QByteArray("sep=M\nxMyMr^M1M2M3^M4M5M6\n") << loaded << PixelRecords{ rgb(1, 2, 3, 0, 0), rgb(4, 5, 6, 0, 0) } << 5 << 6;
    QTest::newRow("separator: a digit as separator")
        << QByteArray("sep=1\nx1y1r\n213140\n") << loaded << PixelRecords{ rgb(2, 3, 40, 0, 0) } << 3 << 4;
    QTest::newRow("separator: a blank as separator")
        << QByteArray("sep= \nx y r\n1 2 3\n") << loaded << PixelRecords{ rgb(1, 2, 3, 0, 0) } << 2 << 3;
    QTest::newRow("separator: non-ASCII character")
        << QByteArray("sep=\xC3\xA9\nx\xC3\xA9y\xC3\xA9r\n1\xC3\xA9" "2\xC3\xA9" "3\n") << loaded << PixelRecords{ rgb(1, 2, 3, 0, 0) } << 2 << 3;
    QTest::newRow("separator: commas win over semicolons")
        << QByteArray("x,y,r;g\n1,2,3;4\n") << SheetStatus::NoColourValues << PixelRecords{} << 0 << 0;
    QTest::newRow("separator: SEP= is a header")
        << QByteArray("SEP=;\nx;y;r\n1;2;3\n") << SheetStatus::NotValidSheet << PixelRecords{} << 0 << 0;
    QTest::newRow("separator: sep=;; is a header")
        << QByteArray("sep=;;\nx;y;r\n1;2;3\n") << SheetStatus::NotValidSheet << PixelRecords{} << 0 << 0;
    QTest::newRow("separator: sep= on the second line is data")
        << QByteArray("x,y,r\nsep=;\n1,2,3\n") << loaded << PixelRecords{ rgb(1, 2, 3, 0, 0) } << 2 << 3;

    // Encodings.
    const QString sheet = QStringLiteral("x,y,r,g,b\r\n0,0,1,2,3\r\n1,0,4,5,6\r\n");
    QTest::newRow("encoding: UTF-8 mark") << QByteArray("\xEF\xBB\xBF") + sheet.toUtf8() << loaded << two << 2 << 1;
    QTest::newRow("encoding: UTF-16 LE mark") << utf16(sheet, true) << loaded << two << 2 << 1;
    QTest::newRow("encoding: UTF-16 BE mark") << utf16(sheet, false) << loaded << two << 2 << 1;
    QTest::newRow("encoding: UTF-8 mark alone") << QByteArray("\xEF\xBB\xBF") << SheetStatus::NotValidSheet << PixelRecords{} << 0 << 0;
    QTest::newRow("encoding: UTF-16 LE mark alone") << QByteArray("\xFF\xFE") << SheetStatus::NotValidSheet << PixelRecords{} << 0 << 0;
    QTest::newRow("encoding: UTF-16 BE mark alone") << QByteArray("\xFE\xFF") << SheetStatus::NotValidSheet << PixelRecords{} << 0 << 0;
    QTest::newRow("encoding: a second mark is text")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx,y,r\n0,0,1\n") << SheetStatus::NotValidSheet << PixelRecords{} << 0 << 0;
    QTest::newRow("encoding: UTF-16 cut in the last line end")
        << utf16(sheet, true).chopped(1) << loaded << two << 2 << 1;
    QTest::newRow("encoding: UTF-16 cut in the last digit")
        << utf16(QStringLiteral("x,y,r\n1,2,34"), true).chopped(1) << loaded << PixelRecords{ rgb(1, 2, 0, 0, 0) } << 2 << 3;
    QTest::newRow("encoding: UTF-16 with characters beyond 16 bits")
        << utf16(QStringLiteral("x,y,\U0001F600,r\n1,2,\U0001F600\U0001F601,3\n"), true) << loaded << PixelRecords{ rgb(1, 2, 3, 0, 0) } << 2 << 3;
    QTest::newRow("encoding: UTF-16 with an unpaired surrogate")
        << utf16(QStringLiteral("x,y,n,r\n1,2,") + QChar(0xD800) + QStringLiteral(",3\n4,5,6,") + QChar(0xDC00) + QStringLiteral("\n"), false)
        << loaded << PixelRecords{ rgb(1, 2, 3, 0, 0), rgb(4, 5, 0, 0, 0) } << 5 << 6;
    QTest::newRow("encoding: invalid UTF-8 in a note")
        << QByteArray("x,y,note,r\n1,2,caf\xE9,3\n4,5,\xF0\x9F,6\n") << loaded << PixelRecords{ rgb(1, 2, 3, 0, 0), rgb(4, 5, 6, 0, 0) } << 5 << 6;
    QTest::newRow("encoding: invalid UTF-8 in a value")
        << QByteArray("x,y,r,g\n1,2,3\xE9,4\n") << loaded << PixelRecords{ rgb(1, 2, 0, 4, 0) } << 2 << 3;
    QTest::newRow("encoding: UTF-8 cut in the last character")
        << QByteArray("x,y,r\n1,2,3\xE2\x82") << loaded << PixelRecords{ rgb(1, 2, 0, 0, 0) } << 2 << 3;
    QTest::newRow("encoding: no-break spaces trimmed for colours only")
        << QByteArray("x,y,r\n\xC2\xA0" "1,2,\xC2\xA0" "3\xC2\xA0\n") << loaded << PixelRecords{ rgb(0, 2, 3, 0, 0) } << 1 << 3;
}

void TestSheetReader::read()
{
    QFETCH(QByteArray, text);
    QFETCH(SheetStatus, status);
    QFETCH(PixelRecords, records);
    QFETCH(int, width);
    QFETCH(int, height);

    for (const qint64 blockSize : BlockSizes) {
        PixelRecords out;
        const SheetInfo info = readBytes(text, out, blockSize);
        const QByteArray where = "block size " + QByteArray::number(blockSize);
        QVERIFY2(info.status == status, where + ": status " + QByteArray::number(int(info.status)));
        const QString diff = difference(out, records);
        QVERIFY2(diff.isEmpty(), where + ": " + diff.toUtf8());
        if (status == SheetStatus::Loaded) {
            QVERIFY2(info.maxX == width, where + ": width " + QByteArray::number(info.maxX));
            QVERIFY2(info.maxY == height, where + ": height " + QByteArray::number(info.maxY));
        }
    }
}

void TestSheetReader::header_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<SheetStatus>("status");
    QTest::addColumn<QList<int>>("columns"); // x y r g b a h s v
    QTest::addColumn<bool>("hasRgb");
    QTest::addColumn<bool>("hasHsv");

    using L = QList<int>;
    QTest::newRow("rgb") << QByteArray("x,y,r,g,b\n") << SheetStatus::Loaded << L{ 0, 1, 2, 3, 4, -1, -1, -1, -1 } << true << false;
    QTest::newRow("hsv") << QByteArray("x,y,h,s,v\n") << SheetStatus::Loaded << L{ 0, 1, -1, -1, -1, -1, 2, 3, 4 } << false << true;
    QTest::newRow("one component makes a model") << QByteArray("b,y,x") << SheetStatus::Loaded << L{ 2, 1, -1, -1, 0, -1, -1, -1, -1 } << true << false;
    QTest::newRow("y,x,v") << QByteArray("y,x,v\n") << SheetStatus::Loaded << L{ 1, 0, -1, -1, -1, -1, -1, -1, 2 } << false << true;
    QTest::newRow("empty fields keep their place") << QByteArray(",x,,y,,r,\n") << SheetStatus::Loaded << L{ 1, 3, 5, -1, -1, -1, -1, -1, -1 } << true << false;
    QTest::newRow("rightmost duplicate") << QByteArray("x,y,s,x,s,y\n") << SheetStatus::Loaded << L{ 3, 5, -1, -1, -1, -1, -1, 4, -1 } << false << true;
    QTest::newRow("longer names are ignored") << QByteArray("x,y,red,rr,r\n") << SheetStatus::Loaded << L{ 0, 1, 4, -1, -1, -1, -1, -1, -1 } << true << false;
    QTest::newRow("alpha only") << QByteArray("a,x,y\n") << SheetStatus::NoColourValues << L{ 1, 2, -1, -1, -1, 0, -1, -1, -1 } << false << false;
    QTest::newRow("no colour at all") << QByteArray("x,y\n1,2\n") << SheetStatus::NoColourValues << L{ 0, 1, -1, -1, -1, -1, -1, -1, -1 } << false << false;
    QTest::newRow("no y") << QByteArray("x,r,g,b\n") << SheetStatus::NotValidSheet << L{ 0, -1, 1, 2, 3, -1, -1, -1, -1 } << true << false;
    QTest::newRow("capitals") << QByteArray("X,Y,R,G,B\n") << SheetStatus::NotValidSheet << L{ -1, -1, -1, -1, -1, -1, -1, -1, -1 } << false << false;
    QTest::newRow("blank before name") << QByteArray("x, y,r\n") << SheetStatus::NotValidSheet << L{ 0, -1, 2, -1, -1, -1, -1, -1, -1 } << true << false;
    QTest::newRow("semicolons") << QByteArray("h;s;v;x;y\n") << SheetStatus::Loaded << L{ 3, 4, -1, -1, -1, -1, 0, 1, 2 } << false << true;
    QTest::newRow("after sep line") << QByteArray("sep=|\nr|x|y\n") << SheetStatus::Loaded << L{ 1, 2, 0, -1, -1, -1, -1, -1, -1 } << true << false;
    QTest::newRow("sep line only") << QByteArray("sep=;\n") << SheetStatus::NotValidSheet << L{ -1, -1, -1, -1, -1, -1, -1, -1, -1 } << false << false;
}

void TestSheetReader::header()
{
    QFETCH(QByteArray, text);
    QFETCH(SheetStatus, status);
    QFETCH(QList<int>, columns);
    QFETCH(bool, hasRgb);
    QFETCH(bool, hasHsv);

    for (const qint64 blockSize : BlockSizes) {
        PixelRecords out;
        const SheetInfo info = readBytes(text, out, blockSize);
        QCOMPARE(info.status, status);
        QCOMPARE(columnList(info.columns), columns);
        QCOMPARE(info.hasRgb, hasRgb);
        QCOMPARE(info.hasHsv, hasHsv);
    }
}

void TestSheetReader::fieldValue_data()
{
    QTest::addColumn<QByteArray>("field");

    const QByteArray rows[] = {
        "0", "7", "255", "  12 ", "\t12\t", "\v3\f", "+5", "-0", "+0", "-17", "0012",
        "0x10", "1e3", "1E3", "12.9", "-0.5", "3.0", ".5", "5.", "12,9", "-0,5", "3,0", "1,000",
        "", " ", "+", "-", "- 5", "+-5", "--5", "5-", "1 2", "abc", "12abc",
        "2147483647", "2147483648", "-2147483648", "-2147483649", "4294967296",
        "999999999999999999", "1000000000000000000", "18446744073709551616",
        "000000000000000000000000000042", "2147483647.9", "-2147483648.5", "2147483648.0",
        "nan", "NaN", "inf", "-inf", "+inf", "infinity", "1e999", "-1e999", "1e-400", "-1e-400",
        "\xC2\xA0" "12\xC2\xA0", "\xE2\x80\x89" "12", "\xE3\x80\x80" "12",
        "\xEF\xBC\x91\xEF\xBC\x92", "\xD9\xA1\xD9\xA2", "12\xE9", "\x1F" "12", "\xEF\xBB\xBF" "12",
    };
    for (const QByteArray &row : rows)
        QTest::newRow(("[" + row.toPercentEncoding(" +-.,") + "]").constData()) << row;
    QTest::newRow("ten thousand digits") << QByteArray(10000, '9');
    QTest::newRow("ten thousand leading zeros") << QByteArray(10000, '0') + "5";
    QTest::newRow("ten thousand blanks") << QByteArray(10000, ' ') + "5" + QByteArray(10000, ' ');
}

// The reader's own number reading must agree with QString's in every case, both in
// the per-field functions and inside a sheet, where plain digits take a shortcut.
void TestSheetReader::fieldValue()
{
    QFETCH(QByteArray, field);

    for (const bool decimalComma : { false, true }) {
        const int x = toolkitInt(field, decimalComma);
        const int c = toolkitComponent(field, decimalComma);
        QCOMPARE(sheetFieldToInt(field, decimalComma), x);
        QCOMPARE(sheetFieldToComponent(field, decimalComma), c);

        if (!decimalComma && field.contains(','))
            continue; // a comma would split the field
        // The field as x, as a component before a separator, before a line end and at
        // the very end of the text; ";" sheets are named by a sep line.
        const QByteArray s = decimalComma ? ";" : ",";
        const QByteArray text = QByteArray(decimalComma ? "sep=;\n" : "") + "x" + s + "y" + s + "r" + s + "g" + s + "b\n"
                + field + s + "0" + s + field + s + "9" + s + field + "\n"
                + "0" + s + "0" + s + "7" + s + field + s + field;
        for (const qint64 blockSize : { qint64(1), qint64(5), DefaultSheetBlockSize }) {
            PixelRecords out;
            const SheetInfo info = readBytes(text, out, blockSize);
            QCOMPARE(info.status, SheetStatus::Loaded);
            QCOMPARE(out.size(), size_t(2));
            const PixelRecord &a = out[0];
            const PixelRecord &b = out[1];
            QCOMPARE(a.x, x);
            QCOMPARE(a.r, c);
            QCOMPARE(a.b, c);
            QCOMPARE(b.g, c);
            QCOMPARE(b.b, c);
        }
    }
}

void TestSheetReader::roundTrip_data()
{
    QTest::addColumn<ColourModel>("model");
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("count");

    QTest::newRow("rgb, small values") << ColourModel::Rgb << 1u << 2000;
    QTest::newRow("rgb, any int") << ColourModel::Rgb << 2u << 2000;
    QTest::newRow("hsv, small values") << ColourModel::Hsv << 3u << 2000;
    QTest::newRow("hsv, any int") << ColourModel::Hsv << 4u << 2000;
    QTest::newRow("rgb, one record") << ColourModel::Rgb << 5u << 1;
    QTest::newRow("hsv, no record") << ColourModel::Hsv << 6u << 0;
}

void TestSheetReader::roundTrip()
{
    QFETCH(ColourModel, model);
    QFETCH(quint32, seed);
    QFETCH(int, count);

    QRandomGenerator random(seed);
    const bool anyInt = seed % 2 == 0;
    auto value = [&](int low, int high) {
        return anyInt ? int(random.generate()) : int(random.bounded(low, high + 1));
    };
    PixelRecords written(static_cast<size_t>(count));
    PixelRecords expected(static_cast<size_t>(count));
    int64_t maxX = 0, maxY = 0;
    for (int i = 0; i < count; ++i) {
        PixelRecord p;
        p.x = value(-10, 5000);
        p.y = value(-10, 5000);
        p.r = value(0, 255);
        p.g = value(0, 255);
        p.b = value(0, 255);
        p.a = value(0, 255);
        p.h = value(-1, 359);
        p.s = value(0, 255);
        p.v = value(0, 255);
        written[size_t(i)] = p;
        PixelRecord e = p;
        e.a = 0;
        if (model == ColourModel::Rgb)
            e.h = e.s = e.v = 0;
        else
            e.r = e.g = e.b = 0;
        expected[size_t(i)] = e;
        maxX = std::max<int64_t>(maxX, p.x);
        maxY = std::max<int64_t>(maxY, p.y);
    }

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(writeSheet(buffer, written, model));
    for (const qint64 blockSize : { qint64(3), qint64(1000), DefaultSheetBlockSize }) {
        PixelRecords out;
        const SheetInfo info = readBytes(buffer.data(), out, blockSize);
        QCOMPARE(info.status, SheetStatus::Loaded);
        QCOMPARE(info.hasRgb, model == ColourModel::Rgb);
        QCOMPARE(info.hasHsv, model == ColourModel::Hsv);
        const QString diff = difference(out, expected);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        QCOMPARE(info.maxX, int(std::min<int64_t>(maxX + 1, INT_MAX)));
        QCOMPARE(info.maxY, int(std::min<int64_t>(maxY + 1, INT_MAX)));
    }
}

void TestSheetReader::millionRecordsRoundTrip()
{
    PixelRecords written;
    written.reserve(1000000);
    QRandomGenerator random(42);
    for (int x = 0; x < 1000; ++x) {
        for (int y = 0; y < 1000; ++y) {
            PixelRecord p;
            p.x = x;
            p.y = y;
            p.r = int(random.bounded(256));
            p.g = int(random.bounded(256));
            p.b = int(random.bounded(256));
            written.push_back(p);
        }
    }

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("million.csv");
    QCOMPARE(saveSheet(path, written, ColourModel::Rgb), SheetSaveStatus::Saved);

    QList<qint64> reports;
    PixelRecords out;
    const SheetInfo info = loadSheet(path, out, [&](qint64 bytes) { reports.append(bytes); });
    QCOMPARE(info.status, SheetStatus::Loaded);
    QCOMPARE(info.maxX, 1000);
    QCOMPARE(info.maxY, 1000);
    QVERIFY(out == written);

    // Progress comes every few megabytes, growing, never past the file.
    const qint64 size = QFileInfo(path).size();
    QVERIFY2(reports.size() >= size / (8 << 20), qPrintable(QString::number(reports.size())));
    for (int i = 1; i < reports.size(); ++i)
        QVERIFY(reports[i] > reports[i - 1]);
    QVERIFY(!reports.isEmpty() && reports.last() <= size);
}

void TestSheetReader::rejectedSheetLeavesNoRecords()
{
    PixelRecords out(10, rgb(1, 2, 3, 4, 5));
    const size_t capacity = out.capacity();
    const SheetInfo info = readBytes("x,y,a\n1,2,3\n", out, DefaultSheetBlockSize);
    QCOMPARE(info.status, SheetStatus::NoColourValues);
    QVERIFY(out.empty());
    QVERIFY(out.capacity() >= capacity);

    PixelRecords again(3);
    readBytes("x,y,r\n5,5,5\n", again, DefaultSheetBlockSize);
    QCOMPARE(again.size(), size_t(1));
    QVERIFY(again[0] == rgb(5, 5, 5, 0, 0));
}

void TestSheetReader::loadSheetFromDisk_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents"); // written first unless empty
    QTest::addColumn<SheetStatus>("status");
    QTest::addColumn<int>("records");

    QTest::newRow("a sheet") << "sheet.csv" << QByteArray("x,y,r,g,b\n0,0,1,2,3\n") << SheetStatus::Loaded << 1;
    QTest::newRow("missing file") << "missing.csv" << QByteArray() << SheetStatus::CannotOpen << 0;
    QTest::newRow("a folder") << "." << QByteArray() << SheetStatus::CannotOpen << 0;
    QTest::newRow("a picture") << "picture.png" << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) << SheetStatus::NotValidSheet << 0;
    QTest::newRow("fixture: semicolon sheet") << QString(TESSARINE_TEST_DATA "/sheets/semicolon.csv") << QByteArray() << SheetStatus::Loaded << 3;
}

void TestSheetReader::loadSheetFromDisk()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(SheetStatus, status);
    QFETCH(int, records);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = QDir(dir.path()).filePath(name);
    if (!contents.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    PixelRecords out(5);
    const SheetInfo info = loadSheet(path, out);
    QCOMPARE(info.status, status);
    QCOMPARE(int(out.size()), records);
}

void TestSheetReader::statusMessage_data()
{
    QTest::addColumn<SheetStatus>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("loaded") << SheetStatus::Loaded << QString();
    QTest::newRow("cannot open") << SheetStatus::CannotOpen << "This is not a valid color spreadsheet.";
    QTest::newRow("not a sheet") << SheetStatus::NotValidSheet << "This is not a valid color spreadsheet.";
    QTest::newRow("no colours") << SheetStatus::NoColourValues << "Your spreadsheet does not contain valid color values.";
}

void TestSheetReader::statusMessage()
{
    QFETCH(SheetStatus, status);
    QFETCH(QString, message);
    QCOMPARE(sheetStatusMessage(status), message);
}

QTEST_GUILESS_MAIN(TestSheetReader)
#include "tst_sheetreader.moc"
