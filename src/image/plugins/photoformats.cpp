// SPDX-License-Identifier: GPL-3.0-or-later
#include "photoformats.h"

#include "photomodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QIODevice>
#include <QLibrary>

#include <mutex>

namespace tess {

namespace {

struct PhotoModule
{
    PhotoFormatFunction format = nullptr;
    PhotoHandlerFunction handler = nullptr;
};

// Next to the program that runs, where it is installed, or where the build put it (tests
// and benchmarks run from folders of their own).
PhotoModule loadModule()
{
    QStringList folders;
    if (QCoreApplication::instance()) {
        const QDir program(QCoreApplication::applicationDirPath());
        folders << program.path() << program.filePath(QStringLiteral(TESSARINE_PHOTO_MODULE_FROM_PROGRAM));
    }
    folders << QStringLiteral(TESSARINE_PHOTO_MODULE_DIR);
    for (const QString &folder : folders) {
        QLibrary library(QDir(folder).filePath(QStringLiteral("tessarine_photos")));
        if (!library.load())
            continue;
        PhotoModule module;
        module.format = reinterpret_cast<PhotoFormatFunction>(library.resolve(TESSARINE_PHOTO_FORMAT_SYMBOL));
        module.handler = reinterpret_cast<PhotoHandlerFunction>(library.resolve(TESSARINE_PHOTO_HANDLER_SYMBOL));
        if (module.format && module.handler)
            return module; // stays loaded: its handlers live on in the readers
        library.unload();
    }
    qWarning("The photo formats module (tessarine_photos) could not be loaded: HEIC, AVIF and JPEG XL are not read");
    return {};
}

const PhotoModule &module()
{
    static std::once_flag once;
    static PhotoModule loaded;
    std::call_once(once, [] { loaded = loadModule(); });
    return loaded;
}

// The two signatures the photo formats begin with: an ISO file type box (HEIF, AVIF) and
// JPEG XL's codestream or container. Anything else is no such photo, and the module is not
// loaded for it; for the rest the libraries themselves decide.
bool mayBePhoto(QIODevice *device)
{
    if (!device || !device->isReadable())
        return false;
    const QByteArray head = device->peek(12);
    return head.mid(4, 4) == "ftyp" || head.startsWith("\xff\x0a")
           || head.startsWith(QByteArrayView("\0\0\0\x0cJXL \r\n\x87\n", 12));
}

} // namespace

QImageIOPlugin::Capabilities PhotoFormatsPlugin::capabilities(QIODevice *device, const QByteArray &format) const
{
    if (!device)
        return (format == "heic" || format == "heif" || format == "avif" || format == "jxl") ? CanRead : Capabilities();
    if (!mayBePhoto(device) || !module().format)
        return {};
    return module().format(device) ? CanRead : Capabilities();
}

QImageIOHandler *PhotoFormatsPlugin::create(QIODevice *device, const QByteArray &format) const
{
    if (!module().handler)
        return nullptr;
    QImageIOHandler *handler = module().handler(device, format.constData());
    handler->setDevice(device);
    handler->setFormat(format);
    return handler;
}

} // namespace tess
