// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colours an .xlsx workbook's fills are given in, turned into the colour a cell shows.

#include <QRgb>

#include <array>
#include <string_view>

namespace tess {

// The 64 colours an "indexed" colour refers to when the workbook brings no palette of its
// own. 64 and 65 are the system's foreground and background, which paint nothing.
const std::array<QRgb, 64> &defaultIndexedColours();

// A theme colour lightened (tint > 0) or darkened (tint < 0) as the workbook format says:
// in hue, lightness and saturation, the lightness moved towards white or black by the tint.
QRgb applyTint(QRgb colour, double tint);

// The share of the foreground colour a pattern fill shows, by its patternType: "solid" 1,
// "darkGray" 0.75, "mediumGray" 0.5, "lightGray" 0.25, "gray125" 0.125, "gray0625" 0.0625;
// any other pattern (stripes, grids) about half; 0 for "none" and for no pattern.
double patternShare(std::string_view patternType);

// The foreground over the background by that share, as the eye sees a fine pattern.
QRgb blendPattern(QRgb foreground, QRgb background, double share);

} // namespace tess
