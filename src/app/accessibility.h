// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;
class Ui_MainWindow;

// What a screen reader says of each control, and a focus ring that can be seen: every
// control gets an accessible name (and a description where the name is not enough), the
// tick and cross pictures say what they mean, the buttons' tooltips what they do.
void describeControls(Ui_MainWindow &ui);

// Draws a ring of two pixels in the highlight colour around the button, check box, radio
// button or table that has the focus, whatever the platform style shows of it.
void showFocusClearly(QWidget &window);
