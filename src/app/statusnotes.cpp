// SPDX-License-Identifier: GPL-3.0-or-later
#include "statusnotes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

QString reductionNote(QSize from, QSize to, qint64 rows)
{
    // Grouped digits, whatever the locale's default for them: a row count of seven
    // figures is read at a glance only in groups.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return QCoreApplication::translate("MainWindow", "Reduced from %1 \u00d7 %2 to %3 \u00d7 %4: %5 rows")
        .arg(from.width())
        .arg(from.height())
        .arg(to.width())
        .arg(to.height())
        .arg(locale.toString(rows));
}

QString drawnTitle(const QString &sheetPath)
{
    if (sheetPath.isEmpty())
        return QCoreApplication::translate("MainWindow", "Image: drawn from the table");
    const QString name = QFileInfo(sheetPath).fileName();
    return QCoreApplication::translate("MainWindow", "Image: drawn from %1").arg(name);
}
