// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/colorconvert.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTest>

#include <array>
#include <charconv>
#include <memory>

#ifdef TESSARINE_HAVE_LIBCRYPTO
#include <openssl/evp.h>
#endif

using tess::Hsv;

namespace {

// SHA-256 of a stream of blocks: libcrypto when the build found it (an order of
// magnitude faster on processors with SHA instructions), the toolkit's otherwise.
class Sha256
{
public:
#ifdef TESSARINE_HAVE_LIBCRYPTO
    Sha256() : m_context(EVP_MD_CTX_new()) { EVP_DigestInit_ex(m_context, EVP_sha256(), nullptr); }
    ~Sha256() { EVP_MD_CTX_free(m_context); }
    void addData(const char *data, size_t size) { EVP_DigestUpdate(m_context, data, size); }
    QByteArray result()
    {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int length = 0;
        EVP_DigestFinal_ex(m_context, digest, &length);
        return QByteArray(reinterpret_cast<const char *>(digest), int(length));
    }

private:
    EVP_MD_CTX *m_context;
#else
    void addData(const char *data, size_t size) { m_hash.addData(QByteArrayView(data, qsizetype(size))); }
    QByteArray result() { return m_hash.result(); }

private:
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
#endif
};

// Builds a long text in a reusable buffer and feeds it to the hash in large blocks.
class DigestWriter
{
public:
    void put(int value) { m_cursor = std::to_chars(m_cursor, m_end, value).ptr; }
    void put(char c) { *m_cursor++ = c; }

    void endLine()
    {
        *m_cursor++ = '\n';
        if (m_cursor - m_begin >= BlockSize)
            flush();
    }

    QByteArray result()
    {
        flush();
        return m_hash.result().toHex();
    }

private:
    void flush()
    {
        m_hash.addData(m_begin, size_t(m_cursor - m_begin));
        m_cursor = m_begin;
    }

    static constexpr std::ptrdiff_t BlockSize = std::ptrdiff_t(1) << 20;
    static constexpr std::ptrdiff_t BufferSize = BlockSize + 256; // room for the line that crosses
    std::unique_ptr<char[]> m_buffer = std::make_unique<char[]>(BufferSize);
    char *m_begin = m_buffer.get();
    char *m_cursor = m_begin;
    char *m_end = m_begin + BufferSize;
    Sha256 m_hash;
};

// Reads a reference file of six integer columns after a header line.
QList<std::array<int, 6>> readSixColumns(const QString &path)
{
    QList<std::array<int, 6>> rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    const QByteArray text = file.readAll();
    const char *end = text.constData() + text.size();
    for (const char *p = std::find(text.constData(), end, '\n'); p < end && ++p < end; p = std::find(p, end, '\n')) {
        std::array<int, 6> row{};
        for (int i = 0; i < 6; ++i) {
            const auto [next, ec] = std::from_chars(p, end, row[i]);
            if (ec != std::errc() || (i < 5 && (next >= end || *next != ',')))
                return {};
            p = next + (i < 5);
        }
        rows.append(row);
    }
    return rows;
}

QString describeRgb(QRgb rgb)
{
    return QStringLiteral("(%1,%2,%3 alpha %4)").arg(qRed(rgb)).arg(qGreen(rgb)).arg(qBlue(rgb)).arg(qAlpha(rgb));
}

} // namespace

class TestColorConvert : public QObject
{
    Q_OBJECT

private slots:
    // Every RGB colour, and every valid HSV triple (hue -1 included), against the digest
    // of the reference table.
    void fullTableDigest_data()
    {
        QTest::addColumn<bool>("toHsv");
        QTest::addColumn<QByteArray>("digest");
        QTest::newRow("rgb to hsv") << true << QByteArray("5dc80979263d7e5a9cceebcbb660ed9ab23988b0943b0100d4b458670b3a5fef");
        QTest::newRow("hsv to rgb") << false << QByteArray("2030e9b1b37180f8993bcebbe7964cec4c1da3de2db6ddacd17254a35a214f5d");
    }

    void fullTableDigest()
    {
        QFETCH(bool, toHsv);
        QFETCH(QByteArray, digest);
        DigestWriter out;
        for (int first = toHsv ? 0 : -1; first < (toHsv ? 256 : 360); ++first) {
            for (int second = 0; second < 256; ++second) {
                for (int third = 0; third < 256; ++third) {
                    const Hsv hsv = toHsv ? tess::rgbToHsv(first, second, third) : Hsv{};
                    const QRgb rgb = toHsv ? 0 : tess::hsvToRgb(first, second, third);
                    for (const int value : {first, second, third, toHsv ? hsv.h : qRed(rgb), toHsv ? hsv.s : qGreen(rgb)}) {
                        out.put(value);
                        out.put(',');
                    }
                    out.put(toHsv ? hsv.v : qBlue(rgb));
                    out.endLine();
                }
            }
        }
        QCOMPARE(out.result(), digest);
    }

    // The colours where single precision goes wrong, one by one, so that a failure names
    // the colour instead of a digest.
    void hardCases_data()
    {
        QTest::addColumn<bool>("toHsv");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("count");
        QTest::newRow("rgb to hsv") << true << QStringLiteral(TESSARINE_TEST_DATA "/rgb-to-hsv-hard-cases.csv") << 72180;
        QTest::newRow("hsv to rgb") << false << QStringLiteral(TESSARINE_TEST_DATA "/hsv-to-rgb-hard-cases.csv") << 16364;
    }

    void hardCases()
    {
        QFETCH(bool, toHsv);
        QFETCH(QString, file);
        QFETCH(int, count);
        const auto rows = readSixColumns(file);
        QCOMPARE(rows.size(), count);
        int wrong = 0;
        QString first;
        for (const auto &row : rows) {
            std::array<int, 4> got; // three values and alpha
            if (toHsv) {
                const Hsv hsv = tess::rgbToHsv(row[0], row[1], row[2]);
                got = {hsv.h, hsv.s, hsv.v, 255};
            } else {
                const QRgb rgb = tess::hsvToRgb(row[0], row[1], row[2]);
                got = {qRed(rgb), qGreen(rgb), qBlue(rgb), qAlpha(rgb)};
            }
            if (got != std::array<int, 4>{row[3], row[4], row[5], 255} && wrong++ == 0)
                first = QStringLiteral("(%1,%2,%3) gave (%4,%5,%6 alpha %7), expected (%8,%9,%10)")
                            .arg(row[0]).arg(row[1]).arg(row[2]).arg(got[0]).arg(got[1]).arg(got[2]).arg(got[3])
                            .arg(row[3]).arg(row[4]).arg(row[5]);
        }
        QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1 wrong, first: %2").arg(wrong).arg(first)));
    }

    // A few rules worked out by hand, readable where the digest is not.
    void rgbToHsv_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("v");

        QTest::newRow("black has no hue") << 0 << 0 << 0 << -1 << 0 << 0;
        QTest::newRow("mid grey has no hue") << 128 << 128 << 128 << -1 << 0 << 128;
        QTest::newRow("magenta") << 255 << 0 << 255 << 300 << 255 << 255;
        // hue 359.76... truncated, never 360
        QTest::newRow("red with a trace of blue wraps below 360") << 255 << 0 << 1 << 359 << 255 << 255;
        // s 10922.5 -> 10923 / 257 = 42.502 -> 43 (>> 8 or truncating give 42)
        QTest::newRow("saturation rounds to nearest") << 5 << 5 << 6 << 240 << 43 << 6;
        QTest::newRow("green and blue tie: green first") << 0 << 77 << 77 << 180 << 255 << 77;
    }

    void rgbToHsv()
    {
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        QFETCH(int, h);
        QFETCH(int, s);
        QFETCH(int, v);
        const Hsv hsv = tess::rgbToHsv(r, g, b);
        QCOMPARE(QList<int>({hsv.h, hsv.s, hsv.v}), QList<int>({h, s, v}));
    }

    // Grey for no hue or no saturation; opaque black outside the valid range, which the
    // digest does not reach.
    void hsvToRgb_data()
    {
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("v");
        QTest::addColumn<uint>("rgb");

        QTest::newRow("no hue is grey") << -1 << 200 << 77 << uint(0xff4d4d4d);
        QTest::newRow("no saturation is grey") << 200 << 0 << 77 << uint(0xff4d4d4d);
        QTest::newRow("last valid hue") << 359 << 255 << 255 << qRgb(255, 0, 4);
        QTest::newRow("hue 360 is invalid") << 360 << 255 << 255 << uint(0xff000000);
        QTest::newRow("hue -2 is invalid") << -2 << 255 << 255 << uint(0xff000000);
        QTest::newRow("saturation 256 is invalid") << 0 << 256 << 255 << uint(0xff000000);
        QTest::newRow("negative saturation is invalid") << 0 << -1 << 255 << uint(0xff000000);
        QTest::newRow("value 256 is invalid") << 0 << 255 << 256 << uint(0xff000000);
        QTest::newRow("negative value is invalid") << 0 << 255 << -1 << uint(0xff000000);
        QTest::newRow("huge hue is invalid") << 2000000000 << 0 << 0 << uint(0xff000000);
    }

    void hsvToRgb()
    {
        QFETCH(int, h);
        QFETCH(int, s);
        QFETCH(int, v);
        QFETCH(uint, rgb);
        QCOMPARE(describeRgb(tess::hsvToRgb(h, s, v)), describeRgb(rgb));
    }
};

QTEST_GUILESS_MAIN(TestColorConvert)
#include "tst_colorconvert.moc"
