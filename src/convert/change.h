// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a piece of work did to one side of the document, in words both sides share, so that
// whoever shows the sides needs no knowledge of the kinds of work.

#include "model/outcome.h"

#include <QString>

namespace tess {

struct Change
{
    enum class How {
        Read,      // read from its file, as the user asked
        Made,      // made from the other side
        Written,   // written to its file
        ReadAgain, // read again because another program saved the file
    };
    How how = How::Read;
    // A reading again by the file follower was not asked for, and its failure asks for no box.
    bool asked = true;
    Result result;
    QString path;
    // For a reading again: making the other side again from what was read.
    Result remade;
};

} // namespace tess
