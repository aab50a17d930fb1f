// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagefile.h"

#include "orientation.h"
#include "plugins/decodelimit.h"
#include "pngwriter.h"
#include "io/checkeddevice.h"
#include "io/safeoutput.h"
#include "text/usertexts.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <QImageReader>
#include <QImageWriter>
#include <QtPlugin>

#include <exception>
#include <memory>
#include <new>

// The core's own format plug-in. Imported here, in the file every program that reads
// images links, so that its QImageReader knows it as it knows the toolkit's formats.
Q_IMPORT_PLUGIN(PhotoFormatsPlugin)

namespace tess {

namespace {

// True for a PNG file with a chunk whose data runs past the end of the file. libpng sets
// aside and clears a buffer of the size a text chunk claims before it reads it: a file of
// a few hundred bytes could take 2 GB that way. A chunk cut short fails to decode in any
// case, so refusing such a file first changes nothing but the memory used.
bool pngChunkRunsPastEnd(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential()
        || file.read(8) != QByteArrayView("\x89PNG\r\n\x1a\n", 8))
        return false;
    const qint64 size = file.size();
    qint64 at = 8;
    while (at + 8 <= size && file.seek(at)) {
        const QByteArray header = file.read(8);
        if (header.size() != 8)
            return false;
        const qint64 length = qFromBigEndian<quint32>(header.constData());
        if (length > size - at - 8)
            return true;
        if (header.endsWith("IEND"))
            return false;
        at += 12 + length;
    }
    return false;
}

} // namespace

void configureImageReading()
{
    QImageReader::setAllocationLimit(ImageAllocationLimitMB);
}

namespace {

Result unreadable(const QString &reason)
{
    return outcome(Status::ImageUnreadable, reason);
}

// A decoder says only that it failed. A picture larger than the decoders take (its size
// read again after the failure: a photo's decoder tells the size it refused, which may be
// larger than the header's) is refused as too large, with its size. When the header was
// sound and the pixels it promises do not fit in memory now, with room for the decoder's
// own buffers, memory is what failed, not the file.
Result decodingFailure(QSize size, const QByteArray &format)
{
    if (!size.isEmpty()) {
        const qint64 pixels = qint64(size.width()) * size.height();
        // Divided, not multiplied: a header may promise far more pixels than a product holds.
        if (pixels >= qint64(ImageAllocationLimitMB) * 1024 * 1024 / leastDecodeBytesPerPixel(format))
            return unreadable(userText(Text::PictureTooLargeToRead).arg(size.width()).arg(size.height()));
        const qint64 bytes = pixels * 4;
        std::unique_ptr<char[]> room(new (std::nothrow) char[size_t(bytes) * 2]);
        if (!room)
            return outcome(Status::ImageOutOfMemory, userText(Text::PixelsDoNotFit).arg(size.width()).arg(size.height()));
    }
    return unreadable(userText(Text::NotAnImage));
}

} // namespace

Outcome<QImage> loadImage(const QString &path)
{
    if (QFileInfo(path).isDir())
        return unreadable(userText(Text::IsAFolder));
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return unreadable(file.errorString());
    }
    if (pngChunkRunsPastEnd(path))
        return unreadable(userText(Text::NotAnImage));
    try {
        // No format given: the reader finds the handler by the suffix and by the content,
        // as QImage::load(path) does.
        QImageReader reader(path);
        // Turned upright as stored (EXIF orientation of JPEG and TIFF; the HEIF, AVIF and
        // JPEG XL decoders turn their pictures themselves; WebP's below): a portrait photo
        // is portrait in the preview, the sizes and the sheet alike.
        reader.setAutoTransform(true);
        const QByteArray format = reader.format(); // before the handler reads the file
        const QSize size = reader.size();
        QImage loaded;
        if (!reader.read(&loaded) || loaded.isNull()) {
            const QSize refused = reader.size();
            return decodingFailure(refused.isValid() ? refused : size, format);
        }
        if (reader.format() == "webp") {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                loaded = applyOrientation(loaded, webpOrientation(file.readAll()));
            if (loaded.isNull())
                return outcome(Status::ImageOutOfMemory);
        }
        return loaded;
    } catch (const std::bad_alloc &) {
        return outcome(Status::ImageOutOfMemory);
    } catch (const std::exception &) {
        return unreadable(userText(Text::NotAnImage));
    }
}

Result writeImage(const QImage &image, QIODevice &device, const QByteArray &format)
{
    if (image.isNull() || format.isEmpty() || !device.isWritable())
        return outcome(Status::ImageNotSaved);
    try {
        CheckedDevice checked(device);
        checked.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        bool written = false;
        if (format == "png" && fastPngWrites(image)) {
            written = writePng(image, checked);
        } else {
            QImageWriter writer(&checked, format);
            written = writer.write(image);
        }
        checked.close();
        // No format encodes an image in zero bytes: a writer that claims success without
        // writing anything has failed.
        if (checked.failed())
            return outcome(Status::ImageNotSaved, checked.errorString());
        return written && checked.writtenSize() > 0 ? Result{} : outcome(Status::ImageNotSaved);
    } catch (const std::exception &) {
        return outcome(Status::ImageNotSaved);
    }
}

Result saveImage(const QImage &image, const QString &path, const StopFlag *stop)
{
    const auto refuse = [](const QString &reason) { return outcome(Status::ImageNotSaved, reason); };
    if (image.isNull())
        return refuse(userText(Text::NoPictureToSave));
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    // PNG is always written (by the toolkit or our own encoder); asking the toolkit for its
    // formats loads every image plugin, which costs more than writing a small picture.
    if (format.isEmpty() || (format != "png" && !QImageWriter::supportedImageFormats().contains(format)))
        return refuse(userText(Text::NoWritableFormat).arg(QFileInfo(path).suffix()));
    const Result result = writeOutput(path, Status::ImageNotSaved, [&](QIODevice &device) {
        return writeImage(image, device, format);
    }, stop);
    if (!result.ok())
        return refuse(result.detail.isEmpty()
                          ? userText(Text::PictureNotEncoded).arg(QString::fromLatin1(format.toUpper()))
                          : result.detail);
    return result;
}

} // namespace tess
