// SPDX-License-Identifier: GPL-3.0-or-later
// Following a file while other programs save it, with real files in a temporary folder and
// the system's own change notices: every way of saving seen in spreadsheet programs.

#include "convert/filefollower.h"
#include "testhelpers.h"

#include <QtTest>

#include <QTemporaryDir>

#include <functional>

using tess::FileFollower;

namespace {

// Writes as a program that saves to a temporary file and renames it over the old one.
void renameOver(const QString &path, const QByteArray &bytes)
{
    QVERIFY(saveByRenaming(path, bytes));
}

void inPlace(const QString &path, const QByteArray &bytes)
{
    QVERIFY(writeFile(path, bytes));
}

// Truncates, writes the first half, pauses pauseMs, then the rest.
void halfThenComplete(const QString &path, const QByteArray &bytes, int pauseMs)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.left(bytes.size() / 2));
    file.flush();
    QTest::qWait(pauseMs);
    file.write(bytes.mid(bytes.size() / 2));
}

using Steps = std::function<void(const QString &path)>;

} // namespace

class TestFileFollower : public QObject
{
    Q_OBJECT

private slots:
    void follows_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QStringList>("expected");

        const QByteArray next = "x,y,r,g,b\n0,0,1,2,3\n0,1,4,5,6\n";
        QTest::newRow("rename over") << Steps([=](const QString &p) { renameOver(p, next); })
                                     << QStringList{"changed " + next};
        QTest::newRow("in place") << Steps([=](const QString &p) { inPlace(p, next); })
                                  << QStringList{"changed " + next};
        QTest::newRow("same size, in place") << Steps([](const QString &p) { inPlace(p, "x,y,r,g,b\n0,0,9,9,9\n"); })
                                             << QStringList{"changed x,y,r,g,b\n0,0,9,9,9\n"};
        QTest::newRow("half written, a pause of 100 ms, then complete")
            << Steps([=](const QString &p) { halfThenComplete(p, next, 100); }) << QStringList{"changed " + next};
        QTest::newRow("half written, a pause longer than the wait, then complete")
            << Steps([=](const QString &p) { halfThenComplete(p, next, FileFollower::DefaultSettleMs * 3); })
            << QStringList{"changed " + next.left(next.size() / 2), "changed " + next};
        QTest::newRow("deleted") << Steps([](const QString &p) { QFile::remove(p); })
                                 << QStringList{"removed"};
        QTest::newRow("moved away") << Steps([](const QString &p) { QFile::rename(p, p + ".old"); })
                                    << QStringList{"removed"};
        QTest::newRow("deleted, then back") << Steps([=](const QString &p) {
            QFile::remove(p);
            QTest::qWait(FileFollower::DefaultSettleMs * 3);
            renameOver(p, next);
        }) << QStringList{"removed", "changed " + next};
        QTest::newRow("burst of saves in place") << Steps([](const QString &p) {
            for (int i = 0; i < 12; ++i) {
                inPlace(p, "x,y,r,g,b\n0,0," + QByteArray::number(i) + ",0,0\n");
                QTest::qWait(20);
            }
        }) << QStringList{"changed x,y,r,g,b\n0,0,11,0,0\n"};
        QTest::newRow("another file of the folder")
            << Steps([](const QString &p) { QVERIFY(writeFile(QFileInfo(p).path() + "/other.csv", "x")); })
            << QStringList{};
    }

    void follows()
    {
        QFETCH(Steps, steps);
        QFETCH(QStringList, expected);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lesson.csv"));
        QVERIFY(writeFile(path, "x,y,r,g,b\n0,0,0,0,0\n"));
        FileFollower follower;
        follower.follow(path);
        QStringList heard;
        connect(&follower, &FileFollower::changed, this, [&](const QString &p) {
            heard.append(QStringLiteral("changed ") + QString::fromUtf8(readAll(p)));
        });
        connect(&follower, &FileFollower::removed, this, [&] { heard.append(QStringLiteral("removed")); });

        steps(path);
        QTRY_COMPARE_WITH_TIMEOUT(heard.size(), expected.size(), 3000);
        QTest::qWait(FileFollower::DefaultSettleMs * 3); // and nothing more comes
        QCOMPARE(heard, expected);
    }

    // A file renamed over the one followed is complete: it is read without waiting for it
    // to hold still (the wait is a minute here), once.
    void renameOverReadAtOnce()
    {
#ifndef Q_OS_LINUX
        QSKIP("renames are told apart from writes on Linux");
#endif
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lesson.csv"));
        QVERIFY(writeFile(path, "a"));
        FileFollower follower;
        follower.setSettleTime(60000);
        follower.follow(path);
        QStringList heard;
        connect(&follower, &FileFollower::changed, this, [&](const QString &p) { heard.append(QString::fromUtf8(readAll(p))); });
        QVERIFY(writeFile(dir.filePath(QStringLiteral("lesson.csv.tmp")), "renamed over")); // not the file followed
        QTest::qWait(100);
        QVERIFY(heard.isEmpty());
        renameOver(path, "renamed over");
        QTRY_COMPARE_WITH_TIMEOUT(heard, QStringList{"renamed over"}, 3000);
        QTest::qWait(200);
        QCOMPARE(heard, QStringList{"renamed over"});
    }

    // The program's own saves are not changes; the next save of another program is.
    void ownSaveIsNoChange()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lesson.csv"));
        QVERIFY(writeFile(path, "a"));
        FileFollower follower;
        follower.follow(path);
        QSignalSpy changed(&follower, &FileFollower::changed);

        renameOver(path, "own save");
        follower.acknowledge();
        QTest::qWait(FileFollower::DefaultSettleMs * 3);
        QCOMPARE(changed.size(), 0);

        inPlace(path, "someone else's save");
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 1, 3000);
    }

    // Following another file, or none, leaves the old one alone.
    void followsOnlyItsFile()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("a.csv"));
        const QString second = dir.filePath(QStringLiteral("b.csv"));
        QVERIFY(writeFile(first, "a"));
        QVERIFY(writeFile(second, "b"));
        FileFollower follower;
        follower.follow(first);
        follower.follow(second);
        QSignalSpy changed(&follower, &FileFollower::changed);
        inPlace(first, "changed a");
        QTest::qWait(FileFollower::DefaultSettleMs * 3);
        QCOMPARE(changed.size(), 0);
        follower.stop();
        inPlace(second, "changed b");
        QTest::qWait(FileFollower::DefaultSettleMs * 3);
        QCOMPARE(changed.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFileFollower)
#include "tst_filefollower.moc"
