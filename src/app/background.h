#pragma once

#include "model/outcome.h"
#include "model/pixelrecord.h"
#include "csv/sheetreader.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

class QMainWindow;

// Runs work on a worker thread while the window goes on painting, its status bar showing
// what runs. The window's controls are disabled meanwhile, so that no conflicting work
// starts, and it cannot be closed underneath the work. Esc gives up waiting: the work
// then ends unseen and its result is dropped, so work must keep what it makes to itself
// (shared state it owns) until the caller takes it. True when the work finished.
// Without cancellable, Esc does nothing: a save once begun is finished (the safe output
// leaves the old file whole until the new one is complete).
bool runAside(QMainWindow &window, const QString &what, std::function<void()> work, bool cancellable = true);

// Whether work runs aside now (a drop of files must wait for it).
bool workRunsAside();

// Reading a file aside: what the core's loaders give, or nothing when the user stopped it.
struct SheetRead
{
    tess::Result result;
    tess::PixelRecords records;
    tess::SheetInfo info;
};
std::optional<SheetRead> readSheetAside(QMainWindow &window, const QString &path);

struct PictureRead
{
    tess::Result result;
    QImage image;
};
std::optional<PictureRead> readPictureAside(QMainWindow &window, const QString &path);

// Writing a file aside: the records or the picture must stay untouched until it returns,
// which the disabled controls see to.
tess::Result saveSheetAside(QMainWindow &window, const QString &path, const tess::PixelRecords &records,
                            tess::ColourModel model);
tess::Result saveImageAside(QMainWindow &window, const QString &path, const QImage &image);
