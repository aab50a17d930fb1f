// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>

#include <charconv>
#include <cstdint>
#include <cstring>
#include <memory>

namespace tess {

// Gathers a part's XML text and hands it to the ZIP entry in large writes. The writers
// ask for room before each piece (reserve) and then append without checks.
class XmlBuffer
{
public:
    static constexpr qsizetype Size = 256 * 1024;

    explicit XmlBuffer(QIODevice &entry) : m_entry(entry), m_data(new char[Size]) { m_cursor = m_data.get(); }

    // Room for length more bytes (at most Size), flushing first when needed.
    bool reserve(qsizetype length) { return m_data.get() + Size - m_cursor >= length || flush(); }

    void append(const char *text, size_t length)
    {
        std::memcpy(m_cursor, text, length);
        m_cursor += length;
    }
    template <size_t N>
    void append(const char (&text)[N])
    {
        append(text, N - 1);
    }
    void appendNumber(int64_t value) { m_cursor = std::to_chars(m_cursor, m_cursor + 24, value).ptr; }
    void appendText(const QByteArray &text) { append(text.constData(), size_t(text.size())); }
    // A text of any length, in as many pieces as the buffer needs.
    bool appendLong(const QByteArray &text)
    {
        for (qsizetype done = 0; done < text.size();) {
            const qsizetype piece = std::min<qsizetype>(text.size() - done, Size);
            if (!reserve(piece))
                return false;
            append(text.constData() + done, size_t(piece));
            done += piece;
        }
        return true;
    }

    bool flush()
    {
        const qint64 length = m_cursor - m_data.get();
        m_cursor = m_data.get();
        return length == 0 || m_entry.write(m_data.get(), length) == length;
    }

private:
    QIODevice &m_entry;
    std::unique_ptr<char[]> m_data;
    char *m_cursor = nullptr;
};

} // namespace tess
