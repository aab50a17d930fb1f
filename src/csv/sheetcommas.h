// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/pixelrecord.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// Commas in a tab-separated file. There "," is the decimal mark, as in the Unicode text a
// spreadsheet program writes in much of Europe; but the same program in English writes
// 1199 as "1,199". A comma before exactly three digits is therefore read as a digit group
// when the rest of its column holds whole numbers only, and as the decimal mark when the
// column holds decimals or the sheet writes any with a comma ("0,5", "200,00"). Which the column holds is known only once it is read: a value
// read as a group is marked, and read again as a decimal at the end if need be.

namespace tess::sheet {

class TabCommas
{
public:
    enum class Form { None, OneGroup, Groups };

    // Whether [begin, end) is [blanks][sign]d{1,3}(,ddd)+[blanks], the first digit not 0,
    // within 32 bits; grouped is then the number with the commas dropped.
    static Form groupedForm(const char *begin, const char *end, int32_t &grouped);
    // "1,199" read with the comma as the decimal mark and rounded down, from 1199.
    static int32_t asDecimal(int32_t grouped);

    bool holdsDecimals(int slot) const { return m_decimalComma || m_columns[size_t(slot)].decimals; }
    void noteDecimal(int slot) { m_columns[size_t(slot)].decimals = true; }
    // A number whose comma cannot group digits: the sheet's comma is its decimal mark.
    void noteDecimalComma() { m_decimalComma = true; }

    // A cell of grouped form, read as its column stood; the first of a column is kept as the
    // example (text as UTF-8) until the line gives a record or is skipped.
    void noteCell(int slot, const char *begin, const char *end, int32_t grouped);
    // The line gave the record at index, read on line; the value of one group was read
    // as a decimal or not, as its column stood then.
    void commit(int slot, qint64 index, qint64 line, bool oneGroup, bool readAsDecimal);
    void dropLine();

    // Reads the marked values of columns that turned out to hold decimals again. Returns
    // whether x or y changed.
    bool settle(PixelRecords &out);

    bool any() const { return m_any; }
    qint64 groups() const;   // values read as grouped whole numbers
    qint64 decimals() const; // values of one group read as decimals
    QString groupExample() const;
    QString decimalExample() const;

private:
    struct Column
    {
        bool decimals = false;      // a value of the column is no whole number
        qint64 oneGroup = 0;        // values of one group, read as groups while !decimals
        qint64 asDecimal = 0;       // values of one group read as decimals at once
        qint64 groups = 0;          // values of two groups or more
        std::vector<bool> marked;   // records whose value was read as one group
        QByteArray pending;         // the line's cell, when it may become the example
        int32_t pendingValue = 0;
        QByteArray example;
        qint64 exampleLine = 0;
        int32_t exampleValue = 0;   // as a group
        bool exampleOneGroup = false;
    };
    QString example(bool decimal) const;

    std::array<Column, 9> m_columns;
    bool m_decimalComma = false;
    bool m_any = false;
};

} // namespace tess::sheet
