#pragma once

#include <QImageIOPlugin>

namespace tess {

// JPEG XL, bare codestream or in its container, read through libjxl. Built into the core
// and registered statically, as the HEIF plug-in is.
class JxlPlugin : public QImageIOPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "jxlplugin.json")

public:
    Capabilities capabilities(QIODevice *device, const QByteArray &format) const override;
    QImageIOHandler *create(QIODevice *device, const QByteArray &format = QByteArray()) const override;
};

} // namespace tess
