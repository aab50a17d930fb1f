#pragma once

#include <QByteArray>

class QIODevice;
class QImageIOHandler;

namespace tess {

// HEIC/HEIF (HEVC pictures) and AVIF (AV1 pictures), one ISO container, read through libheif.

// "heic", "heif" or "avif" as the content shows, or empty when it is no HEIF container that
// libheif reads. The device is peeked at, not read.
QByteArray heifFormatOf(QIODevice *device);

QImageIOHandler *createHeifHandler();

} // namespace tess
