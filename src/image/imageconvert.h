// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/stopping.h"
#include "model/outcome.h"
#include "model/pixelrecord.h"

#include <QImage>
#include <QSize>

#include <climits>

#include <functional>

namespace tess {

// Row limits of the spreadsheet programs a sheet is meant for.
inline constexpr qint64 MillionPixelLimit = 1000000;
inline constexpr qint64 Excel2002PixelLimit = 60000;

// How an image is reduced before it is scanned into records.
struct ReductionPlan
{
    bool reduced = false;        // the scanned image is smaller than the working image
    bool millionWarning = false; // the one-million limit applied: the user is told
    int width = 0;               // width passed to scaledToWidth when reduced
};

// The reduction rules: above one million pixels the image is always scaled to about
// one million; with excel2002 set and above 60,000 pixels, to about 60,000 instead.
// The factor is sqrt(limit / N) held in single precision, the width truncated.
ReductionPlan planReduction(QSize size, bool excel2002);

// The reduction for a picture-shaped sheet, by the same means: when the long edge is above
// maxSide, the picture is scaled to a long edge of maxSide (a width in a wide picture, the
// width that factor gives, truncated, in a tall one).
ReductionPlan planSideReduction(QSize size, int maxSide);

// The image that is scanned: the working image itself, or scaled with fast
// transformation in the format it was loaded in.
QImage reducedImage(const QImage &image, const ReductionPlan &plan);

// The size reducedImage gives, without scaling anything: what the window announces
// before the conversion runs. 0 x 0 when the reduction leaves no pixel.
QSize reducedSize(QSize size, const ReductionPlan &plan);

// Scans the image column by column (x outer, y inner) into records, replacing the
// contents of out but keeping its capacity. Both colour models are filled; a is 255
// and the pixel's own alpha is ignored. Fails, with out empty, with
// Status::ConversionOutOfMemory when the records or the copy the scan reads from do not
// fit in memory, and with Status::Stopped when stop was set: it is looked at once per
// band of columns. progress, if given, hears how many of the columns are done there too.
Result scanImage(const QImage &image, PixelRecords &out, const StopFlag *stop = nullptr,
                 ProgressSink *progress = nullptr);

// The straight ARGB32 image scanImage reads: image itself when it is one already. Null
// when the conversion cannot allocate.
QImage scanSource(const QImage &image);

// Records first..first + count - 1 of what scanImage gives for the image scanSource made,
// into out: a part of the scan, for writing a sheet without holding all of its records.
void scanRecords(const QImage &source, qint64 first, qint64 count, PixelRecord *out);

// planReduction + reducedImage + scanImage. Returns the plan so the caller can warn;
// beforeScan (if given) learns it before the scan, the window's moment to warn.
struct ImageConversion
{
    ReductionPlan plan;
    int width = 0;  // size of the scanned image: the extent of the records
    int height = 0;
};
// Fails with Status::ConversionOutOfMemory when the reduced picture or the records do
// not fit in memory, and with Status::Stopped, out empty, when stop was set.
Outcome<ImageConversion> imageToRecords(const QImage &image, bool excel2002, PixelRecords &out,
                                        const std::function<void(const ReductionPlan &)> &beforeScan = {},
                                        const StopFlag *stop = nullptr, ProgressSink *progress = nullptr);

// Largest image the drawing creates; a larger extent gives the null image. A side may be
// as long as the toolkit's image allows for 32-bit pixels (a line's bits must fit an
// int), a strip of 65,536 x 2 as well as a square of 16,384 x 16,384; the pixels in all
// are held to 1 GiB.
inline constexpr qint64 MaxDrawnPixels = qint64(1) << 28;
inline constexpr int MaxDrawnSide = (INT_MAX - 31) / 32;
inline constexpr int MaxDrawnSquareSide = 16384;
static_assert(qint64(MaxDrawnSquareSide) * MaxDrawnSquareSide == MaxDrawnPixels);

// Whether the drawing makes a picture of this extent at all.
inline constexpr bool isDrawableExtent(int width, int height)
{
    return width > 0 && height > 0 && width <= MaxDrawnSide && height <= MaxDrawnSide
           && qint64(width) * height <= MaxDrawnPixels;
}

// What the drawing had to bend to draw the records it placed.
struct DrawStats
{
    qint64 clamped = 0; // r, g, b (or s, v) outside 0..255, drawn as 0 or 255
    qint64 turned = 0;  // hues other than -1 outside 0..359, drawn modulo 360
    qint64 outside = 0; // records with a position below 0, which no pixel has
    qint64 holes = 0;   // pixels that no record names, left transparent
};

// Draws the records into a new ARGB32 image of width x height. Pixels that no record
// names are transparent (0x00000000); records outside the image are skipped; the last
// record naming a pixel wins. Values outside their range are brought into it, as a
// spreadsheet's arithmetic leaves them: RGB components and s, v clamp to 0..255, a hue
// of -1 stays "no hue" and any other is taken modulo 360. The records themselves keep
// the values as read. Null image for an extent that is not drawable, when the picture
// does not fit in memory, or when stop was set (looked at once per band of records).
// stats, if given, receives the counts; progress, if given, how many records are drawn.
QImage drawRecords(const PixelRecords &records, int width, int height, ColourModel model,
                   DrawStats *stats = nullptr, const StopFlag *stop = nullptr,
                   ProgressSink *progress = nullptr);

} // namespace tess
