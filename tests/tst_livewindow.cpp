// SPDX-License-Identifier: GPL-3.0-or-later
// The window following its files while other programs save them: the sheet a student
// edits in a spreadsheet program, the picture edited in a paint program. Real files and
// the system's change notices; the dialogs answered by a script.

#include "following.h"
#include "testhelpers.h"
#include "windowundertest.h"

#include "image/imagefile.h"

#include <QtTest>

#include <QCheckBox>

#include <QAction>
#include <QMimeData>
#include <QShortcut>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QThreadPool>

namespace {

QByteArray sheetOf(int red)
{
    return "x,y,r,g,b\n0,0," + QByteArray::number(red) + ",0,0\n1,0,0,0,9\n";
}

void renameOver(const QString &path, const QByteArray &bytes)
{
    QVERIFY(saveByRenaming(path, bytes));
}

int redOf(const QImage &image)
{
    return image.isNull() ? -1 : qRed(image.pixel(0, 0));
}

constexpr int Settled = 3 * tess::FileFollower::DefaultSettleMs;

} // namespace

// Named as the window's friend, to see its data.
class TestMainWindow : public QObject
{
    Q_OBJECT

    using Window = WindowUnderTest;
    QTemporaryDir m_dir;

    QString message(const Window &w) const { return w.window->statusBar()->currentMessage(); }

    // A window opened on lesson.csv, as a double-click does: loaded and drawn.
    QString openDrawn(Window &w, const QByteArray &sheet)
    {
        const QString path = m_dir.filePath(QStringLiteral("lesson.csv"));
        if (!writeFile(path, sheet))
            return QString();
        w.window->openFile(path);
        return path;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        tess::configureImageReading();
    }

    void init()
    {
        QSettings().clear(); // following on, as on a first start
    }

    // The sheet drawn, then saved by another program in either way: drawn again without
    // a click, and the status bar says so, then what reading passed over.
    void sheetSavedElsewhere_data()
    {
        QTest::addColumn<bool>("atomic");
        QTest::addColumn<QByteArray>("tail");   // added to the new sheet
        QTest::addColumn<QString>("notice");    // after the time
        QTest::newRow("renamed over") << true << QByteArray() << "";
        QTest::newRow("in place") << false << QByteArray() << "";
        QTest::newRow("with a line skipped") << false << QByteArray(",,,,\n")
                                             << " \u2014 1 line without a pixel position was skipped.";
    }

    void sheetSavedElsewhere()
    {
        QFETCH(bool, atomic);
        QFETCH(QByteArray, tail);
        QFETCH(QString, notice);
        Window w = Window::make();
        const QString path = openDrawn(w, sheetOf(10));
        QCOMPARE(redOf(w.image()), 10);

        (atomic ? renameOver : [](const QString &p, const QByteArray &b) { QVERIFY(writeFile(p, b)); })(
            path, sheetOf(77) + tail);
        QTRY_COMPARE_WITH_TIMEOUT(redOf(w.image()), 77, 3000);
        QCOMPARE(redOf(w.ui->imageView->pixmap().toImage()), 77);
        QCOMPARE(w.pixels()[0].r, 77);
        QVERIFY2(QRegularExpression(QStringLiteral("^lesson\\.csv changed: read again and drawn \\(\\d\\d:\\d\\d:\\d\\d\\)")
                                    + QRegularExpression::escape(notice) + "$")
                     .match(message(w)).hasMatch(),
                 qPrintable(message(w)));
        QVERIFY(!w.ui->ss_save_pos->isHidden());
        QCOMPARE(w.dialogs->warnings(), QStringList());
    }

    // A save that cannot be read keeps the last good data and picture and says why in the
    // status bar, not in a box; the next good save is drawn again.
    void brokenSaveKeepsTheLastGoodData()
    {
        Window w = Window::make();
        const QString path = openDrawn(w, sheetOf(10));
        QVERIFY(writeFile(path, "x,y,r,g,b\n0,0,\"20,0,0\n"));
        QTRY_VERIFY_WITH_TIMEOUT(message(w).contains(QStringLiteral("line 2: a quote is never closed")), 3000);
        QVERIFY(message(w).startsWith(QStringLiteral("lesson.csv changed but cannot be read")));
        QCOMPARE(redOf(w.image()), 10);
        QCOMPARE(w.pixels()[0].r, 10);
        QCOMPARE(w.dialogs->warnings(), QStringList());

        renameOver(path, sheetOf(30));
        QTRY_COMPARE_WITH_TIMEOUT(redOf(w.image()), 30, 3000);
    }

    // What the window writes itself is no change to follow; the saved file is followed.
    void ownSaveIsNotAChange()
    {
        Window w = Window::make();
        openDrawn(w, sheetOf(10));
        const QString saved = m_dir.filePath(QStringLiteral("copy.csv"));
        w.dialogs->fileAnswers = {saved};
        w.ui->saveSheet->click();
        QTest::qWait(Settled);
        QCOMPARE(message(w), QString());
        QCOMPARE(w.ui->spreadsheetBox->toolTip(), QStringLiteral("Spreadsheet: ") + saved);

        QVERIFY(writeFile(saved, sheetOf(50)));
        QTRY_COMPARE_WITH_TIMEOUT(redOf(w.image()), 50, 3000);
    }

    // Switched off, nothing is read; the switch is remembered for the next window.
    void switchedOff()
    {
        Window w = Window::make();
        const QString path = openDrawn(w, sheetOf(10));
        QAction *follow = w.window->findChild<QAction *>(QStringLiteral("followFiles"));
        QVERIFY(follow && follow->isChecked());
        // The switch in the status bar is a check box that Tab reaches and that names its key.
        auto *box = w.window->findChild<QCheckBox *>(QStringLiteral("followFilesButton"));
        QVERIFY(box && box->isChecked() && box->focusPolicy() & Qt::TabFocus);
        QVERIFY2(box->toolTip().contains(QStringLiteral("Ctrl+Shift+F")), qPrintable(box->toolTip()));
        box->click();
        QVERIFY(!follow->isChecked());
        follow->trigger();
        QVERIFY(box->isChecked());
        follow->trigger();
        QVERIFY(!box->isChecked());
        QVERIFY(writeFile(path, sheetOf(60)));
        QTest::qWait(Settled);
        QCOMPARE(redOf(w.image()), 10);

        Window next = Window::make();
        QVERIFY(!next.window->findChild<QAction *>(QStringLiteral("followFiles"))->isChecked());
    }

    // A sheet deleted keeps its data and says so; back under its name, it is followed again.
    void deletedAndBack()
    {
        Window w = Window::make();
        const QString path = openDrawn(w, sheetOf(10));
        QVERIFY(QFile::remove(path));
        QTRY_VERIFY_WITH_TIMEOUT(message(w).startsWith(QStringLiteral("lesson.csv was deleted or moved away")), 3000);
        QCOMPARE(w.pixels().size(), std::size_t(2));
        renameOver(path, sheetOf(90));
        QTRY_COMPARE_WITH_TIMEOUT(redOf(w.image()), 90, 3000);
    }

    // The headings name where each side's data came from and where it was saved; a sheet
    // read from a file counts as saved.
    void headingsTellWhereDataIs()
    {
        Window w = Window::make();
        const QString sheet = openDrawn(w, sheetOf(10));
        QCOMPARE(w.ui->spreadsheetBox->toolTip(), QStringLiteral("Spreadsheet: ") + sheet);
        // A long path is shortened in the middle, keeping the file's name, to fit the box;
        // the tooltip holds it whole.
        const QString shown = w.ui->spreadsheetBox->title();
        QVERIFY2(shown.contains(QChar(0x2026)) && shown.endsWith(QStringLiteral("/lesson.csv")), qPrintable(shown));
        QVERIFY(w.ui->spreadsheetBox->fontMetrics().horizontalAdvance(shown) < w.ui->spreadsheetBox->width());
        QVERIFY(!w.ui->ss_save_pos->isHidden() && w.ui->ss_save_neg->isHidden());
        QCOMPARE(w.ui->imageBox->title(), QStringLiteral("Image: drawn from lesson.csv"));
        // The sheet saved as a workbook: the drawing names the file that holds its sheet now.
        w.dialogs->fileAnswers = {m_dir.filePath(QStringLiteral("lesson.xlsx"))};
        w.ui->saveSheet->click();
        QCOMPARE(w.ui->imageBox->title(), QStringLiteral("Image: drawn from lesson.xlsx"));

        const QString drawn = m_dir.filePath(QStringLiteral("drawn.png"));
        w.dialogs->fileAnswers = {drawn};
        w.ui->saveImage->click();
        QCOMPARE(w.ui->imageBox->toolTip(), QStringLiteral("Image: ") + drawn);

        const QString smiley = m_dir.filePath(QStringLiteral("smiley.png"));
        QVERIFY(QImage(drawn).save(smiley));
        w.dialogs->fileAnswers = {smiley};
        w.ui->loadImage->click();
        // No sheet now, and the heading names none.
        QCOMPARE(w.ui->resolution->text(), QStringLiteral("No Spreadsheet Loaded"));
        QCOMPARE(w.ui->spreadsheetBox->title(), QStringLiteral("Spreadsheet"));
        QCOMPARE(w.ui->spreadsheetBox->toolTip(), QString());
        w.ui->imageToSpreadsheet->click();
        QCOMPARE(w.ui->spreadsheetBox->title(), QStringLiteral("Spreadsheet: from smiley.png"));
        QVERIFY(w.ui->ss_save_pos->isHidden());
        const QString saved = m_dir.filePath(QStringLiteral("smiley.csv"));
        w.dialogs->fileAnswers = {saved};
        w.ui->saveSheet->click();
        QCOMPARE(w.ui->spreadsheetBox->toolTip(), QStringLiteral("Spreadsheet: ") + saved);
        QVERIFY(!w.ui->ss_save_pos->isHidden());
        QCOMPARE(w.dialogs->warnings(), QStringList());
    }

    // Esc stops long work; what the window shows stays, and so does the file on disk.
    void escapeStopsLongWork_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("notice");
        QTest::newRow("a read") << false << "Reading big.csv was stopped; nothing has changed";
        QTest::newRow("a save") << true << "Writing big.csv was stopped; the file on disk is as it was";
    }

    void escapeStopsLongWork()
    {
        QFETCH(bool, save);
        QFETCH(QString, notice);
        Window w = Window::make();
        const QString big = m_dir.filePath(QStringLiteral("big.csv"));
        QByteArray bigBytes = "x,y,r,g,b\n" + QByteArray("1,2,3,4,5\n").repeated(2000000);
        if (save) {
            // A million records to write, over a file that must stay as it was.
            bigBytes = "x,y,r,g,b\n0,0,1,2,3\n";
            QImage picture(1000, 1000, QImage::Format_RGB32);
            picture.fill(qRgb(9, 8, 7));
            const QString source = m_dir.filePath(QStringLiteral("plain.png"));
            QVERIFY(picture.save(source));
            w.dialogs->fileAnswers = {source};
            w.ui->loadImage->click();
            w.ui->imageToSpreadsheet->click();
        } else {
            openDrawn(w, sheetOf(10));
        }
        QVERIFY(writeFile(big, bigBytes));
        const QStringList before = w.snapshot();
        const std::size_t records = w.pixels().size();

        w.document().setBlocking(false);
        w.dialogs->fileAnswers = {big};
        (save ? w.ui->saveSheet : w.ui->loadSpreadsheet)->click();
        // The work runs on: the window answers meanwhile, with nothing to start other work.
        QVERIFY(w.document().busy());
        QVERIFY(!w.ui->centralWidget->isEnabled());
        QVERIFY(w.window->findChild<QWidget *>(QStringLiteral("busyBar")));
        auto *stop = w.window->findChild<QShortcut *>(QStringLiteral("stopWork"));
        QVERIFY(stop && stop->key() == QKeySequence(Qt::Key_Escape) && stop->isEnabled());
        emit stop->activated();
        QCOMPARE(message(w), notice);
        QVERIFY(w.ui->centralWidget->isEnabled());
        // The stopped work ends unseen.
        QThreadPool::globalInstance()->waitForDone();
        QTest::qWait(20);
        QCOMPARE(w.pixels().size(), records);
        QCOMPARE(w.snapshot(), before);
        QCOMPARE(readAll(big), bigBytes);
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("big*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("big.csv")});
    }

    // A save chosen in its dialog while the sheet was being read again waits for that read.
    void saveWaitsForTheReadUnderneath()
    {
        Window w = Window::make();
        openDrawn(w, sheetOf(10));
        const QString saved = m_dir.filePath(QStringLiteral("chosen.png"));
        w.dialogs->fileAnswers = {saved};
        bool reading = false;
        w.dialogs->whileAsked = [&] {
            w.document().setBlocking(false);
            reading = w.document().reloadSheet(tess::ColourModel::Rgb);
        };
        w.ui->saveImage->click();
        QVERIFY(reading);
        QTRY_COMPARE_WITH_TIMEOUT(w.ui->imageBox->toolTip(), QStringLiteral("Image: ") + saved, 10000);
        QCOMPARE(redOf(QImage(saved)), 10);
    }

    // A drop opens one file as Open with does, and refuses anything else with the reason.
    void drop_data()
    {
        QTest::addColumn<QStringList>("names"); // in the test's folder; "folder" is one
        QTest::addColumn<QString>("notice");
        QTest::addColumn<int>("red");           // the drawn picture's, -1 none
        QTest::addColumn<bool>("busy");         // a long read runs when the file arrives
        QTest::newRow("a sheet: loaded and drawn") << QStringList{"drop.csv"} << "" << 44 << false;
        QTest::newRow("a picture") << QStringList{"drop.png"} << "" << 200 << false;
        QTest::newRow("two files") << QStringList{"drop.csv", "drop.png"}
                                   << "Drop one picture or sheet at a time; nothing was opened." << -1 << false;
        QTest::newRow("a folder") << QStringList{"folder"}
                                  << "A folder cannot be opened; drop one picture or sheet from it." << -1 << false;
        QTest::newRow("while reading") << QStringList{"drop.csv"}
                                       << "Still at work; drop the file again once it is done." << -1 << true;
    }

    void drop()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, notice);
        QFETCH(int, red);
        QFETCH(bool, busy);
        QVERIFY(writeFile(m_dir.filePath("drop.csv"), sheetOf(44)));
        QImage picture(1, 1, QImage::Format_RGB32);
        picture.fill(qRgb(200, 0, 0));
        QVERIFY(picture.save(m_dir.filePath("drop.png")));
        QVERIFY(QDir(m_dir.path()).mkpath("folder"));

        Window w = Window::make();
        if (busy) {
            const QString big = m_dir.filePath(QStringLiteral("long.csv"));
            QVERIFY(writeFile(big, "x,y,r,g,b\n" + QByteArray("1,2,3,4,5\n").repeated(2000000)));
            w.document().setBlocking(false);
            QVERIFY(w.document().loadSheet(big));
        }
        QList<QUrl> urls;
        for (const QString &name : names)
            urls.append(QUrl::fromLocalFile(m_dir.filePath(name)));
        QMimeData data;
        data.setUrls(urls);
        // As a drag arrives: the window that takes its entry is the one the drop goes to.
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent event(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.window.get(), &event);
        QTest::qWait(50);
        QCOMPARE(message(w), notice);
        QCOMPARE(redOf(w.image()), red);
        QCOMPARE(w.dialogs->asked.size(), 0);
        if (busy) {
            // The file was refused, not queued under the read: it ends as it began.
            QTRY_VERIFY_WITH_TIMEOUT(!w.document().busy(), 20000);
            QCOMPARE(w.document().sheetFile(), m_dir.filePath(QStringLiteral("long.csv")));
        }
    }

    // The picture edited in a paint program: loaded again, and the sheet made from it made
    // again; the file the sheet was saved to is not rewritten behind the user's back.
    void pictureSavedElsewhere()
    {
        Window w = Window::make();
        const QString picture = m_dir.filePath(QStringLiteral("photo.png"));
        QImage image(2, 1, QImage::Format_RGB32);
        image.fill(qRgb(5, 5, 5));
        QVERIFY(image.save(picture));
        w.dialogs->fileAnswers = {picture};
        w.ui->loadImage->click();
        w.ui->imageToSpreadsheet->click();
        QCOMPARE(w.ui->spreadsheetBox->title(), QStringLiteral("Spreadsheet: from photo.png"));
        const QString sheet = m_dir.filePath(QStringLiteral("photo.csv"));
        w.dialogs->fileAnswers = {sheet};
        w.ui->saveSheet->click();
        const QByteArray savedBytes = readAll(sheet);

        image.fill(qRgb(123, 5, 5));
        QVERIFY(image.save(picture));
        QTRY_COMPARE_WITH_TIMEOUT(redOf(w.image()), 123, 3000);
        QCOMPARE(w.pixels()[0].r, 123);
        QVERIFY(message(w).startsWith(QStringLiteral("photo.png changed: read again and converted")));
        QCOMPARE(readAll(sheet), savedBytes);
        QVERIFY(w.ui->ss_save_pos->isHidden());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_livewindow.moc"
