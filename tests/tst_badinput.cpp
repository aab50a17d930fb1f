// SPDX-License-Identifier: GPL-3.0-or-later
// Broken, hostile and odd files, opened the way a user opens them: through the window's
// Load Sheet and Load Image buttons. For each one the test states exactly what the user
// then sees (the warning, the status panel, the pixel table) and checks that nothing was
// written, that it returned quickly and that memory stayed bounded.

#include "windowundertest.h"
#include "testhelpers.h"

#include "image/imagefile.h"
#include "csv/sheetreader.h"

#include <QtTest>

#include <QBuffer>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QStatusBar>

using tess::PixelRecord;
using tess::PixelRecords;

namespace {

const QString NotValid = QStringLiteral("Invalid Sheet / This is not a valid color spreadsheet.");
const QString NoColours = QStringLiteral("Invalid Sheet / Your spreadsheet does not contain valid color values.");
const QString BadImage = QStringLiteral("Failed loading / Invalid image format.");

// The largest file here is 4 MB; nothing about opening or drawing one may need more.
constexpr qint64 MemoryBudgetMB = 256;

// Every file below the folder with a hash of its content: proof that nothing was written.
QMap<QString, QByteArray> folderState(const QString &dir)
{
    QMap<QString, QByteArray> state;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        const bool isFile = it.fileInfo().isFile() && file.open(QIODevice::ReadOnly);
        state.insert(file.fileName(), isFile ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                                             : QByteArray("<folder>"));
    }
    return state;
}

// Resident memory in megabytes from /proc/self/status: "VmRSS" now, "VmHWM" the peak since
// the last resetPeakMemory() (Linux resets it on "5" in clear_refs).
qint64 memoryMB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLongLong() / 1024;
    return -1;
}

bool resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

// Runs action and fails unless it took under 20 s and grew the peak memory by less than
// the budget.
#define QVERIFY_BOUNDED(action)                                                                       \
    do {                                                                                              \
        QVERIFY(resetPeakMemory());                                                                   \
        const qint64 startMB = memoryMB("VmRSS");                                                     \
        QElapsedTimer timer;                                                                          \
        timer.start();                                                                                \
        action;                                                                                       \
        QVERIFY2(timer.elapsed() < 20000, qPrintable(QStringLiteral("took %1 ms").arg(timer.elapsed()))); \
        const qint64 grown = memoryMB("VmHWM") - startMB;                                             \
        QVERIFY2(grown < MemoryBudgetMB, qPrintable(QStringLiteral("peak memory grew by %1 MB").arg(grown))); \
    } while (false)

// A well-formed PNG header for an 8-bit RGB image of the given size, with a few rows of
// real pixel data behind it, so that the decoder only ever fails on the size.
QByteArray pngClaiming(quint32 width, quint32 height)
{
    const QByteArray ihdr = bigEndian32(width) + bigEndian32(height) + QByteArray("\x08\x02\x00\x00\x00", 5);
    const QByteArray rows(3 * (1 + 3 * int(qMin<quint32>(width, 64))), '\0');
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", ihdr)
        + pngChunk("IDAT", qCompress(rows).mid(4) /* without Qt's length prefix */) + pngChunk("IEND", {});
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(90);
    return writer.write(image) ? bytes : QByteArray();
}

// Bytes that are neither text nor any image format's signature; no "x" field can form.
QByteArray binaryJunk()
{
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

QByteArray utf16le(const QString &text)
{
    return QByteArray("\xff\xfe", 2)
        + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

} // namespace

// Named so, the window lets it see its data.
class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    using Window = WindowUnderTest;
    QTemporaryDir m_dir;

    // Opens path through the button: quickly, in bounded memory, and writing nothing.
    void clickLoad(Window &w, QPushButton *button, const QString &path)
    {
        const auto before = folderState(m_dir.path());
        w.dialogs->asked.clear();
        w.dialogs->fileAnswers = {path};
        QVERIFY_BOUNDED(button->click());
        QVERIFY(folderState(m_dir.path()) == before);
    }

    // A window with a good image and a good sheet (one record) loaded.
    void loadGood(Window &w)
    {
        const QString image = m_dir.filePath(QStringLiteral("good.png"));
        const QString sheet = m_dir.filePath(QStringLiteral("good.csv"));
        QVERIFY(noisyImage(5, 4).save(image));
        QVERIFY(writeFile(sheet, "x,y,r,g,b\n0,0,1,2,3\n"));
        w.dialogs->fileAnswers = {image};
        w.ui->loadImage->click();
        w.dialogs->fileAnswers = {sheet};
        w.ui->loadSpreadsheet->click();
        QCOMPARE(w.dialogs->warnings(), QStringList());
        QCOMPARE(w.pixels().size(), std::size_t(1));
    }

    static QStringList imageSide(const Window &w)
    {
        return {w.ui->imageBox->title(), w.ui->originalSize->text(), w.ui->outputRows->text(),
                QString::number(w.ui->image_memory_pos->isHidden()), QString::number(w.image().cacheKey())};
    }

    // A rejected sheet: the warning, and the window exactly as it was.
    void loadRejectedSheet(const QString &path, const QString &warning)
    {
        Window w = Window::make();
        loadGood(w);
        const QStringList before = w.snapshot();
        clickLoad(w, w.ui->loadSpreadsheet, path);
        QCOMPARE(w.dialogs->warnings(), QStringList{warning});
        QCOMPARE(w.pixels().size(), std::size_t(1));
        QCOMPARE(w.snapshot(), before);
    }

    // A rejected image: the warning, and the window exactly as it was.
    void loadRejectedImage(const QString &path)
    {
        Window w = Window::make();
        loadGood(w);
        const QStringList before = w.snapshot();
        const QImage imageBefore = w.image();
        clickLoad(w, w.ui->loadImage, path);
        QCOMPARE(w.dialogs->warnings(), QStringList{BadImage});
        QCOMPARE(w.snapshot(), before);
        QCOMPARE(w.image(), imageBefore);
        QCOMPARE(w.pixels().size(), std::size_t(1));
    }

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
        QTest::newRow("header without y") << QByteArray("x,r,g,b\n0,1,2,3\n") << NotValid;
        QTest::newRow("x and y only") << QByteArray("x,y\n0,0\n1,1\n") << NoColours;
        QTest::newRow("x and y after a million header columns, no colour")
            << QByteArray("q,").repeated(1000000) + QByteArray("x,y\n1,2\n") << NoColours;
    }

    void rejectedSheet()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, warning);
        const QString path = m_dir.filePath(QStringLiteral("bad.csv"));
        QVERIFY(writeFile(path, bytes));
        loadRejectedSheet(path, warning);
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

        QTest::newRow("header alone") << rgb << 0 << "1, 1" << ",,,," << QSize(1, 1);
        QTest::newRow("UTF-16 without its final byte")
            << utf16le(QStringLiteral("x,y,r,g,b\n3,4,5,6,7\n\n")).chopped(1) << 1 << "4, 5" << "3,4,5,6,7"
            << QSize(4, 5);
        // A line whose x or y is no number within 32 bits has no pixel: it is skipped.
        QTest::newRow("x of 10,000 digits") << rgb + digits + ",5,7,8,9\n" << 0 << "1, 1" << ",,,,"
                                            << QSize(1, 1);
        QTest::newRow("colour of 10,000 digits") << rgb + "1,2," + digits + ",8,9\n" << 1 << "2, 3"
                                                 << "1,2,0,8,9" << QSize(2, 3);
        QTest::newRow("nan, inf and 1e999 as colours") << rgb + "1,2,nan,inf,1e999\n" << 1 << "2, 3"
                                                       << "1,2,0,0,0" << QSize(2, 3);
        QTest::newRow("nan, inf and 1e999 as coordinates") << rgb + "nan,inf,1,2,3\n4,1e999,5,6,7\n2,0,1,2,3\n"
                                                           << 1 << "3, 1" << "2,0,1,2,3" << QSize(3, 1);
        QTest::newRow("one past the 32-bit range") << rgb + "-2147483649,0,1,2,3\n0,0,-2147483649,2147483648,3\n"
                                                   << 1 << "1, 1" << "0,0,0,0,3" << QSize(1, 1);
        QTest::newRow("largest coordinates") << rgb + "2147483647,2147483647,1,2,3\n" << 1
                                             << "2147483647, 2147483647" << "2147483647,2147483647,1,2,3"
                                             << QSize(0, 0);
        QTest::newRow("smallest coordinates") << rgb + "-2147483648,-2147483648,1,2,3\n" << 1 << "1, 1"
                                              << "-2147483648,-2147483648,1,2,3" << QSize(1, 1);
        QTest::newRow("a million columns in a data line")
            << rgb + "0,0,1,2,3" + QByteArray(",9").repeated(1000000) + "\n1,0,4,5,6\n" << 2 << "2, 1"
            << "0,0,1,2,3" << QSize(2, 1);
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
        QCOMPARE(int(w.pixels().size()), records);
        QCOMPARE(w.ui->resolution->text(), QStringLiteral("Output Image: ") + outputImage);
        QCOMPARE(w.rowTexts(1).join(QLatin1Char(',')), firstRow);
        QVERIFY(!w.ui->ss_memory_pos->isHidden() && w.ui->ss_memory_neg->isHidden());
        // Read from a file, the sheet is what the file holds.
        QVERIFY(!w.ui->ss_save_pos->isHidden() && !w.ui->tableWidget->isHidden());
        QVERIFY(w.ui->spreadsheetToImage->isEnabled());

        // Drawing it never needs more than the drawing's own limit.
        QVERIFY_BOUNDED(w.ui->spreadsheetToImage->click());
        QCOMPARE(w.image().size(), drawn);
        QCOMPARE(w.image().isNull(), drawn.isEmpty());
        QCOMPARE(w.ui->imageView->pixmap().isNull(), drawn.isEmpty());
        // A picture that cannot be made is said at once, and nothing is marked loaded.
        QCOMPARE(w.ui->originalSize->text(), drawn.isEmpty() ? QStringLiteral("Original Size: -- ")
                                                             : QStringLiteral("Original Size: %1, %2")
                                                                   .arg(drawn.width())
                                                                   .arg(drawn.height()));
        QCOMPARE(w.dialogs->warnings().size(), drawn.isEmpty() ? 1 : 0);
        QCOMPARE(w.ui->image_memory_pos->isHidden(), drawn.isEmpty());
        QVERIFY(QFile::remove(path));
    }

    // The reader takes the file in blocks; wherever a block ends, inside a broken UTF-8
    // sequence or not, the sheet must read exactly as it does in one piece.
    void brokenTextAtEveryBlockBoundary_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");
        QTest::newRow("3-byte lead before a separator in the header")
            << QByteArray("x,y,r\xeb,g,b\r0,255,0,10\r1,0,1,2,3\r") << 2;
        QTest::newRow("broken sequences in data fields")
            << QByteArray("x,y,r,g,b\n1,2,3\xe2,4\xc3,5\n6,7,8\xf0,9,10\n") << 2;
    }

    void brokenTextAtEveryBlockBoundary()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, records);
        const auto key = [](const tess::SheetInfo &i) {
            const tess::SheetColumns &c = i.columns;
            return QList<int>{int(i.status), c.x, c.y, c.r, c.g, c.b, c.a, c.h, c.s, c.v, i.width, i.height};
        };

        QBuffer whole(&bytes);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        PixelRecords expected;
        const QList<int> info = key(tess::readSheet(whole, expected));
        QCOMPARE(int(expected.size()), records);
        for (qint64 blockSize = 1; blockSize <= bytes.size(); ++blockSize) {
            QBuffer buffer(&bytes);
            QVERIFY(buffer.open(QIODevice::ReadOnly));
            PixelRecords out;
            const QByteArray where = "block size " + QByteArray::number(blockSize);
            QVERIFY2(key(tess::readSheetInBlocks(buffer, out, blockSize)) == info, where);
            QVERIFY2(out == expected, where);
        }
    }

    // ---- Images that are no images ------------------------------------------------------------

    void rejectedImage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("suffix");

        const QByteArray png = encoded(noisyImage(16, 16), "png");
        QTest::newRow("empty file") << QByteArray() << "png";
        QTest::newRow("binary junk") << binaryJunk() << "png";
        QTest::newRow("a sheet named .png") << QByteArray("x,y,r,g,b\n0,0,1,2,3\n") << "png";
        QTest::newRow("PNG claiming 100000 x 100000") << pngClaiming(100000, 100000) << "png";
        QTest::newRow("PNG cut in its pixel data") << png.left(png.size() - 40) << "png";
        // Complete pixels, then a chunk that claims almost 2 GB: the decoder must not
        // set aside (and clear) that much memory for a file of a few hundred bytes.
        QTest::newRow("PNG with a 2 GB text chunk after its pixels")
            << pngClaiming(8, 3).chopped(12) + bigEndian32(0x7e000026) + "tEXt" + QByteArray(32, 'a') << "png";
        QTest::newRow("JPEG cut inside its headers") << encoded(noisyImage(64, 48), "jpg").left(120) << "jpg";
    }

    void rejectedImage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, suffix);
        const QString path = m_dir.filePath(QStringLiteral("bad.") + suffix);
        QVERIFY(writeFile(path, bytes));
        loadRejectedImage(path);
        QVERIFY(QFile::remove(path));
    }

    // Damaged files that are still images: a JPEG whose scan data stops half-way (the
    // decoder fills the missing rows), and a PNG without the last bytes of its end marker
    // (the check that keeps oversized chunks from the decoder leaves it alone).
    void damagedImageStillLoads_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("cut");
        QTest::addColumn<QString>("notice"); // in the status bar
        QTest::newRow("JPEG cut half-way through its scan")
            << QByteArray("jpg") << -1
            << "The picture file is damaged: it ends early, and its missing part shows as grey.";
        QTest::newRow("PNG without the end of its end marker") << QByteArray("png") << 4 << "";
        QTest::newRow("whole JPEG") << QByteArray("jpg") << 0 << "";
    }

    void damagedImageStillLoads()
    {
        QFETCH(QByteArray, format);
        QFETCH(int, cut);
        QFETCH(QString, notice);
        const QImage source = noisyImage(64, 48);
        const QByteArray bytes = encoded(source, format);
        QVERIFY(bytes.size() > 2000);
        const QString path = m_dir.filePath(QStringLiteral("cut.") + QString::fromLatin1(format));
        QVERIFY(writeFile(path, bytes.chopped(cut < 0 ? bytes.size() / 2 : cut)));

        Window w = Window::make();
        clickLoad(w, w.ui->loadImage, path);
        QCOMPARE(w.dialogs->warnings(), QStringList());
        QCOMPARE(w.window->statusBar()->currentMessage(), notice);
        QCOMPARE(w.image().size(), QSize(64, 48));
        QCOMPARE(w.ui->originalSize->text(), QStringLiteral("Original Size: 64, 48"));
        QVERIFY(!w.ui->image_memory_pos->isHidden());
        if (format == "png")
            QCOMPARE(w.image().convertToFormat(QImage::Format_RGB32), source);
        w.ui->imageToSpreadsheet->click();
        QCOMPARE(w.pixels().size(), std::size_t(64 * 48));
        QVERIFY(QFile::remove(path));
    }

    // ---- Paths that cannot be read: a sheet refused or not there, an invalid image ------------

    void unreadablePath_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sheetWarning");
        QTest::newRow("a folder") << "folder.csv" << NotValid;
        QTest::newRow("a path that does not exist") << "missing/none.csv"
                                                    << "Failed loading / The spreadsheet file does not exist.";
    }

    void unreadablePath()
    {
        QFETCH(QString, name);
        QFETCH(QString, sheetWarning);
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.csv")));
        loadRejectedSheet(m_dir.filePath(name), sheetWarning);
        loadRejectedImage(m_dir.filePath(name));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_badinput.moc"
