// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/notice.h"
#include "model/outcome.h"

#include <QString>

namespace tess {

// The user's words for what the core says: a status, as the window's warning box shows it
// and the command line prints it first; empty for Status::Done.
QString statusMessage(Status status);

// The title of the window's warning box for status; empty for Status::Done.
QString warningTitle(Status status);

// The words of a notice, and the title of the box that shows it.
QString noticeMessage(const Notice &notice);
QString noticeTitle();

} // namespace tess
