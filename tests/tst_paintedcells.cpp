// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheets drawn by painting cells, written by openpyxl as a spreadsheet program saves them.

#include "workbook/workbookreader.h"

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
};

namespace {

// Writes the workbook the Python lines build on the sheet "ws" of the workbook "wb".
bool writeWorkbook(const QString &path, const QByteArray &body)
{
    const QByteArray script = "import openpyxl\n"
                              "from openpyxl.styles import PatternFill, Color\n"
                              "wb = openpyxl.Workbook()\nws = wb.active\nws.title = 'Drawing'\n"
                              "def paint(cell, **colour):\n"
                              "    ws[cell].fill = PatternFill('solid', fgColor=Color(**colour))\n"
                              + body + "\nwb.save(" + '"' + path.toUtf8() + '"' + ")\n";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), { QStringLiteral("-c"), QString::fromUtf8(script) });
    return python.waitForFinished(30000) && python.exitCode() == 0;
}

} // namespace

void TestPaintedCells::paintedSheet_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("origin"); // the cell of pixel 0, 0
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("rows"); // the colours, row by row

    QTest::newRow("rgb, theme with tint, indexed; a hole is white")
        << QByteArray("paint('B2', rgb='FFFF0000')\npaint('C2', theme=9, tint=-0.25)\npaint('D2', indexed=5)\n"
                      "paint('B3', rgb='FF00FF00')\npaint('D3', rgb='FF0000FF')\nws['F9'] = 'note'\n")
        << true << QStringLiteral("B2") << 3
        << QStringList { QStringLiteral("ff0000 e46c0a ffff00"), QStringLiteral("00ff00 ffffff 0000ff") };
    // A table with a coloured header row holds more numbers than painted cells: no picture.
    QTest::newRow("budget with a painted header")
        << QByteArray("for c in 'ABC':\n    paint(c + '1', rgb='FFFFC000')\n    paint(c + '2', rgb='FFFFC000')\n"
                      "    for r in range(3, 9):\n        ws[c + str(r)] = r * 10\n")
        << false << QString() << 0 << QStringList {};
    QTest::newRow("a single painted row") << QByteArray("paint('A1', rgb='FF000000')\npaint('B1', rgb='FF000000')\n")
                                          << false << QString() << 0 << QStringList {};
}

void TestPaintedCells::paintedSheet()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, loaded);
    QFETCH(QString, origin);
    QFETCH(int, width);
    QFETCH(QStringList, rows);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("painted.xlsx"));
    if (!writeWorkbook(path, body))
        QSKIP("python3 with openpyxl is not installed");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    PixelRecords records;
    const SheetInfo info = readSpreadsheet(file, records);
    QCOMPARE(info.status == SheetStatus::Loaded, loaded);
    if (!loaded) {
        QVERIFY(records.empty());
        return;
    }
    QCOMPARE(info.grid, GridReading::Painted);
    QCOMPARE(columnLetters(info.gridOrigin.column) + QString::number(info.gridOrigin.row + 1), origin);
    QCOMPARE(info.width, width);
    QCOMPARE(info.height, int(rows.size()));
    QCOMPARE(info.worksheetName, QStringLiteral("Drawing"));
    QCOMPARE(records.size(), size_t(width) * size_t(rows.size()));
    QStringList drawn(rows.size());
    for (const PixelRecord &record : records)
        drawn[record.y] += QString::asprintf("%02x%02x%02x ", record.r, record.g, record.b);
    for (QString &row : drawn)
        row.chop(1);
    QCOMPARE(drawn, rows);
}

QTEST_GUILESS_MAIN(TestPaintedCells)
#include "tst_paintedcells.moc"
