// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenfit.h"

#include <QMainWindow>
#include <QScrollArea>
#include <QStyle>

namespace {

// Room kept for the window manager's frame and title bar, which are not known before the
// window is shown.
constexpr int FrameWidth = 8;
constexpr int FrameHeight = 32;

} // namespace

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
