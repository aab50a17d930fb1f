// SPDX-License-Identifier: GPL-3.0-or-later
// Workbooks: what the writer makes reads back, every kind of cell becomes the CSV field
// the rules expect, and every kind of hostile container is refused with its reason.

#include "convert/sheetnotice.h"
#include "csv/sheetreader.h"
#include "testhelpers.h"
#include "csv/sheetwriter.h"
#include "workbook/workbookreader.h"
#include "workbook/workbookwriter.h"
#include "workbook/workbookzip.h"
#include "workbook/worksheettext.h"
#include "workbook/xlsxsheet.h"
#include "workbookfiles.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>

using namespace tess;

Q_DECLARE_METATYPE(tess::PixelRecords)

namespace {

PixelRecords sampleRecords(int count)
{
    PixelRecords records;
    for (int i = 0; i < count; ++i) {
        records.push_back(PixelRecord{ i % 7, i / 7, (i * 37) % 256, (i * 11) % 256, 255 - i % 256, 0,
                                       i % 5 == 0 ? -1 : (i * 13) % 360, (i * 3) % 256, (i * 17) % 256 });
    }
    return records;
}

QByteArray workbookOf(const PixelRecords &records, ColourModel model)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (const Result written = writeWorkbook(buffer, records, model); !written.ok())
        qWarning() << "writeWorkbook failed:" << written.detail;
    return bytes;
}

// Gives every text of the window's context between marks, as a translation would change it,
// so that a reason written past the table of texts shows up unmarked.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return qstrcmp(context, "MainWindow") == 0 ? u'\u2039' + QString::fromUtf8(source) + u'\u203a' : QString();
    }
    bool isEmpty() const override { return false; }
};

SheetInfo readBytes(const QByteArray &bytes, PixelRecords &out)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readSpreadsheet(buffer, out);
}

// The CSV text a workbook's first worksheet gives, or its failure.
QByteArray worksheetCsv(const QByteArray &bytes, Result *failure)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    WorkbookArchive archive(buffer);
    if (*failure = archive.open(); !failure->ok())
        return {};
    Outcome<std::unique_ptr<WorksheetSource>> source = openFirstWorksheet(archive);
    if (!source.ok()) {
        *failure = source.result();
        return {};
    }
    WorksheetDevice text(std::move(source).value());
    const QByteArray csv = text.readAll();
    *failure = text.result();
    return csv;
}

// Accepts this many bytes, then refuses every write, as a full disk does.
class FullDevice : public QIODevice
{
public:
    explicit FullDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override
    {
        if (size > m_room) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_room -= size;
        return size;
    }

private:
    qint64 m_room;
};

QByteArray patchedDeclaredSize(QByteArray zip, const QByteArray &entry)
{
    // The central directory record of the entry: its uncompressed size at offset 24.
    const qsizetype name = zip.lastIndexOf(entry);
    const qsizetype record = zip.lastIndexOf("PK\x01\x02", name);
    zip.replace(record + 24, 4, QByteArray("\xF0\xFF\xFF\xFF", 4));
    return zip;
}

// The same for the entry's CRC-32, in its local header (offset 14) and its directory record
// (offset 16), so that the entry opens and fails only at its end.
QByteArray patchedChecksum(QByteArray zip, const QByteArray &entry)
{
    const qsizetype local = zip.lastIndexOf("PK\x03\x04", zip.indexOf(entry));
    const qsizetype record = zip.lastIndexOf("PK\x01\x02", zip.lastIndexOf(entry));
    zip[local + 14] = char(zip[local + 14] ^ 0xFF);
    zip[record + 16] = char(zip[record + 16] ^ 0xFF);
    return zip;
}

} // namespace

class TestWorkbook : public QObject
{
    Q_OBJECT

private slots:
    void writtenWorkbookReadsAsItsCsv_data();
    void writtenWorkbookReadsAsItsCsv();
    void writeRefusesWhatCannotBeWritten();
    void cellsBecomeCsvFields_data();
    void cellsBecomeCsvFields();
    void hostileInputIsRefused_data();
    void hostileInputIsRefused();
    void refusalsAreTranslated_data() { hostileInputIsRefused_data(); }
    void refusalsAreTranslated();
    void contentDecidesTheFormat_data();
    void contentDecidesTheFormat();
    void sheetsAndEdits_data();
    void sheetsAndEdits();
    void foreignFilesAreNamed_data();
    void foreignFilesAreNamed();
};

void TestWorkbook::writtenWorkbookReadsAsItsCsv_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("rgb");
    QTest::addColumn<bool>("extremes");
    QTest::newRow("rgb, 1,000 records") << 1000 << true << false;
    QTest::newRow("hsv with greys, 1,000 records") << 1000 << false << false;
    QTest::newRow("header alone") << 0 << true << false;
    QTest::newRow("32-bit extremes in every field") << 3 << false << true;
}

// The CSV sheet of the same records is the reference: reading the workbook must give
// exactly what reading that sheet gives.
void TestWorkbook::writtenWorkbookReadsAsItsCsv()
{
    QFETCH(int, count);
    QFETCH(bool, rgb);
    QFETCH(bool, extremes);
    const ColourModel model = rgb ? ColourModel::Rgb : ColourModel::Hsv;
    PixelRecords records = sampleRecords(count);
    if (extremes) {
        for (PixelRecord &p : records)
            p = PixelRecord{ INT_MIN, INT_MAX - 1, INT_MAX, INT_MIN, -1, 0, INT_MIN, INT_MAX, -1 };
    }

    QByteArray csv;
    QBuffer csvBuffer(&csv);
    csvBuffer.open(QIODevice::ReadWrite);
    QVERIFY(writeSheet(csvBuffer, records, model).ok());
    csvBuffer.seek(0);
    PixelRecords fromCsv;
    const SheetInfo csvInfo = readSheet(csvBuffer, fromCsv);

    PixelRecords fromWorkbook;
    const SheetInfo info = readBytes(workbookOf(records, model), fromWorkbook);
    QCOMPARE(info.status, Status::Done);
    QCOMPARE(fromWorkbook.size(), size_t(count));
    QVERIFY(fromWorkbook == fromCsv);
    QCOMPARE(info.width, csvInfo.width);
    QCOMPARE(info.height, csvInfo.height);
    QCOMPARE(info.hasRgb, rgb);
    QCOMPARE(info.hasHsv, !rgb);
    QCOMPARE(info.columns.x, 0);
    QCOMPARE(rgb ? info.columns.b : info.columns.v, 4);
}

void TestWorkbook::writeRefusesWhatCannotBeWritten()
{
    FullDevice full(10000);
    const Result refused = writeWorkbook(full, sampleRecords(50000), ColourModel::Rgb);
    QCOMPARE(refused.status, Status::SheetNotSaved);
    QCOMPARE(refused.detail, QStringLiteral("No space left on device"));

    // One row more than a worksheet has, counting the header.
    PixelRecords tooMany(size_t(WorkbookMaxRecords + 1));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QString error = writeWorkbook(buffer, tooMany, ColourModel::Rgb).detail;
    QVERIFY2(error.contains(QStringLiteral("1,048,575")), qPrintable(error));
    QVERIFY(bytes.isEmpty());
}

void TestWorkbook::cellsBecomeCsvFields_data()
{
    QTest::addColumn<QByteArray>("workbook");
    QTest::addColumn<QByteArray>("csv");

    const QByteArray header = xlsxRow(1, { "s:0", "s:1", "i:r", "i:g", "i:b" });
    const QByteArray strings = "<si><t>x</t></si><si><r><t>y</t></r><rPh><t>Y</t></rPh></si><si><t>12</t></si>";
    QTest::newRow("xlsx: numbers as written, shared and inline texts, phonetic guides left out")
            << xlsxWith(header + xlsxRow(2, { "n:3", "s:2", "n:1.5", "n:1E-3", "i: 7 " }), strings)
            << QByteArray("sep=,\nx,y,r,g,b\n3,12,1.5,1E-3, 7 \n");
    QTest::newRow("xlsx: formulas give their cached results, booleans and errors are text")
            << xlsxWith(header
                        + R"(<row r="2"><c r="A2"><f>1+1</f><v>2</v></c><c r="B2" t="str"><f>"a"</f><v>a</v></c>)"
                          R"(<c r="C2" t="b"><v>1</v></c><c r="D2" t="b"><v>0</v></c><c r="E2" t="e"><v>#DIV/0!</v></c></row>)",
                        strings)
            << QByteArray("sep=,\nx,y,r,g,b\n2,a,TRUE,FALSE,#DIV/0!\n");
    QTest::newRow("xlsx: missing cells and cells without references, leading empty rows")
            << xlsxWith(R"(<row r="3"/><row r="4"><c r="A4" t="inlineStr"><is><t>x</t></is></c><c t="inlineStr"><is><t>y</t></is></c>)"
                        R"(<c r="D4" t="inlineStr"><is><t>g</t></is></c></row><row><c r="B5"><v>4</v></c><c><v>5</v></c><c r="E5"/></row>)"
                        R"(<row r="9"><c r="A9"><v>1</v></c><c r="B9"><f>X</f></c><c r="C9"><v>2</v></c></row>)")
            << QByteArray("sep=,\n\n\n\nx,y,,g\n,4,5\n\n\n\n1,,2\n");
    QTest::newRow("xlsx: texts holding separators, quotes and line ends are quoted")
            << xlsxWith(header + xlsxRow(2, { "n:1", "n:2", "i:a,b", "i:say \"hi\"", "i:one\ntwo" })
                                + xlsxRow(3, { "n:1", "n:2", "i:a;b", "i:up^Mdown", "i:\"" }), strings)
            << QByteArray("sep=,\nx,y,r,g,b\n1,2,\"a,b\",\"say \"\"hi\"\"\",\"one\ntwo\"\n"
                          "1,2,a;b,\"up^Mdown\",\"\"\"\"\n");
    QTest::newRow("xlsx: a leading sep= row is no header")
            << xlsxWith(xlsxRow(1, { "i:sep=;" }) + xlsxRow(2, { "i:x", "i:y", "i:r", "i:g", "i:b" })
                                + xlsxRow(3, { "n:1" }))
            << QByteArray("sep=,\n\nx,y,r,g,b\n1\n");

    const QByteArray odsHeader = R"(<table:table-row><table:table-cell office:value-type="string"><text:p>x</text:p></table:table-cell>)"
                                 R"(<table:table-cell office:value-type="string" office:string-value="y"/><table:table-cell><text:p>h</text:p></table:table-cell></table:table-row>)";
    QTest::newRow("ods: values, repeated cells and rows, only the first table")
            << odsWith(R"(<table:table-row table:number-rows-repeated="3"><table:table-cell table:number-columns-repeated="1024"/></table:table-row>)"
                       + odsHeader
                       + R"(<table:table-row table:number-rows-repeated="2"><table:table-cell office:value-type="float" office:value="7" table:number-columns-repeated="2"><text:p>7.00</text:p></table:table-cell>)"
                         R"(<table:table-cell table:number-columns-repeated="3"/><table:table-cell office:value-type="percentage" office:value="0.5"/></table:table-row>)"
                         R"(<table:table-row table:number-rows-repeated="1048570"><table:table-cell table:number-columns-repeated="16384"/></table:table-row>)")
            << QByteArray("sep=,\n\n\n\nx,y,h\n7,7,,,,0.5\n7,7,,,,0.5\n");
    QTest::newRow("ods: a row repeated far beyond one chunk of text")
            << odsWith(odsHeader + R"(<table:table-row table:number-rows-repeated="100000"><table:table-cell office:value-type="float" office:value="7" table:number-columns-repeated="2"/></table:table-row>)")
            << QByteArray("sep=,\nx,y,h\n") + QByteArray("7,7\n").repeated(100000);
    QTest::newRow("ods: texts with spaces, tabs, line breaks and paragraphs; notes left out; booleans, errors")
            << odsWith(odsHeader
                       + R"(<table:table-row><table:table-cell office:value-type="string"><office:annotation><text:p>note</text:p></office:annotation>)"
                         R"(<text:p>a<text:s text:c="3"/>b<text:tab/>c</text:p><text:p>d<text:line-break/><text:span>e</text:span></text:p></table:table-cell>)"
                         R"(<table:table-cell office:value-type="boolean" office:boolean-value="true"><text:p>TRUE</text:p></table:table-cell>)"
                         R"(<table:table-cell office:value-type="float" office:value="0" calcext:value-type="error"><text:p>#DIV/0!</text:p></table:table-cell></table:table-row>)")
            << QByteArray("sep=,\nx,y,h\n\"a   b\tc\nd\ne\",TRUE,#DIV/0!\n");
}

void TestWorkbook::cellsBecomeCsvFields()
{
    QFETCH(QByteArray, workbook);
    QFETCH(QByteArray, csv);
    Result failure;
    QCOMPARE(worksheetCsv(workbook, &failure), csv);
    QCOMPARE(failure.status, Status::Done);
    QCOMPARE(failure.detail, QString());
}

void TestWorkbook::hostileInputIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QByteArray good = workbookOf(sampleRecords(2000), ColourModel::Rgb);
    const QByteArray header = xlsxRow(1, { "i:x", "i:y", "i:r" });
    QByteArray damaged = good;
    const qsizetype sheet = damaged.indexOf("xl/worksheets/sheet1.xml") + 200;
    for (qsizetype i = sheet; i < sheet + 64; ++i)
        damaged[i] = char(damaged[i] ^ 0x5A);

    QTest::newRow("truncated ZIP") << good.left(good.size() / 2) << "damaged or cut short";
    QTest::newRow("damaged compressed data") << damaged << "damaged";
    QTest::newRow("ZIP without a workbook") << makeZip({ { "notes/", "" } }) << "holds no workbook";
    QTest::newRow("ZIP of two files") << makeZip({ { "a.csv", "x,y,r\n" }, { "b.csv", "x,y,r\n" } })
                                      << "holds 2 files and no workbook; unpack it";
    QTest::newRow("gzip cut short") << gzipped("x,y,r\n" + QByteArray(5000, '1')).chopped(20) << "compressed file is damaged or cut short";
    QTest::newRow("gzip inflating a thousand times")
        << gzipped("x,y,r\n" + QByteArray(24 << 20, '\n')) << "unpacks to more than 2 GB, or to more than 250 times";
    QTest::newRow("workbook without a worksheet")
            << makeZip({ { "[Content_Types].xml", "<Types/>" }, { "xl/workbook.xml", "<workbook><sheets/></workbook>" } })
            << "no worksheet";
    QTest::newRow("old binary workbook (a compound file)")
            << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(4000, '\0') << "old .xls format";
    QTest::newRow("password-protected workbook (a compound file)")
            << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(1000, '\0')
                    + QByteArray("E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0", 32) + QByteArray(1000, '\0')
            << "password-protected";
    QTest::newRow("password-protected .ods")
            << makeZip({ { "content.xml", "\x93\x01garbled" },
                         { "META-INF/manifest.xml", R"(<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"><manifest:file-entry manifest:full-path="content.xml"><manifest:encryption-data/></manifest:file-entry></manifest:manifest>)" } })
            << "password-protected";
    QTest::newRow("encrypted ZIP entry") << makeZip({ { "content.xml", "<a/>" } }, "secret") << "encrypted";
    QTest::newRow("entry declaring more than 2 GB")
            << patchedDeclaredSize(good, "xl/worksheets/sheet1.xml") << "more than 2 GB";
    QTest::newRow("entry inflating a thousand times (ZIP bomb)")
            << xlsxWith(QByteArray("<z/>").repeated(6 << 20)) << "more than 250 times";
    QTest::newRow("malformed XML") << xlsxWith(header + "<row><c><v>1</v></row>") << "not well-formed";
    QTest::newRow("workbook part stopped part way by a document type")
            << makeZip({ { "[Content_Types].xml", "<Types/>" }, { "xl/workbook.xml", "<!DOCTYPE w [<!ENTITY a 'b'>]><workbook/>" } })
            << "document type";
    QTest::newRow("zip: one CSV inside, its checksum wrong")
            << patchedChecksum(makeZip({ { "picture.csv", "x,y,r\n1,0,7\n" } }), "picture.csv") << "checksum does not match";
    QTest::newRow("document type declaration")
            << makeZip({ { "content.xml", "<!DOCTYPE a [<!ENTITY b 'c'>]><a/>" } }) << "document type";
    QTest::newRow("a text longer than 1 MB")
            << xlsxWith(header + "<row><c t=\"inlineStr\"><is><t>" + QByteArray(1100000, 'a') + "</t></is></c></row>")
            << "longer than 1 MB";
    QTest::newRow("row past 1,048,576") << xlsxWith(header + xlsxRow(1048577, { "n:1", "n:2" })) << "past row";
    QTest::newRow("cell past column XFD") << xlsxWith(header + "<row><c r=\"XFE2\"><v>1</v></c></row>")
                                          << "past the limits";
    QTest::newRow("shared text that does not exist")
            << xlsxWith(header + "<row><c t=\"s\"><v>3</v></c></row>", "<si><t>x</t></si>") << "shared text";
    QTest::newRow("ods: a number repeated past column XFD")
            << odsWith(R"(<table:table-row><table:table-cell office:value-type="float" office:value="1" table:number-columns-repeated="20000"/></table:table-row>)")
            << "past column XFD";
    QTest::newRow("ods: a row repeated past row 1,048,576")
            << odsWith(R"(<table:table-row table:number-rows-repeated="2000000000"><table:table-cell office:value-type="float" office:value="1"/></table:table-row>)")
            << "past row";
    QTest::newRow("ods: malformed XML") << odsWith("<table:table-row><table:table-cell>") << "not well-formed";
}

// Each is refused as an invalid sheet, with its reason, and leaves no records behind.
void TestWorkbook::hostileInputIsRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    PixelRecords out = sampleRecords(3);
    const SheetInfo info = readBytes(bytes, out);
    QCOMPARE(info.status, Status::SheetNotValid);
    QVERIFY2(info.detail.contains(reason), qPrintable(info.detail));
    QVERIFY(out.empty());
}

// Some reasons are found by the parser's thread or inside libxml2's callbacks; they must
// come out in the user's language all the same.
void TestWorkbook::refusalsAreTranslated()
{
    QFETCH(QByteArray, bytes);
    MarkingTranslator marking;
    QVERIFY(QCoreApplication::installTranslator(&marking));
    PixelRecords out;
    const SheetInfo info = readBytes(bytes, out);
    QCoreApplication::removeTranslator(&marking);
    QVERIFY2(info.detail.startsWith(u'\u2039') && info.detail.contains(u'\u203a'), qPrintable(info.detail));
}

void TestWorkbook::contentDecidesTheFormat_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("workbook");
    const QByteArray xlsx = workbookOf(sampleRecords(10), ColourModel::Rgb);
    const QByteArray csv = "x,y,r,g,b\n0,0,1,2,3\n1,0,4,5,6\n2,1,7,8,9\n3,1,1,1,1\n4,1,2,2,2\n5,1,3,3,3\n6,1,4,4,4\n0,1,5,5,5\n1,1,6,6,6\n2,1,7,7,7\n";
    QTest::newRow("workbook named .csv") << xlsx << "csv" << true;
    QTest::newRow("workbook named .xlsx") << xlsx << "xlsx" << true;
    QTest::newRow("CSV named .xlsx") << csv << "xlsx" << false;
    QTest::newRow("CSV named .ods") << csv << "ods" << false;
}

// Both kinds load from a path whatever its name, ten records each; a workbook also
// loads from a device that cannot seek, and looking at it consumes nothing.
void TestWorkbook::contentDecidesTheFormat()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, suffix);
    QFETCH(bool, workbook);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.") + suffix);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    PixelRecords fromPath;
    QCOMPARE(loadSheetInfo(path, fromPath).status, Status::Done);
    QCOMPARE(fromPath.size(), size_t(10));

    Pipe pipe(bytes);
    QCOMPARE(isWorkbook(pipe), workbook);
    if (!workbook) {
        QCOMPARE(pipe.readAll(), bytes);
        return;
    }
    PixelRecords fromPipe;
    QCOMPARE(readSpreadsheet(pipe, fromPipe).status, Status::Done);
    QVERIFY(fromPipe == fromPath);
}

QTEST_GUILESS_MAIN(TestWorkbook)
#include "tst_workbook.moc"

// Which sheet is drawn, and what reading it passed over: the notice tells both; a
// workbook without a pixel sheet names the sheets looked at.
void TestWorkbook::sheetsAndEdits_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<PixelRecords>("records");
    QTest::addColumn<QString>("told"); // the notice, or the refusal's detail

    const auto rgb = [](int x, int y, int r) { return PixelRecord{ .x = x, .y = y, .r = r }; };
    const QByteArray header = xlsxRow(1, { "i:x", "i:y", "i:r" });
    const QByteArray picture = header + xlsxRow(2, { "n:1", "n:0", "n:7" });
    const QByteArray edited = header + xlsxRow(2, { "n:2", "n:0", "n:9" });
    const QByteArray notes = xlsxRow(1, { "i:Task 1: make the sky blue" });
    const QByteArray settings = xlsxRow(1, { "i:name", "i:value" }) + xlsxRow(2, { "i:size", "n:16" });
    const PixelRecords one = { rgb(1, 0, 7) };

    QTest::newRow("xlsx: notes sheet before the data")
            << xlsxBook({ { "Notes", "", notes }, { "Picture", "", picture } }) << one << "drawn from the sheet 'Picture'.";
    QTest::newRow("xlsx: hidden first sheet, chart sheet")
            << xlsxBook({ { "Settings", "hidden", picture }, { "Chart", "", {} }, { "Picture", "", edited } })
            << PixelRecords{ rgb(2, 0, 9) } << "drawn from the sheet 'Picture'.";
    QTest::newRow("xlsx: the active copy")
            << xlsxBook({ { "Picture", "", picture }, { "Picture (2)", "", edited } }, 1)
            << PixelRecords{ rgb(2, 0, 9) } << "drawn from the sheet 'Picture (2)'.";
    QTest::newRow("xlsx: an active sheet without x and y")
            << xlsxBook({ { "Picture", "", picture }, { "Notes", "", notes } }, 1) << one << "drawn from the sheet 'Picture'.";
    QTest::newRow("xlsx: no sheet has x and y")
            << xlsxBook({ { "Notes", "", notes }, { "Settings", "", settings }, { "Hidden", "hidden", picture } })
            << PixelRecords{} << "no visible worksheet holds a pixel list with x and y, a picture-shaped sheet, a grid of values or painted cells; looked at 'Notes', 'Settings'";
    QTest::newRow("xlsx: a budget, refused with all that was looked for")
            << xlsxWith(xlsxRow(1, { "i:Item", "i:Jan" }) + xlsxRow(2, { "i:Rent", "n:800" })) << PixelRecords{}
            << "the header has no columns named x and y; it has Item, Jan; none of its 2 non-empty lines names x and y "
               "(looked for a pixel list with x and y, a picture-shaped sheet, a grid of values and painted cells)";
    QTest::newRow("xlsx: rows and cells out of order")
            << xlsxWith(xlsxRow(3, { "n:2", "n:0", "n:5" })
                        + R"(<row r="2"><c r="C2"><v>4</v></c><c r="A2"><v>1</v></c><c r="B2"><v>0</v></c></row>)" + header)
            << PixelRecords{ rgb(1, 0, 4), rgb(2, 0, 5) } << QString();
    QTest::newRow("xlsx: a shared-text cell without a value is empty")
            << xlsxWith(header + R"(<row r="2"><c r="A2"><v>1</v></c><c r="B2"><v>0</v></c><c r="C2" t="s"/></row>)", "<si><t>x</t></si>")
            << PixelRecords{ rgb(1, 0, 0) } << "1 empty colour cell was read as 0 (e.g. line 2, column r).";
    QTest::newRow("xlsx: formulas without stored results")
            << xlsxWith(header + R"(<row r="2"><c r="A2"><v>1</v></c><c r="B2"><f>0</f></c><c r="C2"><f>A2*2</f></c></row>)"
                        + R"(<row r="3"><c r="A3"><v>2</v></c><c r="B3"><v>0</v></c><c r="C3"><f>A3</f><v>2</v></c></row>)")
            << PixelRecords{ rgb(2, 0, 2) }
            << "1 line without a pixel position was skipped; 2 formula cells have no stored result, so the values may be wrong; "
               "open and save in a spreadsheet program.";
    QTest::newRow("xlsx: stale results of a workbook computed on opening")
            << xlsxBook({ { "A", "", header + R"(<row r="2"><c r="A2"><v>1</v></c><c r="B2"><v>0</v></c><c r="C2"><f>A2*2</f><v>0</v></c></row>)" } }, -1, true)
            << PixelRecords{ rgb(1, 0, 0) }
            << "1 formula cell has no stored result, so the value may be wrong; open and save in a spreadsheet program.";
    QTest::newRow("xlsx: a title row above the header")
            << xlsxWith(xlsxRow(1, { "i:My picture (16 x 12)" }) + xlsxRow(2, { "i:x", "i:y", "i:r" }) + xlsxRow(3, { "n:1", "n:0", "i:$7.00" }))
            << one << "1 line above the header was skipped.";

    const QByteArray odsHeader = "<table:table-row><table:table-cell><text:p>x</text:p></table:table-cell><table:table-cell><text:p>y</text:p></table:table-cell><table:table-cell><text:p>r</text:p></table:table-cell></table:table-row>";
    const QByteArray hidden = R"(<style:style style:name="ta2" style:family="table"><style:table-properties table:display="false"/></style:style>)";
    QTest::newRow("ods: a hidden table and a notes table before the data")
            << odsBook(odsTable("Settings", { { "x", "y", "r" }, { "5", "5", "5" } }, "ta2") + odsTable("Notes", { { "Task 1" } })
                       + odsTable("Picture", { { "x", "y", "r" }, { "1", "0", "7" } }), {}, hidden)
            << one << "drawn from the sheet 'Picture'.";
    QTest::newRow("ods: the active table")
            << odsBook(odsTable("Picture", { { "x", "y", "r" }, { "1", "0", "7" } }) + odsTable("Copy", { { "x", "y", "r" }, { "2", "0", "9" } }), "Copy")
            << PixelRecords{ rgb(2, 0, 9) } << "drawn from the sheet 'Copy'.";
    QTest::newRow("ods: dates and times as day numbers")
            << odsBook(odsTable("A", { { "x", "y", "r", "g" }, { "1", "0", R"(<table:table-cell office:value-type="date" office:date-value="1900-01-20"/>)",
                                                                  R"(<table:table-cell office:value-type="time" office:time-value="PT36H00M00S"/>)" } }))
            << PixelRecords{ PixelRecord{ .x = 1, .y = 0, .r = 21, .g = 1 } } << QString();
    QTest::newRow("ods: a formula without a stored value")
            << odsBook(odsTable("A", { { "x", "y", "r" }, { "1", "0", R"(<table:table-cell table:formula="of:=1+1"/>)" } }))
            << PixelRecords{ rgb(1, 0, 0) }
            << "1 empty colour cell was read as 0 (e.g. line 2, column r); 1 formula cell has no stored result, so the value may be wrong; "
               "open and save in a spreadsheet program.";
    QTest::newRow("ods: a chart's table after the data, as a workbook with an active chart sheet gives")
            << odsBook(odsTable("Sheet1", { { "x", "y", "r" }, { "1", "0", "7" } })
                       + R"(<table:table table:name="Chart1"><table:shapes/></table:table>)")
            << one << "drawn from the sheet 'Sheet1'.";
    QTest::newRow("xlsx: float residues as the program shows them")
            << xlsxWith(header + xlsxRow(2, { "n:1", "n:0", "n:114.99999999999999" }) + xlsxRow(3, { "n:2", "n:0", "n:62.99999999999999" })
                        + xlsxRow(4, { "n:3", "n:0", "n:127.9" }))
            << PixelRecords{ rgb(1, 0, 115), rgb(2, 0, 63), rgb(3, 0, 127) } << QString();
    QTest::newRow("zip: one CSV inside") << makeZip({ { "picture.csv", "x,y,r\n1,0,7\n" } }) << one << QString();
    {
        // Plain text has no markup, so no bound on XML's stretches between tags applies.
        QByteArray csv = "x,y,r\n";
        PixelRecords many;
        for (int x = 0; x < 120000; ++x) {
            csv += QByteArray::number(x) + ",0,7\n";
            many.push_back(rgb(x, 0, 7));
        }
        QVERIFY(csv.size() > WorkbookMarkupStretchLimit);
        QTest::newRow("zip: a CSV of more than 1 MB inside") << makeZip({ { "picture.csv", csv } }) << many << QString();
    }
    QTest::newRow("gzip: a CSV inside, in two members")
            << gzipped("x,y,r\n1,0,") + gzipped("7\n") << one << QString();
    QTest::newRow("ods: no table has x and y")
            << odsBook(odsTable("Notes", { { "Task 1" } }) + odsTable("More", { { "a", "b" } })) << PixelRecords{}
            << "no visible worksheet holds a pixel list with x and y, a picture-shaped sheet, a grid of values or painted cells; looked at 'Notes', 'More'";
}

void TestWorkbook::sheetsAndEdits()
{
    QFETCH(QByteArray, bytes);
    QFETCH(PixelRecords, records);
    QFETCH(QString, told);
    PixelRecords out;
    const SheetInfo info = readBytes(bytes, out);
    QVERIFY2(out == records, qPrintable(QStringLiteral("%1 records; %2").arg(out.size()).arg(info.detail)));
    QCOMPARE(info.status == Status::Done ? sheetNotice(info) : info.detail, told);
}

// Files that are something else are named as what they are; no raw byte of theirs shows.
void TestWorkbook::foreignFilesAreNamed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("kind");

    QByteArray png;
    QBuffer pngBuffer(&png);
    pngBuffer.open(QIODevice::WriteOnly);
    QImage(4, 4, QImage::Format_RGB32).save(&pngBuffer, "PNG");
    const QByteArray gzip = gzipped(R"(<?xml version="1.0"?><gnm:Workbook xmlns:gnm="http://www.gnumeric.org/v10.dtd"/>)");

    QTest::newRow("compressed Gnumeric file") << gzip << "compressed Gnumeric file";
    QTest::newRow("picture") << png << "this is a picture; open it with Load Image";
    QTest::newRow("picture in a gzip file") << gzipped(png) << "this is a picture; open it with Load Image";
    QTest::newRow("workbook in a ZIP container") << makeZip({ { "book.xlsx", makeZip({ { "content.xml", "<a/>" } }) } })
                                                 << "compressed file";
    QTest::newRow("web page") << QByteArray("\xEF\xBB\xBF\n<!DOCTYPE html><html><table><tr><td>x</td></tr></table>") << "web page";
    QTest::newRow("flat OpenDocument XML")
            << QByteArray(R"(<?xml version="1.0"?><office:document office:mimetype="application/vnd.oasis.opendocument.spreadsheet">)")
            << "XML file but no workbook";
    QTest::newRow("DIF") << QByteArray("TABLE\r\n0,1\r\n\"EXCEL\"\r\nVECTORS\r\n") << "DIF file";
    QTest::newRow("text with control bytes") << QByteArray("\x01\x02x\x7F,\xFF\xFE,y\n") << "the header has no column named x";
}

void TestWorkbook::foreignFilesAreNamed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, kind);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    PixelRecords out;
    const SheetInfo info = readSpreadsheet(buffer, out);
    QVERIFY(info.status != Status::Done);
    QVERIFY2(info.detail.contains(kind), qPrintable(info.detail));
    for (const QChar c : info.detail)
        QVERIFY2(c.isPrint() && c != QChar::ReplacementCharacter, qPrintable(info.detail));
}
