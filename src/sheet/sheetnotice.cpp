#include "sheetnotice.h"

#include <QLocale>
#include <QStringList>

namespace tess {

QString sheetNotice(const SheetInfo &info, const DrawStats &drawing)
{
    struct Part
    {
        qint64 count;
        const char *one;
        const char *many;
    };
    const Part parts[] = {
        { info.skippedLines, "%1 line without a pixel position was skipped",
          "%1 lines without a pixel position were skipped" },
        { info.notNumbers, "%1 colour value that is not a number was read as 0",
          "%1 colour values that are not numbers were read as 0" },
        { drawing.clamped, "%1 colour value outside 0–255 was drawn as 0 or 255",
          "%1 colour values outside 0–255 were drawn as 0 or 255" },
        { drawing.turned, "%1 hue outside 0–359 was drawn modulo 360",
          "%1 hues outside 0–359 were drawn modulo 360" },
    };
    const QLocale english(QLocale::English); // "2,235"
    QStringList texts;
    for (const Part &part : parts) {
        if (part.count > 0)
            texts << QString::fromUtf8(part.count == 1 ? part.one : part.many).arg(english.toString(part.count));
    }
    if (texts.isEmpty())
        return QString();
    return texts.join(QStringLiteral("; ")) + u'.';
}

} // namespace tess
