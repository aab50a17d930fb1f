// SPDX-License-Identifier: GPL-3.0-or-later
// The picture-shaped workbook with real spreadsheet programs as partners. Calc renders it
// (its PDF export, rasterised): every pixel's three stripes show that pixel's red, green
// and blue, and the pixel is square. Calc edits one r cell through its scripting bridge
// and stores the workbook as .xlsx, .ods and CSV (English and German): each draws the
// edited picture, and the workbooks keep their colour scales. Gnumeric's converter takes
// the workbook to .xlsx, .ods and CSV: each draws the same picture.

#include "testhelpers.h"
#include "convert/operations.h"
#include "convert/picturesheet.h"
#include "text/statuswords.h"
#include "image/imageconvert.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

using namespace tess;

namespace {

constexpr int Side = 32;
// The cell Calc sets to 0: the r of this pixel.
constexpr int EditX = 5, EditY = 3;
// A rendered stripe's channel may differ from the number by this much (colour management
// and the PDF rasteriser's rounding).
constexpr int StripeTolerance = 6;

// Channels from 60 up, so that every stripe is lit and tells itself from text and paper.
QImage picture()
{
    QImage image(Side, Side, QImage::Format_RGB32);
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            image.setPixel(x, y, qRgb(60 + (x * 37 + y * 11) % 196, 60 + (y * 53 + x * 5) % 196, 60 + (x * y * 7) % 196));
    return image;
}

QString unoPython()
{
    QProcess probe;
    probe.start(QStringLiteral("/usr/bin/python3"), { QStringLiteral("-c"), QStringLiteral("import uno") });
    return probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0
            ? QStringLiteral("/usr/bin/python3")
            : QString();
}

bool run(const QString &program, const QStringList &arguments, int timeout = 240000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    return process.waitForFinished(timeout) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QByteArray entry(const QString &path, const QString &name)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip) || !zip.setCurrentFile(name))
        return {};
    QuaZipFile file(&zip);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A pixel of the rendering that belongs to a cell: one channel lit, the others dark.
bool isStripe(QRgb c)
{
    const int v[3] = { qRed(c), qGreen(c), qBlue(c) };
    int lit = 0, dark = 0;
    for (const int value : v) {
        lit += value > 40;
        dark += value < 16;
    }
    return lit == 1 && dark == 2;
}

// What the file draws, compared with the picture; "" when equal.
QString drawnDifference(const QString &path, const QImage &expected)
{
    PixelRecords records;
    SheetInfo info;
    const Result read = loadSheetFile(path, records, info);
    if (!read.ok())
        return statusMessage(read.status) + u' ' + read.detail;
    if (info.shape != SheetShape::Picture)
        return QStringLiteral("not read as a picture-shaped sheet");
    QImage drawn;
    if (!drawImage(records, info.width, info.height, ColourModel::Rgb, drawn).ok())
        return QStringLiteral("not drawn");
    drawn = drawn.convertToFormat(QImage::Format_RGB32);
    if (drawn.size() != expected.size())
        return QStringLiteral("drawn %1 x %2").arg(drawn.width()).arg(drawn.height());
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (drawn.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("pixel (%1, %2) is #%3, expected #%4").arg(x).arg(y)
                        .arg(drawn.pixel(x, y), 8, 16, QLatin1Char('0')).arg(expected.pixel(x, y), 8, 16, QLatin1Char('0'));
    return {};
}

} // namespace

class TestPicturePartner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        PixelRecords records;
        scanImage(picture(), records);
        QVERIFY(savePictureSheetFile(book(), records, Side, Side, SheetShape::Picture).ok());
        if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty() || unoPython().isEmpty())
            return; // the Calc cases skip
        m_calc = run(unoPython(), { QStringLiteral(TESSARINE_CALC_PICTURE_SCRIPT), book(), QString::number(EditX),
                                    QString::number(EditY), m_dir.path(), m_dir.filePath(QStringLiteral("profile")) });
        QVERIFY2(m_calc, "Calc did not render and store the workbook");
    }

    void calcRendersThePicture()
    {
        if (!m_calc)
            QSKIP("soffice with python3-uno is not installed (packages libreoffice-calc-nogui, python3-uno)");
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm is not installed (package poppler-utils)");
        const QString page = m_dir.filePath(QStringLiteral("page"));
        QVERIFY(run(QStringLiteral("pdftoppm"), { QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-png"),
                                                  QStringLiteral("-singlefile"), m_dir.filePath(QStringLiteral("render.pdf")), page }));
        const QImage rendered = QImage(page + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!rendered.isNull());
        QRect cells;
        for (int y = 0; y < rendered.height(); ++y)
            for (int x = 0; x < rendered.width(); ++x)
                if (isStripe(rendered.pixel(x, y)))
                    cells |= QRect(x, y, 1, 1);
        QVERIFY2(cells.width() > Side * 4, "no picture in the rendering");
        const double across = double(cells.width()) / Side, down = double(cells.height()) / Side;
        QVERIFY2(qAbs(across / down - 1) < 0.05, qPrintable(QStringLiteral("a pixel is %1 x %2").arg(across).arg(down)));

        const QImage expected = picture();
        for (int y = 0; y < Side; ++y) {
            for (int x = 0; x < Side; ++x) {
                for (int channel = 0; channel < 3; ++channel) {
                    // The middle of the stripe, away from its edges.
                    const int px = cells.left() + int((x + 0.5) * across);
                    const int py = cells.top() + int((y + (channel + 0.5) / 3) * down);
                    const QRgb c = rendered.pixel(px, py);
                    const int shown[3] = { qRed(c), qGreen(c), qBlue(c) };
                    const int wanted[3] = { qRed(expected.pixel(x, y)), qGreen(expected.pixel(x, y)), qBlue(expected.pixel(x, y)) };
                    for (int k = 0; k < 3; ++k) {
                        const int target = k == channel ? wanted[k] : 0;
                        if (qAbs(shown[k] - target) > StripeTolerance)
                            QFAIL(qPrintable(QStringLiteral("pixel (%1, %2), stripe %3 is #%4, expected %5 in channel %6")
                                                 .arg(x).arg(y).arg(channel).arg(c, 6, 16, QLatin1Char('0')).arg(target).arg(k)));
                    }
                }
            }
        }
    }

    void calcEditsDraw_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("scalePart"); // the part whose colour scales must remain
        QTest::addColumn<QByteArray>("scaleMark");
        QTest::newRow(".xlsx") << "edited.xlsx" << QByteArray("xl/worksheets/sheet1.xml") << QByteArray("type=\"colorScale\"");
        QTest::newRow(".ods") << "edited.ods" << QByteArray("content.xml") << QByteArray("<calcext:color-scale>");
        QTest::newRow("CSV, English") << "edited.csv" << QByteArray() << QByteArray();
        QTest::newRow("CSV, German") << "edited-de.csv" << QByteArray() << QByteArray();
    }

    void calcEditsDraw()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, scalePart);
        QFETCH(QByteArray, scaleMark);
        if (!m_calc)
            QSKIP("soffice with python3-uno is not installed (packages libreoffice-calc-nogui, python3-uno)");
        QImage expected = picture();
        const QRgb before = expected.pixel(EditX, EditY);
        expected.setPixel(EditX, EditY, qRgb(0, qGreen(before), qBlue(before)));
        const QString path = m_dir.filePath(file);
        const QString difference = drawnDifference(path, expected);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        if (!scalePart.isEmpty())
            QCOMPARE(entry(path, QString::fromLatin1(scalePart)).count(scaleMark), 3);
    }

    void gnumericRoundTrip_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow(".xlsx") << "xlsx";
        QTest::newRow(".ods") << "ods";
        QTest::newRow("CSV") << "csv";
    }

    void gnumericRoundTrip()
    {
        QFETCH(QString, suffix);
        const QString converter = QStandardPaths::findExecutable(QStringLiteral("ssconvert"));
        if (converter.isEmpty())
            QSKIP("ssconvert is not installed (package gnumeric)");
        const QString out = m_dir.filePath(QStringLiteral("gnumeric.") + suffix);
        QProcess convert;
        convert.start(converter, { book(), out }); // it tells that it drops the colour scales
        QVERIFY(convert.waitForFinished(120000) && convert.exitCode() == 0);
        const QString difference = drawnDifference(out, picture());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

private:
    QString book() const { return m_dir.filePath(QStringLiteral("picture.xlsx")); }

    QTemporaryDir m_dir;
    bool m_calc = false;
};

QTEST_GUILESS_MAIN(TestPicturePartner)
#include "tst_picturepartner.moc"
