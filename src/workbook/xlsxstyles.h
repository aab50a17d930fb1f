// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What an .xlsx workbook's styles say about the fill each cell style shows.

#include <QByteArray>
#include <QRgb>
#include <QString>

#include <optional>
#include <vector>

namespace tess {

namespace sax {
struct Attributes;
}

// The fill a cell style shows.
struct ShownFill
{
    bool painted = false; // a fill the eye sees; else the cell is as unpainted
    bool faint = false;   // a sparse pattern (gray125, gray0625): a fill only among painted cells
    bool dithered = false; // a pattern blended from two colours, as a program saves a colour it has not
    QRgb colour = 0xFFFFFF;
};

// The colours a colour element may name by number.
struct XlsxPalette
{
    std::vector<QRgb> indexed;
    std::vector<QRgb> theme; // in the order a "theme" attribute counts; empty without a theme
};

// A colour element (fgColor, bgColor, color) as its attributes give it. The styles name
// their palette after their fills, so the colour is looked up once the palette is known.
struct XlsxColour
{
    enum class Kind { None, Rgb, Theme, Indexed };
    Kind kind = Kind::None; // None: "auto" and the like
    uint value = 0;         // the RGB, or the index into the theme or the palette
    double tint = 0;

    static XlsxColour of(const sax::Attributes &attributes);
    // The colour shown: nothing for the system colours and "auto".
    std::optional<QRgb> shown(const XlsxPalette &palette) const;
};

struct XlsxStyles
{
    std::vector<ShownFill> cells; // by the cell's style index (cellXfs)
    std::vector<ShownFill> rules; // by a conditional format's style index (dxfs)
    bool ownPalette = false;      // the workbook replaces the indexed colours
    XlsxPalette palette;          // for the colours of colour scales
};

// A styles or theme part longer than this is no part a spreadsheet program writes.
inline constexpr qsizetype StylesPartLimit = 64 << 20;

// Reads the text of styles.xml, with that of the theme part (empty when there is none).
// False when the styles are not well-formed (why: the XML error) or hold more styles than
// any program writes (why empty). A broken theme leaves theme colours unpainted.
bool readXlsxStyles(const QByteArray &styles, const QByteArray &theme, XlsxStyles &out, QString &why);

} // namespace tess
