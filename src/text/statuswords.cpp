// SPDX-License-Identifier: GPL-3.0-or-later
#include "statuswords.h"

#include "usertexts.h"

namespace tess {

namespace {

struct Words
{
    Text title;
    Text message;
};

// Several statuses share their words, since the window's warning boxes are fewer than the
// causes.
Words wordsFor(Status status)
{
    switch (status) {
    case Status::Done:
        break;
    case Status::NoImageChosen:
        return {Text::FailedLoading, Text::NoImageLoaded};
    case Status::ImageUnreadable:
        return {Text::FailedLoading, Text::InvalidImageFormat};
    case Status::ImageOutOfMemory:
        return {Text::FailedLoading, Text::ImageOutOfMemory};
    case Status::ConversionOutOfMemory:
        return {Text::Warning, Text::ConversionOutOfMemory};
    case Status::DrawingOutOfMemory:
        return {Text::Warning, Text::DrawingOutOfMemory};
    case Status::SaveOutOfMemory:
        return {Text::Warning, Text::SaveOutOfMemory};
    case Status::Stopped:
        return {Text::Warning, Text::WorkStopped};
    case Status::ImageNotDrawn:
        return {Text::Warning, Text::PictureTooLarge};
    case Status::ImageNotSaved:
        return {Text::Warning, Text::ImageNotSaved};
    case Status::NoSheetChosen:
        return {Text::FailedLoading, Text::NoSpreadsheetLoaded};
    case Status::SheetMissing:
        return {Text::FailedLoading, Text::SheetFileMissing};
    case Status::SheetCannotOpen:
    case Status::SheetNotValid:
        return {Text::InvalidSheet, Text::NotValidSheet};
    case Status::SheetNoColourValues:
        return {Text::InvalidSheet, Text::NoColourValues};
    case Status::SheetOutOfMemory:
        return {Text::FailedLoading, Text::SheetOutOfMemory};
    case Status::SheetNotSaved:
        return {Text::Warning, Text::SpreadsheetNotSaved};
    case Status::NoRgbColumns:
        return {Text::InvalidSheet, Text::NoRgbColumns};
    case Status::NoHsvColumns:
        return {Text::InvalidSheet, Text::NoHsvColumns};
    }
    return {Text::Warning, Text::Warning};
}

} // namespace

QString statusMessage(Status status)
{
    return status == Status::Done ? QString() : userText(wordsFor(status).message);
}

QString warningTitle(Status status)
{
    return status == Status::Done ? QString() : userText(wordsFor(status).title);
}

QString noticeMessage(const Notice &notice)
{
    if (notice.kind == Notice::Kind::ReducedForPictureSheet)
        return userText(Text::PictureSheetReduced).arg(notice.reducedTo.width()).arg(notice.reducedTo.height());
    return userText(Text::MillionWarning);
}

QString noticeTitle()
{
    return userText(Text::MaxSizeReached);
}

} // namespace tess
