// SPDX-License-Identifier: GPL-3.0-or-later
// A real spreadsheet program as a test partner: LibreOffice Calc opens a sheet this
// program wrote, a script makes the edits users make (r times 1.5, cleared rows, a
// remark and a total below the data, a note column holding separators, quotes and a
// line break), saves it as xlsx and exports that as CSV in three common ways. Every
// export must draw exactly the picture the edited table shows. A second edit puts a notes
// sheet before the data and shows numbers with thousands separators, as percentages and
// as money; its exports as shown draw what its workbook draws.

#include "testhelpers.h"
#include "image/imageconvert.h"
#include "convert/sheetnotice.h"
#include "csv/sheetreader.h"
#include "csv/sheetwriter.h"
#include "workbook/workbookreader.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace tess;

namespace {

// Data rows the script clears (the first data row is 1), as in calc_edits.py.
constexpr int FirstCleared = 5;
constexpr int LastCleared = 7;

QImage pattern()
{
    QImage image(12, 10, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 23 + y * 7) % 256, (x * 40) % 256, (y * 25) % 256));
    }
    return image;
}

// A python that has the office's scripting bridge, or an empty string.
QString unoPython()
{
    for (const QString &python : { QStringLiteral("/usr/bin/python3"), QStandardPaths::findExecutable("python3") }) {
        if (python.isEmpty())
            continue;
        QProcess probe;
        probe.start(python, { QStringLiteral("-c"), QStringLiteral("import uno") });
        if (probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0)
            return python;
    }
    return QString();
}

} // namespace

class TestCalcPartner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
            QSKIP("soffice is not installed (package libreoffice-calc-nogui)");
        const QString python = unoPython();
        if (python.isEmpty())
            QSKIP("no python3 with the uno module (package python3-uno)");
        QVERIFY(m_dir.isValid());

        m_records.clear();
        scanImage(pattern(), m_records);
        const QString sheet = m_dir.filePath(QStringLiteral("sheet.csv"));
        QVERIFY(saveSheet(sheet, m_records, ColourModel::Rgb).ok());

        QProcess calc;
        calc.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        calc.start(python, { QStringLiteral(TESSARINE_CALC_SCRIPT), sheet, m_dir.path(),
                             m_dir.filePath(QStringLiteral("profile")) });
        QVERIFY2(calc.waitForFinished(240000), "Calc did not finish within four minutes");
        QCOMPARE(calc.exitStatus(), QProcess::NormalExit);
        QCOMPARE(calc.exitCode(), 0);
    }

    void drawsAsEdited_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("default export") << "default.csv";
        QTest::newRow("filter options 44,34,76,1") << "options.csv";
        QTest::newRow("semicolons and decimal commas of a German locale") << "german.csv";
    }

    void drawsAsEdited()
    {
        QFETCH(QString, file);
        PixelRecords records;
        const SheetInfo info = loadSheetInfo(m_dir.filePath(file), records);
        QVERIFY2(info.status == Status::Done, qPrintable(info.detail));
        QCOMPARE(info.columns.x, 1); // behind the note column
        QCOMPARE(info.skippedLines, qint64(LastCleared - FirstCleared + 1 + 2)); // and remark, total

        // The table as Calc shows it: r times 1.5 (decimals dropped when read, drawn at
        // most 255), the cleared rows' pixels missing, everything else as written.
        QImage expected(pattern().size(), QImage::Format_ARGB32);
        expected.fill(0u);
        qint64 clamped = 0;
        for (int row = 1; row <= int(m_records.size()); ++row) {
            if (row >= FirstCleared && row <= LastCleared)
                continue;
            const PixelRecord &p = m_records[size_t(row - 1)];
            const int r = p.r * 3 / 2;
            clamped += r > 255;
            expected.setPixel(p.x, p.y, qRgb(std::min(r, 255), p.g, p.b));
        }

        DrawStats stats;
        const QImage drawn = drawRecords(records, info.width, info.height, ColourModel::Rgb, &stats);
        QCOMPARE(drawn.size(), expected.size());
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (drawn.pixel(x, y) != expected.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is #%3, expected #%4").arg(x).arg(y)
                                         .arg(drawn.pixel(x, y), 8, 16, QLatin1Char('0'))
                                         .arg(expected.pixel(x, y), 8, 16, QLatin1Char('0'))));
            }
        }
        QVERIFY(clamped > 0);
        QCOMPARE(stats.clamped, clamped);
        QVERIFY(sheetNotice(info, stats).startsWith(QStringLiteral("5 lines without a pixel position were skipped; ")));
    }

    // Behind a notes sheet, r ten times and grouped by thousands, g a percentage, b in
    // dollars: the workbook draws the picture with r ten times (at most 255), and each
    // export as shown draws what the workbook draws.
    void formatsDrawLikeTheWorkbook_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("the workbook") << "formats.xlsx";
        QTest::newRow("English export as shown") << "formats.csv";
        QTest::newRow("German export as shown, thousands separated") << "formats-german.csv";
    }

    void formatsDrawLikeTheWorkbook()
    {
        QFETCH(QString, file);
        PixelRecords records;
        const SheetInfo info = loadSheetInfo(m_dir.filePath(file), records);
        QVERIFY2(info.status == Status::Done, qPrintable(info.detail));
        QCOMPARE(info.notNumbers, 0);
        QImage expected = pattern().convertToFormat(QImage::Format_ARGB32);
        for (const PixelRecord &p : m_records)
            expected.setPixel(p.x, p.y, qRgb(std::min(p.r * 10, 255), p.g, p.b));
        QCOMPARE(drawRecords(records, info.width, info.height, ColourModel::Rgb), expected);
        if (file.endsWith(QLatin1String(".xlsx")))
            QVERIFY2(sheetNotice(info).startsWith(QStringLiteral("drawn from the sheet 'Picture'")), qPrintable(sheetNotice(info)));
    }

private:
    QTemporaryDir m_dir;
    PixelRecords m_records;
};

QTEST_GUILESS_MAIN(TestCalcPartner)
#include "tst_calcpartner.moc"
