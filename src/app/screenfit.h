// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

class QMainWindow;
class QObject;

// A window of fixed layout on a screen smaller than it (a school laptop at 125 %, a large
// scale factor): its content goes into a scroll area and the window takes the screen's
// available size, so that every control can still be reached. On a screen big enough
// nothing changes. available: the screen's available area, in the window's own pixels.
// Returns whether the content now scrolls.
bool fitToScreen(QMainWindow &window, QRect available);

// Where a window's frame and title bar leave room: the most of a window of this size
// that fits into available.
QSize fittingSize(QSize window, QSize available);

// Every other window the program opens (the pixel viewer, help, the file dialogs, message
// boxes) is made to fit its screen's available area as it is shown, frame included: on
// a small screen or at a large scale factor it would else open partly off the screen,
// its buttons out of reach. Installed once on the application; owner keeps it.
void fitEveryWindowToScreen(QObject *owner);
