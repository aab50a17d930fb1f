// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a whole: its layout, its start-up state, the status panel and every
// slot, driven through scripted dialogs on the offscreen platform.

#include "mainwindow.h"
#include "screenfit.h"
#include "windowundertest.h"
#include "testhelpers.h"

#include "image/zoommath.h"
#include "workbook/workbookwriter.h"

#include <QtTest>

#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTableWidget>


using tess::PixelRecord;
using tess::PixelRecords;
using tess::SheetInfo;
using tess::SheetShape;

Q_DECLARE_METATYPE(tess::SheetShape)

namespace {

QStringList g_messages;

void collectMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        g_messages.append(message);
}

} // namespace

// A small workbook as this program writes it.
QByteArray workbookBytes()
{
    // Assigned: the records' allocator leaves a plain resize uninitialised.
    PixelRecords records;
    records.assign(2, PixelRecord{});
    records[0].x = 0;
    records[1].x = 1;
    records[0].r = 10;
    records[1].b = 20;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return tess::writeWorkbook(buffer, records, tess::ColourModel::Rgb).ok() ? buffer.data() : QByteArray();
}

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    using Window = WindowUnderTest;

    QString writeImage(const QImage &image, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        if (!image.save(path))
            return QString();
        return path;
    }

    QString writeSheet(const QByteArray &text, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        return writeFile(path, text) ? path : QString();
    }

    void loadImageInto(Window &w, const QImage &image, const QString &name = QStringLiteral("in.png"))
    {
        const QString path = writeImage(image, name);
        QVERIFY(!path.isEmpty());
        w.dialogs->fileAnswers = {path};
        w.ui->loadImage->click();
        QCOMPARE(w.dialogs->warnings(), QStringList());
    }

    void loadSheetInto(Window &w, const QByteArray &text, const QString &name = QStringLiteral("in.csv"))
    {
        const QString path = writeSheet(text, name);
        QVERIFY(!path.isEmpty());
        w.dialogs->fileAnswers = {path};
        w.ui->loadSpreadsheet->click();
    }

    // A 4000 x 3000 photo's file, written once: the size the window announces wrongly
    // when it counts the pixels instead of the rows a conversion writes.
    QString bigPhoto()
    {
        const QString path = m_dir.filePath(QStringLiteral("big.png"));
        if (!QFile::exists(path)) {
            QImage image(4000, 3000, QImage::Format_RGB32);
            image.fill(qRgb(40, 90, 160));
            if (!image.save(path))
                return QString();
        }
        return path;
    }

    // A window that is shown and active, so that keys reach it as they reach a person's.
    static bool activate(Window &w)
    {
        w.window->show();
        QApplication::setActiveWindow(w.window.get());
        return QTest::qWaitForWindowActive(w.window.get());
    }

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Row counts in the status bar are grouped as this locale groups them: 998,210.
        QLocale::setDefault(QLocale::c());
    }

    // ---- Layout and start-up ------------------------------------------------------------

    void windowProperties()
    {
        Window w = Window::make();
        QCOMPARE(w.window->objectName(), QStringLiteral("MainWindow"));
        QCOMPARE(w.window->windowTitle(), QStringLiteral("Tessarine"));
        // On a screen too small for the fixed size, the window takes what fits and its
        // content scrolls.
        const QSize available = w.window->screen()->availableGeometry().size();
        if (fittingSize(QSize(864, 609), available) == QSize(864, 609)) {
            QCOMPARE(w.window->size(), QSize(864, 609));
            QCOMPARE(w.window->centralWidget(), w.ui->centralWidget);
        } else {
            QVERIFY(w.window->width() <= available.width() && w.window->height() <= available.height());
            QCOMPARE(qobject_cast<QScrollArea *>(w.window->centralWidget())->widget(), w.ui->centralWidget);
        }
        QCOMPARE(w.window->menuBar(), w.ui->menuBar);
        QCOMPARE(w.window->statusBar(), w.ui->statusBar);
        QCOMPARE(w.window->toolBarArea(w.ui->mainToolBar), Qt::TopToolBarArea);
        QVERIFY(w.ui->menuBar->actions().isEmpty());
        QVERIFY(w.ui->mainToolBar->actions().isEmpty());
        QCOMPARE(w.ui->buttonGroup->buttons(),
                 (QList<QAbstractButton *>{w.ui->RGBButton, w.ui->HSVButton}));
        QVERIFY(w.ui->buttonGroup->exclusive());
        QCOMPARE(w.ui->buttonGroup->parent(), w.window.get());
        QCOMPARE(w.ui->progressBar->value(), 24);
        QCOMPARE(w.ui->frame->frameShape(), QFrame::StyledPanel);
        QCOMPARE(w.ui->frame_2->frameShadow(), QFrame::Raised);
    }

    // Later siblings lie on top: the creation order decides what covers what.
    void creationOrder()
    {
        Window w = Window::make();
        QStringList central;
        for (const QObject *child : w.ui->centralWidget->children())
            central.append(child->objectName());
        QCOMPARE(central, (QStringList{"imageBox", "spreadsheetBox", "imageToSpreadsheet", "spreadsheetToImage",
                                       "shrink", "image_to_ss_image", "ss_to_image_image", "label_2",
                                       "loading_status_image"}));
        QStringList frame2;
        for (const QObject *child : w.ui->frame_2->children())
            frame2.append(child->objectName());
        QCOMPARE(frame2, (QStringList{"label_7", "resolution", "red", "green", "blue", "RGBButton", "HSVButton",
                                      "hue", "saturation", "value"}));
    }

    void texts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, const char *text) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(text);
        };
        row("imageBox", "Image:");
        row("outputRows", "Output Rows: ");
        row("originalSize", "Original Size: ");
        row("shownSize", "Shown Size: ");
        row("spreadsheetBox", "Spreadsheet");
        row("resolution", "Output Image: ");
        row("RGBButton", "RGB Mode");
        row("saturation", "Saturation:");
        row("outputRows_5", "Saved to disk:");
        row("shrink", "Excel2002 Compatibility");
        row("label_2", "");
    }

    void texts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        Window w = Window::make();
        QObject *object = w.window->findChild<QObject *>(name);
        QVERIFY(object);
        if (auto box = qobject_cast<QGroupBox *>(object))
            QCOMPARE(box->title(), text);
        else
            QCOMPARE(object->property("text").toString(), text);
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("pictureSize");
        const auto row = [](const char *name, const char *res, QSize size) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(res) << size;
        };
        row("image_memory_pos", ":/new/prefix1/checked.png", QSize(100, 100));
        row("image_save_neg", ":/new/prefix1/xed.png", QSize(100, 100));
        row("ss_memory_pos", ":/new/prefix1/checked.png", QSize(100, 100));
        row("ss_save_neg", ":/new/prefix1/xed.png", QSize(100, 100));
        row("image_to_ss_image", ":/new/prefix1/reverse.png", QSize(206, 65));
        row("ss_to_image_image", ":/new/prefix1/ConverterSymbols.png", QSize(206, 65));
        row("label_2", ":/new/prefix1/Banner.png", QSize(659, 135));
        row("loading_status_image", ":/new/prefix1/loading.png", QSize(1252, 736));
    }

    void pictures()
    {
        QFETCH(QString, name);
        QFETCH(QString, resource);
        QFETCH(QSize, pictureSize);

        const QImage embedded(resource);
        QCOMPARE(embedded.size(), pictureSize);
        QVERIFY(embedded.hasAlphaChannel());

        Window w = Window::make();
        auto label = w.window->findChild<QLabel *>(name);
        QVERIFY(label);
        QVERIFY(label->hasScaledContents());
        QCOMPARE(label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 embedded.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    void tableDesignTime()
    {
        Window w = Window::make();
        QTableWidget *table = w.ui->tableWidget;
        QCOMPARE(table->rowCount(), 5);
        QCOMPARE(table->columnCount(), 5);
        QCOMPARE(table->horizontalHeader()->defaultSectionSize(), 47);
        // The hidden column headers name the columns for a screen reader, as row 0 does.
        for (int i = 0; i < 5; ++i) {
            QVERIFY(table->horizontalHeaderItem(i));
            QCOMPARE(table->horizontalHeaderItem(i)->text(), w.rowTexts(0).at(i));
            QVERIFY(!table->verticalHeaderItem(i));
        }
        QCOMPARE(w.rowTexts(0), (QStringList{"x", "y", "r", "g", "b"}));
        for (int r = 1; r <= 4; ++r)
            QCOMPARE(w.rowTexts(r), (QStringList{"0", QString::number(r - 1), "255", "255", "255"}));
    }

    void startupSelection()
    {
        Window w = Window::make();
        QVERIFY(w.ui->RGBButton->isChecked());
        QVERIFY(!w.ui->HSVButton->isChecked());
        QCOMPARE(w.ui->shrink->checkState(), Qt::Unchecked);
        QCOMPARE(w.extent().width(), 0);
        QVERIFY(!w.document().hasSheet() && !w.document().hasPicture());
        QVERIFY(w.image().isNull());
        QVERIFY(w.pixels().empty());

        // Disabled controls do nothing when clicked.
        const QStringList before = w.snapshot();
        for (QAbstractButton *button : {static_cast<QAbstractButton *>(w.ui->saveImage), static_cast<QAbstractButton *>(w.ui->saveSheet),
                                        static_cast<QAbstractButton *>(w.ui->imageToSpreadsheet),
                                        static_cast<QAbstractButton *>(w.ui->spreadsheetToImage),
                                        static_cast<QAbstractButton *>(w.ui->HSVButton),
                                        static_cast<QAbstractButton *>(w.ui->shrink)})
            button->click();
        QCOMPARE(w.snapshot(), before);
        QVERIFY(w.dialogs->asked.isEmpty());
    }

    void startFolderPictures()
    {
        // The icon and the design-time picture come with the program: an installed copy
        // started from any folder has them, and a folder's own files do not replace them.
        QTemporaryDir empty;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(empty.path()));
        QImage stranger(7, 5, QImage::Format_RGB32);
        stranger.fill(Qt::red);
        QVERIFY(stranger.save(empty.filePath("test.jpg")));
        {
            Window w = Window::make();
            QCOMPARE(w.ui->imageView->pixmap().size(),
                     QImage(QStringLiteral(TESSARINE_TEST_DATA "/test.jpg")).size());
            QVERIFY(!w.ui->imageView->hasScaledContents());
            QCOMPARE(w.window->windowTitle(), QStringLiteral("Tessarine"));
            const QList<QSize> sizes = w.window->windowIcon().availableSizes();
            QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(48, 48)));
        }
        QVERIFY(QDir::setCurrent(previous));
    }

    // ---- Status panel ------------------------------------------------------------------

    void markLoadedSpreadsheetModes_data()
    {
        QTest::addColumn<bool>("hasRgb");
        QTest::addColumn<bool>("hasHsv");
        QTest::addColumn<bool>("startInHsv");
        QTest::addColumn<bool>("rgbEnabled");
        QTest::addColumn<bool>("hsvEnabled");
        QTest::addColumn<bool>("rgbChecked");

        QTest::newRow("both, RGB shown stays") << true << true << false << true << true << true;
        QTest::newRow("both, HSV shown stays") << true << true << true << true << true << false;
        QTest::newRow("RGB only clicks RGB") << true << false << true << true << false << true;
        QTest::newRow("HSV only clicks HSV") << false << true << false << false << true << false;
    }

    void markLoadedSpreadsheetModes()
    {
        QFETCH(bool, hasRgb);
        QFETCH(bool, hasHsv);
        QFETCH(bool, startInHsv);
        QFETCH(bool, rgbEnabled);
        QFETCH(bool, hsvEnabled);
        QFETCH(bool, rgbChecked);

        Window w = Window::make();
        QVERIFY(w.loadSheet(Window::sheetText({PixelRecord{0, 0, 1, 2, 3, 255, 4, 5, 6}}, hasRgb, hasHsv)));
        // The mode shown before, whether or not the sheet has its columns.
        QRadioButton *shown = startInHsv ? w.ui->HSVButton : w.ui->RGBButton;
        shown->setEnabled(true);
        shown->click();
        w.window->markUnloaded(QStringLiteral("spreadsheet"));
        w.window->markLoaded(QStringLiteral("spreadsheet"));

        QCOMPARE(w.ui->RGBButton->isEnabled(), rgbEnabled);
        QCOMPARE(w.ui->HSVButton->isEnabled(), hsvEnabled);
        QCOMPARE(w.ui->RGBButton->isChecked(), rgbChecked);
        QCOMPARE(w.ui->HSVButton->isChecked(), !rgbChecked);
        // The mode slot ran with the click: the captions follow the checked button.
        QCOMPARE(w.cell(0, 2), rgbChecked ? QStringLiteral("r") : QStringLiteral("h"));
        QCOMPARE(w.ui->hue->isHidden(), rgbChecked);
        QCOMPARE(w.ui->red->isHidden(), !rgbChecked);
        QVERIFY(!w.ui->ss_memory_pos->isHidden() && w.ui->ss_memory_neg->isHidden());
        QVERIFY(w.ui->ss_save_pos->isHidden() && !w.ui->ss_save_neg->isHidden());
        QVERIFY(w.ui->saveSheet->isEnabled() && w.ui->spreadsheetToImage->isEnabled());
        QVERIFY(w.ui->ss_to_image_image->isEnabled());
        QVERIFY(!w.ui->tableWidget->isHidden());
    }

    void markImageSide()
    {
        Window w = Window::make();
        w.ui->imageView->setPixmap(QPixmap::fromImage(patternImage(4, 4)));
        w.window->markUnloaded(QStringLiteral("image"));
        QVERIFY(w.ui->imageView->pixmap().isNull());
        QVERIFY(!w.ui->imageView->isEnabled());
        QVERIFY(!w.ui->saveImage->isEnabled() && !w.ui->imageToSpreadsheet->isEnabled());
        QVERIFY(!w.ui->shrink->isEnabled() && !w.ui->image_to_ss_image->isEnabled());
        QVERIFY(!w.ui->image_memory_neg->isHidden() && w.ui->image_memory_pos->isHidden());

        w.window->markLoaded(QStringLiteral("image"));
        QVERIFY(w.ui->imageView->isEnabled());
        QVERIFY(w.ui->imageView->pixmap().isNull());
        QVERIFY(w.ui->saveImage->isEnabled() && w.ui->imageToSpreadsheet->isEnabled());
        QVERIFY(w.ui->shrink->isEnabled() && w.ui->image_to_ss_image->isEnabled());
        QVERIFY(!w.ui->image_memory_pos->isHidden() && w.ui->image_memory_neg->isHidden());
        QVERIFY(w.ui->image_save_pos->isHidden() && !w.ui->image_save_neg->isHidden());
    }

    void markUnloadedSpreadsheetKeepsData()
    {
        Window w = Window::make();
        QVERIFY(w.loadSheet(Window::sheetText({PixelRecord{1, 2, 3, 4, 5, 255, 6, 7, 8}}, true, true)));
        w.window->markLoaded(QStringLiteral("spreadsheet"));
        w.window->markUnloaded(QStringLiteral("spreadsheet"));
        QVERIFY(w.ui->tableWidget->isHidden());
        QVERIFY(!w.ui->RGBButton->isEnabled() && !w.ui->HSVButton->isEnabled());
        QVERIFY(!w.ui->saveSheet->isEnabled() && !w.ui->spreadsheetToImage->isEnabled());
        QCOMPARE(w.pixels().size(), std::size_t(1));
        QVERIFY(w.sheet().hasRgb && w.sheet().hasHsv);
    }

    void updateInfoImage_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("checkedBefore");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("original");
        QTest::addColumn<bool>("shrinkEnabled");
        QTest::addColumn<bool>("shrinkChecked");

        QTest::newRow("200x300 enables, keeps tick") << QSize(200, 300) << true << "Output Rows: 60000"
                                                    << "Original Size: 200, 300" << true << true;
        QTest::newRow("200x300 enables, keeps no tick") << QSize(200, 300) << false << "Output Rows: 60000"
                                                       << "Original Size: 200, 300" << true << false;
        QTest::newRow("1x59999 unchecks") << QSize(1, 59999) << true << "Output Rows: 59999"
                                         << "Original Size: 1, 59999" << false << false;
        QTest::newRow("199x300 unchecks") << QSize(199, 300) << true << "Output Rows: 59700"
                                         << "Original Size: 199, 300" << false << false;
        QTest::newRow("null image") << QSize() << true << "Output Rows: 0" << "Original Size: 0, 0" << false
                                    << false;
    }

    void updateInfoImage()
    {
        QFETCH(QSize, size);
        QFETCH(bool, checkedBefore);
        QFETCH(QString, rows);
        QFETCH(QString, original);
        QFETCH(bool, shrinkEnabled);
        QFETCH(bool, shrinkChecked);

        Window w = Window::make();
        if (size.isValid()) {
            QImage picture(size, QImage::Format_RGB32);
            picture.fill(Qt::gray);
            QVERIFY(w.openPicture(picture));
        }
        w.ui->shrink->setEnabled(true);
        w.ui->shrink->setChecked(checkedBefore);
        w.window->updateInfo(QStringLiteral("image"));
        QCOMPARE(w.ui->outputRows->text(), rows);
        QCOMPARE(w.ui->originalSize->text(), original);
        QCOMPARE(w.ui->shrink->isEnabled(), shrinkEnabled);
        QCOMPARE(w.ui->shrink->isChecked(), shrinkChecked);
    }

    void updateInfoSpreadsheet()
    {
        Window w = Window::make();
        // No g and no s; the pixel furthest out makes the picture 640 x 480.
        QVERIFY(w.loadSheet("x,y,r,b,h,v\n639,479,1,2,3,4\n"));
        w.window->updateInfo(QStringLiteral("spreadsheet"));
        QCOMPARE(w.ui->resolution->text(), QStringLiteral("Output Image: 640, 480"));
        QCOMPARE(w.ui->red->text(), QStringLiteral("Red: Yes"));
        QCOMPARE(w.ui->green->text(), QStringLiteral("Green: No"));
        QCOMPARE(w.ui->blue->text(), QStringLiteral("Blue: Yes"));
        QCOMPARE(w.ui->hue->text(), QStringLiteral("Hue: Yes"));
        QCOMPARE(w.ui->saturation->text(), QStringLiteral("Saturation: No"));
        QCOMPARE(w.ui->value->text(), QStringLiteral("Value: Yes"));
    }

    void resetInfoTexts()
    {
        Window w = Window::make();
        w.window->resetInfo(QStringLiteral("image"));
        QCOMPARE(w.ui->imageBox->title(), QStringLiteral("No Image Loaded"));
        QCOMPARE(w.ui->outputRows->text(), QStringLiteral("Output Rows: -- "));
        QCOMPARE(w.ui->originalSize->text(), QStringLiteral("Original Size: -- "));

        // Right after unloading, the click on the disabled RGB button changes nothing.
        QVERIFY(w.loadSheet(Window::sheetText({PixelRecord{}}, false, true)));
        w.window->markLoaded(QStringLiteral("spreadsheet"));
        QVERIFY(w.ui->HSVButton->isChecked());
        w.window->markUnloaded(QStringLiteral("spreadsheet"));
        w.window->resetInfo(QStringLiteral("spreadsheet"));
        QVERIFY(w.ui->HSVButton->isChecked());
        QCOMPARE(w.ui->resolution->text(), QStringLiteral("No Spreadsheet Loaded"));
        QCOMPARE(w.ui->red->text(), QStringLiteral("Red: --"));
        QCOMPARE(w.ui->saturation->text(), QStringLiteral("Saturation: --"));
        QCOMPARE(w.ui->value->text(), QStringLiteral("Value: --"));

        // While the button is enabled the click selects RGB and runs its slot.
        w.ui->RGBButton->setEnabled(true);
        w.window->resetInfo(QStringLiteral("spreadsheet"));
        QVERIFY(w.ui->RGBButton->isChecked());
        QCOMPARE(w.cell(0, 2), QStringLiteral("r"));
    }

    // ---- Image side --------------------------------------------------------------------

    void loadImageCancelledOrInvalid_data()
    {
        QTest::addColumn<QByteArray>("fileBytes");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("expectedWarning");
        QTest::newRow("cancelled") << QByteArray() << QString() << "Failed loading / No image loaded.";
        QTest::newRow("text named png") << QByteArray("just some text\n") << "text.png"
                                        << "Failed loading / Invalid image format.";
        QTest::newRow("missing file") << QByteArray() << "missing.png" << "Failed loading / Invalid image format.";
        QTest::newRow("truncated png") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "cut.png"
                                       << "Failed loading / Invalid image format.";
    }

    void loadImageCancelledOrInvalid()
    {
        QFETCH(QByteArray, fileBytes);
        QFETCH(QString, fileName);
        QFETCH(QString, expectedWarning);

        Window w = Window::make();
        const QImage first = patternImage(7, 5);
        loadImageInto(w, first, QStringLiteral("first.png"));
        const QStringList before = w.snapshot();

        QString path;
        if (!fileName.isEmpty()) {
            path = m_dir.filePath(fileName);
            QFile::remove(path);
            if (!fileBytes.isEmpty())
                QVERIFY(writeFile(path, fileBytes));
        }
        w.dialogs->asked.clear();
        w.dialogs->fileAnswers = {path};
        w.ui->loadImage->click();

        QCOMPARE(w.dialogs->warnings(), QStringList{expectedWarning});
        QCOMPARE(w.dialogs->asked.first().caption, QStringLiteral("Open Image"));
        QCOMPARE(w.dialogs->asked.first().filter,
                 QStringLiteral("Images (*.bmp *.gif *.ico *.jpeg *.jpg *.mng *.pbm *.pgm *.png *.ppm *.svg "
                                "*.svgz *.tif *.tiff *.xbm *.xpm *.webp *.avif *.heic *.heif *.jxl *.tga)"));
        QCOMPARE(w.snapshot(), before);
        QCOMPARE(w.image(), first.convertToFormat(w.image().format()));
        // The picture is still the one of the first file.
        QCOMPARE(w.document().pictureFile(), m_dir.filePath(QStringLiteral("first.png")));
    }

    void loadImageShowsItAndUnloadsSheet()
    {
        Window w = Window::make();
        loadSheetInto(w, "x,y,r,g,b\n0,0,1,2,3\n");
        QVERIFY(!w.ui->tableWidget->isHidden());

        const QString path = writeImage(patternImage(640, 480), QStringLiteral("photo.png"));
        w.dialogs->fileAnswers = {path};
        w.ui->loadImage->click();

        QCOMPARE(w.dialogs->warnings(), QStringList());
        QCOMPARE(w.ui->imageBox->toolTip(), QStringLiteral("Image: ") + path);
        QCOMPARE(w.ui->outputRows->text(), QStringLiteral("Output Rows: 307200"));
        QCOMPARE(w.ui->originalSize->text(), QStringLiteral("Original Size: 640, 480"));
        QVERIFY(w.ui->shrink->isEnabled());
        QVERIFY(!w.ui->imageView->pixmap().isNull());
        QVERIFY(w.ui->imageView->hasScaledContents());
        QVERIFY(!w.ui->image_memory_pos->isHidden());
        QVERIFY(w.ui->tableWidget->isHidden());
        QVERIFY(!w.ui->saveSheet->isEnabled());
        QCOMPARE(w.ui->resolution->text(), QStringLiteral("No Spreadsheet Loaded"));
        // The sheet's records went with it: nothing can save or draw them any more.
        QVERIFY(w.pixels().empty());
    }

    void convertImage_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("shrink");
        QTest::addColumn<int>("scannedWidth");
        QTest::addColumn<bool>("warned");

        QTest::newRow("1000x1000 not reduced") << QSize(1000, 1000) << false << 1000 << false;
        QTest::newRow("1001x1000 reduced, warned") << QSize(1001, 1000) << false << 1000 << true;
        QTest::newRow("2000x1000 to 1414") << QSize(2000, 1000) << false << 1414 << true;
        QTest::newRow("2000x1000 ticked to 346") << QSize(2000, 1000) << true << 346 << true;
        QTest::newRow("640x480 ticked to 282") << QSize(640, 480) << true << 282 << false;
        QTest::newRow("640x480 not ticked") << QSize(640, 480) << false << 640 << false;
        QTest::newRow("300x200 ticked, exactly 60000") << QSize(300, 200) << true << 300 << false;
        QTest::newRow("partially checked counts as ticked") << QSize(640, 480) << true << 282 << false;
    }

    void convertImage()
    {
        QFETCH(QSize, size);
        QFETCH(bool, shrink);
        QFETCH(int, scannedWidth);
        QFETCH(bool, warned);

        Window w = Window::make();
        const QImage source = patternImage(size.width(), size.height());
        loadImageInto(w, source);
        if (shrink)
            w.ui->shrink->setCheckState(QTest::currentDataTag() == QByteArray("partially checked counts as ticked")
                                            ? Qt::PartiallyChecked
                                            : Qt::Checked);
        w.ui->imageToSpreadsheet->click();

        // The height follows from the aspect ratio as the toolkit's scaling computes it.
        const QSize scanned(scannedWidth, scannedWidth == size.width()
                                              ? size.height()
                                              : source.scaledToWidth(scannedWidth, Qt::FastTransformation).height());
        QCOMPARE(w.dialogs->warnings(),
                 warned ? QStringList{"Max Size Reached / This image will not fit into excel. It has been "
                                      "reduced to 1 million pixels so that data loss will not occur"}
                        : QStringList());
        QCOMPARE(w.extent(), scanned);
        QCOMPARE(qint64(w.pixels().size()), qint64(scanned.width()) * scanned.height());
        QCOMPARE(w.image(), source); // the working image keeps its full size
        QCOMPARE(w.ui->resolution->text(),
                 QStringLiteral("Output Image: %1, %2").arg(scanned.width()).arg(scanned.height()));
        const PixelRecord &last = w.pixels().all().back();
        QCOMPARE(QPoint(last.x, last.y), QPoint(scanned.width() - 1, scanned.height() - 1));
    }

    void convertImageTableAndStatus()
    {
        Window w = Window::make();
        QImage image(2, 5, QImage::Format_ARGB32);
        image.fill(qRgba(10, 20, 30, 128));
        image.setPixel(0, 0, qRgb(128, 128, 128)); // grey: no hue
        image.setPixel(0, 1, qRgb(255, 0, 0));
        image.setPixel(0, 2, qRgb(0, 255, 0));
        image.setPixel(0, 3, qRgb(0, 0, 255));
        loadImageInto(w, image);
        w.ui->imageToSpreadsheet->click();

        QCOMPARE(w.rowTexts(0), (QStringList{"x", "y", "r", "g", "b"}));
        QCOMPARE(w.rowTexts(1), (QStringList{"0", "0", "128", "128", "128"}));
        QCOMPARE(w.rowTexts(2), (QStringList{"0", "1", "255", "0", "0"}));
        QCOMPARE(w.rowTexts(4), (QStringList{"0", "3", "0", "0", "255"}));
        const PixelRecord &semi = w.pixels().all().at(9);
        QCOMPARE(QPoint(semi.x, semi.y), QPoint(1, 4));
        QCOMPARE(semi.a, 255);
        QVERIFY(w.sheet().hasRgb && w.sheet().hasHsv);
        QCOMPARE(w.ui->red->text(), QStringLiteral("Red: Yes"));
        QCOMPARE(w.ui->value->text(), QStringLiteral("Value: Yes"));
        QVERIFY(w.ui->RGBButton->isEnabled() && w.ui->HSVButton->isEnabled());
        QVERIFY(!w.ui->ss_memory_pos->isHidden());
        QVERIFY(!w.ui->image_memory_pos->isHidden()); // the image side stays loaded

        w.ui->HSVButton->click();
        QCOMPARE(w.rowTexts(0), (QStringList{"x", "y", "h", "s", "v"}));
        QCOMPARE(w.rowTexts(1), (QStringList{"0", "0", "-1", "0", "128"}));
        QCOMPARE(w.rowTexts(2), (QStringList{"0", "1", "0", "255", "255"}));
        QCOMPARE(w.rowTexts(3), (QStringList{"0", "2", "120", "255", "255"}));
        QVERIFY(!w.ui->hue->isHidden() && w.ui->red->isHidden());

        // Converting in HSV mode writes HSV captions and values straight away.
        w.ui->imageToSpreadsheet->click();
        QCOMPARE(w.rowTexts(4), (QStringList{"0", "3", "240", "255", "255"}));

        w.ui->RGBButton->click();
        QCOMPARE(w.rowTexts(0), (QStringList{"x", "y", "r", "g", "b"}));
        QCOMPARE(w.rowTexts(3), (QStringList{"0", "2", "0", "255", "0"}));
    }

    void convertShortImageLeavesOtherRowsEmpty()
    {
        Window w = Window::make();
        QImage image(3, 1, QImage::Format_RGB32);
        image.fill(qRgb(1, 2, 3));
        QVERIFY(w.openPicture(image, QStringLiteral("short.png")));
        w.window->convertImage(false);
        QCOMPARE(w.rowTexts(1), (QStringList{"0", "0", "1", "2", "3"}));
        // Rows 2 to 4 show no pixel of the first column, so they are empty.
        QCOMPARE(w.rowTexts(2), (QStringList{"", "", "", "", ""}));

        // A mode switch leaves them empty.
        image.setPixel(1, 0, qRgb(9, 9, 9));
        QVERIFY(w.openPicture(image, QStringLiteral("short2.png")));
        w.window->convertImage(false);
        w.ui->HSVButton->click();
        QCOMPARE(w.rowTexts(1), (QStringList{"0", "0", "210", "170", "3"}));
        QCOMPARE(w.rowTexts(2), (QStringList{"", "", "", "", ""}));
    }

    void saveImage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("chosenType"); // empty: the one the dialog shows first
        QTest::addColumn<QString>("written");    // empty: nothing
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("png under jpeg type") << "out.png" << "Jpeg (*.jpg)" << "out.png" << QByteArray("png");
        QTest::newRow("bmp") << "out.bmp" << "" << "out.bmp" << QByteArray("bmp");
        QTest::newRow("unknown suffix") << "out.xyz" << "" << "" << QByteArray();
        QTest::newRow("no suffix, png shown") << "result" << "" << "result.png" << QByteArray("png");
        QTest::newRow("no suffix, jpeg chosen") << "photo" << "Jpeg (*.jpg)" << "photo.jpg" << QByteArray("jpeg");
        QTest::newRow("no suffix, bmp chosen with its blank") << "plain" << " Bmp (*.bmp)" << "plain.bmp"
                                                              << QByteArray("bmp");
        QTest::newRow("trailing dot") << "dotted." << "" << "dotted.png" << QByteArray("png");
        QTest::newRow("folder does not exist") << "no/such/folder/out.png" << "" << "" << QByteArray();
    }

    void saveImage()
    {
        QFETCH(QString, name);
        QFETCH(QString, chosenType);
        QFETCH(QString, written);
        QFETCH(QByteArray, format);
        const bool saved = !written.isEmpty();

        Window w = Window::make();
        loadImageInto(w, patternImage(6, 4));
        const QString loadedTitle = w.ui->imageBox->toolTip();
        const QString path = m_dir.filePath(name);
        const QString writtenPath = m_dir.filePath(written);
        QFile::remove(path);
        QFile::remove(writtenPath);
        w.dialogs->asked.clear();
        w.dialogs->fileAnswers = {path};
        if (!chosenType.isEmpty())
            w.dialogs->typeAnswers = {chosenType};
        w.ui->saveImage->click();

        QCOMPARE(w.dialogs->asked.first().caption, QStringLiteral("Save Image"));
        QCOMPARE(w.dialogs->asked.first().filter,
                 QStringLiteral("Jpeg (*.jpg);; Bmp (*.bmp);; Gif (*.gif);; Pgm (*.pgm);; Png (*.png);; "
                                "Ppm (*.ppm);; Tif (*.tif)"));
        // Png is shown first, a type that keeps the numbers exactly; the list is unchanged.
        QCOMPARE(w.dialogs->asked.first().shownFilter, QStringLiteral("Png (*.png)"));
        QCOMPARE(w.dialogs->warnings(), saved ? QStringList() : QStringList{"Warning / Warning: Image not Saved"});
        // The picture loaded is in its file either way; a new file takes its place when saved.
        QVERIFY(!w.ui->image_save_pos->isHidden() && w.ui->image_save_neg->isHidden());
        QCOMPARE(w.ui->imageBox->toolTip(), saved ? QStringLiteral("Image: ") + writtenPath : loadedTitle);
        QCOMPARE(QFile::exists(path), saved && path == writtenPath);
        if (saved) {
            QImageReader reader(writtenPath);
            QCOMPARE(reader.format(), format);
            if (format != "jpeg")
                QCOMPARE(reader.read().convertToFormat(QImage::Format_RGB32), patternImage(6, 4));
        }
    }

    // A drawn picture is in no file until it is saved; a picture loaded is in its own.
    void saveImageCancelledAndReloaded()
    {
        Window w = Window::make();
        loadSheetInto(w, "x,y,r,g,b\n0,0,1,2,3\n");
        w.ui->spreadsheetToImage->click();
        QVERIFY(w.ui->image_save_pos->isHidden());
        w.dialogs->fileAnswers = {QString()};
        w.ui->saveImage->click();
        QCOMPARE(w.dialogs->warnings(), QStringList());
        QVERIFY(w.ui->image_save_pos->isHidden());

        const QString twice = m_dir.filePath("twice.png");
        w.dialogs->fileAnswers = {twice, twice};
        w.ui->saveImage->click();
        w.ui->saveImage->click();
        QVERIFY(!w.ui->image_save_pos->isHidden());
        QCOMPARE(w.ui->imageBox->toolTip(), QStringLiteral("Image: ") + twice);
        w.ui->spreadsheetToImage->click();
        QVERIFY(w.ui->image_save_pos->isHidden() && !w.ui->image_save_neg->isHidden());
        loadImageInto(w, patternImage(3, 3));
        QVERIFY(!w.ui->image_save_pos->isHidden() && w.ui->image_save_neg->isHidden());
    }

    // ---- Spreadsheet side --------------------------------------------------------------

    void loadSheetRejected_data()
    {
        QTest::addColumn<QByteArray>("text"); // "<folder>", "<missing>" or the file's bytes
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("reason");  // the box's informative text after the path
        const QString invalid = QStringLiteral("Invalid Sheet / This is not a valid color spreadsheet.");
        QTest::newRow("empty file") << QByteArray() << invalid << "the file is empty";
        QTest::newRow("empty workbook.xlsx") << QByteArray() << invalid << "the file is empty";
        QTest::newRow("capital header") << QByteArray("X,Y,R,G,B\n1,2,3,4,5\n") << invalid
                                        << "the header has no columns named x and y";
        QTest::newRow("alpha only") << QByteArray("x,y,a\n1,2,3\n")
                                    << "Invalid Sheet / Your spreadsheet does not contain valid color values."
                                    << "the header has none of the columns r, g, b, h, s, v";
        QTest::newRow("quote never closed") << QByteArray("x,y,r,g,b\n0,0,\"1,2,3\n") << invalid
                                            << "line 2: a quote is never closed";
        QTest::newRow("a folder") << QByteArray("<folder>") << invalid << "this is a folder";
        QTest::newRow("a missing name") << QByteArray("<missing>") << "Failed loading / The spreadsheet file does not exist."
                                        << "No such file or directory";
    }

    // A failed load changes nothing, an unsaved conversion included, and the box says why.

    void loadSheetRejected()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, warning);
        QFETCH(QString, reason);

        Window w = Window::make();
        loadImageInto(w, patternImage(3, 2));
        w.ui->imageToSpreadsheet->click();
        QCoreApplication::processEvents(); // the load paints its picture: the layout settles first
        const QStringList before = w.snapshot();
        w.dialogs->asked.clear();
        QString path = m_dir.filePath(QStringLiteral("bad-%1").arg(QTest::currentDataTag()));
        if (text == "<folder>")
            QVERIFY(QDir().mkpath(path));
        else if (text != "<missing>")
            path = writeSheet(text, QFileInfo(path).fileName());
        w.dialogs->fileAnswers = {path};
        w.ui->loadSpreadsheet->click();

        QCOMPARE(w.dialogs->warnings(), QStringList{warning});
        QCOMPARE(w.dialogs->asked.first().caption, QStringLiteral("Open Image"));
        QCOMPARE(w.dialogs->asked.first().filter, QStringLiteral("Spreadsheets (*.csv *.xlsx *.ods);;All files (*)"));
        QVERIFY2(w.dialogs->asked.last().informative.startsWith(path + QStringLiteral(": ") + reason),
                 qPrintable(w.dialogs->asked.last().informative));
        QCOMPARE(w.snapshot(), before);
        QCOMPARE(w.pixels().size(), std::size_t(6));
        QVERIFY(w.sheet().hasRgb && w.sheet().hasHsv);
        // Still the records converted from the picture, in no file.
        QVERIFY(w.document().sheetSide().converted());
        QVERIFY(w.document().sheetFile().isEmpty());
    }

    void loadSheetCancelled()
    {
        Window w = Window::make();
        loadSheetInto(w, "x,y,r,g,b\n0,0,1,2,3\n");
        const QStringList before = w.snapshot();
        w.dialogs->asked.clear();
        w.dialogs->fileAnswers = {QString()};
        w.ui->loadSpreadsheet->click();
        QCOMPARE(w.dialogs->warnings(), QStringList{"Failed loading / No spreadsheet loaded."});
        QCOMPARE(w.snapshot(), before);
        QCOMPARE(w.pixels().size(), std::size_t(1));
        QCOMPARE(w.document().sheetFile(), m_dir.filePath(QStringLiteral("in.csv")));
    }

    void loadSheetUnreadable()
    {
        g_messages.clear();
        Window w = Window::make();
        const QString path = m_dir.filePath("does-not-exist.csv");
        const QtMessageHandler previous = qInstallMessageHandler(collectMessages);
        w.dialogs->fileAnswers = {path};
        w.ui->loadSpreadsheet->click();
        qInstallMessageHandler(previous);
        QCOMPARE(g_messages, QStringList{"- Error, unable to open \"" + path + "\" for output "});
        QCOMPARE(w.dialogs->warnings(), QStringList{"Failed loading / The spreadsheet file does not exist."});
    }

    void loadSheet()
    {
        Window w = Window::make();
        loadImageInto(w, patternImage(4, 4));
        loadSheetInto(w, "x,y,r,g,b\r\n0,0,255,0,10\r\n5,1,1,2,3\r\n2,7,4,5,6\r\n");

        QCOMPARE(w.dialogs->warnings(), QStringList());
        QCOMPARE(w.pixels().size(), std::size_t(3));
        QCOMPARE(w.extent(), QSize(6, 8));
        QCOMPARE(w.rowTexts(1), (QStringList{"0", "0", "255", "0", "10"}));
        QCOMPARE(w.rowTexts(3), (QStringList{"2", "7", "4", "5", "6"}));
        QCOMPARE(w.rowTexts(4), (QStringList{"", "", "", "", ""})); // no fourth record
        QCOMPARE(w.ui->resolution->text(), QStringLiteral("Output Image: 6, 8"));
        QCOMPARE(w.ui->red->text(), QStringLiteral("Red: Yes"));
        QCOMPARE(w.ui->hue->text(), QStringLiteral("Hue: No"));
        QVERIFY(w.ui->RGBButton->isEnabled() && !w.ui->HSVButton->isEnabled());
        QVERIFY(!w.ui->tableWidget->isHidden());
        QVERIFY(w.ui->loading_status_image->isHidden());
        // The image side no longer matches the data.
        QCOMPARE(w.ui->imageBox->title(), QStringLiteral("No Image Loaded"));
        QVERIFY(w.ui->image_memory_pos->isHidden());
        QVERIFY(w.ui->imageView->pixmap().isNull());
        QVERIFY(!w.ui->saveImage->isEnabled());
    }

    void loadHsvSheetSwitchesMode()
    {
        Window w = Window::make();
        loadSheetInto(w, "y,x,v\n1,2,200\n");
        QVERIFY(w.sheet().hasHsv && !w.sheet().hasRgb);
        QVERIFY(w.ui->HSVButton->isChecked());
        QVERIFY(!w.ui->RGBButton->isEnabled());
        QCOMPARE(w.rowTexts(0), (QStringList{"x", "y", "h", "s", "v"}));
        QCOMPARE(w.rowTexts(1), (QStringList{"2", "1", "0", "0", "200"}));
        QVERIFY(!w.ui->value->isHidden() && w.ui->blue->isHidden());
        QCOMPARE(w.ui->value->text(), QStringLiteral("Value: Yes"));
        QCOMPARE(w.ui->hue->text(), QStringLiteral("Hue: No"));
    }

    void loadHeaderAlone()
    {
        Window w = Window::make();
        loadSheetInto(w, "x,y,r,g,b\n");
        QCOMPARE(w.dialogs->warnings(), QStringList());
        QVERIFY(w.pixels().empty());
        QCOMPARE(w.extent(), QSize(1, 1));
        QVERIFY(!w.ui->ss_memory_pos->isHidden());
        QCOMPARE(w.rowTexts(1), (QStringList{"", "", "", "", ""}));
    }

    void saveSheet_data()
    {
        QTest::addColumn<bool>("hsv");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("rgb") << false << QByteArray("x,y,r,g,b\n0,0,255,0,10\n1,0,1,2,3\n");
        QTest::newRow("hsv") << true << QByteArray("x,y,h,s,v\n0,0,-1,0,7\n1,0,300,20,30\n");
    }

    void saveSheet()
    {
        QFETCH(bool, hsv);
        QFETCH(QByteArray, expected);

        Window w = Window::make();
        QVERIFY(w.loadSheet(Window::sheetText(
            {PixelRecord{0, 0, 255, 0, 10, 255, -1, 0, 7}, PixelRecord{1, 0, 1, 2, 3, 255, 300, 20, 30}}, true, true)));
        w.window->markLoaded(QStringLiteral("spreadsheet"));
        w.dialogs->asked.clear();
        if (hsv)
            w.ui->HSVButton->click();

        const QString path = m_dir.filePath(hsv ? "saved-hsv.csv" : "saved-rgb.csv");
        QVERIFY(writeFile(path, QByteArray(5000, 'z'))); // an older, longer file
        w.dialogs->fileAnswers = {path};
        w.ui->saveSheet->click();

        QCOMPARE(w.dialogs->asked.first().caption, QStringLiteral("Save Image"));
        QCOMPARE(w.dialogs->asked.first().filter,
                 QStringLiteral("Image (*.csv);;Excel workbook (*.xlsx);;Picture-shaped workbook (*.xlsx);;"
                                "Picture-shaped grey workbook (*.xlsx);;Picture-shaped spreadsheet (*.ods);;"
                                "Picture-shaped grey spreadsheet (*.ods)"));
        QCOMPARE(w.dialogs->warnings(), QStringList());
        QCOMPARE(readAll(path), expected);
        // The sheet read from one file is in the one saved now.
        QVERIFY2(w.ui->spreadsheetBox->title().endsWith(QFileInfo(path).fileName()),
                 qPrintable(w.ui->spreadsheetBox->title()));
        QVERIFY(!w.ui->ss_save_pos->isHidden() && w.ui->ss_save_neg->isHidden());
        QVERIFY(!w.ui->ss_memory_pos->isHidden());
        // The labels still name the columns the sheet was read with.
        QCOMPARE(w.ui->red->text(), QStringLiteral("Red: Yes"));
        QCOMPARE(w.ui->saturation->text(), QStringLiteral("Saturation: Yes"));
    }

    // A picture-shaped type writes the sheet's picture in that shape; the type chosen is the
    // one the dialog shows the next time.
    void saveSheetPictureShaped_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<SheetShape>("shape");
        QTest::newRow("rgb .xlsx") << "Picture-shaped workbook (*.xlsx)" << "shaped.xlsx" << SheetShape::Picture;
        QTest::newRow("grey .ods") << "Picture-shaped grey spreadsheet (*.ods)" << "shaped.ods" << SheetShape::Grey;
    }

    void saveSheetPictureShaped()
    {
        QFETCH(QString, type);
        QFETCH(QString, name);
        QFETCH(SheetShape, shape);
        Window w = Window::make();
        QVERIFY(w.loadSheet(Window::sheetText(
            {PixelRecord{0, 0, 255, 0, 10, 255, -1, 0, 7}, PixelRecord{1, 0, 1, 2, 3, 255, 300, 20, 30}}, true, true)));
        w.window->markLoaded(QStringLiteral("spreadsheet"));
        w.dialogs->asked.clear();
        const QString path = m_dir.filePath(name);
        w.dialogs->fileAnswers = {path, QString()};
        w.dialogs->typeAnswers = {type};
        w.ui->saveSheet->click();
        QVERIFY2(w.dialogs->warnings().isEmpty(), qPrintable(w.dialogs->warnings().join(u'|') + w.dialogs->asked.last().informative));
        PixelRecords read;
        const SheetInfo info = loadSheetInfo(path, read);
        QCOMPARE(info.shape, shape);
        QCOMPARE(QSize(info.width, info.height), QSize(2, 1));
        const int grey = shape == SheetShape::Grey ? qGray(1, 2, 3) : -1;
        QCOMPARE(read[1].r, grey < 0 ? 1 : grey);
        QCOMPARE(read[1].b, grey < 0 ? 3 : grey);
        w.ui->saveSheet->click(); // cancelled
        QCOMPARE(w.dialogs->asked.last().shownFilter, type);
    }

    void saveSheetFailureKeepsOldState()
    {
        Window w = Window::make();
        loadSheetInto(w, "x,y,r,g,b\n0,0,1,2,3\n");
        const QStringList before = w.snapshot();

        // A path whose parent is a regular file can never be created.
        const QString blocker = m_dir.filePath("blocker");
        QVERIFY(writeFile(blocker, "not a folder"));
        const QString path = blocker + QStringLiteral("/out.csv");
        g_messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectMessages);
        w.dialogs->fileAnswers = {path};
        w.ui->saveSheet->click();
        qInstallMessageHandler(previous);

        QCOMPARE(g_messages, QStringList{"- Error, unable to open \"" + path + "\" for output "});
        QCOMPARE(w.dialogs->warnings(), QStringList{"Warning / Warning: Spreadsheet not Saved"});
        QCOMPARE(w.snapshot(), before);
        QCOMPARE(readAll(blocker), QByteArray("not a folder"));

        // Cancelling is silent.
        w.dialogs->asked.clear();
        w.dialogs->fileAnswers = {QString()};
        w.ui->saveSheet->click();
        QCOMPARE(w.dialogs->warnings(), QStringList());
        QCOMPARE(w.snapshot(), before);
    }

    void drawSheet_data()
    {
        QTest::addColumn<QByteArray>("sheet");
        QTest::addColumn<bool>("hsv");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<uint>("pixel");

        QTest::newRow("rgb pixel") << QByteArray("x,y,r,g,b\n0,0,1,2,3\n3,1,255,128,0\n") << false << QSize(4, 2)
                                   << QPoint(3, 1) << uint(0xffff8000);
        QTest::newRow("unnamed pixel transparent") << QByteArray("x,y,r,g,b\n0,0,1,2,3\n3,1,255,128,0\n")
                                                   << false << QSize(4, 2) << QPoint(1, 1) << uint(0);
        QTest::newRow("hsv red") << QByteArray("x,y,h,s,v\n0,0,0,255,255\n") << true << QSize(1, 1)
                                 << QPoint(0, 0) << uint(0xffff0000);
        // Hue 360 turns round to 0: red at v 100, the others 100 * (255 - 10) / 255.
        QTest::newRow("hsv hue 360 is hue 0") << QByteArray("x,y,h,s,v\n0,0,360,10,100\n") << true << QSize(1, 1)
                                              << QPoint(0, 0) << uint(0xff646060);
    }

    void drawSheet()
    {
        QFETCH(QByteArray, sheet);
        QFETCH(bool, hsv);
        QFETCH(QSize, size);
        QFETCH(QPoint, at);
        QFETCH(uint, pixel);

        Window w = Window::make();
        loadSheetInto(w, sheet);
        QCOMPARE(w.ui->HSVButton->isChecked(), hsv);
        w.ui->spreadsheetToImage->click();

        QCOMPARE(w.image().size(), size);
        QCOMPARE(w.image().format(), QImage::Format_ARGB32);
        QCOMPARE(w.image().pixel(at), QRgb(pixel));
        QCOMPARE(w.ui->originalSize->text(),
                 QStringLiteral("Original Size: %1, %2").arg(size.width()).arg(size.height()));
        QVERIFY(!w.ui->image_memory_pos->isHidden());
        QVERIFY(w.ui->saveImage->isEnabled());
        QVERIFY(!w.ui->imageView->pixmap().isNull());
        QVERIFY(!w.ui->ss_memory_pos->isHidden()); // the sheet side stays loaded
    }

    void drawEmptyAndHugeSheets_data()
    {
        QTest::addColumn<QByteArray>("sheet");
        QTest::newRow("header alone") << QByteArray("x,y,r,g,b\n");
        QTest::newRow("huge coordinate") << QByteArray("x,y,r,g,b\n2000000000,5,1,2,3\n");
    }

    void drawEmptyAndHugeSheets()
    {
        QFETCH(QByteArray, sheet);
        Window w = Window::make();
        loadSheetInto(w, sheet);
        w.ui->spreadsheetToImage->click();
        if (w.extent().width() == 1) {
            QCOMPARE(w.image().size(), QSize(1, 1));
            QCOMPARE(w.image().pixel(0, 0), QRgb(0));
            QVERIFY(!w.ui->image_memory_pos->isHidden());
            return;
        }
        // No picture can be made: said at once, with the reason, and nothing marked loaded.
        QCOMPARE(w.dialogs->warnings(), QStringList{"Warning / This picture is too large to draw."});
        QCOMPARE(w.dialogs->asked.last().informative,
                 QStringLiteral("The sheet describes a picture of 2,000,000,001 \u00d7 6 pixels; the largest picture this program "
                                "draws is 16,384 \u00d7 16,384 pixels (268,435,456 pixels in all, in any shape up to 67,108,863 "
                                "pixels wide or high)."));
        QVERIFY(w.image().isNull());
        QVERIFY(w.ui->imageView->pixmap().isNull());
        QVERIFY(w.ui->image_memory_pos->isHidden());
        QVERIFY(!w.ui->saveImage->isEnabled());
    }

    // The status bar tells what reading passed over once the sheet is loaded, and adds
    // what drawing bent once it is drawn; a clean sheet leaves it empty.
    void noticeAfterLoadAndDraw_data()
    {
        QTest::addColumn<QByteArray>("sheet");
        QTest::addColumn<QString>("afterLoad");
        QTest::addColumn<QString>("afterDraw");
        const QString skippedTwo = QStringLiteral("2 lines without a pixel position were skipped.");
        QTest::newRow("clean sheet") << QByteArray("x,y,r,g,b\n0,0,1,2,3\n") << QString() << QString();
        QTest::newRow("cleared row and a remark")
            << QByteArray("x,y,r,g,b\n0,0,1,2,3\n,,,,\nTask 1: halve the red,,,,\n") << skippedTwo << skippedTwo;
        QTest::newRow("x of -5: skipped, and counted once drawn")
            << QByteArray("x,y,r,g,b\n0,0,1,2,3\n-5,0,9,9,9\n,,,,\n")
            << QStringLiteral("1 line without a pixel position was skipped.")
            << QStringLiteral("1 line without a pixel position was skipped; "
                              "1 line with a position below 0 was skipped.");
        QTest::newRow("r of 318: known only once drawn")
            << QByteArray("x,y,r,g,b\n0,0,318,2,3\n") << QString()
            << QStringLiteral("1 colour value outside 0\u2013255 was drawn as 0 or 255.");
        QTest::newRow("hsv: hues turned, a value clamped")
            << QByteArray("x,y,h,s,v\n0,0,380,255,255\n1,0,-30,255,300\n") << QString()
            << QStringLiteral("1 colour value outside 0\u2013255 was drawn as 0 or 255; "
                              "2 hues outside 0\u2013359 were drawn modulo 360.");
        QTest::newRow("all four, each once")
            << QByteArray("x,y,h,s,v\n0,0,380,red,300\n;;;;\n")
            << QStringLiteral("1 line without a pixel position was skipped; "
                              "1 colour value that is not a number was read as 0 (e.g. line 2, column s: 'red').")
            << QStringLiteral("1 line without a pixel position was skipped; "
                              "1 colour value that is not a number was read as 0 (e.g. line 2, column s: 'red'); "
                              "1 colour value outside 0\u2013255 was drawn as 0 or 255; "
                              "1 hue outside 0\u2013359 was drawn modulo 360.");
    }

    void noticeAfterLoadAndDraw()
    {
        QFETCH(QByteArray, sheet);
        QFETCH(QString, afterLoad);
        QFETCH(QString, afterDraw);

        Window w = Window::make();
        w.window->statusBar()->showMessage(QStringLiteral("older note"));
        loadSheetInto(w, sheet);
        QCOMPARE(w.dialogs->warnings(), QStringList());
        QCOMPARE(w.window->statusBar()->currentMessage(), afterLoad);
        w.ui->spreadsheetToImage->click();
        QCOMPARE(w.window->statusBar()->currentMessage(), afterDraw);
        // Drawing again tells the same, not twice as much.
        w.ui->spreadsheetToImage->click();
        QCOMPARE(w.window->statusBar()->currentMessage(), afterDraw);
    }

    // The notice is about the sheet it came from: what replaces that sheet takes it away.
    void noticeGoesWithTheSheet_data()
    {
        QTest::addColumn<QString>("then");
        QTest::newRow("loading an image") << "load image";
        QTest::newRow("converting the drawn picture back") << "convert image";
        QTest::newRow("loading a clean sheet") << "load clean sheet";
        QTest::newRow("a sheet that is refused") << "load refused sheet";
    }

    void noticeGoesWithTheSheet()
    {
        QFETCH(QString, then);

        Window w = Window::make();
        loadSheetInto(w, "x,y,r,g,b\n0,0,318,2,3\n1,1,4,5,6\n0,1,7,8,9\n1,0,7,8,9\n,,,,\n");
        w.ui->spreadsheetToImage->click();
        QCOMPARE(w.window->statusBar()->currentMessage(),
                 QStringLiteral("1 line without a pixel position was skipped; "
                                "1 colour value outside 0\u2013255 was drawn as 0 or 255."));
        if (then == QLatin1String("load image"))
            loadImageInto(w, patternImage(3, 2));
        else if (then == QLatin1String("convert image"))
            w.ui->imageToSpreadsheet->click();
        else if (then == QLatin1String("load clean sheet"))
            loadSheetInto(w, "x,y,r,g,b\n0,0,1,2,3\n", QStringLiteral("clean.csv"));
        else
            loadSheetInto(w, "X,Y,R,G,B\n0,0,1,2,3\n", QStringLiteral("refused.csv"));
        const bool refused = then == QLatin1String("load refused sheet");
        QCOMPARE(w.dialogs->warnings().size(), refused ? 1 : 0);
        // A refused sheet changes nothing, its notice included.
        QCOMPARE(w.window->statusBar()->currentMessage().isEmpty(), !refused);
    }

    void modeSwitchWithFewRecords()
    {
        Window w = Window::make();
        loadSheetInto(w, "x,y,r,g,b,h,s,v\n4,5,1,2,3,10,20,30\n6,7,4,5,6,40,50,60\n");
        QVERIFY(w.ui->RGBButton->isChecked());
        w.ui->HSVButton->click();
        QCOMPARE(w.rowTexts(1), (QStringList{"4", "5", "10", "20", "30"}));
        QCOMPARE(w.rowTexts(2), (QStringList{"6", "7", "40", "50", "60"}));
        QCOMPARE(w.rowTexts(3), (QStringList{"", "", "", "", ""}));
        const QStringList shown = w.snapshot();
        w.ui->HSVButton->click();
        QCOMPARE(w.snapshot(), shown);
        QCOMPARE(w.pixels().size(), std::size_t(2));
    }

    // ---- A panel that tells the truth -------------------------------------------------------

    // After a picture-shaped save the rows announced are those that layout writes, the
    // picture reduced to its long edge of 256; the file saved is the judge.
    void outputRowsOfTheLayoutSavedLast_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("rowsPerPixel"); // 0: a pixel list, one row a record
        QTest::addColumn<QString>("rows");
        QTest::newRow("rgb .xlsx") << "Picture-shaped workbook (*.xlsx)" << "rows.xlsx" << 3 << "Output Rows: 193";
        QTest::newRow("grey .ods") << "Picture-shaped grey spreadsheet (*.ods)" << "rows.ods" << 1 << "Output Rows: 65";
        QTest::newRow("pixel list") << "Excel workbook (*.xlsx)" << "list.xlsx" << 0 << "Output Rows: 40000";
    }

    void outputRowsOfTheLayoutSavedLast()
    {
        QFETCH(QString, type);
        QFETCH(QString, name);
        QFETCH(int, rowsPerPixel);
        QFETCH(QString, rows);
        Window w = Window::make();
        QImage picture(400, 100, QImage::Format_RGB32);
        picture.fill(qRgb(10, 20, 30));
        const QString photo = m_dir.filePath(QStringLiteral("wide.png"));
        QVERIFY(picture.save(photo));
        w.dialogs->fileAnswers = {photo};
        w.ui->loadImage->click();
        w.ui->imageToSpreadsheet->click();
        QCOMPARE(w.ui->outputRows->text(), QStringLiteral("Output Rows: 40000"));
        const QString path = m_dir.filePath(name);
        w.dialogs->fileAnswers = {path};
        w.dialogs->typeAnswers = {type};
        w.ui->saveSheet->click();
        QCOMPARE(w.ui->outputRows->text(), rows);
        PixelRecords read;
        const SheetInfo info = loadSheetInfo(path, read);
        QCOMPARE(info.status, tess::Status::Done);
        const qint64 fileRows = rowsPerPixel == 0 ? qint64(read.size()) : 1 + qint64(rowsPerPixel) * info.height;
        QCOMPARE(w.ui->outputRows->text(), QStringLiteral("Output Rows: ") + QString::number(fileRows));
    }

    // The rows announced before the conversion are the rows it writes; the real conversion
    // is the judge, and the status bar names both sizes.
    void outputRowsAreRowsWritten_data()
    {
        QTest::addColumn<bool>("excel2002");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("note");
        QTest::newRow("4000x3000, box off: about a million")
            << false << "Output Rows: 998210" << QStringLiteral("Reduced from 4000 \u00d7 3000 to 1154 \u00d7 865: 998,210 rows");
        QTest::newRow("4000x3000, box on: about 60,000")
            << true << "Output Rows: 59502" << QStringLiteral("Reduced from 4000 \u00d7 3000 to 282 \u00d7 211: 59,502 rows");
    }

    void outputRowsAreRowsWritten()
    {
        QFETCH(bool, excel2002);
        QFETCH(QString, rows);
        QFETCH(QString, note);

        Window w = Window::make();
        const QString photo = bigPhoto();
        QVERIFY(!photo.isEmpty());
        w.dialogs->fileAnswers = {photo};
        w.ui->loadImage->click();
        QCOMPARE(w.ui->outputRows->text(), QStringLiteral("Output Rows: 998210"));
        QCOMPARE(w.ui->originalSize->text(), QStringLiteral("Original Size: 4000, 3000"));

        // Ticking and unticking the box changes the announcement at once.
        w.ui->shrink->click();
        QCOMPARE(w.ui->outputRows->text(), QStringLiteral("Output Rows: 59502"));
        w.ui->shrink->click();
        QCOMPARE(w.ui->outputRows->text(), QStringLiteral("Output Rows: 998210"));
        if (excel2002)
            w.ui->shrink->click();
        QCOMPARE(w.ui->outputRows->text(), rows);
        QVERIFY(w.window->statusBar()->currentMessage().isEmpty());

        w.ui->imageToSpreadsheet->click();
        QCOMPARE(QStringLiteral("Output Rows: ") + QString::number(w.pixels().size()), rows);
        QCOMPARE(w.window->statusBar()->currentMessage(), note);
        // The million box is shown in both cases, as before.
        QCOMPARE(w.dialogs->warnings(),
                 QStringList{"Max Size Reached / This image will not fit into excel. It has been reduced to 1 "
                             "million pixels so that data loss will not occur"});

        // The note is about that picture: loading a sheet takes it away.
        loadSheetInto(w, "x,y,r,g,b\n0,0,1,2,3\n");
        QVERIFY(w.window->statusBar()->currentMessage().isEmpty());
    }

    void conversionWithoutReductionLeavesNoNote()
    {
        Window w = Window::make();
        loadImageInto(w, patternImage(40, 30));
        w.window->statusBar()->showMessage(QStringLiteral("older note"));
        w.ui->imageToSpreadsheet->click();
        QVERIFY(w.window->statusBar()->currentMessage().isEmpty());
    }

    // "Output Rows: 1000000" is the longest count a conversion can announce.
    void outputRowsLabelHoldsItsText()
    {
        Window w = Window::make();
        const QLabel *label = w.ui->outputRows;
        QVERIFY(label->fontMetrics().horizontalAdvance(QStringLiteral("Output Rows: 1000000")) <= label->width());
        QVERIFY(label->geometry().right() < w.ui->frame->width());
    }

    // After a conversion every component is in the data, and saving it in one model
    // takes none of them away; a sheet read back has only the columns it was saved with.
    void colourLabelsAfterSave_data()
    {
        QTest::addColumn<bool>("hsv");
        QTest::newRow("saved as rgb") << false;
        QTest::newRow("saved as hsv") << true;
    }

    void colourLabelsAfterSave()
    {
        QFETCH(bool, hsv);
        Window w = Window::make();
        loadSheetInto(w, "x,y,v\n0,0,9\n"); // a sheet's column indices are still set
        loadImageInto(w, patternImage(5, 4));
        w.ui->imageToSpreadsheet->click();
        // The HSV sheet left its mode selected; the conversion keeps it until chosen.
        (hsv ? w.ui->HSVButton : w.ui->RGBButton)->click();
        const QStringList allYes{"Red: Yes", "Green: Yes", "Blue: Yes", "Hue: Yes", "Saturation: Yes", "Value: Yes"};
        const auto labels = [&w] {
            return QStringList{w.ui->red->text(), w.ui->green->text(), w.ui->blue->text(),
                               w.ui->hue->text(), w.ui->saturation->text(), w.ui->value->text()};
        };
        QCOMPARE(labels(), allYes);

        const QString path = m_dir.filePath(hsv ? "labels-hsv.csv" : "labels-rgb.csv");
        w.dialogs->fileAnswers = {path};
        w.ui->saveSheet->click();
        QVERIFY(!w.ui->ss_save_pos->isHidden());
        QCOMPARE(labels(), allYes);

        w.dialogs->fileAnswers = {path};
        w.ui->loadSpreadsheet->click();
        const QString rgb = hsv ? "No" : "Yes";
        const QString hsvPresent = hsv ? "Yes" : "No";
        QCOMPARE(labels(), (QStringList{"Red: " + rgb, "Green: " + rgb, "Blue: " + rgb, "Hue: " + hsvPresent,
                                        "Saturation: " + hsvPresent, "Value: " + hsvPresent}));
    }

    void drawnPictureNamesItsSheet_data()
    {
        QTest::addColumn<bool>("fromSheet");
        QTest::addColumn<QString>("title");
        QTest::newRow("loaded sheet") << true << "Image: drawn from lesson.csv";
        QTest::newRow("converted picture, never saved") << false << "Image: drawn from in.png";
    }

    void drawnPictureNamesItsSheet()
    {
        QFETCH(bool, fromSheet);
        QFETCH(QString, title);
        Window w = Window::make();
        if (fromSheet) {
            loadSheetInto(w, "x,y,r,g,b\n0,0,1,2,3\n", QStringLiteral("lesson.csv"));
            QCOMPARE(w.ui->imageBox->title(), QStringLiteral("No Image Loaded"));
        } else {
            loadImageInto(w, patternImage(3, 2));
            w.ui->imageToSpreadsheet->click();
        }
        w.ui->spreadsheetToImage->click();
        QCOMPARE(w.ui->imageBox->title(), title);
    }

    // ---- The preview shows pixels as blocks ----------------------------------------------

    // Sampled from what the preview really paints: an enlarged picture shows only its own
    // colours (blocks), a shrunk one also blends of them (smoothing).
    void previewPixels_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("sharp");
        QTest::newRow("8x8 enlarged: sharp blocks") << QSize(8, 8) << true;
        QTest::newRow("40x30 enlarged: sharp blocks") << QSize(40, 30) << true;
        QTest::newRow("512x362 shrunk: smooth") << QSize(512, 362) << false;
        QTest::newRow("600x10 strip, shrunk: smooth") << QSize(600, 10) << false;
        QTest::newRow("30x90 upright, enlarged: sharp") << QSize(30, 90) << true;
    }

    void previewPixels()
    {
        QFETCH(QSize, size);
        QFETCH(bool, sharp);

        // A checkerboard of two far-apart colours: any smoothing makes colours between them.
        QByteArray sheet("x,y,r,g,b\n");
        QSet<QRgb> palette;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const bool dark = (x + y) % 2;
                const QRgb colour = dark ? qRgb(20, 30, 200) : qRgb(250, 220, 10);
                palette.insert(colour);
                sheet += QStringLiteral("%1,%2,%3,%4,%5\n").arg(x).arg(y).arg(qRed(colour)).arg(qGreen(colour))
                             .arg(qBlue(colour)).toLatin1();
            }
        Window w = Window::make();
        loadSheetInto(w, sheet);
        w.ui->spreadsheetToImage->click();
        QCOMPARE(w.image().size(), size);

        // The picture keeps its proportions, centred; only that rectangle shows it.
        const QImage frame = w.ui->imageView->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect fitted = tess::zoom::fittedRect(size, w.ui->imageView->contentsRect());
        const QImage shown = frame.copy(fitted);
        if (fitted.left() > 0)
            QVERIFY(!palette.contains(frame.pixel(fitted.left() - 1, fitted.center().y())));
        if (fitted.top() > 0)
            QVERIFY(!palette.contains(frame.pixel(fitted.center().x(), fitted.top() - 1)));
        int blends = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                blends += !palette.contains(shown.pixel(x, y));
        if (sharp) {
            QCOMPARE(blends, 0);
            // Each block's middle shows its own pixel, and the corners are the picture's.
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x) {
                    const QPoint middle((2 * x + 1) * shown.width() / (2 * size.width()),
                                        (2 * y + 1) * shown.height() / (2 * size.height()));
                    QCOMPARE(shown.pixel(middle), w.image().pixel(x, y) | 0xff000000u);
                }
        } else {
            QVERIFY2(blends > shown.width() * shown.height() / 4, qPrintable(QString::number(blends)));
        }
        if (size.height() < shown.height()) {
            QSet<QByteArray> rows;
            for (int y = 0; y < shown.height(); ++y)
                rows.insert(QByteArray(reinterpret_cast<const char *>(shown.constScanLine(y)), shown.bytesPerLine()));
            QVERIFY2(rows.size() <= size.height(), qPrintable(QString::number(rows.size())));
        }
    }

    // ---- The keyboard ------------------------------------------------------------------

    void tableIsReadOnly()
    {
        Window w = Window::make();
        loadSheetInto(w, "x,y,r,g,b\n0,0,1,2,3\n");
        QVERIFY(activate(w));
        QTableWidget *table = w.ui->tableWidget;
        QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
        table->setFocus();
        table->setCurrentCell(1, 2);
        QTest::keyClicks(table, QStringLiteral("999"));
        QTest::keyClick(table, Qt::Key_Return);
        QTest::keyClick(table, Qt::Key_F2);
        QTest::keyClicks(table, QStringLiteral("0"));
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(w.rowTexts(1), (QStringList{"0", "0", "1", "2", "3"}));
        QCOMPARE(w.pixels()[0].r, 1);
    }

    // With every control enabled, Tab walks the work from loading a picture to saving
    // one, and from the table (last) back to the start; Shift+Tab walks back.
    void tabOrderFollowsTheWork()
    {
        Window w = Window::make();
        loadImageInto(w, patternImage(300, 200));
        w.ui->imageToSpreadsheet->click();
        w.ui->HSVButton->click();
        QVERIFY(activate(w));
        w.ui->loadImage->setFocus();

        QStringList forward;
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forward.append(QApplication::focusWidget()->objectName());
        }
        // Of the two mode buttons Tab stops at the selected one; the arrows choose. The
        // status bar's follow switch comes after the table.
        QCOMPARE(forward, (QStringList{"shrink", "imageToSpreadsheet", "HSVButton", "saveSheet", "loadSpreadsheet",
                                       "spreadsheetToImage", "saveImage", "tableWidget", "followFilesButton",
                                       "loadImage"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("followFilesButton"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), w.ui->tableWidget);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), w.ui->saveImage);

        // On the mode buttons the arrows switch the mode, and Tab then stops at the new one.
        w.ui->HSVButton->setFocus();
        QTest::keyClick(w.ui->HSVButton, Qt::Key_Up);
        QVERIFY(w.ui->RGBButton->isChecked());
        QCOMPARE(w.cell(0, 2), QStringLiteral("r"));
        w.ui->imageToSpreadsheet->setFocus();
        QTest::keyClick(w.ui->imageToSpreadsheet, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.ui->RGBButton);
    }

    void shortcuts_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("effect");
        const auto row = [](const char *button, QKeySequence keys, const char *effect) {
            QTest::newRow(button) << QString::fromLatin1(button) << keys << QString::fromLatin1(effect);
        };
        row("loadImage", QKeySequence(QKeySequence::Open), "open Open Image");
        row("saveSheet", QKeySequence(QKeySequence::Save), "save Image (*.csv);;Excel workbook (*.xlsx)");
        row("loadSpreadsheet", QKeySequence(QStringLiteral("Ctrl+Shift+O")), "open Spreadsheets (*.csv *.xlsx *.ods);;All files (*)");
        row("saveImage", QKeySequence(QStringLiteral("Ctrl+Shift+S")), "save Jpeg (*.jpg)");
        row("imageToSpreadsheet", QKeySequence(QStringLiteral("Ctrl+Right")), "rows 120000");
        row("spreadsheetToImage", QKeySequence(QStringLiteral("Ctrl+Left")), "drawn");
        row("HSVButton", QKeySequence(QStringLiteral("Ctrl+H")), "hsv");
        row("RGBButton", QKeySequence(QStringLiteral("Ctrl+R")), "rgb");
        row("shrink", QKeySequence(QStringLiteral("Ctrl+E")), "ticked");
    }

    void shortcuts()
    {
        QFETCH(QString, button);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, effect);

        Window w = Window::make();
        loadImageInto(w, patternImage(400, 300));
        // Reduced, so that a conversion in full makes other records.
        w.ui->shrink->setChecked(true);
        w.ui->imageToSpreadsheet->click();
        w.ui->shrink->setChecked(false);
        QVERIFY(w.pixels().size() < std::size_t(400 * 300));
        w.ui->HSVButton->click();
        if (effect == QLatin1String("hsv"))
            w.ui->RGBButton->click();
        w.dialogs->asked.clear();
        QVERIFY(activate(w));
        w.ui->tableWidget->setFocus(); // shortcuts work wherever the focus is

        auto *target = w.window->findChild<QAbstractButton *>(button);
        QVERIFY(target);
        QVERIFY2(target->toolTip().contains(keys.toString(QKeySequence::NativeText)), qPrintable(target->toolTip()));
        QTest::keySequence(w.window.get(), keys);

        if (effect.startsWith(QLatin1String("open ")) || effect.startsWith(QLatin1String("save "))) {
            QTRY_VERIFY(!w.dialogs->asked.isEmpty());
            const ScriptedDialogs::Question &q = w.dialogs->asked.first();
            QCOMPARE(q.kind + ' ' + (q.kind == "open" && button == "loadImage" ? q.caption : q.filter.left(effect.size() - 5)),
                     effect);
        } else if (effect == QLatin1String("rows 120000")) {
            QTRY_COMPARE(w.pixels().size(), std::size_t(400 * 300));
        } else if (effect == QLatin1String("drawn")) {
            QTRY_COMPARE(w.ui->imageBox->title(), QStringLiteral("Image: drawn from in.png"));
        } else if (effect == QLatin1String("hsv")) {
            QTRY_VERIFY(w.ui->HSVButton->isChecked());
            QCOMPARE(w.cell(0, 2), QStringLiteral("h"));
        } else if (effect == QLatin1String("rgb")) {
            QTRY_VERIFY(w.ui->RGBButton->isChecked());
            QCOMPARE(w.cell(0, 2), QStringLiteral("r"));
        } else {
            QTRY_VERIFY(w.ui->shrink->isChecked());
        }
    }

    // A disabled button's shortcut does nothing: Save Sheet before there is any data.
    void shortcutOfDisabledButton()
    {
        Window w = Window::make();
        QVERIFY(activate(w));
        QTest::keySequence(w.window.get(), QKeySequence(QKeySequence::Save));
        QTest::qWait(300);
        QVERIFY(w.dialogs->asked.isEmpty());
    }

    // ---- The dialogs: where they open, what they suggest, the suffix ---------------------

    void suffixFromChosenType_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no suffix") << "result" << "Png (*.png)" << "result.png";
        QTest::newRow("type with the list's blank") << "result" << " Bmp (*.bmp)" << "result.bmp";
        QTest::newRow("typed suffix wins") << "result.png" << "Jpeg (*.jpg)" << "result.png";
        QTest::newRow("dot in a folder name only") << "/tmp/v1.2/result" << "Png (*.png)" << "/tmp/v1.2/result.png";
        QTest::newRow("all files: nothing to add") << "notes" << "All files (*)" << "notes";
        QTest::newRow("several suffixes: none chosen") << "notes" << "Spreadsheets (*.csv *.ods)" << "notes";
        QTest::newRow("cancelled") << "" << "Png (*.png)" << "";
    }

    void suffixFromChosenType()
    {
        QFETCH(QString, typed);
        QFETCH(QString, type);
        QFETCH(QString, saved);
        QCOMPARE(withFilterSuffix(typed, type), saved);
    }

    void dialogsOpenWhereTheLastFileWas()
    {
        QTemporaryDir photos;
        QTemporaryDir lessons;
        QVERIFY(photos.isValid() && lessons.isValid());
        const QString photo = photos.filePath(QStringLiteral("photo.jpg"));
        QVERIFY(patternImage(30, 20).save(photo));

        Window w = Window::make();
        w.dialogs->fileAnswers = {photo};
        w.ui->loadImage->click();
        // At first the user's Pictures folder, not the program's own.
        QCOMPARE(w.dialogs->asked.first().dir, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
        w.ui->imageToSpreadsheet->click();

        // Save Sheet: the photo's folder and name, as a sheet; "lesson" typed without a suffix.
        w.dialogs->asked.clear();
        w.dialogs->fileAnswers = {lessons.filePath(QStringLiteral("lesson"))};
        w.ui->saveSheet->click();
        QCOMPARE(w.dialogs->asked.first().dir, photos.filePath(QStringLiteral("photo.csv")));
        QVERIFY(QFile::exists(lessons.filePath(QStringLiteral("lesson.csv"))));
        QVERIFY(!QFile::exists(lessons.filePath(QStringLiteral("lesson"))));

        // Save Image: the folder of the last save, the name of the picture's own file.
        w.dialogs->asked.clear();
        w.ui->saveImage->click();
        QCOMPARE(w.dialogs->asked.first().dir, lessons.filePath(QStringLiteral("photo.png")));

        // Load Sheet opens where the sheet went; the drawing is offered under the sheet's name.
        w.dialogs->asked.clear();
        w.dialogs->fileAnswers = {lessons.filePath(QStringLiteral("lesson.csv"))};
        w.ui->loadSpreadsheet->click();
        QCOMPARE(w.dialogs->asked.first().dir, lessons.path());
        w.ui->spreadsheetToImage->click();
        w.dialogs->asked.clear();
        w.dialogs->fileAnswers = {photos.filePath(QStringLiteral("result"))};
        w.ui->saveImage->click();
        QCOMPARE(w.dialogs->asked.first().dir, lessons.filePath(QStringLiteral("lesson.png")));
        QCOMPARE(QImage(photos.filePath(QStringLiteral("result.png"))).size(), QSize(30, 20));

        // Load Image now starts where that picture was saved.
        w.dialogs->asked.clear();
        w.ui->loadImage->click();
        QCOMPARE(w.dialogs->asked.first().dir, photos.path());
    }

    // Save Sheet with the workbook type chosen writes an .xlsx, which Load Sheet reads back
    // to the very records; the CSV beside it holds the same.
    void workbookSavedAndLoaded()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString photo = folder.filePath(QStringLiteral("photo.png"));
        QVERIFY(patternImage(9, 6).save(photo));
        Window w = Window::make();
        w.dialogs->fileAnswers = {photo};
        w.ui->loadImage->click();
        w.ui->imageToSpreadsheet->click();
        const PixelRecords converted = w.pixels().all();

        w.dialogs->fileAnswers = {folder.filePath(QStringLiteral("lesson"))};
        w.dialogs->typeAnswers = {QStringLiteral("Excel workbook (*.xlsx)")};
        w.ui->saveSheet->click();
        QCOMPARE(w.dialogs->warnings(), QStringList());
        QVERIFY(readAll(folder.filePath(QStringLiteral("lesson.xlsx"))).startsWith("PK\x03\x04"));
        QVERIFY(!w.ui->ss_save_pos->isHidden());

        w.dialogs->fileAnswers = {folder.filePath(QStringLiteral("lesson.xlsx"))};
        w.ui->loadSpreadsheet->click();
        QCOMPARE(w.dialogs->warnings(), QStringList());
        QCOMPARE(w.pixels().size(), converted.size());
        QVERIFY(std::equal(converted.begin(), converted.end(), w.pixels().all().begin(),
                           [](const PixelRecord &a, const PixelRecord &b) {
                               return a.x == b.x && a.y == b.y && a.r == b.r && a.g == b.g && a.b == b.b;
                           }));
        w.ui->spreadsheetToImage->click();
        QCOMPARE(w.image().convertToFormat(QImage::Format_RGB32), patternImage(9, 6));
    }

    // ---- Open with ---------------------------------------------------------------------

    void openWith_data()
    {
        QTest::addColumn<QByteArray>("content"); // "picture": a PNG; none: no file at all
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("loaded");     // "image", "spreadsheet" or ""
        QTest::addColumn<QString>("warning");

        const QByteArray sheet("x,y,r,g,b\n0,0,1,2,3\n1,0,4,5,6\n");
        QTest::newRow("picture") << QByteArray("picture") << "photo.png" << "image" << "";
        QTest::newRow("picture without suffix, by content") << QByteArray("picture") << "snapshot" << "image" << "";
        QTest::newRow("picture under a sheet's suffix, by content") << QByteArray("picture") << "odd.csv" << "image" << "";
        QTest::newRow("sheet") << sheet << "lesson.csv" << "spreadsheet" << "";
        QTest::newRow("sheet without suffix") << sheet << "lesson" << "spreadsheet" << "";
        QTest::newRow("workbook") << workbookBytes() << "lesson.xlsx" << "spreadsheet" << "";
        QTest::newRow("text under a picture's suffix: the image box")
            << QByteArray("hello\n") << "broken.png" << "" << "Failed loading / Invalid image format.";
        QTest::newRow("not a sheet: the sheet box")
            << QByteArray("hello\n") << "notes.txt" << "" << "Invalid Sheet / This is not a valid color spreadsheet.";
        QTest::newRow("missing sheet")
            << QByteArray() << "gone.csv" << "" << "Failed loading / The spreadsheet file does not exist.";
    }

    void openWith()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QFETCH(QString, loaded);
        QFETCH(QString, warning);

        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (content == "picture")
            QVERIFY(patternImage(7, 5).save(path, "PNG"));
        else if (!content.isEmpty())
            QVERIFY(writeFile(path, content));

        Window w = Window::make();
        // Relative, as a file manager may pass it; the window names it in full.
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        w.window->openFile(name);
        QVERIFY(QDir::setCurrent(previous));

        QCOMPARE(w.dialogs->warnings(), warning.isEmpty() ? QStringList() : QStringList{warning});
        for (const ScriptedDialogs::Question &q : w.dialogs->asked)
            QCOMPARE(q.kind, QStringLiteral("warning")); // no dialog was shown
        // A sheet is drawn as well: the user asked to see it.
        QCOMPARE(!w.ui->image_memory_pos->isHidden(), !loaded.isEmpty());
        QCOMPARE(!w.ui->ss_memory_pos->isHidden(), loaded == QLatin1String("spreadsheet"));
        if (loaded == QLatin1String("image")) {
            QCOMPARE(w.ui->imageBox->toolTip(), QStringLiteral("Image: ") + path);
            QCOMPARE(w.image().size(), QSize(7, 5));
        }
        if (loaded == QLatin1String("spreadsheet")) {
            QCOMPARE(w.pixels().size(), std::size_t(2));
            QCOMPARE(w.image().size(), QSize(2, 1));
            QCOMPARE(w.ui->imageBox->title(), QStringLiteral("Image: drawn from ") + QFileInfo(path).fileName());
        }

        // The dialogs are the person's again, and the next one opens in that folder.
        w.dialogs->asked.clear();
        w.ui->loadImage->click();
        QCOMPARE(w.dialogs->asked.first().kind, QStringLiteral("open"));
        QCOMPARE(w.dialogs->asked.first().dir, loaded.isEmpty()
                     ? QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) : folder.path());
    }

    // ---- Both sides together -------------------------------------------------------------

    void imageToSheetAndBack()
    {
        Window w = Window::make();
        const QImage source = patternImage(37, 23);
        loadImageInto(w, source);
        w.ui->imageToSpreadsheet->click();

        const QString sheet = m_dir.filePath("roundtrip.csv");
        w.dialogs->fileAnswers = {sheet};
        w.ui->saveSheet->click();
        QCOMPARE(readAll(sheet).count('\n'), 37 * 23 + 1);

        w.dialogs->fileAnswers = {sheet};
        w.ui->loadSpreadsheet->click();
        QCOMPARE(w.dialogs->warnings(), QStringList());
        w.ui->spreadsheetToImage->click();

        const QString out = m_dir.filePath("roundtrip.png");
        w.dialogs->fileAnswers = {out};
        w.ui->saveImage->click();
        QCOMPARE(w.dialogs->warnings(), QStringList());
        QCOMPARE(QImage(out).convertToFormat(QImage::Format_RGB32), source);
        QVERIFY(!w.ui->image_save_pos->isHidden());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
