// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two sides of a document, the picture and the sheet, each whole: its data, the file
// it is in, whether that file holds it, and where it came from.

#include "csv/sheetreader.h"
#include "image/imageconvert.h"
#include "model/pixelrecord.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

namespace tess {

// Where a side's data came from: read from a file, or made from the other side. Saving
// the data elsewhere does not change where it came from.
struct Origin
{
    enum class Kind {
        None,      // the side is empty
        Loaded,    // read from file
        Converted, // the sheet, scanned from the picture
        Drawn,     // the picture, drawn from the sheet
    };
    Kind kind = Kind::None;
    // Loaded: the file read. Made from the other side: the file that side's data was
    // named by then (its own file, or the one it came from); empty when it had none.
    QString file;
    // Converted: the picture's size before any reduction, the size scanned, and whether it
    // was reduced for Excel 2002's rows.
    QSize pictureSize;
    QSize scanned;
    bool excel2002 = false;
    // Drawn: the colour model the sheet was drawn in.
    ColourModel model = ColourModel::Rgb;

    static Origin loaded(const QString &file)
    {
        Origin origin;
        origin.kind = Kind::Loaded;
        origin.file = file;
        return origin;
    }
    static Origin converted(const QString &from, QSize pictureSize, QSize scanned, bool excel2002)
    {
        Origin origin;
        origin.kind = Kind::Converted;
        origin.file = from;
        origin.pictureSize = pictureSize;
        origin.scanned = scanned;
        origin.excel2002 = excel2002;
        return origin;
    }
    static Origin drawn(const QString &from, ColourModel model)
    {
        Origin origin;
        origin.kind = Kind::Drawn;
        origin.file = from;
        origin.model = model;
        return origin;
    }

    bool madeFromOtherSide() const { return kind == Kind::Converted || kind == Kind::Drawn; }
};

// The picture side. Shared, not copied: a QImage shares its pixels.
struct PictureSide
{
    QImage image;
    // The file the picture was read from or last saved to; empty for one drawn and not saved.
    QString file;
    bool saved = false;
    Origin origin;
    // The picture as it was before the last drawing or reading again replaced it: the one
    // the sheet was made from, or the last drawing before an edit. Null when a load or a
    // new sheet left nothing to compare with.
    QImage before;
    // What the last drawing bent (values outside 0-255).
    DrawStats drawStats;

    bool empty() const { return image.isNull(); }
    bool drawn() const { return origin.kind == Origin::Kind::Drawn; }
    // The file the picture is named by: its own, else the one it came from.
    QString namedBy() const { return file.isEmpty() ? origin.file : file; }
};

// The sheet side: the records, shared with the work that reads them, and what reading
// them found.
struct SheetSide
{
    std::shared_ptr<const PixelRecords> records;
    // Its columns, extent and what reading passed over. Records converted from the picture
    // have every column and pass over nothing.
    SheetInfo info;
    QString file;
    bool saved = false;
    Origin origin;

    bool empty() const { return records == nullptr; }
    bool converted() const { return origin.kind == Origin::Kind::Converted; }
    QSize extent() const { return QSize(info.width, info.height); }
    QString namedBy() const { return file.isEmpty() ? origin.file : file; }
};

} // namespace tess
