// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The cells of a grid made by hand, as the grid reader reads them: the fields of a line and
// what a field holds (a whole number, a colour code), and how a cell is named.

#include "picturereader.h"
#include "sheetheader.h"
#include "sheetnumbers.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

namespace tess::sheet::grid {

// A field without the blanks around it.
QByteArrayView trimmed(QByteArrayView field);

// The fields of one line, trimmed, as views into the line (or, for a line with quotes,
// into their unquoted copies).
class Fields
{
public:
    void cut(QByteArrayView line, char separator)
    {
        m_views.clear();
        line = withoutCarriageReturn(line);
        if (line.contains('"')) {
            m_quoted = splitFields(line, separator);
            for (const QByteArray &field : m_quoted)
                m_views.push_back(trimmed(field));
            return;
        }
        // A grid's fields are a few characters each: a plain scan beats a search per field.
        const char *const end = line.data() + line.size();
        for (const char *start = line.data();;) {
            const char *stop = start;
            while (stop != end && *stop != separator)
                ++stop;
            m_views.push_back(trimmed(QByteArrayView(start, stop - start)));
            if (stop == end)
                break;
            start = stop + 1;
        }
    }
    qsizetype size() const { return qsizetype(m_views.size()); }
    QByteArrayView operator[](qsizetype i) const { return i < size() ? m_views[size_t(i)] : QByteArrayView(); }
    qsizetype firstFilled() const
    {
        for (qsizetype i = 0; i < size(); ++i)
            if (!m_views[size_t(i)].isEmpty())
                return i;
        return -1;
    }
    qsizetype lastFilled() const
    {
        for (qsizetype i = size() - 1; i >= 0; --i)
            if (!m_views[size_t(i)].isEmpty())
                return i;
        return -1;
    }
    qsizetype filled() const
    {
        qsizetype n = 0;
        for (const QByteArrayView &view : m_views)
            n += view.isEmpty() ? 0 : 1;
        return n;
    }

private:
    std::vector<QByteArrayView> m_views;
    std::vector<QByteArray> m_quoted;
};

// A whole number as a spreadsheet writes it; false for anything else.
bool wholeNumber(QByteArrayView field, bool decimalComma, int32_t &value);

// #RRGGBB, RRGGBB or rgb(r, g, b) as 0xRRGGBB.
bool colourCode(QByteArrayView field, uint32_t &rgb);

bool valueLike(QByteArrayView field, bool decimalComma);

// The separator most used outside quotes in the line, a "sep=" line aside.
char separatorOf(QByteArrayView line);

QString cellName(qsizetype column, qint64 row);

QString shown(QByteArrayView field);

} // namespace tess::sheet::grid
