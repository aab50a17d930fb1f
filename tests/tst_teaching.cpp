// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a lesson needs it: pictures in their own proportions, the pixel viewer,
// the question before unsaved work is lost, what a screen reader hears, a small screen.

#include "beforeafter.h"
#include "dialogs.h"
#include "helpwindow.h"
#include "pixelcanvas.h"
#include "pixelviewer.h"
#include "testhelpers.h"
#include "windowundertest.h"

#include "convert/operations.h"
#include "image/imagecompare.h"
#include "convert/picturesheet.h"

#include <QtTest>

#include <QAccessible>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>

namespace {

constexpr QRgb Vivid = 0xff10c040;

// The rectangle of the label painted in the picture's colour.
QRect paintedRect(QWidget *label)
{
    const QImage shown = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QRect painted;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) == Vivid)
                painted |= QRect(x, y, 1, 1);
    return painted;
}

// Stands in for the desktop's program for sheets: QDesktopServices hands it the URLs it
// would open.
class StandInProgram final : public QObject
{
    Q_OBJECT

public:
    StandInProgram() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~StandInProgram() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace

class TestTeaching : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString picture(const QImage &image, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        return image.save(path) ? path : QString();
    }

    static void load(WindowUnderTest &w, const QString &path)
    {
        w.dialogs->fileAnswers = {path};
        w.ui->loadImage->click();
    }

    // Loads the sheet, draws it and opens the pixel viewer on its picture.
    static bool viewSheet(WindowUnderTest &w, const QString &path)
    {
        w.dialogs->fileAnswers = {path};
        w.ui->loadSpreadsheet->click();
        w.ui->spreadsheetToImage->click();
        w.window->show();
        QApplication::setActiveWindow(w.window.get());
        if (!QTest::qWaitForWindowActive(w.window.get()))
            return false;
        QTest::keyClick(w.window.get(), Qt::Key_I, Qt::ControlModifier);
        return QTest::qWaitFor([&] { return w.viewer() != nullptr; });
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void previewKeepsProportions_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("16 x 16 pixel art") << QSize(16, 16);
        QTest::newRow("upright photo") << QSize(300, 400);
        QTest::newRow("wide strip") << QSize(400, 50);
    }

    void previewKeepsProportions()
    {
        QFETCH(QSize, size);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Vivid);
        const QString path = picture(image, QStringLiteral("shape.png"));
        WindowUnderTest w = WindowUnderTest::make();
        w.window->openFile(path); // "Open with"
        const QRect painted = paintedRect(w.ui->imageView);
        QVERIFY(!painted.isEmpty());
        const double shown = double(painted.width()) / painted.height();
        const double real = double(size.width()) / size.height();
        QVERIFY2(qAbs(shown / real - 1) < 0.05, qPrintable(QStringLiteral("%1 x %2").arg(painted.width()).arg(painted.height())));
        // Centred, and as large as the preview allows along one side.
        const QRect area = w.ui->imageView->contentsRect();
        QVERIFY(painted.width() == area.width() || painted.height() == area.height());
        QVERIFY(qAbs(painted.center().x() - area.center().x()) <= 1);
        QVERIFY(qAbs(painted.center().y() - area.center().y()) <= 1);
    }

    // A double-click opens the viewer, a second one brings the same one back; it follows
    // the window's picture and keeps its zoom; its readout is the pixel's numbers.
    void viewerOpensAndFollows()
    {
        WindowUnderTest w = WindowUnderTest::make();
        QImage first = patternImage(20, 10);
        load(w, picture(first, QStringLiteral("first.png")));
        QTest::mouseDClick(w.ui->imageView, Qt::LeftButton);
        PixelViewer *viewer = w.viewer();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->windowModality(), Qt::NonModal);
        QTest::mouseDClick(w.ui->imageView, Qt::LeftButton);
        QCOMPARE(w.viewer(), viewer);
        QCOMPARE(w.window->findChildren<PixelViewer *>().size(), 1);

        PixelCanvas *canvas = viewer->canvas();
        canvas->setScale(16, QPointF(0, 0));
        canvas->setCurrent(QPoint(3, 2));
        const QRgb c = first.pixel(3, 2);
        QVERIFY(viewer->readout().startsWith(
            QStringLiteral("x 3, y 2 \u00b7 r %1 g %2 b %3 \u00b7 h ").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c))));
        QTest::keyClick(canvas, Qt::Key_Right);
        QTest::keyClick(canvas, Qt::Key_Down);
        QCOMPARE(canvas->current(), QPoint(4, 3));
        QApplication::setActiveWindow(viewer);
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QTest::keyClick(canvas, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), viewer->readout());

        const QImage second = patternImage(20, 10).mirrored(true, false);
        load(w, picture(second, QStringLiteral("second.png")));
        QCOMPARE(canvas->picture(), second);
        QCOMPARE(canvas->scale(), 16.0);
        QCOMPARE(canvas->current(), QPoint(4, 3));

        QTest::keyClick(canvas, Qt::Key_0);
        QVERIFY(canvas->fits());
        QTest::keyClick(canvas, Qt::Key_1);
        QCOMPARE(canvas->scale(), 1.0);

        // The readout is what a screen reader hears of it.
        canvas->setCurrent(QPoint(1, 1));
        QAccessibleInterface *readout = QAccessible::queryAccessibleInterface(viewer->findChild<QLabel *>("readout"));
        QVERIFY(readout);
        QCOMPARE(readout->text(QAccessible::Name), viewer->readout());

        // Esc and Ctrl+W close the viewer.
        for (const QKeySequence &keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            QTest::mouseDClick(w.ui->imageView, Qt::LeftButton);
            QTRY_VERIFY(w.viewer() && w.viewer()->isVisible());
            QApplication::setActiveWindow(w.viewer());
            QVERIFY(QTest::qWaitForWindowActive(w.viewer()));
            QTest::keySequence(w.viewer(), keys);
            QTRY_VERIFY(!w.viewer());
        }
    }

    // Ctrl+wheel zooms around the pointer: the pixel under it stays under it; the plain
    // wheel scrolls. Dragging pans.
    void wheelZoomsAroundThePointer()
    {
        PixelCanvas canvas;
        canvas.resize(300, 300);
        canvas.setPicture(patternImage(64, 64));
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        canvas.setScale(8, QPointF(0, 0));
        QWidget *view = canvas.viewport();
        // Events sent straight to the view: a pointer move the platform might drop as no move.
        const auto send = [view](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, at, view->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                              buttons, Qt::NoModifier);
            QApplication::sendEvent(view, &event);
        };
        const QPoint at(150, 120);
        send(QEvent::MouseMove, at, Qt::NoButton);
        const QPoint under = canvas.current();
        QVERIFY(under.x() > 0);
        const auto wheel = [&](Qt::KeyboardModifiers modifiers) {
            QWheelEvent event(at, view->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, modifiers,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(view, &event);
        };
        wheel(Qt::ControlModifier);
        QCOMPARE(canvas.scale(), 12.0);
        canvas.setCurrent(QPoint(-1, -1));
        send(QEvent::MouseMove, at, Qt::NoButton);
        QCOMPARE(canvas.current(), under);

        send(QEvent::MouseButtonPress, at, Qt::LeftButton);
        send(QEvent::MouseMove, at + QPoint(-24, 0), Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at + QPoint(-24, 0), Qt::NoButton);
        QCOMPARE(canvas.current(), under); // the picture moved with the pointer

        // Zoomed with a key, the pointer's new pixel is shown before the pointer moves.
        QCursor::setPos(view->mapToGlobal(at));
        QTest::mouseMove(view, at);
        QTRY_VERIFY(view->underMouse());
        QTest::keyClick(&canvas, Qt::Key_0);
        const QPoint afterKey = canvas.current();
        send(QEvent::MouseMove, at, Qt::NoButton);
        QCOMPARE(afterKey, canvas.current());
        QVERIFY(afterKey != under);
    }

    // Before and after: a sheet drawn, edited in another program and read again; the viewer
    // shows the picture before, the change and its counts. Without a picture before, or
    // with one of another size, the choices are disabled and say why.
    void viewerComparesBeforeAndAfter()
    {
        const QString path = m_dir.filePath(QStringLiteral("compared.csv"));
        QVERIFY(writeFile(path, "x,y,r,g,b\n0,0,1,2,3\n1,0,10,5,6\n0,1,7,8,9\n1,1,9,9,9\n"));
        WindowUnderTest w = WindowUnderTest::make();
        QVERIFY(viewSheet(w, path));
        PixelViewer *viewer = w.viewer();
        BeforeAfter *compare = viewer->comparing();
        QVERIFY(compare);
        auto *counts = viewer->findChild<QLabel *>(QStringLiteral("changeCounts"));
        QVERIFY(counts);
        const auto choices = viewer->findChild<QToolBar *>(QStringLiteral("beforeAfter"))->actions();
        QCOMPARE(choices.size(), 3);
        const auto disabledSaying = [&](const QString &why) {
            for (QAction *choice : choices)
                if (choice->isEnabled() || !choice->toolTip().contains(why))
                    return false;
            return counts->isHidden() || why.contains(QStringLiteral("\u00d7"));
        };
        QVERIFY2(disabledSaying(QStringLiteral("no picture before")), qPrintable(choices.first()->toolTip()));

        QVERIFY(writeFile(path, "x,y,r,g,b\n0,0,1,2,3\n1,0,255,5,6\n0,1,7,8,9\n1,1,9,9,9\n"));
        QVERIFY(w.document().reloadSheet(tess::ColourModel::Rgb));
        QTRY_COMPARE(qRed(viewer->canvas()->picture().pixel(1, 0)), 255);
        QVERIFY(choices.first()->isEnabled());
        QCOMPARE(counts->text(), QStringLiteral("1 pixel changed; the largest change is 245 in r at x 1, y 0"));
        QVERIFY(!counts->isHidden());

        QApplication::setActiveWindow(viewer);
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QTest::keyClick(viewer, Qt::Key_D);
        QCOMPARE(compare->shown(), BeforeAfter::Shown::Difference);
        QVERIFY2(viewer->windowTitle().endsWith(QStringLiteral(" \u2013 Difference")), qPrintable(viewer->windowTitle()));
        QCOMPARE(viewer->canvas()->picture(), tess::differencePicture(w.document().before(), w.document().picture()));
        viewer->canvas()->setCurrent(QPoint(1, 0));
        QCOMPARE(viewer->readout(), QStringLiteral("x 1, y 0 \u00b7 before r 10 g 5 b 6 \u00b7 after r 255 g 5 b 6"));
        QTest::keyClick(viewer, Qt::Key_Space); // flips to before, and back to after
        QCOMPARE(qRed(viewer->canvas()->picture().pixel(1, 0)), 10);
        QTest::keyClick(viewer, Qt::Key_Space);
        QCOMPARE(qRed(viewer->canvas()->picture().pixel(1, 0)), 255);
        QVERIFY(viewer->readout().contains(QStringLiteral("r 255 g 5 b 6 \u00b7 h")));

        // A sheet of another size read again: the sizes are told, the picture after shown.
        QTest::keyClick(viewer, Qt::Key_D);
        QVERIFY(writeFile(path, "x,y,r,g,b\n0,0,1,2,3\n2,0,255,5,6\n0,1,7,8,9\n1,1,9,9,9\n"));
        QVERIFY(w.document().reloadSheet(tess::ColourModel::Rgb));
        QTRY_COMPARE(viewer->canvas()->picture().width(), 3);
        QCOMPARE(compare->shown(), BeforeAfter::Shown::After);
        QVERIFY(disabledSaying(QStringLiteral("2 \u00d7 2 and this one 3 \u00d7 2")));
        QCOMPARE(counts->text(), QStringLiteral("The pictures differ in size: 2 \u00d7 2 and 3 \u00d7 2"));
    }

    // A notice longer than the status bar's room gets a link that opens it whole; a short
    // one does not.
    void longNoticeOpensWhole()
    {
        WindowUnderTest w = WindowUnderTest::make();
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        auto *more = w.window->findChild<QLabel *>(QStringLiteral("wholeMessage"));
        QVERIFY(more);
        const QString notice = QStringLiteral("lesson.csv changed: read again and drawn (12:21:29) \u2014 ")
            + QStringLiteral("1 line without a pixel position was skipped; ").repeated(8);
        w.window->statusBar()->showMessage(notice);
        QTRY_VERIFY(more->isVisible());
        emit more->linkActivated(QStringLiteral("more"));
        auto *box = w.window->findChild<QMessageBox *>(QStringLiteral("wholeMessageBox"));
        QVERIFY(box);
        QTRY_VERIFY(box->isVisible());
        QCOMPARE(box->text(), notice);
        box->close();
        w.window->statusBar()->showMessage(QStringLiteral("Saved"));
        QVERIFY(!more->isVisible());
    }

    // A sheet sorted in a spreadsheet program: the viewer names the line in the file.
    void viewerNamesTheSheetLine()
    {
        const QString path = m_dir.filePath(QStringLiteral("lesson.csv"));
        QVERIFY(writeFile(path, "x,y,r,g,b\n1,1,250,210,0\n0,0,1,2,3\n1,0,4,5,6\n0,1,7,8,9\n"));
        WindowUnderTest w = WindowUnderTest::make();
        QVERIFY(viewSheet(w, path));
        w.viewer()->canvas()->setCurrent(QPoint(1, 1));
        QCOMPARE(w.viewer()->readout(),
                 QStringLiteral("x 1, y 1 \u00b7 r 250 g 210 b 0 \u00b7 h 50 s 255 v 250 \u00b7 line 2 of lesson.csv"));
        w.viewer()->canvas()->setCurrent(QPoint(0, 1));
        QVERIFY(w.viewer()->readout().endsWith(QStringLiteral("line 5 of lesson.csv")));

        // A picture loaded over it is no longer the sheet's.
        QImage same(2, 2, QImage::Format_RGB32);
        same.fill(Qt::white);
        load(w, picture(same, QStringLiteral("same.png")));
        QVERIFY(!w.viewer()->readout().contains(QStringLiteral("line")));
    }

    // A picture-shaped workbook: the viewer names the cell of the pixel's r value and the
    // worksheet it is on.
    void viewerNamesTheCellOfAPictureShapedSheet()
    {
        const QString path = m_dir.filePath(QStringLiteral("shaped.xlsx"));
        tess::PixelRecords records;
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 2; ++x)
                records.push_back(tess::PixelRecord{x, y, 10 * x, 20 * y, 7, 0, 0, 0, 0});
        }
        QVERIFY(tess::savePictureSheetFile(path, records, 2, 3, tess::SheetShape::Picture).ok());
        WindowUnderTest w = WindowUnderTest::make();
        QVERIFY(viewSheet(w, path));
        w.viewer()->canvas()->setCurrent(QPoint(1, 2));
        QVERIFY2(w.viewer()->readout().startsWith(QStringLiteral("x 1, y 2 \u00b7 r 10 g 40 b 7 \u00b7")),
                 qPrintable(w.viewer()->readout()));
        QVERIFY2(w.viewer()->readout().endsWith(QStringLiteral(" \u00b7 cell D8 (r) of Picture")), qPrintable(w.viewer()->readout()));
        QVERIFY(!w.viewer()->readout().contains(QStringLiteral("line")));
    }

    // A grid made by hand: the viewer names the cell under its labels and the value it holds.
    void viewerNamesTheCellOfAGrid()
    {
        const QString path = m_dir.filePath(QStringLiteral("grid.csv"));
        QVERIFY(writeFile(path, "Letter\n,1,2\n1,0,255\n2,128,7\n"));
        WindowUnderTest w = WindowUnderTest::make();
        QVERIFY(viewSheet(w, path));
        w.viewer()->canvas()->setCurrent(QPoint(0, 1));
        QVERIFY2(w.viewer()->readout().startsWith(QStringLiteral("x 0, y 1 \u00b7 r 128 g 128 b 128 \u00b7")),
                 qPrintable(w.viewer()->readout()));
        QVERIFY2(w.viewer()->readout().endsWith(QStringLiteral(" \u00b7 cell B4 of grid.csv \u00b7 value 128")),
                 qPrintable(w.viewer()->readout()));
    }

    // The sheet's own viewer: a reduced conversion's smaller picture, whose pixels are the
    // sheet's lines once it is saved.
    void sheetViewerShowsTheReducedPicture()
    {
        WindowUnderTest w = WindowUnderTest::make();
        load(w, picture(patternImage(300, 250), QStringLiteral("big.png")));
        w.ui->shrink->setChecked(true);
        w.ui->imageToSpreadsheet->click();
        const QSize reduced = w.extent();
        QVERIFY(reduced.width() < 300);
        QTest::mouseDClick(w.ui->tableWidget->viewport(), Qt::LeftButton);
        PixelViewer *viewer = w.sheetViewer();
        QVERIFY(viewer);
        QCOMPARE(viewer->canvas()->picture().size(), reduced);
        viewer->canvas()->setCurrent(QPoint(5, 3));
        QVERIFY(!viewer->readout().contains(QStringLiteral("line"))); // in no file yet

        const QString sheet = m_dir.filePath(QStringLiteral("reduced.csv"));
        w.dialogs->fileAnswers = {sheet};
        w.ui->saveSheet->click();
        // Written column by column: the pixel (5, 3) is record 5 * height + 3, after the header.
        const int line = 5 * reduced.height() + 3 + 2;
        QVERIFY2(viewer->readout().endsWith(QStringLiteral("line %1 of reduced.csv").arg(QLocale().toString(line))),
                 qPrintable(viewer->readout()));
        QCOMPARE(readAll(sheet).split('\n').at(line - 1).left(4), QByteArray("5,3,"));

        // The same viewer from the keyboard alone.
        viewer->close();
        QTRY_VERIFY(!w.sheetViewer());
        w.window->show();
        QApplication::setActiveWindow(w.window.get());
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QTest::keyClick(w.window.get(), Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY(w.sheetViewer());
        QCOMPARE(w.sheetViewer()->canvas()->picture().size(), reduced);
    }

    // F1: one help window beside the window, with the loop, the sheet's rules and the keys.
    void helpOnF1()
    {
        WindowUnderTest w = WindowUnderTest::make();
        w.window->show();
        QApplication::setActiveWindow(w.window.get());
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QTest::keyClick(w.window.get(), Qt::Key_F1);
        QTest::keyClick(w.window.get(), Qt::Key_F1);
        const auto helps = w.window->findChildren<QTextBrowser *>(QStringLiteral("helpWindow"));
        QCOMPARE(helps.size(), 1);
        QVERIFY(helps.first()->isVisible());
        QVERIFY(helps.first()->isWindow());
        const QString text = helps.first()->toPlainText();
        for (const char *words : {"Image to Spreadsheet", "x and y are numbers", "Ctrl+Shift+O", "Ctrl+I"})
            QVERIFY2(text.contains(QLatin1String(words)), words);
        // The keys in the user's words, as the menus say them: German with the toolkit's
        // German key names.
        QTranslator german;
        QVERIFY(german.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(&german);
        const QString inGerman = helpText();
        QCoreApplication::removeTranslator(&german);
        for (const char *words : {"Strg+Rechts", "Strg+Umschalt+O", "<td>F1</td>", "Load Image"})
            QVERIFY2(inGerman.contains(QLatin1String(words)), words);
        QVERIFY(!inGerman.contains(QLatin1String("<td>Ctrl+")));

        QApplication::setActiveWindow(helps.first());
        QVERIFY(QTest::qWaitForWindowActive(helps.first()));
        QTest::keyClick(helps.first(), Qt::Key_Escape);
        QTRY_VERIFY(!w.window->findChild<QTextBrowser *>(QStringLiteral("helpWindow")));
    }

    // The first Open dialogs start in Pictures and Documents; then in the last folder, also
    // in the next run.
    void foldersRememberedAcrossRuns()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("tessarine-tests"));
        QSettings().clear();
        RecentPlaces::rememberAcrossRuns(true);
        const QString photo = picture(patternImage(4, 4), QStringLiteral("remembered.png"));
        {
            WindowUnderTest w = WindowUnderTest::make();
            load(w, photo);
            QCOMPARE(w.dialogs->asked.first().dir, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
        }
        WindowUnderTest next = WindowUnderTest::make();
        next.ui->loadSpreadsheet->click();
        next.ui->loadImage->click();
        QStringList dirs;
        for (const ScriptedDialogs::Question &q : next.dialogs->asked)
            if (q.kind == QLatin1String("open"))
                dirs.append(q.dir);
        QCOMPARE(dirs, (QStringList{QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), m_dir.path()}));
        RecentPlaces::rememberAcrossRuns(false);
        QSettings().clear();
    }

    void closeQuestion_data()
    {
        QTest::addColumn<QString>("work"); // converted, drawn or loaded
        QTest::addColumn<QList<Dialogs::CloseAnswer>>("answers");
        QTest::addColumn<bool>("saveAnswered");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("question");
        using A = Dialogs::CloseAnswer;
        const QString sheet = QStringLiteral("Save the converted sheet before closing?");
        const QString picture = QStringLiteral("Save the drawn picture before closing?");
        QTest::newRow("converted, cancel: stays") << "converted" << QList<A>{A::Cancel} << false << false << sheet;
        QTest::newRow("converted, discard") << "converted" << QList<A>{A::Discard} << false << true << sheet;
        QTest::newRow("converted, saved") << "converted" << QList<A>{A::Save} << true << true << sheet;
        QTest::newRow("converted, save cancelled: stays") << "converted" << QList<A>{A::Save} << false << false << sheet;
        QTest::newRow("drawn, cancel: stays") << "drawn" << QList<A>{A::Cancel} << false << false << picture;
        QTest::newRow("drawn, saved") << "drawn" << QList<A>{A::Save} << true << true << picture;
        QTest::newRow("only loaded: no question") << "loaded" << QList<A>{} << false << true << "";
    }

    void closeQuestion()
    {
        QFETCH(QString, work);
        QFETCH(QList<Dialogs::CloseAnswer>, answers);
        QFETCH(bool, saveAnswered);
        QFETCH(bool, closed);
        QFETCH(QString, question);

        WindowUnderTest w = WindowUnderTest::make();
        if (work == QLatin1String("drawn")) {
            const QString sheet = m_dir.filePath(QStringLiteral("drawn.csv"));
            QVERIFY(writeFile(sheet, "x,y,r,g,b\n0,0,1,2,3\n"));
            w.dialogs->fileAnswers = {sheet};
            w.ui->loadSpreadsheet->click();
            w.ui->spreadsheetToImage->click();
        } else {
            load(w, picture(patternImage(6, 4), QStringLiteral("photo.png")));
            if (work == QLatin1String("converted"))
                w.ui->imageToSpreadsheet->click();
        }
        w.window->show();
        w.dialogs->asked.clear();
        w.dialogs->closeAnswers = answers;
        const QString saved = m_dir.filePath(QStringLiteral("saved-%1.png").arg(QTest::currentDataTag()).replace(' ', '_'));
        if (saveAnswered)
            w.dialogs->fileAnswers = {work == QLatin1String("drawn") ? saved : QString(saved).replace(".png", ".csv")};

        QCOMPARE(w.window->close(), closed);
        QCOMPARE(w.window->isVisible(), !closed);
        QStringList questions;
        for (const ScriptedDialogs::Question &q : w.dialogs->asked)
            if (q.kind == QLatin1String("close"))
                questions.append(q.filter);
        QCOMPARE(questions, question.isEmpty() ? QStringList() : QStringList{question});
    }

    // "Open in spreadsheet" opens the sheet's file in the desktop's program; a sheet in no
    // file yet is saved first, and a cancelled save opens nothing.
    void openInSpreadsheet_data()
    {
        QTest::addColumn<QString>("work"); // loaded or converted
        QTest::addColumn<QString>("saveAs"); // the save dialog's answer; "" cancels
        QTest::addColumn<bool>("opens");
        QTest::newRow("a loaded sheet") << "loaded" << "" << true;
        QTest::newRow("a converted sheet, saved first") << "converted" << "converted.csv" << true;
        QTest::newRow("a converted sheet, saved as a workbook") << "converted" << "converted.xlsx" << true;
        QTest::newRow("a converted sheet, save cancelled") << "converted" << "" << false;
    }

    void openInSpreadsheet()
    {
        QFETCH(QString, work);
        QFETCH(QString, saveAs);
        QFETCH(bool, opens);
        WindowUnderTest w = WindowUnderTest::make();
        QString sheet = m_dir.filePath(QStringLiteral("lesson.csv"));
        if (work == QLatin1String("loaded")) {
            QVERIFY(writeFile(sheet, "x,y,r,g,b\n0,0,1,2,3\n"));
            w.dialogs->fileAnswers = {sheet};
            w.ui->loadSpreadsheet->click();
        } else {
            load(w, picture(patternImage(3, 2), QStringLiteral("lesson.png")));
            w.ui->imageToSpreadsheet->click();
            sheet = saveAs.isEmpty() ? QString() : m_dir.filePath(saveAs);
            QFile::remove(sheet);
            w.dialogs->fileAnswers = {sheet};
        }
        w.dialogs->asked.clear();
        auto *action = w.window->findChild<QAction *>(QStringLiteral("openInSpreadsheet"));
        QVERIFY(action && action->isEnabled());

        StandInProgram program;
        action->trigger();
        QCOMPARE(program.opened, opens ? QList<QUrl>{QUrl::fromLocalFile(sheet)} : QList<QUrl>{});
        QCOMPARE(w.dialogs->asked.size(), work == QLatin1String("converted") ? 1 : 0);
        if (opens) {
            // What the program gets is the whole sheet, as saved.
            tess::PixelRecords records;
            tess::SheetInfo info;
            QVERIFY(tess::loadSheetFile(sheet, records, info).ok());
            QCOMPARE(qint64(records.size()), work == QLatin1String("loaded") ? 1 : 6);
        }
    }

    // Loading a picture or a sheet over unsaved work asks first, as closing does; the file
    // is loaded only once the work is saved or given up.
    void loadQuestion_data()
    {
        QTest::addColumn<QString>("work");     // converted, drawn or loaded
        QTest::addColumn<QString>("target");     // picture or sheet
        QTest::addColumn<QList<Dialogs::CloseAnswer>>("answers");
        QTest::addColumn<bool>("saveAnswered");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QString>("question");
        using A = Dialogs::CloseAnswer;
        const QString sheet = QStringLiteral("Save the converted sheet before loading another file?");
        const QString picture = QStringLiteral("Save the drawn picture before loading another file?");
        QTest::newRow("picture over a converted sheet, cancel")
            << "converted" << "picture" << QList<A>{A::Cancel} << false << false << sheet;
        QTest::newRow("picture over a converted sheet, discard")
            << "converted" << "picture" << QList<A>{A::Discard} << false << true << sheet;
        QTest::newRow("picture over a converted sheet, saved")
            << "converted" << "picture" << QList<A>{A::Save} << true << true << sheet;
        QTest::newRow("picture over a converted sheet, save cancelled")
            << "converted" << "picture" << QList<A>{A::Save} << false << false << sheet;
        QTest::newRow("sheet over a drawn picture, cancel")
            << "drawn" << "sheet" << QList<A>{A::Cancel} << false << false << picture;
        QTest::newRow("sheet over a drawn picture, saved")
            << "drawn" << "sheet" << QList<A>{A::Save} << true << true << picture;
        QTest::newRow("picture over a drawn picture, discard")
            << "drawn" << "picture" << QList<A>{A::Discard} << false << true << picture;
        QTest::newRow("nothing unsaved: no question") << "loaded" << "sheet" << QList<A>{} << false << true << "";
    }

    void loadQuestion()
    {
        QFETCH(QString, work);
        QFETCH(QString, target);
        QFETCH(QList<Dialogs::CloseAnswer>, answers);
        QFETCH(bool, saveAnswered);
        QFETCH(bool, loaded);
        QFETCH(QString, question);
        WindowUnderTest w = WindowUnderTest::make();
        const QString sheet = m_dir.filePath(QStringLiteral("question.csv"));
        QVERIFY(writeFile(sheet, "x,y,r,g,b\n0,0,1,2,3\n1,0,4,5,6\n"));
        if (work == QLatin1String("drawn")) {
            w.dialogs->fileAnswers = {sheet};
            w.ui->loadSpreadsheet->click();
            w.ui->spreadsheetToImage->click();
        } else {
            load(w, picture(patternImage(6, 4), QStringLiteral("question.png")));
            if (work == QLatin1String("converted"))
                w.ui->imageToSpreadsheet->click();
        }
        const QString next = target == QLatin1String("sheet") ? sheet : picture(patternImage(3, 3), "next.png");
        const QString saved = m_dir.filePath(QStringLiteral("saved-%1.%2")
                                                 .arg(QTest::currentDataTag())
                                                 .replace(' ', '_')
                                                 .arg(work == QLatin1String("drawn") ? "png" : "csv"));
        w.dialogs->asked.clear();
        w.dialogs->closeAnswers = answers;
        w.dialogs->fileAnswers = {next};
        if (!answers.isEmpty() && answers.first() == Dialogs::CloseAnswer::Save)
            w.dialogs->fileAnswers.append(saveAnswered ? saved : QString());
        (target == QLatin1String("sheet") ? w.ui->loadSpreadsheet : w.ui->loadImage)->click();

        QStringList questions;
        for (const ScriptedDialogs::Question &q : w.dialogs->asked)
            if (q.kind == QLatin1String("close"))
                questions.append(q.filter);
        QCOMPARE(questions, question.isEmpty() ? QStringList() : QStringList{question});
        QCOMPARE(QFileInfo::exists(saved), saveAnswered);
        const QSize now = w.document().picture().size();
        if (target == QLatin1String("picture"))
            QCOMPARE(now == QSize(3, 3), loaded);
        else
            QCOMPARE(w.document().sheetFile() == sheet && !w.document().hasPicture(), loaded);
    }

    // Closed while the save it asked for still runs, the window waits for the file.
    void closeWaitsForItsSave()
    {
        WindowUnderTest w = WindowUnderTest::make();
        load(w, picture(patternImage(600, 400), QStringLiteral("wide.png")));
        w.ui->imageToSpreadsheet->click();
        w.window->show();
        w.document().setBlocking(false);
        const QString saved = m_dir.filePath(QStringLiteral("waited.csv"));
        w.dialogs->closeAnswers = {Dialogs::CloseAnswer::Save};
        w.dialogs->fileAnswers = {saved};
        QVERIFY(!w.window->close());
        QVERIFY(w.window->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!w.window->isVisible(), 10000);
        QVERIFY(w.document().sheetSaved());
        QCOMPARE(readAll(saved).count('\n'), 600 * 400 + 1);
    }

    // Every control says what it is; the tick and cross pictures say their state.
    void everyControlHasAName()
    {
        WindowUnderTest w = WindowUnderTest::make();
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        QStringList nameless;
        QList<QAccessibleInterface *> todo{QAccessible::queryAccessibleInterface(w.window.get())};
        while (!todo.isEmpty()) {
            QAccessibleInterface *item = todo.takeLast();
            if (!item || !item->isValid())
                continue;
            QWidget *widget = qobject_cast<QWidget *>(item->object());
            if (widget && item->text(QAccessible::Name).trimmed().isEmpty() && item->role() != QAccessible::Client
                && item->role() != QAccessible::ScrollBar && item != QAccessible::queryAccessibleInterface(w.window.get()))
                nameless.append(widget->objectName() + QLatin1Char('/') + QString::number(item->role(), 16));
            // The cells of the table speak for themselves.
            if (item->role() == QAccessible::Table)
                continue;
            for (int i = 0; i < item->childCount(); ++i)
                todo.append(item->child(i));
        }
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QLatin1String(", "))));

        QAccessibleInterface *cross = QAccessible::queryAccessibleInterface(w.ui->image_memory_neg);
        QCOMPARE(cross->text(QAccessible::Name), QStringLiteral("Picture loaded in memory: no"));
        load(w, picture(patternImage(4, 4), QStringLiteral("tick.png")));
        QVERIFY(!w.ui->image_memory_pos->isHidden());
        QCOMPARE(QAccessible::queryAccessibleInterface(w.ui->image_memory_pos)->text(QAccessible::Name),
                 QStringLiteral("Picture loaded in memory: yes"));
        QCOMPARE(w.ui->loadImage->toolTip(), QStringLiteral("Load a picture to turn into numbers (Ctrl+O)"));
    }

    // At start the focus is on Load Image and shows as a ring of the highlight colour.
    void focusRingAtStart()
    {
        WindowUnderTest w = WindowUnderTest::make();
        w.window->show();
        QApplication::setActiveWindow(w.window.get());
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QCOMPARE(QApplication::focusWidget(), w.ui->loadImage);
        const QColor ring = w.ui->loadImage->palette().color(QPalette::Active, QPalette::Highlight);
        const QImage shown = w.ui->loadImage->grab().toImage();
        // Along the middle row from the left edge: at least two pixels of the ring.
        int ringPixels = 0;
        for (int x = 0; x < 5; ++x) {
            const QColor c = shown.pixelColor(x, shown.height() / 2);
            ringPixels += qAbs(c.red() - ring.red()) + qAbs(c.green() - ring.green()) + qAbs(c.blue() - ring.blue()) < 60;
        }
        QVERIFY2(ringPixels >= 2, qPrintable(QString::number(ringPixels)));
    }

    // A notice longer than the status bar is whole in its tooltip and in what a screen
    // reader reads of the bar; the bar's notes go with the message.
    void statusMessageWhole()
    {
        WindowUnderTest w = WindowUnderTest::make();
        const QString path = m_dir.filePath(QStringLiteral("holes.csv"));
        QVERIFY(writeFile(path, "x,y,r,g,b\nnote,,,,\n0,0,1,2,3\n2,2,400,2,3\n"));
        w.dialogs->fileAnswers = {path};
        w.ui->loadSpreadsheet->click();
        const QString notice = w.window->statusBar()->currentMessage();
        QVERIFY2(notice.contains(QLatin1String("skipped")), qPrintable(notice));
        QCOMPARE(w.window->statusBar()->toolTip(), notice);
        QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(w.window->statusBar());
        QCOMPARE(bar->text(QAccessible::Description), notice);
        w.window->statusBar()->clearMessage();
        QCOMPARE(w.window->statusBar()->toolTip(), QString());
    }

    // Each window the program opens lies within the screen's available area, frame and
    // title bar included; the suite runs once more on 1280 x 800 at scale 2.
    static QString outside(const QString &name, QRect frame, QRect available)
    {
        if (available.contains(frame))
            return QString();
        return QStringLiteral("%1: %2,%3 %4x%5 on %6x%7")
            .arg(name)
            .arg(frame.x())
            .arg(frame.y())
            .arg(frame.width())
            .arg(frame.height())
            .arg(available.width())
            .arg(available.height());
    }

    static void verifyFits(QWidget *window)
    {
        QVERIFY(window);
        const QString off = outside(window->objectName(), window->frameGeometry(), window->screen()->availableGeometry());
        QVERIFY2(off.isEmpty(), qPrintable(off));
    }

    void everyWindowFits()
    {
        WindowUnderTest w = WindowUnderTest::make();
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        verifyFits(w.window.get());
        load(w, picture(patternImage(900, 700), QStringLiteral("large.png")));
        QTest::keyClick(w.window.get(), Qt::Key_I, Qt::ControlModifier);
        QVERIFY(QTest::qWaitForWindowExposed(w.viewer()));
        verifyFits(w.viewer());
        QApplication::setActiveWindow(w.window.get());
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QTest::keyClick(w.window.get(), Qt::Key_F1);
        auto *help = w.window->findChild<QTextBrowser *>(QStringLiteral("helpWindow"));
        QVERIFY(help && QTest::qWaitForWindowExposed(help));
        verifyFits(help);

        // The real save dialog, looked at while it is open, then cancelled.
        QRect dialogFrame, available;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            dialogFrame = dialog->frameGeometry();
            available = dialog->screen()->availableGeometry();
            dialog->close();
        });
        QtDialogs().saveFileName(w.window.get(), QStringLiteral("Save Sheet"), m_dir.path(),
                                 QStringLiteral("Spreadsheets (*.csv)"));
        QVERIFY(!dialogFrame.isEmpty());
        const QString off = outside(QStringLiteral("save dialog"), dialogFrame, available);
        QVERIFY2(off.isEmpty(), qPrintable(off));
    }

    // On a screen smaller than the window the content scrolls and every button can be
    // reached; the window stays within the screen.
    void smallScreenScrolls()
    {
        WindowUnderTest w = WindowUnderTest::make();
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        const QRect available = w.window->screen()->availableGeometry();
        if (available.width() >= 900 && available.height() >= 660)
            QSKIP("the screen is large enough for the fixed window");
        QVERIFY(w.window->width() <= available.width() && w.window->height() <= available.height());
        auto *area = qobject_cast<QScrollArea *>(w.window->centralWidget());
        QVERIFY(area);
        for (QAbstractButton *button : w.ui->centralWidget->findChildren<QAbstractButton *>()) {
            area->ensureWidgetVisible(button);
            const QRect at(button->mapTo(area->viewport(), QPoint(0, 0)), button->size());
            QVERIFY2(area->viewport()->rect().contains(at), qPrintable(button->objectName()));
        }
    }
};

QTEST_MAIN(TestTeaching)
#include "tst_teaching.moc"
