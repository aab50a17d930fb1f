// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheetreader.h"

#include <QByteArray>

#include <vector>

// Text decoding: the device is read in blocks and every block is turned into UTF-8.
// Plain ASCII goes through untouched (the usual case, and the fast one); anything else
// is decoded by the toolkit and encoded again. Text that is not valid UTF-8 where its
// first non-ASCII bytes are is taken as Windows-1252, the code page spreadsheet programs
// write a plain CSV file in on Windows ("€" is byte 0x80, a no-break space 0xA0). All of it so that all later work sees well-formed
// UTF-8 whose fields decode to exactly the text a QString of the whole file would hold.
// Unpaired surrogates of a UTF-16 file are kept as three-byte sequences so that they
// still count as one character each.

namespace tess::sheet {

// What the decoded text is handed to.
class TextSink
{
public:
    virtual ~TextSink() = default;
    // Takes [begin, end); *end is readable and 0. Returns how many bytes at the end are
    // still undecided: they are put in front of the next block.
    virtual qsizetype feed(const char *begin, const char *end, bool atEnd) = 0;
    virtual bool stopped() const = 0;     // no more text is wanted
    virtual bool readingData() const = 0; // past the header
    // Once, after the header: bytes parsed so far and those the device still holds.
    virtual void expectMore(qsizetype parsedBytes, qint64 remainingBytes) = 0;
};

class SheetInput
{
public:
    SheetInput(QIODevice &device, qint64 blockSize, const ReadProgress &progress);

    void run(TextSink &sink);
    // The text was UTF-8 or ASCII as read, not decoded from UTF-16 or Windows-1252.
    bool readAsUtf8() const { return m_encoding == Encoding::Ascii || m_encoding == Encoding::Utf8; }

private:
    enum class Encoding { Ascii, Utf8, Utf16Le, Utf16Be, Windows1252 };

    qint64 readRaw(char *dst, qint64 max);
    qsizetype readHead(char *head);
    qsizetype nextBlock(qsizetype kept);
    void ensureWork(qsizetype size);
    qsizetype normalise(const char *data, qint64 n, qsizetype offset);
    qsizetype finishDecoding(qsizetype offset);
    qsizetype encode(const char16_t *units, qsizetype count, qsizetype offset, bool atEnd);
    void settleUtf8(bool atEnd);
    qsizetype decodeCodePage(qsizetype offset);

    QIODevice &m_device;
    qint64 m_blockSize;
    const ReadProgress &m_progress;
    qint64 m_total = 0;
    qint64 m_nextReport;
    bool m_atEnd = false;
    Encoding m_encoding = Encoding::Ascii;
    bool m_utf8Proven = false;      // the first non-ASCII characters were valid UTF-8
    QByteArray m_pending;           // raw bytes of a character not yet complete
    std::vector<char16_t> m_units;  // UTF-16 code units of one block
    char16_t m_heldSurrogate = 0;
    std::vector<char> m_work; // [undecided bytes][new UTF-8][0]
    std::vector<char> m_raw;
};

} // namespace tess::sheet
