// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The conditional formats of an .xlsx worksheet, as far as they colour cells: rules that
// compare a cell's value with constants, and colour scales.

#include "colourscale.h"
#include "numbertest.h"
#include "saxnames.h"
#include "xlsxsheet.h"

#include <QByteArray>
#include <QRgb>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace tess {

struct XlsxStyles;

// A block of cells, both corners inclusive (columns and rows from 0).
struct CellBox
{
    int left = 0, top = 0, right = -1, bottom = -1;
    bool contains(int column, int row) const { return column >= left && column <= right && row >= top && row <= bottom; }
};

// "B12" as column 1, row 11; false when it is no cell's name.
bool cellAt(std::string_view reference, int &column, int &row);

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

// Reads the <conditionalFormatting> elements of a worksheet from the events of its XML:
// the worksheet's reader hands over every event from such an element's start to its end.
class RulesReader
{
public:
    RulesReader(const XlsxStyles &styles, SheetRules &rules) : m_styles(styles), m_rules(rules) {}

    // Whether the events belong to a <conditionalFormatting> element begun.
    bool reading() const { return m_depth > 0; }
    void start(sax::Name local, const sax::Attributes &attributes);
    void end();
    void text(QByteArrayView piece);

private:
    void startRule(const sax::Attributes &attributes);
    void startInScale(sax::Name local, const sax::Attributes &attributes);
    void endRule();

    const XlsxStyles &m_styles;
    SheetRules &m_rules;
    int m_depth = 0;           // 1 inside <conditionalFormatting>, 2 inside one of its rules
    QString m_sqref;
    std::vector<CellBox> m_boxes;
    bool m_unread = false;     // a rule of the element is of a kind not read
    CellRule m_rule;
    bool m_inRule = false;     // inside a <cfRule>, not another element
    bool m_known = false;      // the rule is of a kind read
    bool m_inFormula = false;  // gathering a <formula>'s text
    bool m_inScale = false;    // inside the rule's <colorScale>
    size_t m_colours = 0;      // the scale's colours read so far
    QByteArray m_formula;
};

// Cells by row * 16384 + column, with the numbers they hold; one entry a cell.
using CellNumbers = std::vector<std::pair<qint64, double>>;

// Cells holding texts (typed codes), each with where its text is: the workbook's shared
// texts or the sheet's own, so that no cell needs a string of its own.
struct CellTexts
{
    // Cell key, and the text: an index into shared, or -1 - an index into own.
    std::vector<std::pair<qint64, qint64>> cells;
    SharedTexts own { {}, { 0 } };
    const SharedTexts *shared = nullptr;

    void addShared(qint64 key, qint64 index) { cells.emplace_back(key, index); }
    void addOwn(qint64 key, QByteArrayView text);
    // The text of cells[i]; empty when it refers to no shared text.
    QByteArrayView text(size_t i) const;
    size_t size() const { return cells.size(); }
};

// Colours the cells holding numbers or texts as the rules say: paint is called with the
// cell's key and the colour shown by the rule that applies to it.
void applyRules(const SheetRules &rules, const XlsxStyles &styles, const CellNumbers &numbers,
                const std::function<void(qint64, QRgb)> &paint, const CellTexts &texts = {});

} // namespace tess
