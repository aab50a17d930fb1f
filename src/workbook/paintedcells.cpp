// SPDX-License-Identifier: GPL-3.0-or-later
#include "paintedcells.h"

#include "paintedbox.h"
#include "xlsxsheet.h"
#include "xlsxstyles.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <climits>
#include <unordered_map>

namespace tess {

namespace {

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
    PaintedBox box;
    box.left = painted.low.column;
    box.top = painted.low.row;
    box.width = painted.high.column - painted.low.column + 1;
    box.height = painted.high.row - painted.low.row + 1;
    box.painted = qint64(painted.cells.size());
    box.numbers = painted.numbers;
    return paintedPicture(box, [&](int x, int y) {
        const auto found = painted.cells.find(qint64(box.top + y) * 16384 + box.left + x);
        return found == painted.cells.end() ? QRgb(0xFFFFFF) : found->second;
    }, out, info);
}

} // namespace tess
