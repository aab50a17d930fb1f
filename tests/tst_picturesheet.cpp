// SPDX-License-Identifier: GPL-3.0-or-later
// The picture-shaped sheet: written as .xlsx and .ods in RGB and grey, read back exactly,
// recognised in CSV text as spreadsheet programs export it, and refused with the row named
// when a channel row is missing or out of place.

#include "testhelpers.h"
#include "convert/operations.h"
#include "convert/picturesheet.h"
#include "convert/sheetnotice.h"
#include "text/statuswords.h"
#include "workbook/picturewriter.h"
#include "image/imageconvert.h"

#include <QTemporaryDir>
#include <QTest>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

using namespace tess;

Q_DECLARE_METATYPE(tess::SheetShape)

namespace {

// The records a pixel sheet of the picture gives when read back: x, y and the three values.
PixelRecords expectedRecords(const QImage &image, SheetShape shape)
{
    PixelRecords scanned;
    scanImage(image, scanned);
    for (PixelRecord &p : scanned) {
        if (shape == SheetShape::Grey)
            p.r = p.g = p.b = qGray(p.r, p.g, p.b);
        p.a = p.h = p.s = p.v = 0;
    }
    return scanned;
}

QByteArray entry(const QString &path, const QString &name)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip) || !zip.setCurrentFile(name))
        return "<missing>";
    QuaZipFile file(&zip);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestPictureSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // Written, then read: the picture's numbers, exactly, in the pixel sheet's order.
    void roundTrip_data()
    {
        QTest::addColumn<SheetShape>("shape");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QSize>("size");
        for (const SheetShape shape : { SheetShape::Picture, SheetShape::Grey }) {
            for (const char *suffix : { "xlsx", "ods" }) {
                const QByteArray name = QByteArray(shape == SheetShape::Grey ? "grey " : "rgb ") + suffix;
                QTest::newRow(name + " 1x1") << shape << QString::fromLatin1(suffix) << QSize(1, 1);
                QTest::newRow(name + " 40x7") << shape << QString::fromLatin1(suffix) << QSize(40, 7);
                QTest::newRow(name + " 3x30, columns past Z") << shape << QString::fromLatin1(suffix) << QSize(30, 3);
            }
        }
    }

    void roundTrip()
    {
        QFETCH(SheetShape, shape);
        QFETCH(QString, suffix);
        QFETCH(QSize, size);
        const QImage image = patternImage(size.width(), size.height());
        PixelRecords records;
        scanImage(image, records);
        const QString path = m_dir.filePath(QStringLiteral("round.") + suffix);
        QVERIFY(savePictureSheetFile(path, records, size.width(), size.height(), shape).ok());

        PixelRecords read;
        const SheetInfo info = loadSheetInfo(path, read);
        QVERIFY2(info.status == Status::Done, qPrintable(info.detail));
        QCOMPARE(info.shape, shape);
        QCOMPARE(QSize(info.width, info.height), size);
        QCOMPARE(info.worksheetName, QStringLiteral("Picture")); // for the viewer's readout
        QVERIFY(read == expectedRecords(image, shape));
        const QString notice = sheetNotice(info);
        QVERIFY2(notice.startsWith(QStringLiteral("read as a picture-shaped %1sheet of %2 × %3")
                                           .arg(shape == SheetShape::Grey ? "grey " : "")
                                           .arg(size.width())
                                           .arg(size.height())),
                 qPrintable(notice));
        QImage drawn;
        QVERIFY(drawImage(read, info.width, info.height, ColourModel::Rgb, drawn).ok());
        if (shape == SheetShape::Picture)
            QCOMPARE(drawn.convertToFormat(QImage::Format_RGB32), image);
    }

    // The .xlsx carries labels, number cells, one fixed colour scale per channel over all
    // of its rows, the pinned font, frozen labels and square pixels.
    void xlsxParts()
    {
        const QImage image = patternImage(4, 2);
        PixelRecords records;
        scanImage(image, records);
        const QString path = m_dir.filePath(QStringLiteral("parts.xlsx"));
        QVERIFY(savePictureSheetFile(path, records, 4, 2, SheetShape::Picture).ok());
        const QByteArray sheet = entry(path, QStringLiteral("xl/worksheets/sheet1.xml"));
        QVERIFY(sheet.contains(R"(<c r="A1" t="inlineStr"><is><t>y</t></is></c><c r="B1" t="inlineStr"><is><t>colour</t>)"));
        QVERIFY(sheet.contains(R"(<c r="F1"><v>3</v></c>)"));
        QVERIFY(sheet.contains(R"(<c r="B3" t="inlineStr"><is><t>g</t>)"));
        QVERIFY(sheet.contains(QByteArray(R"(<c r="C7"><v>)") + QByteArray::number(qBlue(image.pixel(0, 1))) + "</v>"));
        QCOMPARE(sheet.count("type=\"colorScale\""), 3);
        QVERIFY(sheet.contains(R"(<conditionalFormatting sqref="C2:F2 C5:F5">)"));
        QVERIFY(sheet.contains(R"(<conditionalFormatting sqref="C4:F4 C7:F7">)"));
        QCOMPARE(sheet.count(R"(<cfvo type="num" val="0"/><cfvo type="num" val="255"/>)"), 3);
        QVERIFY(sheet.contains(R"(<color rgb="FF000000"/><color rgb="FF00FF00"/>)"));
        QVERIFY(!sheet.contains("type=\"min\"") && !sheet.contains("type=\"max\""));
        QVERIFY(sheet.contains(R"(<pane xSplit="2" ySplit="1" topLeftCell="C2" activePane="bottomRight" state="frozen"/>)"));
        // 12 pixels with Calibri's 7-pixel digits; three rows of 3 points: 9 points, 12 pixels.
        QVERIFY(sheet.contains(R"(<col min="3" max="6" width="1.64453125" customWidth="1"/>)"));
        QVERIFY(sheet.contains(R"(<row r="2" ht="3" customHeight="1">)"));
        QVERIFY(entry(path, QStringLiteral("xl/styles.xml")).contains(R"(<name val="Calibri"/>)"));
        QVERIFY(entry(path, QStringLiteral("xl/workbook.xml")).contains(R"(<sheet name="Picture")"));
    }

    void odsParts()
    {
        PixelRecords records;
        scanImage(patternImage(3, 2), records);
        const QString path = m_dir.filePath(QStringLiteral("parts.ods"));
        QVERIFY(savePictureSheetFile(path, records, 3, 2, SheetShape::Grey).ok());
        QCOMPARE(entry(path, QStringLiteral("mimetype")), QByteArray("application/vnd.oasis.opendocument.spreadsheet"));
        const QByteArray content = entry(path, QStringLiteral("content.xml"));
        QVERIFY(content.contains(R"(style:column-width="3.175mm")"));
        QVERIFY(content.contains(R"(style:row-height="9pt")"));
        QCOMPARE(content.count("<calcext:conditional-format "), 1);
        QVERIFY(content.contains(R"(calcext:target-range-address="Picture.B2:Picture.D2 Picture.B3:Picture.D3")"));
        QVERIFY(content.contains(R"(calcext:value="255" calcext:type="number" calcext:color="#ffffff")"));
    }

    // Reduced to a long edge of 256 (or the side asked for), as the one-million rule
    // reduces: the sheet read back is that picture, exactly.
    void reduction_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("maxSide");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("384x256 wide") << QSize(384, 256) << 256 << QSize(256, 171);
        QTest::newRow("100x300 tall") << QSize(100, 300) << 256 << QSize(85, 255);
        QTest::newRow("256x256 kept") << QSize(256, 256) << 256 << QSize(256, 256);
        QTest::newRow("max side 64") << QSize(128, 100) << 64 << QSize(64, 50);
    }

    void reduction()
    {
        QFETCH(QSize, size);
        QFETCH(int, maxSide);
        QFETCH(QSize, expected);
        const QImage image = noisyImage(size.width(), size.height());
        const QString path = m_dir.filePath(QStringLiteral("reduced.xlsx"));
        QStringList told;
        QVERIFY(imageToPictureSheetFile(image, maxSide, path, SheetShape::Picture,
                                        [&](const Notice &notice) { told << noticeMessage(notice); })
                        .ok());
        QCOMPARE(told, expected == size ? QStringList()
                                        : QStringList{ QStringLiteral("reduced to %1 × %2 for a picture-shaped sheet")
                                                               .arg(expected.width())
                                                               .arg(expected.height()) });
        PixelRecords read;
        const SheetInfo info = loadSheetInfo(path, read);
        QCOMPARE(QSize(info.width, info.height), expected);
        const QImage reduced = reducedImage(image, planSideReduction(image.size(), maxSide));
        QCOMPARE(reduced.size(), expected);
        QVERIFY(read == expectedRecords(reduced, SheetShape::Picture));
    }

    // CSV text as spreadsheet programs export the sheet: values follow the sheet's rules
    // (kept as typed, drawn clamped; empty and text cells are 0 and counted).
    void csvText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("values"); // r, g, b of (0,0), (0,1), (1,0), (1,1)
        QTest::addColumn<qint64>("empty");
        QTest::addColumn<qint64>("notNumbers");
        const QByteArray en = "y,colour,0,1\n0,r,1,2\n0,g,3,4\n0,b,5,6\n1,r,7,8\n1,g,9,10\n1,b,11,12\n";
        QTest::newRow("English export") << en << QByteArray("1 3 5 7 9 11 2 4 6 8 10 12") << qint64(0) << qint64(0);
        QTest::newRow("German export, quoted texts, CRLF")
            << QByteArray("\"y\";\"colour\";0;1\r\n0;\"r\";1;2\r\n0;\"g\";3;4\r\n0;\"b\";5;6\r\n1;\"r\";7;8\r\n1;\"g\";9;10\r\n1;\"b\";11;12\r\n")
            << QByteArray("1 3 5 7 9 11 2 4 6 8 10 12") << qint64(0) << qint64(0);
        QTest::newRow("sep line, byte-order mark, no final line end")
            << QByteArray("\xEF\xBB\xBFsep=;\ny;colour;0;1\n0;r;1;2\n0;g;3;4\n0;b;5;6\n1;r;7;8\n1;g;9;10\n1;b;11;12")
            << QByteArray("1 3 5 7 9 11 2 4 6 8 10 12") << qint64(0) << qint64(0);
        QTest::newRow("typed out of range, empty, text and a short row")
            << QByteArray("y,colour,0,1\n0,r,300,-5\n0,g,,4\n0,b,x,6\n1,r,7.9,8\n1,g,9,10\n1,b,11\n")
            << QByteArray("300 0 0 7 9 11 -5 4 6 8 10 0") << qint64(2) << qint64(1);
        QTest::newRow("grey, empty rows at the end")
            << QByteArray("y,0,1\n0,10,20\n1,30,40\n,,\n\n") << QByteArray("10 10 10 30 30 30 20 20 20 40 40 40")
            << qint64(0) << qint64(0);
    }

    void csvText()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, values);
        QFETCH(qint64, empty);
        QFETCH(qint64, notNumbers);
        const QString path = m_dir.filePath(QStringLiteral("edited.csv"));
        QVERIFY(writeFile(path, text));
        PixelRecords read;
        const SheetInfo info = loadSheetInfo(path, read);
        QVERIFY2(info.status == Status::Done, qPrintable(info.detail));
        QCOMPARE(QSize(info.width, info.height), QSize(2, 2));
        QByteArrayList got;
        for (const PixelRecord &p : read)
            got << QByteArray::number(p.r) << QByteArray::number(p.g) << QByteArray::number(p.b);
        QCOMPARE(got.join(' '), values);
        QCOMPARE(info.emptyColours, empty);
        QCOMPARE(info.notNumbers, notNumbers);
        QCOMPARE(read[2].x, 1); // column by column, as a pixel sheet
        QCOMPARE(read[1].y, 1);
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("detail");
        QTest::newRow("g row missing") << QByteArray("y,colour,0\n0,r,1\n0,b,3\n")
                                       << "row 3: the g row of picture row 0 is missing";
        QTest::newRow("rows out of order") << QByteArray("y,colour,0\n0,r,1\n0,g,2\n0,b,3\n1,g,1\n1,r,1\n1,b,1\n")
                                           << "row 5: the r row of picture row 1 is missing";
        QTest::newRow("a cleared channel row") << QByteArray("y,colour,0\n0,r,1\n,,\n0,b,3\n")
                                               << "row 3: the g row of picture row 0 is missing";
        QTest::newRow("last picture row cut short") << QByteArray("y,colour,0\n0,r,1\n0,g,2\n0,b,3\n1,r,1\n1,g,1\n")
                                                    << "row 7: the b row of picture row 1 is missing";
        QTest::newRow("unknown letter") << QByteArray("y,colour,0\n0,red,1\n") << "row 2: the r row of picture row 0 should be here, not 'red'";
        QTest::newRow("a row moved") << QByteArray("y,0\n0,1\n5,2\n") << "row 3: picture row 1 should be here, not '5'";
    }

    void refusals()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, detail);
        const QString path = m_dir.filePath(QStringLiteral("refused.csv"));
        QVERIFY(writeFile(path, text));
        PixelRecords read;
        const SheetInfo info = loadSheetInfo(path, read);
        QCOMPARE(info.status, Status::SheetNotValid);
        QCOMPARE(info.detail, detail);
        QVERIFY(read.empty());
    }

    // Headers that only look alike stay pixel sheets (or are refused as they were).
    void notPictureShaped_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("pixel sheet") << QByteArray("x,y,r,g,b\n0,0,1,2,3\n");
        QTest::newRow("numbers not from 0") << QByteArray("y,colour,1,2\n0,r,1,2\n");
        QTest::newRow("a gap in the numbers") << QByteArray("y,colour,0,2\n0,r,1,2\n");
        QTest::newRow("a number as first label") << QByteArray("5,colour,0,1\n0,r,1,2\n");
    }

    void notPictureShaped()
    {
        QFETCH(QByteArray, text);
        const QString path = m_dir.filePath(QStringLiteral("list.csv"));
        QVERIFY(writeFile(path, text));
        PixelRecords read;
        QCOMPARE(loadSheetInfo(path, read).shape, SheetShape::List);
    }

    void tooLargeForAWorksheet()
    {
        QVERIFY(fitsPictureSheet(16382, 349525, SheetShape::Picture));
        QVERIFY(!fitsPictureSheet(16383, 1, SheetShape::Picture));
        QVERIFY(!fitsPictureSheet(1, 349526, SheetShape::Picture));
        QVERIFY(fitsPictureSheet(16383, 1048575, SheetShape::Grey));
        const Result result = savePictureSheetFile(m_dir.filePath(QStringLiteral("wide.xlsx")), {}, 16383, 1,
                                                   SheetShape::Picture);
        QCOMPARE(result.status, Status::SheetNotSaved);
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("wide.xlsx"))));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestPictureSheet)
#include "tst_picturesheet.moc"
