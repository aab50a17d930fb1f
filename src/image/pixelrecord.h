#pragma once

#include <cstdint>
#include <vector>

// One pixel of the pixel data: its position and its colour in both models.
// h is -1 for a colour without hue (greys); a is carried but never drawn.
struct PixelRecord
{
    int32_t x = 0;
    int32_t y = 0;
    int32_t r = 0;
    int32_t g = 0;
    int32_t b = 0;
    int32_t a = 0;
    int32_t h = 0;
    int32_t s = 0;
    int32_t v = 0;

    friend bool operator==(const PixelRecord &, const PixelRecord &) = default;
};

static_assert(sizeof(PixelRecord) == 9 * sizeof(int32_t), "PixelRecord must stay nine packed integers");

using PixelRecords = std::vector<PixelRecord>;

namespace tess {

// Which three colour values a sheet carries and an image is drawn from.
enum class ColourModel { Rgb, Hsv };

} // namespace tess
