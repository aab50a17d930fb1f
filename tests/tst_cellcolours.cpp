// SPDX-License-Identifier: GPL-3.0-or-later
// The colour a workbook's fill shows: theme colours with a tint, the default palette, patterns.
#include "workbook/cellcolours.h"

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
