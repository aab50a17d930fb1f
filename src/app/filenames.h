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

// Where the file dialogs start, which name a save suggests, and the files last used. Every
// dialog opens in the folder of the file last loaded or saved. Where a side's data came
// from is the document's (Origin); this holds only the places the user went.
class RecentPlaces
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

    // That folder with the base name of named (the file the data is named by, see
    // PictureSide::namedBy) and the suffix of filter.
    QString suggestion(const QString &named, const QString &filter) const;

    // Asks where to save data named by named: the dialog starts with the suggestion and
    // shows the type shown (empty: the first of filter); a name typed without a suffix gets
    // the chosen type's. Empty when the user cancelled.
    QString askSaveName(Dialogs &dialogs, QWidget *parent, const QString &named, const QString &caption,
                        const QString &filter, const QString &shown = QString(), QString *chosen = nullptr) const;

    // A file was loaded into, or saved from, that side; it heads the recent files.
    void remember(Side side, const QString &path);

    // The files last loaded or saved, newest first, at most RecentKept; those no longer
    // there are left out. Kept across runs as the folder is.
    static constexpr int RecentKept = 8;
    QStringList recent() const;

private:
    QString m_folder;
    QStringList m_recent; // when nothing is kept across runs
};
