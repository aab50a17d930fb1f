// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace tess {
class Document;
}

// The switch for following the files the window shows while other programs save them:
// a checkable action, remembered across runs. The following itself is the document's.
class Following : public QObject
{
    Q_OBJECT

public:
    // The switch goes into window's actions (so its shortcut works anywhere in it) and
    // into the status bar as a button.
    Following(QWidget *window, tess::Document *document);

    QAction *action() const { return m_action; }
    bool enabled() const;

private:
    tess::Document *m_document;
    QAction *m_action;
};
