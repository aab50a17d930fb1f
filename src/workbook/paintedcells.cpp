// SPDX-License-Identifier: GPL-3.0-or-later
#include "paintedcells.h"

#include "xlsxsheet.h"
#include "xlsxstyles.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <climits>
#include <unordered_map>

namespace tess {

namespace {

// A picture of more cells than this is no drawing a hand painted; it would only cost memory
// (each painted cell is held in a map until the box is known, some 40 bytes).
constexpr qint64 PaintedCellLimit = 4 << 20;

struct CellPlace
{
    int column = -1;
    int row = -1;
};

// "B12" as column 1, row 11; -1 when it is no cell name.
CellPlace cellPlace(QStringView name)
{
    const QByteArray reference = name.toLatin1();
    const std::string_view text(reference.constData(), size_t(reference.size()));
    const qint64 column = cellColumn(text);
    if (column < 0)
        return {};
    const size_t letters = text.find_first_of("0123456789");
    return { int(column), int(rowNumber(text.substr(letters)) - 1) };
}

struct Painted
{
    std::unordered_map<qint64, QRgb> cells; // by row * 16384 + column
    CellPlace low { INT_MAX, INT_MAX };
    CellPlace high { -1, -1 };
    qint64 numbers = 0; // cells holding a number, painted or not
};

void takeCell(QXmlStreamReader &xml, const XlsxStyles &styles, Painted &painted)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    const CellPlace place = cellPlace(attributes.value(QLatin1StringView("r")));
    const QStringView type = attributes.value(QLatin1StringView("t"));
    bool ok = false;
    const uint style = attributes.value(QLatin1StringView("s")).toUInt(&ok);
    QString value;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"v")
            value = xml.readElementText();
        else
            xml.skipCurrentElement();
    }
    if (place.column < 0)
        return;
    bool number = false;
    value.toDouble(&number);
    if (number && (type.isEmpty() || type == u"n"))
        ++painted.numbers;
    if (!ok || style >= styles.cells.size() || !styles.cells[style].painted)
        return;
    painted.cells[qint64(place.row) * 16384 + place.column] = styles.cells[style].colour;
    painted.low = { std::min(painted.low.column, place.column), std::min(painted.low.row, place.row) };
    painted.high = { std::max(painted.high.column, place.column), std::max(painted.high.row, place.row) };
}

} // namespace

bool readPaintedCells(QIODevice &worksheet, const XlsxStyles &styles, PixelRecords &out, SheetInfo &info)
{
    out.clear();
    QXmlStreamReader xml(&worksheet);
    Painted painted;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"c")
            takeCell(xml, styles, painted);
        if (qint64(painted.cells.size()) > PaintedCellLimit)
            return false;
    }
    if (xml.hasError() || painted.cells.empty())
        return false;
    const int width = painted.high.column - painted.low.column + 1;
    const int height = painted.high.row - painted.low.row + 1;
    if (width < 2 || height < 2 || qint64(width) * height > PaintedCellLimit
        || painted.numbers > qint64(painted.cells.size()))
        return false;
    out.reserve(size_t(width) * size_t(height));
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const auto found = painted.cells.find(qint64(painted.low.row + y) * 16384 + painted.low.column + x);
            const QRgb colour = found == painted.cells.end() ? QRgb(0xFFFFFF) : found->second;
            PixelRecord record;
            record.x = x;
            record.y = y;
            record.r = qRed(colour);
            record.g = qGreen(colour);
            record.b = qBlue(colour);
            out.push_back(record);
        }
    }
    info = SheetInfo{};
    info.status = SheetStatus::Loaded;
    info.grid = GridReading::Painted;
    info.gridOrigin = { painted.low.column, painted.low.row };
    info.width = width;
    info.height = height;
    return true;
}

} // namespace tess
