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
inline bool fitsAllocationLimit(qint64 width, qint64 height)
{
    // QImage addresses rows with int: anything wider or taller cannot be held at all.
    constexpr qint64 MaxSide = std::numeric_limits<int>::max() / 4;
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide)
        return false;
    const qint64 limitMB = QImageReader::allocationLimit();
    return limitMB == 0 || width * height * 4 <= limitMB * 1024 * 1024;
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
