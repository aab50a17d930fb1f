#include "photoformats.h"

#include "avifhandler.h"
#include "heifhandler.h"
#include "jxlhandler.h"

namespace tess {

// The content decides, never the name: a file called .heic that holds a JPEG XL goes to
// libjxl, and one that holds neither is left to the toolkit's formats or refused.
QImageIOPlugin::Capabilities PhotoFormatsPlugin::capabilities(QIODevice *device, const QByteArray &format) const
{
    if (!device)
        return (format == "heic" || format == "heif" || format == "avif" || format == "jxl") ? CanRead : Capabilities();
    return (!heifFormatOf(device).isEmpty() || isJxl(device)) ? CanRead : Capabilities();
}

QImageIOHandler *PhotoFormatsPlugin::create(QIODevice *device, const QByteArray &format) const
{
    const bool jxl = device ? isJxl(device) : format == "jxl";
    const bool avif = !jxl && (device ? heifFormatOf(device) == "avif" : format == "avif");
    QImageIOHandler *handler = jxl ? createJxlHandler() : avif ? createAvifHandler() : createHeifHandler();
    handler->setDevice(device);
    handler->setFormat(format);
    return handler;
}

} // namespace tess
