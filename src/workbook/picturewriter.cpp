// SPDX-License-Identifier: GPL-3.0-or-later
// The picture-shaped workbook as .xlsx: the grid of the picture's numbers, coloured by
// fixed colour scales, with cells sized so that a pixel is square.

#include "picturewriter_p.h"
#include "zipentry.h"

#include "text/usertexts.h"

#include <QColor>
#include <QIODevice>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace tess {

namespace picture {

uint32_t greyValue(uint32_t pixel)
{
    return uint32_t(qGray(QRgb(pixel)));
}

ValueTexts::ValueTexts()
{
    for (int v = 0; v < 256; ++v) {
        const auto end = std::to_chars(text[v], text[v] + 4, v).ptr;
        length[v] = uint8_t(end - text[v]);
    }
}

const ValueTexts &valueTexts()
{
    static const ValueTexts texts;
    return texts;
}

const char *scaleTop(SheetShape shape, int channel)
{
    if (shape == SheetShape::Grey)
        return "FFFFFF";
    static const char *const tops[3] = { "FF0000", "00FF00", "0000FF" };
    return tops[channel];
}

QByteArray columnName(int index)
{
    QByteArray name;
    for (int n = index + 1; n > 0; n = (n - 1) / 26)
        name.prepend(char('A' + (n - 1) % 26));
    return name;
}

QByteArray channelRanges(const PictureGrid &grid, SheetShape shape, int channel, const QByteArray &sheet)
{
    const int labels = shapeLabelColumns(shape);
    const QByteArray first = sheet + columnName(labels), last = sheet + columnName(labels + grid.width - 1);
    QByteArray ranges;
    for (int y = 0; y < grid.height; ++y) {
        const QByteArray row = QByteArray::number(2 + qint64(y) * shapeRowsPerPixel(shape) + channel);
        if (!ranges.isEmpty())
            ranges += ' ';
        ranges += first + row + ':' + last + row;
    }
    return ranges;
}

QByteArray escapedXml(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

QByteArray sheetNameXml()
{
    // A worksheet's name has at most 31 characters and none of []:*?/\.
    QString name = userText(Text::PictureSheetName).left(31);
    for (QChar &c : name) {
        if (QStringView(u"[]:*?/\\").contains(c))
            c = u'_';
    }
    return escapedXml(name.isEmpty() ? QStringLiteral("Picture") : name);
}

// Compression level 1, as for the pixel sheet: the cells are repetitive markup, which this
// level packs well in a fraction of the time of the default one.
constexpr int CompressionLevel = 1;

bool writeZipEntry(QuaZip &zip, const StopFlag *stop, const char *name,
                   const std::function<bool(XmlBuffer &)> &write, bool stored)
{
    QuaZipFile entry(&zip);
    if (!beginZipEntry(entry, name, stored ? 0 : Z_DEFLATED, stored ? 0 : CompressionLevel, stop))
        return false;
    bool written = false;
    {
        XmlBuffer out(entry);
        written = write(out) && out.flush();
    }
    entry.close();
    return written && entry.getZipError() == ZIP_OK;
}

Result writePackage(QIODevice &device, const PictureGrid &grid, SheetShape shape,
                    const std::function<bool(QuaZip &)> &parts)
{
    const auto fail = [](const QString &why) { return outcome(Status::SheetNotSaved, why); };
    if (!fitsPictureSheet(grid.width, grid.height, shape))
        return fail(userText(Text::PictureTooLargeForSheet).arg(grid.width).arg(grid.height));
    QuaZip zip(&device);
    zip.setAutoClose(false); // the caller owns the device
    if (!zip.open(QuaZip::mdCreate))
        return fail(device.errorString());
    const bool written = parts(zip);
    zip.close();
    if (!written || zip.getZipError() != ZIP_OK) {
        const QString reason = device.errorString();
        return fail(reason.isEmpty() || reason == QLatin1String("Unknown error") ? userText(Text::DataNotWritten)
                                                                                 : reason);
    }
    return Result{};
}

} // namespace picture

using namespace picture;

PictureGrid pictureGrid(const PixelRecords &records, int width, int height)
{
    PictureGrid grid;
    if (width <= 0 || height <= 0)
        return grid;
    try {
        grid.pixels.assign(size_t(width) * size_t(height), 0);
    } catch (const std::bad_alloc &) {
        return grid;
    }
    grid.width = width;
    grid.height = height;
    const auto clamp = [](int32_t v) { return uint32_t(std::clamp(v, 0, 255)); };
    for (const PixelRecord &record : records) {
        if (record.x < 0 || record.y < 0 || record.x >= width || record.y >= height)
            continue;
        grid.pixels[size_t(record.y) * size_t(width) + size_t(record.x)] =
                clamp(record.r) << 16 | clamp(record.g) << 8 | clamp(record.b);
    }
    return grid;
}

bool fitsPictureSheet(int width, int height, SheetShape shape)
{
    return width >= 0 && height >= 0 && qint64(width) + shapeLabelColumns(shape) <= 16384
           && qint64(height) * shapeRowsPerPixel(shape) + 1 <= 1048576;
}

namespace {

// A pixel is 9 points square, 12 screen pixels at 96 dpi: three rows of 3 points in RGB,
// one of 9 in grey, and a column 12 pixels wide.
constexpr int PixelSide = 12;
constexpr int LabelRowPixels = 20;
constexpr int LabelColumnPixels[2] = { 40, 54 };

} // namespace

int pictureZoom(int width, int height, SheetShape shape)
{
    // The part of a 1280 x 800 screen that a spreadsheet program leaves to the cells.
    constexpr double Across = 1200, Down = 600;
    int labels = LabelColumnPixels[0];
    if (shape != SheetShape::Grey)
        labels += LabelColumnPixels[1];
    const double wide = labels + double(width) * PixelSide;
    const double tall = LabelRowPixels + double(height) * PixelSide;
    const double fit = std::min(Across / wide, Down / tall) * 100;
    return int(std::clamp(fit, 10.0, 100.0));
}

namespace {

constexpr char XmlHead[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

constexpr char ContentTypes[] =
        R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
        R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
        R"(<Default Extension="xml" ContentType="application/xml"/>)"
        R"(<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)"
        R"(<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>)"
        R"(<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>)"
        R"(</Types>)";

constexpr char PackageRels[] =
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>)"
        R"(</Relationships>)";

constexpr char WorkbookRels[] =
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
        R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
        R"(</Relationships>)";

// Column widths are counted in the Normal font's digits, so the font is pinned: Calibri
// 11, whose maximum digit width is 7 pixels, and whose metric twin Carlito ships with
// the free office suites. Without it a substitute font would make the pixels 1.33 times
// as wide as tall.
constexpr char Styles[] =
        R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
        R"(<fonts count="1"><font><sz val="11"/><name val="Calibri"/><family val="2"/></font></fonts>)"
        R"(<fills count="2"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill></fills>)"
        R"(<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>)"
        R"(<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>)"
        R"(<cellXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/></cellXfs>)"
        R"(<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>)"
        R"(<dxfs count="0"/><tableStyles count="0"/></styleSheet>)";
constexpr int MaxDigitWidth = 7;

// The width to write for a column of so many pixels. The file format counts a width in
// the Normal font's maximum digit width, rounded to whole pixels by Excel (7 for Calibri 11)
// and not rounded by Calc (about 7.44): the narrowest width that still gives the pixels by
// the format's formula, Truncate(((256 * width + Truncate(128 / digit)) / 256) * digit),
// keeps both within 2 % of square.
double columnWidth(int pixels)
{
    const int units = int(std::ceil(double(pixels) * 256 / MaxDigitWidth - 128 / MaxDigitWidth));
    return double(units) / 256;
}

bool fixedText(XmlBuffer &out, const char *text)
{
    return out.reserve(qsizetype(sizeof XmlHead)) && (out.append(XmlHead), out.appendLong(QByteArray(text)));
}

bool writeWorkbookPart(XmlBuffer &out)
{
    const QByteArray text = QByteArray(XmlHead)
            + R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
              R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
              R"(<bookViews><workbookView activeTab="0"/></bookViews><sheets><sheet name=")"
            + sheetNameXml() + R"(" sheetId="1" r:id="rId1"/></sheets></workbook>)";
    return out.appendLong(text);
}

// Everything before the rows: fitting the printout on a page, the frozen labels, the zoom,
// the row height and the column widths.
QByteArray sheetStart(const PictureGrid &grid, SheetShape shape)
{
    const int labels = shapeLabelColumns(shape);
    const int rows = grid.height * shapeRowsPerPixel(shape) + 1;
    const QByteArray last = columnName(labels + std::max(grid.width, 1) - 1) + QByteArray::number(rows);
    const QByteArray firstPixel = columnName(labels) + "2";
    QByteArray text = QByteArray(XmlHead)
            + R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
              R"(<sheetPr><pageSetUpPr fitToPage="1"/></sheetPr><dimension ref="A1:)" + last + R"("/>)"
            + R"(<sheetViews><sheetView tabSelected="1" zoomScale=")"
            + QByteArray::number(pictureZoom(grid.width, grid.height, shape)) + R"(" workbookViewId="0">)"
            + R"(<pane xSplit=")" + QByteArray::number(labels) + R"(" ySplit="1" topLeftCell=")" + firstPixel
            + R"(" activePane="bottomRight" state="frozen"/><selection pane="bottomRight" activeCell=")" + firstPixel
            + R"(" sqref=")" + firstPixel + R"("/></sheetView></sheetViews>)";
    const int rowPoints = PixelSide * 3 / 4 / shapeRowsPerPixel(shape);
    text += R"(<sheetFormatPr defaultRowHeight=")" + QByteArray::number(rowPoints) + R"(" customHeight="1"/><cols>)";
    for (int c = 0; c < labels; ++c) {
        text += R"(<col min=")" + QByteArray::number(c + 1) + R"(" max=")" + QByteArray::number(c + 1)
                + R"(" width=")" + QByteArray::number(columnWidth(LabelColumnPixels[c]), 'g', 10)
                + R"(" customWidth="1"/>)";
    }
    if (grid.width > 0) {
        text += R"(<col min=")" + QByteArray::number(labels + 1) + R"(" max=")"
                + QByteArray::number(labels + grid.width) + R"(" width=")"
                + QByteArray::number(columnWidth(PixelSide), 'g', 10) + R"(" customWidth="1"/>)";
    }
    return text + "</cols><sheetData>";
}

// One sheet row: the label cells, then one number cell per picture column.
bool writeRow(XmlBuffer &out, const std::vector<QByteArray> &columns, const PictureGrid &grid,
              SheetShape shape, int y, int channel, int64_t row)
{
    const ValueTexts &texts = valueTexts();
    char number[24];
    const size_t numberLength = size_t(std::to_chars(number, number + sizeof number, row).ptr - number);
    if (!out.reserve(256))
        return false;
    out.append(R"(<row r=")");
    out.append(number, numberLength);
    if (shape == SheetShape::Grey)
        out.append(R"(" ht="9" customHeight="1"><c r="A)");
    else
        out.append(R"(" ht="3" customHeight="1"><c r="A)");
    out.append(number, numberLength);
    out.append(R"("><v>)");
    out.appendNumber(y);
    out.append("</v></c>");
    if (shape != SheetShape::Grey) {
        out.append(R"(<c r="B)");
        out.append(number, numberLength);
        out.append(R"(" t="inlineStr"><is><t>)");
        out.append(&ChannelLetters[channel], 1);
        out.append("</t></is></c>");
    }
    const uint32_t *pixel = grid.pixels.data() + size_t(y) * size_t(grid.width);
    const int labels = shapeLabelColumns(shape);
    for (int x = 0; x < grid.width; ++x) {
        if (!out.reserve(64))
            return false;
        const uint32_t v = shownValue(pixel[x], shape, channel);
        out.append(R"(<c r=")");
        out.appendText(columns[size_t(labels + x)]);
        out.append(number, numberLength);
        out.append(R"("><v>)");
        out.append(texts.text[v], texts.length[v]);
        out.append("</v></c>");
    }
    return out.reserve(8) && (out.append("</row>"), true);
}

// Row 1: "y", "colour" in RGB, then the x numbers.
QByteArray labelRow(const std::vector<QByteArray> &columns, const PictureGrid &grid, SheetShape shape)
{
    QByteArray text = R"(<row r="1" ht="15" customHeight="1"><c r="A1" t="inlineStr"><is><t>)"
            + QByteArray(ShapeYLabel) + "</t></is></c>";
    if (shape != SheetShape::Grey)
        text += R"(<c r="B1" t="inlineStr"><is><t>)" + QByteArray(ShapeColourLabel) + "</t></is></c>";
    const int labels = shapeLabelColumns(shape);
    for (int x = 0; x < grid.width; ++x)
        text += R"(<c r=")" + columns[size_t(labels + x)] + R"(1"><v>)" + QByteArray::number(x) + "</v></c>";
    return text + "</row>";
}

// One colour scale per channel over all of its rows, from black at 0 to the channel's
// full colour at 255: fixed numbers, so that a picture's contrast is never stretched.
QByteArray colourScales(const PictureGrid &grid, SheetShape shape)
{
    if (grid.width == 0 || grid.height == 0)
        return {};
    QByteArray text;
    for (int channel = 0; channel < shapeRowsPerPixel(shape); ++channel) {
        text += R"(<conditionalFormatting sqref=")" + channelRanges(grid, shape, channel) + R"("><cfRule type="colorScale" priority=")"
                + QByteArray::number(channel + 1)
                + R"("><colorScale><cfvo type="num" val="0"/><cfvo type="num" val="255"/>)"
                  R"(<color rgb="FF000000"/><color rgb="FF)" + scaleTop(shape, channel)
                + R"("/></colorScale></cfRule></conditionalFormatting>)";
    }
    return text;
}

// A printout or PDF export puts the whole picture on one landscape page.
constexpr char SheetEnd[] =
        R"(<pageMargins left="0.4" right="0.4" top="0.4" bottom="0.4" header="0" footer="0"/>)"
        R"(<pageSetup orientation="landscape" fitToWidth="1" fitToHeight="1"/></worksheet>)";

bool writeSheetPart(XmlBuffer &out, const PictureGrid &grid, SheetShape shape)
{
    const int labels = shapeLabelColumns(shape);
    std::vector<QByteArray> columns(size_t(labels + grid.width));
    for (size_t c = 0; c < columns.size(); ++c)
        columns[c] = columnName(int(c));
    if (!out.appendLong(sheetStart(grid, shape)) || !out.appendLong(labelRow(columns, grid, shape)))
        return false;
    const int perPixel = shapeRowsPerPixel(shape);
    int64_t row = 2;
    for (int y = 0; y < grid.height; ++y) {
        for (int channel = 0; channel < perPixel; ++channel, ++row) {
            if (!writeRow(out, columns, grid, shape, y, channel, row))
                return false;
        }
    }
    return out.appendLong("</sheetData>" + colourScales(grid, shape) + SheetEnd);
}

} // namespace

Result writePictureXlsx(QIODevice &device, const PictureGrid &grid, SheetShape shape, const StopFlag *stop)
{
    return writePackage(device, grid, shape, [&](QuaZip &zip) {
        return writeZipEntry(zip, stop, "[Content_Types].xml", [](XmlBuffer &out) { return fixedText(out, ContentTypes); })
               && writeZipEntry(zip, stop, "_rels/.rels", [](XmlBuffer &out) { return fixedText(out, PackageRels); })
               && writeZipEntry(zip, stop, "xl/workbook.xml", writeWorkbookPart)
               && writeZipEntry(zip, stop, "xl/_rels/workbook.xml.rels",
                                [](XmlBuffer &out) { return fixedText(out, WorkbookRels); })
               && writeZipEntry(zip, stop, "xl/styles.xml", [](XmlBuffer &out) { return fixedText(out, Styles); })
               && writeZipEntry(zip, stop, "xl/worksheets/sheet1.xml",
                                [&](XmlBuffer &out) { return writeSheetPart(out, grid, shape); });
    });
}

} // namespace tess
