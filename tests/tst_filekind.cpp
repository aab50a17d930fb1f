// SPDX-License-Identifier: GPL-3.0-or-later
// What a file is: by its first bytes, and by its suffix where the bytes name nothing.

#include "io/filekind.h"

#include <QtTest>

#include <QTemporaryDir>

Q_DECLARE_METATYPE(tess::FileKind)

using tess::FileKind;

class TestFileKind : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // name: the file's name (its suffix); content: its first bytes.
    void kinds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<FileKind>("kind");
        const auto bytes = [](const char *data, int size) { return QByteArray(data, size); };
        QTest::newRow("png") << "a.png" << QByteArray("\x89PNG\r\n\x1a\n") << FileKind::Picture;
        QTest::newRow("png named .csv") << "a.csv" << QByteArray("\x89PNG\r\n\x1a\n") << FileKind::Picture;
        QTest::newRow("jpeg") << "a" << QByteArray("\xFF\xD8\xFF\xE0") << FileKind::Picture;
        QTest::newRow("heic") << "a.bin" << bytes("\0\0\0\x18" "ftypheic", 12) << FileKind::Picture;
        QTest::newRow("webp") << "a" << QByteArray("RIFF\x10\0\0\0WEBPVP8 ", 16) << FileKind::Picture;
        QTest::newRow("bmp") << "a" << bytes("BM\x36\0\0\0\0\0\0\0\x36\0\0\0", 14) << FileKind::Picture;
        QTest::newRow("ppm") << "a" << QByteArray("P6\n4 4\n255\n") << FileKind::Picture;
        QTest::newRow("ico") << "a" << bytes("\0\0\1\0\1\0", 6) << FileKind::Picture;
        QTest::newRow("svg") << "a" << QByteArray("<?xml version=\"1.0\"?>\n<svg xmlns=\"x\"/>") << FileKind::Picture;
        // Sheets whose first line looks like the start of a picture's signature.
        QTest::newRow("sheet titled BM") << "a.csv" << QByteArray("BMX lesson\nx,y,r,g,b\n0,0,1,2,3\n") << FileKind::Csv;
        QTest::newRow("sheet titled P3") << "a.csv" << QByteArray("P3 class\nx,y,r\n") << FileKind::Csv;
        QTest::newRow("sheet") << "a.csv" << QByteArray("x,y,r,g,b\n0,0,1,2,3\n") << FileKind::Csv;
        QTest::newRow("utf-16 sheet") << "a.txt" << QByteArray("\xFF\xFEx\0,\0y\0", 8) << FileKind::Csv;
        QTest::newRow("empty") << "a.csv" << QByteArray() << FileKind::Csv;
        QTest::newRow("xlsx") << "a.xlsx" << QByteArray("PK\x03\x04\x14\0", 6) << FileKind::Workbook;
        QTest::newRow("empty zip") << "a.zip" << QByteArray("PK\x05\x06") << FileKind::Workbook;
        QTest::newRow("xls") << "a.xls" << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") << FileKind::OldWorkbook;
        QTest::newRow("csv.gz") << "a.csv.gz" << QByteArray("\x1F\x8B\x08\0") << FileKind::Compressed;
        QTest::newRow("dif") << "a.dif" << QByteArray("TABLE\r\n0,1\r\n") << FileKind::Dif;
        QTest::newRow("web page") << "a.csv" << QByteArray("\xEF\xBB\xBF <!DOCTYPE html><html>") << FileKind::WebPage;
        QTest::newRow("xml") << "a.xml" << QByteArray("<?xml version=\"1.0\"?><book/>") << FileKind::Xml;
        // Content that names nothing: the suffix decides for pictures.
        QTest::newRow("damaged photo") << "photo.JPG" << QByteArray("garbage") << FileKind::Picture;
        QTest::newRow("tga, no signature") << "a.tga" << bytes("\0\0\2\0\0\0\0\0", 8).replace(2, 1, "\x0a") << FileKind::Picture;
        QTest::newRow("xbm") << "a.xbm" << QByteArray("#define a_width 2\n") << FileKind::Picture;
        QTest::newRow("svgz") << "a.svgz" << QByteArray("\x1F\x8B\x08\0") << FileKind::Picture;
        QTest::newRow("unknown suffix") << "notes.txt" << QByteArray("garbage") << FileKind::Csv;
        // A picture's suffix does not make a workbook a picture.
        QTest::newRow("workbook named .png") << "a.png" << QByteArray("PK\x03\x04") << FileKind::Workbook;
    }

    void kinds()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(FileKind, kind);
        const QString path = m_dir.filePath(QString::number(qHash(QTest::currentDataTag())) + QLatin1Char('-') + name);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QCOMPARE(tess::kindOfFile(path), kind);
    }

    // Not there: the suffix says which side's reader tells so.
    void missingFile()
    {
        QCOMPARE(tess::kindOfFile(m_dir.filePath(QStringLiteral("none.png"))), FileKind::Picture);
        QCOMPARE(tess::kindOfFile(m_dir.filePath(QStringLiteral("none.csv"))), FileKind::Csv);
    }
};

QTEST_GUILESS_MAIN(TestFileKind)
#include "tst_filekind.moc"
