// SPDX-License-Identifier: GPL-3.0-or-later
// tessarine-cli: the converter for scripts, batches and machines without a display.
// It calls the same core functions as the window's buttons, so a picture converted
// here and one converted in the window give the same sheet, byte for byte.

#include "commands.h"
#include "watch.h"

#include "convert/picturesheet.h"
#include "image/imagefile.h"
#include "text/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

using namespace tess::cli;

namespace {

// The texts are translated in the context "tessarine-cli"; the names of the commands and
// options stay as they are in every language.
const char UsageText[] = QT_TRANSLATE_NOOP(
    "tessarine-cli",
    "Usage:\n"
    "  tessarine-cli to-sheet IMAGE SHEET [--hsv] [--excel2002] [--watch]\n"
    "  tessarine-cli to-sheet IMAGE BOOK.xlsx|BOOK.ods --layout picture|grey [--max-side N] [--watch]\n"
    "  tessarine-cli to-image SHEET IMAGE [--rgb | --hsv] [--ones black|white] [--watch]\n"
    "  tessarine-cli compare IMAGE IMAGE [DIFFERENCE]\n"
    "  tessarine-cli --help | --version\n");

const char HelpText[] = QT_TRANSLATE_NOOP(
    "tessarine-cli",
    "\n"
    "Turns a picture into a pixel sheet (one line per pixel: x,y and its colour) and a\n"
    "pixel sheet back into a picture.\n"
    "\n"
    "Commands:\n"
    "  to-sheet     Read IMAGE (any format the program knows, recognised by its content)\n"
    "               and write its pixel sheet to SHEET: CSV, or an Excel workbook when\n"
    "               SHEET ends in .xlsx. Pictures above one million pixels are reduced to\n"
    "               about one million first, with a note on standard error.\n"
    "  to-image     Read the pixel sheet SHEET (CSV, .xlsx or .ods, recognised by its\n"
    "               content) and draw it into IMAGE; the picture format is the one the\n"
    "               suffix of IMAGE names (.png, .bmp, .jpg, .gif, .tif, ...).\n"
    "  compare      Compare two pictures pixel by pixel and print how many pixels\n"
    "               changed and the largest change, with its place. DIFFERENCE, when\n"
    "               given, receives a picture of the change: changed pixels in red,\n"
    "               unchanged ones dimmed.\n"
    "\n"
    "Options:\n"
    "  --hsv        to-sheet: write hue, saturation and value instead of red, green, blue.\n"
    "               to-image: draw from the h, s, v columns.\n"
    "  --rgb        to-image: draw from the r, g, b columns.\n"
    "               Without --rgb or --hsv, to-image draws from r, g, b when the sheet\n"
    "               has any of them, otherwise from h, s, v.\n"
    "  --excel2002  to-sheet: reduce the picture to about 60,000 pixels, the most rows\n"
    "               older spreadsheet programs hold.\n"
    "  --layout L   to-sheet: list (the pixel sheet, one row per pixel; the default),\n"
    "               picture (a workbook the shape of the picture: three rows r, g, b\n"
    "               per picture row, coloured by the spreadsheet program as numbers are\n"
    "               typed) or grey (one row of grey values per picture row). picture\n"
    "               and grey need an .xlsx or .ods name and are written in RGB.\n"
    "  --max-side N  picture, grey: reduce the picture to a long edge of N pixels at\n"
    "               most (default 256, at most 768).\n"
    "  --ones C     to-image: in a grid of only 0 and 1 drawn by hand, 1 is black ink\n"
    "               on white paper (the default, C = black); --ones white turns it\n"
    "               round.\n"
    "  --watch      Convert once, then again each time the input file is saved anew\n"
    "               (by a spreadsheet or paint program, in whatever way it saves),\n"
    "               until interrupted (Ctrl+C) or terminated. A save that cannot be\n"
    "               read prints its reason and keeps the last good output; the next\n"
    "               good save is converted again. The input must be a file, not -.\n"
    "  -h, --help   Show this text.\n"
    "  -v, --version  Show the version.\n"
    "\n"
    "A SHEET of - means standard output for to-sheet and standard input for to-image.\n"
    "\n"
    "Exit status: 0 done, 1 the conversion failed (reason on standard error),\n"
    "2 the command line was wrong, 3 compare found the pictures different (0: the\n"
    "same). With --watch: 0 once stopped.\n");

QString cliText(const char *source)
{
    return QCoreApplication::translate("tessarine-cli", source);
}

// Standard error carries this program's own messages and nothing else: the toolkit's
// notes (a missing runtime folder, a decoder's complaint about a damaged file) are
// dropped, since every failure is reported in the program's own words anyway.
void keepToolkitQuiet(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, message)));
}

int usageError(const QString &problem)
{
    std::fprintf(stderr, "tessarine-cli: %s\n%s", qUtf8Printable(problem), qUtf8Printable(cliText(UsageText)));
    const QString more = cliText(QT_TRANSLATE_NOOP("tessarine-cli", "Try 'tessarine-cli --help' for more information.\n"));
    std::fprintf(stderr, "%s", qUtf8Printable(more));
    return ExitUsage;
}

int compare(const QCommandLineParser &parser, const QStringList &args)
{
    for (const char *option : {"hsv", "rgb", "excel2002", "watch", "layout", "max-side", "ones"})
        if (parser.isSet(QString::fromLatin1(option)))
            return usageError(cliText(QT_TRANSLATE_NOOP("tessarine-cli", "compare takes no --%1")).arg(QLatin1String(option)));
    if (args.size() != 3 && args.size() != 4)
        return usageError(cliText(QT_TRANSLATE_NOOP("tessarine-cli", "compare takes two pictures and an optional "
                                                                     "difference picture, %1 paths given"))
                              .arg(args.size() - 1));
    return runCompare({args.at(1), args.at(2), args.value(3)});
}

// --layout and --max-side of to-sheet into the job; a usage error when they do not fit.
int readShape(const QCommandLineParser &parser, const QCommandLineOption &layout, const QCommandLineOption &maxSide,
              ToSheetJob &job)
{
    const QString name = parser.value(layout);
    if (!parser.isSet(layout) || name == QLatin1String("list"))
        job.shape = tess::SheetShape::List;
    else if (name == QLatin1String("picture"))
        job.shape = tess::SheetShape::Picture;
    else if (name == QLatin1String("grey") || name == QLatin1String("gray"))
        job.shape = tess::SheetShape::Grey;
    else
        return usageError(cliText(QT_TRANSLATE_NOOP("tessarine-cli", "unknown layout '%1': list, picture or grey"))
                              .arg(name));
    const bool shaped = job.shape != tess::SheetShape::List;
    if (parser.isSet(maxSide)) {
        bool number = false;
        const int side = parser.value(maxSide).toInt(&number);
        if (!shaped)
            return usageError(cliText(QT_TRANSLATE_NOOP("tessarine-cli", "--max-side applies to --layout picture or grey")));
        if (!number || side < 1 || side > tess::MaxPictureSheetSide)
            return usageError(cliText(QT_TRANSLATE_NOOP("tessarine-cli", "--max-side takes a number from 1 to %1, not '%2'"))
                                  .arg(tess::MaxPictureSheetSide)
                                  .arg(parser.value(maxSide)));
        job.maxSide = side;
    }
    if (shaped && job.excel2002)
        return usageError(cliText(QT_TRANSLATE_NOOP("tessarine-cli", "--excel2002 applies to --layout list only")));
    if (shaped && !tess::isPictureSheetName(job.sheetPath))
        return usageError(cliText(QT_TRANSLATE_NOOP(
            "tessarine-cli", "a picture-shaped sheet is written as a workbook (.xlsx or .ods): a CSV file cannot "
                             "hold its colours. Save the workbook as CSV in the spreadsheet program if you need one")));
    return ExitOk;
}

} // namespace

int main(int argc, char *argv[])
{
    // The image plug-ins alone would load under a core application, but a vector picture
    // with text needs the font database, which only a GUI application provides. No
    // window is ever shown, so a platform without a display serves everywhere: the
    // minimal one with its fonts switched on draws such pictures exactly as the offscreen
    // one does, and starts in about half the time, which counts when a script converts
    // one picture per run.
    qInstallMessageHandler(keepToolkitQuiet);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "minimal:enable_fonts");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tessarine-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSARINE_VERSION));
    tess::configureImageReading();
    tess::installTranslations();

    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption hsv(QStringLiteral("hsv"), QString());
    const QCommandLineOption rgb(QStringLiteral("rgb"), QString());
    const QCommandLineOption excel2002(QStringLiteral("excel2002"), QString());
    const QCommandLineOption watch(QStringLiteral("watch"), QString());
    const QCommandLineOption layout(QStringLiteral("layout"), QString(), QStringLiteral("layout"));
    const QCommandLineOption maxSide(QStringLiteral("max-side"), QString(), QStringLiteral("n"));
    const QCommandLineOption ones(QStringLiteral("ones"), QString(), QStringLiteral("colour"));
    parser.addOptions({help, version, hsv, rgb, excel2002, watch, layout, maxSide, ones});

    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());

    if (parser.isSet(help)) {
        std::fputs(qUtf8Printable(cliText(UsageText)), stdout);
        std::fputs(qUtf8Printable(cliText(HelpText)), stdout);
        return ExitOk;
    }
    if (parser.isSet(version)) {
        std::printf("tessarine-cli %s\n", TESSARINE_VERSION);
        return ExitOk;
    }

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usageError(cliText(QT_TRANSLATE_NOOP("tessarine-cli", "no command given")));

    const QString command = args.first();
    if (command == QLatin1String("compare"))
        return compare(parser, args);
    if (command != QLatin1String("to-sheet") && command != QLatin1String("to-image"))
        return usageError(cliText(QT_TRANSLATE_NOOP("tessarine-cli", "unknown command '%1'")).arg(command));
    if (args.size() != 3)
        return usageError(cliText(QT_TRANSLATE_NOOP("tessarine-cli", "%1 takes exactly two paths, %2 given"))
                              .arg(command)
                              .arg(args.size() - 1));
    if (parser.isSet(rgb) && parser.isSet(hsv))
        return usageError(cliText(QT_TRANSLATE_NOOP("tessarine-cli", "--rgb and --hsv cannot be used together")));
    if (parser.isSet(watch) && args.at(1) == tess::StandardStreamPath)
        return usageError(cliText(
            QT_TRANSLATE_NOOP("tessarine-cli", "--watch follows a file; standard input cannot be watched")));

    if (command == QLatin1String("to-sheet")) {
        if (parser.isSet(rgb))
            return usageError(cliText(
                QT_TRANSLATE_NOOP("tessarine-cli", "to-sheet writes RGB unless --hsv is given; it has no --rgb")));
        ToSheetJob job;
        job.imagePath = args.at(1);
        job.sheetPath = args.at(2);
        job.model = parser.isSet(hsv) ? tess::ColourModel::Hsv : tess::ColourModel::Rgb;
        job.excel2002 = parser.isSet(excel2002);
        if (parser.isSet(ones))
            return usageError(cliText(QT_TRANSLATE_NOOP("tessarine-cli", "--ones applies to to-image only")));
        if (const int bad = readShape(parser, layout, maxSide, job); bad != ExitOk)
            return bad;
        if (parser.isSet(watch))
            return runWatching(job.imagePath, tess::Text::ChangedReadAndConverted, [job] { return runToSheet(job); });
        return runToSheet(job);
    }

    if (parser.isSet(excel2002))
        return usageError(cliText(QT_TRANSLATE_NOOP("tessarine-cli", "--excel2002 applies to to-sheet only")));
    if (parser.isSet(layout) || parser.isSet(maxSide))
        return usageError(cliText(QT_TRANSLATE_NOOP(
            "tessarine-cli", "--layout and --max-side apply to to-sheet only; to-image knows the layout by the content")));
    ToImageJob job;
    job.sheetPath = args.at(1);
    job.imagePath = args.at(2);
    if (parser.isSet(rgb))
        job.model = tess::ColourModel::Rgb;
    else if (parser.isSet(hsv))
        job.model = tess::ColourModel::Hsv;
    const QString inkOnes = parser.value(ones);
    if (parser.isSet(ones) && inkOnes != QLatin1String("black") && inkOnes != QLatin1String("white"))
        return usageError(cliText(QT_TRANSLATE_NOOP("tessarine-cli", "--ones takes black or white, not '%1'")).arg(inkOnes));
    job.onesWhite = inkOnes == QLatin1String("white");
    if (parser.isSet(watch))
        return runWatching(job.sheetPath, tess::Text::ChangedReadAndDrawn, [job] { return runToImage(job); });
    return runToImage(job);
}
