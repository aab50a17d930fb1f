#include "helpwindow.h"

#include "text/usertexts.h"

#include <QAction>
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
        auto *closing = new QAction(help);
        closing->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
        QObject::connect(closing, &QAction::triggered, help, &QWidget::close);
        help->addAction(closing);
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
