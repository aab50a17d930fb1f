// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetnumbers.h"

#include "sheetreader.h"

#include <QStringDecoder>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tess::sheet {

namespace {

// [blanks][sign]digits[blanks] with 1..MaxFastDigits digits, as the toolkit would read
// it. False for any other text.
bool readPlainInteger(const char *begin, const char *end, FieldNumber &kind, int32_t &value)
{
    while (begin < end && isAsciiBlank(*begin))
        ++begin;
    while (end > begin && isAsciiBlank(end[-1]))
        --end;
    if (begin == end)
        return false;
    bool negative = false;
    if (*begin == '-' || *begin == '+') {
        negative = *begin == '-';
        ++begin;
    }
    if (begin == end || end - begin > MaxFastDigits)
        return false;
    uint64_t magnitude = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, magnitude); // unsigned: no sign taken
    if (ec != std::errc() || ptr != end)
        return false;
    value = clampedInteger(negative, magnitude);
    kind = magnitude <= uint64_t(INT_MAX) + negative ? FieldNumber::Value : FieldNumber::OutOfRange;
    return true;
}

bool isNoBreakBlank(QChar c)
{
    return c == u' ' || c == QChar(0xA0);
}

// A currency sign, or a code of two or three capital letters not joined to more letters.
qsizetype currencyAtStart(QStringView v)
{
    if (v.isEmpty())
        return 0;
    if (v.front().category() == QChar::Symbol_Currency)
        return 1;
    qsizetype n = 0;
    while (n < v.size() && n < 4 && v[n] >= u'A' && v[n] <= u'Z')
        ++n;
    const bool joined = n < v.size() && v[n].isLetter();
    return n >= 2 && n <= 3 && !joined ? n : 0;
}

qsizetype currencyAtEnd(QStringView v)
{
    if (v.isEmpty())
        return 0;
    if (v.back().category() == QChar::Symbol_Currency)
        return 1;
    qsizetype n = 0;
    while (n < v.size() && n < 4 && v[v.size() - 1 - n] >= u'A' && v[v.size() - 1 - n] <= u'Z')
        ++n;
    const bool joined = n < v.size() && v[v.size() - 1 - n].isLetter();
    return n >= 2 && n <= 3 && !joined ? n : 0;
}

bool hasDigit(QStringView v)
{
    return std::any_of(v.begin(), v.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Drops a currency before or after the number, and a minus on either side of it, which
// then stands before the number. Returns the text unchanged when there is none, or
// nothing but the currency ("INF" stays a word).
QString withoutCurrency(QStringView v)
{
    if (!hasDigit(v))
        return v.toString();
    QStringView rest = v;
    const bool minusFirst = rest.startsWith(u'-');
    if (minusFirst)
        rest = rest.mid(1);
    if (const qsizetype n = currencyAtStart(rest); n > 0) {
        rest = rest.mid(n);
        if (!rest.isEmpty() && isNoBreakBlank(rest.front()))
            rest = rest.mid(1);
        return minusFirst ? QChar(u'-') + rest.toString() : rest.toString();
    }
    if (const qsizetype n = currencyAtEnd(v); n > 0) {
        rest = v.chopped(n);
        if (!rest.isEmpty() && isNoBreakBlank(rest.back()))
            rest.chop(1);
        if (rest.endsWith(u'-') && !rest.startsWith(u'-'))
            return QChar(u'-') + rest.chopped(1).toString();
        return rest.toString();
    }
    return v.toString();
}

bool isGroupMark(QChar c, const NumberStyle &style)
{
    switch (c.unicode()) {
    case u' ':
    case 0xA0:
    case 0x202F:
    case u'\'':
        return true;
    case u'.':
        return style.decimalComma;
    case u',':
        return !style.decimalComma && style.commaGroups;
    default:
        return false;
    }
}

bool isDigit(QStringView v, qsizetype i)
{
    return i < v.size() && v[i] >= u'0' && v[i] <= u'9';
}

// Drops the marks between groups of exactly three digits after one to three leading
// digits, all groups marked alike; the text unchanged when it has no such groups.
QString withoutGroups(const QString &text, const NumberStyle &style)
{
    const QStringView v(text);
    qsizetype i = v.startsWith(u'-') || v.startsWith(u'+') ? 1 : 0;
    const qsizetype lead = i;
    while (isDigit(v, i))
        ++i;
    if (i == lead || i - lead > 3 || i == v.size() || !isGroupMark(v[i], style))
        return text;
    const QChar mark = v[i];
    QString plain = v.first(i).toString();
    while (i < v.size() && v[i] == mark) {
        if (!isDigit(v, i + 1) || !isDigit(v, i + 2) || !isDigit(v, i + 3) || isDigit(v, i + 4))
            return text;
        plain += v.sliced(i + 1, 3);
        i += 4;
    }
    plain.append(v.sliced(i));
    return plain;
}

// The field as the toolkit reads it once percent, currency and digit groups are gone.
// Trimmed like toDouble trims (a no-break space included), which toInt of Qt 6.4 does
// not do by itself. scale is 100 for a percentage.
QString fieldText(const char *begin, const char *end, const NumberStyle &style, double &scale)
{
    QString text = utf8Text(begin, end - begin).trimmed();
    scale = 1;
    if (text.endsWith(u'%')) {
        text.chop(1);
        if (!text.isEmpty() && isNoBreakBlank(text.back()))
            text.chop(1);
        scale = 100;
    }
    text = withoutGroups(withoutCurrency(text), style);
    if (style.decimalComma)
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

// A spreadsheet program computes 115 * 1 as 114.99999999999999 and shows 115: a value
// this close to a whole number is that number. Near 0 the distance counts as it does at 1.
double wholeIfResidue(double number)
{
    constexpr double Residue = 1e-9;
    const double whole = std::round(number);
    return std::fabs(number - whole) <= Residue * std::max(std::fabs(whole), 1.0) ? whole : number;
}

} // namespace

QString utf8Text(const char *data, qsizetype size)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless
                                   | QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(data, size));
}

QString printableStart(const QString &text, qsizetype maxShown)
{
    qsizetype n = 0;
    while (n < text.size() && n <= maxShown && text[n].isPrint() && text[n] != QChar::ReplacementCharacter)
        ++n;
    return n < text.size() ? text.left(std::min(n, maxShown)) + u'…' : text;
}

FieldNumber readNumber(const char *begin, const char *end, const NumberStyle &style, int32_t &value, bool *whole)
{
    FieldNumber kind;
    if (readPlainInteger(begin, end, kind, value))
        return kind;
    value = 0;
    double scale = 1;
    const QString text = fieldText(begin, end, style, scale);
    if (text.isEmpty())
        return scale == 1 ? FieldNumber::Empty : FieldNumber::NotNumber;
    bool ok = false;
    const double number = text.toDouble(&ok) / scale;
    if (!ok || !std::isfinite(number))
        return FieldNumber::NotNumber;
    const double rounded = wholeIfResidue(number);
    const double floored = std::floor(rounded);
    if (whole)
        *whole = floored == rounded;
    if (floored < double(INT_MIN) || floored > double(INT_MAX))
        return FieldNumber::OutOfRange;
    value = int32_t(floored);
    return FieldNumber::Value;
}

} // namespace tess::sheet

namespace tess {

int sheetFieldToComponent(QByteArrayView field, bool decimalComma)
{
    int32_t value;
    sheet::readNumber(field.data(), field.data() + field.size(), sheet::NumberStyle{ decimalComma, false }, value);
    return value;
}

int sheetFieldToInt(QByteArrayView field, bool decimalComma)
{
    return sheetFieldToComponent(field, decimalComma);
}

} // namespace tess
