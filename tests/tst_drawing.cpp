// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/colorconvert.h"
#include "image/imageconvert.h"

#include <QTest>

#include <climits>

#include <random>

using tess::PixelRecord;
using tess::PixelRecords;

using tess::ColourModel;

Q_DECLARE_METATYPE(tess::ColourModel)
Q_DECLARE_METATYPE(PixelRecord)

namespace {

QString hex(QRgb value)
{
    return QStringLiteral("#%1").arg(value, 8, 16, QLatin1Char('0'));
}

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT

private slots:
    // image -> records -> image gives back every opaque pixel, in any source format.
    void roundTrip_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<QSize>("size");
        QTest::newRow("RGB888 1x50") << QImage::Format_RGB888 << QSize(1, 50);
        QTest::newRow("indexed 64x1") << QImage::Format_Indexed8 << QSize(64, 1);
        QTest::newRow("ARGB32 612x500 scanned in two halves") << QImage::Format_ARGB32 << QSize(612, 500);
    }

    void roundTrip()
    {
        QFETCH(QImage::Format, format);
        QFETCH(QSize, size);
        QImage source(size, QImage::Format_RGB32);
        std::mt19937 random(size.width() * 1000 + size.height());
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                source.setPixel(x, y, qRgb(int(random() & 0xff), int(random() & 0xff), int(random() & 0xff)));
        source = source.convertToFormat(format, Qt::ThresholdDither | Qt::AvoidDither);

        PixelRecords records;
        const tess::ImageConversion conversion = tess::imageToRecords(source, false, records).value();
        const QImage drawn = tess::drawRecords(records, conversion.width, conversion.height, ColourModel::Rgb);
        QCOMPARE(drawn.format(), QImage::Format_ARGB32);
        QCOMPARE(drawn, source.convertToFormat(QImage::Format_ARGB32));
    }

    // What a pixel becomes for the values a sheet may carry; the other model's values
    // are set to show that they are not used.
    void pixelValue_data()
    {
        QTest::addColumn<ColourModel>("model");
        QTest::addColumn<PixelRecord>("record");
        QTest::addColumn<uint>("expected");
        QTest::addColumn<int>("clamped");
        QTest::addColumn<int>("turned");

        const auto rgb = ColourModel::Rgb;
        const auto hsv = ColourModel::Hsv;
        const auto hsvRgb = [](int h, int s, int v) { return uint(tess::hsvToRgb(h, s, v)); };
        QTest::newRow("rgb plain") << rgb << PixelRecord{.r = 12, .g = 34, .b = 56, .h = 100, .s = 255, .v = 255} << uint(0xff0c2238) << 0 << 0;
        QTest::newRow("rgb brightened by 1.5: 318 is 255, not 62") << rgb << PixelRecord{.r = 318, .g = 100, .b = 20} << uint(0xffff6414) << 1 << 0;
        QTest::newRow("rgb 256 is 255, -1 is 0") << rgb << PixelRecord{.r = 256, .g = -1, .b = INT_MIN} << uint(0xffff0000) << 3 << 0;
        QTest::newRow("rgb ignores hsv out of range") << rgb << PixelRecord{.r = 1, .h = 999, .s = -5, .v = 300} << uint(0xff010000) << 0 << 0;
        QTest::newRow("hsv blue") << hsv << PixelRecord{.r = 255, .h = 240, .s = 255, .v = 255} << uint(0xff0000ff) << 0 << 0;
        QTest::newRow("hsv grey: h -1 stays no hue") << hsv << PixelRecord{.h = -1, .s = 0, .v = 128} << uint(0xff808080) << 0 << 0;
        QTest::newRow("hsv h 360 is red") << hsv << PixelRecord{.r = 7, .h = 360, .s = 255, .v = 255} << uint(0xffff0000) << 0 << 1;
        QTest::newRow("hsv h 380 is h 20") << hsv << PixelRecord{.h = 380, .s = 200, .v = 250} << hsvRgb(20, 200, 250) << 0 << 1;
        QTest::newRow("hsv h -30 is h 330") << hsv << PixelRecord{.h = -30, .s = 200, .v = 250} << hsvRgb(330, 200, 250) << 0 << 1;
        QTest::newRow("hsv h -2 is h 358") << hsv << PixelRecord{.h = -2, .s = 255, .v = 255} << hsvRgb(358, 255, 255) << 0 << 1;
        QTest::newRow("hsv h most negative") << hsv << PixelRecord{.h = INT_MIN, .s = 255, .v = 255} << hsvRgb(((INT_MIN % 360) + 360) % 360, 255, 255) << 0 << 1;
        QTest::newRow("hsv s 256 is 255") << hsv << PixelRecord{.h = 120, .s = 256, .v = 255} << uint(0xff00ff00) << 1 << 0;
        QTest::newRow("hsv v -1 is 0, s 300 is 255") << hsv << PixelRecord{.h = 120, .s = 300, .v = -1} << uint(0xff000000) << 2 << 0;
    }

    void pixelValue()
    {
        QFETCH(ColourModel, model);
        QFETCH(PixelRecord, record);
        QFETCH(uint, expected);
        QFETCH(int, clamped);
        QFETCH(int, turned);
        tess::DrawStats stats;
        const QImage drawn = tess::drawRecords({record, {.x = 5, .r = 999, .h = 999, .s = 999}}, 1, 1, model, &stats);
        QCOMPARE(drawn.size(), QSize(1, 1));
        QCOMPARE(hex(drawn.pixel(0, 0)), hex(expected));
        // The record outside the image is not drawn, so not counted.
        QCOMPARE(stats.clamped, clamped);
        QCOMPARE(stats.turned, turned);
    }

    // Drawing in HSV agrees with the exact conversion for every hue, at a few s and v.
    void hsvUsesExactConversion()
    {
        PixelRecords records;
        for (int h = -1; h < 360; ++h)
            for (int i = 0; i < 4; ++i)
                records.push_back({.x = h + 1, .y = i, .h = h, .s = 45 + 60 * i, .v = 85 + 50 * i});
        const QImage drawn = tess::drawRecords(records, 361, 4, ColourModel::Hsv);
        for (const PixelRecord &record : records)
            QCOMPARE(hex(drawn.pixel(record.x, record.y)), hex(tess::hsvToRgb(record.h, record.s, record.v)));
    }

    // The last record naming a pixel wins; pixels no record names are transparent.
    void laterRecordWinsOthersTransparent()
    {
        const PixelRecords records = {{.x = 2, .y = 1, .r = 255, .h = 0, .s = 255, .v = 255},
                                      {.x = 2, .y = 1, .b = 255, .h = 240, .s = 255, .v = 255}};
        for (const auto model : {ColourModel::Rgb, ColourModel::Hsv}) {
            const QImage drawn = tess::drawRecords(records, 4, 3, model);
            QCOMPARE(drawn.size(), QSize(4, 3));
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 4; ++x)
                    QCOMPARE(hex(drawn.pixel(x, y)), hex(x == 2 && y == 1 ? 0xff0000ff : 0x00000000));
        }
    }

    // Records beyond the extent, however far, are skipped; the rest are drawn.
    void recordsOutsideAreSkipped_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("just right of the image") << 3 << 0;
        QTest::newRow("just below the image") << 0 << 2;
        QTest::newRow("two thousand million across") << 2000000000 << 5;
        QTest::newRow("negative x") << -1 << 0;
        QTest::newRow("most negative y") << 0 << int(-2147483647 - 1);
    }

    void recordsOutsideAreSkipped()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        const PixelRecords records = {{.x = x, .y = y, .r = 255, .v = 255}, {.r = 1, .v = 3}};
        for (const auto model : {ColourModel::Rgb, ColourModel::Hsv}) {
            const QImage drawn = tess::drawRecords(records, 3, 2, model);
            QCOMPARE(drawn.size(), QSize(3, 2));
            int coloured = 0;
            for (int py = 0; py < 2; ++py)
                for (int px = 0; px < 3; ++px)
                    coloured += qAlpha(drawn.pixel(px, py)) != 0;
            QCOMPARE(coloured, 1);
        }
    }

    // No image, and no attempt to allocate one, for an empty or oversized extent.
    void nullImage_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");

        QTest::newRow("zero width") << 0 << 10;
        QTest::newRow("zero height") << 10 << 0;
        QTest::newRow("negative width") << -5 << 10;
        QTest::newRow("height over the longest side") << 1 << tess::MaxDrawnSide + 1;
        QTest::newRow("more than 2^28 pixels") << 32768 << 8193;
        QTest::newRow("more than 2^28 pixels in a strip") << 65536 << 4097;
        QTest::newRow("extent from a record at 2000000000") << 2000000001 << 6;
        QTest::newRow("int max squared") << 2147483647 << 2147483647;
    }

    void nullImage()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        const PixelRecords records = {{.r = 9, .g = 9, .b = 9}};
        QVERIFY(tess::drawRecords(records, width, height, ColourModel::Rgb).isNull());
        QVERIFY(tess::drawRecords(records, width, height, ColourModel::Hsv).isNull());
    }

    // A sheet holding only its header has an extent of 1 x 1: that pixel is created and
    // left transparent. The largest allowed side is drawn.
    void smallestAndLargestExtent()
    {
        const QImage one = tess::drawRecords({}, 1, 1, ColourModel::Rgb);
        QCOMPARE(one.size(), QSize(1, 1));
        QCOMPARE(one.pixel(0, 0), QRgb(0));

        const QImage wide = tess::drawRecords({{.x = 65535, .y = 1, .r = 1, .g = 2, .b = 3}}, 65536, 2, ColourModel::Rgb);
        QCOMPARE(wide.size(), QSize(65536, 2));
        QCOMPARE(hex(wide.pixel(65535, 1)), hex(0xff010203));
        const QImage longest = tess::drawRecords({{.y = tess::MaxDrawnSide - 1, .r = 1}}, 1, tess::MaxDrawnSide, ColourModel::Rgb);
        QCOMPARE(longest.size(), QSize(1, tess::MaxDrawnSide));
    }
};

QTEST_GUILESS_MAIN(TestDrawing)
#include "tst_drawing.moc"
