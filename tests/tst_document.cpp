// SPDX-License-Identifier: GPL-3.0-or-later
// The document without the window, with real files in a temporary folder: what each piece
// of work leaves behind, that failed and stopped work leaves nothing, and the work on the
// worker thread.

#include "convert/document.h"
#include "convert/picturesheet.h"
#include "image/imagecompare.h"
#include "workbook/workbookwriter.h"
#include "testhelpers.h"
#include "text/statuswords.h"

#include <QtTest>

#include <QDir>
#include <QTemporaryDir>
#include <QThreadPool>

#include <cstdio>
#include <memory>
#include <optional>

using tess::ColourModel;
using tess::Document;
using tess::PixelRecords;
using Work = Document::Work;

namespace {

const QByteArray SmallSheet = "x,y,r,g,b\n0,0,10,20,30\n1,0,40,50,60\n2,0,70,80,90\n"
                              "0,1,1,2,3\n1,1,4,5,6\n2,1,7,8,9\n";

// Everything a caller sees of the document, in words, so that a difference names itself.
// With identity also which records and picture it holds: what failed or stopped work
// leaves must be the very ones, not equal ones made again.
QString describe(const Document &doc, const QDir &folder, bool identity = false)
{
    const auto file = [&](const QString &path) {
        return path.isEmpty() ? QStringLiteral("-") : folder.relativeFilePath(path);
    };
    QString picture = QStringLiteral("none");
    if (doc.hasPicture())
        picture = QStringLiteral("%1x%2 %3 %4%5")
                      .arg(doc.picture().width())
                      .arg(doc.picture().height())
                      .arg(file(doc.pictureFile()), doc.pictureSaved() ? "saved" : "unsaved",
                           doc.pictureDrawn() ? " drawn" : "");
    QString sheet = QStringLiteral("none");
    if (doc.hasSheet())
        sheet = QStringLiteral("%1 records %2x%3 %4 %5%6")
                    .arg(doc.records()->size())
                    .arg(doc.extent().width())
                    .arg(doc.extent().height())
                    .arg(file(doc.sheetFile()), doc.sheetSaved() ? "saved" : "unsaved",
                         doc.sheetConverted() ? " converted" : "");
    QString words = "picture: " + picture + " | sheet: " + sheet;
    if (identity)
        words += QStringLiteral(" | %1 %2").arg(doc.picture().cacheKey()).arg(quintptr(doc.records().get()));
    return words;
}

// Positions and RGB, the part of a record that a sheet saved in RGB carries.
bool sameRgb(const PixelRecords &a, const PixelRecords &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto &p, const auto &q) {
        return p.x == q.x && p.y == q.y && p.r == q.r && p.g == q.g && p.b == q.b;
    });
}

// What the files the document names hold is what it holds.
void checkFiles(const Document &doc)
{
    if (doc.hasPicture() && !doc.pictureFile().isEmpty()) {
        QImage onDisk;
        QVERIFY(loadImageInto(doc.pictureFile(), onDisk));
        QCOMPARE(onDisk.convertToFormat(QImage::Format_ARGB32), doc.picture().convertToFormat(QImage::Format_ARGB32));
    }
    if (doc.hasSheet() && !doc.sheetFile().isEmpty()) {
        PixelRecords onDisk;
        QCOMPARE(loadSheetInfo(doc.sheetFile(), onDisk).status, tess::Status::Done);
        QVERIFY(sameRgb(onDisk, *doc.records()));
    }
}

// A CSV sheet of width x height pixels, a line each: large enough to keep a load busy.
QByteArray largeSheet(int width, int height)
{
    QByteArray csv = "x,y,r,g,b\n";
    csv.reserve(qsizetype(width) * height * 20);
    // Printed into one buffer: millions of small strings would take longer than the read.
    char line[64];
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            csv.append(line, std::snprintf(line, sizeof line, "%d,%d,%d,%d,7\n", x, y, x & 0xff, y & 0xff));
    return csv;
}

// One piece of work as a button would start it: "load sheet.csv", "convert", "draw",
// "save out.png". The file's suffix says which side.
bool run(Document &doc, const QDir &folder, const QString &step)
{
    const QString file = folder.filePath(step.section(' ', 1));
    const bool sheet = file.endsWith(".csv");
    if (step.startsWith("load "))
        return sheet ? doc.loadSheet(file) : doc.loadPicture(file);
    if (step.startsWith("save "))
        return sheet ? doc.saveSheet(file, ColourModel::Rgb) : doc.savePicture(file);
    return step == "convert" ? doc.convertPicture(false) : doc.drawSheet(ColourModel::Rgb);
}

} // namespace

class TestDocument : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const char *name) const { return m_dir->filePath(QString::fromLatin1(name)); }

private slots:
    // A fresh folder for every row, with a sheet and a picture in it.
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(writeFile(path("sheet.csv"), SmallSheet));
        QVERIFY(patternImage(4, 3).save(path("picture.png")));
    }

    void afterWork_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");

        // Each row first fills the other side, so that what a load clears shows.
        QTest::newRow("load sheet") << QStringList{"load picture.png", "load sheet.csv"}
                                    << "picture: none | sheet: 6 records 3x2 sheet.csv saved";
        QTest::newRow("load picture") << QStringList{"load sheet.csv", "load picture.png"}
                                      << "picture: 4x3 picture.png saved | sheet: none";
        QTest::newRow("convert") << QStringList{"load picture.png", "convert"}
                                 << "picture: 4x3 picture.png saved | sheet: 12 records 4x3 - unsaved converted";
        QTest::newRow("draw") << QStringList{"load sheet.csv", "draw"}
                              << "picture: 3x2 - unsaved drawn | sheet: 6 records 3x2 sheet.csv saved";
        QTest::newRow("save sheet") << QStringList{"load picture.png", "convert", "save out.csv"}
                                    << "picture: 4x3 picture.png saved | sheet: 12 records 4x3 out.csv saved converted";
        QTest::newRow("save picture") << QStringList{"load sheet.csv", "draw", "save out.png"}
                                      << "picture: 3x2 out.png saved drawn | sheet: 6 records 3x2 sheet.csv saved";
    }

    // Each piece of work tells the sides it changed, how, and whether the user asked.
    void sidesChanged_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");

        QTest::newRow("load picture") << QStringList{"load picture.png"} << "picture read asked";
        QTest::newRow("load sheet") << QStringList{"load sheet.csv"} << "sheet read asked";
        QTest::newRow("convert") << QStringList{"load picture.png", "convert"} << "sheet made asked";
        QTest::newRow("draw") << QStringList{"load sheet.csv", "draw"} << "picture made asked";
        QTest::newRow("save picture") << QStringList{"load sheet.csv", "draw", "save out.png"}
                                      << "picture written asked";
        QTest::newRow("save sheet") << QStringList{"load sheet.csv", "save out.csv"} << "sheet written asked";
        QTest::newRow("reload picture") << QStringList{"load picture.png", "convert", "reload picture"}
                                        << "picture again follower, sheet made follower";
        QTest::newRow("reload sheet") << QStringList{"load sheet.csv", "draw", "reload sheet"}
                                      << "sheet again follower, picture made follower";
        QTest::newRow("reload lone sheet") << QStringList{"load sheet.csv", "reload sheet"}
                                           << "sheet again follower";
    }

    void sidesChanged()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, expected);

        Document doc;
        doc.setBlocking(true);
        QStringList told;
        const auto tell = [&told](const char *side, const tess::Change &change) {
            static const char *const hows[] = {"read", "made", "written", "again"};
            told << QStringLiteral("%1 %2 %3").arg(side, hows[int(change.how)], change.asked ? "asked" : "follower");
            QVERIFY(change.result.ok());
        };
        connect(&doc, &Document::pictureChanged, this, [&](const tess::Change &c) { tell("picture", c); });
        connect(&doc, &Document::sheetChanged, this, [&](const tess::Change &c) { tell("sheet", c); });
        for (const QString &step : steps) {
            told.clear();
            if (step.startsWith("reload "))
                QVERIFY(step.endsWith("sheet") ? doc.reloadSheet(ColourModel::Rgb) : doc.reloadPicture(false));
            else
                QVERIFY2(run(doc, m_dir->path(), step), qPrintable(step));
        }
        QCOMPARE(told.join(", "), expected);
    }

    // Blocking: every call has done its work and told so by the time it returns.
    void afterWork()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, expected);

        Document doc;
        doc.setBlocking(true);
        QSignalSpy finished(&doc, &Document::finished);
        for (int i = 0; i < steps.size(); ++i) {
            QVERIFY2(run(doc, m_dir->path(), steps[i]), qPrintable(steps[i]));
            QVERIFY(!doc.busy());
            QCOMPARE(finished.size(), i + 1);
            QVERIFY2(finished.last().at(0).value<tess::Result>().ok(), qPrintable(steps[i]));
        }
        QCOMPARE(describe(doc, m_dir->path()), expected);
        checkFiles(doc);
    }

    // Where each side came from, through loads, conversions, drawings, saves and a reload
    // that makes the sheet again: "loaded FILE", "converted from FILE WxH to WxH", "drawn
    // from FILE in rgb".
    void origins_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing") << QStringList{} << "none | none";
        QTest::newRow("loaded") << QStringList{"load picture.png"} << "loaded picture.png | none";
        QTest::newRow("converted") << QStringList{"load picture.png", "convert"}
                                   << "loaded picture.png | converted from picture.png 4x3 to 4x3";
        QTest::newRow("a save keeps it") << QStringList{"load picture.png", "convert", "save out.csv"}
                                         << "loaded picture.png | converted from picture.png 4x3 to 4x3";
        QTest::newRow("drawn") << QStringList{"load sheet.csv", "draw"} << "drawn from sheet.csv in rgb | loaded sheet.csv";
        QTest::newRow("drawn from converted, unsaved")
            << QStringList{"load picture.png", "convert", "draw"}
            << "drawn from picture.png in rgb | converted from picture.png 4x3 to 4x3";
        QTest::newRow("drawn from converted, saved")
            << QStringList{"load picture.png", "convert", "save out.csv", "draw"}
            << "drawn from out.csv in rgb | converted from picture.png 4x3 to 4x3";
        // The picture changed on disk: the sheet is made again and leaves its file, not
        // where it came from.
        QTest::newRow("made again") << QStringList{"load picture.png", "convert", "save out.csv", "reload"}
                                    << "loaded picture.png | converted from picture.png 4x3 to 4x3";
    }

    void origins()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, expected);
        const QDir folder(m_dir->path());
        Document doc;
        doc.setBlocking(true);
        for (const QString &step : steps) {
            if (step == "reload") {
                QVERIFY(patternImage(4, 3).mirrored().save(path("picture.png")));
                QVERIFY(doc.reloadPicture(false));
                QVERIFY(doc.sheetFile().isEmpty());
                continue;
            }
            QVERIFY2(run(doc, folder, step), qPrintable(step));
        }
        const auto words = [&folder](const tess::Origin &origin) {
            const QString file = origin.file.isEmpty() ? QStringLiteral("-") : folder.relativeFilePath(origin.file);
            const auto size = [](QSize s) { return QStringLiteral("%1x%2").arg(s.width()).arg(s.height()); };
            switch (origin.kind) {
            case tess::Origin::Kind::None:
                return QStringLiteral("none");
            case tess::Origin::Kind::Loaded:
                return "loaded " + file;
            case tess::Origin::Kind::Converted:
                return "converted from " + file + " " + size(origin.pictureSize) + " to " + size(origin.scanned)
                    + (origin.excel2002 ? " for excel2002" : "");
            case tess::Origin::Kind::Drawn:
                return "drawn from " + file + (origin.model == ColourModel::Rgb ? " in rgb" : " in hsv");
            }
            return QString();
        };
        QCOMPARE(words(doc.pictureSide().origin) + " | " + words(doc.sheetSide().origin), expected);
    }

    void failedLoad_data()
    {
        QTest::addColumn<QString>("step");
        for (const char *suffix : {"csv", "png"}) {
            QTest::addRow("missing %s", suffix) << QStringLiteral("load missing.%1").arg(suffix);
            QTest::addRow("folder %s", suffix) << QStringLiteral("load folder.%1").arg(suffix);
            QTest::addRow("text %s", suffix) << QStringLiteral("load notes.%1").arg(suffix);
        }
    }

    void failedLoad()
    {
        QFETCH(QString, step);
        const QDir folder(m_dir->path());
        for (const char *suffix : {"csv", "png"}) {
            QVERIFY(folder.mkdir(QStringLiteral("folder.%1").arg(suffix)));
            QVERIFY(writeFile(folder.filePath(QStringLiteral("notes.%1").arg(suffix)), "Bring a pencil.\nNo colours.\n"));
        }
        Document doc;
        doc.setBlocking(true);
        QVERIFY(run(doc, folder, "load sheet.csv") && run(doc, folder, "draw"));
        const QString before = describe(doc, folder, true);

        QSignalSpy finished(&doc, &Document::finished);
        QVERIFY(run(doc, folder, step));
        QCOMPARE(finished.size(), 1);
        const auto result = finished.at(0).at(0).value<tess::Result>();
        QVERIFY(!result.ok());
        QVERIFY(!tess::statusMessage(result.status).isEmpty());
        QCOMPARE(describe(doc, folder, true), before);
    }

    // A picture wider than any that can be made: the reload keeps the last good one, the
    // explicit draw then leaves none rather than one that does not match the records.
    void drawTooLarge()
    {
        Document doc;
        doc.setBlocking(true);
        QVERIFY(run(doc, m_dir->path(), "load sheet.csv") && run(doc, m_dir->path(), "draw"));
        const qint64 good = doc.picture().cacheKey();

        QVERIFY(writeFile(path("sheet.csv"), "x,y,r,g,b\n70000,4000,1,2,3\n"));
        QSignalSpy finished(&doc, &Document::finished);
        QSignalSpy sheetChanged(&doc, &Document::sheetChanged);
        QVERIFY(doc.reloadSheet(ColourModel::Rgb));
        QCOMPARE(doc.extent(), QSize(70001, 4001));
        QVERIFY(!sheetChanged.last().at(0).value<tess::Change>().remade.ok());
        QCOMPARE(doc.picture().cacheKey(), good);

        QVERIFY(doc.drawSheet(ColourModel::Rgb));
        const auto drawn = finished.last().at(0).value<tess::Result>();
        QCOMPARE(drawn.status, tess::Status::ImageNotDrawn);
        QVERIFY(!tess::statusMessage(drawn.status).isEmpty());
        QVERIFY(!doc.hasPicture());
        QVERIFY(!doc.pictureDrawn());
    }

    void pictureBefore_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("beforeStep"); // the step whose picture is kept; -1 none

        QTest::newRow("drawn from its picture") << QStringList{"load picture.png", "convert", "draw"} << 0;
        QTest::newRow("first drawing") << QStringList{"load sheet.csv", "draw"} << -1;
        QTest::newRow("sheet edited") << QStringList{"load sheet.csv", "draw", "edit"} << 1;
        QTest::newRow("drawn twice") << QStringList{"load sheet.csv", "draw", "draw"} << 1;
        QTest::newRow("new picture") << QStringList{"load sheet.csv", "draw", "edit", "load picture.png"} << -1;
        QTest::newRow("new sheet") << QStringList{"load picture.png", "convert", "draw", "load sheet.csv"} << -1;
    }

    // What the last drawing replaced is kept to compare with: an edit made elsewhere and
    // read again shows as the one pixel it changed.
    void pictureBefore()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, beforeStep);

        Document doc;
        doc.setBlocking(true);
        QList<qint64> pictures;
        for (const QString &step : steps) {
            if (step == "edit") {
                QByteArray edited = SmallSheet;
                edited.replace("1,1,4,5,6", "1,1,4,255,6");
                QVERIFY(writeFile(path("sheet.csv"), edited));
                QVERIFY(doc.reloadSheet(ColourModel::Rgb));
            } else {
                QVERIFY2(run(doc, m_dir->path(), step), qPrintable(step));
            }
            pictures << doc.picture().cacheKey();
        }
        if (beforeStep < 0) {
            QVERIFY(doc.before().isNull());
            return;
        }
        QCOMPARE(doc.before().cacheKey(), pictures[beforeStep]);
        if (steps.last() == "edit") {
            const tess::PictureDifference difference = tess::comparePictures(doc.before(), doc.picture());
            QCOMPARE(difference.changed, 1);
            QCOMPARE(difference.where, QPoint(1, 1));
            QCOMPARE(difference.channel, 'g');
        }
    }

    // Following: a sheet saved anew by another program is read again and drawn in the model
    // it was drawn in, not in the one a fresh document would start with.
    void followRedrawsInTheModelDrawnIn()
    {
        // Its hue and value disagree with its red: the model it is drawn in shows.
        QVERIFY(writeFile(path("both.csv"), "x,y,r,g,b,h,s,v\n0,0,255,0,0,120,255,200\n"));
        Document doc;
        doc.setBlocking(true);
        doc.setFollowing(true);
        QVERIFY(doc.loadSheet(path("both.csv")) && doc.drawSheet(ColourModel::Hsv));
        QSignalSpy finished(&doc, &Document::finished);
        QSignalSpy sheetChanged(&doc, &Document::sheetChanged);

        QVERIFY(saveByRenaming(path("both.csv"), "x,y,r,g,b,h,s,v\n0,0,255,0,0,240,255,100\n1,0,0,0,0,0,0,0\n"));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 5000);
        QCOMPARE(sheetChanged.last().at(0).value<tess::Change>().how, tess::Change::How::ReadAgain);
        QCOMPARE(doc.picture().size(), QSize(2, 1));
        QCOMPARE(doc.picture().pixel(0, 0), qRgb(0, 0, 100)); // h 240, v 100: blue
    }

    // The sheet's own picture for a viewer: drawn off the document's thread in the model
    // asked for, told later, and changing neither side.
    void sheetPicture_data()
    {
        QTest::addColumn<bool>("withSheet");
        QTest::addColumn<ColourModel>("model");
        QTest::addColumn<QRgb>("pixel");
        QTest::newRow("in RGB") << true << ColourModel::Rgb << qRgb(255, 0, 0);
        QTest::newRow("in HSV") << true << ColourModel::Hsv << qRgb(0, 200, 0); // h 120, v 200
        QTest::newRow("no sheet") << false << ColourModel::Rgb << QRgb(0);
    }

    void sheetPicture()
    {
        QFETCH(bool, withSheet);
        QFETCH(ColourModel, model);
        QFETCH(QRgb, pixel);
        QVERIFY(writeFile(path("both.csv"), "x,y,r,g,b,h,s,v\n0,0,255,0,0,120,255,200\n1,0,0,0,0,0,0,0\n"));
        Document doc;
        doc.setBlocking(true);
        if (withSheet)
            QVERIFY(doc.loadSheet(path("both.csv")));
        doc.setBlocking(false);
        const tess::SharedRecords records = doc.records();
        QSignalSpy started(&doc, &Document::started);
        std::optional<QImage> drawn;
        doc.drawSheetPicture(model, [&](const QImage &image) { drawn = image; });
        QVERIFY(!drawn); // told once drawn, not while asked
        QTRY_VERIFY_WITH_TIMEOUT(drawn.has_value(), 5000);
        QCOMPARE(drawn->isNull(), !withSheet);
        if (withSheet) {
            QCOMPARE(drawn->size(), QSize(2, 1));
            QCOMPARE(drawn->pixel(0, 0), pixel);
        }
        QVERIFY(started.isEmpty());
        QVERIFY(!doc.hasPicture());
        QCOMPARE(doc.records(), records);
    }

    // A read that is stopped gives up instead of reading on, whatever the sheet's kind and
    // however its reader goes through the file.
    void stoppedRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("a small sheet") << "sheet.csv";
        QTest::newRow("a sheet read in two halves") << "large.csv";
        QTest::newRow("a workbook") << "book.xlsx";
    }

    void stoppedRead()
    {
        QFETCH(QString, name);
        QVERIFY(writeFile(path("large.csv"), largeSheet(1000, 100)));
        {
            QFile book(path("book.xlsx"));
            QVERIFY(book.open(QIODevice::WriteOnly));
            PixelRecords records;
            QCOMPARE(loadSheetInfo(path("sheet.csv"), records).status, tess::Status::Done);
            QVERIFY(tess::writeWorkbook(book, records, ColourModel::Rgb).ok());
        }
        for (const bool stopped : {false, true}) {
            tess::StopFlag stop{stopped};
            PixelRecords records;
            tess::SheetInfo info;
            const tess::Result result = tess::loadSheetFile(m_dir->filePath(name), records, info, {}, &stop);
            QCOMPARE(result.ok(), !stopped);
            QCOMPARE(records.empty(), stopped);
        }
    }

    // The scan and the drawing look at the stop flag as they go: stopped, they give up and
    // leave nothing made, in either model and whether the scan has a helper thread or not.
    void stoppedScanAndDraw_data()
    {
        QTest::addColumn<QString>("work");
        QTest::addColumn<QSize>("size");
        QTest::newRow("scan, one thread") << "scan" << QSize(40, 30);
        QTest::newRow("scan, two threads") << "scan" << QSize(1000, 600);
        QTest::newRow("scan of a picture-shaped sheet") << "shaped" << QSize(300, 200);
        QTest::newRow("draw in RGB") << "rgb" << QSize(1000, 600);
        QTest::newRow("draw in HSV") << "hsv" << QSize(1000, 600);
    }

    void stoppedScanAndDraw()
    {
        QFETCH(QString, work);
        QFETCH(QSize, size);
        const QImage picture = patternImage(size.width(), size.height());
        PixelRecords scanned;
        QVERIFY(tess::scanImage(picture, scanned).ok());
        for (const bool stopped : {false, true}) {
            tess::StopFlag stop{stopped};
            tess::Result result;
            bool madeSomething = false;
            if (work == "scan") {
                PixelRecords records;
                QSize extent;
                result = tess::recordsFromImage(picture, false, records, extent, {}, &stop);
                madeSomething = !records.empty();
            } else if (work == "shaped") {
                result = tess::imageToPictureSheetFile(picture, 256, path("shaped.xlsx"), tess::SheetShape::Picture,
                                                       {}, &stop);
                madeSomething = QFileInfo::exists(path("shaped.xlsx"));
            } else {
                QImage drawn;
                result = tess::drawImage(scanned, size.width(), size.height(),
                                         work == "rgb" ? ColourModel::Rgb : ColourModel::Hsv, drawn, nullptr, &stop);
                madeSomething = !drawn.isNull();
            }
            QCOMPARE(result.ok(), !stopped);
            QCOMPARE(madeSomething, !stopped);
            if (stopped)
                QCOMPARE(result.status, tess::Status::Stopped);
            QFile::remove(path("shaped.xlsx"));
        }
    }

    // Esc while a large file is written: the document waits for the save to give up before
    // it says it stopped, so that nothing writes beside the next work, and the file (or
    // its absence) and the folder are as they were. The same save then runs as ever.
    void stoppedSave_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("over"); // over a file there already
        QTest::newRow("a CSV sheet") << "out.csv" << false;
        QTest::newRow("a CSV sheet over one") << "out.csv" << true;
        QTest::newRow("a workbook") << "out.xlsx" << false;
        QTest::newRow("a picture-shaped workbook") << "out.ods" << false;
        QTest::newRow("a picture over one") << "out.png" << true;
    }

    void stoppedSave()
    {
        QFETCH(QString, name);
        QFETCH(bool, over);
        QVERIFY(noisyImage(1500, 1000).save(path("large.png")));
        if (over)
            QVERIFY(writeFile(m_dir->filePath(name), "what was there\n"));
        Document doc;
        doc.setBlocking(true);
        QVERIFY(doc.loadPicture(path("large.png")) && doc.convertPicture(false));
        doc.setBlocking(false);
        const QStringList files = QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden);
        const QString before = describe(doc, m_dir->path(), true);
        QSignalSpy finished(&doc, &Document::finished);
        QSignalSpy stopped(&doc, &Document::stopped);

        const auto save = [&] {
            const QString file = m_dir->filePath(name);
            if (name.endsWith(".png"))
                return doc.savePicture(file);
            return doc.saveSheet(file, ColourModel::Rgb,
                                 name.endsWith(".ods") ? tess::SheetShape::Picture : tess::SheetShape::List);
        };
        QVERIFY(save());
        doc.cancel();
        QCOMPARE(stopped.size(), 1);
        QVERIFY(!doc.busy());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), files);
        if (over)
            QCOMPARE(readAll(m_dir->filePath(name)), QByteArray("what was there\n"));
        QTest::qWait(50);
        QCOMPARE(finished.size(), 0);
        QCOMPARE(describe(doc, m_dir->path(), true), before);

        QVERIFY(save());
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 60000);
        QVERIFY(finished.at(0).at(0).value<tess::Result>().ok());
        QCOMPARE(stopped.size(), 1);
        if (!name.endsWith(".ods")) // the picture-shaped sheet holds the picture reduced
            checkFiles(doc);
    }

    // Reading a large sheet tells how far it is as it goes, never backwards, and ends
    // with the sheet read whole.
    void progressOfARead()
    {
        // Large enough that the read outlasts several of the document's tenths of a second
        // in an optimised build too.
        QVERIFY(writeFile(path("large.csv"), largeSheet(3000, 1000)));
        Document doc;
        QSignalSpy progress(&doc, &Document::progress);
        QSignalSpy finished(&doc, &Document::finished);
        QVERIFY(doc.loadSheet(path("large.csv")));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 60000);
        QVERIFY(finished.at(0).at(0).value<tess::Result>().ok());
        QVERIFY(!progress.isEmpty());
        int last = 0;
        for (const QList<QVariant> &told : progress) {
            const int percent = told.at(0).toInt();
            QVERIFY2(percent >= last && percent <= 100, qPrintable(QString::number(percent)));
            last = percent;
        }
        // Nothing more once it is done.
        const qsizetype told = progress.size();
        QTest::qWait(250);
        QCOMPARE(progress.size(), told);
    }

    void queue_data()
    {
        QTest::addColumn<QStringList>("asked"); // the first is run on the worker
        QTest::addColumn<QString>("ran");        // the kinds of work started, in order
        QTest::addColumn<QString>("expected");

        QTest::newRow("load, then draw what was loaded")
            << QStringList{"load large.csv", "draw", "done"} << "LoadSheet DrawSheet done"
            << "picture: 40x30 - unsaved drawn | sheet: 1200 records 40x30 large.csv saved";
        QTest::newRow("a failed load drops the drawing after it")
            << QStringList{"load missing.csv", "draw", "done"} << "LoadSheet"
            << "picture: none | sheet: 6 records 3x2 sheet.csv saved";
        QTest::newRow("reading again behind a save of the same file is dropped")
            << QStringList{"save sheet.csv", "reload", "done"} << "SaveSheet done"
            << "picture: none | sheet: 6 records 3x2 sheet.csv saved";
        QTest::newRow("reading again behind a save to another file: the sheet is there now")
            << QStringList{"save other.csv", "reload", "done"} << "SaveSheet done"
            << "picture: none | sheet: 6 records 3x2 other.csv saved";
        QTest::newRow("reading again behind a drawing runs, and draws again")
            << QStringList{"draw", "reload", "done"} << "DrawSheet ReloadSheet done"
            << "picture: 3x2 - unsaved drawn | sheet: 6 records 3x2 sheet.csv saved";
        QTest::newRow("reading again asked twice runs once")
            << QStringList{"draw", "reload", "reload", "done"} << "DrawSheet ReloadSheet done"
            << "picture: 3x2 - unsaved drawn | sheet: 6 records 3x2 sheet.csv saved";
        QTest::newRow("convert what the load read, then save it")
            << QStringList{"load picture.png", "convert", "save out.csv", "done"}
            << "LoadPicture ConvertPicture SaveSheet done"
            << "picture: 4x3 picture.png saved | sheet: 12 records 4x3 out.csv saved converted";
    }

    // Work asked for while other work runs waits its turn and runs in the order asked,
    // with the sides the work before it left; "done" is a call once the work before it
    // ended well.
    void queue()
    {
        QFETCH(QStringList, asked);
        QFETCH(QString, ran);
        QFETCH(QString, expected);
        QVERIFY(writeFile(path("large.csv"), largeSheet(40, 30)));
        Document doc;
        doc.setBlocking(true);
        QVERIFY(doc.loadSheet(path("sheet.csv")));
        doc.setBlocking(false);
        QStringList order;
        connect(&doc, &Document::started, this, [&](Work work) {
            order << QString::fromLatin1(QMetaEnum::fromType<Work>().valueToKey(int(work)));
        });
        for (const QString &step : asked) {
            if (step == "done")
                doc.whenDone([&] { order << "done"; });
            else if (step == "reload")
                doc.reloadSheet(ColourModel::Rgb);
            else
                QVERIFY2(run(doc, m_dir->path(), step), qPrintable(step));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!doc.busy() && !doc.queued(), 30000);
        QCOMPARE(order.join(' '), ran);
        QCOMPARE(describe(doc, m_dir->path()), expected);
    }

    // On the worker: the call returns at once, other work waits its turn meanwhile, and a
    // stopped load is never taken, not even once its work has ended; what waited after it
    // is dropped with it.
    void asynchronous()
    {
        QVERIFY(writeFile(path("large.csv"), largeSheet(2000, 1000)));
        Document doc;
        QSignalSpy started(&doc, &Document::started);
        QSignalSpy finished(&doc, &Document::finished);
        QSignalSpy stopped(&doc, &Document::stopped);

        doc.setBlocking(true);
        QVERIFY(doc.loadSheet(path("sheet.csv")));
        doc.setBlocking(false);
        const QString before = describe(doc, m_dir->path(), true);

        QVERIFY(doc.loadSheet(path("large.csv")));
        QVERIFY(doc.busy());
        QCOMPARE(started.size(), 2);
        QCOMPARE(finished.size(), 1);
        QVERIFY(doc.drawSheet(ColourModel::Rgb));
        QVERIFY(doc.loadPicture(path("picture.png")));
        QCOMPARE(started.size(), 2);
        QCOMPARE(doc.running(), Work::LoadSheet);
        QVERIFY(doc.queued());

        doc.cancel();
        QCOMPARE(stopped.size(), 1);
        QCOMPARE(stopped.at(0).at(0).value<Work>(), Work::LoadSheet);
        QCOMPARE(stopped.at(0).at(1).toString(), path("large.csv"));
        QVERIFY(stopped.at(0).at(2).toString().contains("large.csv"));
        QVERIFY(!doc.busy());
        QVERIFY(!doc.queued());
        QCOMPARE(started.size(), 2);
        // The stopped load ends on the worker unseen; whatever it made is dropped.
        QThreadPool::globalInstance()->waitForDone();
        QTest::qWait(100);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(describe(doc, m_dir->path(), true), before);

        // Started again before the event loop has run since the stopped work ended: the end
        // of that work must not pass for the end of this one.
        QVERIFY(doc.loadSheet(path("large.csv")));
        doc.cancel();
        QThreadPool::globalInstance()->waitForDone();
        QVERIFY(doc.loadSheet(path("large.csv")));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, 60000);
        QThreadPool::globalInstance()->waitForDone();
        QTest::qWait(100);
        QCOMPARE(finished.size(), 2);
        QVERIFY(finished.at(1).at(0).value<tess::Result>().ok());
        QCOMPARE(describe(doc, m_dir->path()), "picture: none | sheet: 2000000 records 2000x1000 large.csv saved");
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
