// SPDX-License-Identifier: GPL-3.0-or-later
#include "xlsxstyles.h"

#include "cellcolours.h"
#include "saxparser.h"

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

class ThemeReader : public sax::Handler
{
public:
    ThemeColours colours {};

protected:
    void start(sax::Name local, const sax::Attributes &attributes) override
    {
        static const char *const names[12] = { "lt1", "dk1", "lt2", "dk2", "accent1", "accent2", "accent3",
                                               "accent4", "accent5", "accent6", "hlink", "folHlink" };
        for (int i = 0; i < 12; ++i) {
            if (local == names[i])
                m_current = i;
        }
        const bool rgb = local == "srgbClr";
        if (m_current >= 0 && (rgb || local == "sysClr")) {
            colours[size_t(m_current)] = attributes.valueOf(rgb ? "val" : "lastClr").toUInt(nullptr, 16) & 0xFFFFFF;
            m_current = -1;
        }
    }
    void end(sax::Name) override {}

private:
    int m_current = -1;
};

struct PatternRead
{
    QByteArray type;
    std::optional<XlsxColour> foreground, background;
};

ShownFill shown(const PatternRead &p, bool rule, const XlsxPalette &palette)
{
    ShownFill fill;
    const std::optional<QRgb> foreground = p.foreground ? p.foreground->shown(palette) : std::nullopt;
    const std::optional<QRgb> background = p.background ? p.background->shown(palette) : std::nullopt;
    // A conditional format's solid fill keeps its colour in bgColor.
    const std::optional<QRgb> solid = rule ? (background ? background : foreground) : foreground;
    const double share = patternShare(std::string_view(p.type.constData(), size_t(p.type.size())));
    if ((rule && p.type.isEmpty() && solid) || share >= 1) {
        fill.painted = solid.has_value();
        fill.colour = solid.value_or(0xFFFFFF);
        return fill;
    }
    if (share <= 0 || !foreground)
        return fill;
    fill.painted = true;
    fill.dithered = true;
    fill.faint = share < 0.25;
    fill.colour = blendPattern(*foreground, background.value_or(0xFFFFFF), share);
    return fill;
}

// The fills, the cell styles' fills and the conditional formats' fills, as the part gives
// them: the palette they refer to may come before or after them.
class StylesReader : public sax::Handler
{
public:
    std::vector<PatternRead> fills;
    std::vector<int> cellFillIds;
    std::vector<PatternRead> rules;
    std::vector<QRgb> ownColours;
    bool tooMany = false;

protected:
    void start(sax::Name local, const sax::Attributes &a) override
    {
        if (local == "fills" || local == "cellXfs" || local == "dxfs") {
            m_inFills = local == "fills";
            m_inCellXfs = local == "cellXfs";
            m_inDxfs = local == "dxfs";
        } else if (local == "fill" || local == "dxf") {
            m_pattern = PatternRead {};
        } else if (local == "patternFill") {
            m_pattern.type = a.valueOf("patternType").toByteArray();
        } else if (local == "fgColor") {
            m_pattern.foreground = XlsxColour::of(a);
        } else if (local == "bgColor") {
            m_pattern.background = XlsxColour::of(a);
        } else if (local == "xf" && m_inCellXfs) {
            cellFillIds.push_back(a.valueOf("fillId").toInt());
        } else if (local == "rgbColor" && ownColours.size() < StyleLimit) {
            ownColours.push_back(a.valueOf("rgb").toUInt(nullptr, 16) & 0xFFFFFF);
        }
        checkCount();
    }

    void end(sax::Name local) override
    {
        if (local == "fills" || local == "cellXfs" || local == "dxfs")
            m_inFills = m_inCellXfs = m_inDxfs = false;
        else if (local == "fill" && m_inFills)
            fills.push_back(m_pattern);
        else if (local == "dxf" && m_inDxfs)
            rules.push_back(m_pattern);
        checkCount();
    }

private:
    void checkCount()
    {
        if (fills.size() + cellFillIds.size() + rules.size() > StyleLimit) {
            tooMany = true;
            stop();
        }
    }

    bool m_inFills = false, m_inCellXfs = false, m_inDxfs = false;
    PatternRead m_pattern;
};

} // namespace

XlsxColour XlsxColour::of(const sax::Attributes &a)
{
    XlsxColour colour;
    // Present attributes are never null, even when empty.
    if (const QByteArrayView rgb = a.valueOf("rgb"); !rgb.isNull()) {
        colour.kind = Kind::Rgb;
        colour.value = rgb.toUInt(nullptr, 16) & 0xFFFFFF; // the alpha is not shown
    } else if (const QByteArrayView theme = a.valueOf("theme"); !theme.isNull()) {
        colour.kind = Kind::Theme;
        colour.value = theme.toUInt();
        colour.tint = a.valueOf("tint").toDouble();
    } else if (const QByteArrayView indexed = a.valueOf("indexed"); !indexed.isNull()) {
        colour.kind = Kind::Indexed;
        colour.value = indexed.toUInt();
    }
    return colour;
}

std::optional<QRgb> XlsxColour::shown(const XlsxPalette &palette) const
{
    switch (kind) {
    case Kind::Rgb:
        return value;
    case Kind::Theme:
        if (value >= palette.theme.size())
            return std::nullopt;
        return applyTint(palette.theme[value], tint);
    case Kind::Indexed:
        if (value < palette.indexed.size())
            return palette.indexed[value];
        return std::nullopt;
    case Kind::None:
        break;
    }
    return std::nullopt;
}

bool readXlsxStyles(const QByteArray &styles, const QByteArray &theme, XlsxStyles &out, QString &why)
{
    out = XlsxStyles {};
    why.clear();
    XlsxPalette palette;
    if (ThemeReader colours; !theme.isEmpty() && colours.parse(theme))
        palette.theme.assign(colours.colours.begin(), colours.colours.end());
    StylesReader read;
    if (!read.parse(styles)) {
        if (!read.tooMany)
            why = read.error();
        return false;
    }
    out.ownPalette = !read.ownColours.empty();
    if (out.ownPalette) {
        palette.indexed = std::move(read.ownColours);
    } else {
        const auto &standard = defaultIndexedColours();
        palette.indexed.assign(standard.begin(), standard.end());
    }
    // Each fill is worked out once, however many cell styles use it. Fill 0 is "none" and
    // fill 1 "gray125" by the format's rule, whatever they say.
    std::vector<ShownFill> fills;
    fills.reserve(read.fills.size());
    for (const PatternRead &pattern : read.fills)
        fills.push_back(shown(pattern, false, palette));
    out.cells.reserve(read.cellFillIds.size());
    for (const int id : read.cellFillIds) {
        const bool known = id >= 2 && size_t(id) < fills.size();
        out.cells.push_back(known ? fills[size_t(id)] : ShownFill {});
    }
    for (const PatternRead &pattern : read.rules)
        out.rules.push_back(shown(pattern, true, palette));
    out.palette = std::move(palette);
    return true;
}

} // namespace tess
