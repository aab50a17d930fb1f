// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

namespace tess {

// What a file is, as far as this program cares: what it reads on each side, and the kinds
// of file people pick by mistake, which are refused with their name.
enum class FileKind {
    Csv,         // nothing else: read as CSV text (which may still refuse it)
    Picture,
    Workbook,    // a ZIP container: .xlsx, .ods, or a sheet packed into a .zip
    Compressed,  // gzip: a .csv.gz, a compressed Gnumeric file
    OldWorkbook, // a compound file: an old .xls, or an encrypted workbook
    Dif,
    WebPage,
    Xml,         // XML that is no web page and no picture
};

// What the first bytes of a file say it is; 512 bytes are enough.
FileKind kindOfContent(QByteArrayView head);

// Whether the suffix (without its dot, any case) names a picture format.
bool isPictureSuffix(QStringView suffix);

// What the file at path is, by its content. A file whose content names no kind (a
// damaged photo, a TGA file, which has no signature) or that is compressed (.svgz) is
// still a picture when its suffix names a picture format. A file that cannot be read is
// taken for what its suffix names (a picture, else a sheet), whose reader then says why.
FileKind kindOfFile(const QString &path);

} // namespace tess
