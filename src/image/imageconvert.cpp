// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageconvert.h"

#include "io/worker.h"
#include "model/colorconvert_p.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <new>
#include <vector>

namespace tess {

namespace {

// Width that brings a width x height image (n pixels) down to about limit pixels.
// The factor is held in single precision, as the sheets of earlier releases were made.
int reducedWidth(qint64 width, qint64 n, qint64 limit)
{
    const float factor = float(std::sqrt(double(limit) / double(n)));
    return int(factor * float(width));
}

// Formats whose 32-bit words are 0xAARRGGBB with straight (not premultiplied) colour;
// RGB32 has a fixed alpha byte, which the scan ignores anyway.
bool isStraightArgb32(QImage::Format format)
{
    return format == QImage::Format_ARGB32 || format == QImage::Format_RGB32;
}

// Pixels of a straight ARGB32 image read column by column.
struct ColumnSource
{
    const uchar *bits;
    qsizetype bytesPerLine;
    int height;
};

// Below this many pixels the scan is not worth a second thread; above, the columns are
// handed out in bands of about this many pixels.
constexpr qint64 ParallelScanPixels = 1 << 18;
constexpr qint64 BandPixels = 1 << 15;

// A band's columns are first copied out row by row into a small buffer, column after
// column, and then converted from there in order. Read straight down the picture, every
// pixel would sit on another page and miss the processor's address cache; copied this
// way, each row is visited once per band. Above this height the buffer would stop being
// small, and the columns are read directly.
constexpr int MaxBufferedHeight = 1 << 16;

void writeRecord(PixelRecord *record, int x, int y, QRgb pixel)
{
    const int r = qRed(pixel);
    const int g = qGreen(pixel);
    const int b = qBlue(pixel);
    const Hsv hsv = detail::rgbToHsvInline(r, g, b);
    record->x = x;
    record->y = y;
    record->r = r;
    record->g = g;
    record->b = b;
    record->a = 255;
    record->h = hsv.h;
    record->s = hsv.s;
    record->v = hsv.v;
}

// Writes the records of columns x0..x1-1, which start at record x0 * height: the
// output is written strictly in order. columns is the calling thread's buffer.
void scanColumns(const ColumnSource &source, int x0, int x1, PixelRecord *records,
                 std::vector<QRgb> &columns)
{
    const qsizetype bytesPerLine = source.bytesPerLine;
    const int height = source.height;
    PixelRecord *record = records + size_t(x0) * size_t(height);

    if (height > MaxBufferedHeight) {
        for (int x = x0; x < x1; ++x) {
            const uchar *column = source.bits + qsizetype(x) * 4;
            for (int y = 0; y < height; ++y, ++record)
                writeRecord(record, x, y, *reinterpret_cast<const QRgb *>(column + y * bytesPerLine));
        }
        return;
    }

    const int count = x1 - x0;
    columns.resize(size_t(count) * size_t(height));
    QRgb *buffer = columns.data();
    for (int y = 0; y < height; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(source.bits + y * bytesPerLine) + x0;
        for (int i = 0; i < count; ++i)
            buffer[size_t(i) * size_t(height) + size_t(y)] = line[i];
    }
    for (int x = x0; x < x1; ++x, buffer += height) {
        for (int y = 0; y < height; ++y, ++record)
            writeRecord(record, x, y, buffer[y]);
    }
}

} // namespace

ReductionPlan planReduction(QSize size, bool excel2002)
{
    ReductionPlan plan;
    const qint64 width = qMax(0, size.width());
    const qint64 height = qMax(0, size.height());
    const qint64 n = width * height;
    if (n > MillionPixelLimit) {
        plan.reduced = true;
        plan.millionWarning = true;
        plan.width = reducedWidth(width, n, MillionPixelLimit);
    }
    // Computed from the working image again, not from the one-million result.
    if (excel2002 && n > Excel2002PixelLimit) {
        plan.reduced = true;
        plan.width = reducedWidth(width, n, Excel2002PixelLimit);
    }
    return plan;
}

ReductionPlan planSideReduction(QSize size, int maxSide)
{
    ReductionPlan plan;
    const int width = qMax(0, size.width());
    const int height = qMax(0, size.height());
    if (maxSide <= 0 || qMax(width, height) <= maxSide)
        return plan;
    plan.reduced = true;
    if (width >= height) {
        plan.width = maxSide;
    } else {
        const float factor = float(maxSide) / float(height);
        plan.width = qMax(1, int(factor * float(width)));
    }
    return plan;
}

QImage reducedImage(const QImage &image, const ReductionPlan &plan)
{
    if (!plan.reduced)
        return image;
    // Scaled in the format the image was loaded in: fast scaling picks its source rows
    // differently per pixel format, so converting first would change the records.
    return image.scaledToWidth(plan.width, Qt::FastTransformation);
}

QSize reducedSize(QSize size, const ReductionPlan &plan)
{
    if (!plan.reduced)
        return size;
    if (plan.width <= 0 || size.width() <= 0 || size.height() <= 0)
        return QSize(0, 0);
    // As scaledToWidth does it: both sides scaled by the same factor in double
    // precision, the new height rounded (not truncated) by QImage::transformed.
    const qreal factor = qreal(plan.width) / size.width();
    const int height = qRound(factor * size.height());
    return height > 0 ? QSize(plan.width, height) : QSize(0, 0);
}

QImage scanSource(const QImage &image)
{
    return isStraightArgb32(image.format()) ? image : image.convertToFormat(QImage::Format_ARGB32);
}

void scanRecords(const QImage &source, qint64 first, qint64 count, PixelRecord *out)
{
    const qint64 height = source.height();
    const qsizetype bytesPerLine = source.bytesPerLine();
    const qint64 last = first + count;
    for (qint64 k = first; k < last;) {
        // The rest of column x, or as much of it as is asked for, straight down.
        const int x = int(k / height);
        const int y0 = int(k % height);
        const int y1 = int(std::min<qint64>(height, y0 + (last - k)));
        const uchar *column = source.constBits() + qsizetype(x) * 4;
        for (int y = y0; y < y1; ++y)
            writeRecord(out++, x, y, *reinterpret_cast<const QRgb *>(column + qsizetype(y) * bytesPerLine));
        k += y1 - y0;
    }
}

Result scanImage(const QImage &image, PixelRecords &out, const StopFlag *stop, ProgressSink *progress)
{
    const int width = image.isNull() ? 0 : image.width();
    const int height = image.isNull() ? 0 : image.height();
    if (width <= 0 || height <= 0) {
        out.clear();
        return Result{};
    }

    // Premultiplied and every other format go through one conversion to straight ARGB32,
    // so the colour read is the pixel's own, un-premultiplied.
    const QImage argb = scanSource(image);
    if (argb.isNull()) { // the conversion could not allocate
        out.clear();
        return outcome(Status::ConversionOutOfMemory);
    }

    // Every record is written below; resizing leaves new ones unset (see RecordAllocator)
    // and keeps the capacity.
    try {
        out.resize(size_t(width) * size_t(height));
    } catch (const std::bad_alloc &) {
        out.clear();
        out.shrink_to_fit();
        return outcome(Status::ConversionOutOfMemory);
    }

    const ColumnSource source{argb.constBits(), argb.bytesPerLine(), height};
    PixelRecord *records = out.data();

    // Two threads take bands of columns in turn until none are left: the arithmetic and
    // the 36 bytes written per pixel keep one core busy, and the memory keeps up with two.
    // Bands rather than halves keep both threads busy when another program holds one
    // core for a while.
    const qint64 pixels = qint64(width) * height;
    const int bandWidth = int(qMax<qint64>(1, BandPixels / height));
    const auto stopped = [stop] { return stop && *stop; };
    if (pixels >= ParallelScanPixels && Worker::worthIt()) {
        const int bands = (width + bandWidth - 1) / bandWidth;
        std::atomic<int> nextBand{0};
        // Only this thread tells how far the scan is, by the bands taken so far, so that
        // what it tells only grows.
        const auto work = [&](ProgressSink *told) {
            std::vector<QRgb> columns;
            for (int band = nextBand++; band < bands && !stopped(); band = nextBand++) {
                tellProgress(told, band, bands);
                scanColumns(source, band * bandWidth, qMin(width, (band + 1) * bandWidth), records, columns);
            }
        };
        // Without a second thread this one takes every band.
        Worker helper;
        helper.start([&] { work(nullptr); });
        work(progress);
        helper.join();
    } else {
        std::vector<QRgb> columns;
        for (int x = 0; x < width && !stopped(); x += bandWidth) {
            tellProgress(progress, x, width);
            scanColumns(source, x, qMin(width, x + bandWidth), records, columns);
        }
    }
    // A scan stopped part of the way leaves records unset: none of them is kept.
    if (stopped()) {
        out.clear();
        return outcome(Status::Stopped);
    }
    tellProgress(progress, 1, 1);
    return Result{};
}

Outcome<ImageConversion> imageToRecords(const QImage &image, bool excel2002, PixelRecords &out,
                                        const std::function<void(const ReductionPlan &)> &beforeScan,
                                        const StopFlag *stop, ProgressSink *progress)
{
    ImageConversion conversion;
    conversion.plan = planReduction(image.size(), excel2002);
    if (beforeScan)
        beforeScan(conversion.plan);
    const QImage scanned = reducedImage(image, conversion.plan);
    // A reduction that leaves pixels but gives no image could not allocate it.
    const bool reducedAway = scanned.isNull() && !reducedSize(image.size(), conversion.plan).isEmpty();
    if (reducedAway) {
        out.clear();
        return outcome(stop && *stop ? Status::Stopped : Status::ConversionOutOfMemory);
    }
    if (Result scan = scanImage(scanned, out, stop, progress); !scan.ok())
        return scan;
    if (!out.empty()) {
        conversion.width = scanned.width();
        conversion.height = scanned.height();
    }
    return conversion;
}

namespace {

inline int clampedComponent(int value, qint64 &clamped)
{
    if (uint(value) <= 255u)
        return value;
    ++clamped;
    return value < 0 ? 0 : 255;
}

inline int turnedHue(int h, qint64 &turned)
{
    if (h >= -1 && h < 360)
        return h;
    ++turned;
    const int m = h % 360;
    return m < 0 ? m + 360 : m;
}

// Records drawn between two looks at the stop flag.
constexpr size_t DrawBand = size_t(1) << 16;

// Hands the records to draw in order, a band at a time; false when stop came between two.
template <class Draw>
bool drawInBands(const PixelRecords &records, const StopFlag *stop, ProgressSink *progress, Draw &&draw)
{
    const size_t count = records.size();
    for (size_t first = 0; first < count; first += DrawBand) {
        if (stop && *stop)
            return false;
        tellProgress(progress, qint64(first), qint64(count));
        const size_t last = std::min(count, first + DrawBand);
        for (size_t i = first; i < last; ++i)
            draw(records[i]);
    }
    return !(stop && *stop);
}

} // namespace

QImage drawRecords(const PixelRecords &records, int width, int height, ColourModel model,
                   DrawStats *stats, const StopFlag *stop, ProgressSink *progress)
{
    if (!isDrawableExtent(width, height))
        return QImage();

    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull()) // out of memory
        return image;
    image.fill(0u);

    uchar *bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    const auto put = [&](const PixelRecord &record, QRgb rgb) {
        reinterpret_cast<QRgb *>(bits + qsizetype(record.y) * bytesPerLine)[record.x] = rgb;
    };
    DrawStats counts;
    // The extent is one more than the largest position, so only a negative one is outside.
    const auto inside = [&](const PixelRecord &record) {
        const bool in = uint(record.x) < uint(width) && uint(record.y) < uint(height);
        counts.outside += !in;
        return in;
    };

    bool drawn = false;
    if (model == ColourModel::Rgb) {
        drawn = drawInBands(records, stop, progress, [&](const PixelRecord &record) {
            if (inside(record))
                put(record, qRgb(clampedComponent(record.r, counts.clamped),
                                 clampedComponent(record.g, counts.clamped),
                                 clampedComponent(record.b, counts.clamped)));
        });
    } else {
        int lastH = 0;
        int lastS = 0;
        int lastV = 0;
        QRgb lastRgb = hsvToRgb(lastH, lastS, lastV);
        drawn = drawInBands(records, stop, progress, [&](const PixelRecord &record) {
            if (!inside(record))
                return;
            const int h = turnedHue(record.h, counts.turned);
            const int s = clampedComponent(record.s, counts.clamped);
            const int v = clampedComponent(record.v, counts.clamped);
            if (h != lastH || s != lastS || v != lastV) {
                lastH = h;
                lastS = s;
                lastV = v;
                lastRgb = hsvToRgb(lastH, lastS, lastV);
            }
            put(record, lastRgb);
        });
    }
    if (!drawn)
        return QImage();
    tellProgress(progress, 1, 1);
    if (stats) {
        // Every record draws an opaque pixel: what is still transparent no record named.
        for (int y = 0; y < height; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(bits + qsizetype(y) * bytesPerLine);
            counts.holes += std::count(line, line + width, QRgb(0));
        }
        *stats = counts;
    }
    return image;
}

} // namespace tess
