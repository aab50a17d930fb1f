// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/safeoutput.h"
#include "model/outcome.h"

#include <QImage>
#include <QString>

namespace tess {

// Decoding refuses images whose pixels would need more than this many megabytes; the
// photo decoders count their own buffers in too. Large enough for a 250-megapixel photo
// (a 48-megapixel one from a phone's HEIC), small enough that a tiny file claiming an
// absurd size is refused instead of taking a school laptop's memory.
inline constexpr int ImageAllocationLimitMB = 1024;

// Sets the decoder's allocation limit; both programs call it once at start-up.
void configureImageReading();

// Reads an image with the format detected from the content, turned upright. Fails with
// Status::ImageUnreadable and the reason (a folder, the system's words, not a picture),
// or with Status::ImageOutOfMemory for a picture the decoders know that does not fit in
// the memory there is.
Outcome<QImage> loadImage(const QString &path);

// Writes image in the format named by the path's suffix, the safe way of writeOutput
// (io/safeoutput.h): on any failure (unknown suffix, null image, unwritable folder, write
// or commit error) it fails with Status::ImageNotSaved and the reason, in plain words or
// the system's, as its detail; a file that was at the path before is left as it was.
Result saveImage(const QImage &image, const QString &path, const StopFlag *stop = nullptr);

// The same write to an arbitrary device with an explicit format; for tests that
// inject faults and for writing to standard output. Fails with Status::ImageNotSaved, the
// device's reason as its detail when it refused a write, else none (nothing to encode, no
// such format, or an encoder that gave up).
Result writeImage(const QImage &image, QIODevice &device, const QByteArray &format);

} // namespace tess
