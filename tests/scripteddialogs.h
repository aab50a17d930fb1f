#pragma once

#include "dialogs.h"

#include <QList>
#include <QStringList>

// Answers the window's questions from a script and records every question asked.
class ScriptedDialogs final : public Dialogs
{
public:
    struct Question
    {
        QString kind; // "open", "save" or "warning"
        QString caption;
        QString dir;
        QString filter; // for a warning: its text
    };

    QStringList fileAnswers; // taken in order; an empty answer (or none left) is a cancel
    QList<Question> asked;

    QString openFileName(QWidget *, const QString &caption, const QString &dir,
                         const QString &filter) override
    {
        asked.append({QStringLiteral("open"), caption, dir, filter});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }

    QString saveFileName(QWidget *, const QString &caption, const QString &dir,
                         const QString &filter) override
    {
        asked.append({QStringLiteral("save"), caption, dir, filter});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }

    void warning(QWidget *, const QString &title, const QString &text) override
    {
        asked.append({QStringLiteral("warning"), title, QString(), text});
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
