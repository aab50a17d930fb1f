// SPDX-License-Identifier: GPL-3.0-or-later
#include "beforeafter.h"

#include "image/imagecompare.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>

BeforeAfter::BeforeAfter(QMainWindow *viewer)
    : QObject(viewer)
    , m_flip(new QAction(tr("Flip between before and after"), viewer))
    , m_summary(new QLabel(viewer))
{
    auto *bar = new QToolBar(tr("Before and after"), viewer);
    bar->setObjectName(QStringLiteral("beforeAfter"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setVisible(false);
    viewer->addToolBar(bar);
    auto *group = new QActionGroup(this);
    for (QAction *choice : {addChoice(tr("After"), Qt::Key_A, Shown::After),
                            addChoice(tr("Before"), Qt::Key_B, Shown::Before),
                            addChoice(tr("Difference"), Qt::Key_D, Shown::Difference)}) {
        group->addAction(choice);
        bar->addAction(choice);
        viewer->addAction(choice); // its key works wherever the focus is in the viewer
        m_choices.append(choice);
    }
    m_choices.first()->setChecked(true);

    m_flip->setShortcut(QKeySequence(Qt::Key_Space));
    m_flip->setShortcutContext(Qt::WindowShortcut);
    connect(m_flip, &QAction::triggered, this, [this] { show(m_shown == Shown::Before ? Shown::After : Shown::Before); });
    viewer->addAction(m_flip);

    m_summary->setObjectName(QStringLiteral("changeCounts"));
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    viewer->statusBar()->addPermanentWidget(m_summary);
    showState();
}

QAction *BeforeAfter::addChoice(const QString &text, Qt::Key key, Shown shown)
{
    auto *choice = new QAction(text, this);
    choice->setCheckable(true);
    choice->setShortcut(QKeySequence(key));
    choice->setShortcutContext(Qt::WindowShortcut);
    choice->setData(int(shown));
    connect(choice, &QAction::triggered, this, [this, shown] { this->show(shown); });
    return choice;
}

void BeforeAfter::setPictures(const QImage &before, const QImage &after)
{
    m_before = before;
    m_after = after;
    m_difference = QImage();
    m_counts = before.isNull() ? tess::PictureDifference{} : tess::comparePictures(before, after);
    if (!canCompare())
        m_shown = Shown::After;
    showState();
}

bool BeforeAfter::canCompare() const
{
    return !m_before.isNull() && !m_after.isNull() && m_before.size() == m_after.size();
}

void BeforeAfter::show(Shown shown)
{
    if (!canCompare())
        shown = Shown::After;
    if (shown == m_shown)
        return showState(); // the check marks stay right after a click on a checked choice
    m_shown = shown;
    showState();
    emit shownChanged();
}

QString BeforeAfter::shownName() const
{
    return m_shown == Shown::After ? QString() : m_choices.at(int(m_shown))->text();
}

QImage BeforeAfter::picture() const
{
    switch (m_shown) {
    case Shown::Before:
        return m_before;
    case Shown::Difference:
        if (m_difference.isNull())
            m_difference = tess::differencePicture(m_before, m_after);
        return m_difference;
    case Shown::After:
        break;
    }
    return m_after;
}

QString BeforeAfter::readout(QPoint pixel) const
{
    if (m_shown == Shown::After || !m_after.rect().contains(pixel))
        return QString();
    return tess::beforeAfterReadout(pixel, m_before.pixel(pixel), m_after.pixel(pixel));
}

QString BeforeAfter::summary() const
{
    return m_before.isNull() || m_after.isNull() ? QString() : tess::differenceSummary(m_counts);
}

void BeforeAfter::showState()
{
    const QLocale locale;
    QString why;
    if (m_before.isNull())
        why = tr("There is no picture before this one: draw the sheet again after an edit, or follow its file, "
                 "to compare the two");
    else if (!canCompare())
        why = tr("The picture before is %1 × %2 and this one %3 × %4; only pictures of one size can be compared")
                  .arg(locale.toString(m_before.width()), locale.toString(m_before.height()),
                       locale.toString(m_after.width()), locale.toString(m_after.height()));
    const QStringList tips = {tr("The picture as it is now (A)"),
                              tr("The picture before the last drawing (B; Space flips between before and after)"),
                              tr("Changed pixels in red, the brighter the larger the change; the others dimmed (D)")};
    for (int i = 0; i < m_choices.size(); ++i) {
        QAction *choice = m_choices.at(i);
        choice->setEnabled(why.isEmpty());
        choice->setToolTip(why.isEmpty() ? tips.at(i) : why);
        choice->setChecked(choice->data().toInt() == int(m_shown));
    }
    m_flip->setEnabled(why.isEmpty());
    const QString counts = summary();
    m_summary->setText(counts);
    m_summary->setToolTip(counts);
    m_summary->setAccessibleName(counts.isEmpty() ? tr("No comparison") : counts);
    m_summary->setVisible(!counts.isEmpty());
}
