// SPDX-License-Identifier: GPL-3.0-or-later
#include "filekind.h"

#include <QFile>
#include <QFileInfo>

#include <initializer_list>

namespace tess {

namespace {

bool startsWithAny(QByteArrayView head, std::initializer_list<QByteArrayView> magics)
{
    for (const QByteArrayView magic : magics) {
        if (head.startsWith(magic))
            return true;
    }
    return false;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The signatures of the picture formats. Those that are text (PNM, XPM, SVG) or short
// (BMP) are checked further, so that a sheet whose title starts "BM" or "P3" stays a sheet.
bool isPictureContent(QByteArrayView head)
{
    if (startsWithAny(head, { "\x89PNG\r\n", "\x8AMNG\r\n", "\xFF\xD8\xFF", "GIF87a", "GIF89a",
                              QByteArrayView("II*\0", 4), QByteArrayView("MM\0*", 4), "\xFF\x0A",
                              QByteArrayView("\0\0\0\x0CJXL ", 8), QByteArrayView("\0\0\1\0", 4),
                              QByteArrayView("\0\0\2\0", 4), "/* XPM */" }))
        return true;
    if (head.startsWith("RIFF") && head.size() >= 12 && head.sliced(8).startsWith("WEBP"))
        return true;
    if (head.size() >= 12 && head.sliced(4).startsWith("ftyp")) // HEIF, AVIF
        return true;
    // BMP: "BM", the file's size, then two reserved words that are zero.
    if (head.size() >= 14 && head.startsWith("BM") && head.sliced(6, 4) == QByteArrayView("\0\0\0\0", 4))
        return true;
    // PBM, PGM, PPM: "P1" to "P6", white space, then the width or a comment.
    if (head.size() >= 4 && head[0] == 'P' && head[1] >= '1' && head[1] <= '6' && isSpace(head[2])) {
        qsizetype i = 2;
        while (i < head.size() && isSpace(head[i]))
            ++i;
        return i < head.size() && (head[i] == '#' || (head[i] >= '0' && head[i] <= '9'));
    }
    return false;
}

QByteArray lowerStart(QByteArrayView head)
{
    QByteArray start = head.toByteArray();
    if (start.startsWith("\xEF\xBB\xBF"))
        start.remove(0, 3);
    return start.trimmed().toLower();
}

} // namespace

FileKind kindOfContent(QByteArrayView head)
{
    if (head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06"))
        return FileKind::Workbook;
    if (head.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return FileKind::OldWorkbook;
    if (head.startsWith("\x1F\x8B"))
        return FileKind::Compressed;
    if (isPictureContent(head))
        return FileKind::Picture;
    if (head.startsWith("TABLE\r\n0,1") || head.startsWith("TABLE\n0,1"))
        return FileKind::Dif;
    const QByteArray start = lowerStart(head);
    if (start.startsWith("<!doctype html") || start.startsWith("<html") || (start.startsWith("<?xml") && start.contains("<html")))
        return FileKind::WebPage;
    if (start.startsWith("<svg") || ((start.startsWith("<?xml") || start.startsWith("<!doctype svg")) && start.contains("<svg")))
        return FileKind::Picture;
    if (start.startsWith("<?xml"))
        return FileKind::Xml;
    return FileKind::Csv;
}

bool isPictureSuffix(QStringView suffix)
{
    static const QStringView pictures[] = {
        u"avif", u"bmp", u"cur", u"dib", u"gif", u"heic", u"heif", u"hif", u"icns", u"ico", u"jfif", u"jpe",
        u"jpeg", u"jpg", u"jxl", u"mng", u"pbm", u"pgm", u"png", u"pnm", u"ppm", u"svg", u"svgz", u"tga",
        u"tif", u"tiff", u"wbmp", u"webp", u"xbm", u"xpm",
    };
    for (const QStringView picture : pictures) {
        if (suffix.compare(picture, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

FileKind kindOfFile(const QString &path)
{
    const bool pictureName = isPictureSuffix(QFileInfo(path).suffix());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return pictureName ? FileKind::Picture : FileKind::Csv;
    const FileKind kind = kindOfContent(file.peek(512));
    if ((kind == FileKind::Csv || kind == FileKind::Compressed) && pictureName)
        return FileKind::Picture;
    return kind;
}

} // namespace tess
