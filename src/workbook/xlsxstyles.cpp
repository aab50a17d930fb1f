// SPDX-License-Identifier: GPL-3.0-or-later
#include "xlsxstyles.h"

#include "cellcolours.h"

#include <QXmlStreamReader>

#include <array>
#include <optional>

namespace tess {

namespace {

// A spreadsheet program keeps some 64,000 cell styles at most; a part with far more is
// an attack on memory.
constexpr size_t StyleLimit = 1 << 20;

// The theme's colours in the order a "theme" attribute counts them: its first two pairs
// swapped, light before dark.
using ThemeColours = std::array<QRgb, 12>;

bool readTheme(const QByteArray &part, ThemeColours &theme)
{
    static const char16_t *const names[12] = { u"lt1", u"dk1", u"lt2", u"dk2", u"accent1", u"accent2", u"accent3",
                                              u"accent4", u"accent5", u"accent6", u"hlink", u"folHlink" };
    theme.fill(0);
    QXmlStreamReader xml(part);
    int current = -1;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        for (int i = 0; i < 12; ++i) {
            if (xml.name() == QStringView(names[i]))
                current = i;
        }
        const QXmlStreamAttributes a = xml.attributes();
        if (current >= 0 && (xml.name() == u"srgbClr" || xml.name() == u"sysClr")) {
            const QStringView value = a.value(xml.name() == u"srgbClr" ? QLatin1String("val") : QLatin1String("lastClr"));
            theme[size_t(current)] = value.toUInt(nullptr, 16) & 0xFFFFFF;
            current = -1;
        }
    }
    return !xml.hasError();
}

using Palette = XlsxPalette;


struct PatternRead
{
    QString type;
    std::optional<QRgb> foreground, background;
};

ShownFill shown(const PatternRead &p, bool rule)
{
    ShownFill fill;
    // A conditional format's solid fill keeps its colour in bgColor.
    const std::optional<QRgb> solid = rule ? (p.background ? p.background : p.foreground) : p.foreground;
    const QByteArray type = p.type.toLatin1();
    const double share = patternShare(std::string_view(type.constData(), size_t(type.size())));
    if ((rule && p.type.isEmpty() && solid) || share >= 1) {
        fill.painted = solid.has_value();
        fill.colour = solid.value_or(0xFFFFFF);
        return fill;
    }
    if (share <= 0 || !p.foreground)
        return fill;
    fill.painted = true;
    fill.dithered = true;
    fill.faint = share < 0.25;
    fill.colour = blendPattern(*p.foreground, p.background.value_or(0xFFFFFF), share);
    return fill;
}

struct StylesRead
{
    std::vector<ShownFill> fills;
    std::vector<int> cellFillIds;
    std::vector<ShownFill> rules;
};

// The indexed colours come before the fills in the part, but may also come after: the
// part is read twice, the palette first.
std::vector<QRgb> readPalette(const QByteArray &part, bool &own)
{
    const auto &standard = defaultIndexedColours();
    std::vector<QRgb> indexed(standard.begin(), standard.end());
    std::vector<QRgb> ownColours;
    QXmlStreamReader xml(part);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"rgbColor" && ownColours.size() < StyleLimit)
            ownColours.push_back(xml.attributes().value(QLatin1String("rgb")).toUInt(nullptr, 16) & 0xFFFFFF);
    }
    own = !ownColours.empty();
    return own ? ownColours : indexed;
}

bool readStyles(QXmlStreamReader &xml, const Palette &palette, StylesRead &read)
{
    bool inFills = false, inCellXfs = false, inDxfs = false;
    PatternRead pattern;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        const QStringView name = xml.name();
        if (token == QXmlStreamReader::EndElement) {
            if (name == u"fills" || name == u"cellXfs" || name == u"dxfs")
                inFills = inCellXfs = inDxfs = false;
            else if (name == u"fill" && inFills)
                read.fills.push_back(shown(pattern, false));
            else if (name == u"dxf" && inDxfs)
                read.rules.push_back(shown(pattern, true));
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (name == u"fills" || name == u"cellXfs" || name == u"dxfs") {
            inFills = name == u"fills";
            inCellXfs = name == u"cellXfs";
            inDxfs = name == u"dxfs";
        } else if (name == u"fill" || name == u"dxf") {
            pattern = PatternRead{};
        } else if (name == u"patternFill") {
            pattern.type = a.value(QLatin1String("patternType")).toString();
        } else if (name == u"fgColor") {
            pattern.foreground = xlsxColour(a, palette);
        } else if (name == u"bgColor") {
            pattern.background = xlsxColour(a, palette);
        } else if (name == u"xf" && inCellXfs) {
            read.cellFillIds.push_back(a.value(QLatin1String("fillId")).toInt());
        }
        if (read.fills.size() + read.cellFillIds.size() + read.rules.size() > StyleLimit)
            return false;
    }
    return true;
}

} // namespace

std::optional<QRgb> xlsxColour(const QXmlStreamAttributes &a, const XlsxPalette &palette)
{
    if (a.hasAttribute(QLatin1String("rgb")))
        return a.value(QLatin1String("rgb")).toUInt(nullptr, 16) & 0xFFFFFF; // the alpha is not shown
    if (a.hasAttribute(QLatin1String("theme"))) {
        const uint index = a.value(QLatin1String("theme")).toUInt();
        if (index >= palette.theme.size())
            return std::nullopt;
        return applyTint(palette.theme[index], a.value(QLatin1String("tint")).toDouble());
    }
    if (a.hasAttribute(QLatin1String("indexed"))) {
        const uint index = a.value(QLatin1String("indexed")).toUInt();
        if (index < palette.indexed.size())
            return palette.indexed[index];
    }
    return std::nullopt;
}

bool readXlsxStyles(const QByteArray &styles, const QByteArray &theme, XlsxStyles &out, QString &why)
{
    out = XlsxStyles{};
    why.clear();
    Palette palette;
    if (ThemeColours colours; !theme.isEmpty() && readTheme(theme, colours))
        palette.theme.assign(colours.begin(), colours.end());
    palette.indexed = readPalette(styles, out.ownPalette);
    QXmlStreamReader xml(styles);
    StylesRead read;
    if (!readStyles(xml, palette, read))
        return false;
    if (xml.hasError()) {
        why = xml.errorString();
        return false;
    }
    // Fill 0 is "none" and fill 1 "gray125" by the format's rule, whatever they say.
    for (const int id : read.cellFillIds) {
        const bool known = id >= 2 && size_t(id) < read.fills.size();
        out.cells.push_back(known ? read.fills[size_t(id)] : ShownFill{});
    }
    out.rules = std::move(read.rules);
    out.palette = std::move(palette);
    return true;
}

} // namespace tess
