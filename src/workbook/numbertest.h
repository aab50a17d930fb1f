// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A conditional format's test of the number a cell holds, as both workbook formats write it
// (.xlsx: operator="between" with two formulas; .ods: "between(1,4)").

#include <QString>

#include <algorithm>
#include <optional>

namespace tess {

struct NumberTest
{
    enum class Kind { Equal, NotEqual, Greater, Less, AtLeast, AtMost, Between, NotBetween };
    Kind kind = Kind::Equal;
    double low = 0;
    double high = 0; // Between, NotBetween: the upper bound, never below low

    // A test of one operand, or of two given in either order.
    static NumberTest of(Kind kind, double a, double b = 0)
    {
        const bool range = kind == Kind::Between || kind == Kind::NotBetween;
        return { kind, range ? std::min(a, b) : a, range ? std::max(a, b) : a };
    }

    bool meets(double v) const
    {
        switch (kind) {
        case Kind::Equal: return v == low;
        case Kind::NotEqual: return v != low;
        case Kind::Greater: return v > low;
        case Kind::Less: return v < low;
        case Kind::AtLeast: return v >= low;
        case Kind::AtMost: return v <= low;
        case Kind::Between: return v >= low && v <= high;
        case Kind::NotBetween: return v < low || v > high;
        }
        return false;
    }
};

// A rule's operand that is one text constant, "A" with any quotes inside doubled, as that
// text; nothing for numbers and formulas.
inline std::optional<QString> quotedText(const QString &operand)
{
    if (operand.size() < 2 || !operand.startsWith(u'"') || !operand.endsWith(u'"'))
        return std::nullopt;
    QString inside = operand.mid(1, operand.size() - 2);
    if (QString(inside).remove(QStringLiteral("\"\"")).contains(u'"'))
        return std::nullopt; // texts joined by a formula
    return inside.replace(QStringLiteral("\"\""), QStringLiteral("\""));
}

} // namespace tess
