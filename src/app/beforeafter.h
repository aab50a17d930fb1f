// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/imagecompare.h"

#include <QImage>
#include <QObject>

class QAction;
class QLabel;
class QMainWindow;

// Before and after in the pixel viewer: the picture as it is now, the one the last drawing
// or reading again replaced, and a picture of what changed (changed pixels in red, the rest
// dimmed), chosen on a tool bar or with A, B and D, Space flipping between before and
// after. The counts of the change stand in the status bar, in the command line's words.
// With no picture before, or one of another size, the choices are disabled and say why.
class BeforeAfter final : public QObject
{
    Q_OBJECT

public:
    enum class Shown { After, Before, Difference };

    explicit BeforeAfter(QMainWindow *viewer);

    // before may be null. What is shown stays chosen while the two can still be compared.
    void setPictures(const QImage &before, const QImage &after);
    bool canCompare() const;
    Shown shown() const { return m_shown; }
    void show(Shown shown);

    // The choice's name ("Before", "Difference"); empty while the picture after is shown.
    QString shownName() const;
    // What the viewer shows for the choice made.
    QImage picture() const;
    // The pixel's numbers in both pictures while the picture before or the difference is
    // shown; empty while the picture after is.
    QString readout(QPoint pixel) const;
    // "12 pixels changed; ...", the sizes when they differ, empty without a picture before.
    QString summary() const;

signals:
    void shownChanged();

private:
    QAction *addChoice(const QString &text, Qt::Key key, Shown shown);
    void showState();

    QImage m_before;
    QImage m_after;
    mutable QImage m_difference; // made when first shown
    tess::PictureDifference m_counts;
    Shown m_shown = Shown::After;
    QList<QAction *> m_choices;
    QAction *m_flip;
    QLabel *m_summary;
};
