// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridcells.h"

#include "model/sheetshape.h"

namespace tess::sheet::grid {

QByteArrayView trimmed(QByteArrayView field)
{
    while (!field.isEmpty() && isAsciiBlank(field.front()))
        field = field.sliced(1);
    while (!field.isEmpty() && isAsciiBlank(field.back()))
        field.chop(1);
    return field;
}

// A whole number as a spreadsheet writes it; false for anything else.
bool wholeNumber(QByteArrayView field, bool decimalComma, int32_t &value)
{
    if (field.size() >= 1 && field.size() <= 3) { // the usual 0-255, without the toolkit
        value = 0;
        bool digits = true;
        for (const char c : field) {
            digits = digits && c >= '0' && c <= '9';
            value = value * 10 + (c - '0');
        }
        if (digits)
            return true;
    }
    char padded[64] = {};
    if (field.isEmpty() || field.size() > qsizetype(sizeof padded) - ReadAhead - 1)
        return false;
    std::memcpy(padded, field.data(), size_t(field.size()));
    NumberStyle style;
    style.decimalComma = decimalComma;
    bool whole = true;
    return readNumber(padded, padded + field.size(), style, value, &whole) == FieldNumber::Value && whole;
}

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = char(c | 0x20);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

} // namespace

// #RRGGBB, RRGGBB or rgb(r, g, b) as 0xRRGGBB.
bool colourCode(QByteArrayView field, uint32_t &rgb)
{
    if (field.startsWith('#'))
        field = field.sliced(1);
    if (field.size() == 6) {
        rgb = 0;
        for (const char c : field) {
            const int d = hexDigit(c);
            if (d < 0)
                return false;
            rgb = rgb << 4 | uint32_t(d);
        }
        return true;
    }
    const QByteArray lower = field.toByteArray().toLower();
    if (!lower.startsWith("rgb(") || !lower.endsWith(')'))
        return false;
    const QList<QByteArray> parts = lower.mid(4, lower.size() - 5).split(',');
    if (parts.size() != 3)
        return false;
    rgb = 0;
    for (const QByteArray &part : parts) {
        int32_t v = 0;
        if (!wholeNumber(trimmed(part), false, v) || v < 0 || v > 255)
            return false;
        rgb = rgb << 8 | uint32_t(v);
    }
    return true;
}

bool valueLike(QByteArrayView field, bool decimalComma)
{
    int32_t v;
    uint32_t rgb;
    return wholeNumber(field, decimalComma, v) || colourCode(field, rgb);
}

// The separator most used outside quotes in the line, a "sep=" line aside.
char separatorOf(QByteArrayView line)
{
    int counts[3] = {};
    bool quoted = false;
    for (const char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted)
            counts[0] += c == ',', counts[1] += c == ';', counts[2] += c == '\t';
    }
    if (counts[1] > counts[0] && counts[1] >= counts[2])
        return ';';
    return counts[2] > counts[0] ? '\t' : ',';
}

QString cellName(qsizetype column, qint64 row)
{
    return columnLetters(int(column)) + QString::number(row + 1);
}

QString shown(QByteArrayView field)
{
    return printableStart(QString::fromUtf8(field), 20);
}

} // namespace tess::sheet::grid
