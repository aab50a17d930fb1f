// SPDX-License-Identifier: GPL-3.0-or-later
#include "colourscale.h"

#include <algorithm>
#include <cmath>

namespace tess {

namespace {

// The value at rank (from 0) among the sorted values, each counted as often as it is held.
double valueAt(const std::vector<CountedValue> &sorted, qint64 rank)
{
    for (const CountedValue &v : sorted) {
        if (rank < v.count)
            return v.value;
        rank -= v.count;
    }
    return sorted.back().value;
}

double stopValue(const ColourStop &stop, const std::vector<CountedValue> &sorted, qint64 cells)
{
    const double low = sorted.front().value, high = sorted.back().value;
    if (stop.type == u"min")
        return low;
    if (stop.type == u"max")
        return high;
    if (stop.type == u"percent")
        return low + (high - low) * stop.value / 100;
    if (stop.type == u"percentile") {
        const double rank = std::clamp(stop.value / 100, 0.0, 1.0) * double(cells - 1);
        const qint64 below = qint64(rank);
        const double a = valueAt(sorted, below), b = valueAt(sorted, std::min(below + 1, cells - 1));
        return a + (b - a) * (rank - double(below));
    }
    return stop.value; // num, and formulas read as their number
}

QRgb between(QRgb from, QRgb to, double t)
{
    const auto mix = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return qRgb(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)), mix(qBlue(from), qBlue(to)));
}

} // namespace

ColourScale::ColourScale(const std::vector<ColourStop> &stops, std::vector<CountedValue> values)
{
    std::erase_if(values, [](const CountedValue &v) { return v.count <= 0; });
    if (values.empty() || stops.size() < 2)
        return;
    std::sort(values.begin(), values.end(), [](const CountedValue &a, const CountedValue &b) { return a.value < b.value; });
    qint64 cells = 0;
    for (const CountedValue &v : values)
        cells += v.count;
    for (const ColourStop &stop : stops) {
        m_at.push_back(stopValue(stop, values, cells));
        m_colours.push_back(stop.colour);
    }
}

QRgb ColourScale::colour(double v) const
{
    if (v <= m_at.front())
        return m_colours.front();
    for (size_t i = 1; i < m_at.size(); ++i) {
        if (v <= m_at[i])
            return m_at[i] > m_at[i - 1] ? between(m_colours[i - 1], m_colours[i], (v - m_at[i - 1]) / (m_at[i] - m_at[i - 1]))
                                         : m_colours[i];
    }
    return m_colours.back();
}

} // namespace tess
