// SPDX-License-Identifier: GPL-3.0-or-later
#include "colorconvert_p.h"

// The arithmetic below follows the colour class of the toolkit's earlier releases step
// by step: 16-bit channels, double precision, round-half-up, and 16-bit results brought
// back to eight bits by rounding x / 257 to nearest. Neither x >> 8 nor x / 257
// truncated reproduces the old sheets. The order of operations matters too: the same
// formula rearranged gives different answers on tens of thousands of colours.

namespace tess {

namespace {

constexpr double Max16 = 65535.0;

// qRound for the non-negative values that occur here.
constexpr int roundNonNegative(double d) noexcept
{
    return int(d + 0.5);
}

// |delta| <= 1e-12
constexpr bool fuzzyIsNull(double d) noexcept
{
    return (d < 0 ? -d : d) <= 0.000000000001;
}

// round(x / 257) for 0 <= x <= 65535, in the toolkit's integer form.
constexpr int to8Bit(int x) noexcept
{
    return (x + 128) / 257;
}

} // namespace

// RGB to HSV, as the colour class did it:
//   r, g, b = c * 257 / 65535.0; max, min; delta = max - min
//   value16 = round(max * 65535)                      -> reported as value16 / 257 = max
//   grey (delta fuzzy-null, i.e. zero here)           -> hue -1, saturation 0
//   saturation16 = round(delta / max * 65535)         -> reported rounded / 257
//   hue = (g - b) / delta, 2 + (b - r) / delta or 4 + (r - g) / delta, by which channel
//         is max (red first), times 60, plus 360 when negative; hue100 = round(hue * 100)
//         reported as hue100 / 100.
// Saturation has exact halves (33/34 * 65535 = 63607.5) where only the double rounding
// decides, so it is tabulated from the double formula, at compile time. The hue is
// computed exactly in integers instead: reported h = floor((X + 0.5) / 100) with
// X = 6000 * n / delta + base, and (2X + 1) / 200 never lands on a whole number (its
// denominator would need both 2^5 and 5^3 from a delta below 256), so every hue is at
// least 1/51000 of a degree away from a rounding boundary, where double error is 1e-12.
namespace detail {
namespace {

constexpr int doubleSaturation(int max8, int min8) noexcept
{
    const double max = max8 * 257 / Max16;
    const double min = min8 * 257 / Max16;
    const double delta = max - min;
    if (fuzzyIsNull(delta))
        return 0;
    return to8Bit(roundNonNegative(delta / max * Max16));
}

constexpr SaturationTable makeSaturationTable() noexcept
{
    SaturationTable table{};
    for (int max = 0; max < 256; ++max) {
        for (int min = 0; min <= max; ++min)
            table[max][min] = uint8_t(doubleSaturation(max, min));
    }
    return table;
}

} // namespace

constinit const SaturationTable saturationByMaxMin = makeSaturationTable();

} // namespace detail

Hsv rgbToHsv(int r, int g, int b) noexcept
{
    return detail::rgbToHsvInline(r & 0xff, g & 0xff, b & 0xff);
}

QRgb hsvToRgb(int h, int s, int v) noexcept
{
    if (h < -1 || h > 359 || s < 0 || s > 255 || v < 0 || v > 255)
        return 0xff000000u;

    const int s16 = s * 257;
    const int v16 = v * 257;
    if (s16 == 0 || h == -1) {
        const int grey = to8Bit(v16);
        return qRgb(grey, grey, grey);
    }

    const double hh = h * 100 / 6000.0;
    const double sd = s16 / Max16;
    const double vd = v16 / Max16;
    const int i = int(hh);
    const double f = hh - i;
    const double p = vd * (1.0 - sd);

    double red = 0;
    double green = 0;
    double blue = 0;
    if (i & 1) {
        const double q = vd * (1.0 - sd * f);
        switch (i) {
        case 1: red = q; green = vd; blue = p; break;
        case 3: red = p; green = q; blue = vd; break;
        default: red = vd; green = p; blue = q; break; // 5
        }
    } else {
        const double t = vd * (1.0 - sd * (1.0 - f));
        switch (i) {
        case 0: red = vd; green = t; blue = p; break;
        case 2: red = p; green = vd; blue = t; break;
        default: red = t; green = p; blue = vd; break; // 4
        }
    }
    return qRgb(to8Bit(roundNonNegative(red * Max16)),
                to8Bit(roundNonNegative(green * Max16)),
                to8Bit(roundNonNegative(blue * Max16)));
}

} // namespace tess
