// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/colorconvert.h"
#include "convert/operations.h"
#include "image/imageconvert.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <random>

using tess::PixelRecord;
using tess::PixelRecords;

Q_DECLARE_METATYPE(QImage::Format)

namespace {

// Pixels of many colours, so that a record taken from the wrong place shows.
QImage patterned(int width, int height, QImage::Format format, unsigned seed = 1)
{
    QImage image(width, height, QImage::Format_ARGB32);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(int(random() & 0xff), int(random() & 0xff), int(random() & 0xff));
    }
    if (format == QImage::Format_Indexed8)
        return image.convertToFormat(format, Qt::ThresholdDither | Qt::AvoidDither);
    return image.convertToFormat(format);
}

// The plain way to the records: QImage::pixel on every pixel, column by column.
PixelRecords recordsByPixel(const QImage &image)
{
    PixelRecords records;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QRgb pixel = image.pixel(x, y);
            const tess::Hsv hsv = tess::rgbToHsv(qRed(pixel), qGreen(pixel), qBlue(pixel));
            records.push_back({x, y, qRed(pixel), qGreen(pixel), qBlue(pixel), 255, hsv.h, hsv.s, hsv.v});
        }
    }
    return records;
}

// First differing record, for a readable failure.
QString firstDifference(const PixelRecords &actual, const PixelRecords &expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("%1 records, expected %2").arg(actual.size()).arg(expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        const PixelRecord &p = actual[i], &e = expected[i];
        if (!(p == e))
            return QStringLiteral("record %1 is (%2,%3) rgb %4,%5,%6 a %7 hsv %8,%9,%10, expected (%11,%12) rgb %13,%14,%15")
                .arg(i).arg(p.x).arg(p.y).arg(p.r).arg(p.g).arg(p.b).arg(p.a).arg(p.h).arg(p.s).arg(p.v)
                .arg(e.x).arg(e.y).arg(e.r).arg(e.g).arg(e.b);
    }
    return {};
}

} // namespace

class TestImageConvert : public QObject
{
    Q_OBJECT

private slots:
    void planReduction_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("excel2002");
        QTest::addColumn<bool>("reduced");
        QTest::addColumn<bool>("warning");
        QTest::addColumn<int>("width");

        QTest::newRow("one million exactly is kept") << QSize(1000, 1000) << false << false << false << 0;
        QTest::newRow("one pixel column over a million") << QSize(1001, 1000) << false << true << true << 1000;
        QTest::newRow("two million") << QSize(2000, 1000) << false << true << true << 1414;
        // from the full width, not from 1414
        QTest::newRow("two million for Excel 2002") << QSize(2000, 1000) << true << true << true << 346;
        QTest::newRow("VGA is kept") << QSize(640, 480) << false << false << false << 0;
        QTest::newRow("VGA for Excel 2002") << QSize(640, 480) << true << true << false << 282;
        QTest::newRow("60,000 exactly for Excel 2002") << QSize(300, 200) << true << false << false << 0;
        QTest::newRow("one million for Excel 2002: no warning") << QSize(1000, 1000) << true << true << false << 244;
        QTest::newRow("null size") << QSize(0, 0) << true << false << false << 0;
        // 46341^2 overflows 32 bits; float(1000 / 46341) * 46341 is 1000.0 exactly
        QTest::newRow("sides whose product overflows int") << QSize(46341, 46341) << false << true << true << 1000;
    }

    void planReduction()
    {
        QFETCH(QSize, size);
        QFETCH(bool, excel2002);
        QFETCH(bool, reduced);
        QFETCH(bool, warning);
        QFETCH(int, width);

        const tess::ReductionPlan plan = tess::planReduction(size, excel2002);
        QCOMPARE(plan.reduced, reduced);
        QCOMPARE(plan.millionWarning, warning);
        if (reduced)
            QCOMPARE(plan.width, width);
    }

    void imageToRecordsReportsScannedSize()
    {
        PixelRecords records;
        const tess::ImageConversion conversion = tess::imageToRecords(patterned(2000, 1000, QImage::Format_RGB32), true, records).value();
        QVERIFY(conversion.plan.millionWarning);
        QCOMPARE(conversion.width, 346);
        QCOMPARE(conversion.height, 173);
        QCOMPARE(records.size(), size_t(346 * 173));
        QCOMPARE(records.back().x, 345);
        QCOMPARE(records.back().y, 172);
    }

    // The announced size against the toolkit's real scaling: a rounding or a precision
    // that differs from scaledToWidth shows up as one row or column too many or too few.
    void reducedSizeMatchesScaling_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("excel2002");

        QTest::newRow("4000x3000, height lands just under a half") << QSize(4000, 3000) << false;
        QTest::newRow("4000x3000 for Excel 2002") << QSize(4000, 3000) << true;
        QTest::newRow("two million") << QSize(2000, 1000) << false;
        QTest::newRow("VGA for Excel 2002") << QSize(640, 480) << true;
        QTest::newRow("portrait 1000x1001, height rounds up") << QSize(1000, 1001) << false;
        QTest::newRow("tall strip 3x400000") << QSize(3, 400000) << false;
        QTest::newRow("wide strip 2000000x1, height rounds to nothing") << QSize(2000000, 1) << true;
        QTest::newRow("column too thin to keep") << QSize(1, 2000000) << false;
        QTest::newRow("not reduced") << QSize(300, 200) << true;
    }

    void reducedSizeMatchesScaling()
    {
        QFETCH(QSize, size);
        QFETCH(bool, excel2002);

        QImage image(size, QImage::Format_RGB32);
        QVERIFY(!image.isNull());
        image.fill(Qt::darkCyan);
        const tess::ReductionPlan plan = tess::planReduction(size, excel2002);
        const QImage reduced = tess::reducedImage(image, plan);
        QCOMPARE(tess::reducedSize(size, plan), reduced.isNull() ? QSize(0, 0) : reduced.size());
    }

    void unreducedImageIsNotCopied()
    {
        const QImage image = patterned(64, 48, QImage::Format_Indexed8);
        const QImage scanned = tess::reducedImage(image, tess::planReduction(image.size(), false));
        QCOMPARE(scanned.cacheKey(), image.cacheKey());
    }

    // Column by column: the record of (x, y) is at x * height + y.
    void recordOrder()
    {
        QImage image(2, 2, QImage::Format_RGB32);
        image.setPixel(0, 0, qRgb(10, 20, 30));
        image.setPixel(1, 0, qRgb(40, 50, 60));
        image.setPixel(0, 1, qRgb(70, 80, 90));
        image.setPixel(1, 1, qRgb(255, 0, 0));

        PixelRecords records;
        tess::scanImage(image, records);
        const PixelRecords expected = {
            {0, 0, 10, 20, 30, 255, 210, 170, 30},
            {0, 1, 70, 80, 90, 255, 210, 57, 90},
            {1, 0, 40, 50, 60, 255, 210, 85, 60},
            {1, 1, 255, 0, 0, 255, 0, 255, 255},
        };
        QCOMPARE(firstDifference(records, expected), QString());
    }

    void greyHasNoHue_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("black") << 0;
        QTest::newRow("mid grey") << 128;
        QTest::newRow("white") << 255;
    }

    void greyHasNoHue()
    {
        QFETCH(int, level);
        QImage image(3, 1, QImage::Format_Grayscale8);
        image.fill(QColor(level, level, level));
        PixelRecords records;
        tess::scanImage(image, records);
        QCOMPARE(records.size(), size_t(3));
        for (const PixelRecord &record : records)
            QCOMPARE(record, (PixelRecord{record.x, 0, level, level, level, 255, -1, 0, level}));
    }

    // Alpha is dropped: a is 255 and r, g, b are the pixel's straight colour (for
    // premultiplied formats un-premultiplied, as pixelColor reports it; QImage::pixel
    // would give the premultiplied one). A transparent premultiplied pixel keeps no colour.
    void transparencyIsDropped_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<uint>("argb");
        QTest::addColumn<uint>("expected");
        QTest::addColumn<int>("precision"); // how far from expected the stored colour may be

        const uint half = qRgba(200, 100, 50, 128);
        QTest::newRow("ARGB32, half transparent") << QImage::Format_ARGB32 << half << half << 0;
        QTest::newRow("RGBA8888, mostly opaque") << QImage::Format_RGBA8888 << qRgba(250, 17, 3, 200) << qRgba(250, 17, 3, 200) << 0;
        QTest::newRow("ARGB32 premultiplied, half transparent") << QImage::Format_ARGB32_Premultiplied << half << half << 2;
        QTest::newRow("RGBA64 premultiplied, half transparent") << QImage::Format_RGBA64_Premultiplied << half << half << 1;
        QTest::newRow("ARGB4444 premultiplied, half transparent") << QImage::Format_ARGB4444_Premultiplied << half << half << 24;
        QTest::newRow("ARGB32 premultiplied, transparent") << QImage::Format_ARGB32_Premultiplied << qRgba(200, 100, 50, 0) << 0u << 0;
        QTest::newRow("RGBA64 premultiplied, transparent") << QImage::Format_RGBA64_Premultiplied << qRgba(200, 100, 50, 0) << 0u << 0;
    }

    void transparencyIsDropped()
    {
        QFETCH(QImage::Format, format);
        QFETCH(uint, argb);
        QFETCH(uint, expected);
        QFETCH(int, precision);
        QImage image(1, 1, format);
        image.setPixelColor(0, 0, QColor::fromRgba(argb));
        const QColor straight = image.pixelColor(0, 0);

        PixelRecords records;
        tess::scanImage(image, records);
        QCOMPARE(records.size(), size_t(1));
        const PixelRecord &record = records[0];
        QCOMPARE(record.a, 255);
        const auto near = [](int actual, int wanted, int tolerance) { return qAbs(actual - wanted) <= tolerance; };
        // the toolkit's own straight colour, give or take its 16-to-8-bit rounding
        QVERIFY2(near(record.r, straight.red(), 1) && near(record.g, straight.green(), 1) && near(record.b, straight.blue(), 1),
                 qPrintable(QStringLiteral("record %1,%2,%3, pixelColor %4,%5,%6").arg(record.r).arg(record.g).arg(record.b)
                                .arg(straight.red()).arg(straight.green()).arg(straight.blue())));
        // and the colour that was set, as far as the format keeps it
        QVERIFY(near(record.r, qRed(expected), precision));
        QVERIFY(near(record.g, qGreen(expected), precision));
        QVERIFY(near(record.b, qBlue(expected), precision));
    }

    // The records equal the plain per-pixel reading, for sizes on both sides of the split
    // into two threads and of the largest buffered column.
    void recordsMatchPixelReading_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QImage::Format>("format");

        const QList<QPair<const char *, QImage::Format>> formats = {
            {"RGB32", QImage::Format_RGB32},
            {"ARGB32", QImage::Format_ARGB32},
            {"ARGB32 premultiplied", QImage::Format_ARGB32_Premultiplied},
            {"RGB888", QImage::Format_RGB888},
            {"indexed", QImage::Format_Indexed8},
            {"mono", QImage::Format_Mono},
            {"RGBX64", QImage::Format_RGBX64},
        };
        const QList<QPair<const char *, QSize>> sizes = {
            {"1x1", QSize(1, 1)},
            {"one column", QSize(1, 300)},
            {"one row", QSize(300, 1)},
            {"683x577 split in two", QSize(683, 577)},
            {"tallest buffered columns", QSize(5, 65536)},
            {"columns too tall to buffer", QSize(4, 65537)},
        };
        for (const auto &[sizeName, size] : sizes) {
            for (const auto &[formatName, format] : formats) {
                // the tall columns for the two paths: read in place, and converted first
                if (size.height() < 65536 || format == QImage::Format_RGB32 || format == QImage::Format_Indexed8)
                    QTest::addRow("%s %s", sizeName, formatName) << size << format;
            }
        }
    }

    void recordsMatchPixelReading()
    {
        QFETCH(QSize, size);
        QFETCH(QImage::Format, format);
        const QImage image = patterned(size.width(), size.height(), format, uint(size.width() * 31 + size.height()));
        PixelRecords records;
        tess::scanImage(image, records);
        QCOMPARE(firstDifference(records, recordsByPixel(image)), QString());
    }

    // Fast scaling picks its source rows differently per pixel format when the factor is
    // close to one: the image is scaled in the format it came in and converted after.
    // (Converting first changes thousands of records of these two.)
    void scaledInOwnFormat_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("indexed") << QImage::Format_Indexed8;
        QTest::newRow("RGB32") << QImage::Format_RGB32;
    }

    void scaledInOwnFormat()
    {
        QFETCH(QImage::Format, format);
        QImage source(1001, 1000, QImage::Format_RGB32);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                source.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
        const QImage image = source.convertToFormat(format, Qt::ThresholdDither | Qt::AvoidDither);

        PixelRecords records;
        const tess::ImageConversion conversion = tess::imageToRecords(image, false, records).value();
        QVERIFY(conversion.plan.millionWarning);
        QCOMPARE(conversion.width, 1000);
        const PixelRecords expected = recordsByPixel(image.scaledToWidth(1000, Qt::FastTransformation));
        QCOMPARE(firstDifference(records, expected), QString());
    }

    // Scanning again replaces the records in the same storage.
    void capacityIsKept()
    {
        PixelRecords records(5000);
        records.reserve(8000);
        const PixelRecord *storage = records.data();
        tess::scanImage(patterned(2, 2, QImage::Format_RGB32), records);
        QCOMPARE(records.size(), size_t(4));
        QCOMPARE(records.capacity(), size_t(8000));
        QCOMPARE(records.data(), storage);

        const QImage image = patterned(50, 40, QImage::Format_RGB888, 7);
        tess::scanImage(image, records);
        QCOMPARE(records.data(), storage);
        QCOMPARE(firstDifference(records, recordsByPixel(image)), QString());
    }

    // The command line writes a picture's sheet a run of records at a time, on two threads;
    // the file is the one written from all the records at once.
    void sheetStreamedAsFromRecords_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<bool>("excel2002");
        QTest::addColumn<tess::ColourModel>("model");
        const QImage noise = patterned(300, 250, QImage::Format_ARGB32);
        QTest::newRow("rgb, runs on both threads") << noise << false << tess::ColourModel::Rgb;
        QTest::newRow("hsv") << noise << false << tess::ColourModel::Hsv;
        QTest::newRow("premultiplied") << noise.convertToFormat(QImage::Format_ARGB32_Premultiplied) << false
                                       << tess::ColourModel::Rgb;
        QTest::newRow("reduced to 60,000 pixels") << noise << true << tess::ColourModel::Hsv;
        QTest::newRow("above a million pixels") << patterned(1300, 800, QImage::Format_ARGB32) << false << tess::ColourModel::Rgb;
        QTest::newRow("one tall column") << patterned(1, 70001, QImage::Format_ARGB32) << false << tess::ColourModel::Rgb;
        QTest::newRow("one long row") << patterned(70001, 1, QImage::Format_ARGB32) << false << tess::ColourModel::Hsv;
        QTest::newRow("small: one run") << patterned(7, 5, QImage::Format_ARGB32) << false << tess::ColourModel::Rgb;
        QTest::newRow("null: the header alone") << QImage() << false << tess::ColourModel::Rgb;
    }

    void sheetStreamedAsFromRecords()
    {
        QFETCH(QImage, image);
        QFETCH(bool, excel2002);
        QFETCH(tess::ColourModel, model);
        QTemporaryDir dir;
        const QString streamed = dir.filePath("streamed.csv"), whole = dir.filePath("whole.csv");
        int notices = 0;
        QVERIFY(tess::imageToSheetFile(image, excel2002, streamed, model, [&](const tess::Notice &) { ++notices; }).ok());
        PixelRecords records;
        QSize extent;
        int wholeNotices = 0;
        QVERIFY(tess::recordsFromImage(image, excel2002, records, extent, [&](const tess::Notice &) { ++wholeNotices; }).ok());
        QVERIFY(tess::saveSheetFile(whole, records, model).ok());
        QCOMPARE(notices, wholeNotices);
        QFile a(streamed), b(whole);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QVERIFY(a.readAll() == b.readAll());
    }

    void nullImageGivesNoRecords()
    {
        PixelRecords records(10);
        const tess::ImageConversion conversion = tess::imageToRecords(QImage(), true, records).value();
        QVERIFY(records.empty());
        QCOMPARE(conversion.width, 0);
        QCOMPARE(conversion.height, 0);
        QVERIFY(!conversion.plan.reduced);
    }
};

QTEST_GUILESS_MAIN(TestImageConvert)
#include "tst_imageconvert.moc"
