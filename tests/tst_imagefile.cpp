// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/imagefile.h"
#include "testhelpers.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <png.h>

namespace {

QByteArray littleEndian32(quint32 value)
{
    value = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&value), 4);
}

const QByteArray PngSignature("\x89PNG\r\n\x1a\n", 8);

// 3 x 2, black at (0, 0), white elsewhere: every format keeps it, the one-bit ones too.
QImage testPicture()
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    return image;
}

QByteArray encoded(const QImage &image, const QByteArray &format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image))
        qWarning("cannot encode the test picture as %s: %s", format.constData(), qPrintable(writer.errorString()));
    return bytes;
}

// GIF has no writer: the test picture in two colours, 3-bit LZW codes with a clear code
// every two pixels so the code width never grows.
QByteArray handMadeGif()
{
    QByteArray lzw;
    quint32 bits = 0;
    int count = 0;
    for (const int code : {4, 0, 1, 4, 1, 1, 4, 1, 1, 5}) { // clear, pixels..., end
        bits |= quint32(code) << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8)
            lzw.append(char(bits & 0xff));
    }
    if (count > 0)
        lzw.append(char(bits & 0xff));
    return QByteArray("GIF89a\x03\x00\x02\x00\x80\x00\x00" "\x00\x00\x00\xff\xff\xff" // 3 x 2; black, white
                      ",\x00\x00\x00\x00\x03\x00\x02\x00\x00\x02", 30) // image descriptor; minimum code size
        + char(lzw.size()) + lzw + QByteArray("\x00;", 2);
}

// MNG has no writer either: a one-frame MNG is an MHDR, a PNG's chunks, and MEND.
QByteArray handMadeMng()
{
    // frame 3 x 2, 1 tick per second, no layer, frame or play time counts, simplicity 1
    const QByteArray header = bigEndian32(3) + bigEndian32(2) + bigEndian32(1) + QByteArray(12, '\0') + bigEndian32(1);
    return QByteArray("\x8aMNG\r\n\x1a\n", 8) + pngChunk("MHDR", header)
        + encoded(testPicture(), "png").mid(PngSignature.size()) + pngChunk("MEND", {});
}

const QByteArray SvgText(
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"3\" height=\"2\">"
    "<rect width=\"3\" height=\"2\" fill=\"#ffffff\"/>"
    "<rect width=\"1\" height=\"1\" fill=\"#000000\"/></svg>\n");

// gzip with one stored (uncompressed) deflate block: no compression library needed.
QByteArray gzipStored(const QByteArray &data)
{
    const quint32 length = quint32(data.size()) | (quint32(~data.size() & 0xffff) << 16);
    return QByteArray("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\xff\x01", 11) // header; final stored block
        + littleEndian32(length) + data + littleEndian32(crc32(data)) + littleEndian32(quint32(data.size()));
}

// Qt reads TGA but does not write it: uncompressed true colour, 24 bits, rows from the top,
// and the version 2 footer without which Qt's reader refuses the file.
QByteArray handMadeTga()
{
    QByteArray pixels;
    for (int i = 0; i < 6; ++i)
        pixels += QByteArray(3, i == 0 ? '\x00' : '\xff');
    return QByteArray("\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00"
                      "\x03\x00\x02\x00\x18\x20", 18)
        + pixels + QByteArray(8, '\0') + QByteArray("TRUEVISION-XFILE.\0", 18);
}

// A PNG whose header promises width x height pixels and has no pixel data.
QByteArray pngClaiming(quint32 width, quint32 height)
{
    const QByteArray header = bigEndian32(width) + bigEndian32(height) + QByteArray("\x08\x06\x00\x00\x00", 5);
    const QByteArray emptyZlibStream("\x78\x9c\x03\x00\x00\x00\x00\x01", 8);
    return PngSignature + pngChunk("IHDR", header) + pngChunk("IDAT", emptyZlibStream) + pngChunk("IEND", {});
}

// A seekable device that accepts the first limit bytes and then refuses every write.
class FailingDevice : public QBuffer
{
public:
    explicit FailingDevice(qint64 limit) : m_limit(limit) {}

protected:
    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_accepted + size > m_limit) {
            setErrorString(QStringLiteral("device full"));
            return -1;
        }
        m_accepted += size;
        return QBuffer::writeData(data, size);
    }

private:
    qint64 m_limit;
    qint64 m_accepted = 0;
};

const QList<QByteArray> WritableSuffixes = {"bmp", "ico", "jpeg", "jpg", "pbm", "pgm", "png",
                                            "ppm", "tif", "tiff", "xbm", "xpm"};

// Noise in every channel, alpha included (0 and 255 among it), so that any filter or
// byte-order slip shows.
QImage noisePicture(int width, int height, QImage::Format format)
{
    QImage image(width, height, format);
    quint32 seed = 7;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int alpha = x == 0 ? 0 : x == 1 ? 255 : int(seed >> 24);
            image.setPixel(x, y, format == QImage::Format_ARGB32 ? (seed & 0xffffffu) | uint(alpha) << 24 : seed | 0xff000000u);
        }
    }
    return image;
}

// The PNG read by libpng itself, as straight ARGB32.
QImage readByLibpng(const QString &path)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, QFile::encodeName(path).constData()))
        return {};
    png.format = PNG_FORMAT_BGRA;
    QImage image(int(png.width), int(png.height), QImage::Format_ARGB32);
    if (!png_image_finish_read(&png, nullptr, image.bits(), int(image.bytesPerLine()), nullptr))
        return {};
    return image;
}

// The PNG read by ImageMagick, as straight ARGB32; null when it is not installed.
QImage readByImageMagick(const QString &path, QSize size)
{
    if (QStandardPaths::findExecutable(QStringLiteral("convert")).isEmpty())
        return {};
    QProcess convert;
    convert.start(QStringLiteral("convert"), {path, QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("bgra:-")});
    if (!convert.waitForFinished(60000) || convert.exitCode() != 0)
        return {};
    const QByteArray bytes = convert.readAllStandardOutput();
    if (bytes.size() != qsizetype(size.width()) * size.height() * 4)
        return {};
    return QImage(reinterpret_cast<const uchar *>(bytes.constData()), size.width(), size.height(), QImage::Format_ARGB32).copy();
}

} // namespace

class TestImageFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        tess::configureImageReading();
    }

    // A 6000 x 6000 photo needs 144 MB decoded: more than a 128 MB limit, well within
    // what the program sets.
    void largePhotoLoads()
    {
        const QString path = m_dir.filePath(QStringLiteral("large.png"));
        {
            QImage photo(6000, 6000, QImage::Format_ARGB32);
            photo.fill(qRgba(200, 120, 40, 255));
            photo.setPixel(5999, 5999, qRgba(1, 2, 3, 4));
            QImageWriter writer(path, "png");
            writer.setQuality(90); // fast deflate: the test is about decoding
            QVERIFY(writer.write(photo));
        }
        QImageReader::setAllocationLimit(128);
        tess::configureImageReading();
        QImage image;
        QVERIFY(loadImageInto(path, image));
        QCOMPARE(image.size(), QSize(6000, 6000));
        QCOMPARE(image.pixel(5999, 5999), qRgba(1, 2, 3, 4));
        QFile::remove(path);
    }

    // Every suffix of the open dialog's filter, each file made here.
    void loadEveryOfferedFormat_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exactColours");

        for (const QByteArray &suffix : WritableSuffixes)
            QTest::newRow(suffix.constData()) << "picture." + QString::fromLatin1(suffix) << encoded(testPicture(), suffix)
                                               << !suffix.startsWith("jp");
        QTest::newRow("gif") << QStringLiteral("picture.gif") << handMadeGif() << true;
        QTest::newRow("mng") << QStringLiteral("picture.mng") << handMadeMng() << true;
        QTest::newRow("svg") << QStringLiteral("picture.svg") << SvgText << true;
        QTest::newRow("svgz") << QStringLiteral("picture.svgz") << gzipStored(SvgText) << true;
        QTest::newRow("webp") << QStringLiteral("picture.webp") << encoded(testPicture(), "webp") << false;
        QTest::newRow("tga") << QStringLiteral("picture.tga") << handMadeTga() << true;
        QTest::newRow("upper-case suffix") << QStringLiteral("PICTURE.PNG") << encoded(testPicture(), "png") << true;
        QTest::newRow("jpeg content under a png name") << QStringLiteral("misnamed.png") << encoded(testPicture(), "jpeg") << false;
        QTest::newRow("png content without a suffix") << QStringLiteral("nosuffix") << encoded(testPicture(), "png") << true;
    }

    void loadEveryOfferedFormat()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exactColours);

        const QString suffix = QFileInfo(fileName).suffix().toLower();
        if (!suffix.isEmpty() && !QImageReader::supportedImageFormats().contains(suffix.toLatin1()))
            QSKIP(qPrintable(QStringLiteral("this Qt has no reader for %1 (image format plug-in missing)").arg(suffix)));

        QVERIFY(!bytes.isEmpty());
        const QString path = m_dir.filePath(fileName);
        QVERIFY(writeFile(path, bytes));
        QImage image;
        QVERIFY(loadImageInto(path, image));
        QCOMPARE(image.size(), QSize(3, 2));
        const QRgb black = image.pixel(0, 0), white = image.pixel(2, 1);
        if (exactColours) {
            QCOMPARE(black & 0xffffffu, 0x000000u);
            QCOMPARE(white & 0xffffffu, 0xffffffu);
        } else {
            QVERIFY2(qGray(black) < 64 && qGray(white) > 192, "light and dark swapped or lost");
        }
    }

    // Refused, and the image passed in is left untouched.
    void refuseWhatIsNotAnImage_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes"); // a null array: no file at all

        QTest::newRow("missing file") << QStringLiteral("missing.png") << QByteArray();
        QTest::newRow("text named .png") << QStringLiteral("text.png") << QByteArray("x,y,r,g,b\n0,0,1,2,3\n");
        QTest::newRow("empty file") << QStringLiteral("empty.png") << QByteArray("");
        QTest::newRow("png cut inside its pixels") << QStringLiteral("cut.png") << encoded(testPicture(), "png").left(45);
        QTest::newRow("svg that is not xml") << QStringLiteral("broken.svg") << QByteArray("<svg width=\"3\"");
        QTest::newRow("gzip of text named .svgz") << QStringLiteral("text.svgz") << gzipStored("hello\n");
        // a 60-byte file claiming 40 GB is refused on its header, not after allocating
        QTest::newRow("png claiming 100000 x 100000") << QStringLiteral("huge.png") << pngClaiming(100000, 100000);
    }

    void refuseWhatIsNotAnImage()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(fileName);
        if (!bytes.isNull())
            QVERIFY(writeFile(path, bytes));

        QImage image = testPicture();
        const qint64 before = image.cacheKey();
        QVERIFY(!loadImageInto(path, image));
        QCOMPARE(image.cacheKey(), before);
    }

    void saveRoundTrip_data()
    {
        QTest::addColumn<QString>("fileName");
        for (const QByteArray &suffix : WritableSuffixes)
            QTest::newRow(suffix.constData()) << "saved." + QString::fromLatin1(suffix);
        QTest::newRow("upper-case suffix") << QStringLiteral("SAVED.PNG");
        QTest::newRow("space and dots in the name") << QStringLiteral("my pictures.v2.bmp");
    }

    // The format follows the suffix, not a default.
    void saveRoundTrip()
    {
        QFETCH(QString, fileName);
        const QString path = m_dir.filePath(fileName);
        QVERIFY(tess::saveImage(testPicture(), path).ok());

        QImage loaded;
        QVERIFY(loadImageInto(path, loaded));
        QCOMPARE(loaded.size(), QSize(3, 2));
        const QByteArray expected = QFileInfo(fileName).suffix().toLower().toLatin1();
        if (!expected.startsWith("jp")) {
            QCOMPARE(loaded.pixel(0, 0) & 0xffffffu, 0x000000u);
            QCOMPARE(loaded.pixel(2, 1) & 0xffffffu, 0xffffffu);
        }
        const QByteArray detected = QImageReader::imageFormat(path);
        QVERIFY2(detected == expected || (expected == "jpg" && detected == "jpeg") || (expected == "tif" && detected == "tiff"),
                 detected.constData());
    }

    // Pictures saved as PNG read back with every pixel as it was, whoever reads them.
    void pngReadsBackExactly_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::newRow("rgb") << noisePicture(97, 61, QImage::Format_RGB32);
        QTest::newRow("rgb with alpha") << noisePicture(97, 61, QImage::Format_ARGB32);
        QTest::newRow("one column") << noisePicture(1, 300, QImage::Format_ARGB32);
        QTest::newRow("one row") << noisePicture(2000, 1, QImage::Format_RGB32);
        QTest::newRow("premultiplied, through the toolkit")
            << noisePicture(40, 30, QImage::Format_ARGB32).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QTest::newRow("grey, through the toolkit") << testPicture().convertToFormat(QImage::Format_Grayscale8);
    }

    void pngReadsBackExactly()
    {
        QFETCH(QImage, picture);
        const QString path = m_dir.filePath(QStringLiteral("exact.png"));
        QVERIFY(tess::saveImage(picture, path).ok());
        const QImage expected = picture.convertToFormat(QImage::Format_ARGB32);

        QImage byToolkit;
        QVERIFY(byToolkit.load(path, "png"));
        QCOMPARE(byToolkit.convertToFormat(QImage::Format_ARGB32), expected);
        QCOMPARE(readByLibpng(path), expected);
        if (const QImage byImageMagick = readByImageMagick(path, picture.size()); !byImageMagick.isNull())
            QCOMPARE(byImageMagick, expected);
        else if (!QStandardPaths::findExecutable(QStringLiteral("convert")).isEmpty())
            QFAIL("ImageMagick could not read the PNG");
        QCOMPARE(byToolkit.dotsPerMeterX(), picture.dotsPerMeterX());
    }

    // A failure leaves a file that was there before as it was, and creates nothing where
    // there was nothing.
    void saveFailureKeepsOldFile_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QImage>("image");

        QTest::newRow("unknown suffix") << QStringLiteral("old.abc") << testPicture();
        QTest::newRow("readable but not writable format") << QStringLiteral("old.gif") << testPicture();
        QTest::newRow("null image") << QStringLiteral("old.png") << QImage();
        // the encoder itself refuses this one, after the save file was opened
        QTest::newRow("jpeg wider than 65500") << QStringLiteral("old.jpg") << QImage(70000, 1, QImage::Format_RGB32);
    }

    void saveFailureKeepsOldFile()
    {
        QFETCH(QString, fileName);
        QFETCH(QImage, image);
        if (!image.isNull())
            image.fill(Qt::red);

        QTemporaryDir folder;
        const QString path = folder.filePath(fileName);
        const QByteArray old = "the old file's bytes\n";
        QVERIFY(writeFile(path, old));
        QVERIFY(!tess::saveImage(image, path).ok());
        QCOMPARE(readAll(path), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{fileName});

        QVERIFY(QFile::remove(path));
        QVERIFY(!tess::saveImage(image, path).ok());
        QVERIFY(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void saveToUnreachablePlace_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::newRow("folder that does not exist") << QStringLiteral("no such folder/picture.png");
        QTest::newRow("parent is a regular file") << QStringLiteral("plain file/picture.png");
        QTest::newRow("path is a folder") << QStringLiteral("a folder.png");
    }

    void saveToUnreachablePlace()
    {
        QFETCH(QString, relativePath);
        QVERIFY(writeFile(m_dir.filePath(QStringLiteral("plain file")), "not a folder"));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("a folder.png")));
        QVERIFY(!tess::saveImage(testPicture(), m_dir.filePath(relativePath)).ok());
        QCOMPARE(readAll(m_dir.filePath(QStringLiteral("plain file"))), QByteArray("not a folder"));
    }

    // The bytes pass through unchanged, seeks included (TIFF goes back for its directory),
    // also when the device does not start at 0; a refused write part way is reported.
    void writeToDevice_data()
    {
        QTest::addColumn<QByteArray>("format");
        for (const QByteArray &suffix : WritableSuffixes)
            QTest::newRow(suffix.constData()) << suffix;
    }

    void writeToDevice()
    {
        QFETCH(QByteArray, format);
        const QByteArray prefix = "prefix bytes";
        QByteArray bytes;
        QBuffer device(&bytes);
        QVERIFY(device.open(QIODevice::ReadWrite));
        device.write(prefix);
        QVERIFY(tess::writeImage(bigPicture(), device, format).ok());
        QVERIFY(bytes.startsWith(prefix));
        QCOMPARE(QImage::fromData(bytes.mid(prefix.size())).size(), bigPicture().size());

        for (const qint64 limit : {qint64(10), bytes.size() - prefix.size() - 1}) {
            FailingDevice failing(limit);
            QVERIFY(failing.open(QIODevice::WriteOnly));
            // The device's refusal is the reason given, whatever the encoder made of it.
            const tess::Result refused = tess::writeImage(bigPicture(), failing, format);
            QCOMPARE(refused.status, tess::Status::ImageNotSaved);
            QVERIFY2(refused.detail == QLatin1String("device full"), QByteArray::number(limit).constData());
        }
    }

    void writeRefusesNonsense()
    {
        QBuffer device;
        device.open(QIODevice::WriteOnly);
        QVERIFY(!tess::writeImage(QImage(), device, "png").ok());
        QVERIFY(!tess::writeImage(testPicture(), device, "").ok());
        QVERIFY(!tess::writeImage(testPicture(), device, "no such format").ok());
        QBuffer closed;
        QVERIFY(!tess::writeImage(testPicture(), closed, "png").ok());
    }

private:
    // Large enough that every encoder makes several writes.
    static QImage bigPicture()
    {
        QImage image(120, 80, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x * 2, y * 3, (x * y) & 0xff));
        return image;
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestImageFile)
#include "tst_imagefile.moc"
