// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the window while work is unsaved: a sheet converted from a picture and never
// saved, or a picture drawn from a sheet and never saved, would be lost without a word.

#include "mainwindow.h"

#include "dialogs.h"
#include "ui_mainwindow.h"

#include "text/usertexts.h"

bool MainWindow::mayClose()
{
    using tess::Text;
    // Work running now may be the save that settles it: asked again once it is done.
    if (document->busy()) {
        closeWhenDone = true;
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
                closeWhenDone = true;
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
