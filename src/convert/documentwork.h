// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The worker's side of the document: one piece of work, run off the document's thread.

#include "document.h"

#include <vector>

namespace tess {

// One piece of work: what it reads, copied or shared so that the document may change
// meanwhile, and what it makes, which only the document's thread takes once it is done.
struct Document::Job
{
    Work work = Work::None;
    QString path;
    bool excel2002 = false;
    ColourModel model = InitialModel;
    SheetShape shape = SheetShape::List;
    // The reloads also make the other side again.
    bool remake = false;

    QImage picture;
    SharedRecords records;
    QSize extent;

    Result result;
    Result remade;
    QImage madePicture;
    std::shared_ptr<PixelRecords> madeRecords;
    SheetInfo info;
    QSize scanned;
    DrawStats bent;
    std::vector<Notice> notices;
    StopFlag stop{false};

    void run();
    void runSteps();
    void readPicture();
    Result savePictureShaped();
    void readSheet();
    void convert(const QImage &from);
    void draw(const PixelRecords &from, QSize size, ColourModel in);
};

} // namespace tess
