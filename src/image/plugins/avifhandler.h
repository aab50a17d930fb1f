// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImageIOHandler;

namespace tess {

// AVIF (AV1 pictures in the HEIF container), read through libavif: its 4:2:0 chroma is
// interpolated as web browsers and libavif's own decoder draw it, where libheif repeats
// the samples. The container is recognised by heifFormatOf (heifhandler.h).
QImageIOHandler *createAvifHandler();

} // namespace tess
