// SPDX-License-Identifier: GPL-3.0-or-later
// .ods tables drawn by painting cells: written as Calc writes them (automatic styles, the
// column's most common fill moved to its default style, padding repeated to the sheet's end),
// hostile ones, and the real partners: Calc paints cells through its scripting bridge and
// stores them as .ods and .xlsx; Gnumeric's converter turns a painted .xlsx into .ods.

#include "model/sheetshape.h"
#include "workbook/workbookreader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tess;

class TestOdsPainted : public QObject
{
    Q_OBJECT
private slots:
    void handWritten_data();
    void handWritten();
    void calcPainted_data();
    void calcPainted();
    void gnumericConverted();
};

namespace {

const QByteArray Namespaces =
        " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
        " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
        " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
        " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
        " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
        " xmlns:calcext=\"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0\"";

// An .ods of the styles (named ones in styles.xml, automatic ones in content.xml) and the table's rows.
bool writeOds(const QString &path, const QByteArray &named, const QByteArray &automatic, const QByteArray &table)
{
    const QByteArray styles = "<office:document-styles" + Namespaces + "><office:styles>" + named
            + "</office:styles></office:document-styles>";
    const QByteArray content = "<office:document-content" + Namespaces + "><office:automatic-styles>" + automatic
            + "</office:automatic-styles><office:body><office:spreadsheet><table:table table:name=\"Drawing\">"
            + table + "</table:table></office:spreadsheet></office:body></office:document-content>";
    const QByteArray script = "import sys, zipfile\n"
                              "z = zipfile.ZipFile(sys.argv[1], 'w')\n"
                              "z.writestr('mimetype', 'application/vnd.oasis.opendocument.spreadsheet')\n"
                              "z.writestr('styles.xml', sys.argv[2])\nz.writestr('content.xml', sys.argv[3])\n"
                              "z.writestr('META-INF/manifest.xml', '<manifest:manifest xmlns:manifest="
                              "\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\"/>')\nz.close()\n";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), { QStringLiteral("-c"), QString::fromUtf8(script), path,
                                                       QString::fromUtf8(styles), QString::fromUtf8(content) });
    return python.waitForFinished(30000) && python.exitCode() == 0;
}

QByteArray cellStyle(const QByteArray &name, const QByteArray &parent, const QByteArray &background)
{
    return "<style:style style:name=\"" + name + "\" style:family=\"table-cell\""
            + (parent.isEmpty() ? QByteArray() : " style:parent-style-name=\"" + parent + '"') + '>'
            + (background.isEmpty() ? QByteArray() : "<style:table-cell-properties fo:background-color=\"" + background + "\"/>")
            + "</style:style>";
}

// The picture read, row by row, as RRGGBB separated by spaces; empty when none was read.
QStringList drawn(const QString &path, SheetInfo &info)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    PixelRecords records;
    info = readSpreadsheet(file, records);
    if (info.status != Status::Done)
        return {};
    QStringList rows(info.height);
    for (const PixelRecord &record : records) {
        QString &row = rows[record.y];
        row.resize(std::max<qsizetype>(row.size(), (record.x + 1) * 7 - 1), u' ');
        row.replace(record.x * 7, 6, QString::asprintf("%02x%02x%02x", record.r, record.g, record.b));
    }
    return rows;
}

QString unoPython()
{
    QProcess probe;
    probe.start(QStringLiteral("/usr/bin/python3"), { QStringLiteral("-c"), QStringLiteral("import uno") });
    return probe.waitForFinished(30000) && probe.exitCode() == 0 ? QStringLiteral("/usr/bin/python3") : QString();
}

} // namespace

void TestOdsPainted::handWritten_data()
{
    QTest::addColumn<QByteArray>("named");
    QTest::addColumn<QByteArray>("automatic");
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QStringList>("rows"); // empty: no picture
    QTest::addColumn<QStringList>("unread"); // the cells whose conditional formats were not read

    const QByteArray automatic = cellStyle("ce1", "Default", "#82c9b0") + cellStyle("ce2", "Default", "#ff0000")
            + cellStyle("ce3", "Default", "transparent");
    // Column B's most common fill is its default; its cells come without a style.
    QTest::newRow("column default, row repeat, padding to the end")
        << cellStyle("Default", {}, {}) << automatic
        << QByteArray("<table:table-column table:default-cell-style-name=\"Default\"/>"
                      "<table:table-column table:default-cell-style-name=\"ce1\"/>"
                      "<table:table-column table:number-columns-repeated=\"1022\" table:default-cell-style-name=\"Default\"/>"
                      "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell table:style-name=\"ce2\"/>"
                      "<table:table-cell/><table:table-cell table:number-columns-repeated=\"1022\"/></table:table-row>"
                      "<table:table-row><table:table-cell table:style-name=\"ce3\"/><table:table-cell table:number-columns-repeated=\"1023\"/></table:table-row>"
                      "<table:table-row table:number-rows-repeated=\"1048573\"><table:table-cell table:number-columns-repeated=\"1024\"/></table:table-row>")
        << QStringList { "ff0000 82c9b0", "ff0000 82c9b0", "ffffff 82c9b0" } << QStringList {};
    // A whole-row fill repeated to the sheet's end is cut where the other painted cells end.
    QTest::newRow("named parent chain; fills repeated to the end, one both ways as the background")
        << cellStyle("Base", {}, "#0000ff") + cellStyle("Middle", "Base", {}) << cellStyle("ce9", "Middle", {}) + automatic
        << QByteArray("<table:table-row table:number-rows-repeated=\"2\"><table:table-cell table:style-name=\"ce9\"/>"
                      "<table:table-cell table:style-name=\"ce2\" table:number-columns-repeated=\"2\"/></table:table-row>"
                      "<table:table-row><table:table-cell table:style-name=\"ce2\" table:number-columns-repeated=\"16384\"/></table:table-row>"
                      "<table:table-row table:number-rows-repeated=\"1048573\"><table:table-cell table:style-name=\"ce1\" "
                      "table:number-columns-repeated=\"16384\"/></table:table-row>")
        << QStringList { "0000ff ff0000 ff0000", "0000ff ff0000 ff0000", "ff0000 ff0000 ff0000" } << QStringList {};
    QTest::newRow("a style cycle and a style pointing nowhere paint nothing")
        << cellStyle("Loop1", "Loop2", {}) + cellStyle("Loop2", "Loop1", {}) << cellStyle("ce9", "Loop1", {}) + automatic
        << QByteArray("<table:table-row><table:table-cell table:style-name=\"ce2\"/><table:table-cell table:style-name=\"ce9\"/></table:table-row>"
                      "<table:table-row><table:table-cell table:style-name=\"nowhere\"/><table:table-cell table:style-name=\"ce2\"/></table:table-row>")
        << QStringList { "ff0000 ffffff", "ffffff ff0000" } << QStringList {};
    QTest::newRow("a budget with a painted header is no picture")
        << QByteArray() << automatic
        << QByteArray("<table:table-row><table:table-cell table:style-name=\"ce2\" table:number-columns-repeated=\"3\" "
                      "office:value-type=\"string\"><text:p>Month</text:p></table:table-cell></table:table-row>"
                      "<table:table-row table:number-rows-repeated=\"4\"><table:table-cell office:value-type=\"float\" "
                      "office:value=\"12\" table:number-columns-repeated=\"3\"><text:p>12</text:p></table:table-cell></table:table-row>")
        << QStringList {} << QStringList {};
    QTest::newRow("a painted repeat of a million rows alone is no picture")
        << QByteArray() << automatic
        << QByteArray("<table:table-row table:number-rows-repeated=\"1048576\"><table:table-cell table:style-name=\"ce2\" "
                      "table:number-columns-repeated=\"2\"/></table:table-row>")
        << QStringList {} << QStringList {};
    // The rule on numbers colours 2 (between) over the cell's own fill; a formula rule is told.
    QTest::newRow("conditional formats: one on numbers read, a formula not")
        << QByteArray() << automatic
        << QByteArray("<table:table-row table:number-rows-repeated=\"2\"><table:table-cell table:style-name=\"ce1\"/>"
                      "<table:table-cell office:value-type=\"float\" office:value=\"2\" table:style-name=\"ce1\"/></table:table-row>"
                      "<calcext:conditional-formats><calcext:conditional-format calcext:target-range-address=\"Drawing.B2:Drawing.$B$9\">"
                      "<calcext:condition calcext:apply-style-name=\"ce2\" calcext:value=\"between(3,1)\"/></calcext:conditional-format>"
                      "<calcext:conditional-format calcext:target-range-address=\"Drawing.A1:Drawing.A2 Drawing.C5\">"
                      "<calcext:condition calcext:apply-style-name=\"ce2\" calcext:value=\"formula-is(A1&gt;0)\"/>"
                      "</calcext:conditional-format></calcext:conditional-formats>")
        << QStringList { "82c9b0 82c9b0", "82c9b0 ff0000" } << QStringList { "A1:A2, C5" };
    const auto numbers = [](std::initializer_list<std::initializer_list<int>> rows) {
        QByteArray text;
        for (const auto &row : rows) {
            text += "<table:table-row>";
            for (const int v : row)
                text += "<table:table-cell office:value-type=\"float\" office:value=\"" + QByteArray::number(v) + "\"/>";
            text += "</table:table-row>";
        }
        return text;
    };
    const auto scale = [](const QByteArray &range, const QByteArray &entries) {
        return "<calcext:conditional-formats><calcext:conditional-format calcext:target-range-address=\"" + range
               + "\"><calcext:color-scale>" + entries + "</calcext:color-scale></calcext:conditional-format></calcext:conditional-formats>";
    };
    const auto entry = [](const QByteArray &type, const QByteArray &value, const QByteArray &colour) {
        return "<calcext:color-scale-entry calcext:value=\"" + value + "\" calcext:type=\"" + type + "\" calcext:color=\""
               + colour + "\"/>";
    };
    // From the lowest value through the median (3.5) to the highest, as in an .xlsx.
    QTest::newRow("a three-colour scale")
        << QByteArray() << automatic
        << numbers({ { 1, 2, 3 }, { 4, 5, 6 } })
                + scale("Drawing.A1:Drawing.C2", entry("minimum", "0", "#000000") + entry("percentile", "50", "#0000ff")
                                                     + entry("maximum", "0", "#ff0000"))
        << QStringList { "000000 000066 0000cc", "3300cc 990066 ff0000" } << QStringList {};
    QTest::newRow("a two-colour scale between numbers; outside it the ends")
        << QByteArray() << automatic
        << numbers({ { 0, 10 }, { 5, 40 } }) + scale("Drawing.A1:Drawing.B2", entry("number", "0", "#000000") + entry("number", "20", "#ffffff"))
        << QStringList { "000000 808080", "404040 ffffff" } << QStringList {};
    QTest::newRow("a scale of percents")
        << QByteArray() << automatic
        << numbers({ { 0, 100 }, { 50, 25 } }) + scale("Drawing.A1:Drawing.B2", entry("percent", "0", "#ff0000") + entry("percent", "100", "#0000ff"))
        << QStringList { "ff0000 0000ff", "800080 bf0040" } << QStringList {};
    const auto letter = [](const QByteArray &text, const QByteArray &repeat = "1") {
        return "<table:table-cell office:value-type=\"string\" table:number-columns-repeated=\"" + repeat + "\"><text:p>" + text
               + "</text:p></table:table-cell>";
    };
    // Typed letters compared as texts, without regard to case, as Calc does.
    QTest::newRow("letters coloured by text conditions")
        << QByteArray() << automatic
        << "<table:table-row>" + letter("A") + letter("b", "2") + "</table:table-row><table:table-row>" + letter("a") + letter("B")
               + letter("C") + "</table:table-row>"
               "<calcext:conditional-formats><calcext:conditional-format calcext:target-range-address=\"Drawing.A1:Drawing.C2\">"
               "<calcext:condition calcext:apply-style-name=\"ce2\" calcext:value=\"=&quot;A&quot;\"/>"
               "<calcext:condition calcext:apply-style-name=\"ce1\" calcext:value=\"cell-content()=&quot;B&quot;\"/>"
               "</calcext:conditional-format></calcext:conditional-formats>"
        << QStringList { "ff0000 82c9b0 82c9b0", "ff0000 82c9b0 ffffff" } << QStringList {};
    QTest::newRow("a scale of a kind not read is told")
        << QByteArray() << automatic
        << QByteArray("<table:table-row table:number-rows-repeated=\"2\"><table:table-cell table:style-name=\"ce2\" "
                      "table:number-columns-repeated=\"2\" office:value-type=\"float\" office:value=\"3\"/></table:table-row>")
                + scale("Drawing.A1:Drawing.B2", entry("formula", "A1*2", "#000000") + entry("maximum", "0", "#ffffff"))
        << QStringList { "ff0000 ff0000", "ff0000 ff0000" } << QStringList { "A1:B2" };
}

void TestOdsPainted::handWritten()
{
    QFETCH(QByteArray, named);
    QFETCH(QByteArray, automatic);
    QFETCH(QByteArray, table);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, unread);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("painted.ods"));
    QVERIFY(writeOds(path, named, automatic, table));
    SheetInfo info;
    QElapsedTimer clock;
    clock.start();
    const QStringList picture = drawn(path, info);
    QVERIFY2(clock.elapsed() < 10000, "a hostile table took more than 10 s");
    QCOMPARE(picture, rows);
    if (!rows.isEmpty()) {
        QCOMPARE(info.grid, GridReading::Painted);
        QCOMPARE(info.worksheetName, QStringLiteral("Drawing"));
        QCOMPARE(info.unreadRules, unread);
        // Loaded as any sheet is: with its x and y, its colours red, green and blue.
        QVERIFY(info.columns.x >= 0 && info.columns.y >= 0);
        QVERIFY(info.hasRgb);
    }
}

void TestOdsPainted::calcPainted_data()
{
    QTest::addColumn<QStringList>("arguments"); // for calc_painted.py
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("expected");

    // Colours of the standard palette, which the .xlsx keeps too; column B is mostly one
    // colour, which Calc moves to the column's default style.
    QTest::newRow("painted")
        << QStringList { "paint", "ff0000,00ff00,0000ff,-", "ffff00,00ff00,-,000000", "800000,00ff00,ff00ff,000000" }
        << QStringList { "painted.ods", "painted.xlsx" }
        << QStringList { "ff0000 00ff00 0000ff ffffff", "ffff00 00ff00 ffffff 000000", "800000 00ff00 ff00ff 000000" };
    const QStringList palette { "000000", "ffffff", "ff0000", "00ff00", "0000ff", "ffff00", "ff00ff", "00ffff", "82c9b0", "123456" };
    QStringList expected;
    for (const QString &row : { QStringLiteral("0,1,2,3,4"), QStringLiteral("5,6,7,8,9"), QStringLiteral("9,9,3,3,0") }) {
        QStringList colours;
        for (const QString &code : row.split(u','))
            colours << palette[code.toInt()];
        expected << colours.join(u' ');
    }
    QTest::newRow("typed codes coloured by conditional formatting")
        << QStringList { "codes", palette.join(u','), "0,1,2,3,4", "5,6,7,8,9", "9,9,3,3,0" }
        << QStringList { "painted.ods", "painted.xlsx" } << expected;
    QTest::newRow("typed letters coloured by conditional formatting")
        << QStringList { "letters", palette.join(u','), "0,1,2,3,4", "5,6,7,8,9", "9,9,3,3,0" }
        << QStringList { "painted.ods", "painted.xlsx" } << expected;
}

void TestOdsPainted::calcPainted()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, files);
    QFETCH(QStringList, expected);
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        QSKIP("soffice is not installed (package libreoffice-calc-nogui)");
    const QString python = unoPython();
    if (python.isEmpty())
        QSKIP("no python3 with the uno module (package python3-uno)");
    QTemporaryDir dir;
    QProcess calc;
    calc.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    calc.start(python, QStringList { QStringLiteral(TESSARINE_CALC_PAINTED_SCRIPT), dir.path(),
                                     dir.filePath(QStringLiteral("profile")) } + arguments);
    QVERIFY(calc.waitForFinished(240000));
    QCOMPARE(calc.exitCode(), 0);
    for (const QString &name : files) {
        SheetInfo info;
        QCOMPARE(drawn(dir.filePath(name), info), expected);
        QCOMPARE(info.grid, GridReading::Painted);
    }
}

void TestOdsPainted::gnumericConverted()
{
    if (QStandardPaths::findExecutable(QStringLiteral("ssconvert")).isEmpty())
        QSKIP("ssconvert is not installed (package gnumeric)");
    QTemporaryDir dir;
    const QString xlsx = dir.filePath(QStringLiteral("painted.xlsx"));
    const QString ods = dir.filePath(QStringLiteral("painted.ods"));
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 { QStringLiteral("-c"),
                   QStringLiteral("import sys, openpyxl\nfrom openpyxl.styles import PatternFill\n"
                                  "wb = openpyxl.Workbook()\nws = wb.active\n"
                                  "for i, c in enumerate(['B2', 'C2', 'D2', 'B3', 'D3', 'B4', 'C4']):\n"
                                  "    ws[c].fill = PatternFill('solid', fgColor='FF%02X%02X%02X' % (i * 30, 200 - i * 20, 77))\n"
                                  "wb.save(sys.argv[1])\n"),
                   xlsx });
    if (!python.waitForFinished(30000) || python.exitCode() != 0)
        QSKIP("python3 with openpyxl is not installed");
    QProcess convert;
    convert.start(QStringLiteral("ssconvert"), { xlsx, ods });
    QVERIFY(convert.waitForFinished(120000));
    QCOMPARE(convert.exitCode(), 0);
    SheetInfo fromXlsx;
    SheetInfo fromOds;
    const QStringList picture = drawn(xlsx, fromXlsx);
    QCOMPARE(picture.size(), 3);
    QCOMPARE(drawn(ods, fromOds), picture);
    QCOMPARE(gridCellName(fromOds.gridOrigin, 0, 0), gridCellName(fromXlsx.gridOrigin, 0, 0));
}

QTEST_GUILESS_MAIN(TestOdsPainted)
#include "tst_odspainted.moc"
