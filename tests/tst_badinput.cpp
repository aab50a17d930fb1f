// Broken, hostile and odd files, opened the way a user opens them: through the window's
// Load Sheet and Load Image buttons. For each one the test states exactly what the user
// then sees (the warning, the status panel, the pixel table) and checks that nothing was
// written, that it returned quickly and that memory stayed bounded.

#include "mainwindow.h"
#include "windowundertest.h"
#include "ui_mainwindow.h"

#include "image/imagefile.h"
#include "sheet/sheetreader.h"

#include <QtTest>

#include <QBuffer>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QLabel>

#include <climits>

namespace {

const QString NotValid = QStringLiteral("Invalid Sheet / This is not a valid color spreadsheet.");
const QString NoColours = QStringLiteral("Invalid Sheet / Your spreadsheet does not contain valid color values.");
const QString BadImage = QStringLiteral("Failed loading / Invalid image format.");

// Every file below the folder with a hash of its content: proof that nothing was written.
QMap<QString, QByteArray> folderState(const QString &dir)
{
    QMap<QString, QByteArray> state;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        QByteArray hash = "<folder>";
        if (!QFileInfo(path).isDir() && file.open(QIODevice::ReadOnly))
            hash = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
        state.insert(path, hash);
    }
    return state;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Resident memory of this process in megabytes, from /proc/self/status: "VmRSS" now,
// "VmHWM" the peak since the last resetPeakMemory().
qint64 memoryMB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLongLong() / 1024;
    }
    return -1;
}

// Starts a new peak: Linux resets VmHWM to the current size on "5" in clear_refs.
bool resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian32(quint32 value)
{
    QByteArray out(4, '\0');
    for (int i = 0; i < 4; ++i)
        out[i] = char(value >> (24 - 8 * i));
    return out;
}

QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    return bigEndian32(quint32(data.size())) + type + data + bigEndian32(crc32(type + data));
}

// A well-formed PNG header for an 8-bit RGB image of the given size, with a few rows of
// real pixel data behind it, so that the decoder only ever fails on the size.
QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray ihdr = bigEndian32(width) + bigEndian32(height);
    ihdr += QByteArray("\x08\x02\x00\x00\x00", 5);
    QByteArray rows(3 * (1 + 3 * int(qMin<quint32>(width, 64))), '\0');
    const QByteArray zlib = qCompress(rows).mid(4); // without Qt's length prefix
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", ihdr) + pngChunk("IDAT", zlib)
        + pngChunk("IEND", QByteArray());
}

QByteArray encoded(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    return writer.write(image) ? bytes : QByteArray();
}

QImage noisyImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            image.setPixel(x, y, 0xff000000u | (seed >> 8));
        }
    return image;
}

QByteArray binaryJunk()
{
    // Bytes that are neither text nor any image format's signature; no "x" field can form.
    QByteArray junk;
    quint32 seed = 7;
    for (int i = 0; i < 8192; ++i) {
        seed = seed * 1664525u + 1013904223u;
        junk.append(char(0x80 | (seed >> 25)));
        if (i % 97 == 0)
            junk.append('\0');
    }
    return junk;
}

QByteArray utf16le(const QString &text, bool bom = true)
{
    QByteArray out = bom ? QByteArray("\xff\xfe", 2) : QByteArray();
    for (const QChar c : text) {
        out.append(char(c.unicode() & 0xff));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    using Window = WindowUnderTest;

    // Opens path through the button, checking the time taken, memory and that nothing was
    // written anywhere in the test folder.
    void clickLoad(Window &w, QPushButton *button, const QString &path)
    {
        const auto before = folderState(m_dir.path());
        w.dialogs->asked.clear();
        w.dialogs->fileAnswers = {path};
        QVERIFY(resetPeakMemory());
        const qint64 startMB = memoryMB("VmRSS");
        QElapsedTimer timer;
        timer.start();
        button->click();
        const qint64 ms = timer.elapsed();
        const qint64 grown = memoryMB("VmHWM") - startMB;
        QVERIFY2(ms < 20000, qPrintable(QStringLiteral("took %1 ms").arg(ms)));
        QVERIFY(folderState(m_dir.path()) == before);
        QVERIFY2(grown < MemoryBudgetMB, qPrintable(QStringLiteral("peak memory grew by %1 MB").arg(grown)));
    }

    // A sheet that is loaded and shows its first record, to be replaced by the file tried.
    void loadGoodSheet(Window &w)
    {
        const QString good = m_dir.filePath(QStringLiteral("good.csv"));
        QVERIFY(writeFile(good, "x,y,r,g,b\n0,0,1,2,3\n"));
        w.dialogs->fileAnswers = {good};
        w.ui->loadSpreadsheet->click();
        QCOMPARE(w.dialogs->warnings(), QStringList());
        QCOMPARE(w.window->pixels.size(), std::size_t(1));
    }

    void loadGoodImage(Window &w)
    {
        const QString good = m_dir.filePath(QStringLiteral("good.png"));
        QVERIFY(noisyImage(5, 4).save(good));
        w.dialogs->fileAnswers = {good};
        w.ui->loadImage->click();
        QCOMPARE(w.dialogs->warnings(), QStringList());
    }

    // Sheets the reader rejects: everything about the sheet side is gone, the image side
    // stays as it was.
    void checkRejectedSheet(const Window &w, const QString &path, const QString &warning,
                            const QStringList &imageSideBefore)
    {
        QCOMPARE(w.dialogs->warnings(), QStringList{warning});
        QVERIFY(w.window->pixels.empty());
        QCOMPARE(w.ui->spreadsheetBox->title(), QStringLiteral("Spreadsheet: ") + path);
        QVERIFY(w.ui->tableWidget->isHidden());
        QVERIFY(w.ui->loading_status_image->isHidden());
        QVERIFY(w.ui->ss_memory_pos->isHidden() && !w.ui->ss_memory_neg->isHidden());
        QVERIFY(w.ui->ss_save_pos->isHidden() && !w.ui->ss_save_neg->isHidden());
        QVERIFY(!w.ui->saveSheet->isEnabled());
        QVERIFY(!w.ui->spreadsheetToImage->isEnabled());
        QVERIFY(!w.ui->RGBButton->isEnabled() && !w.ui->HSVButton->isEnabled());
        QCOMPARE(imageSide(w), imageSideBefore);
    }

    static QStringList imageSide(const Window &w)
    {
        return {w.ui->imageBox->title(), w.ui->originalSize->text(), w.ui->outputRows->text(),
                QString::number(w.ui->image_memory_pos->isHidden()), QString::number(w.window->image.cacheKey())};
    }

    // The largest file here is 4 MB; nothing about opening one may need more than this.
    static constexpr qint64 MemoryBudgetMB = 256;

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        tess::configureImageReading();
        QVERIFY2(memoryMB("VmRSS") > 0 && resetPeakMemory(), "needs /proc/self/status and clear_refs");
    }

    // ---- Sheets that are no sheets ----------------------------------------------------------

    void rejectedSheet_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("warning");

        QTest::newRow("empty file") << QByteArray() << NotValid;
        QTest::newRow("only blanks and line ends") << QByteArray("   \n\t\r\n  \n\n") << NotValid;
        QTest::newRow("binary junk") << binaryJunk() << NotValid;
        QTest::newRow("lone UTF-8 BOM") << QByteArray("\xef\xbb\xbf") << NotValid;
        QTest::newRow("lone UTF-16 BOM") << QByteArray("\xff\xfe") << NotValid;
        QTest::newRow("UTF-16 BOM and half a character") << QByteArray("\xff\xfex") << NotValid;
        QTest::newRow("NUL bytes") << QByteArray(1000, '\0') << NotValid;
        QTest::newRow("header without y") << QByteArray("x,r,g,b\n0,1,2,3\n") << NotValid;
        QTest::newRow("header without x") << QByteArray("y,h,s,v\n0,1,2,3\n") << NotValid;
        QTest::newRow("header of colours only") << QByteArray("r,g,b\n1,2,3\n") << NotValid;
        QTest::newRow("x and y only") << QByteArray("x,y\n0,0\n1,1\n") << NoColours;
        QTest::newRow("x, y and alpha") << QByteArray("x,y,a\n0,0,255\n") << NoColours;
        QTest::newRow("names with blanks") << QByteArray(" x , y , r \n0,0,1\n") << NotValid;
        QTest::newRow("quoted names") << QByteArray("\"x\",\"y\",\"r\"\n0,0,1\n") << NotValid;
        QTest::newRow("a PNG file") << pngClaiming(4, 4) << NotValid;
        QTest::newRow("a million columns of header, no x") << QByteArray("q") + QByteArray(",q").repeated(1000000)
                                                         << NotValid;
        QTest::newRow("x and y after a million columns, no colour")
            << QByteArray("q,").repeated(1000000) + QByteArray("x,y\n1,2\n") << NoColours;
    }

    void rejectedSheet()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, warning);

        Window w = Window::make();
        loadGoodImage(w);
        loadGoodSheet(w);
        const QStringList imageBefore = imageSide(w);
        const QString path = m_dir.filePath(QStringLiteral("bad.csv"));
        QVERIFY(writeFile(path, bytes));
        clickLoad(w, w.ui->loadSpreadsheet, path);
        checkRejectedSheet(w, path, warning, imageBefore);
        QVERIFY(QFile::remove(path));
    }

    // ---- Sheets that load, with odd values ---------------------------------------------------

    void oddSheet_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("outputImage"); // the status panel's extent
        QTest::addColumn<QString>("firstRow");    // the table's first data row as shown
        QTest::addColumn<QSize>("drawn");         // Spreadsheet to Image; empty: too large to draw

        const QByteArray rgb("x,y,r,g,b\n");
        const QByteArray digits(10000, '7');

        QTest::newRow("header alone") << rgb << 0 << "1, 1" << "0,0,255,255,255" << QSize(1, 1);
        QTest::newRow("UTF-16 cut in half a character")
            << utf16le(QStringLiteral("x,y,r,g,b\r\n0,0,1,2,3\r\n1,1,4,5,")).append('6') << 2 << "2, 2"
            << "0,0,1,2,3" << QSize(2, 2);
        QTest::newRow("UTF-16 without its final byte")
            << utf16le(QStringLiteral("x,y,r,g,b\n3,4,5,6,7\n\n")).chopped(1) << 1 << "4, 5" << "3,4,5,6,7"
            << QSize(4, 5);
        QTest::newRow("x of 10,000 digits") << rgb + digits + ",5,7,8,9\n" << 1 << "1, 6" << "0,5,7,8,9"
                                            << QSize(1, 6);
        QTest::newRow("colour of 10,000 digits") << rgb + "1,2," + digits + ",8,9\n" << 1 << "2, 3"
                                                 << "1,2,0,8,9" << QSize(2, 3);
        QTest::newRow("colour of 10,000 decimals") << rgb + "1,2,0." + digits + ",8.5,9.99\n" << 1 << "2, 3"
                                                   << "1,2,0,8,9" << QSize(2, 3);
        QTest::newRow("nan, inf and 1e999 as colours") << rgb + "1,2,nan,inf,1e999\n" << 1 << "2, 3"
                                                       << "1,2,0,0,0" << QSize(2, 3);
        QTest::newRow("-inf, -nan and -1e999 as colours") << rgb + "1,2,-inf,-nan,-1e999\n" << 1 << "2, 3"
                                                          << "1,2,0,0,0" << QSize(2, 3);
        QTest::newRow("nan and inf as coordinates") << rgb + "nan,inf,1,2,3\n4,1e999,5,6,7\n" << 2 << "5, 1"
                                                    << "0,0,1,2,3" << QSize(5, 1);
        QTest::newRow("one past the 32-bit range") << rgb + "-2147483649,2147483648,-2147483649,2147483648,3\n"
                                                   << 1 << "1, 1" << "0,0,0,0,3" << QSize(1, 1);
        QTest::newRow("largest coordinates") << rgb + "2147483647,2147483647,1,2,3\n" << 1
                                             << "2147483647, 2147483647" << "2147483647,2147483647,1,2,3"
                                             << QSize(0, 0);
        QTest::newRow("smallest coordinates") << rgb + "-2147483648,-2147483648,1,2,3\n" << 1 << "1, 1"
                                              << "-2147483648,-2147483648,1,2,3" << QSize(1, 1);
        QTest::newRow("largest x, small y") << rgb + "2147483647,0,1,2,3\n" << 1 << "2147483647, 1"
                                            << "2147483647,0,1,2,3" << QSize(0, 0);
        QTest::newRow("colours at the 32-bit limits") << rgb + "0,0,2147483647,-2147483648,2147483647.9\n" << 1
                                                      << "1, 1" << "0,0,2147483647,-2147483648,2147483647"
                                                      << QSize(1, 1);
        QTest::newRow("a million columns in a data line")
            << rgb + "0,0,1,2,3" + QByteArray(",9").repeated(1000000) + "\n1,0,4,5,6\n" << 2 << "2, 1"
            << "0,0,1,2,3" << QSize(2, 1);
        QTest::newRow("colour after a million columns")
            << QByteArray("x,y,") + QByteArray("q,").repeated(1000000) + "b\n2,3,"
                   + QByteArray("0,").repeated(1000000) + "77\n"
            << 1 << "3, 4" << "2,3,0,0,77" << QSize(3, 4);
        QTest::newRow("a line of a million separators") << rgb + QByteArray(1000000, ',') + "\n" << 1 << "1, 1"
                                                        << "0,0,0,0,0" << QSize(1, 1);
        QTest::newRow("a 4 MB field") << rgb + "1,1," + QByteArray(4 << 20, '5') + ",2,3\n" << 1 << "2, 2"
                                      << "1,1,0,2,3" << QSize(2, 2);
    }

    void oddSheet()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, records);
        QFETCH(QString, outputImage);
        QFETCH(QString, firstRow);
        QFETCH(QSize, drawn);

        Window w = Window::make();
        const QString path = m_dir.filePath(QStringLiteral("odd.csv"));
        QVERIFY(writeFile(path, bytes));
        clickLoad(w, w.ui->loadSpreadsheet, path);

        QCOMPARE(w.dialogs->warnings(), QStringList());
        QCOMPARE(int(w.window->pixels.size()), records);
        QCOMPARE(w.ui->resolution->text(), QStringLiteral("Output Image: ") + outputImage);
        QCOMPARE(w.rowTexts(1).join(QLatin1Char(',')), firstRow);
        QVERIFY(!w.ui->ss_memory_pos->isHidden() && w.ui->ss_memory_neg->isHidden());
        QVERIFY(w.ui->ss_save_pos->isHidden());
        QVERIFY(!w.ui->tableWidget->isHidden());
        QVERIFY(w.ui->spreadsheetToImage->isEnabled());

        // Drawing it never needs more than the drawing's own limit.
        QVERIFY(resetPeakMemory());
        const qint64 startMB = memoryMB("VmRSS");
        QElapsedTimer timer;
        timer.start();
        w.ui->spreadsheetToImage->click();
        QVERIFY(timer.elapsed() < 20000);
        QVERIFY(memoryMB("VmHWM") - startMB < MemoryBudgetMB);
        QCOMPARE(w.window->image.size(), drawn);
        QCOMPARE(w.window->image.isNull(), drawn.isEmpty());
        QCOMPARE(w.ui->imageView->pixmap().isNull(), drawn.isEmpty());
        QCOMPARE(w.ui->originalSize->text(),
                 QStringLiteral("Original Size: %1, %2").arg(drawn.width()).arg(drawn.height()));
        QVERIFY(QFile::remove(path));
    }

    // ---- Broken text at every block boundary ---------------------------------------------------

    // The reader takes the file in blocks; wherever a block ends, inside a broken UTF-8
    // sequence or not, the sheet must read exactly as it does in one piece.
    void brokenTextAtEveryBlockBoundary_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");

        QTest::newRow("3-byte lead before a separator in the header")
            << QByteArray("x,y,r\xeb,g,b\r0,255,0,10\r1,0,1,2,3\r") << 2;
        QTest::newRow("2-byte lead before a separator in the header") << QByteArray("x,\xc3,y,r\n0,0,1\n") << 1;
        QTest::newRow("4-byte lead before a line end") << QByteArray("x,y,g,r\xf0\n0,0,1\n1,1,2\n") << 2;
        QTest::newRow("4-byte lead and one continuation before a separator")
            << QByteArray("x,y,b,r\n0,0,\xf0\x9f,7\n") << 1;
        QTest::newRow("lead bytes before every separator")
            << QByteArray("x\xe2,y\xe2,r\nx,y,r,g,b\n1\xc3,2\xe2,3\xf0,4\n") << 0;
        QTest::newRow("broken sequences in data fields")
            << QByteArray("x,y,r,g,b\n1,2,3\xe2,4\xc3,5\n6\xf0,7,8,9,10\n") << 2;
        QTest::newRow("overlong and surrogate forms")
            << QByteArray("x,y,h,s,v\n1,2,\xc0\x80,\xed\xa0\x80,\xe0\x80\n3,4,5,6,7\n") << 2;
        QTest::newRow("bytes that start no sequence") << QByteArray("x,y,r\n\xff,\xfe,\xf8\n1,1,1\n") << 2;
        QTest::newRow("lead byte at the very end") << QByteArray("x,y,r\n1,2,3\xe2") << 1;
        QTest::newRow("lead byte and separator at the very end") << QByteArray("x,y,r,g\n1,2,3\xe2,") << 1;
    }

    void brokenTextAtEveryBlockBoundary()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, records);

        QBuffer whole(&bytes);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        PixelRecords expected;
        const tess::SheetInfo info = tess::readSheet(whole, expected);
        QCOMPARE(int(expected.size()), records);

        for (qint64 blockSize = 1; blockSize <= bytes.size(); ++blockSize) {
            QBuffer buffer(&bytes);
            QVERIFY(buffer.open(QIODevice::ReadOnly));
            PixelRecords out;
            const tess::SheetInfo got = tess::readSheetInBlocks(buffer, out, blockSize);
            const QByteArray where = "block size " + QByteArray::number(blockSize);
            QVERIFY2(got.status == info.status, where);
            QVERIFY2(got.columns.x == info.columns.x && got.columns.y == info.columns.y
                         && got.columns.r == info.columns.r && got.columns.g == info.columns.g
                         && got.columns.b == info.columns.b && got.columns.h == info.columns.h
                         && got.columns.s == info.columns.s && got.columns.v == info.columns.v,
                     where);
            QVERIFY2(got.maxX == info.maxX && got.maxY == info.maxY, where);
            QVERIFY2(out == expected, where);
        }
    }

    // ---- Images that are no images ------------------------------------------------------------

    void rejectedImage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("suffix");

        const QByteArray jpeg = encoded(noisyImage(64, 48), "jpg", 90);
        const QByteArray png = encoded(noisyImage(16, 16), "png");

        QTest::newRow("empty file") << QByteArray() << "png";
        QTest::newRow("binary junk") << binaryJunk() << "png";
        QTest::newRow("a sheet named .png") << QByteArray("x,y,r,g,b\n0,0,1,2,3\n") << "png";
        QTest::newRow("PNG claiming 100000 x 100000") << pngClaiming(100000, 100000) << "png";
        QTest::newRow("PNG claiming 100000 x 100000 named .jpg") << pngClaiming(100000, 100000) << "jpg";
        QTest::newRow("PNG claiming 2^31-1 x 1") << pngClaiming(0x7fffffff, 1) << "png";
        QTest::newRow("PNG signature only") << png.left(8) << "png";
        QTest::newRow("PNG cut inside its header") << png.left(20) << "png";
        QTest::newRow("PNG with a broken header checksum")
            << QByteArray(png).replace(29, 1, QByteArray(1, char(png.at(29) ^ 0x55))) << "png";
        QTest::newRow("PNG cut in its pixel data") << png.left(png.size() - 40) << "png";
        // Complete pixels, then a chunk that claims almost 2 GB: the decoder must not
        // set aside (and clear) that much memory for a file of a few hundred bytes.
        QTest::newRow("PNG with a 2 GB chunk after its pixels")
            << pngClaiming(8, 3).chopped(12) + bigEndian32(0x7e000026) + QByteArray("tEXt", 4)
                   + QByteArray(32, 'a')
            << "png";
        QTest::newRow("JPEG cut inside its headers") << jpeg.left(120) << "jpg";
        QTest::newRow("JPEG markers only") << QByteArray("\xff\xd8\xff\xd9", 4) << "jpg";
        QTest::newRow("BMP header only") << encoded(noisyImage(8, 8), "bmp").left(30) << "bmp";
        QTest::newRow("GIF signature only") << QByteArray("GIF89a") << "gif";
    }

    void rejectedImage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, suffix);

        Window w = Window::make();
        loadGoodImage(w);
        loadGoodSheet(w);
        const QStringList before = w.snapshot();
        const QImage imageBefore = w.window->image;
        const QString path = m_dir.filePath(QStringLiteral("bad.") + suffix);
        QVERIFY(writeFile(path, bytes));
        clickLoad(w, w.ui->loadImage, path);

        QCOMPARE(w.dialogs->warnings(), QStringList{BadImage});
        // The window stays exactly as it was: the previous image, the sheet, the panel.
        QCOMPARE(w.snapshot(), before);
        QCOMPARE(w.window->image, imageBefore);
        QCOMPARE(w.window->pixels.size(), std::size_t(1));
        QVERIFY(QFile::remove(path));
    }

    // A JPEG whose scan data stops early is still an image: the decoder fills the missing
    // rows, and the window loads it at its full size.
    void truncatedJpegScan()
    {
        const QByteArray jpeg = encoded(noisyImage(64, 48), "jpg", 90);
        QVERIFY(jpeg.size() > 2000);
        Window w = Window::make();
        const QString path = m_dir.filePath(QStringLiteral("cut.jpg"));
        QVERIFY(writeFile(path, jpeg.left(jpeg.size() / 2)));
        clickLoad(w, w.ui->loadImage, path);
        QCOMPARE(w.dialogs->warnings(), QStringList());
        QCOMPARE(w.window->image.size(), QSize(64, 48));
        QCOMPARE(w.ui->originalSize->text(), QStringLiteral("Original Size: 64, 48"));
        QVERIFY(!w.ui->image_memory_pos->isHidden());
        w.ui->imageToSpreadsheet->click();
        QCOMPARE(w.window->pixels.size(), std::size_t(64 * 48));
        QVERIFY(QFile::remove(path));
    }

    // A PNG without the last bytes of its end marker loads as before: the check that keeps
    // chunks claiming more than the file holds away from the decoder leaves it alone.
    void pngWithCutEndMarker()
    {
        const QImage source = noisyImage(30, 20);
        const QByteArray png = encoded(source, "png");
        QVERIFY(png.endsWith(QByteArray("IEND\xae\x42\x60\x82", 8)));
        Window w = Window::make();
        const QString path = m_dir.filePath(QStringLiteral("cut-end.png"));
        QVERIFY(writeFile(path, png.chopped(4)));
        clickLoad(w, w.ui->loadImage, path);
        QCOMPARE(w.dialogs->warnings(), QStringList());
        QCOMPARE(w.window->image.convertToFormat(QImage::Format_RGB32), source);
        QVERIFY(QFile::remove(path));
    }

    // ---- Paths that cannot be read ------------------------------------------------------------

    void unreadablePath_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("a folder") << "folder.csv";
        QTest::newRow("a path that does not exist") << "missing/none.csv";
        QTest::newRow("a file inside a file") << "plain.txt/inner.csv";
    }

    void unreadablePath()
    {
        QFETCH(QString, name);
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.csv")));
        QVERIFY(writeFile(m_dir.filePath(QStringLiteral("plain.txt")), "plain"));
        const QString path = m_dir.filePath(name);

        // As a sheet: the file cannot be opened, which the user sees as an invalid sheet.
        {
            Window w = Window::make();
            loadGoodImage(w);
            loadGoodSheet(w);
            const QStringList imageBefore = imageSide(w);
            clickLoad(w, w.ui->loadSpreadsheet, path);
            checkRejectedSheet(w, path, NotValid, imageBefore);
        }
        // As an image: nothing changes but the warning.
        {
            Window w = Window::make();
            loadGoodImage(w);
            const QStringList before = w.snapshot();
            clickLoad(w, w.ui->loadImage, path);
            QCOMPARE(w.dialogs->warnings(), QStringList{BadImage});
            QCOMPARE(w.snapshot(), before);
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_badinput.moc"
