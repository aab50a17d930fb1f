// SPDX-License-Identifier: GPL-3.0-or-later
// Looking into pixels without a window: the preview's aspect-true rectangle, the viewer's
// zoom steps at their edges, the readout's numbers and the line each pixel has in its sheet.

#include "testhelpers.h"

#include "convert/operations.h"
#include "image/imagecompare.h"
#include "image/pixelreadout.h"
#include "image/zoommath.h"
#include "csv/sheetreader.h"
#include "convert/picturesheet.h"

#include <QtTest>

#include <QBuffer>
#include <QTemporaryDir>

using namespace tess;

Q_DECLARE_METATYPE(tess::SheetShape)

class TestPixelView : public QObject
{
    Q_OBJECT

private slots:
    void fittedRect_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("fitted");
        const QRect preview(0, 0, 256, 181);
        QTest::newRow("square: a centred square") << QSize(16, 16) << preview << QRect(37, 0, 181, 181);
        QTest::newRow("upright photo stays upright") << QSize(3000, 4000) << preview << QRect(60, 0, 136, 181);
        QTest::newRow("landscape fills the width") << QSize(4000, 1000) << preview << QRect(0, 58, 256, 64);
        QTest::newRow("same shape fills it") << QSize(512, 362) << preview << preview;
        QTest::newRow("a strip keeps one pixel") << QSize(100000, 1) << preview << QRect(0, 90, 256, 1);
        QTest::newRow("area's offset kept") << QSize(10, 10) << QRect(5, 7, 20, 10) << QRect(10, 7, 10, 10);
        QTest::newRow("no picture") << QSize(0, 0) << preview << QRect();
        QTest::newRow("no area") << QSize(8, 8) << QRect(0, 0, 0, 10) << QRect();
    }

    void fittedRect()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, area);
        QFETCH(QRect, fitted);
        QCOMPARE(zoom::fittedRect(picture, area), fitted);
    }

    void zoomSteps_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("direction");
        QTest::addColumn<double>("fit");
        QTest::addColumn<double>("next");
        QTest::newRow("fraction in: 1:1") << 0.25 << 1 << 0.25 << 1.0;
        QTest::newRow("1:1 out: back to fit") << 1.0 << -1 << 0.25 << 0.25;
        QTest::newRow("fit out: stays") << 0.25 << -1 << 0.25 << 0.25;
        QTest::newRow("whole steps in") << 6.0 << 1 << 0.5 << 8.0;
        QTest::newRow("between steps in") << 5.0 << 1 << 5.0 << 6.0;
        QTest::newRow("between steps out: not below fit") << 5.0 << -1 << 5.0 << 5.0;
        QTest::newRow("64 in: stays") << 64.0 << 1 << 1.0 << 64.0;
        QTest::newRow("64 out") << 64.0 << -1 << 1.0 << 48.0;
        QTest::newRow("1:1 below fit, out: stays") << 1.0 << -1 << 12.0 << 1.0;
    }

    void zoomSteps()
    {
        QFETCH(double, scale);
        QFETCH(int, direction);
        QFETCH(double, fit);
        QFETCH(double, next);
        QCOMPARE(zoom::stepScale(scale, direction, fit), next);
    }

    void fitScale_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("view");
        QTest::addColumn<double>("scale");
        QTest::newRow("small: whole factor") << QSize(16, 16) << QSize(600, 400) << 25.0;
        QTest::newRow("tiny: at most 64") << QSize(1, 1) << QSize(600, 400) << 64.0;
        QTest::newRow("large: a fraction") << QSize(4000, 3000) << QSize(400, 600) << 0.1;
        QTest::newRow("exact") << QSize(300, 200) << QSize(300, 400) << 1.0;
    }

    void fitScale()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, view);
        QFETCH(double, scale);
        QCOMPARE(zoom::fitScale(picture, view), scale);
    }

    // The viewer opens where every pixel is a whole number of screen pixels.
    void openingScale_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<double>("scale");
        QTest::newRow("small") << QSize(16, 16) << 1.0 << 25.0;
        QTest::newRow("a little larger than the view: 1:1") << QSize(640, 480) << 1.0 << 1.0;
        QTest::newRow("large: 1:1, not a fraction") << QSize(4000, 3000) << 1.0 << 1.0;
        QTest::newRow("at 125 %: one screen pixel each") << QSize(4000, 3000) << 1.25 << 0.8;
        QTest::newRow("at 125 %, small") << QSize(100, 100) << 1.25 << 4.0;
        QTest::newRow("at scale 2") << QSize(100, 100) << 2.0 << 4.0;
    }

    void openingScale()
    {
        QFETCH(QSize, picture);
        QFETCH(double, ratio);
        QFETCH(double, scale);
        QCOMPARE(zoom::openingScale(picture, QSize(620, 400), ratio), scale);
        const double screenPixels = scale * ratio;
        QCOMPARE(screenPixels, std::round(screenPixels));
    }

    // Zooming around a point keeps the pixel under it; pixelAt agrees at the borders.
    void zoomAroundAPoint()
    {
        const QPointF anchor(123, 45);
        const QPointF scroll(400, 300);
        const QPoint before = zoom::pixelAt(anchor, scroll, 8);
        const QPointF next = zoom::anchoredScroll(scroll, anchor, 8, 64);
        QCOMPARE(zoom::pixelAt(anchor, next, 64), before);
        QCOMPARE(zoom::pixelAt(QPointF(7.99, 8), QPointF(0, 0), 8), QPoint(0, 1));
        QCOMPARE(zoom::pixelAt(QPointF(-0.5, 0), QPointF(0, 0), 8), QPoint(-1, 0));
    }

    // The readout's HSV is the one a sheet in HSV gets for that pixel.
    void readoutAsTheSheetWrites()
    {
        const QImage picture = noisyImage(23, 17);
        tess::PixelRecords records;
        QSize extent;
        QVERIFY(recordsFromImage(picture, false, records, extent, {}).ok());
        int checked = 0;
        for (const tess::PixelRecord &r : records) {
            if ((r.x * 7 + r.y * 3) % 11)
                continue;
            const QString expected = QStringLiteral("x %1, y %2 \u00b7 r %3 g %4 b %5 \u00b7 h %6 s %7 v %8")
                                         .arg(r.x).arg(r.y).arg(r.r).arg(r.g).arg(r.b).arg(r.h).arg(r.s).arg(r.v);
            QCOMPARE(pixelReadout(QPoint(r.x, r.y), picture.pixel(r.x, r.y)), expected);
            ++checked;
        }
        QVERIFY(checked > 20);
        QCOMPARE(pixelReadout(QPoint(12, 7), qRgb(250, 210, 0), 1234, QStringLiteral("lesson.csv")),
                 QStringLiteral("x 12, y 7 \u00b7 r 250 g 210 b 0 \u00b7 h 50 s 255 v 250 \u00b7 line 1,234 of lesson.csv"));
    }

    // Lines in the file's own order, also for a sheet sorted by a spreadsheet program, with
    // skipped, empty and quoted multi-line lines between the records.
    void linesOfASortedSheet()
    {
        QByteArray text("sep=,\nx,y,r,g,b\n"     // lines 1, 2
                        "1,1,0,0,9\n"           // 3
                        "\n"                    // 4
                        "total,,,,\n"           // 5: skipped
                        "0,1,0,0,8\n"           // 6
                        "1,0,\"0\n\",0,7\n"     // 7-8: a quoted line break
                        "0,0,0,0,6\n"           // 9
                        "1,1,0,0,5\n"           // 10: names (1,1) again and wins
                        "\"a\nnote\",,,,\n"       // 11-12: skipped, and quoted across a line end
                        "2,0,0,0,4\n");         // 13
        QBuffer device(&text);
        QVERIFY(device.open(QIODevice::ReadOnly));
        tess::PixelRecords records;
        const SheetInfo info = readSheet(device, records);
        QCOMPARE(info.status, Status::Done);
        QCOMPARE(records.size(), std::size_t(6));
        const PixelLines lines(records, QSize(info.width, info.height), info.lines, QStringLiteral("lesson.csv"));
        QCOMPARE(lines.lineAt(QPoint(0, 1)), 6);
        QCOMPARE(lines.lineAt(QPoint(1, 0)), 7);
        QCOMPARE(lines.lineAt(QPoint(0, 0)), 9);
        QCOMPARE(lines.lineAt(QPoint(1, 1)), 10);
        QCOMPARE(lines.lineAt(QPoint(2, 0)), 13);
        QCOMPARE(lines.lineAt(QPoint(2, 1)), 0); // no record names it
        QCOMPARE(lines.lineAt(QPoint(3, 0)), 0); // outside
    }

    void pixelNotInTheSheet()
    {
        tess::PixelRecords records(1);
        records[0].x = 2;
        records[0].y = 1;
        const PixelLines lines(records, QSize(3, 2), RecordLines{2, {}}, QStringLiteral("a.csv"));
        QCOMPARE(lines.lineAt(QPoint(2, 1)), 2);
        QCOMPARE(lines.lineAt(QPoint(0, 0)), 0);
        QVERIFY(PixelLines(records, QSize(3, 2), RecordLines{}, QString()).isEmpty()); // lines not known
    }

    // A picture-shaped sheet, as a spreadsheet program exports it to CSV: the cell the
    // readout names holds the pixel's r (or grey) value, past column Z too.
    void cellOfAPictureShapedSheet_data()
    {
        QTest::addColumn<SheetShape>("shape");
        QTest::addColumn<QString>("first"); // the words for x 0, y 0
        QTest::newRow("rgb") << SheetShape::Picture << QStringLiteral(" \u00b7 cell C2 (r) of shaped.csv");
        QTest::newRow("grey") << SheetShape::Grey << QStringLiteral(" \u00b7 cell B2 of shaped.csv");
    }

    void cellOfAPictureShapedSheet()
    {
        QFETCH(SheetShape, shape);
        QFETCH(QString, first);
        const int width = 30;
        const int height = 4;
        const bool rgb = shape == SheetShape::Picture;
        QByteArray text = rgb ? "y,colour" : "y";
        for (int x = 0; x < width; ++x)
            text += ',' + QByteArray::number(x);
        for (int y = 0; y < height; ++y) {
            for (int c = 0; c < (rgb ? 3 : 1); ++c) {
                text += '\n' + QByteArray::number(y) + (rgb ? QByteArray(",") + "rgb"[c] : QByteArray());
                for (int x = 0; x < width; ++x)
                    text += ',' + QByteArray::number((x * 7 + y * 31 + c * 50) % 256);
            }
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("shaped.csv"));
        QVERIFY(writeFile(path, text + '\n'));
        PixelRecords records;
        const SheetInfo info = loadSheetInfo(path, records);
        QCOMPARE(info.status, Status::Done);
        QCOMPARE(info.shape, shape);
        QVERIFY(info.worksheetName.isEmpty()); // a CSV text has none: the file is named
        const PixelLines lines(QSize(info.width, info.height), info.shape, QStringLiteral("shaped.csv"));
        QVERIFY(!lines.isEmpty());
        const QList<QByteArray> rows = text.split('\n');
        for (const QPoint p : {QPoint(0, 0), QPoint(23, 1), QPoint(24, 2), QPoint(29, 3)}) {
            const QString cell = lines.cellAt(p);
            qsizetype letters = 0;
            int column = 0;
            for (; cell.at(letters).isLetter(); ++letters)
                column = column * 26 + (cell.at(letters).unicode() - u'A' + 1);
            const int row = cell.mid(letters).toInt();
            const QList<QByteArray> fields = rows.value(row - 1).split(',');
            const int value = (p.x() * 7 + p.y() * 31) % 256;
            QCOMPARE(fields.value(column - 1), QByteArray::number(value));
            QCOMPARE(fields.value(rgb ? 1 : 0), rgb ? QByteArray("r") : QByteArray::number(p.y()));
        }
        QCOMPARE(lines.cellAt(QPoint(26, 0)), rgb ? QStringLiteral("AC2") : QStringLiteral("AB2"));
        QCOMPARE(lines.cellAt(QPoint(width, 0)), QString()); // outside
        QCOMPARE(pixelReadout(QPoint(0, 0), qRgb(1, 2, 3), lines), pixelReadout(QPoint(0, 0), qRgb(1, 2, 3)) + first);
    }

    // The workbook as written names its worksheet in the readout, though it has only one.
    void cellOfAPictureShapedWorkbook()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("shaped.xlsx"));
        const PixelRecords written{PixelRecord{0, 0, 9, 8, 7, 0, 0, 0, 0}, PixelRecord{0, 1, 1, 2, 3, 0, 0, 0, 0}};
        QVERIFY(savePictureSheetFile(path, written, 1, 2, SheetShape::Picture).ok());
        PixelRecords records;
        const SheetInfo info = loadSheetInfo(path, records);
        QCOMPARE(info.shape, SheetShape::Picture);
        QVERIFY(info.sheetName.isEmpty()); // the notice still says nothing of a sheet
        const PixelLines lines(QSize(info.width, info.height), info.shape, info.worksheetName);
        QCOMPARE(pixelReadout(QPoint(0, 1), qRgb(1, 2, 3), lines),
                 pixelReadout(QPoint(0, 1), qRgb(1, 2, 3)) + QStringLiteral(" \u00b7 cell C5 (r) of Picture"));
    }
    // A grid or painted cells: the readout names the cell (from the grid's origin) and what
    // it holds, read from the grid a CSV sheet gives.
    void cellOfAGrid_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("onesWhite");
        QTest::addColumn<QString>("told"); // for pixel 1, 1
        QTest::newRow("grey values under labels") << QByteArray(",0,1\n0,5,6\n1,7,128\n") << false
                                                  << QStringLiteral(" \u00b7 cell C3 of grid.csv \u00b7 value 128");
        QTest::newRow("ink, 1 is black") << QByteArray("0,0\n0,1\n") << false << QStringLiteral(" \u00b7 cell B2 of grid.csv \u00b7 value 1");
        QTest::newRow("ink, 1 is white") << QByteArray("0,0\n0,1\n") << true << QStringLiteral(" \u00b7 cell B2 of grid.csv \u00b7 value 1");
        QTest::newRow("codes") << QByteArray("Title\n#000000,#000000\n#000000,e46c0a\n") << false
                               << QStringLiteral(" \u00b7 cell B3 of grid.csv \u00b7 value #E46C0A");
    }
    void cellOfAGrid()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, onesWhite);
        QFETCH(QString, told);
        QBuffer buffer(&text);
        buffer.open(QIODevice::ReadOnly);
        PixelRecords records;
        SheetOptions options;
        options.onesWhite = onesWhite;
        const SheetInfo info = readSheet(buffer, records, {}, options);
        QVERIFY(info.grid != GridReading::None);
        QImage picture;
        QVERIFY(drawImage(records, info.width, info.height, ColourModel::Rgb, picture).ok());
        const PixelLines lines(QSize(info.width, info.height), info.grid, info.gridOrigin, QStringLiteral("grid.csv"),
                               info.gridOnesWhite);
        const QRgb colour = picture.pixel(1, 1);
        QCOMPARE(pixelReadout(QPoint(1, 1), colour, lines), pixelReadout(QPoint(1, 1), colour) + told);
        QCOMPARE(pixelReadout(QPoint(5, 5), colour, lines), pixelReadout(QPoint(5, 5), colour)); // outside
    }
    void cellOfPaintedCells()
    {
        const PixelLines lines(QSize(4, 8), GridReading::Painted, GridOrigin{ 1, 2 }, QStringLiteral("Sheet1"));
        QCOMPARE(pixelReadout(QPoint(2, 4), qRgb(0xE4, 0x6C, 0x0A), lines),
                 pixelReadout(QPoint(2, 4), qRgb(0xE4, 0x6C, 0x0A)) + QStringLiteral(" \u00b7 cell D7 of Sheet1 \u00b7 fill #E46C0A"));
    }
    // Before and after, as the viewer and the command line both show them: the counts, the
    // largest change wherever its sign, and the picture of the change, in which what changed
    // is red and brighter the larger the change and what stayed is dimmed.
    void differenceOfTwoPictures_data()
    {
        QTest::addColumn<QRgb>("before"); // pixel (2, 1) of a 4 x 3 picture, the rest grey 200
        QTest::addColumn<QRgb>("after");
        QTest::addColumn<QString>("summary");
        QTest::newRow("equal") << qRgb(10, 20, 30) << qRgb(10, 20, 30) << QStringLiteral("0 pixels changed");
        QTest::newRow("r brightened") << qRgb(0, 20, 30) << qRgb(255, 20, 30)
                                      << QStringLiteral("1 pixel changed; the largest change is 255 in r at x 2, y 1");
        QTest::newRow("b darkened, g less") << qRgb(10, 20, 200) << qRgb(10, 30, 100)
                                            << QStringLiteral("1 pixel changed; the largest change is 100 in b at x 2, y 1");
        QTest::newRow("by one") << qRgb(10, 20, 30) << qRgb(10, 21, 30)
                                << QStringLiteral("1 pixel changed; the largest change is 1 in g at x 2, y 1");
    }

    void differenceOfTwoPictures()
    {
        QFETCH(QRgb, before);
        QFETCH(QRgb, after);
        QFETCH(QString, summary);
        QImage first(4, 3, QImage::Format_RGB32);
        first.fill(qRgb(200, 200, 200));
        QImage second = first.convertToFormat(QImage::Format_ARGB32); // formats do not matter
        first.setPixel(2, 1, before);
        second.setPixel(2, 1, after);
        const PictureDifference difference = comparePictures(first, second);
        QCOMPARE(differenceSummary(difference), summary);
        QCOMPARE(difference.same(), before == after);

        const QImage shown = differencePicture(first, second);
        QCOMPARE(shown.size(), first.size());
        const QRgb unchanged = shown.pixel(0, 0);
        QVERIFY(qRed(unchanged) == qGreen(unchanged) && qRed(unchanged) <= 255 / 4); // dimmed grey
        const QRgb pixel = shown.pixel(2, 1);
        if (before == after) {
            QCOMPARE(qRed(pixel), qGreen(pixel));
        } else {
            QCOMPARE(qRed(pixel), 128 + difference.largest / 2);
            QVERIFY(qRed(pixel) > 2 * qGreen(pixel) + 40);
        }
        QCOMPARE(beforeAfterReadout(QPoint(2, 1), first.pixel(2, 1), second.pixel(2, 1)),
                 QStringLiteral("x 2, y 1 \u00b7 before r %1 g %2 b %3 \u00b7 after r %4 g %5 b %6")
                     .arg(qRed(before)).arg(qGreen(before)).arg(qBlue(before))
                     .arg(qRed(after)).arg(qGreen(after)).arg(qBlue(after)));
        // Pictures of two sizes are told by their sizes and give no picture of the change.
        QVERIFY(differencePicture(first, first.copy(0, 0, 4, 2)).isNull());
    }
};

QTEST_GUILESS_MAIN(TestPixelView)
#include "tst_pixelview.moc"
