// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>

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

    // Reads the container's directory; false (with failure() set) when it is no ZIP.
    bool open();

    // Whether the container holds an entry of this name; part names ignore case.
    bool contains(const QString &name);

    // The names of the entries that are files, not folders.
    QStringList fileNames();

    // The named entry, open for reading; null (with failure() set) when it is missing,
    // encrypted, stored in an unknown way or announced larger than the bound.
    std::unique_ptr<QIODevice> openEntry(const QString &name);

    // How far into the container the reading has come, for progress reports.
    qint64 position() const;

    // Why the container or an entry was refused, in plain words.
    QString failure() const { return m_failure; }
    void setFailure(const QString &failure);

private:
    class CountingDevice;
    std::unique_ptr<CountingDevice> m_counter;
    std::unique_ptr<QuaZip> m_zip;
    QString m_failure;
};

} // namespace tess
