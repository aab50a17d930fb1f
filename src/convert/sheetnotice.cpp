#include "sheetnotice.h"

#include "text/usertexts.h"

#include <QLocale>
#include <QStringList>

namespace tess {

QString sheetNotice(const SheetInfo &info, const DrawStats &drawing)
{
    struct Part
    {
        qint64 count;
        Text one;
        Text many;
    };
    const Part parts[] = {
        { info.skippedLines, Text::SkippedLine, Text::SkippedLines },
        { drawing.outside, Text::NegativePosition, Text::NegativePositions },
        { info.notNumbers, Text::NotNumber, Text::NotNumbers },
        { drawing.clamped, Text::ClampedValue, Text::ClampedValues },
        { drawing.turned, Text::TurnedHue, Text::TurnedHues },
    };
    const QLocale english(QLocale::English); // "2,235"
    QStringList texts;
    for (const Part &part : parts) {
        if (part.count > 0)
            texts << userText(part.count == 1 ? part.one : part.many).arg(english.toString(part.count));
    }
    if (texts.isEmpty())
        return QString();
    return texts.join(QStringLiteral("; ")) + u'.';
}

} // namespace tess
