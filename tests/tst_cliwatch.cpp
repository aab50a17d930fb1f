// SPDX-License-Identifier: GPL-3.0-or-later
// The converter following its input with --watch, run as a child process while the test
// saves the input the ways spreadsheet and paint programs do.

#include "testhelpers.h"

#include <QtTest>

#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <sys/types.h>

namespace {

QByteArray sheetOf(int red)
{
    return "x,y,r,g,b\n0,0," + QByteArray::number(red) + ",0,0\n1,1,0,0,9\n";
}

void save(const QString &path, const QByteArray &bytes, bool atomic)
{
    if (atomic)
        QVERIFY(saveByRenaming(path, bytes));
    else
        QVERIFY(writeFile(path, bytes));
}

// The red of the first pixel of the picture at path, -1 while there is none.
int redAt(const QString &path)
{
    const QImage image(path);
    return image.isNull() ? -1 : qRed(image.pixel(0, 0));
}

class Watcher
{
public:
    explicit Watcher(const QStringList &arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TESSARINE_CLI), arguments);
    }
    ~Watcher()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    QByteArray errors()
    {
        err += process.readAllStandardError();
        return err;
    }

    QProcess process;
    QByteArray err;
};

} // namespace

class TestCliWatch : public QObject
{
    Q_OBJECT

private slots:
    // Six saves of both kinds, each drawn within three seconds; a save that cannot be read
    // keeps the last picture and says why; the next good save is drawn; SIGTERM ends with 0
    // and leaves only the sheet and the picture.
    void toImageFollowsSaves()
    {
        QTemporaryDir dir;
        const QString sheet = dir.filePath(QStringLiteral("lesson.csv"));
        const QString image = dir.filePath(QStringLiteral("lesson.png"));
        QVERIFY(writeFile(sheet, sheetOf(10)));
        Watcher watcher({"to-image", "--watch", sheet, image});
        QVERIFY(watcher.process.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(redAt(image), 10, 10000);

        for (int i = 1; i <= 6; ++i) {
            QTest::qWait(100);
            save(sheet, sheetOf(10 + i), i % 2 == 1);
            QTRY_COMPARE_WITH_TIMEOUT(redAt(image), 10 + i, 3000);
        }
        QTRY_VERIFY_WITH_TIMEOUT(watcher.errors().count("lesson.csv changed: read again and drawn") == 6, 3000);

        save(sheet, "x,y,r,g,b\n0,0,\"17,0,0\n", false);
        QTRY_VERIFY_WITH_TIMEOUT(watcher.errors().contains("lesson.csv: line 2"), 3000);
        QTest::qWait(500);
        QCOMPARE(redAt(image), 16);
        QCOMPARE(watcher.process.state(), QProcess::Running);

        save(sheet, sheetOf(18), true);
        QTRY_COMPARE_WITH_TIMEOUT(redAt(image), 18, 3000);

        watcher.process.terminate();
        QVERIFY(watcher.process.waitForFinished(5000));
        QCOMPARE(watcher.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(watcher.process.exitCode(), 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"lesson.csv", "lesson.png"}));
    }

    // A workbook holding its picture in three sheets named for the channels is followed as a
    // pixel sheet is, and the notice names how it was read.
    void toImageFollowsAWorkbookOfChannels()
    {
        QTemporaryDir dir;
        const QString book = dir.filePath(QStringLiteral("channels.xlsx"));
        const QString image = dir.filePath(QStringLiteral("channels.png"));
        const auto channels = [&](int red) {
            const QString made = dir.filePath(QStringLiteral("made.xlsx"));
            QProcess python;
            python.start(QStringLiteral("/usr/bin/python3"),
                         { QStringLiteral("-c"),
                           QStringLiteral("import sys, openpyxl\nwb = openpyxl.Workbook()\nwb.remove(wb.active)\n"
                                          "for name, v in (('R', %1), ('G', 0), ('B', 9)):\n"
                                          "    ws = wb.create_sheet(name)\n    ws.append([v, v])\n    ws.append([v, 1])\n"
                                          "wb.save(sys.argv[1])\n").arg(red), made });
            QFile file(made);
            const QByteArray bytes = python.waitForFinished(30000) && python.exitCode() == 0 && file.open(QIODevice::ReadOnly)
                                         ? file.readAll() : QByteArray();
            file.remove();
            return bytes;
        };
        const QByteArray first = channels(10);
        if (first.isEmpty())
            QSKIP("python3 with openpyxl is not installed");
        QVERIFY(writeFile(book, first));
        Watcher watcher({"to-image", "--watch", book, image});
        QVERIFY(watcher.process.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(redAt(image), 10, 10000);
        save(book, channels(200), true);
        QTRY_COMPARE_WITH_TIMEOUT(redAt(image), 200, 5000);
        QVERIFY(watcher.errors().contains("read the grids A1:B2 of the sheets 'R', 'G' and 'B' as a 2 × 2 picture"));
        watcher.process.terminate();
        QVERIFY(watcher.process.waitForFinished(5000));
        QCOMPARE(watcher.process.exitCode(), 0);
    }

    // The other way: a picture edited and saved is converted again, and a picture deleted
    // keeps the sheet and says so.
    void toSheetFollowsPicture()
    {
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("photo.png"));
        const QString sheet = dir.filePath(QStringLiteral("photo.csv"));
        QImage image(1, 1, QImage::Format_RGB32);
        image.fill(qRgb(1, 2, 3));
        QVERIFY(image.save(picture));
        Watcher watcher({"to-sheet", "--watch", picture, sheet});
        QTRY_VERIFY_WITH_TIMEOUT(readAll(sheet).endsWith("0,0,1,2,3\n"), 10000);

        image.fill(qRgb(4, 5, 6));
        QVERIFY(image.save(picture));
        QTRY_VERIFY_WITH_TIMEOUT(readAll(sheet).endsWith("0,0,4,5,6\n"), 3000);

        QVERIFY(QFile::remove(picture));
        QTRY_VERIFY_WITH_TIMEOUT(watcher.errors().contains("photo.png was deleted or moved away"), 3000);
        QVERIFY(readAll(sheet).endsWith("0,0,4,5,6\n"));

        // SIGINT: the interrupt of a terminal.
        ::kill(pid_t(watcher.process.processId()), SIGINT);
        QVERIFY(watcher.process.waitForFinished(5000));
        QCOMPARE(watcher.process.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCliWatch)
#include "tst_cliwatch.moc"
