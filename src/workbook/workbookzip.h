// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>

#include "model/outcome.h"

#include <memory>

class QuaZip;

namespace tess {

// Bounds on what one entry of a workbook's ZIP container may inflate to. A million-record
// sheet saved by a spreadsheet program is well under a gigabyte of XML; a ZIP bomb packs
// far more into far less, at ratios near deflate's limit of about 1,000 to 1.
inline constexpr qint64 WorkbookEntryLimit = qint64(2) << 30;
inline constexpr qint64 WorkbookRatioLimit = 250;
// The ratio is judged only past this much output: small parts full of repeated markup
// compress far better than a sheet, and cost nothing.
inline constexpr qint64 WorkbookRatioGrace = 16 << 20;
// QXmlStreamReader holds a text, a tag, a comment or a CDATA section whole in memory.
// A cell holds at most 32,767 characters, so no stretch of a workbook's XML between two
// pieces of markup needs more than this.
inline constexpr qint64 WorkbookMarkupStretchLimit = 1 << 20;

// Why a workbook cannot be read, in plain words: it is no valid sheet.
inline Result workbookRefused(const QString &why)
{
    return outcome(Status::SheetNotValid, why);
}

// An entry of the container, inflating as it is read. A read that returned -1 can say no
// more; why the reading stopped early (damaged data, a bound passed) is kept here, Done
// when it did not. The entry's reader asks it once a read has returned the end.
class WorkbookEntry : public QIODevice
{
public:
    bool isSequential() const override { return true; }
    const Result &result() const { return m_result; }

protected:
    // Keeps the first reason; -1, for readData to return.
    qint64 fail(const QString &why);

private:
    Result m_result;
};

// The ZIP container of a workbook, read from a device that can seek. Every entry is
// inflated through a device that refuses to go past the bounds above, so a hostile
// container costs time and memory in proportion to its own size at most.
class WorkbookArchive
{
public:
    explicit WorkbookArchive(QIODevice &device);
    ~WorkbookArchive();
    WorkbookArchive(const WorkbookArchive &) = delete;
    WorkbookArchive &operator=(const WorkbookArchive &) = delete;

    // Reads the container's directory; not Done when it is no ZIP.
    Result open();

    // Whether the container holds an entry of this name; part names ignore case.
    bool contains(const QString &name);

    // The names of the entries that are files, not folders.
    QStringList fileNames();

    // What an entry holds: a workbook's XML, whose stretches between pieces of markup are
    // bounded, or plain text (a CSV sheet packed alone), which has none and whose reader
    // bounds its own lines.
    enum class Holds { Xml, Text };
    // The named entry, open for reading; the reason instead when it is missing, encrypted,
    // stored in an unknown way or announced larger than the bound.
    Outcome<std::unique_ptr<WorkbookEntry>> openEntry(const QString &name, Holds holds = Holds::Xml);

    // How far into the container the reading has come, for progress reports.
    qint64 position() const;

private:
    class CountingDevice;
    std::unique_ptr<CountingDevice> m_counter;
    std::unique_ptr<QuaZip> m_zip;
};

} // namespace tess
