// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheetreader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>

#include <vector>

// The lines before the data: an optional "sep=X" line naming the separator, then the
// header, whose single-letter names say which column holds which value.

namespace tess::sheet {

// Index of each column's value in a record taken as nine int32 (see PixelRecord).
enum RecordSlot { SlotX = 0, SlotY = 1, SlotR = 2, SlotG = 3, SlotB = 4, SlotH = 6, SlotS = 7, SlotV = 8 };
inline constexpr int NotRead = -1;

// The header name of a record slot, for messages.
inline QChar slotName(int slot)
{
    static constexpr char16_t Names[] = u"xyrgbahsv";
    return QChar(Names[slot]);
}

// What the data loop needs to know from the header.
struct SheetLayout
{
    QByteArray separator;
    bool decimalComma = false; // "," is the decimal mark
    bool tabCommas = false;    // tab-separated: "," before three digits may group them
    std::vector<int> slotOf;   // column (up to width) -> record slot, or NotRead
    int width = 0;             // columns up to the last one that is read
    int lastNeeded = 0;        // the later of the x and y columns
};

// The separator a first line "sep=X" names; empty when the line is no such line.
// The line is cut as by any one of ",", ";" and tab.
QByteArray separatorLine(QByteArrayView line);

// The separator a header line without a "sep=" line before it uses: "," when it holds
// one, else ";", else a tab, else ",".
QByteArray headerSeparator(QByteArrayView line);

// The bytes that may separate the fields of a first line.
inline constexpr char FirstLineSeparators[] = ",;\t";

// Reads the header line: its columns go into info whether or not data may follow. The
// layout for the data loop when it may; else the refusal (SheetNotValid without x or y,
// SheetNoColourValues without a colour column) with the names found as its detail.
Outcome<SheetLayout> readHeader(QByteArrayView line, const QByteArray &separator, SheetInfo &info);

} // namespace tess::sheet
