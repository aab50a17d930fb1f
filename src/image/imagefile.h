#pragma once

#include <QImage>
#include <QString>

namespace tess {

// Decoding refuses images whose pixels would need more than this many megabytes.
// Large enough for a 250-megapixel photo even in 64-bit formats, small enough that a
// tiny file claiming an absurd size is refused instead of exhausting memory.
inline constexpr int ImageAllocationLimitMB = 2048;

// Sets the decoder's allocation limit; both programs call it once at start-up.
void configureImageReading();

// Reads an image with the format detected from the content. Returns false (and
// leaves image untouched) when the file cannot be read as an image, including
// when the decoder throws a standard exception.
bool loadImage(const QString &path, QImage &image);

// True when path names an existing device, named pipe or socket. A safe save puts a new
// regular file in place of the old one by renaming, which would replace /dev/null itself
// for anyone allowed to write in /dev; such targets are written to directly instead.
bool isSpecialFile(const QString &path);

// Writes image in the format named by the path's suffix through a QSaveFile: on any
// failure (unknown suffix, null image, unwritable folder, write or commit error)
// false is returned and a file that was at the path before is left as it was.
bool saveImage(const QImage &image, const QString &path);

// The same write to an arbitrary device with an explicit format; for tests that
// inject faults and for writing to standard output.
bool writeImage(const QImage &image, QIODevice &device, const QByteArray &format);

} // namespace tess
