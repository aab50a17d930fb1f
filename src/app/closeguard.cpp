// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the window, or loading a file over work that is unsaved: a sheet converted from
// a picture and never saved, or a picture drawn from a sheet and never saved, would be
// lost without a word.

#include "mainwindow.h"

#include "dialogs.h"
#include "ui_mainwindow.h"

#include "text/usertexts.h"

// Asked again once the work queued is done; not when it failed or was stopped, and not
// twice when the window was closed meanwhile.
void MainWindow::askCloseWhenIdle()
{
    document->whenDone([this] {
        if (isVisible())
            close();
    });
}

bool MainWindow::mayClose()
{
    using tess::Text;
    // Work running now may be the save that settles it: asked again once it is done.
    if (document->busy()) {
        askCloseWhenIdle();
        return false;
    }
    // A sheet read from a file is in that file, a picture likewise; converted or drawn
    // data is in none until it is saved.
    const bool sheetUnsaved = document->hasSheet() && !document->sheetSaved();
    const bool pictureUnsaved = document->hasPicture() && !document->pictureSaved();

    const auto settle = [this](Text question, QAbstractButton *save, bool (tess::Document::*saved)() const) {
        switch (dialogs->askBeforeClosing(this, tess::userText(Text::UnsavedWork), tess::userText(question))) {
        case Dialogs::CloseAnswer::Discard:
            return true;
        case Dialogs::CloseAnswer::Save:
            save->click();
            if (document->busy()) {
                askCloseWhenIdle();
                return false;
            }
            return (document->*saved)(); // a cancelled or failed save keeps the window
        case Dialogs::CloseAnswer::Cancel:
            break;
        }
        return false;
    };
    if (sheetUnsaved && !settle(Text::SaveSheetBeforeClosing, ui->saveSheet, &tess::Document::sheetSaved))
        return false;
    if (pictureUnsaved && !settle(Text::SavePictureBeforeClosing, ui->saveImage, &tess::Document::pictureSaved))
        return false;
    return true;
}

void MainWindow::whenUnsavedSettled(std::function<void()> then, bool askSheet, bool askPicture)
{
    using tess::Text;
    // A load replaces both sides: the one loaded, and the other, made from it no more.
    const auto settle = [&](Text question, QAbstractButton *save, bool (tess::Document::*saved)() const,
                            bool nextSheet, bool nextPicture) {
        switch (dialogs->askBeforeClosing(this, tess::userText(Text::UnsavedWork), tess::userText(question))) {
        case Dialogs::CloseAnswer::Discard:
            whenUnsavedSettled(std::move(then), nextSheet, nextPicture);
            break;
        case Dialogs::CloseAnswer::Save:
            save->click();
            // Once the save is done; a cancelled or failed save loads nothing.
            document->whenDone([this, then = std::move(then), saved, nextSheet, nextPicture]() mutable {
                if ((document->*saved)())
                    whenUnsavedSettled(std::move(then), nextSheet, nextPicture);
            });
            break;
        case Dialogs::CloseAnswer::Cancel:
            break;
        }
    };
    if (askSheet && document->hasSheet() && !document->sheetSaved())
        return settle(Text::SaveSheetBeforeLoading, ui->saveSheet, &tess::Document::sheetSaved, false, askPicture);
    if (askPicture && document->hasPicture() && !document->pictureSaved())
        return settle(Text::SavePictureBeforeLoading, ui->saveImage, &tess::Document::pictureSaved, false, false);
    then();
}
