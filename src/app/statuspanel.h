// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Pieces of the status panel that the window's slots share with the panel itself.
namespace panel {

// The two sides of the window, as markLoaded() and its siblings name them.
inline const QString ImageSide = QStringLiteral("image");
inline const QString SheetSide = QStringLiteral("spreadsheet");

// Shows the tick of a status indicator: the one to be seen first, then the other hidden.
void showTick(QWidget *tick, QWidget *cross);
void showCross(QWidget *tick, QWidget *cross);

} // namespace panel
