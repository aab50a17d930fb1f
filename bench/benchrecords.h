// SPDX-License-Identifier: GPL-3.0-or-later
// The million records both sheet benchmarks write and read: a 1000 x 1000 picture of noise,
// the same every run.
#pragma once

#include "model/pixelrecord.h"

#include <QRandomGenerator>

using tess::PixelRecord;
using tess::PixelRecords;

inline PixelRecords makeRecords()
{
    PixelRecords records;
    records.reserve(1000000);
    QRandomGenerator random(2024);
    for (int x = 0; x < 1000; ++x) {
        for (int y = 0; y < 1000; ++y) {
            PixelRecord p;
            p.x = x;
            p.y = y;
            p.r = int(random.bounded(256));
            p.g = int(random.bounded(256));
            p.b = int(random.bounded(256));
            p.a = 255;
            p.h = int(random.bounded(-1, 360));
            p.s = int(random.bounded(256));
            p.v = int(random.bounded(256));
            records.push_back(p);
        }
    }
    return records;
}
