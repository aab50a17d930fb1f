// SPDX-License-Identifier: GPL-3.0-or-later
// The colour a workbook's fill shows: theme colours with a tint, the default palette, patterns.
#include "workbook/cellcolours.h"
#include "workbook/xlsxstyles.h"

#include <QTest>

using namespace tess;

class TestCellColours : public QObject
{
    Q_OBJECT

private slots:
    void tint_data()
    {
        QTest::addColumn<uint>("colour");
        QTest::addColumn<double>("tint");
        QTest::addColumn<uint>("shown");
        // The darker accent 6 of the standard theme, as the spreadsheet programs show it.
        QTest::newRow("accent6 darker 25%") << 0xF79646u << -0.25 << 0xE46C0Au;
        QTest::newRow("no tint") << 0xF79646u << 0.0 << 0xF79646u;
        QTest::newRow("black lighter 50%") << 0x000000u << 0.5 << 0x808080u;
        QTest::newRow("white darker 50%") << 0xFFFFFFu << -0.5 << 0x808080u;
        QTest::newRow("full tint is white") << 0x4F81BDu << 1.0 << 0xFFFFFFu;
        QTest::newRow("full shade is black") << 0x4F81BDu << -1.0 << 0x000000u;
        QTest::newRow("out of range is bounded") << 0x4F81BDu << -7.0 << 0x000000u;
        QTest::newRow("not a number leaves it") << 0x4F81BDu << std::nan("") << 0x4F81BDu;
    }
    void tint()
    {
        QFETCH(uint, colour);
        QFETCH(double, tint);
        QFETCH(uint, shown);
        QCOMPARE(QString::number(applyTint(colour, tint), 16), QString::number(shown, 16));
    }

    void pattern_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<uint>("shown");
        QTest::newRow("solid") << "solid" << 0xFF0000u;
        QTest::newRow("darkGray") << "darkGray" << 0xBF0040u;
        QTest::newRow("mediumGray") << "mediumGray" << 0x800080u;
        QTest::newRow("lightGray") << "lightGray" << 0x4000BFu;
        QTest::newRow("gray125") << "gray125" << 0x2000DFu;
        QTest::newRow("gray0625") << "gray0625" << 0x1000EFu;
        QTest::newRow("none") << "none" << 0x0000FFu;
    }
    void pattern()
    {
        QFETCH(QString, pattern);
        QFETCH(uint, shown);
        const QByteArray type = pattern.toLatin1();
        const QRgb blended = blendPattern(0xFF0000, 0x0000FF, patternShare(std::string_view(type.constData(), size_t(type.size()))));
        QCOMPARE(QString::number(blended, 16), QString::number(shown, 16));
    }

    void styles_data()
    {
        QTest::addColumn<QByteArray>("fill");   // the third fill, which cell style 1 uses
        QTest::addColumn<QByteArray>("palette"); // the workbook's own indexed colours
        QTest::addColumn<bool>("painted");
        QTest::addColumn<uint>("shown");
        QTest::newRow("rgb") << QByteArray(R"(<patternFill patternType="solid"><fgColor rgb="FF82C9B0"/></patternFill>)")
                             << QByteArray() << true << 0x82C9B0u;
        QTest::newRow("theme and tint")
                << QByteArray(R"(<patternFill patternType="solid"><fgColor theme="9" tint="-0.249977111117893"/></patternFill>)")
                << QByteArray() << true << 0xE46C0Au;
        QTest::newRow("theme 0 is the light one")
                << QByteArray(R"(<patternFill patternType="solid"><fgColor theme="0"/></patternFill>)") << QByteArray() << true << 0xFEFEFEu;
        QTest::newRow("theme past the scheme")
                << QByteArray(R"(<patternFill patternType="solid"><fgColor theme="40"/></patternFill>)") << QByteArray() << false << 0xFFFFFFu;
        QTest::newRow("indexed, default palette")
                << QByteArray(R"(<patternFill patternType="solid"><fgColor indexed="52"/></patternFill>)") << QByteArray() << true << 0xFF9900u;
        QTest::newRow("indexed, own palette")
                << QByteArray(R"(<patternFill patternType="solid"><fgColor indexed="1"/></patternFill>)")
                << QByteArray(R"(<rgbColor rgb="FF000000"/><rgbColor rgb="FF123456"/>)") << true << 0x123456u;
        QTest::newRow("indexed 64 is no fill")
                << QByteArray(R"(<patternFill patternType="solid"><fgColor indexed="64"/></patternFill>)") << QByteArray() << false << 0xFFFFFFu;
        QTest::newRow("auto is no fill")
                << QByteArray(R"(<patternFill patternType="solid"><fgColor auto="1"/></patternFill>)") << QByteArray() << false << 0xFFFFFFu;
        QTest::newRow("dither")
                << QByteArray(R"(<patternFill patternType="mediumGray"><fgColor rgb="FF03E4B9"/><bgColor rgb="FF0BC5DA"/></patternFill>)")
                << QByteArray() << true << 0x07D5CAu;
        QTest::newRow("none") << QByteArray(R"(<patternFill patternType="none"/>)") << QByteArray() << false << 0xFFFFFFu;
    }
    void styles()
    {
        QFETCH(QByteArray, fill);
        QFETCH(QByteArray, palette);
        QFETCH(bool, painted);
        QFETCH(uint, shown);
        const QByteArray part = "<styleSheet><colors><indexedColors>" + palette + "</indexedColors></colors>"
                "<fills count=\"3\"><fill><patternFill patternType=\"none\"/></fill><fill><patternFill patternType=\"gray125\"/></fill>"
                "<fill>" + fill + "</fill></fills><cellXfs><xf fillId=\"0\"/><xf fillId=\"2\"/><xf fillId=\"1\"/><xf fillId=\"99\"/></cellXfs></styleSheet>";
        const QByteArray theme = "<a:theme xmlns:a=\"x\"><a:clrScheme><a:dk1><a:sysClr lastClr=\"000000\"/></a:dk1>"
                "<a:lt1><a:srgbClr val=\"FEFEFE\"/></a:lt1><a:dk2><a:srgbClr val=\"1F497D\"/></a:dk2><a:lt2><a:srgbClr val=\"EEECE1\"/></a:lt2>"
                "<a:accent6><a:srgbClr val=\"F79646\"/></a:accent6></a:clrScheme></a:theme>";
        XlsxStyles styles;
        QString why;
        QVERIFY(readXlsxStyles(part, theme, styles, why));
        QCOMPARE(styles.cells.size(), size_t(4));
        QCOMPARE(styles.ownPalette, !palette.isEmpty());
        QCOMPARE(styles.cells[1].painted, painted);
        if (painted)
            QCOMPARE(QString::number(styles.cells[1].colour, 16), QString::number(shown, 16));
        // Fill 0, the reserved gray125 and a fill that is not there paint nothing.
        QVERIFY(!styles.cells[0].painted && !styles.cells[2].painted && !styles.cells[3].painted);
    }

    void brokenStyles()
    {
        XlsxStyles styles;
        QString why;
        QVERIFY(!readXlsxStyles("<styleSheet><fills>", {}, styles, why));
        QVERIFY(!why.isEmpty());
        // A broken theme leaves the styles readable.
        QVERIFY(readXlsxStyles("<styleSheet/>", "<a:theme", styles, why));
    }

    void palette()
    {
        // The first eight and the classic orange and grey-blue of the old palette.
        QCOMPARE(defaultIndexedColours()[2], QRgb(0xFF0000));
        QCOMPARE(defaultIndexedColours()[52], QRgb(0xFF9900));
        QCOMPARE(defaultIndexedColours()[62], QRgb(0x333399));
    }
};

QTEST_GUILESS_MAIN(TestCellColours)
#include "tst_cellcolours.moc"
