// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

// F1: a short help window beside the main window (not modal, so that the lesson can go on
// while it is open), and the About box.
void showHelp(QWidget *window);
void showAbout(QWidget *window);

// The help's text, its keys named in the user's language as the menus name them.
QString helpText();
