// SPDX-License-Identifier: GPL-3.0-or-later
#include "odsrules.h"

#include <QStringList>

#include <algorithm>
#include <cstring>

namespace tess::ods {

bool cellAddress(QStringView text, qint64 &column, qint64 &row)
{
    text = text.mid(text.lastIndexOf(u'.') + 1);
    column = 0;
    qsizetype i = 0;
    for (; i < text.size() && (text[i] == u'$' || text[i].isLetter()); ++i) {
        if (text[i] != u'$')
            column = std::min<qint64>(column * 26 + (text[i].toUpper().unicode() - 'A' + 1), RepeatCap);
    }
    bool ok = false;
    row = text.mid(i).toString().remove(u'$').toLongLong(&ok) - 1;
    --column;
    return ok && column >= 0 && row >= 0;
}

QList<CellBlock> rangeBlocks(QStringView address)
{
    QList<CellBlock> blocks;
    for (const QStringView part : address.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype colon = part.indexOf(u':');
        qint64 c1 = 0, r1 = 0, c2 = 0, r2 = 0;
        if (!cellAddress(colon < 0 ? part : part.left(colon), c1, r1))
            continue;
        if (colon < 0 || !cellAddress(part.mid(colon + 1), c2, r2))
            c2 = c1, r2 = r1;
        blocks.push_back({ std::min(c1, c2), std::min(r1, r2), std::max(c1, c2) + 1, std::max(r1, r2) + 1 });
    }
    return blocks;
}

QString cellsNamed(QStringView address)
{
    QStringList parts;
    for (const QStringView part : address.split(u' ', Qt::SkipEmptyParts)) {
        QStringList ends;
        for (const QStringView end : part.split(u':'))
            ends << end.mid(end.lastIndexOf(u'.') + 1).toString().remove(u'$');
        parts << ends.join(u':');
    }
    return parts.join(QStringLiteral(", "));
}

bool valueRule(const QXmlStreamAttributes &attributes, ValueRule &rule)
{
    rule.style = attributes.value(CalcExtNs, QStringLiteral("apply-style-name")).toString();
    QString value = attributes.value(CalcExtNs, QStringLiteral("value")).toString().trimmed();
    if (value.startsWith(QLatin1StringView("cell-content()")))
        value = value.mid(14).trimmed();
    using Kind = NumberTest::Kind;
    bool ok = false, ok2 = true;
    for (const auto &[prefix, kind] : { std::pair{ "not-between(", Kind::NotBetween }, std::pair{ "between(", Kind::Between } }) {
        if (value.startsWith(QLatin1StringView(prefix)) && value.endsWith(u')')) {
            const QStringList bounds = value.mid(qsizetype(strlen(prefix)), value.size() - qsizetype(strlen(prefix)) - 1).split(u',');
            if (bounds.size() != 2)
                return false;
            rule.test = NumberTest::of(kind, bounds[0].trimmed().toDouble(&ok), bounds[1].trimmed().toDouble(&ok2));
            return ok && ok2;
        }
    }
    for (const auto &[prefix, kind] : { std::pair{ "!=", Kind::NotEqual }, std::pair{ ">=", Kind::AtLeast },
                                        std::pair{ "<=", Kind::AtMost }, std::pair{ "=", Kind::Equal },
                                        std::pair{ ">", Kind::Greater }, std::pair{ "<", Kind::Less } }) {
        if (value.startsWith(QLatin1StringView(prefix))) {
            const QString operand = value.mid(qsizetype(strlen(prefix))).trimmed();
            rule.test = NumberTest::of(kind, operand.toDouble(&ok));
            if (!ok && (kind == Kind::Equal || kind == Kind::NotEqual))
                rule.text = quotedText(operand);
            return ok || rule.text;
        }
    }
    return false;
}

} // namespace tess::ods
