// SPDX-License-Identifier: GPL-3.0-or-later
// The picture-shaped workbook as an OpenDocument spreadsheet. Its sizes are absolute, so a
// pixel is square whatever fonts are installed: 9 points, a column of 3.175 mm and rows
// of 3 points (RGB) or 9 points (grey).

#include "picturewriter_p.h"

#include <quazip/quazip.h>

namespace tess {

using namespace picture;

namespace {

constexpr char XmlHead[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

constexpr char Manifest[] =
        R"(<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.3">)"
        R"(<manifest:file-entry manifest:full-path="/" manifest:version="1.3" manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>)"
        R"(<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>)"
        R"(<manifest:file-entry manifest:full-path="styles.xml" manifest:media-type="text/xml"/>)"
        R"(<manifest:file-entry manifest:full-path="settings.xml" manifest:media-type="text/xml"/>)"
        R"(</manifest:manifest>)";

// The page: landscape, the whole sheet scaled onto one page when printed or exported.
constexpr char Styles[] =
        R"(<office:document-styles xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
        R"(xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" )"
        R"(xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" office:version="1.3">)"
        R"(<office:automatic-styles><style:page-layout style:name="pm1">)"
        R"(<style:page-layout-properties style:print-orientation="landscape" fo:page-width="297mm" )"
        R"(fo:page-height="210mm" fo:margin="10mm" style:scale-to-pages="1"/>)"
        R"(</style:page-layout></office:automatic-styles><office:master-styles>)"
        R"(<style:master-page style:name="Default" style:page-layout-name="pm1"/>)"
        R"(</office:master-styles></office:document-styles>)";

constexpr char ContentStart[] =
        R"(<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
        R"(xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" )"
        R"(xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" )"
        R"(xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" )"
        R"(xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" )"
        R"(xmlns:calcext="urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0" office:version="1.3">)"
        R"(<office:automatic-styles>)"
        R"(<style:style style:name="co1" style:family="table-column"><style:table-column-properties style:column-width="10.583mm"/></style:style>)"
        R"(<style:style style:name="co2" style:family="table-column"><style:table-column-properties style:column-width="14.288mm"/></style:style>)"
        R"(<style:style style:name="co3" style:family="table-column"><style:table-column-properties style:column-width="3.175mm"/></style:style>)"
        R"(<style:style style:name="ro1" style:family="table-row"><style:table-row-properties style:row-height="15pt" style:use-optimal-row-height="false"/></style:style>)"
        R"(<style:style style:name="ro2" style:family="table-row"><style:table-row-properties style:row-height="3pt" style:use-optimal-row-height="false"/></style:style>)"
        R"(<style:style style:name="ro3" style:family="table-row"><style:table-row-properties style:row-height="9pt" style:use-optimal-row-height="false"/></style:style>)"
        R"(<style:style style:name="ta1" style:family="table" style:master-page-name="Default"><style:table-properties table:display="true"/></style:style>)"
        R"(</office:automatic-styles><office:body><office:spreadsheet>)";

// The name as a range address writes it: quoted when it holds more than letters and digits.
QByteArray rangeSheetName(const QByteArray &name)
{
    for (const char c : name) {
        if (!QChar::isLetterOrNumber(uchar(c)) && uchar(c) < 0x80)
            return '\'' + QByteArray(name).replace('\'', "''") + '\'';
    }
    return name;
}

QByteArray settings(const QByteArray &name, int zoom, SheetShape shape)
{
    const auto item = [](const char *key, const char *type, const QByteArray &value) {
        return QByteArray(R"(<config:config-item config:name=")") + key + R"(" config:type=")" + type + R"(">)"
               + value + "</config:config-item>";
    };
    const QByteArray labels = QByteArray::number(shapeLabelColumns(shape));
    return QByteArray(XmlHead)
           + R"(<office:document-settings xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
             R"(xmlns:config="urn:oasis:names:tc:opendocument:xmlns:config:1.0" office:version="1.3">)"
             R"(<office:settings><config:config-item-set config:name="ooo:view-settings">)"
             R"(<config:config-item-map-indexed config:name="Views"><config:config-item-map-entry>)"
           + item("ViewId", "string", "view1") + R"(<config:config-item-map-named config:name="Tables">)"
           + R"(<config:config-item-map-entry config:name=")" + name + R"(">)"
           + item("HorizontalSplitMode", "short", "2") + item("VerticalSplitMode", "short", "2")
           + item("HorizontalSplitPosition", "int", labels) + item("VerticalSplitPosition", "int", "1")
           + item("ActiveSplitRange", "short", "3") + item("PositionLeft", "int", "0")
           + item("PositionRight", "int", labels) + item("PositionTop", "int", "0")
           + item("PositionBottom", "int", "1") + item("ZoomType", "short", "0")
           + item("ZoomValue", "int", QByteArray::number(zoom))
           + "</config:config-item-map-entry></config:config-item-map-named>"
           + item("ActiveTable", "string", name) + item("ZoomType", "short", "0")
           + item("ZoomValue", "int", QByteArray::number(zoom))
           + "</config:config-item-map-entry></config:config-item-map-indexed>"
             "</config:config-item-set></office:settings></office:document-settings>";
}

QByteArray tableStart(const QByteArray &name, const PictureGrid &grid, SheetShape shape)
{
    QByteArray text = R"(<table:table table:name=")" + name + R"(" table:style-name="ta1">)"
                      R"(<table:table-column table:style-name="co1"/>)";
    if (shape != SheetShape::Grey)
        text += R"(<table:table-column table:style-name="co2"/>)";
    if (grid.width > 0)
        text += R"(<table:table-column table:style-name="co3" table:number-columns-repeated=")"
                + QByteArray::number(grid.width) + R"("/>)";
    text += R"(<table:table-header-rows><table:table-row table:style-name="ro1">)"
            R"(<table:table-cell office:value-type="string"><text:p>)" + QByteArray(ShapeYLabel)
            + "</text:p></table:table-cell>";
    if (shape != SheetShape::Grey)
        text += R"(<table:table-cell office:value-type="string"><text:p>)" + QByteArray(ShapeColourLabel)
                + "</text:p></table:table-cell>";
    for (int x = 0; x < grid.width; ++x) {
        const QByteArray n = QByteArray::number(x);
        text += R"(<table:table-cell office:value-type="float" office:value=")" + n + R"("><text:p>)" + n
                + "</text:p></table:table-cell>";
    }
    return text + "</table:table-row></table:table-header-rows>";
}

bool writeRow(XmlBuffer &out, const PictureGrid &grid, SheetShape shape, int y, int channel)
{
    const ValueTexts &texts = valueTexts();
    if (!out.reserve(256))
        return false;
    if (shape == SheetShape::Grey)
        out.append(R"(<table:table-row table:style-name="ro3">)");
    else
        out.append(R"(<table:table-row table:style-name="ro2">)");
    out.append(R"(<table:table-cell office:value-type="float" office:value=")");
    out.appendNumber(y);
    out.append(R"("><text:p>)");
    out.appendNumber(y);
    out.append("</text:p></table:table-cell>");
    if (shape != SheetShape::Grey) {
        out.append(R"(<table:table-cell office:value-type="string"><text:p>)");
        out.append(&ChannelLetters[channel], 1);
        out.append("</text:p></table:table-cell>");
    }
    const uint32_t *pixel = grid.pixels.data() + size_t(y) * size_t(grid.width);
    for (int x = 0; x < grid.width; ++x) {
        if (!out.reserve(128))
            return false;
        const uint32_t v = shownValue(pixel[x], shape, channel);
        out.append(R"(<table:table-cell office:value-type="float" office:value=")");
        out.append(texts.text[v], texts.length[v]);
        out.append(R"("><text:p>)");
        out.append(texts.text[v], texts.length[v]);
        out.append("</text:p></table:table-cell>");
    }
    return out.reserve(32) && (out.append("</table:table-row>"), true);
}

QByteArray colourScales(const QByteArray &name, const PictureGrid &grid, SheetShape shape)
{
    if (grid.width == 0 || grid.height == 0)
        return {};
    const QByteArray sheet = rangeSheetName(name) + '.';
    QByteArray text = "<calcext:conditional-formats>";
    for (int channel = 0; channel < shapeRowsPerPixel(shape); ++channel) {
        text += R"(<calcext:conditional-format calcext:target-range-address=")"
                + channelRanges(grid, shape, channel, sheet) + R"(">)"
                R"(<calcext:color-scale><calcext:color-scale-entry calcext:value="0" calcext:type="number" calcext:color="#000000"/>)"
                R"(<calcext:color-scale-entry calcext:value="255" calcext:type="number" calcext:color="#)"
                + QByteArray(scaleTop(shape, channel)).toLower()
                + R"("/></calcext:color-scale></calcext:conditional-format>)";
    }
    return text + "</calcext:conditional-formats>";
}

bool writeContent(XmlBuffer &out, const PictureGrid &grid, SheetShape shape)
{
    const QByteArray name = sheetNameXml();
    if (!out.appendLong(QByteArray(XmlHead) + ContentStart + tableStart(name, grid, shape)))
        return false;
    const int perPixel = shapeRowsPerPixel(shape);
    for (int y = 0; y < grid.height; ++y) {
        for (int channel = 0; channel < perPixel; ++channel) {
            if (!writeRow(out, grid, shape, y, channel))
                return false;
        }
    }
    return out.appendLong(colourScales(name, grid, shape)
                          + "</table:table></office:spreadsheet></office:body></office:document-content>");
}

} // namespace

Result writePictureOds(QIODevice &device, const PictureGrid &grid, SheetShape shape, const StopFlag *stop)
{
    const int zoom = pictureZoom(grid.width, grid.height, shape);
    return writePackage(device, grid, shape, [&](QuaZip &zip) {
        // The type comes first and uncompressed, so that it can be recognised at a fixed place.
        return writeZipEntry(zip, stop, "mimetype",
                             [](XmlBuffer &out) { return out.appendLong("application/vnd.oasis.opendocument.spreadsheet"); },
                             true)
               && writeZipEntry(zip, stop, "META-INF/manifest.xml",
                                [](XmlBuffer &out) { return out.appendLong(QByteArray(XmlHead) + Manifest); })
               && writeZipEntry(zip, stop, "styles.xml",
                                [](XmlBuffer &out) { return out.appendLong(QByteArray(XmlHead) + Styles); })
               && writeZipEntry(zip, stop, "settings.xml",
                                [&](XmlBuffer &out) { return out.appendLong(settings(sheetNameXml(), zoom, shape)); })
               && writeZipEntry(zip, stop, "content.xml", [&](XmlBuffer &out) { return writeContent(out, grid, shape); });
    });
}

} // namespace tess
