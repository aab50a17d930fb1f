// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading one million records, each beside the plain way of doing it with
// the toolkit's streams and string functions. Prints milliseconds (best and median),
// speed-ups, and the reading's peak memory measured in a fresh process.
//
//   bench_sheet [runs]

#include "convert/operations.h"
#include "csv/sheetreader.h"
#include "benchrecords.h"
#include "csv/sheetwriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

using namespace tess;

namespace {

struct Timing
{
    double best = 0;
    double median = 0;
};

Timing measure(int runs, const std::function<void()> &work)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return { ms.front(), ms[ms.size() / 2] };
}

void report(const char *what, const Timing &ours, const Timing &plain)
{
    std::printf("%-34s ours best %7.1f ms median %7.1f ms | yardstick best %8.1f ms median %8.1f ms | "
                "speed-up %5.1fx (median %5.1fx)\n",
                what, ours.best, ours.median, plain.best, plain.median, plain.best / ours.best,
                plain.median / ours.median);
}

// The plain way to write: a QTextStream, one number at a time.
QByteArray plainWrite(const PixelRecords &records, ColourModel model)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QTextStream out(&buffer);
    const bool rgb = model == ColourModel::Rgb;
    out << (rgb ? "x,y,r,g,b\n" : "x,y,h,s,v\n");
    for (const PixelRecord &p : records) {
        out << p.x << ',' << p.y << ',' << (rgb ? p.r : p.h) << ',' << (rgb ? p.g : p.s) << ','
            << (rgb ? p.b : p.v) << '\n';
    }
    out.flush();
    return bytes;
}

// The plain way to read: the whole text, split at line ends by a regular expression,
// then at commas, each field through toInt / toDouble.
PixelRecords plainRead(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression lineEnd(QStringLiteral("(\\r\\n)|(\\n\\r)|\\r|\\n|\\^M"));
    const QStringList lines = text.split(lineEnd, Qt::SkipEmptyParts);
    PixelRecords records;
    if (lines.isEmpty())
        return records;
    const QStringList header = lines.first().split(u',');
    const int cx = int(header.lastIndexOf(QStringLiteral("x")));
    const int cy = int(header.lastIndexOf(QStringLiteral("y")));
    const int c1 = int(std::max(header.lastIndexOf(QStringLiteral("r")), header.lastIndexOf(QStringLiteral("h"))));
    const int c2 = int(std::max(header.lastIndexOf(QStringLiteral("g")), header.lastIndexOf(QStringLiteral("s"))));
    const int c3 = int(std::max(header.lastIndexOf(QStringLiteral("b")), header.lastIndexOf(QStringLiteral("v"))));
    const bool rgb = header.contains(QStringLiteral("r"));
    PixelRecord p;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList f = lines[i].split(u',');
        if (f.size() <= std::max(cx, cy))
            continue;
        p.x = f[cx].toInt();
        p.y = f[cy].toInt();
        int32_t *c[3] = { rgb ? &p.r : &p.h, rgb ? &p.g : &p.s, rgb ? &p.b : &p.v };
        const int col[3] = { c1, c2, c3 };
        for (int k = 0; k < 3; ++k) {
            if (col[k] >= 0 && col[k] < f.size())
                *c[k] = int(std::floor(f[col[k]].toDouble()));
        }
        records.push_back(p);
    }
    return records;
}

qint64 procStatusKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// In a fresh process: the peak resident memory while reading the file, above what the
// process held just before.
int peakChild(const QString &path, bool plain)
{
    const qint64 before = procStatusKb("VmRSS");
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    const bool reset = clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
    clear.close();
    PixelRecords records;
    if (plain) {
        records = plainRead(path);
    } else {
        SheetInfo info;
        loadSheetFile(path, records, info);
        if (info.status != Status::Done)
            return 1;
    }
    const qint64 peak = procStatusKb("VmHWM");
    const double recordsMb = double(records.size() * sizeof(PixelRecord)) / (1 << 20);
    const double peakMb = double(peak - before) / 1024;
    std::printf("%-34s %zu records = %.1f MB; peak resident above the start %.1f MB, i.e. records + %.1f MB%s\n",
                plain ? "read peak memory, yardstick:" : "read peak memory, ours:", records.size(), recordsMb,
                peakMb, peakMb - recordsMb, reset ? "" : " (peak counter not reset: includes start-up)");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && (args[1] == "--peak" || args[1] == "--peak-yardstick"))
        return peakChild(args[2], args[1] == "--peak-yardstick");

    const int runs = args.size() > 1 ? std::max(1, args[1].toInt()) : 7;
    const int plainRuns = std::max(1, std::min(runs, 3));

    const PixelRecords records = makeRecords();
    QTemporaryDir dir;
    std::printf("1,000,000 records; %d runs of ours, %d of the yardstick\n", runs, plainRuns);

    for (const ColourModel model : { ColourModel::Rgb, ColourModel::Hsv }) {
        const char *name = model == ColourModel::Rgb ? "RGB" : "HSV";
        QByteArray bytes;
        bytes.reserve(32 << 20);
        const Timing writeBuffer = measure(runs, [&] {
            bytes.truncate(0);
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            writeSheet(buffer, records, model);
        });
        const QString path = dir.filePath(QStringLiteral("bench-%1.csv").arg(name));
        const Timing writeFile = measure(runs, [&] { saveSheet(path, records, model); });
        QByteArray plainBytes;
        const Timing writePlain = measure(plainRuns, [&] { plainBytes = plainWrite(records, model); });
        if (plainBytes != bytes)
            std::printf("!! the yardstick wrote other text than ours\n");
        std::printf("%s sheet: %.1f MB\n", name, double(bytes.size()) / (1 << 20));
        report(QByteArray("write to memory, ").append(name).constData(), writeBuffer, writePlain);
        report(QByteArray("write to file (QSaveFile), ").append(name).constData(), writeFile, writePlain);

        PixelRecords out;
        const Timing readBuffer = measure(runs, [&] {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            readSheet(buffer, out);
        });
        const Timing readFile = measure(runs, [&] { SheetInfo info; loadSheetFile(path, out, info); });
        PixelRecords plainOut;
        const Timing readPlain = measure(plainRuns, [&] { plainOut = plainRead(path); });
        PixelRecords expected = records;
        for (PixelRecord &p : expected) {
            p.a = 0;
            if (model == ColourModel::Rgb)
                p.h = p.s = p.v = 0;
            else
                p.r = p.g = p.b = 0;
        }
        if (out != expected || plainOut != expected)
            std::printf("!! records read back differ from those written\n");
        report(QByteArray("read from memory, ").append(name).constData(), readBuffer, readPlain);
        report(QByteArray("read from file, ").append(name).constData(), readFile, readPlain);

        std::fflush(stdout);
        for (const char *mode : { "--peak", "--peak-yardstick" }) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(app.applicationFilePath(), { QString::fromLatin1(mode), path });
            child.waitForFinished(-1);
        }
        std::fflush(stdout);
    }
    return 0;
}
