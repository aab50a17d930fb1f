// SPDX-License-Identifier: GPL-3.0-or-later
// A second spreadsheet program as a test partner: Gnumeric's converter takes a sheet this
// program wrote through .xlsx and .ods and back to CSV. Every one of the files draws the
// picture the sheet was made from.

#include "testhelpers.h"
#include "convert/sheetnotice.h"
#include "image/imageconvert.h"
#include "csv/sheetwriter.h"
#include "workbook/workbookreader.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tess;

namespace {

QImage pattern()
{
    QImage image(13, 9, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 19 + y * 5) % 256, (x * 31) % 256, 255 - (y * 27) % 256));
    }
    return image;
}

} // namespace

class TestGnumericPartner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_converter = QStandardPaths::findExecutable(QStringLiteral("ssconvert"));
        if (m_converter.isEmpty())
            QSKIP("ssconvert is not installed (package gnumeric)");
        QVERIFY(m_dir.isValid());
        PixelRecords records;
        scanImage(pattern(), records);
        QVERIFY(saveSheet(m_dir.filePath(QStringLiteral("sheet.csv")), records, ColourModel::Rgb).ok());
        // Each step starts from the file the step before made.
        const QStringList chain = { "sheet.csv", "sheet.xlsx", "sheet.ods", "back.csv" };
        for (qsizetype i = 1; i < chain.size(); ++i) {
            QProcess convert;
            convert.start(m_converter, { m_dir.filePath(chain[i - 1]), m_dir.filePath(chain[i]) });
            QVERIFY2(convert.waitForFinished(120000), "ssconvert did not finish within two minutes");
            QCOMPARE(convert.exitCode(), 0);
        }
    }

    void drawsAlike_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("xlsx from the CSV sheet") << "sheet.xlsx";
        QTest::newRow("ods from that xlsx") << "sheet.ods";
        QTest::newRow("CSV from that ods") << "back.csv";
    }

    void drawsAlike()
    {
        QFETCH(QString, file);
        PixelRecords records;
        const SheetInfo info = loadSheetInfo(m_dir.filePath(file), records);
        QVERIFY2(info.status == Status::Done, qPrintable(info.detail));
        DrawStats stats;
        const QImage drawn = drawRecords(records, info.width, info.height, ColourModel::Rgb, &stats);
        QCOMPARE(drawn, pattern());
        QCOMPARE(sheetNotice(info, stats), QString());
    }

private:
    QTemporaryDir m_dir;
    QString m_converter;
};

QTEST_GUILESS_MAIN(TestGnumericPartner)
#include "tst_gnumericpartner.moc"
