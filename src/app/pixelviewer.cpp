// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixelviewer.h"

#include "beforeafter.h"
#include "pixelcanvas.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>

#include <cmath>

PixelViewer::PixelViewer(const QString &title, QWidget *parent)
    : QMainWindow(parent, Qt::Window)
    , m_canvas(new PixelCanvas(this))
    , m_readoutLabel(new QLabel(this))
    , m_title(title)
{
    setObjectName(QStringLiteral("pixelViewer"));
    m_canvas->setObjectName(QStringLiteral("pixelCanvas"));
    m_canvas->setAccessibleName(tr("Pixels of the picture"));
    m_canvas->setAccessibleDescription(
        tr("Arrow keys move from pixel to pixel; plus and minus zoom, 0 fits, 1 shows 1:1; Ctrl+C copies the numbers"));
    setCentralWidget(m_canvas);
    // A permanent label, not a message: the readout is what the status bar is for here, and
    // a label can be read by a screen reader.
    m_readoutLabel->setObjectName(QStringLiteral("readout"));
    m_readoutLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The numbers themselves are its accessible name, announced as they change.
    m_readoutLabel->setAccessibleDescription(tr("Numbers of the pixel"));
    statusBar()->addWidget(m_readoutLabel, 1);

    auto *copy = new QAction(tr("Copy the numbers"), this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, [this] {
        if (!m_readout.isEmpty())
            QGuiApplication::clipboard()->setText(m_readout);
    });
    addAction(copy);
    auto *closing = new QAction(tr("Close"), this);
    closing->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(closing, &QAction::triggered, this, &QWidget::close);
    addAction(closing);

    connect(m_canvas, &PixelCanvas::currentChanged, this, &PixelViewer::showReadout);
    connect(m_canvas, &PixelCanvas::scaleChanged, this, &PixelViewer::showTitle);
    resize(640, 520);
    showTitle();
}

void PixelViewer::setPicture(const QImage &picture, std::shared_ptr<const tess::PixelLines> lines)
{
    m_lines = std::move(lines);
    m_canvas->setPicture(picture);
    showReadout(m_canvas->current());
    showTitle();
}

void PixelViewer::allowComparing()
{
    if (m_compare)
        return;
    m_compare = new BeforeAfter(this);
    connect(m_compare, &BeforeAfter::shownChanged, this, &PixelViewer::showChosen);
}

void PixelViewer::setPictures(const QImage &before, const QImage &after, std::shared_ptr<const tess::PixelLines> lines)
{
    if (!m_compare)
        return setPicture(after, std::move(lines));
    m_compare->setPictures(before, after);
    setPicture(m_compare->picture(), std::move(lines));
}

void PixelViewer::showChosen()
{
    // The zoom and the place stay, so that the eye sees only what changed.
    m_canvas->setPicture(m_compare->picture());
    showReadout(m_canvas->current());
    showTitle();
}

void PixelViewer::setLines(std::shared_ptr<const tess::PixelLines> lines)
{
    m_lines = std::move(lines);
    showReadout(m_canvas->current());
}

void PixelViewer::setTitle(const QString &title)
{
    m_title = title;
    showTitle();
}

void PixelViewer::showReadout(QPoint pixel)
{
    const QImage &picture = m_canvas->picture();
    if (!picture.rect().contains(pixel)) {
        m_readout.clear();
    } else if (const QString both = m_compare ? m_compare->readout(pixel) : QString(); !both.isEmpty()) {
        m_readout = both;
    } else {
        const bool sheetHolds = m_lines && m_lines->extent() == picture.size();
        m_readout = sheetHolds ? tess::pixelReadout(pixel, picture.pixel(pixel), *m_lines)
                               : tess::pixelReadout(pixel, picture.pixel(pixel));
    }
    m_readoutLabel->setText(m_readout);
}

void PixelViewer::showTitle()
{
    const double scale = m_canvas->scale();
    const QString zoom = scale >= 1.0 ? QStringLiteral("%1\u00d7").arg(int(std::lround(scale)))
                                      : QStringLiteral("%1%").arg(int(std::lround(scale * 100)));
    QString title = tr("Pixels of %1 – %2").arg(m_title, zoom);
    // Which picture is shown, for those who cannot see the tool bar's choice.
    if (const QString shown = m_compare ? m_compare->shownName() : QString(); !shown.isEmpty())
        title += QStringLiteral(" – ") + shown;
    setWindowTitle(title);
}
