// SPDX-License-Identifier: GPL-3.0-or-later
#include "avifhandler.h"

#include "decodelimit.h"
#include "heifhandler.h"

#include <QImageIOHandler>
#include <QThread>
#include <QTransform>

#include <avif/avif.h>

#include <algorithm>
#include <memory>

namespace tess {

namespace {

struct DecoderRelease
{
    void operator()(avifDecoder *decoder) const { avifDecoderDestroy(decoder); }
};

// The clean aperture, the rotation and the mirror of the container, in the order the
// container defines them; libavif leaves them to its caller.
QImage transformed(QImage image, const avifImage &avif)
{
    if (avif.transformFlags & AVIF_TRANSFORM_CLAP) {
        avifCropRect rect{};
        avifDiagnostics diag{};
        if (avifCropRectConvertCleanApertureBox(&rect, &avif.clap, avif.width, avif.height, avif.yuvFormat, &diag))
            image = image.copy(int(rect.x), int(rect.y), int(rect.width), int(rect.height));
    }
    if ((avif.transformFlags & AVIF_TRANSFORM_IROT) && avif.irot.angle % 4 != 0)
        image = image.transformed(QTransform().rotate(-90.0 * (avif.irot.angle % 4))); // anticlockwise
    if (avif.transformFlags & AVIF_TRANSFORM_IMIR) {
        const bool leftRight = avif.imir.mode == 1;
        image = image.mirrored(leftRight, !leftRight);
    }
    return image;
}

class AvifHandler : public QImageIOHandler
{
public:
    bool canRead() const override
    {
        if (heifFormatOf(device()) != "avif")
            return false;
        setFormat("avif");
        return true;
    }

    bool supportsOption(ImageOption option) const override { return option == Size; }

    QVariant option(ImageOption option) const override
    {
        if (option != Size)
            return {};
        if (!const_cast<AvifHandler *>(this)->open())
            return m_refusedSize.isValid() ? QVariant(m_refusedSize) : QVariant();
        const avifImage &image = *m_decoder->image;
        const bool turned = (image.transformFlags & AVIF_TRANSFORM_IROT) && image.irot.angle % 2 == 1;
        return turned ? QSize(int(image.height), int(image.width)) : QSize(int(image.width), int(image.height));
    }

    bool read(QImage *image) override;

private:
    bool open();

    enum class State { Unread, Open, Failed };
    State m_state = State::Unread;
    QByteArray m_bytes; // libavif reads from it without a copy: it lives as long as the decoder
    std::unique_ptr<avifDecoder, DecoderRelease> m_decoder;
    QSize m_refusedSize; // a declared size libavif refused to parse
};

// The size the container declares, read without libavif's own limit, for the caller to
// name when it refused the file; nothing is decoded.
QSize declaredSize(const QByteArray &bytes)
{
    std::unique_ptr<avifDecoder, DecoderRelease> decoder(avifDecoderCreate());
    if (!decoder)
        return {};
    decoder->strictFlags = AVIF_STRICT_DISABLED;
    if (avifDecoderSetIOMemory(decoder.get(), reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()))
            != AVIF_RESULT_OK
        || avifDecoderParse(decoder.get()) != AVIF_RESULT_OK
        || fitsAllocationLimit(decoder->image->width, decoder->image->height, AvifBytesPerPixel))
        return {};
    return QSize(int(qMin<uint32_t>(decoder->image->width, INT_MAX)), int(qMin<uint32_t>(decoder->image->height, INT_MAX)));
}

// Parses the container; nothing is decoded yet.
bool AvifHandler::open()
{
    if (m_state != State::Unread)
        return m_state == State::Open;
    m_state = State::Failed;
    if (!readEncodedFile(device(), m_bytes))
        return false;
    m_decoder.reset(avifDecoderCreate());
    if (!m_decoder)
        return false;
    // Files without the properties the strict reading insists on (a pixi box, say) are
    // common, and the browsers draw them: they are read as avifdec --no-strict reads them.
    m_decoder->strictFlags = AVIF_STRICT_DISABLED;
    m_decoder->maxThreads = std::max(1, QThread::idealThreadCount());
    m_decoder->ignoreExif = AVIF_TRUE;
    m_decoder->ignoreXMP = AVIF_TRUE;
    // The limit holds inside libavif and its AV1 decoder too: the container's size and the
    // coded frame's may differ, and either may lie.
    // (0 is reserved, and the limit may only be lowered; the sides keep libavif's limit.)
    if (const quint32 pixels = pixelLimit(AvifBytesPerPixel); pixels > 0)
        m_decoder->imageSizeLimit = std::min<quint32>(pixels, AVIF_DEFAULT_IMAGE_SIZE_LIMIT);
    if (avifDecoderSetIOMemory(m_decoder.get(), reinterpret_cast<const uint8_t *>(m_bytes.constData()),
                               size_t(m_bytes.size()))
        != AVIF_RESULT_OK)
        return false;
    if (avifDecoderParse(m_decoder.get()) != AVIF_RESULT_OK) {
        m_refusedSize = declaredSize(m_bytes);
        return false;
    }
    m_state = State::Open;
    return true;
}

bool AvifHandler::read(QImage *image)
{
    if (!open())
        return false;
    // The size comes from the container; it is checked before the decoder allocates.
    const avifImage *header = m_decoder->image;
    if (!fitsAllocationLimit(header->width, header->height, AvifBytesPerPixel)
        || avifDecoderNextImage(m_decoder.get()) != AVIF_RESULT_OK)
        return false;
    const avifImage *decoded = m_decoder->image;
    if (!fitsAllocationLimit(decoded->width, decoded->height, AvifBytesPerPixel))
        return false;

    // Without alpha the rows are plain RGB, as avifdec asks for them: libavif rounds 10
    // and 12 bits to 8 its own way for each layout, one step apart.
    const bool alpha = decoded->alphaPlane != nullptr;
    QImage::Format format = QImage::Format_RGB888;
    if (alpha)
        format = decoded->alphaPremultiplied ? QImage::Format_RGBA8888_Premultiplied : QImage::Format_RGBA8888;
    QImage pixels(int(decoded->width), int(decoded->height), format);
    if (pixels.isNull())
        return false;

    // Converted straight into the image's rows: 10- and 12-bit pictures come out with 8
    // bits a channel, and 4:2:0 chroma is interpolated (bilinear, through libyuv).
    avifRGBImage rgb;
    avifRGBImageSetDefaults(&rgb, decoded);
    rgb.depth = 8;
    rgb.format = alpha ? AVIF_RGB_FORMAT_RGBA : AVIF_RGB_FORMAT_RGB;
    rgb.alphaPremultiplied = decoded->alphaPremultiplied;
    rgb.pixels = pixels.bits();
    rgb.rowBytes = uint32_t(pixels.bytesPerLine());
    if (avifImageYUVToRGB(decoded, &rgb) != AVIF_RESULT_OK)
        return false;
    *image = transformed(std::move(pixels), *decoded);
    return !image->isNull();
}

} // namespace

QImageIOHandler *createAvifHandler()
{
    return new AvifHandler;
}

} // namespace tess
