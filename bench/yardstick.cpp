// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the converter's benchmark: the same two jobs written the plain way
// with the same toolkit, one call per pixel and per number. It also draws the picture
// the benchmark converts.
//
//   yardstick make-picture OUT WIDTH HEIGHT
//   yardstick to-sheet IMAGE SHEET [--hsv]
//   yardstick to-image SHEET IMAGE

#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

// Smooth gradients with a little noise: compresses like a photograph, not like a flat
// drawing, and uses every hue and every brightness.
int makePicture(const QString &path, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 noise = 12345;
    for (int y = 0; y < height; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int jitter = int(noise >> 29); // 0..7
            const int hue = (x * 360 / width + y / 7) % 360;
            const int sat = 64 + (y * 191 / height);
            const int val = 40 + ((x + y) * 215 / (width + height)) - jitter;
            line[x] = QColor::fromHsv(hue, sat, qBound(0, val, 255)).rgb();
        }
    }
    return image.save(path) ? 0 : 1;
}

int toSheet(const QString &imagePath, const QString &sheetPath, bool hsv)
{
    QImage image(imagePath);
    if (image.isNull())
        return 1;
    QFile file(sheetPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QTextStream out(&file);
    out << (hsv ? "x,y,h,s,v" : "x,y,r,g,b") << "\n";
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            QColor colour(image.pixel(x, y));
            out << x << "," << y << ",";
            if (hsv) {
                colour = colour.toHsv();
                out << colour.hue() << "," << colour.saturation() << "," << colour.value() << "\n";
            } else {
                out << colour.red() << "," << colour.green() << "," << colour.blue() << "\n";
            }
        }
    }
    out.flush();
    return out.status() == QTextStream::Ok ? 0 : 1;
}

struct Record
{
    int x, y, c1, c2, c3;
};

int toImage(const QString &sheetPath, const QString &imagePath)
{
    QFile file(sheetPath);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QString text = QString::fromUtf8(file.readAll());
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("(\r\n)|(\n\r)|\r|\n|\\^M")));
    if (lines.isEmpty())
        return 1;

    const QStringList header = lines.first().split(QLatin1Char(','));
    const int xColumn = header.indexOf(QStringLiteral("x"));
    const int yColumn = header.indexOf(QStringLiteral("y"));
    const bool rgb = header.contains(QStringLiteral("r"));
    const int c1 = header.indexOf(rgb ? QStringLiteral("r") : QStringLiteral("h"));
    const int c2 = header.indexOf(rgb ? QStringLiteral("g") : QStringLiteral("s"));
    const int c3 = header.indexOf(rgb ? QStringLiteral("b") : QStringLiteral("v"));
    if (xColumn < 0 || yColumn < 0)
        return 1;

    std::vector<Record> records;
    int maxX = 0;
    int maxY = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(QLatin1Char(','));
        if (fields.size() < header.size())
            continue;
        Record r;
        r.x = fields[xColumn].toInt();
        r.y = fields[yColumn].toInt();
        r.c1 = c1 < 0 ? 0 : int(fields[c1].toDouble());
        r.c2 = c2 < 0 ? 0 : int(fields[c2].toDouble());
        r.c3 = c3 < 0 ? 0 : int(fields[c3].toDouble());
        maxX = qMax(maxX, r.x + 1);
        maxY = qMax(maxY, r.y + 1);
        records.push_back(r);
    }

    QImage image(maxX, maxY, QImage::Format_ARGB32);
    image.fill(0);
    for (const Record &r : records) {
        const QColor colour = rgb ? QColor(r.c1, r.c2, r.c3) : QColor::fromHsv(r.c1, r.c2, r.c3);
        image.setPixel(r.x, r.y, colour.rgb());
    }
    return image.save(imagePath) ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QLatin1String("make-picture"))
        return makePicture(args[2], args[3].toInt(), args[4].toInt());
    if ((args.size() == 4 || args.size() == 5) && args[1] == QLatin1String("to-sheet"))
        return toSheet(args[2], args[3], args.size() == 5 && args[4] == QLatin1String("--hsv"));
    if (args.size() == 4 && args[1] == QLatin1String("to-image"))
        return toImage(args[2], args[3]);
    std::fputs("usage: yardstick make-picture OUT WIDTH HEIGHT | to-sheet IMAGE SHEET [--hsv] | "
               "to-image SHEET IMAGE\n",
               stderr);
    return 2;
}
