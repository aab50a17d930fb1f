#pragma once

#include "filenames.h"
#include "model/outcome.h"
#include "model/pixelrecord.h"
#include "csv/sheetreader.h"

#include <QImage>
#include <QMainWindow>
#include <QString>

#include <memory>
#include <optional>

class Dialogs;
class Following;
class Ui_MainWindow;
class Viewers;

// The one window: the image side on the left, the spreadsheet side on the right,
// the two conversions between them. All state lives here; every rule of conversion
// and of the file format is the core library's.
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
    // Rows 1 to 4 of the table from the first records; rows without one are empty.
    void showRecords(bool firstColumnOnly);

    // Reads the sheet at path; on success it becomes the pixel data and the sheet side
    // shows it, saved; on failure nothing changes.
    // None when the user stopped the read (Esc).
    std::optional<tess::Result> readSheet(const QString &path);
    // Load Sheet with the file chosen: false, with its box, when it could not be read.
    bool loadSheet(const QString &path);
    // The members the sheet side keeps for the status panel, from what reading found.
    void fillSheetMembers(const tess::SheetInfo &info);
    // Draws the pixel data; the picture, preview and heading follow on success.
    tess::Result drawSheet();

    // Another program saved a file the window shows (livefiles.cpp).
    void followedSheetChanged(const QString &path);
    void followedPictureChanged(const QString &path);
    void followedFileGone(const QString &path);

    // The pixel viewer, help, the context menu, a small screen (teaching.cpp); the
    // question before closing with unsaved work (closeguard.cpp).
    void setUpTeachingAids();
    void openPixelViewer();
    QString pictureName() const;
    void sheetIsInFile(const QString &path, const tess::RecordLines &lines);
    bool mayClose();

    QString imageFileName;
    QString sheetFileName;
    tess::PixelRecords pixels;
    int maxX = 0;
    int maxY = 0;
    QImage image;
    int redColumn = -1;
    int greenColumn = -1;
    int blueColumn = -1;
    int alphaColumn = -1;
    int hueColumn = -1;
    int saturationColumn = -1;
    int valueColumn = -1;
    bool hasRgb = false;
    bool hasHsv = false;
    // The pixel data came from "Image to Spreadsheet", not from a sheet: it carries every
    // component, whatever the column indices of the last sheet loaded say.
    bool convertedFromImage = false;
    // What reading the last sheet passed over, for the notice after loading and drawing.
    tess::SheetInfo sheetRead;
    Ui_MainWindow *ui;
    std::unique_ptr<Dialogs> dialogs;
    FilePlaces places;
    Following *following = nullptr;
    Viewers *viewers = nullptr;

    friend class TestMainWindow;
    friend struct WindowUnderTest;
};
