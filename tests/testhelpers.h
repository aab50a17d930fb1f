// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers that several suites share: files in and out, test pictures, and the pieces
// for building PNG files by hand. A helper goes here once a second suite needs it.
#pragma once

#include "convert/operations.h"
#include "image/imagefile.h"

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QtEndian>

#include <algorithm>
#include <cstring>

// Loads the picture at path into image, as the tests read it: true when it loaded.
inline bool loadImageInto(const QString &path, QImage &image)
{
    tess::Outcome<QImage> loaded = tess::loadImage(path);
    if (loaded.ok())
        image = std::move(loaded).value();
    return loaded.ok();
}

// Reads the sheet at path the way both programs read one (loadSheetFile), for the tests
// that look at what the reader tells rather than at the result.
inline tess::SheetInfo loadSheetInfo(const QString &path, tess::PixelRecords &out,
                                     const tess::SheetProgress &progress = {})
{
    tess::SheetInfo info;
    tess::loadSheetFile(path, out, info, progress);
    return info;
}

// The picture of the records row by row as RRGGBB codes separated by spaces, whatever
// order the records come in.
inline QString pixelCodes(const tess::PixelRecords &records, int width, int height)
{
    QStringList codes(qsizetype(width) * height);
    for (const tess::PixelRecord &r : records)
        codes[qsizetype(r.y) * width + r.x] = QString::asprintf("%02X%02X%02X", r.r, r.g, r.b);
    return codes.join(u' ');
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Saves as many programs do: to a temporary file beside it, renamed over the old one.
inline bool saveByRenaming(const QString &path, const QByteArray &bytes)
{
    const QString temporary = path + QStringLiteral(".~tmp");
    if (!writeFile(temporary, bytes))
        return false;
    QFile::remove(path);
    return QFile::rename(temporary, path);
}

// A file that cannot be read gives bytes no file in a test holds, so that a missing file
// never passes for an empty or an expected one.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every pixel different from its neighbours, so that a misplaced or swapped pixel shows.
inline QImage patternImage(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 37 + y) & 0xff, (y * 53 + 7) & 0xff, (x * y + 11) & 0xff));
    return image.convertToFormat(format);
}

// Pseudo-random pixels that no encoder can compress much, the same on every run.
inline QImage noisyImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            image.setPixel(x, y, 0xff000000u | (seed >> 8));
        }
    return image;
}

// CRC-32 as PNG, MNG and gzip use it.
inline quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline QByteArray bigEndian32(quint32 value)
{
    QByteArray out(4, '\0');
    qToBigEndian(value, out.data());
    return out;
}

// One PNG (or MNG) chunk: length, type, data and the CRC of type and data.
inline QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    return bigEndian32(quint32(data.size())) + type + data + bigEndian32(crc32(type + data));
}

// A device that hands out its bytes once and cannot seek, as a pipe or standard input does.
class Pipe : public QIODevice
{
public:
    explicit Pipe(const QByteArray &data) : m_data(data) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = std::min<qint64>(maxSize, m_data.size() - m_at);
        if (n <= 0)
            return -1;
        std::memcpy(data, m_data.constData() + m_at, size_t(n));
        m_at += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_data;
    qsizetype m_at = 0;
};
