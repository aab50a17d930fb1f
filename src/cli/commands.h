// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/pixelrecord.h"
#include "io/safeoutput.h"
#include "model/sheetshape.h"

#include <QString>

#include <optional>

namespace tess::cli {

// Exit statuses of the converter.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1;  // the conversion failed; the reason is on stderr
inline constexpr int ExitUsage = 2;   // the command line itself was wrong
inline constexpr int ExitDiffer = 3;  // compare: the pictures differ

struct ToSheetJob
{
    QString imagePath;
    QString sheetPath;           // or StandardStreamPath: standard output
    ColourModel model = ColourModel::Rgb;
    bool excel2002 = false;
    SheetShape shape = SheetShape::List; // Picture, Grey: a picture-shaped workbook
    int maxSide = 256;                   // its long edge at most
};

struct ToImageJob
{
    QString sheetPath;           // or StandardStreamPath: standard input
    QString imagePath;
    std::optional<ColourModel> model; // none: the model the window would pick for the sheet
    bool onesWhite = false;           // a grid of 0 and 1 read with 1 as white
};

// Image -> sheet, as the window's Load Image, Image to Spreadsheet and Save Sheet.
int runToSheet(const ToSheetJob &job);

// Sheet -> image, as the window's Load Sheet, Spreadsheet to Image and Save Image.
int runToImage(const ToImageJob &job);

struct CompareJob
{
    QString before;
    QString after;
    QString differencePath;      // empty: no picture of the difference is written
};

// Two pictures compared: how many pixels changed and the largest change, on standard
// output; ExitOk when they are the same, ExitDiffer when not.
int runCompare(const CompareJob &job);

// One line on standard error.
void printError(const QString &message);

} // namespace tess::cli
