// SPDX-License-Identifier: GPL-3.0-or-later
// The committed application icon, read the way the window reads it. tools/drawart.sh builds
// it with icotool, which, when it cannot give an image a palette, stores it at 24 bits with
// no more than a warning.

#include "testhelpers.h"

#include <QImageReader>
#include <QTest>
#include <QtEndian>

class TestArtwork : public QObject
{
    Q_OBJECT

private:
    QByteArray m_ico;

    // The directory entry of image `index`: width, height, and where its bitmap lies.
    struct Entry
    {
        int width;
        int height;
        quint32 bytes;
        quint32 offset;
    };
    Entry entry(int index) const
    {
        const char *at = m_ico.constData() + 6 + 16 * index;
        const auto side = [](char c) { return quint8(c) == 0 ? 256 : int(quint8(c)); };
        return {side(at[0]), side(at[1]), qFromLittleEndian<quint32>(at + 8), qFromLittleEndian<quint32>(at + 12)};
    }

private slots:
    void initTestCase()
    {
        m_ico = readAll(QStringLiteral(TESSARINE_ICON));
        QVERIFY(m_ico.startsWith(QByteArray("\0\0\1\0", 4)));
        QCOMPARE(qFromLittleEndian<quint16>(m_ico.constData() + 4), quint16(4));
        QVERIFY(m_ico.size() >= 6 + 4 * 16);
    }

    void images_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("bitsPerPixel");
        QTest::newRow("128 px, true colour") << 0 << 128 << 24;
        QTest::newRow("48 px, true colour") << 1 << 48 << 24;
        QTest::newRow("32 px, true colour") << 2 << 32 << 24;
        QTest::newRow("16 px, 256-colour palette") << 3 << 16 << 8;
    }

    void images()
    {
        QFETCH(int, index);
        QFETCH(int, size);
        QFETCH(int, bitsPerPixel);

        const Entry e = entry(index);
        QCOMPARE(e.width, size);
        QCOMPARE(e.height, size);
        // The bitmap's own header says how it is stored: 40 bytes, bit count at byte 14.
        QVERIFY(qint64(e.offset) + e.bytes <= m_ico.size());
        QCOMPARE(int(qFromLittleEndian<quint16>(m_ico.constData() + e.offset + 14)), bitsPerPixel);

        QImageReader reader(QStringLiteral(TESSARINE_ICON));
        QVERIFY(reader.jumpToImage(index));
        QCOMPARE(reader.read().size(), QSize(size, size));

        // Rounded corners: the transparency mask leaves the corners out and keeps the middle.
        // Qt's reader ignores the mask of a true-colour image, so it is read here.
        const auto stride = [size](int bits) { return (size * bits + 31) / 32 * 4; };
        const qint64 palette = bitsPerPixel == 8 ? 256 * 4 : 0;
        const qint64 mask = e.offset + 40 + palette + qint64(size) * stride(bitsPerPixel);
        QCOMPARE(mask + qint64(size) * stride(1), qint64(e.offset) + e.bytes);
        const auto transparent = [&](int x, int y) { // the mask's rows run bottom-up
            return (quint8(m_ico.at(mask + qint64(size - 1 - y) * stride(1) + x / 8)) & (0x80 >> (x % 8))) != 0;
        };
        QVERIFY(transparent(0, 0));
        QVERIFY(transparent(size - 1, size - 1));
        QVERIFY(!transparent(size / 2, size / 2));
    }
};

QTEST_GUILESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
