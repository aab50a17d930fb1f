// SPDX-License-Identifier: GPL-3.0-or-later
// What the core's operations answer when they fail: the status, the words of the
// window's warning box, and the detail the command line prints (the path and the
// system's reason). The warning texts are the window's, letter for letter.

#include "convert/operations.h"
#include "testhelpers.h"
#include "io/safeoutput.h"
#include "text/statuswords.h"
#include "text/usertexts.h"

#include <QtTest>

#include <QTemporaryDir>

using tess::PixelRecord;
using tess::PixelRecords;

Q_DECLARE_METATYPE(tess::Status)
Q_DECLARE_METATYPE(std::optional<tess::ColourModel>)

namespace {

const QString NotValid = QStringLiteral("This is not a valid color spreadsheet.");
const QString ImageNotSaved = QStringLiteral("Warning: Image not Saved");
const QString SheetNotSaved = QStringLiteral("Warning: Spreadsheet not Saved");

QImage redImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

} // namespace

class TestResults : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // One failing call of an operation, by name, on "{dir}"-expanded paths.
    tess::Result run(const QString &operation, QString argument)
    {
        argument.replace(QStringLiteral("{dir}"), m_dir.path());
        PixelRecords records{PixelRecord{0, 0, 1, 2, 3, 255, 0, 0, 0}};
        if (operation == QLatin1String("loadImage")) {
            QImage image;
            return tess::loadImageFile(argument, image);
        }
        if (operation == QLatin1String("loadSheet")) {
            tess::SheetInfo info;
            return tess::loadSheetFile(argument, records, info);
        }
        if (operation == QLatin1String("saveSheet"))
            return tess::saveSheetFile(argument, records, tess::ColourModel::Rgb);
        if (operation == QLatin1String("saveImage"))
            return tess::saveImageFile(argument.endsWith(QLatin1String("null.png")) ? QImage() : redImage(2, 2),
                                       argument);
        QImage drawn;
        return tess::drawImage(records, 70000, 4000, tess::ColourModel::Rgb, drawn);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder")));
        QVERIFY(writeFile(path("poem.png"), "Roses are red,\nthis is no picture.\n"));
        QVERIFY(writeFile(path("letter.csv"), "Dear class,\nplease bring a picture.\n"));
    }

    // Real failures of the operations: the detail names the path and the system's reason.
    void failures_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<tess::Status>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("detail");
        using S = tess::Status;
        const auto row = [](const char *name, const char *operation, const QString &argument, S status,
                            const QString &message, const QString &detail) {
            QTest::newRow(name) << QString::fromLatin1(operation) << argument << status << message << detail;
        };
        row("image missing", "loadImage", "{dir}/none.png", S::ImageUnreadable, "Invalid image format.",
            "{dir}/none.png: No such file or directory");
        row("image is a folder", "loadImage", "{dir}/folder", S::ImageUnreadable, "Invalid image format.",
            "{dir}/folder: this is a folder");
        row("text behind a picture's name", "loadImage", "{dir}/poem.png", S::ImageUnreadable,
            "Invalid image format.", "{dir}/poem.png: not a picture in any format this program reads");
        row("sheet missing", "loadSheet", "{dir}/none.csv", S::SheetMissing, "The spreadsheet file does not exist.",
            "{dir}/none.csv: No such file or directory");
        row("sheet is a folder", "loadSheet", "{dir}/folder", S::SheetCannotOpen, NotValid,
            "{dir}/folder: this is a folder");
        row("sheet into a missing folder", "saveSheet", "{dir}/none/s.csv", S::SheetNotSaved, SheetNotSaved,
            "{dir}/none/s.csv: No such file or directory");
        row("image with an unknown suffix", "saveImage", "{dir}/p.xyz", S::ImageNotSaved, ImageNotSaved,
            "{dir}/p.xyz: no picture format this program writes is named by the suffix \"xyz\"");
        row("no picture to save", "saveImage", "{dir}/null.png", S::ImageNotSaved, ImageNotSaved,
            "{dir}/null.png: there is no picture to save");
        row("picture too large to draw", "draw", QString(), S::ImageNotDrawn, "This picture is too large to draw.",
            "The sheet describes a picture of 70,000 \u00d7 4,000 pixels; the largest picture this program draws is "
            "16,384 \u00d7 16,384 pixels (268,435,456 pixels in all, in any shape up to 67,108,863 pixels wide or high).");
        if (QFileInfo::exists(QStringLiteral("/dev/full")))
            row("sheet onto a full device", "saveSheet", "/dev/full", S::SheetNotSaved, SheetNotSaved,
                "/dev/full: No space left on device");
    }

    void failures()
    {
        QFETCH(QString, operation);
        QFETCH(QString, argument);
        QFETCH(tess::Status, status);
        QFETCH(QString, message);
        QFETCH(QString, detail);
        const tess::Result result = run(operation, argument);
        QCOMPARE(result.status, status);
        QCOMPARE(tess::statusMessage(result.status), message);
        // The warning box's title: a load failed (or its file is not there), a sheet is no sheet,
        // or a save or drawing did not happen.
        const bool loadFailed = operation == QLatin1String("loadImage") || status == tess::Status::SheetMissing;
        const QString title = loadFailed ? QStringLiteral("Failed loading")
                              : operation == QLatin1String("loadSheet") ? QStringLiteral("Invalid Sheet")
                                                                        : QStringLiteral("Warning");
        QCOMPARE(tess::warningTitle(result.status), title);
        QCOMPARE(result.detail, detail.replace(QStringLiteral("{dir}"), m_dir.path()));
    }

    // The reader's verdict, with the reader's reason after the path.
    void sheetVerdicts_data()
    {
        QTest::addColumn<tess::Status>("status");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("detail");
        using S = tess::Status;
        QTest::newRow("loaded") << S::Done << QString() << QString();
        QTest::newRow("no header") << S::SheetNotValid << "the header has no column named x"
                                   << "s.csv: the header has no column named x";
        QTest::newRow("no colours, no reason given") << S::SheetNoColourValues << QString() << QString();
        QTest::newRow("out of memory") << S::SheetOutOfMemory << "not enough memory for the sheet's records"
                                       << "s.csv: not enough memory for the sheet's records";
    }

    void sheetVerdicts()
    {
        QFETCH(tess::Status, status);
        QFETCH(QString, reason);
        QFETCH(QString, detail);
        tess::SheetInfo info;
        info.status = status;
        info.detail = reason;
        const tess::Result result = tess::sheetResult(info, QStringLiteral("s.csv"));
        QCOMPARE(result.status, status);
        QCOMPARE(result.detail, detail);
        // From standard input the stream is named instead of "-".
        if (!reason.isEmpty())
            QVERIFY(tess::sheetResult(info, tess::StandardStreamPath).detail.startsWith("standard input: "));
    }

    // Which model a sheet is drawn in: the window's choice after loading, the converter's
    // without --rgb or --hsv, and a request the sheet cannot serve.
    void drawingModel_data()
    {
        QTest::addColumn<bool>("hasRgb");
        QTest::addColumn<bool>("hasHsv");
        QTest::addColumn<std::optional<tess::ColourModel>>("asked");
        QTest::addColumn<tess::Status>("status");
        QTest::addColumn<int>("model"); // 0 RGB, 1 HSV
        using M = tess::ColourModel;
        using S = tess::Status;
        const std::optional<M> none;
        QTest::newRow("rgb only") << true << false << none << S::Done << 0;
        QTest::newRow("hsv only") << false << true << none << S::Done << 1;
        QTest::newRow("both: a fresh window's rgb") << true << true << none << S::Done << 0;
        QTest::newRow("both, hsv asked") << true << true << std::optional(M::Hsv) << S::Done << 1;
        QTest::newRow("rgb asked of an hsv sheet") << false << true << std::optional(M::Rgb) << S::NoRgbColumns << -1;
        QTest::newRow("hsv asked of an rgb sheet") << true << false << std::optional(M::Hsv) << S::NoHsvColumns << -1;
    }

    void drawingModel()
    {
        QFETCH(bool, hasRgb);
        QFETCH(bool, hasHsv);
        QFETCH(std::optional<tess::ColourModel>, asked);
        QFETCH(tess::Status, status);
        QFETCH(int, model);
        tess::SheetInfo info;
        info.hasRgb = hasRgb;
        info.hasHsv = hasHsv;
        tess::ColourModel chosen = tess::ColourModel::Hsv;
        if (model == 1)
            chosen = tess::ColourModel::Rgb; // so that a model left unset shows
        const tess::Result result = tess::drawingModel(info, asked, chosen);
        QCOMPARE(result.status, status);
        if (model >= 0)
            QCOMPARE(chosen, model == 0 ? tess::ColourModel::Rgb : tess::ColourModel::Hsv);
        else
            QVERIFY(tess::statusMessage(result.status).startsWith("The sheet has no "));
        // The window switches only for a sheet that has one model alone.
        QCOMPARE(tess::requiredModel(hasRgb, hasHsv).has_value(), hasRgb != hasHsv);
    }

    // The "Max Size Reached" notice comes once, before the scan (the window shows it while
    // the old data is still there), and only above one million pixels.
    void reductionNotice_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("excel2002");
        QTest::addColumn<int>("notices");
        QTest::addColumn<int>("width"); // the height follows as the toolkit's scaling makes it
        QTest::newRow("exactly a million") << QSize(1000, 1000) << false << 0 << 1000;
        // 1001 x sqrt(1000000 / 1001000) = 1000.49
        QTest::newRow("one column more") << QSize(1001, 1000) << false << 1 << 1000;
        // 640 x sqrt(60000 / 307200) = 282.8
        QTest::newRow("excel2002 alone is silent") << QSize(640, 480) << true << 0 << 282;
    }

    void reductionNotice()
    {
        QFETCH(QSize, size);
        QFETCH(bool, excel2002);
        QFETCH(int, notices);
        QFETCH(int, width);
        PixelRecords records{PixelRecord{}};
        int heard = 0;
        QSize scanned;
        const tess::Result result = tess::recordsFromImage(
            redImage(size.width(), size.height()), excel2002, records, scanned, [&](const tess::Notice &notice) {
                ++heard;
                QCOMPARE(tess::noticeMessage(notice), tess::userText(tess::Text::MillionWarning));
                QCOMPARE(records.size(), size_t(1)); // not scanned yet
            });
        QVERIFY(result.ok());
        QCOMPARE(heard, notices);
        QCOMPARE(scanned.width(), width);
        QVERIFY(scanned.height() <= size.height() && scanned.height() > 0);
        QCOMPARE(records.size(), size_t(scanned.width()) * size_t(scanned.height()));
    }
};

QTEST_MAIN(TestResults)
#include "tst_results.moc"
