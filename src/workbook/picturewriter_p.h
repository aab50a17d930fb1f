// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the .xlsx and .ods writers of the picture-shaped sheet share.

#include "picturewriter.h"
#include "xmlbuffer.h"

#include <QByteArray>

#include <functional>

class QuaZip;

namespace tess::picture {

// The channel a sheet row shows, from 0 (r) to 2 (b); grey sheets show 0 only.
inline uint32_t channelValue(uint32_t pixel, int channel) { return (pixel >> (16 - 8 * channel)) & 0xFF; }

// The grey of a pixel, with the toolkit's qGray weights (11, 16, 5 of 32).
uint32_t greyValue(uint32_t pixel);

// The value a sheet row shows for pixel: its channel, or its grey.
inline uint32_t shownValue(uint32_t pixel, SheetShape shape, int channel)
{
    return shape == SheetShape::Grey ? greyValue(pixel) : channelValue(pixel, channel);
}

// "0" to "255" as text.
struct ValueTexts
{
    ValueTexts();
    char text[256][4];
    uint8_t length[256];
};
const ValueTexts &valueTexts();

// The letters of the three channel rows.
inline constexpr char ChannelLetters[3] = { 'r', 'g', 'b' };
// The colour a channel's scale reaches at 255, as RRGGBB.
const char *scaleTop(SheetShape shape, int channel);

// The space-separated ranges of a channel's rows ("C2:F2 C5:F5"), each cell reference
// after sheet (an .ods writes "Picture." there; an .xlsx nothing).
QByteArray channelRanges(const PictureGrid &grid, SheetShape shape, int channel, const QByteArray &sheet = {});

// The worksheet's name in the user's language, escaped for XML.
QByteArray sheetNameXml();
QByteArray escapedXml(const QString &text);
// A column's letters, from 0: "A" to "XFD".
QByteArray columnName(int index);

// One entry of the ZIP package, written by write; stored (not compressed) when asked.
// Nothing is begun once stop is set.
bool writeZipEntry(QuaZip &zip, const StopFlag *stop, const char *name,
                   const std::function<bool(XmlBuffer &)> &write, bool stored = false);

// Opens the container on the device, lets parts write its entries and closes it; a failure
// is Status::SheetNotSaved with its reason.
Result writePackage(QIODevice &device, const PictureGrid &grid, SheetShape shape,
                    const std::function<bool(QuaZip &)> &parts);

} // namespace tess::picture
