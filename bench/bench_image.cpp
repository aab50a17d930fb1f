// SPDX-License-Identifier: GPL-3.0-or-later
// Times the image-to-records scan on a one-million-pixel picture against the plain
// per-pixel path (QImage::pixel + QColor::toHsv + push_back), and measures the peak
// memory of one conversion in a fresh process.
//
//   bench_image [runs]        timing, default 15 runs of the scan and 5 of the yardstick
//   bench_image --memory FMT  (used by the timing run) peak memory of one conversion of
//                             the picture held in format FMT: rgb32, argb32 or rgb888

#include "image/imageconvert.h"

#include <QColor>
#include <QElapsedTimer>
#include <QImage>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>
#include <string>
#include <vector>

using tess::PixelRecord;
using tess::PixelRecords;

namespace {

constexpr int Side = 1000;

// Gradients in all three channels with noise on top: few runs of equal pixels, hues
// all around the circle, some greys where the gradients cross.
QImage makePicture(QImage::Format format)
{
    QImage image(Side, Side, QImage::Format_RGB32);
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> noise(-12, 12);
    for (int y = 0; y < Side; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < Side; ++x) {
            const int r = std::clamp(x * 255 / Side + noise(random), 0, 255);
            const int g = std::clamp(y * 255 / Side + noise(random), 0, 255);
            const int b = std::clamp((x + y) * 255 / (2 * Side) + noise(random), 0, 255);
            line[x] = qRgb(r, g, b);
        }
    }
    return format == QImage::Format_RGB32 ? image : image.convertToFormat(format);
}

// The straightforward way, as a yardstick.
void yardstick(const QImage &image, PixelRecords &out)
{
    out.clear();
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QRgb pixel = image.pixel(x, y);
            const QColor hsv = QColor(pixel).toHsv();
            PixelRecord record;
            record.x = x;
            record.y = y;
            record.r = qRed(pixel);
            record.g = qGreen(pixel);
            record.b = qBlue(pixel);
            record.a = 255;
            record.h = hsv.hue();
            record.s = hsv.saturation();
            record.v = hsv.value();
            out.push_back(record);
        }
    }
}

double processCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Wall-clock and processor time (all threads) of each run, each list sorted.
struct Timings
{
    std::vector<double> wall;
    std::vector<double> cpu;
};

template<typename Function>
Timings timeRuns(int runs, Function &&function)
{
    Timings t;
    for (int i = 0; i < runs; ++i) {
        const double cpuStart = processCpuMs();
        const auto start = std::chrono::steady_clock::now();
        function();
        const auto end = std::chrono::steady_clock::now();
        t.cpu.push_back(processCpuMs() - cpuStart);
        t.wall.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(t.wall.begin(), t.wall.end());
    std::sort(t.cpu.begin(), t.cpu.end());
    return t;
}

std::string loadAverage()
{
    char text[64] = "unknown";
    if (FILE *file = std::fopen("/proc/loadavg", "r")) {
        if (!std::fgets(text, sizeof text, file))
            std::strcpy(text, "unknown");
        std::fclose(file);
    }
    std::string result(text);
    while (!result.empty() && result.back() == '\n')
        result.pop_back();
    return result;
}

double median(const std::vector<double> &sorted)
{
    const size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

long statusKb(const char *field)
{
    FILE *file = std::fopen("/proc/self/status", "r");
    if (!file)
        return -1;
    char line[256];
    long value = -1;
    const size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, file)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            value = std::atol(line + length + 1);
            break;
        }
    }
    std::fclose(file);
    return value;
}

QImage::Format formatNamed(const std::string &name)
{
    if (name == "argb32")
        return QImage::Format_ARGB32;
    if (name == "rgb888")
        return QImage::Format_RGB888;
    return QImage::Format_RGB32;
}

int measureMemory(const std::string &name)
{
    const QImage image = makePicture(formatNamed(name));
    {
        // Code pages and the thread machinery are counted once they are first used;
        // a small conversion beforehand keeps them out of the figure.
        PixelRecords warmUp;
        tess::imageToRecords(image.copy(0, 0, 600, 600), false, warmUp);
    }
    // Reset the peak to the present size (Linux 4.0 and later), so that what building
    // the picture needed does not hide the conversion's own peak.
    if (FILE *clear = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", clear);
        std::fclose(clear);
    }
    const long before = statusKb("VmRSS");
    PixelRecords records;
    tess::imageToRecords(image, false, records);
    const long after = statusKb("VmHWM");
    const double recordsMb = double(records.size() * sizeof(PixelRecord)) / (1 << 20);
    const double imageMb = double(Side) * Side * 4 / (1 << 20);
    std::printf("  %-7s peak growth %6.1f MB   (records %.1f MB + one 32-bit image copy %.1f MB = %.1f MB)\n",
                name.c_str(), double(after - before) / 1024, recordsMb, imageMb, recordsMb + imageMb);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--memory") == 0)
        return measureMemory(argv[2]);

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const int yardstickRuns = std::max(1, std::min(runs, 5));

    std::printf("1000 x 1000 picture, gradients plus noise; times in ms per conversion\n");
    std::printf("load average before: %s (other work on the machine inflates the wall times)\n",
                loadAverage().c_str());
    for (const char *name : {"rgb32", "rgb888"}) {
        const QImage image = makePicture(formatNamed(name));
        PixelRecords records;
        tess::imageToRecords(image, false, records); // first touch of the records' memory
        const auto fast = timeRuns(runs, [&] { tess::imageToRecords(image, false, records); });

        PixelRecords slowRecords;
        yardstick(image, slowRecords);
        const auto slow = timeRuns(yardstickRuns, [&] { yardstick(image, slowRecords); });

        std::printf("%-7s imageToRecords wall best %7.2f  median %7.2f   cpu best %7.2f  median %7.2f  (%d runs)\n",
                    name, fast.wall.front(), median(fast.wall), fast.cpu.front(), median(fast.cpu), runs);
        std::printf("%-7s yardstick      wall best %7.2f  median %7.2f   cpu best %7.2f  median %7.2f  (%d runs)\n",
                    name, slow.wall.front(), median(slow.wall), slow.cpu.front(), median(slow.cpu), yardstickRuns);
        size_t differing = 0;
        if (records.size() != slowRecords.size())
            differing = records.size();
        else
            for (size_t i = 0; i < records.size(); ++i)
                differing += records[i] == slowRecords[i] ? 0 : 1;
        std::printf("%-7s speed-up wall best %.1fx, median %.1fx; in processor time %.1fx\n", name,
                    slow.wall.front() / fast.wall.front(), median(slow.wall) / median(fast.wall),
                    median(slow.cpu) / median(fast.cpu));
        std::printf("%-7s records differing from the yardstick's (its single-precision HSV): %zu\n", name,
                    differing);
    }

    std::printf("peak memory of one conversion, each in a fresh process:\n");
    std::fflush(stdout);
    for (const char *name : {"rgb32", "argb32", "rgb888"}) {
        const std::string command = std::string("\"") + argv[0] + "\" --memory " + name;
        if (std::system(command.c_str()) != 0)
            std::printf("  %s: measurement failed\n", name);
        std::fflush(stdout);
    }
    return 0;
}
