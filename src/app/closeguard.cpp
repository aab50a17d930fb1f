// Closing the window while work is unsaved: a sheet converted from a picture and never
// saved, or a picture drawn from a sheet and never saved, would be lost without a word.

#include "mainwindow.h"

#include "dialogs.h"
#include "statusnotes.h"
#include "ui_mainwindow.h"

#include "text/usertexts.h"

bool MainWindow::mayClose()
{
    using tess::Text;
    const bool sheetUnsaved = convertedFromImage && !ui->ss_memory_pos->isHidden() && ui->ss_save_pos->isHidden();
    // A picture loaded from a file is in that file; one drawn is named after its sheet.
    const bool drawn = ui->imageBox->title() == drawnTitle(places.source(FilePlaces::Image));
    const bool pictureUnsaved = drawn && !ui->image_memory_pos->isHidden() && ui->image_save_pos->isHidden();

    const auto settle = [this](Text question, QAbstractButton *save, QWidget *savedTick) {
        switch (dialogs->askBeforeClosing(this, tess::userText(Text::UnsavedWork), tess::userText(question))) {
        case Dialogs::CloseAnswer::Discard:
            return true;
        case Dialogs::CloseAnswer::Save:
            save->click();
            return !savedTick->isHidden(); // a cancelled or failed save keeps the window
        case Dialogs::CloseAnswer::Cancel:
            break;
        }
        return false;
    };
    if (sheetUnsaved && !settle(Text::SaveSheetBeforeClosing, ui->saveSheet, ui->ss_save_pos))
        return false;
    if (pictureUnsaved && !settle(Text::SavePictureBeforeClosing, ui->saveImage, ui->image_save_pos))
        return false;
    return true;
}
