// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellcolours.h"

#include <algorithm>
#include <cmath>

namespace tess {

const std::array<QRgb, 64> &defaultIndexedColours()
{
    static const std::array<QRgb, 64> colours = {
        0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
        0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
        0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
        0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,
        0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
        0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
        0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,
        0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
    };
    return colours;
}

namespace {

struct Hls
{
    double hue = 0;       // 0 to 6, in sixths of the circle
    double lightness = 0; // 0 to 1
    double saturation = 0;
};

Hls toHls(QRgb colour)
{
    const double r = qRed(colour) / 255.0, g = qGreen(colour) / 255.0, b = qBlue(colour) / 255.0;
    const double high = std::max({ r, g, b }), low = std::min({ r, g, b });
    Hls hls;
    hls.lightness = (high + low) / 2;
    const double range = high - low;
    if (range <= 0)
        return hls; // a grey: no hue, no saturation
    hls.saturation = range / (1 - std::abs(2 * hls.lightness - 1));
    if (high == r)
        hls.hue = std::fmod((g - b) / range + 6, 6);
    else if (high == g)
        hls.hue = (b - r) / range + 2;
    else
        hls.hue = (r - g) / range + 4;
    return hls;
}

QRgb fromHls(const Hls &hls)
{
    const double chroma = (1 - std::abs(2 * hls.lightness - 1)) * hls.saturation;
    const double second = chroma * (1 - std::abs(std::fmod(hls.hue, 2) - 1));
    const double low = hls.lightness - chroma / 2;
    double r = 0, g = 0, b = 0;
    switch (int(hls.hue) % 6) {
    case 0: r = chroma, g = second; break;
    case 1: r = second, g = chroma; break;
    case 2: g = chroma, b = second; break;
    case 3: g = second, b = chroma; break;
    case 4: r = second, b = chroma; break;
    default: r = chroma, b = second; break;
    }
    const auto byte = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return qRgb(byte(r + low), byte(g + low), byte(b + low));
}

} // namespace

QRgb applyTint(QRgb colour, double tint)
{
    if (!std::isfinite(tint) || tint == 0)
        return colour & 0xFFFFFF;
    tint = std::clamp(tint, -1.0, 1.0);
    Hls hls = toHls(colour);
    hls.lightness = tint < 0 ? hls.lightness * (1 + tint) : hls.lightness * (1 - tint) + tint;
    return fromHls(hls) & 0xFFFFFF;
}

double patternShare(std::string_view patternType)
{
    if (patternType == "solid")
        return 1;
    if (patternType == "darkGray")
        return 0.75;
    if (patternType == "mediumGray")
        return 0.5;
    if (patternType == "lightGray")
        return 0.25;
    if (patternType == "gray125")
        return 0.125;
    if (patternType == "gray0625")
        return 0.0625;
    if (patternType.empty() || patternType == "none")
        return 0;
    return 0.5;
}

QRgb blendPattern(QRgb foreground, QRgb background, double share)
{
    const auto mix = [share](int f, int b) { return int(std::lround(f * share + b * (1 - share))); };
    return qRgb(mix(qRed(foreground), qRed(background)), mix(qGreen(foreground), qGreen(background)),
                mix(qBlue(foreground), qBlue(background))) & 0xFFFFFF;
}

} // namespace tess
