// SPDX-License-Identifier: GPL-3.0-or-later
#include "saxparser.h"

#include "text/usertexts.h"

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
    m_outOfMemory = false;
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
                                          : userText(Text::CutShort);
    }
    xmlFreeParserCtxt(m_parser);
    m_parser = nullptr;
    m_input = nullptr;
    if (m_outOfMemory)
        throw std::bad_alloc(); // once libxml2's frames are left and its parser is freed
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
    auto *handler = static_cast<Handler *>(self);
    try {
        return int(std::max<qint64>(handler->m_input->read(buffer, length), 0));
    } catch (const std::bad_alloc &) { // an input that inflates ahead throws it to its reader
        handler->m_outOfMemory = true;
        return 0;
    }
}

// Memory running out in an event ends the reading; parse() then says so.
template <class Event>
void Handler::deliver(void *self, Event event)
{
    auto *handler = static_cast<Handler *>(self);
    if (handler->m_stopped)
        return;
    try {
        event(*handler);
    } catch (const std::bad_alloc &) {
        handler->m_outOfMemory = true;
        handler->stop();
    }
}

void Handler::onStart(void *self, const xmlChar *name, const xmlChar *, const xmlChar *, int, const xmlChar **,
                      int count, int, const xmlChar **attributes)
{
    deliver(self, [&](Handler &handler) { handler.start(Name{ name }, Attributes{ attributes, count }); });
}

void Handler::onEnd(void *self, const xmlChar *name, const xmlChar *, const xmlChar *)
{
    deliver(self, [&](Handler &handler) { handler.end(Name{ name }); });
}

void Handler::onText(void *self, const xmlChar *text, int length)
{
    deliver(self, [&](Handler &handler) { handler.text(QByteArrayView(reinterpret_cast<const char *>(text), length)); });
}

} // namespace tess::sax
