// SPDX-License-Identifier: GPL-3.0-or-later
#include "jxlhandler.h"

#include "decodelimit.h"

#include <QImageIOHandler>

#include <jxl/decode.h>
#include <jxl/resizable_parallel_runner.h>

#include <memory>

namespace tess {

namespace {

struct DecoderRelease
{
    void operator()(JxlDecoder *decoder) const { JxlDecoderDestroy(decoder); }
};

struct RunnerRelease
{
    void operator()(void *runner) const { JxlResizableParallelRunnerDestroy(runner); }
};

// The bare codestream starts with 2 signature bytes, the container with a 12-byte box.
constexpr qint64 SignatureSize = 12;

} // namespace

bool isJxl(QIODevice *device)
{
    if (!device || !device->isReadable())
        return false;
    const QByteArray head = device->peek(SignatureSize);
    const JxlSignature signature = JxlSignatureCheck(reinterpret_cast<const uint8_t *>(head.constData()), size_t(head.size()));
    return signature == JXL_SIG_CODESTREAM || signature == JXL_SIG_CONTAINER;
}

namespace {

// The size after the stored orientation is applied: libjxl turns the picture upright
// while decoding, and orientations 5 to 8 swap width and height.
QSize uprightSize(const JxlBasicInfo &info)
{
    const bool swapped = info.orientation >= JXL_ORIENT_TRANSPOSE;
    return swapped ? QSize(int(qMin<uint32_t>(info.ysize, INT_MAX)), int(qMin<uint32_t>(info.xsize, INT_MAX)))
                   : QSize(int(qMin<uint32_t>(info.xsize, INT_MAX)), int(qMin<uint32_t>(info.ysize, INT_MAX)));
}

// Runs libjxl over the file: up to the header when image is null (size only), else up to
// the first frame, decoded straight into image's own buffer as 8-bit RGBA.
bool decodeJxl(const QByteArray &bytes, QSize &size, QImage *image)
{
    std::unique_ptr<JxlDecoder, DecoderRelease> decoder(JxlDecoderCreate(nullptr));
    std::unique_ptr<void, RunnerRelease> runner(image ? JxlResizableParallelRunnerCreate(nullptr) : nullptr);
    const int events = JXL_DEC_BASIC_INFO | (image ? JXL_DEC_FULL_IMAGE : 0);
    if (!decoder || JxlDecoderSubscribeEvents(decoder.get(), events) != JXL_DEC_SUCCESS
        || (runner && JxlDecoderSetParallelRunner(decoder.get(), JxlResizableParallelRunner, runner.get()) != JXL_DEC_SUCCESS)
        || JxlDecoderSetInput(decoder.get(), reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()))
            != JXL_DEC_SUCCESS)
        return false;
    JxlDecoderCloseInput(decoder.get());

    const JxlPixelFormat pixelFormat{4, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    QImage decoded;
    for (;;) {
        switch (JxlDecoderProcessInput(decoder.get())) {
        case JXL_DEC_BASIC_INFO: {
            JxlBasicInfo info;
            if (JxlDecoderGetBasicInfo(decoder.get(), &info) != JXL_DEC_SUCCESS)
                return false;
            size = uprightSize(info);
            if (!image)
                return true;
            // Before libjxl sets aside its own planes, which it does for the first frame.
            if (!fitsAllocationLimit(info.xsize, info.ysize, JxlBytesPerPixel))
                return false;
            JxlResizableParallelRunnerSetThreads(runner.get(), JxlResizableParallelRunnerSuggestThreads(info.xsize, info.ysize));
            // A straight alpha: the record's colour is the pixel's own.
            if (info.alpha_bits > 0 && info.alpha_premultiplied)
                JxlDecoderSetUnpremultiplyAlpha(decoder.get(), JXL_TRUE);
            decoded = QImage(size, info.alpha_bits > 0 ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
            break;
        }
        case JXL_DEC_NEED_IMAGE_OUT_BUFFER: {
            size_t needed = 0;
            if (decoded.isNull() || JxlDecoderImageOutBufferSize(decoder.get(), &pixelFormat, &needed) != JXL_DEC_SUCCESS
                || needed != size_t(decoded.sizeInBytes())
                || JxlDecoderSetImageOutBuffer(decoder.get(), &pixelFormat, decoded.bits(), needed) != JXL_DEC_SUCCESS)
                return false;
            break;
        }
        case JXL_DEC_FULL_IMAGE: // the first frame of an animation is the picture
            *image = std::move(decoded);
            return true;
        default: // an error, or a file cut short (the decoder asks for input after the end)
            return false;
        }
    }
}

class JxlHandler : public QImageIOHandler
{
public:
    bool canRead() const override
    {
        if (!isJxl(device()))
            return false;
        setFormat("jxl");
        return true;
    }

    bool supportsOption(ImageOption option) const override { return option == Size; }

    QVariant option(ImageOption option) const override
    {
        if (option != Size || !const_cast<JxlHandler *>(this)->readFile())
            return {};
        QSize size;
        return decodeJxl(m_bytes, size, nullptr) ? QVariant(size) : QVariant();
    }

    bool read(QImage *image) override
    {
        QSize size;
        return readFile() && decodeJxl(m_bytes, size, image);
    }

private:
    bool readFile()
    {
        if (!m_read) {
            m_read = true;
            readEncodedFile(device(), m_bytes);
        }
        return !m_bytes.isEmpty();
    }

    bool m_read = false;
    QByteArray m_bytes;
};

} // namespace

QImageIOHandler *createJxlHandler()
{
    return new JxlHandler;
}

} // namespace tess
