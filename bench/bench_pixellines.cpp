// SPDX-License-Identifier: GPL-3.0-or-later
// What the pixel viewer costs for a sheet of one million records: building the map from
// pixel to line in the file, once per load, and asking it on every hover. The records are
// shuffled, as a sheet sorted in a spreadsheet program has them. Prints milliseconds and
// nanoseconds per question.
//
//   bench_pixellines

#include "benchrecords.h"
#include "image/pixelreadout.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <random>

using namespace tess;

int main()
{
    tess::PixelRecords records = makeRecords();
    std::shuffle(records.begin(), records.end(), std::mt19937(7));
    // A few skipped and empty lines early on, so that the map has steps to look through.
    RecordLines lines;
    lines.first = 2;
    for (qint64 i = 1; i <= 1000; ++i)
        lines.step(i * 997, 2 + i);

    QElapsedTimer timer;
    timer.start();
    const PixelLines map(records, QSize(1000, 1000), lines, QStringLiteral("lesson.csv"));
    const double buildMs = double(timer.nsecsElapsed()) / 1e6;

    timer.restart();
    qint64 sum = 0;
    for (int y = 0; y < 1000; ++y)
        for (int x = 0; x < 1000; ++x)
            sum += map.lineAt(QPoint(x, y));
    const double askNs = double(timer.nsecsElapsed()) / 1e6;

    timer.restart();
    QString text;
    for (int i = 0; i < 10000; ++i)
        text = pixelReadout(QPoint(i % 1000, i / 1000), qRgb(i % 256, 200, 30), map.lineAt(QPoint(i % 1000, 0)),
                            map.fileName());
    const double readoutUs = double(timer.nsecsElapsed()) / 1e3 / 10000;

    std::printf("map of 1,000,000 shuffled records: built in %.1f ms\n", buildMs);
    std::printf("line of a pixel: %.1f ns a question (checksum %lld)\n", askNs, static_cast<long long>(sum));
    std::printf("readout text: %.2f us a pixel\n", readoutUs);
    return 0;
}
