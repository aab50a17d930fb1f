#include "image/colorconvert.h"
#include "image/imageconvert.h"

#include <QTest>

#include <random>

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
        if (actual[i] == expected[i])
            continue;
        const auto describe = [](const PixelRecord &p) {
            return QStringLiteral("(%1,%2) rgb %3,%4,%5 a %6 hsv %7,%8,%9")
                .arg(p.x).arg(p.y).arg(p.r).arg(p.g).arg(p.b).arg(p.a).arg(p.h).arg(p.s).arg(p.v);
        };
        return QStringLiteral("record %1 is %2, expected %3").arg(i).arg(describe(actual[i]), describe(expected[i]));
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
        // sqrt(1e6 / 1001000) = 0.99950..., * 1001 = 1000.49...
        QTest::newRow("one pixel column over a million") << QSize(1001, 1000) << false << true << true << 1000;
        // float(sqrt(0.5)) * 2000 = 1414.21...
        QTest::newRow("two million") << QSize(2000, 1000) << false << true << true << 1414;
        // sqrt(60000 / 2e6) * 2000 = 346.41..., from the full width, not from 1414
        QTest::newRow("two million for Excel 2002") << QSize(2000, 1000) << true << true << true << 346;
        QTest::newRow("VGA is kept") << QSize(640, 480) << false << false << false << 0;
        // sqrt(60000 / 307200) * 640 = 282.84...
        QTest::newRow("VGA for Excel 2002") << QSize(640, 480) << true << true << false << 282;
        QTest::newRow("60,000 exactly for Excel 2002") << QSize(300, 200) << true << false << false << 0;
        // sqrt(60000 / 1e6) * 1000 = 244.94...; no warning at exactly one million
        QTest::newRow("one million for Excel 2002") << QSize(1000, 1000) << true << true << false << 244;
        // float(sqrt(1e6 / 1.2e7)) * 3000 = 866.03...
        QTest::newRow("tall photo") << QSize(3000, 4000) << false << true << true << 866;
        QTest::newRow("null size") << QSize(0, 0) << true << false << false << 0;
        QTest::newRow("invalid size") << QSize(-5, 100) << true << false << false << 0;
        // 46341^2 overflows 32 bits; float(1000 / 46341) * 46341 rounds to 1000.0 exactly
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
        const QImage image = patterned(2000, 1000, QImage::Format_RGB32);
        const tess::ImageConversion conversion = tess::imageToRecords(image, true, records);
        QVERIFY(conversion.plan.millionWarning);
        QCOMPARE(conversion.width, 346);
        QCOMPARE(conversion.height, 173);
        QCOMPARE(records.size(), size_t(346 * 173));
        QCOMPARE(records.back().x, 345);
        QCOMPARE(records.back().y, 172);
    }

    void unreducedImageIsNotCopied()
    {
        const QImage image = patterned(64, 48, QImage::Format_Indexed8);
        const QImage scanned = tess::reducedImage(image, tess::planReduction(image.size(), false));
        QCOMPARE(scanned.cacheKey(), image.cacheKey());
        QCOMPARE(scanned.format(), QImage::Format_Indexed8);
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
        QCOMPARE(records.size(), size_t(4));
        const PixelRecords expected = {
            // hue of (10,20,30): blue max, 240 + 60 * (10-20)/20 = 210; s 20/30 -> 170
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
        QTest::newRow("dark grey") << 1;
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
        for (const PixelRecord &record : records) {
            QCOMPARE(record.h, -1);
            QCOMPARE(record.s, 0);
            QCOMPARE(record.v, level);
            QCOMPARE(record.r, level);
        }
    }

    // Alpha is dropped: a is 255 and r, g, b are the pixel's straight colour. For
    // premultiplied formats that is the stored colour un-premultiplied (which is what
    // pixelColor reports; QImage::pixel would give the premultiplied one).
    void transparencyIsDropped_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<uint>("argb");
        QTest::addColumn<int>("precision"); // how far from argb the stored colour may be

        const QList<std::tuple<const char *, QImage::Format, int>> formats = {
            {"ARGB32", QImage::Format_ARGB32, 0},
            {"RGBA8888", QImage::Format_RGBA8888, 0},
            {"ARGB32 premultiplied", QImage::Format_ARGB32_Premultiplied, 2},
            {"RGBA8888 premultiplied", QImage::Format_RGBA8888_Premultiplied, 2},
            {"RGBA64 premultiplied", QImage::Format_RGBA64_Premultiplied, 1},
            {"ARGB4444 premultiplied", QImage::Format_ARGB4444_Premultiplied, 24},
        };
        const QList<QPair<const char *, uint>> colours = {
            {"half transparent", qRgba(200, 100, 50, 128)},
            {"mostly opaque", qRgba(250, 17, 3, 200)},
            {"opaque", qRgba(1, 2, 3, 255)},
        };
        for (const auto &[formatName, format, precision] : formats) {
            for (const auto &[colourName, argb] : colours)
                QTest::addRow("%s, %s", formatName, colourName) << format << argb << precision;
        }
    }

    void transparencyIsDropped()
    {
        QFETCH(QImage::Format, format);
        QFETCH(uint, argb);
        QFETCH(int, precision);
        QImage image(1, 1, format);
        image.setPixelColor(0, 0, QColor::fromRgba(argb));
        const QColor straight = image.pixelColor(0, 0);

        PixelRecords records;
        tess::scanImage(image, records);
        QCOMPARE(records.size(), size_t(1));
        const PixelRecord &record = records[0];
        QCOMPARE(record.a, 255);
        const auto near = [](int actual, int expected, int tolerance) { return qAbs(actual - expected) <= tolerance; };
        // the toolkit's own straight colour, give or take its 16-to-8-bit rounding
        QVERIFY2(near(record.r, straight.red(), 1) && near(record.g, straight.green(), 1)
                     && near(record.b, straight.blue(), 1),
                 qPrintable(QStringLiteral("record %1,%2,%3, pixelColor %4,%5,%6")
                                .arg(record.r).arg(record.g).arg(record.b)
                                .arg(straight.red()).arg(straight.green()).arg(straight.blue())));
        // and the colour that was set, as far as the format keeps it
        QVERIFY(near(record.r, qRed(argb), precision));
        QVERIFY(near(record.g, qGreen(argb), precision));
        QVERIFY(near(record.b, qBlue(argb), precision));
        const tess::Hsv hsv = tess::rgbToHsv(record.r, record.g, record.b);
        QCOMPARE(record.h, hsv.h);
        QCOMPARE(record.v, hsv.v);
    }

    void fullyTransparentIsBlack_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("ARGB32 premultiplied") << QImage::Format_ARGB32_Premultiplied;
        QTest::newRow("RGBA64 premultiplied") << QImage::Format_RGBA64_Premultiplied;
    }

    // A premultiplied format cannot keep the colour of a transparent pixel.
    void fullyTransparentIsBlack()
    {
        QFETCH(QImage::Format, format);
        QImage image(1, 1, format);
        image.setPixelColor(0, 0, QColor::fromRgba(qRgba(200, 100, 50, 0)));
        PixelRecords records;
        tess::scanImage(image, records);
        QCOMPARE(records.size(), size_t(1));
        QCOMPARE(records[0], (PixelRecord{0, 0, 0, 0, 0, 255, -1, 0, 0}));
    }

    // The records equal the plain per-pixel reading, for many formats and for sizes on
    // both sides of the split into two threads (odd widths, one column, one row).
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
            {"RGB16", QImage::Format_RGB16},
            {"grey", QImage::Format_Grayscale8},
            {"mono", QImage::Format_Mono},
            {"RGBX64", QImage::Format_RGBX64},
        };
        const QList<QPair<const char *, QSize>> sizes = {
            {"1x1", QSize(1, 1)},
            {"7x5", QSize(7, 5)},
            {"one column", QSize(1, 300)},
            {"one row", QSize(300, 1)},
            {"683x577 split in two", QSize(683, 577)},
            {"tallest buffered columns", QSize(5, 65536)},
            {"columns too tall to buffer", QSize(4, 65537)},
        };
        for (const auto &[sizeName, size] : sizes) {
            for (const auto &[formatName, format] : formats)
                QTest::addRow("%s %s", sizeName, formatName) << size << format;
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
    // (Converting first changes thousands of records of the indexed and RGB32 images.)
    void scaledInOwnFormat_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("indexed") << QImage::Format_Indexed8;
        QTest::newRow("RGB32") << QImage::Format_RGB32;
        QTest::newRow("RGB888") << QImage::Format_RGB888;
        QTest::newRow("ARGB32 premultiplied") << QImage::Format_ARGB32_Premultiplied;
    }

    void scaledInOwnFormat()
    {
        QFETCH(QImage::Format, format);
        QImage source(1001, 1000, QImage::Format_RGB32);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                source.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
        const QImage image = format == QImage::Format_Indexed8
            ? source.convertToFormat(format, Qt::ThresholdDither | Qt::AvoidDither)
            : source.convertToFormat(format);

        PixelRecords records;
        const tess::ImageConversion conversion = tess::imageToRecords(image, false, records);
        QVERIFY(conversion.plan.millionWarning);
        QCOMPARE(conversion.width, 1000);

        const PixelRecords expected = recordsByPixel(image.scaledToWidth(1000, Qt::FastTransformation));
        QCOMPARE(firstDifference(records, expected), QString());
    }

    void capacityIsKept()
    {
        PixelRecords records(5000);
        records.reserve(8000);
        const PixelRecord *storage = records.data();
        tess::scanImage(patterned(2, 2, QImage::Format_RGB32), records);
        QCOMPARE(records.size(), size_t(4));
        QCOMPARE(records.capacity(), size_t(8000));
        QCOMPARE(records.data(), storage);
        QCOMPARE(firstDifference(records, recordsByPixel(patterned(2, 2, QImage::Format_RGB32))), QString());

        // growing again within the capacity, old contents replaced
        tess::scanImage(patterned(50, 40, QImage::Format_RGB888, 7), records);
        QCOMPARE(records.data(), storage);
        QCOMPARE(firstDifference(records, recordsByPixel(patterned(50, 40, QImage::Format_RGB888, 7))), QString());
    }

    void nullImageGivesNoRecords()
    {
        PixelRecords records(10);
        tess::scanImage(QImage(), records);
        QVERIFY(records.empty());

        records.resize(10);
        const tess::ImageConversion conversion = tess::imageToRecords(QImage(), true, records);
        QVERIFY(records.empty());
        QCOMPARE(conversion.width, 0);
        QCOMPARE(conversion.height, 0);
        QVERIFY(!conversion.plan.reduced);
    }
};

QTEST_GUILESS_MAIN(TestImageConvert)
#include "tst_imageconvert.moc"
