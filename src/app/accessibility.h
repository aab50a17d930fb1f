// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QStatusBar;
class QTableWidget;

class QWidget;
class Ui_MainWindow;

// What a screen reader says of each control, and a focus ring that can be seen: every
// control gets an accessible name (and a description where the name is not enough), the
// tick and cross pictures say what they mean, the buttons' tooltips what they do.
void describeControls(Ui_MainWindow &ui);

// The table's column headers, hidden, are what a screen reader names a cell's column by:
// they carry the captions of row 0 (x, y, r, g, b or h, s, v) instead of 1 to 5.
void nameColumnsAfterCaptions(QTableWidget &table);

// The status bar's message, which a person sees cut off at the window's edge, whole in
// its tooltip and accessible description, and announced as it changes.
void exposeStatusMessages(QStatusBar &bar);

// Draws a ring of two pixels in the highlight colour around the button, check box, radio
// button or table that has the focus, whatever the platform style shows of it.
void showFocusClearly(QWidget &window);
