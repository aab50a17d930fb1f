// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheets drawn by painting cells, written by openpyxl as a spreadsheet program saves them.

#include "convert/operations.h"
#include "convert/sheetnotice.h"
#include "workbook/paintedcells.h"
#include "workbook/workbookreader.h"
#include "workbook/xlsxstyles.h"
#include "workbook/xlsxsheet.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tess;

class TestPaintedCells : public QObject
{
    Q_OBJECT
private slots:
    void paintedSheet_data();
    void paintedSheet();
    void handWritten_data();
    void handWritten();
};

namespace {

// Writes the workbook the Python lines build on the sheet "ws" of the workbook "wb".
bool writeWorkbook(const QString &path, const QByteArray &body)
{
    // patches: texts replaced in the saved parts, for what openpyxl will not write.
    const QByteArray script = "import openpyxl, zipfile\n"
                              "from openpyxl.styles import PatternFill, Color\n"
                              "from openpyxl.styles.differential import DifferentialStyle\n"
                              "from openpyxl.formatting.rule import CellIsRule, ColorScaleRule, FormulaRule\n"
                              "wb = openpyxl.Workbook()\nws = wb.active\nws.title = 'Drawing'\n"
                              "patches = {}\n"
                              "def paint(cell, **colour):\n"
                              "    ws[cell].fill = PatternFill('solid', fgColor=Color(**colour))\n"
                              "def rule(cells, op, values, rgb):\n"
                              "    ws.conditional_formatting.add(cells, CellIsRule(operator=op, formula=values,"
                              " fill=PatternFill(bgColor=rgb)))\n"
                              + body + "\npath = " + '"' + path.toUtf8() + '"' + "\nwb.save(path)\n"
                              "parts = {n: zipfile.ZipFile(path).read(n) for n in zipfile.ZipFile(path).namelist()}\n"
                              "with zipfile.ZipFile(path, 'w') as z:\n"
                              "    for n, data in parts.items():\n"
                              "        for old, new in patches.items():\n"
                              "            data = data.replace(old, new)\n"
                              "        z.writestr(n, data)\n";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), { QStringLiteral("-c"), QString::fromUtf8(script) });
    return python.waitForFinished(30000) && python.exitCode() == 0;
}

// The colours of the records, row by row: "ff0000 00ff00".
QStringList drawnRows(const PixelRecords &records, qsizetype height)
{
    QStringList drawn(height);
    for (const PixelRecord &record : records)
        drawn[record.y] += QString::asprintf("%02x%02x%02x ", record.r, record.g, record.b);
    for (QString &row : drawn)
        row.chop(1);
    return drawn;
}

} // namespace

void TestPaintedCells::paintedSheet_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("origin"); // the cell of pixel 0, 0
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("rows"); // the colours, row by row
    QTest::addColumn<QString>("notice");   // a part of the notice, when it is asked for

    QTest::newRow("rgb, theme with tint, indexed; a hole is white")
        << QByteArray("paint('B2', rgb='FFFF0000')\npaint('C2', theme=9, tint=-0.25)\npaint('D2', indexed=5)\n"
                      "paint('B3', rgb='FF00FF00')\npaint('D3', rgb='FF0000FF')\nws['F9'] = 'note'\n")
        << true << QStringLiteral("B2") << 3
        << QStringList { QStringLiteral("ff0000 e46c0a ffff00"), QStringLiteral("00ff00 ffffff 0000ff") } << QString();
    // A table with a coloured header row holds more numbers than painted cells: no picture.
    QTest::newRow("budget with a painted header")
        << QByteArray("for c in 'ABC':\n    paint(c + '1', rgb='FFFFC000')\n    paint(c + '2', rgb='FFFFC000')\n"
                      "    for r in range(3, 9):\n        ws[c + str(r)] = r * 1000\n")
        << false << QString() << 0 << QStringList {} << QString();
    QTest::newRow("a single painted row") << QByteArray("paint('A1', rgb='FF000000')\npaint('B1', rgb='FF000000')\n")
                                          << false << QString() << 0 << QStringList {} << QString();
    // Codes 0 to 9 typed twice over, each coloured by a rule of its own: no grid of greys.
    const QByteArray codes = "for k in range(10):\n"
                             "    ws.cell(1, k + 2).value = k\n    ws.cell(2, k + 2).value = 9 - k\n"
                             "    rule('B1:K2', 'equal', [str(k)], 'FF%02X00%02X' % (k * 25, 255 - k * 25))\n";
    QStringList tenColours(2);
    for (int k = 0; k < 10; ++k) {
        tenColours[0] += QString::asprintf("%02x00%02x ", k * 25, 255 - k * 25);
        tenColours[1] += QString::asprintf("%02x00%02x ", (9 - k) * 25, 255 - (9 - k) * 25);
    }
    for (QString &row : tenColours)
        row.chop(1);
    QTest::newRow("typed codes coloured by rules") << codes << true << QStringLiteral("B1") << 10 << tenColours
                                                   << QString();
    // The rule tried first wins; the scale colours the rest from its minimum through the
    // median to its maximum.
    QTest::newRow("a between rule over a three-colour scale")
        << QByteArray("for i, c in enumerate(['A1', 'B1', 'C1', 'A2', 'B2', 'C2']):\n    ws[c] = i + 1\n"
                      "rule('A1:C2', 'between', ['2', '3'], 'FF00FF00')\n"
                      "ws.conditional_formatting.add('A1:C2', ColorScaleRule(start_type='min', start_color='FF000000',"
                      " mid_type='percentile', mid_value=50, mid_color='FF0000FF', end_type='max', end_color='FFFF0000'))\n")
        << true << QStringLiteral("A1") << 3
        << QStringList { QStringLiteral("000000 00ff00 00ff00"), QStringLiteral("3300cc 990066 ff0000") } << QString();
    QTest::newRow("a formula rule is named and left out")
        << QByteArray("for c in ['A1', 'B1', 'A2', 'B2']:\n    paint(c, rgb='FF112233')\n"
                      "ws.conditional_formatting.add('A1:B4', FormulaRule(formula=['A1>0'], fill=PatternFill(bgColor='FFFF0000')))\n")
        << true << QStringLiteral("A1") << 2 << QStringList { QStringLiteral("112233 112233"), QStringLiteral("112233 112233") }
        << QStringLiteral("A1:B4");
    // A rule whose style is not there paints nothing: the numbers are a grid of greys.
    QTest::newRow("a rule's style out of range")
        << QByteArray("for c in ['A1', 'B1', 'A2', 'B2']:\n    ws[c] = 7\n"
                      "rule('A1:B2', 'equal', ['7'], 'FF00FF00')\npatches[b'dxfId=\"0\"'] = b'dxfId=\"999\"'\n")
        << true << QString() << 2 << QStringList {} << QString();
    // A row's style wins over a column's where the cell has none of its own.
    QTest::newRow("row and column styles")
        << QByteArray("paint('A1', rgb='FFFF0000')\npaint('C3', rgb='FF0000FF')\n"
                      "ws.row_dimensions[2].fill = PatternFill('solid', fgColor='FF00FF00')\n"
                      "ws.column_dimensions['B'].fill = PatternFill('solid', fgColor='FFFFFF00')\n")
        << true << QStringLiteral("A1") << 3
        << QStringList { QStringLiteral("ff0000 ffff00 ffffff"), QStringLiteral("00ff00 00ff00 00ff00"),
                         QStringLiteral("ffffff ffff00 0000ff") } << QString();
    QTest::newRow("column styles alone, bounded by the used range")
        << QByteArray("ws.column_dimensions['B'].fill = PatternFill('solid', fgColor='FFFF0000')\n"
                      "ws.column_dimensions['C'].fill = PatternFill('solid', fgColor='FF0000FF')\n"
                      "patches[b'<dimension ref=\"A1:A1\"/>'] = b'<dimension ref=\"A1:D3\"/>'\n")
        << true << QStringLiteral("B1") << 2
        << QStringList { QStringLiteral("ff0000 0000ff"), QStringLiteral("ff0000 0000ff"), QStringLiteral("ff0000 0000ff") }
        << QString();
    QTest::newRow("a column style to the sheet's last column")
        << QByteArray("paint('B2', rgb='FF0000FF')\npaint('C3', rgb='FF0000FF')\n"
                      "ws.column_dimensions['A'].fill = PatternFill('solid', fgColor='FFFF0000')\n"
                      "patches[b'min=\"1\" max=\"1\"'] = b'min=\"1\" max=\"16384\"'\n")
        << true << QStringLiteral("B2") << 2 << QStringList { QStringLiteral("0000ff ff0000"), QStringLiteral("ff0000 0000ff") }
        << QString();
    QTest::newRow("a row style on the sheet's last row")
        << QByteArray("for c in ['B2', 'C2', 'B3', 'C3']:\n    paint(c, rgb='FF0000FF')\n"
                      "ws.row_dimensions[4].fill = PatternFill('solid', fgColor='FFFF0000')\n"
                      "patches[b'r=\"4\"'] = b'r=\"1048576\"'\n")
        << true << QStringLiteral("B2") << 2 << QStringList { QStringLiteral("0000ff 0000ff"), QStringLiteral("0000ff 0000ff") }
        << QString();
    // Letters typed into a template: the rules compare texts, as the spreadsheet does,
    // without regard to case; a text that joins others by a formula is no constant.
    QTest::newRow("typed letters coloured by text rules")
        << QByteArray("ws['A1'], ws['B1'], ws['A2'], ws['B2'], ws['C2'] = 'A', 'b', 'B', 'a', 'Say \"hi\"'\n"
                      "ws['C1'] = 'C'\n"
                      "rule('A1:C2', 'equal', ['\"A\"'], 'FFFF0000')\nrule('A1:C2', 'equal', ['\"B\"'], 'FF0000FF')\n"
                      "rule('A1:C2', 'equal', ['\"Say \"\"hi\"\"\"'], 'FF00FF00')\n"
                      "rule('A1:C2', 'notEqual', ['\"A\"&\"B\"'], 'FF000000')\n")
        << true << QStringLiteral("A1") << 3
        << QStringList { QStringLiteral("ff0000 0000ff ffffff"), QStringLiteral("0000ff ff0000 00ff00") }
        << QStringLiteral("A1:C2");
    QTest::newRow("a rule over the whole sheet")
        << QByteArray("for c in ['B2', 'C2', 'B3', 'C3']:\n    ws[c] = 7\n"
                      "rule('A1:B2', 'equal', ['7'], 'FF00FF00')\npatches[b'sqref=\"A1:B2\"'] = b'sqref=\"A1:XFD1048576\"'\n")
        << true << QStringLiteral("B2") << 2 << QStringList { QStringLiteral("00ff00 00ff00"), QStringLiteral("00ff00 00ff00") }
        << QString();
}

void TestPaintedCells::paintedSheet()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, loaded);
    QFETCH(QString, origin);
    QFETCH(int, width);
    QFETCH(QStringList, rows);
    QFETCH(QString, notice);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("painted.xlsx"));
    if (!writeWorkbook(path, body))
        QSKIP("python3 with openpyxl is not installed");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    PixelRecords records;
    const SheetInfo info = readSpreadsheet(file, records);
    QCOMPARE(info.status == Status::Done, loaded);
    if (!loaded) {
        QVERIFY(records.empty());
        return;
    }
    if (origin.isEmpty()) { // read as the grid of values it is
        QCOMPARE(info.grid, GridReading::Grey);
        return;
    }
    QCOMPARE(info.grid, GridReading::Painted);
    QVERIFY2(sheetNotice(info).contains(notice), qPrintable(sheetNotice(info)));
    QCOMPARE(columnLetters(info.gridOrigin.column) + QString::number(info.gridOrigin.row + 1), origin);
    QCOMPARE(info.width, width);
    QCOMPARE(info.height, int(rows.size()));
    QCOMPARE(info.worksheetName, QStringLiteral("Drawing"));
    QCOMPARE(records.size(), size_t(width) * size_t(rows.size()));
    QCOMPARE(drawnRows(records, rows.size()), rows);
}

// Worksheets as no program writes them but a hand or a fault may: cells given twice,
// styles whose palette comes last, a sheet cut short.
void TestPaintedCells::handWritten_data()
{
    QTest::addColumn<QByteArray>("sheet"); // the worksheet's elements
    QTest::addColumn<QStringList>("rows"); // the colours, row by row; none: no picture

    // Style 1 is red, 2 blue, 3 a sparse green pattern, 4 the workbook's own indexed colour 1.
    QTest::newRow("a cell given twice: a fill wins over none, the later fill over the earlier")
        << QByteArray("<sheetData><row r=\"1\"><c r=\"A1\" s=\"1\"/><c r=\"B1\" s=\"2\"/></row>"
                      "<row r=\"2\"><c r=\"A2\" s=\"1\"/><c r=\"B2\" s=\"0\"/><c r=\"B2\" s=\"1\"/>"
                      "<c r=\"A1\" s=\"2\"/><c r=\"B1\" s=\"0\"/></row></sheetData>")
        << QStringList { "0000ff 0000ff", "ff0000 ff0000" };
    QTest::newRow("a sparse pattern shows among painted cells only")
        << QByteArray("<sheetData><row r=\"1\"><c r=\"A1\" s=\"1\"/><c r=\"B1\" s=\"3\"/></row>"
                      "<row r=\"2\"><c r=\"A2\" s=\"1\"/><c r=\"B2\" s=\"1\"/><c r=\"D4\" s=\"3\"/></row></sheetData>")
        << QStringList { "ff0000 efffef", "ff0000 ff0000" };
    QTest::newRow("a rule colours the number a cell given twice holds last")
        << QByteArray("<sheetData><row r=\"1\"><c r=\"A1\" s=\"1\"><v>1</v></c><c r=\"B1\" s=\"1\"><v>2</v></c></row>"
                      "<row r=\"2\"><c r=\"A2\" s=\"1\"/><c r=\"B2\" s=\"1\"><v>1</v></c><c r=\"B2\" s=\"1\"><v>2</v></c>"
                      "</row></sheetData><conditionalFormatting sqref=\"A1:B2\"><cfRule type=\"cellIs\" dxfId=\"0\" "
                      "priority=\"1\" operator=\"equal\"><formula> 1 </formula></cfRule></conditionalFormatting>")
        << QStringList { "00ff00 ff0000", "ff0000 ff0000" };
    QTest::newRow("a palette after the fills; a row style under a cell without a fill")
        << QByteArray("<dimension ref=\"A1:B2\"/><sheetData><row r=\"1\"><c r=\"A1\" s=\"4\"/><c r=\"B1\" s=\"4\"/></row>"
                      "<row r=\"2\" s=\"1\" customFormat=\"1\"><c r=\"A2\" s=\"0\"/></row></sheetData>")
        << QStringList { "123456 123456", "ffffff ff0000" };
    // The workbook's shared texts are "a" and "Z".
    QTest::newRow("texts shared, typed in runs and computed compare with a rule's text")
        << QByteArray("<sheetData><row r=\"1\"><c r=\"A1\" s=\"1\" t=\"s\"><v>0</v></c>"
                      "<c r=\"B1\" s=\"1\" t=\"s\"><v>9</v></c><c r=\"C1\" s=\"1\" t=\"s\"><v>1</v></c></row>"
                      "<row r=\"2\"><c r=\"A2\" s=\"1\" t=\"inlineStr\"><is><r><t>A</t></r><rPh><t>x</t></rPh></is></c>"
                      "<c r=\"B2\" s=\"1\" t=\"inlineStr\"><is><r><t>A</t></r><r><t>x</t></r></is></c>"
                      "<c r=\"C2\" s=\"1\" t=\"str\"><f>\"A\"</f><v>a</v></c></row></sheetData>"
                      "<conditionalFormatting sqref=\"A1:C2\"><cfRule type=\"cellIs\" dxfId=\"0\" priority=\"1\" "
                      "operator=\"equal\"><formula>\"A\"</formula></cfRule></conditionalFormatting>")
        << QStringList { "00ff00 ff0000 ff0000", "00ff00 ff0000 00ff00" };
    QTest::newRow("a sheet cut short") << QByteArray("<sheetData><row r=\"1\"><c r=\"A1\" s=\"1\"/><c r=\"B1\" s=\"1\"/>")
                                       << QStringList {};
}

void TestPaintedCells::handWritten()
{
    QFETCH(QByteArray, sheet);
    QFETCH(QStringList, rows);
    const QByteArray styles
        = "<styleSheet><fills><fill><patternFill patternType=\"none\"/></fill><fill><patternFill patternType=\"gray125\"/></fill>"
          "<fill><patternFill patternType=\"solid\"><fgColor rgb=\"FFFF0000\"/></patternFill></fill>"
          "<fill><patternFill patternType=\"solid\"><fgColor rgb=\"FF0000FF\"/></patternFill></fill>"
          "<fill><patternFill patternType=\"gray0625\"><fgColor rgb=\"FF00FF00\"/></patternFill></fill>"
          "<fill><patternFill patternType=\"solid\"><fgColor indexed=\"1\"/></patternFill></fill></fills>"
          "<cellXfs><xf fillId=\"0\"/><xf fillId=\"2\"/><xf fillId=\"3\"/><xf fillId=\"4\"/><xf fillId=\"5\"/></cellXfs>"
          "<dxfs><dxf><fill><patternFill><bgColor rgb=\"FF00FF00\"/></patternFill></fill></dxf></dxfs>"
          "<colors><indexedColors><rgbColor rgb=\"FF000000\"/><rgbColor rgb=\"FF123456\"/></indexedColors></colors></styleSheet>";
    XlsxStyles read;
    QString why;
    QVERIFY2(readXlsxStyles(styles, {}, read, why), qPrintable(why));
    QBuffer worksheet;
    worksheet.setData("<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">" + sheet
                      + (rows.isEmpty() ? "" : "</worksheet>"));
    QVERIFY(worksheet.open(QIODevice::ReadOnly));
    PixelRecords records;
    SheetInfo info;
    const SharedTexts shared { "aZ", { 0, 1, 2 } };
    QCOMPARE(readPaintedCells(worksheet, read, records, info, &shared), !rows.isEmpty());
    QCOMPARE(records.size(), size_t(rows.size()) * size_t(rows.value(0).count(u' ') + 1));
    QCOMPARE(drawnRows(records, rows.size()), rows);
    if (rows.isEmpty())
        return;
    // Loaded as any sheet is: with its x and y, and drawn in RGB when the user asks for it.
    QVERIFY(info.columns.x >= 0 && info.columns.y >= 0);
    ColourModel model = ColourModel::Hsv;
    QVERIFY(drawingModel(info, ColourModel::Rgb, model).ok());
    QCOMPARE(model, ColourModel::Rgb);
}

QTEST_GUILESS_MAIN(TestPaintedCells)
#include "tst_paintedcells.moc"
