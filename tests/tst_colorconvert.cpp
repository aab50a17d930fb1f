#include "image/colorconvert.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTest>

#include <charconv>
#include <memory>
#include <vector>

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
    const char *p = text.constData();
    const char *end = p + text.size();
    p = std::find(p, end, '\n');
    while (p < end) {
        ++p; // past the line feed
        if (p >= end)
            break;
        std::array<int, 6> row{};
        for (int i = 0; i < 6; ++i) {
            const auto [next, ec] = std::from_chars(p, end, row[i]);
            if (ec != std::errc())
                return {};
            p = next;
            if (i < 5) {
                if (p >= end || *p != ',')
                    return {};
                ++p;
            }
        }
        rows.append(row);
        p = std::find(p, end, '\n');
    }
    return rows;
}

QString describe(const Hsv &hsv)
{
    return QStringLiteral("(%1,%2,%3)").arg(hsv.h).arg(hsv.s).arg(hsv.v);
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
    // The whole RGB cube against the digest of the reference table.
    void rgbToHsvFullTableDigest()
    {
        DigestWriter out;
        for (int r = 0; r < 256; ++r) {
            for (int g = 0; g < 256; ++g) {
                for (int b = 0; b < 256; ++b) {
                    const Hsv hsv = tess::rgbToHsv(r, g, b);
                    out.put(r); out.put(',');
                    out.put(g); out.put(',');
                    out.put(b); out.put(',');
                    out.put(hsv.h); out.put(',');
                    out.put(hsv.s); out.put(',');
                    out.put(hsv.v);
                    out.endLine();
                }
            }
        }
        QCOMPARE(out.result(), QByteArray("5dc80979263d7e5a9cceebcbb660ed9ab23988b0943b0100d4b458670b3a5fef"));
    }

    // Every valid HSV triple, hue -1 included, against the digest of the reference table.
    void hsvToRgbFullTableDigest()
    {
        DigestWriter out;
        for (int h = -1; h < 360; ++h) {
            for (int s = 0; s < 256; ++s) {
                for (int v = 0; v < 256; ++v) {
                    const QRgb rgb = tess::hsvToRgb(h, s, v);
                    out.put(h); out.put(',');
                    out.put(s); out.put(',');
                    out.put(v); out.put(',');
                    out.put(qRed(rgb)); out.put(',');
                    out.put(qGreen(rgb)); out.put(',');
                    out.put(qBlue(rgb));
                    out.endLine();
                }
            }
        }
        QCOMPARE(out.result(), QByteArray("2030e9b1b37180f8993bcebbe7964cec4c1da3de2db6ddacd17254a35a214f5d"));
    }

    // The colours where single precision goes wrong, listed one by one so that a
    // failure names the colour instead of a digest.
    void rgbToHsvHardCases()
    {
        const auto rows = readSixColumns(QStringLiteral(TESSARINE_TEST_DATA "/rgb-to-hsv-hard-cases.csv"));
        QCOMPARE(rows.size(), 72180);
        int wrong = 0;
        QString first;
        for (const auto &row : rows) {
            const Hsv hsv = tess::rgbToHsv(row[0], row[1], row[2]);
            if (hsv.h != row[3] || hsv.s != row[4] || hsv.v != row[5]) {
                if (wrong++ == 0)
                    first = QStringLiteral("rgb(%1,%2,%3) gave %4, expected (%5,%6,%7)")
                                .arg(row[0]).arg(row[1]).arg(row[2]).arg(describe(hsv))
                                .arg(row[3]).arg(row[4]).arg(row[5]);
            }
        }
        QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1 wrong, first: %2").arg(wrong).arg(first)));
    }

    void hsvToRgbHardCases()
    {
        const auto rows = readSixColumns(QStringLiteral(TESSARINE_TEST_DATA "/hsv-to-rgb-hard-cases.csv"));
        QCOMPARE(rows.size(), 16364);
        int wrong = 0;
        QString first;
        for (const auto &row : rows) {
            const QRgb rgb = tess::hsvToRgb(row[0], row[1], row[2]);
            if (rgb != qRgb(row[3], row[4], row[5])) {
                if (wrong++ == 0)
                    first = QStringLiteral("hsv(%1,%2,%3) gave %4, expected (%5,%6,%7)")
                                .arg(row[0]).arg(row[1]).arg(row[2]).arg(describeRgb(rgb))
                                .arg(row[3]).arg(row[4]).arg(row[5]);
            }
        }
        QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1 wrong, first: %2").arg(wrong).arg(first)));
    }

    // Values worked out by hand from the formula.
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
        QTest::newRow("white has no hue") << 255 << 255 << 255 << -1 << 0 << 255;
        QTest::newRow("darkest grey step") << 1 << 1 << 1 << -1 << 0 << 1;
        QTest::newRow("red") << 255 << 0 << 0 << 0 << 255 << 255;
        QTest::newRow("yellow") << 255 << 255 << 0 << 60 << 255 << 255;
        QTest::newRow("green") << 0 << 255 << 0 << 120 << 255 << 255;
        QTest::newRow("cyan") << 0 << 255 << 255 << 180 << 255 << 255;
        QTest::newRow("blue") << 0 << 0 << 255 << 240 << 255 << 255;
        QTest::newRow("magenta") << 255 << 0 << 255 << 300 << 255 << 255;
        // hue 60 * (0 - 1/255) + 360 = 359.76..., truncated to 359
        QTest::newRow("red with a trace of blue wraps below 360") << 255 << 0 << 1 << 359 << 255 << 255;
        // hue 60 * 32/96 = 20; saturation 96/128 * 65535 = 49151.25 -> 49151 / 257 = 191.25 -> 191
        QTest::newRow("brown") << 128 << 64 << 32 << 20 << 191 << 128;
        // green is max: hue 60 * (2 + (10-20)/(200-10)) = 116.84...,
        // s 190/200 * 65535 = 62258.25 -> 62258 / 257 = 242.25 -> 242 (>> 8 would give 243)
        QTest::newRow("green max branch") << 20 << 200 << 10 << 116 << 242 << 200;
        // s 1/6 * 65535 = 10922.5 -> 10923 / 257 = 42.502 -> 43 (>> 8 or truncating give 42)
        QTest::newRow("saturation rounds to nearest") << 5 << 5 << 6 << 240 << 43 << 6;
        // blue and green tie at max: green is taken first, hue 60 * (2 + 1) = 180
        QTest::newRow("green and blue tie") << 0 << 77 << 77 << 180 << 255 << 77;
        // red and blue tie: red first, hue 60 * (0 - 1) + 360 = 300
        QTest::newRow("red and blue tie") << 90 << 0 << 90 << 300 << 255 << 90;
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
        QCOMPARE(hsv.h, h);
        QCOMPARE(hsv.s, s);
        QCOMPARE(hsv.v, v);
    }

    void hsvToRgb_data()
    {
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("v");
        QTest::addColumn<uint>("rgb");

        QTest::newRow("red") << 0 << 255 << 255 << uint(0xffff0000);
        QTest::newRow("yellow") << 60 << 255 << 255 << uint(0xffffff00);
        QTest::newRow("green") << 120 << 255 << 255 << uint(0xff00ff00);
        QTest::newRow("blue") << 240 << 255 << 255 << uint(0xff0000ff);
        // h/60 = 0.5: t = 0.5 -> 32767.5 rounds up to 32768 / 257 = 127.502 -> 128
        QTest::newRow("orange half step") << 30 << 255 << 255 << uint(0xffff8000);
        QTest::newRow("no hue is grey") << -1 << 200 << 77 << uint(0xff4d4d4d);
        QTest::newRow("no saturation is grey") << 200 << 0 << 77 << uint(0xff4d4d4d);
        QTest::newRow("black") << 123 << 255 << 0 << uint(0xff000000);
        // q = 1 - 59/60 -> 1092.25 -> 1092 / 257 = 4.25 -> 4
        QTest::newRow("last valid hue") << 359 << 255 << 255 << qRgb(255, 0, 4);
        // t * 65535 is 18118.5 in exact arithmetic; in double it lands just below the half,
        // giving 18118 -> 70. Single precision gives 71. Taken from the reference list.
        QTest::newRow("hard case from the reference") << 2 << 45 << 85 << qRgb(85, 70, 70);

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
