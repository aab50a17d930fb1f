#include "sheetnumbers.h"

#include "sheetreader.h"

#include <QStringDecoder>

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

// The field as the toolkit reads it. Trimmed like toDouble trims (a no-break space
// included), which toInt of Qt 6.4 does not do by itself.
QString fieldText(const char *begin, const char *end, bool decimalComma)
{
    QString text = utf8Text(begin, end - begin).trimmed();
    if (decimalComma)
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

} // namespace

QString utf8Text(const char *data, qsizetype size)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless
                                   | QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(data, size));
}

FieldNumber readNumber(const char *begin, const char *end, bool decimalComma, int32_t &value)
{
    FieldNumber kind;
    if (readPlainInteger(begin, end, kind, value))
        return kind;
    value = 0;
    const QString text = fieldText(begin, end, decimalComma);
    if (text.isEmpty())
        return FieldNumber::Empty;
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return FieldNumber::NotNumber;
    const double floored = std::floor(number);
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
    sheet::readNumber(field.data(), field.data() + field.size(), decimalComma, value);
    return value;
}

int sheetFieldToInt(QByteArrayView field, bool decimalComma)
{
    return sheetFieldToComponent(field, decimalComma);
}

} // namespace tess
