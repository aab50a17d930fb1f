#pragma once

#include "convert/result.h"
#include "image/pixelrecord.h"
#include "sheet/sheetreader.h"

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
bool runAside(QMainWindow &window, const QString &what, std::function<void()> work);

// Whether work runs aside now (a drop of files must wait for it).
bool workRunsAside();

// Reading a file aside: what the core's loaders give, or nothing when the user stopped it.
struct SheetRead
{
    tess::Result result;
    PixelRecords records;
    tess::SheetInfo info;
};
std::optional<SheetRead> readSheetAside(QMainWindow &window, const QString &path);

struct PictureRead
{
    tess::Result result;
    QImage image;
};
std::optional<PictureRead> readPictureAside(QMainWindow &window, const QString &path);
