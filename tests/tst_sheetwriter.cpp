// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv/sheetwriter.h"

#include "image/imagefile.h"
#include "testhelpers.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace tess;

Q_DECLARE_METATYPE(PixelRecords)

namespace {

// The sheet written the plain way, one QByteArray::number at a time.
QByteArray plainSheet(const PixelRecords &records, ColourModel model)
{
    const bool rgb = model == ColourModel::Rgb;
    QByteArray text = rgb ? "x,y,r,g,b\n" : "x,y,h,s,v\n";
    for (const PixelRecord &p : records) {
        for (const int value : { p.x, p.y, rgb ? p.r : p.h, rgb ? p.g : p.s })
            text += QByteArray::number(value) + ',';
        text += QByteArray::number(rgb ? p.b : p.v) + '\n';
    }
    return text;
}

PixelRecords randomRecords(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    PixelRecords records;
    for (int i = 0; i < count; ++i) {
        const int any = int(random.generate());
        records.push_back({ i % 4000, i / 4000, any, int(random.bounded(256)), -int(random.bounded(1000)), 255,
                            int(random.bounded(-1, 360)), int(random.generate()), 0 });
    }
    return records;
}

// Takes the first `limit` bytes, then refuses: with a short count or with an error.
class FailingDevice : public QIODevice
{
public:
    FailingDevice(qint64 limit, bool shortWrite) : m_limit(limit), m_shortWrite(shortWrite) {}
    QByteArray data;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *bytes, qint64 length) override
    {
        const qint64 room = m_limit - data.size();
        if (length <= room) {
            data.append(bytes, length);
            return length;
        }
        setErrorString(QStringLiteral("The disk is full"));
        if (!m_shortWrite || room == 0)
            return -1;
        data.append(bytes, room);
        return room;
    }

private:
    qint64 m_limit;
    bool m_shortWrite;
};

QStringList filesIn(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class TestSheetWriter : public QObject
{
    Q_OBJECT

private slots:
    void exactText_data();
    void exactText();
    void manyRecordsMatchPlainFormatting_data();
    void manyRecordsMatchPlainFormatting();
    void deviceRefusesWrite_data();
    void deviceRefusesWrite();
    void saveReplacesLongerFile();
    void saveToImpossiblePath();
    void failedSaveKeepsExistingFile_data();
    void failedSaveKeepsExistingFile();
    void specialFileWrittenThrough_data();
    void specialFileWrittenThrough();
};

void TestSheetWriter::exactText_data()
{
    QTest::addColumn<ColourModel>("model");
    QTest::addColumn<PixelRecords>("records");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("rgb: two records, h s v not written")
        << ColourModel::Rgb << PixelRecords{ { 0, 0, 255, 0, 10, 255, 1, 2, 3 }, { 1, 0, 1, 2, 3, 255, 4, 5, 6 } }
        << QByteArray("x,y,r,g,b\n0,0,255,0,10\n1,0,1,2,3\n");
    QTest::newRow("hsv: a grey has hue -1, r g b not written")
        << ColourModel::Hsv << PixelRecords{ { 2, 7, 128, 128, 128, 255, -1, 0, 128 }, { 1, 1, 0, 0, 255, 255, 240, 255, 255 } }
        << QByteArray("x,y,h,s,v\n2,7,-1,0,128\n1,1,240,255,255\n");
    QTest::newRow("rgb: empty gives the header alone") << ColourModel::Rgb << PixelRecords{} << QByteArray("x,y,r,g,b\n");
    QTest::newRow("hsv: empty gives the header alone") << ColourModel::Hsv << PixelRecords{} << QByteArray("x,y,h,s,v\n");
    QTest::newRow("rgb: extremes and zeros")
        << ColourModel::Rgb << PixelRecords{ { .x = INT_MAX, .y = INT_MIN, .r = 0, .g = -1, .b = 100000 } }
        << QByteArray("x,y,r,g,b\n2147483647,-2147483648,0,-1,100000\n");
}

void TestSheetWriter::exactText()
{
    QFETCH(ColourModel, model);
    QFETCH(PixelRecords, records);
    QFETCH(QByteArray, text);

    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(writeSheet(buffer, records, model).ok());
    QCOMPARE(buffer.data(), text);
    QVERIFY(text.startsWith(sheetHeader(model)));
}

void TestSheetWriter::manyRecordsMatchPlainFormatting_data()
{
    QTest::addColumn<ColourModel>("model");
    // Enough lines to fill the write buffer several times and end part way through it.
    QTest::newRow("rgb") << ColourModel::Rgb;
    QTest::newRow("hsv") << ColourModel::Hsv;
}

void TestSheetWriter::manyRecordsMatchPlainFormatting()
{
    QFETCH(ColourModel, model);
    const PixelRecords records = randomRecords(120001, 7);
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(writeSheet(buffer, records, model).ok());
    QVERIFY(buffer.data() == plainSheet(records, model));
}

void TestSheetWriter::deviceRefusesWrite_data()
{
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("shortWrite");

    // Enough records that their text is made on two threads, failing in either's part.
    const qint64 total = plainSheet(randomRecords(100000, 3), ColourModel::Rgb).size();
    for (const qint64 limit : { qint64(0), qint64(9), qint64(256 * 1024), qint64(600 * 1024), total - 1 }) {
        QTest::addRow("error after %lld bytes", limit) << limit << false;
        QTest::addRow("short write after %lld bytes", limit) << limit << true;
    }
}

void TestSheetWriter::deviceRefusesWrite()
{
    QFETCH(qint64, limit);
    QFETCH(bool, shortWrite);

    const PixelRecords records = randomRecords(100000, 3);
    const QByteArray full = plainSheet(records, ColourModel::Rgb);
    FailingDevice device(limit, shortWrite);
    QVERIFY(device.open(QIODevice::WriteOnly));
    const Result refused = writeSheet(device, records, ColourModel::Rgb);
    QCOMPARE(refused.status, Status::SheetNotSaved);
    QCOMPARE(refused.detail, QStringLiteral("The disk is full"));
    QVERIFY(full.startsWith(device.data));

    // exactly enough room is no failure
    FailingDevice roomy(full.size(), shortWrite);
    QVERIFY(roomy.open(QIODevice::WriteOnly));
    QVERIFY(writeSheet(roomy, records, ColourModel::Rgb).ok());
    QCOMPARE(roomy.data, full);
}

void TestSheetWriter::saveReplacesLongerFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.csv");
    QVERIFY(writeFile(path, QByteArray(100000, 'z')));
    QVERIFY(saveSheet(path, { { .x = 0, .y = 0, .r = 1, .g = 2, .b = 3 } }, ColourModel::Rgb).ok());
    QCOMPARE(readAll(path), QByteArray("x,y,r,g,b\n0,0,1,2,3\n"));
    QCOMPARE(filesIn(dir), QStringList{ "sheet.csv" });
}

void TestSheetWriter::saveToImpossiblePath()
{
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath("plain.txt");
    QVERIFY(writeFile(notAFolder, "just a file"));

    const Result result = saveSheet(notAFolder + "/sheet.csv", {}, ColourModel::Rgb);
    QCOMPARE(result.status, Status::SheetNotSaved);
    QVERIFY(!result.detail.isEmpty());
    QCOMPARE(readAll(notAFolder), QByteArray("just a file"));
    QCOMPARE(filesIn(dir), QStringList{ "plain.txt" });
}

void TestSheetWriter::failedSaveKeepsExistingFile_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("sizeLimit");

    QTest::newRow("fails part way") << 50000 << 64 * 1024;
    QTest::newRow("fails at the very last byte") << 100 << int(plainSheet(randomRecords(100, 5), ColourModel::Hsv).size()) - 1;
}

// Files of this process may not grow past sizeLimit for a moment: the save fails as on a
// full disk.
void TestSheetWriter::failedSaveKeepsExistingFile()
{
#ifdef Q_OS_UNIX
    QFETCH(int, records);
    QFETCH(int, sizeLimit);

    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.csv");
    const QByteArray old = "x,y,r,g,b\n9,9,9,9,9\n";
    QVERIFY(writeFile(path, old));

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = rlim_t(sizeLimit);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Result result = saveSheet(path, randomRecords(records, 5), ColourModel::Hsv);
    setrlimit(RLIMIT_FSIZE, &saved);

    QCOMPARE(result.status, Status::SheetNotSaved);
    QVERIFY(!result.detail.isEmpty());
    QCOMPARE(readAll(path), old);
    QCOMPARE(filesIn(dir), QStringList{ "sheet.csv" });
#else
    QSKIP("Needs a file size limit to make the disk look full");
#endif
}

// A save to a named pipe (or a device such as /dev/null) writes into it instead of putting
// a new regular file in its place.
void TestSheetWriter::specialFileWrittenThrough_data()
{
    QTest::addColumn<bool>("image");
    QTest::newRow("sheet") << false;
    QTest::newRow("bmp picture") << true;
}

void TestSheetWriter::specialFileWrittenThrough()
{
#ifdef Q_OS_UNIX
    QFETCH(bool, image);
    QTemporaryDir dir;
    const QString path = dir.filePath(image ? "pipe.bmp" : "pipe.csv");
    const QByteArray native = QFile::encodeName(path);
    QCOMPARE(::mkfifo(native.constData(), 0600), 0);
    // Opened without blocking first, so that the save's own open finds a reader.
    const int reader = ::open(native.constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);

    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    const bool saved = image ? saveImage(picture, path).ok()
                             : saveSheet(path, { { .r = 255, .b = 10 } }, ColourModel::Rgb).ok();

    QByteArray received(4096, '\0');
    const ssize_t n = ::read(reader, received.data(), received.size());
    ::close(reader);
    QVERIFY(saved);
    QVERIFY(n > 0);
    received.truncate(n);
    struct stat info;
    QCOMPARE(::stat(native.constData(), &info), 0);
    QVERIFY(S_ISFIFO(info.st_mode));
    if (image)
        QCOMPARE(QImage::fromData(received, "bmp").convertToFormat(QImage::Format_RGB32), picture);
    else
        QCOMPARE(received, QByteArray("x,y,r,g,b\n0,0,255,0,10\n"));
#else
    QSKIP("Named pipes are a Unix matter");
#endif
}

QTEST_GUILESS_MAIN(TestSheetWriter)
#include "tst_sheetwriter.moc"
