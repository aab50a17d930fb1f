// SPDX-License-Identifier: GPL-3.0-or-later
// The device that reads another on a thread of its own: every byte arrives once and in
// order whatever the sizes read, the end and a failure part way arrive after the last
// byte, and a reader that stops early is not kept waiting by a source without end.

#include "io/readahead.h"

#include <QtTest>

#include <atomic>

using namespace tess;

namespace {

// Gives `size` bytes of a counting pattern (or without end for -1), at most `piece` at
// a time, then its end, or a failure when `fails` is set.
class PatternDevice : public QIODevice
{
public:
    PatternDevice(qint64 size, qint64 piece, bool fails = false) : m_size(size), m_piece(piece), m_fails(fails)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }
    qint64 given() const { return m_given.load(); }
    QString failure; // written by the reading thread just before the failure

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 left = m_size < 0 ? maxSize : m_size - m_given;
        const qint64 n = std::min({ maxSize, m_piece, left });
        if (n <= 0) {
            if (m_fails)
                failure = QStringLiteral("cut short");
            return -1;
        }
        for (qint64 i = 0; i < n; ++i)
            data[i] = char((m_given + i) % 251);
        m_given += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    qint64 m_size;
    qint64 m_piece;
    bool m_fails;
    std::atomic<qint64> m_given = 0;
};

bool isPattern(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != char(i % 251))
            return false;
    }
    return true;
}

// Reads the device to its end in reads of `size` bytes.
QByteArray readAllIn(QIODevice &device, qint64 size)
{
    QByteArray all;
    QByteArray block(size, Qt::Uninitialized);
    for (qint64 n; (n = device.read(block.data(), size)) > 0;)
        all.append(block.constData(), n);
    return all;
}

} // namespace

class TestReadAhead : public QObject
{
    Q_OBJECT

private slots:
    void givesEveryByteInOrder_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("piece");
        QTest::addColumn<qint64>("readSize");
        QTest::newRow("empty source") << qint64(0) << qint64(4096) << qint64(4096);
        QTest::newRow("one byte") << qint64(1) << qint64(4096) << qint64(4096);
        QTest::newRow("source in odd pieces, read a byte at a time") << qint64(70001) << qint64(333) << qint64(1);
        QTest::newRow("exactly one block") << qint64(256 * 1024) << qint64(1 << 20) << qint64(4096);
        QTest::newRow("many blocks and a tail, read in large pieces")
                << qint64(9 * 256 * 1024 + 17) << qint64(100000) << qint64(1 << 20);
    }

    void givesEveryByteInOrder()
    {
        QFETCH(qint64, size);
        QFETCH(qint64, piece);
        QFETCH(qint64, readSize);
        ReadAheadDevice device(std::make_unique<PatternDevice>(size, piece));
        const QByteArray all = readAllIn(device, readSize);
        QCOMPARE(all.size(), size);
        QVERIFY(isPattern(all));
        QCOMPARE(device.read(1).size(), 0); // the end stays the end
    }

    void failureIsSeenAfterTheLastByte()
    {
        auto source = std::make_unique<PatternDevice>(300000, 4096, true);
        PatternDevice &inner = *source;
        ReadAheadDevice device(std::move(source));
        const QByteArray all = readAllIn(device, 65536);
        QCOMPARE(all.size(), 300000);
        QVERIFY(isPattern(all));
        QCOMPARE(inner.failure, QStringLiteral("cut short"));
    }

    void readerStoppingEarlyIsNotKeptWaiting()
    {
        auto source = std::make_unique<PatternDevice>(-1, 1 << 20);
        PatternDevice &inner = *source;
        ReadAheadDevice device(std::move(source));
        QVERIFY(isPattern(device.read(1000)));
        device.finish();
        // A few blocks were read ahead, not the endless source.
        QVERIFY2(inner.given() <= 6 * 256 * 1024, qPrintable(QString::number(inner.given())));
        QCOMPARE(device.read(1).size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestReadAhead)
#include "tst_readahead.moc"
