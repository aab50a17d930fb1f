// SPDX-License-Identifier: GPL-3.0-or-later
#include "following.h"

#include "convert/document.h"
#include "text/usertexts.h"

#include <QAction>
#include <QSettings>
#include <QWidget>

namespace {

const QString SettingKey = QStringLiteral("follow/files");

} // namespace

Following::Following(QWidget *window, tess::Document *document)
    : QObject(window)
    , m_document(document)
    , m_action(new QAction(tess::userText(tess::Text::Following), window))
{
    m_action->setObjectName(QStringLiteral("followFiles"));
    m_action->setCheckable(true);
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    m_action->setShortcutContext(Qt::WindowShortcut);
    m_action->setChecked(QSettings().value(SettingKey, true).toBool());
    window->addAction(m_action);
    m_document->setFollowing(enabled());
    connect(m_action, &QAction::toggled, this, [this](bool on) {
        QSettings().setValue(SettingKey, on);
        m_document->setFollowing(on);
    });
}

bool Following::enabled() const
{
    return m_action->isChecked();
}
