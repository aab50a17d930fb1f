// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an image file: loading it as the programs do (tess::loadImage, with their
// reader settings) must fail cleanly or give an image, and that image must turn into
// records and back exactly.
//
// Checked for every decoded image:
//  - the conversion reports the size of what it scanned and one record per pixel, column by
//    column, every colour value in range and alpha 255;
//  - without reduction the records carry the image's own (straight, not premultiplied)
//    RGB values;
//  - with Excel 2002 compatibility no more than about 60,000 records are made;
//  - drawing the records (RGB) gives back exactly their colours, opaque, everywhere;
//  - drawing them as HSV gives, pixel for pixel, the colour of each record's HSV triple.

#include "../testhelpers.h"
#include "fuzzcheck.h"
#include "model/colorconvert.h"
#include "image/imageconvert.h"
#include "image/imagefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using tess::PixelRecord;
using tess::PixelRecords;

namespace {

// Larger pictures scan too slowly for fuzzing, and their code paths are the same. 256 x 256
// is still above the Excel 2002 limit, so the reduced scan is exercised.
constexpr qint64 MaxPixels = 256 * 256;

const QString *g_path = nullptr; // the file each input is written to

void checkRecords(const QImage &image, bool excel2002)
{
    PixelRecords records;
    const tess::Outcome<tess::ImageConversion> converted = tess::imageToRecords(image, excel2002, records);
    CHECK(converted.ok()); // the decoded picture is capped well below the memory there is
    const tess::ImageConversion &conversion = converted.value();
    const int width = conversion.width;
    const int height = conversion.height;
    CHECK(qint64(records.size()) == qint64(width) * height);
    if (records.empty())
        return;
    CHECK(width >= 1 && height >= 1);
    if (!conversion.plan.reduced)
        CHECK(width == image.width() && height == image.height());
    else
        CHECK(width <= image.width() && height <= image.height());
    if (excel2002)
        CHECK(records.size() <= std::size_t(tess::Excel2002PixelLimit) + std::size_t(width) + height);
    CHECK(records.size() <= std::size_t(tess::MillionPixelLimit) + std::size_t(width) + height);

    // The colour of a record is the pixel's own, not premultiplied by its alpha.
    const QImage straight = conversion.plan.reduced ? QImage() : image.convertToFormat(QImage::Format_ARGB32);
    std::size_t i = 0;
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y, ++i) {
            const PixelRecord &r = records[i];
            CHECK(r.x == x && r.y == y);
            CHECK(r.r >= 0 && r.r <= 255 && r.g >= 0 && r.g <= 255 && r.b >= 0 && r.b <= 255);
            CHECK(r.a == 255);
            CHECK(r.h >= -1 && r.h <= 359 && r.s >= 0 && r.s <= 255 && r.v >= 0 && r.v <= 255);
            if (!conversion.plan.reduced)
                CHECK(qRgb(r.r, r.g, r.b) == (straight.pixel(x, y) | 0xff000000u));
        }
    }

    const QImage rgb = tess::drawRecords(records, width, height, tess::ColourModel::Rgb);
    // A picture wider or taller than the drawing makes (a 39936 x 1 strip) is refused.
    if (width > tess::MaxDrawnSide || height > tess::MaxDrawnSide) {
        CHECK(rgb.isNull());
        return;
    }
    CHECK(rgb.size() == QSize(width, height));
    const QImage hsv = tess::drawRecords(records, width, height, tess::ColourModel::Hsv);
    CHECK(hsv.size() == QSize(width, height));
    for (const PixelRecord &r : records) {
        CHECK(rgb.pixel(r.x, r.y) == qRgb(r.r, r.g, r.b));
        CHECK(hsv.pixel(r.x, r.y) == tess::hsvToRgb(r.h, r.s, r.v));
    }
}

// Decoders complain about broken files on every other input; that is expected here.
void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qInstallMessageHandler(dropMessage);
    // Some decoders (SVG) need the application's fonts; the offscreen platform has them.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept for the whole run and never destroyed: libFuzzer leaves through exit().
    static QGuiApplication *app = new QGuiApplication(*argc, *argv);
    Q_UNUSED(app);
    tess::configureImageReading();
    // The programs' limit lets a tiny file make the decoder allocate up to 1 GB and decode
    // for seconds (a mutated header claiming a photo's size brought the run down to about 24
    // inputs a second); here every decoder, SVG's and the core's own included, refuses
    // anything above 1 MB (512 x 512 at 4 bytes a pixel) before it decodes. tst_badinput
    // checks the programs' own limit.
    QImageReader::setAllocationLimit(1);

    // The input goes to a file in memory where there is such a folder.
    const QString folder = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                               : QDir::tempPath();
    static QTemporaryDir dir(folder + QStringLiteral("/fuzz_imagerecords-XXXXXX"));
    if (!dir.isValid())
        fail("cannot make a folder for the input file");
    g_path = new QString(dir.filePath(QStringLiteral("input")));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Through a file and tess::loadImage, as the programs load: the format is found from
    // the content, and the loader's own checks come first.
    {
        QFile file(*g_path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            fail("cannot write the input file");
    }
    QImage image;
    if (!loadImageInto(*g_path, image) || image.isNull())
        return 0;
    if (qint64(image.width()) * image.height() > MaxPixels)
        return 0;

    checkRecords(image, false);
    checkRecords(image, true);
    return 0;
}
