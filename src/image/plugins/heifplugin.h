#pragma once

#include <QImageIOPlugin>

namespace tess {

// HEIC/HEIF (HEVC pictures) and AVIF (AV1 pictures): the same ISO container, read through
// libheif. Built into the core and registered statically, so that QImageReader finds it
// in every program that links the core, as it finds the toolkit's own formats.
class HeifPlugin : public QImageIOPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "heifplugin.json")

public:
    Capabilities capabilities(QIODevice *device, const QByteArray &format) const override;
    QImageIOHandler *create(QIODevice *device, const QByteArray &format = QByteArray()) const override;
};

} // namespace tess
