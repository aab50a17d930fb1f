// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelsheets.h"

#include "workbookzip.h"
#include "text/usertexts.h"

#include <QXmlStreamReader>

#include <memory>

namespace tess {

namespace {

// The name in small letters without accents or blanks: "Grün" as "grun".
QString plainName(const QString &name)
{
    QString plain;
    for (const QChar c : name.normalized(QString::NormalizationForm_D).toLower()) {
        if (c.isLetter())
            plain += c;
    }
    return plain;
}

SheetInfo refusedSheet(const QString &sheet, const QString &why)
{
    SheetInfo info;
    info.status = Status::SheetNotValid;
    info.detail = userText(Text::ChannelSheetRefused).arg(u'\'' + sheet + u'\'', why);
    return info;
}

} // namespace

int channelOfName(const QString &name)
{
    static const QStringList names[3] = {
        { QStringLiteral("r"), QStringLiteral("red"), QStringLiteral("rot"), QStringLiteral("rouge"), QStringLiteral("rojo") },
        { QStringLiteral("g"), QStringLiteral("green"), QStringLiteral("grun"), QStringLiteral("gruen"),
          QStringLiteral("vert"), QStringLiteral("verde") },
        { QStringLiteral("b"), QStringLiteral("blue"), QStringLiteral("blau"), QStringLiteral("bleu"), QStringLiteral("azul") },
    };
    const QString plain = plainName(name);
    for (int channel = 0; channel < 3; ++channel) {
        if (names[channel].contains(plain))
            return channel;
    }
    return -1;
}

std::optional<std::array<QString, 3>> channelSheets(const QStringList &names)
{
    std::array<QString, 3> found;
    std::array<bool, 3> seen {};
    for (const QString &name : names) {
        const int channel = channelOfName(name);
        if (channel >= 0 && !seen[size_t(channel)]) {
            seen[size_t(channel)] = true;
            found[size_t(channel)] = name;
        }
    }
    if (!seen[0] || !seen[1] || !seen[2])
        return std::nullopt;
    return found;
}

std::optional<SheetInfo> readChannelSheets(const std::array<QString, 3> &names, const SheetByName &read, PixelRecords &out)
{
    SheetOptions options;
    options.channelValues = true;
    std::array<SheetInfo, 3> infos;
    std::array<PixelRecords, 3> records;
    bool anyGrid = false;
    for (size_t c = 0; c < 3; ++c) {
        infos[c] = read(names[c], records[c], options);
        if (c == 0 && infos[c].status == Status::Done && infos[c].grid == GridReading::None)
            return std::nullopt; // a pixel list of its own
        if (infos[c].status == Status::SheetOutOfMemory) {
            out.clear();
            return infos[c];
        }
        anyGrid = anyGrid || (infos[c].status == Status::Done && infos[c].grid == GridReading::Grey);
    }
    // Three sheets of notes that happen to be named so are no picture of this kind.
    if (!anyGrid)
        return std::nullopt;
    out.clear();
    const SheetInfo &first = infos[0];
    for (size_t c = 0; c < 3; ++c) {
        if (infos[c].status != Status::Done || infos[c].grid != GridReading::Grey)
            return refusedSheet(names[c], infos[c].detail);
        if (infos[c].width != first.width || infos[c].height != first.height || records[c].size() != records[0].size())
            return refusedSheet(names[c], userText(Text::ChannelSizesDiffer)
                                              .arg(infos[c].width).arg(infos[c].height)
                                              .arg(u'\'' + names[0] + u'\'').arg(first.width).arg(first.height));
    }
    // Every grid gives its cells in the same order, column by column.
    out = std::move(records[0]);
    for (size_t i = 0; i < out.size(); ++i) {
        out[i].g = records[1][i].r;
        out[i].b = records[2][i].r;
    }
    SheetInfo info = first;
    info.grid = GridReading::Channels;
    info.worksheetName = names[0];
    info.sheetName.clear();
    info.channelSheets = QStringList { names[0], names[1], names[2] };
    return info;
}

QStringList odsTableNames(WorkbookArchive &archive)
{
    QStringList names;
    const Outcome<std::unique_ptr<WorkbookEntry>> content = archive.openEntry(QStringLiteral("content.xml"));
    if (!content.ok())
        return names;
    QXmlStreamReader xml(content.value().get());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"table" && xml.prefix() == u"table")
            names << xml.attributes().value(QStringLiteral("table:name")).toString();
    }
    return names;
}

} // namespace tess
