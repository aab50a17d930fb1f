// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>
#include <QImageReader>
#include <QtGlobal>

#include <limits>

namespace tess {

// True when a picture of width x height, decoded at 4 bytes a pixel, stays within the
// reader's allocation limit (QImageReader::allocationLimit(), in megabytes; 0 means none).
// The format plug-ins ask before they let their library decode anything, because the
// size comes from a header a few bytes long that may lie.
inline bool fitsAllocationLimit(qint64 width, qint64 height, qint64 bytesPerPixel = 4)
{
    // QImage addresses rows with int: anything wider or taller cannot be held at all.
    constexpr qint64 MaxSide = std::numeric_limits<int>::max() / 4;
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide)
        return false;
    const qint64 limitMB = QImageReader::allocationLimit();
    return limitMB == 0 || width * height * bytesPerPixel <= limitMB * 1024 * 1024;
}

// The most pixels a decoder that needs bytesPerPixel at its peak may be given under the
// allocation limit, for the libraries that take a limit of their own; 0 means none.
inline quint32 pixelLimit(qint64 bytesPerPixel)
{
    const qint64 limitMB = QImageReader::allocationLimit();
    if (limitMB == 0)
        return 0;
    return quint32(qMin<qint64>(limitMB * 1024 * 1024 / bytesPerPixel, std::numeric_limits<quint32>::max()));
}

// What the photo decoders hold at their peak for each pixel of the picture, beside the 4
// bytes of the picture itself: measured on 8- and 10-bit files, with room to spare. libheif
// keeps the decoded planes (16 bits a sample above 8 bits) while it fills the RGBA rows,
// libavif the AV1 decoder's frame and its planes, libjxl its floating-point planes.
inline constexpr qint64 HeifBytesPerPixel = 12;
inline constexpr qint64 DeepHeifBytesPerPixel = 16;
inline constexpr qint64 AvifBytesPerPixel = 12;
inline constexpr qint64 JxlBytesPerPixel = 16;

// The least a decoder of format holds for each pixel: a picture whose size needs more than
// the allocation limit even so was refused for its size. The toolkit's own decoders hold
// the picture alone.
inline qint64 leastDecodeBytesPerPixel(const QByteArray &format)
{
    if (format == "heic" || format == "heif")
        return HeifBytesPerPixel;
    if (format == "avif")
        return AvifBytesPerPixel;
    if (format == "jxl")
        return JxlBytesPerPixel;
    return 4;
}

// The whole encoded file, which the container formats need at once (their index may sit at
// either end). A file larger than the largest picture the limit allows is no photo: it is
// refused before it is read, so that a stray multi-gigabyte file never reaches memory.
inline bool readEncodedFile(QIODevice *device, QByteArray &bytes)
{
    if (!device)
        return false;
    const qint64 limitMB = QImageReader::allocationLimit();
    if (limitMB > 0 && !device->isSequential() && device->size() - device->pos() > limitMB * 1024 * 1024)
        return false;
    bytes = device->readAll();
    return !bytes.isEmpty();
}

} // namespace tess
