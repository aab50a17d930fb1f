// Saves that fail half-way. A sheet or an image is written to a device that refuses
// every byte after the first N, and saved to a real file while the process may write no
// more than N bytes to any file (RLIMIT_FSIZE: the system's own "file too large"
// failure, which hits the save's temporary file, during writing or only when the last
// buffered bytes go out at commit). For every N: the save reports failure, the file that
// was at the path is byte-for-byte what it was, no temporary file is left behind, and
// in the window the user gets the warning and no tick.

#include "mainwindow.h"
#include "windowundertest.h"
#include "ui_mainwindow.h"

#include "image/imagefile.h"
#include "sheet/sheetwriter.h"

#include <QtTest>

#include <QBuffer>
#include <QImageWriter>

#include <sys/resource.h>

#include <csignal>

namespace {

// Accepts bytes at the first `limit` positions, then refuses: a short write where the
// limit falls inside a write, -1 for every write beyond it.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 limit) : m_limit(limit) { open(QIODevice::WriteOnly); }

    const QByteArray &accepted() const { return m_data; }
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_data.size(); }

    // Like a file: a writer may seek anywhere, also past the end (TIFF puts its tags there
    // and comes back for the header); the limit is on the positions written.
    bool seek(qint64 pos) override { return pos >= 0 && QIODevice::seek(pos); }

protected:
    qint64 readData(char *, qint64) override { return -1; }

    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 at = pos();
        const qint64 room = m_limit - at;
        if (room <= 0) {
            setErrorString(QStringLiteral("No space left on the test device"));
            return -1;
        }
        const qint64 n = qMin(size, room);
        if (at + n > m_data.size())
            m_data.resize(at + n);
        std::memcpy(m_data.data() + at, data, size_t(n));
        return n;
    }

private:
    qint64 m_limit;
    QByteArray m_data;
};

// While it lives, no file of this process may grow beyond `bytes`: writes past it fail
// with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = rlim_t(bytes);
        m_ok = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    bool ok() const { return m_ok; }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
    bool m_ok = false;
};

PixelRecords manyRecords(int count)
{
    PixelRecords records;
    records.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        records.push_back(PixelRecord{i % 977, i / 977, (i * 7) & 0xff, (i * 13) & 0xff, (i * 29) & 0xff, 255,
                                      i % 360, (i * 3) & 0xff, (i * 5) & 0xff});
    return records;
}

QImage noisyImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 seed = 99;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            image.setPixel(x, y, 0xff000000u | (seed >> 8));
        }
    return image;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Byte counts worth failing at: the very start, around the header and the buffers of the
// toolkit (16 KB) and of the sheet writer (256 KB), and just short of the end.
QList<qint64> limitsFor(qint64 total)
{
    QList<qint64> out;
    for (qint64 n : {0, 1, 2, 9, 10, 11, 100, 1000, 4095, 4096, 4097, 16383, 16384, 16385, 65536, 262143,
                     262144, 262145})
        if (n < total)
            out.append(n);
    for (qint64 n : {total / 3, total / 2, total - 100, total - 2, total - 1})
        if (n > 0 && n < total && !out.contains(n))
            out.append(n);
    return out;
}

const QByteArray OldContent = QByteArray("the file that was here before, and must stay\n").repeated(40);

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // The folder holds the old file and nothing else.
    void checkOnlyOldFile(const QString &dir, const QString &path)
    {
        QCOMPARE(QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QFileInfo(path).fileName()});
        QCOMPARE(readAll(path), OldContent);
    }

    QString freshFolderWithOldFile(const QString &name, const QString &fileName)
    {
        const QString dir = m_dir.filePath(name);
        QDir(dir).removeRecursively();
        if (!QDir().mkpath(dir))
            return QString();
        const QString path = dir + QLatin1Char('/') + fileName;
        return writeFile(path, OldContent) ? path : QString();
    }

    using Window = WindowUnderTest;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        FileSizeLimit probe(1 << 20);
        QVERIFY2(probe.ok(), "cannot set RLIMIT_FSIZE");
    }

    // ---- The writers on a device that gives up ----------------------------------------------

    void sheetOnFailingDevice_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<bool>("hsv");
        QTest::newRow("no records, rgb") << 0 << false;
        QTest::newRow("100 records, hsv") << 100 << true;
        QTest::newRow("40,000 records, rgb (more than one buffer)") << 40000 << false;
    }

    void sheetOnFailingDevice()
    {
        QFETCH(int, records);
        QFETCH(bool, hsv);
        const PixelRecords data = manyRecords(records);
        const tess::ColourModel model = hsv ? tess::ColourModel::Hsv : tess::ColourModel::Rgb;

        QBuffer full;
        full.open(QIODevice::WriteOnly);
        QVERIFY(tess::writeSheet(full, data, model));
        const QByteArray expected = full.data();
        QVERIFY(expected.startsWith(tess::sheetHeader(model)));
        QCOMPARE(expected.count('\n'), records + 1);

        for (const qint64 limit : limitsFor(expected.size())) {
            FailingDevice device(limit);
            QString error;
            QVERIFY2(!tess::writeSheet(device, data, model, &error), qPrintable(QString::number(limit)));
            QVERIFY(!error.isEmpty());
            // What got through is the start of the sheet, never anything else.
            QVERIFY(device.accepted().size() <= limit);
            QVERIFY(expected.startsWith(device.accepted()));
        }
        FailingDevice roomy(expected.size());
        QVERIFY(tess::writeSheet(roomy, data, model));
        QCOMPARE(roomy.accepted(), expected);
    }

    void imageOnFailingDevice_data()
    {
        QTest::addColumn<QByteArray>("format");
        const QList<QByteArray> writable = QImageWriter::supportedImageFormats();
        for (const char *format : {"png", "bmp", "jpg", "ppm", "pgm", "tif"}) {
            if (writable.contains(format))
                QTest::newRow(format) << QByteArray(format);
        }
    }

    void imageOnFailingDevice()
    {
        QFETCH(QByteArray, format);
        const QImage image = noisyImage(120, 90);
        QBuffer full;
        full.open(QIODevice::WriteOnly);
        QVERIFY(tess::writeImage(image, full, format));
        const qint64 total = full.data().size();
        QVERIFY(total > 1000);

        for (const qint64 limit : limitsFor(total)) {
            FailingDevice device(limit);
            QVERIFY2(!tess::writeImage(image, device, format),
                     qPrintable(QStringLiteral("%1 of %2 bytes").arg(limit).arg(total)));
        }
        FailingDevice roomy(total);
        QVERIFY(tess::writeImage(image, roomy, format));
        QCOMPARE(roomy.accepted(), full.data());
    }

    // ---- Saving over a file while the disk gives up -------------------------------------------

    void saveSheetOverFile_data()
    {
        QTest::addColumn<int>("records");
        QTest::newRow("small sheet: fails only at commit") << 200;
        QTest::newRow("large sheet: fails while writing") << 40000;
    }

    void saveSheetOverFile()
    {
        QFETCH(int, records);
        const PixelRecords data = manyRecords(records);
        QBuffer full;
        full.open(QIODevice::WriteOnly);
        QVERIFY(tess::writeSheet(full, data, tess::ColourModel::Rgb));
        const qint64 total = full.data().size();

        for (const qint64 limit : limitsFor(total)) {
            const QString path = freshFolderWithOldFile(QStringLiteral("sheet-%1").arg(limit), QStringLiteral("out.csv"));
            QVERIFY(!path.isEmpty());
            tess::SheetSaveStatus status;
            {
                FileSizeLimit limitFiles(limit);
                status = tess::saveSheet(path, data, tess::ColourModel::Rgb);
            }
            QVERIFY2(status == tess::SheetSaveStatus::WriteFailed,
                     qPrintable(QStringLiteral("%1 of %2 bytes: status %3").arg(limit).arg(total).arg(int(status))));
            checkOnlyOldFile(QFileInfo(path).path(), path);
        }

        // With room enough the same save replaces the file.
        const QString path = freshFolderWithOldFile(QStringLiteral("sheet-ok"), QStringLiteral("out.csv"));
        {
            FileSizeLimit limitFiles(total);
            QCOMPARE(tess::saveSheet(path, data, tess::ColourModel::Rgb), tess::SheetSaveStatus::Saved);
        }
        QCOMPARE(readAll(path), full.data());
    }

    void saveImageOverFile_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QSize>("size");
        QTest::newRow("small png: fails only at commit") << "png" << QSize(8, 8);
        QTest::newRow("png") << "png" << QSize(120, 90);
        QTest::newRow("bmp") << "bmp" << QSize(120, 90);
        QTest::newRow("jpg") << "jpg" << QSize(120, 90);
        if (QImageWriter::supportedImageFormats().contains("tif"))
            QTest::newRow("tif") << "tif" << QSize(120, 90);
    }

    void saveImageOverFile()
    {
        QFETCH(QString, suffix);
        QFETCH(QSize, size);
        const QImage image = noisyImage(size.width(), size.height());
        QBuffer full;
        full.open(QIODevice::WriteOnly);
        QVERIFY(tess::writeImage(image, full, suffix.toLatin1()));
        const qint64 total = full.data().size();

        for (const qint64 limit : limitsFor(total)) {
            const QString path = freshFolderWithOldFile(QStringLiteral("image-%1-%2").arg(suffix).arg(limit),
                                                        QStringLiteral("out.") + suffix);
            QVERIFY(!path.isEmpty());
            bool saved;
            {
                FileSizeLimit limitFiles(limit);
                saved = tess::saveImage(image, path);
            }
            QVERIFY2(!saved, qPrintable(QStringLiteral("%1 of %2 bytes").arg(limit).arg(total)));
            checkOnlyOldFile(QFileInfo(path).path(), path);
        }

        const QString path = freshFolderWithOldFile(QStringLiteral("image-ok"), QStringLiteral("out.") + suffix);
        {
            FileSizeLimit limitFiles(total);
            QVERIFY(tess::saveImage(image, path));
        }
        QCOMPARE(readAll(path), full.data());
    }

    // A folder where the file should go: nothing can be saved, the folder stays.
    void saveOntoFolder()
    {
        const QString path = m_dir.filePath(QStringLiteral("a-folder.csv"));
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
        QVERIFY(tess::saveSheet(path, manyRecords(3), tess::ColourModel::Rgb) != tess::SheetSaveStatus::Saved);
        QVERIFY(QFileInfo(path).isDir());
        QVERIFY(QFileInfo(path + QStringLiteral("/inside")).isDir());

        const QString imagePath = m_dir.filePath(QStringLiteral("b-folder.png"));
        QVERIFY(QDir().mkpath(imagePath));
        QVERIFY(!tess::saveImage(noisyImage(4, 4), imagePath));
        QVERIFY(QFileInfo(imagePath).isDir());
    }

    // ---- The same through the window -----------------------------------------------------------

    void windowSaveSheetFails_data()
    {
        QTest::addColumn<qint64>("limit"); // -1: the path is a folder
        QTest::newRow("nothing may be written") << qint64(0);
        QTest::newRow("the header and a little more") << qint64(20);
        QTest::newRow("all but the last byte") << qint64(-2);
        QTest::newRow("the path is a folder") << qint64(-1);
    }

    void windowSaveSheetFails()
    {
        QFETCH(qint64, limit);
        Window w = Window::make();
        w.window->pixels = manyRecords(50);
        w.window->maxX = 50;
        w.window->maxY = 1;
        w.window->hasRgb = w.window->hasHsv = true;
        w.window->markLoaded(QStringLiteral("spreadsheet"));
        QBuffer full;
        full.open(QIODevice::WriteOnly);
        QVERIFY(tess::writeSheet(full, w.window->pixels, tess::ColourModel::Rgb));
        if (limit == -2)
            limit = full.data().size() - 1;

        QString path = freshFolderWithOldFile(QStringLiteral("window-sheet"), QStringLiteral("kept.csv"));
        QVERIFY(!path.isEmpty());
        if (limit == -1) {
            path = QFileInfo(path).path() + QStringLiteral("/folder.csv");
            QVERIFY(QDir().mkpath(path));
        }
        w.dialogs->fileAnswers = {path};
        {
            FileSizeLimit limitFiles(limit >= 0 ? limit : RLIM_INFINITY);
            w.ui->saveSheet->click();
        }
        QCOMPARE(w.dialogs->warnings(), QStringList{"Warning / Warning: Spreadsheet not Saved"});
        QVERIFY(w.ui->ss_save_pos->isHidden() && !w.ui->ss_save_neg->isHidden());
        QVERIFY(!w.ui->ss_memory_pos->isHidden()); // the data is still there
        if (limit == -1) {
            QVERIFY(QFileInfo(path).isDir());
        } else {
            checkOnlyOldFile(QFileInfo(path).path(), path);
        }
    }

    void windowSaveImageFails_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::newRow("nothing may be written") << qint64(0);
        QTest::newRow("a few hundred bytes") << qint64(300);
        QTest::newRow("all but the last byte") << qint64(-2);
        QTest::newRow("the path is a folder") << qint64(-1);
    }

    void windowSaveImageFails()
    {
        QFETCH(qint64, limit);
        Window w = Window::make();
        const QImage image = noisyImage(40, 30);
        const QString source = m_dir.filePath(QStringLiteral("window-source.png"));
        QVERIFY(image.save(source));
        w.dialogs->fileAnswers = {source};
        w.ui->loadImage->click();
        QCOMPARE(w.dialogs->warnings(), QStringList());
        QBuffer full;
        full.open(QIODevice::WriteOnly);
        QVERIFY(tess::writeImage(w.window->image, full, "png"));
        if (limit == -2)
            limit = full.data().size() - 1;

        QString path = freshFolderWithOldFile(QStringLiteral("window-image"), QStringLiteral("kept.png"));
        QVERIFY(!path.isEmpty());
        if (limit == -1) {
            path = QFileInfo(path).path() + QStringLiteral("/folder.png");
            QVERIFY(QDir().mkpath(path));
        }
        w.dialogs->fileAnswers = {path};
        {
            FileSizeLimit limitFiles(limit >= 0 ? limit : RLIM_INFINITY);
            w.ui->saveImage->click();
        }
        QCOMPARE(w.dialogs->warnings(), QStringList{"Warning / Warning: Image not Saved"});
        QVERIFY(w.ui->image_save_pos->isHidden() && !w.ui->image_save_neg->isHidden());
        if (limit == -1) {
            QVERIFY(QFileInfo(path).isDir());
        } else {
            checkOnlyOldFile(QFileInfo(path).path(), path);
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_savefaults.moc"
