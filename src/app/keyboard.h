// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Ui_MainWindow;

// Makes the window usable without a mouse: the pixel table becomes a read-only view
// that Tab leaves again, Tab walks the buttons in the order of the work (load,
// convert, choose the model, save; then the way back), and every action has a
// shortcut.
void setUpKeyboard(Ui_MainWindow &ui);
