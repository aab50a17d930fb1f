// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/recordmemory.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace tess {

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

// Allocates records like std::allocator, but leaves records that a resize makes room for
// unset: the image scan resizes to a million records and writes every one of them at
// once, and zeroing them first would cost as much again. A record is a plain aggregate of
// integers, so its storage is all it needs; anything that resizes writes what it adds.
template <class T>
struct RecordAllocator
{
    using value_type = T;

    RecordAllocator() noexcept = default;
    template <class U>
    RecordAllocator(const RecordAllocator<U> &) noexcept
    {
    }

    T *allocate(std::size_t n)
    {
        if (n > std::size_t(-1) / sizeof(T))
            throw std::bad_alloc();
        return static_cast<T *>(tess::allocateRecordMemory(n * sizeof(T)));
    }
    void deallocate(T *p, std::size_t n) noexcept { tess::releaseRecordMemory(p, n * sizeof(T)); }

    template <class U>
    void construct(U *) noexcept
    {
    }
    template <class U, class... Args>
    void construct(U *p, Args &&...args)
    {
        std::construct_at(p, std::forward<Args>(args)...);
    }

    friend bool operator==(const RecordAllocator &, const RecordAllocator &) noexcept { return true; }
};

using PixelRecords = std::vector<PixelRecord, RecordAllocator<PixelRecord>>;

// Which three colour values a sheet carries and an image is drawn from.
enum class ColourModel { Rgb, Hsv };

// The three colour values of a model, as members of a record, and the names of their
// columns in a sheet: the one place that says which values RGB and HSV are.
struct ModelColumns
{
    int32_t PixelRecord::*member[3];
    const char *name[3];
};

constexpr ModelColumns modelColumns(ColourModel model)
{
    if (model == ColourModel::Rgb)
        return {{&PixelRecord::r, &PixelRecord::g, &PixelRecord::b}, {"r", "g", "b"}};
    return {{&PixelRecord::h, &PixelRecord::s, &PixelRecord::v}, {"h", "s", "v"}};
}

} // namespace tess
