#include "sheetnumbers.h"

#include "sheetreader.h"

#include <QStringDecoder>

#include <charconv>
#include <cmath>

namespace tess::sheet {

namespace {

// [blanks][sign]digits[blanks] with 1..MaxFastDigits digits. False for any other text.
bool readPlainInteger(const char *begin, const char *end, int32_t &value)
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

int32_t readCoordinate(const char *begin, const char *end, bool decimalComma)
{
    int32_t value;
    if (readPlainInteger(begin, end, value))
        return value;
    return fieldText(begin, end, decimalComma).toInt(nullptr, 10);
}

int32_t readComponent(const char *begin, const char *end, bool decimalComma)
{
    int32_t value;
    if (readPlainInteger(begin, end, value))
        return value;
    const double number = fieldText(begin, end, decimalComma).toDouble();
    if (!std::isfinite(number))
        return 0;
    const double floored = std::floor(number);
    if (floored < double(INT_MIN) || floored > double(INT_MAX))
        return 0;
    return int32_t(floored);
}

} // namespace tess::sheet

namespace tess {

int sheetFieldToInt(QByteArrayView field, bool decimalComma)
{
    return sheet::readCoordinate(field.data(), field.data() + field.size(), decimalComma);
}

int sheetFieldToComponent(QByteArrayView field, bool decimalComma)
{
    return sheet::readComponent(field.data(), field.data() + field.size(), decimalComma);
}

} // namespace tess
