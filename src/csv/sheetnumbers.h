// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtEndian>

#include <bit>
#include <climits>
#include <cstdint>
#include <cstring>

// Field numbers: how the text of one field becomes a coordinate or a colour value.
// The data loop reads most fields itself with the inline helpers below (digits right up
// to the separator); everything else comes to readCoordinate / readComponent.

namespace tess::sheet {

// Plain integers of up to this many digits are read without the toolkit; they fit an
// unsigned 64-bit value and every longer one is sent to the toolkit.
inline constexpr qsizetype MaxFastDigits = 18;

// The data buffer always has this many readable bytes after its end, so that the
// digits of a field can be looked at eight at a time.
inline constexpr qsizetype ReadAhead = 8;

inline bool isAsciiBlank(char c)
{
    // The ASCII characters QChar::isSpace() accepts; CR and LF never reach a field.
    return c == ' ' || (c >= '\t' && c <= '\r');
}

inline int32_t clampedInteger(bool negative, uint64_t magnitude)
{
    // QString::toInt gives 0 outside int; toDouble + floor of an integer outside the
    // 32-bit range gives 0 by our rule as well.
    if (!negative)
        return magnitude <= uint64_t(INT_MAX) ? int32_t(magnitude) : 0;
    return magnitude <= uint64_t(INT_MAX) + 1 ? int32_t(-int64_t(magnitude)) : 0;
}

inline uint64_t loadEight(const char *p)
{
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return qFromLittleEndian(word);
}

// How many of the eight bytes at p are ASCII digits before the first that is not (8
// when all are). Without a branch per byte: values of random length are common.
inline int leadingDigits(const char *p)
{
    const uint64_t t = loadEight(p) ^ 0x3030303030303030u; // a digit becomes 0..9
    // A byte is no digit when its high nibble is set or it is 10..15 (then +6 sets the
    // high nibble). A carry out of such a byte only spoils the bytes after it.
    const uint64_t noDigit = (t | (t + 0x0606060606060606u)) & 0xF0F0F0F0F0F0F0F0u;
    return noDigit ? std::countr_zero(noDigit) >> 3 : 8;
}

// The value of the n (1..7) digits at p.
inline uint64_t digitsValue(const char *p, int n)
{
    uint64_t v = (loadEight(p) & 0x0F0F0F0F0F0F0F0Fu) << (64 - 8 * n); // as with leading zeros
    v = (v * 2561) >> 8;                                             // pairs
    v = ((v & 0x00FF00FF00FF00FFu) * 6553601) >> 16;                 // fours
    return ((v & 0x0000FFFF0000FFFFu) * 42949672960001u) >> 32;      // eight
}

// Reads [sign]digits at q (q must have ReadAhead readable bytes after any end) and
// moves q past them. False when there is no digit, too many for the fast way, or a
// value outside 32 bits (which the slow way tells apart).
inline bool readLeadingInteger(const char *&q, int32_t &value)
{
    bool negative = false;
    if (*q == '-') {
        negative = true;
        ++q;
    } else if (*q == '+') {
        ++q;
    }
    const char *const digits = q;
    uint64_t magnitude = 0;
    const int n = leadingDigits(q);
    if (n > 0 && n < 8) {
        magnitude = digitsValue(q, n); // seven digits always fit
        q += n;
    } else {
        while (unsigned(uchar(*q)) - unsigned('0') < 10u) {
            magnitude = magnitude * 10 + unsigned(uchar(*q) - '0');
            ++q;
        }
        if (q - digits > MaxFastDigits || magnitude > uint64_t(INT_MAX) + negative)
            return false;
    }
    if (q == digits)
        return false;
    value = clampedInteger(negative, magnitude);
    return true;
}

// What the text of a field holds. Coordinates and colour values are read alike, as
// QString::toDouble reads them (blanks trimmed, a no-break space included), rounded down
// (a value within a billionth of a whole number, a spreadsheet's float residue, is that
// number), once the way spreadsheet programs show numbers is undone: a trailing percent sign
// (alone or after a blank) divides by 100; a currency sign or a code of two or three
// capital letters before or after the number is dropped, a minus on either side of it
// kept; the marks between groups of three digits are dropped.
enum class FieldNumber {
    Value,      // a finite number whose floor fits 32 bits
    Empty,      // nothing but blanks
    NotNumber,  // text, or a number that is not finite
    OutOfRange, // a finite number beyond 32 bits
};

// How the file writes numbers. Digits may be grouped by a blank, a no-break space, a
// narrow no-break space or an apostrophe in any file; by "." where "," is the decimal
// mark; by "," in a field quoted in a comma-separated file (where it cannot separate).
struct NumberStyle
{
    bool decimalComma = false; // "," is the decimal mark
    bool commaGroups = false;  // "," may group digits
};

// value is the number, or 0 for anything but FieldNumber::Value. whole, if given, is set
// false for a number with a fraction (one that is no float residue).
FieldNumber readNumber(const char *begin, const char *end, const NumberStyle &style, int32_t &value,
                       bool *whole = nullptr);

// UTF-8 to text exactly as in a conversion of the whole file: unlike
// QString::fromUtf8, a U+FEFF at the start is kept as text (only the file's own leading
// byte-order mark is dropped, and that never reaches here).
QString utf8Text(const char *data, qsizetype size);

// The start of a text that may be shown in a message: up to its first character that
// is not printable (a control character, U+FFFD for bytes that are no text), at most
// maxShown characters, "…" marking a cut.
QString printableStart(const QString &text, qsizetype maxShown);

} // namespace tess::sheet
