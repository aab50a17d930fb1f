// SPDX-License-Identifier: GPL-3.0-or-later
// The one way the program writes its files: a regular file is replaced only when the new
// one is complete, a device or named pipe is written to and stays what it is, "-" is
// standard output; and every failure says why in the system's words and leaves the old
// file byte for byte.

#include "io/checkeddevice.h"
#include "testhelpers.h"
#include "io/safeoutput.h"

#include <QtTest>

#include <QBuffer>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QByteArray OldContent = "a pupil's work, not to be lost\n";

// 600 KB in blocks of 64 KB: several writes, each larger than a file's own buffer.
const QByteArray NewContent = QByteArray("0123456789abcdef").repeated(600 * 64);

// Writes the bytes in blocks of 64 KB; gives up after `upTo` bytes (-1: never).
bool writeBlocks(QIODevice &device, const QByteArray &bytes, qint64 upTo = -1)
{
    constexpr qint64 Block = 64 * 1024;
    for (qint64 at = 0; at < bytes.size(); at += Block) {
        if (upTo >= 0 && at >= upTo)
            return false;
        const qint64 n = qMin(Block, bytes.size() - at);
        if (device.write(bytes.constData() + at, n) != n)
            return false;
    }
    return true;
}

// A writer's verdict as writeOutput takes it: done, or given up with the reason given.
tess::Result verdict(bool written, const QString &reason = QString())
{
    return written ? tess::Result{} : tess::outcome(tess::Status::SheetNotSaved, reason);
}

// writeOutput of a writer that tells only whether it wrote.
tess::Result writeOutput(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    return tess::writeOutput(path, tess::Status::SheetNotSaved,
                             [&](QIODevice &device) { return verdict(write(device)); });
}

// Takes at most `perWrite` bytes a call, as a pipe or a nearly full disk may, and refuses
// everything once `capacity` bytes are in.
class StingyDevice : public QIODevice
{
public:
    StingyDevice(qint64 perWrite, qint64 capacity) : m_perWrite(perWrite), m_capacity(capacity)
    {
        open(QIODevice::WriteOnly);
    }
    QByteArray data;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *bytes, qint64 size) override
    {
        const qint64 n = qMin(qMin(size, m_perWrite), m_capacity - data.size());
        if (n <= 0) {
            setErrorString(QStringLiteral("the stingy device is full"));
            return -1;
        }
        data.append(bytes, n);
        return n;
    }

private:
    qint64 m_perWrite;
    qint64 m_capacity;
};

} // namespace

class TestSafeOutput : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // A fresh folder holding the old file (if wanted); the path of that file.
    QString freshPath(const QString &folder, bool withOldFile)
    {
        const QString dir = m_dir.filePath(folder);
        QDir(dir).removeRecursively();
        QDir().mkpath(dir);
        const QString path = dir + QStringLiteral("/out.dat");
        if (withOldFile) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(OldContent) != OldContent.size())
                return QString();
        }
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // A short write is completed; a refusal is reported with the device's reason.
    void checkedDevice_data()
    {
        QTest::addColumn<qint64>("perWrite");
        QTest::addColumn<qint64>("capacity");
        QTest::addColumn<bool>("complete");
        const qint64 size = NewContent.size();
        QTest::newRow("takes everything") << size << size << true;
        QTest::newRow("takes 1000 bytes a call, room for all") << qint64(1000) << size << true;
        QTest::newRow("takes 1000 bytes a call, one byte short") << qint64(1000) << size - 1 << false;
        QTest::newRow("full from the start") << qint64(1000) << qint64(0) << false;
    }

    void checkedDevice()
    {
        QFETCH(qint64, perWrite);
        QFETCH(qint64, capacity);
        QFETCH(bool, complete);
        StingyDevice target(perWrite, capacity);
        tess::CheckedDevice checked(target);
        QVERIFY(checked.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QCOMPARE(writeBlocks(checked, NewContent), complete);
        QCOMPARE(checked.failed(), !complete);
        QVERIFY(NewContent.startsWith(target.data));
        if (complete)
            QCOMPARE(checked.writtenSize(), NewContent.size());
        else
            QCOMPARE(checked.errorString(), QStringLiteral("the stingy device is full"));
    }

    // Success: the new bytes are there, in a regular file that replaced the old one.
    void writesRegularFile_data()
    {
        QTest::addColumn<bool>("withOldFile");
        QTest::newRow("new file") << false;
        QTest::newRow("replaces an old file") << true;
    }

    void writesRegularFile()
    {
        QFETCH(bool, withOldFile);
        const QString path = freshPath(QStringLiteral("regular"), withOldFile);
        const tess::Result result = writeOutput(path, [](QIODevice &device) { return writeBlocks(device, NewContent); });
        QVERIFY2(result.ok(), qPrintable(result.detail));
        QCOMPARE(result.detail, QString());
        QVERIFY(readAll(path) == NewContent);
        QCOMPARE(QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden), QStringList{"out.dat"});
    }

    // A writer that gives up: no success claimed, its own reason or none made up, and the
    // old file (or none) exactly as before with nothing beside it. (The system's refusals
    // half-way are in the save-fault tests.)
    void failureKeepsOldFile_data()
    {
        QTest::addColumn<bool>("withOldFile");
        QTest::addColumn<qint64>("giveUpAt"); // the writer gives up after so many bytes
        QTest::addColumn<QString>("reason");  // the writer's reason for giving up
        const QString tooLarge = QStringLiteral("too large for a worksheet");
        for (const bool old : {true, false}) {
            const char *what = old ? "over a file" : "new file";
            QTest::addRow("%s: writer gives up at once", what) << old << qint64(0) << QString();
            QTest::addRow("%s: writer gives up half-way", what) << old << NewContent.size() / 2 << QString();
            QTest::addRow("%s: writer says why", what) << old << NewContent.size() / 2 << tooLarge;
        }
    }

    void failureKeepsOldFile()
    {
        QFETCH(bool, withOldFile);
        QFETCH(qint64, giveUpAt);
        QFETCH(QString, reason);
        const QString path = freshPath(QStringLiteral("failing"), withOldFile);
        QVERIFY(!path.isEmpty());
        const tess::Result result =
            tess::writeOutput(path, tess::Status::ImageNotSaved, [&](QIODevice &device) {
                return verdict(writeBlocks(device, NewContent, giveUpAt), reason);
            });
        QCOMPARE(result.status, tess::Status::SheetNotSaved); // the writer's own verdict
        QCOMPARE(result.detail, reason);
        const QStringList expected = withOldFile ? QStringList{"out.dat"} : QStringList{};
        QCOMPARE(QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden), expected);
        if (withOldFile)
            QCOMPARE(readAll(path), OldContent);
    }

    // A stop that comes while the file is written keeps the old file, also when the writer
    // goes on as if nothing happened; one that comes once the file is in place says it came
    // too late, and the file stays written.
    void stopKeepsOldFile_data()
    {
        QTest::addColumn<qint64>("stopAt"); // the writer is stopped after so many bytes; -1 never
        QTest::addColumn<bool>("writerGoesOn");
        QTest::newRow("stopped before it began") << qint64(0) << true;
        QTest::newRow("stopped half-way, writer goes on") << NewContent.size() / 2 << true;
        QTest::newRow("stopped half-way, writer gives up") << NewContent.size() / 2 << false;
        QTest::newRow("stopped after the last byte") << NewContent.size() << true;
        QTest::newRow("stopped once it is in place") << qint64(-1) << true;
    }

    void stopKeepsOldFile()
    {
        QFETCH(qint64, stopAt);
        QFETCH(bool, writerGoesOn);
        const QString path = freshPath(QStringLiteral("stopped"), true);
        tess::StopFlag stop;
        const tess::Result result = tess::writeOutput(path, tess::Status::SheetNotSaved, [&](QIODevice &device) {
            const bool first = writeBlocks(device, NewContent.left(qMax<qint64>(stopAt, 0)));
            if (stopAt >= 0)
                stop.stop();
            const bool rest = writeBlocks(device, NewContent.mid(qMax<qint64>(stopAt, 0)));
            return verdict(first && (rest || writerGoesOn), QString());
        }, &stop);
        QCOMPARE(result.ok(), stopAt < 0);
        QCOMPARE(QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden), QStringList{"out.dat"});
        QCOMPARE(readAll(path), stopAt < 0 ? NewContent : OldContent);
        // A stop from now on is too late only for a file that was put in place.
        QCOMPARE(stop.stop(), stopAt >= 0);
    }

    // A folder that is not there or a path that is a folder: the writer never runs.
    void cannotOpen_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::newRow("missing folder") << QStringLiteral("no such folder/out.dat");
        QTest::newRow("path is a folder") << QStringLiteral("a folder");
    }

    void cannotOpen()
    {
        QFETCH(QString, relativePath);
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("a folder")));
        bool ran = false;
        const tess::Result result = tess::writeOutput(m_dir.filePath(relativePath), tess::Status::ImageNotSaved,
                                                      [&](QIODevice &) {
                                                          ran = true;
                                                          return tess::Result{};
                                                      });
        QVERIFY(!result.ok() && !ran);
        QCOMPARE(result.status, tess::Status::ImageNotSaved);
        QVERIFY(!result.detail.isEmpty());
        QVERIFY(QFileInfo(m_dir.filePath(QStringLiteral("a folder"))).isDir());
    }

    // A named pipe gets the bytes and stays a pipe; renaming a file over it would have
    // "succeeded" with the reader getting nothing.
    void namedPipeIsWrittenDirectly()
    {
        const QString pipe = m_dir.filePath(QStringLiteral("pipe"));
        const QByteArray native = QFile::encodeName(pipe);
        QCOMPARE(::mkfifo(native.constData(), 0600), 0);
        const int reader = ::open(native.constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        const QByteArray small = "x,y,r,g,b\n0,0,1,2,3\n";
        const tess::Result result = writeOutput(pipe, [&](QIODevice &device) { return device.write(small) == small.size(); });
        QByteArray received(4096, '\0');
        const ssize_t n = ::read(reader, received.data(), received.size());
        ::close(reader);
        QVERIFY2(result.ok(), qPrintable(result.detail));
        QCOMPARE(received.left(qMax<ssize_t>(n, 0)), small);
        QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
    }

    // A full device is written directly too, and its refusal is the system's words.
    void fullDeviceGivesTheSystemsReason()
    {
        if (!QFileInfo::exists(QStringLiteral("/dev/full")))
            QSKIP("this system has no /dev/full");
        const tess::Result result =
            writeOutput(QStringLiteral("/dev/full"), [](QIODevice &device) { return writeBlocks(device, NewContent); });
        QCOMPARE(result.status, tess::Status::SheetNotSaved);
        QCOMPARE(result.detail, QStringLiteral("No space left on device"));
        QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile());
    }

    // "-": the bytes reach the process's standard output (here redirected to a file).
    void standardOutput()
    {
        const QString captured = m_dir.filePath(QStringLiteral("stdout.txt"));
        std::fflush(stdout);
        const int saved = ::dup(STDOUT_FILENO);
        const int file = ::open(QFile::encodeName(captured).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        QVERIFY(saved >= 0 && file >= 0);
        ::dup2(file, STDOUT_FILENO);
        ::close(file);
        const tess::Result result =
            writeOutput(tess::StandardStreamPath, [](QIODevice &device) { return writeBlocks(device, NewContent); });
        std::fflush(stdout);
        ::dup2(saved, STDOUT_FILENO);
        ::close(saved);
        QVERIFY2(result.ok(), qPrintable(result.detail));
        QVERIFY(readAll(captured) == NewContent);
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("-"))));
    }
};

QTEST_MAIN(TestSafeOutput)
#include "tst_safeoutput.moc"
