// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindow.h"

#include "text/usertexts.h"

#include <QAction>
#include <QKeySequence>
#include <QRegularExpression>
#include <QMessageBox>
#include <QTextBrowser>

namespace {

// The help's table names the keys as written in the sources ("Ctrl+Right"); the user
// reads them as the menus and tooltips do, in the desktop's words ("Strg+Rechts").
QString keysInUserWords(QString help)
{
    static const QRegularExpression cell(QStringLiteral("<td>([A-Za-z0-9+ /]+)</td>"));
    QString out;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : cell.globalMatch(help)) {
        QStringList keys = match.captured(1).split(QStringLiteral(" / "));
        static const QRegularExpression keyName(QStringLiteral("^((Ctrl|Shift|Alt|Meta)\\+)+\\w+$|^F\\d{1,2}$"));
        for (QString &key : keys) {
            if (!keyName.match(key).hasMatch())
                continue;
            const QKeySequence sequence = QKeySequence::fromString(key, QKeySequence::PortableText);
            if (!sequence.isEmpty())
                key = sequence.toString(QKeySequence::NativeText);
        }
        out += help.mid(from, match.capturedStart(1) - from) + keys.join(QStringLiteral(" / "));
        from = match.capturedEnd(1);
    }
    return out + help.mid(from);
}

} // namespace

QString helpText()
{
    return keysInUserWords(tess::userText(tess::Text::HelpText));
}

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
        help->setHtml(helpText());
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
