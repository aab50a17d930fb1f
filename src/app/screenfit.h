// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

class QMainWindow;

// A window of fixed layout on a screen smaller than it (a school laptop at 125 %, a large
// scale factor): its content goes into a scroll area and the window takes the screen's
// available size, so that every control can still be reached. On a screen big enough
// nothing changes. available: the screen's available area, in the window's own pixels.
// Returns whether the content now scrolls.
bool fitToScreen(QMainWindow &window, QRect available);

// Where a window's frame and title bar leave room: the most of a window of this size
// that fits into available.
QSize fittingSize(QSize window, QSize available);
