// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetnotice.h"

#include "text/usertexts.h"

#include <QLocale>
#include <QStringList>

namespace tess {

namespace {

// What a grid made by hand was read as, and where it lies: "read the grid B2:AC29 of
// Sheet1 as a 28 × 28 picture of grey values".
QString gridNotice(const SheetInfo &info, const QLocale &english)
{
    const Text text = info.grid == GridReading::Grey ? Text::GridReadGrey
                      : info.grid == GridReading::Ink ? (info.gridOnesWhite ? Text::GridReadInkWhite : Text::GridReadInk)
                                                       : Text::GridReadCodes;
    const QString cells = gridCellName(info.gridOrigin, 0, 0) + u':'
                          + gridCellName(info.gridOrigin, info.width - 1, info.height - 1);
    if (info.grid == GridReading::Channels && info.channelSheets.size() == 3) {
        const QStringList &names = info.channelSheets;
        return userText(Text::GridReadChannels)
            .arg(cells, u'\'' + names[0] + u'\'', u'\'' + names[1] + u'\'', u'\'' + names[2] + u'\'',
                 english.toString(info.width), english.toString(info.height));
    }
    const QString sheet = info.worksheetName.isEmpty() ? userText(Text::GridCsvName) : info.worksheetName;
    return userText(text).arg(cells, sheet, english.toString(info.width), english.toString(info.height));
}

} // namespace

QString sheetNotice(const SheetInfo &info, const DrawStats &drawing)
{
    struct Part
    {
        qint64 count;
        Text one;
        Text many;
        QString example; // where one of them is, when that helps to find them
    };
    const Part parts[] = {
        { info.linesAboveHeader, Text::LineAboveHeader, Text::LinesAboveHeader, {} },
        { info.skippedLines, Text::SkippedLine, Text::SkippedLines, {} },
        { info.notNumbers, Text::NotNumber, Text::NotNumbers, info.notNumberExample },
        { info.emptyColours, Text::EmptyColour, Text::EmptyColours, info.emptyExample },
        { info.commaGroups, Text::CommaGroup, Text::CommaGroups, info.commaGroupExample },
        { info.commaDecimals, Text::CommaDecimal, Text::CommaDecimals, info.commaDecimalExample },
        { info.formulasWithoutResult, Text::FormulaWithoutResult, Text::FormulasWithoutResult, {} },
        { drawing.outside, Text::NegativePosition, Text::NegativePositions, {} },
        { drawing.holes, Text::Hole, Text::Holes, {} },
        { drawing.clamped, Text::ClampedValue, Text::ClampedValues, {} },
        { drawing.turned, Text::TurnedHue, Text::TurnedHues, {} },
    };
    const QLocale english(QLocale::English); // "2,235"
    QStringList texts;
    for (const Part &part : parts) {
        if (part.count <= 0)
            continue;
        QString text = userText(part.count == 1 ? part.one : part.many).arg(english.toString(part.count));
        if (!part.example.isEmpty())
            text = userText(Text::ForExample).arg(text, part.example);
        texts << text;
    }
    if (!info.sheetName.isEmpty())
        texts.prepend(userText(Text::DrawnFromSheet).arg(info.sheetName));
    if (info.grid == GridReading::Painted) {
        if (!info.unreadRules.isEmpty())
            texts.prepend(userText(Text::PaintedRulesUnread).arg(info.unreadRules.join(QStringLiteral(", "))));
        if (info.paintedDithered)
            texts.prepend(userText(Text::PaintedColoursReduced));
        const QString cells = columnLetters(info.gridOrigin.column) + QString::number(info.gridOrigin.row + 1) + u':'
                              + columnLetters(info.gridOrigin.column + info.width - 1)
                              + QString::number(info.gridOrigin.row + info.height);
        texts.prepend(userText(Text::PaintedCellsRead)
                          .arg(cells, u'\'' + info.worksheetName + u'\'', english.toString(info.width), english.toString(info.height)));
    }
    if (info.shape != SheetShape::List)
        texts.prepend(userText(info.shape == SheetShape::Grey ? Text::ReadAsGreySheet : Text::ReadAsPictureSheet)
                              .arg(english.toString(info.width), english.toString(info.height)));
    if (info.grid == GridReading::Grey || info.grid == GridReading::Ink || info.grid == GridReading::Codes
        || info.grid == GridReading::Channels)
        texts.prepend(gridNotice(info, english));
    if (texts.isEmpty())
        return QString();
    return texts.join(QStringLiteral("; ")) + u'.';
}

} // namespace tess
