#include "image/imagefile.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// CRC-32 as PNG, MNG and gzip use it.
quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xffffffffu;
    for (const char c : data) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(value >> (24 - 8 * i));
    return bytes;
}

QByteArray littleEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(value >> (8 * i));
    return bytes;
}

QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    return bigEndian32(quint32(data.size())) + type + data + bigEndian32(crc32(type + data));
}

const QByteArray PngSignature("\x89PNG\r\n\x1a\n", 8);

// The 3 x 2 test picture: black at (0, 0), white elsewhere. Every format keeps it,
// the one-bit ones included.
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

// GIF has no writer: a 3 x 2 image, two colours, LZW codes of three bits with a clear
// code every two pixels so the code width never grows.
QByteArray handMadeGif()
{
    const QList<int> codes = {4, 0, 1, 4, 1, 1, 4, 1, 1, 5}; // clear, pixels..., end
    QByteArray lzw;
    quint32 bits = 0;
    int count = 0;
    for (int code : codes) {
        bits |= quint32(code) << count;
        count += 3;
        while (count >= 8) {
            lzw.append(char(bits & 0xff));
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0)
        lzw.append(char(bits & 0xff));

    QByteArray gif("GIF89a");
    gif += QByteArray("\x03\x00\x02\x00", 4);       // 3 x 2
    gif += QByteArray("\x80\x00\x00", 3);           // global table of two colours
    gif += QByteArray("\x00\x00\x00\xff\xff\xff", 6); // black, white
    gif += QByteArray(",\x00\x00\x00\x00\x03\x00\x02\x00\x00", 10);
    gif += char(2);                                 // minimum code size
    gif += char(lzw.size());
    gif += lzw;
    gif += QByteArray("\x00;", 2);
    return gif;
}

// MNG has no writer either: a one-frame MNG is an MHDR, a PNG's chunks, and MEND.
QByteArray handMadeMng()
{
    const QByteArray png = encoded(testPicture(), "png");
    QByteArray header;
    header += bigEndian32(3) + bigEndian32(2);  // frame size
    header += bigEndian32(1);                   // ticks per second
    header += bigEndian32(0) + bigEndian32(0) + bigEndian32(0); // layers, frames, play time
    header += bigEndian32(1);                   // simplicity: valid profile, nothing else
    return QByteArray("\x8aMNG\r\n\x1a\n", 8) + pngChunk("MHDR", header) + png.mid(PngSignature.size())
        + pngChunk("MEND", {});
}

const QByteArray SvgText(
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"3\" height=\"2\">"
    "<rect width=\"3\" height=\"2\" fill=\"#ffffff\"/>"
    "<rect width=\"1\" height=\"1\" fill=\"#000000\"/></svg>\n");

// gzip with one stored (uncompressed) deflate block: no compression library needed.
QByteArray gzipStored(const QByteArray &data)
{
    QByteArray gz("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\xff", 10);
    const quint16 length = quint16(data.size());
    gz += char(0x01); // final block, stored
    gz += char(length & 0xff);
    gz += char(length >> 8);
    gz += char(~length & 0xff);
    gz += char((~length >> 8) & 0xff);
    gz += data;
    gz += littleEndian32(crc32(data));
    gz += littleEndian32(quint32(data.size()));
    return gz;
}

// A PNG whose header promises width x height pixels and has no pixel data.
QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray header = bigEndian32(width) + bigEndian32(height);
    header += QByteArray("\x08\x06\x00\x00\x00", 5); // 8 bits, RGBA, deflate, no filter, no interlace
    const QByteArray emptyZlibStream("\x78\x9c\x03\x00\x00\x00\x00\x01", 8);
    return PngSignature + pngChunk("IHDR", header) + pngChunk("IDAT", emptyZlibStream) + pngChunk("IEND", {});
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

    // A 6000 x 6000 photo needs 144 MB decoded: more than the toolkit allows by default,
    // well within what the program allows.
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
        QVERIFY(QImageReader(path).read().isNull());
        tess::configureImageReading();
        QCOMPARE(QImageReader::allocationLimit(), tess::ImageAllocationLimitMB);

        QImage image;
        QVERIFY(tess::loadImage(path, image));
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

        for (const QByteArray &suffix : WritableSuffixes) {
            const bool lossy = suffix == "jpg" || suffix == "jpeg";
            QTest::newRow(suffix.constData()) << QStringLiteral("picture.") + QString::fromLatin1(suffix)
                                               << encoded(testPicture(), suffix) << !lossy;
        }
        QTest::newRow("gif") << QStringLiteral("picture.gif") << handMadeGif() << true;
        QTest::newRow("mng") << QStringLiteral("picture.mng") << handMadeMng() << true;
        QTest::newRow("svg") << QStringLiteral("picture.svg") << SvgText << true;
        QTest::newRow("svgz") << QStringLiteral("picture.svgz") << gzipStored(SvgText) << true;
        QTest::newRow("upper-case suffix") << QStringLiteral("PICTURE.PNG") << encoded(testPicture(), "png") << true;
        QTest::newRow("jpeg content under a png name")
            << QStringLiteral("misnamed.png") << encoded(testPicture(), "jpeg") << false;
        QTest::newRow("png content without a suffix")
            << QStringLiteral("nosuffix") << encoded(testPicture(), "png") << true;
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
        QVERIFY(tess::loadImage(path, image));
        QCOMPARE(image.size(), QSize(3, 2));
        const QRgb black = image.pixel(0, 0);
        const QRgb white = image.pixel(2, 1);
        if (exactColours) {
            QCOMPARE(black & 0xffffffu, 0x000000u);
            QCOMPARE(white & 0xffffffu, 0xffffffu);
        } else {
            QVERIFY2(qGray(black) < 64 && qGray(white) > 192, "light and dark swapped or lost");
        }
    }

    void refuseWhatIsNotAnImage_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("text named .png") << QStringLiteral("text.png") << QByteArray("x,y,r,g,b\n0,0,1,2,3\n");
        QTest::newRow("empty file") << QStringLiteral("empty.png") << QByteArray();
        QTest::newRow("png cut after its signature") << QStringLiteral("cut.png") << PngSignature;
        QTest::newRow("png cut inside its pixels")
            << QStringLiteral("cut2.png") << encoded(testPicture(), "png").left(45);
        QTest::newRow("svg that is not xml") << QStringLiteral("broken.svg") << QByteArray("<svg width=\"3\"");
        QTest::newRow("gzip of text named .svgz") << QStringLiteral("text.svgz") << gzipStored("hello\n");
    }

    void refuseWhatIsNotAnImage()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(fileName);
        QVERIFY(writeFile(path, bytes));

        QImage image = testPicture();
        const qint64 before = image.cacheKey();
        QVERIFY(!tess::loadImage(path, image));
        QCOMPARE(image.cacheKey(), before); // untouched
    }

    void refuseMissingFile()
    {
        QImage image = testPicture();
        QVERIFY(!tess::loadImage(m_dir.filePath(QStringLiteral("no such file.png")), image));
        QCOMPARE(image, testPicture());
    }

    // A 60-byte file claiming 100000 x 100000 pixels (40 GB) is refused on its header,
    // not after trying to allocate.
    void refuseAbsurdSizeClaim()
    {
        const QString path = m_dir.filePath(QStringLiteral("huge.png"));
        QVERIFY(writeFile(path, pngClaiming(100000, 100000)));
        QImageReader probe(path);
        QCOMPARE(probe.size(), QSize(100000, 100000)); // the claim itself is readable

        QImage image = testPicture();
        QVERIFY(!tess::loadImage(path, image));
        QCOMPARE(image, testPicture());
    }

    void saveRoundTrip_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("exactColours");
        for (const QByteArray &suffix : WritableSuffixes) {
            const bool lossy = suffix == "jpg" || suffix == "jpeg";
            QTest::newRow(suffix.constData()) << QStringLiteral("saved.") + QString::fromLatin1(suffix) << !lossy;
        }
        QTest::newRow("upper-case suffix") << QStringLiteral("SAVED.PNG") << true;
        QTest::newRow("space and dots in the name") << QStringLiteral("my pictures.v2.bmp") << true;
    }

    void saveRoundTrip()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, exactColours);
        const QString path = m_dir.filePath(fileName);
        QVERIFY(tess::saveImage(testPicture(), path));

        QImage loaded;
        QVERIFY(tess::loadImage(path, loaded));
        QCOMPARE(loaded.size(), QSize(3, 2));
        if (exactColours) {
            QCOMPARE(loaded.pixel(0, 0) & 0xffffffu, 0x000000u);
            QCOMPARE(loaded.pixel(2, 1) & 0xffffffu, 0xffffffu);
        }
        // the format follows the suffix, not a default
        const QByteArray expected = QFileInfo(fileName).suffix().toLower().toLatin1();
        const QByteArray detected = QImageReader::imageFormat(path);
        const bool sameFamily = detected == expected || (expected == "jpg" && detected == "jpeg")
            || (expected == "tif" && detected == "tiff");
        QVERIFY2(sameFamily, detected.constData());
    }

    // Every failure leaves a file that was there before byte for byte as it was, and
    // creates nothing where there was nothing.
    void saveFailureKeepsOldFile_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QImage>("image");

        QTest::newRow("unknown suffix") << QStringLiteral("old.abc") << testPicture();
        QTest::newRow("no suffix") << QStringLiteral("old") << testPicture();
        QTest::newRow("readable but not writable format") << QStringLiteral("old.gif") << testPicture();
        QTest::newRow("null image") << QStringLiteral("old.png") << QImage();
        // the encoder itself refuses this one, after the save file was opened
        QTest::newRow("jpeg wider than 65500") << QStringLiteral("old.jpg")
                                               << QImage(70000, 1, QImage::Format_RGB32);
    }

    void saveFailureKeepsOldFile()
    {
        QFETCH(QString, fileName);
        QFETCH(QImage, image);
        if (!image.isNull())
            image.fill(Qt::red);

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(fileName);
        const QByteArray old = "the old file's bytes\n";
        QVERIFY(writeFile(path, old));

        QVERIFY(!tess::saveImage(image, path));
        QCOMPARE(readFile(path), old);
        // no temporary file left behind either
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{fileName});

        // and where nothing was, nothing appears
        QVERIFY(QFile::remove(path));
        QVERIFY(!tess::saveImage(image, path));
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
        QVERIFY(!tess::saveImage(testPicture(), m_dir.filePath(relativePath)));
        QCOMPARE(readFile(m_dir.filePath(QStringLiteral("plain file"))), QByteArray("not a folder"));
    }

    // The device refuses a write part way: whatever the format's writer does with
    // that, writeImage reports it.
    void writeToFailingDevice_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<qint64>("limit");
        for (const QByteArray &format : {QByteArray("png"), QByteArray("bmp"), QByteArray("jpg"),
                                         QByteArray("ppm"), QByteArray("tiff"), QByteArray("xpm")}) {
            const qint64 size = encoded(bigPicture(), format).size();
            QVERIFY(size > 100);
            QTest::addRow("%s refused from the start", format.constData()) << format << qint64(0);
            QTest::addRow("%s refused after 10 bytes", format.constData()) << format << qint64(10);
            QTest::addRow("%s refused one byte short", format.constData()) << format << size - 1;
        }
    }

    void writeToFailingDevice()
    {
        QFETCH(QByteArray, format);
        QFETCH(qint64, limit);
        FailingDevice device(limit);
        QVERIFY(device.open(QIODevice::WriteOnly));
        QVERIFY(!tess::writeImage(bigPicture(), device, format));
    }

    // Writing passes the bytes through unchanged, seeks included (TIFF writes its
    // directory last and goes back for it), also when the device does not start at 0.
    void writeToDevice_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QByteArray>("prefix");
        for (const QByteArray &suffix : WritableSuffixes) {
            QTest::newRow(suffix.constData()) << suffix << QByteArray();
            QTest::addRow("%s after other bytes", suffix.constData()) << suffix << QByteArray("prefix bytes");
        }
    }

    void writeToDevice()
    {
        QFETCH(QByteArray, format);
        QFETCH(QByteArray, prefix);
        QByteArray bytes;
        QBuffer device(&bytes);
        QVERIFY(device.open(QIODevice::ReadWrite));
        device.write(prefix);
        QVERIFY(tess::writeImage(bigPicture(), device, format));
        QVERIFY(bytes.startsWith(prefix));

        QBuffer reading;
        reading.setData(bytes.mid(prefix.size()));
        reading.open(QIODevice::ReadOnly);
        QImageReader reader(&reading);
        const QImage decoded = reader.read();
        QVERIFY2(!decoded.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(decoded.size(), bigPicture().size());
    }

    void writeRefusesNonsense()
    {
        QBuffer device;
        device.open(QIODevice::WriteOnly);
        QVERIFY(!tess::writeImage(QImage(), device, "png"));
        QVERIFY(!tess::writeImage(testPicture(), device, ""));
        QVERIFY(!tess::writeImage(testPicture(), device, "no such format"));
        QBuffer closed;
        QVERIFY(!tess::writeImage(testPicture(), closed, "png"));
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
