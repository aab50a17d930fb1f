// SPDX-License-Identifier: GPL-3.0-or-later
#include "testhelpers.h"
#include "convert/operations.h"
#include "convert/sheetnotice.h"
#include "csv/sheetreader.h"
#include "csv/sheetwriter.h"
#include "text/statuswords.h"

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
Q_DECLARE_METATYPE(tess::Status)

namespace {

PixelRecord rgb(int x, int y, int r, int g = 0, int b = 0)
{
    return {.x = x, .y = y, .r = r, .g = g, .b = b};
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
            return QStringLiteral("record %1 is %2, expected %3").arg(i).arg(describe(actual[i]), describe(expected[i]));
    }
    if (actual.size() != expected.size())
        return QStringLiteral("%1 records, expected %2").arg(actual.size()).arg(expected.size());
    return QString();
}

QByteArray utf16(const QString &text, bool littleEndian)
{
    QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
    for (QChar c : text) {
        const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
        bytes.append(littleEndian ? lo : hi);
        bytes.append(littleEndian ? hi : lo);
    }
    return bytes;
}

// Tiny blocks split every line end and character somewhere.
const qint64 BlockSizes[] = { 1, 2, 3, 7, DefaultSheetBlockSize };

SheetInfo readBytes(const QByteArray &bytes, PixelRecords &out, qint64 blockSize)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return blockSize == DefaultSheetBlockSize ? readSheet(buffer, out) : readSheetInBlocks(buffer, out, blockSize);
}

// What QString makes of a field: the reference for the reader's own number parsing.
// Decoded as in a whole file (QString::fromUtf8 would drop a leading U+FEFF).
QString fieldText(const QByteArray &field, bool decimalComma)
{
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(field);
    return decimalComma ? text.replace(u',', u'.') : text;
}

// A float residue of a spreadsheet program (114.99999999999999) is the whole number.
double withoutResidue(double d)
{
    const double whole = std::round(d);
    return std::fabs(d - whole) <= 1e-9 * std::max(std::fabs(whole), 1.0) ? whole : d;
}

int toolkitComponent(const QByteArray &field, bool decimalComma)
{
    const double d = std::floor(withoutResidue(fieldText(field, decimalComma).toDouble()));
    return !std::isfinite(d) || d < INT_MIN || d > INT_MAX ? 0 : int(d);
}

// Whether the toolkit reads the field as a number whose floor fits 32 bits: a position.
bool toolkitPosition(const QByteArray &field, bool decimalComma)
{
    bool ok = false;
    const double d = std::floor(withoutResidue(fieldText(field, decimalComma).toDouble(&ok)));
    return ok && std::isfinite(d) && d >= INT_MIN && d <= INT_MAX;
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
    void spreadsheetEdits_data();
    void spreadsheetEdits();
    void notice_data();
    void notice();
    void noticeFromSheet_data();
    void noticeFromSheet();
    void refusalDetail_data();
    void refusalDetail();
    void fieldValue_data();
    void fieldValue();
    void roundTrip_data();
    void roundTrip();
    void millionRecordsRoundTrip();
    void loadSheetFromDisk_data();
    void loadSheetFromDisk();
    void halvesReadAsTheWhole_data();
    void halvesReadAsTheWhole();
};

void TestSheetReader::read_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Status>("status");
    QTest::addColumn<PixelRecords>("records");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    const auto ok = [](const char *name, const QByteArray &text, const PixelRecords &records, int width, int height) {
        QTest::newRow(name) << text << Status::Done << records << width << height;
    };
    const auto bad = [](const char *name, const QByteArray &text, Status status) {
        QTest::newRow(name) << text << status << PixelRecords{} << 0 << 0;
    };
    const auto notSheet = Status::SheetNotValid;
    const PixelRecords two = { rgb(0, 0, 1, 2, 3), rgb(1, 0, 4, 5, 6) };

    ok("line end: LF", "x,y,r,g,b\n0,0,1,2,3\n1,0,4,5,6\n", two, 2, 1);
    ok("line end: CR LF", "x,y,r,g,b\r\n0,0,1,2,3\r\n1,0,4,5,6\r\n", two, 2, 1);
    ok("line end: lone CR", "x,y,r,g,b\r0,0,1,2,3\r1,0,4,5,6\r", two, 2, 1);
    ok("line end: LF CR", "x,y,r,g,b\n\r0,0,1,2,3\n\r1,0,4,5,6\n\r", two, 2, 1);
    ok("line end: ^M", "x,y,r,g,b^M0,0,1,2,3^M1,0,4,5,6^M", two, 2, 1);
    ok("line end: CR LF CR", "x,y,r,g,b\r\n\r0,0,1,2,3\r\n\r1,0,4,5,6", two, 2, 1);
    ok("line end: LF CR LF", "x,y,r,g,b\n\r\n0,0,1,2,3\n\r\n1,0,4,5,6", two, 2, 1);
    ok("line end: missing after last line", "x,y,r,g,b\n0,0,1,2,3\n1,0,4,5,6", two, 2, 1);
    ok("line end: ^M right after the last number", "x,y,r\n1,0,7^M", { rgb(1, 0, 7) }, 2, 1);
    ok("line end: ^m, lone ^ and ^ before ^M are text",
       "x,y,r\n0,0,5^m1,0,6\n1,0,7^\n2,0,^8\n3,0,7^^M4,0,8\n^", { rgb(0, 0, 0), rgb(1, 0, 0), rgb(2, 0, 0), rgb(3, 0, 0), rgb(4, 0, 8) }, 5, 1);

    ok("empty lines: before the header", "\n\r\n^M\r\rx,y,r,g,b\n0,0,1,2,3\n1,0,4,5,6\n", two, 2, 1);
    ok("empty lines: between and after data", "x,y,r,g,b\n\n\n0,0,1,2,3\r\n\r\n^M1,0,4,5,6\n\n\n", two, 2, 1);
    bad("empty lines: empty file", "", notSheet);
    bad("empty lines: only line ends", "\r\n\n\r^M\n", notSheet);
    ok("empty lines: a blank line above the header is skipped like a title", " \nx,y,r\n0,0,1\n", { rgb(0, 0, 1) }, 1, 1);
    ok("empty lines: a blank data line is too short", "x,y,r\n0,0,1\n \n1,0,2\n", { rgb(0, 0, 1), rgb(1, 0, 2) }, 2, 1);
    ok("empty lines: only commas give no record", "x,y,r\n,,\n", {}, 1, 1);

    bad("header: capitals are no names", "X,Y,R,G,B\n0,0,1,2,3\n", notSheet);
    bad("header: blank after each comma", "x, y, r, g, b\n0,0,1,2,3\n", notSheet);
    ok("header: y,x,v reads x from the second field", "y,x,v\n1,2,3\n", { PixelRecord{ .x = 2, .y = 1, .v = 3 } }, 3, 2);
    bad("header: x,y,a has no colour", "x,y,a\n0,0,1\n", Status::SheetNoColourValues);
    ok("header: a note column is skipped", "x,y,r,note,g,b\n3,4,12.9,some text,0,255\n", { rgb(3, 4, 12, 0, 255) }, 4, 5);
    ok("header: rightmost of equal names wins", "x,x,y,r,r\n1,2,0,5,6\n", { rgb(2, 0, 6) }, 3, 1);
    ok("header: alpha is located but never read", "x,y,r,g,b,a\n0,0,1,2,3,200\n", { rgb(0, 0, 1, 2, 3) }, 1, 1);
    ok("header: both colour models", "x,y,r,g,b,h,s,v\n1,1,1,2,3,-1,0,9\n",
       { PixelRecord{ .x = 1, .y = 1, .r = 1, .g = 2, .b = 3, .h = -1, .v = 9 } }, 2, 2);
    ok("header: fields beyond the header are ignored", "x,y,r\n1,2,3,4,5,6,7\n", { rgb(1, 2, 3) }, 2, 3);

    ok("values: decimals round down, in x as in components", "x,y,r,g,b\n3.0,4.99,12.9,-0.5,1e2\n", { rgb(3, 4, 12, -1, 100) }, 4, 5);
    ok("values: blanks around numbers", "x,y,r,g,b\n 3 ,\t4\t,  5 ,6 , 7\n", { rgb(3, 4, 5, 6, 7) }, 4, 5);

    ok("short lines: missing components read 0, not the line above", "x,y,r,g,b\n0,0,10,20,30\n1,0,40\n",
       { rgb(0, 0, 10, 20, 30), rgb(1, 0, 40, 0, 0) }, 2, 1);
    ok("short lines: first line without components reads 0", "x,y,r,g,b\n5,6\n", { rgb(5, 6, 0) }, 6, 7);
    ok("short lines: empty and missing fields read 0", "x,y,r,g,b\n0,0,10,20,30\n1,0,,\n",
       { rgb(0, 0, 10, 20, 30), rgb(1, 0, 0, 0, 0) }, 2, 1);
    ok("short lines: too short for x or y is skipped", "r,y,x\n5,0,0\n700\n9,900\n6,1,1\n", { rgb(0, 0, 5), rgb(1, 1, 6) }, 2, 2);

    ok("extent: header alone", "x,y,r,g,b\n", {}, 1, 1);
    ok("extent: only negative coordinates", "x,y,r\n-5,-1,1\n-1,-7,2\n", { rgb(-5, -1, 1), rgb(-1, -7, 2) }, 1, 1);
    ok("extent: huge coordinate", "x,y,r\n2000000000,3,1\n", { rgb(2000000000, 3, 1) }, 2000000001, 4);
    ok("extent: largest int is held", "x,y,r\n2147483647,2147483647,1\n", { rgb(INT_MAX, INT_MAX, 1) }, INT_MAX, INT_MAX);

    ok("separator: semicolons, decimal commas", "x;y;r;g;b\n1;2;12,9;-0,5;3.5\n3,0;4;1;1;1\n",
       { rgb(1, 2, 12, -1, 3), rgb(3, 4, 1, 1, 1) }, 4, 5);
    ok("separator: sep=; after empty lines, CR LF", "\r\nsep=;\r\n\r\nx;y;r\r\n1;2;3,7\r\n", { rgb(1, 2, 3) }, 2, 3);
    ok("separator: sep=tab, comma is the decimal mark", "sep=\t\nx\ty\tr\n1\t2\t3,5\n", { rgb(1, 2, 3) }, 2, 3);
    bad("separator: sep=| keeps commas as text", "sep=|\nx|y|r,g\n1|2|3\n", Status::SheetNoColourValues);
    ok("separator: sep=^ next to ^M line ends", "sep=^\nx^y^r^M1^2^3^M4^5^6", { rgb(1, 2, 3), rgb(4, 5, 6) }, 5, 6);
    ok("separator: sep=M next to ^M line ends", "sep=M\nxMyMr^M1M2M3^M4M5M6\n", { rgb(1, 2, 3), rgb(4, 5, 6) }, 5, 6);
    ok("separator: non-ASCII character", "sep=\xC3\xA9\nx\xC3\xA9y\xC3\xA9r\n1\xC3\xA9" "2\xC3\xA9" "3\n", { rgb(1, 2, 3) }, 2, 3);
    bad("separator: commas win over semicolons", "x,y,r;g\n1,2,3;4\n", Status::SheetNoColourValues);
    ok("separator: SEP= in capitals", "SEP=;\nx;y;r\n1;2;3\n", { rgb(1, 2, 3) }, 2, 3);
    ok("separator: sep= on the second line is data", "x,y,r\nsep=;\n1,2,3\n", { rgb(1, 2, 3) }, 2, 3);

    const QString sheet = QStringLiteral("x,y,r,g,b\r\n0,0,1,2,3\r\n1,0,4,5,6\r\n");
    ok("encoding: UTF-8 mark", "\xEF\xBB\xBF" + sheet.toUtf8(), two, 2, 1);
    ok("encoding: UTF-16 LE mark", utf16(sheet, true), two, 2, 1);
    ok("encoding: UTF-16 BE mark", utf16(sheet, false), two, 2, 1);
    bad("encoding: UTF-8 mark alone", "\xEF\xBB\xBF", notSheet);
    bad("encoding: UTF-16 BE mark alone", "\xFE\xFF", notSheet);
    bad("encoding: a second mark is text", "\xEF\xBB\xBF\xEF\xBB\xBFx,y,r\n0,0,1\n", notSheet);
    ok("encoding: UTF-16 cut in the last digit", utf16(QStringLiteral("x,y,r\n1,2,34"), true).chopped(1), { rgb(1, 2, 0) }, 2, 3);
    ok("encoding: UTF-16 beyond 16 bits", utf16(QStringLiteral("x,y,\U0001F600,r\n1,2,\U0001F600\U0001F601,3\n"), true),
       { rgb(1, 2, 3) }, 2, 3);
    ok("encoding: UTF-16 unpaired surrogates",
       utf16(QStringLiteral("x,y,n,r\n1,2,") + QChar(0xD800) + QStringLiteral(",3\n4,5,6,") + QChar(0xDC00) + u'\n', false),
       { rgb(1, 2, 3), rgb(4, 5, 0) }, 5, 6);
    ok("encoding: invalid UTF-8 in a note and a value", "x,y,note,r,g\n1,2,caf\xE9,3\xE9,4\n4,5,\xF0\x9F,6,7\n",
       { rgb(1, 2, 0, 4), rgb(4, 5, 6, 7) }, 5, 6);
    ok("encoding: UTF-8 cut in the last character", "x,y,r\n1,2,3\xE2\x82", { rgb(1, 2, 0) }, 2, 3);
    ok("encoding: no-break spaces trimmed around coordinates too", "x,y,r\n\xC2\xA0" "1,2\xC2\xA0,\xC2\xA0" "3\xC2\xA0\n", { rgb(1, 2, 3) }, 2, 3);
}

void TestSheetReader::read()
{
    QFETCH(QByteArray, text);
    QFETCH(Status, status);
    QFETCH(PixelRecords, records);
    QFETCH(int, width);
    QFETCH(int, height);

    for (const qint64 blockSize : BlockSizes) {
        PixelRecords out(3, rgb(9, 9, 9)); // emptied first, also on a rejection
        const SheetInfo info = readBytes(text, out, blockSize);
        const QByteArray where = "block size " + QByteArray::number(blockSize);
        QVERIFY2(info.status == status, where + ": status " + QByteArray::number(int(info.status)));
        const QString diff = difference(out, records);
        QVERIFY2(diff.isEmpty(), where + ": " + diff.toUtf8());
        if (status == Status::Done) {
            QVERIFY2(info.width == width, where + ": width " + QByteArray::number(info.width));
            QVERIFY2(info.height == height, where + ": height " + QByteArray::number(info.height));
        }
    }
}

// Column positions, also on rejection: the window shows them.
void TestSheetReader::header_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QList<int>>("columns"); // x y r g b a h s v
    QTest::addColumn<bool>("hasRgb");
    QTest::addColumn<bool>("hasHsv");

    using L = QList<int>;
    const auto loaded = Status::Done;
    QTest::newRow("hsv") << QByteArray("x,y,h,s,v\n") << loaded << L{ 0, 1, -1, -1, -1, -1, 2, 3, 4 } << false << true;
    QTest::newRow("one component makes a model") << QByteArray("b,y,x") << loaded << L{ 2, 1, -1, -1, 0, -1, -1, -1, -1 } << true << false;
    QTest::newRow("empty fields keep their place") << QByteArray(",x,,y,,r,\n") << loaded << L{ 1, 3, 5, -1, -1, -1, -1, -1, -1 } << true << false;
    QTest::newRow("rightmost duplicate") << QByteArray("x,y,s,x,s,y\n") << loaded << L{ 3, 5, -1, -1, -1, -1, -1, 4, -1 } << false << true;
    QTest::newRow("longer names are ignored") << QByteArray("x,y,red,rr,r\n") << loaded << L{ 0, 1, 4, -1, -1, -1, -1, -1, -1 } << true << false;
    QTest::newRow("alpha only") << QByteArray("a,x,y\n") << Status::SheetNoColourValues << L{ 1, 2, -1, -1, -1, 0, -1, -1, -1 } << false << false;
    QTest::newRow("no y") << QByteArray("x,r,g,b\n") << Status::SheetNotValid << L{ 0, -1, 1, 2, 3, -1, -1, -1, -1 } << true << false;
    QTest::newRow("semicolons") << QByteArray("h;s;v;x;y\n") << loaded << L{ 3, 4, -1, -1, -1, -1, 0, 1, 2 } << false << true;
    QTest::newRow("after sep line") << QByteArray("sep=|\nr|x|y\n") << loaded << L{ 1, 2, 0, -1, -1, -1, -1, -1, -1 } << true << false;
    QTest::newRow("below a title row") << QByteArray("My picture (16 x 12),,,\nx,y,r\n") << loaded << L{ 0, 1, 2, -1, -1, -1, -1, -1, -1 } << true << false;
    QTest::newRow("below a title without separators, own separator")
        << QByteArray("My picture\n\n\nnote\nr;x;y\n") << loaded << L{ 1, 2, 0, -1, -1, -1, -1, -1, -1 } << true << false;
    QTest::newRow("after sep line and a title") << QByteArray("sep=;\nTitle, 1\nh;x;y\n") << loaded << L{ 1, 2, -1, -1, -1, -1, 0, -1, -1 } << false << true;
    QByteArray instructions("t\n");
    for (int i = 1; i < 49; ++i)
        instructions += "Step " + QByteArray::number(i) + ": change a number\n\n";
    QTest::newRow("the 49th line after the first") << instructions + "x,y,r\n" << loaded << L{ 0, 1, 2, -1, -1, -1, -1, -1, -1 } << true << false;
    QTest::newRow("not the 50th: the first line is told") << "t,r\n" + instructions.mid(2) + "9\nx,y,r\n" << Status::SheetNotValid << L{ -1, -1, 1, -1, -1, -1, -1, -1, -1 } << true << false;
    QTest::newRow("below a title, no colour") << QByteArray("Title\nx,y,a\n") << Status::SheetNoColourValues << L{ 0, 1, -1, -1, -1, 2, -1, -1, -1 } << false << false;
}

void TestSheetReader::header()
{
    QFETCH(QByteArray, text);
    QFETCH(Status, status);
    QFETCH(QList<int>, columns);
    QFETCH(bool, hasRgb);
    QFETCH(bool, hasHsv);

    for (const qint64 blockSize : BlockSizes) {
        PixelRecords out;
        const SheetInfo info = readBytes(text, out, blockSize);
        const SheetColumns &c = info.columns;
        QCOMPARE(info.status, status);
        QCOMPARE((QList<int>{ c.x, c.y, c.r, c.g, c.b, c.a, c.h, c.s, c.v }), columns);
        QCOMPARE(info.hasRgb, hasRgb);
        QCOMPARE(info.hasHsv, hasHsv);
    }
}

// What spreadsheet programs write after ordinary edits and export settings: every such
// sheet reads as the pixels the user sees in the program, at any block size.
void TestSheetReader::spreadsheetEdits_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<PixelRecords>("records");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("skipped");
    QTest::addColumn<int>("notNumbers");

    const auto row = [](const char *name, const QByteArray &text, const PixelRecords &records, int width,
                        int height, int skipped = 0, int notNumbers = 0) {
        QTest::newRow(name) << text << records << width << height << skipped << notNumbers;
    };
    const PixelRecords two = { rgb(0, 0, 1, 2, 3), rgb(1, 0, 4, 5, 6) };
    const auto hsv = [](int x, int y, int h, int s, int v) { return PixelRecord{ .x = x, .y = y, .h = h, .s = s, .v = v }; };

    row("cleared rows", "x;y;r;g;b\n0;0;1;2;3\n;;;;\n;;;;\n1;0;4;5;6\n", two, 2, 1, 2);
    row("remark and total below the data", "x,y,r,g,b\n0,0,1,2,3\n1,0,4,5,6\nTask 1: halve the red,,,,\nTotal,,,,\n", two, 2, 1, 2);
    row("note column left of the data, holding separators and quotes",
        "note;x;y;r;g;b\n\"red; bright, \"\"hot\"\"\";51;224;200;6;0\n;1;2;3;4;5\n",
        { rgb(51, 224, 200, 6, 0), rgb(1, 2, 3, 4, 5) }, 52, 225);
    row("line break inside a quoted note", "x,y,r,g,b,note\n0,0,1,2,3,\"line one\n5,5 apples\"\n1,0,4,5,6,\r\n", two, 2, 1);
    row("CR LF inside a quoted note", "x,y,note,r,g,b\r\n0,0,\"a\r\n\r\n7,7,7\",1,2,3\r\n1,0,,4,5,6\r\n", two, 2, 1);
    row("brightened by 1.5 keeps 318 as read", "x,y,r,g,b\n0,0,318,150,-3\n", { rgb(0, 0, 318, 150, -3) }, 1, 1);
    row("hue turned past 360 kept as read", "x,y,h,s,v\n0,0,380,1,2\n1,0,-30,3,4\n", { hsv(0, 0, 380, 1, 2), hsv(1, 0, -30, 3, 4) }, 2, 1);
    row("a line with only x, y and r", "x,y,r,g,b\n1,0,10,20,30\n2,0,70\n", { rgb(1, 0, 10, 20, 30), rgb(2, 0, 70) }, 3, 1);
    row("quote all text cells", "\"x\",\"y\",\"r\",\"g\",\"b\"\n0,0,1,2,3\n1,0,4,5,6\n", two, 2, 1);
    row("quoted numbers", "x,y,r,g,b\n0,0,\"1\",2,\"3\"\n\"1\",\"0\",4,5,\"6\"\n", two, 2, 1);
    row("text after the closing quote is kept", "x,y,r\n\"1\"2,\"\"3,\"4\"5\"\n", { rgb(12, 3, 0) }, 13, 4, 0, 1);
    row("a quote inside a field is a character", "x,y,r\n1,2,3\"\n4,5\",6\n", { rgb(1, 2, 0) }, 2, 3, 1, 1);
    row("an empty quoted field is empty", "x,y,r,g\n1,2,\"\",\" 7 \"\n", { rgb(1, 2, 0, 7) }, 2, 3);
    row("\"sep=;\" quoted", "\"sep=;\"\nx;y;r;g;b\n0;0;1;2;3\n1;0;4;5;6\n", two, 2, 1);
    row("\"sep=;\" quoted, row filled with separators", "\"sep=;\";;;;\nx;y;r;g;b\n0;0;1;2;3\n1;0;4;5;6\n", two, 2, 1);
    row("Sep=;;;; in mixed case", "Sep=;;;;\r\nx;y;r;g;b\r\n0;0;1;2;3\r\n1;0;4;5;6\r\n", two, 2, 1);
    row("tab separated", "x\ty\tr\tg\tb\n0\t0\t1\t2\t3\n1\t0\t4,5\t5\t6\n", two, 2, 1);
    row("tab separated, quoted header", "\"x\"\t\"y\"\t\"r\"\t\"g\"\t\"b\"\n0\t0\t1\t2\t3\n1\t0\t4\t5\t6\n", two, 2, 1);
    row("semicolon inside a quoted header name does not decide", "\"x;y\",x,y,r\n,1,2,3\n", { rgb(1, 2, 3) }, 2, 3);
    row("a quote after a semicolon in a comma header is text", "x,y,r,n;\"g\n1,2,3\n", { rgb(1, 2, 3) }, 2, 3);
    row("x and y with two decimals", "x;y;r;g;b\n3.00;1.00;1;2;3\n0,00;0,99;4;5;6\n", { rgb(3, 1, 1, 2, 3), rgb(0, 0, 4, 5, 6) }, 4, 2);
    row("positions that are no numbers", "x,y,r\n,1,1\n1,,1\nnan,1,1\n1,inf,1\n1,2147483648,1\n-2147483649,1,1\n1\n2,3,4\n",
        { rgb(2, 3, 4) }, 3, 4, 7);
    row("colour values that are no numbers", "x,y,r,g,b\n0,0,red,,-\n1,0, 4 ,5x,\" \"\n", { rgb(0, 0, 0), rgb(1, 0, 4) }, 2, 1, 0, 3);
    row("skipped lines add nothing to the extent", "x,y,r\n,900,1\n900,,1\n1,1,1\n", { rgb(1, 1, 1) }, 2, 2, 2);

    // Numbers as spreadsheet programs show them: percent, currency, digit groups.
    row("percent, alone and after a blank", "x,y,r,g,b\n0,0,300%,50 %,1000\xC2\xA0%\n", { rgb(0, 0, 3, 0, 10) }, 1, 1);
    row("percent, decimal comma", "x;y;r;g;b\n0;0;300 %;250,5 %;%\n", { rgb(0, 0, 3, 2, 0) }, 1, 1, 0, 1);
    row("currency before and after, minus on either side",
        "x,y,r,g,b\n0,0,$21.00,21.00 \xE2\x82\xAC,\xE2\x82\xAC-5\n1,0,-$3,21 DM,EUR\xC2\xA0" "7\n",
        { rgb(0, 0, 21, 21, -5), rgb(1, 0, -3, 21, 7) }, 2, 1);
    row("currency with a decimal comma", "x;y;r;g;b\n0;0;21,00 DM;21,00\xC2\xA0\xE2\x82\xAC;-21,50 \xC2\xA3\n",
        { rgb(0, 0, 21, 21, -22) }, 1, 1);
    row("no currency: a code joined to letters, a code alone", "x,y,r,g,b\n0,0,ABCD5,INF,5 EURO\n", { rgb(0, 0, 0) }, 1, 1, 0, 3);
    row("groups of a decimal-comma file", "x;y;r;g;b\n1.000;0;88;1.000.000;1.000,5\n", { rgb(1000, 0, 88, 1000000, 1000) }, 1001, 1);
    row("no groups: 1.5 and 1.0000 stay", "x;y;r;g;b\n0;0;1.5;1.0000;12.345.6\n", { rgb(0, 0, 1, 1, 0) }, 1, 1, 0, 1);
    row("comma groups only in a quoted field of a comma file",
        "x,y,r,g,b\n\"1,000\",0,\"1,000.00\",\"2,5\",\"1,0000\"\n", { rgb(1000, 0, 1000) }, 1001, 1, 0, 2);
    row("blank, no-break, narrow no-break and apostrophe groups anywhere",
        "x;y;r;g;b\n0;0;1 000;1'000;1\xE2\x80\xAF" "000\n1\xC2\xA0" "000;0;-2 000,9;0;0\n",
        { rgb(0, 0, 1000, 1000, 1000), rgb(1000, 0, -2001, 0, 0) }, 1001, 1);
    row("groups marked alike only, after at most three digits", "x,y,r,g\n0,0,1 000'000,1234 567\n", { rgb(0, 0, 0) }, 1, 1, 0, 2);
    row("currency, groups and a quote together", "x,y,r\n0,0,\"$1,234.99\"\n", { rgb(0, 0, 1234) }, 1, 1);

    // A float residue is the whole number a spreadsheet program shows; anything else still rounds down.
    row("float residues", "x,y,r,g,b\n0,0,114.99999999999999,62.99999999999999,-0.000000000001\n1,0,127.9,0.99999,254.99999\n",
        { rgb(0, 0, 115, 63, 0), rgb(1, 0, 127, 0, 254) }, 2, 1);

    // Classic CSV in Windows-1252: the euro is 0x80, the no-break space 0xA0.
    row("Windows-1252: English currency", "x,y,r,g,b\n0,0,1,\x80" "200.00,\x80-5\n", { rgb(0, 0, 1, 200, -5) }, 1, 1);
    row("Windows-1252: German currency", "x;y;r;g;b\n0;0;1;200,00 \x80;21,50\xA0\x80\n", { rgb(0, 0, 1, 200, 21) }, 1, 1);
    row("Windows-1252: French digit groups", "x;y;r;g;b\n1\xA0" "199;0;1;2;3\n\xE9t\xE9;;;;\n", { rgb(1199, 0, 1, 2, 3) }, 1200, 1, 1);
    row("valid UTF-8 stays UTF-8", "x;y;r;g;b\n1\xC2\xA0" "199;0;\xE2\x82\xAC" "7;2;3\n", { rgb(1199, 0, 7, 2, 3) }, 1200, 1);

    // Tab-separated: a comma before three digits groups them in a column of whole numbers.
    row("tab: comma groups in a column of whole numbers", "x\ty\tr\n999\t0\t1\n1,000\t0\t2\n1,199\t1\t1.5\n",
        { rgb(999, 0, 1), rgb(1000, 0, 2), rgb(1199, 1, 1) }, 1200, 2);
    row("tab: a decimal later in the column reads the groups as decimals",
        "x\ty\tr\n0\t0\t1,199\n1\t0\t-1,250\n2\t0\t0,5\n3\t0\t1,000,000\n", { rgb(0, 0, 1), rgb(1, 0, -2), rgb(2, 0, 0), rgb(3, 0, 1000000) }, 4, 1);
    row("tab: a decimal comma elsewhere in the sheet decides", "x\ty\tr\tg\n1,199\t0\t1\t200,00\n",
        { rgb(1, 0, 1, 200) }, 2, 1);
    row("tab: no group after a leading 0 or four digits", "x\ty\tr\tg\n0\t0\t0,500\t1234,567\n", { rgb(0, 0, 0, 1234) }, 1, 1);
}

void TestSheetReader::spreadsheetEdits()
{
    QFETCH(QByteArray, text);
    QFETCH(PixelRecords, records);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, skipped);
    QFETCH(int, notNumbers);

    for (const qint64 blockSize : BlockSizes) {
        PixelRecords out;
        const SheetInfo info = readBytes(text, out, blockSize);
        const QByteArray where = "block size " + QByteArray::number(blockSize);
        QVERIFY2(info.status == Status::Done, where + ": " + info.detail.toUtf8());
        const QString diff = difference(out, records);
        QVERIFY2(diff.isEmpty(), where + ": " + diff.toUtf8());
        QCOMPARE(info.width, width);
        QCOMPARE(info.height, height);
        QCOMPARE(info.skippedLines, skipped);
        QCOMPARE(info.notNumbers, notNumbers);
    }
}

void TestSheetReader::notice_data()
{
    QTest::addColumn<qint64>("skipped");
    QTest::addColumn<qint64>("notNumbers");
    QTest::addColumn<qint64>("clamped");
    QTest::addColumn<qint64>("turned");
    QTest::addColumn<QString>("notice");

    QTest::newRow("nothing to tell") << 0ll << 0ll << 0ll << 0ll << QString();
    QTest::newRow("skipped and clamped, as the user reads it")
        << 3ll << 0ll << 2235ll << 0ll
        << "3 lines without a pixel position were skipped; 2,235 colour values outside 0–255 were drawn as 0 or 255.";
    QTest::newRow("one of each")
        << 1ll << 1ll << 1ll << 1ll
        << "1 line without a pixel position was skipped; 1 colour value that is not a number was read as 0; "
           "1 colour value outside 0–255 was drawn as 0 or 255; 1 hue outside 0–359 was drawn modulo 360.";
    QTest::newRow("millions") << 0ll << 1234567ll << 0ll << 2ll
                              << "1,234,567 colour values that are not numbers were read as 0; 2 hues outside 0–359 were drawn modulo 360.";
}

void TestSheetReader::notice()
{
    QFETCH(qint64, skipped);
    QFETCH(qint64, notNumbers);
    QFETCH(qint64, clamped);
    QFETCH(qint64, turned);
    QFETCH(QString, notice);

    SheetInfo info;
    info.status = Status::Done;
    info.skippedLines = skipped;
    info.notNumbers = notNumbers;
    // The counts are grouped as the texts are written, whatever the user's own locale.
    const QLocale before;
    for (const QLocale::Language language : { QLocale::C, QLocale::German, QLocale::French }) {
        QLocale::setDefault(QLocale(language));
        const QString got = sheetNotice(info, DrawStats{ .clamped = clamped, .turned = turned });
        QLocale::setDefault(before);
        QCOMPARE(got, notice);
    }
}

// What reading passed over is told with the place of one example.
void TestSheetReader::noticeFromSheet_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("notice");

    QTest::newRow("title row") << QByteArray("My picture (16 x 12),,,,\nx,y,r,g,b\n0,0,1,2,3\n")
                               << "1 line above the header was skipped.";
    QTest::newRow("empty and missing colour cells")
        << QByteArray("x,y,r,g,b\n0,0,1,,3\n1,0,4\n,,,,\n") << "1 line without a pixel position was skipped; "
                                                              "3 empty colour cells were read as 0 (e.g. line 2, column g).";
    QTest::newRow("Windows-1252 text shown as the user sees it")
        << QByteArray("x,y,r,g,b\n0,0,1,\x80" "2?,3\n") << "1 colour value that is not a number was read as 0 (e.g. line 2, column g: '\u20AC2?').";
    QTest::newRow("tab: comma groups told")
        << QByteArray("x\ty\tr\n999\t0\t1\n1,000\t0\t2\n1,199\t1\t1\n")
        << "2 numbers with a comma before three digits were read as whole numbers, the comma grouping their digits "
           "(e.g. line 3, column x: '1,000' as 1000).";
    QTest::newRow("tab: decimals told")
        << QByteArray("x\ty\tr\n0\t0\t1,199\n1\t0\t0,25\n")
        << "1 number with a comma before three digits was read with the comma as the decimal mark, as its column or the "
           "sheet holds decimals (e.g. line 2, column r: '1,199' as 1.199).";
    QTest::newRow("not a number, shown to its first control character")
        << QByteArray("x;y;r;g;b\n0;0;1;2;3\n9;;x;y;z\n1;0;4;red\x01" "fox;6\n1;1;4;$$;6\n")
        << "1 line without a pixel position was skipped; "
           "2 colour values that are not numbers were read as 0 (e.g. line 4, column g: 'red…').";
}

void TestSheetReader::noticeFromSheet()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, notice);

    for (const qint64 blockSize : BlockSizes) {
        PixelRecords out;
        const SheetInfo info = readBytes(text, out, blockSize);
        QCOMPARE(info.status, Status::Done);
        QCOMPARE(sheetNotice(info), notice);
    }
}

// The command line prints the detail of a refusal: it names what is missing and what
// the header holds instead.
void TestSheetReader::refusalDetail_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("detail");

    QTest::newRow("empty file") << QByteArray() << "the file is empty";
    QTest::newRow("only line ends") << QByteArray("\r\n\n") << "no header line";
    QTest::newRow("capitals") << QByteArray("X,Y,R,G,B\n0,0,1,2,3\n")
                              << "the header has no columns named x and y; it has X, Y, R, G, B; none of its 2 non-empty lines names x and y";
    QTest::newRow("how far the header was searched")
        << "Arbeitsblatt 4: Farben\n" + QByteArray("Schritt\n").repeated(60) + "x,y,r\n"
        << "the header has no columns named x and y; it has Arbeitsblatt 4: Farben; none of the first 50 non-empty lines names x and y";
    QTest::newRow("no y, semicolons") << QByteArray("x;Y;r\n") << "the header has no column named y; it has x, Y, r";
    QTest::newRow("no x, empty name") << QByteArray("y,,r\n") << "the header has no column named x; it has y, (empty), r";
    QTest::newRow("no colour") << QByteArray("x,y,a\n0,0,1\n")
                               << "the header has none of the columns r, g, b, h, s, v; it has x, y, a";
    QTest::newRow("quote never closed in the data")
        << QByteArray("x,y,r\n1,1,1\n\n2,2,\"2\n3,3,3\n") << "line 4: a quote is never closed";
    QTest::newRow("quote never closed after a quoted line break")
        << QByteArray("x,y,r,n\r\n1,1,1,\"a\r\nb\"\r\n2,2,2,\"c\r\n") << "line 4: a quote is never closed";
    QTest::newRow("quote never closed in the header") << QByteArray("\n\"x\",\"y,r\n1,2,3\n")
                                                      << "line 2: a quote is never closed";
    QTest::newRow("quoted field over 1 MiB")
        << "x,y,r\n1,1,\"" + QByteArray(1100000, '5') + "\"\n"
        << "line 2: a quoted field is longer than 1 MiB; is a quote never closed?";
    QTest::newRow("quoted field with over 1 MiB after its closing quote")
        << "x,y,r\n1,1,\"5\"" + QByteArray(1100000, '5') + "\n"
        << "line 2: a quoted field is longer than 1 MiB; is a quote never closed?";
    QTest::newRow("quote never closed, over 1 MiB")
        << "x,y,r\n1,1,1\n2,2,\"" + QByteArray(1100000, '5') + "\n"
        << "line 3: a quoted field is longer than 1 MiB; is a quote never closed?";
    QTest::newRow("control characters and bytes that are no text are never shown")
        << QByteArray("PNG\x81\r\x1A\n\x01\x02,\xFF\xFEzz\n")
        << "the header has no columns named x and y; it has PNG\u2026; none of its 3 non-empty lines names x and y";
    QTest::newRow("a line of text is cut short")
        << QByteArray("The quick brown fox jumps over the lazy dog\n")
        << "the header has no columns named x and y; it has The quick brown fox jump…";
    // Names are the user's text, never a pattern the message is filled in by.
    QTest::newRow("names that look like placeholders") << QByteArray("x,%1,%2,r\n")
                                                       << "the header has no column named y; it has x, %1, %2, r";
}

void TestSheetReader::refusalDetail()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, detail);
    // A text without x and y is also no picture-shaped sheet and no grid, and the reason says so.
    const QString lookedFor = QStringLiteral(" (looked for a pixel list with x and y, a picture-shaped sheet and a grid of values)");

    for (const qint64 blockSize : BlockSizes) {
        PixelRecords out;
        const SheetInfo info = readBytes(text, out, blockSize);
        const bool positioned = info.columns.x >= 0 && info.columns.y >= 0;
        QCOMPARE(info.detail, positioned ? detail : detail + lookedFor);
    }
}

void TestSheetReader::fieldValue_data()
{
    QTest::addColumn<QByteArray>("field");

    const QByteArray rows[] = {
        "0", "255", "  12 ", "\t12\t", "\v3\f", "+5", "-0", "-17", "0012",
        "0x10", "1e3", "1E3", "12.9", "-0.5", "3.0", ".5", "5.", "12,9", "-0,5", "1,000",
        "", " ", "+", "-", "- 5", "+-5", "5-", "1 2", "abc", "12abc",
        "2147483647", "2147483648", "-2147483648", "-2147483649", "4294967296",
        "999999999999999999", "18446744073709551616", "000000000000000000000000000042",
        "2147483647.9", "-2147483648.5", "2147483648.0", "2147483646.9999999",
        "114.99999999999999", "62.99999999999999", "-0.99999999999", "-1e-12", "0.999999998",
        "nan", "inf", "-inf", "infinity", "1e999", "-1e999", "1e-400", "-1e-400",
        "\xC2\xA0" "12\xC2\xA0", "\xE2\x80\x89" "12", "\xE3\x80\x80" "12",
        "\xEF\xBC\x91\xEF\xBC\x92", "\xD9\xA1\xD9\xA2", "12\xE9", "\x1F" "12", "\xEF\xBB\xBF" "12",
    };
    for (const QByteArray &row : rows)
        QTest::newRow(("[" + row.toPercentEncoding(" +-.,") + "]").constData()) << row;
    QTest::newRow("ten thousand digits") << QByteArray(10000, '9');
    QTest::newRow("ten thousand leading zeros") << QByteArray(10000, '0') + "5";
    QTest::newRow("ten thousand blanks") << QByteArray(10000, ' ') + "5" + QByteArray(10000, ' ');
}

// The reader's number reading agrees with QString's in every case, both in the per-field
// functions and inside a sheet, where plain digits take a shortcut.
void TestSheetReader::fieldValue()
{
    QFETCH(QByteArray, field);

    for (const bool decimalComma : { false, true }) {
        const int c = toolkitComponent(field, decimalComma);
        QCOMPARE(sheetFieldToComponent(field, decimalComma), c);
        QCOMPARE(sheetFieldToInt(field, decimalComma), c);

        if (!decimalComma && field.contains(','))
            continue; // a comma would split the field
        // As x, as a component before a separator, before a line end and at the very end.
        // As x it gives a pixel only when the toolkit reads a number within 32 bits.
        const QByteArray s = decimalComma ? ";" : ",";
        const QByteArray text = QByteArray(decimalComma ? "sep=;\n" : "") + "x" + s + "y" + s + "r" + s + "g" + s + "b\n"
                + field + s + "0" + s + field + s + "9" + s + field + "\n" + "0" + s + "0" + s + "7" + s + field + s + field;
        const bool position = toolkitPosition(field, decimalComma);
        for (const qint64 blockSize : { qint64(1), qint64(5), DefaultSheetBlockSize }) {
            PixelRecords out;
            const SheetInfo info = readBytes(text, out, blockSize);
            QCOMPARE(info.status, Status::Done);
            QCOMPARE(info.skippedLines, position ? 0 : 1);
            QCOMPARE(out.size(), size_t(position ? 2 : 1));
            if (position) {
                QCOMPARE(out[0].x, c);
                QCOMPARE(out[0].r, c);
                QCOMPARE(out[0].b, c);
            }
            QCOMPARE(out.back().g, c);
            QCOMPARE(out.back().b, c);
        }
    }
}

void TestSheetReader::roundTrip_data()
{
    QTest::addColumn<ColourModel>("model");
    QTest::addColumn<bool>("anyInt");
    QTest::addColumn<int>("count");

    QTest::newRow("rgb, any int") << ColourModel::Rgb << true << 2000;
    QTest::newRow("hsv, small values") << ColourModel::Hsv << false << 2000;
    QTest::newRow("hsv, any int") << ColourModel::Hsv << true << 2000;
    QTest::newRow("rgb, no record") << ColourModel::Rgb << false << 0;
}

void TestSheetReader::roundTrip()
{
    QFETCH(ColourModel, model);
    QFETCH(bool, anyInt);
    QFETCH(int, count);

    QRandomGenerator random(count + int(anyInt));
    const auto value = [&](int low, int high) {
        return anyInt ? int(random.generate()) : int(random.bounded(low, high + 1));
    };
    PixelRecords written, expected;
    int64_t maxX = 0, maxY = 0;
    for (int i = 0; i < count; ++i) {
        const PixelRecord p{ value(-10, 5000), value(-10, 5000), value(0, 255), value(0, 255), value(0, 255),
                             value(0, 255), value(-1, 359), value(0, 255), value(0, 255) };
        written.push_back(p);
        expected.push_back(model == ColourModel::Rgb ? PixelRecord{ .x = p.x, .y = p.y, .r = p.r, .g = p.g, .b = p.b }
                                                     : PixelRecord{ .x = p.x, .y = p.y, .h = p.h, .s = p.s, .v = p.v });
        maxX = std::max<int64_t>(maxX, p.x);
        maxY = std::max<int64_t>(maxY, p.y);
    }

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(writeSheet(buffer, written, model).ok());
    for (const qint64 blockSize : { qint64(3), qint64(1000), DefaultSheetBlockSize }) {
        PixelRecords out;
        const SheetInfo info = readBytes(buffer.data(), out, blockSize);
        QCOMPARE(info.status, Status::Done);
        QCOMPARE(info.hasRgb, model == ColourModel::Rgb);
        QCOMPARE(info.hasHsv, model == ColourModel::Hsv);
        QCOMPARE(difference(out, expected), QString());
        QCOMPARE(info.width, int(std::min<int64_t>(maxX + 1, INT_MAX)));
        QCOMPARE(info.height, int(std::min<int64_t>(maxY + 1, INT_MAX)));
    }
}

void TestSheetReader::millionRecordsRoundTrip()
{
    PixelRecords written;
    QRandomGenerator random(42);
    for (int x = 0; x < 1000; ++x) {
        for (int y = 0; y < 1000; ++y)
            written.push_back(rgb(x, y, int(random.bounded(256)), int(random.bounded(256)), int(random.bounded(256))));
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("million.csv");
    QVERIFY(saveSheet(path, written, ColourModel::Rgb).ok());

    QList<qint64> reports;
    PixelRecords out;
    const SheetInfo info = loadSheetInfo(path, out, [&](qint64 bytes, qint64) { reports.append(bytes); });
    QCOMPARE(info.status, Status::Done);
    QCOMPARE(info.width, 1000);
    QCOMPARE(info.height, 1000);
    QVERIFY(out == written);

    // Progress comes every few megabytes, growing, never past the file.
    const qint64 size = QFileInfo(path).size();
    QVERIFY2(reports.size() >= size / (8 << 20), qPrintable(QString::number(reports.size())));
    for (int i = 1; i < reports.size(); ++i)
        QVERIFY(reports[i] > reports[i - 1]);
    QVERIFY(!reports.isEmpty() && reports.last() <= size);
}

void TestSheetReader::loadSheetFromDisk_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents"); // written first unless empty
    QTest::addColumn<Status>("status");
    QTest::addColumn<int>("records");

    QTest::newRow("a sheet") << "sheet.csv" << QByteArray("x,y,r,g,b\n0,0,1,2,3\n") << Status::Done << 1;
    QTest::newRow("missing file") << "missing.csv" << QByteArray() << Status::SheetCannotOpen << 0;
    QTest::newRow("a folder") << "." << QByteArray() << Status::SheetCannotOpen << 0;
    QTest::newRow("a picture") << "picture.png" << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) << Status::SheetNotValid << 0;
    QTest::newRow("fixture: semicolon sheet") << QString(TESSARINE_TEST_DATA "/sheets/semicolon.csv") << QByteArray() << Status::Done << 3;
}

void TestSheetReader::loadSheetFromDisk()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(Status, status);
    QFETCH(int, records);

    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(name);
    if (!contents.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    PixelRecords out(5);
    const SheetInfo info = loadSheetInfo(path, out);
    QCOMPARE(info.status, status);
    QCOMPARE(int(out.size()), records);
    // A refusal reaches the user as a message and the command line's reason.
    const Result result = sheetResult(info, path);
    QCOMPARE(result.ok(), status == Status::Done);
    QCOMPARE(statusMessage(result.status).isEmpty(), status == Status::Done);
    QCOMPARE(info.detail.isEmpty(), status == Status::Done);
}

// A large file is read in two halves on two threads, cut at the first line feed after its
// middle; whatever lies there, the result is the whole file's read in one.
void TestSheetReader::halvesReadAsTheWhole_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QByteArray>("line");   // %1 is the line's number
    QTest::addColumn<QByteArray>("middle"); // put between the 100th and 101st line
    QTest::addColumn<QByteArray>("late");   // put before the last line
    QTest::addColumn<bool>("utf16");

    const QByteArray plain = "%1,7,1,2,3,n\n";
    QTest::newRow("plain") << QByteArray("x,y,r,g,b,note\n") << plain << QByteArray() << QByteArray() << false;
    QTest::newRow("quoted line ends across the middle")
        << QByteArray("x,y,r,g,b,note\n") << plain << "5,5,1,2,3,\"" + QByteArray(700, '\n') + "\"\n" << QByteArray() << false;
    QTest::newRow("quoted value read across the middle")
        << QByteArray("x,y,r,g,b,note\n") << plain << "5,5,\"1" + QByteArray(700, ' ') + "\n\",2,3,n\n" << QByteArray() << false;
    QTest::newRow("quote never closed, late: its line number")
        << QByteArray("x,y,r,g,b,note\n") << plain << QByteArray() << QByteArray("1,1,1,1,1,\"open\n") << false;
    QTest::newRow("skipped lines and text for numbers in both halves")
        << QByteArray("x,y,r,g,b,note\n") << QByteArray("%1,7,1,2,3,n\na,b,1,2,3,n\n1,1,x,2,3,n\n") << QByteArray()
        << QByteArray() << false;
    QTest::newRow("CR LF, empty lines and short lines")
        << QByteArray("x,y,r,g,b,note\r\n") << QByteArray("%1,7,1\r\n\r\n\n") << QByteArray("\r\n\r\n\r\n") << QByteArray() << false;
    QTest::newRow("named separator and decimal commas")
        << QByteArray("sep=;\nx;y;r;g;b\n") << QByteArray("%1;7;1,5;2,4;3\n") << QByteArray() << QByteArray() << false;
    QTest::newRow("UTF-16") << QByteArray("x,y,r,g,b,note\n") << plain << QByteArray() << QByteArray() << true;
    QTest::newRow("UTF-8 after the middle")
        << QByteArray("x,y,r,g,b,note\n") << plain << QByteArray() << QByteArray("9,9,1,2,3,caf\xC3\xA9\n") << false;
    QTest::newRow("tab: comma groups in the second half")
        << QByteArray("x\ty\tr\tg\tb\tnote\n") << QByteArray("%1\t7\t1\t2\t3\tn\n") << QByteArray()
        << QByteArray("1,199\t3\t1\t2\t3\tn\n") << false;
    QTest::newRow("tab: comma groups in the first half, a decimal comma in the second")
        << QByteArray("x\ty\tr\tg\tb\tnote\n") << QByteArray("%1\t7\t1\t2\t3\tn\n") << QByteArray("1,199\t3\t1\t2\t3\tn\n")
        << QByteArray("5\t5\t1\t0,5\t3\tn\n") << false;
    QTest::newRow("Windows-1252 after the middle")
        << QByteArray("x,y,r,g,b,note\n") << plain << QByteArray() << QByteArray("9,9,1,\x80" "2,3,caf\xE9\n") << false;
    QTest::newRow("largest x in the second half")
        << QByteArray("x,y,r,g,b,note\n") << plain << QByteArray() << QByteArray("99999,3,1,2,3,n\n") << false;
}

void TestSheetReader::halvesReadAsTheWhole()
{
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, middle);
    QFETCH(QByteArray, late);
    QFETCH(bool, utf16);
    QByteArray text = header;
    for (int i = 0; i < 200; ++i)
        text += (i == 100 ? middle : QByteArray()) + (i == 199 ? late : QByteArray()) + QByteArray(line).replace("%1", QByteArray::number(i));
    if (utf16) {
        const QString decoded = QString::fromUtf8(text);
        text = QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(decoded.utf16()), decoded.size() * 2);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("halves.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));

    PixelRecords whole, halves;
    const SheetInfo expected = readBytes(text, whole, text.size() * 2); // one block: no halves
    for (const qint64 blockSize : { qint64(64), qint64(7) }) {
        QVERIFY(file.seek(0));
        const SheetInfo info = readSheetInBlocks(file, halves, blockSize);
        QCOMPARE(info.status, expected.status);
        QCOMPARE(info.detail, expected.detail);
        QCOMPARE(info.width, expected.width);
        QCOMPARE(info.height, expected.height);
        QCOMPARE(info.skippedLines, expected.skippedLines);
        QCOMPARE(info.notNumbers, expected.notNumbers);
        QCOMPARE(info.commaGroups, expected.commaGroups);
        QCOMPARE(info.commaDecimals, expected.commaDecimals);
        QCOMPARE(difference(halves, whole), QString());
    }
    QVERIFY(expected.status != Status::Done || whole.size() >= 200);
}

QTEST_GUILESS_MAIN(TestSheetReader)
#include "tst_sheetreader.moc"
