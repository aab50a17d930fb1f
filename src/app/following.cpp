#include "following.h"

#include "text/usertexts.h"

#include <QAction>
#include <QSettings>
#include <QWidget>

namespace {

const QString SettingKey = QStringLiteral("follow/files");

} // namespace

Following::Following(QWidget *window)
    : QObject(window)
    , m_action(new QAction(tess::userText(tess::Text::Following), window))
{
    m_action->setObjectName(QStringLiteral("followFiles"));
    m_action->setCheckable(true);
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    m_action->setShortcutContext(Qt::WindowShortcut);
    m_action->setChecked(QSettings().value(SettingKey, true).toBool());
    window->addAction(m_action);
    connect(m_action, &QAction::toggled, this, [this](bool on) {
        QSettings().setValue(SettingKey, on);
        apply();
    });
    connect(&m_sheet, &tess::FileFollower::changed, this, &Following::sheetChanged);
    connect(&m_picture, &tess::FileFollower::changed, this, &Following::pictureChanged);
    connect(&m_sheet, &tess::FileFollower::removed, this, &Following::fileGone);
    connect(&m_picture, &tess::FileFollower::removed, this, &Following::fileGone);
}

bool Following::enabled() const
{
    return m_action->isChecked();
}

void Following::sheetIs(const QString &path)
{
    m_sheetPath = path;
    m_sheet.follow(enabled() ? path : QString());
}

void Following::pictureIs(const QString &path)
{
    m_picturePath = path;
    m_picture.follow(enabled() ? path : QString());
}

// Switched back on, the files are followed as they are now: what changed while the switch
// was off is not read behind the user's back.
void Following::apply()
{
    sheetIs(m_sheetPath);
    pictureIs(m_picturePath);
}
