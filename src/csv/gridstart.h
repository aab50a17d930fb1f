// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether a CSV text starts as a grid of values rather than as a pixel list: the lines of
// its start and the separator they use, looked through before the grid reader runs.

#include <QByteArrayView>

#include <vector>

namespace tess::sheet::grid {

// How far the text is looked through for a pixel list's header, as the list reader does.
constexpr int HeaderSearchLines = 50;
// Titles and notes of one cell each may stand above the grid.
constexpr int MaxTitleRows = 49;

// The start of a text: its lines (without a "sep=" line), the separator, and whether a
// "sep=" line was there.
struct Head
{
    std::vector<QByteArrayView> lines;
    char separator = ',';
    bool named = false;
};

// The lines of text's start; complete: text is the whole text, so its last line counts
// without a line break.
Head headOf(QByteArrayView text, bool complete);
// No line of the head names x and y, and its first row (below empty rows and titles)
// starts with a value, or with one after a corner cell of text.
bool startsAsGrid(const Head &head);

} // namespace tess::sheet::grid
