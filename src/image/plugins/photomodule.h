// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QIODevice;
class QImageIOHandler;

// The entry points of the photo module (libtessarine_photos), which links libheif, libavif
// and libjxl with their codecs: some thirty libraries whose loading and start-up would
// otherwise come first in every run of every program, whatever the file. The core's
// image plug-in loads the module on the first file that may be such a photo.
extern "C" {

// "heic", "heif", "avif" or "jxl" as the content shows, or nullptr. Peeks, never reads.
using PhotoFormatFunction = const char *(*)(QIODevice *device);
// A handler for the format photoFormat named, or for the format name alone.
using PhotoHandlerFunction = QImageIOHandler *(*)(QIODevice *device, const char *format);

}

#define TESSARINE_PHOTO_FORMAT_SYMBOL "tessarinePhotoFormat"
#define TESSARINE_PHOTO_HANDLER_SYMBOL "tessarinePhotoHandler"
