// SPDX-License-Identifier: GPL-3.0-or-later
#include "gzipdevice.h"

#include "workbookzip.h"
#include "text/usertexts.h"

#include <zlib.h>

#include <algorithm>

namespace tess {

struct GzipDevice::Stream
{
    z_stream z{};
    bool ready = false;
    char input[64 * 1024];
};

GzipDevice::GzipDevice(QIODevice &source) : m_source(source), m_stream(std::make_unique<Stream>())
{
    // 16 + the window bits: a gzip header and trailer around the deflated data.
    m_stream->ready = inflateInit2(&m_stream->z, 16 + MAX_WBITS) == Z_OK;
    open(QIODevice::ReadOnly);
}

GzipDevice::~GzipDevice()
{
    if (m_stream->ready)
        inflateEnd(&m_stream->z);
}

qint64 GzipDevice::fail(const QString &why)
{
    if (m_result.ok())
        m_result = workbookRefused(why);
    setErrorString(why);
    m_ended = true;
    return -1;
}

// More compressed input; false at the source's end.
bool GzipDevice::refill()
{
    qint64 n = m_source.read(m_stream->input, sizeof m_stream->input);
    if (n == 0 && m_source.isSequential() && m_source.waitForReadyRead(-1))
        n = m_source.read(m_stream->input, sizeof m_stream->input);
    if (n <= 0)
        return false;
    m_consumed += n;
    m_stream->z.next_in = reinterpret_cast<Bytef *>(m_stream->input);
    m_stream->z.avail_in = uInt(n);
    return true;
}

qint64 GzipDevice::readData(char *data, qint64 maxSize)
{
    if (m_ended)
        return -1;
    if (!m_stream->ready)
        return fail(userText(Text::CompressedDamaged));
    z_stream &z = m_stream->z;
    z.next_out = reinterpret_cast<Bytef *>(data);
    z.avail_out = uInt(std::min<qint64>(maxSize, 1 << 30));
    while (z.avail_out > 0) {
        if (z.avail_in == 0 && !refill()) {
            // The file ends inside a member: what came is handed out, then the failure.
            if (z.next_out != reinterpret_cast<Bytef *>(data))
                break;
            return fail(userText(Text::CompressedDamaged));
        }
        const int status = inflate(&z, Z_NO_FLUSH);
        if (status == Z_STREAM_END) {
            // A file may hold several members one after the other (gzip -c a b > ab.gz).
            if (z.avail_in == 0 && !refill()) {
                m_ended = true;
                break;
            }
            inflateReset(&z);
        } else if (status != Z_OK && status != Z_BUF_ERROR) {
            return fail(userText(Text::CompressedDamaged));
        }
    }
    const qint64 n = reinterpret_cast<char *>(z.next_out) - data;
    m_inflated += n;
    if (m_inflated > WorkbookEntryLimit
        || (m_inflated > WorkbookRatioGrace && m_inflated / std::max<qint64>(m_consumed, 1) > WorkbookRatioLimit))
        return fail(userText(Text::CompressedTooLarge));
    if (n == 0 && m_ended)
        return -1;
    return n;
}

} // namespace tess
