// SPDX-License-Identifier: GPL-3.0-or-later
#include "testhelpers.h"

#include "convert/sheetnotice.h"
#include "csv/sheetreader.h"

#include <QBuffer>
#include <QTest>

using namespace tess;

namespace {

SheetInfo readText(const QByteArray &text, PixelRecords &out, const SheetOptions &options = {})
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return readSheet(buffer, out, {}, options);
}

} // namespace

class TestGridReader : public QObject
{
    Q_OBJECT

private slots:
    void grid_data();
    void grid();
    void refusal_data();
    void refusal();
};

void TestGridReader::grid_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("onesWhite");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("notice");

    QTest::newRow("grey") << QByteArray("0,128\r\n255,7\r\n") << false << "000000 808080 FFFFFF 070707"
                          << "read the grid A1:B2 of the sheet as a 2 × 2 picture of grey values.";
    QTest::newRow("ink, 1 is black") << QByteArray("1,0\n0,1\n") << false << "000000 FFFFFF FFFFFF 000000"
                                     << "read the grid A1:B2 of the sheet as a 2 × 2 picture in black and white, 1 = black.";
    QTest::newRow("ones as white") << QByteArray("1,0\n") << true << "FFFFFF 000000"
                                   << "read the grid A1:B1 of the sheet as a 2 × 1 picture in black and white, 1 = white.";
    QTest::newRow("codes") << QByteArray("#FF0000;00ff00\nrgb(0, 0, 255);123456\n") << false << "FF0000 00FF00 0000FF 123456"
                           << "read the grid A1:B2 of the sheet as a 2 × 2 picture of colour codes.";
    QTest::newRow("labels from 1, empty corner") << QByteArray(",1,2\n1,10,20\n2,30,40\n") << false
                                                  << "0A0A0A 141414 1E1E1E 282828"
                                                  << "read the grid B2:C3 of the sheet as a 2 × 2 picture of grey values.";
    QTest::newRow("labels from 0") << QByteArray(",0,1\n0,9,8\n") << false << "090909 080808"
                                                      << "read the grid B2:C2 of the sheet as a 2 × 1 picture of grey values.";
    QTest::newRow("a ramp is pixels, not labels") << QByteArray("0,1,2\n3,4,5\n") << false
                                                   << "000000 010101 020202 030303 040404 050505"
                                                   << "read the grid A1:C2 of the sheet as a 3 × 2 picture of grey values.";
    QTest::newRow("a title and empty rows above, a column to the left") << QByteArray("Letter A\n\n,5,6\n") << false
                                                                         << "050505 060606"
                                                                         << "read the grid B3:C3 of the sheet as a 2 × 1 picture of grey values.";
}

void TestGridReader::grid()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, onesWhite);
    QFETCH(QString, picture);
    QFETCH(QString, notice);

    PixelRecords out;
    SheetOptions options;
    options.onesWhite = onesWhite;
    const SheetInfo info = readText(text, out, options);
    QCOMPARE(info.status, Status::Done);
    QCOMPARE(pixelCodes(out, info.width, info.height), picture);
    QCOMPARE(sheetNotice(info, {}), notice);
}

void TestGridReader::refusal_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("detail");

    QTest::newRow("an empty cell inside") << QByteArray("1,2,3\n4,,6\n") << "cell B2 of the grid is empty";
    QTest::newRow("a short row") << QByteArray("1,2,3\n4,5\n") << "cell C2 of the grid is empty";
    QTest::newRow("text among the numbers") << QByteArray("1,2\n3,total\n") << "cell B2: 'total' is no whole number from 0 to 255";
    QTest::newRow("a note beside the grid") << QByteArray("1,2\n3,4,note\n") << "cell C2: 'note' lies outside the grid";
    QTest::newRow("a row below the grid") << QByteArray("1,2\n3,4\n\n5\n") << "cell A4: '5' lies outside the grid";
    QTest::newRow("a code among codes") << QByteArray("#FF0000,#GG0000\n") << "cell B1: '#GG0000' is no colour code (#RRGGBB, RRGGBB or rgb(r, g, b))";
    QTest::newRow("a row label out of order") << QByteArray(",1,2\n1,5,5\n3,5,5\n") << "cell A3: '3' should be the row label 2";
    QTest::newRow("figures of a budget") << QByteArray("2024,800,1200\n2025,850,1300\n") << "cell A1: '2024' is no whole number from 0 to 255";
    QTest::newRow("fractions") << QByteArray("10,12.5\n") << "cell B1: '12.5' is no whole number from 0 to 255";
    QTest::newRow("wider than a worksheet") << QByteArray("0,").repeated(16384) + "0\n"
                                            << "a grid of 16,385 × 1 cells is larger than 16,384 columns or 16,777,216 cells";
    QTest::newRow("a budget table with text labels")
        << QByteArray("Item,Jan,Feb\nRent,800,800\nFood,300.5,280\n")
        << "the header has no columns named x and y; it has Item, Jan, Feb; none of its 3 non-empty lines names x and y";
}

void TestGridReader::refusal()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, detail);

    PixelRecords out;
    const SheetInfo info = readText(text, out);
    QCOMPARE(info.status, Status::SheetNotValid);
    QCOMPARE(info.detail, detail + " (looked for a pixel list with x and y, a picture-shaped sheet and a grid of values)");
    QVERIFY(out.empty());
}

QTEST_GUILESS_MAIN(TestGridReader)
#include "tst_gridreader.moc"
