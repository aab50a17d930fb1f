#include "viewers.h"

#include "pixelviewer.h"

Viewers::Viewers(QWidget *window)
    : QObject(window)
    , m_window(window)
{
}

PixelViewer *Viewers::viewer() const
{
    return m_viewer;
}

void Viewers::open(const QImage &picture, const QString &name)
{
    if (!m_viewer) {
        m_viewer = new PixelViewer(name, m_window);
        m_viewer->setAttribute(Qt::WA_DeleteOnClose);
        show(picture, name);
    }
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
}

void Viewers::pictureChanged(const QImage &picture, const QString &name)
{
    if (m_viewer)
        show(picture, name);
}

void Viewers::show(const QImage &picture, const QString &name)
{
    m_viewer->setTitle(name);
    m_viewer->setPicture(picture, lines());
}

void Viewers::sheetInFile(std::function<tess::PixelLines()> build)
{
    m_build = std::move(build);
    m_lines.reset();
    if (m_viewer)
        m_viewer->setLines(lines());
}

void Viewers::forgetSheet()
{
    m_build = nullptr;
    m_lines.reset();
    if (m_viewer)
        m_viewer->setLines(nullptr);
}

std::shared_ptr<const tess::PixelLines> Viewers::lines()
{
    if (!m_lines && m_build) {
        m_lines = std::make_shared<const tess::PixelLines>(m_build());
        m_build = nullptr;
    }
    return m_lines;
}
