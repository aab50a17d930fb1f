// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The RGB to HSV conversion in a form the image scan can inline: no division and no
// data-dependent branch. colorconvert.cpp explains why it gives exactly the results of
// the double-precision arithmetic; the full-table digest in tst_colorconvert proves it
// for every colour.

#include "colorconvert.h"

#include <array>
#include <cstdint>

namespace tess::detail {

// Reported saturation for every (max, min) pair of 8-bit channels, max >= min.
using SaturationTable = std::array<std::array<uint8_t, 256>, 256>;
extern const SaturationTable saturationByMaxMin;

// floor(n / (200 * delta)) == (n * hueReciprocal[delta]) >> 42 for 0 <= n < 2^25:
// the reciprocal is rounded up by e < 200 * delta < 2^16, and n * e < 2^41 keeps the
// error below one unit of the quotient's fraction.
inline constexpr int HueShift = 42;
inline constexpr std::array<uint64_t, 256> hueReciprocal = [] {
    std::array<uint64_t, 256> table{};
    for (uint64_t delta = 1; delta < 256; ++delta)
        table[delta] = ((uint64_t(1) << HueShift) + 200 * delta - 1) / (200 * delta);
    return table;
}();

// max and min of small integers by arithmetic: compilers turn std::max of three into
// a branch often enough.
constexpr int larger(int a, int b) noexcept
{
    const int d = a - b;
    return a - (d & (d >> 31));
}

constexpr int smaller(int a, int b) noexcept
{
    const int d = a - b;
    return b + (d & (d >> 31));
}

inline Hsv rgbToHsvInline(int r, int g, int b) noexcept
{
    // Written with masks rather than branches: on a photo which channel is largest
    // changes from pixel to pixel, and mispredicted branches would cost more than the
    // arithmetic.
    const int max = larger(larger(r, g), b);
    const int min = smaller(smaller(r, g), b);
    const int delta = max - min;
    const int redMask = -int(r == max);                   // red first when tied
    const int greenMask = -int(g == max) & ~redMask;
    const int blueMask = ~(redMask | greenMask);
    // hue = n / delta plus a sector offset, in hundredths of a degree: red gives
    // (g - b) / delta, plus 360 degrees when negative; green 120 + (b - r) / delta;
    // blue 240 + (r - g) / delta.
    const int redN = g - b;
    const int n = (redN & redMask) | ((b - r) & greenMask) | ((r - g) & blueMask);
    const int base = ((redN >> 31) & 36000 & redMask) | (12000 & greenMask) | (24000 & blueMask);
    // reported hue = floor((6000 * n / delta + base + 0.5) / 100); 0 <= numerator < 2^25
    const uint64_t numerator = uint32_t(12000 * n + (2 * base + 1) * delta);
    const int hue = int((numerator * hueReciprocal[delta]) >> HueShift);
    // A grey has delta 0, so numerator 0 and hue 0, made -1 here; its table saturation is 0.
    return {hue | -int(delta == 0), saturationByMaxMin[max][min], max};
}

} // namespace tess::detail
