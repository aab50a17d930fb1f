// The command-line converter as scripts see it: the built program run in a child process
// with no display, its standard streams, exit statuses and the files it leaves behind.

#include "image/imageconvert.h"
#include "image/imagefile.h"
#include "sheet/sheetreader.h"
#include "sheet/sheetwriter.h"

#include <QtTest>

#include <QBuffer>
#include <QProcess>
#include <QTemporaryDir>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>
#endif

namespace {

const QByteArray MillionMessage =
    "This image will not fit into excel. It has been reduced to 1 million pixels so that data "
    "loss will not occur\n";

struct Result
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the converter without any display, so that every case also proves it needs none.
Result runCli(const QStringList &arguments, const QByteArray &input = QByteArray(),
              const QString &workingDirectory = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(env);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(TESSARINE_CLI), arguments);
    Result result;
    if (!process.waitForStarted(10000))
        return result;
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Every pixel different from its neighbours, so that a misplaced or swapped pixel shows.
QImage patternImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 37 + y) & 0xff, (y * 53 + 7) & 0xff, (x * y + 11) & 0xff));
    return image;
}

// The 2x2 picture of the exact-text cases: a pure colour, a dark blue, a grey (no hue)
// and an orange whose hue is not a whole multiple of 60 degrees.
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
const QByteArray TwoByTwoRgb = "x,y,r,g,b\n"
                               "0,0,255,0,0\n"
                               "0,1,10,20,30\n"
                               "1,0,128,128,128\n"
                               "1,1,255,128,0\n";
const QByteArray TwoByTwoHsv = "x,y,h,s,v\n"
                               "0,0,0,255,255\n"
                               "0,1,210,170,30\n"
                               "1,0,-1,0,128\n"
                               "1,1,30,255,255\n";

struct SheetShape
{
    int columns = 0;  // distinct x
    int rows = 0;     // distinct y
    qsizetype lines = 0;
    bool grid = false; // x 0..columns-1, y 0..rows-1, one line each
};

SheetShape shapeOf(const QByteArray &sheet)
{
    SheetShape shape;
    const QList<QByteArray> lines = sheet.split('\n');
    QSet<int> xs, ys;
    QSet<qint64> cells;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        ++shape.lines;
        const QList<QByteArray> fields = lines[i].split(',');
        const int x = fields.value(0).toInt();
        const int y = fields.value(1).toInt();
        xs.insert(x);
        ys.insert(y);
        cells.insert(qint64(x) << 32 | y);
    }
    shape.columns = int(xs.size());
    shape.rows = int(ys.size());
    const bool dense = shape.columns > 0 && *std::max_element(xs.begin(), xs.end()) == shape.columns - 1
        && shape.rows > 0 && *std::max_element(ys.begin(), ys.end()) == shape.rows - 1;
    shape.grid = dense && cells.size() == shape.lines && shape.lines == qsizetype(shape.columns) * shape.rows;
    return shape;
}

struct Pixel
{
    int x;
    int y;
    QRgb argb;
};

} // namespace

Q_DECLARE_METATYPE(QList<Pixel>)

class TestCli : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_smallPng;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // "{dir}/name" in a data row stands for a file in this run's folder.
    QStringList expand(const QStringList &arguments) const
    {
        QStringList out;
        for (const QString &argument : arguments)
            out.append(QString(argument).replace(QStringLiteral("{dir}"), m_dir.path()));
        return out;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_smallPng = path(QStringLiteral("small.png"));
        QVERIFY(twoByTwo(QImage::Format_RGB32, 255).save(m_smallPng));
        QVERIFY(twoByTwo(QImage::Format_ARGB32, 128).save(path(QStringLiteral("small-alpha.png"))));
        // A BMP behind a .png name: the content decides, not the name.
        QVERIFY(twoByTwo(QImage::Format_RGB32, 255).save(path(QStringLiteral("small-bmp.png")), "BMP"));
        QVERIFY(writeFile(path(QStringLiteral("text.png")), "This is a poem, not a picture.\n"));
        QVERIFY(writeFile(path(QStringLiteral("fake.png")), QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(300, 'z')));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.png")));
        QVERIFY(writeFile(path(QStringLiteral("text.svg")),
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"60\" height=\"30\">"
                          "<rect width=\"60\" height=\"30\" fill=\"#ffee00\"/>"
                          "<text x=\"2\" y=\"24\" font-size=\"22\" fill=\"#0000aa\">Abc</text></svg>\n"));

        QVERIFY(writeFile(path(QStringLiteral("rgb.csv")), "x,y,r,g,b\n0,0,255,0,0\n1,0,0,255,0\n0,1,0,0,255\n"));
        QVERIFY(writeFile(path(QStringLiteral("hsv.csv")), "x,y,h,s,v\n0,0,0,255,255\n1,0,-1,0,128\n"));
        QVERIFY(writeFile(path(QStringLiteral("both.csv")),
                          "x,y,r,g,b,h,s,v\n0,0,255,0,0,240,255,255\n"));
        QVERIFY(writeFile(path(QStringLiteral("red-only.csv")), "x,y,r\n0,0,200\n"));
        QVERIFY(writeFile(path(QStringLiteral("not-a-sheet.csv")), "Dear class,\nplease bring a picture.\n"));
        QVERIFY(writeFile(path(QStringLiteral("no-colours.csv")), "x,y,z\n0,0,1\n"));
        QVERIFY(writeFile(path(QStringLiteral("too-wide.csv")), "x,y,r,g,b\n40000,0,1,2,3\n"));
    }

    // ------------------------------------------------------------------------------
    // Command line

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("mustNotAppear");

        const QString out = QStringLiteral("{dir}/usage-out.png");
        const QString sheetOut = QStringLiteral("{dir}/usage-out.csv");
        QTest::newRow("no arguments") << QStringList{} << QString();
        QTest::newRow("unknown command") << QStringList{"to-pdf", "{dir}/rgb.csv", out} << out;
        QTest::newRow("command only") << QStringList{"to-sheet"} << QString();
        QTest::newRow("one path") << QStringList{"to-image", "{dir}/rgb.csv"} << QString();
        QTest::newRow("three paths") << QStringList{"to-image", "{dir}/rgb.csv", out, "{dir}/extra.png"} << out;
        QTest::newRow("unknown option") << QStringList{"to-image", "{dir}/rgb.csv", out, "--cmyk"} << out;
        QTest::newRow("option with a value") << QStringList{"to-sheet", "{dir}/small.png", sheetOut, "--hsv=yes"} << sheetOut;
        QTest::newRow("--rgb and --hsv together") << QStringList{"to-image", "{dir}/both.csv", out, "--rgb", "--hsv"} << out;
        QTest::newRow("--excel2002 with to-image") << QStringList{"to-image", "{dir}/rgb.csv", out, "--excel2002"} << out;
        QTest::newRow("--rgb with to-sheet") << QStringList{"to-sheet", "{dir}/small.png", sheetOut, "--rgb"} << sheetOut;
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, mustNotAppear);

        const Result result = runCli(expand(arguments));
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.startsWith("tessarine-cli: "), result.err.constData());
        QVERIFY2(result.err.contains("Usage:\n  tessarine-cli to-sheet IMAGE SHEET [--hsv] [--excel2002]\n"),
                 result.err.constData());
        QCOMPARE(result.out, QByteArray());
        if (!mustNotAppear.isEmpty())
            QVERIFY(!QFileInfo::exists(expand({mustNotAppear}).first()));
    }

    void helpAndVersion_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("expectedStart");

        QTest::newRow("--help") << QStringList{"--help"} << QByteArray("Usage:\n  tessarine-cli to-sheet");
        QTest::newRow("-h") << QStringList{"-h"} << QByteArray("Usage:\n  tessarine-cli to-sheet");
        QTest::newRow("--help wins over a command") << QStringList{"to-sheet", "--help"} << QByteArray("Usage:\n");
        QTest::newRow("--version") << QStringList{"--version"}
                                   << QByteArray("tessarine-cli " TESSARINE_VERSION "\n");
    }

    void helpAndVersion()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, expectedStart);

        const Result result = runCli(arguments);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.startsWith(expectedStart), result.out.constData());
        QCOMPARE(result.err, QByteArray());
    }

    // ------------------------------------------------------------------------------
    // Picture to sheet

    void toSheetExactText_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("png, rgb") << "small.png" << QStringList{} << TwoByTwoRgb;
        QTest::newRow("png, hsv with a grey") << "small.png" << QStringList{"--hsv"} << TwoByTwoHsv;
        QTest::newRow("half-transparent pixels, alpha ignored") << "small-alpha.png" << QStringList{} << TwoByTwoRgb;
        QTest::newRow("bmp content behind a png name") << "small-bmp.png" << QStringList{"--hsv"} << TwoByTwoHsv;
        QTest::newRow("--excel2002 on a small picture changes nothing")
            << "small.png" << QStringList{"--excel2002"} << TwoByTwoRgb;
    }

    void toSheetExactText()
    {
        QFETCH(QString, image);
        QFETCH(QStringList, options);
        QFETCH(QByteArray, expected);

        const QString sheet = path(QStringLiteral("exact-%1.csv").arg(QTest::currentDataTag()).replace(' ', '-'));
        QFile::remove(sheet);
        const Result toFile = runCli(QStringList{"to-sheet", path(image), sheet} + options);
        QCOMPARE(toFile.exitCode, 0);
        QCOMPARE(toFile.err, QByteArray());
        QCOMPARE(toFile.out, QByteArray());
        QCOMPARE(readAll(sheet), expected);

        // The same bytes to standard output, and nothing else there.
        const Result toStdout = runCli(QStringList{"to-sheet", path(image), "-"} + options);
        QCOMPARE(toStdout.exitCode, 0);
        QCOMPARE(toStdout.err, QByteArray());
        QCOMPARE(toStdout.out, expected);
    }

    void optionsAnywhere_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("option first") << QStringList{"--hsv", "to-sheet", "{dir}/small.png", "-"};
        QTest::newRow("option between paths") << QStringList{"to-sheet", "{dir}/small.png", "--hsv", "-"};
        QTest::newRow("option last") << QStringList{"to-sheet", "{dir}/small.png", "-", "--hsv"};
    }

    void optionsAnywhere()
    {
        QFETCH(QStringList, arguments);
        const Result result = runCli(expand(arguments));
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, TwoByTwoHsv);
    }

    void reduction_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("excel2002");
        QTest::addColumn<int>("expectedColumns");
        QTest::addColumn<int>("expectedRows"); // 0: not checked, only that rows < height
        QTest::addColumn<QByteArray>("expectedErr");

        // 640 x sqrt(60000 / 307200) = 282.8
        QTest::newRow("excel2002, 640x480") << 640 << 480 << true << 282 << 0 << QByteArray();
        QTest::newRow("excel2002, exactly 60,000 pixels") << 300 << 200 << true << 300 << 200 << QByteArray();
        QTest::newRow("exactly one million pixels") << 1000 << 1000 << false << 1000 << 1000 << QByteArray();
        // 1001 x sqrt(1000000 / 1001000) = 1000.49
        QTest::newRow("one column over a million") << 1001 << 1000 << false << 1000 << 0 << MillionMessage;
    }

    void reduction()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, excel2002);
        QFETCH(int, expectedColumns);
        QFETCH(int, expectedRows);
        QFETCH(QByteArray, expectedErr);

        const QString image = path(QStringLiteral("pattern-%1x%2.png").arg(width).arg(height));
        if (!QFileInfo::exists(image))
            QVERIFY(patternImage(width, height).save(image));
        const QString sheet = path(QStringLiteral("reduced.csv"));
        QStringList arguments{"to-sheet", image, sheet};
        if (excel2002)
            arguments << "--excel2002";

        const Result result = runCli(arguments);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, expectedErr);
        const QByteArray text = readAll(sheet);
        QVERIFY(text.startsWith("x,y,r,g,b\n"));
        const SheetShape shape = shapeOf(text);
        QCOMPARE(shape.columns, expectedColumns);
        if (expectedRows)
            QCOMPARE(shape.rows, expectedRows);
        else
            QVERIFY(shape.rows < height);
        QVERIFY2(shape.grid, "every position of the reduced picture exactly once");
    }

    // The window's path for the same picture: the same core calls, in this process.
    void toSheetMatchesCore_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("excel2002");
        QTest::addColumn<bool>("hsv");

        const QString photo = QStringLiteral(TESSARINE_TEST_DATA "/test.jpg");
        QTest::newRow("jpeg, rgb") << photo << QStringList{} << false << false;
        QTest::newRow("jpeg, hsv") << photo << QStringList{"--hsv"} << false << true;
        QTest::newRow("jpeg, excel2002, hsv") << photo << QStringList{"--excel2002", "--hsv"} << true << true;
        // Text in a vector picture needs the font database: no crash, and the same glyphs
        // as this test program draws on its own platform.
        QTest::newRow("svg with text") << path(QStringLiteral("text.svg")) << QStringList{} << false << false;
    }

    void toSheetMatchesCore()
    {
        QFETCH(QString, picture);
        QFETCH(QStringList, options);
        QFETCH(bool, excel2002);
        QFETCH(bool, hsv);

        QImage image;
        QVERIFY(tess::loadImage(picture, image));
        PixelRecords records;
        tess::imageToRecords(image, excel2002, records);
        QBuffer expected;
        expected.open(QIODevice::WriteOnly);
        QVERIFY(tess::writeSheet(expected, records, hsv ? tess::ColourModel::Hsv : tess::ColourModel::Rgb));

        const Result result = runCli(QStringList{"to-sheet", picture, "-"} + options);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, QByteArray());
        QVERIFY(result.out.size() > 1000);
        QVERIFY(result.out == expected.data());
    }

    // ------------------------------------------------------------------------------
    // Sheet to picture

    void toImage_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<Pixel>>("pixels");

        const QList<Pixel> rgbPixels{{0, 0, 0xffff0000}, {1, 0, 0xff00ff00}, {0, 1, 0xff0000ff}};
        QTest::newRow("rgb sheet to png, unnamed pixel transparent")
            << "rgb.csv" << QStringList{} << "png" << QSize(2, 2)
            << (rgbPixels + QList<Pixel>{{1, 1, 0x00000000}});
        QTest::newRow("rgb sheet to bmp") << "rgb.csv" << QStringList{} << "bmp" << QSize(2, 2) << rgbPixels;
        QTest::newRow("upper-case suffix") << "rgb.csv" << QStringList{} << "PNG" << QSize(2, 2) << rgbPixels;
        QTest::newRow("hsv-only sheet drawn in hsv without asking")
            << "hsv.csv" << QStringList{} << "png" << QSize(2, 1)
            << QList<Pixel>{{0, 0, 0xffff0000}, {1, 0, 0xff808080}};
        QTest::newRow("both models: rgb unless told")
            << "both.csv" << QStringList{} << "png" << QSize(1, 1) << QList<Pixel>{{0, 0, 0xffff0000}};
        QTest::newRow("both models, --rgb")
            << "both.csv" << QStringList{"--rgb"} << "png" << QSize(1, 1) << QList<Pixel>{{0, 0, 0xffff0000}};
        QTest::newRow("both models, --hsv")
            << "both.csv" << QStringList{"--hsv"} << "png" << QSize(1, 1) << QList<Pixel>{{0, 0, 0xff0000ff}};
        QTest::newRow("one of r, g, b is enough for rgb")
            << "red-only.csv" << QStringList{} << "png" << QSize(1, 1) << QList<Pixel>{{0, 0, 0xffc80000}};
    }

    void toImage()
    {
        QFETCH(QString, sheet);
        QFETCH(QStringList, options);
        QFETCH(QString, suffix);
        QFETCH(QSize, size);
        QFETCH(QList<Pixel>, pixels);

        const QString out = path(QStringLiteral("drawn.") + suffix);
        QFile::remove(out);
        const Result result = runCli(QStringList{"to-image", path(sheet), out} + options);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.out, QByteArray());

        QImage drawn;
        QVERIFY(drawn.load(out));
        QCOMPARE(drawn.size(), size);
        const bool keepsAlpha = suffix.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
        for (const Pixel &p : pixels)
            QCOMPARE(QString::number(drawn.pixel(p.x, p.y), 16),
                     QString::number(keepsAlpha ? p.argb : (p.argb | 0xff000000), 16));

        // What the window draws from the same file.
        PixelRecords records;
        const tess::SheetInfo info = tess::loadSheet(path(sheet), records);
        QCOMPARE(info.status, tess::SheetStatus::Loaded);
        tess::ColourModel model = info.hasRgb ? tess::ColourModel::Rgb : tess::ColourModel::Hsv;
        if (options.contains(QLatin1String("--hsv")))
            model = tess::ColourModel::Hsv;
        const QImage window = tess::drawRecords(records, info.maxX, info.maxY, model);
        const QImage::Format compared = keepsAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
        QCOMPARE(drawn.convertToFormat(compared), window.convertToFormat(compared));
    }

    void toImageFromStdin_data()
    {
        QTest::addColumn<QByteArray>("sheet");
        QTest::addColumn<QList<Pixel>>("pixels");

        QTest::newRow("rgb") << QByteArray("x,y,r,g,b\n1,0,1,2,3\n")
                             << QList<Pixel>{{0, 0, 0x00000000}, {1, 0, 0xff010203}};
        QTest::newRow("hsv, crlf lines") << QByteArray("x,y,h,s,v\r\n0,0,120,255,255\r\n")
                                         << QList<Pixel>{{0, 0, 0xff00ff00}};
    }

    void toImageFromStdin()
    {
        QFETCH(QByteArray, sheet);
        QFETCH(QList<Pixel>, pixels);

        const QString out = path(QStringLiteral("from-stdin.png"));
        QFile::remove(out);
        const Result result = runCli({"to-image", "-", out}, sheet);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, QByteArray());
        QImage drawn;
        QVERIFY(drawn.load(out));
        for (const Pixel &p : pixels)
            QCOMPARE(QString::number(drawn.pixel(p.x, p.y), 16), QString::number(p.argb, 16));
    }

    // Picture -> sheet -> picture gives the picture back, through files and through a pipe.
    void roundTrip()
    {
        const QImage original = patternImage(37, 23);
        const QString picture = path(QStringLiteral("round.png"));
        QVERIFY(original.save(picture));

        const Result sheet = runCli({"to-sheet", picture, "-"});
        QCOMPARE(sheet.exitCode, 0);
        const QString out = path(QStringLiteral("round-back.bmp"));
        const Result image = runCli({"to-image", "-", out}, sheet.out);
        QCOMPARE(image.exitCode, 0);

        QImage back;
        QVERIFY(back.load(out));
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), original);
    }

    // ------------------------------------------------------------------------------
    // Failures: the message, status 1, and no trace in the file system

    void failures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QByteArray>("message");

        const QByteArray invalidImage = "Invalid image format.\n";
        const QByteArray invalidSheet = "This is not a valid color spreadsheet.\n";
        const QByteArray noColours = "Your spreadsheet does not contain valid color values.\n";
        const QByteArray imageNotSaved = "Warning: Image not Saved\n";
        const QByteArray sheetNotSaved = "Warning: Spreadsheet not Saved\n";

        QTest::newRow("image missing") << QStringList{"to-sheet", "{dir}/missing.png", "{dir}/f.csv"}
                                       << "{dir}/f.csv" << invalidImage;
        QTest::newRow("text file as image") << QStringList{"to-sheet", "{dir}/text.png", "{dir}/f.csv"}
                                            << "{dir}/f.csv" << invalidImage;
        QTest::newRow("png signature, then rubbish") << QStringList{"to-sheet", "{dir}/fake.png", "{dir}/f.csv"}
                                                     << "{dir}/f.csv" << invalidImage;
        QTest::newRow("folder as image") << QStringList{"to-sheet", "{dir}/folder.png", "-"}
                                         << QString() << invalidImage;
        QTest::newRow("sheet into a missing folder")
            << QStringList{"to-sheet", "{dir}/small.png", "{dir}/nowhere/f.csv"} << "{dir}/nowhere/f.csv"
            << sheetNotSaved;
        QTest::newRow("sheet onto a folder") << QStringList{"to-sheet", "{dir}/small.png", "{dir}/folder.png"}
                                             << QString() << sheetNotSaved;

        QTest::newRow("sheet missing") << QStringList{"to-image", "{dir}/missing.csv", "{dir}/f.png"}
                                       << "{dir}/f.png" << invalidSheet;
        QTest::newRow("letter as sheet") << QStringList{"to-image", "{dir}/not-a-sheet.csv", "{dir}/f.png"}
                                         << "{dir}/f.png" << invalidSheet;
        QTest::newRow("picture as sheet") << QStringList{"to-image", "{dir}/small.png", "{dir}/f.png"}
                                          << "{dir}/f.png" << invalidSheet;
        QTest::newRow("sheet without colour values")
            << QStringList{"to-image", "{dir}/no-colours.csv", "{dir}/f.png"} << "{dir}/f.png" << noColours;
        QTest::newRow("--rgb on an hsv-only sheet")
            << QStringList{"to-image", "{dir}/hsv.csv", "{dir}/f.png", "--rgb"} << "{dir}/f.png"
            << QByteArray("The sheet has no r, g or b column, so it cannot be drawn in RGB.\n");
        QTest::newRow("--hsv on an rgb-only sheet")
            << QStringList{"to-image", "{dir}/rgb.csv", "{dir}/f.png", "--hsv"} << "{dir}/f.png"
            << QByteArray("The sheet has no h, s or v column, so it cannot be drawn in HSV.\n");
        QTest::newRow("unknown suffix") << QStringList{"to-image", "{dir}/rgb.csv", "{dir}/f.xyz"}
                                        << "{dir}/f.xyz" << imageNotSaved;
        QTest::newRow("no suffix") << QStringList{"to-image", "{dir}/rgb.csv", "{dir}/picture"}
                                   << "{dir}/picture" << imageNotSaved;
        QTest::newRow("image into a missing folder")
            << QStringList{"to-image", "{dir}/rgb.csv", "{dir}/nowhere/f.png"} << "{dir}/nowhere/f.png"
            << imageNotSaved;
        QTest::newRow("image onto a folder") << QStringList{"to-image", "{dir}/rgb.csv", "{dir}/folder.png"}
                                             << QString() << imageNotSaved;
        QTest::newRow("picture wider than can be drawn")
            << QStringList{"to-image", "{dir}/too-wide.csv", "{dir}/f.png"} << "{dir}/f.png" << imageNotSaved;
    }

    void failures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        QFETCH(QByteArray, message);

        const QStringList expanded = expand(arguments);
        const QString target = output.isEmpty() ? QString() : expand({output}).first();

        // Once with nothing at the output path: nothing may appear there.
        if (!target.isEmpty())
            QFile::remove(target);
        Result result = runCli(expanded);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.startsWith(message), result.err.constData());
        QCOMPARE(result.out, QByteArray());
        if (target.isEmpty())
            return;
        QVERIFY(!QFileInfo::exists(target));

        // Once with a file already there: it must stay as it was.
        if (!QFileInfo(target).dir().exists())
            return;
        const QByteArray precious("a pupil's work, not to be lost\n");
        QVERIFY(writeFile(target, precious));
        result = runCli(expanded);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.startsWith(message), result.err.constData());
        QCOMPARE(readAll(target), precious);
        QDir dir(QFileInfo(target).dir());
        const QStringList leftovers = dir.entryList({QFileInfo(target).fileName() + QLatin1Char('*')}, QDir::Files);
        QCOMPARE(leftovers, QStringList{QFileInfo(target).fileName()});
    }

    // A sheet that fails midway through standard input leaves no image behind.
    void failureFromStdin()
    {
        const QString out = path(QStringLiteral("stdin-fail.png"));
        QFile::remove(out);
        const Result result = runCli({"to-image", "-", out}, "x,y,z\n0,0,1\n");
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.err, QByteArray("Your spreadsheet does not contain valid color values.\n"));
        QVERIFY(!QFileInfo::exists(out));
    }

    // A device already at the path is written to, never replaced by a regular file.
    void deviceAsOutput()
    {
#ifndef Q_OS_UNIX
        QSKIP("/dev/null is a Unix device");
#endif
        const Result result = runCli({"to-sheet", m_smallPng, "/dev/null"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, QByteArray());
        QVERIFY(!QFileInfo(QStringLiteral("/dev/null")).isFile());
    }

    // ------------------------------------------------------------------------------
    // Progress on a terminal

    // Standard error on a pseudo-terminal and a sheet of 12 MB that trickles in over more
    // than a second (the reader reports every few megabytes): the line appears, shows
    // megabytes (a pipe has no size) and is wiped at the end.
    void progressOnTerminal()
    {
#ifndef Q_OS_LINUX
        QSKIP("pseudo-terminals are opened the Linux way here");
#else
        int master = -1;
        int slave = -1;
        QVERIFY(openpty(&master, &slave, nullptr, nullptr, nullptr) == 0);
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

        QProcess process;
        process.setChildProcessModifier([slave] { ::dup2(slave, STDERR_FILENO); });
        const QString out = path(QStringLiteral("progress.png"));
        process.start(QStringLiteral(TESSARINE_CLI), {"to-image", "-", out});
        QVERIFY(process.waitForStarted());
        ::close(slave);

        QByteArray chunk;
        for (int i = 0; i < 80000; ++i)
            chunk += "3,4,10,20,30\n";
        process.write("x,y,r,g,b\n");
        QByteArray terminal;
        char buffer[4096];
        const auto drain = [&] {
            qsizetype n;
            while ((n = ::read(master, buffer, sizeof buffer)) > 0)
                terminal.append(buffer, n);
        };
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
        QVERIFY2(terminal.endsWith("\r\x1b[K"), terminal.constData());
        QImage drawn;
        QVERIFY(drawn.load(out));
        QCOMPARE(drawn.size(), QSize(4, 5));
#endif
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
