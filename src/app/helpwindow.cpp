// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindow.h"

#include "text/usertexts.h"

#include <QMessageBox>
#include <QTextBrowser>

void showHelp(QWidget *window)
{
    // One help window: F1 again brings it forward.
    auto *help = window->findChild<QTextBrowser *>(QStringLiteral("helpWindow"), Qt::FindDirectChildrenOnly);
    if (!help) {
        help = new QTextBrowser(window);
        help->setObjectName(QStringLiteral("helpWindow"));
        help->setWindowFlag(Qt::Window);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->setWindowTitle(tess::userText(tess::Text::HelpTitle));
        help->setAccessibleName(tess::userText(tess::Text::HelpTitle));
        help->setHtml(tess::userText(tess::Text::HelpText));
        help->resize(560, 640);
    }
    help->show();
    help->raise();
    help->activateWindow();
}

void showAbout(QWidget *window)
{
    QMessageBox::about(window, tess::userText(tess::Text::AboutTitle),
                       tess::userText(tess::Text::AboutText)
                           .arg(QStringLiteral(TESSARINE_VERSION), QStringLiteral(TESSARINE_LICENCE)));
}
