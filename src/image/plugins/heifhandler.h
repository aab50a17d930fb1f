// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class QIODevice;
class QImageIOHandler;

namespace tess {

// HEIC/HEIF (HEVC pictures) read through libheif; AVIF (AV1 pictures in the same ISO
// container) is read by avifhandler.h.

// "heic", "heif" or "avif" as the content shows, or empty when it is no HEIF container. The device is peeked at, not read.
QByteArray heifFormatOf(QIODevice *device);

QImageIOHandler *createHeifHandler();

} // namespace tess
