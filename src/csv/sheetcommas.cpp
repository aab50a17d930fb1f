// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetcommas.h"

#include "sheetheader.h"
#include "sheetnumbers.h"
#include "text/usertexts.h"

#include <climits>
#include <cstring>

namespace tess::sheet {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int32_t &slotValue(PixelRecord &record, int slot)
{
    static_assert(sizeof(PixelRecord) == 9 * sizeof(int32_t));
    return reinterpret_cast<int32_t *>(&record)[slot];
}

} // namespace

TabCommas::Form TabCommas::groupedForm(const char *begin, const char *end, int32_t &grouped)
{
    while (begin < end && isAsciiBlank(*begin))
        ++begin;
    while (end > begin && isAsciiBlank(end[-1]))
        --end;
    const bool negative = begin < end && *begin == '-';
    if (begin < end && (*begin == '-' || *begin == '+'))
        ++begin;
    const char *p = begin;
    int64_t value = 0;
    while (p < end && isDigit(*p) && p - begin < 4)
        value = value * 10 + (*p++ - '0');
    if (p == begin || p - begin > 3 || *begin == '0')
        return Form::None;
    int groups = 0;
    while (p < end) {
        if (end - p < 4 || *p != ',' || !isDigit(p[1]) || !isDigit(p[2]) || !isDigit(p[3]))
            return Form::None;
        value = value * 1000 + (p[1] - '0') * 100 + (p[2] - '0') * 10 + (p[3] - '0');
        p += 4;
        if (++groups > 3 || value > int64_t(INT_MAX))
            return Form::None;
    }
    if (groups == 0)
        return Form::None;
    grouped = int32_t(negative ? -value : value);
    return groups == 1 ? Form::OneGroup : Form::Groups;
}

int32_t TabCommas::asDecimal(int32_t grouped)
{
    if (grouped >= 0)
        return grouped / 1000;
    return -(-grouped / 1000) - (-grouped % 1000 != 0 ? 1 : 0);
}

void TabCommas::noteCell(int slot, const char *begin, const char *end, int32_t grouped)
{
    m_any = true;
    Column &c = m_columns[size_t(slot)];
    if (c.example.isEmpty()) {
        c.pending = QByteArray(begin, end - begin).trimmed();
        c.pendingValue = grouped;
    }
}

void TabCommas::commit(int slot, qint64 index, qint64 line, bool oneGroup, bool readAsDecimal)
{
    Column &c = m_columns[size_t(slot)];
    if (!oneGroup) {
        ++c.groups;
    } else if (readAsDecimal) {
        ++c.asDecimal;
    } else {
        ++c.oneGroup;
        if (qint64(c.marked.size()) <= index)
            c.marked.resize(size_t(index) + 1 + c.marked.size() / 2);
        c.marked[size_t(index)] = true;
    }
    if (!c.pending.isEmpty()) {
        c.example = c.pending;
        c.exampleLine = line;
        c.exampleValue = c.pendingValue;
        c.exampleOneGroup = oneGroup;
        c.pending.clear();
    }
}

void TabCommas::dropLine()
{
    for (Column &c : m_columns)
        c.pending.clear();
}

bool TabCommas::settle(PixelRecords &out)
{
    bool position = false;
    for (int slot = 0; slot < int(m_columns.size()); ++slot) {
        Column &c = m_columns[size_t(slot)];
        if (!holdsDecimals(slot) || c.oneGroup == 0)
            continue;
        const size_t n = std::min(c.marked.size(), out.size());
        for (size_t i = 0; i < n; ++i) {
            if (c.marked[i])
                slotValue(out[i], slot) = asDecimal(slotValue(out[i], slot));
        }
        c.asDecimal += c.oneGroup;
        c.oneGroup = 0;
        position |= slot <= 1;
    }
    for (Column &c : m_columns)
        c.marked = {};
    return position;
}

qint64 TabCommas::groups() const
{
    qint64 n = 0;
    for (const Column &c : m_columns)
        n += c.oneGroup + c.groups;
    return n;
}

qint64 TabCommas::decimals() const
{
    qint64 n = 0;
    for (const Column &c : m_columns)
        n += c.asDecimal;
    return n;
}

// "line 3, column x: '1,199' as 1199", from the first column that read its example so.
QString TabCommas::example(bool decimal) const
{
    for (int slot = 0; slot < int(m_columns.size()); ++slot) {
        const Column &c = m_columns[size_t(slot)];
        if (c.example.isEmpty() || (c.exampleOneGroup && holdsDecimals(slot)) != decimal)
            continue;
        const QString text = QString::fromUtf8(c.example);
        const QString read = decimal ? QString(text).replace(u',', u'.') : QString::number(c.exampleValue);
        return userText(Text::CellReadAs).arg(QString::number(c.exampleLine), QString(slotName(slot)), text, read);
    }
    return {};
}

QString TabCommas::groupExample() const
{
    return example(false);
}

QString TabCommas::decimalExample() const
{
    return example(true);
}

} // namespace tess::sheet
