// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QStatusBar;

// A status message too long for the room the status bar gives it gets a "More…" link
// beside it, which opens the whole message in a window of its own; the link goes when
// the message fits again, after a shorter message or a wider window.
void offerWholeNotices(QStatusBar &bar);
