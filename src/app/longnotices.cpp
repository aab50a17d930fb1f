// SPDX-License-Identifier: GPL-3.0-or-later
#include "longnotices.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QStatusBar>

#include <algorithm>

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("LongNotices", source);
}

class WholeNotices final : public QObject
{
public:
    explicit WholeNotices(QStatusBar &bar)
        : QObject(&bar), m_bar(bar), m_more(new QLabel(&bar))
    {
        m_more->setObjectName(QStringLiteral("wholeMessage"));
        m_more->setText(QStringLiteral("<a href=\"more\">%1</a>").arg(text(QT_TRANSLATE_NOOP("LongNotices", "More…"))));
        m_more->setToolTip(text(QT_TRANSLATE_NOOP("LongNotices", "Show the whole message")));
        m_more->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        m_more->setFocusPolicy(Qt::TabFocus);
        m_bar.insertPermanentWidget(0, m_more);
        m_more->hide();
        connect(m_more, &QLabel::linkActivated, this, &WholeNotices::showWhole);
        connect(&m_bar, &QStatusBar::messageChanged, this, &WholeNotices::check);
        m_bar.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            check();
        return false;
    }

private:
    // The room the message has: up to the first permanent widget other than the link.
    int room() const
    {
        int right = m_bar.width();
        for (QWidget *child : m_bar.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (child != m_more && child->isVisibleTo(&m_bar) && child->x() > 0 && !child->inherits("QSizeGrip"))
                right = std::min(right, child->x());
        return right - m_more->sizeHint().width() - 12;
    }

    void check()
    {
        const QString message = m_bar.currentMessage();
        m_whole = message;
        m_more->setVisible(!message.isEmpty() && m_bar.fontMetrics().horizontalAdvance(message) > room());
    }

    void showWhole()
    {
        if (m_box)
            m_box->close();
        auto *box = new QMessageBox(QMessageBox::Information, text(QT_TRANSLATE_NOOP("LongNotices", "Message")), m_whole,
                                    QMessageBox::Close, m_bar.window());
        box->setObjectName(QStringLiteral("wholeMessageBox"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse);
        box->open();
        m_box = box;
    }

    QStatusBar &m_bar;
    QLabel *m_more;
    QString m_whole;
    QPointer<QMessageBox> m_box;
};

} // namespace

void offerWholeNotices(QStatusBar &bar)
{
    new WholeNotices(bar);
}
