// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include "filenames.h"

#include "model/outcome.h"
#include "text/statuswords.h"

#include <QFileDialog>
#include <QMessageBox>

QString QtDialogs::openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                const QString &filter, QString *selectedFilter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter, selectedFilter);
}

QString QtDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                const QString &filter, QString *selectedFilter)
{
    // The static getSaveFileName has no default suffix; the same dialog built by hand
    // (native where the platform has one, as the static function would) does.
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (selectedFilter && !selectedFilter->isEmpty())
        dialog.selectNameFilter(*selectedFilter);
    dialog.setDefaultSuffix(filterSuffix(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString &chosen) { dialog.setDefaultSuffix(filterSuffix(chosen)); });
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    if (selectedFilter)
        *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().value(0);
}

void QtDialogs::warning(QWidget *parent, const QString &title, const QString &text, const QString &informative)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setDefaultButton(QMessageBox::NoButton);
    box.setInformativeText(informative);
    box.exec();
}

Dialogs::CloseAnswer QtDialogs::askBeforeClosing(QWidget *parent, const QString &title, const QString &text)
{
    // Save first and the default, as the desktop's own programs ask; Escape cancels.
    const QMessageBox::StandardButton answer = QMessageBox::warning(
        parent, title, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    switch (answer) {
    case QMessageBox::Save:
        return CloseAnswer::Save;
    case QMessageBox::Discard:
        return CloseAnswer::Discard;
    default:
        return CloseAnswer::Cancel;
    }
}

bool warnFailed(Dialogs &dialogs, QWidget *parent, const tess::Result &result)
{
    if (result.ok())
        return false;
    dialogs.warning(parent, tess::warningTitle(result.status), tess::statusMessage(result.status), result.detail);
    return true;
}
