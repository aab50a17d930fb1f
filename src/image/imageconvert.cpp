#include "imageconvert.h"

#include "colorconvert_p.h"

#include <cmath>
#include <cstring>
#include <new>
#include <system_error>
#include <thread>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// Below this many pixels the scan is not worth a second thread.
constexpr qint64 ParallelScanPixels = 1 << 18;

// Writes the records of columns x0..x1-1 from position x0 * height on. Nothing in this
// range is read again soon, so whole 16-byte blocks go straight to memory past the
// cache (on processors that have such stores), which also spares reading the old
// contents in. The records are built in a small buffer and streamed out in blocks.
class RecordScanner
{
public:
    RecordScanner(const ColumnSource &source, int x, PixelRecord *out)
        : m_source(source), m_column(source.bits + qsizetype(x) * 4), m_x(x), m_out(out)
    {
    }

    // Writes the next count records directly.
    void direct(size_t count)
    {
        produce(m_out, count);
        m_out += count;
    }

    // Writes the next count records through the buffer; m_out must be 16-byte aligned.
    void streamed(size_t count)
    {
        while (count > 0) {
            const size_t n = count < ChunkRecords ? count : ChunkRecords;
            produce(m_chunk, n);
            streamOut(m_out, m_chunk, n * sizeof(PixelRecord));
            m_out += n;
            count -= n;
        }
    }

    PixelRecord *position() const { return m_out; }

    static void finish()
    {
#ifdef __SSE2__
        _mm_sfence(); // streamed stores visible before the thread is joined
#endif
    }

private:
    // 64 records are 2304 bytes, a whole number of 16-byte blocks.
    static constexpr size_t ChunkRecords = 64;

    void produce(PixelRecord *record, size_t count)
    {
        // Locals, not members: the record stores could otherwise alias the position
        // and force it to be reloaded for every pixel.
        const uchar *column = m_column;
        const qsizetype bytesPerLine = m_source.bytesPerLine;
        const int height = m_source.height;
        int x = m_x;
        int y = m_y;
        for (size_t i = 0; i < count; ++i, ++record) {
            const QRgb pixel = *reinterpret_cast<const QRgb *>(column + y * bytesPerLine);
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
            if (++y == height) {
                y = 0;
                ++x;
                column += 4;
            }
        }
        m_column = column;
        m_x = x;
        m_y = y;
    }

    static void streamOut(PixelRecord *destination, const PixelRecord *chunk, size_t bytes)
    {
#ifdef __SSE2__
        auto *to = reinterpret_cast<__m128i *>(destination);
        const auto *from = reinterpret_cast<const __m128i *>(chunk);
        for (size_t i = 0; i < bytes / 16; ++i)
            _mm_stream_si128(to + i, _mm_load_si128(from + i));
#else
        std::memcpy(destination, chunk, bytes);
#endif
    }

    const ColumnSource &m_source;
    const uchar *m_column;
    int m_x;
    int m_y = 0;
    PixelRecord *m_out;
    alignas(16) PixelRecord m_chunk[ChunkRecords];
};

void scanColumns(const ColumnSource &source, int x0, int x1, PixelRecords::pointer records)
{
    size_t count = size_t(x1 - x0) * size_t(source.height);
    RecordScanner scanner(source, x0, records + size_t(x0) * size_t(source.height));

    // Records are 36 bytes, so at most three of them bring the output to 16-byte
    // alignment (when it is 4-byte aligned, as int32 arrays are).
    while (count > 0 && reinterpret_cast<uintptr_t>(scanner.position()) % 16 != 0) {
        scanner.direct(1);
        --count;
    }
    if (reinterpret_cast<uintptr_t>(scanner.position()) % 16 == 0) {
        const size_t streamable = count - count % 4; // four records are nine blocks
        scanner.streamed(streamable);
        count -= streamable;
    }
    scanner.direct(count);
    RecordScanner::finish();
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

QImage reducedImage(const QImage &image, const ReductionPlan &plan)
{
    if (!plan.reduced)
        return image;
    // Scaled in the format the image was loaded in: fast scaling picks its source rows
    // differently per pixel format, so converting first would change the records.
    return image.scaledToWidth(plan.width, Qt::FastTransformation);
}

void scanImage(const QImage &image, PixelRecords &out)
{
    const int width = image.isNull() ? 0 : image.width();
    const int height = image.isNull() ? 0 : image.height();
    if (width <= 0 || height <= 0) {
        out.clear();
        return;
    }

    // Premultiplied and every other format go through one conversion to straight ARGB32,
    // so the colour read is the pixel's own, un-premultiplied.
    const QImage argb = isStraightArgb32(image.format()) ? image : image.convertToFormat(QImage::Format_ARGB32);
    if (argb.isNull()) { // the conversion could not allocate
        out.clear();
        return;
    }

    // resize, not clear + resize: records that exist already are overwritten below
    // anyway, so only a new tail is initialised, and the capacity stays.
    try {
        out.resize(size_t(width) * size_t(height));
    } catch (const std::bad_alloc &) {
        out.clear();
        return;
    }

    const ColumnSource source{argb.constBits(), argb.bytesPerLine(), height};
    PixelRecord *records = out.data();

    // Two halves of the columns in parallel: the scan is bound by writing 36 bytes per
    // pixel, which one core alone does not saturate.
    const bool split = width >= 2 && qint64(width) * height >= ParallelScanPixels
        && std::thread::hardware_concurrency() >= 2;
    if (split) {
        const int half = width / 2;
        try {
            std::thread helper([&] { scanColumns(source, 0, half, records); });
            scanColumns(source, half, width, records);
            helper.join();
            return;
        } catch (const std::system_error &) {
            // no thread to be had: do it all here
        }
    }
    scanColumns(source, 0, width, records);
}

ImageConversion imageToRecords(const QImage &image, bool excel2002, PixelRecords &out)
{
    ImageConversion conversion;
    conversion.plan = planReduction(image.size(), excel2002);
    const QImage scanned = reducedImage(image, conversion.plan);
    scanImage(scanned, out);
    if (!out.empty()) {
        conversion.width = scanned.width();
        conversion.height = scanned.height();
    }
    return conversion;
}

QImage drawRecords(const PixelRecords &records, int width, int height, ColourModel model)
{
    if (records.empty() || width <= 0 || height <= 0 || width > MaxDrawnSide || height > MaxDrawnSide
        || qint64(width) * qint64(height) > MaxDrawnPixels)
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
    const auto inside = [&](const PixelRecord &record) {
        return uint(record.x) < uint(width) && uint(record.y) < uint(height);
    };

    if (model == ColourModel::Rgb) {
        for (const PixelRecord &record : records) {
            if (inside(record))
                put(record, qRgb(record.r & 0xff, record.g & 0xff, record.b & 0xff));
        }
    } else {
        int lastH = 0;
        int lastS = 0;
        int lastV = 0;
        QRgb lastRgb = hsvToRgb(lastH, lastS, lastV);
        for (const PixelRecord &record : records) {
            if (!inside(record))
                continue;
            if (record.h != lastH || record.s != lastS || record.v != lastV) {
                lastH = record.h;
                lastS = record.s;
                lastV = record.v;
                lastRgb = hsvToRgb(lastH, lastS, lastV);
            }
            put(record, lastRgb);
        }
    }
    return image;
}

} // namespace tess
