// SPDX-License-Identifier: GPL-3.0-or-later
#include "photomodule.h"

#include "avifhandler.h"
#include "heifhandler.h"
#include "jxlhandler.h"

#include <QByteArray>
#include <QtGlobal>

namespace {

// The names live as long as the module.
const char *staticName(const QByteArray &format)
{
    for (const char *name : {"heic", "heif", "avif"}) {
        if (format == name)
            return name;
    }
    return nullptr;
}

} // namespace

// The content decides, never the name: a file called .heic that holds a JPEG XL goes to
// libjxl, and one that holds neither is left to the toolkit's formats or refused.
extern "C" Q_DECL_EXPORT const char *tessarinePhotoFormat(QIODevice *device)
{
    if (tess::isJxl(device))
        return "jxl";
    return staticName(tess::heifFormatOf(device));
}

extern "C" Q_DECL_EXPORT QImageIOHandler *tessarinePhotoHandler(QIODevice *device, const char *format)
{
    const QByteArray name = device ? QByteArray(tessarinePhotoFormat(device)) : QByteArray(format);
    if (name == "jxl")
        return tess::createJxlHandler();
    return name == "avif" ? tess::createAvifHandler() : tess::createHeifHandler();
}
