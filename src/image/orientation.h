// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace tess {

// The EXIF orientation (1 to 8) that a WebP file keeps in its EXIF chunk; 1 when it keeps
// none. The toolkit's JPEG and TIFF readers apply their files' orientation when asked to,
// its WebP reader does not.
int webpOrientation(const QByteArray &file);

// The picture turned as an EXIF orientation says (1 as stored, 6 a quarter turn clockwise,
// 8 anticlockwise, 2 to 5 and 7 with a mirror).
QImage applyOrientation(const QImage &image, int orientation);

} // namespace tess
