// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line converter as scripts see it: the built program run in a child process
// with no display, its standard streams, exit statuses and the files it leaves behind.

#include "image/imageconvert.h"
#include "image/imagefile.h"
#include "csv/sheetreader.h"
#include "csv/sheetwriter.h"
#include "testhelpers.h"

#include <QtTest>

#include <QBuffer>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <sys/stat.h>
#include <pty.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

using tess::PixelRecord;
using tess::PixelRecords;
#endif

namespace {

struct Result
{
    int exitCode = -1; // -1: did not start, crashed or hung
    QByteArray out;
    QByteArray err;
};

// Runs the converter without any display, so that every case also proves it needs none.
// fileSizeLimit (bytes, -1 none): the child may write no larger file, as on a full disk.
Result runCli(const QStringList &arguments, const QByteArray &input = QByteArray(), qint64 fileSizeLimit = -1)
{
    QProcess process;
#ifdef Q_OS_LINUX
    if (fileSizeLimit >= 0)
        process.setChildProcessModifier([fileSizeLimit] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
#endif
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TESSARINE_CLI), arguments);
    if (!process.waitForStarted(10000))
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit && process.state() == QProcess::NotRunning
                ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

// A pure colour, a dark blue, a grey (no hue) and an orange whose hue is not a whole
// multiple of 60 degrees.
QImage twoByTwo(QImage::Format format, int alpha)
{
    QImage image(2, 2, format);
    image.setPixel(0, 0, qRgba(255, 0, 0, alpha));
    image.setPixel(0, 1, qRgba(10, 20, 30, alpha));
    image.setPixel(1, 0, qRgba(128, 128, 128, alpha));
    image.setPixel(1, 1, qRgba(255, 128, 0, alpha));
    return image;
}

// Column by column, as the sheet lists them; worked out by hand from the colours above.
const QByteArray TwoByTwoRgb = "x,y,r,g,b\n0,0,255,0,0\n0,1,10,20,30\n1,0,128,128,128\n1,1,255,128,0\n";
const QByteArray TwoByTwoHsv = "x,y,h,s,v\n0,0,0,255,255\n0,1,210,170,30\n1,0,-1,0,128\n1,1,30,255,255\n";

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // "{dir}" in a data row stands for this run's folder.
    QStringList expand(QStringList arguments) const
    {
        for (QString &argument : arguments)
            argument.replace(QStringLiteral("{dir}"), m_dir.path());
        return arguments;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(twoByTwo(QImage::Format_RGB32, 255).save(path("small.png")));
        QVERIFY(twoByTwo(QImage::Format_ARGB32, 128).save(path("small-alpha.png")));
        // A BMP behind a .png name: the content decides, not the name.
        QVERIFY(twoByTwo(QImage::Format_RGB32, 255).save(path("small-bmp.png"), "BMP"));
        // Stored upside down, with the orientation that turns it back: the sheet is the upright picture's.
        QImageWriter upsideDown(path("small-turned.tif"), "tiff");
        upsideDown.setTransformation(QImageIOHandler::TransformationRotate180);
        QVERIFY(upsideDown.write(twoByTwo(QImage::Format_RGB32, 255).mirrored(true, true)));
        QVERIFY(writeFile(path("text.png"), "This is a poem, not a picture.\n"));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.png")));
        QVERIFY(writeFile(path("text.svg"),
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"60\" height=\"30\">"
                          "<rect width=\"60\" height=\"30\" fill=\"#ffee00\"/>"
                          "<text x=\"2\" y=\"24\" font-size=\"22\" fill=\"#0000aa\">Abc</text></svg>\n"));
        QVERIFY(writeFile(path("rgb.csv"), "x,y,r,g,b\n0,0,255,0,0\n1,0,0,255,0\n0,1,0,0,255\n"));
        QVERIFY(writeFile(path("hsv.csv"), "x,y,h,s,v\n0,0,0,255,255\n1,0,-1,0,128\n"));
        QVERIFY(writeFile(path("both.csv"), "x,y,r,g,b,h,s,v\n0,0,255,0,0,240,255,255\n"));
        QVERIFY(writeFile(path("red-only.csv"), "x,y,r\n0,0,200\n"));
        QVERIFY(writeFile(path("not-a-sheet.csv"), "Dear class,\nplease bring a picture.\n"));
        QVERIFY(writeFile(path("no-colours.csv"), "x,y,z\n0,0,1\n"));
        QVERIFY(writeFile(path("too-wide.csv"), "x,y,r,g,b\n2147483647,0,1,2,3\n"));
    }

    // Help and version on standard output with status 0; usage errors on standard error,
    // the usage included, with status 2 and nothing written.
    void usage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("expected"); // the start of standard output (0), or in standard error (2)
        const QString out = QStringLiteral("{dir}/usage-out.png");
        const QByteArray usage = "Usage:\n  tessarine-cli to-sheet IMAGE SHEET [--hsv] [--excel2002] [--watch]\n";
        QTest::newRow("--help") << QStringList{"--help"} << 0 << usage;
        QTest::newRow("--help wins over a command") << QStringList{"to-sheet", "--help"} << 0 << usage;
        QTest::newRow("--version") << QStringList{"--version"} << 0 << QByteArray("tessarine-cli " TESSARINE_VERSION "\n");
        QTest::newRow("no arguments") << QStringList{} << 2 << usage;
        QTest::newRow("unknown command") << QStringList{"to-pdf", "{dir}/rgb.csv", out} << 2 << usage;
        QTest::newRow("one path") << QStringList{"to-image", "{dir}/rgb.csv"} << 2 << usage;
        QTest::newRow("three paths") << QStringList{"to-image", "{dir}/rgb.csv", out, "{dir}/x.png"} << 2 << usage;
        QTest::newRow("unknown option") << QStringList{"to-image", "{dir}/rgb.csv", out, "--cmyk"} << 2 << usage;
        QTest::newRow("--rgb and --hsv together") << QStringList{"to-image", "{dir}/both.csv", out, "--rgb", "--hsv"}
                                                 << 2 << usage;
        QTest::newRow("--watch on standard input") << QStringList{"to-image", "-", out, "--watch"} << 2 << usage;
        QTest::newRow("--excel2002 with to-image") << QStringList{"to-image", "{dir}/rgb.csv", out, "--excel2002"}
                                                  << 2 << usage;
        QTest::newRow("compare with one picture") << QStringList{"compare", "{dir}/small.png"} << 2 << usage;
        QTest::newRow("compare with --hsv")
            << QStringList{"compare", "{dir}/small.png", "{dir}/small.png", "--hsv"} << 2 << usage;
        const QString book = QStringLiteral("{dir}/usage-out.xlsx");
        QTest::newRow("picture layout to a CSV name")
            << QStringList{"to-sheet", "{dir}/small.png", "{dir}/usage-out.png", "--layout", "picture"} << 2
            << QByteArray("a CSV file cannot hold its colours");
        QTest::newRow("grey layout to standard output") << QStringList{"to-sheet", "{dir}/small.png", "-", "--layout", "grey"}
                                                        << 2 << usage;
        QTest::newRow("unknown layout") << QStringList{"to-sheet", "{dir}/small.png", book, "--layout", "mosaic"} << 2
                                        << QByteArray("unknown layout 'mosaic'");
        QTest::newRow("--max-side above 768")
            << QStringList{"to-sheet", "{dir}/small.png", book, "--layout", "picture", "--max-side", "769"} << 2 << usage;
        QTest::newRow("--max-side without a picture layout") << QStringList{"to-sheet", "{dir}/small.png", book, "--max-side", "64"}
                                                             << 2 << usage;
        QTest::newRow("--ones grey") << QStringList{"to-image", "{dir}/rgb.csv", out, "--ones", "grey"} << 2
                                     << QByteArray("--ones takes black or white, not 'grey'");
        QTest::newRow("--ones with to-sheet") << QStringList{"to-sheet", "{dir}/small.png", book, "--ones", "white"}
                                              << 2 << usage;
        QTest::newRow("--layout with to-image") << QStringList{"to-image", "{dir}/rgb.csv", out, "--layout", "picture"}
                                                << 2 << usage;
    }

    void usage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, expected);
        const Result result = runCli(expand(arguments));
        QCOMPARE(result.exitCode, status);
        if (status == 0) {
            QVERIFY2(result.out.startsWith(expected), result.out.constData());
            QCOMPARE(result.err, QByteArray());
        } else {
            QVERIFY2(result.err.startsWith("tessarine-cli: ") && result.err.contains(expected), result.err.constData());
            QCOMPARE(result.out, QByteArray());
            QVERIFY(!QFileInfo::exists(path("usage-out.png")));
            QVERIFY(!QFileInfo::exists(path("usage-out.xlsx")));
        }
    }

    // Two pictures compared: the count and the largest change on standard output, 0 for
    // the same pictures, 3 for different ones, 1 when one cannot be read.
    void compare_data()
    {
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::newRow("itself") << "small.png" << 0 << QByteArray("0 pixels changed\n");
        QTest::newRow("the same pixels in another format") << "small-bmp.png" << 0 << QByteArray("0 pixels changed\n");
        QTest::newRow("one pixel") << "one-changed.png" << 3
                                   << QByteArray("1 pixel changed; the largest change is 245 in b at x 1, y 1\n");
        QTest::newRow("alpha only") << "small-alpha.png" << 3
                                    << QByteArray("4 pixels changed; the largest change is 127 in a at x 0, y 0\n");
        QTest::newRow("another size") << "wide.png" << 3
                                      << QByteArray("The pictures differ in size: 2 \u00d7 2 and 3 \u00d7 2\n");
        QTest::newRow("not a picture") << "text.png" << 1 << QByteArray();
    }

    void compare()
    {
        QFETCH(QString, after);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QImage changed = twoByTwo(QImage::Format_RGB32, 255);
        changed.setPixel(1, 1, qRgb(255, 128, 245));
        QVERIFY(changed.save(path("one-changed.png")));
        QVERIFY(QImage(3, 2, QImage::Format_RGB32).save(path("wide.png")));
        QFile::remove(path("difference.png"));

        const Result result = runCli({"compare", path("small.png"), path(after), path("difference.png")});
        QCOMPARE(result.exitCode, status);
        QCOMPARE(result.out, out);
        if (status == 1)
            QVERIFY2(result.err.startsWith("Invalid image format."), result.err.constData());
        const QImage difference(path("difference.png"));
        QCOMPARE(difference.isNull(), status == 1 || after == QLatin1String("wide.png"));
        if (after == QLatin1String("one-changed.png")) {
            // The changed pixel stands out; an unchanged one is dimmed.
            QCOMPARE(qRed(difference.pixel(1, 1)), 128 + 245 / 2);
            QVERIFY(qRed(difference.pixel(0, 0)) <= 255 / 4);
        }
    }

    // "{out}" is run once as a file and once as "-" (standard output): the same bytes.
    void toSheetExactText_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("rgb") << QStringList{"to-sheet", "{dir}/small.png", "{out}"} << TwoByTwoRgb;
        QTest::newRow("--hsv, the grey gets -1") << QStringList{"to-sheet", "{dir}/small.png", "{out}", "--hsv"}
                                                << TwoByTwoHsv;
        QTest::newRow("option before the command") << QStringList{"--hsv", "to-sheet", "{dir}/small.png", "{out}"}
                                                  << TwoByTwoHsv;
        QTest::newRow("--layout list is the pixel sheet")
            << QStringList{"to-sheet", "{dir}/small.png", "{out}", "--layout", "list"} << TwoByTwoRgb;
        QTest::newRow("half-transparent pixels, alpha ignored")
            << QStringList{"to-sheet", "{dir}/small-alpha.png", "{out}"} << TwoByTwoRgb;
        QTest::newRow("tiff stored upside down, turned by its orientation")
            << QStringList{"to-sheet", "{dir}/small-turned.tif", "{out}"} << TwoByTwoRgb;
        QTest::newRow("bmp content behind a png name") << QStringList{"to-sheet", "{dir}/small-bmp.png", "{out}"}
                                                      << TwoByTwoRgb;
    }

    void toSheetExactText()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, expected);
        const QString sheet = path("exact.csv");
        QFile::remove(sheet);
        for (const QString &out : {sheet, QStringLiteral("-")}) {
            const Result result = runCli(expand(arguments).replaceInStrings(QStringLiteral("{out}"), out));
            QCOMPARE(result.exitCode, 0);
            QCOMPARE(result.err, QByteArray());
            QCOMPARE(result.out, out == sheet ? QByteArray() : expected);
        }
        QCOMPARE(readAll(sheet), expected);
    }

    void reduction_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("excel2002");
        QTest::addColumn<QSize>("expected"); // height 0: only fewer rows than before
        QTest::addColumn<QByteArray>("expectedErr");

        // 640 x sqrt(60000 / 307200) = 282.8
        QTest::newRow("excel2002, 640x480") << QSize(640, 480) << true << QSize(282, 0) << QByteArray();
        QTest::newRow("excel2002, exactly 60,000 pixels") << QSize(300, 200) << true << QSize(300, 200) << QByteArray();
        QTest::newRow("exactly one million pixels") << QSize(1000, 1000) << false << QSize(1000, 1000) << QByteArray();
        // 1001 x sqrt(1000000 / 1001000) = 1000.49
        QTest::newRow("one column over a million")
            << QSize(1001, 1000) << false << QSize(1000, 0)
            << QByteArray("This image will not fit into excel. It has been reduced to 1 million pixels so that "
                          "data loss will not occur\n");
    }

    void reduction()
    {
        QFETCH(QSize, size);
        QFETCH(bool, excel2002);
        QFETCH(QSize, expected);
        QFETCH(QByteArray, expectedErr);

        const QString image = path("pattern.png");
        const QString sheet = path("reduced.csv");
        QVERIFY(patternImage(size.width(), size.height()).save(image));
        const Result result =
            runCli(QStringList{"to-sheet", image, sheet} + (excel2002 ? QStringList{"--excel2002"} : QStringList{}));
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, expectedErr);
        QVERIFY(readAll(sheet).startsWith("x,y,r,g,b\n"));
        // Every position of the reduced picture exactly once.
        PixelRecords records;
        const tess::SheetInfo info = loadSheetInfo(sheet, records);
        QSet<qint64> cells;
        for (const PixelRecord &record : records)
            if (record.x >= 0 && record.x < info.width && record.y >= 0 && record.y < info.height)
                cells.insert(qint64(record.x) << 32 | record.y);
        QCOMPARE(cells.size(), qsizetype(records.size()));
        QCOMPARE(records.size(), size_t(info.width) * info.height);
        QCOMPARE(info.width, expected.width());
        if (expected.height())
            QCOMPARE(info.height, expected.height());
        else
            QVERIFY(info.height < size.height());
    }

    // The window's path for the same picture: the same core calls, in this process.
    void toSheetMatchesCore_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("jpeg, --excel2002 --hsv") << QStringLiteral(TESSARINE_TEST_DATA "/test.jpg")
                                                << QStringList{"--excel2002", "--hsv"};
        // Text in a vector picture needs the font database: no crash, and the same glyphs
        // as this test program draws on its own platform.
        QTest::newRow("svg with text") << path("text.svg") << QStringList{};
    }

    void toSheetMatchesCore()
    {
        QFETCH(QString, picture);
        QFETCH(QStringList, options);
        QImage image;
        QVERIFY(loadImageInto(picture, image));
        PixelRecords records;
        tess::imageToRecords(image, options.contains("--excel2002"), records);
        QBuffer expected;
        expected.open(QIODevice::WriteOnly);
        QVERIFY(tess::writeSheet(expected, records,
                                 options.contains("--hsv") ? tess::ColourModel::Hsv : tess::ColourModel::Rgb).ok());

        const Result result = runCli(QStringList{"to-sheet", picture, "-"} + options);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, QByteArray());
        QVERIFY(result.out.size() > 1000);
        QVERIFY(result.out == expected.data());
    }

    void toImage_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<uint>>("pixels"); // row by row

        QTest::newRow("rgb sheet to png, unnamed pixel transparent")
            << "rgb.csv" << QStringList{} << "png" << QSize(2, 2) << QList<uint>{0xffff0000, 0xff00ff00, 0xff0000ff, 0};
        QTest::newRow("rgb sheet to upper-case BMP")
            << "rgb.csv" << QStringList{} << "BMP" << QSize(2, 2) << QList<uint>{0xffff0000, 0xff00ff00, 0xff0000ff};
        QTest::newRow("hsv-only sheet drawn in hsv without asking")
            << "hsv.csv" << QStringList{} << "png" << QSize(2, 1) << QList<uint>{0xffff0000, 0xff808080};
        QTest::newRow("both models: rgb unless told")
            << "both.csv" << QStringList{} << "png" << QSize(1, 1) << QList<uint>{0xffff0000};
        QTest::newRow("both models, --hsv")
            << "both.csv" << QStringList{"--hsv"} << "png" << QSize(1, 1) << QList<uint>{0xff0000ff};
        QTest::newRow("one of r, g, b is enough for rgb")
            << "red-only.csv" << QStringList{} << "png" << QSize(1, 1) << QList<uint>{0xffc80000};
    }

    void toImage()
    {
        QFETCH(QString, sheet);
        QFETCH(QStringList, options);
        QFETCH(QString, suffix);
        QFETCH(QSize, size);
        QFETCH(QList<uint>, pixels);

        const QString out = path(QStringLiteral("drawn.") + suffix);
        QFile::remove(out);
        const Result result = runCli(QStringList{"to-image", path(sheet), out} + options);
        QCOMPARE(result.exitCode, 0);
        // Pixels the sheet does not name are told, and only they.
        const qsizetype holes = size.width() * size.height() - (pixels.size() - pixels.count(0u));
        QCOMPARE(result.err, holes == 0 ? QByteArray()
                                        : QByteArray::number(holes) + (holes == 1 ? " pixel had no line and was left transparent.\n"
                                                                                  : " pixels had no line and were left transparent.\n"));
        QCOMPARE(result.out, QByteArray());

        QImage drawn;
        QVERIFY(drawn.load(out));
        QCOMPARE(drawn.size(), size);
        const bool keepsAlpha = suffix == QLatin1String("png");
        for (int i = 0; i < pixels.size(); ++i)
            QCOMPARE(QString::number(drawn.pixel(i % size.width(), i / size.width()), 16),
                     QString::number(keepsAlpha ? pixels[i] : (pixels[i] | 0xff000000), 16));

        // What the window draws from the same file.
        PixelRecords records;
        const tess::SheetInfo info = loadSheetInfo(path(sheet), records);
        QCOMPARE(info.status, tess::Status::Done);
        const bool hsv = options.contains(QLatin1String("--hsv")) || !info.hasRgb;
        const QImage window = tess::drawRecords(records, info.width, info.height,
                                                hsv ? tess::ColourModel::Hsv : tess::ColourModel::Rgb);
        const QImage::Format compared = keepsAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
        QCOMPARE(drawn.convertToFormat(compared), window.convertToFormat(compared));
    }

    // What reading and drawing passed over or bent is told once, on standard error after
    // the work, and the picture is still written with status 0. A clean sheet says nothing.
    void noticeAfterDrawing_data()
    {
        QTest::addColumn<QByteArray>("sheet");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<uint>>("pixels"); // row by row, from the start
        QTest::addColumn<QByteArray>("notice");

        QByteArray manyBright("x,y,r,g,b\n");
        for (int x = 0; x < 2235; ++x)
            manyBright += QByteArray::number(x) + ",0,300,0,0\n";

        QTest::newRow("clean sheet: nothing") << QByteArray("x,y,r,g,b\n0,0,10,20,30\n") << QSize(1, 1)
                                              << QList<uint>{0xff0a141e} << QByteArray();
        QTest::newRow("a cleared row after pixel (0, 0)")
            << QByteArray("x,y,r,g,b\n0,0,10,20,30\n,,,,\n1,0,40,50,60\n") << QSize(2, 1)
            << QList<uint>{0xff0a141e, 0xff28323c} << QByteArray("1 line without a pixel position was skipped.\n");
        QTest::newRow("a remark and a total below the data")
            << QByteArray("x,y,r,g,b\n0,0,10,20,30\nTask 1: halve the red,,,,\nTotal,,,,\n") << QSize(1, 1)
            << QList<uint>{0xff0a141e} << QByteArray("2 lines without a pixel position were skipped.\n");
        QTest::newRow("an r of 318 brightened, not darkened")
            << QByteArray("x,y,r,g,b\n0,0,318,20,30\n") << QSize(1, 1) << QList<uint>{0xffff141e}
            << QByteArray("1 colour value outside 0\u2013255 was drawn as 0 or 255.\n");
        QTest::newRow("values above and below the range")
            << QByteArray("x,y,r,g,b\n0,0,318,-7,30\n") << QSize(1, 1) << QList<uint>{0xffff001e}
            << QByteArray("2 colour values outside 0\u2013255 were drawn as 0 or 255.\n");
        QTest::newRow("thousands grouped") << manyBright << QSize(2235, 1) << QList<uint>{0xffff0000, 0xffff0000}
                                           << QByteArray("2,235 colour values outside 0\u2013255 were drawn as 0 or 255.\n");
        QTest::newRow("a word for a colour")
            << QByteArray("x,y,r,g,b\n0,0,red,20,30\n") << QSize(1, 1) << QList<uint>{0xff00141e}
            << QByteArray("1 colour value that is not a number was read as 0 (e.g. line 2, column r: 'red').\n");
        // Hues a whole multiple of 60 away, so that the colours are exact: 420 is 60, -60 is 300.
        QTest::newRow("hues turned past 360 and below 0")
            << QByteArray("x,y,h,s,v\n0,0,420,255,255\n1,0,-60,255,255\n") << QSize(2, 1)
            << QList<uint>{0xffffff00, 0xffff00ff} << QByteArray("2 hues outside 0\u2013359 were drawn modulo 360.\n");
        QTest::newRow("a strip of 65,536 x 2")
            << QByteArray("x,y,r,g,b\n0,0,10,20,30\n65535,1,1,2,3\n") << QSize(65536, 2) << QList<uint>{0xff0a141e, 0}
            << QByteArray("131,070 pixels had no line and were left transparent.\n");
        const QString unicodeText = QStringLiteral("x\ty\tr\tg\tb\r\n1,000\t0\t10\t20\t30\r\n");
        QTest::newRow("UTF-16 Unicode text with digit groups")
            << QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(unicodeText.utf16()), unicodeText.size() * 2)
            << QSize(1001, 1) << QList<uint>{0}
            << QByteArray("1 number with a comma before three digits was read as a whole number, the comma grouping its "
                          "digits (e.g. line 2, column x: '1,000' as 1000); 1,000 pixels had no line and were left transparent.\n");
        QTest::newRow("Windows-1252 export in French")
            << QByteArray("x;y;r;g;b\r\n0;0;200,00 \x80;20;30\r\n") << QSize(1, 1) << QList<uint>{0xffc8141e} << QByteArray();
        QTest::newRow("everything at once, in one line")
            << QByteArray("x,y,r,g,b\n0,0,318,red,30\n;;;;\n\"a note, with a comma\",,,,\n") << QSize(1, 1)
            << QList<uint>{0xffff001e}
            << QByteArray("2 lines without a pixel position were skipped; 1 colour value that is not a number was "
                          "read as 0 (e.g. line 2, column g: 'red'); 1 colour value outside 0\u2013255 was drawn as 0 or 255.\n");
    }

    void noticeAfterDrawing()
    {
        QFETCH(QByteArray, sheet);
        QFETCH(QSize, size);
        QFETCH(QList<uint>, pixels);
        QFETCH(QByteArray, notice);

        const QString in = path(QStringLiteral("bent.csv"));
        const QString out = path(QStringLiteral("bent.png"));
        QVERIFY(writeFile(in, sheet));
        QFile::remove(out);
        const Result result = runCli({"to-image", in, out});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(QString::fromUtf8(result.err), QString::fromUtf8(notice));
        QCOMPARE(result.out, QByteArray());

        QImage drawn;
        QVERIFY(drawn.load(out));
        QCOMPARE(drawn.size(), size);
        for (int i = 0; i < pixels.size(); ++i)
            QCOMPARE(QString::number(drawn.pixel(i % size.width(), i / size.width()), 16),
                     QString::number(pixels[i], 16));
    }

    // A letter drawn in 0 and 1 is black ink on white unless --ones white turns it round;
    // the notice says which was read.
    void onesOfAGrid_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<uint>("one");
        QTest::addColumn<QByteArray>("notice");
        QTest::newRow("ink by default") << QStringList{} << 0xff000000u << QByteArray("1 = black");
        QTest::newRow("--ones black") << QStringList{"--ones", "black"} << 0xff000000u << QByteArray("1 = black");
        QTest::newRow("--ones white") << QStringList{"--ones", "white"} << 0xffffffffu << QByteArray("1 = white");
    }

    void onesOfAGrid()
    {
        QFETCH(QStringList, options);
        QFETCH(uint, one);
        QFETCH(QByteArray, notice);
        const QString in = path(QStringLiteral("letter.csv"));
        const QString out = path(QStringLiteral("letter.png"));
        QVERIFY(writeFile(in, "0,1,0\n1,0,1\n1,1,1\n"));
        const Result result = runCli(QStringList{"to-image", in, out} + options);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.err.contains(notice), result.err.constData());
        QImage drawn;
        QVERIFY(drawn.load(out));
        QCOMPARE(drawn.size(), QSize(3, 3));
        QCOMPARE(drawn.pixel(1, 0), one);
        QCOMPARE(drawn.pixel(1, 1), one ^ 0x00ffffffu);
    }

    // When the picture cannot be saved, the failure is all there is to say.
    void noNoticeAfterFailure()
    {
        const QString in = path(QStringLiteral("bent.csv"));
        QVERIFY(writeFile(in, "x,y,r,g,b\n0,0,318,20,30\n,,,,\n"));
        const Result result = runCli({"to-image", in, path(QStringLiteral("folder.png"))});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.startsWith("Warning: Image not Saved\n"), result.err.constData());
        QVERIFY2(!result.err.contains("skipped") && !result.err.contains("drawn as"), result.err.constData());
    }

    // Picture -> standard output -> standard input -> picture gives the picture back.
    void roundTripThroughPipes()
    {
        const QImage original = patternImage(37, 23);
        QVERIFY(original.save(path("round.png")));
        const Result sheet = runCli({"to-sheet", path("round.png"), "-"});
        QCOMPARE(sheet.exitCode, 0);
        const Result image = runCli({"to-image", "-", path("round-back.bmp")}, sheet.out);
        QCOMPARE(image.exitCode, 0);
        QCOMPARE(image.err, QByteArray());
        QImage back;
        QVERIFY(back.load(path("round-back.bmp")));
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), original);
    }

    // A sheet named .xlsx is written as a workbook; to-image knows one by its content, from
    // a file or from standard input, and draws the picture it came from.
    void workbookRoundTrip_data()
    {
        QTest::addColumn<QString>("sheetName");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("throughStandardInput");
        QTest::newRow("rgb workbook") << "wb.xlsx" << QStringList{} << false;
        QTest::newRow("hsv workbook, suffix in capitals") << "wb-hsv.XLSX" << QStringList{"--hsv"} << false;
        QTest::newRow("workbook on standard input") << "wb-in.xlsx" << QStringList{} << true;
        QTest::newRow("workbook behind a .csv name") << "wb-named.csv" << QStringList{} << false;
    }

    void workbookRoundTrip()
    {
        QFETCH(QString, sheetName);
        QFETCH(QStringList, options);
        QFETCH(bool, throughStandardInput);
        const QImage original = patternImage(13, 7);
        QVERIFY(original.save(path("wb-source.png")));
        QString written = sheetName;
        if (sheetName.endsWith(QLatin1String(".csv")))
            written = QStringLiteral("wb-named.xlsx");
        const Result sheet = runCli(QStringList{"to-sheet", path("wb-source.png"), path(written)} + options);
        QCOMPARE(sheet.exitCode, 0);
        const QByteArray bytes = readAll(path(written));
        QVERIFY2(bytes.startsWith("PK\x03\x04"), "an .xlsx name gives a ZIP container");
        if (written != sheetName)
            QVERIFY(QFile::rename(path(written), path(sheetName)));
        const Result image = throughStandardInput
                                 ? runCli({"to-image", "-", path("wb-back.bmp")}, bytes)
                                 : runCli({"to-image", path(sheetName), path("wb-back.bmp")});
        QCOMPARE(image.err, QByteArray());
        QCOMPARE(image.exitCode, 0);
        // The same picture through a CSV sheet with the same options is the yardstick.
        QCOMPARE(runCli(QStringList{"to-sheet", path("wb-source.png"), path("wb.csv")} + options).exitCode, 0);
        QCOMPARE(runCli({"to-image", path("wb.csv"), path("csv-back.bmp")}).exitCode, 0);
        QImage back;
        QImage viaCsv;
        QVERIFY(back.load(path("wb-back.bmp")));
        QVERIFY(viaCsv.load(path("csv-back.bmp")));
        QCOMPARE(back, viaCsv);
        if (options.isEmpty())
            QCOMPARE(back.convertToFormat(QImage::Format_RGB32), original);
    }

    // A picture-shaped workbook drawn again is the reduced picture; what was done is told
    // on standard error: the reduction, RGB for HSV, and the layout read.
    void pictureLayoutRoundTrip_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("book");
        QTest::addColumn<QByteArray>("toldWriting");
        QTest::addColumn<QByteArray>("toldReading");
        QTest::newRow("picture .xlsx, reduced") << QStringList{"--layout", "picture", "--max-side", "20"} << "pic.xlsx"
                                                << QByteArray("reduced to 20 × 11 for a picture-shaped sheet\n")
                                                << QByteArray("read as a picture-shaped sheet of 20 × 11.\n");
        QTest::newRow("picture .ods, HSV asked") << QStringList{"--layout", "picture", "--hsv"} << "pic.ods"
                                                 << QByteArray("A picture-shaped sheet colours red, green and blue; it is written in RGB.\n")
                                                 << QByteArray("read as a picture-shaped sheet of 37 × 20.\n");
        QTest::newRow("grey .xlsx") << QStringList{"--layout", "grey"} << "grey.xlsx" << QByteArray()
                                    << QByteArray("read as a picture-shaped grey sheet of 37 × 20.\n");
    }

    void pictureLayoutRoundTrip()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, book);
        QFETCH(QByteArray, toldWriting);
        QFETCH(QByteArray, toldReading);
        const QImage original = patternImage(37, 20);
        QVERIFY(original.save(path("pic-source.png")));
        const Result sheet = runCli(QStringList{"to-sheet", path("pic-source.png"), path(book)} + options);
        QCOMPARE(sheet.exitCode, 0);
        QCOMPARE(sheet.err, toldWriting);
        const Result image = runCli({"to-image", path(book), path("pic-back.png")});
        QCOMPARE(image.exitCode, 0);
        QCOMPARE(image.err, toldReading);
        QImage back;
        QVERIFY(back.load(path("pic-back.png")));
        QImage expected = original.scaledToWidth(options.contains("20") ? 20 : 37, Qt::FastTransformation);
        if (book.startsWith(QLatin1String("grey"))) {
            for (int y = 0; y < expected.height(); ++y)
                for (int x = 0; x < expected.width(); ++x) {
                    const int grey = qGray(expected.pixel(x, y));
                    expected.setPixel(x, y, qRgb(grey, grey, grey));
                }
        }
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
    }

    // Standard output is always CSV, whatever a workbook name elsewhere might suggest.
    void standardOutputStaysCsv()
    {
        const Result sheet = runCli({"to-sheet", path("small.png"), "-"});
        QCOMPARE(sheet.exitCode, 0);
        QCOMPARE(sheet.out, TwoByTwoRgb);
    }

    // The message and status 1; nothing appears at the output path, and a file already
    // there stays as it was with nothing beside it.
    void failures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QByteArray>("input");

        const QByteArray invalidImage = "Invalid image format.\n";
        const QByteArray invalidSheet = "This is not a valid color spreadsheet.\n";
        const QByteArray noColours = "Your spreadsheet does not contain valid color values.\n";
        const QByteArray imageNotSaved = "Warning: Image not Saved\n";
        const auto row = [](const char *name, const QStringList &arguments, const QByteArray &message,
                            const QByteArray &input = QByteArray()) {
            QTest::newRow(name) << arguments << message << input;
        };
        row("image missing", {"to-sheet", "{dir}/missing.png", "{dir}/f.csv"}, invalidImage);
        row("text file as image", {"to-sheet", "{dir}/text.png", "{dir}/f.csv"}, invalidImage);
        row("folder as image", {"to-sheet", "{dir}/folder.png", "{dir}/f.csv"}, invalidImage);
        row("sheet into a missing folder", {"to-sheet", "{dir}/small.png", "{dir}/nowhere/f.csv"},
            "Warning: Spreadsheet not Saved\n");
        row("sheet missing", {"to-image", "{dir}/missing.csv", "{dir}/f.png"}, "The spreadsheet file does not exist.\n");
        row("letter as sheet", {"to-image", "{dir}/not-a-sheet.csv", "{dir}/f.png"}, invalidSheet);
        row("sheet without colour values", {"to-image", "{dir}/no-colours.csv", "{dir}/f.png"}, noColours);
        row("sheet without colour values on standard input", {"to-image", "-", "{dir}/f.png"}, noColours,
            "x,y,z\n0,0,1\n");
        row("--rgb on an hsv-only sheet", {"to-image", "{dir}/hsv.csv", "{dir}/f.png", "--rgb"},
            "The sheet has no r, g or b column, so it cannot be drawn in RGB.\n");
        row("--hsv on an rgb-only sheet", {"to-image", "{dir}/rgb.csv", "{dir}/f.png", "--hsv"},
            "The sheet has no h, s or v column, so it cannot be drawn in HSV.\n");
        row("unknown suffix", {"to-image", "{dir}/rgb.csv", "{dir}/f.xyz"}, imageNotSaved);
        row("image onto a folder", {"to-image", "{dir}/rgb.csv", "{dir}/folder.png"}, imageNotSaved);
        row("picture wider than can be drawn", {"to-image", "{dir}/too-wide.csv", "{dir}/f.png"},
            "This picture is too large to draw.\n");
    }

    void failures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, message);
        QFETCH(QByteArray, input);
        arguments = expand(arguments);
        const QFileInfo target(arguments.at(2));
        const bool isFolder = target.isDir();
        QFile::remove(target.filePath());
        const QByteArray precious("a pupil's work, not to be lost\n");
        for (const bool fileThere : {false, true}) {
            if (fileThere && (isFolder || !target.dir().exists()))
                break;
            if (fileThere)
                QVERIFY(writeFile(target.filePath(), precious));
            const Result result = runCli(arguments, input);
            QCOMPARE(result.exitCode, 1);
            QVERIFY2(result.err.startsWith(message), result.err.constData());
            QCOMPARE(result.out, QByteArray());
            if (fileThere) {
                QCOMPARE(readAll(target.filePath()), precious);
                QCOMPARE(target.dir().entryList({target.fileName() + QLatin1Char('*')}, QDir::Files | QDir::Hidden),
                         QStringList{target.fileName()});
            } else {
                QCOMPARE(QFileInfo(target.filePath()).isDir(), isFolder);
                QCOMPARE(QFileInfo::exists(target.filePath()), isFolder);
            }
        }
    }

    // The second line of a failure names the path and the reason, the system's own where
    // it gave one: a full disk says so, not "Unknown error" or nothing.
    void detailLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<qint64>("fileSizeLimit");
        QTest::addColumn<QString>("expected"); // all of standard error
        const qint64 none = -1;
        QTest::newRow("sheet missing")
            << QStringList{"to-image", "{dir}/missing.csv", "{dir}/d.png"} << none
            << "The spreadsheet file does not exist.\n{dir}/missing.csv: No such file or directory\n";
        QTest::newRow("picture wider than can be drawn: the limit, and the width of x = 2147483647")
            << QStringList{"to-image", "{dir}/too-wide.csv", "{dir}/d.png"} << none
            << "This picture is too large to draw.\nThe sheet describes a picture of 2,147,483,648 \u00d7 1 pixels; the largest "
               "picture this program draws is 16,384 \u00d7 16,384 pixels (268,435,456 pixels in all, in any shape up to "
               "67,108,863 pixels wide or high).\n";
        QTest::newRow("image is a folder")
            << QStringList{"to-sheet", "{dir}/folder.png", "{dir}/d.csv"} << none
            << "Invalid image format.\n{dir}/folder.png: this is a folder\n";
        QTest::newRow("a sheet as the image")
            << QStringList{"to-sheet", "{dir}/rgb.csv", "{dir}/d.csv"} << none
            << "Invalid image format.\n{dir}/rgb.csv: this is a pixel sheet; open it with Load Sheet\n";
        QTest::newRow("a letter as the image: no hint")
            << QStringList{"to-sheet", "{dir}/not-a-sheet.csv", "{dir}/d.csv"} << none
            << "Invalid image format.\n{dir}/not-a-sheet.csv: not a picture in any format this program reads\n";
        // 696 bytes whose grid names a canvas of 26725 x 26982 pixels (9 GB once decoded).
        QTest::newRow("photo larger than this program reads")
            << QStringList{"to-sheet", TESSARINE_TEST_DATA "/pictures/grid-canvas-larger-than-declared.heic", "{dir}/d.csv"}
            << none
            << "Invalid image format.\n" TESSARINE_TEST_DATA "/pictures/grid-canvas-larger-than-declared.heic: the picture "
               "is too large: 26725 x 26982 pixels, more than this program reads\n";
        QTest::newRow("sheet into a missing folder")
            << QStringList{"to-sheet", "{dir}/small.png", "{dir}/nowhere/d.csv"} << none
            << "Warning: Spreadsheet not Saved\n{dir}/nowhere/d.csv: No such file or directory\n";
        QTest::newRow("image with an unknown suffix")
            << QStringList{"to-image", "{dir}/rgb.csv", "{dir}/d.xyz"} << none
            << "Warning: Image not Saved\n{dir}/d.xyz: no picture format this program writes is named by the "
               "suffix \"xyz\"\n";
        QTest::newRow("sheet on a full disk")
            << QStringList{"to-sheet", "{dir}/small.png", "{dir}/d.csv"} << qint64(20)
            << "Warning: Spreadsheet not Saved\n{dir}/d.csv: File too large\n";
        QTest::newRow("image on a full disk")
            << QStringList{"to-image", "{dir}/rgb.csv", "{dir}/d.png"} << qint64(20)
            << "Warning: Image not Saved\n{dir}/d.png: File too large\n";
        if (QFileInfo::exists(QStringLiteral("/dev/full")))
            QTest::newRow("sheet onto a full device")
                << QStringList{"to-sheet", "{dir}/small.png", "/dev/full"} << none
                << "Warning: Spreadsheet not Saved\n/dev/full: No space left on device\n";
    }

    void detailLines()
    {
#ifndef Q_OS_LINUX
        QSKIP("the file size limit is set the Linux way here");
#else
        QFETCH(QStringList, arguments);
        QFETCH(qint64, fileSizeLimit);
        QFETCH(QString, expected);
        const Result result = runCli(expand(arguments), QByteArray(), fileSizeLimit);
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(QString::fromUtf8(result.err), expected.replace(QStringLiteral("{dir}"), m_dir.path()));
        QVERIFY(!QFileInfo::exists(path("d.csv")) && !QFileInfo::exists(path("d.png")));
#endif
    }

    // A sheet for standard output that is a full device: the reason, and status 1.
    void fullStandardOutput()
    {
        if (!QFileInfo::exists(QStringLiteral("/dev/full")))
            QSKIP("this system has no /dev/full");
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(TESSARINE_CLI), {"to-sheet", path("small.png"), "-"});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(process.readAllStandardError(),
                 QByteArray("Warning: Spreadsheet not Saved\nstandard output: No space left on device\n"));
    }

    // A named pipe (or a device such as /dev/null) already at the path is written to,
    // never replaced by a regular file.
    void pipeAsOutput()
    {
#ifndef Q_OS_LINUX
        QSKIP("Named pipes are made here the Linux way");
#else
        const QString pipe = path("pipe.csv");
        const QByteArray native = QFile::encodeName(pipe);
        QCOMPARE(::mkfifo(native.constData(), 0600), 0);
        const int reader = ::open(native.constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        const Result result = runCli({"to-sheet", path("small.png"), pipe});
        QByteArray received(4096, '\0');
        const ssize_t n = ::read(reader, received.data(), received.size());
        ::close(reader);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, QByteArray());
        QVERIFY(n > 0);
        QVERIFY(received.startsWith("x,y,r,g,b\n"));
        QVERIFY(QFileInfo::exists(pipe) && !QFileInfo(pipe).isFile());
#endif
    }

    // Standard error on a pseudo-terminal and a sheet of 12 MB that trickles in over more
    // than a second (the reader reports every few megabytes): the line appears, shows
    // megabytes (a pipe has no size) and is wiped at the end.
    void progressOnTerminal()
    {
#ifndef Q_OS_LINUX
        QSKIP("pseudo-terminals are opened the Linux way here");
#else
        int master = -1, slave = -1;
        QVERIFY(openpty(&master, &slave, nullptr, nullptr, nullptr) == 0);
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

        QProcess process;
        process.setChildProcessModifier([slave] { ::dup2(slave, STDERR_FILENO); });
        process.start(QStringLiteral(TESSARINE_CLI), {"to-image", "-", path("progress.png")});
        QVERIFY(process.waitForStarted());
        ::close(slave);

        const QByteArray chunk = QByteArray("3,4,10,20,30\n").repeated(80000);
        QByteArray terminal;
        const auto drain = [&] {
            char buffer[4096];
            qsizetype n;
            while ((n = ::read(master, buffer, sizeof buffer)) > 0)
                terminal.append(buffer, n);
        };
        process.write("x,y,r,g,b\n");
        for (int i = 0; i < 12; ++i) {
            process.write(chunk);
            process.waitForBytesWritten(5000);
            QThread::msleep(100);
            drain();
        }
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(30000));
        drain();
        ::close(master);

        QCOMPARE(process.exitCode(), 0);
        QVERIFY2(terminal.contains("\r\x1b[KReading sheet: "), terminal.constData());
        QVERIFY2(terminal.contains(" MB"), terminal.constData());
        // The progress line is cleared before the notice of the 19 pixels the sheet leaves out.
        QVERIFY2(terminal.contains("\r\x1b[K19 pixels had no line and were left transparent."), terminal.constData());
        QCOMPARE(QImage(path("progress.png")).size(), QSize(4, 5));
#endif
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
