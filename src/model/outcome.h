// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <new>
#include <optional>
#include <utility>

namespace tess {

// What became of an operation of the core. Every failure has its own status; the user's
// words for it are looked up at the edge (text/statuswords.h).
enum class Status {
    Done,
    // The image side.
    NoImageChosen,      // an open dialog was cancelled
    ImageUnreadable,    // missing, a folder, or no picture the decoders know
    ImageOutOfMemory,   // a picture the decoders know, too large for the memory there is
    ConversionOutOfMemory,
    ImageNotDrawn,      // the sheet's extent is empty or too large for a picture
    DrawingOutOfMemory, // an extent a picture may have, too large for the memory there is
    ImageNotSaved,
    // The spreadsheet side.
    NoSheetChosen,
    SheetMissing,       // no file of that name
    SheetCannotOpen,
    SheetNotValid,      // no header, or one without x or y
    SheetNoColourValues,
    SheetOutOfMemory,
    SheetNotSaved,
    NoRgbColumns,       // RGB asked for a sheet without r, g and b
    NoHsvColumns,
    // Either side.
    SaveOutOfMemory,
    Stopped,            // asked to stop before it was done: nothing was made or written
};

// Done, or why not: the one shape in which the core says that something failed.
struct Result
{
    Status status = Status::Done;
    QString detail; // for the command line: the path and the reason ("s.csv: No space left on
                    // device", "s.csv: line 7: ..."); empty when there is nothing to add

    bool ok() const { return status == Status::Done; }
};

// The result of status, with detail as given.
inline Result outcome(Status status, const QString &detail = QString())
{
    return Result{status, detail};
}

// work(), a Result; memory running out on the way (std::bad_alloc from a large block, or
// from a thread of the work's that passed it on) becomes the failure status.
template <class Work>
Result unlessOutOfMemory(Status status, Work &&work)
{
    try {
        return work();
    } catch (const std::bad_alloc &) {
        return outcome(status);
    }
}

// A value, or the failure that left none.
template <class T>
class Outcome
{
public:
    Outcome(T value)
        : m_value(std::move(value))
    {
    }
    Outcome(Result failure)
        : m_result(std::move(failure))
    {
    }

    bool ok() const { return m_value.has_value(); }
    const T &value() const & { return *m_value; }
    T &value() & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    // Done when there is a value.
    const Result &result() const { return m_result; }

private:
    std::optional<T> m_value;
    Result m_result;
};

} // namespace tess
