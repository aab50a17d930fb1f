// SPDX-License-Identifier: GPL-3.0-or-later
// A picture kept in three sheets, one per channel: written by openpyxl, and taken through
// Gnumeric's converter to .ods.

#include "testhelpers.h"

#include "convert/sheetnotice.h"
#include "workbook/channelsheets.h"
#include "workbook/workbookreader.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tess;

class TestChannelSheets : public QObject
{
    Q_OBJECT
private slots:
    void names_data();
    void names();
    void book_data();
    void book();
    void notesNamedForChannels();
};

namespace {

// Writes a workbook of the sheets the Python lines add with sheet(name, rows).
bool writeBook(const QString &path, const QByteArray &body)
{
    const QByteArray script = "import sys, openpyxl\nwb = openpyxl.Workbook()\nwb.remove(wb.active)\n"
                              "def sheet(name, rows):\n    ws = wb.create_sheet(name)\n"
                              "    for row in rows:\n        ws.append(row)\n"
                              + body + "\nwb.save(sys.argv[1])\n";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), { QStringLiteral("-c"), QString::fromUtf8(script), path });
    return python.waitForFinished(30000) && python.exitCode() == 0;
}

} // namespace

void TestChannelSheets::names_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("found"); // red, green, blue; empty for none

    QTest::newRow("letters") << QStringList { "B", "G", "R" } << QStringList { "R", "G", "B" };
    QTest::newRow("words in any case, a notes sheet beside")
        << QStringList { "Notes", "RED", "green", "Blue" } << QStringList { "RED", "green", "Blue" };
    QTest::newRow("German with and without accents")
        << QStringList { "Rot", "Grün", "Blau" } << QStringList { "Rot", "Grün", "Blau" };
    QTest::newRow("German spelt out") << QStringList { "rot", "Gruen", "blau" } << QStringList { "rot", "Gruen", "blau" };
    QTest::newRow("French") << QStringList { "Rouge", "Vert", "Bleu" } << QStringList { "Rouge", "Vert", "Bleu" };
    QTest::newRow("Spanish") << QStringList { "Rojo", "Verde", "Azul" } << QStringList { "Rojo", "Verde", "Azul" };
    QTest::newRow("one missing") << QStringList { "R", "G", "Sheet3" } << QStringList {};
    QTest::newRow("near names are not channels") << QStringList { "Reds", "Greenery", "Blues" } << QStringList {};
}

void TestChannelSheets::names()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, found);
    const auto sheets = channelSheets(names);
    QCOMPARE(sheets.has_value(), !found.isEmpty());
    if (sheets)
        QCOMPARE((QStringList { (*sheets)[0], (*sheets)[1], (*sheets)[2] }), found);
}

void TestChannelSheets::book_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("throughOds"); // taken through ssconvert to .ods
    QTest::addColumn<QString>("picture");  // or, for a refusal, its reason
    QTest::addColumn<QString>("notice");

    const QByteArray three = "sheet('R', [[255, 0], [10, 1]])\nsheet('G', [[0, 255], [20, 1]])\nsheet('B', [[0, 0], [30, 0]])\n";
    const QString picture = QStringLiteral("FF0000 00FF00 0A141E 010100");
    const QString notice = QStringLiteral(
        "read the grids A1:B2 of the sheets 'R', 'G' and 'B' as a 2 × 2 picture of red, green and blue values.");
    QTest::newRow("R, G, B; 0 and 1 are values, not ink") << three << false << picture << notice;
    QTest::newRow("the same through .ods") << three << true << picture << notice;
    QTest::newRow("labelled grids named in French, a notes sheet first")
        << QByteArray("sheet('Notes', [['a drawing']])\n"
                      "for name, v in (('Rouge', 200), ('Vert', 100), ('Bleu', 50)):\n"
                      "    sheet(name, [[None, 1, 2], [1, v, v], [2, v, 0]])\n")
        << false << QStringLiteral("C86432 C86432 C86432 000000")
        << QStringLiteral("read the grids B2:C3 of the sheets 'Rouge', 'Vert' and 'Bleu' as a 2 × 2 picture of red, green and blue values.");
    QTest::newRow("unequal sizes")
        << QByteArray("sheet('Red', [[1, 2], [3, 4]])\nsheet('Green', [[1, 2, 3], [4, 5, 6]])\nsheet('Blue', [[1, 2], [3, 4]])\n")
        << false
        << QStringLiteral("sheet 'Green': its grid of 3 × 2 cells differs from the grid of 'Red', 2 × 2 cells; "
                          "the three sheets must hold grids of one size") << QString();
    QTest::newRow("a bad cell, through .ods")
        << QByteArray("sheet('Rot', [[1, 2], [3, 4]])\nsheet('Grün', [[1, 2], [3, 4]])\nsheet('Blau', [[1, 2], [3, 'x']])\n")
        << true << QStringLiteral("sheet 'Blau': cell B2: 'x' is no whole number from 0 to 255") << QString();
    QTest::newRow("an empty cell")
        << QByteArray("sheet('R', [[1, 2], [3, 4]])\nsheet('G', [[1, None, 3], [4, 5, 6]])\nsheet('B', [[1, 2], [3, 4]])\n")
        << false << QStringLiteral("sheet 'G': cell B1 of the grid is empty") << QString();
    QTest::newRow("a code is no channel value")
        << QByteArray("sheet('R', [['#FF0000']])\nsheet('G', [[0]])\nsheet('B', [[0]])\n")
        << false << QStringLiteral("sheet 'R': cell A1: '#FF0000' is no whole number from 0 to 255") << QString();
}

void TestChannelSheets::book()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, throughOds);
    QFETCH(QString, picture);
    QFETCH(QString, notice);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("channels.xlsx"));
    if (!writeBook(path, body))
        QSKIP("python3 with openpyxl is not installed");
    if (throughOds) {
        if (QStandardPaths::findExecutable(QStringLiteral("ssconvert")).isEmpty())
            QSKIP("ssconvert is not installed (package gnumeric)");
        const QString ods = dir.filePath(QStringLiteral("channels.ods"));
        QProcess convert;
        convert.start(QStringLiteral("ssconvert"), { path, ods });
        QVERIFY(convert.waitForFinished(120000));
        QCOMPARE(convert.exitCode(), 0);
        path = ods;
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    PixelRecords out;
    const SheetInfo info = readSpreadsheet(file, out);
    if (notice.isEmpty()) {
        QCOMPARE(info.status, Status::SheetNotValid);
        QCOMPARE(info.detail, picture);
        QVERIFY(out.empty());
        return;
    }
    QCOMPARE(info.status, Status::Done);
    QCOMPARE(info.grid, GridReading::Channels);
    QCOMPARE(pixelCodes(out, info.width, info.height), picture);
    QCOMPARE(sheetNotice(info, {}), notice);
}

// Sheets of notes that happen to be named so do not hide the pixel list beside them.
void TestChannelSheets::notesNamedForChannels()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.xlsx"));
    if (!writeBook(path, "for name in ('R', 'G', 'B'):\n    sheet(name, [['what the channel means']])\n"
                         "sheet('Picture', [['x', 'y', 'r'], [1, 0, 7]])\n"))
        QSKIP("python3 with openpyxl is not installed");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    PixelRecords out;
    const SheetInfo info = readSpreadsheet(file, out);
    QCOMPARE(info.status, Status::Done);
    QCOMPARE(info.grid, GridReading::None);
    QCOMPARE(info.sheetName, QStringLiteral("Picture"));
}

QTEST_GUILESS_MAIN(TestChannelSheets)
#include "tst_channelsheets.moc"
