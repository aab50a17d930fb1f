// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheettext.h"

#include "sheetnumbers.h"

#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace tess::sheet {

namespace {

constexpr qint64 ProgressInterval = 4 * 1024 * 1024;

bool hasHighBytes(const char *p, qint64 n)
{
    uchar any = 0;
    for (qint64 i = 0; i < n; ++i)
        any |= uchar(p[i]);
    return any & 0x80;
}

// Encodes UTF-16 as UTF-8, an unpaired surrogate as its own three bytes. A high
// surrogate at the end is held back until the next call (or written at the end).
qsizetype encodeUtf8(const char16_t *s, qsizetype n, char *out, char16_t &held, bool atEnd)
{
    char *o = out;
    auto put3 = [&o](char32_t u) {
        *o++ = char(0xE0 | (u >> 12));
        *o++ = char(0x80 | ((u >> 6) & 0x3F));
        *o++ = char(0x80 | (u & 0x3F));
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = s[i];
        if (held) {
            if (u >= 0xDC00 && u <= 0xDFFF) {
                const char32_t cp = 0x10000 + ((char32_t(held) - 0xD800) << 10) + (u - 0xDC00);
                *o++ = char(0xF0 | (cp >> 18));
                *o++ = char(0x80 | ((cp >> 12) & 0x3F));
                *o++ = char(0x80 | ((cp >> 6) & 0x3F));
                *o++ = char(0x80 | (cp & 0x3F));
                held = 0;
                continue;
            }
            put3(held);
            held = 0;
        }
        if (u < 0x80) {
            *o++ = char(u);
        } else if (u < 0x800) {
            *o++ = char(0xC0 | (u >> 6));
            *o++ = char(0x80 | (u & 0x3F));
        } else if (u >= 0xD800 && u <= 0xDBFF) {
            held = u;
        } else {
            put3(u);
        }
    }
    if (atEnd && held) {
        put3(held);
        held = 0;
    }
    return o - out;
}

// Bytes of data before a last character that may still be incomplete.
qsizetype completeUtf8Prefix(const QByteArray &data)
{
    const qsizetype size = data.size();
    for (qsizetype i = size - 1; i >= 0 && i >= size - 3; --i) {
        const auto c = uchar(data.at(i));
        if ((c & 0xC0) == 0x80)
            continue; // continuation byte
        const qsizetype needed = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return size - i < needed ? i : size;
    }
    return size;
}

} // namespace

SheetInput::SheetInput(QIODevice &device, qint64 blockSize, const ReadProgress &progress)
    : m_device(device), m_blockSize(std::max<qint64>(blockSize, 1)), m_progress(progress),
      m_nextReport(ProgressInterval)
{
}

// Reads up to max bytes into dst; 0 at the end or on a read error.
qint64 SheetInput::readRaw(char *dst, qint64 max)
{
    if (m_atEnd)
        return 0;
    qint64 n = m_device.read(dst, max);
    if (n == 0 && m_device.isSequential() && m_device.waitForReadyRead(-1))
        n = m_device.read(dst, max);
    if (n <= 0) {
        m_atEnd = true;
        return 0;
    }
    m_total += n;
    if (m_progress && m_total >= m_nextReport) {
        m_progress(m_total);
        m_nextReport = m_total + ProgressInterval;
    }
    return n;
}

// Reads the first three bytes, where a byte-order mark would be, and settles the
// encoding. Returns how many of them are text.
qsizetype SheetInput::readHead(char *head)
{
    qint64 headSize = 0;
    while (headSize < 3 && !m_atEnd)
        headSize += readRaw(head + headSize, std::min<qint64>(3 - headSize, m_blockSize));
    const auto *u = reinterpret_cast<const uchar *>(head);
    qsizetype skip = 0;
    if (headSize >= 3 && u[0] == 0xEF && u[1] == 0xBB && u[2] == 0xBF) {
        skip = 3; // after the mark, exactly like a file without one
    } else if (headSize >= 2 && u[0] == 0xFF && u[1] == 0xFE) {
        m_encoding = Encoding::Utf16Le;
        skip = 2;
    } else if (headSize >= 2 && u[0] == 0xFE && u[1] == 0xFF) {
        m_encoding = Encoding::Utf16Be;
        skip = 2;
    }
    return normalise(head + skip, headSize - skip, 0);
}

// Reads one block behind the kept bytes; returns the bytes of UTF-8 it gave.
qsizetype SheetInput::nextBlock(qsizetype kept)
{
    // No larger than what a device of known size still holds (a few kilobytes at least, for
    // a file that grows meanwhile): a small sheet is read without setting aside and
    // clearing a whole block.
    constexpr qint64 SmallestBlock = 4096;
    qint64 block = m_blockSize;
    if (!m_device.isSequential())
        block = std::min(block, std::max(m_device.size() - m_device.pos(), SmallestBlock));
    const qint64 want = std::max<qint64>(block, kept);
    if (m_encoding == Encoding::Ascii) {
        ensureWork(kept + want + 1);
        const qint64 n = readRaw(m_work.data() + kept, want);
        if (!hasHighBytes(m_work.data() + kept, n))
            return qsizetype(n);
        m_raw.assign(m_work.data() + kept, m_work.data() + kept + n);
        return normalise(m_raw.data(), n, kept);
    }
    if (qint64(m_raw.size()) < want)
        m_raw.resize(size_t(want));
    const qint64 n = readRaw(m_raw.data(), want);
    return normalise(m_raw.data(), n, kept);
}

void SheetInput::run(TextSink &sink)
{
    char head[3];
    qsizetype produced = readHead(head);
    qsizetype kept = 0;
    bool estimated = false;
    for (;;) {
        const bool atEnd = m_atEnd;
        if (atEnd)
            produced += finishDecoding(kept + produced);
        ensureWork(kept + produced + 1);
        char *const begin = m_work.data();
        char *const end = begin + kept + produced;
        *end = '\0';
        const bool wasReadingData = sink.readingData();
        const qsizetype keep = sink.feed(begin, end, atEnd);
        if (atEnd || sink.stopped())
            return;
        if (!estimated && sink.readingData() && !wasReadingData) {
            estimated = true;
            sink.expectMore(end - begin - keep,
                            m_device.isSequential() ? -1 : m_device.size() - m_device.pos());
        }
        std::memmove(begin, end - keep, size_t(keep));
        kept = keep;
        produced = nextBlock(kept);
    }
}

void SheetInput::ensureWork(qsizetype size)
{
    if (qsizetype(m_work.size()) < size + ReadAhead)
        m_work.resize(size_t(size + ReadAhead));
}

// Turns n raw bytes into UTF-8 at m_work + offset; returns the bytes produced.
qsizetype SheetInput::normalise(const char *data, qint64 n, qsizetype offset)
{
    if (m_encoding == Encoding::Ascii && hasHighBytes(data, n))
        m_encoding = Encoding::Utf8; // what came before was ASCII: a character boundary
    if (m_encoding == Encoding::Ascii) {
        ensureWork(offset + n + 1);
        std::memcpy(m_work.data() + offset, data, size_t(n));
        return qsizetype(n);
    }
    m_pending.append(data, qsizetype(n));
    if (m_encoding == Encoding::Utf8 && !m_utf8Proven)
        settleUtf8(false);
    if (m_encoding == Encoding::Windows1252)
        return decodeCodePage(offset);
    if (m_encoding == Encoding::Utf8 && !m_utf8Proven)
        return 0; // held until the encoding is settled
    if (m_encoding == Encoding::Utf8) {
        // Cut before the last character when it may still be incomplete, and
        // convert the rest at once: the toolkit's conversion of the whole text
        // restarts at every byte that is no continuation byte, so the pieces
        // convert exactly as the whole would.
        const qsizetype cut = completeUtf8Prefix(m_pending);
        const QString text = utf8Text(m_pending.constData(), cut);
        m_pending.remove(0, cut);
        return encode(reinterpret_cast<const char16_t *>(text.utf16()), text.size(), offset, false);
    }
    const qsizetype units = m_pending.size() / 2;
    m_units.resize(size_t(units));
    const auto *bytes = reinterpret_cast<const uchar *>(m_pending.constData());
    for (qsizetype i = 0; i < units; ++i) {
        m_units[size_t(i)] = m_encoding == Encoding::Utf16Le
                ? char16_t(bytes[2 * i] | (bytes[2 * i + 1] << 8))
                : char16_t((bytes[2 * i] << 8) | bytes[2 * i + 1]);
    }
    m_pending.remove(0, units * 2);
    return encode(m_units.data(), units, offset, false);
}

// At the end: bytes that make no whole character become replacement characters,
// as in a conversion of the whole text at once.
qsizetype SheetInput::finishDecoding(qsizetype offset)
{
    if (m_encoding == Encoding::Utf8 && !m_utf8Proven)
        settleUtf8(true);
    if (m_encoding == Encoding::Windows1252)
        return decodeCodePage(offset);
    QString tail;
    if (m_encoding == Encoding::Utf8)
        tail = utf8Text(m_pending.constData(), m_pending.size());
    else if (m_encoding != Encoding::Ascii && !m_pending.isEmpty())
        tail = QString(QChar::ReplacementCharacter); // the odd last byte of UTF-16
    m_pending.clear();
    return encode(reinterpret_cast<const char16_t *>(tail.utf16()), tail.size(), offset, true);
}

// Decides, from the first 4 KiB past the ASCII (or all of it, when the text is shorter),
// whether the text is UTF-8: bytes that are no UTF-8 make it Windows-1252. The window is
// fixed so that the choice is the same however the text arrives, whole or in pieces. What
// came before was ASCII, the same in both.
void SheetInput::settleUtf8(bool atEnd)
{
    constexpr qsizetype Window = 4096;
    if (m_pending.size() < Window && !atEnd)
        return;
    const QByteArray window = m_pending.first(std::min(m_pending.size(), Window));
    const qsizetype complete = window.size() == m_pending.size() && atEnd ? window.size() : completeUtf8Prefix(window);
    if (QByteArrayView(window).first(complete).isValidUtf8())
        m_utf8Proven = true;
    else
        m_encoding = Encoding::Windows1252;
}

// All pending bytes as Windows-1252: one byte is one character, nothing is held back.
qsizetype SheetInput::decodeCodePage(qsizetype offset)
{
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid()) // a toolkit built without code pages: the same but 0x80..0x9F
        decoder = QStringDecoder(QStringConverter::Latin1);
    const QString text = decoder.decode(m_pending);
    m_pending.clear();
    return encode(reinterpret_cast<const char16_t *>(text.utf16()), text.size(), offset, false);
}

qsizetype SheetInput::encode(const char16_t *units, qsizetype count, qsizetype offset, bool atEnd)
{
    ensureWork(offset + 3 * (count + 1) + 1);
    return encodeUtf8(units, count, m_work.data() + offset, m_heldSurrogate, atEnd);
}

} // namespace tess::sheet
