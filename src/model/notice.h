// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

namespace tess {

// What the user is told while work goes on, which is no failure: the picture is reduced.
struct Notice
{
    enum class Kind {
        Reduced,                // to about a million pixels (or 60,000) for a pixel sheet
        ReducedForPictureSheet, // to the long edge a picture-shaped sheet allows
    };
    Kind kind = Kind::Reduced;
    QSize reducedTo; // the picture's size after the reduction, where the words name it
};

} // namespace tess
