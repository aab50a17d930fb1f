// SPDX-License-Identifier: GPL-3.0-or-later
// A file named on the command line, as a file manager's "Open with" passes it: loaded by
// the same road as a file chosen in the matching dialog.

#include "mainwindow.h"

#include "dialogs.h"

#include "io/filekind.h"

#include <QFileInfo>

#include <memory>
#include <utility>

namespace {

// Answers the open question of one load with the given file, as if the user had picked
// it; every other question (the warning boxes) goes to the dialogs underneath.
class AnsweredOpen final : public Dialogs
{
public:
    AnsweredOpen(Dialogs &people, const QString &path)
        : m_people(people)
        , m_path(path)
    {
    }

    QString openFileName(QWidget *, const QString &, const QString &, const QString &, QString *) override
    {
        return std::exchange(m_path, QString());
    }

    QString saveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                         QString *selectedFilter) override
    {
        return m_people.saveFileName(parent, caption, dir, filter, selectedFilter);
    }

    void warning(QWidget *parent, const QString &title, const QString &text, const QString &informative) override
    {
        m_people.warning(parent, title, text, informative);
    }

    CloseAnswer askBeforeClosing(QWidget *parent, const QString &title, const QString &text) override
    {
        return m_people.askBeforeClosing(parent, title, text);
    }

private:
    Dialogs &m_people;
    QString m_path;
};

} // namespace

void MainWindow::openFile(const QString &path)
{
    // Absolute, as a file dialog returns it: the heading and the next dialog's folder.
    const QString chosen = QFileInfo(path).absoluteFilePath();
    if (tess::kindOfFile(chosen) != tess::FileKind::Picture) {
        // The user asked to see the sheet: it is drawn, as Spreadsheet to Image would.
        whenUnsavedSettled([this, chosen] {
            document->loadSheet(chosen);
            // Once it is read, and only if it was: a sheet that failed leaves the last one.
            document->whenDone([this, chosen] {
                if (document->sheetFile() == chosen)
                    convertSheet();
            });
        });
        return;
    }
    std::unique_ptr<Dialogs> people = std::move(dialogs);
    dialogs = std::make_unique<AnsweredOpen>(*people, chosen);
    on_loadImage_clicked();
    dialogs = std::move(people);
}
