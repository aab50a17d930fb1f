// SPDX-License-Identifier: GPL-3.0-or-later
#include "xlsxrules.h"

#include "xlsxsheet.h"
#include "xlsxstyles.h"

#include <algorithm>
#include <type_traits>

namespace tess {

bool cellAt(std::string_view reference, int &column, int &row)
{
    const qint64 c = cellColumn(reference);
    const size_t digits = reference.find_first_of("0123456789");
    if (c < 0 || digits == std::string_view::npos)
        return false;
    const qint64 r = rowNumber(reference.substr(digits));
    if (r < 1 || r > 1048576)
        return false;
    column = int(c);
    row = int(r - 1);
    return true;
}

namespace {

// No sheet a person formats holds more rules or ranges than this; a file with more is
// read as though its rules were of a kind not read.
constexpr qint64 RuleLimit = 1024;
// Cells times the rules they are tried against: beyond this the rules would cost seconds.
constexpr qint64 RuleWorkLimit = 64 << 20;

// A formula of a rule read is a number: far longer, it is none.
constexpr qsizetype FormulaLimit = 1024;

std::string_view viewOf(const QByteArray &text)
{
    return std::string_view(text.constData(), size_t(text.size()));
}

// "B2:K9 M3" as its blocks; whole rows or columns ("A:A") as far as a sheet reaches.
std::vector<CellBox> boxesOf(QStringView sqref)
{
    std::vector<CellBox> boxes;
    for (const QStringView part : sqref.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype colon = part.indexOf(u':');
        QString first = part.left(colon < 0 ? part.size() : colon).toString().remove(u'$');
        QString last = colon < 0 ? first : part.mid(colon + 1).toString().remove(u'$');
        if (!first.isEmpty() && first.back().isLetter())
            first += u'1', last += QStringLiteral("1048576");
        else if (!first.isEmpty() && first.front().isDigit())
            first.prepend(u'A'), last.prepend(QStringLiteral("XFD"));
        CellBox box;
        const QByteArray from = first.toLatin1(), to = last.toLatin1();
        if (cellAt(viewOf(from), box.left, box.top) && cellAt(viewOf(to), box.right, box.bottom)) {
            if (box.left > box.right)
                std::swap(box.left, box.right);
            if (box.top > box.bottom)
                std::swap(box.top, box.bottom);
            boxes.push_back(box);
        }
    }
    return boxes;
}

// The test a cellIs rule's operator names; none for an operator no program writes, which
// then never holds.
std::optional<NumberTest> testOf(const CellRule &rule)
{
    using Kind = NumberTest::Kind;
    static const std::pair<const char16_t *, Kind> Operators[] = {
        { u"equal", Kind::Equal },       { u"notEqual", Kind::NotEqual },
        { u"greaterThan", Kind::Greater }, { u"lessThan", Kind::Less },
        { u"greaterThanOrEqual", Kind::AtLeast }, { u"lessThanOrEqual", Kind::AtMost },
        { u"between", Kind::Between },   { u"notBetween", Kind::NotBetween },
    };
    for (const auto &[name, kind] : Operators) {
        if (rule.compare == QStringView(name))
            return NumberTest::of(kind, rule.operands[0], rule.operands.size() > 1 ? rule.operands[1] : 0);
    }
    return std::nullopt;
}

bool holds(const CellRule &rule, double v)
{
    return rule.test && rule.test->meets(v);
}

// A spreadsheet compares texts without regard to case.
bool holds(const CellRule &rule, QByteArrayView text)
{
    if (!rule.text)
        return false;
    const bool equal = QAnyStringView::compare(QUtf8StringView(text), *rule.text, Qt::CaseInsensitive) == 0;
    return rule.compare == u"equal" ? equal : !equal;
}

bool inRange(const std::vector<CellBox> &boxes, qint64 key)
{
    const int column = int(key % 16384), row = int(key / 16384);
    return std::any_of(boxes.begin(), boxes.end(), [&](const CellBox &b) { return b.contains(column, row); });
}

ColourScale scaleOf(const CellRule &rule, const std::vector<CellBox> &boxes, const CellNumbers &numbers)
{
    std::vector<CountedValue> values;
    for (const auto &[key, value] : numbers) {
        if (inRange(boxes, key))
            values.push_back({ value, 1 });
    }
    return ColourScale(rule.stops, std::move(values));
}

} // namespace

void RulesReader::start(sax::Name local, const sax::Attributes &attributes)
{
    switch (++m_depth) {
    case 1: // the <conditionalFormatting> itself
        m_sqref = QString::fromUtf8(attributes.valueOf("sqref"));
        m_boxes = boxesOf(m_sqref);
        m_unread = false;
        break;
    case 2:
        m_inRule = local == "cfRule";
        if (m_inRule)
            startRule(attributes);
        break;
    case 3:
        m_inFormula = m_inRule && local == "formula";
        m_inScale = m_inRule && local == "colorScale";
        m_formula.clear();
        m_colours = 0;
        break;
    case 4:
        if (m_inScale)
            startInScale(local, attributes);
        break;
    default:
        break;
    }
}

void RulesReader::startRule(const sax::Attributes &a)
{
    m_rule = CellRule {};
    m_rule.range = int(m_rules.ranges.size());
    const QByteArrayView type = a.valueOf("type"), stopIfTrue = a.valueOf("stopIfTrue");
    m_rule.priority = a.valueOf("priority").toInt();
    m_rule.stopIfTrue = stopIfTrue == "1" || stopIfTrue == "true";
    bool hasStyle = false;
    m_rule.style = a.valueOf("dxfId").toInt(&hasStyle);
    if (!hasStyle)
        m_rule.style = -1;
    m_rule.compare = QString::fromUtf8(a.valueOf("operator"));
    m_rule.kind = type == "colorScale" ? CellRule::Kind::Scale : CellRule::Kind::Compare;
    m_known = type == "cellIs" || type == "colorScale";
}

void RulesReader::startInScale(sax::Name local, const sax::Attributes &a)
{
    if (local == "cfvo" && m_rule.stops.size() < 3) {
        m_rule.stops.push_back({ QString::fromUtf8(a.valueOf("type")), a.valueOf("val").toDouble() });
    } else if (local == "color" && m_colours < m_rule.stops.size()) {
        m_rule.stops[m_colours++].colour = XlsxColour::of(a).shown(m_styles.palette).value_or(0xFFFFFF);
    }
}

void RulesReader::text(QByteArrayView piece)
{
    if (m_inFormula && m_depth == 3 && m_formula.size() <= FormulaLimit)
        m_formula.append(piece);
}

void RulesReader::end()
{
    switch (m_depth--) {
    case 1:
        if (m_unread && !m_rules.unread.contains(m_sqref))
            m_rules.unread << m_sqref;
        m_rules.boxes += qint64(m_boxes.size());
        m_rules.ranges.push_back(std::move(m_boxes));
        m_boxes = {};
        break;
    case 2:
        if (m_inRule)
            endRule();
        m_inRule = false;
        break;
    case 3:
        if (m_inFormula) {
            bool number = false;
            const QByteArray formula = m_formula.size() <= FormulaLimit ? m_formula.trimmed() : QByteArray();
            m_rule.operands.push_back(formula.toDouble(&number));
            if (!number && m_rule.operands.size() == 1)
                m_rule.text = quotedText(QString::fromUtf8(formula));
            m_known = m_known && (number || m_rule.text);
        }
        // A scale whose stops do not all have their colour is none.
        if (m_inScale && m_colours != m_rule.stops.size())
            m_rule.stops.clear();
        m_inFormula = m_inScale = false;
        break;
    default:
        break;
    }
}

// A rule is kept when it is of a kind read, and the sheet's rules stay within bounds.
void RulesReader::endRule()
{
    const size_t wanted = m_rule.compare == u"between" || m_rule.compare == u"notBetween" ? 2 : 1;
    bool known = m_known;
    if (m_rule.kind == CellRule::Kind::Compare) {
        known = known && m_rule.operands.size() == wanted;
        if (known && m_rule.text) // a text is only ever equal to a typed code or not
            known = m_rule.compare == u"equal" || m_rule.compare == u"notEqual";
        else if (known)
            m_rule.test = testOf(m_rule);
    } else {
        known = known && m_rule.stops.size() >= 2;
    }
    if (known && qint64(m_rules.rules.size()) < RuleLimit && m_rules.boxes + qint64(m_boxes.size()) <= RuleLimit)
        m_rules.rules.push_back(std::move(m_rule));
    else
        m_unread = true;
}
void CellTexts::addOwn(qint64 key, QByteArrayView text)
{
    cells.emplace_back(key, -1 - own.size());
    own.pool.append(text);
    own.starts.push_back(own.pool.size());
}

QByteArrayView CellTexts::text(size_t i) const
{
    const qint64 at = cells[i].second;
    if (at < 0)
        return own.at(-1 - at);
    return shared && at < shared->size() ? shared->at(at) : QByteArrayView();
}

void applyRules(const SheetRules &rules, const XlsxStyles &styles, const CellNumbers &numbers,
                const std::function<void(qint64, QRgb)> &paint, const CellTexts &texts)
{
    if (rules.rules.empty()
        || qint64(numbers.size() + texts.size()) * (rules.boxes + qint64(rules.rules.size())) > RuleWorkLimit)
        return;
    std::vector<const CellRule *> order;
    for (const CellRule &rule : rules.rules)
        order.push_back(&rule);
    // The lower the priority number, the sooner a rule is tried.
    std::stable_sort(order.begin(), order.end(), [](const CellRule *a, const CellRule *b) { return a->priority < b->priority; });
    std::vector<ColourScale> scales;
    for (const CellRule *rule : order)
        scales.push_back(rule->kind == CellRule::Kind::Scale ? scaleOf(*rule, rules.ranges[size_t(rule->range)], numbers)
                                                             : ColourScale({}, {}));
    // The first rule that applies to a cell colours it; a scale colours numbers only.
    const auto colour = [&](qint64 key, const auto &value) {
        for (size_t i = 0; i < order.size(); ++i) {
            const CellRule &rule = *order[i];
            if (!inRange(rules.ranges[size_t(rule.range)], key))
                continue;
            if (rule.kind == CellRule::Kind::Scale) {
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, double>) {
                    if (!scales[i].empty()) {
                        paint(key, scales[i].colour(value));
                        return;
                    }
                }
                continue;
            }
            if (!holds(rule, value))
                continue;
            // A rule that holds but sets no fill leaves the cell to the rules after it,
            // unless it says to stop.
            if (rule.style >= 0 && size_t(rule.style) < styles.rules.size() && styles.rules[size_t(rule.style)].painted) {
                paint(key, styles.rules[size_t(rule.style)].colour);
                return;
            }
            if (rule.stopIfTrue)
                return;
        }
    };
    for (const auto &[key, value] : numbers)
        colour(key, value);
    for (size_t i = 0; i < texts.size(); ++i)
        colour(texts.cells[i].first, texts.text(i));
}

} // namespace tess
