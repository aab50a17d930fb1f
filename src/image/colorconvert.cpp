#include "colorconvert.h"

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

constexpr double absolute(double d) noexcept
{
    return d < 0 ? -d : d;
}

// |p1 - p2| * 1e12 <= min(|p1|, |p2|)
constexpr bool fuzzyCompare(double p1, double p2) noexcept
{
    const double a1 = absolute(p1);
    const double a2 = absolute(p2);
    return absolute(p1 - p2) * 1000000000000. <= (a1 < a2 ? a1 : a2);
}

} // namespace

Hsv rgbToHsv(int r8, int g8, int b8) noexcept
{
    const double r = (r8 & 0xff) * 257 / Max16;
    const double g = (g8 & 0xff) * 257 / Max16;
    const double b = (b8 & 0xff) * 257 / Max16;
    const double max = r > g ? (r > b ? r : b) : (g > b ? g : b);
    const double min = r < g ? (r < b ? r : b) : (g < b ? g : b);
    const double delta = max - min;
    const int value16 = roundNonNegative(max * Max16);
    if (fuzzyIsNull(delta))
        return {-1, 0, to8Bit(value16)};

    const int saturation16 = roundNonNegative(delta / max * Max16);
    double hue = 0;
    if (fuzzyCompare(r, max))
        hue = (g - b) / delta;
    else if (fuzzyCompare(g, max))
        hue = 2.0 + (b - r) / delta;
    else
        hue = 4.0 + (r - g) / delta;
    hue *= 60.0;
    if (hue < 0.0)
        hue += 360.0;
    const int hue100 = roundNonNegative(hue * 100);
    return {hue100 / 100, to8Bit(saturation16), to8Bit(value16)};
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
