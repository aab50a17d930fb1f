// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

// Files dropped on the window: one file is opened as "Open with" opens it (its content
// decides whether it is a picture or a sheet); several files, a folder, or a drop while
// work runs are refused, with the reason told.
// busy: whether work runs now.
void acceptFileDrops(QWidget &window, std::function<void(const QString &path)> open,
                     std::function<void(const QString &refusal)> refuse, std::function<bool()> busy);
