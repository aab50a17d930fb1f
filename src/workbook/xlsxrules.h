// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The conditional formats of an .xlsx worksheet, as far as they colour cells: rules that
// compare a cell's value with constants, and colour scales.

#include "colourscale.h"
#include "numbertest.h"

#include <QRgb>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

class QXmlStreamReader;

namespace tess {

struct XlsxStyles;

// A block of cells, both corners inclusive (columns and rows from 0).
struct CellBox
{
    int left = 0, top = 0, right = -1, bottom = -1;
    bool contains(int column, int row) const { return column >= left && column <= right && row >= top && row <= bottom; }
};

struct CellRule
{
    enum class Kind { Compare, Scale };
    Kind kind = Kind::Compare;
    int priority = 0;
    bool stopIfTrue = false;
    int range = 0; // which of the sheet's ranges it applies to
    QString compare; // the operator
    std::vector<double> operands;
    std::optional<NumberTest> test; // cellIs: the operator's test; none: one that never holds
    std::optional<QString> text;    // cellIs equal or notEqual with a quoted text: that text
    int style = -1; // the rule's dxf; -1 or out of range: it paints nothing
    std::vector<ColourStop> stops;
};

struct SheetRules
{
    std::vector<std::vector<CellBox>> ranges;
    std::vector<CellRule> rules;
    QStringList unread; // the ranges of rules of kinds not read
    qint64 boxes = 0;
};

// Reads one <conditionalFormatting> element, the reader at its start.
void readConditionalFormatting(QXmlStreamReader &xml, const XlsxStyles &styles, SheetRules &rules);

// Cells by row * 16384 + column, with the numbers they hold, and with the texts.
using CellNumbers = std::unordered_map<qint64, double>;
using CellTexts = std::unordered_map<qint64, QString>;

// Colours the cells holding numbers or texts as the rules say: paint is called with the
// cell's key and the colour shown by the rule that applies to it.
void applyRules(const SheetRules &rules, const XlsxStyles &styles, const CellNumbers &numbers,
                const std::function<void(qint64, QRgb)> &paint, const CellTexts &texts = {});

} // namespace tess
