// drawpictures - draws Tessarine's embedded pictures and application icon.
//
// Every picture the program shows is drawn here with QPainter, so the artwork
// can be tweaked and regenerated instead of being edited by hand.  The tool is
// not part of the main build; build and run it like this:
//
//   cmake -S tools/drawpictures -B /tmp/drawpictures-build -G Ninja
//   cmake --build /tmp/drawpictures-build
//   QT_QPA_PLATFORM=offscreen /tmp/drawpictures-build/drawpictures /tmp/pictures
//
// All files are written flat into the output folder.  Copy them into the
// source tree as follows:
//
//   checked.png, xed.png, reverse.png,
//   ConverterSymbols.png, Banner.png, loading.png  ->  src/ui/pictures/
//   icon.ico, icon.png                             ->  src/ui/
//   test.jpg                                       ->  src/ui/sample/ and tests/data/
//
// The PNG files are saved from QImage::Format_ARGB32 images, which gives 8-bit
// RGBA PNGs.  Qt's ICO writer only stores a single image, so the multi-size
// application icon is assembled by writeIco() below.

#include <QByteArray>
#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// ---------------------------------------------------------------------------
// Shared palette
// ---------------------------------------------------------------------------

namespace Palette {
const QColor skyTop(0x2f, 0x80, 0xd8);
const QColor skyMiddle(0x9c, 0xd2, 0xf6);
const QColor skyHorizon(0xe4, 0xf4, 0xff);
const QColor sunCore(0xff, 0xf0, 0xa0);
const QColor sunEdge(0xff, 0xc4, 0x1f);
const QColor backHillLight(0x9a, 0xd6, 0x7c);
const QColor backHillDark(0x5e, 0xab, 0x4f);
const QColor frontHillLight(0x52, 0xb3, 0x4f);
const QColor frontHillDark(0x2b, 0x7a, 0x31);
const QColor outline(0x3c, 0x46, 0x55);        // frames, borders
const QColor ink(0x1e, 0x2b, 0x3c);            // headline text
const QColor softInk(0x4a, 0x57, 0x68);        // secondary text
const QColor arrowLight(0x6c, 0xd6, 0x6c);
const QColor arrowDark(0x1f, 0x95, 0x3a);
const QColor arrowOutline(0x17, 0x66, 0x29);
const QColor headerRed(0xe0, 0x4f, 0x4f);
const QColor headerGreen(0x3f, 0xae, 0x4e);
const QColor headerBlue(0x3d, 0x7f, 0xd9);
const QColor headerGrey(0x8a, 0x96, 0xa6);
} // namespace Palette

// A fresh, fully transparent ARGB32 canvas.
QImage newCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// Sets up a painter with every kind of antialiasing switched on.
void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

// Returns the first of the wanted font families that is installed, so the
// artwork looks the same on any machine that has at least DejaVu.
QString pickFamily(const QStringList &wanted)
{
    // Fontconfig may list a family with its foundry, as in "URW Gothic [UKWN]".
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : wanted) {
        for (const QString &candidate : installed) {
            if (candidate.compare(family, Qt::CaseInsensitive) == 0
                || candidate.startsWith(family + QStringLiteral(" ["), Qt::CaseInsensitive))
                return candidate;
        }
    }
    return QStringLiteral("DejaVu Sans");
}

// Draws a soft shadow under a rounded rectangle by stacking a few slightly
// larger, very transparent copies of it.
void paintSoftShadow(QPainter &painter, const QRectF &rect, qreal radius,
                     qreal spread, const QPointF &offset, int strength)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    const int steps = std::max(1, int(std::ceil(spread)));
    for (int i = steps; i >= 1; --i) {
        const qreal grow = spread * i / steps;
        const int alpha = strength * (steps - i + 1) / (steps * steps) + 1;
        painter.setBrush(QColor(0, 0, 0, std::min(alpha, 255)));
        painter.drawRoundedRect(rect.translated(offset).adjusted(-grow, -grow, grow, grow),
                                radius + grow, radius + grow);
    }
    painter.restore();
}

// ---------------------------------------------------------------------------
// The landscape motif: sky, sun and two green hills.  It appears in the
// converter pictures, the banner, the icon and (in a richer form) the sample.
// ---------------------------------------------------------------------------

void paintLandscape(QPainter &painter, const QRectF &r)
{
    const auto at = [&r](qreal fx, qreal fy) {
        return QPointF(r.left() + fx * r.width(), r.top() + fy * r.height());
    };

    painter.save();
    painter.setClipRect(r, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);

    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0.0, Palette::skyTop);
    sky.setColorAt(0.55, Palette::skyMiddle);
    sky.setColorAt(1.0, Palette::skyHorizon);
    painter.fillRect(r, sky);

    // The sun: a warm glow with a bright disc in its centre.
    const QPointF sun = at(0.70, 0.30);
    const qreal sunRadius = 0.13 * std::min(r.width(), r.height());
    QRadialGradient glow(sun, sunRadius * 2.6);
    glow.setColorAt(0.0, QColor(255, 240, 160, 170));
    glow.setColorAt(0.45, QColor(255, 240, 160, 70));
    glow.setColorAt(1.0, QColor(255, 240, 160, 0));
    painter.setBrush(glow);
    painter.drawEllipse(sun, sunRadius * 2.6, sunRadius * 2.6);

    QRadialGradient disc(sun - QPointF(sunRadius, sunRadius) * 0.35, sunRadius * 1.3);
    disc.setColorAt(0.0, Palette::sunCore);
    disc.setColorAt(1.0, Palette::sunEdge);
    painter.setBrush(disc);
    painter.drawEllipse(sun, sunRadius, sunRadius);

    // A paler hill at the back ...
    QPainterPath back;
    back.moveTo(at(-0.01, 0.60));
    back.cubicTo(at(0.20, 0.40), at(0.42, 0.44), at(0.62, 0.60));
    back.cubicTo(at(0.78, 0.72), at(0.90, 0.56), at(1.01, 0.52));
    back.lineTo(at(1.01, 1.01));
    back.lineTo(at(-0.01, 1.01));
    back.closeSubpath();
    QLinearGradient backFill(at(0, 0.45), at(0, 1.0));
    backFill.setColorAt(0.0, Palette::backHillLight);
    backFill.setColorAt(1.0, Palette::backHillDark);
    painter.setBrush(backFill);
    painter.drawPath(back);

    // ... and a deeper green one in front.
    QPainterPath front;
    front.moveTo(at(-0.01, 0.84));
    front.cubicTo(at(0.28, 0.62), at(0.52, 0.68), at(0.74, 0.80));
    front.cubicTo(at(0.86, 0.87), at(0.94, 0.80), at(1.01, 0.76));
    front.lineTo(at(1.01, 1.01));
    front.lineTo(at(-0.01, 1.01));
    front.closeSubpath();
    QLinearGradient frontFill(at(0, 0.65), at(0, 1.0));
    frontFill.setColorAt(0.0, Palette::frontHillLight);
    frontFill.setColorAt(1.0, Palette::frontHillDark);
    painter.setBrush(frontFill);
    painter.drawPath(front);

    painter.restore();
}

// A little framed photograph: drop shadow, white mat, landscape inside.
void paintFramedPicture(QPainter &painter, const QRectF &r)
{
    const qreal radius = r.height() * 0.08;
    paintSoftShadow(painter, r, radius, 2.5, QPointF(0.8, 1.4), 90);

    painter.save();
    painter.setPen(QPen(Palette::outline, 1.6));
    QLinearGradient mat(r.topLeft(), r.bottomRight());
    mat.setColorAt(0.0, Qt::white);
    mat.setColorAt(1.0, QColor(0xe8, 0xec, 0xf1));
    painter.setBrush(mat);
    painter.drawRoundedRect(r, radius, radius);

    const QRectF inner = r.adjusted(4.5, 4.5, -4.5, -4.5);
    paintLandscape(painter, inner);
    painter.setPen(QPen(QColor(0, 0, 0, 70), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner);
    painter.restore();
}

// A small spreadsheet: a coloured header row naming the pixel sheet's columns
// (x, y, R, G, B), a shaded index column and dashes standing in for numbers.
void paintSheet(QPainter &painter, const QRectF &r)
{
    const int columns = 5;
    const int rows = 5; // including the header row
    const qreal radius = r.height() * 0.08;

    paintSoftShadow(painter, r, radius, 2.5, QPointF(0.8, 1.4), 90);

    painter.save();

    // Paper and the header band, clipped to the rounded outline.
    QPainterPath outline;
    outline.addRoundedRect(r, radius, radius);
    painter.setClipPath(outline);
    painter.fillRect(r, Qt::white);

    const qreal cellW = r.width() / columns;
    const qreal cellH = r.height() / rows;
    const QColor headers[columns] = {Palette::headerGrey, Palette::headerGrey,
                                     Palette::headerRed, Palette::headerGreen,
                                     Palette::headerBlue};
    for (int c = 0; c < columns; ++c) {
        const QRectF cell(r.left() + c * cellW, r.top(), cellW, cellH);
        QLinearGradient band(cell.topLeft(), cell.bottomLeft());
        band.setColorAt(0.0, headers[c].lighter(115));
        band.setColorAt(1.0, headers[c].darker(108));
        painter.fillRect(cell.adjusted(0, 0, 1, 0), band);
    }
    // The coordinate columns are tinted so the eye can find the rows.
    painter.fillRect(QRectF(r.left(), r.top() + cellH, 2 * cellW, r.height() - cellH),
                     QColor(0xea, 0xf0, 0xf7));

    // Short dashes standing in for the numbers in each cell.
    painter.setPen(QPen(QColor(0x55, 0x60, 0x70), std::max(1.2, cellH * 0.22), Qt::SolidLine,
                        Qt::RoundCap));
    for (int row = 1; row < rows; ++row) {
        for (int c = 0; c < columns; ++c) {
            const qreal y = r.top() + (row + 0.5) * cellH;
            const qreal left = r.left() + c * cellW + cellW * 0.28;
            const qreal length = cellW * ((row * 3 + c * 5) % 3 == 0 ? 0.28 : 0.44);
            painter.drawLine(QPointF(left, y), QPointF(left + length, y));
        }
    }

    // Grid lines.
    painter.setPen(QPen(QColor(0x9a, 0xa5, 0xb4), 0.9));
    for (int c = 1; c < columns; ++c)
        painter.drawLine(QPointF(r.left() + c * cellW, r.top()), QPointF(r.left() + c * cellW, r.bottom()));
    for (int row = 1; row < rows; ++row)
        painter.drawLine(QPointF(r.left(), r.top() + row * cellH), QPointF(r.right(), r.top() + row * cellH));

    painter.setClipping(false);
    painter.setPen(QPen(Palette::outline, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(r, radius, radius);
    painter.restore();
}

// A chunky green arrow filling r.  It points right; pass pointLeft to mirror it.
void paintArrow(QPainter &painter, const QRectF &r, bool pointLeft)
{
    const qreal h = r.height();
    const qreal cy = r.center().y();
    const qreal shaft = h * 0.22;           // half the shaft thickness
    const qreal headStart = r.right() - h * 0.62;

    QPainterPath arrow;
    arrow.moveTo(r.left() + shaft * 0.5, cy - shaft);
    arrow.lineTo(headStart, cy - shaft);
    arrow.lineTo(headStart, r.top());
    arrow.lineTo(r.right(), cy);
    arrow.lineTo(headStart, r.bottom());
    arrow.lineTo(headStart, cy + shaft);
    arrow.lineTo(r.left() + shaft * 0.5, cy + shaft);
    arrow.quadTo(QPointF(r.left() - shaft * 0.4, cy), QPointF(r.left() + shaft * 0.5, cy - shaft));
    arrow.closeSubpath();

    painter.save();
    if (pointLeft) {
        painter.translate(r.center().x(), 0);
        painter.scale(-1, 1);
        painter.translate(-r.center().x(), 0);
    }

    // Shadow, body, outline and a glossy highlight on the upper half.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 45));
    painter.drawPath(arrow.translated(0.8, 1.6));

    QLinearGradient body(QPointF(0, r.top()), QPointF(0, r.bottom()));
    body.setColorAt(0.0, Palette::arrowLight);
    body.setColorAt(1.0, Palette::arrowDark);
    painter.setBrush(body);
    painter.setPen(QPen(Palette::arrowOutline, 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(arrow);

    painter.setClipPath(arrow);
    painter.setPen(Qt::NoPen);
    QLinearGradient gloss(QPointF(0, r.top()), QPointF(0, cy));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 120));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 20));
    painter.setBrush(gloss);
    painter.drawRect(QRectF(r.left(), r.top(), r.width(), cy - r.top() - shaft * 0.15));
    painter.restore();
}

// ---------------------------------------------------------------------------
// The individual pictures
// ---------------------------------------------------------------------------

enum class BadgeMark { Tick, Cross };

// A glossy round badge (100 x 100) with a black tick or cross on it.
QImage drawBadge(const QColor &base, BadgeMark mark)
{
    QImage image = newCanvas(100, 100);
    QPainter painter(&image);
    prepare(painter);

    const QPointF centre(50, 50);
    const qreal radius = 47;

    // Disc: lit from the upper left, darkening towards a thin rim.
    QRadialGradient fill(centre, radius, QPointF(38, 32));
    fill.setColorAt(0.0, base.lighter(140));
    fill.setColorAt(0.65, base);
    fill.setColorAt(1.0, base.darker(125));
    painter.setBrush(fill);
    painter.setPen(QPen(base.darker(170), 2.0));
    painter.drawEllipse(centre, radius, radius);

    // A soft reflection across the top of the disc.
    QLinearGradient shine(QPointF(0, 6), QPointF(0, 50));
    shine.setColorAt(0.0, QColor(255, 255, 255, 150));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawEllipse(QRectF(20, 6, 60, 42));

    // The mark itself, with a faint light edge underneath so it reads on the
    // darker part of the disc as well.
    QPainterPath path;
    if (mark == BadgeMark::Tick) {
        path.moveTo(27, 52);
        path.lineTo(43, 68);
        path.lineTo(74, 35);
    } else {
        path.moveTo(33, 33);
        path.lineTo(67, 67);
        path.moveTo(67, 33);
        path.lineTo(33, 67);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 70), 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path.translated(0, 1.2));
    painter.setPen(QPen(Qt::black, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    return image;
}

// Picture, arrow and sheet side by side (206 x 65).  The arrow points from the
// picture to the sheet, or back from the sheet to the picture.
QImage drawConverter(bool pointLeft)
{
    QImage image = newCanvas(206, 65);
    QPainter painter(&image);
    prepare(painter);

    paintFramedPicture(painter, QRectF(4, 5, 66, 54));
    paintArrow(painter, QRectF(79, 13, 49, 37), pointLeft);
    paintSheet(painter, QRectF(137, 5, 65, 54));
    return image;
}

// The application icon at the given size: a landscape that dissolves into a
// mosaic of pixel cells towards the lower right, the program's whole idea in
// one tile.  Geometry is snapped to whole pixels and detail is reduced for the
// small sizes so that they stay crisp.
QImage drawIcon(int size)
{
    const qreal unit = size / 128.0;
    const qreal margin = std::round(4 * unit);
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    const qreal radius = std::max(2.5, 22 * unit);
    const qreal rim = std::max(1.0, std::round(3.2 * unit));

    // First the plain landscape, on its own canvas so we can sample it.
    QImage landscape = newCanvas(size, size);
    {
        QPainter painter(&landscape);
        prepare(painter);
        paintLandscape(painter, tile);
    }

    QImage image = newCanvas(size, size);
    QPainter painter(&image);
    prepare(painter);

    QPainterPath outline;
    outline.addRoundedRect(tile, radius, radius);
    painter.setClipPath(outline);
    painter.drawImage(0, 0, landscape);

    // Cells on and below the diagonal become flat "pixels".  Each takes the
    // most vivid colour found in the middle of its cell: an average would turn
    // the sun's cell a muddy grey, and a single sample can land on an edge.
    const int cells = size >= 128 ? 8 : size >= 48 ? 6 : 4;
    const qreal cell = tile.width() / cells;
    const auto edge = [&](int i) { return std::round(tile.left() + i * cell); }; // whole pixels
    const auto cellRect = [&](int col, int row) {
        return QRectF(QPointF(edge(col), edge(row)), QPointF(edge(col + 1), edge(row + 1)));
    };
    const auto inMosaic = [cells](int col, int row) { return col + row >= cells - 1; };
    for (int row = 0; row < cells; ++row) {
        for (int col = 0; col < cells; ++col) {
            if (!inMosaic(col, row))
                continue;
            const QRectF area = cellRect(col, row);
            const QRect middle = area.adjusted(area.width() / 4, area.height() / 4,
                                               -area.width() / 4, -area.height() / 4)
                                     .toAlignedRect()
                                     .intersected(landscape.rect());
            QColor colour;
            qreal best = -1;
            for (int y = middle.top(); y <= middle.bottom(); ++y) {
                for (int x = middle.left(); x <= middle.right(); ++x) {
                    const QColor candidate = landscape.pixelColor(x, y);
                    const qreal vividness = candidate.hsvSaturationF() * candidate.valueF();
                    if (candidate.alpha() > 0 && vividness > best) {
                        best = vividness;
                        colour = candidate;
                    }
                }
            }
            if (!colour.isValid())
                continue;
            colour.setAlpha(255);
            painter.fillRect(area, colour);
        }
    }

    // White seams along the top and left of every mosaic cell, where there is
    // room for them; they are filled rectangles so they stay pixel sharp.
    if (cell >= 6) {
        const qreal seam = std::max(1.0, std::round(1.6 * unit));
        const qreal back = std::floor(seam / 2);
        const QColor grout(255, 255, 255, 215);
        for (int row = 0; row < cells; ++row) {
            for (int col = 0; col < cells; ++col) {
                if (!inMosaic(col, row))
                    continue;
                const QRectF area = cellRect(col, row);
                painter.fillRect(QRectF(area.left() - back, area.top() - back, area.width() + seam, seam), grout);
                painter.fillRect(QRectF(area.left() - back, area.top() + seam - back, seam, area.height() - seam), grout);
            }
        }
    }

    // A gentle sheen over the top half and a dark rim around the tile.
    QLinearGradient sheen(tile.topLeft(), QPointF(tile.left(), tile.center().y()));
    sheen.setColorAt(0.0, QColor(255, 255, 255, 60));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(tile, sheen);

    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Palette::outline, rim));
    const qreal inset = rim / 2;
    painter.drawRoundedRect(tile.adjusted(inset, inset, -inset, -inset), radius - inset, radius - inset);
    return image;
}

// The welcome banner (659 x 135): icon, product name and a one-line subtitle
// on a light background, with a trail of mosaic tiles drifting in from the right.
QImage drawBanner()
{
    const int width = 659;
    const int height = 135;
    QImage image = newCanvas(width, height);
    QPainter painter(&image);
    prepare(painter);

    QLinearGradient background(QPointF(0, 0), QPointF(width, height));
    background.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    background.setColorAt(0.55, QColor(0xf1, 0xf7, 0xfd));
    background.setColorAt(1.0, QColor(0xdc, 0xec, 0xfa));
    painter.fillRect(image.rect(), background);

    // The product name, as a path so it can carry a gradient.
    const qreal textLeft = 146;
    QFont title(pickFamily({QStringLiteral("URW Gothic"), QStringLiteral("DejaVu Sans")}));
    title.setPixelSize(72);
    title.setWeight(QFont::DemiBold);
    QPainterPath name;
    name.addText(QPointF(textLeft, 76), title, QStringLiteral("Tessarine"));

    // Mosaic tiles in the top right corner, fading in towards the edge; their
    // colours come from the landscape so they look like a picture in pieces.
    QImage source = newCanvas(width, height);
    {
        QPainter sp(&source);
        prepare(sp);
        paintLandscape(sp, QRectF(width - 200, -12, 210, 120));
    }
    const qreal step = 14;
    const qreal mosaicLeft = name.boundingRect().right() + 18;
    QRandomGenerator random(1234); // fixed seed: the same banner every run
    painter.setPen(Qt::NoPen);
    for (qreal y = 7; y < 80; y += step) {
        for (qreal x = width - 7 - step; x > mosaicLeft; x -= step) {
            const qreal across = std::clamp((x - mosaicLeft) / (width - mosaicLeft - 40), 0.0, 1.0);
            const qreal down = std::clamp((84 - y) / 50.0, 0.0, 1.0);
            const qreal fade = across * down;
            if (random.generateDouble() > fade * 1.5)
                continue;
            QColor colour = source.pixelColor(int(x + step / 2), int(y + step / 2));
            colour.setAlphaF(0.30 + 0.60 * fade);
            painter.setBrush(colour);
            painter.drawRoundedRect(QRectF(x, y, step - 3, step - 3), 2.5, 2.5);
        }
    }

    // The icon, on a soft shadow.
    const QRectF iconRect(20, 15.5, 104, 104);
    paintSoftShadow(painter, iconRect.adjusted(4, 4, -4, -4), 18, 5, QPointF(1.5, 3), 120);
    painter.drawImage(iconRect, drawIcon(256));

    // Name: a faint white emboss line underneath, then the gradient fill.
    QLinearGradient nameFill(QPointF(0, 24), QPointF(0, 80));
    nameFill.setColorAt(0.0, QColor(0x2a, 0x58, 0x94));
    nameFill.setColorAt(1.0, Palette::ink);
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.drawPath(name.translated(0, 1.5));
    painter.setBrush(nameFill);
    painter.drawPath(name);

    // A short accent rule between the name and the subtitle.
    QLinearGradient rule(QPointF(textLeft, 0), QPointF(textLeft + 240, 0));
    rule.setColorAt(0.0, Palette::arrowDark);
    rule.setColorAt(0.5, Palette::headerBlue);
    rule.setColorAt(1.0, QColor(0x3d, 0x7f, 0xd9, 0));
    painter.fillRect(QRectF(textLeft + 3, 88, 240, 3), rule);

    // Subtitle in a narrow face, shrunk if needed so it fits on one line.
    const QString subtitle = QStringLiteral(
        "Turn pictures into numbers and numbers into pictures \u2013 an image conversion tool for the classroom");
    QFont small(pickFamily({QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("DejaVu Sans Condensed"),
                            QStringLiteral("DejaVu Sans")}));
    const qreal available = width - textLeft - 10;
    for (int pixelSize = 16; pixelSize >= 9; --pixelSize) {
        small.setPixelSize(pixelSize);
        if (QFontMetricsF(small).horizontalAdvance(subtitle) <= available)
            break;
    }
    painter.setFont(small);
    painter.setPen(Palette::softInk);
    painter.drawText(QPointF(textLeft + 3, 113), subtitle);

    // Thin coloured line along the bottom edge.
    QLinearGradient edge(QPointF(0, 0), QPointF(width, 0));
    edge.setColorAt(0.0, Palette::arrowDark);
    edge.setColorAt(0.5, Palette::headerBlue);
    edge.setColorAt(1.0, Palette::sunEdge);
    painter.fillRect(QRectF(0, height - 4, width, 4), edge);
    return image;
}

// An hourglass standing in the rectangle r, sand half run through.
void paintHourglass(QPainter &painter, const QRectF &r)
{
    const qreal cx = r.center().x();
    const qreal capH = r.height() * 0.075;
    const qreal capW = r.width();
    const QRectF topCap(r.left(), r.top(), capW, capH);
    const QRectF bottomCap(r.left(), r.bottom() - capH, capW, capH);
    const qreal glassTop = topCap.bottom();
    const qreal glassBottom = bottomCap.top();
    const qreal mid = (glassTop + glassBottom) / 2;
    const qreal bulb = r.width() * 0.40;    // half width of a bulb
    const qreal neck = r.width() * 0.035;   // half width of the neck

    // The glass: two bulbs meeting in a narrow neck.
    QPainterPath glass;
    glass.moveTo(cx - bulb, glassTop);
    glass.lineTo(cx + bulb, glassTop);
    glass.cubicTo(QPointF(cx + bulb * 1.05, mid - (mid - glassTop) * 0.35),
                  QPointF(cx + neck * 1.5, mid - (mid - glassTop) * 0.18), QPointF(cx + neck, mid));
    glass.cubicTo(QPointF(cx + neck * 1.5, mid + (glassBottom - mid) * 0.18),
                  QPointF(cx + bulb * 1.05, mid + (glassBottom - mid) * 0.35), QPointF(cx + bulb, glassBottom));
    glass.lineTo(cx - bulb, glassBottom);
    glass.cubicTo(QPointF(cx - bulb * 1.05, mid + (glassBottom - mid) * 0.35),
                  QPointF(cx - neck * 1.5, mid + (glassBottom - mid) * 0.18), QPointF(cx - neck, mid));
    glass.cubicTo(QPointF(cx - neck * 1.5, mid - (mid - glassTop) * 0.18),
                  QPointF(cx - bulb * 1.05, mid - (mid - glassTop) * 0.35), QPointF(cx - bulb, glassTop));
    glass.closeSubpath();

    painter.save();

    // Faint shadow of the whole hourglass on the panel.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 28));
    painter.drawEllipse(QPointF(cx + 8, r.bottom() + 4), capW * 0.56, capH * 0.5);

    // Glass body, tinted very slightly blue.
    QLinearGradient glassFill(QPointF(cx - bulb, 0), QPointF(cx + bulb, 0));
    glassFill.setColorAt(0.0, QColor(225, 238, 250, 190));
    glassFill.setColorAt(0.5, QColor(245, 250, 255, 140));
    glassFill.setColorAt(1.0, QColor(200, 215, 232, 200));
    painter.setBrush(glassFill);
    painter.drawPath(glass);

    // Sand: what is left at the top, a thin stream, and a heap at the bottom.
    QLinearGradient sand(QPointF(cx - bulb, 0), QPointF(cx + bulb, 0));
    sand.setColorAt(0.0, QColor(0xf2, 0xc9, 0x6d));
    sand.setColorAt(0.6, QColor(0xe0, 0xa8, 0x48));
    sand.setColorAt(1.0, QColor(0xbf, 0x85, 0x2e));
    painter.save();
    painter.setClipPath(glass);
    painter.setBrush(sand);
    const qreal topLevel = glassTop + (mid - glassTop) * 0.45;
    QPainterPath topSand;
    topSand.moveTo(cx - bulb * 1.2, topLevel);
    topSand.quadTo(QPointF(cx, topLevel + (mid - glassTop) * 0.08), QPointF(cx + bulb * 1.2, topLevel));
    topSand.lineTo(cx + bulb * 1.2, mid);
    topSand.lineTo(cx - bulb * 1.2, mid);
    topSand.closeSubpath();
    painter.drawPath(topSand);

    const qreal heapTop = mid + (glassBottom - mid) * 0.45;
    QPainterPath heap;
    heap.moveTo(cx - bulb * 1.2, glassBottom);
    heap.lineTo(cx - bulb * 1.2, glassBottom - (glassBottom - mid) * 0.12);
    heap.cubicTo(QPointF(cx - bulb * 0.5, glassBottom - (glassBottom - mid) * 0.2),
                 QPointF(cx - bulb * 0.25, heapTop), QPointF(cx, heapTop));
    heap.cubicTo(QPointF(cx + bulb * 0.25, heapTop),
                 QPointF(cx + bulb * 0.5, glassBottom - (glassBottom - mid) * 0.2),
                 QPointF(cx + bulb * 1.2, glassBottom - (glassBottom - mid) * 0.12));
    heap.lineTo(cx + bulb * 1.2, glassBottom);
    heap.closeSubpath();
    painter.drawPath(heap);
    painter.fillRect(QRectF(cx - neck * 0.45, mid - 2, neck * 0.9, heapTop - mid + 4), QColor(0xe0, 0xa8, 0x48));
    painter.restore();

    // Glass outline and a long highlight down the left side of each bulb.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x6b, 0x78, 0x88), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(glass);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath shineTop;
    shineTop.moveTo(cx - bulb * 0.78, glassTop + 14);
    shineTop.cubicTo(QPointF(cx - bulb * 0.80, mid - (mid - glassTop) * 0.45),
                     QPointF(cx - bulb * 0.55, mid - (mid - glassTop) * 0.32),
                     QPointF(cx - bulb * 0.35, mid - (mid - glassTop) * 0.22));
    painter.drawPath(shineTop);
    QPainterPath shineBottom;
    shineBottom.moveTo(cx - bulb * 0.35, mid + (glassBottom - mid) * 0.22);
    shineBottom.cubicTo(QPointF(cx - bulb * 0.55, mid + (glassBottom - mid) * 0.32),
                        QPointF(cx - bulb * 0.80, mid + (glassBottom - mid) * 0.45),
                        QPointF(cx - bulb * 0.78, mid + (glassBottom - mid) * 0.62));
    painter.drawPath(shineBottom);

    // Two wooden posts holding the caps apart.
    const auto post = [&](qreal x) {
        QLinearGradient wood(QPointF(x - 7, 0), QPointF(x + 7, 0));
        wood.setColorAt(0.0, QColor(0x8a, 0x55, 0x2c));
        wood.setColorAt(0.4, QColor(0xc0, 0x84, 0x4e));
        wood.setColorAt(1.0, QColor(0x6a, 0x3e, 0x1d));
        painter.setPen(QPen(QColor(0x4a, 0x2b, 0x13), 2));
        painter.setBrush(wood);
        painter.drawRoundedRect(QRectF(x - 7, glassTop - 2, 14, glassBottom - glassTop + 4), 6, 6);
    };
    post(r.left() + capW * 0.06);
    post(r.right() - capW * 0.06);

    // The two caps.
    const auto cap = [&](const QRectF &c) {
        QLinearGradient wood(c.topLeft(), c.bottomLeft());
        wood.setColorAt(0.0, QColor(0xc9, 0x8d, 0x55));
        wood.setColorAt(0.5, QColor(0x9c, 0x62, 0x33));
        wood.setColorAt(1.0, QColor(0x6e, 0x40, 0x1e));
        painter.setPen(QPen(QColor(0x4a, 0x2b, 0x13), 2.5));
        painter.setBrush(wood);
        painter.drawRoundedRect(c, c.height() * 0.35, c.height() * 0.35);
        painter.setPen(QPen(QColor(255, 255, 255, 70), 2));
        painter.drawLine(QPointF(c.left() + 10, c.top() + 4), QPointF(c.right() - 10, c.top() + 4));
    };
    cap(topCap);
    cap(bottomCap);
    painter.restore();
}

// The "please wait" card (1252 x 736) shown over the window while a sheet loads.
QImage drawLoading()
{
    const int width = 1252;
    const int height = 736;
    QImage image = newCanvas(width, height);
    QPainter painter(&image);
    prepare(painter);

    const QRectF panel(24, 20, width - 48, height - 48);
    const qreal radius = 40;
    paintSoftShadow(painter, panel, radius, 18, QPointF(0, 6), 150);

    QLinearGradient fill(panel.topLeft(), panel.bottomLeft());
    fill.setColorAt(0.0, QColor(0xf1, 0xf3, 0xf6));
    fill.setColorAt(1.0, QColor(0xcf, 0xd5, 0xdc));
    painter.setPen(QPen(QColor(0x93, 0x9d, 0xa9), 3));
    painter.setBrush(fill);
    painter.drawRoundedRect(panel, radius, radius);

    // A light inner edge makes the panel look slightly raised.
    painter.setPen(QPen(QColor(255, 255, 255, 170), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(panel.adjusted(5, 5, -5, -5), radius - 5, radius - 5);

    paintHourglass(painter, QRectF(width / 2.0 - 115, 70, 230, 330));

    const QString family = pickFamily({QStringLiteral("DejaVu Sans")});
    QFont big(family);
    big.setPixelSize(78);
    big.setWeight(QFont::Bold);
    QFont medium(family);
    medium.setPixelSize(54);

    const auto centredText = [&](const QFont &font, const QString &text, qreal baseline, const QColor &colour) {
        QPainterPath path;
        const qreal w = QFontMetricsF(font).horizontalAdvance(text);
        path.addText(QPointF((width - w) / 2, baseline), font, text);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 190));
        painter.drawPath(path.translated(0, 2));
        painter.setBrush(colour);
        painter.drawPath(path);
    };
    centredText(big, QStringLiteral("Loading spreadsheet..."), 530, QColor(0x2f, 0x38, 0x44));
    centredText(medium, QStringLiteral("Please wait"), 618, QColor(0x56, 0x61, 0x6e));
    return image;
}

// The sample picture (320 x 240): a sunny landscape with a house and a tree.
// It is deliberately colourful so that a converted pixel sheet shows a wide
// range of values.
QImage drawSample()
{
    const int width = 320;
    const int height = 240;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    prepare(painter);
    painter.setPen(Qt::NoPen);

    // Sky, warming towards the horizon.
    QLinearGradient sky(QPointF(0, 0), QPointF(0, 150));
    sky.setColorAt(0.0, QColor(0x1f, 0x6f, 0xc9));
    sky.setColorAt(0.6, QColor(0x8c, 0xc8, 0xf0));
    sky.setColorAt(1.0, QColor(0xfb, 0xe4, 0xbc));
    painter.fillRect(image.rect(), sky);

    // Sun and its halo.
    const QPointF sun(248, 52);
    QRadialGradient halo(sun, 70);
    halo.setColorAt(0.0, QColor(255, 244, 190, 200));
    halo.setColorAt(0.3, QColor(255, 236, 170, 90));
    halo.setColorAt(1.0, QColor(255, 236, 170, 0));
    painter.setBrush(halo);
    painter.drawEllipse(sun, 70, 70);
    QRadialGradient sunDisc(sun - QPointF(6, 6), 26);
    sunDisc.setColorAt(0.0, QColor(0xff, 0xfb, 0xe0));
    sunDisc.setColorAt(1.0, QColor(0xff, 0xc8, 0x30));
    painter.setBrush(sunDisc);
    painter.drawEllipse(sun, 20, 20);

    // A couple of fluffy clouds built from overlapping circles.
    const auto cloud = [&](qreal x, qreal y, qreal s) {
        QPainterPath puff;
        puff.addEllipse(QPointF(x, y), 16 * s, 11 * s);
        puff.addEllipse(QPointF(x + 16 * s, y - 7 * s), 15 * s, 13 * s);
        puff.addEllipse(QPointF(x + 33 * s, y - 2 * s), 15 * s, 11 * s);
        puff.addEllipse(QPointF(x + 47 * s, y + 2 * s), 11 * s, 8 * s);
        puff.setFillRule(Qt::WindingFill);
        const QPainterPath simple = puff.simplified();
        QLinearGradient shade(QPointF(0, y - 20 * s), QPointF(0, y + 12 * s));
        shade.setColorAt(0.0, QColor(255, 255, 255, 240));
        shade.setColorAt(1.0, QColor(214, 226, 240, 230));
        painter.setBrush(shade);
        painter.drawPath(simple);
    };
    cloud(42, 42, 1.0);
    cloud(150, 78, 0.7);

    // Distant blue mountains with snowy tops.
    QPainterPath mountains;
    mountains.moveTo(0, 140);
    mountains.lineTo(40, 104);
    mountains.lineTo(62, 116);
    mountains.lineTo(104, 84);
    mountains.lineTo(150, 124);
    mountains.lineTo(196, 98);
    mountains.lineTo(236, 122);
    mountains.lineTo(282, 92);
    mountains.lineTo(320, 118);
    mountains.lineTo(320, 160);
    mountains.lineTo(0, 160);
    mountains.closeSubpath();
    QLinearGradient rock(QPointF(0, 84), QPointF(0, 150));
    rock.setColorAt(0.0, QColor(0x6d, 0x7f, 0xb4));
    rock.setColorAt(1.0, QColor(0xa4, 0xb4, 0xd6));
    painter.setBrush(rock);
    painter.drawPath(mountains);
    QPainterPath snow;
    snow.moveTo(104, 84);
    snow.lineTo(118, 96);
    snow.lineTo(110, 94);
    snow.lineTo(104, 100);
    snow.lineTo(97, 94);
    snow.lineTo(90, 95);
    snow.closeSubpath();
    snow.moveTo(282, 92);
    snow.lineTo(295, 101);
    snow.lineTo(288, 100);
    snow.lineTo(281, 105);
    snow.lineTo(275, 99);
    snow.lineTo(270, 100);
    snow.closeSubpath();
    painter.setBrush(QColor(0xf4, 0xf7, 0xfc));
    painter.drawPath(snow);

    // Rolling hills, back to front.
    QPainterPath backHill;
    backHill.moveTo(0, 150);
    backHill.cubicTo(70, 118, 140, 128, 200, 146);
    backHill.cubicTo(250, 160, 290, 138, 320, 132);
    backHill.lineTo(320, 240);
    backHill.lineTo(0, 240);
    backHill.closeSubpath();
    QLinearGradient backGrass(QPointF(0, 120), QPointF(0, 200));
    backGrass.setColorAt(0.0, QColor(0x9c, 0xd0, 0x5e));
    backGrass.setColorAt(1.0, QColor(0x5f, 0xa2, 0x3e));
    painter.setBrush(backGrass);
    painter.drawPath(backHill);

    QPainterPath frontHill;
    frontHill.moveTo(0, 196);
    frontHill.cubicTo(80, 160, 170, 168, 240, 186);
    frontHill.cubicTo(280, 196, 305, 190, 320, 184);
    frontHill.lineTo(320, 240);
    frontHill.lineTo(0, 240);
    frontHill.closeSubpath();
    QLinearGradient frontGrass(QPointF(0, 165), QPointF(0, 240));
    frontGrass.setColorAt(0.0, QColor(0x5b, 0xb0, 0x3c));
    frontGrass.setColorAt(1.0, QColor(0x2b, 0x73, 0x24));
    painter.setBrush(frontGrass);
    painter.drawPath(frontHill);

    // The house: walls, roof, chimney, door and two windows.
    const QRectF walls(58, 128, 62, 42);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawEllipse(QRectF(50, 164, 84, 12));
    QLinearGradient wallFill(walls.topLeft(), walls.topRight());
    wallFill.setColorAt(0.0, QColor(0xfb, 0xef, 0xd6));
    wallFill.setColorAt(1.0, QColor(0xe3, 0xcc, 0xa4));
    painter.setBrush(wallFill);
    painter.drawRect(walls);
    painter.setBrush(QColor(0x8a, 0x4a, 0x3a));
    painter.drawRect(QRectF(104, 98, 8, 22));
    QPainterPath roof;
    roof.moveTo(50, 130);
    roof.lineTo(89, 98);
    roof.lineTo(128, 130);
    roof.closeSubpath();
    QLinearGradient tiles(QPointF(0, 98), QPointF(0, 130));
    tiles.setColorAt(0.0, QColor(0xe0, 0x4a, 0x34));
    tiles.setColorAt(1.0, QColor(0xa8, 0x2a, 0x1e));
    painter.setBrush(tiles);
    painter.drawPath(roof);
    painter.setBrush(QColor(0x7a, 0x48, 0x24));
    painter.drawRoundedRect(QRectF(82, 146, 14, 24), 2, 2);
    painter.setBrush(QColor(0xff, 0xd8, 0x4a));
    painter.drawEllipse(QPointF(93, 159), 1.2, 1.2);
    for (const qreal x : {64.0, 102.0}) {
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(x - 1.5, 138.5, 15, 15));
        QLinearGradient pane(QPointF(x, 140), QPointF(x + 12, 152));
        pane.setColorAt(0.0, QColor(0xb8, 0xe2, 0xff));
        pane.setColorAt(1.0, QColor(0x4a, 0x8c, 0xc8));
        painter.setBrush(pane);
        painter.drawRect(QRectF(x, 140, 12, 12));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(x + 5.3, 140, 1.4, 12));
        painter.drawRect(QRectF(x, 145.3, 12, 1.4));
    }

    // A path winding from the door down to the front of the picture.
    QPainterPath track;
    track.moveTo(84, 170);
    track.cubicTo(80, 190, 120, 200, 112, 240);
    track.lineTo(146, 240);
    track.cubicTo(148, 204, 98, 190, 96, 170);
    track.closeSubpath();
    QLinearGradient gravel(QPointF(0, 170), QPointF(0, 240));
    gravel.setColorAt(0.0, QColor(0xe6, 0xcf, 0x9c));
    gravel.setColorAt(1.0, QColor(0xc4, 0xa2, 0x6a));
    painter.setBrush(gravel);
    painter.drawPath(track);

    // A round tree with a shaded crown.
    painter.setBrush(QColor(0, 0, 0, 45));
    painter.drawEllipse(QRectF(198, 178, 56, 10));
    QLinearGradient bark(QPointF(220, 0), QPointF(232, 0));
    bark.setColorAt(0.0, QColor(0x8b, 0x5a, 0x2b));
    bark.setColorAt(1.0, QColor(0x5a, 0x36, 0x16));
    painter.setBrush(bark);
    painter.drawRect(QRectF(220, 140, 11, 44));
    const auto leaves = [&](qreal x, qreal y, qreal r) {
        QRadialGradient g(QPointF(x - r * 0.35, y - r * 0.4), r * 1.3);
        g.setColorAt(0.0, QColor(0x8e, 0xd8, 0x5a));
        g.setColorAt(1.0, QColor(0x2e, 0x7d, 0x2a));
        painter.setBrush(g);
        painter.drawEllipse(QPointF(x, y), r, r);
    };
    leaves(212, 134, 19);
    leaves(240, 132, 18);
    leaves(226, 114, 22);
    leaves(226, 140, 16);

    // Flowers dotted over the front meadow.
    QRandomGenerator random(2024); // fixed seed: the same picture every run
    const QColor petals[] = {QColor(0xff, 0xf0, 0x4a), QColor(0xff, 0x6b, 0x8a),
                             QColor(0xff, 0xff, 0xff), QColor(0xb0, 0x7c, 0xff)};
    for (int i = 0; i < 70; ++i) {
        const qreal x = random.bounded(320.0);
        const qreal y = 196 + random.bounded(44.0) - (x > 60 && x < 250 ? 12 : 0);
        if (x > 104 && x < 152 && y > 200)
            continue; // keep the path clear
        painter.setBrush(petals[random.bounded(4)]);
        painter.drawEllipse(QPointF(x, y), 1.6, 1.6);
    }
    painter.end();

    // A touch of film grain so the picture behaves like a photograph.
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = int(random.bounded(9)) - 4;
            line[x] = qRgb(std::clamp(qRed(line[x]) + n, 0, 255),
                           std::clamp(qGreen(line[x]) + n, 0, 255),
                           std::clamp(qBlue(line[x]) + n, 0, 255));
        }
    }
    return image;
}

// ---------------------------------------------------------------------------
// Windows ICO writer
// ---------------------------------------------------------------------------
//
// An ICO file is an ICONDIR header, one ICONDIRENTRY per image, then each
// image as a DIB: a BITMAPINFOHEADER whose height is doubled (colour rows plus
// mask rows), an optional palette, the colour ("XOR") rows bottom-up and padded
// to four bytes, then the one-bit transparency ("AND") rows, also bottom-up and
// padded to four bytes.  A set bit in the AND mask means "transparent".

struct IconEntry {
    QImage image;      // ARGB32
    int bitsPerPixel;  // 24 (true colour) or 8 (256-colour palette)
};

// Pixels at least half opaque count as opaque; the rest become transparent.
bool isOpaque(QRgb pixel)
{
    return qAlpha(pixel) >= 128;
}

// Colour written for a pixel: transparent pixels are black, so that
// (screen AND mask) XOR colour leaves the screen untouched.
QRgb visibleColour(QRgb pixel)
{
    return isOpaque(pixel) ? (pixel & 0x00ffffff) : 0;
}

QByteArray encodeDib(const QImage &source, int bitsPerPixel)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();

    QByteArray colours;
    QList<QRgb> palette;
    if (bitsPerPixel == 8) {
        // Build an exact palette.  A 16 x 16 image has only 256 pixels, so it
        // can never need more than 256 entries.
        QHash<QRgb, int> index;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb c = visibleColour(image.pixel(x, y));
                if (!index.contains(c)) {
                    index.insert(c, int(palette.size()));
                    palette.append(c);
                }
            }
        if (palette.size() > 256)
            qFatal("Icon image %dx%d has %d colours, too many for an 8-bit entry",
                   w, h, int(palette.size()));
        while (palette.size() < 256)
            palette.append(0);

        const int stride = (w + 3) / 4 * 4;
        for (int y = h - 1; y >= 0; --y) {
            QByteArray row(stride, '\0');
            for (int x = 0; x < w; ++x)
                row[x] = char(index.value(visibleColour(image.pixel(x, y))));
            colours += row;
        }
    } else {
        Q_ASSERT(bitsPerPixel == 24);
        const int stride = (w * 3 + 3) / 4 * 4;
        for (int y = h - 1; y >= 0; --y) {
            QByteArray row(stride, '\0');
            for (int x = 0; x < w; ++x) {
                const QRgb c = visibleColour(image.pixel(x, y));
                row[3 * x + 0] = char(qBlue(c));
                row[3 * x + 1] = char(qGreen(c));
                row[3 * x + 2] = char(qRed(c));
            }
            colours += row;
        }
    }

    QByteArray mask;
    const int maskStride = (w + 31) / 32 * 4;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (!isOpaque(image.pixel(x, y)))
                row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        }
        mask += row;
    }

    QByteArray dib;
    QDataStream out(&dib, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    // BITMAPINFOHEADER
    out << quint32(40)                                 // biSize
        << qint32(w)                                   // biWidth
        << qint32(2 * h)                               // biHeight: colour + mask
        << quint16(1)                                  // biPlanes
        << quint16(bitsPerPixel)                       // biBitCount
        << quint32(0)                                  // biCompression: BI_RGB
        << quint32(colours.size() + mask.size())       // biSizeImage
        << qint32(0) << qint32(0)                      // biXPelsPerMeter, biYPelsPerMeter
        << quint32(0)                                  // biClrUsed: 0 = all 2^bpp
        << quint32(0);                                 // biClrImportant
    for (const QRgb c : palette) // RGBQUAD: blue, green, red, reserved
        out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    out.writeRawData(colours.constData(), int(colours.size()));
    out.writeRawData(mask.constData(), int(mask.size()));
    return dib;
}

bool writeIco(const QString &fileName, const QList<IconEntry> &entries)
{
    QList<QByteArray> dibs;
    for (const IconEntry &entry : entries)
        dibs.append(encodeDib(entry.image, entry.bitsPerPixel));

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    // ICONDIR
    out << quint16(0)                  // reserved
        << quint16(1)                  // type: icon
        << quint16(entries.size());    // number of images
    // ICONDIRENTRY for each image; the image data follows all the entries.
    quint32 offset = 6 + 16 * quint32(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QImage &image = entries[i].image;
        const int bpp = entries[i].bitsPerPixel;
        out << quint8(image.width() >= 256 ? 0 : image.width())
            << quint8(image.height() >= 256 ? 0 : image.height())
            << quint8(bpp < 8 ? (1 << bpp) : 0)  // palette size, 0 if 256 or none
            << quint8(0)                       // reserved
            << quint16(1)                      // colour planes
            << quint16(bpp)
            << quint32(dibs[i].size())
            << quint32(offset);
        offset += quint32(dibs[i].size());
    }
    for (const QByteArray &dib : dibs)
        out.writeRawData(dib.constData(), int(dib.size()));

    QFile target(fileName);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    return target.write(file) == file.size();
}

// Reads the icon back with Qt's own ICO reader and reports what it finds.
bool checkIco(const QString &fileName, const QList<int> &expectedSizes)
{
    QTextStream report(stdout);
    QImageReader reader(fileName);
    const int count = reader.imageCount();
    report << fileName << ": " << count << " images\n";
    bool ok = count == expectedSizes.size();
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i)) {
            ok = false;
            continue;
        }
        const QImage image = reader.read();
        report << "  #" << i << ": " << image.width() << "x" << image.height()
               << (image.isNull() ? "  (unreadable)" : "") << "\n";
        if (image.isNull() || i >= expectedSizes.size()
            || image.size() != QSize(expectedSizes[i], expectedSizes[i]))
            ok = false;
    }
    report.flush();
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    const auto save = [&](const QImage &image, const QString &name, const char *format = "PNG",
                          int quality = -1) {
        const QString path = folder.filePath(name);
        if (!image.save(path, format, quality)) {
            std::fprintf(stderr, "failed to write %s\n", qPrintable(path));
            ok = false;
        } else {
            std::printf("wrote %s (%dx%d)\n", qPrintable(path), image.width(), image.height());
        }
    };

    save(drawBadge(QColor(0x3c, 0xb8, 0x4c), BadgeMark::Tick), QStringLiteral("checked.png"));
    save(drawBadge(QColor(0xf2, 0x5a, 0x2c), BadgeMark::Cross), QStringLiteral("xed.png"));
    save(drawConverter(false), QStringLiteral("reverse.png"));
    save(drawConverter(true), QStringLiteral("ConverterSymbols.png"));
    save(drawBanner(), QStringLiteral("Banner.png"));
    save(drawLoading(), QStringLiteral("loading.png"));
    save(drawSample(), QStringLiteral("test.jpg"), "JPG", 90);

    // The icon: 128, 48 and 32 pixels in true colour, 16 pixels with a palette.
    const QList<int> iconSizes = {128, 48, 32, 16};
    QList<IconEntry> entries;
    for (const int size : iconSizes)
        entries.append({drawIcon(size), size == 16 ? 8 : 24});
    save(entries.first().image, QStringLiteral("icon.png"));
    const QString icoPath = folder.filePath(QStringLiteral("icon.ico"));
    if (!writeIco(icoPath, entries)) {
        std::fprintf(stderr, "failed to write %s\n", qPrintable(icoPath));
        ok = false;
    } else if (!checkIco(icoPath, iconSizes)) {
        std::fprintf(stderr, "%s did not read back as expected\n", qPrintable(icoPath));
        ok = false;
    }

    return ok ? 0 : 1;
}
