// SPDX-License-Identifier: GPL-3.0-or-later
#include "saxparser.h"

#include <QBuffer>

#include <libxml/xmlerror.h>

#include <algorithm>
#include <new>

namespace tess::sax {

void initialise()
{
    static const bool initialised = (xmlInitParser(), true);
    Q_UNUSED(initialised);
}

bool Handler::parse(QIODevice &input)
{
    initialise();
    xmlSAXHandler handler{};
    handler.initialized = XML_SAX2_MAGIC;
    handler.startElementNs = &Handler::onStart;
    handler.endElementNs = &Handler::onEnd;
    handler.characters = &Handler::onText;
    handler.serror = [](void *, xmlError *) {}; // else libxml2 prints its errors itself
    m_input = &input;
    m_stopped = false;
    m_error.clear();
    m_parser = xmlCreateIOParserCtxt(&handler, this, &Handler::onRead, nullptr, this, XML_CHAR_ENCODING_NONE);
    if (!m_parser)
        throw std::bad_alloc(); // the workbook reader says that memory ran out
    xmlCtxtUseOptions(m_parser, XML_PARSE_NONET);
    const int status = xmlParseDocument(m_parser);
    const bool ok = !m_stopped && status == 0 && m_parser->wellFormed;
    if (!ok && !m_stopped) {
        const xmlError *error = xmlCtxtGetLastError(m_parser);
        m_error = error && error->message ? QString::fromUtf8(error->message).trimmed()
                                          : QStringLiteral("no well-formed XML");
    }
    xmlFreeParserCtxt(m_parser);
    m_parser = nullptr;
    m_input = nullptr;
    return ok;
}

bool Handler::parse(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return parse(buffer);
}

void Handler::stop()
{
    m_stopped = true;
    xmlStopParser(m_parser);
}

// The end and a failure of the input alike end the XML, which is then cut short.
int Handler::onRead(void *self, char *buffer, int length)
{
    return int(std::max<qint64>(static_cast<Handler *>(self)->m_input->read(buffer, length), 0));
}

void Handler::onStart(void *self, const xmlChar *name, const xmlChar *, const xmlChar *, int, const xmlChar **,
                      int count, int, const xmlChar **attributes)
{
    auto *handler = static_cast<Handler *>(self);
    if (!handler->m_stopped)
        handler->start(Name{ name }, Attributes{ attributes, count });
}

void Handler::onEnd(void *self, const xmlChar *name, const xmlChar *, const xmlChar *)
{
    auto *handler = static_cast<Handler *>(self);
    if (!handler->m_stopped)
        handler->end(Name{ name });
}

void Handler::onText(void *self, const xmlChar *text, int length)
{
    auto *handler = static_cast<Handler *>(self);
    if (!handler->m_stopped)
        handler->text(QByteArrayView(reinterpret_cast<const char *>(text), length));
}

} // namespace tess::sax
