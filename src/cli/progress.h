// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QString>

#include <cstdio>

namespace tess::cli {

// A single line on standard error that tells how far a long read has come, for people
// watching a terminal. It stays silent when standard error is not a terminal, and until
// the work has taken about half a second, so that quick runs and scripts see nothing.
class ProgressLine
{
public:
    // label: the words before the figure, e.g. "Reading sheet".
    explicit ProgressLine(QString label);
    ~ProgressLine();

    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    // total: the number of bytes expected, or -1 when it cannot be known (a pipe).
    void update(qint64 done, qint64 total);

    // Removes the line, if it was ever shown, so that what follows starts on a clean line.
    void clear();

    // The text of the line (without the carriage return) for done bytes of total.
    static QString text(const QString &label, qint64 done, qint64 total);

    // Whether a line should be drawn at all: stream is a terminal.
    static bool wanted(FILE *stream);

private:
    QString m_label;
    bool m_enabled;
    bool m_shown = false;
    QString m_lastText;
    QElapsedTimer m_started;
    qint64 m_lastDrawn = -1;
};

} // namespace tess::cli
