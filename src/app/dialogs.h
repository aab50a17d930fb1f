#pragma once

#include <QString>

class QWidget;

// Everything the window asks of the user goes through this interface, so that
// tests can answer in place of a person.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // An empty string means the user cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter) = 0;

    // A modal warning box with a single OK button and no default button.
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
};

// The toolkit's own static file dialogs and message box.
class QtDialogs final : public Dialogs
{
public:
    QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;
};
