// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class Dialogs;
class QWidget;

// The suffix a file-type filter stands for: "Png (*.png)" gives "png". A filter that
// names no suffix or several ("All files (*)", "Images (*.png *.jpg)") gives "".
QString filterSuffix(const QString &filter);

// A name typed without a suffix gets the one of the file type chosen with it: "result"
// saved as "Png (*.png)" is "result.png". Names with a suffix, and empty names (a
// cancelled dialog), come back unchanged.
QString withFilterSuffix(const QString &name, const QString &filter);

// Where the file dialogs start and which name a save suggests. Every dialog opens in the
// folder of the file last loaded or saved; each side remembers the file its data came
// from, so that a picture converted from photo.jpg is offered as photo.csv.
class FilePlaces
{
public:
    enum Side { Image, Sheet };

    // The folder of the file last loaded or saved. Before the first one: the folder
    // remembered from the last run, if any, else the user's Pictures folder for a picture
    // and Documents for a sheet.
    QString folder(Side side) const;

    // Whether the last folder is kept across runs (QSettings): the program does, tests
    // start from nothing unless they ask.
    static void rememberAcrossRuns(bool on);

    // That folder with the base name of the side's file and the suffix of filter.
    QString suggestion(Side side, const QString &filter) const;

    // Asks where to save the side's data: the dialog starts with the suggestion and shows
    // the type shown (empty: the first of filter); a name typed without a suffix gets the
    // chosen type's. Empty when the user cancelled.
    QString askSaveName(Dialogs &dialogs, QWidget *parent, Side side, const QString &caption,
                        const QString &filter, const QString &shown = QString(), QString *chosen = nullptr) const;

    // A file was loaded into, or saved from, that side; it heads the recent files.
    void remember(Side side, const QString &path);

    // The files last loaded or saved, newest first, at most RecentKept; those no longer
    // there are left out. Kept across runs as the folder is.
    static constexpr int RecentKept = 8;
    QStringList recent() const;

    // The side's data was made from the other side's: it now carries that file's name.
    void derive(Side side);

    // The file the side's data came from, as remembered; empty when none.
    QString source(Side side) const;
    // The side's data is again what came from path (a step taken back); the folder stays.
    void setSource(Side side, const QString &path) { m_source[side] = path; }

private:
    QString m_folder;
    QString m_source[2];
    QStringList m_recent; // when nothing is kept across runs
};
