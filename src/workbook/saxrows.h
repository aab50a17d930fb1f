// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The worksheet readers' common run of libxml2's SAX parser over a workbook entry.

#include "saxnames.h"
#include "saxparser.h"
#include "workbookzip.h"
#include "worksheettext.h"
#include "io/readahead.h"
#include "text/usertexts.h"

#include <QIODevice>

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <algorithm>
#include <memory>

namespace tess {

// A worksheet source that parses its entry with libxml2's SAX parser, which pulls its
// input itself (faster than being fed chunks) and runs to the end in one go, on the
// worksheet's own thread; the entry is inflated ahead of it on another, since inflating
// takes a tenth of the reading. Rows is the reader of one format: it takes the events
// through start(Name, Attributes), end(Name) and text(QByteArrayView), and says why a
// part that is no well-formed XML was refused through malformed(libxml2's words, the line).
template <class Rows>
class SaxRows : public WorksheetSource
{
public:
    explicit SaxRows(std::unique_ptr<WorkbookEntry> entry)
        : m_entry(*entry), m_input(std::make_unique<ReadAheadDevice>(std::move(entry)))
    {
    }
    ~SaxRows() override
    {
        if (m_parser)
            xmlFreeParserCtxt(m_parser);
    }

    Step advance(WorksheetText &text) override
    {
        m_text = &text;
        sax::initialise();
        xmlSAXHandler handler{};
        handler.initialized = XML_SAX2_MAGIC;
        handler.startElementNs = &SaxRows::onStart;
        handler.endElementNs = &SaxRows::onEnd;
        handler.characters = &SaxRows::onText;
        handler.serror = &SaxRows::onError; // else libxml2 prints its errors itself
        m_parser = xmlCreateIOParserCtxt(&handler, this, &SaxRows::onRead, nullptr, this, XML_CHAR_ENCODING_NONE);
        if (!m_parser) {
            m_text->fail(outcome(Status::SheetOutOfMemory, userText(Text::WorksheetOutOfMemory)));
            return Step::End;
        }
        xmlCtxtUseOptions(m_parser, XML_PARSE_NONET);
        const int status = xmlParseDocument(m_parser);
        if (m_stopped)
            return Step::End;
        // The entry is inflated ahead of the parser: its failure counts only once the
        // parser has read up to it, and is safely seen only then.
        if (m_inputEnded && !m_entry.result().ok()) {
            m_text->fail(m_entry.result());
            return Step::End;
        }
        if (status != 0 || !m_parser->wellFormed) {
            const xmlError *error = xmlCtxtGetLastError(m_parser);
            const QString what = error && error->message ? QString::fromUtf8(error->message).trimmed()
                                                         : userText(Text::CutShort);
            m_text->fail(static_cast<const Rows *>(this)->malformed(what, error ? error->line : 0));
        }
        return Step::End;
    }

protected:
    // Ends the parse: at the end of what is wanted, or on a failure the text already holds.
    void stop()
    {
        m_stopped = true;
        xmlStopParser(m_parser);
    }

    WorksheetText *m_text = nullptr;

private:
    static Rows *rows(void *self) { return static_cast<Rows *>(static_cast<SaxRows *>(self)); }

    // The end and a failure of the entry alike end the input: advance() tells them apart.
    static int onRead(void *self, char *buffer, int length)
    {
        auto *reader = static_cast<SaxRows *>(self);
        const qint64 n = reader->m_input->read(buffer, length);
        reader->m_inputEnded = n < 0;
        return int(std::max<qint64>(n, 0));
    }
    static void onStart(void *self, const xmlChar *name, const xmlChar *, const xmlChar *, int, const xmlChar **,
                        int count, int, const xmlChar **attributes)
    {
        rows(self)->start(sax::Name{ name }, sax::Attributes{ attributes, count });
    }
    static void onEnd(void *self, const xmlChar *name, const xmlChar *, const xmlChar *)
    {
        rows(self)->end(sax::Name{ name });
    }
    static void onText(void *self, const xmlChar *text, int length)
    {
        rows(self)->text(QByteArrayView(reinterpret_cast<const char *>(text), length));
    }
    static void onError(void *, xmlError *) {}

    const WorkbookEntry &m_entry;           // read on the thread of m_input, which owns it
    std::unique_ptr<ReadAheadDevice> m_input;
    xmlParserCtxtPtr m_parser = nullptr;
    bool m_stopped = false;
    bool m_inputEnded = false;
};

} // namespace tess
