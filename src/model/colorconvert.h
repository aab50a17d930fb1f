// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>

namespace tess {

struct Hsv
{
    int h; // 0..359, or -1 for a colour without hue
    int s; // 0..255
    int v; // 0..255
};

// RGB (each 0..255) to HSV, exactly as the toolkit's colour class computed it in
// double precision on 16-bit channels. Sheets written by any build compare equal.
Hsv rgbToHsv(int r, int g, int b) noexcept;

// HSV to an opaque QRgb, the exact inverse path of the same colour class.
// h -1 (or s 0) gives the grey of brightness v. A triple outside h -1..359,
// s 0..255, v 0..255 gives opaque black, silently.
QRgb hsvToRgb(int h, int s, int v) noexcept;

} // namespace tess
