#pragma once

#include <QString>

namespace tess {

// What became of an operation of the core. Every failure has its own status; several
// share a message, since the window's warning boxes are fewer than the causes.
enum class Status {
    Done,
    // The image side.
    NoImageChosen,      // an open dialog was cancelled
    ImageUnreadable,    // missing, a folder, or no picture the decoders know
    ImageReduced,       // not a failure: a notice that the work goes on reduced
    ImageNotDrawn,      // the sheet's extent is empty or too large for a picture
    ImageNotSaved,
    // The spreadsheet side.
    NoSheetChosen,
    SheetCannotOpen,
    SheetNotValid,      // no header, or one without x or y
    SheetNoColourValues,
    SheetOutOfMemory,
    SheetNotSaved,
    NoRgbColumns,       // RGB asked for a sheet without r, g and b
    NoHsvColumns,
};

struct Result
{
    Status status = Status::Done;
    QString message; // the user's words, as the window's warning box shows them; empty when done
    QString detail;  // for the command line: the path and the reason ("s.csv: No space left on
                     // device", "s.csv: line 7: ..."); empty when there is nothing to add

    bool ok() const { return status == Status::Done; }
};

// The result of status with its message, and detail as given.
Result outcome(Status status, const QString &detail = QString());

// The title of the window's warning box for status.
QString warningTitle(Status status);

// "path: reason" for a detail line; empty without a reason.
QString pathDetail(const QString &path, const QString &reason);

// A sheet's path as a detail names it: "-" as the standard stream it stands for.
QString sheetPathName(const QString &path, bool reading);

} // namespace tess
