// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QIODevice;
class QImageIOHandler;

namespace tess {

// JPEG XL, bare codestream or in its container, read through libjxl.

// True when the content starts with a JPEG XL signature. The device is peeked at, not read.
bool isJxl(QIODevice *device);

QImageIOHandler *createJxlHandler();

} // namespace tess
