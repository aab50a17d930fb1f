#pragma once

#include "convert/filefollower.h"

#include <QObject>
#include <QString>

class QAction;
class QWidget;

// Which files the window follows while other programs save them, and whether it may: the
// sheet's file (the one loaded from or last saved to) and the picture's. What a change
// means for the data is the window's to decide; this only knows the files and the switch.
class Following : public QObject
{
    Q_OBJECT

public:
    // The switch goes into window's actions (so its shortcut works anywhere in it) and
    // into the status bar as a button.
    explicit Following(QWidget *window);

    QAction *action() const { return m_action; }
    bool enabled() const;

    // The side's data is now that file's (loaded from it or saved to it); empty: no file.
    void sheetIs(const QString &path);
    void pictureIs(const QString &path);
    QString sheetPath() const { return m_sheetPath; }
    QString picturePath() const { return m_picturePath; }

signals:
    void sheetChanged(const QString &path);
    void pictureChanged(const QString &path);
    void fileGone(const QString &path);

private:
    void apply();

    tess::FileFollower m_sheet;
    tess::FileFollower m_picture;
    QString m_sheetPath;
    QString m_picturePath;
    QAction *m_action;
};
