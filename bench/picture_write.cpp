// SPDX-License-Identifier: GPL-3.0-or-later
// The picture-shaped workbook as a process of its own, for the sizes above the command
// line's limit: picture_write IMAGE OUT.xlsx|OUT.ods SIDE [grey]. bench_picture.sh times it.

#include "convert/picturesheet.h"
#include "image/imagefile.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: picture_write IMAGE OUT SIDE [grey]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "minimal");
    QGuiApplication app(argc, argv);
    tess::configureImageReading();
    QImage image;
    if (!tess::loadImageFile(QString::fromLocal8Bit(argv[1]), image).ok())
        return 1;
    const tess::SheetShape shape = argc > 4 ? tess::SheetShape::Grey : tess::SheetShape::Picture;
    return tess::imageToPictureSheetFile(image, std::atoi(argv[3]), QString::fromLocal8Bit(argv[2]), shape).ok() ? 0 : 1;
}
