// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetheader.h"

#include "sheetlines.h"
#include "sheetnumbers.h"
#include "text/usertexts.h"

#include <QStringList>

#include <algorithm>

namespace tess::sheet {

namespace {

// Bytes in the UTF-8 sequence a byte starts; 1 for a byte that starts none.
int sequenceLength(char c)
{
    const auto u = uchar(c);
    if (u < 0xC0)
        return 1;
    if (u < 0xE0)
        return 2;
    if (u < 0xF0)
        return 3;
    return u < 0xF8 ? 4 : 1;
}

// Notes the column a header name stands for; the rightmost of equal names wins.
void noteColumn(SheetColumns &c, int i, const QByteArray &name)
{
    if (name.size() != 1)
        return;
    switch (name.front()) {
    case 'x': c.x = i; break;
    case 'y': c.y = i; break;
    case 'r': c.r = i; break;
    case 'g': c.g = i; break;
    case 'b': c.b = i; break;
    case 'a': c.a = i; break;
    case 'h': c.h = i; break;
    case 's': c.s = i; break;
    case 'v': c.v = i; break;
    default: break;
    }
}

// "X, Y, R, G, B", shortened for a line that is plainly no header.
QString namesText(const QList<QByteArray> &names)
{
    constexpr int MaxNames = 12;
    constexpr int MaxLength = 24;
    const QString more(u'…');
    QStringList shown;
    for (const QByteArray &name : names) {
        if (shown.size() == MaxNames) {
            shown.append(more);
            break;
        }
        const QString text = printableStart(utf8Text(name.data(), name.size()), MaxLength);
        shown.append(text.isEmpty() ? userText(Text::EmptyName) : text);
    }
    return shown.join(QStringLiteral(", "));
}

QString refusal(const SheetColumns &c, const QList<QByteArray> &names)
{
    QString what;
    if (c.x < 0 && c.y < 0)
        what = userText(Text::NoColumnsXAndY);
    else if (c.x < 0 || c.y < 0)
        what = userText(Text::NoColumnNamed).arg(QChar(c.x < 0 ? u'x' : u'y'));
    else
        what = userText(Text::NoColourColumns);
    // Both at once: a name in the header may itself hold "%1" or "%2".
    return userText(Text::HeaderNames).arg(what, namesText(names));
}

void setLayout(const SheetColumns &c, SheetLayout &layout)
{
    const std::pair<int, int> read[] = { { c.x, SlotX }, { c.y, SlotY }, { c.r, SlotR },
                                         { c.g, SlotG }, { c.b, SlotB }, { c.h, SlotH },
                                         { c.s, SlotS }, { c.v, SlotV } };
    int width = 0;
    for (const auto &[column, slot] : read)
        width = std::max(width, column + 1);
    layout.slotOf.assign(size_t(width) + 1, NotRead); // and one for all columns beyond
    for (const auto &[column, slot] : read) {
        if (column >= 0)
            layout.slotOf[size_t(column)] = slot;
    }
    layout.width = width;
    layout.lastNeeded = std::max(c.x, c.y);
}

} // namespace

QByteArray separatorLine(QByteArrayView line)
{
    // "sep=X": "sep" in any case, X one character (of the toolkit's 16-bit ones, so at
    // most 3 bytes), perhaps quoted as a cell ("sep=;") and followed by more copies of
    // X where a program filled the rest of the row with empty cells.
    QByteArray text;
    appendFieldText(line.data(), line.data() + line.size(), text);
    if (text.size() <= 4 || qstrnicmp(text.constData(), "sep=", 4) != 0)
        return {};
    const int n = sequenceLength(text.at(4));
    if (n > 3 || text.size() < 4 + n || (text.size() - 4) % n != 0)
        return {};
    const QByteArray separator = text.mid(4, n);
    for (qsizetype i = 4 + n; i < text.size(); i += n) {
        if (QByteArrayView(text).sliced(i, n) != separator)
            return {};
    }
    return separator;
}

QByteArray headerSeparator(QByteArrayView line)
{
    // The first of these that separates fields of the header (not inside quotes).
    for (const char *separator : { ",", ";", "\t" }) {
        int fields = 0;
        splitLine(line, separator, [&fields](const QByteArray &) { return ++fields < 2; });
        if (fields > 1)
            return QByteArray(separator);
    }
    return QByteArray(",");
}

Outcome<SheetLayout> readHeader(QByteArrayView line, const QByteArray &separator, SheetInfo &info)
{
    // Only the first names are kept, for the refusal's detail.
    constexpr int KeptNames = 13;
    QList<QByteArray> names;
    SheetColumns c;
    int i = 0;
    splitLine(line, separator, [&](const QByteArray &name) {
        noteColumn(c, i++, name);
        if (names.size() < KeptNames)
            names.append(name);
        return true;
    });
    info.columns = c;
    info.hasRgb = c.r >= 0 || c.g >= 0 || c.b >= 0;
    info.hasHsv = c.h >= 0 || c.s >= 0 || c.v >= 0;
    if (c.x < 0 || c.y < 0 || (!info.hasRgb && !info.hasHsv))
        return outcome(c.x < 0 || c.y < 0 ? Status::SheetNotValid : Status::SheetNoColourValues, refusal(c, names));
    SheetLayout layout;
    setLayout(c, layout);
    layout.separator = separator;
    layout.decimalComma = separator != ",";
    layout.tabCommas = separator == "\t";
    return layout;
}

} // namespace tess::sheet
