// SPDX-License-Identifier: GPL-3.0-or-later
// A real spreadsheet program as partner: LibreOffice Calc (soffice, headless, with a
// private profile). Skipped where it is not installed. Three conversions in all, each of
// several files at once, since one profile admits one running instance.

#include "convert/sheetnotice.h"
#include "csv/sheetreader.h"
#include "testhelpers.h"
#include "csv/sheetwriter.h"
#include "workbook/workbookreader.h"
#include "workbook/workbookwriter.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace tess;

namespace {

PixelRecords sampleRecords()
{
    PixelRecords records;
    for (int i = 0; i < 1500; ++i) {
        records.push_back(PixelRecord{ i % 40, i / 40, (i * 37) % 256, (i * 11) % 256, 255 - i % 256, 0,
                                       i % 9 == 0 ? -1 : (i * 13) % 360, (i * 3) % 256, (i * 17) % 256 });
    }
    return records;
}

// A sheet as a class edits it: formulas (Calc evaluates them on import and keeps the
// results beside them), a note column holding separators, quotes and a line end, rows
// cleared in between.
const char NotesSheet[] = "x,y,r,g,b,note\n"
                          "0,0,255,0,0,\"red, bright \"\"hot\"\"\"\n"
                          "\n"
                          "1,0,0,=200+55,0,\"two\nlines\"\n"
                          ",,,,,\n"
                          "2,0,0,0,=C2-5,plain\n";

// A workbook as Excel leaves it, written by openpyxl: its active sheet a chart of the
// data, r and g computed as =MIN(255,C2*1.15) and =C2*0.7 with the float residues Excel
// stores for them.
const char ExcelLikeWorkbook[] = R"(
import sys
from openpyxl import Workbook
from openpyxl.chart import BarChart, Reference
book = Workbook()
data = book.active
data.title = "Sheet1"
data.append(["x", "y", "r", "g", "b"])
data.append([0, 0, 114.99999999999999, 62.99999999999999, 30])
data.append([1, 0, 255, 127.9, 40])
chart = BarChart()
chart.add_data(Reference(data, min_col=3, min_row=1, max_row=3), titles_from_data=True)
book.create_chartsheet("Chart1").add_chart(chart)
book.active = 1
book.save(sys.argv[1])
)";

QByteArray csvOf(const PixelRecords &records, ColourModel model)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeSheet(buffer, records, model);
    return bytes;
}

} // namespace

class TestWorkbookCalc : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void calcExportsOurWorkbookAsOurCsv_data();
    void calcExportsOurWorkbookAsOurCsv();
    void calcWorkbooksLoadAsTheirCsv_data();
    void calcWorkbooksLoadAsTheirCsv();
    void editedCalcWorkbookLoads_data();
    void editedCalcWorkbookLoads();
    void chartSheetAndFloatResidues_data();
    void chartSheetAndFloatResidues();

private:
    bool convert(const QString &filter, const QStringList &names, const QString &outDir);
    QString m_soffice;
    bool m_openpyxl = false;
    QTemporaryDir m_dir;
    PixelRecords m_records = sampleRecords();
};

bool TestWorkbookCalc::convert(const QString &filter, const QStringList &names, const QString &outDir)
{
    QStringList arguments = { QStringLiteral("--headless"), QStringLiteral("--norestore"),
                              QStringLiteral("-env:UserInstallation=file://") + m_dir.filePath(QStringLiteral("profile")),
                              QStringLiteral("--infilter=CSV:44,34,76,1"),
                              QStringLiteral("--convert-to"), filter, QStringLiteral("--outdir"), outDir };
    for (const QString &name : names)
        arguments.append(m_dir.filePath(name));
    QProcess soffice;
    soffice.start(m_soffice, arguments);
    if (!soffice.waitForFinished(180000)) {
        soffice.kill();
        soffice.waitForFinished();
        return false;
    }
    return soffice.exitStatus() == QProcess::NormalExit && soffice.exitCode() == 0;
}

void TestWorkbookCalc::initTestCase()
{
    m_soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (m_soffice.isEmpty())
        QSKIP("soffice (LibreOffice Calc, package libreoffice-calc-nogui) is not installed");
    QVERIFY(m_dir.isValid());
    for (const ColourModel model : { ColourModel::Rgb, ColourModel::Hsv }) {
        const QString name = model == ColourModel::Rgb ? QStringLiteral("rgb") : QStringLiteral("hsv");
        QVERIFY(writeFile(m_dir.filePath(name + QStringLiteral(".csv")), csvOf(m_records, model)));
        QFile file(m_dir.filePath(name + QStringLiteral(".xlsx")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(writeWorkbook(file, m_records, model).ok());
    }
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("notes.csv")), NotesSheet));
    QDir(m_dir.path()).mkpath(QStringLiteral("calc"));
    const QString out = m_dir.filePath(QStringLiteral("calc"));
    // Comma, double quote, UTF-8, from line 1, text cells not quoted (the seventh option;
    // left out, as in the widely copied "44,34,76,1", Calc quotes every text cell).
    QVERIFY(convert(QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true"),
                    { QStringLiteral("rgb.xlsx"), QStringLiteral("hsv.xlsx") }, out));
    const QStringList csvs = { QStringLiteral("rgb.csv"), QStringLiteral("hsv.csv"), QStringLiteral("notes.csv") };
    QVERIFY(convert(QStringLiteral("xlsx"), csvs, out));
    QVERIFY(convert(QStringLiteral("ods"), csvs, out));

    // The system's Python, where Debian's openpyxl is, before any other on the path.
    QString python3 = QStandardPaths::findExecutable(QStringLiteral("python3"), { QStringLiteral("/usr/bin") });
    if (python3.isEmpty())
        python3 = QStringLiteral("python3");
    QProcess python;
    python.start(python3, { QStringLiteral("-c"), QString::fromLatin1(ExcelLikeWorkbook), out + QStringLiteral("/chart.xlsx") });
    m_openpyxl = python.waitForFinished(60000) && python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0;
    if (m_openpyxl) {
        QVERIFY(QFile::copy(out + QStringLiteral("/chart.xlsx"), m_dir.filePath(QStringLiteral("chart.xlsx"))));
        QVERIFY(convert(QStringLiteral("ods"), { QStringLiteral("chart.xlsx") }, out));
    }
}

void TestWorkbookCalc::calcExportsOurWorkbookAsOurCsv_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("rgb") << QStringLiteral("rgb");
    QTest::newRow("hsv") << QStringLiteral("hsv");
}

void TestWorkbookCalc::calcExportsOurWorkbookAsOurCsv()
{
    QFETCH(QString, name);
    const QByteArray exported = readAll(m_dir.filePath(QStringLiteral("calc/") + name + QStringLiteral(".csv")));
    const QByteArray ours = readAll(m_dir.filePath(name + QStringLiteral(".csv")));
    QVERIFY(!ours.isEmpty());
    QCOMPARE(exported, ours);
}

void TestWorkbookCalc::calcWorkbooksLoadAsTheirCsv_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("suffix");
    for (const char *name : { "rgb", "hsv" }) {
        for (const char *suffix : { "xlsx", "ods" })
            QTest::newRow(qPrintable(QStringLiteral("%1 as %2").arg(name, suffix))) << name << suffix;
    }
}

// Calc's workbooks carry its own styles, shared texts and padding; they load to the very
// records of the CSV sheet they were made from.
void TestWorkbookCalc::calcWorkbooksLoadAsTheirCsv()
{
    QFETCH(QString, name);
    QFETCH(QString, suffix);
    PixelRecords expected;
    const SheetInfo csvInfo = loadSheetInfo(m_dir.filePath(name + QStringLiteral(".csv")), expected);
    QCOMPARE(csvInfo.status, Status::Done);
    PixelRecords loaded;
    const SheetInfo info = loadSheetInfo(m_dir.filePath(QStringLiteral("calc/%1.%2").arg(name, suffix)), loaded);
    QVERIFY2(info.status == Status::Done, qPrintable(info.detail));
    QCOMPARE(loaded.size(), m_records.size());
    QVERIFY(loaded == expected);
    QCOMPARE(info.width, csvInfo.width);
    QCOMPARE(info.height, csvInfo.height);
}

void TestWorkbookCalc::editedCalcWorkbookLoads_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("xlsx") << QStringLiteral("xlsx");
    QTest::newRow("ods") << QStringLiteral("ods");
}

// Formulas give their results, the notes stay in their column, cleared rows give no pixel.
void TestWorkbookCalc::editedCalcWorkbookLoads()
{
    QFETCH(QString, suffix);
    PixelRecords loaded;
    const SheetInfo info = loadSheetInfo(m_dir.filePath(QStringLiteral("calc/notes.") + suffix), loaded);
    QVERIFY2(info.status == Status::Done, qPrintable(info.detail));
    const PixelRecords expected = { PixelRecord{ 0, 0, 255, 0, 0, 0, 0, 0, 0 },
                                    PixelRecord{ 1, 0, 0, 255, 0, 0, 0, 0, 0 },
                                    PixelRecord{ 2, 0, 0, 0, 250, 0, 0, 0, 0 } };
    QVERIFY(loaded == expected);
    QCOMPARE(info.width, 3);
    QCOMPARE(info.height, 1);
}

void TestWorkbookCalc::chartSheetAndFloatResidues_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("xlsx as openpyxl writes it") << QStringLiteral("chart.xlsx");
    QTest::newRow("ods as Calc saves it") << QStringLiteral("chart.ods");
}

// The data sheet is drawn and named, the residues as the whole numbers shown.
void TestWorkbookCalc::chartSheetAndFloatResidues()
{
    QFETCH(QString, name);
    if (!m_openpyxl)
        QSKIP("python3-openpyxl is not installed");
    PixelRecords loaded;
    const SheetInfo info = loadSheetInfo(m_dir.filePath(QStringLiteral("calc/") + name), loaded);
    QVERIFY2(info.status == Status::Done, qPrintable(info.detail));
    const PixelRecords expected = { PixelRecord{ .x = 0, .y = 0, .r = 115, .g = 63, .b = 30 },
                                    PixelRecord{ .x = 1, .y = 0, .r = 255, .g = 127, .b = 40 } };
    QVERIFY(loaded == expected);
    QCOMPARE(sheetNotice(info), QStringLiteral("drawn from the sheet 'Sheet1'."));
}

QTEST_GUILESS_MAIN(TestWorkbookCalc)
#include "tst_workbookcalc.moc"
