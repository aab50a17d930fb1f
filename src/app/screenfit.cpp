// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenfit.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

namespace {

// Room kept for the window manager's frame and title bar, which are not known before the
// window is shown.
constexpr int FrameWidth = 8;
constexpr int FrameHeight = 32;

// Fits a window as it is shown (the main window has scrolled its content already).
class WindowFitter final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->isWindow() && widget->windowType() != Qt::Popup && widget->windowType() != Qt::ToolTip)
                fit(*widget);
        }
        return false;
    }

private:
    static void fit(QWidget &window)
    {
        QScreen *screen = window.screen();
        if (!screen)
            return;
        const QRect available = screen->availableGeometry();
        const QSize fits = fittingSize(window.size(), available.size());
        if (fits != window.size()) {
            // A layout's minimum (a file dialog's lists, say) may be more than the screen
            // has; the window then shrinks below it rather than reach off the screen.
            window.setMinimumSize(window.minimumSize().boundedTo(fits));
            window.resize(fits);
        }
        // Kept inside the area, title bar included, wherever the window manager or the
        // parent's centre would put it.
        const QRect frame = window.frameGeometry();
        QPoint at = window.pos();
        at.setX(std::clamp(at.x(), available.left(), std::max(available.left(), available.right() + 1 - frame.width())));
        at.setY(std::clamp(at.y(), available.top(), std::max(available.top(), available.bottom() + 1 - frame.height())));
        if (at != window.pos())
            window.move(at);
    }
};

} // namespace

void fitEveryWindowToScreen(QObject *owner)
{
    auto *fitter = new WindowFitter(owner);
    qApp->installEventFilter(fitter);
}

QSize fittingSize(QSize window, QSize available)
{
    return window.boundedTo(QSize(available.width() - FrameWidth, available.height() - FrameHeight));
}

bool fitToScreen(QMainWindow &window, QRect available)
{
    const QSize fixed = window.size();
    const QSize fits = fittingSize(fixed, available.size());
    if (available.isEmpty() || fits == fixed)
        return false;

    // The content keeps the size it has in the fixed layout: the room its children take
    // (a hidden overlay aside) and the window's full width.
    // Moving the content into the scroll area takes the focus from it; it goes back.
    QWidget *focus = window.focusWidget();
    QWidget *content = window.takeCentralWidget();
    const QRect used = content->childrenRect();
    content->setMinimumSize(std::max(fixed.width(), used.right() + 1), used.bottom() + 1 + used.top() / 2);

    auto *area = new QScrollArea(&window);
    area->setObjectName(QStringLiteral("contentScroller"));
    area->setFrameShape(QFrame::NoFrame);
    // Not a stop of its own for Tab: it scrolls to the control that takes the focus.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    area->setWidget(content);
    area->setAccessibleName(QMainWindow::tr("Window content"));
    window.setCentralWidget(area);
    if (focus)
        focus->setFocus();
    // Room for the one scroll bar needed where the screen has it, so that scrolling one
    // way does not make the other way scroll too.
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    QSize wanted = fixed;
    if (fits.height() < fixed.height())
        wanted.rwidth() += bar;
    if (fits.width() < fixed.width())
        wanted.rheight() += bar;
    window.resize(fittingSize(wanted, available.size()));
    window.move(available.topLeft());
    return true;
}
