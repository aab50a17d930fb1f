// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

// The status bar's note after a conversion that reduced the picture, e.g.
// "Reduced from 4000 × 3000 to 1154 × 865: 998,210 rows".
QString reductionNote(QSize from, QSize to, qint64 rows);

// The heading of a picture drawn from a sheet: it names the file the data came from
// (its name only: the whole path would not fit the heading), or the table when the
// data never was in a file.
QString drawnTitle(const QString &sheetPath);
