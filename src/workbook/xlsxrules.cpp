// SPDX-License-Identifier: GPL-3.0-or-later
#include "xlsxrules.h"

#include "xlsxsheet.h"
#include "xlsxstyles.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <type_traits>

namespace tess {

namespace {

// No sheet a person formats holds more rules or ranges than this; a file with more is
// read as though its rules were of a kind not read.
constexpr qint64 RuleLimit = 1024;
// Cells times the rules they are tried against: beyond this the rules would cost seconds.
constexpr qint64 RuleWorkLimit = 64 << 20;

bool cellAt(QStringView name, int &column, int &row)
{
    const QByteArray reference = name.toLatin1();
    const std::string_view text(reference.constData(), size_t(reference.size()));
    const qint64 c = cellColumn(text);
    const size_t digits = text.find_first_of("0123456789");
    if (c < 0 || digits == std::string_view::npos)
        return false;
    const qint64 r = rowNumber(text.substr(digits));
    if (r < 1 || r > 1048576)
        return false;
    column = int(c);
    row = int(r - 1);
    return true;
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
        if (cellAt(first, box.left, box.top) && cellAt(last, box.right, box.bottom)) {
            if (box.left > box.right)
                std::swap(box.left, box.right);
            if (box.top > box.bottom)
                std::swap(box.top, box.bottom);
            boxes.push_back(box);
        }
    }
    return boxes;
}

void readScale(QXmlStreamReader &xml, const XlsxStyles &styles, CellRule &rule)
{
    size_t colours = 0;
    while (xml.readNextStartElement()) {
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == u"cfvo" && rule.stops.size() < 3) {
            rule.stops.push_back({ a.value(QLatin1String("type")).toString(), a.value(QLatin1String("val")).toDouble() });
        } else if (xml.name() == u"color" && colours < rule.stops.size()) {
            rule.stops[colours++].colour = xlsxColour(a, styles.palette).value_or(0xFFFFFF);
        }
        xml.skipCurrentElement();
    }
    if (colours != rule.stops.size())
        rule.stops.clear();
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

// One cfRule: false when it is of a kind not read.
bool readRule(QXmlStreamReader &xml, const XlsxStyles &styles, CellRule &rule)
{
    const QXmlStreamAttributes a = xml.attributes();
    const QStringView type = a.value(QLatin1String("type"));
    rule.priority = a.value(QLatin1String("priority")).toInt();
    rule.stopIfTrue = a.value(QLatin1String("stopIfTrue")) == u"1" || a.value(QLatin1String("stopIfTrue")) == u"true";
    bool hasStyle = false;
    rule.style = a.value(QLatin1String("dxfId")).toInt(&hasStyle);
    if (!hasStyle)
        rule.style = -1;
    rule.compare = a.value(QLatin1String("operator")).toString();
    rule.kind = type == u"colorScale" ? CellRule::Kind::Scale : CellRule::Kind::Compare;
    bool known = type == u"cellIs" || type == u"colorScale";
    while (xml.readNextStartElement()) {
        if (xml.name() == u"formula") {
            const QString formula = xml.readElementText().trimmed();
            bool number = false;
            rule.operands.push_back(formula.toDouble(&number));
            if (!number && rule.operands.size() == 1)
                rule.text = quotedText(formula);
            known = known && (number || rule.text);
        } else if (xml.name() == u"colorScale") {
            readScale(xml, styles, rule);
        } else {
            xml.skipCurrentElement();
        }
    }
    const size_t wanted = rule.compare == u"between" || rule.compare == u"notBetween" ? 2 : 1;
    if (rule.kind == CellRule::Kind::Compare) {
        if (!known || rule.operands.size() != wanted)
            return false;
        if (rule.text) // a text is only ever equal to a typed code or not
            return rule.compare == u"equal" || rule.compare == u"notEqual";
        rule.test = testOf(rule);
        return true;
    }
    return known && rule.stops.size() >= 2;
}

bool holds(const CellRule &rule, double v)
{
    return rule.test && rule.test->meets(v);
}

// A spreadsheet compares texts without regard to case.
bool holds(const CellRule &rule, const QString &text)
{
    if (!rule.text)
        return false;
    const bool equal = text.compare(*rule.text, Qt::CaseInsensitive) == 0;
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

void readConditionalFormatting(QXmlStreamReader &xml, const XlsxStyles &styles, SheetRules &rules)
{
    const QString sqref = xml.attributes().value(QLatin1String("sqref")).toString();
    std::vector<CellBox> boxes = boxesOf(sqref);
    const int range = int(rules.ranges.size());
    bool unread = false;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"cfRule") {
            xml.skipCurrentElement();
            continue;
        }
        CellRule rule;
        rule.range = range;
        const bool known = readRule(xml, styles, rule);
        if (known && qint64(rules.rules.size()) < RuleLimit && rules.boxes + qint64(boxes.size()) <= RuleLimit)
            rules.rules.push_back(std::move(rule));
        else
            unread = true;
    }
    if (unread && !rules.unread.contains(sqref))
        rules.unread << sqref;
    rules.boxes += qint64(boxes.size());
    rules.ranges.push_back(std::move(boxes));
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
    // The first rule that applies to a cell colours it.
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
    for (const auto &[key, text] : texts)
        colour(key, text);
}

} // namespace tess
