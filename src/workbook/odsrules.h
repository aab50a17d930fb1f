// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ranges and the conditional formats of an .ods table, as Calc writes them.

#include "numbertest.h"

#include <QList>
#include <QString>
#include <QXmlStreamAttributes>

#include <optional>

namespace tess::ods {

inline const QString CalcExtNs = QStringLiteral("urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0");
// No count of repeated rows or cells goes beyond this, so that sums of them never overflow.
constexpr qint64 RepeatCap = qint64(1) << 40;

// Cells from left, top up to (not including) right, bottom.
struct CellBlock
{
    qint64 left, top, right, bottom;
};

// "Sheet1.$B$2" as column 1, row 1; false when it is no cell address.
bool cellAddress(QStringView text, qint64 &column, qint64 &row);

// The blocks of a range address as Calc writes it: "Sheet1.A1:Sheet1.P16 Sheet1.R2".
QList<CellBlock> rangeBlocks(QStringView address);

// A range address without its sheet's name: "Sheet1.A1:Sheet1.E3" as "A1:E3".
QString cellsNamed(QStringView address);

// A conditional format's rule on a cell's number: "=3", "!=0", ">5", "<=2", "between(1,4)".
// Or on its text: "=\"A\"", "!=\"A\"".
struct ValueRule
{
    NumberTest test;
    std::optional<QString> text; // a test of the text against this one
    QString style;

    bool meets(double v) const { return !text && test.meets(v); }
    // As a spreadsheet compares texts: without regard to case.
    bool meets(const QString &cell) const
    {
        return text && (text->compare(cell, Qt::CaseInsensitive) == 0) == (test.kind == NumberTest::Kind::Equal);
    }
};

// Reads a condition of the kinds that compare the cell's number or text with a constant;
// false for others (formulas, duplicates), which colour nothing here.
bool valueRule(const QXmlStreamAttributes &attributes, ValueRule &rule);

} // namespace tess::ods
