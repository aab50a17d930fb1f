// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewers.h"

#include "pixelviewer.h"

Viewers::Viewers(QWidget *window, SheetDrawing drawSheet, std::function<QImage()> before)
    : QObject(window)
    , m_window(window)
    , m_drawSheet(std::move(drawSheet))
    , m_before(std::move(before))
    , m_sheetName(tr("the sheet"))
{
}

PixelViewer *Viewers::viewer() const
{
    return m_viewer;
}

PixelViewer *Viewers::sheetViewer() const
{
    return m_sheetViewer;
}

PixelViewer *Viewers::bringUp(QPointer<PixelViewer> &viewer, const QString &name, bool comparing)
{
    const bool made = !viewer;
    if (made) {
        viewer = new PixelViewer(name, m_window);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        if (comparing)
            viewer->allowComparing();
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return made ? viewer.data() : nullptr;
}

void Viewers::open(const QImage &picture, const QString &name)
{
    if (bringUp(m_viewer, name, true))
        pictureChanged(picture, name);
}

void Viewers::pictureChanged(const QImage &picture, const QString &name)
{
    if (!m_viewer)
        return;
    m_viewer->setTitle(name);
    m_viewer->setPictures(m_before(), picture, lines());
}

void Viewers::openSheet()
{
    if (bringUp(m_sheetViewer, m_sheetName, false))
        sheetChanged();
}

void Viewers::sheetChanged()
{
    ++m_sheetVersion;
    if (m_viewer)
        m_viewer->setLines(lines());
    if (!m_sheetViewer)
        return;
    m_sheetViewer->setTitle(m_sheetName);
    m_drawSheet([self = QPointer(this), version = m_sheetVersion, viewer = m_sheetViewer](const QImage &drawn) {
        if (self && viewer && version == self->m_sheetVersion)
            viewer->setPicture(drawn, self->lines());
    });
}

void Viewers::sheetInFile(const QString &name, std::function<tess::PixelLines()> build)
{
    m_sheetName = name;
    m_build = std::move(build);
    m_lines.reset();
    sheetChanged();
}

void Viewers::forgetSheet()
{
    m_sheetName = tr("the sheet");
    m_build = nullptr;
    m_lines.reset();
    sheetChanged();
}

std::shared_ptr<const tess::PixelLines> Viewers::lines()
{
    if (!m_lines && m_build) {
        m_lines = std::make_shared<const tess::PixelLines>(m_build());
        m_build = nullptr;
    }
    return m_lines;
}
