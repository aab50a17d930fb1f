// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that fail half-way. A sheet or an image is written to a device that refuses
// every byte after the first N, and saved to a real file while the process may write no
// more than N bytes to any file (RLIMIT_FSIZE: the system's own "file too large"
// failure, which hits the save's temporary file, during writing or only when the last
// buffered bytes go out at commit). For every N: the save reports failure, the file that
// was at the path is byte-for-byte what it was, no temporary file is left behind, and
// in the window the user gets the warning and no tick.

#include "windowundertest.h"
#include "testhelpers.h"

#include "image/imagefile.h"
#include "csv/sheetwriter.h"

#include <QtTest>

#include <QBuffer>
#include <QImageWriter>

#include <sys/resource.h>

#include <csignal>

using tess::PixelRecord;
using tess::PixelRecords;

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
    // Like a file: a writer may seek past the end (TIFF puts its tags there and comes back
    // for the header); the limit is on the positions written.
    bool seek(qint64 pos) override { return pos >= 0 && QIODevice::seek(pos); }

protected:
    qint64 readData(char *, qint64) override { return -1; }

    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 at = pos();
        const qint64 n = qMin(size, m_limit - at);
        if (n <= 0) {
            setErrorString(QStringLiteral("No space left on the test device"));
            return -1;
        }
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
    explicit FileSizeLimit(qint64 bytes) : m_previousHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes < 0 ? RLIM_INFINITY : rlim_t(bytes);
        m_ok = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    bool ok() const { return m_ok; }

private:
    void (*m_previousHandler)(int);
    rlimit m_previous{};
    bool m_ok = false;
};

PixelRecords manyRecords(int count)
{
    PixelRecords records;
    for (int i = 0; i < count; ++i)
        records.push_back(PixelRecord{i % 977, i / 977, (i * 7) & 0xff, (i * 13) & 0xff, (i * 29) & 0xff, 255,
                                      i % 360, (i * 3) & 0xff, (i * 5) & 0xff});
    return records;
}

// A sheet (format empty) or an image as its writer puts it on a device that takes all.
QByteArray fullBytes(const PixelRecords &records, const QImage &image, const QByteArray &format)
{
    QBuffer full;
    full.open(QIODevice::WriteOnly);
    const bool ok = format.isEmpty() ? tess::writeSheet(full, records, tess::ColourModel::Rgb).ok()
                                     : tess::writeImage(image, full, format).ok();
    return ok ? full.data() : QByteArray();
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

// Named so, the window lets it see its data.
class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    using Window = WindowUnderTest;

    // A fresh folder holding only the old file; its path.
    QString folderWithOldFile(const QString &name, const QString &fileName)
    {
        const QString dir = m_dir.filePath(name);
        QDir(dir).removeRecursively();
        QFile file(dir + QLatin1Char('/') + fileName);
        return QDir().mkpath(dir) && file.open(QIODevice::WriteOnly) && file.write(OldContent) == OldContent.size()
            ? file.fileName()
            : QString();
    }

    // The folder still holds the old file, unchanged, and nothing else.
    void checkOnlyOldFile(const QString &path)
    {
        QCOMPARE(QFileInfo(path).dir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QFileInfo(path).fileName()});
        QCOMPARE(readAll(path), OldContent);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        FileSizeLimit probe(1 << 20);
        QVERIFY2(probe.ok(), "cannot set RLIMIT_FSIZE");
    }

    // ---- The writers on a device that gives up ----------------------------------------------

    void onFailingDevice_data()
    {
        QTest::addColumn<QString>("suffix"); // csv: a sheet
        QTest::addColumn<int>("size");       // records of a sheet, width and height of an image
        QTest::newRow("sheet of 100 records") << "csv" << 100;
        QTest::newRow("sheet of 40,000 records (more than one buffer)") << "csv" << 40000;
        for (const char *format : {"png", "bmp", "jpg", "tif"})
            if (QImageWriter::supportedImageFormats().contains(format))
                QTest::newRow(format) << QString::fromLatin1(format) << 100;
    }

    void onFailingDevice()
    {
        QFETCH(QString, suffix);
        QFETCH(int, size);
        const bool sheet = suffix == QLatin1String("csv");
        const PixelRecords records = manyRecords(sheet ? size : 0);
        const QImage image = sheet ? QImage() : noisyImage(size, size);
        const QByteArray format = sheet ? QByteArray() : suffix.toLatin1();
        const QByteArray expected = fullBytes(records, image, format);
        QVERIFY(expected.size() > 1000);
        QString error;
        const auto write = [&](FailingDevice &device) {
            if (!sheet)
                return tess::writeImage(image, device, format).ok();
            const tess::Result written = tess::writeSheet(device, records, tess::ColourModel::Rgb);
            error = written.detail;
            return written.ok();
        };

        for (const qint64 limit : limitsFor(expected.size())) {
            FailingDevice device(limit);
            error.clear();
            QVERIFY2(!write(device), qPrintable(QStringLiteral("%1 of %2 bytes").arg(limit).arg(expected.size())));
            // A sheet says why, and what got through is its start, never anything else.
            if (sheet)
                QVERIFY(!error.isEmpty() && expected.startsWith(device.accepted()));
        }
        FailingDevice roomy(expected.size());
        QVERIFY(write(roomy));
        QCOMPARE(roomy.accepted(), expected);
    }

    // ---- Saving over a file while the disk gives up -------------------------------------------

    void saveOverFile_data()
    {
        QTest::addColumn<QString>("suffix"); // csv: a sheet
        QTest::addColumn<int>("size");       // records of a sheet, width and height of an image
        QTest::newRow("small sheet: fails only at commit") << "csv" << 200;
        QTest::newRow("large sheet: fails while writing") << "csv" << 40000;
        QTest::newRow("small png: fails only at commit") << "png" << 8;
        QTest::newRow("png") << "png" << 100;
        QTest::newRow("jpg") << "jpg" << 100;
    }

    void saveOverFile()
    {
        QFETCH(QString, suffix);
        QFETCH(int, size);
        const bool sheet = suffix == QLatin1String("csv");
        const PixelRecords records = manyRecords(sheet ? size : 0);
        const QImage image = sheet ? QImage() : noisyImage(size, size);
        const QByteArray expected = fullBytes(records, image, sheet ? QByteArray() : suffix.toLatin1());
        QVERIFY(!expected.isEmpty());
        QString reason;
        const auto save = [&](const QString &path, qint64 limit) {
            FileSizeLimit limitFiles(limit);
            const tess::Result saved = sheet ? tess::saveSheet(path, records, tess::ColourModel::Rgb)
                                             : tess::saveImage(image, path);
            reason = saved.detail;
            return saved.ok();
        };

        for (const qint64 limit : limitsFor(expected.size())) {
            const QString path = folderWithOldFile(QStringLiteral("save-%1").arg(limit), "out." + suffix);
            QVERIFY(!path.isEmpty());
            reason.clear();
            QVERIFY2(!save(path, limit), qPrintable(QStringLiteral("%1 of %2 bytes").arg(limit).arg(expected.size())));
            checkOnlyOldFile(path);
            // The system's words (EFBIG), also when the file took part of a write first.
            QCOMPARE(reason, QStringLiteral("File too large"));
        }
        // With room enough the same save replaces the file.
        const QString path = folderWithOldFile(QStringLiteral("save-ok"), "out." + suffix);
        QVERIFY(save(path, expected.size()));
        QCOMPARE(readAll(path), expected);
    }

    // ---- The same through the window's two Save buttons ----------------------------------------

    void windowSaveFails_data()
    {
        QTest::addColumn<bool>("image");
        QTest::addColumn<qint64>("limit"); // -1: the path is a folder; -2: all but the last byte
        for (const bool image : {false, true}) {
            const char *what = image ? "image: " : "sheet: ";
            QTest::addRow("%snothing may be written", what) << image << qint64(0);
            QTest::addRow("%sall but the last byte", what) << image << qint64(-2);
            QTest::addRow("%sthe path is a folder", what) << image << qint64(-1);
        }
    }

    void windowSaveFails()
    {
        QFETCH(bool, image);
        QFETCH(qint64, limit);
        Window w = Window::make();
        QByteArray expected;
        if (image) {
            const QString source = m_dir.filePath(QStringLiteral("window-source.png"));
            QVERIFY(noisyImage(40, 30).save(source));
            w.dialogs->fileAnswers = {source};
            w.ui->loadImage->click();
            QCOMPARE(w.dialogs->warnings(), QStringList());
            expected = fullBytes({}, w.image(), "png");
        } else {
            // Records in no file yet: a failed save leaves them so.
            QVERIFY(w.openPicture(noisyImage(50, 1)));
            w.ui->imageToSpreadsheet->click();
            QCOMPARE(w.pixels().size(), std::size_t(50));
            expected = fullBytes(w.pixels().all(), {}, {});
        }
        QVERIFY(!expected.isEmpty());
        if (limit == -2)
            limit = expected.size() - 1;

        QString path = folderWithOldFile(QStringLiteral("window"), image ? "kept.png" : "kept.csv");
        QVERIFY(!path.isEmpty());
        if (limit == -1) {
            path = QFileInfo(path).path() + (image ? "/folder.png" : "/folder.csv");
            QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
        }
        w.dialogs->fileAnswers = {path};
        {
            FileSizeLimit limitFiles(limit);
            (image ? w.ui->saveImage : w.ui->saveSheet)->click();
        }
        QCOMPARE(w.dialogs->warnings(),
                 QStringList{image ? "Warning / Warning: Image not Saved" : "Warning / Warning: Spreadsheet not Saved"});
        if (image) {
            // Still the picture of the file it was loaded from, and in that file.
            QVERIFY(!w.ui->image_save_pos->isHidden() && w.ui->image_save_neg->isHidden());
            QVERIFY(w.ui->imageBox->title().endsWith(QStringLiteral("window-source.png")));
        } else {
            QVERIFY(w.ui->ss_save_pos->isHidden() && !w.ui->ss_save_neg->isHidden());
            QVERIFY(!w.ui->ss_memory_pos->isHidden()); // the data is still there
        }
        if (limit == -1) {
            QVERIFY(QFileInfo(path + QStringLiteral("/inside")).isDir());
            QCOMPARE(QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                     QStringList{"inside"});
        } else {
            checkOnlyOldFile(path);
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_savefaults.moc"
