// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress.h"

#include "platform.h"

#include <algorithm>

namespace tess::cli {

namespace {

// Nothing is drawn before this; quick runs stay quiet even on a terminal.
constexpr qint64 QuietMs = 500;
// Redrawing more often than this only costs time.
constexpr qint64 RedrawMs = 100;

} // namespace

ProgressLine::ProgressLine(QString label)
    : m_label(std::move(label)), m_enabled(wanted(stderr))
{
    m_started.start();
}

ProgressLine::~ProgressLine()
{
    clear();
}

bool ProgressLine::wanted(FILE *stream)
{
    return platform::isTerminal(stream);
}

QString ProgressLine::text(const QString &label, qint64 done, qint64 total)
{
    if (total > 0) {
        const qint64 percent = std::clamp<qint64>(done * 100 / total, 0, 100);
        return label + QStringLiteral(": ") + QString::number(percent) + QLatin1Char('%');
    }
    const double megabytes = double(done) / (1024.0 * 1024.0);
    return label + QStringLiteral(": ") + QString::number(megabytes, 'f', 1) + QStringLiteral(" MB");
}

void ProgressLine::update(qint64 done, qint64 total)
{
    if (!m_enabled)
        return;
    const qint64 elapsed = m_started.elapsed();
    if (elapsed < QuietMs)
        return;
    if (m_lastDrawn >= 0 && elapsed - m_lastDrawn < RedrawMs)
        return;
    const QString line = text(m_label, done, total);
    if (line == m_lastText)
        return;
    m_lastText = line;
    m_lastDrawn = elapsed;
    // Carriage return and erase-to-end-of-line: the new figure replaces the old one.
    std::fprintf(stderr, "\r\x1b[K%s", qUtf8Printable(line));
    std::fflush(stderr);
    m_shown = true;
}

void ProgressLine::clear()
{
    if (!m_shown)
        return;
    std::fputs("\r\x1b[K", stderr);
    std::fflush(stderr);
    m_shown = false;
    m_lastText.clear();
}

} // namespace tess::cli
