// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fills of an .ods workbook's cell styles: the background colour each style shows.

#include <QHash>
#include <QRgb>
#include <QString>
#include <QXmlStreamReader>

namespace tess {

class OdsCellStyles
{
public:
    // Takes the cell style the reader stands on (a style:style of the family table-cell),
    // reading it to its end. Other elements are left alone.
    void take(QXmlStreamReader &xml);
    // Works out the fill each style shows through its parents. Once, after all are taken.
    void resolve();
    // The colour the style shows; false when it shows none or there is no such style.
    bool fill(QStringView name, QRgb &colour) const;

private:
    enum class Background { Inherited, None, Colour };
    struct Style
    {
        QString parent;
        Background background = Background::Inherited;
        QRgb colour = 0;
    };
    QHash<QString, Style> m_styles;
    QHash<QString, QRgb> m_shown; // the styles that show a fill
};

} // namespace tess
