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

inline Hsv rgbToHsvInline(int r, int g, int b) noexcept
{
    const int max = r > g ? (r > b ? r : b) : (g > b ? g : b);
    const int min = r < g ? (r < b ? r : b) : (g < b ? g : b);
    const int delta = max - min;
    const bool redMax = r == max;
    const bool greenMax = g == max;
    // hue = n / delta plus a sector offset, in hundredths of a degree: red (first when
    // tied) gives (g - b) / delta, plus 360 degrees when negative; green 120 + (b - r);
    // blue 240 + (r - g).
    const int n = redMax ? g - b : (greenMax ? b - r : r - g);
    const int base = redMax ? (n < 0 ? 36000 : 0) : (greenMax ? 12000 : 24000);
    // reported hue = floor((6000 * n / delta + base + 0.5) / 100); 0 <= numerator < 2^25
    const uint64_t numerator = uint32_t(12000 * n + (2 * base + 1) * delta);
    const int hue = int((numerator * hueReciprocal[delta]) >> HueShift);
    // a grey has delta 0: numerator 0, table saturation 0
    return {delta == 0 ? -1 : hue, saturationByMaxMin[max][min], max};
}

} // namespace tess::detail
