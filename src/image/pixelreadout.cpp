// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixelreadout.h"

#include "model/colorconvert.h"
#include "text/usertexts.h"

#include <QLocale>
#include <QRect>

namespace tess {

PixelLines::PixelLines(const PixelRecords &records, QSize extent, const RecordLines &lines, const QString &fileName)
    : m_extent(extent), m_lines(lines), m_fileName(fileName)
{
    const qint64 area = qint64(extent.width()) * extent.height();
    if (!lines.known() || extent.isEmpty() || area > MaxPixels || qint64(records.size()) >= INT32_MAX)
        return;
    m_index.assign(size_t(area), 0);
    for (size_t i = 0; i < records.size(); ++i) {
        const PixelRecord &r = records[i];
        if (r.x >= 0 && r.y >= 0 && r.x < extent.width() && r.y < extent.height())
            m_index[size_t(qint64(r.y) * extent.width() + r.x)] = qint32(i + 1);
    }
}

PixelLines::PixelLines(QSize extent, SheetShape shape, const QString &sheetName)
    : m_extent(extent), m_fileName(sheetName), m_shape(shape)
{
}

PixelLines::PixelLines(QSize extent, GridReading grid, GridOrigin origin, const QString &sheetName, bool onesWhite)
    : m_extent(extent), m_fileName(sheetName), m_grid(grid), m_origin(origin), m_onesWhite(onesWhite)
{
}

QString PixelLines::cellAt(QPoint p) const
{
    if ((m_shape == SheetShape::List && m_grid == GridReading::None) || !QRect(QPoint(0, 0), m_extent).contains(p))
        return QString();
    if (m_grid != GridReading::None)
        return gridCellName(m_origin, p.x(), p.y());
    return shapeCellName(p.x(), p.y(), m_shape);
}

QString PixelLines::cellHolding(QRgb colour) const
{
    const QString code = QStringLiteral("#%1").arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
    switch (m_grid) {
    case GridReading::Painted:
        return userText(Text::CellFill).arg(code);
    case GridReading::Codes:
        return userText(Text::CellValue).arg(code);
    case GridReading::Grey:
        return userText(Text::CellValue).arg(qRed(colour));
    case GridReading::Ink:
        return userText(Text::CellValue).arg((qRed(colour) == 0) != m_onesWhite ? 1 : 0);
    case GridReading::Channels: // the values are the pixel's r, g and b
    case GridReading::None:
        break;
    }
    return QString();
}

qint64 PixelLines::lineAt(QPoint p) const
{
    if (m_index.empty() || p.x() < 0 || p.y() < 0 || p.x() >= m_extent.width() || p.y() >= m_extent.height())
        return 0;
    const qint32 entry = m_index[size_t(qint64(p.y()) * m_extent.width() + p.x())];
    return entry == 0 ? 0 : m_lines.lineOf(entry - 1);
}

QString pixelReadout(QPoint p, QRgb colour, qint64 line, const QString &fileName)
{
    const int r = qRed(colour);
    const int g = qGreen(colour);
    const int b = qBlue(colour);
    const Hsv hsv = rgbToHsv(r, g, b);
    QString text = userText(Text::PixelReadout)
                       .arg(p.x())
                       .arg(p.y())
                       .arg(r)
                       .arg(g)
                       .arg(b)
                       .arg(hsv.h)
                       .arg(hsv.s)
                       .arg(hsv.v);
    if (line > 0) {
        // Grouped, as a spreadsheet program numbers its rows for the eye: 1,234.
        QLocale locale;
        locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
        text += userText(Text::SheetLineOf).arg(locale.toString(line), fileName);
    }
    return text;
}

QString pixelReadout(QPoint p, QRgb colour, const PixelLines &lines)
{
    const QString cell = lines.cellAt(p);
    if (cell.isEmpty())
        return pixelReadout(p, colour, lines.lineAt(p), lines.fileName());
    if (lines.grid() != GridReading::None) {
        const QString holding = lines.cellHolding(colour);
        return pixelReadout(p, colour) + userText(Text::SheetGreyCellOf).arg(cell, lines.fileName())
               + (holding.isEmpty() ? QString() : QStringLiteral(" \u00b7 ") + holding);
    }
    const Text where = lines.shape() == SheetShape::Grey ? Text::SheetGreyCellOf : Text::SheetCellOf;
    return pixelReadout(p, colour) + userText(where).arg(cell, lines.fileName());
}

} // namespace tess
