// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A conditional format's colour scale, as both workbook formats write it: two or three
// stops, each at the lowest or highest value of the range, a number, a percent of the way
// from lowest to highest, or a percentile, with the colour shown there; values between
// stops blend the two colours.

#include <QRgb>
#include <QString>

#include <vector>

namespace tess {

struct ColourStop
{
    QString type; // min, max, num, percent, percentile
    double value = 0;
    QRgb colour = 0xFFFFFF;
};

// A value of the range and how many cells hold it.
struct CountedValue
{
    double value;
    qint64 count;
};

class ColourScale
{
public:
    // The scale over the values of its range; empty when the range holds no number.
    ColourScale(const std::vector<ColourStop> &stops, std::vector<CountedValue> values);

    bool empty() const { return m_at.empty(); }
    QRgb colour(double v) const;

private:
    std::vector<double> m_at;
    std::vector<QRgb> m_colours;
};

} // namespace tess
