// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace tess {
struct Result;
}

// Everything the window asks of the user goes through this interface, so that
// tests can answer in place of a person.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // An empty string means the user cancelled. dir is the folder to start in, or a path
    // whose file name is suggested. selectedFilter, when given, names the file type shown
    // first (empty: the first of filter) and receives the one the user chose.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter, QString *selectedFilter = nullptr) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter, QString *selectedFilter = nullptr) = 0;

    // A modal warning box with a single OK button and no default button. informative, when
    // given, is the reason under the fixed text (the core's words: "No space left on device").
    virtual void warning(QWidget *parent, const QString &title, const QString &text,
                         const QString &informative = QString()) = 0;

    // Asked before unsaved work would be lost, on closing or loading over it:
    // "Save … before closing?", "Save … before loading another file?".
    enum class CloseAnswer { Save, Discard, Cancel };
    virtual CloseAnswer askBeforeClosing(QWidget *parent, const QString &title, const QString &text) = 0;
};

// The toolkit's own file dialogs and message box. A name typed into the save dialog
// without a suffix gets the suffix of the chosen type before the dialog checks whether
// the file exists, so that it asks about the file that will really be replaced.
class QtDialogs final : public Dialogs
{
public:
    QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter, QString *selectedFilter = nullptr) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter, QString *selectedFilter = nullptr) override;
    void warning(QWidget *parent, const QString &title, const QString &text,
                 const QString &informative = QString()) override;
    CloseAnswer askBeforeClosing(QWidget *parent, const QString &title, const QString &text) override;
};

// The warning box of a failed result: its status's fixed text, and under it the core's
// reason. True when there was one to show.
bool warnFailed(Dialogs &dialogs, QWidget *parent, const tess::Result &result);
