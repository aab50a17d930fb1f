// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImageIOPlugin>

namespace tess {

// The photo formats the toolkit does not read (HEIC/HEIF, AVIF, JPEG XL), as an image plug-in
// of our own: built into the core and registered statically, so that QImageReader finds it
// in every program that links the core, as it finds the toolkit's own formats. One plug-in
// for all of them, because the toolkit parses a static plug-in's metadata again each time a
// reader looks for a handler (about 60 microseconds each, every load).
class PhotoFormatsPlugin : public QImageIOPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "photoformats.json")

public:
    Capabilities capabilities(QIODevice *device, const QByteArray &format) const override;
    QImageIOHandler *create(QIODevice *device, const QByteArray &format = QByteArray()) const override;
};

} // namespace tess
