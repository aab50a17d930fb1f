#include "imagefile.h"

#include "orientation.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QtPlugin>

#include <exception>

// The core's own format plug-in. Imported here, in the file every program that reads
// images links, so that its QImageReader knows it as it knows the toolkit's formats.
Q_IMPORT_PLUGIN(PhotoFormatsPlugin)

namespace tess {

namespace {

// Passes writes (and, for files, seeks) on to another device and remembers a refused
// or short write: not every format's writer checks what its device accepted.
class CheckedDevice : public QIODevice
{
public:
    explicit CheckedDevice(QIODevice &target)
        : m_target(target), m_origin(target.isSequential() ? 0 : target.pos())
    {
    }

    bool failed() const { return m_failed; }
    qint64 writtenSize() const { return m_written; }

    bool isSequential() const override { return m_target.isSequential(); }

    qint64 size() const override
    {
        return m_target.isSequential() ? 0 : qMax<qint64>(0, m_target.size() - m_origin);
    }

    bool seek(qint64 pos) override
    {
        if (m_target.isSequential() || !QIODevice::seek(pos))
            return false;
        return m_target.seek(m_origin + pos);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }

    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_failed)
            return -1;
        const qint64 written = m_target.write(data, size);
        if (written != size) {
            m_failed = true;
            setErrorString(m_target.errorString());
            return -1;
        }
        m_written += written;
        return written;
    }

private:
    QIODevice &m_target;
    const qint64 m_origin;
    bool m_failed = false;
    qint64 m_written = 0;
};

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

bool loadImage(const QString &path, QImage &image)
{
    if (pngChunkRunsPastEnd(path))
        return false;
    try {
        // No format given: the reader finds the handler by the suffix and by the content,
        // as QImage::load(path) does.
        QImageReader reader(path);
        // Turned upright as stored (EXIF orientation of JPEG and TIFF; the HEIF, AVIF and
        // JPEG XL decoders turn their pictures themselves; WebP's below): a portrait photo
        // is portrait in the preview, the sizes and the sheet alike.
        reader.setAutoTransform(true);
        QImage loaded;
        if (!reader.read(&loaded) || loaded.isNull())
            return false;
        if (reader.format() == "webp") {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                loaded = applyOrientation(loaded, webpOrientation(file.readAll()));
        }
        image = std::move(loaded);
        return true;
    } catch (const std::exception &) {
        // A decoder that runs out of memory on a hostile file; the image stays as it was.
        return false;
    }
}

bool writeImage(const QImage &image, QIODevice &device, const QByteArray &format)
{
    if (image.isNull() || format.isEmpty() || !device.isWritable())
        return false;
    try {
        CheckedDevice checked(device);
        checked.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        QImageWriter writer(&checked, format);
        const bool written = writer.write(image);
        checked.close();
        // No format encodes an image in zero bytes: a writer that claims success without
        // writing anything has failed.
        return written && !checked.failed() && checked.writtenSize() > 0;
    } catch (const std::exception &) {
        return false;
    }
}

bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

bool saveImage(const QImage &image, const QString &path)
{
    if (image.isNull())
        return false;
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (format.isEmpty() || !QImageWriter::supportedImageFormats().contains(format))
        return false;

    if (isSpecialFile(path)) {
        QFile target(path);
        return target.open(QIODevice::WriteOnly) && writeImage(image, target, format) && target.flush();
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!writeImage(image, file, format)) {
        file.cancelWriting();
        return false;
    }
    // QSaveFile::commit() writes out what the file still buffers without checking the
    // result: a disk that fills up at the last bytes would replace the old file with a
    // cut one. Flushed here, such a failure is seen and nothing is replaced.
    while (file.bytesToWrite() > 0) {
        if (!file.flush()) {
            file.cancelWriting();
            return false;
        }
    }
    if (file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tess
