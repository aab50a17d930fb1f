// SPDX-License-Identifier: GPL-3.0-or-later
#include "heifhandler.h"

#include "decodelimit.h"

#include <QImageIOHandler>
#include <QRegularExpression>

#include <libheif/heif.h>

#include <algorithm>
#include <memory>

namespace tess {

namespace {

struct ContextRelease
{
    void operator()(heif_context *context) const { heif_context_free(context); }
};

struct HandleRelease
{
    void operator()(const heif_image_handle *handle) const { heif_image_handle_release(handle); }
};

struct OptionsRelease
{
    void operator()(heif_decoding_options *options) const { heif_decoding_options_free(options); }
};

// The ftyp box comes first and names its brands within a few dozen bytes; longer brand
// lists are still read whole within this much.
constexpr qint64 HeadSize = 256;

// libheif's limit for the sides of the canvas and of every coded picture in it, at least.
constexpr int SmallestSideLimit = 4096;

bool isBrand(heif_brand2 brand, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (brand == heif_fourcc_to_brand(name))
            return true;
    }
    return false;
}

} // namespace

QByteArray heifFormatOf(QIODevice *device)
{
    if (!device || !device->isReadable())
        return {};
    const QByteArray head = device->peek(HeadSize);
    if (head.size() < 12 || head.mid(4, 4) != "ftyp")
        return {};
    const auto *data = reinterpret_cast<const uint8_t *>(head.constData());
    const int size = int(head.size());
    // "maybe" is the answer for the generic brands (mif1, msf1) that many writers put first,
    // whatever their pictures are coded in: the decoder decides when it reads them.
    const heif_filetype_result type = heif_check_filetype(data, size);
    if (type != heif_filetype_yes_supported && type != heif_filetype_maybe)
        return {};
    const heif_brand2 brand = heif_read_main_brand(data, size);
    if (isBrand(brand, {"avif", "avis"}) || heif_has_compatible_brand(data, size, "avif") == 1)
        return "avif";
    if (isBrand(brand, {"heic", "heix", "heim", "heis"}))
        return "heic";
    return "heif";
}

namespace {

class HeifHandler : public QImageIOHandler
{
public:
    bool canRead() const override
    {
        const QByteArray format = heifFormatOf(device());
        if (format.isEmpty())
            return false;
        setFormat(format);
        return true;
    }

    bool supportsOption(ImageOption option) const override { return option == Size; }

    // After a read refused for its size, the size the decoder found (a grid's canvas may
    // be larger than the file declares): the caller names it.
    QVariant option(ImageOption option) const override
    {
        if (option != Size)
            return {};
        if (m_refusedSize.isValid())
            return m_refusedSize;
        if (!const_cast<HeifHandler *>(this)->open())
            return {};
        return QSize(heif_image_handle_get_width(m_handle.get()), heif_image_handle_get_height(m_handle.get()));
    }

    bool read(QImage *image) override;

private:
    bool open();
    bool fitsLimit();
    bool decode(heif_image **decoded);

    enum class State { Unread, Open, Failed };
    State m_state = State::Unread;
    QByteArray m_bytes; // libheif reads from it without a copy: it lives as long as the context
    std::unique_ptr<heif_context, ContextRelease> m_context;
    std::unique_ptr<const heif_image_handle, HandleRelease> m_handle;
    QSize m_refusedSize;
};

// Parses the container and finds the primary picture; nothing is decoded yet.
bool HeifHandler::open()
{
    if (m_state != State::Unread)
        return m_state == State::Open;
    m_state = State::Failed;
    if (!readEncodedFile(device(), m_bytes))
        return false;
    m_context.reset(heif_context_alloc());
    if (!m_context)
        return false;
    if (heif_context_read_from_memory_without_copy(m_context.get(), m_bytes.constData(), size_t(m_bytes.size()), nullptr).code
        != heif_error_Ok)
        return false;
    heif_image_handle *handle = nullptr;
    if (heif_context_get_primary_image_handle(m_context.get(), &handle).code != heif_error_Ok || !handle)
        return false;
    m_handle.reset(handle);
    m_state = State::Open;
    return true;
}

// The declared size, before rotation and cropping, at what libheif holds for each pixel
// while it decodes. libheif itself is then held to the declared sides: a grid or an overlay
// names its canvas in data of its own, and a file of a few hundred bytes may claim a canvas
// of gigabytes there.
bool HeifHandler::fitsLimit()
{
    const heif_image_handle *handle = m_handle.get();
    const int width = heif_image_handle_get_ispe_width(handle);
    const int height = heif_image_handle_get_ispe_height(handle);
    const int bits = heif_image_handle_get_luma_bits_per_pixel(handle); // -1 when not known
    const qint64 bytesPerPixel = bits > 0 && bits <= 8 ? HeifBytesPerPixel : DeepHeifBytesPerPixel;
    if (!fitsAllocationLimit(width, height, bytesPerPixel)) {
        m_refusedSize = QSize(heif_image_handle_get_width(handle), heif_image_handle_get_height(handle));
        return false;
    }
    // libheif refuses a canvas, and a coded picture, as large as its limit or larger. HEVC
    // codes a picture in blocks of up to 64 pixels, and a small picture may be one tile of
    // a size of its own (512 x 512 for a 300 x 200 photo): the limit leaves room for both.
    heif_context_set_maximum_image_size_limit(m_context.get(), std::max({width, height, SmallestSideLimit - 128}) + 128);
    return true;
}

bool HeifHandler::decode(heif_image **decoded)
{
    std::unique_ptr<heif_decoding_options, OptionsRelease> options(heif_decoding_options_alloc());
    if (!options)
        return false;
    options->convert_hdr_to_8bit = 1; // 10- and 12-bit pictures come out with 8 bits a channel
    const heif_error error =
        heif_decode_image(m_handle.get(), decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, options.get());
    if (error.code == heif_error_Ok && *decoded)
        return true;
    if (error.subcode == heif_suberror_Security_limit_exceeded) {
        // libheif names the size it refused in its message ("Image size 26725x26982 exceeds ...").
        static const QRegularExpression sizePattern(QStringLiteral("(\\d+)x(\\d+)"));
        const QRegularExpressionMatch match = sizePattern.match(QString::fromUtf8(error.message ? error.message : ""));
        m_refusedSize = match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt())
                                         : QSize(heif_image_handle_get_width(m_handle.get()),
                                                 heif_image_handle_get_height(m_handle.get()));
    }
    return false;
}

bool HeifHandler::read(QImage *image)
{
    heif_image *decoded = nullptr;
    if (!open() || !fitsLimit() || !decode(&decoded))
        return false;
    const heif_image_handle *handle = m_handle.get();

    // The pixels stay in libheif's buffer, which the image releases with itself: a
    // 12-megapixel photo is not copied once more.
    int stride = 0;
    const uint8_t *pixels = heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!pixels || width <= 0 || height <= 0 || stride < width * 4) {
        heif_image_release(decoded);
        return false;
    }
    QImage::Format format = QImage::Format_RGBX8888; // libheif fills alpha with 255 when there is none
    if (heif_image_handle_has_alpha_channel(handle))
        format = heif_image_handle_is_premultiplied_alpha(handle) ? QImage::Format_RGBA8888_Premultiplied
                                                                   : QImage::Format_RGBA8888;
    *image = QImage(
        pixels, width, height, stride, format, [](void *owner) { heif_image_release(static_cast<heif_image *>(owner)); },
        decoded);
    if (image->isNull()) { // the cleanup is registered only with an image
        heif_image_release(decoded);
        return false;
    }
    return true;
}

} // namespace

QImageIOHandler *createHeifHandler()
{
    return new HeifHandler;
}

} // namespace tess
