// SPDX-License-Identifier: GPL-3.0-or-later
// Workbooks of one million records (a 1000 x 1000 picture of varied colours): writing an
// .xlsx and reading it back, beside this program's CSV sheet. Each job runs in a fresh
// process (this program started again with a job), which prints its processor time and
// its peak resident memory; bench_workbook.sh times the same jobs whole and sets them
// beside openpyxl and LibreOffice.
//
//   bench_workbook [runs]                       all jobs, best and median of runs
//   bench_workbook write-xlsx|write-csv PATH    one job: the records written to PATH
//   bench_workbook read PATH                    one job: PATH read (workbook or CSV)
#include "convert/operations.h"
#include "csv/sheetwriter.h"
#include "benchrecords.h"
#include "workbook/workbookreader.h"
#include "workbook/workbookwriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tess;

namespace {

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
         + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long peakKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// One job in this process; prints "wall-ms cpu-ms peak-kB" for the work alone.
int runJob(const QString &job, const QString &path)
{
    QElapsedTimer timer;
    double cpu = 0;
    bool ok = false;
    if (job == QLatin1String("read")) {
        cpu = processorSeconds();
        timer.start();
        PixelRecords records;
        SheetInfo info;
        loadSheetFile(path, records, info);
        ok = info.status == Status::Done && records.size() == 1000000;
        if (!ok)
            std::fprintf(stderr, "read failed: %s\n", qPrintable(info.detail));
    } else {
        const PixelRecords records = makeRecords();
        cpu = processorSeconds();
        timer.start();
        QSaveFile file(path);
        ok = file.open(QIODevice::WriteOnly)
          && (job == QLatin1String("write-xlsx") ? writeWorkbook(file, records, ColourModel::Rgb).ok()
                                                 : writeSheet(file, records, ColourModel::Rgb).ok())
          && file.flush() && file.commit();
    }
    std::printf("%.1f %.1f %ld\n", double(timer.nsecsElapsed()) / 1e6, (processorSeconds() - cpu) * 1000,
                peakKb());
    return ok ? 0 : 1;
}

struct Figures
{
    std::vector<double> wall, cpu;
    long peak = 0;
};

void runChild(const QStringList &arguments, Figures &figures)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    const QList<QByteArray> parts = child.readAllStandardOutput().trimmed().split(' ');
    if (child.exitCode() != 0 || parts.size() != 3) {
        std::fprintf(stderr, "job %s failed\n", qPrintable(arguments.join(u' ')));
        return;
    }
    figures.wall.push_back(parts[0].toDouble());
    figures.cpu.push_back(parts[1].toDouble());
    figures.peak = std::max(figures.peak, parts[2].toLong());
}

void report(const char *what, Figures f, const QString &path)
{
    std::sort(f.wall.begin(), f.wall.end());
    std::sort(f.cpu.begin(), f.cpu.end());
    if (f.wall.empty())
        return;
    std::printf("%-22s wall best %7.1f ms median %7.1f ms | processor best %7.1f ms | peak RSS %6.1f MB | file %6.1f MB\n",
                what, f.wall.front(), f.wall[f.wall.size() / 2], f.cpu.front(), double(f.peak) / 1024,
                double(QFileInfo(path).size()) / (1 << 20));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3)
        return runJob(args[1], args[2]);

    const int runs = args.size() > 1 ? std::max(1, args[1].toInt()) : 5;
    QTemporaryDir dir;
    const QString xlsx = dir.filePath(QStringLiteral("sheet.xlsx"));
    const QString csv = dir.filePath(QStringLiteral("sheet.csv"));
    std::printf("1,000,000 records (RGB), %d runs each, every run a fresh process; the figures\n"
                "cover the work alone (not making the records, not starting the process)\n", runs);
    Figures writeXlsx, readXlsx, writeCsv, readCsv;
    for (int i = 0; i < runs; ++i) {
        runChild({ QStringLiteral("write-xlsx"), xlsx }, writeXlsx);
        runChild({ QStringLiteral("read"), xlsx }, readXlsx);
        runChild({ QStringLiteral("write-csv"), csv }, writeCsv);
        runChild({ QStringLiteral("read"), csv }, readCsv);
    }
    report("write .xlsx", writeXlsx, xlsx);
    report("read .xlsx", readXlsx, xlsx);
    report("write .csv", writeCsv, csv);
    report("read .csv", readCsv, csv);
    return 0;
}
