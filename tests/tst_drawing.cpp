#include "image/colorconvert.h"
#include "image/imageconvert.h"

#include <QTest>

#include <random>

Q_DECLARE_METATYPE(tess::ColourModel)
Q_DECLARE_METATYPE(PixelRecord)

namespace {

PixelRecord rgbRecord(int x, int y, int r, int g, int b)
{
    return {.x = x, .y = y, .r = r, .g = g, .b = b, .a = 255};
}

PixelRecord hsvRecord(int x, int y, int h, int s, int v)
{
    return {.x = x, .y = y, .a = 255, .h = h, .s = s, .v = v};
}

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
        QTest::newRow("RGB32 37x23") << QImage::Format_RGB32 << QSize(37, 23);
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
        source = format == QImage::Format_Indexed8
            ? source.convertToFormat(format, Qt::ThresholdDither | Qt::AvoidDither)
            : source.convertToFormat(format);

        PixelRecords records;
        const tess::ImageConversion conversion = tess::imageToRecords(source, false, records);
        const QImage drawn = tess::drawRecords(records, conversion.width, conversion.height, tess::ColourModel::Rgb);
        QCOMPARE(drawn.format(), QImage::Format_ARGB32);
        QCOMPARE(drawn, source.convertToFormat(QImage::Format_ARGB32));
    }

    // What a pixel becomes for the values a sheet may carry.
    void pixelValue_data()
    {
        QTest::addColumn<tess::ColourModel>("model");
        QTest::addColumn<PixelRecord>("record");
        QTest::addColumn<uint>("expected");

        const auto rgb = tess::ColourModel::Rgb;
        const auto hsv = tess::ColourModel::Hsv;
        QTest::newRow("rgb plain") << rgb << rgbRecord(0, 0, 12, 34, 56) << uint(0xff0c2238);
        QTest::newRow("rgb 300 keeps its low byte, 44") << rgb << rgbRecord(0, 0, 300, 0, 0) << uint(0xff2c0000);
        QTest::newRow("rgb 256 is 0") << rgb << rgbRecord(0, 0, 0, 256, 0) << uint(0xff000000);
        QTest::newRow("rgb -1 is 255") << rgb << rgbRecord(0, 0, 0, 0, -1) << uint(0xff0000ff);
        QTest::newRow("rgb ignores h, s, v") << rgb << [] { auto r = rgbRecord(0, 0, 1, 2, 3); r.h = 100; r.s = 255; r.v = 255; return r; }() << uint(0xff010203);

        QTest::newRow("hsv red") << hsv << hsvRecord(0, 0, 0, 255, 255) << uint(0xffff0000);
        QTest::newRow("hsv grey") << hsv << hsvRecord(0, 0, -1, 0, 128) << uint(0xff808080);
        QTest::newRow("hsv h 360 is black") << hsv << hsvRecord(0, 0, 360, 255, 255) << uint(0xff000000);
        QTest::newRow("hsv s 256 is black") << hsv << hsvRecord(0, 0, 120, 256, 255) << uint(0xff000000);
        QTest::newRow("hsv v -1 is black") << hsv << hsvRecord(0, 0, 120, 255, -1) << uint(0xff000000);
        QTest::newRow("hsv ignores r, g, b") << hsv << [] { auto r = hsvRecord(0, 0, 240, 255, 255); r.r = 255; return r; }() << uint(0xff0000ff);
    }

    void pixelValue()
    {
        QFETCH(tess::ColourModel, model);
        QFETCH(PixelRecord, record);
        QFETCH(uint, expected);
        const QImage drawn = tess::drawRecords({record}, 1, 1, model);
        QCOMPARE(drawn.size(), QSize(1, 1));
        QCOMPARE(hex(drawn.pixel(0, 0)), hex(expected));
    }

    // Drawing in HSV agrees with the conversion for every hue, at a few s and v.
    void hsvUsesExactConversion()
    {
        PixelRecords records;
        for (int h = -1; h < 360; ++h)
            for (int i = 0; i < 4; ++i)
                records.push_back(hsvRecord(h + 1, i, h, 45 + 60 * i, 85 + 50 * i));
        const QImage drawn = tess::drawRecords(records, 361, 4, tess::ColourModel::Hsv);
        for (const PixelRecord &record : records)
            QCOMPARE(hex(drawn.pixel(record.x, record.y)), hex(tess::hsvToRgb(record.h, record.s, record.v)));
        // a hard case from the reference list, where single precision gives 71
        QCOMPARE(hex(tess::drawRecords({hsvRecord(0, 0, 2, 45, 85)}, 1, 1, tess::ColourModel::Hsv).pixel(0, 0)),
                 hex(qRgb(85, 70, 70)));
    }

    void laterRecordWins_data()
    {
        QTest::addColumn<tess::ColourModel>("model");
        QTest::newRow("rgb") << tess::ColourModel::Rgb;
        QTest::newRow("hsv") << tess::ColourModel::Hsv;
    }

    void laterRecordWins()
    {
        QFETCH(tess::ColourModel, model);
        PixelRecords records = {rgbRecord(1, 0, 255, 0, 0), rgbRecord(1, 0, 0, 0, 255)};
        records[0].h = 0;   records[0].s = 255; records[0].v = 255;
        records[1].h = 240; records[1].s = 255; records[1].v = 255;
        const QImage drawn = tess::drawRecords(records, 2, 1, model);
        QCOMPARE(hex(drawn.pixel(1, 0)), hex(0xff0000ff));
        QCOMPARE(hex(drawn.pixel(0, 0)), hex(0x00000000)); // named by no record
    }

    void unnamedPixelsAreTransparent()
    {
        const QImage drawn = tess::drawRecords({rgbRecord(2, 1, 0, 0, 0)}, 4, 3, tess::ColourModel::Rgb);
        QCOMPARE(drawn.size(), QSize(4, 3));
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                QCOMPARE(hex(drawn.pixel(x, y)), hex(x == 2 && y == 1 ? 0xff000000 : 0x00000000));
    }

    // Records beyond the extent, however far, are skipped; the rest are drawn.
    void recordsOutsideAreSkipped_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("just right of the image") << 3 << 0;
        QTest::newRow("just below the image") << 0 << 2;
        QTest::newRow("two thousand million across") << 2000000000 << 5;
        QTest::newRow("largest int down") << 1 << 2147483647;
        QTest::newRow("negative x") << -1 << 0;
        QTest::newRow("most negative y") << 0 << int(-2147483647 - 1);
    }

    void recordsOutsideAreSkipped()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        const PixelRecords records = {rgbRecord(x, y, 255, 255, 255), rgbRecord(0, 0, 1, 2, 3)};
        for (const auto model : {tess::ColourModel::Rgb, tess::ColourModel::Hsv}) {
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
        QTest::addColumn<bool>("noRecords");

        QTest::newRow("zero width") << 0 << 10 << false;
        QTest::newRow("zero height") << 10 << 0 << false;
        QTest::newRow("negative width") << -5 << 10 << false;
        QTest::newRow("side over 32768") << 32769 << 1 << false;
        QTest::newRow("height over 32768") << 1 << 32769 << false;
        QTest::newRow("more than 2^28 pixels") << 32768 << 8193 << false;
        QTest::newRow("both sides 32768") << 32768 << 32768 << false;
        QTest::newRow("extent from a record at 2000000000") << 2000000001 << 6 << false;
        QTest::newRow("int max squared") << 2147483647 << 2147483647 << false;
    }

    void nullImage()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, noRecords);
        const PixelRecords records = noRecords ? PixelRecords() : PixelRecords{rgbRecord(0, 0, 9, 9, 9)};
        QVERIFY(tess::drawRecords(records, width, height, tess::ColourModel::Rgb).isNull());
        QVERIFY(tess::drawRecords(records, width, height, tess::ColourModel::Hsv).isNull());
    }

    // A sheet holding only its header still has an extent of 1 x 1: that pixel is
    // created and left transparent.
    void noRecordsKeepExtent()
    {
        const QImage drawn = tess::drawRecords({}, 1, 1, tess::ColourModel::Rgb);
        QCOMPARE(drawn.size(), QSize(1, 1));
        QCOMPARE(drawn.pixel(0, 0), QRgb(0));
        QVERIFY(tess::drawRecords({}, 0, 0, tess::ColourModel::Hsv).isNull());
    }

    void largestAllowedSide()
    {
        const QImage drawn = tess::drawRecords({rgbRecord(32767, 0, 1, 2, 3)}, 32768, 1, tess::ColourModel::Rgb);
        QCOMPARE(drawn.size(), QSize(32768, 1));
        QCOMPARE(hex(drawn.pixel(32767, 0)), hex(0xff010203));
    }
};

QTEST_GUILESS_MAIN(TestDrawing)
#include "tst_drawing.moc"
