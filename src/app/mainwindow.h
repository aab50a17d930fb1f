// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filenames.h"
#include "model/outcome.h"
#include "model/pixelrecord.h"
#include "csv/sheetreader.h"
#include "convert/document.h"

#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class Dialogs;
class Following;
class Ui_MainWindow;
class Viewers;

// The one window: the image side on the left, the spreadsheet side on the right,
// the two conversions between them. The state of both sides is the document's; the window
// asks the user, hands the work to the document and shows what it holds.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    // For tests: the window asks its questions through dialogs instead of a person.
    explicit MainWindow(std::unique_ptr<Dialogs> dialogs, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The status panel. side is "image" or "spreadsheet"; any other string does nothing.
    void markLoaded(const QString &side);
    void markUnloaded(const QString &side);
    void resetInfo(const QString &side);
    void updateInfo(const QString &side);

    // Shows an image stretched over the preview.
    void displayPreview(QImage image);

    void convertImage(bool shrink);
    void convertSheet();

    // A file named on the command line: loaded as if chosen in the dialog of its kind
    // (Load Image for a picture, Load Sheet otherwise), with the same boxes on failure.
    void openFile(const QString &path);

private slots:
    void on_spreadsheetToImage_clicked();
    void on_loadSpreadsheet_clicked();
    void on_imageToSpreadsheet_clicked();
    void on_loadImage_clicked();
    void displayImage(QString filename);
    void displaySS();
    void on_saveImage_clicked();
    void on_saveSheet_clicked();
    void on_RGBButton_clicked();
    void on_HSVButton_clicked();

private:
    tess::ColourModel shownModel() const;
    void showColours(int row, const tess::PixelRecord &record, tess::ColourModel model);
    void showPosition(int row, const tess::PixelRecord &record);
    void setCellText(int row, int column, const QString &text);
    // The status bar's line about the last piece of work, or none.
    void showNotice(const QString &notice);
    void warn(const QString &title, const QString &text);
    void showOutputRows();
    static tess::SheetShape shapeOfSheetType(const QString &type);
    // Rows 1 to 4 of the table from the first records; rows without one are empty.
    void showRecords(bool firstColumnOnly);

    // The one place the widgets' enabled and shown states come from: the document's.
    void showDocumentState();
    // markLoaded (held) and markUnloaded.
    void showHeld(const QString &side, bool held);
    // The image side's controls while it holds a picture, or none.
    void showPictureControls(bool held);
    // The members the layout fixes, filled from the document.
    void fillFromDocument();
    // The document's work: what the window shows while it runs, and once it is done.
    void workStarted(const QString &what);
    void workNotice(const tess::Notice &notice, bool asked);
    void workProgress(int percent);
    // What the window shows of a side once work changed it; sheet: which side (changes.cpp).
    void sideChanged(bool sheet, const tess::Change &change);
    void tellFailure(bool sheet, const tess::Change &change, const tess::Result &result);
    void showSheetTable(const tess::Change &change);
    QString changeNotice(bool sheet, const tess::Change &change) const;
    void workStopped(const QString &said);
    void workEnded();

    // A file the window shows was deleted or moved away (changes.cpp).
    void followedFileGone(const QString &path);

    // The pixel viewer, help, the context menu, a small screen (teaching.cpp); the
    // question before closing with unsaved work (closeguard.cpp).
    void setUpTeachingAids();
    void openPixelViewer();
    QString pictureName() const;
    // The sheet's data is that of the file at path: as read (the lines its records came
    // from, or the layout of a picture-shaped sheet and its worksheet's name), or as saved.
    void sheetIsInFile(const QString &path, const tess::RecordLines &lines,
                       tess::SheetShape shape = tess::SheetShape::List, const QString &worksheet = QString());
    // The same for a sheet as read: a grid or painted cells name their cells.
    void sheetIsInFile(const QString &path, const tess::SheetInfo &sheet);
    bool mayClose();
    void askCloseWhenIdle();
    // Runs then once no unsaved work stands in the way of a load: the user was asked
    // (Save, Discard, Cancel) about each side that holds some; nothing runs on Cancel or
    // when the save asked for was cancelled or failed.
    void whenUnsavedSettled(std::function<void()> then, bool askSheet = true, bool askPicture = true);
    // The sheet in the desktop's spreadsheet program, saved first when it is in no file
    // (spreadsheetprogram.cpp).
    void openInSpreadsheet();
    void openSheetFile(const QString &path);
    // Undo and redo: both sides as the document had them, shown as they were (goingback.cpp).
    void setUpHistory();
    void goTo(bool back);
    void showHistoryActions();
    void showSheetFile();

    // The document's files, records and picture, and the picture's size the records
    // describe: views that share the document's data, filled by fillFromDocument alone.
    QString imageFileName;
    QString sheetFileName;
    tess::RecordsHandle pixels;
    int maxX = 0;
    int maxY = 0;
    QImage image;
    tess::Document *document = nullptr;
    QWidget *busyBar = nullptr;
    // Since the work shown began.
    QElapsedTimer workClock;
    // Where the keyboard was when work began: disabling the controls takes the focus away.
    QPointer<QWidget> focusBeforeWork;
    // The status bar's line gives way to the busy bar; work that changes nothing gives it back.
    QString noticeBeforeWork;
    Ui_MainWindow *ui;
    std::unique_ptr<Dialogs> dialogs;
    RecentPlaces places;
    QString sheetType; // the type last chosen in the Save Sheet dialog
    bool toldRgbOnly = false; // that a picture-shaped sheet is written in RGB, in HSV mode
    Following *following = nullptr;
    Viewers *viewers = nullptr;
};
