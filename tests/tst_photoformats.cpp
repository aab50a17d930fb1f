// SPDX-License-Identifier: GPL-3.0-or-later
// Photos as cameras, phones and web pages store them: HEIC, AVIF and JPEG XL made by the
// formats' own encoders and compared with their reference decoders, hostile variants of
// them, and JPEG photos in each of the eight EXIF orientations.

#include "image/imagefile.h"
#include "testhelpers.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>

namespace {

// Runs an encoder or decoder; its arguments name the input and output files.
bool run(const QStringList &command)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command.first(), command.mid(1));
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(command.join(' ')), process.readAll().constData());
        return false;
    }
    return true;
}

QStringList withFiles(QStringList command, const QString &in, const QString &out)
{
    command.replaceInStrings(QStringLiteral("{in}"), in);
    command.replaceInStrings(QStringLiteral("{out}"), out);
    return command;
}

// Smooth ramps with a few sharp edges: lossy coders keep it close, and every pixel differs
// from its neighbours, so a row or column out of place shows.
QImage pattern(int width, int height, bool alpha)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba(x * 255 / (width - 1), y * 255 / (height - 1), (x < width / 2) == (y < height / 2) ? 40 : 220,
                                       alpha ? 64 + (x + y) * 191 / (width + height - 2) : 255));
    return image;
}

// The largest difference of any channel, alpha included, of the straight (not
// premultiplied) colours; -1 when the sizes differ.
int largestDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    const QImage left = a.convertToFormat(QImage::Format_ARGB32), right = b.convertToFormat(QImage::Format_ARGB32);
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = left.pixel(x, y), q = right.pixel(x, y);
            largest = std::max({largest, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q)),
                            qAbs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

// Where the pixel stored at (x, y) of a stored picture of width x height appears once the
// EXIF orientation is applied (the tag says how to turn the stored picture for display).
QPoint uprightPosition(int orientation, int x, int y, int width, int height)
{
    switch (orientation) {
    case 2: return {width - 1 - x, y};              // mirrored left to right
    case 3: return {width - 1 - x, height - 1 - y}; // half a turn
    case 4: return {x, height - 1 - y};             // mirrored top to bottom
    case 5: return {y, x};                          // mirrored about the main diagonal
    case 6: return {height - 1 - y, x};             // a quarter turn clockwise
    case 7: return {height - 1 - y, width - 1 - x}; // mirrored about the other diagonal
    case 8: return {y, width - 1 - x};              // a quarter turn anticlockwise
    default: return {x, y};
    }
}

// The upright picture of the orientation tests: 3 x 2 blocks of 16 pixels, all of them
// different, so that any turn or mirror shows. Blocks as large as JPEG's keep the colours.
constexpr int Block = 16;
const QRgb BlockColours[2][3] = {{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)},
                                 {qRgb(255, 255, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)}};

QImage storedForOrientation(int orientation)
{
    const bool swapped = orientation >= 5;
    const int width = swapped ? 2 * Block : 3 * Block, height = swapped ? 3 * Block : 2 * Block;
    QImage stored(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QPoint upright = uprightPosition(orientation, x, y, width, height);
            stored.setPixel(x, y, BlockColours[upright.y() / Block][upright.x() / Block]);
        }
    }
    return stored;
}

// A one-entry Exif structure: Orientation (0x0112), one SHORT, big-endian.
QByteArray exifOrientation(int orientation)
{
    return QByteArray("MM\x00\x2a\x00\x00\x00\x08" // header, directory at 8
                      "\x00\x01"                   // one entry
                      "\x01\x12\x00\x03\x00\x00\x00\x01", 18)
        + char(0) + char(orientation) + QByteArray(2, '\0') // the value, padded to 4 bytes
        + QByteArray(4, '\0');                              // no next directory
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    writer.write(image);
    return bytes;
}

QByteArray littleEndian(quint32 value, int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i, value >>= 8)
        bytes += char(value & 0xff);
    return bytes;
}

// The Exif block in an APP1 segment right after the start-of-image marker, where cameras
// put theirs.
QByteArray jpegWithOrientation(const QImage &stored, int orientation)
{
    const QByteArray jpeg = encoded(stored, "jpeg");
    const QByteArray payload = QByteArray("Exif\0\0", 6) + exifOrientation(orientation);
    QByteArray segment("\xff\xe1", 2);
    segment += char((payload.size() + 2) >> 8);
    segment += char((payload.size() + 2) & 0xff);
    return jpeg.left(2) + segment + payload + jpeg.mid(2);
}

// The extended WebP layout: a VP8X chunk announcing Exif, the picture's chunk as Qt wrote
// it, and an EXIF chunk holding the Exif structure alone, as WebP keeps it.
QByteArray webpWithOrientation(const QImage &stored, int orientation)
{
    const QByteArray exif = exifOrientation(orientation); // an even size: no padding
    const QByteArray body = "WEBP" + QByteArray("VP8X") + littleEndian(10, 4) + littleEndian(0x08, 4)
        + littleEndian(stored.width() - 1, 3) + littleEndian(stored.height() - 1, 3)
        + encoded(stored, "webp").mid(12) + "EXIF" + littleEndian(exif.size(), 4) + exif;
    return "RIFF" + littleEndian(body.size(), 4) + body;
}

// A bare JPEG XL codestream header that claims width x height and nothing else. Fields are
// packed from the lowest bit up: not small; height - 1 as U32 selector 2 (18 bits); ratio
// 0; width - 1 the same way; image metadata all default.
QByteArray jxlClaiming(quint32 width, quint32 height)
{
    QByteArray bytes("\xff\x0a", 2);
    quint64 bits = 0;
    int count = 0;
    const auto put = [&](quint64 value, int size) {
        bits |= value << count;
        count += size;
    };
    put(0, 1);
    put(2, 2);
    put(height - 1, 18);
    put(0, 3);
    put(2, 2);
    put(width - 1, 18);
    put(1, 1);
    for (; count > 0; count -= 8, bits >>= 8)
        bytes += char(bits & 0xff);
    return bytes + QByteArray(16, '\0');
}

// Every box of the given type gets new content at offset (after its type).
QByteArray patchBoxes(QByteArray bytes, const QByteArray &type, int offset, const QByteArray &content)
{
    for (qsizetype at = bytes.indexOf(type); at >= 0; at = bytes.indexOf(type, at + 4))
        bytes.replace(at + 4 + offset, content.size(), content);
    return bytes;
}

QString missingTool(const QStringList &tools)
{
    for (const QString &tool : tools) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return tool;
    }
    return {};
}

// Skips the test (QSKIP leaves only the function it is written in) when a tool is missing.
#define REQUIRE_TOOLS(...)                                                                                             \
    do {                                                                                                               \
        if (const QString missing = missingTool(__VA_ARGS__); !missing.isEmpty())                                    \
            QSKIP(qPrintable(missing + QStringLiteral(" is not installed (libheif-examples, libavif-bin, libjxl-tools)"))); \
    } while (false)

const QStringList HeifEncoder{"heif-enc", "-q", "90", "{in}", "-o", "{out}"};
const QStringList AvifEncoder{"avifenc", "-l", "-s", "9", "{in}", "{out}"};
const QStringList JxlEncoder{"cjxl", "-d", "0", "{in}", "{out}"};

} // namespace

class TestPhotoFormats : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        tess::configureImageReading();
    }

    // Each picture made by the format's encoder, read as the programs read it, and compared
    // with what the format's reference decoder makes of the same file.
    void decodesAsTheReferenceDecoder_data()
    {
        QTest::addColumn<QStringList>("encoder");
        QTest::addColumn<QStringList>("referenceDecoder");
        QTest::addColumn<bool>("alpha");
        QTest::addColumn<bool>("grey");
        QTest::addColumn<int>("tolerance");     // against the reference decoder
        QTest::addColumn<bool>("lossless");     // then also exactly the source picture
        QTest::addColumn<QByteArray>("freedBox"); // a box the encoder wrote, made free space

        const QStringList heifConvert{"heif-convert", "{in}", "{out}"};
        const QStringList avifdec{"avifdec", "{in}", "{out}"};
        const QStringList djxl{"djxl", "{in}", "{out}"};
        QTest::newRow("heic") << HeifEncoder << heifConvert << false << false << 0 << false << QByteArray();
        QTest::newRow("heic with alpha") << HeifEncoder << heifConvert << true << false << 0 << false << QByteArray();
        QTest::newRow("avif lossless") << AvifEncoder << avifdec << false << false << 0 << true << QByteArray();
        QTest::newRow("avif lossless with alpha") << AvifEncoder << avifdec << true << false << 0 << true << QByteArray();
        // libheif and avifdec round 10 bits to 8 each their own way: one step apart at most
        QTest::newRow("avif 10-bit reduced to 8 bits")
            << QStringList{"avifenc", "-d", "10", "-s", "9", "{in}", "{out}"}
            << QStringList{"avifdec", "-d", "8", "{in}", "{out}"} << false << false << 1 << false << QByteArray();
        // Photos as cameras and web pages store them: chroma at half resolution, interpolated
        // when drawn, as avifdec and the browsers do (repeating the samples is up to 58 off).
        const QStringList avifPhoto{"avifenc", "-y", "420", "-s", "9", "--min", "10", "--max", "20", "{in}", "{out}"};
        const QStringList avifdecLenient{"avifdec", "--no-strict", "{in}", "{out}"};
        QTest::newRow("avif 4:2:0") << avifPhoto << avifdecLenient << false << false << 1 << false << QByteArray();
        QTest::newRow("avif 4:2:0 with alpha") << avifPhoto << avifdecLenient << true << false << 1 << false << QByteArray();
        // No pixel information property: strict readers refuse it, browsers draw it
        QTest::newRow("avif without pixi") << avifPhoto << avifdecLenient << false << false << 1 << false << QByteArray("pixi");
        QTest::newRow("jxl lossless") << JxlEncoder << djxl << false << false << 0 << true << QByteArray();
        QTest::newRow("jxl lossless with alpha") << JxlEncoder << djxl << true << false << 0 << true << QByteArray();
        QTest::newRow("jxl lossless grey") << JxlEncoder << djxl << false << true << 0 << true << QByteArray();
        QTest::newRow("jxl lossy") << QStringList{"cjxl", "-d", "1", "{in}", "{out}"} << djxl << false << false << 0 << false << QByteArray();
    }

    void decodesAsTheReferenceDecoder()
    {
        QFETCH(QStringList, encoder);
        QFETCH(QStringList, referenceDecoder);
        QFETCH(bool, alpha);
        QFETCH(bool, grey);
        QFETCH(int, tolerance);
        QFETCH(bool, lossless);
        QFETCH(QByteArray, freedBox);
        REQUIRE_TOOLS({encoder.first(), referenceDecoder.first()});

        QImage source = pattern(40, 30, alpha);
        if (grey)
            source = source.convertToFormat(QImage::Format_Grayscale8);
        const QString sourcePath = m_dir.filePath(grey ? QStringLiteral("source.pgm") : QStringLiteral("source.png"));
        QVERIFY(source.save(sourcePath));
        const QString encoded = m_dir.filePath(QStringLiteral("encoded"));
        const QString reference = m_dir.filePath(QStringLiteral("reference.png"));
        QVERIFY(run(withFiles(encoder, sourcePath, encoded)));
        if (!freedBox.isEmpty()) {
            const QByteArray bytes = readAll(encoded);
            QVERIFY(bytes.contains(freedBox));
            QVERIFY(writeFile(encoded, QByteArray(bytes).replace(freedBox, "free")));
        }
        QVERIFY(run(withFiles(referenceDecoder, encoded, reference)));

        QImage image;
        QVERIFY(loadImageInto(encoded, image)); // no suffix: found by content alone
        QImage expected;
        QVERIFY(expected.load(reference, "png"));
        const int difference = largestDifference(image, expected);
        QVERIFY2(difference >= 0 && difference <= tolerance, qPrintable(QStringLiteral("differs by %1").arg(difference)));
        if (lossless)
            QCOMPARE(largestDifference(image, source), 0);
    }

    // The rotation stored in the container is applied, as with a phone's portrait photo.
    void avifRotationApplied()
    {
        REQUIRE_TOOLS({"avifenc"});
        const QImage source = pattern(40, 30, false);
        const QString sourcePath = m_dir.filePath(QStringLiteral("landscape.png"));
        const QString encoded = m_dir.filePath(QStringLiteral("turned.avif"));
        QVERIFY(source.save(sourcePath));
        // irot 1: a quarter turn anticlockwise for display, as EXIF orientation 8 says it
        QVERIFY(run({"avifenc", "-l", "-s", "9", "--irot", "1", sourcePath, encoded}));

        QImage image;
        QVERIFY(loadImageInto(encoded, image));
        QCOMPARE(image.size(), QSize(30, 40));
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                const QPoint upright = uprightPosition(8, x, y, source.width(), source.height());
                QCOMPARE(image.pixel(upright) | 0xff000000u, source.pixel(x, y));
            }
        }
    }

    // Many writers put the generic brand mif1 first and name the coding among the compatible
    // brands. Of two pictures, the primary one is read, as heif-convert draws it.
    void genericBrandReadsPrimaryPicture()
    {
        REQUIRE_TOOLS({"heif-enc", "heif-convert"});
        const QString first = m_dir.filePath(QStringLiteral("first.png")), second = m_dir.filePath(QStringLiteral("second.png"));
        QVERIFY(pattern(40, 30, false).save(first));
        QVERIFY(pattern(40, 30, false).mirrored(true, false).save(second));
        const QString encoded = m_dir.filePath(QStringLiteral("two.heic")), path = m_dir.filePath(QStringLiteral("generic.heif"));
        QVERIFY(run({"heif-enc", "-q", "90", first, second, "-o", encoded})); // the first is the primary
        QByteArray bytes = readAll(encoded);
        QCOMPARE(bytes.mid(4, 8), QByteArray("ftypheic"));
        QVERIFY(writeFile(path, bytes.replace(8, 4, "mif1")));
        QVERIFY(run({"heif-convert", path, m_dir.filePath(QStringLiteral("converted.png"))}));

        QImage image, primary, other;
        QVERIFY(loadImageInto(path, image));
        QVERIFY(primary.load(m_dir.filePath(QStringLiteral("converted-1.png"))));
        QVERIFY(other.load(m_dir.filePath(QStringLiteral("converted-2.png"))));
        QCOMPARE(largestDifference(image, primary), 0);
        QVERIFY(largestDifference(image, other) > 0);
    }

    // Each gets "Invalid image format." in the programs: refused, the image passed in kept.
    void refusesBrokenPhotos_data()
    {
        QTest::addColumn<QStringList>("encoder");  // empty: the bytes are made here
        QTest::addColumn<QString>("defect");
        QTest::addColumn<QString>("fileName");

        QTest::newRow("heic cut in half") << HeifEncoder << "cut" << "cut.heic";
        QTest::newRow("avif cut in half") << AvifEncoder << "cut" << "cut.avif";
        QTest::newRow("jxl cut in half") << JxlEncoder << "cut" << "cut.jxl";
        QTest::newRow("heic only its file type box") << HeifEncoder << "ftyp only" << "head.heic";
        QTest::newRow("heic claiming 100000 x 100000") << HeifEncoder << "huge" << "huge.heic";
        QTest::newRow("avif claiming 100000 x 100000") << AvifEncoder << "huge" << "huge.avif";
        QTest::newRow("jxl claiming 100000 x 100000") << QStringList() << "huge" << "huge.jxl";
        QTest::newRow("heif without a primary image") << HeifEncoder << "no primary" << "noprimary.heic";
        QTest::newRow("text named .heic") << QStringList() << "text" << "text.heic";
        QTest::newRow("text named .jxl") << QStringList() << "text" << "text.jxl";
    }

    void refusesBrokenPhotos()
    {
        QFETCH(QStringList, encoder);
        QFETCH(QString, defect);
        QFETCH(QString, fileName);

        REQUIRE_TOOLS(encoder.mid(0, 1));
        QByteArray bytes = "x,y,r,g,b\n0,0,1,2,3\n";
        if (!encoder.isEmpty())
            bytes = encode(encoder, pattern(40, 30, false));
        else if (defect == QLatin1String("huge"))
            bytes = jxlClaiming(100000, 100000);
        if (defect == QLatin1String("cut"))
            bytes.truncate(bytes.size() / 2);
        else if (defect == QLatin1String("ftyp only"))
            bytes.truncate(qFromBigEndian<quint32>(bytes.constData()));
        else if (defect == QLatin1String("huge") && !encoder.isEmpty()) // the image spatial extent property
            bytes = patchBoxes(bytes, "ispe", 4, bigEndian32(100000) + bigEndian32(100000));
        else if (defect == QLatin1String("no primary")) // the primary item box becomes free space
            bytes.replace("pitm", "free");
        QVERIFY(!bytes.isEmpty());
        const QString path = m_dir.filePath(fileName);
        QVERIFY(writeFile(path, bytes));
        if (fileName == QLatin1String("huge.jxl")) // the header made here says what it should
            QCOMPARE(QImageReader(path).size(), QSize(100000, 100000));

        QImage image = pattern(3, 2, false);
        const qint64 before = image.cacheKey();
        QVERIFY(!loadImageInto(path, image));
        QCOMPARE(image.cacheKey(), before);
    }

    // A picture larger than the decoders take is refused at once, naming its size, and
    // the decoder never sets aside its pixels: the HEIC grid is a 696-byte file that
    // declares 16 x 12 pixels and made libheif claim 9 GB for the canvas its grid names.
    void refusesTooLargeNamingItsSize_data()
    {
        QTest::addColumn<QStringList>("encoder"); // empty: the bytes are made here
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("size");

        QTest::newRow("heic grid larger than declared") << QStringList() << "grid.heic" << "26725 x 26982";
        QTest::newRow("heic declaring 10000 x 10000") << HeifEncoder << "large.heic" << "10000 x 10000";
        QTest::newRow("avif declaring 10000 x 10000") << AvifEncoder << "large.avif" << "10000 x 10000";
        QTest::newRow("jxl claiming 9000 x 9000") << QStringList() << "large.jxl" << "9000 x 9000";
        QTest::newRow("png claiming 20000 x 20000") << QStringList() << "large.png" << "20000 x 20000";
    }

    void refusesTooLargeNamingItsSize()
    {
        QFETCH(QStringList, encoder);
        QFETCH(QString, fileName);
        QFETCH(QString, size);
        REQUIRE_TOOLS(encoder.mid(0, 1));
        QString path = m_dir.filePath(fileName);
        QByteArray bytes;
        if (fileName == QLatin1String("grid.heic"))
            path = QStringLiteral(TESSARINE_TEST_DATA "/pictures/grid-canvas-larger-than-declared.heic");
        else if (fileName == QLatin1String("large.jxl"))
            bytes = jxlClaiming(9000, 9000); // 81 megapixels: 324 MB as RGBA, more in libjxl's planes
        else if (fileName == QLatin1String("large.png"))
            bytes = QByteArray("\x89PNG\r\n\x1a\n", 8)
                    + pngChunk("IHDR", bigEndian32(20000) + bigEndian32(20000) + QByteArray("\x08\x06\0\0\0", 5))
                    + pngChunk("IDAT", QByteArray(16, '\0')) + pngChunk("IEND", {});
        else
            bytes = patchBoxes(encode(encoder, pattern(40, 30, false)), "ispe", 4, bigEndian32(10000) + bigEndian32(10000));
        if (!bytes.isEmpty())
            QVERIFY(writeFile(path, bytes));

        const tess::Outcome<QImage> loaded = tess::loadImage(path);
        QVERIFY(!loaded.ok());
        QCOMPARE(loaded.result().status, tess::Status::ImageUnreadable);
        QVERIFY2(loaded.result().detail.contains(size), qPrintable(loaded.result().detail));
    }

    // A picture that loads under the programs' limit is refused under a lower one, before
    // its decoder allocates anything.
    void honoursAllocationLimit_data()
    {
        QTest::addColumn<QStringList>("encoder");
        QTest::newRow("heic") << HeifEncoder;
        QTest::newRow("avif") << AvifEncoder;
        QTest::newRow("jxl") << JxlEncoder;
    }

    void honoursAllocationLimit()
    {
        QFETCH(QStringList, encoder);
        REQUIRE_TOOLS(encoder.mid(0, 1));
        const QString path = m_dir.filePath(QStringLiteral("600x600"));
        QVERIFY(writeFile(path, encode(encoder, pattern(600, 600, false))));
        QImage image;
        QVERIFY(loadImageInto(path, image));
        QCOMPARE(image.size(), QSize(600, 600));

        QImageReader::setAllocationLimit(1); // 1 MB: 600 x 600 x 4 bytes is 1.4 MB
        const bool loaded = loadImageInto(path, image);
        tess::configureImageReading();
        QVERIFY(!loaded);
    }

    // The decoder is chosen by the content; the name decides nothing.
    void decoderFoundByContent_data()
    {
        QTest::addColumn<QStringList>("encoder");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("format");

        QTest::newRow("jxl named .heic") << JxlEncoder << "jxl.heic" << QByteArray("jxl");
        QTest::newRow("png named .heic") << QStringList() << "png.heic" << QByteArray("png");
        QTest::newRow("heic named .jpg") << HeifEncoder << "heic.jpg" << QByteArray("heic");
        QTest::newRow("avif named .jxl") << AvifEncoder << "avif.jxl" << QByteArray("avif");
    }

    void decoderFoundByContent()
    {
        QFETCH(QStringList, encoder);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, format);
        REQUIRE_TOOLS(encoder.mid(0, 1));
        const QImage source = pattern(40, 30, false);
        const QString path = m_dir.filePath(fileName);
        if (encoder.isEmpty())
            QVERIFY(source.save(path, "png"));
        else
            QVERIFY(writeFile(path, encode(encoder, source)));

        QCOMPARE(QImageReader(path).format(), format);
        QImage image;
        QVERIFY(loadImageInto(path, image));
        QCOMPARE(image.size(), source.size());
    }

    // A photo whose camera was held otherwise loads upright: its size, and every block in
    // its place.
    void orientedPhotoLoadsUpright_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("orientation");
        const char *names[] = {"", "1 as stored", "2 mirrored", "3 half turn", "4 flipped", "5 transposed",
                               "6 quarter turn clockwise", "7 transversed", "8 quarter turn anticlockwise"};
        for (const char *format : {"jpeg", "webp"}) {
            for (int orientation = 1; orientation <= 8; ++orientation)
                QTest::addRow("%s %s", format, names[orientation]) << QByteArray(format) << orientation;
        }
        QTest::newRow("tiff quarter turn clockwise") << QByteArray("tiff") << 6;
    }

    void orientedPhotoLoadsUpright()
    {
        QFETCH(QByteArray, format);
        QFETCH(int, orientation);
        const QImage stored = storedForOrientation(orientation);
        QByteArray bytes;
        if (format == "jpeg") {
            bytes = jpegWithOrientation(stored, orientation);
        } else if (format == "webp") {
            bytes = webpWithOrientation(stored, orientation);
        } else {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, format);
            writer.setTransformation(QImageIOHandler::TransformationRotate90);
            QVERIFY(writer.write(stored));
        }
        const QString path = m_dir.filePath(QStringLiteral("oriented.") + QString::fromLatin1(format));
        QVERIFY(writeFile(path, bytes));

        QImage image;
        QVERIFY(loadImageInto(path, image));
        QCOMPARE(image.size(), QSize(3 * Block, 2 * Block));
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 3; ++column) {
                const QRgb seen = image.pixel(column * Block + Block / 2, row * Block + Block / 2);
                const QRgb wanted = BlockColours[row][column];
                QVERIFY2(qAbs(qRed(seen) - qRed(wanted)) < 48 && qAbs(qGreen(seen) - qGreen(wanted)) < 48
                             && qAbs(qBlue(seen) - qBlue(wanted)) < 48,
                         qPrintable(QStringLiteral("block %1,%2 is %3").arg(column).arg(row).arg(seen, 8, 16)));
            }
        }
    }

private:
    QByteArray encode(const QStringList &encoder, const QImage &source)
    {
        const QString in = m_dir.filePath(QStringLiteral("to-encode.png")), out = m_dir.filePath(QStringLiteral("encoded.out"));
        if (!source.save(in) || !run(withFiles(encoder, in, out)))
            return {};
        return QFile::exists(out) ? readAll(out) : QByteArray();
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPhotoFormats)
#include "tst_photoformats.moc"
