// SPDX-License-Identifier: GPL-3.0-or-later
// The document without the window, with real files in a temporary folder: what each piece
// of work leaves behind, that failed and stopped work leaves nothing, and the work on the
// worker thread.

#include "convert/document.h"
#include "image/imagecompare.h"
#include "workbook/workbookwriter.h"
#include "testhelpers.h"
#include "text/statuswords.h"

#include <QtTest>

#include <QDir>
#include <QTemporaryDir>
#include <QThreadPool>

#include <memory>

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
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            csv += QByteArray::number(x) + ',' + QByteArray::number(y) + ','
                   + QByteArray::number(x & 0xff) + ',' + QByteArray::number(y & 0xff) + ",7\n";
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
            QVERIFY2(finished.last().at(1).value<tess::Result>().ok(), qPrintable(steps[i]));
        }
        QCOMPARE(describe(doc, m_dir->path()), expected);
        checkFiles(doc);
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
        const auto result = finished.at(0).at(1).value<tess::Result>();
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
        QVERIFY(doc.reloadSheet(ColourModel::Rgb));
        QCOMPARE(doc.extent(), QSize(70001, 4001));
        QVERIFY(!finished.last().at(2).value<tess::Result>().ok());
        QCOMPARE(doc.picture().cacheKey(), good);

        QVERIFY(doc.drawSheet(ColourModel::Rgb));
        const auto drawn = finished.last().at(1).value<tess::Result>();
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

        QVERIFY(saveByRenaming(path("both.csv"), "x,y,r,g,b,h,s,v\n0,0,255,0,0,240,255,100\n1,0,0,0,0,0,0,0\n"));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 5000);
        QCOMPARE(finished.last().at(0).value<Work>(), Work::ReloadSheet);
        QCOMPARE(doc.picture().size(), QSize(2, 1));
        QCOMPARE(doc.picture().pixel(0, 0), qRgb(0, 0, 100)); // h 240, v 100: blue
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

    // On the worker: the call returns at once, other work is refused meanwhile, and a
    // stopped load is never taken, not even once its work has ended.
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
        QVERIFY(!doc.drawSheet(ColourModel::Rgb));
        QVERIFY(!doc.loadPicture(path("picture.png")));
        QCOMPARE(started.size(), 2);
        QCOMPARE(doc.running(), Work::LoadSheet);

        doc.cancel();
        QCOMPARE(stopped.size(), 1);
        QCOMPARE(stopped.at(0).at(0).value<Work>(), Work::LoadSheet);
        QCOMPARE(stopped.at(0).at(1).toString(), path("large.csv"));
        QVERIFY(!doc.busy());
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
        QVERIFY(finished.at(1).at(1).value<tess::Result>().ok());
        QCOMPARE(describe(doc, m_dir->path()), "picture: none | sheet: 2000000 records 2000x1000 large.csv saved");
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
