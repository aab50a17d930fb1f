// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <utility>

// Answers the window's questions from a script and records every question asked.
class ScriptedDialogs final : public Dialogs
{
public:
    struct Question
    {
        QString kind; // "open", "save", "warning" or "close"
        QString caption;
        QString dir;
        QString filter; // for a warning: its text
        QString shownFilter; // the file type selected when the dialog opened
        QString informative; // a warning's reason under its text
    };

    QStringList fileAnswers; // taken in order; an empty answer (or none left) is a cancel
    QStringList typeAnswers; // file types chosen, in order; none left: the one shown stays
    // Taken in order; none left: Discard, so that a test about something else goes on with
    // its load or close over unsaved work (the question is still recorded).
    QList<CloseAnswer> closeAnswers;
    QList<Question> asked;
    // Runs once, while the next file dialog is open: what happens meanwhile, as a file
    // changing on disk while a person looks for a name.
    std::function<void()> whileAsked;

    QString openFileName(QWidget *, const QString &caption, const QString &dir,
                         const QString &filter, QString *selectedFilter = nullptr) override
    {
        return answer(QStringLiteral("open"), caption, dir, filter, selectedFilter);
    }

    QString saveFileName(QWidget *, const QString &caption, const QString &dir,
                         const QString &filter, QString *selectedFilter = nullptr) override
    {
        return answer(QStringLiteral("save"), caption, dir, filter, selectedFilter);
    }

    void warning(QWidget *, const QString &title, const QString &text, const QString &informative) override
    {
        asked.append({QStringLiteral("warning"), title, QString(), text, QString(), informative});
    }

    CloseAnswer askBeforeClosing(QWidget *, const QString &title, const QString &text) override
    {
        asked.append({QStringLiteral("close"), title, QString(), text, QString(), QString()});
        return closeAnswers.isEmpty() ? CloseAnswer::Discard : closeAnswers.takeFirst();
    }

    // As a file dialog does: it shows the type asked for, or else the first of the list.
    QString answer(const QString &kind, const QString &caption, const QString &dir, const QString &filter,
                   QString *selectedFilter)
    {
        QString shown = selectedFilter ? *selectedFilter : QString();
        if (shown.isEmpty())
            shown = filter.section(QStringLiteral(";;"), 0, 0).simplified();
        asked.append({kind, caption, dir, filter, shown, QString()});
        if (whileAsked)
            std::exchange(whileAsked, nullptr)();
        if (selectedFilter)
            *selectedFilter = typeAnswers.isEmpty() ? shown : typeAnswers.takeFirst();
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }

    QStringList warnings() const
    {
        QStringList out;
        for (const Question &q : asked)
            if (q.kind == QLatin1String("warning"))
                out.append(q.caption + QLatin1String(" / ") + q.filter);
        return out;
    }
};
