// SPDX-License-Identifier: GPL-3.0-or-later
#include "odsstyles.h"

#include <QColor>

namespace tess {

namespace {

const QString StyleNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString FoNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");

// Styles inherit from styles: a chain longer than this is a loop or a hostile file, and
// shows no fill.
constexpr int MaxParents = 32;

} // namespace

void OdsCellStyles::take(QXmlStreamReader &xml)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    if (attributes.value(StyleNs, QStringLiteral("family")) != u"table-cell") {
        xml.skipCurrentElement();
        return;
    }
    Style style;
    style.parent = attributes.value(StyleNs, QStringLiteral("parent-style-name")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() == u"table-cell-properties" && xml.attributes().hasAttribute(FoNs, QStringLiteral("background-color"))) {
            const QStringView text = xml.attributes().value(FoNs, QStringLiteral("background-color"));
            const QColor colour = QColor::fromString(text);
            style.background = text == u"transparent" || !colour.isValid() ? Background::None : Background::Colour;
            style.colour = colour.rgb() & 0xFFFFFF;
        }
        xml.skipCurrentElement();
    }
    m_styles.insert(attributes.value(StyleNs, QStringLiteral("name")).toString(), style);
}

void OdsCellStyles::resolve()
{
    m_shown.clear();
    for (auto it = m_styles.cbegin(); it != m_styles.cend(); ++it) {
        const Style *style = &it.value();
        for (int step = 0; style && step < MaxParents && style->background == Background::Inherited; ++step) {
            const auto parent = m_styles.constFind(style->parent);
            style = parent == m_styles.cend() ? nullptr : &parent.value();
        }
        if (style && style->background == Background::Colour)
            m_shown.insert(it.key(), style->colour);
    }
}

bool OdsCellStyles::fill(QStringView name, QRgb &colour) const
{
    if (name.isEmpty())
        return false;
    const auto found = m_shown.constFind(name.toString());
    if (found == m_shown.cend())
        return false;
    colour = found.value();
    return true;
}

} // namespace tess
