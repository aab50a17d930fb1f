// SPDX-License-Identifier: GPL-3.0-or-later
#include "orientation.h"

#include <QTransform>

#include <libexif/exif-data.h>
#include <webp/demux.h>

namespace tess {

namespace {

// libexif reads the block as a JPEG's APP1 segment holds it, after the "Exif\0\0" header;
// a WebP chunk holds the TIFF structure alone, or (from some writers) with the header.
int exifOrientation(QByteArray exif)
{
    static const QByteArray Header("Exif\0\0", 6);
    if (!exif.startsWith(Header))
        exif.prepend(Header);
    ExifData *data = exif_data_new_from_data(reinterpret_cast<const unsigned char *>(exif.constData()), unsigned(exif.size()));
    if (!data)
        return 1;
    int orientation = 1;
    const ExifEntry *entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (entry && entry->format == EXIF_FORMAT_SHORT && entry->components == 1 && entry->size >= 2)
        orientation = exif_get_short(entry->data, exif_data_get_byte_order(data));
    exif_data_unref(data);
    return orientation >= 1 && orientation <= 8 ? orientation : 1;
}

QImage turnedClockwise(const QImage &image)
{
    return image.transformed(QTransform().rotate(90));
}

} // namespace

int webpOrientation(const QByteArray &file)
{
    const WebPData data{reinterpret_cast<const uint8_t *>(file.constData()), size_t(file.size())};
    WebPDemuxer *demuxer = WebPDemux(&data);
    if (!demuxer)
        return 1;
    int orientation = 1;
    WebPChunkIterator chunk;
    if (WebPDemuxGetChunk(demuxer, "EXIF", 1, &chunk)) {
        orientation = exifOrientation(QByteArray(reinterpret_cast<const char *>(chunk.chunk.bytes), qsizetype(chunk.chunk.size)));
        WebPDemuxReleaseChunkIterator(&chunk);
    }
    WebPDemuxDelete(demuxer);
    return orientation;
}

QImage applyOrientation(const QImage &image, int orientation)
{
    switch (orientation) {
    case 2: return image.mirrored(true, false);
    case 3: return image.mirrored(true, true);
    case 4: return image.mirrored(false, true);
    case 5: return turnedClockwise(image).mirrored(true, false);
    case 6: return turnedClockwise(image);
    case 7: return turnedClockwise(image).mirrored(false, true);
    case 8: return image.transformed(QTransform().rotate(270));
    default: return image;
    }
}

} // namespace tess
